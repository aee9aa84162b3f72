#include "support/test_shard.h"

#include <QByteArray>
#include <QList>

TestShard::TestShard()
{
    const QList<QByteArray> parts = qgetenv("TALMERIS_TEST_SHARD").split('/');
    if (parts.size() != 2)
        return;
    bool indexOk = false;
    bool countOk = false;
    const int index = parts[0].toInt(&indexOk);
    const int count = parts[1].toInt(&countOk);
    if (indexOk && countOk && count > 0 && index >= 0 && index < count) {
        m_index = index;
        m_count = count;
    }
}

bool TestShard::takesNextRow()
{
    return m_row++ % m_count == m_index;
}

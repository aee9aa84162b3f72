#include "dialogs/address_control.h"

#include "dialogs/dialog_controls.h"
#include "dialogs/ipv4_address_edit.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace {

constexpr int kOctetCount = 4;

} // namespace

AddressControl::AddressControl(const SettingRow &row, const ControlPlace &place, QWidget *parent)
    : SettingControl(row, place)
    , m_edit(new Ipv4AddressEdit(parent))
{
    m_edit->setObjectName(objectName());
    // The octets take the focus, so they carry the names and the tip.
    for (int octet = 0; octet < kOctetCount; ++octet) {
        QLineEdit *edit = m_edit->octetEdit(octet);
        edit->setAccessibleName(QCoreApplication::translate("AddressControl", "%1 octet %2",
                                                            "accessible name: the label, then the octet's number")
                                    .arg(row.label(), QString::number(octet + 1)));
        SetTip(edit, row.tip);
    }
}

QWidget *AddressControl::widget() const
{
    return m_edit;
}

QList<QWidget *> AddressControl::widgets() const
{
    QList<QWidget *> octets;
    for (int octet = 0; octet < kOctetCount; ++octet)
        octets.append(m_edit->octetEdit(octet));
    return octets;
}

QVariant AddressControl::value() const
{
    return DottedQuadText(m_edit->octets());
}

void AddressControl::show(const QVariant &value, const QStringList &)
{
    // An octet given its own text again would lose its cursor.
    const Ipv4Octets octets = ReadDottedQuad(value.toString()).value_or(Ipv4Octets{});
    for (int octet = 0; octet < kOctetCount; ++octet) {
        const QString text = QString::number(octets[std::size_t(octet)]);
        if (m_edit->octetEdit(octet)->text() != text)
            m_edit->octetEdit(octet)->setText(text);
    }
}

void AddressControl::onChange(QObject *context, const std::function<void()> &changed)
{
    if (!row().followsTyping)
        return;
    for (QWidget *octet : widgets())
        QObject::connect(static_cast<QLineEdit *>(octet), &QLineEdit::textEdited, context, [changed] { changed(); });
}

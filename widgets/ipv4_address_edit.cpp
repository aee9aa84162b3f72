#include "widgets/ipv4_address_edit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace {

constexpr int kOctetDigits = 3;
constexpr int kOctetMax = 255;

// Digits only, and never a value above 255.
class OctetValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
        if (input.size() > kOctetDigits || !std::all_of(input.begin(), input.end(), isDigit))
            return Invalid;
        return input.isEmpty() || input.toInt() <= kOctetMax ? Acceptable : Invalid;
    }
};

} // namespace

Ipv4AddressEdit::Ipv4AddressEdit(QWidget *parent)
    : QFrame(parent)
{
    // One sunken box like a single line edit, the octets frameless inside it.
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 1, 3, 1);
    layout->setSpacing(0);

    const int octetWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000"));
    for (std::size_t i = 0; i < m_octets.size(); ++i) {
        if (i > 0) {
            auto *dot = new QLabel(QStringLiteral("."), this);
            dot->setBackgroundRole(QPalette::Base);
            layout->addWidget(dot);
        }
        auto *octet = new QLineEdit(this);
        octet->setObjectName(QStringLiteral("octet%1").arg(i + 1));
        octet->setAccessibleName(tr("Octet %1").arg(i + 1));
        octet->setFrame(false);
        octet->setAlignment(Qt::AlignCenter);
        octet->setMaxLength(kOctetDigits);
        octet->setValidator(new OctetValidator(octet));
        octet->setFixedWidth(octetWidth);
        octet->installEventFilter(this);
        connect(octet, &QLineEdit::textEdited, this, [this, i] { onOctetEdited(int(i)); });
        layout->addWidget(octet);
        m_octets[i] = octet;
    }
    setFocusProxy(m_octets.front());
}

Ipv4Octets Ipv4AddressEdit::octets() const
{
    Ipv4Octets octets{};
    for (std::size_t i = 0; i < m_octets.size(); ++i)
        octets[i] = std::uint8_t(m_octets[i]->text().toInt());
    return octets;
}

void Ipv4AddressEdit::setOctets(const Ipv4Octets &octets)
{
    for (std::size_t i = 0; i < m_octets.size(); ++i)
        m_octets[i]->setText(QString::number(octets[i]));
}

int Ipv4AddressEdit::indexOf(QObject *watched) const
{
    const auto found = std::ranges::find(m_octets, watched);
    return found == m_octets.end() ? -1 : int(found - m_octets.begin());
}

void Ipv4AddressEdit::moveTo(int index, bool selectAll, bool toEnd)
{
    if (index < 0 || index >= int(m_octets.size()))
        return;
    QLineEdit *octet = m_octets[std::size_t(index)];
    octet->setFocus(Qt::OtherFocusReason);
    if (selectAll)
        octet->selectAll();
    else
        octet->setCursorPosition(toEnd ? int(octet->text().size()) : 0);
}

void Ipv4AddressEdit::onOctetEdited(int index)
{
    const QLineEdit *octet = m_octets[std::size_t(index)];
    if (octet->text().size() == kOctetDigits && octet->cursorPosition() == kOctetDigits)
        moveTo(index + 1, true, false);
}

bool Ipv4AddressEdit::eventFilter(QObject *watched, QEvent *event)
{
    const int index = indexOf(watched);
    if (index < 0 || event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);

    const auto *key = static_cast<QKeyEvent *>(event);
    const QLineEdit *octet = m_octets[std::size_t(index)];
    const bool plain = !(key->modifiers() & ~Qt::KeypadModifier);
    const int cursor = octet->cursorPosition();
    const bool atStart = cursor == 0 && !octet->hasSelectedText();
    const bool atEnd = cursor == octet->text().size() && !octet->hasSelectedText();

    if (key->text() == QStringLiteral(".")) {
        if (!octet->text().isEmpty())
            moveTo(index + 1, true, false);
        return true;
    }
    if (plain && key->key() == Qt::Key_Right && atEnd && index + 1 < int(m_octets.size())) {
        moveTo(index + 1, false, false);
        return true;
    }
    if (plain && (key->key() == Qt::Key_Left || key->key() == Qt::Key_Backspace) && atStart && index > 0) {
        moveTo(index - 1, false, true);
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

#pragma once

#include "settings/ipv4_octets.h"

#include <QFrame>

#include <array>

class QLineEdit;

// An IPv4 address typed as four octets of 0..255. A blank octet reads as 0.
// "." and the arrow keys move between octets, and a third digit moves on.
class Ipv4AddressEdit : public QFrame
{
    Q_OBJECT

public:
    explicit Ipv4AddressEdit(QWidget *parent = nullptr);

    Ipv4Octets octets() const;
    void setOctets(const Ipv4Octets &octets);

    QLineEdit *octetEdit(int index) const { return m_octets.at(std::size_t(index)); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int indexOf(QObject *watched) const;
    void moveTo(int index, bool selectAll, bool toEnd);
    void onOctetEdited(int index);

    std::array<QLineEdit *, 4> m_octets{};
};

#include "dialogs/dlg_operator.h"
#include "dialogs/ipv4_address_edit.h"
#include "profile/record_text.h"
#include "support/fake_prompter.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QLineEdit *edit(QDialog &dialog, const char *name)
{
    return dialog.findChild<QLineEdit *>(name);
}

// Types into whichever control has the focus, as the keyboard would.
void typeIntoFocus(QWidget &window, const QString &text)
{
    for (QChar c : text)
        QTest::keyClicks(window.focusWidget(), QString(c));
}

OperatorEntry customerEntry()
{
    OperatorEntry entry = BlankCustomEntry("Customer2");
    ClearRecordText(entry.mms_gateway);
    StoreRecordText(entry.mms_gateway, QStringLiteral("192.0.2.7"));
    StoreRecordText(entry.mms_apn, QStringLiteral("mms.example"));
    return entry;
}

} // namespace

class TestDlgOperator : public QObject
{
    Q_OBJECT

private slots:
    void openingShowsTheEntry()
    {
        OperatorEntry entry = customerEntry();
        FakePrompter prompter;
        DlgOperator dialog(entry, prompter);
        prompter.modalActions.enqueue([](QDialog &d) {
            const auto *gateway = d.findChild<Ipv4AddressEdit *>("gatewayEdit");
            QStringList octets;
            for (int i = 0; i < 4; ++i)
                octets << gateway->octetEdit(i)->text();
            [&] { QCOMPARE(octets.join(u' '), QStringLiteral("192 0 2 7")); }();
            [&] { QCOMPARE(edit(d, "mmsPortEdit")->text(), QStringLiteral("0")); }();
            [&] { QCOMPARE(edit(d, "mmsApnEdit")->text(), QStringLiteral("mms.example")); }();
            [&] { QCOMPARE(edit(d, "mmsPasswordEdit")->echoMode(), QLineEdit::Password); }();
            [&] { QCOMPARE(edit(d, "gprsPasswordEdit")->echoMode(), QLineEdit::Password); }();
            return int(QDialog::Rejected);
        });
        QCOMPARE(dialog.run(), int(QDialog::Rejected));
        QCOMPARE(prompter.calls.first().text, QStringLiteral("Operator Parameter Setting"));
        QVERIFY(prompter.messages().isEmpty());
    }

    void okStoresWhatWasTyped_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("storedPort");

        QTest::newRow("leading zero") << "08080" << "8080";
        QTest::newRow("letters behind") << "80x" << "80";
        QTest::newRow("largest") << "65535" << "65535";
    }

    void okStoresWhatWasTyped()
    {
        QFETCH(QString, port);
        QFETCH(QString, storedPort);

        OperatorEntry entry = customerEntry();
        FakePrompter prompter;
        DlgOperator dialog(entry, prompter);
        prompter.modalActions.enqueue([&](QDialog &d) {
            edit(d, "mmsPortEdit")->clear();
            QTest::keyClicks(edit(d, "mmsPortEdit"), port);
            QTest::keyClicks(edit(d, "mmsPasswordEdit"), QStringLiteral("1234567890123456"));
            QTest::keyClicks(edit(d, "gprsApnEdit"), QStringLiteral("internet"));
            d.findChild<QPushButton *>("okButton")->click();
            return d.result();
        });
        QCOMPARE(dialog.run(), int(QDialog::Accepted));
        QVERIFY(prompter.messages().isEmpty());
        QCOMPARE(LoadRecordText(entry.mms_port), storedPort);
        QCOMPARE(LoadRecordText(entry.mms_password), QStringLiteral("123456789012345"));
        QCOMPARE(LoadRecordText(entry.mms_gateway), QStringLiteral("192.0.2.7"));
        QCOMPARE(LoadRecordText(entry.gprs_apn), QStringLiteral("internet"));
        QCOMPARE(LoadRecordText(entry.name), QStringLiteral("Customer2"));
    }

    void portRefusedKeepsTheDialogOpen_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("message");

        const QString range = QStringLiteral("Enter an integer between 0 and 65535.");
        QTest::newRow("OK, one too many") << "65536" << "okButton" << range;
        QTest::newRow("Cancel, one too many") << "65536" << "cancelButton" << range;
        QTest::newRow("Enter in a field") << "" << "enter" << "Enter a positive integer.";
    }

    void portRefusedKeepsTheDialogOpen()
    {
        QFETCH(QString, port);
        QFETCH(QString, how);
        QFETCH(QString, message);

        OperatorEntry entry = customerEntry();
        const OperatorEntry before = entry;
        FakePrompter prompter;
        DlgOperator dialog(entry, prompter);
        prompter.modalActions.enqueue([&](QDialog &d) {
            QLineEdit *portEdit = edit(d, "mmsPortEdit");
            portEdit->setText(port);
            QTest::keyClicks(edit(d, "urlEdit"), QStringLiteral("http://changed/"));
            if (how == "enter")
                QTest::keyClick(edit(d, "urlEdit"), Qt::Key_Return);
            else
                d.findChild<QPushButton *>(how)->click();
            [&] { QVERIFY(d.isVisible()); }();
            [&] { QCOMPARE(d.focusWidget(), portEdit); }();
            [&] { QCOMPARE(portEdit->selectedText(), port); }();
            QTest::keyClick(portEdit, Qt::Key_Escape); // closes without a check
            return d.result();
        });
        QCOMPARE(dialog.run(), int(QDialog::Rejected));
        QCOMPARE(prompter.messages().size(), 1);
        QCOMPARE(prompter.lastMessage().text, message);
        QCOMPARE(prompter.lastMessage().icon, Message::Icon::Warning);
        QVERIFY(entry == before);
    }

    void cancelAndEnterWriteNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "cancel";
        QTest::newRow("Enter in a field") << "enter";
    }

    void cancelAndEnterWriteNothing()
    {
        QFETCH(QString, how);

        OperatorEntry entry = customerEntry();
        const OperatorEntry before = entry;
        FakePrompter prompter;
        DlgOperator dialog(entry, prompter);
        prompter.modalActions.enqueue([&](QDialog &d) {
            QTest::keyClicks(edit(d, "gprsAccountEdit"), QStringLiteral("someone"));
            if (how == "enter")
                QTest::keyClick(edit(d, "gprsAccountEdit"), Qt::Key_Enter);
            else
                d.findChild<QPushButton *>("cancelButton")->click();
            return d.isVisible() ? -1 : d.result();
        });
        QCOMPARE(dialog.run(), int(QDialog::Rejected));
        QVERIFY(prompter.messages().isEmpty());
        QVERIFY(entry == before);
    }

    void labelsNameTheControls_data()
    {
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("name");

        QTest::newRow("URL") << "urlEdit" << "URL";
        QTest::newRow("Gateway") << "gatewayEdit" << "Gateway";
        QTest::newRow("Port") << "mmsPortEdit" << "Port";
        QTest::newRow("MMS APN") << "mmsApnEdit" << "MMS APN";
        QTest::newRow("GPRS APN") << "gprsApnEdit" << "GPRS APN";
        QTest::newRow("GPRS Password") << "gprsPasswordEdit" << "GPRS Password";
    }

    void labelsNameTheControls()
    {
        QFETCH(QString, objectName);
        QFETCH(QString, name);

        OperatorEntry entry = customerEntry();
        FakePrompter prompter;
        DlgOperator dialog(entry, prompter);
        auto *control = dialog.findChild<QWidget *>(objectName);
        QVERIFY(control);
        QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), name);
        for (const QPushButton *button : dialog.findChildren<QPushButton *>())
            QVERIFY(!button->autoDefault() && !button->isDefault());
    }

    void addressTyping_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("address");

        QTest::newRow("points move on") << "192.0.2.7" << "192.0.2.7";
        QTest::newRow("third digit moves on") << "1921682" << "192.168.2.0";
        QTest::newRow("above 255 refused") << "300.1" << "30.1.0.0";
        QTest::newRow("point in an empty octet stays") << ".5" << "5.0.0.0";
    }

    void addressTyping()
    {
        QFETCH(QString, typed);
        QFETCH(QString, address);

        Ipv4AddressEdit field;
        field.show();
        for (int i = 0; i < 4; ++i)
            field.octetEdit(i)->clear();
        field.octetEdit(0)->setFocus();
        typeIntoFocus(field, typed);
        QCOMPARE(DottedQuadText(field.octets()), address);
    }

    void addressArrowsAndBackspace()
    {
        Ipv4AddressEdit field;
        field.show();
        field.setOctets({10, 20, 30, 40});
        field.octetEdit(1)->setFocus();
        field.octetEdit(1)->setCursorPosition(0);
        QTest::keyClick(field.focusWidget(), Qt::Key_Left);
        QCOMPARE(field.focusWidget(), field.octetEdit(0));
        QTest::keyClick(field.focusWidget(), Qt::Key_Right);
        QCOMPARE(field.focusWidget(), field.octetEdit(1));
        QTest::keyClick(field.focusWidget(), Qt::Key_Backspace);
        QTest::keyClick(field.focusWidget(), Qt::Key_Backspace);
        QCOMPARE(DottedQuadText(field.octets()), QStringLiteral("1.20.30.40"));
    }
};

QTEST_MAIN(TestDlgOperator)
#include "tst_dlg_operator.moc"

#include "widgets/ipv4_address_edit.h"
#include "widgets/operator_dialog.h"
#include "profile/record_text.h"
#include "support/dialog_harness.h"
#include "support/typing.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

namespace {

// One dialog over the entry of "Customer2" with a gateway set.
struct Harness {
    OperatorEntry entry = [] {
        OperatorEntry e = BlankCustomEntry("Customer2");
        ClearRecordText(e.mms_gateway);
        StoreRecordText(e.mms_gateway, QStringLiteral("192.0.2.7"));
        return e;
    }();
    FakePrompter prompter;
    OperatorDialog dialog{entry, prompter};

    int run(const std::function<void(QDialog &)> &action) { return RunDialog(prompter, dialog, action); }
};

} // namespace

class TestOperatorDialog : public QObject
{
    Q_OBJECT

private slots:
    void okStoresWhatWasTyped()
    {
        Harness h;
        QStringList shown;
        bool stayedOpen = false;
        const int result = h.run([&](QDialog &d) {
            const auto *gateway = d.findChild<Ipv4AddressEdit *>("gatewayEdit");
            for (int i = 0; i < 4; ++i)
                shown << gateway->octetEdit(i)->text();
            shown << Edit(d, "mmsPortEdit")->text();
            Edit(d, "mmsPortEdit")->clear();
            QTest::keyClicks(Edit(d, "mmsPortEdit"), QStringLiteral("08080"));
            QTest::keyClicks(Edit(d, "mmsPasswordEdit"), QStringLiteral("1234567890123456"));
            QTest::keyClicks(Edit(d, "gprsApnEdit"), QStringLiteral("internet"));
            // Enter to confirm the typing must neither close nor forget it.
            QTest::keyClick(Edit(d, "gprsApnEdit"), Qt::Key_Return);
            QTest::keyClick(gateway->octetEdit(3), Qt::Key_Return);
            stayedOpen = d.isVisible();
            d.findChild<QPushButton *>("okButton")->click();
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(stayedOpen);
        QCOMPARE(shown, (QStringList{"192", "0", "2", "7", "0"})); // first octet leftmost, then the MMS port
        QVERIFY(h.prompter.messages().isEmpty());
        QCOMPARE(LoadRecordText(h.entry.mms_port), QStringLiteral("8080"));
        QCOMPARE(LoadRecordText(h.entry.mms_password), QStringLiteral("123456789012345"));
        QCOMPARE(LoadRecordText(h.entry.mms_gateway), QStringLiteral("192.0.2.7"));
        QCOMPARE(LoadRecordText(h.entry.gprs_apn), QStringLiteral("internet"));
        QCOMPARE(LoadRecordText(h.entry.name), QStringLiteral("Customer2"));
    }

    void whatIsLeftOutIsNoted_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("note");

        QTest::newRow("APN past its limit") << "mmsApnEdit" << QString(40, u'a') << QString(31, u'a')
                                            << "At most 31 characters fit here; the rest was left out.";
        QTest::newRow("masked password") << "gprsPasswordEdit" << QStringLiteral("pw\u4e2d") << "pw"
                                         << "Characters the camera cannot store were left out.";
    }

    void whatIsLeftOutIsNoted()
    {
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        QFETCH(QString, note);

        Harness h;
        QString seen;
        QString noted;
        h.run([&](QDialog &d) {
            pasteText(Edit(d, qPrintable(field)), pasted);
            seen = Edit(d, qPrintable(field))->text();
            const auto *label = d.findChild<QLabel *>(field + "Note");
            noted = label && label->isVisible() ? label->text() : QString();
        });
        QCOMPARE(seen, shown);
        QCOMPARE(noted, note);
    }

    void closingWritesNothing_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("message"); // empty: the dialog closes at once

        const QString range = QStringLiteral("Enter an integer between 0 and 65535.");
        QTest::newRow("OK, one too many") << "65536" << "ok" << range;
        QTest::newRow("Cancel, one too many") << "65536" << "cancel" << range;
        QTest::newRow("Cancel") << "80" << "cancel" << "";
        QTest::newRow("Escape skips the check") << "65536" << "escape" << "";
    }

    void closingWritesNothing()
    {
        QFETCH(QString, port);
        QFETCH(QString, how);
        QFETCH(QString, message);

        Harness h;
        const OperatorEntry before = h.entry;
        bool stayedOpen = false;
        bool portSelected = false;
        const int result = h.run([&](QDialog &d) {
            QLineEdit *portEdit = Edit(d, "mmsPortEdit");
            portEdit->setText(port);
            QTest::keyClicks(Edit(d, "urlEdit"), QStringLiteral("http://changed/"));
            if (how == "ok" || how == "cancel")
                d.findChild<QPushButton *>(how + "Button")->click();
            else
                QTest::keyClick(Edit(d, "urlEdit"), Qt::Key_Escape);
            stayedOpen = d.isVisible();
            portSelected = d.focusWidget() == portEdit && portEdit->selectedText() == port;
            if (stayedOpen)
                QTest::keyClick(portEdit, Qt::Key_Escape);
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(h.entry == before);
        QCOMPARE(stayedOpen, !message.isEmpty());
        QCOMPARE(h.prompter.messages().size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QVERIFY(portSelected);
            QCOMPARE(h.prompter.lastMessage().text, message);
        }
    }

    void labelsNameTheControls_data()
    {
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");

        QTest::newRow("URL") << "urlEdit" << "URL" << "URL";
        QTest::newRow("Gateway") << "gatewayEdit" << "Gateway" << "Gateway";
        QTest::newRow("Gateway octet") << "octet3" << "Gateway octet 3" << "Gateway, Teil 3";
        QTest::newRow("Port") << "mmsPortEdit" << "Port" << "Port";
        QTest::newRow("MMS APN") << "mmsApnEdit" << "MMS APN" << "MMS-APN";
        QTest::newRow("MMS Account") << "mmsAccountEdit" << "MMS Account" << "MMS-Benutzername";
        QTest::newRow("GPRS Password") << "gprsPasswordEdit" << "GPRS Password" << "GPRS-Passwort";
    }

    void labelsNameTheControls()
    {
        QFETCH(QString, objectName);
        QFETCH(QString, english);
        QFETCH(QString, german);

        for (const QString &language : {QStringLiteral("en"), QStringLiteral("de")}) {
            QTranslator translator;
            if (language == "de") {
                QVERIFY(translator.load(QStringLiteral(":/i18n/talmeris_de.qm")));
                QCoreApplication::installTranslator(&translator);
            }
            Harness h;
            QString spoken;
            h.run([&](QDialog &d) {
                if (auto *control = d.findChild<QWidget *>(objectName))
                    spoken = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
            });
            QCoreApplication::removeTranslator(&translator);
            QCOMPARE(spoken, language == "de" ? german : english);
        }
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
        field.octetEdit(0)->setFocus();
        for (QChar c : typed)
            QTest::keyClicks(field.focusWidget(), QString(c));
        QCOMPARE(DottedQuadText(field.octets()), address);
    }
};

QTEST_MAIN(TestOperatorDialog)
#include "tst_operator_dialog.moc"

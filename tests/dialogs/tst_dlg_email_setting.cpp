#include "dialogs/dlg_email_setting.h"
#include "profile/record_text.h"
#include "support/fake_prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

constexpr int kGmail = 1;
constexpr int kHotmail = 3;
constexpr int kYahoo = 4;
constexpr int kRevierwelt = 7;
constexpr int kOther = 10;

ProfileRecord defaultRecord()
{
    ProfileRecord record{};
    SetProfileDefaults(record, 2);
    return record;
}

QLineEdit *edit(QDialog &dialog, const char *name)
{
    return dialog.findChild<QLineEdit *>(name);
}

QComboBox *combo(QDialog &dialog, const char *name)
{
    return dialog.findChild<QComboBox *>(name);
}

QCheckBox *showPassword(QDialog &dialog)
{
    return dialog.findChild<QCheckBox *>("showPasswordCheck");
}

void press(QDialog &dialog, const char *button)
{
    dialog.findChild<QPushButton *>(button)->click();
}

} // namespace

class TestDlgEmailSetting : public QObject
{
    Q_OBJECT

private slots:
    void openingOnTheDefaultRecord()
    {
        ProfileRecord record = defaultRecord();
        EmailPresets presets = EmailPresets::BuiltIn();
        StoreRecordText(presets.entries[0].email, QStringLiteral("cam@example.org"));
        FakePrompter prompter;
        DlgEmailSetting dialog(record, presets, prompter);
        prompter.modalActions.enqueue([](QDialog &d) {
            [&] { QCOMPARE(combo(d, "selectEmailCombo")->currentText(), QStringLiteral("Default")); }();
            [&] { QCOMPARE(combo(d, "selectEmailCombo")->count(), 11); }();
            for (const char *name : {"emailEdit", "accountEdit", "passwordEdit", "smtpServerEdit", "smtpPortEdit"}) {
                [&] { QCOMPARE(edit(d, name)->echoMode(), QLineEdit::NoEcho); }();
                [&] { QVERIFY(!edit(d, name)->isEnabled()); }();
            }
            [&] { QCOMPARE(combo(d, "secureTypeCombo")->currentIndex(), -1); }();
            [&] { QVERIFY(!combo(d, "secureTypeCombo")->isEnabled()); }();
            [&] { QVERIFY(!showPassword(d)->isChecked() && !showPassword(d)->isEnabled()); }();
            press(d, "okButton");
            return d.result();
        });
        QCOMPARE(dialog.run(), int(QDialog::Accepted));
        QVERIFY(prompter.messages().isEmpty());
        QCOMPARE(int(record.select_email), 0);
        QVERIFY(record.sender_email == presets.entries[0]);
    }

    void gmailWithTypedAccount()
    {
        ProfileRecord record = defaultRecord();
        EmailPresets presets = EmailPresets::BuiltIn();
        FakePrompter prompter;
        DlgEmailSetting dialog(record, presets, prompter);
        prompter.modalActions.enqueue([](QDialog &d) {
            combo(d, "selectEmailCombo")->setCurrentIndex(kGmail);
            QTest::keyClicks(edit(d, "emailEdit"), QStringLiteral("me@"));
            [&] { QCOMPARE(edit(d, "accountEdit")->text(), QStringLiteral("me@")); }();
            QTest::keyClicks(edit(d, "emailEdit"), QStringLiteral("example.org"));
            [&] { QCOMPARE(edit(d, "accountEdit")->text(), QStringLiteral("me@example.org")); }();
            QTest::keyClicks(edit(d, "accountEdit"), QStringLiteral("x"));
            [&] { QCOMPARE(edit(d, "emailEdit")->text(), QStringLiteral("me@example.org")); }();
            QTest::keyClicks(edit(d, "passwordEdit"), QStringLiteral("pw"));

            [&] { QCOMPARE(edit(d, "smtpServerEdit")->text(), QStringLiteral("smtp.gmail.com")); }();
            [&] { QCOMPARE(edit(d, "smtpPortEdit")->text(), QStringLiteral("465")); }();
            [&] { QCOMPARE(combo(d, "secureTypeCombo")->currentText(), QStringLiteral("SSL/TLS")); }();
            [&] { QVERIFY(!edit(d, "smtpServerEdit")->isEnabled() && !edit(d, "smtpPortEdit")->isEnabled()); }();
            [&] { QVERIFY(!combo(d, "secureTypeCombo")->isEnabled()); }();
            [&] { QCOMPARE(edit(d, "passwordEdit")->echoMode(), QLineEdit::Password); }();
            press(d, "okButton");
            return d.result();
        });
        QCOMPARE(dialog.run(), int(QDialog::Accepted));
        QVERIFY(prompter.messages().isEmpty());
        const EmailEntry &stored = record.sender_email;
        QCOMPARE(int(record.select_email), kGmail);
        QCOMPARE(LoadRecordText(stored.smtp_server), QStringLiteral("smtp.gmail.com"));
        QCOMPARE(LoadRecordText(stored.smtp_port), QStringLiteral("465"));
        QCOMPARE(int(stored.secure_type), 0x41);
        QCOMPARE(LoadRecordText(stored.email), QStringLiteral("me@example.org"));
        QCOMPARE(LoadRecordText(stored.account), QStringLiteral("me@example.orgx"));
        QCOMPARE(LoadRecordText(stored.password), QStringLiteral("pw"));
        QCOMPARE(LoadRecordText(stored.email_local_part), QStringLiteral("me"));
    }

    void typingLimits_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");

        QTest::newRow("48th address character") << "emailEdit" << QString(48, u'a') << QString(47, u'a');
        QTest::newRow("24th password character") << "passwordEdit" << QString(24, u'p') << QString(23, u'p');
        QTest::newRow("port refuses letters") << "smtpPortEdit" << "587x" << "587";
        QTest::newRow("6th port digit") << "smtpPortEdit" << "123456" << "12345";
    }

    void typingLimits()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);

        ProfileRecord record = defaultRecord();
        EmailPresets presets = EmailPresets::BuiltIn();
        FakePrompter prompter;
        DlgEmailSetting dialog(record, presets, prompter);
        prompter.modalActions.enqueue([&](QDialog &d) {
            combo(d, "selectEmailCombo")->setCurrentIndex(kOther);
            QTest::keyClicks(edit(d, field.toLatin1().constData()), typed);
            [&] { QCOMPARE(edit(d, field.toLatin1().constData())->text(), shown); }();
            return int(QDialog::Rejected);
        });
        dialog.run();
    }

    void switchingBackShowsTheTypedAddress()
    {
        ProfileRecord record = defaultRecord();
        const ProfileRecord before = record;
        EmailPresets presets = EmailPresets::BuiltIn();
        FakePrompter prompter;
        DlgEmailSetting dialog(record, presets, prompter);
        const auto pick = [](QDialog &d, int position) { combo(d, "selectEmailCombo")->setCurrentIndex(position); };
        prompter.modalActions.enqueue([&](QDialog &d) {
            pick(d, kGmail);
            QTest::keyClicks(edit(d, "emailEdit"), QStringLiteral("me@example.org"));
            pick(d, kYahoo);
            [&] { QCOMPARE(edit(d, "emailEdit")->text(), QString()); }();
            pick(d, kGmail);
            [&] { QCOMPARE(edit(d, "emailEdit")->text(), QStringLiteral("me@example.org")); }();
            [&] { QCOMPARE(edit(d, "accountEdit")->text(), QStringLiteral("me@example.org")); }();
            press(d, "cancelButton");
            return d.result();
        });
        prompter.modalActions.enqueue([&](QDialog &d) {
            [&] { QCOMPARE(combo(d, "selectEmailCombo")->currentIndex(), 0); }();
            pick(d, kGmail);
            [&] { QCOMPARE(edit(d, "emailEdit")->text(), QStringLiteral("me@example.org")); }();
            return int(QDialog::Rejected);
        });
        QCOMPARE(dialog.run(), int(QDialog::Rejected));
        dialog.run();
        QVERIFY(record == before);
    }

    void revierweltNeverShowsItsPassword()
    {
        ProfileRecord record = defaultRecord();
        EmailPresets presets = EmailPresets::BuiltIn();
        StoreRecordText(presets.entries[kRevierwelt].password, QStringLiteral("secret"));
        FakePrompter prompter;
        DlgEmailSetting dialog(record, presets, prompter);
        const auto pick = [](QDialog &d, int position) { combo(d, "selectEmailCombo")->setCurrentIndex(position); };
        prompter.modalActions.enqueue([&](QDialog &d) {
            pick(d, kGmail);
            showPassword(d)->click();
            [&] { QCOMPARE(edit(d, "passwordEdit")->echoMode(), QLineEdit::Normal); }();
            pick(d, kRevierwelt);
            [&] { QCOMPARE(edit(d, "passwordEdit")->text(), QStringLiteral("secret")); }();
            [&] { QCOMPARE(edit(d, "passwordEdit")->echoMode(), QLineEdit::Password); }();
            [&] { QVERIFY(!showPassword(d)->isChecked() && !showPassword(d)->isEnabled()); }();
            pick(d, kHotmail);
            [&] { QCOMPARE(edit(d, "passwordEdit")->echoMode(), QLineEdit::Normal); }();
            [&] { QVERIFY(showPassword(d)->isChecked()); }();
            return int(QDialog::Rejected);
        });
        prompter.modalActions.enqueue([&](QDialog &d) {
            pick(d, kGmail); // the flag outlives the opening
            [&] { QVERIFY(showPassword(d)->isChecked()); }();
            return int(QDialog::Rejected);
        });
        dialog.run();
        dialog.run();
    }

    void failedCheckThenClosing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "cancel";
        QTest::newRow("Enter in a field") << "enter";
        QTest::newRow("Escape") << "escape";
    }

    void failedCheckThenClosing()
    {
        QFETCH(QString, how);

        ProfileRecord record = defaultRecord();
        const ProfileRecord before = record;
        EmailPresets presets = EmailPresets::BuiltIn();
        FakePrompter prompter;
        DlgEmailSetting dialog(record, presets, prompter);
        prompter.modalActions.enqueue([&](QDialog &d) {
            combo(d, "selectEmailCombo")->setCurrentIndex(kOther);
            QTest::keyClicks(edit(d, "emailEdit"), QStringLiteral("me@example.org"));
            press(d, "okButton");
            [&] { QVERIFY(d.isVisible()); }();
            [&] { QCOMPARE(d.focusWidget(), edit(d, "smtpServerEdit")); }();
            if (how == "cancel")
                press(d, "cancelButton");
            else
                QTest::keyClick(edit(d, "emailEdit"), how == "enter" ? Qt::Key_Return : Qt::Key_Escape);
            return d.isVisible() ? -1 : d.result();
        });
        QCOMPARE(dialog.run(), int(QDialog::Rejected));
        QCOMPARE(prompter.messages().size(), 1);
        QCOMPARE(prompter.lastMessage(),
                 (Message{"Sender Email Setting", "Server must not be null!", Message::Icon::None}));
        QVERIFY(record == before);
    }

    void otherWithStartTls()
    {
        ProfileRecord record = defaultRecord();
        EmailPresets presets = EmailPresets::BuiltIn();
        FakePrompter prompter;
        DlgEmailSetting dialog(record, presets, prompter);
        prompter.modalActions.enqueue([&](QDialog &d) {
            combo(d, "selectEmailCombo")->setCurrentIndex(kOther);
            QTest::keyClicks(edit(d, "emailEdit"), QStringLiteral("me@example.org"));
            QTest::keyClicks(edit(d, "passwordEdit"), QStringLiteral("pw"));
            QTest::keyClicks(edit(d, "smtpServerEdit"), QStringLiteral("mail.example.org"));
            QTest::keyClicks(edit(d, "smtpPortEdit"), QStringLiteral("587"));
            combo(d, "secureTypeCombo")->setCurrentIndex(2);
            press(d, "okButton");
            return d.result();
        });
        QCOMPARE(dialog.run(), int(QDialog::Accepted));
        QCOMPARE(int(record.select_email), kOther);
        QCOMPARE(LoadRecordText(record.sender_email.smtp_server), QStringLiteral("mail.example.org"));
        QCOMPARE(LoadRecordText(record.sender_email.smtp_port), QStringLiteral("587"));
        QCOMPARE(int(record.sender_email.secure_type), 0x42);
    }
};

QTEST_MAIN(TestDlgEmailSetting)
#include "tst_dlg_email_setting.moc"

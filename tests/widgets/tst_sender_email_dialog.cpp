#include "settings/profile_defaults.h"
#include "widgets/sender_email_dialog.h"
#include "profile/record_text.h"
#include "support/dialog_harness.h"
#include "support/typing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

constexpr int kGmail = 1;
constexpr int kHotmail = 3;
constexpr int kRevierwelt = 7;
constexpr int kOther = 10;

// One dialog object over a default record, opened as often as a test needs.
struct Harness {
    ProfileRecord record = [] {
        ProfileRecord r{};
        SetProfileDefaults(r, 2);
        return r;
    }();
    EmailPresets presets = EmailPresets::BuiltIn();
    FakePrompter prompter;
    SenderEmailDialog dialog{record, presets, prompter};

    int run(const std::function<void(QDialog &)> &action) { return RunDialog(prompter, dialog, action); }
};

void pick(QDialog &d, int position)
{
    d.findChild<QComboBox *>("selectEmailCombo")->setCurrentIndex(position);
}

struct PasswordView {
    QLineEdit::EchoMode echo = QLineEdit::Normal;
    bool showChecked = false;
    bool showEnabled = false;
    friend bool operator==(const PasswordView &, const PasswordView &) = default;
};

char *toString(const PasswordView &view)
{
    return QTest::toString(QStringLiteral("echo %1, show box %2 %3")
                               .arg(int(view.echo))
                               .arg(view.showChecked ? "checked" : "clear", view.showEnabled ? "enabled" : "disabled"));
}

PasswordView passwordView(QDialog &d)
{
    const auto *box = d.findChild<QCheckBox *>("showPasswordCheck");
    return {Edit(d, "passwordEdit")->echoMode(), box->isChecked(), box->isEnabled()};
}

const PasswordView kHidden{QLineEdit::NoEcho, false, false};
const PasswordView kShown{QLineEdit::Normal, true, true};
const PasswordView kMasked{QLineEdit::Password, false, false};

} // namespace

class TestSenderEmailDialog : public QObject
{
    Q_OBJECT

private slots:
    void openingOnTheDefaultRecord()
    {
        Harness h;
        StoreRecordText(h.presets.entries[0].email, QStringLiteral("cam@example.org"));
        QString provider;
        PasswordView password;
        QStringList shownFields;
        QStringList labelled; // the fields whose labels are enabled
        int secureType = 0;
        const int result = h.run([&](QDialog &d) {
            provider = d.findChild<QComboBox *>("selectEmailCombo")->currentText();
            password = passwordView(d);
            for (const char *name : {"emailEdit", "accountEdit", "smtpServerEdit", "smtpPortEdit"}) {
                if (Edit(d, name)->echoMode() != QLineEdit::NoEcho || Edit(d, name)->isEnabled())
                    shownFields << name;
            }
            secureType = d.findChild<QComboBox *>("secureTypeCombo")->currentIndex();
            for (const QLabel *label : d.findChildren<QLabel *>())
                if (label->buddy() && label->isEnabled())
                    labelled << label->buddy()->objectName();
            Press(d, "okButton");
        });
        QCOMPARE(result, int(QDialog::Accepted));
        // Every field blank and disabled, no Secure Type item.
        QCOMPARE(provider, QStringLiteral("Default"));
        QCOMPARE(password, kHidden);
        QCOMPARE(shownFields, QStringList());
        QCOMPARE(secureType, -1);
        // The account's labels stay enabled; the server's go with their fields.
        labelled.sort();
        QCOMPARE(labelled, (QStringList{"accountEdit", "emailEdit", "passwordEdit", "selectEmailCombo"}));
        QVERIFY(h.prompter.messages().isEmpty());
        QCOMPARE(int(h.record.select_email), 0);
        QVERIFY(h.record.sender_email == h.presets.entries[0]);
    }

    void gmailWithTypedAccount()
    {
        Harness h;
        QStringList accountFollowing;
        QString server;
        bool portEditable = true;
        bool stayedOpen = false;
        const int result = h.run([&](QDialog &d) {
            pick(d, kGmail);
            QTest::keyClicks(Edit(d, "emailEdit"), QStringLiteral("me@"));
            accountFollowing << Edit(d, "accountEdit")->text();
            QTest::keyClicks(Edit(d, "emailEdit"), QStringLiteral("x.org"));
            accountFollowing << Edit(d, "accountEdit")->text();
            QTest::keyClicks(Edit(d, "accountEdit"), QStringLiteral("2"));
            QTest::keyClicks(Edit(d, "passwordEdit"), QStringLiteral("pw"));
            server = Edit(d, "smtpServerEdit")->text();
            portEditable = Edit(d, "smtpPortEdit")->isEnabled();
            // Enter to confirm the typing must neither close nor forget it.
            QTest::keyClick(Edit(d, "passwordEdit"), Qt::Key_Return);
            QTest::keyClick(Edit(d, "emailEdit"), Qt::Key_Enter, Qt::KeypadModifier);
            stayedOpen = d.isVisible();
            Press(d, "okButton");
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(accountFollowing, (QStringList{"me@", "me@x.org"}));
        QCOMPARE(server, QStringLiteral("smtp.gmail.com"));
        QVERIFY(!portEditable);
        QVERIFY(stayedOpen);
        const EmailEntry &stored = h.record.sender_email;
        QCOMPARE(int(h.record.select_email), kGmail);
        QCOMPARE(LoadRecordText(stored.smtp_port), QStringLiteral("465"));
        QCOMPARE(int(stored.secure_type), 0x41);
        QCOMPARE(LoadRecordText(stored.email), QStringLiteral("me@x.org"));
        QCOMPARE(LoadRecordText(stored.account), QStringLiteral("me@x.org2"));
        QCOMPARE(LoadRecordText(stored.password), QStringLiteral("pw"));
    }

    void accountFollowsOnlyTheAddress_data()
    {
        QTest::addColumn<QStringList>("steps"); // "field:text", "<" a backspace
        QTest::addColumn<QString>("account");

        QTest::newRow("empty account follows") << QStringList{"email:me@x.org"} << "me@x.org";
        QTest::newRow("account typed first survives")
            << QStringList{"account:forestlogin", "email:me@x.org"} << "forestlogin";
        QTest::newRow("account as the address follows its edits")
            << QStringList{"email:me@x.org", "email:<", "email:g"} << "me@x.org";
        QTest::newRow("account changed on its own survives")
            << QStringList{"email:me@x.org", "account:2", "email:<"} << "me@x.org2";
        QTest::newRow("account emptied follows again")
            << QStringList{"email:me", "account:<<", "email:@x.org"} << "me@x.org";
    }

    void accountFollowsOnlyTheAddress()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, account);

        Harness h;
        QString shown;
        h.run([&](QDialog &d) {
            pick(d, kGmail);
            for (const QString &step : steps) {
                QLineEdit *field = Edit(d, step.startsWith("email") ? "emailEdit" : "accountEdit");
                const QString text = step.section(u':', 1);
                if (text.startsWith(u'<')) {
                    for (qsizetype i = 0; i < text.size(); ++i)
                        QTest::keyClick(field, Qt::Key_Backspace);
                } else {
                    QTest::keyClicks(field, text);
                }
            }
            shown = Edit(d, "accountEdit")->text();
        });
        QCOMPARE(shown, account);
    }

    void otherWithStartTls()
    {
        Harness h;
        const int result = h.run([&](QDialog &d) {
            pick(d, kOther);
            QTest::keyClicks(Edit(d, "emailEdit"), QStringLiteral("me@example.org"));
            QTest::keyClicks(Edit(d, "passwordEdit"), QStringLiteral("pw"));
            QTest::keyClicks(Edit(d, "smtpServerEdit"), QStringLiteral("mail.example.org"));
            QTest::keyClicks(Edit(d, "smtpPortEdit"), QStringLiteral("587"));
            d.findChild<QComboBox *>("secureTypeCombo")->setCurrentIndex(2);
            Press(d, "okButton");
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(LoadRecordText(h.record.sender_email.smtp_server), QStringLiteral("mail.example.org"));
        QCOMPARE(LoadRecordText(h.record.sender_email.smtp_port), QStringLiteral("587"));
        QCOMPARE(int(h.record.sender_email.secure_type), 0x42);
    }

    void whatIsLeftOutIsNoted_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("pasted"); // else typed key by key
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("note"); // its start

        const QString atMost = "At most %1 characters fit here";
        QTest::newRow("48th address character typed")
            << "emailEdit" << false << QString(48, u'a') << QString(47, u'a') << atMost.arg(47);
        QTest::newRow("a long account pasted")
            << "accountEdit" << true << QString(60, u'a') << QString(47, u'a') << atMost.arg(47);
        QTest::newRow("30-character password pasted")
            << "passwordEdit" << true << QString(30, u'p') << QString(23, u'p') << atMost.arg(23);
        QTest::newRow("a password character the card cannot hold")
            << "passwordEdit" << true << QStringLiteral("Wei\u00df\u4e2d\u00e9\u20ac1")
            << QStringLiteral("Wei\u00df\u00e9\u20ac1") << "Characters the camera cannot store were left out.";
        QTest::newRow("a server character the card cannot hold")
            << "smtpServerEdit" << true << QStringLiteral("mail\u4e2d.org") << "mail.org" << "Left out: \"\u4e2d\"";
        QTest::newRow("port refuses letters") << "smtpPortEdit" << false << "587x" << "587" << "Left out: \"x\"";
        QTest::newRow("6th port digit") << "smtpPortEdit" << false << "123456" << "12345" << atMost.arg(5);
        QTest::newRow("a password that fits") << "passwordEdit" << true << QString(23, u'p') << QString(23, u'p')
                                              << "";
    }

    void whatIsLeftOutIsNoted()
    {
        QFETCH(QString, field);
        QFETCH(bool, pasted);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(QString, note);

        Harness h;
        QString seen;
        QString noted;
        QString described;
        bool goneWithTheNextEdit = false;
        h.run([&](QDialog &d) {
            pick(d, kOther);
            QLineEdit *edit = Edit(d, qPrintable(field));
            if (pasted)
                pasteText(edit, text);
            else
                typeText(edit, text);
            seen = edit->text();
            const auto *label = d.findChild<QLabel *>(field + "Note");
            noted = label && label->isVisible() ? label->text() : QString();
            described = edit->accessibleDescription();
            QTest::keyClick(edit, Qt::Key_Backspace);
            goneWithTheNextEdit = !label || !label->isVisible();
        });
        QCOMPARE(seen, shown);
        QVERIFY2(note.isEmpty() ? noted.isEmpty() : noted.startsWith(note), qPrintable(noted));
        // A screen reader hears it with the field.
        QVERIFY2(note.isEmpty() || described.startsWith(noted), qPrintable(described));
        QVERIFY(goneWithTheNextEdit);
    }

    void revierweltNeverShowsItsPassword()
    {
        Harness h;
        StoreRecordText(h.presets.entries[kRevierwelt].password, QStringLiteral("secret"));
        QList<PasswordView> seen;
        QString revierweltPassword;
        h.run([&](QDialog &d) {
            pick(d, kGmail);
            d.findChild<QCheckBox *>("showPasswordCheck")->click();
            seen << passwordView(d);
            pick(d, kRevierwelt);
            seen << passwordView(d);
            revierweltPassword = Edit(d, "passwordEdit")->text();
            pick(d, kHotmail);
            seen << passwordView(d);
        });
        h.run([&](QDialog &d) {
            pick(d, kGmail); // the flag outlives the opening
            seen << passwordView(d);
        });
        QCOMPARE(seen, (QList<PasswordView>{kShown, kMasked, kShown, kShown}));
        QCOMPARE(revierweltPassword, QStringLiteral("secret"));
    }

    void failedCheckThenClosing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "cancel";
        QTest::newRow("Escape") << "escape";
    }

    void failedCheckThenClosing()
    {
        QFETCH(QString, how);

        Harness h;
        const ProfileRecord before = h.record;
        bool stayedOpen = false;
        bool serverFocused = false;
        const int result = h.run([&](QDialog &d) {
            pick(d, kOther);
            QTest::keyClicks(Edit(d, "emailEdit"), QStringLiteral("me@example.org"));
            Press(d, "okButton");
            stayedOpen = d.isVisible();
            serverFocused = d.focusWidget() == Edit(d, "smtpServerEdit");
            if (how == "cancel")
                Press(d, "cancelButton");
            else
                QTest::keyClick(Edit(d, "emailEdit"), Qt::Key_Escape);
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(stayedOpen && serverFocused);
        QCOMPARE(h.prompter.messages().size(), 1);
        QCOMPARE(h.prompter.lastMessage(), (Message{"Sender Email Setting", "Server must not be null!", Message::Icon::None}));
        QVERIFY(h.record == before);
    }
};

QTEST_MAIN(TestSenderEmailDialog)
#include "tst_sender_email_dialog.moc"

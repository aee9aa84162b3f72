#include "forms/profile_defaults.h"
#include "forms/sender_email_form.h"
#include "profile/record_text.h"

#include <QTest>

#include <algorithm>

using Echo = SenderEmailForm::Echo;
using State = SenderEmailForm::State;
using Texts = SenderEmailForm::Texts;

namespace {

constexpr int kGmail = 1;
constexpr int kYahoo = 4;
constexpr int kOther = EmailPresets::kOtherPosition;

ProfileRecord defaultRecord()
{
    ProfileRecord record{};
    SetProfileDefaults(record, 2);
    return record;
}

EmailEntry entryWith(const Texts &texts, std::uint8_t secureType)
{
    EmailEntry entry{};
    StoreRecordText(entry.smtp_server, texts.smtpServer);
    StoreRecordText(entry.smtp_port, texts.smtpPort);
    entry.secure_type = secureType;
    StoreRecordText(entry.account, texts.account);
    StoreRecordText(entry.password, texts.password);
    StoreRecordText(entry.email, texts.email);
    StoreRecordText(entry.email_local_part, texts.email.section(u'@', 0, 0).left(23));
    return entry;
}

} // namespace

class TestSenderEmailForm : public QObject
{
    Q_OBJECT

private slots:
    void opening_data()
    {
        QTest::addColumn<int>("selectEmail");
        QTest::addColumn<QString>("email");
        QTest::addColumn<int>("position");

        QTest::newRow("default record") << 0 << "" << 0;
        QTest::newRow("hotmail, 3 characters") << 3 << "a@b" << 0;
        QTest::newRow("hotmail, 4 characters") << 3 << "a@bc" << 3;
        QTest::newRow("no provider, long address") << 0 << "me@example.org" << 0;
        QTest::newRow("position beyond the list") << 11 << "me@example.org" << 0;
    }

    void opening()
    {
        QFETCH(int, selectEmail);
        QFETCH(QString, email);
        QFETCH(int, position);

        EmailPresets presets = EmailPresets::BuiltIn();
        ProfileRecord record = defaultRecord();
        const Texts stored{email, "login", "pw", "smtp.example.org", "587"};
        record.sender_email = entryWith(stored, SecureType::kStartTls);
        record.select_email = std::uint8_t(selectEmail);

        SenderEmailForm form(presets);
        form.load(record);
        QCOMPARE(form.position(), position);
        QVERIFY(form.texts == (position ? stored : Texts{"", "", "", "smtp.1und1.de", "25"}));
        QCOMPARE(form.secureTypeIndex, position ? 2 : -1);
    }

    void rules_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("flag");
        QTest::addColumn<State>("expected");

        // text echo, password echo, account fields, box enabled, box checked, server fields
        QTest::newRow("Default") << 0 << true << State{Echo::Blank, Echo::Blank, false, false, false, false};
        QTest::newRow("gmail masked") << kGmail << false << State{Echo::Normal, Echo::Password, true, true, false, false};
        QTest::newRow("gmail shown") << kGmail << true << State{Echo::Normal, Echo::Normal, true, true, true, false};
        QTest::newRow("Revierwelt never shown") << 7 << true << State{Echo::Normal, Echo::Password, true, false, false, false};
        QTest::newRow("Other") << kOther << false << State{Echo::Normal, Echo::Password, true, true, false, true};
    }

    void rules()
    {
        QFETCH(int, position);
        QFETCH(bool, flag);
        QFETCH(State, expected);

        EmailPresets presets = EmailPresets::BuiltIn();
        SenderEmailForm form(presets);
        form.load(defaultRecord());
        form.setShowPassword(flag);
        form.switchProvider(position);
        QVERIFY(form.state() == expected);
    }

    void checks_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<Texts>("texts");
        QTest::addColumn<QString>("message"); // empty: stored

        const QString missing = QStringLiteral("Account or Email must not be null!");
        const QString range = QStringLiteral("Port number must in 0-65535");
        QTest::newRow("Other, nothing typed") << kOther << Texts{} << "Server must not be null!";
        QTest::newRow("Other, no port") << kOther << Texts{"a@b", "a", "p", "s", ""} << "Port must not be null!";
        QTest::newRow("Other, port too large") << kOther << Texts{"", "", "", "s", "65536"} << range;
        QTest::newRow("Other, port not a number") << kOther << Texts{"a@b", "a", "p", "s", "abc"} << range;
        QTest::newRow("Other, no address") << kOther << Texts{"", "a", "p", "s", "25"} << missing;
        QTest::newRow("gmail, only password missing") << kGmail << Texts{"a@b", "a", "", "", ""} << missing;
        QTest::newRow("gmail, no account") << kGmail << Texts{"a@b", "", "p", "", ""} << missing;
        QTest::newRow("gmail, no @") << kGmail << Texts{"a.b", "a", "p", "", ""} << "Email is invalid!";
        QTest::newRow("gmail, @ alone") << kGmail << Texts{"@", "a", "p", "", ""} << "";
        QTest::newRow("gmail, two @") << kGmail << Texts{"a@b@c", "a", "p", "", ""} << "";
        QTest::newRow("Default") << 0 << Texts{} << "";
    }

    void checks()
    {
        QFETCH(int, position);
        QFETCH(Texts, texts);
        QFETCH(QString, message);

        EmailPresets presets = EmailPresets::BuiltIn();
        ProfileRecord record = defaultRecord();
        SenderEmailForm form(presets);
        form.load(record);
        form.switchProvider(position);
        form.texts = texts;
        const ProfileRecord before = record;

        const std::optional<SenderEmailForm::Failure> failure = form.store(record);
        if (message.isEmpty()) {
            QVERIFY(!failure);
            QCOMPARE(int(record.select_email), position);
            return;
        }
        QVERIFY(failure);
        QCOMPARE(failure->message, (Message{"Sender Email Setting", message, Message::Icon::None}));
        QVERIFY(record == before);
    }

    void store_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("secureIndex");
        QTest::addColumn<Texts>("typed");
        QTest::addColumn<Texts>("stored");
        QTest::addColumn<int>("secureType");

        const Texts gmail{"me@example.org", "login", "pw", "", ""};
        QTest::newRow("gmail takes its preset") << kGmail << 0 << gmail
                                                << Texts{"me@example.org", "login", "pw", "smtp.gmail.com", "465"} << 0x41;
        const Texts other{"me@x.org", "me", "pw", "mail.x.org", "587"};
        QTest::newRow("Other, STARTTLS") << kOther << 2 << other << other << 0x42;
        const QString local(30, u'l');
        const Texts longLocal{local + "@x.org", "me", "pw", "mail.x.org", "0587"};
        QTest::newRow("Other, leading zero, long local part")
            << kOther << 0 << longLocal << Texts{local + "@x.org", "me", "pw", "mail.x.org", "587"} << 0x40;
    }

    void store()
    {
        QFETCH(int, position);
        QFETCH(int, secureIndex);
        QFETCH(Texts, typed);
        QFETCH(Texts, stored);
        QFETCH(int, secureType);

        EmailPresets presets = EmailPresets::BuiltIn();
        ProfileRecord record = defaultRecord();
        record.reserved_110 = 0x5A;
        SenderEmailForm form(presets);
        form.load(record);
        form.switchProvider(position);
        form.texts = typed;
        form.secureTypeIndex = secureIndex;
        QVERIFY(!form.store(record));
        QVERIFY(record.sender_email == entryWith(stored, std::uint8_t(secureType)));
        QCOMPARE(int(record.select_email), position);
        QCOMPARE(int(record.reserved_110), 0x5A);
    }

    void switchingBackRestoresTheTypedTexts()
    {
        EmailPresets presets = EmailPresets::BuiltIn();
        SenderEmailForm form(presets);
        form.load(defaultRecord());
        form.switchProvider(kGmail);
        form.texts.email = QStringLiteral("longer.name@example.org");
        form.switchProvider(kYahoo);
        form.switchProvider(kGmail);
        form.texts = {"me@x", "me", "pw", "", ""};
        form.switchProvider(kOther);
        form.texts = {"o@x", "o", "p", "mail.x.org", "2525"};
        form.secureTypeIndex = 2;
        form.switchProvider(kYahoo);
        QVERIFY(form.texts == (Texts{"", "", "", "smtp.mail.yahoo.com", "465"}));

        form.load(defaultRecord()); // presets outlive an opening
        form.switchProvider(kGmail);
        QVERIFY(form.texts == (Texts{"me@x", "me", "pw", "smtp.gmail.com", "465"}));
        form.switchProvider(kOther);
        QVERIFY(form.texts == (Texts{"o@x", "o", "p", "mail.x.org", "2525"}));
        QCOMPARE(form.secureTypeIndex, 2);

        // A shorter address leaves no tail of the longer one in the preset.
        const EmailEntry &gmail = presets.entries[kGmail];
        QVERIFY(std::all_of(gmail.email + 4, std::end(gmail.email), [](char c) { return c == 0; }));
        QCOMPARE(LoadRecordText(gmail.email_local_part), QStringLiteral("me"));
    }
};

QTEST_GUILESS_MAIN(TestSenderEmailForm)
#include "tst_sender_email_form.moc"

#include "dialogs/email_setting_form.h"
#include "profile/record_text.h"
#include "support/hex_bytes.h"

#include <QTest>

#include <algorithm>

using Echo = EmailSettingForm::Echo;
using State = EmailSettingForm::State;
using Texts = EmailSettingForm::Texts;

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
    StoreSenderAddress(entry, texts.email);
    return entry;
}

} // namespace

class TestEmailSettingForm : public QObject
{
    Q_OBJECT

private slots:
    void opening_data()
    {
        QTest::addColumn<int>("selectEmail");
        QTest::addColumn<QString>("email");
        QTest::addColumn<int>("position");

        QTest::newRow("default record") << 0 << "" << 0;
        QTest::newRow("gmail, short address") << 3 << "a@b" << 0;
        QTest::newRow("hotmail, 4 characters") << 3 << "a@bc" << 3;
        QTest::newRow("Other") << 10 << "me@example.org" << 10;
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

        EmailSettingForm form(presets);
        form.open(record);
        QCOMPARE(form.position(), position);
        if (position == 0) {
            QVERIFY(form.texts == (Texts{"", "", "", "smtp.1und1.de", "25"}));
            QCOMPARE(form.secureTypeIndex, -1);
        } else {
            QVERIFY(form.texts == stored);
            QCOMPARE(form.secureTypeIndex, 2);
        }
    }

    void rules_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("flag");
        QTest::addColumn<State>("expected");

        // textEcho, passwordEcho, accountEnabled, showPasswordEnabled, showPasswordChecked, serverEnabled
        QTest::newRow("Default") << 0 << true << State{Echo::Blank, Echo::Blank, false, false, false, false};
        QTest::newRow("gmail masked") << kGmail << false << State{Echo::Normal, Echo::Password, true, true, false, false};
        QTest::newRow("gmail shown") << kGmail << true << State{Echo::Normal, Echo::Normal, true, true, true, false};
        QTest::newRow("Revierwelt never shown") << 7 << true << State{Echo::Normal, Echo::Password, true, false, false, false};
        QTest::newRow("hotmail after Revierwelt") << 3 << true << State{Echo::Normal, Echo::Normal, true, true, true, false};
        QTest::newRow("Other") << kOther << false << State{Echo::Normal, Echo::Password, true, true, false, true};
    }

    void rules()
    {
        QFETCH(int, position);
        QFETCH(bool, flag);
        QFETCH(State, expected);

        EmailPresets presets = EmailPresets::BuiltIn();
        EmailSettingForm form(presets);
        form.open(defaultRecord());
        form.setShowPassword(flag);
        form.switchProvider(7);
        form.switchProvider(position);
        QVERIFY(form.state() == expected);
        QCOMPARE(form.showPassword(), flag);
    }

    void checks_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<Texts>("texts");
        QTest::addColumn<QString>("message"); // empty: stored

        const Texts good{"me@example.org", "me", "pw", "smtp.example.org", "587"};
        const auto with = [&](auto member, const char *value) {
            Texts texts = good;
            texts.*member = QString::fromLatin1(value);
            return texts;
        };
        const QString missing = QStringLiteral("Account or Email must not be null!");
        QTest::newRow("Other, nothing typed") << kOther << Texts{} << "Server must not be null!";
        QTest::newRow("Other, no port") << kOther << with(&Texts::smtpPort, "") << "Port must not be null!";
        QTest::newRow("Other, port too large") << kOther << Texts{"", "", "", "s", "65536"} << "Port number must in 0-65535";
        QTest::newRow("Other, port not a number") << kOther << with(&Texts::smtpPort, "abc") << "Port number must in 0-65535";
        QTest::newRow("Other, no address") << kOther << with(&Texts::email, "") << missing;
        QTest::newRow("gmail, no account") << kGmail << with(&Texts::account, "") << missing;
        QTest::newRow("gmail, only password missing") << kGmail << with(&Texts::password, "") << missing;
        QTest::newRow("gmail, no @") << kGmail << with(&Texts::email, "me.example.org") << "Email is invalid!";
        QTest::newRow("gmail, @ alone") << kGmail << with(&Texts::email, "@") << "";
        QTest::newRow("gmail, two @") << kGmail << with(&Texts::email, "a@b@c") << "";
        QTest::newRow("gmail, no server needed") << kGmail << Texts{"me@x", "me", "pw", "", ""} << "";
        QTest::newRow("Default, nothing typed") << 0 << Texts{} << "";
    }

    void checks()
    {
        QFETCH(int, position);
        QFETCH(Texts, texts);
        QFETCH(QString, message);

        EmailPresets presets = EmailPresets::BuiltIn();
        ProfileRecord record = defaultRecord();
        EmailSettingForm form(presets);
        form.open(record);
        form.switchProvider(position);
        if (position != 0)
            form.texts = texts;
        const ProfileRecord before = record;

        const std::optional<EmailSettingForm::Failure> failure = form.store(record);
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
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("secureType");

        const Texts gmail{"me@example.org", "login", "pw", "", ""};
        QTest::newRow("gmail takes its preset") << kGmail << 0 << gmail << "smtp.gmail.com" << "465" << 0x41;
        const Texts other{"me@example.org", "me@example.org", "pw", "mail.example.org", "587"};
        QTest::newRow("Other, STARTTLS") << kOther << 2 << other << "mail.example.org" << "587" << 0x42;
        Texts zeroPort = other;
        zeroPort.smtpPort = QStringLiteral("0587");
        QTest::newRow("Other, leading zero") << kOther << 0 << zeroPort << "mail.example.org" << "587" << 0x40;
    }

    void store()
    {
        QFETCH(int, position);
        QFETCH(int, secureIndex);
        QFETCH(Texts, typed);
        QFETCH(QString, server);
        QFETCH(QString, port);
        QFETCH(int, secureType);

        EmailPresets presets = EmailPresets::BuiltIn();
        ProfileRecord record = defaultRecord();
        record.reserved_110 = 0x5A;
        fillBytes(record.sender_email, 0x77);
        EmailSettingForm form(presets);
        form.open(record);
        form.switchProvider(position);
        form.texts = typed;
        form.secureTypeIndex = secureIndex;
        QVERIFY(!form.store(record));

        const EmailEntry expected = entryWith({typed.email, typed.account, typed.password, server, port},
                                              std::uint8_t(secureType));
        QVERIFY(record.sender_email == expected);
        QCOMPARE(int(record.select_email), position);
        QCOMPARE(int(record.reserved_110), 0x5A);
    }

    void storeDefaultTakesThePresetWhole()
    {
        EmailPresets presets = EmailPresets::BuiltIn();
        StoreRecordText(presets.entries[0].email, QStringLiteral("cam@example.org"));
        StoreRecordText(presets.entries[0].email_local_part, QStringLiteral("cam"));
        ProfileRecord record = defaultRecord();
        fillBytes(record.sender_email, 0x77);
        EmailSettingForm form(presets);
        form.open(record);
        QVERIFY(!form.store(record));
        QVERIFY(record.sender_email == presets.entries[0]);
        QCOMPARE(int(record.select_email), 0);
    }

    void localPartIsCut()
    {
        EmailPresets presets = EmailPresets::BuiltIn();
        ProfileRecord record = defaultRecord();
        EmailSettingForm form(presets);
        form.open(record);
        form.switchProvider(kGmail);
        const QString local(30, u'x');
        form.texts = {local + "@example.org", "me", "pw", "", ""};
        QVERIFY(!form.store(record));
        QCOMPARE(LoadRecordText(record.sender_email.email_local_part), local.left(23));
        QCOMPARE(LoadRecordText(record.sender_email.email), form.texts.email);
    }

    void switchingBackRestoresTheTypedTexts()
    {
        EmailPresets presets = EmailPresets::BuiltIn();
        EmailSettingForm form(presets);
        form.open(defaultRecord());
        form.switchProvider(kGmail);
        form.texts.email = QStringLiteral("me@gmail.example");
        form.texts.account = QStringLiteral("me");
        form.texts.password = QStringLiteral("pw");
        form.switchProvider(kOther);
        form.texts = {"o@x", "o", "p", "mail.example.org", "2525"};
        form.secureTypeIndex = 2;
        form.switchProvider(kYahoo);
        QVERIFY(form.texts == (Texts{"", "", "", "smtp.mail.yahoo.com", "465"}));

        form.switchProvider(kGmail);
        QVERIFY(form.texts == (Texts{"me@gmail.example", "me", "pw", "smtp.gmail.com", "465"}));
        QCOMPARE(LoadRecordText(presets.entries[kGmail].email_local_part), QStringLiteral("me"));
        form.switchProvider(kOther);
        QVERIFY(form.texts == (Texts{"o@x", "o", "p", "mail.example.org", "2525"}));
        QCOMPARE(form.secureTypeIndex, 2);

        // A new opening of the same dialog keeps the presets.
        form.open(defaultRecord());
        form.switchProvider(kGmail);
        QCOMPARE(form.texts.email, QStringLiteral("me@gmail.example"));
    }

    void shortTextLeavesNoTailInThePreset()
    {
        EmailPresets presets = EmailPresets::BuiltIn();
        EmailSettingForm form(presets);
        form.open(defaultRecord());
        form.switchProvider(kGmail);
        form.texts.email = QStringLiteral("longer.name@example.org");
        form.switchProvider(kYahoo);
        form.switchProvider(kGmail);
        form.texts.email = QStringLiteral("a@b");
        form.switchProvider(kYahoo);
        const EmailEntry &gmail = presets.entries[kGmail];
        QVERIFY(std::all_of(gmail.email + 3, std::end(gmail.email), [](char c) { return c == 0; }));
    }
};

QTEST_GUILESS_MAIN(TestEmailSettingForm)
#include "tst_email_setting_form.moc"

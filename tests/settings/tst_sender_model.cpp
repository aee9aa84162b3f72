#include "settings/profile_defaults.h"
#include "settings/sender_model.h"
#include "profile/record_text.h"

#include <QTest>

#include <algorithm>

namespace {

constexpr int kGmail = 1;
constexpr int kYahoo = 4;
constexpr int kOther = EmailPresets::kOtherPosition;

const QString kProvider = QStringLiteral("select_email");
const QString kShowPassword = QStringLiteral("sender_email.show_password");
const QString kSecureType = QStringLiteral("sender_email.secure_type");
// The texts in the order of Texts.
const QStringList kTextKeys{"sender_email.email", "sender_email.account", "sender_email.password",
                            "sender_email.smtp_server", "sender_email.smtp_port"};

struct Texts {
    QString email;
    QString account;
    QString password;
    QString smtpServer;
    QString smtpPort;

    QStringList list() const { return {email, account, password, smtpServer, smtpPort}; }
    friend bool operator==(const Texts &, const Texts &) = default;
};

// What the rules make of the controls.
struct State {
    Echo textEcho; // Email, Account, SMTP Server, SMTP Port
    Echo passwordEcho;
    bool accountEnabled; // Email, Account, Password
    bool showPasswordEnabled;
    bool showPasswordChecked;
    bool serverEnabled; // SMTP Server, Secure Type, SMTP Port

    friend bool operator==(const State &, const State &) = default;
};

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

// What the user does at the key's control: the value is set, its rule runs.
void choose(SenderModel &form, const QString &key, const QVariant &value)
{
    QVERIFY(!form.set(key, value));
    QVERIFY(!form.changed(key));
}

// The texts as typed, no rule run.
void type(SenderModel &form, const Texts &texts)
{
    for (qsizetype i = 0; i < kTextKeys.size(); ++i)
        QVERIFY(!form.set(kTextKeys[i], texts.list()[i]));
}

Texts textsOf(const SenderModel &form)
{
    QStringList shown;
    for (const QString &key : kTextKeys)
        shown.append(form.value(key).toString());
    return {shown[0], shown[1], shown[2], shown[3], shown[4]};
}

// The state of each group's first control; none when the others disagree with it.
State stateOf(const SenderModel &form)
{
    const auto echo = [&](int text) { return form.state(kTextKeys[text]).echo.value_or(Echo::Normal); };
    const auto enabled = [&](const QString &key) { return form.state(key).enabled; };
    const bool agree = echo(1) == echo(0) && echo(3) == echo(0) && echo(4) == echo(0) &&
                       enabled(kTextKeys[1]) == enabled(kTextKeys[0]) && enabled(kTextKeys[2]) == enabled(kTextKeys[0]) &&
                       enabled(kSecureType) == enabled(kTextKeys[3]) && enabled(kTextKeys[4]) == enabled(kTextKeys[3]);
    if (!agree)
        return {};
    return {echo(0), echo(2), enabled(kTextKeys[0]), enabled(kShowPassword), form.value(kShowPassword).toInt() == 1,
            enabled(kTextKeys[3])};
}

} // namespace

class TestSenderModel : public QObject
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

        SenderModel form(record, presets);
        form.load();
        QCOMPARE(form.value(kProvider).toInt(), position);
        QVERIFY(textsOf(form) == (position ? stored : Texts{"", "", "", "smtp.1und1.de", "25"}));
        QCOMPARE(form.value(kSecureType).toInt(), position ? 2 : -1);
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
        ProfileRecord record = defaultRecord();
        SenderModel form(record, presets);
        form.load();
        choose(form, kProvider, kGmail);
        choose(form, kShowPassword, int(flag));
        choose(form, kProvider, position);
        QVERIFY(stateOf(form) == expected);
        // Only the user's toggle changes the flag, not a box read as the rules showed it.
        QVERIFY(!form.set(kShowPassword, 0));
        choose(form, kProvider, kGmail);
        QCOMPARE(form.value(kShowPassword).toInt(), int(flag));
    }

    void checks_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<Texts>("texts");
        QTest::addColumn<QString>("message"); // empty: stored
        QTest::addColumn<QString>("key");     // the setting at fault

        const QString missing = QStringLiteral("Account or Email must not be null!");
        const QString range = QStringLiteral("Port number must in 0-65535");
        const QString port = QStringLiteral("sender_email.smtp_port");
        QTest::newRow("Other, nothing typed")
            << kOther << Texts{} << "Server must not be null!" << "sender_email.smtp_server";
        QTest::newRow("Other, no port") << kOther << Texts{"a@b", "a", "p", "s", ""} << "Port must not be null!" << port;
        QTest::newRow("Other, port too large") << kOther << Texts{"", "", "", "s", "65536"} << range << port;
        QTest::newRow("Other, port not a number") << kOther << Texts{"a@b", "a", "p", "s", "abc"} << range << port;
        QTest::newRow("Other, no address") << kOther << Texts{"", "a", "p", "s", "25"} << missing << "sender_email.email";
        QTest::newRow("gmail, only password missing")
            << kGmail << Texts{"a@b", "a", "", "", ""} << missing << "sender_email.password";
        QTest::newRow("gmail, no account") << kGmail << Texts{"a@b", "", "p", "", ""} << missing << "sender_email.account";
        QTest::newRow("gmail, no @") << kGmail << Texts{"a.b", "a", "p", "", ""} << "Email is invalid!"
                                     << "sender_email.email";
        QTest::newRow("gmail, @ alone") << kGmail << Texts{"@", "a", "p", "", ""} << "" << "";
        QTest::newRow("gmail, two @") << kGmail << Texts{"a@b@c", "a", "p", "", ""} << "" << "";
        QTest::newRow("Default") << 0 << Texts{} << "" << "";
    }

    void checks()
    {
        QFETCH(int, position);
        QFETCH(Texts, texts);
        QFETCH(QString, message);
        QFETCH(QString, key);

        EmailPresets presets = EmailPresets::BuiltIn();
        ProfileRecord record = defaultRecord();
        SenderModel form(record, presets);
        form.load();
        choose(form, kProvider, position);
        type(form, texts);
        const ProfileRecord before = record;

        const std::optional<SettingFault> fault = form.store();
        if (message.isEmpty()) {
            QVERIFY(!fault);
            QCOMPARE(int(record.select_email), position);
            return;
        }
        QVERIFY(fault);
        QCOMPARE(fault->message, (Message{"Sender Email Setting", message, Message::Icon::None}));
        QCOMPARE(fault->key, key);
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
        SenderModel form(record, presets);
        form.load();
        choose(form, kProvider, position);
        type(form, typed);
        form.set(kSecureType, secureIndex);
        QVERIFY(!form.store());
        QVERIFY(record.sender_email == entryWith(stored, std::uint8_t(secureType)));
        QCOMPARE(int(record.select_email), position);
        QCOMPARE(int(record.reserved_110), 0x5A);
    }

    void switchingBackRestoresTheTypedTexts()
    {
        EmailPresets presets = EmailPresets::BuiltIn();
        ProfileRecord record = defaultRecord();
        SenderModel form(record, presets);
        form.load();
        choose(form, kProvider, kGmail);
        choose(form, kTextKeys[0], QStringLiteral("longer.name@example.org"));
        choose(form, kProvider, kYahoo);
        choose(form, kProvider, kGmail);
        type(form, {"me@x", "me", "pw", "", ""});
        choose(form, kProvider, kOther);
        type(form, {"o@x", "o", "p", "mail.x.org", "2525"});
        form.set(kSecureType, 2);
        choose(form, kProvider, kYahoo);
        QVERIFY(textsOf(form) == (Texts{"", "", "", "smtp.mail.yahoo.com", "465"}));

        form.load(); // presets outlive an opening
        choose(form, kProvider, kGmail);
        QVERIFY(textsOf(form) == (Texts{"me@x", "me", "pw", "smtp.gmail.com", "465"}));
        choose(form, kProvider, kOther);
        QVERIFY(textsOf(form) == (Texts{"o@x", "o", "p", "mail.x.org", "2525"}));
        QCOMPARE(form.value(kSecureType).toInt(), 2);

        // A shorter address leaves no tail of the longer one in the preset.
        const EmailEntry &gmail = presets.entries[kGmail];
        QVERIFY(std::all_of(gmail.email + 4, std::end(gmail.email), [](char c) { return c == 0; }));
        QCOMPARE(LoadRecordText(gmail.email_local_part), QStringLiteral("me"));
    }
};

QTEST_GUILESS_MAIN(TestSenderModel)
#include "tst_sender_model.moc"

#include "settings/profile_defaults.h"
#include "presets/operator_catalogue.h"
#include "profile/settings_copies.h"
#include "profile/record_text.h"
#include "support/hex_bytes.h"
#include "support/temp_env.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Bytes put at a record offset; offsets from 976 on fall into the custom entries.
struct Patch {
    int offset;
    QByteArray bytes;
};
using Patches = QList<Patch>;

struct Settings {
    ProfileRecord record = InitialProfileRecord();
    CustomOperators custom = CustomOperators::BuiltIn();
};

Settings savedSettings()
{
    Settings settings;
    SetProfileDefaults(settings.record, 2);
    settings.record.header_value = 2;
    return settings;
}

Settings patched(const Patches &patches)
{
    Settings settings = savedSettings();
    for (const Patch &patch : patches) {
        char *target = nullptr;
        if (patch.offset < 976) {
            target = reinterpret_cast<char *>(RecordBytes(settings.record).data()) + patch.offset;
        } else {
            const int entry = (patch.offset - 976) / 264;
            OperatorEntry &custom = entry < 3 ? settings.custom.country_customers[std::size_t(entry)]
                                              : settings.custom.extra_customer;
            target = reinterpret_cast<char *>(&custom) + (patch.offset - 976) % 264;
        }
        std::memcpy(target, patch.bytes.constData(), std::size_t(patch.bytes.size()));
    }
    return settings;
}

// A text with its terminating zero.
QByteArray text(const char *value)
{
    return QByteArray(value, qsizetype(std::strlen(value) + 1));
}

// Both files as the tool's own save writes them, in a folder of their own.
class SavedCard
{
public:
    explicit SavedCard(const Settings &settings)
        : m_saved(!SaveProfile(m_folder.path(), settings.record, settings.custom))
    {
    }

    bool saved() const { return m_saved; }
    QString profile() const { return m_folder.path() + QStringLiteral("/PROFILE.BIN"); }
    QString workingCopy() const { return m_folder.workingCopyPath(); }

private:
    ScopedTempFolder m_folder;
    bool m_saved;
};

struct Run {
    int status = -1; // -1 when the command did not exit normally
    QString out;
    QString err;
};

Run run(const QStringList &arguments, const QString &folder = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(TALMERIS_PROFILE_COMMAND), arguments);
    Run result;
    if (!process.waitForFinished(30000))
        return result;
    if (process.exitStatus() == QProcess::NormalExit)
        result.status = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QStringList outputLines(const Run &result)
{
    return result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool showsLine(const QString &output, const QString &label, const QString &value)
{
    const QRegularExpression line(QStringLiteral("^ *%1: +%2$")
                                      .arg(QRegularExpression::escape(label), QRegularExpression::escape(value)),
                                  QRegularExpression::MultilineOption);
    return line.match(output).hasMatch();
}

QJsonValue at(QJsonValue value, const QString &path)
{
    for (const QString &key : path.split(QLatin1Char('.')))
        value = value.toObject().value(key);
    return value;
}

} // namespace

Q_DECLARE_METATYPE(Patches)

class TestProfileCommand : public QObject
{
    Q_OBJECT

private slots:
    void show_data()
    {
        QTest::addColumn<Patches>("patches");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("value");

        const QStringList none;
        QTest::newRow("photo size") << Patches{{22, hexBytes("03")}} << none << "Photo Size" << "12MP";
        QTest::newRow("last PIR interval") << Patches{{29, hexBytes("1A")}} << none << "PIR Interval" << "60 Min";
        QTest::newRow("last time lapse") << Patches{{30, hexBytes("18")}} << none << "Time Lapse" << "24 Hour";
        QTest::newRow("hidden beep") << Patches{{58, hexBytes("01")}} << none << "Beep" << "On";
        const Patches window{{31, hexBytes("01 16 00 06 1E 82")}};
        QTest::newRow("window switch") << window << none << "Switch" << "On";
        QTest::newRow("window start") << window << none << "Start" << "22:00";
        QTest::newRow("window stop") << window << none << "Stop" << "06:30";
        QTest::newRow("window days") << window << none << "Days" << "Mon";
        QTest::newRow("DailyReport bit") << Patches{{75, hexBytes("03")}} << none << "DailyReport" << "On";
        QTest::newRow("16-bit send to") << Patches{{78, hexBytes("00 00")}} << none << "Send To" << "Phone";
        QTest::newRow("16-bit SMS switch") << Patches{{86, hexBytes("02 00")}} << none << "SMS Switch" << "Set";
        QTest::newRow("SMS start hour") << Patches{{89, hexBytes("08")}} << none << "SMS Work Time Start" << "08";
        QTest::newRow("country") << Patches{{80, hexBytes("0B 04")}} << none << "Country" << "Danmark";
        QTest::newRow("carrier by position") << Patches{{80, hexBytes("0B 04")}} << none << "Operator" << "Telmore";
        QTest::newRow("extra Customer item") << Patches{{80, hexBytes("01 01")}} << none << "Operator" << "Customer";
        QTest::newRow("MMS APN") << Patches{{232, text("apn.example")}} << none << "APN" << "apn.example";
        QTest::newRow("provider") << Patches{{111, hexBytes("0A")}} << none << "Select Email" << "Other";
        QTest::newRow("secure type") << Patches{{446, hexBytes("42")}} << none << "Secure Type" << "STARTTLS";
        QTest::newRow("recipient") << Patches{{784, text("hunter@example.org")}} << none << "Receive Email 1"
                                   << "hunter@example.org";
        // The card's Windows-1252 reaches a pipe as UTF-8 on every platform.
        QTest::newRow("letters beyond ASCII") << Patches{{784, text("j\xE4ger\x80@example.org")}} << none
                                             << "Receive Email 1" << QString::fromUtf8("jäger€@example.org");
        QTest::newRow("control characters escaped") << Patches{{784, text("a\x1B[2J\\b")}} << none
                                                     << "Receive Email 1" << "a\\x1B[2J\\\\b";
        QTest::newRow("item beyond its list") << Patches{{22, hexBytes("14")}} << none << "Photo Size"
                                              << "20 (out of range)";
        const Patches password{{496, text("pw12345")}};
        QTest::newRow("password hidden") << password << none << "Password" << "********";
        QTest::newRow("password shown") << password << QStringList{"--show-passwords"} << "Password" << "pw12345";
    }

    void show()
    {
        QFETCH(Patches, patches);
        QFETCH(QStringList, options);
        QFETCH(QString, label);
        QFETCH(QString, value);
        const SavedCard before(savedSettings());
        const SavedCard after(patched(patches));
        QVERIFY(before.saved() && after.saved());

        const Run unchanged = run(QStringList{"show"} << options << before.profile());
        const Run changed = run(QStringList{"show"} << options << after.profile());
        QCOMPARE(changed.status, 0);
        QVERIFY2(changed.out.startsWith("PROFILE.BIN (956 bytes)\n"), qPrintable(changed.out.left(40)));
        QVERIFY2(showsLine(changed.out, label, value), qPrintable(changed.out));
        QVERIFY(!showsLine(unchanged.out, label, value));
    }

    void showListsTheCustomEntriesOfAWorkingCopy()
    {
        const SavedCard card(patched({{1240 + 120, text("apn.two")}}));
        QVERIFY(card.saved());
        const Run copy = run({"show", card.workingCopy()});
        QCOMPARE(copy.status, 0);
        QVERIFY(copy.out.startsWith("Working copy (2032 bytes)\n"));
        QVERIFY(copy.out.contains("\n  Customer2\n    Name: Customer2\n    MMS\n"));
        // Values line up within a group, also where two parts of the listing add to one group.
        QVERIFY(copy.out.contains("\n    Camera Mode:   Photo\n"));
        QVERIFY(copy.out.contains("\n    Operator: ") && copy.out.contains("\n    Name:     "));
        QVERIFY(showsLine(copy.out, "APN", "apn.two"));
        QVERIFY(!run({"show", card.profile()}).out.contains("Customer2"));
    }

    void json_data()
    {
        QTest::addColumn<bool>("workingCopy");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QJsonValue>("expected");

        QTest::newRow("format") << false << "format" << QJsonValue("PROFILE.BIN");
        QTest::newRow("listed value") << false << "photo_size.value" << QJsonValue(3);
        QTest::newRow("listed text") << false << "photo_size.text" << QJsonValue("12MP");
        QTest::newRow("plain number") << false << "instant_number" << QJsonValue(42);
        QTest::newRow("16-bit value") << false << "sms_switch.value" << QJsonValue(2);
        QTest::newRow("send mode bit") << false << "send_mode.daily_report.value" << QJsonValue(1);
        QTest::newRow("window hour") << false << "work_time_1.start_hour" << QJsonValue(22);
        QTest::newRow("window mask") << false << "work_time_1.week_mask" << QJsonValue(130);
        QTest::newRow("window switch") << false << "work_time_1.switch.value" << QJsonValue(1);
        QTest::newRow("stored secure byte") << false << "sender_email.secure_type.value" << QJsonValue(0x41);
        QTest::newRow("entry text") << false << "operator.mms_apn" << QJsonValue("apn.example");
        QTest::newRow("password hidden") << false << "sender_email.password" << QJsonValue("********");
        QTest::newRow("item out of range") << false << "video_size.text" << QJsonValue(QJsonValue::Null);
        QTest::newRow("out-of-range keys") << false << "out_of_range" << QJsonValue(QJsonArray{"video_size"});
        QTest::newRow("no custom entries") << false << "custom_operators" << QJsonValue(QJsonValue::Undefined);
        QTest::newRow("working copy") << true << "format" << QJsonValue("Working copy");
        QTest::newRow("custom entry") << true << "custom_operators.Customer2.mms_apn" << QJsonValue("apn.two");
        QTest::newRow("custom password") << true << "custom_operators.Customer.gprs_password"
                                         << QJsonValue("********");
    }

    void json()
    {
        QFETCH(bool, workingCopy);
        QFETCH(QString, path);
        QFETCH(QJsonValue, expected);
        const SavedCard card(patched({
            {22, hexBytes("03")}, {25, hexBytes("07")}, {31, hexBytes("01 16 00 06 00 82")},
            {74, hexBytes("2A 03")}, {86, hexBytes("02 00")}, {232, text("apn.example")},
            {446, hexBytes("41")}, {496, text("pw")}, {1240 + 120, text("apn.two")}, {1768 + 248, text("gp")},
        }));
        QVERIFY(card.saved());

        const Run result = run({"show", "--json", workingCopy ? card.workingCopy() : card.profile()});
        QCOMPARE(result.status, 0);
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(result.out.toUtf8(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(at(document.object(), path), expected);
    }

    void diff_data()
    {
        QTest::addColumn<QString>("files"); // P PROFILE.BIN, C working copy; the first is unchanged
        QTest::addColumn<Patches>("patches");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("expected");

        const QStringList none;
        QTest::newRow("equal") << "PP" << Patches{} << none << QStringList{};
        QTest::newRow("one setting") << "PP" << Patches{{22, hexBytes("03")}} << none
                                     << QStringList{"Camera / CAM / Photo Size: 8MP -> 12MP"};
        QTest::newRow("two settings apart")
            << "PC" << Patches{{44, hexBytes("09")}, {880, text("b@c")}} << none
            << QStringList{"Camera / Work Time 3 / Start: 00:00 -> 09:00",
                           "Sending and recipients / Recipients / Receive Email 3: (empty) -> b@c"};
        QTest::newRow("address with its local part")
            << "PP" << Patches{{520, text("x@y")}, {568, text("x")}} << none
            << QStringList{"Sender account / Email: (empty) -> x@y"};
        QTest::newRow("password hidden")
            << "PP" << Patches{{496, text("pw")}} << none
            << QStringList{"Sender account / Password: differs (hidden; --show-passwords shows it)"};
        QTest::newRow("password shown") << "PP" << Patches{{496, text("pw")}} << QStringList{"--show-passwords"}
                                        << QStringList{"Sender account / Password: (empty) -> pw"};
        QTest::newRow("window switched on, its switch bit left")
            << "PP" << Patches{{31, hexBytes("01")}, {36, hexBytes("7F")}} << none
            << QStringList{"Camera / Work Time 1 / Switch: Off -> On",
                           "Camera / Work Time 1 / Days: ALL (switch bit On) -> ALL (switch bit Off)"};
        QTest::newRow("only the switch bit") << "PP" << Patches{{36, hexBytes("7F")}} << none
            << QStringList{"Camera / Work Time 1 / Days: ALL (switch bit On) -> ALL (switch bit Off)"};
        QTest::newRow("a day and the switch bit") << "PP" << Patches{{36, hexBytes("3E")}} << none
            << QStringList{"Camera / Work Time 1 / Days: ALL -> Mon Tue Wed Thu Fri"};
        QTest::newRow("two operators of one name")
            << "CC" << Patches{{80, hexBytes("01 13")}, {1240, text("Auto")}} << none
            << QStringList{"Operator / Operator Parameter / Country: Auto -> Customer",
                           "Operator / Operator Parameter / Operator: Auto (stored 0) -> Auto (stored 1)",
                           "Custom operators / Customer2 / Name: Customer2 -> Auto"};
        QTest::newRow("bytes outside the settings")
            << "PP" << Patches{{59, hexBytes("07")}, {106, hexBytes("06 01 01")}} << none
            << QStringList{"Bytes outside the settings differ at offsets 59, 106-108"};
        QTest::newRow("custom entry of two working copies")
            << "CC" << Patches{{1240 + 120, text("apn.two")}} << none
            << QStringList{"Custom operators / Customer2 / MMS / APN: (empty) -> apn.two"};
        QTest::newRow("custom entry against PROFILE.BIN")
            << "PC" << Patches{{1240 + 120, text("apn.two")}} << none << QStringList{};
    }

    void diff()
    {
        QFETCH(QString, files);
        QFETCH(Patches, patches);
        QFETCH(QStringList, options);
        QFETCH(QStringList, expected);
        const SavedCard from(savedSettings());
        const SavedCard to(patched(patches));
        QVERIFY(from.saved() && to.saved());

        const auto file = [](const SavedCard &card, QChar kind) {
            return kind == u'P' ? card.profile() : card.workingCopy();
        };
        const Run result = run(QStringList{"diff"} << options << file(from, files[0]) << file(to, files[1]));
        QCOMPARE(result.status, expected.isEmpty() ? 0 : 1);
        QCOMPARE(outputLines(result), expected);
    }

    void check_data()
    {
        QTest::addColumn<Patches>("patches"); // over a sender with an account and address
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("as saved") << Patches{} << QStringList{};
        QTest::newRow("the empty default sender")
            << Patches{{448, QByteArray(48, 0)}, {520, QByteArray(48, 0)}}
            << QStringList{"Sender e-mail: \"Account\" and \"Email\" are empty, so the camera cannot send e-mails. "
                           "Press \"Email Setting\", choose your provider and type your account there."};
        QTest::newRow("gmail with Auto") << Patches{{111, hexBytes("01")}, {376, text("smtp.gmail.com")}}
                                         << QStringList{};
        QTest::newRow("a carrier without its data APN")
            << Patches{{80, hexBytes("00 07")}, {112, text("1&1")}}
            << QStringList{"Operator \"1&1\": GPRS \"APN\" is empty, so the camera cannot reach the mobile "
                           "internet to send e-mails. Choose the operator \"Auto\", or a \"Customer\" item and "
                           "type your operator's settings under \"Custom\"."};
        QTest::newRow("an operator name with control characters")
            << Patches{{112, text("X\x1B[2J")}}
            << QStringList{"Operator \"X\\x1B[2J\": GPRS \"APN\" is empty, so the camera cannot reach the mobile "
                           "internet to send e-mails. Choose the operator \"Auto\", or a \"Customer\" item and "
                           "type your operator's settings under \"Custom\"."};
        QTest::newRow("item beyond its list") << Patches{{22, hexBytes("14")}}
                                              << QStringList{"Camera / CAM / Photo Size: 20 (out of range)"};
        QTest::newRow("16-bit index") << Patches{{86, hexBytes("00 01")}}
                                      << QStringList{"Sending and recipients / GPS / SMS Control / SMS Switch: "
                                                     "256 (out of range)"};
        QTest::newRow("minute 60") << Patches{{47, hexBytes("3C")}}
                                   << QStringList{"Camera / Work Time 3 / Stop: 00:60 (out of range)"};
        QTest::newRow("instant number 100")
            << Patches{{74, hexBytes("64")}}
            << QStringList{"Sending and recipients / Send Mode / Instant number: 100 (out of range)"};
        QTest::newRow("unknown send mode bit")
            << Patches{{75, hexBytes("05")}}
            << QStringList{"Sending and recipients / Send Mode / DailyReport: 2 (out of range)"};
        QTest::newRow("country beyond the list")
            << Patches{{81, hexBytes("14")}}
            << QStringList{"Operator / Operator Parameter / Country: 20 (out of range)",
                           "Operator / Operator Parameter / Operator: 0 (out of range)"};
        QTest::newRow("operator beyond its country")
            << Patches{{80, hexBytes("02 01")}}
            << QStringList{"Operator / Operator Parameter / Operator: 2 (out of range)"};
        QTest::newRow("secure type without its mark")
            << Patches{{446, hexBytes("01")}} << QStringList{"Sender account / Secure Type: 1 (out of range)"};
        QTest::newRow("text without its end")
            << Patches{{784, QByteArray(48, 'a')}}
            << QStringList{"Sending and recipients / Recipients / Receive Email 1: " + QString(48, u'a')
                           + " (out of range)"};
        QTest::newRow("password without its end")
            << Patches{{496, QByteArray(24, 'p')}} << QStringList{"Sender account / Password: ******** (out of range)"};
    }

    void check()
    {
        QFETCH(Patches, patches);
        QFETCH(QStringList, expected);
        const SavedCard card(patched(Patches{{448, text("cam@example.org")}, {520, text("cam@example.org")}}
                                     + patches));
        QVERIFY(card.saved());

        for (const QString &file : {card.profile(), card.workingCopy()}) {
            const Run result = run({"check", file});
            QCOMPARE(result.status, expected.isEmpty() ? 0 : 1);
            QCOMPARE(outputLines(result), expected);
        }
    }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("arguments"); // run in a folder of prepared files
        QTest::addColumn<QString>("message");

        QTest::newRow("missing file") << QStringList{"show", "nothing.bin"} << "nothing.bin: no such file";
        QTest::newRow("one byte short") << QStringList{"show", "short.bin"} << "short.bin: 955 bytes";
        QTest::newRow("one byte over") << QStringList{"check", "long.bin"} << "long.bin: 957 bytes";
        QTest::newRow("working copy and one") << QStringList{"show", "long.bak"} << "long.bak: 2033 bytes";
        QTest::newRow("empty file") << QStringList{"show", "empty.bin"} << "empty.bin: 0 bytes";
        QTest::newRow("directory") << QStringList{"show", "folder"} << "folder: a directory";
        QTest::newRow("foreign working copy") << QStringList{"show", "foreign.bak"} << "not marked by V5.02.15";
        QTest::newRow("unreadable") << QStringList{"show", "locked.bin"} << "locked.bin: cannot be read";
        QTest::newRow("second file of a diff") << QStringList{"diff", "card.bin", "nothing.bin"}
                                               << "nothing.bin: no such file";
        QTest::newRow("no command") << QStringList{} << "no command given";
        QTest::newRow("unknown command") << QStringList{"print", "card.bin"} << "unknown command 'print'";
        QTest::newRow("diff of one file") << QStringList{"diff", "card.bin"} << "diff takes 2 file(s), 1 given";
        QTest::newRow("json with check") << QStringList{"check", "--json", "card.bin"}
                                         << "--json goes with show and carriers only";
        QTest::newRow("unknown option") << QStringList{"show", "--colour", "card.bin"} << "Unknown option 'colour'";
    }

    void badInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
#ifdef Q_OS_UNIX
        if (arguments.contains("locked.bin") && geteuid() == 0)
            QSKIP("running as root, where a file without permissions stays readable");
#else
        if (arguments.contains("locked.bin"))
            QSKIP("Windows has no permission bits to take away");
#endif
        const Run result = run(arguments, m_files.path());
        QCOMPARE(result.status, 2);
        QVERIFY(result.out.isEmpty());
        QVERIFY2(result.err.startsWith("talmeris-profile: ") && result.err.contains(message), qPrintable(result.err));
    }

    void helpDescribesTheCommands()
    {
        const Run result = run({"--help"});
        QCOMPARE(result.status, 0);
        for (const char *part :
             {"show FILE", "diff A B", "check FILE", "carriers", "--json", "--show-passwords", "Exit status"})
            QVERIFY2(result.out.contains(part), part);
    }

    void carriersJsonRoundTrips_data()
    {
        QTest::addColumn<bool>("showPasswords");
        QTest::newRow("passwords masked") << false;
        QTest::newRow("passwords shown") << true;
    }

    void carriersJsonRoundTrips()
    {
        QFETCH(bool, showPasswords);
        const Run result = run(showPasswords ? QStringList{"carriers", "--json", "--show-passwords"}
                                             : QStringList{"carriers", "--json"});
        QCOMPARE(result.status, 0);
        QJsonParseError error;
        const QJsonArray countries =
            QJsonDocument::fromJson(result.out.toUtf8(), &error).object().value("countries").toArray();
        QCOMPARE(error.error, QJsonParseError::NoError);

        CustomOperators custom = CustomOperators::BuiltIn();
        const OperatorCatalogue catalogue(custom);
        // Every country but "Auto" and "Customer", in the combo's order.
        QCOMPARE(countries.size(), catalogue.countryCount() - 2);
        for (int row = 1; row <= countries.size(); ++row) {
            const QJsonObject country = countries.at(row - 1).toObject();
            QCOMPARE(country.value("name").toString(), catalogue.countryName(row));
            const QJsonArray operators = country.value("operators").toArray();
            QCOMPARE(operators.size(), catalogue.operatorCount(row));
            for (int index = 0; index < catalogue.operatorCount(row); ++index) {
                const QJsonObject read = operators.at(index).toObject();
                OperatorEntry expected = catalogue.operatorEntry(row, index);
                OperatorEntry entry;
                const auto take = [&read](auto &field, const char *key) {
                    QVERIFY(read.value(key).isString());
                    StoreRecordText(field, read.value(key).toString());
                };
                take(entry.name, "name");
                take(entry.mms_url, "mms_url");
                take(entry.mms_gateway, "mms_gateway");
                take(entry.mms_port, "mms_port");
                take(entry.mms_apn, "mms_apn");
                take(entry.mms_account, "mms_account");
                take(entry.mms_password, "mms_password");
                take(entry.gprs_apn, "gprs_apn");
                take(entry.gprs_account, "gprs_account");
                take(entry.gprs_password, "gprs_password");
                if (!showPasswords) {
                    for (char *password : {expected.mms_password, expected.gprs_password}) {
                        if (*password)
                            std::strcpy(password, "********");
                    }
                }
                QVERIFY2(entry == expected, qPrintable(EntryName(expected)));
            }
        }
    }

    void carriersText()
    {
        const Run result = run({"carriers"});
        QCOMPARE(result.status, 0);
        QStringList headings;
        for (const QString &line : outputLines(result)) {
            if (!line.startsWith(u' '))
                headings.append(line);
        }
        CustomOperators custom = CustomOperators::BuiltIn();
        const OperatorCatalogue catalogue(custom);
        QCOMPARE(headings, catalogue.countryNames().mid(1, catalogue.countryCount() - 2));
        QVERIFY(showsLine(result.out, "URL", "http://139.7.24.1/servlets/mms"));
        QVERIFY(showsLine(result.out, "Password", "********"));
        QVERIFY(!showsLine(result.out, "Password", "ppp"));
    }

    void initTestCase()
    {
        QVERIFY(m_files.isValid());
        const SavedCard card(savedSettings());
        Settings foreign = savedSettings();
        // The full version text, not the mark the tool writes: the tool ignores such a copy.
        std::memcpy(foreign.record.version_tag, "V5.02.15", 8);
        const SavedCard foreignCard(foreign);
        QVERIFY(card.saved() && foreignCard.saved());

        const QByteArray profile = readFile(card.profile());
        const QByteArray copy = readFile(card.workingCopy());
        const QDir files(m_files.path());
        QVERIFY(writeFile(files.filePath("card.bin"), profile));
        QVERIFY(writeFile(files.filePath("short.bin"), profile.chopped(1)));
        QVERIFY(writeFile(files.filePath("long.bin"), profile + '\0'));
        QVERIFY(writeFile(files.filePath("long.bak"), copy + '\0'));
        QVERIFY(writeFile(files.filePath("empty.bin"), {}));
        QVERIFY(writeFile(files.filePath("foreign.bak"), readFile(foreignCard.workingCopy())));
        QVERIFY(writeFile(files.filePath("locked.bin"), profile));
#ifndef Q_OS_WIN
        QVERIFY(QFile::setPermissions(files.filePath("locked.bin"), {}));
#endif
        QVERIFY(files.mkdir("folder"));
    }

private:
    QTemporaryDir m_files;
};

QTEST_GUILESS_MAIN(TestProfileCommand)
#include "tst_profile_command.moc"

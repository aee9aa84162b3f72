#include "profile/profile_files.h"
#include "profile/profile_image.h"
#include "profile/record_text.h"
#include "profile/settings_copies.h"
#include "profile/text_fields.h"
#include "readback/settings_document.h"
#include "presets/email_presets.h"
#include "readback/settings_listing.h"
#include "settings/profile_defaults.h"
#include "support/form_round_trip.h"
#include "support/temp_env.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

namespace {

// The defaults, but for the one recipient the page asks for.
const QByteArray kWithRecipient = R"({"receive_email_1": "jane@example.org"})";

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run run(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(QStringLiteral(TALMERIS_PROFILE_COMMAND), arguments);
    process.write(input);
    process.closeWriteChannel();
    Run result;
    if (!process.waitForFinished(30000))
        return result;
    if (process.exitStatus() == QProcess::NormalExit)
        result.status = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// A camera that sends by e-mail through its own server, with no setting at its default.
ProfileRecord everySettingChanged()
{
    ProfileRecord r = InitialProfileRecord();
    SetProfileDefaults(r, kStartupArea);
    r.header_value = kSavedHeaderValue;
    r.camera_mode = 1, r.camera_scene = 1, r.photo_size = 4, r.photo_burst = 4, r.flash_power = 0;
    r.video_size = 0, r.video_length = 2, r.trigger_mode = 2, r.pir_sensitivity = 2, r.pir_interval = 9;
    r.time_lapse = 3, r.language = 5, r.rf_switch = 2, r.overwrite = 0, r.beep = 1;
    r.shutter_speed = 1, r.burst_speed = 1, r.send_option = 3, r.gps = 1;
    WorkTimeWindow *windows[] = {&r.work_time_1, &r.work_time_2, &r.work_time_3, &r.work_time_4};
    for (int i = 0; i < 4; ++i)
        *windows[i] = {1, std::uint8_t(6 + i), std::uint8_t(15 + i), std::uint8_t(18 + i), 45, std::uint8_t(0x80 | (0x3E >> i))};
    r.daily_report_minute = 30, r.daily_report_hour = 20, r.instant_number = 42, r.send_mode = 2;
    r.send_to = 0, r.email_size = 0, r.rename = 1, r.sms_switch = 2, r.sms_start_hour = 7, r.sms_stop_hour = 19;
    StoreRecordText(r.rename_text, QStringLiteral("CAM07"));
    // The country "Customer" and its "Customer2": its parameters are the user's own.
    r.country_index = 19, r.operator_index = 1;
    OperatorEntry &op = r.operator_;
    op = OperatorEntry{};
    StoreRecordText(op.name, QStringLiteral("Customer2"));
    StoreRecordText(op.mms_url, QStringLiteral("http://mms.example.net"));
    StoreRecordText(op.mms_gateway, QStringLiteral("10.0.0.9"));
    StoreRecordText(op.mms_apn, QStringLiteral("mms.example"));
    StoreRecordText(op.mms_port, QStringLiteral("8080"));
    StoreRecordText(op.mms_account, QStringLiteral("mmsuser"));
    StoreRecordText(op.mms_password, QStringLiteral("mmspass"));
    StoreRecordText(op.gprs_apn, QStringLiteral("web.example"));
    StoreRecordText(op.gprs_account, QStringLiteral("webuser"));
    StoreRecordText(op.gprs_password, QStringLiteral("webpass"));
    r.select_email = EmailPresets::kOtherPosition;
    EmailEntry &sender = r.sender_email;
    sender = EmailEntry{};
    StoreRecordText(sender.smtp_server, QStringLiteral("smtp.example.org"));
    StoreRecordText(sender.smtp_port, QStringLiteral("587"));
    sender.secure_type = 0x42;
    StoreRecordText(sender.account, QStringLiteral("trailcam"));
    StoreRecordText(sender.password, QStringLiteral("s3cret"));
    StoreSenderAddress(sender, QStringLiteral("cam@example.org"));
    const char *phones[] = {"01701234567", "0049301234", "5551234", "12345"};
    const char *emails[] = {"a@example.org", "b@example.org", "c@example.org", "d@example.org"};
    for (int i = 0; i < kRecipientCount; ++i) {
        StoreRecordText(PhoneNumberField(r, i), QString::fromLatin1(phones[i]));
        StoreRecordText(ReceiveEmailField(r, i), QString::fromLatin1(emails[i]));
    }
    return r;
}

QByteArray profileBytes(const ProfileRecord &record)
{
    return ProfileFileBytes(EncodeProfileImage(record));
}

// The flat keys and values of a `show --json` document.
QMap<QString, QJsonValue> flat(const QJsonObject &object, const QString &prefix = {})
{
    QMap<QString, QJsonValue> keys;
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QJsonObject inner = it.value().toObject();
        if (it.value().isObject() && !inner.contains(u"value"))
            keys.insert(flat(inner, prefix + it.key() + u'.'));
        else
            keys.insert(prefix + it.key(), it.value());
    }
    return keys;
}

// What the tool writes for a document, or nothing when it refuses it.
std::optional<QByteArray> written(const QByteArray &settings)
{
    auto read = ReadSettingsDocument(settings);
    if (!std::holds_alternative<SettingsDocument>(read))
        return std::nullopt;
    ProfileSession session;
    session.currentArea = kStartupArea;
    if (!BuildSettings(std::get<SettingsDocument>(read), session).isEmpty())
        return std::nullopt;
    return profileBytes(session.record);
}

} // namespace

class TestWriteCommand : public QObject
{
    Q_OBJECT

private slots:
    void writesEveryKeyAsTheLayoutHoldsIt()
    {
        ScopedTempFolder temp;
        const ProfileRecord expected = everySettingChanged();
        QTemporaryDir card, defaults, out;
        QVERIFY(!SaveProfile(card.path(), expected, CustomOperators::BuiltIn()));
        ProfileRecord plain = InitialProfileRecord();
        SetProfileDefaults(plain, kStartupArea);
        QVERIFY(!SaveProfile(defaults.path(), plain, CustomOperators::BuiltIn()));

        const Run shown = run({"show", "--json", "--show-passwords", card.path() + "/PROFILE.BIN"});
        const Run plainShown = run({"show", "--json", defaults.path() + "/PROFILE.BIN"});
        const QMap<QString, QJsonValue> keys = flat(QJsonDocument::fromJson(shown.out.toUtf8()).object());
        const QMap<QString, QJsonValue> defaultKeys = flat(QJsonDocument::fromJson(plainShown.out.toUtf8()).object());
        for (auto it = keys.begin(); it != keys.end(); ++it)
            if (it.key() != "format" && it.key() != "out_of_range")
                QVERIFY2(it.value() != defaultKeys.value(it.key()), qPrintable(it.key() + " keeps its default"));

        QVERIFY(writeFile(out.path() + "/settings.json", shown.out.toUtf8()));
        QVERIFY(QFile::remove(temp.workingCopyPath()));
        const Run result = run({"write", out.path() + "/settings.json", out.path()});
        QCOMPARE(result.err, QString());
        QCOMPARE(result.out, "PROFILE.BIN has been saved in " + out.path() + "\n");
        QCOMPARE(result.status, 0);
        QCOMPARE(readFile(out.path() + "/PROFILE.BIN"), profileBytes(expected));
        // Only PROFILE.BIN: the copies are the window's.
        QVERIFY(!QFile::exists(temp.workingCopyPath()));
    }

    // Saved without opening a dialog, a card keeps the dialogs' bytes as they were
    // (a work-time window's days with the switch bit of the defaults).
    void aCardSavedWithoutTheDialogsComesBackWhole()
    {
        ScopedTempFolder temp;
        ProfileRecord record = InitialProfileRecord();
        SetProfileDefaults(record, kStartupArea);
        record.header_value = kSavedHeaderValue;
        StoreRecordText(record.receive_email_1, QStringLiteral("jane@example.org"));
        QTemporaryDir card, out;
        QVERIFY(!SaveProfile(card.path(), record, CustomOperators::BuiltIn()));
        const QByteArray saved = readFile(card.path() + "/PROFILE.BIN");
        QCOMPARE(run({"write", "--anyway", card.path() + "/PROFILE.BIN", out.path()}).status, 0);
        QCOMPARE(readFile(out.path() + "/PROFILE.BIN"), saved);
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("sets");
        QTest::addColumn<QString>("message");

        const auto row = [](const char *name, QStringList sets, const char *message) {
            QTest::newRow(name) << sets << QString::fromUtf8(message);
        };
        // Each window's own check, with its caption.
        row("page", {"instant_number=120"},
            "instant_number: Send Mode Setting: Instant number is out of the range(0-99)!");
        row("camera", {"work_time_2.switch=On", "work_time_2.start_hour=8", "work_time_2.stop_hour=8"},
            "work_time_2.start_hour: Work Time Setting: Please check Work Time Start and Stop point.");
        row("sender", {"select_email=Other"}, "sender_email.smtp_server: Sender Email Setting: Server must not be null!");
        row("operator", {"country_index=Customer", "operator.mms_port=99999"},
            "operator.mms_port: talmeris-profile: Enter an integer between 0 and 65535.");
        row("custom entry", {"custom_operators.Customer3.mms_port=x"},
            "custom_operators.Customer3.mms_port: talmeris-profile: Enter a positive integer.");
        // A value no control takes, by kind.
        row("no such key", {"photo_zise=12MP"}, "photo_zise: no setting has this key");
        row("no value", {"photo_size"}, "photo_size: --set takes KEY=VALUE");
        row("item by text", {"photo_size=13MP"},
            "photo_size: \"13MP\" is not one of its items: 3MP, 5MP, 8MP, 12MP, 16MP, 20MP");
        row("item by value", {"photo_size=6"}, "photo_size: 6 is not the value of an item of its list");
        row("secure type", {"sender_email.secure_type=3"}, "sender_email.secure_type: 3 is not the value of an item of its list");
        row("operator", {"operator_index=9"}, "operator_index: 9 is not the value of an item of its list");
        row("hour", {"daily_report_hour=24"}, "daily_report_hour: 24 is out of its range, 0 to 23");
        row("minute", {"work_time_1.stop_minute=60"}, "work_time_1.stop_minute: 60 is out of its range, 0 to 59");
        row("number", {"instant_number=256"}, "instant_number: 256 is out of its range, 0 to 255");
        row("days", {"work_time_1.week_mask=Mon"}, "work_time_1.week_mask: takes a whole number");
        row("text too long", {"select_email=gmail", "sender_email.password=" + QString(24, u'a')},
            "sender_email.password: takes at most 23 characters");
        row("a greyed sender field", {"sender_email.account=jane"},
            "sender_email.account: is not the sender's own with this \"Select Email\": its field is greyed out and "
            "the value would be lost");
        row("a catalogue operator's parameter", {"country_index=Germany", "operator_index=Vodafone", "operator.gprs_apn=mine"},
            "operator.gprs_apn: the operator \"Vodafone\" brings its own parameters; choose a \"Customer\" operator to set yours");
        row("camera name", {"rename_text=CAMERA007"}, "rename_text: At most 8 characters fit here; the rest was left out.");
        row("code page", {"receive_email_1=\u4e2d@example.org"}, "receive_email_1: holds characters the card cannot store");
        row("phone", {"phone_number_1=+49170"},
            "phone_number_1: The camera takes no \"+\": for an international number write 00 in its place, such as 0049... for +49...");
        row("address", {"operator.mms_gateway=10.0.1"}, "operator.mms_gateway: takes an address of four numbers, such as 10.0.0.1");
        row("masked password", {"sender_email.password=********"},
            "sender_email.password: is masked: read the settings with --show-passwords");
        row("custom name", {"custom_operators.Customer1.name=Mine"},
            "custom_operators.Customer1.name: a custom operator keeps its name, \"Customer1\"");
    }

    void refusals()
    {
        QFETCH(QStringList, sets);
        QFETCH(QString, message);
        QTemporaryDir out;
        QStringList arguments{"write", "--anyway", "-", out.path()};
        for (const QString &set : sets)
            arguments << "--set" << set;
        const Run result = run(arguments, kWithRecipient);
        QCOMPARE(result.err.section(u'\n', 0, 0), "talmeris-profile: " + message);
        QCOMPARE(result.status, 2);
        QVERIFY(!QFile::exists(out.path() + "/PROFILE.BIN"));
    }

    void jsonFaultsNameTheirLine_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        QTest::newRow("not JSON") << QByteArray("{\n  \"gps\": On\n}") << "line 2: illegal number";
        QTest::newRow("unknown key") << QByteArray("{\n  \"gps\": \"On\",\n  \"work_time_1\": {\n    \"swich\": 1\n  }\n}")
                                     << "work_time_1.swich (line 4): no setting has this key";
        QTest::newRow("wrong type") << QByteArray("{\n  \"gps\": true\n}")
                                    << "gps (line 2): takes an item of its list, by its text or as {\"value\": N}";
        QTest::newRow("text and value apart") << QByteArray("{\"gps\": {\"value\": 1, \"text\": \"Off\"}}")
                                              << "gps (line 1): the value 1 is \"On\", not \"Off\"";
    }

    void jsonFaultsNameTheirLine()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        QTemporaryDir out;
        const Run result = run({"write", "--anyway", "-", out.path()}, json);
        QCOMPARE(result.err.section(u'\n', 0, 0), "talmeris-profile: " + message);
        QCOMPARE(result.status, 2);
        QVERIFY(!QFile::exists(out.path() + "/PROFILE.BIN"));
    }

    // Chosen on the command line, a provider brings its own server, as in its dialog.
    void aProviderBringsItsServer()
    {
        QTemporaryDir out;
        const Run result = run({"write", "-", out.path(), "--set", "select_email=gmail", "--set",
                                "sender_email.email=cams@gmail.com", "--set", "sender_email.password=app"},
                               kWithRecipient);
        QCOMPARE(result.status, 0);
        const QJsonObject shown =
            QJsonDocument::fromJson(run({"show", "--json", out.path() + "/PROFILE.BIN"}).out.toUtf8()).object();
        const QJsonObject sender = shown.value(u"sender_email").toObject();
        QCOMPARE(sender.value(u"smtp_server").toString(), QStringLiteral("smtp.gmail.com"));
        // The account follows the address while it is empty, as when it is typed.
        QCOMPARE(sender.value(u"account").toString(), QStringLiteral("cams@gmail.com"));
    }

    void cannotSendUnlessAnyway()
    {
        QTemporaryDir out;
        const Run refused = run({"write", "-", out.path()}, kWithRecipient);
        QCOMPARE(refused.status, 1);
        QVERIFY(refused.err.contains("Sender e-mail: \"Account\" and \"Email\" are empty"));
        QVERIFY(!QFile::exists(out.path() + "/PROFILE.BIN"));
        const Run forced = run({"write", "--anyway", "-", out.path()}, kWithRecipient);
        QCOMPARE(forced.status, 0);
        QVERIFY(QFile::exists(out.path() + "/PROFILE.BIN"));
    }

    void aFolderThatIsNoneIsNamed()
    {
        QTemporaryDir out;
        const Run result = run({"write", "--anyway", "-", out.path() + "/gone"}, kWithRecipient);
        QCOMPARE(result.err, "talmeris-profile: " + QDir::toNativeSeparators(out.path() + "/gone/PROFILE.BIN")
                                 + " contains an incorrect path.\n");
        QCOMPARE(result.status, 2);
    }

    // Any record the windows store, written from its own read-back, gives
    // bytes whose read-back writes them again, byte for byte.
    void writtenFilesComeBackWhole()
    {
        QRandomGenerator random(20261208);
        int written = 0;
        for (int attempt = 0; written < 10000 && attempt < 40000; ++attempt) {
            ProfileSession session;
            session.record = InitialProfileRecord();
            SetProfileDefaults(session.record, kStartupArea);
            // A value from each list and range, and texts the windows take.
            for (const FieldShape *field : ListedFields()) {
                if (field->offset >= qsizetype(kProfileRecordSize) || field->row->kind == SettingKind::Operator)
                    continue;
                auto *layout = reinterpret_cast<char *>(&session.record);
                if (field->text) {
                    static const QStringList texts = {"", "12345", "a@b.c", "CAM7", "smtp.example.org", "587"};
                    const std::span<char> room(layout + field->offset, std::size_t(field->size));
                    ClearRecordText(room);
                    StoreRecordText(room, texts.at(random.bounded(int(texts.size()))));
                    continue;
                }
                const int bound = field->listed ? int(field->items.size())
                                  : field->row->kind == SettingKind::Days ? 256
                                  : field->row->kind == SettingKind::Number ? 100 : field->count;
                int value = bound > 0 ? random.bounded(bound) : 0;
                if (field->row->kind == SettingKind::SecureType)
                    value |= 0x40;
                const RecordPlace &place = field->row->places[field->place];
                RecordPlace at = place;
                at.offset = std::size_t(field->offset);
                at.shift = 0;
                at.mask = 0xFFFF;
                at.write(layout, (at.read(layout) & ~(place.mask << place.shift)) | ((value & place.mask) << place.shift));
            }
            TerminateTextFields(session.record);
            if (StoreThroughForms(session))
                StoreCorrectedPage(session);
            const std::optional<QByteArray> first = ::written(profileBytes(session.record));
            if (!first)
                continue;
            QCOMPARE(::written(*first), first);
            ++written;
        }
        QCOMPARE(written, 10000);
    }
};

QTEST_GUILESS_MAIN(TestWriteCommand)
#include "tst_write_command.moc"

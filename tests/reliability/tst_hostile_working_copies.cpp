// Working copies this tool did not write: every byte of the record in turn
// holds a value outside its range (and 0xFF). The page and every dialog are
// confirmed on it, through their models for every byte and through the real
// window for one byte of each kind of field, and what is saved must hold only
// sound values and texts that end inside their fields.
#include "settings/profile_defaults.h"
#include "settings/camera_schema.h"
#include "presets/email_presets.h"
#include "profile/profile_files.h"
#include "profile/text_fields.h"
#include "support/form_round_trip.h"
#include "support/fresh_session.h"
#include "support/started_window.h"
#include "support/temp_env.h"
#include "support/word_codec.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstring>
#include <map>

namespace {

// The first value outside each one-byte choice, by record offset.
std::map<int, int> firstInvalidValues()
{
    std::map<int, int> invalid;
    for (const SettingGroup &group : CameraGroups())
        for (const SettingRow &row : group.rows)
            invalid[int(row.place().offset)] = row.itemCount();
    for (int window = 0; window < 4; ++window) {
        const int start = 31 + 6 * window;
        invalid[start] = 2;      // switch
        invalid[start + 1] = 24; // start hour
        invalid[start + 2] = 60; // start minute
        invalid[start + 3] = 24;
        invalid[start + 4] = 60;
    }
    const std::map<int, int> page = {
        {68, 2},  {72, 60}, {73, 24}, {74, 100}, {75, 4}, {78, 2}, {79, 1}, {80, 14}, {81, 20},
        {82, 2},  {83, 1},  {84, 2},  {85, 1},   {86, 3}, {87, 1}, {88, 24}, {89, 24},
        {111, EmailPresets::kProviderCount},
    };
    invalid.insert(page.begin(), page.end());
    return invalid;
}

// `offset` counts from the start of the copy: the record, then the custom entries.
QByteArray workingCopyWith(int offset, int length, char value)
{
    ProfileSession session;
    startWithoutWorkingCopy(session);
    session.record.header_value = 2;
    session.record.country_index = OperatorCatalogue::kCustomerRow;
    auto *bytes = reinterpret_cast<char *>(&session.record);
    if (offset < int(kProfileRecordSize)) {
        std::memset(bytes + offset, value, std::size_t(length));
        return WorkingCopyBytes(EncodeProfileImage(session.record), session.custom);
    }
    QByteArray copy = WorkingCopyBytes(EncodeProfileImage(session.record), session.custom);
    copy.replace(offset, length, QByteArray(length, value));
    return copy;
}

// Confirms the dialog; when it refuses, leaves it the way its Cancel does.
std::function<int(QDialog &)> confirm()
{
    return [](QDialog &dialog) {
        QTest::mouseClick(FindControl<QPushButton>(dialog, "okButton"), Qt::LeftButton);
        if (dialog.isVisible())
            dialog.reject();
        return dialog.result();
    };
}

void clickPageButton(StartedWindow &started, const char *name)
{
    auto *button = started.control<QPushButton>(name);
    if (button->isEnabled())
        QTest::mouseClick(button, Qt::LeftButton);
}

void fixThePage(StartedWindow &started)
{
    started.control<QLineEdit>("instantNumberEdit")->setText("99");
    for (int i = 1; i <= 4; ++i) {
        started.control<QLineEdit>(QString("phoneNumber%1Edit").arg(i).toLatin1().constData())->clear();
        started.control<QLineEdit>(QString("receiveEmail%1Edit").arg(i).toLatin1().constData())->clear();
    }
    started.control<QComboBox>("smsSwitchCombo")->setCurrentIndex(0);
    started.control<QLineEdit>("receiveEmail1Edit")->setText("jane@example.org");
    started.control<QComboBox>("renameCombo")->setCurrentIndex(0);
    started.control<QLineEdit>("renameEdit")->clear();
}

bool soundByte(int value, int count)
{
    return value < count || value == 0xFF;
}

bool soundWord(int value, int count)
{
    return value < count || value == 0xFFFF;
}

} // namespace

class TestHostileWorkingCopies : public QObject
{
    Q_OBJECT

private slots:
    void confirmAndSaveThroughTheForms_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("value");

        const std::map<int, int> invalid = firstInvalidValues();
        for (int offset = 0; offset < int(kProfileRecordSize); ++offset) {
            const auto found = invalid.find(offset);
            const int outside = found != invalid.end() ? found->second : 0x80;
            QTest::addRow("byte %d = %d", offset, outside) << offset << 1 << outside;
            if (outside != 0xFF)
                QTest::addRow("byte %d = 255", offset) << offset << 1 << 0xFF;
        }

        // Texts without their terminating zero, in the record and in the custom entries.
        ProfileRecord layout{};
        const auto *base = reinterpret_cast<const char *>(&layout);
        ForEachTextField(layout, [&](std::span<char> field) {
            const int offset = int(field.data() - base);
            QTest::addRow("text at %d filled", offset) << offset << int(field.size()) << int('A');
        });
        for (int entry = 0; entry < 4; ++entry) {
            OperatorEntry entryLayout{};
            const auto *entryBase = reinterpret_cast<const char *>(&entryLayout);
            ForEachTextField(entryLayout, [&](std::span<char> field) {
                const int offset = int(kProfileRecordSize) + 264 * entry + int(field.data() - entryBase);
                QTest::addRow("custom text at %d filled", offset) << offset << int(field.size()) << int('A');
            });
        }
    }

    void confirmAndSaveThroughTheForms()
    {
        QFETCH(int, offset);
        QFETCH(int, length);
        QFETCH(int, value);

        ProfileSession session;
        RestoreSettings(workingCopyWith(offset, length, char(value)), session.record, session.custom, 0);
        session.currentArea = kStartupArea;
        session.record.area = 2;
        // The page may refuse the loaded values, as it must refuse typed ones.
        if (StoreThroughForms(session))
            QCOMPARE(StoreCorrectedPage(session), std::nullopt);
        verifySaved(WorkingCopyBytes(EncodeProfileImage(session.record), session.custom), session);
    }

    // One byte of each kind of field through the real window and files.
    void startConfirmAndSave_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("value");

        QTest::newRow("camera choice") << 22 << 1 << 6;
        QTest::newRow("hidden camera choice") << 56 << 1 << 0xFF;
        QTest::newRow("work-time switch") << 37 << 1 << 2;
        QTest::newRow("work-time minute") << 44 << 1 << 60;
        QTest::newRow("page choice") << 68 << 1 << 2;
        QTest::newRow("page hour") << 73 << 1 << 24;
        QTest::newRow("instant number") << 74 << 1 << 100;
        QTest::newRow("send mode bits") << 75 << 1 << 0xFF;
        QTest::newRow("page word") << 78 << 1 << 2;
        QTest::newRow("SMS Switch word") << 87 << 1 << 1;
        QTest::newRow("operator position") << 80 << 1 << 14;
        QTest::newRow("country position") << 81 << 1 << 20;
        QTest::newRow("sender position") << 111 << 1 << EmailPresets::kProviderCount;
        QTest::newRow("rename text filled") << 90 << 16 << int('A');
        QTest::newRow("sender text filled") << 448 << 48 << int('A');
        QTest::newRow("recipient filled") << 784 << 48 << int('A');
        QTest::newRow("custom text filled") << 976 + 264 + 32 << 64 << int('A');
    }

    void startConfirmAndSave()
    {
        QFETCH(int, offset);
        QFETCH(int, length);
        QFETCH(int, value);

        ScopedTempFolder temp;
        QTemporaryDir card;
        QVERIFY(writeFile(temp.workingCopyPath(), workingCopyWith(offset, length, char(value))));

        StartedWindow started;
        started.prompter.modalActions.enqueue(confirm());
        clickPageButton(started, "camSettingButton");
        started.prompter.modalActions.enqueue(confirm());
        clickPageButton(started, "emailSettingButton");
        started.prompter.modalActions.enqueue(confirm());
        clickPageButton(started, "customButton");
        started.prompter.modalActions.clear();

        started.control<QLineEdit>("savePathEdit")->setText(card.path());
        // A question before saving is answered Yes.
        started.prompter.yesNoAnswers << true << true;
        const QString saved = "PROFILE.BIN has been saved in " + card.path();
        // Loaded settings that cannot send are saved all the same when the user says so.
        started.prompter.yesNoAnswers.enqueue(true);
        clickPageButton(started, "okButton");
        if (started.prompter.lastMessage().text != saved) {
            // The page refused the loaded values, as it must refuse typed ones.
            QVERIFY(!QFile::exists(card.path() + "/PROFILE.BIN"));
            fixThePage(started);
            started.prompter.yesNoAnswers.enqueue(true);
            clickPageButton(started, "okButton");
        }
        QCOMPARE(started.prompter.lastMessage().text, saved);

        const QByteArray copy = readFile(temp.workingCopyPath());
        QCOMPARE(readFile(card.path() + "/PROFILE.BIN"), copy.mid(20, 956));
        verifySaved(copy, started.session);
    }

private:
    static void verifySaved(const QByteArray &copy, const ProfileSession &session)
    {
        QCOMPARE(copy.size(), 2032);
        const QByteArray plain = decodeWords(copy.left(976));
        ProfileRecord record;
        std::memcpy(static_cast<void *>(&record), plain.constData(), sizeof record);
        CustomOperators custom;
        std::memcpy(static_cast<void *>(&custom), copy.constData() + 976, sizeof custom);
        QVERIFY(TextFieldsTerminated(record));
        QVERIFY(TextFieldsTerminated(custom));

        for (const SettingGroup &group : CameraGroups())
            for (const SettingRow &row : group.rows)
                QVERIFY2(soundByte(row.place().read(&record), row.itemCount()), qPrintable(row.label()));
        for (const WorkTimeWindow &window :
             {record.work_time_1, record.work_time_2, record.work_time_3, record.work_time_4}) {
            QVERIFY(soundByte(window.switch_, 2));
            QVERIFY(soundByte(window.start_hour, 24) && soundByte(window.stop_hour, 24));
            QVERIFY(soundByte(window.start_minute, 60) && soundByte(window.stop_minute, 60));
            QCOMPARE(window.week_mask >> 7, window.switch_ & 1);
        }
        QVERIFY(soundByte(record.gps, 2));
        QVERIFY(soundByte(record.daily_report_minute, 60));
        QVERIFY(soundByte(record.daily_report_hour, 24));
        QVERIFY(record.instant_number <= 99);
        QVERIFY(record.send_mode <= 3);
        QVERIFY(record.send_to <= 1);
        QVERIFY(record.country_index < session.catalogue.countryCount());
        QVERIFY(record.operator_index < session.catalogue.operatorItems(record.country_index).size());
        QVERIFY(soundWord(record.email_size, 2));
        QVERIFY(soundWord(record.rename, 2));
        QVERIFY(soundWord(record.sms_switch, 3));
        QVERIFY(soundByte(record.sms_start_hour, 24) && soundByte(record.sms_stop_hour, 24));
        QVERIFY(record.select_email < EmailPresets::kProviderCount);
        QCOMPARE(record.area, 2);
    }
};

QTEST_MAIN(TestHostileWorkingCopies)
#include "tst_hostile_working_copies.moc"

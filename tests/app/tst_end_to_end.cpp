// The tool's main job from the user's side: set the page and the dialogs,
// press "OK", find every setting at its bytes on the card, and get the
// settings back at the next start. Expected bytes are written down from the
// byte layout, never taken from the code under test.
#include "support/hex_bytes.h"
#include "support/started_window.h"
#include "support/temp_env.h"
#include "support/word_codec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

namespace {

// The record a first start gives once "OK" has stored its header value, with
// no recipient: the layout's defaults.
QByteArray firstStartRecord()
{
    QByteArray record(976, '\0');
    const auto put = [&record](int offset, const QByteArray &bytes) { record.replace(offset, bytes.size(), bytes); };
    put(0, hexBytes("56 00 2E 30 32 2E 31 35"));   // version mark over the initial tag
    put(16, hexBytes("02 00"));                     // header value stored by "OK"
    put(20, hexBytes("00 00 02 00 01 01 01 00 01 05 07"
                     "00 00 00 00 00 FF  00 00 00 00 00 FF  00 00 00 00 00 FF  00 00 00 00 00 FF"
                     "00 00 01"));                  // camera block 20..57
    put(59, hexBytes("02"));                        // area
    put(72, hexBytes("00 00 63 01 00 00 01 00"));   // report time, instant 99, send mode, send to Email
    put(82, hexBytes("01 00"));                     // small photos
    put(106, hexBytes("05 00 00 00"));
    put(112, "Auto");                               // operator of the country "Auto"
    put(376, "smtp.1und1.de");                      // the default sender
    put(440, "25");
    put(446, hexBytes("40"));
    return record;
}

// A built-in custom operator entry: its name, gateway 0.0.0.0 and port 0.
QByteArray customEntry(const QByteArray &name)
{
    QByteArray entry(264, '\0');
    entry.replace(0, name.size(), name);
    entry.replace(96, 7, "0.0.0.0");
    entry.replace(112, 1, "0");
    return entry;
}

// "72: 2A 11" puts bytes, "592=5550001" a text (its zero follows from the base).
void applyPatch(QByteArray &record, const QString &patch)
{
    const qsizetype colon = patch.indexOf(u':');
    const qsizetype equals = patch.indexOf(u'=');
    const bool isText = equals >= 0 && (colon < 0 || equals < colon);
    const qsizetype split = isText ? equals : colon;
    const int offset = patch.left(split).trimmed().toInt();
    const QByteArray bytes = isText ? patch.mid(split + 1).toLatin1() : hexBytes(patch.mid(split + 1).toLatin1());
    record.replace(offset, bytes.size(), bytes);
}

QComboBox *comboShowing(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text, Qt::MatchExactly);
    if (index < 0)
        qFatal("%s has no item %s", qPrintable(combo->objectName()), qPrintable(text));
    combo->setCurrentIndex(index);
    return combo;
}

// "name=value": a combo chooses the item with that text, a field is typed
// into, a radio button is clicked; "workTimeNDays=Mon Wed" sets the seven days.
void act(const QWidget &window, const QString &step)
{
    const qsizetype equals = step.indexOf(u'=');
    const QByteArray name = step.left(equals).toLatin1();
    const QString value = step.mid(equals + 1);
    if (name.endsWith("Days")) {
        const QByteArray prefix = name.chopped(4);
        for (const char *day : {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}) {
            auto *box = FindControl<QCheckBox>(window, (prefix + day + "Check").constData());
            if (box->isChecked() != value.split(u' ').contains(QString::fromLatin1(day)))
                box->click();
        }
        return;
    }
    QObject *control = nullptr;
    for (QObject *child : window.findChildren<QObject *>(QString::fromLatin1(name)))
        if (qobject_cast<QWidget *>(child) && static_cast<QWidget *>(child)->window() == window.window())
            control = child;
    if (auto *combo = qobject_cast<QComboBox *>(control)) {
        comboShowing(combo, value);
    } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        edit->clear();
        QTest::keyClicks(edit, value);
    } else if (auto *radio = qobject_cast<QRadioButton *>(control)) {
        QTest::mouseClick(radio, Qt::LeftButton);
    } else {
        qFatal("no control for step %s", qPrintable(step));
    }
}

// Works a dialog through its steps and confirms it.
std::function<int(QDialog &)> confirmed(const QStringList &steps)
{
    return [steps](QDialog &dialog) {
        for (const QString &step : steps)
            act(dialog, step);
        QTest::mouseClick(FindControl<QPushButton>(dialog, "okButton"), Qt::LeftButton);
        return dialog.result();
    };
}

const QStringList kGmailSender = {"selectEmailCombo=gmail", "emailEdit=hunter@gmail.com", "passwordEdit=s3cret"};

// The sender bytes those steps give.
const QStringList kGmailBytes = {"111: 01", "376=smtp.gmail.com", "440=465", "446: 41", "448=hunter@gmail.com",
                                 "496=s3cret", "520=hunter@gmail.com", "568=hunter"};

void pressOk(StartedWindow &started, const QString &folder)
{
    // A question before saving is answered Yes.
    started.prompter.yesNoAnswers.enqueue(true);
    started.control<QLineEdit>("savePathEdit")->setText(folder);
    QTest::mouseClick(started.control<QPushButton>("okButton"), Qt::LeftButton);
}

// "offset: stored != expected" for every byte that differs, for readable failures.
QString differences(const QByteArray &stored, const QByteArray &expected)
{
    QStringList lines;
    for (qsizetype i = 0; i < std::max(stored.size(), expected.size()); ++i) {
        if (stored.mid(i, 1) != expected.mid(i, 1))
            lines << QStringLiteral("%1: %2 != %3").arg(i).arg(hexText(stored.mid(i, 1)), hexText(expected.mid(i, 1)));
    }
    return lines.join(u'\n');
}

QStringList items(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

QStringList twoDigits(int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    return texts;
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void fillPressOkAndStartAgain()
    {
        ScopedTempFolder temp;
        QTemporaryDir card;
        const QByteArray address = "jane@example.org";
        {
            StartedWindow first(true);
            QTest::keyClicks(first.control<QLineEdit>("receiveEmail1Edit"), QString::fromLatin1(address));
            QTest::keyClicks(first.control<QLineEdit>("savePathEdit"), card.path());
            // The default sender has no account: the page asks, and Yes saves as before.
            first.prompter.yesNoAnswers.enqueue(true);
            QTest::mouseClick(first.control<QPushButton>("okButton"), Qt::LeftButton);

            QCOMPARE(first.prompter.calls.first().kind, FakePrompter::Kind::Question);
            QCOMPARE(first.prompter.messages().size(), 1);
            QCOMPARE(first.prompter.lastMessage().caption, QStringLiteral("Save PROFILE"));
            QCOMPARE(first.prompter.lastMessage().text, "PROFILE.BIN has been saved in " + card.path());
        }

        QByteArray record = firstStartRecord();
        record.replace(784, address.size(), address);
        const QByteArray image = encodeWords(record);
        const QByteArray profile = readFile(card.path() + "/PROFILE.BIN");
        QCOMPARE(profile.size(), 956);
        QCOMPARE(hexText(profile), hexText(image.mid(20)));

        QByteArray copy = image;
        copy += customEntry("Customer1") + customEntry("Customer2") + customEntry("Customer3")
                + customEntry("Customer");
        const QByteArray working = readFile(temp.workingCopyPath());
        QCOMPARE(working.size(), 2032);
        QCOMPARE(hexText(working), hexText(copy));

        const StartedWindow again;
        QCOMPARE(again.control<QLineEdit>("receiveEmail1Edit")->text(), QString::fromLatin1(address));
        QCOMPARE(again.session.record.header_value, 2);
        QVERIFY(again.control<QLineEdit>("savePathEdit")->text().isEmpty());
    }

    // Each row sets every stored setting of the page and every visible camera
    // control to a value off its default; within a row the values of fields
    // that could be swapped differ, and across the rows every pair differs at
    // least once. Items are chosen by their text, so a shifted list shows.
    void everyStoredSettingReachesItsBytes_data()
    {
        QTest::addColumn<QStringList>("page");
        QTest::addColumn<QStringList>("camera");
        QTest::addColumn<QStringList>("bytes");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("operatorName");
        QTest::addColumn<QByteArray>("operatorEntry"); // empty: the catalogue's carrier

        QTest::newRow("Phone, both modes, SMS set, carrier")
            << QStringList{"instantNumberEdit=23", "dailyReportCombo=On", "dailyReportHourCombo=17",
                           "dailyReportMinuteCombo=42", "receiveEmail1Edit=one@ex.org", "receiveEmail2Edit=two@ex.org",
                           "receiveEmail3Edit=three@ex.org", "receiveEmail4Edit=four@example.org",
                           "emailSizeCombo=Small Photo", "phoneRadio=", "phoneNumber1Edit=5550001",
                           "phoneNumber2Edit=5550002222", "phoneNumber3Edit=55500033",
                           "phoneNumber4Edit=555000444455566", "countryCombo=Germany", "operatorCombo=O2 Prepaid",
                           "gpsCombo=On", "smsSwitchCombo=Set", "smsStartCombo=06", "smsStopCombo=21",
                           "renameCombo=On", "renameEdit=cam7x", "renameCombo=Off"}
            << QStringList{"photoBurstCombo=7 Photos", "sendOptionCombo=6th Photo", "photoSizeCombo=16MP",
                           "flashPowerCombo=Low", "shutterSpeedCombo=Fast", "burstSpeedCombo=Slow(500ms)",
                           "cameraModeCombo=Video", "videoSizeCombo=WVGA", "videoLengthCombo=45 Sec",
                           "triggerModeCombo=Time Lapse", "pirSensitivityCombo=Low", "pirIntervalCombo=03 Min",
                           "timeLapseCombo=02 Hour", "overwriteCombo=Off", "languageCombo=Swedish",
                           "workTime2SwitchCombo=On", "workTime2StartHourCombo=07", "workTime2StartMinuteCombo=15",
                           "workTime2StopHourCombo=19", "workTime2StopMinuteCombo=45", "workTime2Days=Mon Wed Sat"}
            << QStringList{"20: 01 00 04 06 00 02 08 01 00 0D 0E",
                           "31: 00 00 00 00 00 7F  01 07 0F 13 2D CA  00 00 00 00 00 7F  00 00 00 00 00 7F",
                           "55: 09 00 00 00", "68: 01 01 01 05", "72: 2A 11 17 03 00 00 00 00",
                           "80: 02 07 01 00 00 00 02 00 15 06", "90=CAM7X", "592=5550001", "640=5550002222",
                           "688=55500033", "736=555000444455566", "784=one@ex.org", "832=two@ex.org",
                           "880=three@ex.org", "928=four@example.org"}
            << "Germany" << "O2 Prepaid" << QByteArray();

        QTest::newRow("Email, report only, SMS all day, Customer3")
            << QStringList{"instantNumberEdit=0", "instantCombo=Off", "dailyReportCombo=On",
                           "dailyReportHourCombo=19", "dailyReportMinuteCombo=08", "emailSizeCombo=Big Photo/Video",
                           "receiveEmail3Edit=x@y.org", "countryCombo=Customer", "operatorCombo=Customer3",
                           "smsSwitchCombo=On(24hour)", "phoneNumber1Edit=0049301234567", "renameCombo=On",
                           "renameEdit=Z9"}
            << QStringList{"photoBurstCombo=10 Photos", "sendOptionCombo=9th Photo", "photoSizeCombo=20MP",
                           "shutterSpeedCombo=Fast", "videoSizeCombo=1080P", "videoLengthCombo=60 Sec",
                           "triggerModeCombo=Both", "pirSensitivityCombo=High", "pirIntervalCombo=60 Min",
                           "timeLapseCombo=24 Hour", "overwriteCombo=Off", "languageCombo=Finnish",
                           "workTime4SwitchCombo=On", "workTime4StartHourCombo=23", "workTime4StartMinuteCombo=05",
                           "workTime4StopHourCombo=01", "workTime4StopMinuteCombo=50", "workTime4Days=Sun Fri"}
            << QStringList{"20: 00 00 05 09 01 00 0B 02 02 1A 18",
                           "31: 00 00 00 00 00 7F  00 00 00 00 00 7F  00 00 00 00 00 7F  01 17 05 01 32 A1",
                           "55: 03 00 00 00", "68: 00 01 00 08", "72: 08 13 00 02 00 00 01 00",
                           "80: 02 13 00 00 01 00 01 00 00 00", "90=Z9", "592=0049301234567", "880=x@y.org"}
            << "Customer" << "Customer3" << customEntry("Customer3");

        QTest::newRow("Email, instant only, Customer item of a country")
            << QStringList{"dailyReportCombo=On", "dailyReportHourCombo=23", "dailyReportMinuteCombo=59",
                           "dailyReportCombo=Off", "instantNumberEdit=98", "receiveEmail4Edit=last@ex.org",
                           "countryCombo=Danmark", "operatorCombo=Customer", "gpsCombo=On", "smsSwitchCombo=Set",
                           "smsStartCombo=13", "smsStopCombo=00", "phoneNumber1Edit=1234", "renameCombo=On", "renameEdit=0",
                           "renameCombo=Off"}
            << QStringList{"photoBurstCombo=3 Photos", "sendOptionCombo=2nd Photo", "photoSizeCombo=3MP",
                           "cameraModeCombo=Video", "videoLengthCombo=05 Sec", "pirIntervalCombo=05 Sec",
                           "timeLapseCombo=03 Min", "languageCombo=Italian", "workTime1SwitchCombo=On",
                           "workTime3SwitchCombo=On", "workTime3StartHourCombo=12", "workTime3StartMinuteCombo=30",
                           "workTime3StopHourCombo=12", "workTime3StopMinuteCombo=31", "workTime3Days=Tue Thu"}
            << QStringList{"20: 01 00 00 02 01 01 00 00 01 00 00",
                           "31: 01 00 00 00 00 FF  00 00 00 00 00 7F  01 0C 1E 0C 1F 94  00 00 00 00 00 7F",
                           "55: 07 00 01 00", "68: 01 00 00 01", "72: 3B 17 62 01 00 00 01 00",
                           "80: 0C 04 01 00 00 00 02 00 00 0D", "90=0", "592=1234", "928=last@ex.org"}
            << "Danmark" << "Customer" << customEntry("Customer");
    }

    void everyStoredSettingReachesItsBytes()
    {
        QFETCH(QStringList, page);
        QFETCH(QStringList, camera);
        QFETCH(QStringList, bytes);
        QFETCH(QString, country);
        QFETCH(QString, operatorName);
        QFETCH(QByteArray, operatorEntry);

        ScopedTempFolder temp;
        QTemporaryDir card;
        QByteArray expected = firstStartRecord();
        {
            StartedWindow started(true);
            for (const QString &step : page)
                act(*started.window, step);
            started.prompter.modalActions.enqueue(confirmed(camera));
            QTest::mouseClick(started.control<QPushButton>("camSettingButton"), Qt::LeftButton);
            started.prompter.modalActions.enqueue(confirmed(kGmailSender));
            QTest::mouseClick(started.control<QPushButton>("emailSettingButton"), Qt::LeftButton);
            pressOk(started, card.path());
            QCOMPARE(started.prompter.lastMessage().text, "PROFILE.BIN has been saved in " + card.path());
        }
        if (!operatorEntry.isEmpty())
            expected.replace(112, 264, operatorEntry);
        for (const QString &patch : bytes + kGmailBytes)
            applyPatch(expected, patch);

        QByteArray stored = recordFromProfileFile(readFile(card.path() + "/PROFILE.BIN"));
        QCOMPARE(stored.size(), 976);
        stored.replace(0, 20, expected.left(20)); // not on the card
        if (operatorEntry.isEmpty()) {
            // A carrier's parameters are the catalogue's: its name pins the position.
            QCOMPARE(stored.mid(112, 32).left(operatorName.size() + 1), operatorName.toLatin1() + '\0');
            expected.replace(112, 264, stored.mid(112, 264));
        }
        QCOMPARE(differences(stored, expected), QString());

        // The next start shows the same items again.
        const StartedWindow again;
        QCOMPARE(again.control<QComboBox>("countryCombo")->currentText(), country);
        QCOMPARE(again.control<QComboBox>("operatorCombo")->currentText(), operatorName);
    }

    // Every fixed list, written out: the stored byte is the item's position.
    void fixedListsAndCaptions_data()
    {
        QTest::addColumn<QString>("dialog"); // the page button that opens it, empty for the page
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("texts"); // the items, or the window caption

        const QStringList offOn = {"Off", "On"};
        const auto page = [](const char *name, const QStringList &texts) {
            QTest::newRow(name) << QString() << QString::fromLatin1(name) << texts;
        };
        const auto camera = [](const char *name, const QStringList &texts) {
            QTest::newRow(name) << "camSettingButton" << QString::fromLatin1(name) << texts;
        };
        page("instantCombo", offOn);
        page("dailyReportCombo", offOn);
        page("dailyReportHourCombo", twoDigits(24));
        page("dailyReportMinuteCombo", twoDigits(60));
        page("emailSizeCombo", {"Big Photo/Video", "Small Photo"});
        page("gpsCombo", offOn);
        page("smsSwitchCombo", {"Off", "On(24hour)", "Set"});
        page("smsStartCombo", twoDigits(24));
        page("smsStopCombo", twoDigits(24));
        page("renameCombo", offOn);
        page("countryCombo", {"Auto", "Austria", "Cyprus", "Czech Repblic", "Danmark", "Estonia", "Finland", "Germany",
                              "Hungary", "Israel", "Italy", "Netherland", "Norge", "Norway", "Russia", "Slovakia",
                              "Sweden", "Swiss", "United Kingdom", "Customer"});
        page("operatorCombo", {"Auto"});
        camera("cameraModeCombo", {"Photo", "Video"});
        camera("cameraSceneCombo", {"Auto", "Customize"});
        camera("videoSizeCombo", {"1080P", "720P", "WVGA"});
        camera("videoLengthCombo", {"05 Sec", "10 Sec", "15 Sec", "20 Sec", "25 Sec", "30 Sec", "35 Sec", "40 Sec",
                                    "45 Sec", "50 Sec", "55 Sec", "60 Sec"});
        camera("photoSizeCombo", {"3MP", "5MP", "8MP", "12MP", "16MP", "20MP"});
        camera("flashPowerCombo", {"Low", "High"});
        camera("shutterSpeedCombo", {"Normal", "Fast"});
        camera("photoBurstCombo", {"1 Photo", "2 Photos", "3 Photos", "4 Photos", "5 Photos", "6 Photos", "7 Photos",
                                   "8 Photos", "9 Photos", "10 Photos"});
        camera("sendOptionCombo", {"1st Photo", "2nd Photo", "3rd Photo", "4th Photo", "5th Photo", "6th Photo",
                                   "7th Photo", "8th Photo", "9th Photo", "10th Photo"});
        camera("burstSpeedCombo", {"Fast(200ms)", "Slow(500ms)"});
        camera("triggerModeCombo", {"PIR Trigger", "Time Lapse", "Both"});
        camera("pirSensitivityCombo", {"Low", "Auto", "High"});
        camera("pirIntervalCombo", {"05 Sec", "10 Sec", "15 Sec", "20 Sec", "25 Sec", "30 Sec", "35 Sec", "40 Sec",
                                    "45 Sec", "50 Sec", "55 Sec", "01 Min", "02 Min", "03 Min", "04 Min", "05 Min",
                                    "10 Min", "15 Min", "20 Min", "25 Min", "30 Min", "35 Min", "40 Min", "45 Min",
                                    "50 Min", "55 Min", "60 Min"});
        camera("timeLapseCombo", {"03 Min", "04 Min", "05 Min", "10 Min", "15 Min", "20 Min", "25 Min", "30 Min",
                                  "35 Min", "40 Min", "45 Min", "50 Min", "55 Min", "01 Hour", "02 Hour", "03 Hour",
                                  "04 Hour", "05 Hour", "06 Hour", "07 Hour", "08 Hour", "12 Hour", "16 Hour",
                                  "20 Hour", "24 Hour"});
        camera("overwriteCombo", offOn);
        camera("languageCombo", {"English", "Czech", "Danish", "Finnish", "French", "Germany", "Hungarian", "Italian",
                                 "Norway", "Swedish"});
        camera("rfSwitchCombo", {"Off", "Trigger", "On"});
        camera("beepCombo", offOn);
        camera("workTime3SwitchCombo", offOn);
        camera("workTime4StartHourCombo", twoDigits(24));
        camera("workTime1StopMinuteCombo", twoDigits(60));
        QTest::newRow("main window") << QString() << QString() << QStringList{"Quenda V5.02.15"};
        QTest::newRow("camera") << "camSettingButton" << QString() << QStringList{"Camera Parameter Setting"};
        QTest::newRow("sender") << "emailSettingButton" << QString() << QStringList{"Sender Email Setting"};
        QTest::newRow("operator") << "customButton" << QString() << QStringList{"Operator Parameter Setting"};
    }

    void fixedListsAndCaptions()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, control);
        QFETCH(QStringList, texts);

        ScopedTempFolder temp;
        StartedWindow started;
        if (dialog == "customButton")
            comboShowing(started.control<QComboBox>("countryCombo"), "Customer");
        QStringList shown;
        const auto look = [&](const QWidget &window) {
            shown = control.isEmpty() ? QStringList{window.windowTitle()}
                                      : items(FindControl<QComboBox>(window, control.toLatin1().constData()));
        };
        if (dialog.isEmpty()) {
            look(*started.window);
        } else {
            started.prompter.modalActions.enqueue([&](QDialog &d) {
                look(d);
                return int(QDialog::Rejected);
            });
            QTest::mouseClick(started.control<QPushButton>(dialog.toLatin1().constData()), Qt::LeftButton);
        }
        QCOMPARE(shown, texts);
    }

    // "Default All" after a save: the default sender the last "OK" chose for
    // the country, the SMS hours the defaults leave alone, the rename cleared.
    void defaultAllPutsItsDefaultsIntoTheRecord_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QStringList>("sender");

        QTest::newRow("Finland") << "Finland" << QStringList{"440=465", "446: 41"};
        QTest::newRow("Germany") << "Germany" << QStringList{"376=smtp.1und1.de", "440=25", "446: 40"};
    }

    void defaultAllPutsItsDefaultsIntoTheRecord()
    {
        QFETCH(QString, country);
        QFETCH(QStringList, sender);

        ScopedTempFolder temp;
        QTemporaryDir card;
        StartedWindow started(true);
        for (const QString &step : {"countryCombo=" + country, QStringLiteral("receiveEmail1Edit=a@b.org"),
                                    QStringLiteral("gpsCombo=On"), QStringLiteral("smsSwitchCombo=Set"),
                                    QStringLiteral("smsStartCombo=08"), QStringLiteral("smsStopCombo=20"),
                                    QStringLiteral("phoneNumber1Edit=12345"), QStringLiteral("renameCombo=On"),
                                    QStringLiteral("renameEdit=TRAIL1")})
            act(*started.window, step);
        pressOk(started, card.path());
        QCOMPARE(started.prompter.lastMessage().text, "PROFILE.BIN has been saved in " + card.path());

        started.prompter.yesNoAnswers.enqueue(true);
        QTest::mouseClick(started.control<QPushButton>("defaultAllButton"), Qt::LeftButton);
        QVERIFY(!QFile::exists(temp.workingCopyPath()));

        QByteArray expected = firstStartRecord();
        expected.replace(376, 216, QByteArray(216, '\0'));
        for (const QString &patch : sender + QStringList{"16: 01 00", "88: 14 08"})
            applyPatch(expected, patch);
        const QByteArray record(reinterpret_cast<const char *>(&started.session.record), 976);
        QCOMPARE(differences(record, expected), QString());
        QCOMPARE(started.control<QComboBox>("countryCombo")->currentText(), QStringLiteral("Auto"));
        QVERIFY(started.control<QLineEdit>("renameEdit")->text().isEmpty());
    }

    // The operator transfer is step 6 of "OK": a check before it keeps the
    // custom entry as it was, a check after it finds the edit already there.
    void aFailedCheckAndTheCustomEntry_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("transferred");

        QTest::newRow("instant number, before") << "instantNumberEdit=120"
                                                << "Instant number is out of the range(0-99)!" << false;
        QTest::newRow("recipients, after") << "receiveEmail1Edit=" << "The Email must not be null!" << true;
    }

    void aFailedCheckAndTheCustomEntry()
    {
        QFETCH(QString, step);
        QFETCH(QString, message);
        QFETCH(bool, transferred);

        ScopedTempFolder temp;
        QTemporaryDir card;
        StartedWindow started(true);
        act(*started.window, "receiveEmail1Edit=a@b.org");
        act(*started.window, "countryCombo=Customer");
        act(*started.window, "operatorCombo=Customer2");
        started.prompter.modalActions.enqueue(confirmed({"mmsApnEdit=mms.edited"}));
        QTest::mouseClick(started.control<QPushButton>("customButton"), Qt::LeftButton);
        act(*started.window, step);
        pressOk(started, card.path());

        QCOMPARE(started.prompter.lastMessage().text, message);
        QVERIFY(!QFile::exists(card.path() + "/PROFILE.BIN"));
        QByteArray entry = customEntry("Customer2");
        if (transferred)
            entry.replace(120, 10, "mms.edited");
        const OperatorEntry &custom = started.session.custom.country_customers[1];
        QCOMPARE(differences(QByteArray(reinterpret_cast<const char *>(&custom), 264), entry), QString());
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_end_to_end.moc"

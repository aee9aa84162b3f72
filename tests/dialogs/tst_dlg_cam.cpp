#include "dialogs/dlg_cam.h"
#include "support/fake_prompter.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

template <typename Widget = QWidget>
Widget *control(QWidget &dialog, const QString &name)
{
    auto *widget = dialog.findChild<Widget *>(name);
    if (!widget)
        qFatal("no control named %s", qPrintable(name));
    return widget;
}

QComboBox *combo(QWidget &dialog, const QString &name)
{
    return control<QComboBox>(dialog, name);
}

QCheckBox *check(QWidget &dialog, const QString &name)
{
    return control<QCheckBox>(dialog, name);
}

void press(QWidget &dialog, const QString &name)
{
    control<QPushButton>(dialog, name)->click();
}

// As the keyboard does: Space toggles a focused box.
void toggle(QCheckBox *box)
{
    QTest::keyClick(box, Qt::Key_Space);
}

ProfileRecord defaultRecord()
{
    ProfileRecord record = InitialProfileRecord();
    SetProfileDefaults(record, 2);
    return record;
}

// What assistive tools name the control by: its own name, else its buddy label, else its text.
QString accessibleName(QWidget *widget)
{
    if (!widget->accessibleName().isEmpty())
        return widget->accessibleName();
    for (const QLabel *label : widget->window()->findChildren<QLabel *>()) {
        if (label->buddy() == widget)
            return label->text();
    }
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

const QString kStartStop = QStringLiteral("Please check Work Time Start and Stop point.");
const QString kSendOption = QStringLiteral("Please Setting This Send Option <= Photo Burst.");

} // namespace

class TestDlgCam : public QObject
{
    Q_OBJECT

private slots:
    void opensFromTheRecordAndStoresOnOk()
    {
        ProfileRecord record = defaultRecord();
        record.camera_mode = 1;
        record.photo_size = 20;
        record.trigger_mode = 1;
        record.work_time_2 = {1, 22, 0, 6, 0, 0x02};
        FakePrompter prompter;
        DlgCAM dialog(record, prompter);
        prompter.modalActions.enqueue([](QDialog &d) {
            press(d, QStringLiteral("okButton"));
            return d.result();
        });

        QCOMPARE(dialog.run(), int(QDialog::Accepted));
        QCOMPARE(combo(dialog, "cameraModeCombo")->currentIndex(), 1);
        QCOMPARE(combo(dialog, "photoSizeCombo")->currentIndex(), -1);
        QCOMPARE(combo(dialog, "photoSizeCombo")->currentText(), QString());
        QVERIFY(!combo(dialog, "photoSizeCombo")->isEnabled());
        QVERIFY(!control<QLabel>(dialog, "photoSizeLabel")->isEnabled());
        QVERIFY(combo(dialog, "videoSizeCombo")->isEnabled());
        QVERIFY(!combo(dialog, "pirIntervalCombo")->isEnabled());
        QVERIFY(combo(dialog, "timeLapseCombo")->isEnabled());
        QCOMPARE(combo(dialog, "workTime2StartHourCombo")->currentText(), QStringLiteral("22"));
        QVERIFY(combo(dialog, "workTime2StartHourCombo")->isEnabled());
        QVERIFY(!combo(dialog, "workTime1StartHourCombo")->isEnabled());
        QVERIFY(!check(dialog, "workTime1SunCheck")->isEnabled());
        QVERIFY(check(dialog, "workTime2MonCheck")->isChecked());
        QVERIFY(!check(dialog, "workTime2AllCheck")->isChecked());
        QVERIFY(prompter.messages().isEmpty());

        QCOMPARE(record.photo_size, 255);
        QCOMPARE(record.camera_mode, 1);
        QCOMPARE(record.work_time_2, (WorkTimeWindow{1, 22, 0, 6, 0, 0x82}));
    }

    void controlsAreNamedByTheirLabels_data()
    {
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("name");

        QTest::newRow("camera mode") << "cameraModeCombo" << "Camera Mode";
        QTest::newRow("send option") << "sendOptionCombo" << "Send Option";
        QTest::newRow("time lapse") << "timeLapseCombo" << "Time Lapse";
        QTest::newRow("language") << "languageCombo" << "Language";
        QTest::newRow("switch") << "workTime3SwitchCombo" << "Switch";
        QTest::newRow("start hour") << "workTime1StartHourCombo" << "Work Time 1 Start hour";
        QTest::newRow("stop minute") << "workTime4StopMinuteCombo" << "Work Time 4 Stop minute";
        QTest::newRow("all, window 1") << "workTime1AllCheck" << "ALL";
        QTest::newRow("all, window 2") << "workTime2AllCheck" << "All";
        QTest::newRow("saturday") << "workTime2SatCheck" << "Sat";
        QTest::newRow("default") << "defaultButton" << "Default";
    }

    void controlsAreNamedByTheirLabels()
    {
        QFETCH(QString, objectName);
        QFETCH(QString, name);

        ProfileRecord record = defaultRecord();
        FakePrompter prompter;
        DlgCAM dialog(record, prompter);
        QCOMPARE(accessibleName(control(dialog, objectName)), name);
    }

    void noDefaultButtonAndHiddenControls()
    {
        ProfileRecord record = defaultRecord();
        FakePrompter prompter;
        DlgCAM dialog(record, prompter);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Camera Parameter Setting"));
        for (const QPushButton *button : dialog.findChildren<QPushButton *>())
            QVERIFY2(!button->autoDefault() && !button->isDefault(), qPrintable(button->objectName()));
        for (const char *name : {"cameraSceneCombo", "rfSwitchCombo", "beepCombo"})
            QVERIFY2(combo(dialog, name)->isHidden(), name);
        QVERIFY(!combo(dialog, "cameraModeCombo")->isHidden());
    }

    void burstCorrectsSendOption()
    {
        ProfileRecord record = defaultRecord();
        record.photo_burst = 9;
        record.send_option = 4;
        FakePrompter prompter;
        DlgCAM dialog(record, prompter);
        int sendAfterCorrection = -1;
        prompter.modalActions.enqueue([&](QDialog &d) {
            combo(d, "photoBurstCombo")->setCurrentIndex(2);
            sendAfterCorrection = combo(d, "sendOptionCombo")->currentIndex();
            combo(d, "photoBurstCombo")->setCurrentIndex(0);
            press(d, QStringLiteral("okButton"));
            return d.result();
        });

        QCOMPARE(dialog.run(), int(QDialog::Accepted));
        QCOMPARE(sendAfterCorrection, 2);
        QCOMPARE(prompter.messages().size(), 1);
        QCOMPARE(prompter.lastMessage(),
                 (Message{QStringLiteral("Send Option Setting"), kSendOption, Message::Icon::Warning}));
        QVERIFY(!combo(dialog, "sendOptionCombo")->isEnabled());
        QVERIFY(!combo(dialog, "burstSpeedCombo")->isEnabled());
        QCOMPARE(record.photo_burst, 0);
        QCOMPARE(record.send_option, 2);
    }

    void longVideoIsWarnedAndKept()
    {
        ProfileRecord record = defaultRecord();
        record.camera_mode = 1;
        FakePrompter prompter;
        DlgCAM dialog(record, prompter);
        qsizetype notesAt20 = -1;
        prompter.modalActions.enqueue([&](QDialog &d) {
            combo(d, "videoLengthCombo")->setCurrentIndex(3);
            notesAt20 = prompter.messages().size();
            combo(d, "videoLengthCombo")->setCurrentIndex(4);
            press(d, QStringLiteral("okButton"));
            return d.result();
        });

        dialog.run();
        QCOMPARE(notesAt20, 0);
        QCOMPARE(prompter.messages().size(), 1);
        QCOMPARE(prompter.lastMessage().caption, QStringLiteral("Video Length Setting"));
        QCOMPARE(prompter.lastMessage().icon, Message::Icon::Warning);
        QCOMPARE(record.video_length, 4);
    }

    void modeAndTriggerEnableTheirControls()
    {
        ProfileRecord record = defaultRecord();
        FakePrompter prompter;
        DlgCAM dialog(record, prompter);
        dialog.run();
        QVERIFY(combo(dialog, "flashPowerCombo")->isEnabled());
        QVERIFY(!combo(dialog, "timeLapseCombo")->isEnabled());

        combo(dialog, "cameraModeCombo")->setCurrentIndex(1);
        combo(dialog, "triggerModeCombo")->setCurrentIndex(2);
        QVERIFY(!combo(dialog, "flashPowerCombo")->isEnabled());
        QVERIFY(!control<QLabel>(dialog, "flashPowerLabel")->isEnabled());
        QVERIFY(combo(dialog, "videoLengthCombo")->isEnabled());
        QVERIFY(combo(dialog, "pirSensitivityCombo")->isEnabled());
        QVERIFY(combo(dialog, "timeLapseCombo")->isEnabled());
        QVERIFY(control<QLabel>(dialog, "timeLapseLabel")->isEnabled());
    }

    void workTimeBoxesFollowEachOther()
    {
        ProfileRecord record = defaultRecord();
        FakePrompter prompter;
        DlgCAM dialog(record, prompter);
        dialog.run();
        QCheckBox *all = check(dialog, "workTime2AllCheck");
        QCheckBox *tue = check(dialog, "workTime2TueCheck");
        QVERIFY(!tue->isEnabled());

        combo(dialog, "workTime2SwitchCombo")->setCurrentIndex(1);
        QVERIFY(tue->isEnabled());
        QVERIFY(combo(dialog, "workTime2StopMinuteCombo")->isEnabled());
        toggle(tue);
        QVERIFY(!tue->isChecked());
        QVERIFY(!all->isChecked());
        toggle(tue);
        QVERIFY(all->isChecked());
        toggle(all);
        QVERIFY(!all->isChecked());
        QVERIFY(tue->isChecked());
        QVERIFY(check(dialog, "workTime2SatCheck")->isChecked());
        toggle(check(dialog, "workTime2SunCheck"));
        toggle(all);
        QVERIFY(check(dialog, "workTime2SunCheck")->isChecked());
    }

    void failedCheckThenCancelKeepsTheFirstBlock()
    {
        ProfileRecord record = defaultRecord();
        record.language = 3;
        const ProfileRecord before = record;
        FakePrompter prompter;
        DlgCAM dialog(record, prompter);
        bool openAfterFailure = false;
        prompter.modalActions.enqueue([&](QDialog &d) {
            combo(d, "photoSizeCombo")->setCurrentIndex(5);
            combo(d, "cameraModeCombo")->setCurrentIndex(1);
            combo(d, "pirIntervalCombo")->setCurrentIndex(26);
            combo(d, "languageCombo")->setCurrentIndex(6);
            combo(d, "workTime1SwitchCombo")->setCurrentIndex(1);
            combo(d, "workTime1StartHourCombo")->setCurrentIndex(8);
            combo(d, "workTime1StopHourCombo")->setCurrentIndex(8);
            combo(d, "workTime1StartMinuteCombo")->setCurrentIndex(30);
            combo(d, "workTime1StopMinuteCombo")->setCurrentIndex(30);
            combo(d, "workTime2SwitchCombo")->setCurrentIndex(1);
            press(d, QStringLiteral("okButton"));
            openAfterFailure = d.isVisible();
            press(d, QStringLiteral("cancelButton"));
            return d.result();
        });

        QCOMPARE(dialog.run(), int(QDialog::Rejected));
        QVERIFY(openAfterFailure);
        QCOMPARE(prompter.messages().size(), 1);
        QCOMPARE(prompter.lastMessage(), (Message{QStringLiteral("Work Time Setting"), kStartStop, Message::Icon::None}));
        QCOMPARE(record.photo_size, 5);
        QCOMPARE(record.camera_mode, 1);
        QCOMPARE(record.pir_interval, 26);
        QCOMPARE(record.work_time_1, before.work_time_1);
        QCOMPARE(record.work_time_2, before.work_time_2);
        QCOMPARE(record.language, 3);
    }

    void defaultAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("photoSize");
        QTest::newRow("yes") << true << 2;
        QTest::newRow("no") << false << 4;
    }

    void defaultAsksFirst()
    {
        QFETCH(bool, yes);
        QFETCH(int, photoSize);

        ProfileRecord record = defaultRecord();
        record.photo_size = 4;
        record.work_time_3 = {1, 7, 0, 9, 0, 0x01};
        const ProfileRecord before = record;
        FakePrompter prompter;
        prompter.yesNoAnswers.enqueue(yes);
        DlgCAM dialog(record, prompter);
        prompter.modalActions.enqueue([](QDialog &d) {
            press(d, QStringLiteral("defaultButton"));
            press(d, QStringLiteral("cancelButton"));
            return d.result();
        });

        dialog.run();
        QCOMPARE(prompter.calls.at(1).kind, FakePrompter::Kind::Question);
        QCOMPARE(prompter.calls.at(1).caption, QStringLiteral("Camera Default Setting"));
        QCOMPARE(prompter.calls.at(1).text, QStringLiteral("You'll restore the default camera setting,\nAre you sure?"));
        QCOMPARE(combo(dialog, "photoSizeCombo")->currentIndex(), photoSize);
        QCOMPARE(combo(dialog, "workTime3SwitchCombo")->currentIndex(), yes ? 0 : 1);
        QCOMPARE(check(dialog, "workTime3AllCheck")->isChecked(), yes);
        QCOMPARE(combo(dialog, "workTime3StartHourCombo")->isEnabled(), !yes);
        QVERIFY(record == before);
    }

    void closingStoresNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("stored");

        QTest::newRow("cancel") << "cancel" << false;
        QTest::newRow("escape") << "escape" << false;
        QTest::newRow("close box") << "close" << false;
        QTest::newRow("enter in a list") << "enter" << false;
        QTest::newRow("enter on ok") << "enter on ok" << true;
    }

    void closingStoresNothing()
    {
        QFETCH(QString, how);
        QFETCH(bool, stored);

        ProfileRecord record = defaultRecord();
        const ProfileRecord before = record;
        FakePrompter prompter;
        DlgCAM dialog(record, prompter);
        prompter.modalActions.enqueue([&](QDialog &d) {
            QComboBox *language = combo(d, "languageCombo");
            language->setCurrentIndex(4);
            if (how == "cancel") {
                press(d, QStringLiteral("cancelButton"));
            } else if (how == "escape") {
                QTest::keyClick(language, Qt::Key_Escape);
            } else if (how == "close") {
                d.close();
            } else if (how == "enter") {
                QTest::keyClick(language, Qt::Key_Return);
                if (d.isVisible())
                    d.reject();
            } else {
                QPushButton *ok = control<QPushButton>(d, "okButton");
                ok->setFocus();
                QTest::keyClick(ok, Qt::Key_Return);
            }
            return d.result();
        });

        QCOMPARE(dialog.run(), int(stored ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(record.language, stored ? 4 : 0);
        if (!stored)
            QVERIFY(record == before);
    }

    void reopeningReloadsFromTheRecord()
    {
        ProfileRecord record = defaultRecord();
        record.language = 7;
        FakePrompter prompter;
        DlgCAM dialog(record, prompter);
        prompter.modalActions.enqueue([](QDialog &d) {
            combo(d, "languageCombo")->setCurrentIndex(2);
            combo(d, "workTime4SwitchCombo")->setCurrentIndex(1);
            return int(QDialog::Rejected);
        });
        dialog.run();
        dialog.run();
        QCOMPARE(combo(dialog, "languageCombo")->currentIndex(), 7);
        QCOMPARE(combo(dialog, "workTime4SwitchCombo")->currentIndex(), 0);
        QVERIFY(!combo(dialog, "workTime4StartHourCombo")->isEnabled());
    }
};

QTEST_MAIN(TestDlgCam)
#include "tst_dlg_cam.moc"

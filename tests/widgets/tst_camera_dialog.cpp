#include "settings/profile_defaults.h"
#include "widgets/camera_dialog.h"
#include "support/dialog_harness.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(WorkTimeWindow)

namespace {

template <typename Widget = QWidget>
Widget *control(QWidget &dialog, const QString &name)
{
    auto *widget = dialog.findChild<Widget *>(name);
    if (!widget)
        qFatal("no control named %s", qPrintable(name));
    return widget;
}

QComboBox *combo(QWidget &dialog, const QString &name) { return control<QComboBox>(dialog, name); }
QCheckBox *check(QWidget &dialog, const QString &name) { return control<QCheckBox>(dialog, name); }

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

// The dialog over a record that starts with the defaults.
struct Harness {
    ProfileRecord record = [] {
        ProfileRecord r = InitialProfileRecord();
        SetProfileDefaults(r, 2);
        return r;
    }();
    FakePrompter prompter;
    CameraDialog dialog{record, prompter};

    int run(const std::function<void(QDialog &)> &action = {}) { return RunDialog(prompter, dialog, action); }
    QComboBox *combo(const char *name) { return ::combo(dialog, name); }
};

} // namespace

class TestCameraDialog : public QObject
{
    Q_OBJECT

private slots:
    void opensFromTheRecordAndStoresOnOk()
    {
        Harness h;
        h.record.camera_mode = 1;
        h.record.photo_size = 20;
        h.record.trigger_mode = 1;
        h.record.work_time_2 = {1, 22, 0, 6, 0, 0x02};

        QCOMPARE(h.run([](QDialog &d) { Press(d, "okButton"); }), int(QDialog::Accepted));
        QCOMPARE(h.combo("cameraModeCombo")->currentIndex(), 1);
        QCOMPARE(h.combo("photoSizeCombo")->currentIndex(), -1);
        QVERIFY(!h.combo("photoSizeCombo")->isEnabled());
        QVERIFY(!control<QLabel>(h.dialog, "photoSizeLabel")->isEnabled());
        QVERIFY(h.combo("videoSizeCombo")->isEnabled());
        QVERIFY(!control<QLabel>(h.dialog, "pirIntervalLabel")->isEnabled());
        QVERIFY(h.combo("timeLapseCombo")->isEnabled());
        QCOMPARE(h.combo("workTime2StartHourCombo")->currentText(), QStringLiteral("22"));
        QVERIFY(h.combo("workTime2StartHourCombo")->isEnabled());
        QVERIFY(!h.combo("workTime1StartHourCombo")->isEnabled());
        QVERIFY(check(h.dialog, "workTime2MonCheck")->isChecked());
        QVERIFY(!check(h.dialog, "workTime2AllCheck")->isChecked());
        QVERIFY(h.prompter.messages().isEmpty());
        QCOMPARE(h.record.photo_size, 255);
        QCOMPARE(h.record.work_time_2, (WorkTimeWindow{1, 22, 0, 6, 0, 0x82}));
    }

    void controlsAreNamedByTheirLabels_data()
    {
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("name");

        QTest::newRow("camera mode") << "cameraModeCombo" << "Camera Mode";
        QTest::newRow("time lapse") << "timeLapseCombo" << "Time Lapse";
        QTest::newRow("switch") << "workTime3SwitchCombo" << "Work Time 3 Switch";
        QTest::newRow("start hour") << "workTime1StartHourCombo" << "Work Time 1 Start hour";
        QTest::newRow("stop minute") << "workTime4StopMinuteCombo" << "Work Time 4 Stop minute";
        QTest::newRow("all, window 1") << "workTime1AllCheck" << "Work Time 1 ALL";
        QTest::newRow("all, window 2") << "workTime2AllCheck" << "Work Time 2 All";
        QTest::newRow("default") << "defaultButton" << "Default";
    }

    void controlsAreNamedByTheirLabels()
    {
        QFETCH(QString, objectName);
        QFETCH(QString, name);

        Harness h;
        QString spoken;
        h.run([&](QDialog &d) { spoken = accessibleName(control(d, objectName)); });
        QCOMPARE(spoken, name);
    }

    void noDefaultButtonAndHiddenControls()
    {
        Harness h;
        h.run();
        QVERIFY(!h.dialog.findChildren<QPushButton *>().isEmpty());
        for (const QPushButton *button : h.dialog.findChildren<QPushButton *>())
            QVERIFY2(!button->autoDefault() && !button->isDefault(), qPrintable(button->objectName()));
        for (const char *name : {"cameraSceneCombo", "rfSwitchCombo", "beepCombo"})
            QVERIFY2(h.combo(name)->isHidden(), name);
        QVERIFY(!h.combo("cameraModeCombo")->isHidden());
    }

    void burstCorrectsSendOption()
    {
        Harness h;
        h.record.photo_burst = 9;
        h.record.send_option = 4;
        int corrected = -1;
        h.run([&](QDialog &d) {
            combo(d, "photoBurstCombo")->setCurrentIndex(2);
            corrected = combo(d, "sendOptionCombo")->currentIndex();
            combo(d, "photoBurstCombo")->setCurrentIndex(0);
            Press(d, "okButton");
        });

        QCOMPARE(corrected, 2);
        QCOMPARE(h.prompter.messages().size(), 1);
        QCOMPARE(h.prompter.lastMessage().caption, QStringLiteral("Send Option Setting"));
        QVERIFY(!h.combo("sendOptionCombo")->isEnabled());
        QVERIFY(!h.combo("burstSpeedCombo")->isEnabled());
        QCOMPARE(h.record.photo_burst, 0);
        QCOMPARE(h.record.send_option, 2);
    }

    // A note blames no setting: it is shown once and the user stays where they were.
    void aNoteIsShownOnceAndMovesNoFocus()
    {
        Harness h;
        h.record.camera_mode = 1;
        QString focused;
        h.run([&](QDialog &d) {
            combo(d, "cameraModeCombo")->setFocus();
            combo(d, "videoLengthCombo")->setCurrentIndex(4);
            focused = d.focusWidget() ? d.focusWidget()->objectName() : QString();
            Press(d, "okButton");
        });
        QCOMPARE(h.prompter.messages().size(), 1);
        QCOMPARE(h.prompter.lastMessage().caption, QStringLiteral("Video Length Setting"));
        QCOMPARE(focused, QStringLiteral("cameraModeCombo"));
        QCOMPARE(h.record.video_length, 4);
    }

    void workTimeBoxesFollowEachOther()
    {
        Harness h;
        h.run();
        QCheckBox *all = check(h.dialog, "workTime2AllCheck");
        QCheckBox *tue = check(h.dialog, "workTime2TueCheck");
        QVERIFY(!tue->isEnabled());

        h.combo("workTime2SwitchCombo")->setCurrentIndex(1);
        QVERIFY(tue->isEnabled());
        QTest::keyClick(tue, Qt::Key_Space);
        QVERIFY(!tue->isChecked() && !all->isChecked());
        QTest::keyClick(tue, Qt::Key_Space);
        QVERIFY(all->isChecked());
        QTest::keyClick(all, Qt::Key_Space);
        QVERIFY(!all->isChecked() && tue->isChecked());
    }

    void failedCheckThenCancelKeepsTheFirstBlock()
    {
        Harness h;
        h.record.language = 3;
        const ProfileRecord before = h.record;
        bool openAfterFailure = false;
        const int result = h.run([&](QDialog &d) {
            combo(d, "photoSizeCombo")->setCurrentIndex(5);
            combo(d, "cameraModeCombo")->setCurrentIndex(1);
            combo(d, "pirIntervalCombo")->setCurrentIndex(26);
            combo(d, "languageCombo")->setCurrentIndex(6);
            combo(d, "workTime1SwitchCombo")->setCurrentIndex(1);
            combo(d, "workTime1StartMinuteCombo")->setCurrentIndex(30);
            combo(d, "workTime1StopMinuteCombo")->setCurrentIndex(30);
            combo(d, "workTime2SwitchCombo")->setCurrentIndex(1);
            Press(d, "okButton");
            openAfterFailure = d.isVisible();
            Press(d, "cancelButton");
        });

        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(openAfterFailure);
        QCOMPARE(h.prompter.messages().size(), 1);
        QCOMPARE(h.prompter.lastMessage().caption, QStringLiteral("Work Time Setting"));
        QCOMPARE(h.record.photo_size, 5);
        QCOMPARE(h.record.camera_mode, 1);
        QCOMPARE(h.record.pir_interval, 26);
        QCOMPARE(h.record.work_time_1, before.work_time_1);
        QCOMPARE(h.record.work_time_2, before.work_time_2);
        QCOMPARE(h.record.language, 3);
    }

    void failedCheckFocusesItsWindow_data()
    {
        QTest::addColumn<WorkTimeWindow>("window");
        QTest::addColumn<QString>("focused");
        QTest::newRow("start and stop") << WorkTimeWindow{1, 8, 30, 8, 30, 0xFF} << "workTime2StartHourCombo";
        QTest::newRow("no week box") << WorkTimeWindow{1, 6, 0, 20, 0, 0x80} << "workTime2AllCheck";
        // An unknown switch leaves the boxes disabled: the switch is what to change.
        QTest::newRow("unknown switch") << WorkTimeWindow{7, 0, 0, 0, 0, 0} << "workTime2SwitchCombo";
    }

    void failedCheckFocusesItsWindow()
    {
        QFETCH(WorkTimeWindow, window);
        QFETCH(QString, focused);
        Harness h;
        h.record.work_time_2 = window;
        h.record.work_time_3 = window; // a later window at fault is not the one reported
        QString after;
        h.run([&](QDialog &d) {
            combo(d, "photoSizeCombo")->setFocus();
            Press(d, "okButton");
            after = d.focusWidget() ? d.focusWidget()->objectName() : QString();
        });
        QCOMPARE(h.prompter.messages().size(), 1);
        QCOMPARE(after, focused);
    }

    void defaultAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }

    void defaultAsksFirst()
    {
        QFETCH(bool, yes);

        Harness h;
        h.record.photo_size = 4;
        h.record.work_time_3 = {1, 7, 0, 9, 0, 0x01};
        const ProfileRecord before = h.record;
        h.prompter.yesNoAnswers.enqueue(yes);
        h.run([](QDialog &d) {
            Press(d, "defaultButton");
            Press(d, "cancelButton");
        });

        const FakePrompter::Call question = h.prompter.calls.at(1);
        QCOMPARE(question.kind, FakePrompter::Kind::Question);
        QCOMPARE(question.caption, QStringLiteral("Camera Default Setting"));
        QCOMPARE(question.text, QStringLiteral("You'll restore the default camera setting,\r\nAre you sure?"));
        QCOMPARE(h.combo("photoSizeCombo")->currentIndex(), yes ? 2 : 4);
        QCOMPARE(h.combo("workTime3SwitchCombo")->currentIndex(), yes ? 0 : 1);
        QCOMPARE(check(h.dialog, "workTime3AllCheck")->isChecked(), yes);
        QCOMPARE(h.combo("workTime3StartHourCombo")->isEnabled(), !yes);
        QVERIFY(h.record == before);
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

        Harness h;
        const ProfileRecord before = h.record;
        const int result = h.run([&](QDialog &d) {
            QComboBox *language = combo(d, "languageCombo");
            language->setCurrentIndex(4);
            if (how == "cancel") {
                Press(d, "cancelButton");
            } else if (how == "escape") {
                QTest::keyClick(language, Qt::Key_Escape);
            } else if (how == "close") {
                d.close();
            } else if (how == "enter") {
                QTest::keyClick(language, Qt::Key_Return);
                if (d.isVisible())
                    d.reject();
            } else {
                QWidget *ok = control(d, "okButton");
                ok->setFocus();
                QTest::keyClick(ok, Qt::Key_Return);
            }
        });

        QCOMPARE(result, int(stored ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(h.record.language, stored ? 4 : 0);
        QVERIFY(stored || h.record == before);
    }

    void reopeningReloadsFromTheRecord()
    {
        Harness h;
        h.record.language = 7;
        h.run([](QDialog &d) {
            combo(d, "languageCombo")->setCurrentIndex(2);
            combo(d, "workTime4SwitchCombo")->setCurrentIndex(1);
        });
        h.run();
        QCOMPARE(h.combo("languageCombo")->currentIndex(), 7);
        QCOMPARE(h.combo("workTime4SwitchCombo")->currentIndex(), 0);
        QVERIFY(!h.combo("workTime4StartHourCombo")->isEnabled());
    }
};

QTEST_MAIN(TestCameraDialog)
#include "tst_camera_dialog.moc"

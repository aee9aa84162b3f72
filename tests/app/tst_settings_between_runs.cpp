// Settings that outlast the temporary folder, cards opened from their files,
// by the command line or a drop, and the card folder remembered.
#include "app/application.h"
#include "widgets/settings_page.h"
#include "profile/profile_files.h"
#include "support/started_window.h"
#include "support/temp_env.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

#ifndef Q_OS_WIN
int modeOf(const QString &path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}
#endif

std::function<int(QDialog &)> pressOk(std::function<void(QDialog &)> edit = {})
{
    return [edit](QDialog &dialog) {
        if (edit)
            edit(dialog);
        QTest::mouseClick(FindControl<QPushButton>(dialog, "okButton"), Qt::LeftButton);
        return dialog.result();
    };
}

void clickButton(StartedWindow &started, const char *name, std::function<int(QDialog &)> action)
{
    started.prompter.modalActions.enqueue(std::move(action));
    QTest::mouseClick(started.control<QPushButton>(name), Qt::LeftButton);
}

void pressPageOk(MainWindow &window)
{
    QTest::mouseClick(FindControl<QPushButton>(window, "okButton"), Qt::LeftButton);
}

// A camera set up away from the defaults on the page and in all three dialogs.
void setUpAndSave(StartedWindow &started, const QString &card)
{
    started.control<QComboBox>("gpsCombo")->setCurrentIndex(1);
    started.control<QComboBox>("dailyReportCombo")->setCurrentIndex(1);
    started.control<QComboBox>("dailyReportHourCombo")->setCurrentIndex(20);
    QTest::mouseClick(started.control<QRadioButton>("phoneRadio"), Qt::LeftButton);
    QTest::keyClicks(started.control<QLineEdit>("phoneNumber2Edit"), "4915112345");
    started.control<QComboBox>("countryCombo")->setCurrentIndex(7); // Germany
    auto *operators = started.control<QComboBox>("operatorCombo");
    operators->setCurrentIndex(operators->count() - 1); // "Customer"
    started.control<QComboBox>("renameCombo")->setCurrentIndex(1);
    QTest::keyClicks(started.control<QLineEdit>("renameEdit"), "cam7");
    clickButton(started, "customButton", pressOk([](QDialog &dialog) {
                    QTest::keyClicks(FindControl<QLineEdit>(dialog, "urlEdit"), "http://mms.forest.example");
                    QTest::keyClicks(FindControl<QLineEdit>(dialog, "mmsApnEdit"), "mms.forest.example");
                }));
    clickButton(started, "camSettingButton", pressOk([](QDialog &dialog) {
                    FindControl<QComboBox>(dialog, "photoSizeCombo")->setCurrentIndex(4);
                    FindControl<QComboBox>(dialog, "workTime1SwitchCombo")->setCurrentIndex(1);
                    FindControl<QComboBox>(dialog, "workTime1StartHourCombo")->setCurrentIndex(6);
                }));
    clickButton(started, "emailSettingButton", pressOk([](QDialog &dialog) {
                    FindControl<QComboBox>(dialog, "selectEmailCombo")->setCurrentIndex(1); // gmail
                    QTest::keyClicks(FindControl<QLineEdit>(dialog, "emailEdit"), "hunter@gmail.com");
                    QTest::keyClicks(FindControl<QLineEdit>(dialog, "passwordEdit"), "s3cret");
                }));
    started.control<QLineEdit>("savePathEdit")->setText(card);
    pressPageOk(*started.window);
}

// What the page and the dialogs show of that camera.
void verifyShown(StartedWindow &started)
{
    QCOMPARE(started.control<QComboBox>("gpsCombo")->currentText(), QStringLiteral("On"));
    QCOMPARE(started.control<QComboBox>("dailyReportHourCombo")->currentText(), QStringLiteral("20"));
    QVERIFY(started.control<QRadioButton>("phoneRadio")->isChecked());
    QCOMPARE(started.control<QLineEdit>("phoneNumber2Edit")->text(), QStringLiteral("4915112345"));
    QCOMPARE(started.control<QComboBox>("countryCombo")->currentText(), QStringLiteral("Germany"));
    QCOMPARE(started.control<QComboBox>("operatorCombo")->currentText(), QStringLiteral("Customer"));
    QCOMPARE(started.control<QLineEdit>("renameEdit")->text(), QStringLiteral("CAM7"));

    QString apn, photoSize, start, sender;
    clickButton(started, "customButton", [&apn](QDialog &dialog) {
        apn = FindControl<QLineEdit>(dialog, "mmsApnEdit")->text();
        return int(QDialog::Rejected);
    });
    clickButton(started, "camSettingButton", [&](QDialog &dialog) {
        photoSize = FindControl<QComboBox>(dialog, "photoSizeCombo")->currentText();
        start = FindControl<QComboBox>(dialog, "workTime1StartHourCombo")->currentText();
        return int(QDialog::Rejected);
    });
    clickButton(started, "emailSettingButton", [&sender](QDialog &dialog) {
        sender = FindControl<QLineEdit>(dialog, "emailEdit")->text();
        return int(QDialog::Rejected);
    });
    QCOMPARE(apn, QStringLiteral("mms.forest.example"));
    QCOMPARE(photoSize, QStringLiteral("16MP"));
    QCOMPARE(start, QStringLiteral("06"));
    QCOMPARE(sender, QStringLiteral("hunter@gmail.com"));
}

// A drag of one file, ended on `target`.
void dropFile(QWidget *target, const QString &path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    data.setText(QUrl::fromLocalFile(path).toString());
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
}

} // namespace

class TestSettingsBetweenRuns : public QObject
{
    Q_OBJECT

private slots:
    void theDurableCopyOutlastsTheTemporaryFolder()
    {
        ScopedTempFolder temp;
        QTemporaryDir card;
        CustomOperators saved;
        {
            StartedWindow started(true);
            setUpAndSave(started, card.path());
            QCOMPARE(started.prompter.lastMessage().text, "PROFILE.BIN has been saved in " + card.path());
            saved = started.session.custom;
        }
        QCOMPARE(readFile(temp.durableCopyPath()), readFile(temp.workingCopyPath()));
#ifndef Q_OS_WIN // no such mode there: the copies lie in the user's own profile folders
        QCOMPARE(modeOf(temp.workingCopyPath()), 0600);
        QCOMPARE(modeOf(temp.durableCopyPath()), 0600);
#endif

        QVERIFY(QFile::remove(temp.workingCopyPath())); // the boot empties the temporary folder
        StartedWindow again(true);
        verifyShown(again);
        QVERIFY(again.session.custom == saved);
        QVERIFY(again.prompter.messages().isEmpty());
    }

    void anOpenedCardIsShownAndSavedAsItWas()
    {
        QTemporaryDir card;
        {
            ScopedTempFolder temp;
            StartedWindow started(true);
            setUpAndSave(started, card.path());
        }
        const QString profile = card.path() + "/PROFILE.BIN";
        const QByteArray written = readFile(profile);
        QCOMPARE(written.size(), 956);

        ScopedTempFolder fresh; // another computer: no copy, built-in custom entries
        StartedWindow started(true);
        QVERIFY(started.window->openFile(profile));
        QCOMPARE(started.control<QLineEdit>("savePathEdit")->text(), QDir::toNativeSeparators(card.path()));
        verifyShown(started);

        // Each dialog confirmed stores what it shows; the card must come out as it went in.
        clickButton(started, "customButton", pressOk());
        clickButton(started, "camSettingButton", pressOk());
        clickButton(started, "emailSettingButton", pressOk());
        started.prompter.clear();
        pressPageOk(*started.window);
        QCOMPARE(started.prompter.lastMessage().text, "PROFILE.BIN has been saved in " + QDir::toNativeSeparators(card.path()));
        QCOMPARE(readFile(profile), written);
    }

    void aDroppedFileIsOpenedWhenTheUserAgrees_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("yes");

        QTest::newRow("window, Yes") << "mainWindow" << true;
        QTest::newRow("window, No") << "mainWindow" << false;
        QTest::newRow("a field that takes text, Yes") << "receiveEmail1Edit" << true;
    }

    void aDroppedFileIsOpenedWhenTheUserAgrees()
    {
        QFETCH(QString, target);
        QFETCH(bool, yes);

        ScopedTempFolder temp;
        QTemporaryDir card;
        ProfileSession other;
        StartSession(other);
        other.record.gps = 1;
        const QString profile = card.path() + "/PROFILE.BIN";
        QVERIFY(writeFile(profile, ProfileFileBytes(EncodeProfileImage(other.record))));

        StartedWindow started(true);
        QWidget *on = target == "mainWindow" ? static_cast<QWidget *>(started.window.get())
                                             : started.control<QLineEdit>(target.toLatin1().constData());
        started.prompter.yesNoAnswers.enqueue(yes);
        dropFile(on, profile);
        QTRY_COMPARE(started.prompter.calls.size(), 1);

        const FakePrompter::Call question = started.prompter.calls.first();
        QCOMPARE(question.kind, FakePrompter::Kind::Question);
        QCOMPARE(question.caption, QStringLiteral("Open Settings"));
        QVERIFY2(question.text.startsWith("Open the settings in " + QDir::toNativeSeparators(profile) + "?"),
                 qPrintable(question.text));
        QCOMPARE(started.control<QComboBox>("gpsCombo")->currentText(), yes ? QStringLiteral("On") : QStringLiteral("Off"));
        QCOMPARE(started.control<QLineEdit>("savePathEdit")->text(),
                 yes ? QDir::toNativeSeparators(card.path()) : QString());
        QCOMPARE(started.control<QLineEdit>("receiveEmail1Edit")->text(), QString());
    }

    void theCommandLineOpensAFileOrSaysWhyNot_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("message"); // empty: opened

        QTest::newRow("a card") << 956 << "";
        QTest::newRow("not a settings file")
            << 10 << "%1 holds 10 bytes, so it is not a settings file: a PROFILE.BIN holds 956 bytes, a working "
                     "copy 2032.\r\nNothing was changed.";
    }

    void theCommandLineOpensAFileOrSaysWhyNot()
    {
        QFETCH(int, size);
        QFETCH(QString, message);

        ScopedTempFolder temp;
        QTemporaryDir card;
        ProfileSession other;
        StartSession(other);
        other.record.gps = 1;
        const QString path = card.path() + "/PROFILE.BIN";
        QVERIFY(writeFile(path, ProfileFileBytes(EncodeProfileImage(other.record)).left(size)));

        FakePrompter prompter;
        Application app(prompter);
        MainWindow &window = app.start(path);
        QCOMPARE(FindControl<QComboBox>(window, "gpsCombo")->currentText(),
                 message.isEmpty() ? QStringLiteral("On") : QStringLiteral("Off"));
        if (message.isEmpty()) {
            QVERIFY(prompter.calls.isEmpty());
            return;
        }
        QCOMPARE(prompter.messages().size(), 1);
        QCOMPARE(prompter.lastMessage().caption, QStringLiteral("Open Settings"));
        QCOMPARE(prompter.lastMessage().text, message.arg(QDir::toNativeSeparators(path)));
        QCOMPARE(prompter.lastMessage().icon, Message::Icon::Error);
        QVERIFY(window.isVisible());
    }

    void theCardFolderIsRememberedWhileItExists()
    {
        ScopedTempFolder temp;
        auto card = std::make_unique<QTemporaryDir>();
        const QString folder = card->path();
        {
            FakePrompter prompter;
            Application app(prompter);
            MainWindow &window = app.start(std::nullopt);
            QCOMPARE(FindControl<QLineEdit>(window, "savePathEdit")->text(), QString());
            // The default sender has no account: each OK asks whether to save anyway.
            prompter.yesNoAnswers << true << true << true;
            FindControl<QLineEdit>(window, "receiveEmail1Edit")->setText("jane@example.org");
            FindControl<QLineEdit>(window, "savePathEdit")->setText(folder + "/missing");
            pressPageOk(window); // fails: not remembered
            FindControl<QLineEdit>(window, "savePathEdit")->setText(folder);
            pressPageOk(window);
            FindControl<QLineEdit>(window, "savePathEdit")->setText(folder + "/missing");
            pressPageOk(window);
            QCOMPARE(prompter.lastMessage().icon, Message::Icon::Error);
        }
        for (bool present : {true, false}) {
            if (!present)
                card.reset();
            FakePrompter prompter;
            Application app(prompter);
            MainWindow &window = app.start(std::nullopt);
            QCOMPARE(FindControl<QLineEdit>(window, "savePathEdit")->text(), present ? folder : QString());
        }
    }
};

QTEST_MAIN(TestSettingsBetweenRuns)
#include "tst_settings_between_runs.moc"

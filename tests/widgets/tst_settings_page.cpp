#include "widgets/settings_page.h"
#include "profile/profile_files.h"
#include "profile/record_text.h"
#include "support/fake_prompter.h"
#include "support/started_window.h"
#include "support/temp_env.h"
#include "support/typing.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Page {
    ScopedTempFolder temp;
    ProfileSession session;
    FakePrompter prompter;
    SettingsPage page{session, prompter};

    Page() { StartSession(session); }

    template <typename T>
    T *get(const char *name)
    {
        return FindControl<T>(page, name);
    }
    QComboBox *combo(const char *name) { return get<QComboBox>(name); }
    QLineEdit *edit(const char *name) { return get<QLineEdit>(name); }

    // What every control of the page shows.
    QStringList shown() const
    {
        QStringList state;
        for (const QLineEdit *edit : page.findChildren<QLineEdit *>())
            state << edit->objectName() + '=' + edit->text();
        for (const QComboBox *combo : page.findChildren<QComboBox *>())
            state << combo->objectName() + '=' + QString::number(combo->currentIndex());
        for (const QRadioButton *radio : page.findChildren<QRadioButton *>())
            state << radio->objectName() + '=' + QString::number(radio->isChecked());
        return state;
    }
};

} // namespace

class TestSettingsPage : public QObject
{
    Q_OBJECT

private slots:
    void defaultPageOnTheWidgets()
    {
        Page p;
        p.page.load();

        QCOMPARE(p.combo("instantCombo")->currentText(), QStringLiteral("On"));
        QCOMPARE(p.edit("instantNumberEdit")->text(), QStringLiteral("99"));
        QVERIFY(p.edit("instantNumberEdit")->isEnabled());
        QCOMPARE(p.combo("dailyReportCombo")->currentText(), QStringLiteral("Off"));
        QCOMPARE(p.combo("dailyReportHourCombo")->count(), 24);
        QCOMPARE(p.combo("dailyReportMinuteCombo")->count(), 60);
        QCOMPARE(p.combo("dailyReportHourCombo")->currentText(), QStringLiteral("00"));
        QVERIFY(!p.combo("dailyReportHourCombo")->isEnabled());
        QVERIFY(!p.combo("dailyReportMinuteCombo")->isEnabled());
        QVERIFY(p.get<QRadioButton>("emailRadio")->isChecked());
        QVERIFY(!p.get<QRadioButton>("phoneRadio")->isChecked());
        QCOMPARE(p.combo("emailSizeCombo")->currentText(), QStringLiteral("Small Photo"));
        QCOMPARE(p.combo("renameCombo")->currentText(), QStringLiteral("Off"));
        QVERIFY(!p.edit("renameEdit")->isEnabled());
        QCOMPARE(p.combo("gpsCombo")->currentText(), QStringLiteral("Off"));
        QCOMPARE(p.combo("smsSwitchCombo")->currentText(), QStringLiteral("Off"));
        QVERIFY(!p.combo("smsStartCombo")->isEnabled());
        QCOMPARE(p.combo("smsStopCombo")->currentText(), QStringLiteral("00"));
        QCOMPARE(p.combo("countryCombo")->count(), 20);
        QCOMPARE(p.combo("countryCombo")->currentText(), QStringLiteral("Auto"));
        QCOMPARE(p.combo("operatorCombo")->currentText(), QStringLiteral("Auto"));
        QVERIFY(!p.get<QPushButton>("customButton")->isEnabled());
        for (int i = 1; i <= 4; ++i) {
            const QByteArray phone = QString("phoneNumber%1Edit").arg(i).toLatin1();
            const QByteArray email = QString("receiveEmail%1Edit").arg(i).toLatin1();
            QVERIFY(!p.edit(phone.constData())->isEnabled());
            QVERIFY(p.edit(phone.constData())->text().isEmpty());
            QVERIFY(p.edit(email.constData())->isEnabled());
            QVERIFY(p.edit(email.constData())->text().isEmpty());
        }
        QVERIFY(p.edit("savePathEdit")->text().isEmpty());
        QVERIFY(p.prompter.calls.isEmpty());
    }

    void smsSwitchRelabelsTheCommandPhone()
    {
        Page p;
        p.page.load();
        p.combo("smsSwitchCombo")->setCurrentIndex(1);

        QCOMPARE(p.get<QLabel>("phoneNumber1Label")->text(), QStringLiteral("Command Phone"));
        QVERIFY(p.edit("phoneNumber1Edit")->isEnabled());
        QVERIFY(!p.edit("phoneNumber2Edit")->isEnabled());
        QVERIFY(!p.combo("smsStartCombo")->isEnabled());
        QCOMPARE(p.combo("smsStartCombo")->currentText(), QStringLiteral("00"));

        p.combo("smsSwitchCombo")->setCurrentIndex(2);
        p.combo("smsStartCombo")->setCurrentIndex(8);
        p.combo("smsStopCombo")->setCurrentIndex(20);
        p.combo("smsSwitchCombo")->setCurrentIndex(0);
        QCOMPARE(p.get<QLabel>("phoneNumber1Label")->text(), QStringLiteral("Phone Number 1"));
        QCOMPARE(p.combo("smsStopCombo")->currentText(), QStringLiteral("00"));
        p.combo("smsSwitchCombo")->setCurrentIndex(2);
        QCOMPARE(p.combo("smsStartCombo")->currentText(), QStringLiteral("08"));
        QCOMPARE(p.combo("smsStopCombo")->currentText(), QStringLiteral("20"));
        QVERIFY(p.combo("smsStopCombo")->isEnabled());
    }

    void startAboveStopMovesTheStopCombo()
    {
        Page p;
        p.page.load();
        p.combo("smsSwitchCombo")->setCurrentIndex(2);
        p.combo("smsStartCombo")->setCurrentIndex(10);
        QCOMPARE(p.combo("smsStopCombo")->currentIndex(), 10);
        p.combo("smsStopCombo")->setCurrentIndex(5);
        QCOMPARE(p.combo("smsStartCombo")->currentIndex(), 0);
    }

    void sendToRadiosSwitchTheFields()
    {
        Page p;
        p.page.load();
        QTest::mouseClick(p.get<QRadioButton>("phoneRadio"), Qt::LeftButton);
        QVERIFY(p.edit("phoneNumber3Edit")->isEnabled());
        QVERIFY(!p.edit("receiveEmail3Edit")->isEnabled());
        QVERIFY(!p.combo("emailSizeCombo")->isEnabled());
        QTest::mouseClick(p.get<QRadioButton>("emailRadio"), Qt::LeftButton);
        QVERIFY(!p.edit("phoneNumber3Edit")->isEnabled());
        QVERIFY(p.combo("emailSizeCombo")->isEnabled());
    }

    void renameEnablesItsField()
    {
        Page p;
        p.page.load();
        p.combo("renameCombo")->setCurrentIndex(1);
        QVERIFY(p.edit("renameEdit")->isEnabled());
        QTest::keyClicks(p.edit("renameEdit"), "cam12345x");
        QCOMPARE(p.edit("renameEdit")->text(), QStringLiteral("CAM12345"));
    }

    void countryAndOperatorCombos()
    {
        Page p;
        p.page.load();
        p.combo("countryCombo")->setCurrentIndex(4);
        QCOMPARE(p.combo("operatorCombo")->count(), 13);
        QCOMPARE(p.combo("operatorCombo")->currentIndex(), 0);
        QVERIFY(!p.get<QPushButton>("customButton")->isEnabled());
        p.combo("operatorCombo")->setCurrentIndex(12);
        QVERIFY(p.get<QPushButton>("customButton")->isEnabled());

        p.combo("countryCombo")->setCurrentIndex(19);
        QCOMPARE(p.combo("operatorCombo")->currentText(), QStringLiteral("Customer1"));
        QVERIFY(p.get<QPushButton>("customButton")->isEnabled());
        QCOMPARE(LoadRecordText(p.session.record.operator_.name), QStringLiteral("Customer1"));
        p.combo("operatorCombo")->setCurrentIndex(2);
        QCOMPARE(LoadRecordText(p.session.record.operator_.name), QStringLiteral("Customer3"));
    }

    void theExtraCustomerItemOpensSelected()
    {
        Page p;
        p.session.record.country_index = 18; // United Kingdom: three carriers
        p.session.record.operator_index = 3;
        p.page.load();
        QCOMPARE(p.combo("operatorCombo")->currentText(), QStringLiteral("Customer"));
        QVERIFY(p.get<QPushButton>("customButton")->isEnabled());
        QVERIFY(p.session.record.operator_ == p.session.custom.extra_customer);
    }

    void anEmptyNumberIsReportedWhenAHandlerReadsThePage()
    {
        Page p;
        p.page.load();
        p.edit("instantNumberEdit")->clear();
        QTest::keyClicks(p.edit("receiveEmail2Edit"), "typed@later.org");
        p.combo("dailyReportCombo")->setCurrentIndex(1);
        QCOMPARE(p.prompter.lastMessage().text, QStringLiteral("Enter an integer."));
        QCOMPARE(p.page.focusWidget(), p.edit("instantNumberEdit"));
        QVERIFY(p.combo("dailyReportHourCombo")->isEnabled());
        p.combo("smsSwitchCombo")->setCurrentIndex(1);
        QCOMPARE(p.prompter.messages().size(), 2);
        // The handlers carry on, and what the user typed stays on the page.
        QCOMPARE(p.edit("instantNumberEdit")->text(), QString());
        QCOMPARE(p.edit("receiveEmail2Edit")->text(), QStringLiteral("typed@later.org"));
    }

    void whatIsLeftOutIsNoted_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("enabler"); // a radio button to click, or a combo to switch on
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("pasted"); // a text starting with "type:" is typed
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("note"); // its start

        const QString plus = "The camera takes no \"+\": for an international number write 00 in its place, "
                             "such as 0049... for +49...";
        QTest::newRow("save path typed past its limit") << "savePathEdit" << "" << "" << "type:" + QString(130, u'a')
                                                        << QString(128, u'a') << "At most 128 characters fit here";
        QTest::newRow("international number pasted")
            << "phoneNumber2Edit" << "phoneRadio" << "" << "+49 170 1234567" << "" << plus;
        QTest::newRow("a plus typed into a number")
            << "phoneNumber1Edit" << "phoneRadio" << "0170" << "type:+" << "0170" << plus;
        QTest::newRow("number pasted as written down")
            << "phoneNumber1Edit" << "phoneRadio" << "" << "0170 123-45 67" << "01701234567"
            << "Spaces, dashes, dots, slashes and brackets were left out";
        QTest::newRow("address with a character the card cannot hold")
            << "receiveEmail1Edit" << "" << "" << QStringLiteral("j\u00f6rg@\u4f8b.de")
            << QStringLiteral("j\u00f6rg@.de")
            << "Left out: \"\u4f8b\" (U+4F8B). The camera cannot store these characters.";
        QTest::newRow("camera name pasted past its limit")
            << "renameEdit" << "renameCombo" << "" << "cam-01234" << "CAM-0123" << "At most 8 characters fit here";
        QTest::newRow("a letter in the number") << "instantNumberEdit" << "" << "99" << "type:x" << "99"
                                                << "Left out: \"x\". This field takes digits only.";
    }

    void whatIsLeftOutIsNoted()
    {
        QFETCH(QString, field);
        QFETCH(QString, enabler);
        QFETCH(QString, before);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        QFETCH(QString, note);

        Page p;
        p.page.load();
        p.page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p.page));
        if (enabler.endsWith("Radio"))
            QTest::mouseClick(p.get<QRadioButton>(qPrintable(enabler)), Qt::LeftButton);
        else if (!enabler.isEmpty())
            p.combo(qPrintable(enabler))->setCurrentIndex(1);
        QLineEdit *edit = p.edit(qPrintable(field));
        edit->setText(before);
        if (pasted.startsWith("type:"))
            typeText(edit, pasted.mid(5));
        else
            pasteText(edit, pasted);
        QCOMPARE(edit->text(), shown);
        const auto *label = p.page.findChild<QLabel *>(field + "Note");
        QVERIFY(label && label->isVisible());
        QVERIFY2(label->text().startsWith(note), qPrintable(label->text()));
        QVERIFY(edit->accessibleDescription().startsWith(label->text()));
    }

    void browseShowsTheChosenFolder()
    {
        Page p;
        p.page.load();
        const QString longFolder = "/media/" + QString(150, u'd');
        p.prompter.folderAnswers.enqueue(std::nullopt);
        p.prompter.folderAnswers.enqueue(QUrl("sftp://host/x"));
        p.prompter.folderAnswers.enqueue(QUrl::fromLocalFile(longFolder));
        QPushButton *browse = p.get<QPushButton>("browseButton");

        QTest::mouseClick(browse, Qt::LeftButton); // cancelled
        QVERIFY(p.edit("savePathEdit")->text().isEmpty());
        QCOMPARE(p.prompter.calls.first().caption, QStringLiteral("Please Select the Save Path"));

        QTest::mouseClick(browse, Qt::LeftButton);
        QCOMPARE(p.prompter.lastMessage().text, QStringLiteral("Select the Path Error"));
        QVERIFY(p.edit("savePathEdit")->text().isEmpty());

        // A folder longer than the field's limit is shown whole, never cut to another folder.
        QTest::mouseClick(browse, Qt::LeftButton);
        QCOMPARE(p.edit("savePathEdit")->text(), QDir::toNativeSeparators(longFolder));
        QTest::mouseClick(p.get<QPushButton>("okButton"), Qt::LeftButton);
        QCOMPARE(p.prompter.lastMessage().text, QStringLiteral("Enter no more than 128 characters."));
        QCOMPARE(p.page.focusWidget(), p.edit("savePathEdit"));
    }

    void pickerStartsWhereTheCardIs_data()
    {
        QTest::addColumn<bool>("cardExists");
        QTest::addColumn<bool>("mediaFolder");
        QTest::addColumn<QString>("start");
        QTest::newRow("the save path") << true << true << "card";
        QTest::newRow("no such save path: the media folder") << false << true << "media";
        QTest::newRow("neither: the home folder") << false << false << "home";
    }

    void pickerStartsWhereTheCardIs()
    {
        QFETCH(bool, cardExists);
        QFETCH(bool, mediaFolder);
        QFETCH(QString, start);
        QTemporaryDir dir;
        const QString card = dir.filePath("card");
        const QString media = dir.filePath("media");
        QVERIFY(QDir().mkpath(media));
        if (cardExists)
            QVERIFY(QDir().mkpath(card));
        Page p;
        p.page.load();
        p.page.model().setMediaFolders(mediaFolder ? QStringList{media} : QStringList{});
        p.edit("savePathEdit")->setText(card);
        QTest::mouseClick(p.get<QPushButton>("browseButton"), Qt::LeftButton);
        QCOMPARE(p.prompter.calls.size(), 1);
        QCOMPARE(p.prompter.calls.first().startFolder, start == "home" ? QDir::homePath() : dir.filePath(start));
    }

    void tipsFollowTheControlsState()
    {
        Page p;
        p.page.load();
        auto *custom = p.get<QPushButton>("customButton");
        QVERIFY(!custom->isEnabled());
        const QString disabledTip = custom->toolTip();
        // A greyed "Custom" says what to choose instead.
        QVERIFY(disabledTip.contains(QStringLiteral("\"Customer\"")));
        p.combo("countryCombo")->setCurrentIndex(19);
        QVERIFY(custom->isEnabled());
        QVERIFY(!custom->toolTip().isEmpty() && custom->toolTip() != disabledTip);

        QLineEdit *first = p.edit("phoneNumber1Edit");
        const QString phoneTip = first->toolTip();
        p.combo("smsSwitchCombo")->setCurrentIndex(1);
        QVERIFY(first->toolTip() != phoneTip);
        QCOMPARE(p.edit("phoneNumber2Edit")->toolTip(), phoneTip);
    }

    void okAsksBeforeSettingsThatCannotSend_data()
    {
        QTest::addColumn<int>("country");
        QTest::addColumn<int>("carrier");
        QTest::addColumn<bool>("byPhone");
        QTest::addColumn<bool>("gmail"); // else the "Default" sender, which has no account
        QTest::addColumn<QStringList>("problems");
        QTest::addColumn<bool>("yes");

        const QStringList noSender{"Sender e-mail: \"Account\" and \"Email\" are empty"};
        QTest::newRow("default sender, No") << 0 << 0 << false << false << noSender << false;
        QTest::newRow("default sender, Yes") << 0 << 0 << false << false << noSender << true;
        QTest::newRow("gmail with Auto") << 0 << 0 << false << true << QStringList{} << false;
        QTest::newRow("gmail with Vodafone Germany") << 7 << 7 << false << true << QStringList{} << false;
        QTest::newRow("Phone with a carrier without MMS URL")
            << 7 << 0 << true << false << QStringList{"Operator \"1&1\": MMS \"URL\" and \"APN\" are empty"}
            << false;
    }

    void okAsksBeforeSettingsThatCannotSend()
    {
        QFETCH(int, country);
        QFETCH(int, carrier);
        QFETCH(bool, byPhone);
        QFETCH(bool, gmail);
        QFETCH(QStringList, problems);
        QFETCH(bool, yes);

        Page p;
        QTemporaryDir card;
        p.page.load();
        p.combo("countryCombo")->setCurrentIndex(country);
        p.combo("operatorCombo")->setCurrentIndex(carrier);
        if (byPhone) {
            QTest::mouseClick(p.get<QRadioButton>("phoneRadio"), Qt::LeftButton);
            p.edit("phoneNumber1Edit")->setText("0123456789");
        } else {
            p.edit("receiveEmail1Edit")->setText("jane@example.org");
        }
        if (gmail) {
            EmailEntry sender = p.session.presets.entries[1];
            StoreRecordText(sender.account, QStringLiteral("cam@gmail.com"));
            StoreSenderAddress(sender, QStringLiteral("cam@gmail.com"));
            p.session.record.select_email = 1;
            p.session.record.sender_email = sender;
        }
        p.edit("savePathEdit")->setText(card.path());
        const QStringList before = p.shown();

        p.prompter.yesNoAnswers.enqueue(yes);
        QTest::mouseClick(p.get<QPushButton>("okButton"), Qt::LeftButton);

        QList<FakePrompter::Call> questions;
        for (const FakePrompter::Call &call : p.prompter.calls) {
            if (call.kind == FakePrompter::Kind::Question)
                questions.append(call);
        }
        QCOMPARE(questions.size(), problems.isEmpty() ? 0 : 1);
        if (!questions.isEmpty()) {
            const QStringList parts = questions.first().text.split("\r\n\r\n");
            QCOMPARE(questions.first().caption, QStringLiteral("Save PROFILE"));
            QCOMPARE(parts.first(), QStringLiteral("The camera cannot send with these settings:"));
            QCOMPARE(parts.last(), QStringLiteral("Save PROFILE.BIN anyway?"));
            QCOMPARE(parts.size(), problems.size() + 2);
            for (qsizetype i = 0; i < problems.size(); ++i)
                QVERIFY2(parts[i + 1].startsWith(problems[i]), qPrintable(parts[i + 1]));
        }

        const QString profile = card.path() + "/PROFILE.BIN";
        if (!problems.isEmpty() && !yes) {
            QVERIFY(!QFile::exists(profile));
            QVERIFY(!QFile::exists(p.temp.workingCopyPath()));
            QVERIFY(p.prompter.messages().isEmpty());
            QCOMPARE(p.shown(), before);
            return;
        }
        QCOMPARE(p.prompter.lastMessage().text, "PROFILE.BIN has been saved in " + card.path());
        const ProfileImage image = EncodeProfileImage(p.session.record);
        QCOMPARE(readFile(profile), ProfileFileBytes(image));
        QCOMPARE(readFile(p.temp.workingCopyPath()), WorkingCopyBytes(image, p.session.custom));
    }

    void defaultAll_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No changes nothing") << false;
        QTest::newRow("Yes restores the defaults") << true;
    }

    void defaultAll()
    {
        QFETCH(bool, yes);
        Page p;
        p.page.load();
        p.combo("gpsCombo")->setCurrentIndex(1);
        QTest::mouseClick(p.get<QRadioButton>("phoneRadio"), Qt::LeftButton);
        p.edit("phoneNumber2Edit")->setText("12345678");
        p.combo("countryCombo")->setCurrentIndex(19);
        p.edit("savePathEdit")->setText("/media/card");
        p.session.record.gps = 1;
        const ProfileRecord before = p.session.record;
        QVERIFY(writeFile(p.temp.workingCopyPath(), "saved earlier"));

        p.prompter.yesNoAnswers.enqueue(yes);
        QTest::mouseClick(p.get<QPushButton>("defaultAllButton"), Qt::LeftButton);
        QCOMPARE(p.prompter.calls.size(), 1);
        QCOMPARE(p.prompter.calls.first().caption, QStringLiteral("Default Setting"));
        QCOMPARE(p.prompter.calls.first().text, QStringLiteral("You'll restore the default all setting,\r\nAre you sure?"));

        if (!yes) {
            QVERIFY(p.session.record == before);
            QCOMPARE(p.combo("gpsCombo")->currentText(), QStringLiteral("On"));
            QCOMPARE(p.edit("phoneNumber2Edit")->text(), QStringLiteral("12345678"));
            QVERIFY(QFile::exists(p.temp.workingCopyPath()));
            return;
        }
        QCOMPARE(p.combo("gpsCombo")->currentText(), QStringLiteral("Off"));
        QVERIFY(p.get<QRadioButton>("emailRadio")->isChecked());
        QCOMPARE(p.combo("emailSizeCombo")->currentText(), QStringLiteral("Small Photo"));
        QCOMPARE(p.combo("instantCombo")->currentText(), QStringLiteral("On"));
        QCOMPARE(p.edit("instantNumberEdit")->text(), QStringLiteral("99"));
        QVERIFY(p.edit("phoneNumber2Edit")->text().isEmpty());
        QCOMPARE(p.combo("countryCombo")->currentText(), QStringLiteral("Auto"));
        QCOMPARE(p.combo("operatorCombo")->count(), 1);
        QCOMPARE(p.edit("savePathEdit")->text(), QStringLiteral("/media/card"));
        QCOMPARE(p.session.record.gps, 0);
        QVERIFY(p.session.record.operator_ == AutoEntry);
        QVERIFY(!QFile::exists(p.temp.workingCopyPath()));
    }

    void cancelAsksToEnd()
    {
        Page p;
        p.page.load();
        QSignalSpy cancelled(&p.page, &SettingsPage::cancelRequested);
        QTest::mouseClick(p.get<QPushButton>("cancelButton"), Qt::LeftButton);
        QCOMPARE(cancelled.count(), 1);
    }
};

QTEST_MAIN(TestSettingsPage)
#include "tst_settings_page.moc"

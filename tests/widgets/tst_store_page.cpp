#include "settings/page_model.h"
#include "settings/page_schema.h"
#include "widgets/settings_page.h"
#include "profile/record_text.h"
#include "support/fake_prompter.h"
#include "support/fresh_session.h"
#include "support/started_window.h"
#include "support/temp_env.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>

namespace {

// "OK" as the user who saves settings the camera cannot send with.
OkOutcome pressOk(PageModel &page)
{
    return page.save([](const Message &) { return true; });
}

struct Inputs {
    int sendTo = 1;
    int smsSwitch = 0;
    int instantOn = 1;
    QString instantNumber = "99";
    QStringList phones{"", "", "", ""};
    QStringList emails{"", "", "", ""};
    int rename = 0;
    QString renameText;
};

// The inputs as the page's view reads them into the model.
void setInto(PageModel &page, const Inputs &in)
{
    const PageKeys &k = PageKey();
    page.set(k.instant, in.instantOn);
    page.set(k.instantNumber, in.instantNumber);
    page.set(k.sendTo, in.sendTo);
    page.set(k.rename, in.rename);
    page.set(k.renameText, in.renameText);
    page.set(k.smsSwitch, in.smsSwitch);
    for (int i = 0; i < kRecipientCount; ++i) {
        page.set(k.phones.at(i), in.phones.at(i));
        page.set(k.emails.at(i), in.emails.at(i));
    }
}

// Types the inputs into the page's controls, switches before the texts they enable.
void typeInto(SettingsPage &page, const Inputs &in)
{
    FindControl<QComboBox>(page, "smsSwitchCombo")->setCurrentIndex(in.smsSwitch);
    FindControl<QComboBox>(page, "renameCombo")->setCurrentIndex(in.rename);
    FindControl<QComboBox>(page, "instantCombo")->setCurrentIndex(in.instantOn);
    FindControl<QRadioButton>(page, in.sendTo == 0 ? "phoneRadio" : "emailRadio")->click();
    FindControl<QLineEdit>(page, "instantNumberEdit")->setText(in.instantNumber);
    FindControl<QLineEdit>(page, "renameEdit")->setText(in.renameText);
    for (int i = 0; i < kRecipientCount; ++i) {
        const QString number = QString::number(i + 1);
        FindControl<QLineEdit>(page, qPrintable("phoneNumber" + number + "Edit"))->setText(in.phones[i]);
        FindControl<QLineEdit>(page, qPrintable("receiveEmail" + number + "Edit"))->setText(in.emails[i]);
    }
}

Inputs withEmail(const QString &email = "jane@example.org")
{
    Inputs in;
    in.emails[0] = email;
    return in;
}

} // namespace

Q_DECLARE_METATYPE(Inputs)

class TestStorePage : public QObject
{
    Q_OBJECT

private slots:
    void checks_data()
    {
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        // Where "OK" leaves the focus: the field at fault, or the control that enables it.
        QTest::addColumn<QString>("focused");

        const QString sendMode = "Send Mode Setting";
        const QString recipients = "Recipients Setting";
        const QString renameCaption = "Rename Setting";
        const QString outOfLength = "The phone number is out of the length(4-15) !";
        const QString masterOutOfLength = "The master phone is out of the length(4-15) !";
        const QString formatError = "The Email Format is error!";
        const QString noEmail = "The Email must not be null!";

        Inputs in = withEmail();
        QTest::newRow("all good") << in << "" << "" << "savePathEdit";

        in = withEmail();
        in.instantOn = 0;
        in.instantNumber = "120";
        QTest::newRow("instant 120 while off")
            << in << sendMode << "Instant number is out of the range(0-99)!" << "instantCombo";
        in.instantOn = 1;
        in.instantNumber = "100";
        QTest::newRow("instant 100")
            << in << sendMode << "Instant number is out of the range(0-99)!" << "instantNumberEdit";
        in.instantOn = 0;
        in.instantNumber = "0";
        QTest::newRow("instant 0") << in << "" << "" << "savePathEdit";

        in = withEmail();
        in.phones[0] = "123";
        QTest::newRow("phone of three") << in << recipients << outOfLength << "phoneRadio";
        in.smsSwitch = 1;
        QTest::newRow("master phone of three") << in << recipients << masterOutOfLength << "phoneNumber1Edit";
        in.smsSwitch = 0;
        in.phones[0] = QString(16, u'1');
        QTest::newRow("phone of sixteen") << in << recipients << outOfLength << "phoneRadio";
        in.smsSwitch = 2;
        QTest::newRow("master phone of sixteen") << in << recipients << masterOutOfLength << "phoneNumber1Edit";

        in = Inputs();
        in.sendTo = 0;
        in.phones = {"1234", QString(15, u'9'), "", ""};
        QTest::newRow("phones of four and fifteen") << in << "" << "" << "savePathEdit";
        in.phones = {"", "", "", ""};
        QTest::newRow("phone mode without a phone")
            << in << recipients << "The phone number must not be null! length(4-15)" << "phoneNumber1Edit";
        in.phones = {"", "", "", "12345"};
        QTest::newRow("phone mode, fourth phone only") << in << "" << "" << "savePathEdit";

        in = withEmail();
        in.smsSwitch = 1;
        in.phones[1] = "123456";
        QTest::newRow("sms on, master empty")
            << in << recipients << "The master phone must not be null! length(4-15)" << "phoneNumber1Edit";

        in = Inputs();
        QTest::newRow("email mode without an address") << in << recipients << noEmail << "receiveEmail1Edit";
        in = withEmail("a");
        QTest::newRow("one character") << in << recipients << formatError << "receiveEmail1Edit";
        in = withEmail("@example.org");
        QTest::newRow("at sign first only") << in << recipients << formatError << "receiveEmail1Edit";
        in = withEmail("noatsign");
        QTest::newRow("no at sign") << in << recipients << formatError << "receiveEmail1Edit";
        in = withEmail("a@");
        QTest::newRow("two characters pass but are not stored")
            << in << recipients << noEmail << "receiveEmail1Edit";
        in = withEmail("a@b");
        QTest::newRow("three characters, the shortest stored") << in << "" << "" << "savePathEdit";
        in = withEmail(QString(35, u'x') + "@example.org");
        QTest::newRow("47 characters") << in << "" << "" << "savePathEdit";
        in = withEmail(QString(36, u'x') + "@example.org");
        QTest::newRow("48 characters")
            << in << recipients << "The Email is out of the max length 47 !" << "receiveEmail1Edit";

        in = withEmail();
        in.emails[1] = "bad";
        in.phones[2] = "12";
        QTest::newRow("recipient 2's address before recipient 3's phone")
            << in << recipients << formatError << "receiveEmail2Edit";
        in = withEmail("bad");
        in.phones[0] = "12";
        QTest::newRow("recipient 1's phone before its address") << in << recipients << outOfLength << "phoneRadio";

        in = withEmail();
        in.renameText = "a-b";
        QTest::newRow("hyphen with rename off")
            << in << renameCaption << "The letters or/and digits are allowed for rename!" << "renameCombo";
        in.renameText = QStringLiteral("\u00df");
        QTest::newRow("sharp s")
            << in << renameCaption << "The letters or/and digits are allowed for rename!" << "renameCombo";
        in.rename = 1;
        in.renameText = "";
        QTest::newRow("rename on and empty")
            << in << renameCaption << "The rename must not be null!" << "renameEdit";
        in.renameText = "cam7";
        QTest::newRow("rename on, lower case") << in << "" << "" << "savePathEdit";
    }

    void checks()
    {
        QFETCH(Inputs, inputs);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(QString, focused);

        ProfileSession session;
        startWithoutWorkingCopy(session);
        PageModel form(session);
        form.load();
        setInto(form, inputs);
        const auto failure = form.store();
        QCOMPARE(failure ? failure->message.caption : QString(), caption);
        QCOMPARE(failure ? failure->message.text : QString(), text);
        if (failure)
            QCOMPARE(failure->message.icon, Message::Icon::Error);

        // The same on the page: after the message the user is on the control at fault.
        ScopedTempFolder temp;
        ProfileSession pageSession;
        startWithoutWorkingCopy(pageSession);
        FakePrompter prompter;
        SettingsPage page(pageSession, prompter);
        page.load();
        typeInto(page, inputs);
        FindControl<QPushButton>(page, "okButton")->click();
        QCOMPARE(prompter.messages().size(), 1);
        if (failure)
            QCOMPARE(prompter.lastMessage(), failure->message);
        QWidget *focus = page.focusWidget();
        QCOMPARE(focus ? focus->objectName() : QString(), focused);
        if (auto *edit = qobject_cast<QLineEdit *>(focus))
            QCOMPARE(edit->selectedText(), edit->text());
    }

    void storedBytes()
    {
        ProfileSession session;
        startWithoutWorkingCopy(session);
        PageModel form(session);
        form.load();
        Inputs in = withEmail("a@b.c");
        in.emails[2] = "ok@x";
        in.phones[3] = "01701234567";
        in.rename = 1;
        in.renameText = "cam7";
        in.sendTo = 0;
        in.smsSwitch = 2;
        in.phones[0] = "5551234";
        setInto(form, in);
        form.set(PageKey().smsStart, 6);
        form.set(PageKey().smsStop, 20);
        form.set("gps", 1);
        QVERIFY(!form.store());

        const ProfileRecord &r = session.record;
        QCOMPARE(LoadRecordText(r.phone_number_1), QStringLiteral("5551234"));
        QCOMPARE(LoadRecordText(r.phone_number_4), QStringLiteral("01701234567"));
        QCOMPARE(LoadRecordText(r.receive_email_1), QStringLiteral("a@b.c"));
        QCOMPARE(LoadRecordText(r.receive_email_3), QStringLiteral("ok@x"));
        QCOMPARE(QByteArray(r.rename_text, 16), QByteArray("CAM7").append(12, '\0'));
        QCOMPARE(r.rename, 1);
        QCOMPARE(r.send_to, 0);
        QCOMPARE(r.sms_switch, 2);
        QCOMPARE(r.sms_start_hour, 6);
        QCOMPARE(r.sms_stop_hour, 20);
        QCOMPARE(r.gps, 1);
        // Slots behind a stored text are all zero.
        QCOMPARE(QByteArray(r.receive_email_1 + 6, 42), QByteArray(42, '\0'));
    }

    void aFailedCheckKeepsWhatWasStoredBefore()
    {
        ScopedTempFolder temp;
        QTemporaryDir card;
        ProfileSession session;
        startWithoutWorkingCopy(session);
        StoreRecordText(session.record.receive_email_4, QStringLiteral("old@example.org"));
        StoreRecordText(session.record.rename_text, QStringLiteral("OLD"));
        PageModel form(session);
        form.load();

        Inputs in = withEmail();
        in.instantNumber = "42";
        in.emails[1] = "x"; // fails at recipient 2
        setInto(form, in);
        form.set(PageKey().savePath, card.path());
        form.set("gps", 1);
        const Message shown = pressOk(form).messages.value(0).message;

        QCOMPARE(shown.text, QStringLiteral("The Email Format is error!"));
        QCOMPARE(session.record.header_value, 2);
        QCOMPARE(session.record.instant_number, 42);
        QCOMPARE(session.record.gps, 1);
        QCOMPARE(LoadRecordText(session.record.receive_email_1), QStringLiteral("jane@example.org"));
        QCOMPARE(LoadRecordText(session.record.receive_email_4), QString());
        QCOMPARE(LoadRecordText(session.record.rename_text), QStringLiteral("OLD"));
        QVERIFY(!QFile::exists(card.path() + "/PROFILE.BIN"));
        QVERIFY(!QFile::exists(temp.workingCopyPath()));
    }

    void anUnreadableNumberStopsTheSave()
    {
        ScopedTempFolder temp;
        QTemporaryDir card;
        ProfileSession session;
        startWithoutWorkingCopy(session);
        PageModel form(session);
        form.load();
        Inputs in = withEmail();
        in.instantNumber = "";
        setInto(form, in);
        form.set(PageKey().savePath, card.path());
        const Message shown = pressOk(form).messages.value(0).message;
        QCOMPARE(shown.text, QStringLiteral("Enter an integer."));
        QVERIFY(!QFile::exists(card.path() + "/PROFILE.BIN"));
    }

    void defaultSender_data()
    {
        QTest::addColumn<int>("country");
        QTest::addColumn<int>("selectEmail");
        QTest::addColumn<QString>("expected"); // "finland", "default" or "kept"

        QTest::newRow("Finland") << OperatorCatalogue::kFinlandRow << 0 << "finland";
        QTest::newRow("Germany") << 7 << 0 << "default";
        QTest::newRow("Auto") << 0 << 0 << "default";
        QTest::newRow("Finland with a chosen provider") << OperatorCatalogue::kFinlandRow << 3 << "kept";
    }

    void defaultSender()
    {
        QFETCH(int, country);
        QFETCH(int, selectEmail);
        QFETCH(QString, expected);

        ProfileSession session;
        startWithoutWorkingCopy(session);
        StoreRecordText(session.presets.FinlandSender.smtp_server, QStringLiteral("smtp.finland.test"));
        session.record.select_email = std::uint8_t(selectEmail);
        StoreRecordText(session.record.sender_email.email, QStringLiteral("chosen@example.org"));
        const EmailEntry chosen = session.record.sender_email;
        PageModel form(session);
        form.load();
        form.set(PageKey().country, country);
        form.changed(PageKey().country);
        setInto(form, withEmail());
        QVERIFY(!form.store());

        const EmailEntry &sender = session.record.sender_email;
        if (expected == "finland")
            QVERIFY(sender == session.presets.FinlandSender);
        else if (expected == "default")
            QVERIFY(sender == session.presets.entries[0]);
        else
            QVERIFY(sender == chosen);
    }

    void okMessages_data()
    {
        QTest::addColumn<QString>("folder"); // "" none, "card", "missing", "file", "a:b"
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("written");
        // The default sender cannot send: asked only once a card folder is there to save to.
        QTest::addColumn<bool>("asked");

        QTest::newRow("no folder")
            << "" << "Save PROFILE" << "Please choose path to SD card Drive." << false << false;
        QTest::newRow("saved") << "card" << "Save PROFILE" << "PROFILE.BIN has been saved in %1" << true << true;
        QTest::newRow("saved, durable copy refused")
            << "card, no data folder" << "Save PROFILE" << "PROFILE.BIN has been saved in %1" << true << true;
        const QString incorrect = QStringLiteral("%1") + QDir::separator() + "PROFILE.BIN contains an incorrect path.";
        QTest::newRow("folder missing") << "missing" << "tst_store_page" << incorrect << false << false;
        QTest::newRow("folder is a file") << "file" << "tst_store_page" << incorrect << false << false;
        // Windows forbids a colon in a name; elsewhere it is one more missing folder.
        QTest::newRow("a name Windows forbids") << "a:b" << "tst_store_page" << incorrect << false << false;
    }

    void okMessages()
    {
        QFETCH(QString, folder);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(bool, written);
        QFETCH(bool, asked);

        ScopedTempFolder temp;
        QTemporaryDir card;
        QString path;
        const QString dataFolder = QFileInfo(temp.durableCopyPath()).absolutePath();
        if (folder.startsWith("card"))
            path = QDir::toNativeSeparators(card.path());
        // Windows' data folder is the test user's own, not the temporary one: it goes back as it was.
        const auto restoring = qScopeGuard([&] {
            if (QFileInfo(dataFolder).isFile())
                QFile::remove(dataFolder);
        });
        if (folder == "card, no data folder") {
            QVERIFY(QDir(dataFolder).removeRecursively());
            QVERIFY(QDir().mkpath(QFileInfo(dataFolder).absolutePath()));
            QVERIFY(writeFile(dataFolder, "a file where the folder belongs"));
        }
        else if (folder == "missing")
            path = QDir::toNativeSeparators(card.path() + "/gone");
        else if (folder == "a:b")
            path = QDir::toNativeSeparators(card.path() + "/a:b");
        else if (folder == "file") {
            path = QDir::toNativeSeparators(card.path() + "/a file");
            QVERIFY(writeFile(path, "not a folder"));
        }

        ProfileSession session;
        startWithoutWorkingCopy(session);
        PageModel form(session);
        form.load();
        setInto(form, withEmail());
        form.set(PageKey().savePath, path);
        bool wasAsked = false;
        const OkOutcome outcome = form.save([&](const Message &) { return wasAsked = true; });
        const Message shown = outcome.messages.value(0).message;
        // Only a folder that cannot take the file puts the user back on "Save Path".
        QCOMPARE(outcome.messages.value(0).key, written ? QString() : PageKey().savePath);

        QCOMPARE(shown.caption, caption);
        QCOMPARE(shown.text, text.arg(path));
        QCOMPARE(wasAsked, asked);
        QCOMPARE(shown.icon, written || folder.isEmpty() ? Message::Icon::None : Message::Icon::Error);
        QCOMPARE(QFile::exists(temp.workingCopyPath()), written);
        QCOMPARE(outcome.savedIn, written ? std::optional<QString>(path) : std::nullopt);
        // A durable copy that could not be kept is said once, after the success.
        const bool refused = folder == "card, no data folder";
        QCOMPARE(outcome.messages.size(), refused ? 2 : 1);
        QCOMPARE(QFile::exists(temp.durableCopyPath()), written && !refused);
        if (refused) {
            QCOMPARE(outcome.messages.last().message.icon, Message::Icon::Warning);
            QCOMPARE(outcome.messages.last().message.text,
                     QStringLiteral("Your settings could not be kept beyond a restart of the computer:\r\n"
                                    "%1 contains an incorrect path.\r\n"
                                    "After a restart the tool may open with older settings or the defaults.")
                         .arg(QDir::toNativeSeparators(dataFolder)));
        }
        // The record holds the page's values whether or not a file was written.
        QCOMPARE(LoadRecordText(session.record.receive_email_1), QStringLiteral("jane@example.org"));
    }

    void chosenFolders()
    {
        ProfileSession session;
        PageModel form(session);
        const auto refused = form.folderChosen(QUrl("sftp://host/card"));
        QVERIFY(refused);
        QCOMPARE(refused->caption, QStringLiteral("Save Path"));
        QCOMPARE(refused->text, QStringLiteral("Select the Path Error"));
        QCOMPARE(refused->icon, Message::Icon::None);
        QVERIFY(form.value(PageKey().savePath).toString().isEmpty());

        QVERIFY(!form.folderChosen(QUrl::fromLocalFile("/media/card")));
        QCOMPARE(form.value(PageKey().savePath).toString(), QDir::toNativeSeparators("/media/card"));
    }
};

QTEST_MAIN(TestStorePage)
#include "tst_store_page.moc"

// The windows in the desktop's language: the translators the tool loads at
// start, every shown text through them, and the same bytes on the card
// whatever the language.
#include "app/translators.h"
#include "support/started_window.h"
#include "support/temp_env.h"
#include "support/typing.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <map>

namespace {

// What each probe reads in English and in German.
struct Expected {
    const char *probe;
    QString en;
    QString de;
};

const QList<Expected> &expectedTexts()
{
    static const QList<Expected> table = {
        {"page: receive email label", QStringLiteral("Receive Email 1"), QStringLiteral("E-Mail-Adresse 1")},
        {"page: email radio", QStringLiteral("Email"), QStringLiteral("E-Mail")},
        {"page: country item", QStringLiteral("Austria"), QStringLiteral("Österreich")},
        {"page: custom operator item", QStringLiteral("Customer"), QStringLiteral("Manuell")},
        {"page: camera button", QStringLiteral("CAM Setting"), QStringLiteral("Kameraeinstellungen")},
        {"page: accessible name", QStringLiteral("SMS Work Time Start"), QStringLiteral("SMS-Zeit, Beginn")},
        {"page: check caption", QStringLiteral("Recipients Setting"), QStringLiteral("Empfänger")},
        {"page: check message", QStringLiteral("The Email Format is error!"),
         QStringLiteral("Die E-Mail-Adresse ist ungültig.")},
        {"camera: caption", QStringLiteral("Camera Parameter Setting"), QStringLiteral("Kameraeinstellungen")},
        {"camera: duration item", QStringLiteral("10 Sec"), QStringLiteral("10 Sek.")},
        {"camera: default button", QStringLiteral("Default"), QStringLiteral("Standardwerte")},
        {"camera: day box", QStringLiteral("Mon"), QStringLiteral("Mo")},
        {"camera: group title", QStringLiteral("SYS"), QStringLiteral("System")},
        {"sender: caption", QStringLiteral("Sender Email Setting"), QStringLiteral("Absenderkonto")},
        {"sender: default item", QStringLiteral("Default"), QStringLiteral("Standard")},
        {"sender: email label", QStringLiteral("Email"), QStringLiteral("E-Mail-Adresse")},
        {"operator: caption", QStringLiteral("Operator Parameter Setting"),
         QStringLiteral("Netzbetreiber-Parameter")},
        {"operator: account label", QStringLiteral("Account"), QStringLiteral("Benutzername")},
        // The notes at a field, one of each kind.
        {"page: plus note",
         QStringLiteral("The camera takes no \"+\": for an international number write 00 in its place, such as "
                        "0049... for +49..."),
         QStringLiteral("Die Kamera nimmt kein „+“ an: Schreiben Sie bei einer internationalen Nummer 00 an "
                        "seine Stelle, etwa 0049... für +49...")},
        {"page: separators note",
         QStringLiteral("Spaces, dashes, dots, slashes and brackets were left out: the camera takes digits only."),
         QStringLiteral("Leerzeichen, Striche, Punkte, Schrägstriche und Klammern wurden weggelassen: Die Kamera "
                        "nimmt nur Ziffern an.")},
        {"page: digits note", QStringLiteral("Left out: space, \"x\". This field takes digits only."),
         QStringLiteral("Weggelassen: Leerzeichen, „x“. Dieses Feld nimmt nur Ziffern auf.")},
        {"page: code page note",
         QStringLiteral("Left out: \"\u4f8b\" (U+4F8B). The camera cannot store these characters."),
         QStringLiteral("Weggelassen: „\u4f8b“ (U+4F8B). Diese Zeichen kann die Kamera nicht speichern.")},
        {"sender: limit note", QStringLiteral("At most 23 characters fit here; the rest was left out."),
         QStringLiteral("Hier passen höchstens 23 Zeichen hinein; der Rest wurde weggelassen.")},
        {"operator: masked note", QStringLiteral("Characters the camera cannot store were left out."),
         QStringLiteral("Zeichen, die die Kamera nicht speichern kann, wurden weggelassen.")},
    };
    return table;
}

QString labelFor(const QDialog &dialog, const QWidget *buddy)
{
    for (const QLabel *label : dialog.findChildren<QLabel *>()) {
        if (label->buddy() == buddy)
            return label->text();
    }
    return {};
}

// Opens the dialog behind the page's button and reads it while it is open.
void readDialog(StartedWindow &started, const char *button, const std::function<void(QDialog &)> &read)
{
    started.prompter.modalActions.enqueue([read](QDialog &dialog) {
        read(dialog);
        dialog.reject();
        return dialog.result();
    });
    QTest::mouseClick(started.control<QPushButton>(button), Qt::LeftButton);
}

// Reads every probe of the table from the windows as the tool starts them.
std::map<QString, QString> readProbes()
{
    ScopedTempFolder temp;
    StartedWindow started(true);
    std::map<QString, QString> read;
    read["page: receive email label"] = started.control<QLabel>("receiveEmail1Label")->text();
    read["page: email radio"] = started.control<QAbstractButton>("emailRadio")->text();
    read["page: country item"] = started.control<QComboBox>("countryCombo")->itemText(1);
    read["page: camera button"] = started.control<QPushButton>("camSettingButton")->text();
    read["page: accessible name"] = started.control<QComboBox>("smsStartCombo")->accessibleName();

    readDialog(started, "camSettingButton", [&read](QDialog &dialog) {
        read["camera: caption"] = dialog.windowTitle();
        read["camera: duration item"] = FindControl<QComboBox>(dialog, "videoLengthCombo")->itemText(1);
        read["camera: default button"] = FindControl<QPushButton>(dialog, "defaultButton")->text();
        read["camera: day box"] = FindControl<QCheckBox>(dialog, "workTime1MonCheck")->text();
        read["camera: group title"] = FindControl<QGroupBox>(dialog, "sysGroup")->title();
    });
    readDialog(started, "emailSettingButton", [&read](QDialog &dialog) {
        read["sender: caption"] = dialog.windowTitle();
        read["sender: default item"] = FindControl<QComboBox>(dialog, "selectEmailCombo")->itemText(0);
        read["sender: email label"] = labelFor(dialog, FindControl<QLineEdit>(dialog, "emailEdit"));
        FindControl<QComboBox>(dialog, "selectEmailCombo")->setCurrentIndex(1);
        pasteText(FindControl<QLineEdit>(dialog, "passwordEdit"), QString(30, u'p'));
        read["sender: limit note"] = FindControl<QLabel>(dialog, "passwordEditNote")->text();
    });

    started.control<QComboBox>("countryCombo")->setCurrentIndex(7); // Germany
    auto *operators = started.control<QComboBox>("operatorCombo");
    operators->setCurrentIndex(operators->count() - 1);
    read["page: custom operator item"] = operators->currentText();
    readDialog(started, "customButton", [&read](QDialog &dialog) {
        read["operator: caption"] = dialog.windowTitle();
        read["operator: account label"] = labelFor(dialog, FindControl<QLineEdit>(dialog, "mmsAccountEdit"));
        pasteText(FindControl<QLineEdit>(dialog, "gprsPasswordEdit"), QStringLiteral("pw\u4f8b"));
        read["operator: masked note"] = FindControl<QLabel>(dialog, "gprsPasswordEditNote")->text();
    });

    started.control<QAbstractButton>("phoneRadio")->click();
    pasteText(started.control<QLineEdit>("phoneNumber2Edit"), QStringLiteral("+49 170 1234567"));
    read["page: plus note"] = started.control<QLabel>("phoneNumber2EditNote")->text();
    pasteText(started.control<QLineEdit>("phoneNumber3Edit"), QStringLiteral("0170 123-45 67"));
    read["page: separators note"] = started.control<QLabel>("phoneNumber3EditNote")->text();
    pasteText(started.control<QLineEdit>("instantNumberEdit"), QStringLiteral(" x"));
    read["page: digits note"] = started.control<QLabel>("instantNumberEditNote")->text();

    started.control<QAbstractButton>("emailRadio")->click();
    pasteText(started.control<QLineEdit>("receiveEmail2Edit"), QStringLiteral("\u4f8b"));
    read["page: code page note"] = started.control<QLabel>("receiveEmail2EditNote")->text();
    QTest::keyClicks(started.control<QLineEdit>("receiveEmail1Edit"), "jane");
    QTest::mouseClick(started.control<QPushButton>("okButton"), Qt::LeftButton);
    read["page: check caption"] = started.prompter.lastMessage().caption;
    read["page: check message"] = started.prompter.lastMessage().text;
    return read;
}

// Makes the same choices in any language and saves them onto the card in
// `card`: the card's file and the working copy, as saved.
QList<QByteArray> savedFiles(const QString &card)
{
    ScopedTempFolder temp;
    StartedWindow started(true);
    started.control<QComboBox>("countryCombo")->setCurrentIndex(7);
    auto *operators = started.control<QComboBox>("operatorCombo");
    operators->setCurrentIndex(operators->count() - 1);
    started.control<QComboBox>("smsSwitchCombo")->setCurrentIndex(2);
    QTest::keyClicks(started.control<QLineEdit>("phoneNumber1Edit"), "01701234567");
    started.control<QComboBox>("emailSizeCombo")->setCurrentIndex(0);
    started.control<QAbstractButton>("emailRadio")->click();
    QTest::keyClicks(started.control<QLineEdit>("receiveEmail1Edit"), "jane@example.org");
    readDialog(started, "camSettingButton", [](QDialog &dialog) {
        FindControl<QComboBox>(dialog, "pirIntervalCombo")->setCurrentIndex(12);
        FindControl<QComboBox>(dialog, "workTime2SwitchCombo")->setCurrentIndex(1);
        FindControl<QComboBox>(dialog, "workTime2StartHourCombo")->setCurrentIndex(6);
        FindControl<QCheckBox>(dialog, "workTime2WedCheck")->click();
        FindControl<QPushButton>(dialog, "okButton")->click();
    });
    QTest::keyClicks(started.control<QLineEdit>("savePathEdit"), card);
    started.prompter.yesNoAnswers.enqueue(true);
    QTest::mouseClick(started.control<QPushButton>("okButton"), Qt::LeftButton);

    QList<QByteArray> files;
    for (const QString &path : {card + QStringLiteral("/PROFILE.BIN"), temp.workingCopyPath()}) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("%s was not saved: %s", qPrintable(path), qPrintable(started.prompter.lastMessage().text));
        files.append(file.readAll());
        file.remove();
    }
    return files;
}

// Marks every text it is asked for, so an unmarked text on screen went past it.
class MarkingTranslator final : public QTranslator
{
public:
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return QStringLiteral("‹") + QString::fromUtf8(sourceText) + QStringLiteral("›");
    }
    bool isEmpty() const override { return false; }
};

bool marked(const QString &text)
{
    return text.startsWith(QStringLiteral("‹")) && text.endsWith(QStringLiteral("›"));
}

// What may stay as written: brand names and entry names, tokens that are no
// words, digits, and the caption with the version.
bool keptAsWritten(const QString &text)
{
    static const QStringList literal = {
        QStringLiteral("OK"), QStringLiteral("..."), QStringLiteral(":"), QStringLiteral("."), QStringLiteral("Quenda V5.02.15"),
        QStringLiteral("Auto"), QStringLiteral("SSL/TLS"), QStringLiteral("STARTTLS"),
        QStringLiteral("gmail"), QStringLiteral("GMX"), QStringLiteral("hotmail"), QStringLiteral("yahoo"),
        QStringLiteral("1 & 1"), QStringLiteral("O2"), QStringLiteral("Revierwelt"), QStringLiteral("Vodafone"),
        QStringLiteral("WEB.de"), QStringLiteral("1080P"), QStringLiteral("720P"), QStringLiteral("WVGA"),
    };
    static const QRegularExpression token(QStringLiteral("^(\\d+|\\d+MP)$"));
    return text.isEmpty() || literal.contains(text) || token.match(text).hasMatch();
}

// Every text a user sees or hears in the window, named by where it stands.
QStringList unmarkedTexts(const QWidget &window)
{
    QStringList found;
    const auto check = [&found](const QWidget *widget, const char *what, const QString &text) {
        if (!marked(text) && !keptAsWritten(text))
            found.append(QStringLiteral("%1 %2: %3").arg(widget->objectName(), QLatin1String(what), text));
    };
    check(&window, "title", window.windowTitle());
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        if (widget->window() != &window)
            continue;
        check(widget, "tip", widget->toolTip());
        check(widget, "name", widget->accessibleName());
        check(widget, "description", widget->accessibleDescription());
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            check(widget, "text", label->text());
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            check(widget, "text", button->text());
        if (const auto *group = qobject_cast<const QGroupBox *>(widget))
            check(widget, "title", group->title());
        if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                check(widget, "item", combo->itemText(i));
        }
    }
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void theWindowsSpeakTheDesktopsLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QStringLiteral("en");
        QTest::newRow("German") << QStringLiteral("de");
    }

    void theWindowsSpeakTheDesktopsLanguage()
    {
        QFETCH(QString, language);
        const Translators translators{QLocale(language)};
        QCOMPARE(translators.hasOwn(), language != QLatin1String("en"));
        const std::map<QString, QString> read = readProbes();
        for (const Expected &expected : expectedTexts()) {
            const auto found = read.find(QString::fromLatin1(expected.probe));
            QVERIFY2(found != read.end(), expected.probe);
            const QString &wanted = language == QLatin1String("en") ? expected.en : expected.de;
            QVERIFY2(found->second == wanted,
                     qPrintable(QStringLiteral("%1: \"%2\", not \"%3\"").arg(found->first, found->second, wanted)));
        }
    }

    void theCardGetsTheSameBytesInEveryLanguage()
    {
        // One card for both, so that nothing but the language differs.
        QTemporaryDir card;
        QList<QByteArray> english;
        {
            const Translators translators{QLocale(QStringLiteral("en"))};
            english = savedFiles(card.path());
        }
        const Translators translators{QLocale(QStringLiteral("de"))};
        QVERIFY(translators.hasOwn());
        const QList<QByteArray> german = savedFiles(card.path());
        QCOMPARE(german.size(), english.size());
        for (int i = 0; i < english.size(); ++i) {
            QCOMPARE(german[i].size(), english[i].size());
            QVERIFY2(german[i] == english[i], i == 0 ? "PROFILE.BIN" : "the working copy");
        }
    }

    void noUntranslatedTextReachesTheWindows()
    {
        ScopedTempFolder temp;
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        StartedWindow started(true);
        QStringList found = unmarkedTexts(*started.window);
        readDialog(started, "camSettingButton", [&found](QDialog &dialog) {
            found << unmarkedTexts(dialog);
            FindControl<QPushButton>(dialog, "defaultButton")->click(); // asks first
        });
        readDialog(started, "emailSettingButton", [&found](QDialog &dialog) {
            found << unmarkedTexts(dialog);
            FindControl<QComboBox>(dialog, "selectEmailCombo")->setCurrentIndex(10); // "Other", no server yet
            // A note at a field, and the field's description with it.
            pasteText(FindControl<QLineEdit>(dialog, "smtpPortEdit"), QStringLiteral("58 7x123456"));
            found << unmarkedTexts(dialog);
            FindControl<QPushButton>(dialog, "okButton")->click();
        });
        started.control<QComboBox>("countryCombo")->setCurrentIndex(19); // the custom operators
        readDialog(started, "customButton", [&found](QDialog &dialog) { found << unmarkedTexts(dialog); });
        // The page's check message and save question, as the dialogs' above, reach the user too.
        started.control<QComboBox>("countryCombo")->setCurrentIndex(0);
        QTest::mouseClick(started.control<QPushButton>("okButton"), Qt::LeftButton);
        QTest::keyClicks(started.control<QLineEdit>("receiveEmail1Edit"), "jane@example.org");
        QTest::keyClicks(started.control<QLineEdit>("savePathEdit"), temp.path());
        QTest::mouseClick(started.control<QPushButton>("okButton"), Qt::LeftButton);
        started.window->close(); // the question before changes are lost
        int prompts = 0;
        for (const FakePrompter::Call &call : started.prompter.calls) {
            if (call.kind != FakePrompter::Kind::Message && call.kind != FakePrompter::Kind::Question)
                continue;
            ++prompts;
            for (const QString &text : {call.caption, call.text}) {
                if (!marked(text))
                    found.append(QStringLiteral("message: ") + text);
            }
        }
        QCOMPARE(prompts, 5);
        QCoreApplication::removeTranslator(&marking);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"

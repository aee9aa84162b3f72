// Draws the README's screenshots from the real windows: the main window with a
// typical camera set up, then each dialog as its page button opens it.
// Usage: talmeris-screenshots OUTPUT_FOLDER [LANGUAGE] (run offscreen by scripts/screenshots.sh;
// LANGUAGE "de" draws the German windows)

#include "app/application.h"
#include "app/main_window.h"
#include "app/translators.h"
#include "widgets/ipv4_address_edit.h"
#include "widgets/prompter.h"
#include "settings/profile_session.h"
#include "tools/find_control.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

namespace {

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

bool save(QWidget &window, const QString &path)
{
    settle();
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Fills each dialog as the page opens it, photographs it and closes it without storing.
class ScreenshotPrompter final : public Prompter
{
public:
    explicit ScreenshotPrompter(QString folder)
        : m_folder(std::move(folder))
    {
    }

    void show(QWidget *, const Message &) override {}
    bool askYesNo(QWidget *, const QString &, const QString &) override { return false; }
    std::optional<QUrl> pickFolder(QWidget *, const QString &, const QString &, const QStringList &) override
    {
        return std::nullopt;
    }

    int runModal(QDialog &dialog) override
    {
        dialog.show();
        settle();
        const auto fill = m_fillers.find(dialog.objectName());
        if (fill != m_fillers.end())
            fill->second.second(dialog);
        failed = !save(dialog, QDir(m_folder).filePath(fill != m_fillers.end() ? fill->second.first
                                                                                 : dialog.objectName() + ".png"))
                 || failed;
        dialog.hide();
        return QDialog::Rejected;
    }

    bool failed = false;

private:
    QString m_folder;
    std::map<QString, std::pair<QString, std::function<void(QDialog &)>>> m_fillers{
        {QStringLiteral("DlgCAM"),
         {QStringLiteral("camera-dialog.png"),
          [](QDialog &d) {
              FindControl<QComboBox>(d, "photoBurstCombo")->setCurrentIndex(2);
              FindControl<QComboBox>(d, "triggerModeCombo")->setCurrentIndex(2);
              FindControl<QComboBox>(d, "workTime1SwitchCombo")->setCurrentIndex(1);
              FindControl<QComboBox>(d, "workTime1StartHourCombo")->setCurrentIndex(6);
              FindControl<QComboBox>(d, "workTime1StopHourCombo")->setCurrentIndex(20);
          }}},
        {QStringLiteral("DlgEmailSetting"),
         {QStringLiteral("sender-email-dialog.png"),
          [](QDialog &d) {
              FindControl<QComboBox>(d, "selectEmailCombo")->setCurrentIndex(1);
              FindControl<QLineEdit>(d, "emailEdit")->setText(QStringLiteral("trailcam.example@gmail.com"));
              FindControl<QLineEdit>(d, "passwordEdit")->setText(QStringLiteral("app-password"));
          }}},
        {QStringLiteral("DlgOperator"),
         {QStringLiteral("operator-dialog.png"),
          [](QDialog &d) {
              FindControl<QLineEdit>(d, "urlEdit")->setText(QStringLiteral("http://mms.example.net/servlets/mms"));
              FindControl<Ipv4AddressEdit>(d, "gatewayEdit")->setOctets({10, 0, 0, 10});
              FindControl<QLineEdit>(d, "mmsApnEdit")->setText(QStringLiteral("mms.example"));
              FindControl<QLineEdit>(d, "mmsPortEdit")->setText(QStringLiteral("8080"));
              FindControl<QLineEdit>(d, "gprsApnEdit")->setText(QStringLiteral("internet.example"));
          }}},
    };
};

} // namespace

int main(int argc, char *argv[])
{
    // Fresh folders: the pictures show the defaults, never the user's working or durable copy.
    QTemporaryDir temporary;
    if (!temporary.isValid())
        return 2;
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(temporary.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(temporary.filePath(QStringLiteral("config"))));

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TalmerisSetup"));
    QApplication::setWindowIcon(Application::applicationIcon());
    const QStringList arguments = QApplication::arguments();
    const QString folder = arguments.size() > 1 ? arguments.at(1) : QStringLiteral("docs/screenshots");
    // English unless a language is named, so the README's pictures never follow the desktop.
    const Translators translators{QLocale(arguments.size() > 2 ? arguments.at(2) : QStringLiteral("en"))};
    if (!QDir().mkpath(folder))
        return 2;

    ProfileSession session;
    StartSession(session);
    ScreenshotPrompter prompter(folder);
    MainWindow window(session, prompter);
    window.show();
    settle();

    // A camera set up for a German carrier, sending to one address and reporting daily at 20:00.
    FindControl<QComboBox>(window, "dailyReportCombo")->setCurrentIndex(1);
    FindControl<QComboBox>(window, "dailyReportHourCombo")->setCurrentIndex(20);
    FindControl<QComboBox>(window, "countryCombo")->setCurrentIndex(7);
    FindControl<QComboBox>(window, "operatorCombo")->setCurrentIndex(5);
    FindControl<QLineEdit>(window, "receiveEmail1Edit")->setText(QStringLiteral("hunter@example.org"));
#ifdef Q_OS_WIN
    FindControl<QLineEdit>(window, "savePathEdit")->setText(QStringLiteral("E:\\"));
#else
    FindControl<QLineEdit>(window, "savePathEdit")->setText(QStringLiteral("/media/user/SDCARD"));
#endif
    bool failed = !save(window, QDir(folder).filePath(QStringLiteral("main-window.png")));

    FindControl<QPushButton>(window, "camSettingButton")->click();
    FindControl<QPushButton>(window, "emailSettingButton")->click();
    // The operator dialog opens for the custom items only.
    FindControl<QComboBox>(window, "countryCombo")->setCurrentIndex(19);
    FindControl<QPushButton>(window, "customButton")->click();
    return failed || prompter.failed ? 1 : 0;
}

#include "app/application.h"

#include "app/main_window.h"
#include "settings/card_folder.h"
#include "widgets/settings_page.h"

#include <QImage>
#include <QPixmap>
#include <QResource>

Application::Application(Prompter &prompter)
    : m_prompter(prompter)
{
}

Application::~Application() = default;

MainWindow &Application::start(const std::optional<QString> &file)
{
    StartSession(m_session);
    m_window = std::make_unique<MainWindow>(m_session, m_prompter);
    SettingsPage *page = m_window->page();
    if (const auto folder = RememberedCardFolder())
        page->showSavePath(*folder);
    QObject::connect(page, &SettingsPage::saved, page, &RememberCardFolder);
    if (file) {
        // A refused file is reported over the window, not before it.
        m_window->show();
        m_window->openFile(*file);
    }
    return *m_window;
}

int Application::run(const std::optional<QString> &file)
{
    // The window shows the application's icon, which main() set once for every window.
    start(file).exec();
    return 0;
}

QIcon Application::applicationIcon()
{
    // Raw pixels drawn from the SVG at build time: an SVG or PNG would load its
    // plugins at start-up.
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        const QResource pixels(QStringLiteral(":/icons/talmeris-setup-%1.argb").arg(size));
        if (pixels.size() != qint64(size) * size * 4 || pixels.compressionAlgorithm() != QResource::NoCompression)
            continue;
        const QImage image(pixels.data(), size, size, QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

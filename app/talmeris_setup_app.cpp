#include "app/talmeris_setup_app.h"

#include "app/talmeris_setup_dlg.h"

#include <QImage>
#include <QPixmap>
#include <QResource>

int TalmerisSetupApp::run()
{
    StartSession(m_session);
    TalmerisSetupDlg window(m_session, m_prompter);
    // The window shows the application's icon, which main() set once for every window.
    window.exec();
    return 0;
}

QIcon TalmerisSetupApp::applicationIcon()
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

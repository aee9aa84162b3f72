// Build-time tool: draws the application icon's SVG as square images of the
// given sizes, with the same renderer the toolkit uses: <stem>-<size>.png for
// the desktop, and <stem>-<size>.argb, the raw premultiplied pixels, which the
// window takes without an image decoder at start-up.
// Usage: render_icon ICON.svg OUTPUT_FOLDER SIZE...

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 4) {
        std::fputs("usage: render_icon ICON.svg OUTPUT_FOLDER SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid() || !QDir().mkpath(arguments.at(2))) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    const QString stem = QFileInfo(arguments.at(1)).completeBaseName();
    for (const QString &sizeText : arguments.mid(3)) {
        const int size = sizeText.toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString base = QDir(arguments.at(2)).filePath(QStringLiteral("%1-%2").arg(stem).arg(size));
        QFile raw(base + QStringLiteral(".argb"));
        const auto rawSize = qint64(image.sizeInBytes());
        if (size <= 0 || !image.save(base + QStringLiteral(".png")) || !raw.open(QIODevice::WriteOnly)
            || raw.write(reinterpret_cast<const char *>(image.constBits()), rawSize) != rawSize) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(base));
            return 1;
        }
    }
    return 0;
}

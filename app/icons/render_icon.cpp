// Build-time tool: draws the application icon's SVG as square images of the
// given sizes, with the same renderer the toolkit uses: <stem>-<size>.png for
// the desktop, and <stem>-<size>.argb, the raw premultiplied pixels, which the
// window takes without an image decoder at start-up; and <stem>.ico, every
// size in one file, for a Windows program's icon resource.
// Usage: render_icon ICON.svg OUTPUT_FOLDER SIZE...

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

void appendLittleEndian(QByteArray &bytes, quint32 value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

// An icon file whose images are PNGs, as Windows reads them since Vista.
bool writeIco(const QString &path, const QList<QPair<int, QByteArray>> &pngs)
{
    QByteArray header;
    appendLittleEndian(header, 0, 2);
    appendLittleEndian(header, 1, 2); // an icon, not a cursor
    appendLittleEndian(header, quint32(pngs.size()), 2);
    QByteArray images;
    quint32 offset = 6 + 16 * quint32(pngs.size());
    for (const auto &[size, png] : pngs) {
        header.append(char(size >= 256 ? 0 : size)); // 0 stands for 256
        header.append(char(size >= 256 ? 0 : size));
        header.append(char(0)); // no palette
        header.append(char(0));
        appendLittleEndian(header, 1, 2);  // colour planes
        appendLittleEndian(header, 32, 2); // bits a pixel
        appendLittleEndian(header, quint32(png.size()), 4);
        appendLittleEndian(header, offset, 4);
        offset += quint32(png.size());
        images += png;
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(header + images) == header.size() + images.size();
}

} // namespace

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
    QList<QPair<int, QByteArray>> pngs;
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
        QByteArray png;
        QBuffer pngBuffer(&png);
        if (size <= 0 || size > 256 || !image.save(&pngBuffer, "PNG")) {
            std::fprintf(stderr, "cannot draw %s\n", qPrintable(base));
            return 1;
        }
        QFile pngFile(base + QStringLiteral(".png"));
        if (!pngFile.open(QIODevice::WriteOnly) || pngFile.write(png) != png.size()
            || !raw.open(QIODevice::WriteOnly)
            || raw.write(reinterpret_cast<const char *>(image.constBits()), rawSize) != rawSize) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(base));
            return 1;
        }
        pngs.append({size, png});
    }
    const QString ico = QDir(arguments.at(2)).filePath(stem + QStringLiteral(".ico"));
    if (!writeIco(ico, pngs)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(ico));
        return 1;
    }
    return 0;
}

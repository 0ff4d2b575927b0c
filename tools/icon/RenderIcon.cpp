// Draws the program's icon files from the about box's picture: one scalable
// SVG and PNGs at the sizes the desktop asks for. The output is committed, so
// this runs only when the picture changes:
//   QT_QPA_PLATFORM=offscreen render-icon OUTPUT-FOLDER APP-ID
#include "screens/RingPicture.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: render-icon OUTPUT-FOLDER APP-ID\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString id = QString::fromLocal8Bit(argv[2]);

    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(96, 96));
    svg.setViewBox(QRectF(0, 0, 96, 96));
    svg.setTitle(QStringLiteral("Kirimaki"));
    svg.setDescription(QStringLiteral("Two wrestlers at the tachiai on a clay ring"));
    {
        QPainter p(&svg);
        paintRingPicture(p, PictureCorners::Rounded);
    }
    // The generator gives the size in millimetres; an icon is measured in pixels.
    QString text = QString::fromUtf8(buffer.data());
    text.replace(QRegularExpression(QStringLiteral("<svg width=\"[0-9.]+mm\" height=\"[0-9.]+mm\"")),
                 QStringLiteral("<svg width=\"96\" height=\"96\""));
    QFile file(out.filePath(id + QStringLiteral(".svg")));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) {
        std::fprintf(stderr, "render-icon: cannot write %s\n", qPrintable(file.fileName()));
        return 1;
    }
    file.close();

    for (int size : {48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            p.scale(size / 96.0, size / 96.0);
            paintRingPicture(p, PictureCorners::Rounded);
        }
        const QString name = QStringLiteral("%1x%1/%2.png").arg(size).arg(id);
        out.mkpath(QStringLiteral("%1x%1").arg(size));
        if (!image.save(out.filePath(name))) {
            std::fprintf(stderr, "render-icon: cannot write %s\n", qPrintable(out.filePath(name)));
            return 1;
        }
    }
    return 0;
}

#pragma once

#include "core/images/ImageFileWriter.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QStringList>

// Full-HD stills that decode like film frames: a lit gradient, a few shapes and fine grain,
// so a PNG of one is a few megabytes and takes a film still's time to inflate (a flat colour
// would decode at once and flatter the decoder).
inline QImage filmStill(int index, const QSize& size = QSize(1920, 1080))
{
    QImage image(size, QImage::Format_RGB32);
    quint32 grain = 2654435761u * quint32(index + 1);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            grain = grain * 1664525u + 1013904223u;
            const int noise = int(grain >> 29) - 4;
            const int light = 40 + 120 * x / size.width() + 60 * y / size.height();
            line[x] = qRgb(qBound(0, light + noise + index * 3 % 40, 255),
                           qBound(0, light + noise, 255), qBound(0, 200 - light / 2 + noise, 255));
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        painter.setBrush(QColor::fromHsv((index * 37 + i * 60) % 360, 150, 200));
        painter.drawEllipse(
            QPoint((index * 97 + i * 311) % size.width(), (index * 53 + i * 173) % size.height()),
            60 + i * 20, 40 + i * 15);
    }
    return image;
}

// still_000.png ... in `dir`, as Pictorb's own PNG writer writes them.
inline QStringList writeFilmStills(const QString& dir, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        paths << QDir(dir).filePath(QStringLiteral("still_%1.png").arg(i, 3, 10, QLatin1Char('0')));
        QString error;
        if (!ImageFileWriter::replace(filmStill(i), paths.last(), QStringLiteral("png"), -1,
                                      &error))
            qFatal("cannot write %s: %s", qPrintable(paths.last()), qPrintable(error));
    }
    return paths;
}

#include "core/preview/SheetExport.h"

#include <QtMath>

#include <algorithm>
#include <climits>

namespace {

int side(double value)
{
    return int(std::clamp<double>(qRound64(value), 1.0, double(INT_MAX)));
}

} // namespace

QSize SheetExport::outputSize(const QSize& sheet, Fit fit, qint64 value)
{
    if (sheet.isEmpty())
        return QSize();
    const double w = sheet.width();
    const double h = sheet.height();
    const double v = double(std::max<qint64>(value, 1));
    switch (fit) {
    case ByWidth:
        return QSize(side(v), side(v * h / w));
    case ByHeight:
        return QSize(side(v * w / h), side(v));
    case ByScale:
        break;
    }
    return QSize(side(w * v / 100.0), side(h * v / 100.0));
}

QImage SheetExport::scaled(const QImage& sheet, const QSize& size)
{
    if (size == sheet.size())
        return sheet;
    // The rows of a 32-bit picture must fit the toolkit's int byte counts.
    if (size.isEmpty() || qint64(size.width()) * 4 * size.height() > qint64(INT_MAX))
        return QImage();
    return sheet.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

int SheetExport::maximumSide(const QString& format)
{
    const QString upper = format.toUpper();
    if (upper == QLatin1String("WEBP"))
        return 16383;
    if (upper == QLatin1String("JPG") || upper == QLatin1String("JPEG"))
        return 65500;
    return 0;
}

bool SheetExport::fits(const QSize& picture, const QString& format)
{
    const int limit = maximumSide(format);
    return limit <= 0 || (picture.width() <= limit && picture.height() <= limit);
}

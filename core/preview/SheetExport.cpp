#include "core/preview/SheetExport.h"

QImage SheetExport::scaled(const QImage& sheet, qint64 scale)
{
    const int width = int(float(qint64(sheet.width()) * scale) / 100.0f);
    return sheet.scaledToWidth(width, Qt::FastTransformation);
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

bool SheetExport::fits(const QImage& picture, const QString& format)
{
    const int limit = maximumSide(format);
    return limit <= 0 || (picture.width() <= limit && picture.height() <= limit);
}

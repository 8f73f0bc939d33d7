#pragma once

#include <QImage>
#include <QString>

// The rules that turn a merged sheet into the picture written to disk, shared by the export
// button and the batch sheet tool so both write the same pixels.
class SheetExport final
{
public:
    // The sheet at scale percent of its width, the height following.
    static QImage scaled(const QImage& sheet, qint64 scale);
    // The largest side each writer can store; 0 means no limit below the toolkit's own.
    static int maximumSide(const QString& format);
    static bool fits(const QImage& picture, const QString& format);

private:
    SheetExport() = delete;
};

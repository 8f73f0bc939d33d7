#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The rules that turn a merged sheet into the picture written to disk, shared by the export
// button and the batch sheet tool so both write the same pixels.
class SheetExport final
{
public:
    // What the user fixed of the output: a percentage, or a width or height in pixels (the
    // other side then follows the sheet's own proportions).
    enum Fit
    {
        ByScale,
        ByWidth,
        ByHeight
    };

    // The output size for a sheet; each side at least one pixel.
    static QSize outputSize(const QSize& sheet, Fit fit, qint64 value);
    // The sheet at that size (smoothly scaled, the way the preview shows it); the sheet itself
    // at its own size. Null when a picture of that size cannot be held.
    static QImage scaled(const QImage& sheet, const QSize& size);
    // The largest side each writer can store; 0 means no limit below the toolkit's own.
    static int maximumSide(const QString& format);
    static bool fits(const QSize& picture, const QString& format);

private:
    SheetExport() = delete;
};

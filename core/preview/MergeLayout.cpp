#include "core/preview/MergeLayout.h"

#include <QDebug>
#include <QRegion>

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// Positions beyond the largest sheet the toolkit can hold are never copied; clamping keeps
// them representable.
int toInt(qint64 value)
{
    return int(std::min<qint64>(value, INT_MAX));
}

MergeLayout::Plan gridPlan(const QVector<QSize>& sizes, const MergeLayout::Params& params)
{
    const int n = sizes.size();
    const qint64 w0 = sizes.first().width();
    const qint64 h0 = sizes.first().height();
    const int c = std::max(params.columns, 1);
    // Gaps in the grid are never negative: cells would overlap without forming a strip.
    const qint64 xs = std::max(params.xSpace, 0);
    const qint64 ys = std::max(params.ySpace, 0);
    const qint64 k = std::min(n, c);
    const qint64 gap = (k - 1) * xs;

    MergeLayout::Plan plan;
    plan.width = k * w0 + gap;
    plan.height = qint64((n - 1) / c) * (ys + h0) + h0;
    qDebug() << "getGroupPixmap Grid" << plan.width << plan.height << w0 << h0 << gap;
    for (int i = 0; i < n; ++i) {
        const qint64 col = i % c;
        const qint64 row = i / c;
        plan.placements.append({i, QRect(QPoint(0, 0), sizes.at(i)),
                                QPoint(toInt(col * (w0 + xs)), toInt(row * (h0 + ys)))});
    }
    return plan;
}

// The vertical stack; the horizontal row is the same along the other axis, so this works
// on (length along the stack, length across it) and `along` picks the axis.
MergeLayout::Plan stripPlan(const QVector<QSize>& sizes, int space, bool vertical,
                            const QVector<StillBand>& bands = {})
{
    const auto along = [vertical](const QSize& s) {
        return qint64(vertical ? s.height() : s.width());
    };
    const auto across = [vertical](const QSize& s) {
        return qint64(vertical ? s.width() : s.height());
    };
    const int n = sizes.size();
    const qint64 first = along(sizes.first());

    // A spacing of minus the picture length or less would leave no band at all, and the
    // sheet would shrink below one picture; every following picture keeps at least its last
    // row (column) instead.
    qint64 step = first;
    qint64 gap = 0;
    if (space < 0)
        step = std::max<qint64>(first + space, 1);
    else
        gap = space;

    MergeLayout::Plan plan;
    plan.placements.append({0, QRect(QPoint(0, 0), sizes.first()), QPoint(0, 0)});
    qint64 offset = first;
    for (int i = 1; i < n; ++i) {
        const QSize& s = sizes.at(i);
        offset += gap;
        // The shared band is taken from the far edge: the bottom rows, or the right-hand
        // columns; a still of a vertical strip may have rows of its own instead.
        const StillBand own = space < 0 && vertical ? bands.value(i) : StillBand();
        QRect band = vertical ? QRect(0, int(s.height() - step), s.width(), int(step))
                              : QRect(int(s.width() - step), 0, int(step), s.height());
        if (own.isSet())
            band = QRect(0, own.top, s.width(), own.height);
        const QPoint target = vertical ? QPoint(0, toInt(offset)) : QPoint(toInt(offset), 0);
        plan.placements.append({i, band, target});
        offset += vertical ? band.height() : band.width();
    }
    plan.width = vertical ? across(sizes.first()) : offset;
    plan.height = vertical ? offset : across(sizes.first());
    if (vertical)
        qDebug() << "other image's height:" << step << "image total height" << offset;
    else
        qDebug() << "other image's width:" << step << "image total width" << offset;
    return plan;
}

// Copies the source rectangle row by row. The raster paint engine stops drawing past
// 32767 pixels, so a tall sheet is filled with plain scanline copies instead.
void copyRect(QImage& canvas, const QImage& source, QRect rect, QPoint target)
{
    const MergeLayout::Placement inside =
        MergeLayout::clipped({0, rect, target}, source.size(), canvas.size());
    if (inside.source.isEmpty())
        return;
    const QRect destination(inside.target, inside.source.size());
    const QPoint from = inside.source.topLeft();
    const size_t bytes = size_t(destination.width()) * 4;
    const bool blend = source.format() == QImage::Format_ARGB32_Premultiplied;
    for (int y = 0; y < destination.height(); ++y) {
        auto* out =
            reinterpret_cast<quint32*>(canvas.scanLine(destination.top() + y)) + destination.left();
        const auto* in =
            reinterpret_cast<const quint32*>(source.constScanLine(from.y() + y)) + from.x();
        std::memcpy(out, in, bytes);
        if (!blend)
            continue;
        // Over opaque white: every premultiplied channel c becomes c + (255 - alpha).
        for (int x = 0; x < destination.width(); ++x) {
            const quint32 p = out[x];
            const quint32 lift = 255 - qAlpha(p);
            out[x] = 0xff000000u | ((p & 0x00ffffffu) + lift * 0x010101u);
        }
    }
}

// Pictures are copied as raw 32-bit pixels, so each is brought into a layout whose bytes
// equal opaque ARGB32; the pictures of the cards already are, and are not converted.
QImage copyable(const QImage& image)
{
    if (image.format() == QImage::Format_RGB32)
        return image;
    if (image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

MergeLayout::Plan MergeLayout::plan(const QVector<QSize>& sizes, const Params& params)
{
    if (sizes.isEmpty())
        return {};
    switch (params.type) {
    case Grid:
        return gridPlan(sizes, params);
    case Horizontal:
        return stripPlan(sizes, params.xSpace, false);
    default:
        return stripPlan(sizes, params.ySpace, true, params.bands);
    }
}

MergeLayout::Placement MergeLayout::clipped(const Placement& placement, const QSize& picture,
                                            const QSize& sheet)
{
    // A band reaching outside its picture keeps its place: only the part inside is copied.
    const QRect inside = placement.source.intersected(QRect(QPoint(0, 0), picture));
    const QPoint target = placement.target + inside.topLeft() - placement.source.topLeft();
    const QRect destination = QRect(target, inside.size()).intersected(QRect(QPoint(0, 0), sheet));
    if (inside.isEmpty() || destination.isEmpty())
        return {placement.index, QRect(), target};
    return {placement.index,
            QRect(inside.topLeft() + (destination.topLeft() - target), destination.size()),
            destination.topLeft()};
}

QImage MergeLayout::canvas(const Plan& plan, Fill fill)
{
    // A scanline of 32-bit pixels must fit the toolkit's int byte count.
    if (plan.width <= 0 || plan.height <= 0 || plan.width > INT_MAX / 4 || plan.height > INT_MAX) {
        qWarning() << "merge: no sheet of" << plan.width << "x" << plan.height;
        return QImage();
    }
    // Opaque: every pixel is white or copied opaque, so the sheet holds no alpha, and an
    // opaque PNG is written without one.
    QImage sheet(int(plan.width), int(plan.height), QImage::Format_RGB32);
    if (sheet.isNull()) {
        qWarning() << "merge: cannot allocate a sheet of" << plan.width << "x" << plan.height;
        return QImage();
    }
    if (fill == WhiteEverywhere) {
        sheet.fill(Qt::white);
        return sheet;
    }
    // Only what no placement covers: the rest is written whole by the caller, and a sheet
    // filled twice costs a second pass over all its memory.
    QRegion uncovered(sheet.rect());
    for (const Placement& placement : plan.placements)
        uncovered -= QRect(placement.target, placement.source.size());
    for (const QRect& area : uncovered) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            std::fill_n(reinterpret_cast<QRgb*>(sheet.scanLine(y)) + area.left(), area.width(),
                        qRgb(255, 255, 255));
    }
    return sheet;
}

void MergeLayout::place(QImage& sheet, const QImage& image, const Placement& placement)
{
    if (image.isNull() || sheet.isNull())
        return;
    copyRect(sheet, copyable(image), placement.source, placement.target);
}

QImage MergeLayout::merge(const QList<QImage>& images, const Params& params)
{
    if (images.isEmpty())
        return QImage();
    QVector<QSize> sizes;
    sizes.reserve(images.size());
    for (const QImage& image : images)
        sizes.append(image.size());
    const Plan layout = plan(sizes, params);
    QImage sheet = canvas(layout);
    for (const Placement& placement : layout.placements)
        place(sheet, images.at(placement.index), placement);
    return sheet;
}

QVector<QRect> MergeLayout::remerge(QImage& sheet, const QList<QImage>& images,
                                    const Params& params, const QVector<int>& changed)
{
    QVector<QSize> sizes;
    sizes.reserve(images.size());
    for (const QImage& image : images)
        sizes.append(image.size());
    const Plan layout = plan(sizes, params);

    QVector<QRect> areas;
    for (const Placement& placement : layout.placements) {
        if (changed.contains(placement.index))
            areas.append(
                QRect(placement.target, placement.source.size()).intersected(sheet.rect()));
    }
    // Each area is rebuilt as a fresh merge builds it: white, then every picture reaching
    // into it in merge order, so overlaps and blended transparency come out the same.
    for (const QRect& area : qAsConst(areas)) {
        if (area.isEmpty())
            continue;
        for (int y = area.top(); y <= area.bottom(); ++y)
            std::fill_n(reinterpret_cast<QRgb*>(sheet.scanLine(y)) + area.left(), area.width(),
                        qRgb(255, 255, 255));
        for (const Placement& placement : layout.placements) {
            const QImage& image = images.at(placement.index);
            const QRect target(placement.target, placement.source.size());
            const QRect overlap = target.intersected(area);
            if (image.isNull() || overlap.isEmpty())
                continue;
            copyRect(sheet, copyable(image),
                     QRect(placement.source.topLeft() + (overlap.topLeft() - target.topLeft()),
                           overlap.size()),
                     overlap.topLeft());
        }
    }
    return areas;
}

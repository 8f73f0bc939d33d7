#pragma once

#include "core/images/StillBand.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVector>

// Composes pictures into one sheet: a grid, a vertical stack or a horizontal row. With a
// negative spacing a stack becomes a subtitle-strip sheet: the first picture whole, then only
// the bottom (or right-hand) band of each following one. Pure functions on values, so the
// engine may run on any thread.
class MergeLayout final
{
public:
    enum Type
    {
        Grid = 0,
        Vertical = 1,
        Horizontal = 2
    };

    struct Params
    {
        int type = Vertical;
        int xSpace = 0;
        int ySpace = 0;
        int columns = 1; // below 1 counts as 1
        // Per picture, in merge order: the rows a vertical subtitle-strip sheet shows of it
        // in place of the shared band (the bottom rows the negative spacing leaves). Unset
        // or missing entries take the shared band; the first picture is always whole.
        QVector<StillBand> bands;

        bool operator==(const Params& other) const
        {
            return type == other.type && xSpace == other.xSpace && ySpace == other.ySpace &&
                   columns == other.columns && bands == other.bands;
        }
        bool operator!=(const Params& other) const { return !(*this == other); }
    };

    // One copy: the rectangle of picture `index` that lands with its top-left at `target`.
    struct Placement
    {
        int index = 0;
        QRect source;
        QPoint target;
    };

    struct Plan
    {
        // Computed in 64 bits so a sheet too large for the toolkit is seen, not wrapped.
        qint64 width = 0;
        qint64 height = 0;
        QVector<Placement> placements;
    };

    // Where every picture goes, from the picture sizes alone.
    static Plan plan(const QVector<QSize>& sizes, const Params& params);
    // The merged sheet on opaque white (Format_RGB32); null for no pictures or for a sheet
    // that cannot be allocated.
    static QImage merge(const QList<QImage>& images, const Params& params);
    // The two steps of a merge, for callers that produce the pictures one at a time: the
    // opaque white sheet of a plan (null when it cannot be allocated), then each placement
    // copied in plan order. A merge is exactly these steps.
    enum Fill
    {
        WhiteEverywhere,
        // White only where no placement lands: for a caller that then writes every
        // placement's whole rectangle itself.
        WhiteUncovered
    };
    static QImage canvas(const Plan& plan, Fill fill = WhiteEverywhere);
    static void place(QImage& sheet, const QImage& image, const Placement& placement);
    // The part of a placement that place() copies for a picture of that size onto a sheet of
    // that size: its source cut to the picture and to the sheet, landing where it would. An
    // empty source when nothing of it shows.
    static Placement clipped(const Placement& placement, const QSize& picture, const QSize& sheet);
    // Brings a sheet merged from the same number of pictures of the same sizes up to date
    // after the pictures at `changed` were redrawn, touching only the areas they cover; the
    // result equals a fresh merge. Returns those areas.
    static QVector<QRect> remerge(QImage& sheet, const QList<QImage>& images, const Params& params,
                                  const QVector<int>& changed);

private:
    MergeLayout() = delete;
};

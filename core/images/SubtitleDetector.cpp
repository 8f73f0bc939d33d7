#include "core/images/SubtitleDetector.h"

#include "core/base/EveryCore.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

// A glyph edge: this much luminance (of 255) between two pixels two apart, so an edge smoothed
// over two pixels (anti-aliasing, JPEG) still counts whole.
constexpr int kEdge = 56;
constexpr int kSearchFromPercent = 40;
constexpr int kMinWidth = 32;
constexpr int kMinHeight = 24;
// A row of text holds at least this many strokes of its ink ("No." at a small size does).
constexpr int kMinRowStrokes = 4;
// Text rows stand this many times the spread of chance counts above the rows around them.
constexpr int kContrast = 6;
constexpr int kMaxLines = 3;
// Strokes this regularly spaced are a pattern of the picture, not letters.
constexpr int kEvenPercent = 60;

struct Stroke
{
    int row;
    int x; // first pixel
    int length;
    QRgb colour;
    bool dark;
};

// Lengths that follow the picture's width: subtitles are sized to the frame, and a band cut from
// a still keeps the still's width but not its height.
struct Scale
{
    explicit Scale(int width)
        : maxStroke(std::max(4, width / 70)), minLine(std::max(4, width / 200)),
          maxLine(std::max(8, width / 10)), gap(std::max(1, width / 640))
    {
    }
    int maxStroke; // widest glyph stroke
    int minLine;   // thinnest block of text rows
    int maxLine;   // thickest one
    int gap;       // rows of a block with few strokes (between the bowls of a line)
};

// The rows from `top` on, read as 0xAARRGGBB words: in place for the 32-bit formats, a converted
// copy of just those rows for the others.
class Rows
{
public:
    Rows(const QImage& picture, int top)
    {
        switch (picture.format()) {
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
        case QImage::Format_ARGB32_Premultiplied:
            m_image = picture;
            m_offset = 0;
            break;
        default:
            m_image = picture.copy(0, top, picture.width(), picture.height() - top)
                          .convertToFormat(QImage::Format_RGB32);
            m_offset = top;
        }
    }
    bool isNull() const { return m_image.isNull(); }
    const QRgb* line(int y) const
    {
        return reinterpret_cast<const QRgb*>(m_image.constScanLine(y - m_offset));
    }

private:
    QImage m_image;
    int m_offset = 0;
};

int luminance(QRgb pixel)
{
    return (qRed(pixel) * 77 + qGreen(pixel) * 150 + qBlue(pixel) * 29) >> 8;
}

// The strokes of one row: runs of at most maxStroke pixels between a rise and a fall of
// luminance (bright) or a fall and a rise (dark), each with its most extreme pixel's colour.
void scanRow(const QRgb* line, int width, int row, int maxStroke, std::vector<int>& lum,
             std::vector<Stroke>& out)
{
    for (int x = 0; x < width; ++x)
        lum[size_t(x)] = luminance(line[x]);
    const auto add = [&](int from, int to, bool dark) {
        if (to < from || to - from >= maxStroke)
            return;
        int best = from;
        for (int x = from + 1; x <= to; ++x) {
            if (dark ? lum[size_t(x)] < lum[size_t(best)] : lum[size_t(x)] > lum[size_t(best)])
                best = x;
        }
        out.push_back({row, from, to - from + 1, line[best], dark});
    };
    int riseAt = -1;
    int fallAt = -1;
    int previous = 0;
    for (int x = 2; x < width; ++x) {
        const int step = lum[size_t(x)] - lum[size_t(x - 2)];
        const int kind = step >= kEdge ? 1 : step <= -kEdge ? -1 : 0;
        if (kind == 1 && previous != 1) {
            if (fallAt >= 0)
                add(fallAt, x - 2, true);
            fallAt = -1;
            riseAt = x;
        } else if (kind == -1 && previous != -1) {
            if (riseAt >= 0)
                add(riseAt, x - 2, false);
            riseAt = -1;
            fallAt = x;
        }
        previous = kind;
    }
}

std::vector<Stroke> strokes(const Rows& rows, int width, int top, int bottom, int maxStroke)
{
    std::vector<Stroke> found;
    std::vector<int> lum(static_cast<size_t>(width));
    for (int y = top; y < bottom; ++y)
        scanRow(rows.line(y), width, y, maxStroke, lum, found);
    return found;
}

// The colours most strokes share, best first: a histogram of 16 levels a channel per polarity,
// each cell counted with its neighbours so that a colour on a cell border is not split; the
// densest cell of a neighbourhood gives the colour (the mean of its strokes).
QVector<SubtitleDetector::Ink> candidateInks(const std::vector<Stroke>& found, int count)
{
    constexpr int kCells = 2 * 16 * 16 * 16;
    struct Cell
    {
        int strokes = 0;
        qint64 red = 0;
        qint64 green = 0;
        qint64 blue = 0;
    };
    std::vector<Cell> cells(kCells);
    for (const Stroke& stroke : found) {
        const QRgb c = stroke.colour;
        Cell& cell = cells[size_t((stroke.dark ? 4096 : 0) + (qRed(c) >> 4) * 256 +
                                  (qGreen(c) >> 4) * 16 + (qBlue(c) >> 4))];
        ++cell.strokes;
        cell.red += qRed(c);
        cell.green += qGreen(c);
        cell.blue += qBlue(c);
    }

    std::vector<std::pair<int, int>> ranked; // (neighbourhood count, its densest cell)
    for (int c = 0; c < kCells; ++c) {
        if (cells[size_t(c)].strokes == 0)
            continue;
        const int base = c & 4096;
        const int r = (c >> 8) & 15, g = (c >> 4) & 15, b = c & 15;
        int sum = 0;
        int densest = c;
        for (int dr = std::max(0, r - 1); dr <= std::min(15, r + 1); ++dr) {
            for (int dg = std::max(0, g - 1); dg <= std::min(15, g + 1); ++dg) {
                for (int db = std::max(0, b - 1); db <= std::min(15, b + 1); ++db) {
                    const int at = base + dr * 256 + dg * 16 + db;
                    sum += cells[size_t(at)].strokes;
                    if (cells[size_t(at)].strokes > cells[size_t(densest)].strokes)
                        densest = at;
                }
            }
        }
        ranked.emplace_back(sum, densest);
    }
    std::sort(ranked.begin(), ranked.end(), std::greater<>());

    QVector<SubtitleDetector::Ink> inks;
    for (const auto& entry : ranked) {
        if (inks.size() == count)
            break;
        const Cell& cell = cells[size_t(entry.second)];
        SubtitleDetector::Ink ink;
        ink.dark = entry.second & 4096;
        ink.colour = qRgb(int(cell.red / cell.strokes), int(cell.green / cell.strokes),
                          int(cell.blue / cell.strokes));
        const bool near = std::any_of(inks.cbegin(), inks.cend(), [&](const auto& other) {
            return other.dark == ink.dark && SubtitleDetector::isInk(other.colour, ink, 24);
        });
        if (!near)
            inks << ink;
    }
    return inks;
}

struct Block
{
    int top; // inclusive, in profile rows
    int bottom;
    qint64 strength;
    int height() const { return bottom - top + 1; }
};

// Runs of rows whose count reaches threshold, gaps of up to `gap` rows bridged.
std::vector<Block> blocks(const std::vector<int>& counts, int threshold, int gap)
{
    std::vector<Block> found;
    for (int y = 0; y < int(counts.size()); ++y) {
        if (counts[size_t(y)] < threshold)
            continue;
        if (!found.empty() && y - found.back().bottom - 1 <= gap) {
            found.back().bottom = y;
            found.back().strength += counts[size_t(y)];
        } else {
            found.push_back({y, y, counts[size_t(y)]});
        }
    }
    return found;
}

// The mean count of the rows below threshold: the picture behind the text.
double background(const std::vector<int>& counts, int threshold)
{
    qint64 sum = 0;
    int rows = 0;
    for (int count : counts) {
        if (count < threshold) {
            sum += count;
            ++rows;
        }
    }
    return rows > 0 ? double(sum) / rows : 0.0;
}

struct Found
{
    int top = 0; // inclusive, in profile rows
    int bottom = -1;
    qint64 strength = 0;
    double excess = 0; // strokes of the densest line above what rows around it hold
    int lineHeight = 0;
};

// The subtitle in a profile of ink strokes per row.
Found subtitle(const std::vector<int>& perRow, const Scale& scale,
               const std::function<bool(int, int)>& isPattern)
{
    const int rows = int(perRow.size());
    std::vector<int> counts(static_cast<size_t>(rows));
    for (int y = 0; y < rows; ++y) {
        counts[size_t(y)] = perRow[size_t(y)] + (y > 0 ? perRow[size_t(y - 1)] : 0) +
                            (y + 1 < rows ? perRow[size_t(y + 1)] : 0);
    }
    // The floor is what a fifth of the rows stay under: rows without text, even in a band cut
    // tightly around a subtitle.
    std::vector<int> sorted = counts;
    std::nth_element(sorted.begin(), sorted.begin() + rows / 5, sorted.end());
    const int floor = sorted[size_t(rows / 5)];
    // Rows of a picture without text vary around the floor as counts of chance events do (by
    // about its square root); a text row lies far above that.
    const int threshold =
        std::max(3 * kMinRowStrokes, floor + int(4 * std::sqrt(double(floor))) + kMinRowStrokes);

    std::vector<Block> found = blocks(counts, threshold, scale.gap);
    found.erase(std::remove_if(found.begin(), found.end(),
                               [&](const Block& block) {
                                   return block.height() > scale.maxLine ||
                                          isPattern(block.top, block.bottom);
                               }),
                found.end());
    const auto best =
        std::max_element(found.begin(), found.end(),
                         [](const auto& a, const auto& b) { return a.strength < b.strength; });
    if (best == found.end() || best->height() < scale.minLine)
        return {};
    const double inside = double(best->strength) / best->height();
    const double around = background(counts, threshold);
    if (inside < around + kContrast * std::sqrt(around) + 3 * kMinRowStrokes)
        return {};

    // Ascenders and descenders: the thin rows on either side, up to half a line, as long as
    // they stand clearly above the floor.
    const int low = floor + std::max(2, (threshold - floor) / 4);
    const auto grow = [&](Block block) {
        const int reach = block.height() / 2;
        for (int i = 0; i < reach && block.top > 0 && counts[size_t(block.top - 1)] >= low; ++i)
            --block.top;
        for (int i = 0;
             i < reach && block.bottom + 1 < rows && counts[size_t(block.bottom + 1)] >= low; ++i)
            ++block.bottom;
        return block;
    };
    const Block line = grow(*best);
    Found result{line.top, line.bottom, best->strength, (inside - around) * best->height(),
                 line.height()};
    // The subtitle's other lines: blocks of a similar height within a line's distance.
    for (int lines = 1; lines < kMaxLines; ++lines) {
        const Block* next = nullptr;
        int nextGap = result.lineHeight + 1;
        for (const Block& block : found) {
            if (block.top >= result.top && block.bottom <= result.bottom)
                continue;
            const int gap = std::max(block.top - result.bottom, result.top - block.bottom) - 1;
            if (gap < nextGap && 5 * block.height() >= 2 * best->height()) {
                next = &block;
                nextGap = gap;
            }
        }
        if (!next)
            break;
        const Block grown = grow(*next);
        result.top = std::min(result.top, grown.top);
        result.bottom = std::max(result.bottom, grown.bottom);
    }
    return result;
}

std::vector<int> profile(const std::vector<Stroke>& found, const SubtitleDetector::Ink& ink,
                         int top, int bottom)
{
    std::vector<int> perRow(static_cast<size_t>(bottom - top));
    for (const Stroke& stroke : found) {
        if (stroke.dark == ink.dark && SubtitleDetector::isInk(stroke.colour, ink))
            ++perRow[size_t(stroke.row - top)];
    }
    return perRow;
}

// The median colour of the ink's strokes in rows [first, last].
SubtitleDetector::Ink refined(const std::vector<Stroke>& found, SubtitleDetector::Ink ink,
                              int first, int last)
{
    std::array<std::array<int, 256>, 3> levels{};
    int count = 0;
    for (const Stroke& stroke : found) {
        if (stroke.row < first || stroke.row > last || stroke.dark != ink.dark ||
            !SubtitleDetector::isInk(stroke.colour, ink))
            continue;
        ++levels[0][size_t(qRed(stroke.colour))];
        ++levels[1][size_t(qGreen(stroke.colour))];
        ++levels[2][size_t(qBlue(stroke.colour))];
        ++count;
    }
    const auto median = [&](const std::array<int, 256>& histogram) {
        int seen = 0;
        for (int level = 0; level < 256; ++level) {
            seen += histogram[size_t(level)];
            if (2 * seen >= count)
                return level;
        }
        return 255;
    };
    ink.colour = qRgb(median(levels[0]), median(levels[1]), median(levels[2]));
    return ink;
}

// Whether the ink's strokes in rows [first, last] stand at even distances, as the bars of a
// railing, the columns of a facade or a row of windows do; letters never do.
bool regular(const std::vector<Stroke>& found, const SubtitleDetector::Ink& ink, int first,
             int last)
{
    auto at = std::lower_bound(found.begin(), found.end(), first,
                               [](const Stroke& stroke, int row) { return stroke.row < row; });
    std::vector<int> gaps;
    int even = 0;
    int total = 0;
    while (at != found.end() && at->row <= last) {
        const int row = at->row;
        gaps.clear();
        int previous = -1;
        for (; at != found.end() && at->row == row; ++at) {
            if (at->dark != ink.dark || !SubtitleDetector::isInk(at->colour, ink))
                continue;
            if (previous >= 0)
                gaps.push_back(at->x - previous);
            previous = at->x;
        }
        if (gaps.size() < 3)
            continue;
        std::nth_element(gaps.begin(), gaps.begin() + gaps.size() / 2, gaps.end());
        const int median = gaps[gaps.size() / 2];
        for (int gap : gaps)
            even += std::abs(gap - median) <= std::max(1, median / 10);
        total += int(gaps.size());
    }
    return total > 0 && even * 100 >= kEvenPercent * total;
}

// The subtitle found in rows [top, bottom) of a picture.
SubtitleDetector::Text detect(const QImage& picture, int top)
{
    if (picture.width() < kMinWidth || picture.height() < kMinHeight ||
        picture.height() - top < kMinHeight / 2)
        return {};
    const Rows rows(picture, top);
    if (rows.isNull())
        return {};
    const Scale scale(picture.width());
    const int bottom = picture.height();
    const std::vector<Stroke> found = strokes(rows, picture.width(), top, bottom, scale.maxStroke);

    std::vector<std::pair<Found, SubtitleDetector::Ink>> lines;
    for (SubtitleDetector::Ink ink : candidateInks(found, 4)) {
        const auto isPattern = [&](int first, int last) {
            return regular(found, ink, top + first, top + last);
        };
        Found line = subtitle(profile(found, ink, top, bottom), scale, isPattern);
        if (line.strength == 0)
            continue;
        // The candidate is a coarse colour; the text's own, taken from its rows, lets less of
        // the picture around it count.
        const SubtitleDetector::Ink sharp = refined(found, ink, top + line.top, top + line.bottom);
        const auto isSharpPattern = [&](int first, int last) {
            return regular(found, sharp, top + first, top + last);
        };
        const Found again = subtitle(profile(found, sharp, top, bottom), scale, isSharpPattern);
        if (again.strength > 0) {
            line = again;
            ink = sharp;
        }
        lines.emplace_back(line, ink);
    }
    if (lines.empty())
        return {};
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return a.first.excess > b.first.excess; });
    const Found& best = lines.front().first;
    SubtitleDetector::Text detection;
    detection.inks << lines.front().second;
    int textTop = best.top;
    int textBottom = best.bottom;
    int lineHeight = best.lineHeight;
    // The outline of a bright fill is dark and the other way round; it finds the same rows, with
    // about as many strokes, and the rows of both are the text's.
    for (const auto& [line, ink] : lines) {
        if (ink.dark != detection.inks.front().dark && line.top <= best.bottom &&
            line.bottom >= best.top && 4 * line.excess >= best.excess) {
            detection.inks << ink;
            textTop = std::min(textTop, line.top);
            textBottom = std::max(textBottom, line.bottom);
            lineHeight = std::max(lineHeight, line.lineHeight);
            break;
        }
    }
    const int margin = std::max(3, lineHeight * 3 / 10);
    const int first = std::max(0, top + textTop - margin);
    const int last = std::min(bottom - 1, top + textBottom + margin);
    detection.band = StillBand{first, last - first + 1};
    return detection;
}

} // namespace

StillBand SubtitleDetector::find(const QImage& still)
{
    return detect(still, still.height() * kSearchFromPercent / 100).band;
}

QVector<StillBand> SubtitleDetector::findAll(const QVector<QImage>& stills)
{
    QVector<StillBand> bands(stills.size());
    // Each thread writes its own entries, through a pointer taken before any thread starts.
    StillBand* const out = bands.data();
    std::atomic_int next{0};
    const auto work = [&] {
        for (int i = next++; i < stills.size(); i = next++)
            out[i] = find(stills.at(i));
    };
    runOnEveryCore(int(stills.size()), work);
    return bands;
}

SubtitleDetector::Text SubtitleDetector::text(const QImage& picture)
{
    return detect(picture, 0);
}

QImage SubtitleDetector::inkStrokes(const QImage& picture, const Ink& ink)
{
    if (picture.isNull())
        return QImage();
    QImage mask(picture.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    const Rows rows(picture, 0);
    if (rows.isNull())
        return mask;
    for (const Stroke& stroke :
         strokes(rows, picture.width(), 0, picture.height(), Scale(picture.width()).maxStroke)) {
        if (stroke.dark != ink.dark || !isInk(stroke.colour, ink))
            continue;
        // A dark stroke may run on over a dark picture beside the outline; only the ink counts.
        const QRgb* line = rows.line(stroke.row);
        uchar* out = mask.scanLine(stroke.row);
        for (int x = stroke.x; x < stroke.x + stroke.length; ++x)
            out[x] = isInk(line[x], ink) ? 255 : 0;
    }
    return mask;
}

bool SubtitleDetector::isInk(QRgb pixel, const Ink& ink, int tolerance)
{
    return std::abs(qRed(pixel) - qRed(ink.colour)) <= tolerance &&
           std::abs(qGreen(pixel) - qGreen(ink.colour)) <= tolerance &&
           std::abs(qBlue(pixel) - qBlue(ink.colour)) <= tolerance;
}

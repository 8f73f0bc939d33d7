#include "core/images/RepeatedLines.h"

#include "core/images/SubtitleDetector.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr int kLooseTolerance = 2 * SubtitleDetector::kInkTolerance;
// Fewer glyph pixels than this are no line of text; smaller blobs are specks.
constexpr int kMinTextPixels = 40;
constexpr int kMinBlob = 3;
// Of a band's glyph pixels, this share may lack a match in the other band (JPEG noise), and of
// those in any stretch of a line one text height wide, this share.
constexpr int kMissedPercent = 6;
constexpr int kLocalMissedPercent = 25;

// The picture as 32-bit words, read in place where it already is.
QImage words(const QImage& picture)
{
    switch (picture.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return picture;
    default:
        return picture.convertToFormat(QImage::Format_RGB32);
    }
}

using Mask = std::vector<uint8_t>;

// The pixels of the ink's strokes in blobs (8-connected) of a few pixels or more that touch
// neither the top nor the bottom row, in the rows of `text` only.
Mask glyphs(const QImage& picture, const SubtitleDetector::Ink& ink, const StillBand& text)
{
    const int width = picture.width();
    const int height = picture.height();
    const QImage strokes = SubtitleDetector::inkStrokes(picture, ink);
    Mask mask(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y) {
        const uchar* line = strokes.constScanLine(y);
        for (int x = 0; x < width; ++x)
            mask[size_t(y) * size_t(width) + size_t(x)] = line[x] != 0;
    }
    Mask seen(mask.size());
    std::vector<int> blob;
    std::vector<int> stack;
    for (int start = 0; start < int(mask.size()); ++start) {
        if (!mask[size_t(start)] || seen[size_t(start)])
            continue;
        blob.clear();
        stack.assign(1, start);
        seen[size_t(start)] = 1;
        bool edge = false;
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            blob.push_back(at);
            const int x = at % width;
            const int y = at / width;
            edge = edge || y == 0 || y == height - 1;
            for (int ny = std::max(0, y - 1); ny <= std::min(height - 1, y + 1); ++ny) {
                for (int nx = std::max(0, x - 1); nx <= std::min(width - 1, x + 1); ++nx) {
                    const int next = ny * width + nx;
                    if (mask[size_t(next)] && !seen[size_t(next)]) {
                        seen[size_t(next)] = 1;
                        stack.push_back(next);
                    }
                }
            }
        }
        if (edge || int(blob.size()) < kMinBlob) {
            for (int at : blob)
                mask[size_t(at)] = 0;
        }
    }
    // Below and above the text lies only picture, which may change from still to still.
    std::fill(mask.begin(), mask.begin() + std::ptrdiff_t(text.top) * width, 0);
    std::fill(mask.begin() + std::ptrdiff_t(text.top + text.height) * width, mask.end(), 0);
    return mask;
}

// The pixels within one pixel of one of the ink's colour, loosely matched: where a glyph of
// the other band would be found in this one.
Mask nearInk(const QImage& picture, const SubtitleDetector::Ink& ink)
{
    const int width = picture.width();
    const int height = picture.height();
    Mask near(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (!SubtitleDetector::isInk(line[x], ink, kLooseTolerance))
                continue;
            for (int ny = std::max(0, y - 1); ny <= std::min(height - 1, y + 1); ++ny)
                for (int nx = std::max(0, x - 1); nx <= std::min(width - 1, x + 1); ++nx)
                    near[size_t(ny) * size_t(width) + size_t(nx)] = 1;
        }
    }
    return near;
}

int count(const Mask& mask)
{
    return int(std::count(mask.begin(), mask.end(), 1));
}

// The lines of a glyph mask: runs of rows holding glyph pixels, as (first, last).
std::vector<std::pair<int, int>> lines(const Mask& glyphs, int width)
{
    std::vector<std::pair<int, int>> found;
    const int height = int(glyphs.size()) / width;
    for (int y = 0; y < height; ++y) {
        const auto row = glyphs.begin() + std::ptrdiff_t(y) * width;
        if (std::find(row, row + width, 1) == row + width)
            continue;
        if (!found.empty() && found.back().second >= y - 2)
            found.back().second = y;
        else
            found.emplace_back(y, y);
    }
    return found;
}

// Whether the glyphs of one band are all found in the other band, but for what noise loses.
bool foundIn(const Mask& glyphs, const Mask& other, int width)
{
    int total = 0;
    int totalMissing = 0;
    for (size_t at = 0; at < glyphs.size(); ++at) {
        total += glyphs[at];
        totalMissing += glyphs[at] && !other[at];
    }
    if (total < kMinTextPixels || 100 * totalMissing > kMissedPercent * total)
        return false;
    // A changed word is a stretch of its line where most is missing, whatever the rest does.
    std::vector<int> present(static_cast<size_t>(width));
    std::vector<int> missing(static_cast<size_t>(width));
    for (const auto& [first, last] : lines(glyphs, width)) {
        std::fill(present.begin(), present.end(), 0);
        std::fill(missing.begin(), missing.end(), 0);
        for (int y = first; y <= last; ++y) {
            for (int x = 0; x < width; ++x) {
                const size_t at = size_t(y) * size_t(width) + size_t(x);
                present[size_t(x)] += glyphs[at];
                missing[size_t(x)] += glyphs[at] && !other[at];
            }
        }
        const int window = std::min(last - first + 1, width);
        int inWindow = 0;
        int missingInWindow = 0;
        for (int x = 0; x < width; ++x) {
            inWindow += present[size_t(x)];
            missingInWindow += missing[size_t(x)];
            if (x >= window) {
                inWindow -= present[size_t(x - window)];
                missingInWindow -= missing[size_t(x - window)];
            }
            if (missingInWindow >= window && 100 * missingInWindow > kLocalMissedPercent * inWindow)
                return false;
        }
    }
    return true;
}

// A band read once: its pixels as 32-bit words and its text.
struct Band
{
    explicit Band(const QImage& band) : picture(words(band)), text(SubtitleDetector::text(picture))
    {
    }
    QImage picture;
    SubtitleDetector::Text text;
};

bool sameLine(const Band& a, const Band& b)
{
    if (a.picture.isNull() || a.picture.size() != b.picture.size() || !a.text.band.isSet() ||
        !b.text.band.isSet())
        return false;
    const int top = std::min(a.text.band.top, b.text.band.top);
    const int bottom =
        std::max(a.text.band.top + a.text.band.height, b.text.band.top + b.text.band.height);
    const StillBand rows{top, bottom - top};
    QVector<SubtitleDetector::Ink> inks;
    for (const SubtitleDetector::Ink& ink : a.text.inks + b.text.inks) {
        const bool known = std::any_of(inks.cbegin(), inks.cend(), [&](const auto& other) {
            return other.dark == ink.dark && SubtitleDetector::isInk(other.colour, ink, 16);
        });
        if (!known)
            inks << ink;
    }
    // Fill and outline are both compared: either alone may miss a change (a changed word's
    // outline can lie almost where the old one's lay).
    const int width = a.picture.width();
    for (const SubtitleDetector::Ink& ink : inks) {
        const Mask glyphsA = glyphs(a.picture, ink, rows);
        const Mask glyphsB = glyphs(b.picture, ink, rows);
        if (count(glyphsA) < kMinTextPixels && count(glyphsB) < kMinTextPixels)
            continue;
        if (!foundIn(glyphsA, nearInk(b.picture, ink), width) ||
            !foundIn(glyphsB, nearInk(a.picture, ink), width))
            return false;
    }
    return true;
}

} // namespace

bool RepeatedLines::same(const QImage& bandA, const QImage& bandB)
{
    return sameLine(Band(bandA), Band(bandB));
}

QVector<int> RepeatedLines::repeats(int count, const std::function<QImage(int)>& still,
                                    const QVector<StillBand>& bands)
{
    QVector<int> dropped;
    if (count <= 0)
        return dropped;
    QImage kept = still(0);
    StillBand keptRows = bands.value(0);
    for (int i = 1; i < count; ++i) {
        QImage next = still(i);
        const StillBand rows = bands.value(i);
        const int top = std::max(std::min(keptRows.top, rows.top), 0);
        const int bottom =
            std::min({std::max(keptRows.top + keptRows.height, rows.top + rows.height),
                      kept.height(), next.height()});
        if (kept.width() == next.width() && bottom > top &&
            sameLine(Band(kept.copy(0, top, kept.width(), bottom - top)),
                     Band(next.copy(0, top, next.width(), bottom - top)))) {
            dropped << i;
            continue;
        }
        kept = std::move(next);
        keptRows = rows;
    }
    return dropped;
}

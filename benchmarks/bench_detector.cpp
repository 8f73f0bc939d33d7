// Finding the subtitle band of 30 full-HD stills, beside the least any detector must do (read
// the rows it searches once, as grey levels) and beside itself on one thread; then the quality
// of the bands and of "Drop repeated lines" on a synthetic set of stills whose text rows are
// known exactly.
//
//   bench_detector                       quality report, then the timings
//   bench_detector --write-set DIR [--seed N]
//                                        the set as PNG files plus truth.csv, nothing measured

#include "core/images/RepeatedLines.h"
#include "core/images/SubtitleDetector.h"

#include "benchmarks/BenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr quint32 kDefaultSeed = 20240611;
constexpr int kTimed = 30;

quint32 g_seed = kDefaultSeed;

void quiet(QtMsgType, const QMessageLogContext&, const QString&)
{
}

// ---- the synthetic set --------------------------------------------------------------------

enum class Ground
{
    Noise,
    Gradient,
    Film,
    LightFilm, // a bright picture, for dark text
};

enum class Place
{
    BottomCentre,
    Higher,
    Left,
};

struct Style
{
    QString family;
    int pixelSize = 40;
    bool bold = false;
    QColor fill;
    QColor outline;
    int outlineWidth = 0;
    Place place = Place::BottomCentre;
    double lift = 0.06; // baseline above the bottom edge, in picture heights
};

struct Scene
{
    Ground ground;
    int stills;
    bool text;
    QSize size;
    bool cjk = false;
};

// The order of scenes in the set: 50 full-HD stills, then 10 of 1280 x 720.
const QVector<Scene>& scenes()
{
    const QSize hd(1920, 1080);
    const QSize small(1280, 720);
    static const QVector<Scene> list = {
        {Ground::Film, 4, true, hd},         {Ground::Noise, 2, false, hd},
        {Ground::Film, 4, true, hd},         {Ground::Gradient, 3, true, hd},
        {Ground::LightFilm, 4, true, hd},    {Ground::Film, 3, false, hd},
        {Ground::Noise, 3, true, hd},        {Ground::Film, 4, true, hd},
        {Ground::Gradient, 2, false, hd},    {Ground::LightFilm, 3, true, hd},
        {Ground::Film, 4, true, hd, true},   {Ground::Film, 4, true, hd},
        {Ground::Film, 3, false, hd},        {Ground::Film, 4, true, hd},
        {Ground::LightFilm, 3, false, hd},   {Ground::Film, 4, true, small},
        {Ground::Film, 2, false, small},     {Ground::Gradient, 2, true, small, true},
        {Ground::LightFilm, 2, true, small},
    };
    return list;
}

const QStringList& sentences(bool cjk)
{
    static const QStringList latin = {"Where were you last night?",
                                      "I told you, I was at home.",
                                      "Nobody saw you there.",
                                      "We should leave before the rain starts.",
                                      "Did you lock the door?",
                                      "It's not what it looks like.",
                                      "Give me one good reason.",
                                      "No.",
                                      "The train leaves at seven.",
                                      "She never came back from the lake.",
                                      "Keep your voice down, they can hear us.",
                                      "Why would anyone do that?",
                                      "Because it was the only way out.",
                                      "Listen to me very carefully.",
                                      "Yes, sir.",
                                      "I'll call you when we get there.",
                                      "Don't forget the keys!",
                                      "How long have you been standing there?",
                                      "Long enough to know the truth.",
                                      "Take the money and go.",
                                      "We have company.",
                                      "Is anybody in here?",
                                      "He said he would wait for us at the bridge.",
                                      "What time is it?",
                                      "Quickly, follow me!",
                                      "That was a long time ago.",
                                      "You never listen.",
                                      "Turn off the lights.",
                                      "Everything is going to be fine.",
                                      "Who sent you?"};
    static const QStringList han = {
        "你昨天晚上去哪里了？", "我早就告诉过你了。",     "火车七点钟出发。", "快跟我来！",
        "这不是你想的那样。",   "我们必须马上离开这里。", "谁派你来的？",     "一切都会好起来的。",
        "把钥匙给我。",         "她再也没有回来。"};
    return cjk ? han : latin;
}

const QStringList& swapWords()
{
    static const QStringList words = {"tomorrow", "never", "again", "here",   "someone",
                                      "money",    "home",  "quiet", "always", "there"};
    return words;
}

struct TextLine
{
    int top; // rows of the drawn glyphs, outline included, inclusive
    int bottom;
};

struct Still
{
    QString name;
    QImage picture;
    QVector<TextLine> lines;
    int scene = 0;
    int frame = 0;
    QStringList text; // the subtitle's lines; none: no subtitle
};

int bounded(QRandomGenerator& rng, int low, int high)
{
    return low + int(rng.bounded(quint32(high - low + 1)));
}

QColor randomColour(QRandomGenerator& rng, int low, int high)
{
    return QColor(bounded(rng, low, high), bounded(rng, low, high), bounded(rng, low, high));
}

// Vignetting and grain over a picture, as a camera gives them.
void vignetteAndGrain(QImage& image, quint32 seed, double strength, int grain)
{
    QRandomGenerator rng(seed);
    const double cx = image.width() / 2.0;
    const double cy = image.height() / 2.0;
    const double reach = cx * cx + cy * cy;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double d = ((x - cx) * (x - cx) + (y - cy) * (y - cy)) / reach;
            const double keep = 1.0 - strength * d;
            const int noise = bounded(rng, -grain, grain);
            const auto channel = [&](int c) { return std::clamp(int(c * keep) + noise, 0, 255); };
            line[x] =
                qRgb(channel(qRed(line[x])), channel(qGreen(line[x])), channel(qBlue(line[x])));
        }
    }
}

// Smooth moving shapes, blurred, a few hard edges (poles, a horizon), vignetting and grain;
// `frame` moves the shapes as a camera pan would.
QImage film(const QSize& size, quint32 seed, int frame, bool light)
{
    QRandomGenerator rng(seed);
    const int w = size.width();
    const int h = size.height();
    const int low = light ? 150 : 10;
    const int high = light ? 255 : 170;
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, 0, h);
        sky.setColorAt(0, randomColour(rng, low, high));
        sky.setColorAt(1, randomColour(rng, low, high));
        painter.fillRect(image.rect(), sky);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 14; ++i) {
            const QPointF move(bounded(rng, -40, 40) * frame, bounded(rng, -12, 12) * frame);
            const QPointF centre(bounded(rng, 0, w), bounded(rng, 0, h));
            const double rx = w * bounded(rng, 4, 30) / 100.0;
            const double ry = h * bounded(rng, 4, 30) / 100.0;
            QRadialGradient shade(centre + move, std::max(rx, ry));
            shade.setColorAt(0, randomColour(rng, low, high));
            QColor edge = randomColour(rng, low, high);
            edge.setAlpha(90);
            shade.setColorAt(1, edge);
            painter.setBrush(shade);
            painter.drawEllipse(centre + move, rx, ry);
        }
    }
    image = image.scaled(w / 6, h / 6, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        const int shift = bounded(rng, -25, 25) * frame;
        // The ground: a hard horizon, the picture showing through it.
        QColor ground = randomColour(rng, low / 2, high / 2);
        ground.setAlpha(bounded(rng, 120, 230));
        painter.setBrush(ground);
        painter.drawRect(0, h * bounded(rng, 55, 85) / 100, w, h);
        for (int i = 0; i < 3; ++i) {
            painter.setBrush(randomColour(rng, 0, 255));
            painter.drawRect(bounded(rng, 0, w) + shift, bounded(rng, 0, h / 2),
                             bounded(rng, 3, 12) * w / 1920, h * bounded(rng, 30, 80) / 100);
        }
        // Most scenes have a railing in the lower part: short strokes of one colour in a
        // band of rows, the picture detail most like text.
        const bool railing = rng.bounded(3) != 0;
        painter.setBrush(light ? randomColour(rng, 0, 90) : randomColour(rng, 150, 255));
        const int bar = bounded(rng, 3, 9) * w / 1920;
        const int pitch = bar + bounded(rng, 12, 40) * w / 1920;
        const int top = h * bounded(rng, 50, 85) / 100;
        const int rail = h * bounded(rng, 4, 12) / 100;
        const int from = bounded(rng, 0, w / 2);
        const int to = from + bounded(rng, w / 4, w * 2 / 3);
        for (int x = from + shift; railing && x < to + shift; x += pitch)
            painter.drawRect(x, top, bar, rail);
    }
    vignetteAndGrain(image, seed + quint32(frame) * 7919u, light ? 0.25 : 0.6, 10);
    return image;
}

QImage gradient(const QSize& size, quint32 seed)
{
    QRandomGenerator rng(seed);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient ramp(bounded(rng, 0, size.width()), 0, bounded(rng, 0, size.width()),
                         size.height());
    for (int stop = 0; stop < 3; ++stop)
        ramp.setColorAt(stop / 2.0, randomColour(rng, 0, 255));
    painter.fillRect(image.rect(), ramp);
    return image;
}

QImage noise(const QSize& size, quint32 seed)
{
    QRandomGenerator rng(seed);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = 0xff000000u | (rng.generate() & 0xffffffu);
    }
    return image;
}

QImage background(const Scene& scene, quint32 seed, int frame)
{
    switch (scene.ground) {
    case Ground::Noise:
        return noise(scene.size, seed + quint32(frame));
    case Ground::Gradient:
        return gradient(scene.size, seed + quint32(frame));
    case Ground::Film:
        return film(scene.size, seed, frame, false);
    case Ground::LightFilm:
        return film(scene.size, seed, frame, true);
    }
    return {};
}

Style styleFor(const Scene& scene, quint32 seed)
{
    QRandomGenerator rng(seed ^ 0x5bd1e995u);
    Style style;
    const QStringList latin = {"DejaVu Sans", "DejaVu Serif", "DejaVu Sans Condensed",
                               "Noto Sans CJK SC"};
    const QStringList han = {"Noto Sans CJK SC", "Noto Serif CJK SC"};
    style.family = scene.cjk ? han.at(bounded(rng, 0, 1)) : latin.at(bounded(rng, 0, 3));
    style.pixelSize = bounded(rng, 28, 66) * scene.size.height() / 1080;
    style.bold = rng.bounded(2) == 1;
    if (scene.ground == Ground::LightFilm) {
        style.fill = randomColour(rng, 0, 40);
        style.outline = Qt::white;
        style.outlineWidth = bounded(rng, 0, 3);
    } else {
        const int kind = bounded(rng, 0, 9);
        style.fill = kind < 6   ? QColor(Qt::white)
                     : kind < 9 ? QColor(255, bounded(rng, 215, 255), bounded(rng, 0, 60))
                                : QColor(235, 235, 235);
        style.outline = QColor(bounded(rng, 0, 30), bounded(rng, 0, 30), bounded(rng, 0, 40));
        style.outlineWidth = scene.ground == Ground::Film && bounded(rng, 0, 9) == 0
                                 ? 0
                                 : bounded(rng, 1, 5) * scene.size.height() / 1080 + 1;
    }
    const int place = bounded(rng, 0, 19);
    style.place = place < 14 ? Place::BottomCentre : place < 17 ? Place::Higher : Place::Left;
    style.lift =
        style.place == Place::Higher ? bounded(rng, 25, 38) / 100.0 : bounded(rng, 4, 9) / 100.0;
    return style;
}

// Draws one line of text with its baseline at `baseline` and returns the rows it covers.
TextLine drawLine(QImage& picture, const QString& text, const Style& style, int baseline)
{
    QFont font(style.family);
    font.setPixelSize(style.pixelSize);
    font.setBold(style.bold);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF shape = path.boundingRect();
    const double x = style.place == Place::Left
                         ? picture.width() * 0.07 - shape.left()
                         : (picture.width() - shape.width()) / 2 - shape.left();
    path.translate(x, baseline);
    const int pad = style.outlineWidth + 3;
    const QRect area = path.boundingRect()
                           .toAlignedRect()
                           .adjusted(-pad, -pad, pad, pad)
                           .intersected(picture.rect());
    QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter painter(&layer);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-area.topLeft());
        if (style.outlineWidth > 0) {
            painter.setPen(QPen(style.outline, 2 * style.outlineWidth, Qt::SolidLine, Qt::RoundCap,
                                Qt::RoundJoin));
            painter.drawPath(path);
        }
        painter.fillPath(path, style.fill);
    }
    // The truth is what shows: rows where some pixel of the line is at least half opaque.
    TextLine rows{-1, -1};
    for (int y = 0; y < layer.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        const bool shows =
            std::any_of(line, line + layer.width(), [](QRgb p) { return qAlpha(p) >= 128; });
        if (shows && rows.top < 0)
            rows.top = area.top() + y;
        if (shows)
            rows.bottom = area.top() + y;
    }
    QPainter(&picture).drawImage(area.topLeft(), layer);
    return rows;
}

quint32 sceneSeed(int scene)
{
    return g_seed * 1000u + quint32(scene) * 37u;
}

// One still of a scene: its picture at that frame with the lines of `text` drawn on it.
Still render(int sceneIndex, int frame, const QStringList& text)
{
    const Scene& scene = scenes().at(sceneIndex);
    const quint32 seed = sceneSeed(sceneIndex);
    Still still;
    still.scene = sceneIndex;
    still.frame = frame;
    still.text = text;
    still.picture = background(scene, seed, frame);
    const Style style = styleFor(scene, seed);
    QFont font(style.family);
    font.setPixelSize(style.pixelSize);
    font.setBold(style.bold);
    const QFontMetrics metrics(font);
    const int h = scene.size.height();
    int baseline = h - int(style.lift * h);
    for (int i = text.size() - 1; i >= 0; --i) {
        still.lines.prepend(drawLine(still.picture, text.at(i), style, baseline));
        baseline -= metrics.lineSpacing();
    }
    return still;
}

QStringList linesOf(QRandomGenerator& rng, bool cjk)
{
    const QStringList& pool = sentences(cjk);
    QStringList lines{pool.at(bounded(rng, 0, pool.size() - 1))};
    if (bounded(rng, 0, 2) == 0)
        lines << pool.at(bounded(rng, 0, pool.size() - 1));
    return lines;
}

// The same lines with one word changed (for Han text, two characters).
QStringList oneWordChanged(const QStringList& lines, quint32 seed)
{
    QRandomGenerator rng(seed);
    QStringList changed = lines;
    QString& line = changed[bounded(rng, 0, changed.size() - 1)];
    QStringList words = line.split(QLatin1Char(' '));
    if (line.at(0).unicode() >= 0x2e80) {
        const int at = bounded(rng, 0, std::max(0, line.size() - 3));
        line.replace(at, 2, QStringLiteral("不行"));
        return changed;
    }
    const int at = bounded(rng, 0, words.size() - 1);
    QString word = swapWords().at(bounded(rng, 0, swapWords().size() - 1));
    if (word == words.at(at))
        word = QStringLiteral("maybe");
    words[at] = word;
    line = words.join(QLatin1Char(' '));
    return changed;
}

QVector<Still> makeSet()
{
    QVector<Still> set;
    for (int s = 0; s < scenes().size(); ++s) {
        const Scene& scene = scenes().at(s);
        QRandomGenerator rng(sceneSeed(s) ^ 0x9e3779b9u);
        // A subtitle stays on for one to three stills; one in seven leaves a gap.
        QStringList text;
        int left = 0;
        for (int frame = 0; frame < scene.stills; ++frame) {
            if (left == 0) {
                left = bounded(rng, 1, 3);
                text.clear();
                if (scene.text && (frame == 0 || bounded(rng, 0, 6) != 0))
                    text = linesOf(rng, scene.cjk);
            }
            --left;
            Still still = render(s, frame, text);
            still.name =
                QStringLiteral("still_%1.png").arg(set.size() + 1, 2, 10, QLatin1Char('0'));
            set << still;
        }
    }
    return set;
}

const QVector<Still>& theSet()
{
    static const QVector<Still> set = makeSet();
    return set;
}

QVector<QImage> timedStills()
{
    QVector<QImage> stills;
    for (const Still& still : theSet()) {
        if (stills.size() < kTimed && still.picture.size() == QSize(1920, 1080))
            stills << still.picture;
    }
    return stills;
}

QImage jpeg(const QImage& picture, int quality = 75)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPG", quality);
    return QImage::fromData(bytes, "JPG").convertToFormat(QImage::Format_RGB32);
}

// ---- quality ------------------------------------------------------------------------------

struct Quality
{
    int lines = 0;
    int linesInside = 0;
    int bands = 0;
    int bandsOnText = 0;
    int textFree = 0;
    int falseBands = 0;
    QVector<int> topErrors;
    QVector<int> bottomErrors;
};

bool inside(const TextLine& line, const StillBand& band)
{
    return band.isSet() && band.top <= line.top && line.bottom <= band.top + band.height - 1;
}

Quality judge(const QVector<Still>& set, const QVector<StillBand>& bands)
{
    Quality q;
    for (int i = 0; i < set.size(); ++i) {
        const Still& still = set.at(i);
        const StillBand band = bands.at(i);
        q.bands += band.isSet();
        if (still.lines.isEmpty()) {
            ++q.textFree;
            q.falseBands += band.isSet();
            continue;
        }
        bool holdsOne = false;
        int top = still.lines.first().top;
        int bottom = still.lines.first().bottom;
        for (const TextLine& line : still.lines) {
            ++q.lines;
            q.linesInside += inside(line, band);
            holdsOne = holdsOne || inside(line, band);
            top = std::min(top, line.top);
            bottom = std::max(bottom, line.bottom);
        }
        q.bandsOnText += holdsOne;
        if (band.isSet()) {
            q.topErrors << std::abs(top - band.top);
            q.bottomErrors << std::abs(band.top + band.height - 1 - bottom);
        }
    }
    return q;
}

QString meanMax(const QVector<int>& values)
{
    if (values.isEmpty())
        return QStringLiteral("-");
    double sum = 0;
    for (int v : values)
        sum += v;
    return QStringLiteral("%1/%2")
        .arg(sum / values.size(), 0, 'f', 1)
        .arg(*std::max_element(values.begin(), values.end()));
}

void printQuality(const char* title, const Quality& q)
{
    std::printf("%-34s recall %3d/%3d (%5.1f%%)  precision %3d/%3d (%5.1f%%)  false bands %d/%d"
                "  band error top %s bottom %s px (mean/max)\n",
                title, q.linesInside, q.lines, 100.0 * q.linesInside / std::max(1, q.lines),
                q.bandsOnText, q.bands, 100.0 * q.bandsOnText / std::max(1, q.bands), q.falseBands,
                q.textFree, qPrintable(meanMax(q.topErrors)), qPrintable(meanMax(q.bottomErrors)));
}

// The band a negative spacing gives every still: its bottom fifth.
QVector<StillBand> bottomFifth(const QVector<Still>& set)
{
    QVector<StillBand> bands;
    for (const Still& still : set) {
        const int h = still.picture.height();
        bands << StillBand{h - h / 5, h / 5};
    }
    return bands;
}

// The rows around a still's lines (or of the other still's when it has none; the bottom fifth
// when neither has any), where both are cut for a comparison.
QRect bandRect(const Still& a, const Still& b)
{
    const Still& with = a.lines.isEmpty() ? b : a;
    const int h = a.picture.height();
    if (with.lines.isEmpty())
        return QRect(0, h - h / 5, a.picture.width(), h / 5);
    const int margin = h / 60;
    const int top = std::max(0, with.lines.first().top - margin);
    const int bottom = std::min(h - 1, with.lines.last().bottom + margin);
    return QRect(0, top, a.picture.width(), bottom - top + 1);
}

struct Tally
{
    int right = 0;
    int total = 0;
    void add(bool ok)
    {
        right += ok;
        ++total;
    }
};

void printTally(const char* title, const Tally& tally)
{
    std::printf("  %-52s %3d/%3d right\n", title, tally.right, tally.total);
}

void repeatsReport()
{
    const QVector<Still>& set = theSet();
    Tally consecutive, sameLine, noisy, changedWord, otherLine, empty;
    const auto compare = [](const QImage& a, const QImage& b, const QRect& rect) {
        return RepeatedLines::same(a.copy(rect), b.copy(rect));
    };
    for (int i = 0; i < set.size(); ++i) {
        const Still& a = set.at(i);
        if (i + 1 < set.size() && set.at(i + 1).scene == a.scene) {
            const Still& b = set.at(i + 1);
            // The same text in one scene is drawn alike, even when it comes on anew.
            const bool truth = !a.text.isEmpty() && a.text == b.text;
            const bool said = compare(a.picture, b.picture, bandRect(a, b));
            consecutive.add(said == truth);
            if (truth)
                sameLine.add(said);
            else if (!a.text.isEmpty() && !b.text.isEmpty())
                otherLine.add(!said);
            else if (a.text.isEmpty() && b.text.isEmpty())
                empty.add(!said);
        }
        const QRect rect = bandRect(a, a);
        if (a.text.isEmpty()) {
            empty.add(!compare(a.picture, a.picture, rect));
            continue;
        }
        noisy.add(compare(a.picture, jpeg(a.picture), rect));
        noisy.add(compare(jpeg(a.picture), a.picture, rect));
        const Still next = render(a.scene, a.frame + 1, a.text);
        noisy.add(compare(jpeg(a.picture), jpeg(next.picture), rect));
        const Still variant = render(a.scene, a.frame, oneWordChanged(a.text, g_seed + quint32(i)));
        changedWord.add(!compare(a.picture, variant.picture, bandRect(a, variant)));
        changedWord.add(!compare(jpeg(a.picture), jpeg(variant.picture), bandRect(a, variant)));
    }
    std::printf("Drop repeated lines, RepeatedLines::same on bands cut around the true lines:\n");
    printTally("consecutive stills of a scene, all", consecutive);
    printTally("same line, the picture behind it moved", sameLine);
    printTally("different lines", otherLine);
    printTally("no text on either (consecutive, and a still twice)", empty);
    printTally("JPEG q75 on one side, both, both and moved", noisy);
    printTally("one word changed (PNG, and both JPEG q75)", changedWord);

    // The whole set in order, each still cut at the bottom fifth, as a sheet's shared band.
    QVector<StillBand> bands;
    QVector<bool> expected;
    QString kept;
    for (int i = 0; i < set.size(); ++i) {
        const Still& still = set.at(i);
        const int h = still.picture.height();
        bands << StillBand{h - h / 5, h / 5};
        const bool inBand = !still.lines.isEmpty() && still.lines.first().top >= h - h / 5;
        // What the band shows: the scene (its style and place) and the text, or nothing.
        const QString shown =
            inBand ? QString::number(still.scene) + still.text.join(QLatin1Char('\n')) : QString();
        const bool sameSize = i > 0 && still.picture.size() == set.at(i - 1).picture.size();
        const bool drop = sameSize && !shown.isEmpty() && shown == kept;
        expected << drop;
        if (!drop)
            kept = shown;
    }
    const QVector<int> dropped = RepeatedLines::repeats(
        int(set.size()), [&](int i) { return set.at(i).picture; }, bands);
    int right = 0;
    int shouldDrop = 0;
    for (int i = 0; i < set.size(); ++i) {
        right += dropped.contains(i) == expected.at(i);
        shouldDrop += expected.at(i);
    }
    std::printf("  %-52s %3d/%3d right (%d to drop, %d dropped)\n",
                "repeats() over the set, bottom fifth of each still", right, int(set.size()),
                shouldDrop, int(dropped.size()));
}

void qualityReport()
{
    const QVector<Still>& set = theSet();
    QVector<QImage> pictures;
    QVector<QImage> compressed;
    for (const Still& still : set) {
        pictures << still.picture;
        compressed << jpeg(still.picture);
    }
    int lines = 0;
    int textFree = 0;
    for (const Still& still : set) {
        lines += still.lines.size();
        textFree += still.lines.isEmpty();
    }
    std::printf("Synthetic set, seed %u: %d stills, %d lines, %d stills without text\n", g_seed,
                int(set.size()), lines, textFree);
    printQuality("SubtitleDetector::findAll, PNG", judge(set, SubtitleDetector::findAll(pictures)));
    printQuality("SubtitleDetector::findAll, JPEG q75",
                 judge(set, SubtitleDetector::findAll(compressed)));
    printQuality("bottom fifth of every still", judge(set, bottomFifth(set)));
    repeatsReport();
    std::printf("\n");
    std::fflush(stdout);
}

bool writeSet(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    QFile truth(QDir(folder).filePath(QStringLiteral("truth.csv")));
    if (!truth.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&truth);
    out << "file,line_top,line_bottom\n";
    for (const Still& still : theSet()) {
        if (!still.picture.save(QDir(folder).filePath(still.name)))
            return false;
        if (still.lines.isEmpty())
            out << still.name << ",,\n";
        for (const TextLine& line : still.lines)
            out << still.name << ',' << line.top << ',' << line.bottom << '\n';
    }
    return true;
}

// ---- timings ------------------------------------------------------------------------------

void BM_FindAll(benchmark::State& state)
{
    const QVector<QImage> stills = timedStills();
    for (auto _ : state) {
        const QVector<StillBand> bands = SubtitleDetector::findAll(stills);
        benchmark::DoNotOptimize(bands.constData());
    }
    state.counters["stills"] = double(stills.size());
}

void BM_FindOneThread(benchmark::State& state)
{
    const QVector<QImage> stills = timedStills();
    for (auto _ : state) {
        for (const QImage& still : stills)
            benchmark::DoNotOptimize(SubtitleDetector::find(still));
    }
}

// The floor: the searched rows (the lower 60%) of every still read once into grey levels.
void BM_GreyRowsOneThread(benchmark::State& state)
{
    const QVector<QImage> stills = timedStills();
    for (auto _ : state) {
        for (const QImage& still : stills) {
            const int top = still.height() * 2 / 5;
            QImage grey = still.copy(0, top, still.width(), still.height() - top)
                              .convertToFormat(QImage::Format_Grayscale8);
            benchmark::DoNotOptimize(grey.constBits());
        }
    }
}

void BM_Repeats(benchmark::State& state)
{
    const QVector<QImage> stills = timedStills();
    QVector<StillBand> bands;
    for (const QImage& still : stills)
        bands << StillBand{still.height() * 4 / 5, still.height() / 5};
    const auto still = [&](int i) { return stills.at(i); };
    for (auto _ : state)
        benchmark::DoNotOptimize(RepeatedLines::repeats(int(stills.size()), still, bands).size());
    state.counters["bands"] = double(bands.size());
}

BENCHMARK(BM_FindAll)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FindOneThread)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GreyRowsOneThread)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Repeats)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QString folder;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--write-set") == 0 && i + 1 < argc) {
            folder = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            g_seed = quint32(std::strtoul(argv[++i], nullptr, 10));
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    if (!folder.isEmpty()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        if (!writeSet(folder)) {
            std::fprintf(stderr, "could not write the set into %s\n", qPrintable(folder));
            return 1;
        }
        std::printf("%d stills and truth.csv written into %s\n", int(theSet().size()),
                    qPrintable(folder));
        return 0;
    }
    return runIsolatedBenchmarks(argc, argv, quiet, qualityReport);
}

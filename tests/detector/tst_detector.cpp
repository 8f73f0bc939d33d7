// Burnt-in subtitles found in stills (the rows a subtitle-strip sheet keeps of each), and the
// same subtitle line told apart from a different one over a changing picture.

#include "support/TestSupport.h"

#include "core/images/RepeatedLines.h"
#include "core/images/SubtitleDetector.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

using namespace TestSupport;

Q_DECLARE_METATYPE(QImage::Format)
Q_DECLARE_METATYPE(StillBand)

namespace {

const QSize kStill(1280, 720);

// A film-like picture: a field of soft colour patches (random pixels blown up smoothly) under
// a veil that keeps it dark or light; `seed` changes everything.
QImage film(quint32 seed, bool light = false)
{
    QImage picture =
        noise(16, 9, seed).scaled(kStill, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter(&picture).fillRect(picture.rect(),
                                light ? QColor(255, 255, 240, 150) : QColor(10, 10, 30, 150));
    return picture;
}

// A railing: even bars of one colour, the picture detail most like a line of text.
QImage railing()
{
    QImage picture = film(7);
    QPainter painter(&picture);
    for (int x = 200; x < 1000; x += 24)
        painter.fillRect(x, 560, 6, 50, QColor(230, 230, 220));
    return picture;
}

struct Style
{
    QColor fill = Qt::white;
    QColor outline = Qt::black;
    int outlineWidth = 3;
    int size = 40;
    bool left = false;
    QString family = QStringLiteral("DejaVu Sans");
};

// Draws `text` (lines split at '\n', the last one's baseline at `baseline`) and returns the rows
// its pixels cover.
QPair<int, int> draw(QImage& picture, const QString& text, int baseline, const Style& style = {})
{
    QFont font(style.family);
    font.setPixelSize(style.size);
    QPainterPath path;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QPainterPath line;
        line.addText(0, 0, font, lines.at(i));
        const double x = style.left ? 60 : (picture.width() - line.boundingRect().width()) / 2;
        path.addPath(line.translated(x, baseline - (lines.size() - 1 - i) * style.size * 1.25));
    }
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    if (style.outlineWidth > 0) {
        painter.setPen(QPen(style.outline, 2 * style.outlineWidth, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.drawPath(path);
    }
    painter.fillPath(path, style.fill);
    const QRectF rows = path.boundingRect().adjusted(0, -style.outlineWidth, 0, style.outlineWidth);
    return {int(rows.top()), int(std::ceil(rows.bottom()))};
}

QImage withText(QImage picture, const QString& text, int baseline, const Style& style = {})
{
    draw(picture, text, baseline, style);
    return picture;
}

QImage jpeg(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPG", 75);
    return QImage::fromData(bytes, "JPG");
}

// The band a sheet would compare: rows 560 to 700 of a still.
QImage band(const QImage& still)
{
    return still.copy(0, 560, still.width(), 140);
}

} // namespace

Q_DECLARE_METATYPE(Style)

class TestDetector : public QObject
{
    Q_OBJECT

private slots:
    void findsTheSubtitle_data();
    void findsTheSubtitle();
    void findsNothing_data();
    void findsNothing();
    void findAllKeepsOrder();
    void sameLine_data();
    void sameLine();
    void repeats_data();
    void repeats();
};

void TestDetector::findsTheSubtitle_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("baseline");
    QTest::addColumn<Style>("style");
    QTest::addColumn<QImage::Format>("format");

    const QString line = QStringLiteral("Where were you last night?");
    const auto rgb = QImage::Format_RGB32;
    QTest::newRow("one white line") << film(1) << line << 670 << Style{} << rgb;
    QTest::newRow("two lines") << film(2) << "Keep your voice down,\nthey can hear us." << 680
                               << Style{} << rgb;
    QTest::newRow("dark text on a light picture")
        << film(3, true) << line << 670 << Style{QColor(20, 20, 20), {}, 0} << rgb;
    QTest::newRow("yellow, thin outline")
        << film(4) << line << 670 << Style{QColor(255, 230, 40), Qt::black, 1, 34} << rgb;
    QTest::newRow("no outline on a dark picture")
        << film(5) << line << 670 << Style{Qt::white, {}, 0} << rgb;
    QTest::newRow("higher up, left-aligned")
        << film(6) << line << 460 << Style{Qt::white, Qt::black, 2, 44, true} << rgb;
    QTest::newRow("Han characters")
        << film(8) << QStringLiteral("你昨天晚上去哪里了？") << 670
        << Style{Qt::white, Qt::black, 3, 44, false, "Noto Sans CJK SC"} << rgb;
    QTest::newRow("over a railing") << railing() << line << 680 << Style{} << rgb;
    for (const auto& [name, format] : std::vector<std::pair<const char*, QImage::Format>>{
             {"ARGB32", QImage::Format_ARGB32},
             {"ARGB32 premultiplied", QImage::Format_ARGB32_Premultiplied},
             {"RGB888", QImage::Format_RGB888},
             {"RGB16", QImage::Format_RGB16},
             {"Grayscale8", QImage::Format_Grayscale8},
             {"Indexed8", QImage::Format_Indexed8},
             {"RGBA64", QImage::Format_RGBA64}})
        QTest::newRow(name) << film(11) << line << 670 << Style{} << format;
}

void TestDetector::findsTheSubtitle()
{
    QFETCH(QImage, picture);
    QFETCH(QString, text);
    QFETCH(int, baseline);
    QFETCH(Style, style);
    QFETCH(QImage::Format, format);
    const QPair<int, int> rows = draw(picture, text, baseline, style);

    const StillBand band = SubtitleDetector::find(picture.convertToFormat(format));
    // Every row of the text inside, and not much more than the text.
    const int height = rows.second - rows.first + 1;
    const int bottom = band.top + band.height - 1;
    QVERIFY2(band.isSet() && band.top <= rows.first && band.top >= rows.first - height / 2 &&
                 bottom >= rows.second && bottom <= rows.second + height / 2,
             qPrintable(QStringLiteral("band %1 to %2, text %3 to %4")
                            .arg(band.top)
                            .arg(bottom)
                            .arg(rows.first)
                            .arg(rows.second)));
}

void TestDetector::findsNothing_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::newRow("noise") << noise(kStill.width(), kStill.height(), 3);
    // Four random corners blended across the picture.
    QTest::newRow("gradient") << noise(2, 2, 4).scaled(kStill, Qt::IgnoreAspectRatio,
                                                       Qt::SmoothTransformation);
    QTest::newRow("film") << film(9);
    QTest::newRow("railing") << railing();
    // Titles and signs live there; a sheet shows the lower part of its stills.
    QTest::newRow("text at the top") << withText(film(10), QStringLiteral("Somewhere in Ohio"), 90);
    QTest::newRow("tiny") << withText(solid(30, 20, Qt::black), QStringLiteral("Hi"), 18);
    QTest::newRow("one pixel") << solid(1, 1, Qt::white);
    QTest::newRow("null") << QImage();
    // Transparency alone shows no text.
    QTest::newRow("Alpha8") << withText(film(11), QStringLiteral("Did you lock the door?"), 670)
                                   .convertToFormat(QImage::Format_Alpha8);
}

void TestDetector::findsNothing()
{
    QFETCH(QImage, picture);
    const StillBand band = SubtitleDetector::find(picture);
    QVERIFY2(!band.isSet(),
             qPrintable(QStringLiteral("band %1+%2").arg(band.top).arg(band.height)));
}

void TestDetector::findAllKeepsOrder()
{
    // A one-bit picture may or may not keep its text readable, but is read like any other.
    const QImage mono = withText(film(15), QStringLiteral("Who sent you?"), 650)
                            .convertToFormat(QImage::Format_Mono);
    const QVector<QImage> stills = {withText(film(12), QStringLiteral("First"), 600), film(13),
                                    QImage(), mono,
                                    withText(film(14), QStringLiteral("Last one"), 690)};
    QVector<StillBand> expected;
    for (const QImage& still : stills)
        expected << SubtitleDetector::find(still);
    QCOMPARE(SubtitleDetector::findAll(stills), expected);
    QVERIFY(expected.at(0).isSet() && expected.at(4).isSet() && expected.at(0) != expected.at(4));
}

void TestDetector::sameLine_data()
{
    QTest::addColumn<QImage>("first");
    QTest::addColumn<QImage>("second");
    QTest::addColumn<bool>("same");

    const QString line = QStringLiteral("We leave at seven, with or without him.");
    const QImage still = withText(film(20), line, 660);
    const QImage moved = withText(film(21), line, 660);
    const Style yellow{QColor(250, 220, 30), QColor(20, 10, 0), 2};
    const Style dark{QColor(15, 15, 15), Qt::white, 1};
    QTest::newRow("background moved") << still << moved << true;
    QTest::newRow("JPEG q75 one side") << still << jpeg(still) << true;
    QTest::newRow("JPEG q75 both, moved") << jpeg(still) << jpeg(moved) << true;
    QTest::newRow("yellow, moved, JPEG") << withText(film(22), line, 660, yellow)
                                         << jpeg(withText(film(23), line, 660, yellow)) << true;
    QTest::newRow("dark on light, JPEG") << withText(film(24, true), line, 660, dark)
                                         << jpeg(withText(film(25, true), line, 660, dark)) << true;
    // "seven" and "eight" are as wide: only that word differs.
    QTest::newRow("one word changed")
        << still
        << withText(film(20), QStringLiteral("We leave at eight, with or without him."), 660)
        << false;
    const Style left{Qt::white, Qt::black, 3, 40, true};
    QTest::newRow("last word changed, left-aligned")
        << withText(film(26), line, 660, left)
        << withText(film(26), QStringLiteral("We leave at seven, with or without her."), 660, left)
        << false;
    QTest::newRow("another line") << still
                                  << withText(film(21), QStringLiteral("Nobody saw you."), 660)
                                  << false;
    QTest::newRow("no text, same picture") << film(27) << film(27) << false;
    QTest::newRow("text on one side only") << still << film(21) << false;
}

void TestDetector::sameLine()
{
    QFETCH(QImage, first);
    QFETCH(QImage, second);
    QFETCH(bool, same);
    QCOMPARE(RepeatedLines::same(band(first), band(second)), same);
    QCOMPARE(RepeatedLines::same(band(second), band(first)), same);
}

void TestDetector::repeats_data()
{
    QTest::addColumn<QVector<QImage>>("stills");
    QTest::addColumn<QVector<StillBand>>("bands");
    QTest::addColumn<QVector<int>>("dropped");

    const auto shown = [](quint32 seed, const char* text) {
        return withText(film(seed), QString::fromUtf8(text), 660);
    };
    const QImage a = shown(30, "Is anybody in here?");
    const QImage b = shown(33, "Quickly, follow me!");
    const StillBand rows{560, 140};
    QTest::newRow("lines held over stills")
        << QVector<QImage>{a,
                           shown(31, "Is anybody in here?"),
                           jpeg(shown(32, "Is anybody in here?")),
                           b,
                           shown(34, "Quickly, follow me!"),
                           film(35),
                           film(35)}
        << QVector<StillBand>(7, rows) << QVector<int>{1, 2, 4};
    // Bands fitted to each still's own text lie a few rows apart.
    QTest::newRow("bands of different heights")
        << QVector<QImage>{a, shown(36, "Is anybody in here?"), b}
        << QVector<StillBand>{rows, {556, 150}, {564, 120}} << QVector<int>{1};
    QTest::newRow("stills of different widths") << QVector<QImage>{a, a.scaledToWidth(1000)}
                                                << QVector<StillBand>(2, rows) << QVector<int>{};
    // Each is compared with the last one kept: the first line coming back is kept again.
    QTest::newRow("a line comes back")
        << QVector<QImage>{a, b, a} << QVector<StillBand>(3, rows) << QVector<int>{};
    QTest::newRow("one still") << QVector<QImage>{a} << QVector<StillBand>{rows} << QVector<int>{};
    QTest::newRow("none") << QVector<QImage>{} << QVector<StillBand>{} << QVector<int>{};
}

void TestDetector::repeats()
{
    QFETCH(QVector<QImage>, stills);
    QFETCH(QVector<StillBand>, bands);
    QFETCH(QVector<int>, dropped);
    QVector<int> asked;
    const auto still = [&](int i) {
        asked << i;
        return stills.at(i);
    };
    QCOMPARE(RepeatedLines::repeats(stills.size(), still, bands), dropped);
    // Each still made once, in order, so a caller can make them as they are needed.
    QCOMPARE(asked.size(), stills.size());
    QVERIFY(std::is_sorted(asked.cbegin(), asked.cend()));
}

PICTORB_TEST_MAIN(TestDetector)
#include "tst_detector.moc"

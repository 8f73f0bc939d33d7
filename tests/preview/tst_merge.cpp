#include "core/preview/MergeLayout.h"

#include "PreviewTestSupport.h"

#include <QPainter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using PreviewTest::pattern;

namespace {

// For tall pictures: the whole row number is spread over green and blue.
QImage tallPattern(int tag, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(10 + 20 * tag, y & 0xff, (y >> 8) & 0xff);
    }
    return image;
}

QList<QImage> patterns(int count, int width, int height)
{
    QList<QImage> list;
    for (int i = 0; i < count; ++i)
        list << pattern(i, width, height);
    return list;
}

// Empty text when the canvas at `at` holds exactly `from` of `picture`; otherwise where not.
QString compareBlock(const QImage& canvas, QPoint at, const QImage& picture, QRect from)
{
    for (int y = 0; y < from.height(); ++y) {
        for (int x = 0; x < from.width(); ++x) {
            const QRgb want = picture.pixel(from.x() + x, from.y() + y) | 0xff000000u;
            const QRgb got = canvas.pixel(at.x() + x, at.y() + y);
            if (got != want)
                return QStringLiteral("canvas (%1, %2) is %3, expected %4")
                    .arg(at.x() + x)
                    .arg(at.y() + y)
                    .arg(got, 8, 16)
                    .arg(want, 8, 16);
        }
    }
    return QString();
}

QString compareWhole(const QImage& canvas, QPoint at, const QImage& picture)
{
    return compareBlock(canvas, at, picture, picture.rect());
}

QString checkWhite(const QImage& canvas, QRect area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (canvas.pixel(x, y) != 0xffffffffu)
                return QStringLiteral("canvas (%1, %2) is %3, expected white")
                    .arg(x)
                    .arg(y)
                    .arg(canvas.pixel(x, y), 8, 16);
    return QString();
}

MergeLayout::Params params(int type, int xSpace, int ySpace, int columns = 3)
{
    MergeLayout::Params p;
    p.type = type;
    p.xSpace = xSpace;
    p.ySpace = ySpace;
    p.columns = columns;
    return p;
}

#define CHECK_TEXT(expr)                                                                           \
    do {                                                                                           \
        const QString problem = (expr);                                                            \
        QVERIFY2(problem.isEmpty(), qPrintable(problem));                                          \
    } while (false)

} // namespace

class TestMerge : public QObject
{
    Q_OBJECT

private slots:
    void emptyListGivesNull();
    void verticalSubtitleSheet();
    void gridWorkedExample();
    void onePictureInEveryLayout_data();
    void onePictureInEveryLayout();
    void gridFewerPicturesThanColumns();
    void gridSevenPicturesInThreeColumns();
    void gridIgnoresNegativeSpacing();
    void gridColumnBelowOneCountsAsOne();
    void verticalEdgeToEdge();
    void verticalPositiveSpacingLeavesWhiteGaps();
    void verticalOneRowPerPicture_data();
    void verticalOneRowPerPicture();
    void horizontalSpacedRow();
    void horizontalRightBands();
    void tallSheetBeyondPaintLimit();
    void tooLargeSheetIsNull();
    void transparentPictureLiesOnWhite();
    void otherFormatsAreConverted();
    void nullPictureLeavesWhite();
    void remergeEqualsFreshMerge_data();
    void remergeEqualsFreshMerge();
};

void TestMerge::emptyListGivesNull()
{
    QVERIFY(MergeLayout::merge({}, params(MergeLayout::Vertical, 0, 0)).isNull());
    QVERIFY(MergeLayout::merge({}, params(MergeLayout::Grid, 0, 0)).isNull());
}

void TestMerge::verticalSubtitleSheet()
{
    const QList<QImage> pictures = patterns(3, 640, 360);
    QTest::ignoreMessage(QtDebugMsg, "other image's height: 60 image total height 480");
    const QImage sheet = MergeLayout::merge(pictures, params(MergeLayout::Vertical, 0, -300));
    QCOMPARE(sheet.size(), QSize(640, 480));
    QCOMPARE(sheet.format(), QImage::Format_ARGB32);
    CHECK_TEXT(compareWhole(sheet, {0, 0}, pictures[0]));
    // The bottom 60 rows (300..359) of pictures 1 and 2, right under the first picture.
    CHECK_TEXT(compareBlock(sheet, {0, 360}, pictures[1], QRect(0, 300, 640, 60)));
    CHECK_TEXT(compareBlock(sheet, {0, 420}, pictures[2], QRect(0, 300, 640, 60)));
}

void TestMerge::gridWorkedExample()
{
    const QList<QImage> pictures = patterns(3, 640, 360);
    QTest::ignoreMessage(QtDebugMsg, "getGroupPixmap Grid 1290 730 640 360 10");
    const QImage sheet = MergeLayout::merge(pictures, params(MergeLayout::Grid, 10, 10, 2));
    QCOMPARE(sheet.size(), QSize(1290, 730));
    CHECK_TEXT(compareWhole(sheet, {0, 0}, pictures[0]));
    CHECK_TEXT(compareWhole(sheet, {650, 0}, pictures[1]));
    CHECK_TEXT(compareWhole(sheet, {0, 370}, pictures[2]));
    CHECK_TEXT(checkWhite(sheet, QRect(640, 0, 10, 360)));    // column gap
    CHECK_TEXT(checkWhite(sheet, QRect(0, 360, 1290, 10)));   // row gap
    CHECK_TEXT(checkWhite(sheet, QRect(640, 370, 650, 360))); // empty last cell
}

void TestMerge::onePictureInEveryLayout_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("xSpace");
    QTest::addColumn<int>("ySpace");
    QTest::newRow("grid") << int(MergeLayout::Grid) << 25 << 25;
    QTest::newRow("vertical spaced") << int(MergeLayout::Vertical) << 0 << 40;
    QTest::newRow("vertical strip") << int(MergeLayout::Vertical) << 0 << -20;
    QTest::newRow("horizontal spaced") << int(MergeLayout::Horizontal) << 40 << 0;
    QTest::newRow("horizontal strip") << int(MergeLayout::Horizontal) << -20 << 0;
}

void TestMerge::onePictureInEveryLayout()
{
    QFETCH(int, type);
    QFETCH(int, xSpace);
    QFETCH(int, ySpace);
    const QImage picture = pattern(0, 64, 48);
    const QImage sheet = MergeLayout::merge({picture}, params(type, xSpace, ySpace));
    QCOMPARE(sheet.size(), QSize(64, 48));
    CHECK_TEXT(compareWhole(sheet, {0, 0}, picture));
}

void TestMerge::gridFewerPicturesThanColumns()
{
    const QList<QImage> pictures = patterns(2, 30, 20);
    const QImage sheet = MergeLayout::merge(pictures, params(MergeLayout::Grid, 7, 5, 5));
    // Only two columns are used: 2 × 30 + 1 × 7.
    QCOMPARE(sheet.size(), QSize(67, 20));
    CHECK_TEXT(compareWhole(sheet, {0, 0}, pictures[0]));
    CHECK_TEXT(compareWhole(sheet, {37, 0}, pictures[1]));
    CHECK_TEXT(checkWhite(sheet, QRect(30, 0, 7, 20)));
}

void TestMerge::gridSevenPicturesInThreeColumns()
{
    const QList<QImage> pictures = patterns(7, 30, 20);
    const QImage sheet = MergeLayout::merge(pictures, params(MergeLayout::Grid, 4, 6, 3));
    // Three columns with two gaps; (7 - 1) div 3 = 2 full row pitches of 26, plus one row.
    QCOMPARE(sheet.size(), QSize(98, 72));
    for (int i = 0; i < 7; ++i)
        CHECK_TEXT(compareWhole(sheet, {(i % 3) * 34, (i / 3) * 26}, pictures[i]));
    CHECK_TEXT(checkWhite(sheet, QRect(30, 52, 68, 20))); // the incomplete last row
    CHECK_TEXT(checkWhite(sheet, QRect(0, 20, 98, 6)));
}

void TestMerge::gridIgnoresNegativeSpacing()
{
    const QList<QImage> pictures = patterns(4, 30, 20);
    const QImage negative = MergeLayout::merge(pictures, params(MergeLayout::Grid, -20, -7, 2));
    const QImage zero = MergeLayout::merge(pictures, params(MergeLayout::Grid, 0, 0, 2));
    QCOMPARE(negative.size(), QSize(60, 40));
    QCOMPARE(negative, zero);
    CHECK_TEXT(compareWhole(negative, {30, 20}, pictures[3]));
}

void TestMerge::gridColumnBelowOneCountsAsOne()
{
    const QList<QImage> pictures = patterns(3, 30, 20);
    const QImage sheet = MergeLayout::merge(pictures, params(MergeLayout::Grid, 0, 2, 0));
    QCOMPARE(sheet.size(), QSize(30, 64));
    CHECK_TEXT(compareWhole(sheet, {0, 44}, pictures[2]));
}

void TestMerge::verticalEdgeToEdge()
{
    const QList<QImage> pictures = patterns(4, 30, 20);
    const QImage sheet = MergeLayout::merge(pictures, params(MergeLayout::Vertical, 99, 0));
    QCOMPARE(sheet.size(), QSize(30, 80));
    for (int i = 0; i < 4; ++i)
        CHECK_TEXT(compareWhole(sheet, {0, i * 20}, pictures[i]));
}

void TestMerge::verticalPositiveSpacingLeavesWhiteGaps()
{
    const QList<QImage> pictures = patterns(3, 30, 20);
    const QImage sheet = MergeLayout::merge(pictures, params(MergeLayout::Vertical, 0, 9));
    QCOMPARE(sheet.size(), QSize(30, 3 * 20 + 2 * 9));
    for (int i = 0; i < 3; ++i)
        CHECK_TEXT(compareWhole(sheet, {0, i * 29}, pictures[i]));
    CHECK_TEXT(checkWhite(sheet, QRect(0, 20, 30, 9)));
    CHECK_TEXT(checkWhite(sheet, QRect(0, 49, 30, 9)));
}

void TestMerge::verticalOneRowPerPicture_data()
{
    QTest::addColumn<int>("ySpace");
    // -h0 + 1 leaves a band of exactly one row.
    QTest::newRow("minus height plus one") << -19;
    // Minus the height or less would leave no band; each picture still adds its last row.
    QTest::newRow("minus height") << -20;
    QTest::newRow("property minimum") << -9999;
}

void TestMerge::verticalOneRowPerPicture()
{
    QFETCH(int, ySpace);
    const QList<QImage> pictures = patterns(5, 30, 20);
    const QImage sheet = MergeLayout::merge(pictures, params(MergeLayout::Vertical, 0, ySpace));
    QCOMPARE(sheet.size(), QSize(30, 20 + 4));
    CHECK_TEXT(compareWhole(sheet, {0, 0}, pictures[0]));
    for (int i = 1; i < 5; ++i)
        CHECK_TEXT(compareBlock(sheet, {0, 19 + i}, pictures[i], QRect(0, 19, 30, 1)));
}

void TestMerge::horizontalSpacedRow()
{
    const QList<QImage> pictures = patterns(3, 30, 20);
    QTest::ignoreMessage(QtDebugMsg, "other image's width: 30 image total width 120");
    const QImage sheet = MergeLayout::merge(pictures, params(MergeLayout::Horizontal, 15, 99));
    QCOMPARE(sheet.size(), QSize(3 * 30 + 2 * 15, 20));
    for (int i = 0; i < 3; ++i)
        CHECK_TEXT(compareWhole(sheet, {i * 45, 0}, pictures[i]));
    CHECK_TEXT(checkWhite(sheet, QRect(30, 0, 15, 20)));
    CHECK_TEXT(checkWhite(sheet, QRect(75, 0, 15, 20)));
}

void TestMerge::horizontalRightBands()
{
    const QList<QImage> pictures = patterns(3, 30, 20);
    const QImage sheet = MergeLayout::merge(pictures, params(MergeLayout::Horizontal, -22, 0));
    // Band width 30 - 22 = 8, taken from columns 22..29 of each following picture.
    QCOMPARE(sheet.size(), QSize(30 + 2 * 8, 20));
    CHECK_TEXT(compareWhole(sheet, {0, 0}, pictures[0]));
    CHECK_TEXT(compareBlock(sheet, {30, 0}, pictures[1], QRect(22, 0, 8, 20)));
    CHECK_TEXT(compareBlock(sheet, {38, 0}, pictures[2], QRect(22, 0, 8, 20)));
}

void TestMerge::tallSheetBeyondPaintLimit()
{
    // 3 × 20000 rows: far past the 32767 rows the raster paint engine draws.
    QList<QImage> pictures;
    for (int i = 0; i < 3; ++i)
        pictures << tallPattern(i, 8, 20000);
    const QImage sheet = MergeLayout::merge(pictures, params(MergeLayout::Vertical, 0, 0));
    QCOMPARE(sheet.size(), QSize(8, 60000));
    for (int i = 0; i < 3; ++i)
        CHECK_TEXT(compareWhole(sheet, {0, i * 20000}, pictures[i]));
}

void TestMerge::tooLargeSheetIsNull()
{
    // 60000 one-pixel pictures 9999 pixels apart: a row of about 600 million pixels, whose
    // scanline alone would need more bytes than the toolkit can count.
    const QImage dot = pattern(0, 1, 1);
    QList<QImage> pictures;
    for (int i = 0; i < 60000; ++i)
        pictures << dot;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^merge: ")));
    const QImage sheet = MergeLayout::merge(pictures, params(MergeLayout::Horizontal, 9999, 0));
    QVERIFY(sheet.isNull());
}

void TestMerge::transparentPictureLiesOnWhite()
{
    QImage half(10, 10, QImage::Format_ARGB32);
    half.fill(qRgba(200, 0, 100, 128));
    QImage expected(10, 10, QImage::Format_ARGB32);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        painter.drawImage(0, 0, half);
    }
    const QImage sheet = MergeLayout::merge({half}, params(MergeLayout::Vertical, 0, 0));
    QCOMPARE(sheet, expected);
    QCOMPARE(qAlpha(sheet.pixel(5, 5)), 255);
}

void TestMerge::otherFormatsAreConverted()
{
    const QImage source = pattern(2, 20, 10);
    const QImage rgb888 = source.convertToFormat(QImage::Format_RGB888);
    const QImage sheet =
        MergeLayout::merge({source, rgb888}, params(MergeLayout::Horizontal, 0, 0));
    QCOMPARE(sheet.size(), QSize(40, 10));
    CHECK_TEXT(compareWhole(sheet, {0, 0}, source));
    CHECK_TEXT(compareWhole(sheet, {20, 0}, source));
}

void TestMerge::nullPictureLeavesWhite()
{
    const QList<QImage> pictures = {pattern(0, 30, 20), QImage(), pattern(2, 30, 20)};
    const QImage sheet = MergeLayout::merge(pictures, params(MergeLayout::Vertical, 0, 0));
    QCOMPARE(sheet.size(), QSize(30, 60));
    CHECK_TEXT(checkWhite(sheet, QRect(0, 20, 30, 20)));
    CHECK_TEXT(compareWhole(sheet, {0, 40}, pictures[2]));
}

PREVIEW_TEST_MAIN(TestMerge)
void TestMerge::remergeEqualsFreshMerge_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("xSpace");
    QTest::addColumn<int>("ySpace");
    QTest::addColumn<bool>("transparent");
    QTest::newRow("strip sheet") << int(MergeLayout::Vertical) << 0 << -300 << false;
    QTest::newRow("spaced stack") << int(MergeLayout::Vertical) << 0 << 25 << false;
    QTest::newRow("right bands") << int(MergeLayout::Horizontal) << -500 << 0 << false;
    QTest::newRow("grid") << int(MergeLayout::Grid) << 7 << 9 << false;
    QTest::newRow("transparent strip") << int(MergeLayout::Vertical) << 0 << -200 << true;
}

// Redrawing a few pictures and patching the sheet must give exactly the sheet a fresh merge
// of the new pictures gives, edit after edit.
void TestMerge::remergeEqualsFreshMerge()
{
    QFETCH(int, type);
    QFETCH(int, xSpace);
    QFETCH(int, ySpace);
    QFETCH(bool, transparent);
    const MergeLayout::Params layout = params(type, xSpace, ySpace);
    QList<QImage> pictures = patterns(5, 640, 360);
    if (transparent) {
        for (QImage& picture : pictures)
            picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    QImage sheet = MergeLayout::merge(pictures, layout);
    const QVector<QVector<int>> edits = {{0}, {3}, {1, 4}, {2}, {0, 2}};
    for (const QVector<int>& changed : edits) {
        for (int index : changed) {
            QPainter painter(&pictures[index]);
            painter.fillRect(QRect(index * 40, 250 + index * 5, 300, 80),
                             QColor(255, 255, 255, transparent ? 90 : 255));
        }
        const QVector<QRect> areas = MergeLayout::remerge(sheet, pictures, layout, changed);
        QVERIFY(!areas.isEmpty());
        QCOMPARE(sheet, MergeLayout::merge(pictures, layout));
    }
}

#include "tst_merge.moc"

#include <memory>

#include <QCheckBox>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include "core/images/ImageCaption.h"
#include "gui/images/ImageItem.h"

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlack = qRgb(0, 0, 0);

QImage solid(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

std::shared_ptr<ImageCaption> caption(const QString& text, int x, int y, int border)
{
    auto record = std::make_shared<ImageCaption>();
    record->text = text;
    record->fontSize = QStringLiteral("28");
    record->borderColor = QStringLiteral("#FFFF0000");
    record->x = x;
    record->y = y;
    record->border = border;
    return record;
}

bool isReddish(QRgb pixel)
{
    return qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

int countPixels(const QImage& image, bool (*predicate)(QRgb))
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += predicate(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

bool isWhitish(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) > 200;
}

// Bounding box of the light (text) pixels.
QRect lightBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isWhitish(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QFont captionFont(int pointSize)
{
    QFont font(QStringLiteral("Microsoft YaHei"));
    font.setPointSize(pointSize);
    return font;
}

// Horizontal extent of the light pixels, or (-1, -1) when there are none.
QPair<int, int> lightColumns(const QImage& image)
{
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (isWhitish(image.pixel(x, y))) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

} // namespace

class TestImageCard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void letterbox_data();
    void letterbox();
    void sameSizeSourceIsShared();
    void transparentSourceGoesOntoBlack();
    void captionOutline_data();
    void captionOutline();
    void emptyTextLeavesCanvas();
    void newPictureRemovesSubtitle();
    void subtitleIgnoresFileResolution();
    void oddFontSizes_data();
    void oddFontSizes();
    void anchorExamples();
    void alignedTextReachesTheEdges_data();
    void alignedTextReachesTheEdges();
    void thumbnailHasCardSize();
    void checkBoxAndSelection();
    void deleteButtonShowsOnHover();
};

void TestImageCard::letterbox_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("canvas");
    QTest::addColumn<QRect>("picture"); // where the scaled picture lands

    // 90x160 fitted into 320x180: 180 high, 180*90/160 = 101 wide, left (320-101)/2 = 109.
    QTest::newRow("portrait on landscape")
        << QSize(90, 160) << QSize(320, 180) << QRect(109, 0, 101, 180);
    // 160x90 fitted into 180x320: 180 wide, 101 high, top (320-101)/2 = 109.
    QTest::newRow("landscape on portrait")
        << QSize(160, 90) << QSize(180, 320) << QRect(0, 109, 180, 101);
    QTest::newRow("larger, same aspect")
        << QSize(1920, 1080) << QSize(640, 360) << QRect(0, 0, 640, 360);
}

void TestImageCard::letterbox()
{
    QFETCH(QSize, source);
    QFETCH(QSize, canvas);
    QFETCH(QRect, picture);

    ImageItem card;
    card.setCanvasSize(canvas.width(), canvas.height());
    card.setImage(solid(source.width(), source.height(), Qt::red));

    const QImage composed = card.composedImage();
    QCOMPARE(composed.size(), canvas);
    QCOMPARE(card.canvasSize(), canvas);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const QRgb pixel = composed.pixel(x, y);
            // The fitted picture's outermost row or column may blend with the bar.
            if (picture.adjusted(1, 1, -1, -1).contains(x, y))
                QVERIFY2(pixel == kRed, qPrintable(QStringLiteral("(%1,%2)").arg(x).arg(y)));
            else if (!picture.contains(x, y))
                QVERIFY2(pixel == kBlack, qPrintable(QStringLiteral("(%1,%2)").arg(x).arg(y)));
        }
    }
    QCOMPARE(card.sourceImage().size(), source);
}

void TestImageCard::sameSizeSourceIsShared()
{
    const QImage source = solid(64, 48, Qt::green);
    ImageItem card;
    card.setCanvasSize(64, 48);
    card.setImage(source);
    QCOMPARE(card.canvasImage().cacheKey(), source.cacheKey());
    QCOMPARE(card.composedImage().cacheKey(), source.cacheKey());
}

void TestImageCard::transparentSourceGoesOntoBlack()
{
    QImage source(20, 10, QImage::Format_ARGB32_Premultiplied);
    source.fill(Qt::transparent);
    ImageItem card;
    card.setCanvasSize(20, 10);
    card.setImage(source);
    QCOMPARE(card.composedImage().pixel(5, 5), kBlack);
    QVERIFY(!card.composedImage().hasAlphaChannel());
}

void TestImageCard::captionOutline_data()
{
    QTest::addColumn<int>("border");
    QTest::addColumn<bool>("outlineVisible");
    QTest::newRow("no border") << 0 << false;
    QTest::newRow("border 3") << 3 << true;
}

void TestImageCard::captionOutline()
{
    QFETCH(int, border);
    QFETCH(bool, outlineVisible);

    ImageItem card;
    card.setCanvasSize(400, 200);
    card.setImage(solid(400, 200, QColor(60, 60, 60)));
    card.setCaption(caption(QStringLiteral("Hello 你好"), 200, 100, border));
    card.updateImage();

    const QImage composed = card.composedImage();
    QVERIFY(countPixels(composed, isWhitish) > 50);
    QCOMPARE(countPixels(composed, isReddish) > 50, outlineVisible);
    // The canvas itself stays untouched.
    QCOMPARE(countPixels(card.canvasImage(), isWhitish), 0);
}

void TestImageCard::emptyTextLeavesCanvas()
{
    ImageItem card;
    card.setCanvasSize(320, 180);
    card.setImage(solid(100, 100, Qt::blue));
    card.setCaption(caption(QString(), 160, 90, 3));
    card.updateImage();
    QCOMPARE(card.composedImage(), card.canvasImage());
    QCOMPARE(card.composedImage().cacheKey(), card.canvasImage().cacheKey());
}

void TestImageCard::newPictureRemovesSubtitle()
{
    ImageItem card;
    card.setCanvasSize(300, 120);
    card.setImage(solid(300, 120, QColor(60, 60, 60)));
    card.setCaption(caption(QStringLiteral("Words"), 150, 60, 0));
    card.updateImage();
    QVERIFY(countPixels(card.composedImage(), isWhitish) > 0);

    card.setImage(solid(300, 120, QColor(60, 60, 60)));
    QCOMPARE(countPixels(card.composedImage(), isWhitish), 0);
    QCOMPARE(card.caption()->text, QStringLiteral("Words"));
}

void TestImageCard::subtitleIgnoresFileResolution()
{
    // A JPEG's own "72 dpi" must not change how large the subtitle is drawn.
    QImage lowDpi = solid(300, 120, QColor(60, 60, 60));
    lowDpi.setDotsPerMeterX(2835);
    lowDpi.setDotsPerMeterY(2835);
    const QImage defaultDpi = solid(300, 120, QColor(60, 60, 60));

    QImage results[2];
    const QImage sources[2] = {lowDpi, defaultDpi};
    for (int i = 0; i < 2; ++i) {
        ImageItem card;
        card.setCanvasSize(300, 120);
        card.setImage(sources[i]);
        card.setCaption(caption(QStringLiteral("Same size"), 150, 60, 2));
        card.updateImage();
        results[i] = card.composedImage();
    }
    QCOMPARE(lightBounds(results[0]), lightBounds(results[1]));
    QVERIFY(lightBounds(results[0]).width() > 60);
}

void TestImageCard::oddFontSizes_data()
{
    QTest::addColumn<QString>("fontSize");
    QTest::newRow("zero") << QStringLiteral("0");
    QTest::newRow("not a number") << QStringLiteral("big");
    QTest::newRow("negative") << QStringLiteral("-5");
}

void TestImageCard::oddFontSizes()
{
    QFETCH(QString, fontSize);
    ImageItem card;
    card.setCanvasSize(200, 100);
    card.setImage(solid(200, 100, QColor(60, 60, 60)));
    auto record = caption(QStringLiteral("Text"), 100, 50, 1);
    record->fontSize = fontSize;
    card.setCaption(record);
    card.updateImage();
    QCOMPARE(card.composedImage().size(), QSize(200, 100));
    QVERIFY(card.getYPos(1) > 0);
}

void TestImageCard::anchorExamples()
{
    ImageItem card;
    card.setCanvasSize(640, 360);
    card.setImage(solid(640, 360, Qt::gray));
    auto record = caption(QStringLiteral("whatever the text"), 0, 0, 0);
    card.setCaption(record);

    // Centre depends on the picture only.
    QCOMPARE(card.getXPos(5), 320);
    record->text = QStringLiteral("a much, much longer line of subtitle text");
    QCOMPARE(card.getXPos(5), 320);

    // Bottom with a 30-pixel line height: 360 - 30 * 0.6 = 342. Find a point size whose line
    // is 30 pixels high in the installed fonts.
    const QImage device(1, 1, QImage::Format_RGB32);
    int pointSize = 0;
    for (int size = 8; size < 60 && pointSize == 0; ++size) {
        if (QFontMetrics(captionFont(size), &device).height() == 30)
            pointSize = size;
    }
    if (pointSize == 0)
        QSKIP("no point size gives a 30-pixel line with the installed fonts");
    record->fontSize = QString::number(pointSize);
    QCOMPARE(card.getYPos(1), 342);
    QCOMPARE(card.getYPos(0), 342);
    QCOMPARE(card.getYPos(3), 6);   // 30 * 0.2
    QCOMPARE(card.getYPos(2), 165); // 180 - 15
}

void TestImageCard::alignedTextReachesTheEdges_data()
{
    QTest::addColumn<int>("hAlign");
    QTest::addColumn<int>("expectedFirst");
    QTest::addColumn<int>("expectedLast");
    QTest::newRow("left") << 0 << 0 << -1;
    QTest::newRow("right") << 6 << -1 << 639;
}

void TestImageCard::alignedTextReachesTheEdges()
{
    QFETCH(int, hAlign);
    QFETCH(int, expectedFirst);
    QFETCH(int, expectedLast);

    ImageItem card;
    card.setCanvasSize(640, 120);
    card.setImage(solid(640, 120, Qt::black));
    auto record = caption(QStringLiteral("HHHH"), 0, 60, 0);
    card.setCaption(record);
    record->x = card.getXPos(hAlign);
    card.updateImage();

    // The glyphs' side bearings leave a few pixels between the ink and the edge.
    const auto [first, last] = lightColumns(card.composedImage());
    QVERIFY(first >= 0);
    if (expectedFirst >= 0)
        QVERIFY2(first - expectedFirst <= 6, qPrintable(QString::number(first)));
    if (expectedLast >= 0)
        QVERIFY2(expectedLast - last <= 6 && last <= expectedLast,
                 qPrintable(QString::number(last)));
}

void TestImageCard::thumbnailHasCardSize()
{
    ImageItem card;
    card.setCanvasSize(1920, 1080);
    card.setImage(solid(1920, 1080, Qt::red));
    card.setFixedSize(160, 90);
    card.show();
    QVERIFY(QTest::qWaitForWindowExposed(&card));
    // The layout margin of 1 pixel on each side.
    QCOMPARE(card.thumbnail().size(), QSize(158, 88));
    const QLabel* label = card.findChild<QLabel*>();
    QVERIFY(label);
    const QPixmap shown = label->pixmap(Qt::ReturnByValue);
    QCOMPARE(shown.size(), QSize(158, 88));
    QCOMPARE(shown.toImage().pixel(80, 40), kRed);
}

void TestImageCard::checkBoxAndSelection()
{
    ImageItem card;
    QSignalSpy spy(&card, &ImageItem::selectedSignal);
    card.setChecked(true);
    QVERIFY(card.isChecked());
    card.findChild<QCheckBox*>()->click();
    QVERIFY(!card.isChecked());
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QCOMPARE(spy.at(1).at(0).toBool(), false);

    QVERIFY(!card.isSelected());
    card.setSelected(true);
    QVERIFY(card.isSelected());
    QCOMPARE(card.styleSheet(),
             QStringLiteral("QWidget#image_item_widget{border: 8px solid #685af5;}"));
    card.setSelected(false);
    QVERIFY(card.styleSheet().isEmpty());
}

void TestImageCard::deleteButtonShowsOnHover()
{
    ImageItem card;
    card.setFixedSize(160, 90);
    card.show();
    QVERIFY(QTest::qWaitForWindowExposed(&card));
    auto* button = card.findChild<QPushButton*>(QStringLiteral("noborder"));
    QVERIFY(button);
    QVERIFY(!button->isVisible());
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&card, &enter);
    QVERIFY(button->isVisible());
    QCOMPARE(button->pos(), QPoint(160 - 62, -2));

    QSignalSpy spy(&card, &ImageItem::deleteSignal);
    button->click();
    QCOMPARE(spy.count(), 1);

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&card, &leave);
    QVERIFY(!button->isVisible());
    auto* box = card.findChild<QCheckBox*>();
    QCOMPARE(box->pos(), QPoint(0, 90 - 26));
}

QTEST_MAIN(TestImageCard)
#include "tst_imagecard.moc"

// The merged sheet as the user gets it: the merge engine's pixels, the preview panel's linked
// size fields and zoom, the viewer dialogs, and the export of the merged picture.

#include "core/base/AppConfig.h"
#include "core/base/Settings.h"
#include "core/images/SaveImageThread.h"
#include "core/preview/MergeLayout.h"
#include "gui/application/GlobalManager.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImageListViewDialog.h"
#include "gui/images/ImageViewDialog.h"
#include "gui/images/ImagesWidget.h"
#include "gui/images/SaveFileBar.h"
#include "gui/preview/PreviewWidget.h"
#include "gui/widgets/IconButton.h"
#include "gui/widgets/NormalButton.h"
#include "gui/widgets/PropertyItem.h"
#include "gui/widgets/ScaleViewBar.h"
#include "gui/widgets/TinySlider.h"
#include "gui/widgets/ZoomFit.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPainter>
#include <QPushButton>

using TestSupport::pattern;

Q_DECLARE_METATYPE(StillBand)

namespace {

// Where the merge puts each picture: {picture, source x, source y, width, height, sheet x,
// sheet y}. A later block covers an earlier one; every pixel outside the blocks is white.
using Blocks = QVector<QVector<int>>;

QList<QImage> patterns(int count, QSize size, int alpha = 255)
{
    QList<QImage> pictures;
    for (int i = 0; i < count; ++i) {
        QImage picture = pattern(i, size.width(), size.height());
        if (alpha < 255) {
            picture = picture.convertToFormat(QImage::Format_ARGB32);
            QPainter painter(&picture);
            painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            painter.fillRect(picture.rect(), QColor(0, 0, 0, alpha));
        }
        pictures << picture;
    }
    return pictures;
}

// Empty when every pixel of the sheet is what the blocks say; otherwise the first that is not.
QString compareSheet(const QImage& sheet, const QList<QImage>& pictures, const Blocks& blocks)
{
    for (int y = 0; y < sheet.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(sheet.constScanLine(y));
        for (int x = 0; x < sheet.width(); ++x) {
            QRgb want = qRgb(255, 255, 255);
            for (const QVector<int>& b : blocks) {
                if (!QRect(b[5], b[6], b[3], b[4]).contains(x, y))
                    continue;
                // Over opaque white: each premultiplied channel gains 255 - alpha.
                const QRgb p = pictures.at(b[0]).pixel(b[1] + x - b[5], b[2] + y - b[6]);
                want = qPremultiply(p) + uint(255 - qAlpha(p)) * 0x01010101u;
            }
            if (line[x] != want)
                return QString::asprintf("(%d, %d) is %08x, expected %08x", x, y, line[x], want);
        }
    }
    return QString();
}

// Selects the field's text and types over it; typing nothing leaves it empty.
void typeInto(PropertyItem* row, const QString& text)
{
    row->lineEdit()->selectAll();
    QTest::keyClick(row->lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(row->lineEdit(), text);
}

int filesUnder(const QString& folder)
{
    int count = 0;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();
         it.next())
        ++count;
    return count;
}

std::unique_ptr<PreviewWidget> makePanel()
{
    auto panel = std::make_unique<PreviewWidget>();
    panel->resize(800, 900);
    panel->loadProperties();
    panel->show();
    if (!QTest::qWaitForWindowExposed(panel.get()))
        qWarning("the preview panel was not exposed");
    return panel;
}

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void mergePlacesEveryPixel_data();
    void mergePlacesEveryPixel();
    void tooLargeSheetIsRefused();
    void linkedSizeFields_data();
    void linkedSizeFields();
    void fitNeverEnlarges();
    void zoomModes_data();
    void zoomModes();
    void exportWritesTheChosenFormat_data();
    void exportWritesTheChosenFormat();
    void listDialogReachesTheStrip();
};

void TestPreview::cleanup()
{
    SaveFileBar::setFolderChooser(nullptr);
    GlobalManager::instance()->selectedItems().clear();
}

void TestPreview::mergePlacesEveryPixel_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("xSpace");
    QTest::addColumn<int>("ySpace");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("alpha");
    QTest::addColumn<QSize>("sheet");
    QTest::addColumn<Blocks>("blocks");
    QTest::addColumn<QVector<StillBand>>("bands");
    const int grid = MergeLayout::Grid, vertical = MergeLayout::Vertical;
    const int horizontal = MergeLayout::Horizontal;
    const QSize s(30, 20);
    const auto row = [](const char* name, int type, int x, int y, int columns, QSize size,
                        int alpha, QSize sheet, const Blocks& blocks,
                        const QVector<StillBand>& bands = {}) {
        QTest::newRow(name) << type << x << y << columns << size << alpha << sheet << blocks
                            << bands;
    };
    row("grid of two columns, gaps and empty cell white", grid, 10, 10, 2, s, 255, {70, 50},
        {{0, 0, 0, 30, 20, 0, 0}, {1, 0, 0, 30, 20, 40, 0}, {2, 0, 0, 30, 20, 0, 30}});
    row("grid ignores negative spacing", grid, -20, -7, 2, s, 255, {60, 40},
        {{0, 0, 0, 30, 20, 0, 0},
         {1, 0, 0, 30, 20, 30, 0},
         {2, 0, 0, 30, 20, 0, 20},
         {3, 0, 0, 30, 20, 30, 20}});
    row("vertical with white gaps", vertical, 0, 9, 1, s, 255, {30, 78},
        {{0, 0, 0, 30, 20, 0, 0}, {1, 0, 0, 30, 20, 0, 29}, {2, 0, 0, 30, 20, 0, 58}});
    // -15 leaves bands of 20 - 15 = 5 rows, taken from the bottom of each following picture.
    const Blocks bottomBands = {
        {0, 0, 0, 30, 20, 0, 0}, {1, 0, 15, 30, 5, 0, 20}, {2, 0, 15, 30, 5, 0, 25}};
    row("vertical bands from the bottom", vertical, 0, -15, 1, s, 255, {30, 30}, bottomBands);
    row("half-transparent strip lies on white", vertical, 0, -15, 1, s, 128, {30, 30}, bottomBands);
    const Blocks lastRows = {
        {0, 0, 0, 30, 20, 0, 0}, {1, 0, 19, 30, 1, 0, 20}, {2, 0, 19, 30, 1, 0, 21}};
    row("vertical at minus the height keeps one row", vertical, 0, -20, 1, s, 255, {30, 22},
        lastRows);
    row("vertical far below minus the height keeps one row", vertical, 0, -9999, 1, s, 255,
        {30, 22}, lastRows);
    row("horizontal with white gaps", horizontal, 15, 0, 1, s, 255, {120, 20},
        {{0, 0, 0, 30, 20, 0, 0}, {1, 0, 0, 30, 20, 45, 0}, {2, 0, 0, 30, 20, 90, 0}});
    row("horizontal bands from the right", horizontal, -22, 0, 1, s, 255, {46, 20},
        {{0, 0, 0, 30, 20, 0, 0}, {1, 22, 0, 8, 20, 30, 0}, {2, 22, 0, 8, 20, 38, 0}});
    // A still's own band: its rows wherever they lie; the first picture stays whole.
    row("own band mid-picture beside the shared one", vertical, 0, -15, 1, s, 255, {30, 33},
        {{0, 0, 0, 30, 20, 0, 0}, {1, 0, 5, 30, 8, 0, 20}, {2, 0, 15, 30, 5, 0, 28}},
        {{0, 20}, {5, 8}, {}});
    row("own bands are rows, not the columns of a row", horizontal, -22, 0, 1, s, 255, {46, 20},
        {{0, 0, 0, 30, 20, 0, 0}, {1, 22, 0, 8, 20, 30, 0}, {2, 22, 0, 8, 20, 38, 0}},
        {{}, {5, 8}, {2, 3}});
    row("own bands only in a strip", vertical, 0, 9, 1, s, 255, {30, 78},
        {{0, 0, 0, 30, 20, 0, 0}, {1, 0, 0, 30, 20, 0, 29}, {2, 0, 0, 30, 20, 0, 58}},
        {{}, {5, 8}, {0, 1}});
    // The raster paint engine draws nothing past 32767 rows.
    row("tall sheet past the paint engine's row limit", vertical, 0, 0, 1, {8, 20000}, 255,
        {8, 60000},
        {{0, 0, 0, 8, 20000, 0, 0}, {1, 0, 0, 8, 20000, 0, 20000}, {2, 0, 0, 8, 20000, 0, 40000}});
}

void TestPreview::mergePlacesEveryPixel()
{
    QFETCH(int, type);
    QFETCH(int, xSpace);
    QFETCH(int, ySpace);
    QFETCH(int, columns);
    QFETCH(QSize, size);
    QFETCH(int, alpha);
    QFETCH(Blocks, blocks);
    QFETCH(QVector<StillBand>, bands);
    const MergeLayout::Params params{type, xSpace, ySpace, columns, bands};
    QList<QImage> pictures = patterns(blocks.size(), size, alpha);
    QImage sheet = MergeLayout::merge(pictures, params);
    QTEST(sheet.size(), "sheet");
    const QString problem = compareSheet(sheet, pictures, blocks);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    // The preview patches its sheet where pictures were redrawn (every caption keystroke);
    // edit after edit the patched sheet must be what a fresh merge gives.
    for (const QVector<int>& changed : QVector<QVector<int>>{{0}, {2}, {1, 2}, {0, 1}}) {
        for (int index : changed)
            QPainter(&pictures[index])
                .fillRect(QRect(index * 3, 12 + index, 20, 8), QColor(255, 255, 255, alpha));
        QVERIFY(!MergeLayout::remerge(sheet, pictures, params, changed).isEmpty());
        QCOMPARE(sheet, MergeLayout::merge(pictures, params));
    }
}

void TestPreview::tooLargeSheetIsRefused()
{
    // 60000 dots 9999 pixels apart: a row of 600 million pixels, more bytes than the toolkit
    // can count. The merge says so instead of failing later.
    TestSupport::LogCapture log;
    QVERIFY(MergeLayout::merge(QVector<QImage>(60000, pattern(0, 1, 1)).toList(),
                               {MergeLayout::Horizontal, 9999, 0, 1, {}})
                .isNull());
    QVERIFY(log.contains(QStringLiteral("merge: ")));
}

void TestPreview::linkedSizeFields_data()
{
    QTest::addColumn<int>("stills"); // stacked, each of `still` size
    QTest::addColumn<QSize>("still");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QSize>("output"); // exactly what Export writes
    const QSize full(1920, 1080);
    // Two stills make 1920 x 2160: a typed side is kept exactly and the other follows the
    // sheet (2160 * 1280 / 1920 = 1440), never a side rounded through a percentage (1267).
    QTest::newRow("width 1280") << 2 << full << int(PreviewWidget::Width) << 1280 << 67
                                << QSize(1280, 1440);
    QTest::newRow("height 1000") << 2 << full << int(PreviewWidget::Height) << 1000 << 46
                                 << QSize(889, 1000);
    QTest::newRow("scale 66") << 2 << full << int(PreviewWidget::Scale) << 66 << 66
                              << QSize(1267, 1426);
    QTest::newRow("thirty stills show their real height")
        << 30 << QSize(100, 1080) << int(PreviewWidget::Scale) << 100 << 100 << QSize(100, 32400);
    // The band and the spacing are one setting seen two ways: 180 rows less 120 leave 60.
    QTest::newRow("band typed") << 3 << QSize(320, 180) << int(PreviewWidget::Band) << 60 << 100
                                << QSize(320, 300);
    QTest::newRow("negative spacing typed")
        << 3 << QSize(320, 180) << int(PreviewWidget::YSpace) << -120 << 100 << QSize(320, 300);
}

void TestPreview::linkedSizeFields()
{
    QFETCH(int, stills);
    QFETCH(QSize, still);
    QFETCH(int, field);
    QFETCH(int, typed);
    QFETCH(QSize, output);
    TestSupport::DesktopCatcher desktop;
    QTemporaryDir chosen;
    Settings::instance()->setValue(AppConfig::kFileSavePath, chosen.path());
    TestSupport::Selection selection;
    for (int i = 0; i < stills; ++i)
        selection.add(pattern(i, still.width(), still.height()));
    auto panel = makePanel();
    panel->showImage();
    typeInto(panel->property(field), QString::number(typed));
    QTEST(panel->property(PreviewWidget::Scale)->value(), "scale");
    if (field == PreviewWidget::Band || field == PreviewWidget::YSpace) {
        QCOMPARE(panel->property(PreviewWidget::Band)->value(), 60);
        QCOMPARE(panel->property(PreviewWidget::YSpace)->value(), -120);
    }
    QCOMPARE(panel->property(PreviewWidget::Width)->value(), output.width());
    QCOMPARE(panel->property(PreviewWidget::Height)->value(), output.height());
    // The read-out over the picture tells the size an export has.
    QCOMPARE(panel->sizeLabel()->text(),
             QStringLiteral("%1x%2").arg(output.width()).arg(output.height()));
    QTest::mouseClick(panel->exportButton(), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&desktop] { return !desktop.revealed.isEmpty(); }, 20000));
    QCOMPARE(QImageReader(desktop.revealed.first()).size(), output);
    // The spacing is kept for the session; the panels of the other tests start without it.
    typeInto(panel->property(PreviewWidget::YSpace), QStringLiteral("0"));
}

// Whatever the picture and the area, a fit shrinks or keeps the picture, and a picture that
// fits inside the margins is shown at its own size.
void TestPreview::fitNeverEnlarges()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); // a line per fit
    const int margin = 20;
    for (int pw = 1; pw <= 4001; pw += 250) {
        for (int ph = 1; ph <= 4001; ph += 333) {
            for (int a = 0; a < 121; ++a) {
                const QSize area(a % 11 * 199, a / 11 * 211);
                const int fit = ZoomFit::fitPercent(QSize(pw, ph), area, margin);
                const bool fits =
                    pw <= area.width() - 2 * margin && ph <= area.height() - 2 * margin;
                QVERIFY2(fit >= 0 && fit <= 100 && (!fits || fit == 100),
                         qPrintable(QString::asprintf("%dx%d in %dx%d: %d %%", pw, ph, area.width(),
                                                      area.height(), fit)));
            }
        }
    }
    QLoggingCategory::setFilterRules(QString());
}

void TestPreview::zoomModes_data()
{
    QTest::addColumn<bool>("viewer");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("small"); // fits at its own size: shown so, never enlarged
    QTest::newRow("large picture in the panel") << false << QSize(3000, 2000) << false;
    QTest::newRow("small picture in the panel") << false << QSize(120, 80) << true;
    QTest::newRow("large picture in the viewer") << true << QSize(3000, 2000) << false;
    QTest::newRow("small picture in the viewer") << true << QSize(120, 80) << true;
}

void TestPreview::zoomModes()
{
    QFETCH(bool, viewer);
    QFETCH(QSize, picture);
    QFETCH(bool, small);
    TestSupport::Selection selection;
    selection.add(pattern(0, picture.width(), picture.height()));
    auto panel = makePanel();
    panel->showImage();
    if (viewer)
        QTest::mouseClick(panel->showButton(), Qt::LeftButton);
    ImageViewDialog* dialog = panel->viewDialog();
    ScaleViewBar* bar = viewer ? dialog->saveFileBar()->scaleViewBar() : panel->scaleViewBar();
    QLabel* label = viewer ? dialog->pictureLabel() : panel->pictureLabel();
    const QSize area = viewer ? dialog->size() : panel->previewArea()->size();
    const auto shown = [label] { return label->pixmap(Qt::ReturnByValue).size(); };

    const int fit = bar->value();
    if (small) {
        QCOMPARE(fit, 100);
        QCOMPARE(shown(), picture);
    } else {
        QVERIFY2(fit > 0 && fit < 100, qPrintable(QString::number(fit)));
        QVERIFY(shown().width() <= area.width() && shown().height() <= area.height());
    }
    QTest::mouseClick(bar->button(ScaleViewBar::FitTo100), Qt::LeftButton);
    QCOMPARE(shown(), picture);
    bar->slider()->setValue(50); // as a drag of the handle does
    QCOMPARE(shown(), picture / 2);
    // A step is a tenth more, not a point.
    QTest::mouseClick(bar->button(ScaleViewBar::ZoomIn), Qt::LeftButton);
    QCOMPARE(shown(), picture * 0.55);
    QTest::mouseClick(bar->button(ScaleViewBar::FitToWindow), Qt::LeftButton);
    QCOMPARE(bar->value(), fit);
    QVERIFY(!bar->button(ScaleViewBar::FitToWindow)->isEnabled());
}

void TestPreview::exportWritesTheChosenFormat_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("inViewer");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QSize>("written");
    QTest::addColumn<QString>("notice"); // and nothing written
    const auto row = [](const char* name, const char* format, bool inViewer, QSize picture,
                        int scale, QSize written, const char* notice = "") {
        QTest::newRow(name) << QString(format) << inViewer << picture << scale << written
                            << QString(notice);
    };
    // Two pictures stacked: 640 x 720, or 100 x 18000 (past WEBP's 16383 pixels per side),
    // or 10 x 66000 (past JPG's 65500), or 50 x 40, which at 10 % is 5 x 4.
    row("PNG chosen in the panel, half scale", "PNG", false, {640, 360}, 50, {320, 360});
    row("JPG chosen in the viewer", "JPG", true, {640, 360}, 100, {640, 720});
    row("WEBP chosen in the viewer", "WEBP", true, {640, 360}, 100, {640, 720});
    row("too tall for WEBP", "WEBP", false, {100, 9000}, 100, {}, "WEBP: at most 16383");
    row("too tall for JPG", "JPG", true, {10, 33000}, 100, {}, "JPG: at most 65500");
    row("a tenth", "PNG", false, {50, 20}, 10, {5, 4});
    row("WEBP fits at half scale", "WEBP", false, {100, 9000}, 50, {50, 9000});
}

void TestPreview::exportWritesTheChosenFormat()
{
    QFETCH(QString, format);
    QFETCH(bool, inViewer);
    QFETCH(QSize, picture);
    QFETCH(int, scale);
    QFETCH(QSize, written);
    QFETCH(QString, notice);
    TestSupport::DesktopCatcher desktop;
    QTemporaryDir chosen;
    SaveFileBar::setFolderChooser(
        [&chosen](QWidget*, const QString&, const QString&) { return chosen.path(); });
    TestSupport::Selection selection;
    selection.add(pattern(0, picture.width(), picture.height()));
    selection.add(pattern(1, picture.width(), picture.height()));
    auto panel = makePanel();
    QTest::mouseClick(panel->changeButton(), Qt::LeftButton);
    typeInto(panel->property(PreviewWidget::Scale), QString::number(scale));
    if (inViewer)
        QTest::mouseClick(panel->showButton(), Qt::LeftButton);
    SaveFileBar* bar = panel->viewDialog()->saveFileBar();
    (inViewer ? bar->formatBox() : panel->formatBox())->setCurrentText(format);

    QTest::mouseClick(inViewer ? bar->exportButton() : panel->exportButton(), Qt::LeftButton);
    if (!notice.isEmpty()) {
        const QLabel* shown = inViewer ? bar->noticeLabel() : panel->noticeLabel();
        QTRY_VERIFY(shown->isVisible() && !panel->saveThread()->isRunning());
        QVERIFY2(shown->text().contains(notice), qPrintable(shown->text()));
        QCOMPARE(filesUnder(chosen.path()), 0);
        QVERIFY(desktop.revealed.isEmpty());
        return;
    }
    QVERIFY(QTest::qWaitFor([&desktop] { return !desktop.revealed.isEmpty(); }, 20000));
    const QString path = desktop.revealed.value(0);
    QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(chosen.path()).absoluteFilePath());
    QCOMPARE(QFileInfo(path).suffix(), format.toLower());
    QImageReader reader(path);
    QCOMPARE(reader.format(),
             format == QLatin1String("JPG") ? QByteArray("jpeg") : format.toLower().toLatin1());
    const QImage image = reader.read();
    QCOMPARE(image.size(), written);
    // The upper half is the first picture, the lower half the second (red names them).
    QVERIFY(qAbs(qRed(image.pixel(written.width() / 2, written.height() / 4)) - 10) <= 8);
    QVERIFY(qAbs(qRed(image.pixel(written.width() / 2, written.height() * 3 / 4)) - 30) <= 8);
    QCOMPARE(filesUnder(chosen.path()), 1);
}

void TestPreview::listDialogReachesTheStrip()
{
    QTemporaryDir files;
    ImagesWidget strip;
    for (int i = 0; i < 3; ++i) {
        const QString path = files.filePath(QStringLiteral("picture%1.png").arg(i));
        QVERIFY(pattern(i, 64, 36).save(path));
        QVERIFY(strip.importFile(path));
    }
    strip.showButtonClickedHandle();
    ImageListViewDialog* dialog = strip.imageListDialog();
    QCheckBox* selectAll = dialog->saveFileBar()->selectAllBox();
    const auto ticked = [] { return GlobalManager::instance()->selectedItems().size(); };
    QVERIFY(selectAll->isChecked());

    // A click on a mirror card unticks the strip's card, and "Select all" with it.
    QTest::mouseClick(dialog->mirrorItems().at(1), Qt::LeftButton, {}, QPoint(100, 50));
    QVERIFY(!strip.cards().at(1)->isChecked());
    QCOMPARE(ticked(), 2);
    QVERIFY(!selectAll->isChecked());
    selectAll->click();
    QVERIFY(strip.cards().at(1)->isChecked());
    QCOMPARE(ticked(), 3);

    // A mirror's delete button deletes the strip's card; "Clear" empties both.
    ImageItem* doomed = strip.cards().at(2);
    auto* remove = dialog->mirrorItems().at(2)->findChild<QPushButton*>(QStringLiteral("noborder"));
    QVERIFY(remove);
    remove->click();
    QCOMPARE(strip.cards().size(), 2);
    QVERIFY(!strip.cards().contains(doomed));
    QCOMPARE(ticked(), 2);
    QTest::mouseClick(dialog->saveFileBar()->clearButton(), Qt::LeftButton);
    QVERIFY(strip.cards().isEmpty());
    QVERIFY(dialog->mirrorItems().isEmpty());
    QCOMPARE(ticked(), 0);
}

PICTORB_TEST_MAIN(TestPreview)
#include "tst_preview.moc"

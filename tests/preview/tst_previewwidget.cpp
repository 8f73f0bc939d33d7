#include "core/base/AppConfig.h"
#include "core/base/PlatformShell.h"
#include "core/base/ScreenManager.h"
#include "core/images/SaveImageThread.h"
#include "gui/images/ImageViewDialog.h"
#include "gui/images/SaveFileBar.h"
#include "gui/preview/PreviewWidget.h"
#include "gui/widgets/IconButton.h"
#include "gui/widgets/NormalButton.h"
#include "gui/widgets/PropertyItem.h"
#include "gui/widgets/ScaleViewBar.h"
#include "gui/widgets/TinySlider.h"
#include "gui/widgets/ZoomFit.h"

#include "PreviewTestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>

using PreviewTest::LogCounter;
using PreviewTest::pattern;
using PreviewTest::Selection;

namespace {

void type(PreviewWidget& panel, int id, const QString& text)
{
    panel.property(id)->lineEdit()->setText(text);
}

QString field(const PreviewWidget& panel, int id)
{
    return panel.property(id)->text();
}

QString tempValue(const QString& key, int layout)
{
    return GlobalManager::instance()->getTempValue(key + QChar(layout), QString()).toString();
}

} // namespace

class TestPreviewWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void emptySelectionShowsNothing();
    void linkRuleOfThousandByFiveHundred();
    void sizeReadoutFollowsScale();
    void typedScaleIsClamped();
    void halfTypedTextIsNotApplied();
    void eachLayoutKeepsItsOwnValues();
    void layoutRowsFollowTheType();
    void loadPropertiesRestoresLayoutAndFormat();
    void draggingColumnLabel();
    void fitPercentNeverAboveHundred();
    void fitPercentMatchesTheToolkitsScaling();
    void smallPictureFitsAtItsOwnSize();
    void zoomBarModes();
    void refreshMergesOnlyWhenInputsChange();
    void scrollsToTheNewestPicture();
    void formatAndFolderSetters();
    void clearInputFocusRemovesCursor();
    void viewerShowsAndCloses();
    void exportAtHalfScaleHalvesTheWidth();
    void exportSubtitleSheet();
    void webpTooLargeIsReportedInPlace();
    void unwritablePictureIsNotASuccess();

private:
    std::unique_ptr<PreviewWidget> makePanel();
    QStringList waitForReveal();

    std::unique_ptr<QTemporaryDir> m_output;
    QStringList m_revealed;
    int m_reveals = 0;
};

void TestPreviewWidget::init()
{
    m_output = std::make_unique<QTemporaryDir>();
    QVERIFY(m_output->isValid());
    GlobalManager* manager = GlobalManager::instance();
    manager->setSetting(AppConfig::kFileSavePath, m_output->path());
    manager->setSetting(AppConfig::kFileExtension, QStringLiteral("PNG"));
    manager->setSetting(AppConfig::kRadioType, 1u);
    for (int layout = 0; layout < 3; ++layout) {
        for (const QString& key :
             {AppConfig::kPropertyScale, AppConfig::kPropertyXSpace, AppConfig::kPropertyYSpace})
            manager->setTempValue(key + QChar(layout), QVariant());
    }
    m_revealed.clear();
    m_reveals = 0;
    PlatformShell::setRevealHandler([this](const QStringList& paths) {
        m_revealed = paths;
        ++m_reveals;
    });
}

void TestPreviewWidget::cleanup()
{
    PlatformShell::setRevealHandler(nullptr);
    GlobalManager::instance()->selectedItems().clear();
}

std::unique_ptr<PreviewWidget> TestPreviewWidget::makePanel()
{
    auto panel = std::make_unique<PreviewWidget>();
    panel->resize(800, 900);
    panel->loadProperties();
    panel->show();
    if (!QTest::qWaitForWindowExposed(panel.get()))
        qWarning() << "panel not exposed";
    return panel;
}

QStringList TestPreviewWidget::waitForReveal()
{
    if (!QTest::qWaitFor([this] { return m_reveals > 0; }, 20000))
        return {};
    return m_revealed;
}

void TestPreviewWidget::emptySelectionShowsNothing()
{
    auto panel = makePanel();
    panel->showImage();
    QVERIFY(panel->getGroupPixmap().isNull());
    QVERIFY(panel->pictureLabel()->isHidden());
    panel->exportButtonClickHandle();
    QVERIFY(!panel->saveThread()->isRunning());
    QCOMPARE(panel->progressState(), 0);
    QTest::qWait(50);
    QCOMPARE(m_reveals, 0);
}

void TestPreviewWidget::linkRuleOfThousandByFiveHundred()
{
    Selection selection;
    selection.add(pattern(0, 1000, 500));
    auto panel = makePanel();
    panel->showImage();
    QCOMPARE(panel->mergedImage().size(), QSize(1000, 500));

    type(*panel, PreviewWidget::Width, QStringLiteral("500"));
    QCOMPARE(field(*panel, PreviewWidget::Scale), QStringLiteral("50"));
    QCOMPARE(field(*panel, PreviewWidget::Height), QStringLiteral("250"));

    type(*panel, PreviewWidget::Height, QStringLiteral("100"));
    QCOMPARE(field(*panel, PreviewWidget::Scale), QStringLiteral("20"));
    QCOMPARE(field(*panel, PreviewWidget::Width), QStringLiteral("200"));

    type(*panel, PreviewWidget::Scale, QStringLiteral("150"));
    QCOMPARE(field(*panel, PreviewWidget::Width), QStringLiteral("1500"));
    QCOMPARE(field(*panel, PreviewWidget::Height), QStringLiteral("750"));
}

void TestPreviewWidget::sizeReadoutFollowsScale()
{
    Selection selection;
    selection.add(pattern(0, 1000, 500));
    auto panel = makePanel();
    type(*panel, PreviewWidget::Scale, QStringLiteral("50"));
    QCOMPARE(panel->sizeLabel()->text(), QStringLiteral("500x250"));
    // The read-out appears while the pointer is over the picture, and is hidden by a refresh.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(panel->previewArea(), &enter);
    QVERIFY(panel->overlayWidget()->isVisible());
    QCOMPARE(panel->overlayWidget()->y(), scaled(45));
    QCOMPARE(panel->overlayWidget()->geometry().right(),
             panel->previewArea()->width() - scaled(8) - 1);
    panel->showImage();
    QVERIFY(!panel->overlayWidget()->isVisible());
}

void TestPreviewWidget::typedScaleIsClamped()
{
    auto panel = makePanel();
    type(*panel, PreviewWidget::Scale, QStringLiteral("600"));
    QCOMPARE(field(*panel, PreviewWidget::Scale), QStringLiteral("500"));
    QCOMPARE(tempValue(AppConfig::kPropertyScale, 1), QStringLiteral("500"));
}

void TestPreviewWidget::halfTypedTextIsNotApplied()
{
    Selection selection;
    selection.add(pattern(0, 40, 30));
    selection.add(pattern(1, 40, 30));
    auto panel = makePanel();
    type(*panel, PreviewWidget::YSpace, QStringLiteral("-10"));
    QCOMPARE(panel->mergedImage().size(), QSize(40, 50));

    LogCounter merges(QStringLiteral("other image's height:"));
    type(*panel, PreviewWidget::YSpace, QStringLiteral("-"));
    QCOMPARE(field(*panel, PreviewWidget::YSpace), QStringLiteral("-"));
    QCOMPARE(tempValue(AppConfig::kPropertyYSpace, 1), QStringLiteral("-10"));
    type(*panel, PreviewWidget::YSpace, QString());
    QCOMPARE(field(*panel, PreviewWidget::YSpace), QString());
    QCOMPARE(tempValue(AppConfig::kPropertyYSpace, 1), QStringLiteral("-10"));
    QCOMPARE(merges.count(), 0);
    QCOMPARE(panel->mergedImage().size(), QSize(40, 50));
}

void TestPreviewWidget::eachLayoutKeepsItsOwnValues()
{
    auto panel = makePanel();
    QCOMPARE(panel->layoutType(), 1);
    type(*panel, PreviewWidget::YSpace, QStringLiteral("-300"));

    panel->layoutButton(0)->click();
    QCOMPARE(panel->layoutType(), 0);
    QCOMPARE(GlobalManager::instance()->getSetting(AppConfig::kRadioType, 9).toInt(), 0);
    // Grid was never given a Y Space in this run: the default.
    QCOMPARE(field(*panel, PreviewWidget::YSpace), QStringLiteral("0"));
    type(*panel, PreviewWidget::YSpace, QStringLiteral("10"));
    type(*panel, PreviewWidget::Scale, QStringLiteral("70"));

    panel->layoutButton(1)->click();
    QCOMPARE(field(*panel, PreviewWidget::YSpace), QStringLiteral("-300"));
    QCOMPARE(field(*panel, PreviewWidget::Scale), QStringLiteral("100"));

    panel->layoutButton(0)->click();
    QCOMPARE(field(*panel, PreviewWidget::YSpace), QStringLiteral("10"));
    QCOMPARE(field(*panel, PreviewWidget::Scale), QStringLiteral("70"));
}

void TestPreviewWidget::layoutRowsFollowTheType()
{
    auto panel = makePanel();
    const auto shown = [&panel](int id) { return panel->property(id)->isVisible(); };
    panel->layoutButton(0)->click();
    QVERIFY(shown(PreviewWidget::XSpace) && shown(PreviewWidget::YSpace) &&
            shown(PreviewWidget::Column));
    QTRY_VERIFY(panel->property(PreviewWidget::XSpace)->x() <
                panel->property(PreviewWidget::YSpace)->x());
    QTRY_VERIFY(panel->property(PreviewWidget::YSpace)->x() <
                panel->property(PreviewWidget::Column)->x());
    panel->layoutButton(1)->click();
    QVERIFY(!shown(PreviewWidget::XSpace) && shown(PreviewWidget::YSpace) &&
            !shown(PreviewWidget::Column));
    // Y Space moves to the first cell of the row, beside the "Space" label.
    QTRY_COMPARE(panel->property(PreviewWidget::YSpace)->x(),
                 panel->property(PreviewWidget::Scale)->x());
    panel->layoutButton(2)->click();
    QVERIFY(shown(PreviewWidget::XSpace) && !shown(PreviewWidget::YSpace) &&
            !shown(PreviewWidget::Column));
    QVERIFY(shown(PreviewWidget::Scale) && shown(PreviewWidget::Width) &&
            shown(PreviewWidget::Height));
}

void TestPreviewWidget::loadPropertiesRestoresLayoutAndFormat()
{
    GlobalManager* manager = GlobalManager::instance();
    manager->setSetting(AppConfig::kRadioType, 2u);
    manager->setSetting(AppConfig::kFileExtension, QStringLiteral("WEBP"));
    manager->setTempValue(AppConfig::kPropertyXSpace + QChar(2), QStringLiteral("-25"));
    PreviewWidget panel;
    panel.loadProperties();
    QCOMPARE(panel.layoutType(), 2);
    QVERIFY(panel.layoutButton(2)->isChecked());
    QCOMPARE(field(panel, PreviewWidget::XSpace), QStringLiteral("-25"));
    QCOMPARE(panel.formatBox()->currentText(), QStringLiteral("WEBP"));
    QCOMPARE(panel.currentFormat(), QStringLiteral("WEBP"));
}

void TestPreviewWidget::draggingColumnLabel()
{
    Selection selection;
    for (int i = 0; i < 12; ++i)
        selection.add(pattern(i % 8, 20, 10));
    auto panel = makePanel();
    panel->layoutButton(0)->click();
    QCOMPARE(field(*panel, PreviewWidget::Column), QStringLiteral("3"));
    QCOMPARE(panel->mergedImage().width(), 60);

    QLabel* label = panel->property(PreviewWidget::Column)->label();
    const QPoint start(2, 2);
    QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, start);
    // 20 pixels right in one move: 10 steps, 3 + 10 = 13, clamped to the maximum 10.
    QMouseEvent move(QEvent::MouseMove, start + QPoint(20, 0), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(label, &move);
    QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, start + QPoint(20, 0));
    QCOMPARE(field(*panel, PreviewWidget::Column), QStringLiteral("10"));
    // The drag went through the property change: the merge now uses ten columns.
    QCOMPARE(panel->mergedImage().size(), QSize(200, 20));
}

void TestPreviewWidget::fitPercentNeverAboveHundred()
{
    QtMessageHandler quiet =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int checked = 0;
    for (int pw = 1; pw <= 4001; pw += 250) {
        for (int ph = 1; ph <= 4001; ph += 333) {
            for (int aw = 0; aw <= 2000; aw += 199) {
                for (int ah = 0; ah <= 2000; ah += 211) {
                    const int fit = ZoomFit::fitPercent(QSize(pw, ph), QSize(aw, ah), 20);
                    if (fit < 0 || fit > 100) {
                        qInstallMessageHandler(quiet);
                        QFAIL(qPrintable(QStringLiteral("fit %1 for %2x%3 in %4x%5")
                                             .arg(fit)
                                             .arg(pw)
                                             .arg(ph)
                                             .arg(aw)
                                             .arg(ah)));
                    }
                    ++checked;
                }
            }
        }
    }
    qInstallMessageHandler(quiet);
    QVERIFY(checked > 10000);
}

void TestPreviewWidget::fitPercentMatchesTheToolkitsScaling()
{
    // The fit is worked out without scaling the picture; it must equal what scaling to the
    // fitted width or height would give.
    QtMessageHandler quiet =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const int margin = 7;
    for (int pw = 3; pw <= 300; pw += 37) {
        for (int ph = 3; ph <= 300; ph += 41) {
            const QImage picture(pw, ph, QImage::Format_RGB32);
            for (int aw = 20; aw <= 330; aw += 31) {
                for (int ah = 20; ah <= 330; ah += 29) {
                    const int w = std::min(pw, aw - 2 * margin);
                    const int h = std::min(ph, ah - 2 * margin);
                    const float fx = float(w) / float(pw);
                    const float fy = float(h) / float(ph);
                    const QImage fitted = fy > fx
                                              ? picture.scaledToWidth(w, Qt::FastTransformation)
                                              : picture.scaledToHeight(h, Qt::FastTransformation);
                    // Scaling gives no picture at all when the other side rounds to zero
                    // rows; the worked-out fit keeps its width there instead of 0 %.
                    if (fitted.isNull())
                        continue;
                    const int expected = int(float(fitted.width()) / float(pw) * 100.0f);
                    const int fit = ZoomFit::fitPercent(picture.size(), QSize(aw, ah), margin);
                    if (fit != expected) {
                        qInstallMessageHandler(quiet);
                        QCOMPARE(fit, expected);
                    }
                }
            }
        }
    }
    qInstallMessageHandler(quiet);
}

void TestPreviewWidget::smallPictureFitsAtItsOwnSize()
{
    Selection selection;
    selection.add(pattern(0, 120, 80));
    auto panel = makePanel();
    panel->showImage();
    QCOMPARE(panel->scaleViewBar()->value(), 100);
    QCOMPARE(panel->scaleViewBar()->fitValue(), 100);
    QCOMPARE(panel->pictureLabel()->pixmap(Qt::ReturnByValue).size(), QSize(120, 80));
    QVERIFY(!panel->scaleViewBar()->button(ScaleViewBar::FitToWindow)->isEnabled());
}

void TestPreviewWidget::zoomBarModes()
{
    Selection selection;
    selection.add(pattern(0, 3000, 2000));
    auto panel = makePanel();
    panel->showImage();
    ScaleViewBar* bar = panel->scaleViewBar();
    const int fit = bar->value();
    QVERIFY(fit > 0 && fit < 100);
    QCOMPARE(panel->zoomMode(), int(PreviewWidget::FitZoom));
    const QSize fitted = panel->pictureLabel()->pixmap(Qt::ReturnByValue).size();
    QVERIFY(fitted.width() <= panel->previewArea()->width());

    QTest::mouseClick(bar->button(ScaleViewBar::FitTo100), Qt::LeftButton);
    QCOMPARE(panel->zoomMode(), int(PreviewWidget::ActualSize));
    QCOMPARE(bar->value(), 100);
    QCOMPARE(panel->pictureLabel()->pixmap(Qt::ReturnByValue).size(), QSize(3000, 2000));
    QVERIFY(bar->button(ScaleViewBar::FitToWindow)->isEnabled());

    bar->slider()->setValue(50);
    QCOMPARE(panel->zoomMode(), int(PreviewWidget::ManualZoom));
    QCOMPARE(panel->pictureLabel()->pixmap(Qt::ReturnByValue).size(), QSize(1500, 1000));
    // A manual zoom survives a refresh.
    panel->showImage();
    QCOMPARE(bar->value(), 50);

    QTest::mouseClick(bar->button(ScaleViewBar::FitToWindow), Qt::LeftButton);
    QCOMPARE(panel->zoomMode(), int(PreviewWidget::FitZoom));
    QCOMPARE(bar->value(), fit);
    QVERIFY(!bar->button(ScaleViewBar::FitToWindow)->isEnabled());
}

void TestPreviewWidget::refreshMergesOnlyWhenInputsChange()
{
    Selection selection;
    selection.add(pattern(0, 64, 48));
    selection.add(pattern(1, 64, 48));
    auto panel = makePanel();
    LogCounter merges(QStringLiteral("other image's height:"));
    panel->showImage();
    QCOMPARE(merges.count(), 1);
    // Refresh, viewer update and export of the same pictures reuse that merge.
    panel->showImage();
    panel->updateViewDialog();
    panel->relinkFromScale();
    panel->exportButtonClickHandle();
    QCOMPARE(merges.count(), 1);
    QVERIFY(!waitForReveal().isEmpty());

    // A redrawn caption is a new picture: the next refresh merges again.
    selection.at(1)->caption()->text = QStringLiteral("Hello");
    selection.at(1)->updateImage();
    panel->showImage();
    QCOMPARE(merges.count(), 2);
    // So does a layout change.
    type(*panel, PreviewWidget::YSpace, QStringLiteral("5"));
    QCOMPARE(merges.count(), 3);
    QCOMPARE(panel->mergedImage().height(), 48 * 2 + 5);
}

void TestPreviewWidget::scrollsToTheNewestPicture()
{
    Selection selection;
    for (int i = 0; i < 3; ++i)
        selection.add(pattern(i, 600, 800));
    auto panel = makePanel();
    panel->showImage();
    QTest::mouseClick(panel->scaleViewBar()->button(ScaleViewBar::FitTo100), Qt::LeftButton);
    panel->scrollToNewest();
    QScrollBar* vertical = panel->scrollArea()->verticalScrollBar();
    QVERIFY(vertical->maximum() > 0);
    QCOMPARE(vertical->value(), vertical->maximum());

    panel->layoutButton(2)->click();
    QTest::mouseClick(panel->scaleViewBar()->button(ScaleViewBar::FitTo100), Qt::LeftButton);
    panel->scrollToNewest();
    QScrollBar* horizontal = panel->scrollArea()->horizontalScrollBar();
    QVERIFY(horizontal->maximum() > 0);
    QCOMPARE(horizontal->value(), horizontal->maximum());
}

void TestPreviewWidget::formatAndFolderSetters()
{
    auto panel = makePanel();
    panel->selectFormat(QStringLiteral("WEBP"));
    QCOMPARE(panel->formatBox()->currentIndex(), 2);
    // Exact and case-sensitive: no item matches.
    panel->selectFormat(QStringLiteral("png"));
    QCOMPARE(panel->formatBox()->currentIndex(), -1);
    // Showing a format never stores one.
    QCOMPARE(GlobalManager::instance()->getSetting(AppConfig::kFileExtension, QString()),
             QVariant(QStringLiteral("PNG")));

    panel->formatBox()->setCurrentIndex(0);
    QCOMPARE(GlobalManager::instance()->getSetting(AppConfig::kFileExtension, QString()),
             QVariant(QStringLiteral("JPG")));
    QCOMPARE(panel->currentFormat(), QStringLiteral("JPG"));

    panel->setSaveFolderText(QStringLiteral("/some/where"));
    QCOMPARE(panel->folderEdit()->text(), QStringLiteral("/some/where"));
}

void TestPreviewWidget::clearInputFocusRemovesCursor()
{
    auto panel = makePanel();
    panel->activateWindow();
    QLineEdit* edit = panel->property(PreviewWidget::Scale)->lineEdit();
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    panel->clearInputFocus();
    QVERIFY(!edit->hasFocus());
}

void TestPreviewWidget::viewerShowsAndCloses()
{
    Selection selection;
    selection.add(pattern(0, 300, 200));
    selection.add(pattern(1, 300, 200));
    auto panel = makePanel();
    panel->layoutButton(2)->click();
    QVERIFY(!panel->viewDialog()->isVisible());
    // A hidden viewer is not kept up to date on every refresh; showing it brings it there.
    QVERIFY(panel->viewDialog()->image().isNull());

    QTest::mouseClick(panel->showButton(), Qt::LeftButton);
    ImageViewDialog* viewer = panel->viewDialog();
    QVERIFY(viewer->isVisible());
    QVERIFY(viewer->isHorizontal());
    QCOMPARE(viewer->image(), panel->mergedImage());
    QCOMPARE(viewer->image().size(), QSize(600, 200));

    // While shown, it follows every refresh.
    panel->layoutButton(1)->click();
    QCOMPARE(viewer->image(), panel->mergedImage());
    QVERIFY(!viewer->isHorizontal());

    QSignalSpy destroyed(viewer, &QObject::destroyed);
    panel->closeViewDialog();
    QVERIFY(!viewer->isVisible());
    QVERIFY(panel->viewDialog() == nullptr);
    QVERIFY(destroyed.wait(2000));
    // The panel goes on working without its viewer.
    panel->showImage();
    panel->updateViewDialog();
    panel->showViewDialog();
}

void TestPreviewWidget::exportAtHalfScaleHalvesTheWidth()
{
    Selection selection;
    for (int i = 0; i < 3; ++i)
        selection.add(pattern(i, 640, 360));
    auto panel = makePanel();
    panel->layoutButton(0)->click();
    type(*panel, PreviewWidget::Column, QStringLiteral("2"));
    type(*panel, PreviewWidget::XSpace, QStringLiteral("10"));
    type(*panel, PreviewWidget::YSpace, QStringLiteral("10"));
    QCOMPARE(panel->mergedImage().size(), QSize(1290, 730));
    type(*panel, PreviewWidget::Scale, QStringLiteral("50"));

    QTest::mouseClick(panel->exportButton(), Qt::LeftButton);
    const QStringList revealed = waitForReveal();
    const QString expected = m_output->path() + QStringLiteral("/Pictorb_1.png");
    QCOMPARE(revealed, QStringList{expected});
    const QImage written(expected);
    // 1290 × 50 / 100 = 645, the height follows the aspect ratio: 730 / 2 = 365.
    QCOMPARE(written.size(), QSize(645, 365));
    QCOMPARE(qRed(written.pixel(100, 100)), 10);    // picture 0
    QCOMPARE(qRed(written.pixel(500, 100)), 30);    // picture 1
    QCOMPARE(qRed(written.pixel(100, 300)), 50);    // picture 2
    QCOMPARE(written.pixel(500, 300), 0xffffffffu); // the empty cell is white
    QCOMPARE(written.pixel(322, 100), 0xffffffffu); // the column gap
}

void TestPreviewWidget::exportSubtitleSheet()
{
    Selection selection;
    QList<QImage> pictures;
    for (int i = 0; i < 3; ++i) {
        pictures << pattern(i, 640, 360);
        selection.add(pictures.last());
    }
    auto panel = makePanel();
    type(*panel, PreviewWidget::YSpace, QStringLiteral("-300"));

    bool disabledWhileSaving = false;
    connect(panel->saveThread(), &SaveImageThread::saveStart, this, [&] {
        ImageViewDialog* viewer = panel->viewDialog();
        disabledWhileSaving =
            !panel->settingsArea()->isEnabled() && !panel->outputBar()->isEnabled() &&
            !panel->scaleViewBar()->isEnabled() && panel->progressBar()->isVisible() &&
            !viewer->saveFileBar()->isEnabled() && !viewer->progressBar()->isHidden() &&
            viewer->progressBar()->maximum() == 200;
    });
    QTest::mouseClick(panel->exportButton(), Qt::LeftButton);
    const QStringList revealed = waitForReveal();
    const QString expected = m_output->path() + QStringLiteral("/Pictorb_1.png");
    QCOMPARE(revealed, QStringList{expected});
    QVERIFY(disabledWhileSaving);

    const QImage written = QImage(expected).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(written.size(), QSize(640, 480));
    // The first picture whole, then the bottom 60 rows of the second and the third.
    for (int y = 0; y < 480; ++y) {
        const int picture = y < 360 ? 0 : (y < 420 ? 1 : 2);
        const int row = y < 360 ? y : 300 + (y - 360) % 60;
        for (int x = 0; x < 640; x += 7) {
            if (written.pixel(x, y) != pictures[picture].pixel(x, row))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
        }
    }
    // The temporary folder is left empty; the controls come back and the bar goes away.
    QCOMPARE(QDir(m_output->path() + QStringLiteral("/tmp")).entryList(QDir::Files).size(), 0);
    QVERIFY(panel->settingsArea()->isEnabled());
    QTRY_COMPARE(panel->progressState(), 0);
    QVERIFY(panel->progressBar()->isHidden());
    QVERIFY(panel->viewDialog()->progressBar()->isHidden());
    QVERIFY(panel->viewDialog()->saveFileBar()->isEnabled());

    // A second export lands beside the first under a free name.
    m_reveals = 0;
    panel->exportButtonClickHandle();
    QCOMPARE(waitForReveal(), QStringList{m_output->path() + QStringLiteral("/Pictorb_1(1).png")});
}

void TestPreviewWidget::webpTooLargeIsReportedInPlace()
{
    GlobalManager::instance()->setSetting(AppConfig::kFileExtension, QStringLiteral("WEBP"));
    Selection selection;
    selection.add(pattern(0, 100, 9000));
    selection.add(pattern(1, 100, 9000));
    auto panel = makePanel();
    panel->showImage();
    QCOMPARE(panel->mergedImage().size(), QSize(100, 18000));

    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^export: .*too large for.*WEBP")));
    QTest::mouseClick(panel->exportButton(), Qt::LeftButton);
    QVERIFY(!panel->saveThread()->isRunning());
    QVERIFY(panel->noticeLabel()->isVisible());
    QVERIFY(panel->noticeLabel()->text().contains(QStringLiteral("WEBP")));
    QVERIFY(panel->noticeLabel()->text().contains(QStringLiteral("16383")));
    QTest::qWait(100);
    QCOMPARE(m_reveals, 0);
    QCOMPARE(panel->progressState(), 0);
    QCOMPARE(QDir(m_output->path()).entryList(QDir::Files).size(), 0);

    // At half the scale the picture fits the format and is written; the notice goes.
    type(*panel, PreviewWidget::Scale, QStringLiteral("50"));
    panel->exportButtonClickHandle();
    QVERIFY(!panel->noticeLabel()->isVisible());
    const QString expected = m_output->path() + QStringLiteral("/Pictorb_1.webp");
    QCOMPARE(waitForReveal(), QStringList{expected});
    QCOMPARE(QImageReader(expected).size(), QSize(50, 9000));
}

void TestPreviewWidget::unwritablePictureIsNotASuccess()
{
    Selection selection;
    selection.add(pattern(0, 50, 20));
    auto panel = makePanel();
    type(*panel, PreviewWidget::Scale, QStringLiteral("1"));
    // 50 × 1 / 100 rounds down to no pixel at all: nothing can be written.
    QTest::ignoreMessage(QtWarningMsg, "export: the picture could not be written");
    panel->exportButtonClickHandle();
    QTRY_VERIFY(panel->noticeLabel()->isVisible());
    QTRY_COMPARE(panel->progressState(), 0);
    QCOMPARE(m_reveals, 0);
    QCOMPARE(QDir(m_output->path()).entryList(QDir::Files).size(), 0);
}

PREVIEW_TEST_MAIN(TestPreviewWidget)
#include "tst_previewwidget.moc"

#include "core/base/AppConfig.h"
#include "core/base/PlatformShell.h"
#include "gui/images/ImageListViewDialog.h"
#include "gui/images/ImageViewDialog.h"
#include "gui/images/ImagesWidget.h"
#include "gui/images/SaveFileBar.h"
#include "gui/preview/PreviewWidget.h"
#include "gui/widgets/IconButton.h"
#include "gui/widgets/NormalButton.h"
#include "gui/widgets/ScaleViewBar.h"
#include "gui/widgets/TinySlider.h"

#include "PreviewTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>

using PreviewTest::pattern;

class TestViewerDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saveBarStartsFromTheSettings();
    void saveBarsFollowSettingChange();
    void unknownFormatLeavesNoSelection();
    void emptyFolderShowsThePicturesFolder();
    void changeFolder_data();
    void changeFolder();
    void folderButtonOpensTheFolder();
    void saveBarButtonsReport();
    void noticeIsShownAndClearedByAFormatChange();

    void viewerFitsASmallPictureAtItsOwnSize();
    void viewerZoomModes();
    void hiddenViewerDefersTheScaling();
    void viewerReportsExportAndFormat();

    void listDialogGridOfNineCards();
    void listDialogSelectAllReachesTheStrip();
    void listDialogTickAndDeleteReachTheStrip();
    void listDialogClearEmptiesTheStrip();
    void listDialogSharesCaptions();

private:
    void importPictures(ImagesWidget& strip, int count, QSize size);

    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_revealed;
};

void TestViewerDialogs::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    GlobalManager* manager = GlobalManager::instance();
    manager->setSetting(AppConfig::kFileSavePath, m_dir->path());
    manager->setSetting(AppConfig::kFileExtension, QStringLiteral("PNG"));
    m_revealed.clear();
    PlatformShell::setRevealHandler([this](const QStringList& paths) { m_revealed = paths; });
}

void TestViewerDialogs::cleanup()
{
    PlatformShell::setRevealHandler(nullptr);
    SaveFileBar::setFolderChooser(nullptr);
    GlobalManager::instance()->selectedItems().clear();
}

void TestViewerDialogs::importPictures(ImagesWidget& strip, int count, QSize size)
{
    for (int i = 0; i < count; ++i) {
        const QString path = m_dir->filePath(QStringLiteral("picture%1.png").arg(i));
        QVERIFY(pattern(i, size.width(), size.height()).save(path));
        QVERIFY(strip.importFile(path));
    }
}

void TestViewerDialogs::saveBarStartsFromTheSettings()
{
    GlobalManager::instance()->setSetting(AppConfig::kFileExtension, QStringLiteral("WEBP"));
    SaveFileBar bar;
    QCOMPARE(bar.formatBox()->currentText(), QStringLiteral("WEBP"));
    QCOMPARE(bar.folderEdit()->text(), m_dir->path());
    QVERIFY(!bar.folderEdit()->isEnabled());
    QCOMPARE(bar.formatBox()->count(), 3);
    QCOMPARE(bar.formatBox()->itemText(0), QStringLiteral("JPG"));
    QVERIFY(!bar.selectAllBox()->isVisibleTo(&bar));
    QVERIFY(bar.clearButton()->isHidden());
}

void TestViewerDialogs::saveBarsFollowSettingChange()
{
    SaveFileBar first;
    SaveFileBar second;
    PreviewWidget panel;
    QSignalSpy extension(&second, &SaveFileBar::changeExtension);

    // The format picked in the preview panel is stored, and every bar shows it.
    panel.formatBox()->setCurrentText(QStringLiteral("WEBP"));
    QCOMPARE(first.formatBox()->currentText(), QStringLiteral("WEBP"));
    QCOMPARE(second.formatBox()->currentText(), QStringLiteral("WEBP"));
    // Following the setting is not a change by the user.
    QCOMPARE(extension.count(), 0);

    // A format picked in one bar reaches the other.
    first.formatBox()->setCurrentText(QStringLiteral("JPG"));
    QCOMPARE(second.formatBox()->currentText(), QStringLiteral("JPG"));
    QCOMPARE(GlobalManager::instance()->getSetting(AppConfig::kFileExtension, QString()),
             QVariant(QStringLiteral("JPG")));

    GlobalManager::instance()->setSetting(AppConfig::kFileSavePath, QStringLiteral("/else/where"));
    QCOMPARE(first.folderEdit()->text(), QStringLiteral("/else/where"));
    QCOMPARE(second.folderEdit()->text(), QStringLiteral("/else/where"));

    // A destroyed bar no longer listens.
    auto* gone = new SaveFileBar;
    delete gone;
    GlobalManager::instance()->setSetting(AppConfig::kFileExtension, QStringLiteral("PNG"));
    QCOMPARE(first.formatBox()->currentText(), QStringLiteral("PNG"));
}

void TestViewerDialogs::unknownFormatLeavesNoSelection()
{
    GlobalManager::instance()->setSetting(AppConfig::kFileExtension, QStringLiteral("GIF"));
    SaveFileBar bar;
    QCOMPARE(bar.formatBox()->currentText(), AppConfig::kDefaultExportFormat);
    GlobalManager::instance()->setSetting(AppConfig::kFileExtension, QStringLiteral("PNG"));
    QCOMPARE(bar.formatBox()->currentIndex(), 1);
    GlobalManager::instance()->setSetting(AppConfig::kFileExtension, QStringLiteral("png"));
    QCOMPARE(bar.formatBox()->currentText(), AppConfig::kDefaultExportFormat);
}

void TestViewerDialogs::emptyFolderShowsThePicturesFolder()
{
    GlobalManager::instance()->setSetting(AppConfig::kFileSavePath, QString());
    SaveFileBar bar;
    const QString expected = QDir::homePath() + QStringLiteral("/Pictures/Pictorb");
    QCOMPARE(bar.folderEdit()->text(), expected);
    QVERIFY(QDir(expected).exists());
}

void TestViewerDialogs::changeFolder_data()
{
    QTest::addColumn<QString>("choice");
    QTest::newRow("cancelled") << QString();
    QTest::newRow("chosen") << QStringLiteral("/chosen/folder");
}

void TestViewerDialogs::changeFolder()
{
    QFETCH(QString, choice);
    QString askedTitle;
    QString askedStart;
    SaveFileBar::setFolderChooser([&](QWidget*, const QString& title, const QString& start) {
        askedTitle = title;
        askedStart = start;
        return choice;
    });
    SaveFileBar bar;
    PreviewWidget panel;
    QTest::mouseClick(bar.changeButton(), Qt::LeftButton);
    QCOMPARE(askedTitle, QStringLiteral("Choose to save"));
    QCOMPARE(askedStart, m_dir->path());
    const QString expected = choice.isEmpty() ? m_dir->path() : choice;
    QCOMPARE(bar.folderEdit()->text(), expected);
    QCOMPARE(GlobalManager::instance()->getSetting(AppConfig::kFileSavePath, QString()),
             QVariant(expected));

    // The preview panel's "Change" asks the same way.
    askedTitle.clear();
    QTest::mouseClick(panel.changeButton(), Qt::LeftButton);
    QCOMPARE(askedTitle, QStringLiteral("Choose to save"));
    QCOMPARE(panel.folderEdit()->text(), expected);
}

void TestViewerDialogs::folderButtonOpensTheFolder()
{
    const QString folder = m_dir->filePath(QStringLiteral("not/yet/there"));
    GlobalManager::instance()->setSetting(AppConfig::kFileSavePath, folder);
    SaveFileBar bar;
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QTest::mouseClick(bar.folderButton(), Qt::LeftButton);
    // The folder is created first, then opened.
    QVERIFY(QDir(folder).exists());
    QCOMPARE(m_revealed, QStringList{folder});
}

void TestViewerDialogs::saveBarButtonsReport()
{
    SaveFileBar bar;
    bar.showSelectAll(true);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QVERIFY(bar.selectAllBox()->isVisible());
    QVERIFY(bar.clearButton()->isVisible());

    QSignalSpy exported(&bar, &SaveFileBar::exportButtonClick);
    QSignalSpy clicked(&bar, qOverload<int>(&SaveFileBar::buttonClicked));
    QSignalSpy selectAll(&bar, &SaveFileBar::selectAllCheckboxCheckdSignal);
    QTest::mouseClick(bar.exportButton(), Qt::LeftButton);
    QTest::mouseClick(bar.clearButton(), Qt::LeftButton);
    bar.selectAllBox()->click();
    QCOMPARE(exported.count(), 1);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 2);
    QCOMPARE(selectAll.count(), 1);
    QCOMPARE(selectAll.at(0).at(0).toBool(), true);
    bar.setSelectAllChecked(false, true);
    QCOMPARE(selectAll.count(), 1);
    bar.setSelectAllChecked(true, false);
    QCOMPARE(selectAll.count(), 2);

    bar.setExportButtonMode(1);
    QCOMPARE(bar.exportButton()->text(), QStringLiteral("Export Selected"));
    bar.setExportButtonMode(7);
    QCOMPARE(bar.exportButton()->text(), QStringLiteral("Export Selected"));
    bar.setExportButtonMode(0);
    QCOMPARE(bar.exportButton()->text(), QStringLiteral("Export"));
}

void TestViewerDialogs::noticeIsShownAndClearedByAFormatChange()
{
    SaveFileBar bar;
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    bar.setNotice(QStringLiteral("Too large"));
    QVERIFY(bar.noticeLabel()->isVisible());
    bar.formatBox()->setCurrentText(QStringLiteral("JPG"));
    QVERIFY(!bar.noticeLabel()->isVisible());
}

void TestViewerDialogs::viewerFitsASmallPictureAtItsOwnSize()
{
    ImageViewDialog viewer;
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    viewer.setImage(pattern(0, 200, 120), false);
    const QSize screen = QGuiApplication::primaryScreen()->size();
    QCOMPARE(viewer.minimumSize(), QSize(screen.width() / 2, screen.height() * 2 / 3));
    ScaleViewBar* bar = viewer.saveFileBar()->scaleViewBar();
    QCOMPARE(bar->value(), 100);
    QCOMPARE(bar->minimum(), 10);
    QCOMPARE(bar->maximum(), 200);
    QCOMPARE(viewer.pictureLabel()->pixmap(Qt::ReturnByValue).size(), QSize(200, 120));
    QCOMPARE(viewer.pictureLabel()->pixmap(Qt::ReturnByValue).toImage().pixel(50, 40),
             pattern(0, 200, 120).pixel(50, 40));
}

void TestViewerDialogs::viewerZoomModes()
{
    ImageViewDialog viewer;
    viewer.resize(800, 600);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    viewer.setImage(pattern(0, 4000, 1000), true);
    QVERIFY(viewer.isHorizontal());
    ScaleViewBar* bar = viewer.saveFileBar()->scaleViewBar();
    const int fit = bar->value();
    QVERIFY(fit >= 10 && fit < 100);
    QCOMPARE(viewer.zoomMode(), int(ImageViewDialog::FitZoom));
    QVERIFY(viewer.pictureLabel()->pixmap(Qt::ReturnByValue).width() <= viewer.width());

    QTest::mouseClick(bar->button(ScaleViewBar::FitTo100), Qt::LeftButton);
    QCOMPARE(viewer.zoomMode(), int(ImageViewDialog::ActualSize));
    QCOMPARE(viewer.pictureLabel()->pixmap(Qt::ReturnByValue).size(), QSize(4000, 1000));

    bar->slider()->setValue(150);
    QCOMPARE(viewer.zoomMode(), int(ImageViewDialog::ManualZoom));
    QCOMPARE(viewer.pictureLabel()->pixmap(Qt::ReturnByValue).size(), QSize(6000, 1500));
    QVERIFY(viewer.pictureContainer()->width() >= 6000);

    QTest::mouseClick(bar->button(ScaleViewBar::FitToWindow), Qt::LeftButton);
    QCOMPARE(viewer.zoomMode(), int(ImageViewDialog::FitZoom));
    QCOMPARE(bar->value(), fit);
}

void TestViewerDialogs::hiddenViewerDefersTheScaling()
{
    ImageViewDialog viewer;
    viewer.setImage(pattern(1, 300, 200), false);
    QVERIFY(viewer.pictureLabel()->pixmap(Qt::ReturnByValue).isNull());
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QCOMPARE(viewer.pictureLabel()->pixmap(Qt::ReturnByValue).size(), QSize(300, 200));
}

void TestViewerDialogs::viewerReportsExportAndFormat()
{
    ImageViewDialog viewer;
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QSignalSpy exported(&viewer, &ImageViewDialog::exportButtonTap);
    QSignalSpy extension(&viewer, &ImageViewDialog::changeExtension);
    QTest::mouseClick(viewer.saveFileBar()->exportButton(), Qt::LeftButton);
    viewer.saveFileBar()->formatBox()->setCurrentText(QStringLiteral("WEBP"));
    QCOMPARE(exported.count(), 1);
    QCOMPARE(extension.count(), 1);
    QCOMPARE(extension.at(0).at(0).toString(), QStringLiteral("WEBP"));

    viewer.setProgressVisible(true);
    viewer.setProgress(30, 200);
    viewer.setSaveBarEnabled(false);
    QVERIFY(viewer.progressBar()->isVisible());
    QCOMPARE(viewer.progressBar()->value(), 30);
    QVERIFY(!viewer.saveFileBar()->isEnabled());
}

void TestViewerDialogs::listDialogGridOfNineCards()
{
    ImagesWidget strip;
    importPictures(strip, 9, QSize(320, 180));
    strip.showButtonClickedHandle();
    ImageListViewDialog* dialog = strip.imageListDialog();
    QVERIFY(dialog->isVisible());
    dialog->resize(900, 600);
    QTRY_COMPARE(dialog->width(), 900);

    QCOMPARE(dialog->mirrorItems().size(), 9);
    // Thumbnails are 200 wide; 180 × 200 / 320 = 112.5, truncated to 112.
    QCOMPARE(dialog->mirrorItems().first()->size(), QSize(200, 112));
    // 900 pixels take 4 cards per row: rows of 4, 4 and 1.
    QGridLayout* grid = dialog->gridLayout();
    for (int i = 0; i < 9; ++i) {
        int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(dialog->mirrorItems().at(i)), &row, &column, &rowSpan,
                              &columnSpan);
        QCOMPARE(row, i / 4);
        QCOMPARE(column, i % 4);
    }
    // Width: 3 gaps of 10 + 4 cards of 200 + margins 2 × 10; height: (10 + 112) × (2 + 1) + 10.
    QCOMPARE(dialog->gridWidget()->size(), QSize(850, 376));
}

void TestViewerDialogs::listDialogSelectAllReachesTheStrip()
{
    ImagesWidget strip;
    PreviewWidget panel;
    panel.resize(800, 900);
    // What the main window does on "select_image_complete".
    connect(GlobalManager::instance(), &GlobalManager::globalEvent, &panel,
            [&panel](const QString& name) {
                if (name == AppConfig::kEventSelectImageComplete)
                    panel.showImage();
            });
    importPictures(strip, 3, QSize(64, 36));
    strip.showButtonClickedHandle();
    ImageListViewDialog* dialog = strip.imageListDialog();
    QCheckBox* selectAll = dialog->saveFileBar()->selectAllBox();
    QVERIFY(selectAll->isChecked());
    QCOMPARE(panel.mergedImage().size(), QSize(64, 108));

    selectAll->click();
    for (ImageItem* card : strip.cards())
        QVERIFY(!card->isChecked());
    for (ImageItem* mirror : dialog->mirrorItems())
        QVERIFY(!mirror->isChecked());
    QVERIFY(GlobalManager::instance()->selectedItems().isEmpty());
    QVERIFY(panel.mergedImage().isNull());

    selectAll->click();
    QCOMPARE(GlobalManager::instance()->selectedItems().size(), 3);
    QCOMPARE(panel.mergedImage().size(), QSize(64, 108));
}

void TestViewerDialogs::listDialogTickAndDeleteReachTheStrip()
{
    ImagesWidget strip;
    importPictures(strip, 4, QSize(64, 36));
    strip.showButtonClickedHandle();
    ImageListViewDialog* dialog = strip.imageListDialog();
    QCheckBox* selectAll = dialog->saveFileBar()->selectAllBox();

    // A click on a mirror card toggles it, and with it the strip card.
    ImageItem* mirror = dialog->mirrorItems().at(1);
    QTest::mouseClick(mirror, Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
    QVERIFY(!mirror->isChecked());
    QVERIFY(!strip.cards().at(1)->isChecked());
    QCOMPARE(GlobalManager::instance()->selectedItems().size(), 3);
    QVERIFY(!selectAll->isChecked());
    QTest::mouseClick(mirror, Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
    QVERIFY(strip.cards().at(1)->isChecked());
    QVERIFY(selectAll->isChecked());

    // The delete button of a mirror card deletes the strip card.
    ImageItem* doomed = strip.cards().at(2);
    auto* deleteButton =
        dialog->mirrorItems().at(2)->findChild<QPushButton*>(QStringLiteral("noborder"));
    QVERIFY(deleteButton);
    deleteButton->click();
    QCOMPARE(strip.cards().size(), 3);
    QVERIFY(!strip.cards().contains(doomed));
    QCOMPARE(dialog->mirrorItems().size(), 3);
    QCOMPARE(GlobalManager::instance()->selectedItems().size(), 3);
}

void TestViewerDialogs::listDialogClearEmptiesTheStrip()
{
    ImagesWidget strip;
    importPictures(strip, 3, QSize(64, 36));
    strip.showButtonClickedHandle();
    ImageListViewDialog* dialog = strip.imageListDialog();
    QSignalSpy cleared(&strip, &ImagesWidget::clearAll);
    QTest::mouseClick(dialog->saveFileBar()->clearButton(), Qt::LeftButton);
    QCOMPARE(cleared.count(), 1);
    QVERIFY(strip.cards().isEmpty());
    QVERIFY(dialog->mirrorItems().isEmpty());
    QVERIFY(GlobalManager::instance()->selectedItems().isEmpty());
    QCOMPARE(dialog->gridLayout()->count(), 0);
}

void TestViewerDialogs::listDialogSharesCaptions()
{
    ImagesWidget strip;
    importPictures(strip, 1, QSize(320, 180));
    strip.showButtonClickedHandle();
    ImageListViewDialog* dialog = strip.imageListDialog();
    const QImage before = dialog->mirrorItems().first()->composedImage();
    strip.cards().first()->caption()->text = QStringLiteral("Shared words");
    strip.cards().first()->caption()->fontSize = QStringLiteral("30");
    strip.showButtonClickedHandle();
    const QImage after = dialog->mirrorItems().first()->composedImage();
    QCOMPARE(after.size(), before.size());
    QVERIFY(after != before);
    QCOMPARE(dialog->mirrorItems().first()->caption(), strip.cards().first()->caption());
}

PREVIEW_TEST_MAIN(TestViewerDialogs)
#include "tst_viewerdialogs.moc"

#include "app/TestHome.h"
#include "core/base/AppConfig.h"
#include "core/base/PlatformShell.h"
#include "core/preview/MergeLayout.h"
#include "gui/application/GlobalManager.h"
#include "gui/editor/CaptionStyleEditor.h"
#include "gui/editor/VideoPlayWidget.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImageListViewDialog.h"
#include "gui/images/ImagesWidget.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/preview/PreviewWidget.h"
#include "gui/widgets/NormalButton.h"
#include "gui/widgets/PropertyItem.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

// One export from start to end, driven through the window as a user would: import two
// pictures, caption one, make a subtitle-strip sheet and export it.
class TestExportRoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void captionedSheetIsExportedAndRevealed();
    void editingFollowsTheSelectedCard();
    void deletingCardsClearsThePanelOnlyForTheShownOne();
    void patchedPreviewEqualsAFreshMerge();

private:
    QString writeStill(const QString& name, const QColor& colour);
    void importStills(MainWindow& window, int count);
    static int brightPixels(const QImage& image, const QRect& band);

    QTemporaryDir m_files;
    QTemporaryDir m_output;
};

void TestExportRoad::initTestCase()
{
    GlobalManager* manager = GlobalManager::instance();
    manager->setSetting(AppConfig::kFirstOpenApp, true);
    manager->setSetting(AppConfig::kFileSavePath, m_output.path());
    manager->setSetting(AppConfig::kFileExtension, QStringLiteral("PNG"));
    qputenv("PICTORB_SITE_URL", "");
}

void TestExportRoad::cleanup()
{
    MainWindow::setFileChooser({});
    PlatformShell::setRevealHandler({});
}

QString TestExportRoad::writeStill(const QString& name, const QColor& colour)
{
    QImage image(640, 360, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = m_files.filePath(name);
    image.save(path);
    return path;
}

void TestExportRoad::importStills(MainWindow& window, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths << writeStill(QStringLiteral("still_%1.png").arg(i), QColor(20, 30 + i * 20, 60));
    MainWindow::setFileChooser(
        [paths](QWidget*, const QString&, const QString&, const QString&) { return paths; });
    window.openImageFiles();
    QTRY_VERIFY(!window.imagesWidget()->isImporting());
    QCOMPARE(window.imagesWidget()->cards().size(), count);
}

int TestExportRoad::brightPixels(const QImage& image, const QRect& band)
{
    int count = 0;
    for (int y = band.top(); y <= band.bottom(); ++y) {
        for (int x = band.left(); x <= band.right(); ++x) {
            if (qGray(image.pixel(x, y)) > 200)
                ++count;
        }
    }
    return count;
}

void TestExportRoad::captionedSheetIsExportedAndRevealed()
{
    QStringList revealed;
    PlatformShell::setRevealHandler([&](const QStringList& paths) { revealed = paths; });
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    importStills(window, 2);

    // Select the first card and type its subtitle.
    ImageItem* first = window.imagesWidget()->cards().at(0);
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(first->width() / 2, 10));
    VideoPlayWidget* panel = window.videoPlayWidget();
    QCOMPARE(panel->currentImageItem(), first);
    const QImage panelBefore = panel->pictureLabel()->pixmap(Qt::ReturnByValue).toImage();
    CaptionStyleEditor* editor = panel->captionEditor();
    QTest::keyClicks(editor->textEdit(), QStringLiteral("Where were you?"));
    QCOMPARE(first->caption()->text, QStringLiteral("Where were you?"));
    // The card, the large picture and the merged preview follow the typing.
    QVERIFY(brightPixels(first->composedImage(), QRect(0, 300, 640, 40)) > 50);
    QVERIFY(panel->pictureLabel()->pixmap(Qt::ReturnByValue).toImage() != panelBefore);

    // Vertical, with the following pictures overlapping to their subtitle band.
    PreviewWidget* preview = window.previewWidget();
    for (QRadioButton* button : preview->findChildren<QRadioButton*>()) {
        if (button->text() == QStringLiteral("Vertical"))
            button->click();
    }
    QLineEdit* ySpace = preview->property(PreviewWidget::YSpace)->lineEdit();
    ySpace->clear();
    QTest::keyClicks(ySpace, QStringLiteral("-300"));

    QTest::mouseClick(preview->exportButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!revealed.isEmpty(), 20000);
    QCOMPARE(revealed.size(), 1);
    QCOMPARE(QFileInfo(revealed.first()).absolutePath(), QDir(m_output.path()).absolutePath());

    const QImage written = QImage(revealed.first()).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(written.size(), QSize(640, 420));
    // The subtitle sits in the first picture's band; the second picture's strip has none.
    QVERIFY(brightPixels(written, QRect(0, 300, 640, 40)) > 50);
    QCOMPARE(brightPixels(written, QRect(0, 360, 640, 60)), 0);
    QCOMPARE(qGreen(written.pixel(5, 400)), 50); // the strip is the second still
}

void TestExportRoad::editingFollowsTheSelectedCard()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    importStills(window, 2);
    QList<ImageItem*> cards = window.imagesWidget()->cards();
    VideoPlayWidget* panel = window.videoPlayWidget();
    CaptionStyleEditor* editor = panel->captionEditor();

    // The newest card is shown after an import; style it.
    QCOMPARE(panel->currentImageItem(), cards.at(1));
    QTest::keyClicks(editor->textEdit(), QStringLiteral("second"));
    editor->fontStyleBox(CaptionStyleEditor::Bold)->click();

    // Selecting the other card loads its caption, and edits go there only.
    QTest::mouseClick(cards.at(0), Qt::LeftButton, {}, QPoint(cards.at(0)->width() / 2, 10));
    QCOMPARE(editor->textEdit()->toPlainText(), QString());
    QVERIFY(!editor->fontStyleBox(CaptionStyleEditor::Bold)->isChecked());
    QTest::keyClicks(editor->textEdit(), QStringLiteral("first"));
    QCOMPARE(cards.at(0)->caption()->text, QStringLiteral("first"));
    QCOMPARE(cards.at(1)->caption()->text, QStringLiteral("second"));
    QVERIFY(cards.at(1)->caption()->bold);

    // "Apply Current Style" spreads the shown card's style, not its words.
    editor->fontStyleBox(CaptionStyleEditor::Italic)->click();
    for (QPushButton* button : window.imagesWidget()->findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("Apply Current Style"))
            button->click();
    }
    QVERIFY(cards.at(1)->caption()->italic);
    QVERIFY(!cards.at(1)->caption()->bold);
    QCOMPARE(cards.at(1)->caption()->text, QStringLiteral("second"));
}

void TestExportRoad::deletingCardsClearsThePanelOnlyForTheShownOne()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    importStills(window, 3);
    QList<ImageItem*> cards = window.imagesWidget()->cards();
    VideoPlayWidget* panel = window.videoPlayWidget();
    QCOMPARE(panel->currentImageItem(), cards.at(2));

    window.imagesWidget()->deleteImage(cards.at(0));
    QCOMPARE(panel->currentImageItem(), cards.at(2));
    QVERIFY(panel->placeholder()->isHidden());

    window.imagesWidget()->deleteImage(cards.at(2));
    QCOMPARE(panel->currentImageItem(), nullptr);
    QVERIFY(!panel->placeholder()->isHidden());

    // Typing now reaches no card.
    QSignalSpy edits(panel, &VideoPlayWidget::editSignal);
    QTest::keyClicks(panel->captionEditor()->textEdit(), QStringLiteral("x"));
    QCOMPARE(edits.count(), 0);
}

// The preview patches its sheet where a caption changed; after any run of edits, deletions,
// unticks and layout changes it must hold what a fresh merge of the ticked cards gives.
void TestExportRoad::patchedPreviewEqualsAFreshMerge()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    importStills(window, 5);
    PreviewWidget* preview = window.previewWidget();
    CaptionStyleEditor* editor = window.videoPlayWidget()->captionEditor();
    const auto select = [&](int index) {
        ImageItem* card = window.imagesWidget()->cards().at(index);
        QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(card->width() / 2, 10));
    };
    const auto checkSheet = [&] {
        QList<QImage> images;
        for (ImageItem* item : GlobalManager::instance()->selectedItems())
            images << item->composedImage();
        MergeLayout::Params params;
        params.type = preview->layoutType();
        params.xSpace = preview->property(PreviewWidget::XSpace)->value();
        params.ySpace = preview->property(PreviewWidget::YSpace)->value();
        params.columns = preview->property(PreviewWidget::Column)->value();
        return preview->mergedImage() == MergeLayout::merge(images, params);
    };

    QLineEdit* ySpace = preview->property(PreviewWidget::YSpace)->lineEdit();
    ySpace->clear();
    QTest::keyClicks(ySpace, QStringLiteral("-280"));
    select(1);
    QTest::keyClicks(editor->textEdit(), QStringLiteral("Second"));
    QVERIFY(checkSheet());
    select(3);
    QTest::keyClicks(editor->textEdit(), QStringLiteral("Fourth line"));
    editor->fontStyleBox(CaptionStyleEditor::Bold)->click();
    editor->verticalBox(ImageCaption::VCenter)->click();
    QVERIFY(checkSheet());

    window.imagesWidget()->deleteImage(window.imagesWidget()->cards().at(0));
    QVERIFY(checkSheet());
    select(2);
    QTest::keyClicks(editor->textEdit(), QStringLiteral("after delete"));
    QVERIFY(checkSheet());

    window.imagesWidget()->cards().at(1)->setChecked(false);
    QTest::keyClicks(editor->textEdit(), QStringLiteral("!"));
    QVERIFY(checkSheet());

    preview->layoutButton(MergeLayout::Grid)->click();
    QTest::keyClicks(editor->textEdit(), QStringLiteral("?"));
    QVERIFY(checkSheet());
    preview->layoutButton(MergeLayout::Horizontal)->click();
    QTest::keyClick(editor->textEdit(), Qt::Key_Backspace);
    QVERIFY(checkSheet());
}

PICTORB_ISOLATED_TEST_MAIN(TestExportRoad)

#include "tst_exportroad.moc"

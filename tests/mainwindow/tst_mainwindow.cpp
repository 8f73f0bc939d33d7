// The real main window, offscreen, used as a user does: pictures imported, a subtitle typed,
// a sheet exported; the nine languages; the events other panels send; the settings menu.

#include "core/base/AppConfig.h"
#include "core/base/ScreenManager.h"
#include "core/base/TranslateManager.h"
#include "core/images/CaptureData.h"
#include "core/preview/MergeLayout.h"
#include "gui/application/GlobalManager.h"
#include "gui/application/MetaTypes.h"
#include "gui/editor/CaptionStyleEditor.h"
#include "gui/editor/VideoPlayWidget.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImageListViewDialog.h"
#include "gui/images/ImagesWidget.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/preview/PreviewWidget.h"
#include "gui/widgets/NormalButton.h"
#include "gui/widgets/PropertyItem.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QTranslator>
#include <QtMath>

namespace {

// The preview's sheet, however it was patched, is what a fresh merge of the ticked cards
// with the typed layout gives.
bool previewIsFreshMerge(MainWindow& window)
{
    PreviewWidget* preview = window.previewWidget();
    QList<QImage> pictures;
    for (ImageItem* card : window.imagesWidget()->cards()) {
        if (card->isChecked())
            pictures << card->composedImage();
    }
    const auto value = [preview](int id) { return preview->property(id)->value(); };
    return preview->mergedImage() ==
           MergeLayout::merge(pictures,
                              {preview->layoutType(), value(PreviewWidget::XSpace),
                               value(PreviewWidget::YSpace), value(PreviewWidget::Column)});
}

// Every text a panel shows on a label or a button.
QStringList textsOf(QWidget* root)
{
    QStringList texts;
    for (const QLabel* label : root->findChildren<QLabel*>())
        texts << label->text().trimmed();
    for (const QAbstractButton* button : root->findChildren<QAbstractButton*>())
        texts << button->text();
    return texts;
}

// The width a label's text needs on one line, rich text laid out as the label lays it out.
int neededWidth(const QLabel* label)
{
    if (Qt::mightBeRichText(label->text()) || label->textFormat() == Qt::RichText) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(label->text());
        return qCeil(document.idealWidth());
    }
    int width = 0;
    for (const QString& line : label->text().split(QLatin1Char('\n')))
        width = qMax(width, label->fontMetrics().horizontalAdvance(line));
    return width;
}

// The room a push button leaves its text after frame, padding and icon.
int roomForText(const QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const int room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    return button->icon().isNull() ? room : room - button->iconSize().width() - 4;
}

// Visible labels and buttons of the window whose text does not fit.
QStringList clippedTexts(QWidget* window)
{
    QStringList clipped;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->window() != window)
            continue;
        QString text;
        int has = 0, needs = 0;
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->wordWrap())
                continue;
            text = label->text();
            has = label->contentsRect().width();
            needs = neededWidth(label);
        } else if (const auto* push = qobject_cast<QPushButton*>(widget)) {
            text = push->text();
            has = roomForText(push);
            needs = push->fontMetrics().horizontalAdvance(text);
        } else if (const auto* box = qobject_cast<QAbstractButton*>(widget)) {
            text = box->text();
            has = box->width();
            needs = box->sizeHint().width();
        }
        if (!text.isEmpty() && has < needs)
            clipped << QStringLiteral("%1 '%2': %3 px for %4 px")
                           .arg(QLatin1String(widget->metaObject()->className()), text)
                           .arg(has)
                           .arg(needs);
    }
    return clipped;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void exportRoad();
    void globalEventsReachThePanels_data();
    void globalEventsReachThePanels();
    void settingsMenuEntries_data();
    void settingsMenuEntries();
    void languages_data();
    void languages();

private:
    void importPictures(MainWindow& window, int count);

    TestSupport::DesktopCatcher m_desktop;
    TestSupport::LoopbackServer m_site; // the maker's web site; its pages are only caught
    QTemporaryDir m_files;
    QTemporaryDir m_output;
};

void TestMainWindow::initTestCase()
{
    registerMetaTypes();
    qputenv("PICTORB_SITE_URL", m_site.baseUrl().toUtf8());
    // The log file of this run is made, while the lines stay with the test log.
    const QtMessageHandler testLog = qInstallMessageHandler(nullptr);
    GlobalManager::instance()->initLog();
    qInstallMessageHandler(testLog);
    // The application's look, so that texts are measured in the fonts and paddings users see.
    QFile css(QStringLiteral(":/qss/application.qss"));
    QVERIFY(css.open(QIODevice::ReadOnly));
    QString sheet = QString::fromUtf8(css.readAll());
    scaleStyleSheet(sheet);
    qApp->setStyleSheet(sheet);
}

void TestMainWindow::init()
{
    GlobalManager* manager = GlobalManager::instance();
    manager->setSetting(AppConfig::kFileSavePath, m_output.path());
    manager->setSetting(AppConfig::kFileExtension, QStringLiteral("PNG"));
    m_desktop.urls.clear();
    m_desktop.revealed.clear();
}

void TestMainWindow::cleanup()
{
    MainWindow::setFileChooser({});
    // The window is gone with its cards; the list of ticked ones must not outlive them.
    GlobalManager::instance()->selectedItems().clear();
}

void TestMainWindow::importPictures(MainWindow& window, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        paths << m_files.filePath(QStringLiteral("still %1.png").arg(i));
        QVERIFY(TestSupport::pattern(i, 640, 360).save(paths.last()));
    }
    MainWindow::setFileChooser(
        [paths](QWidget*, const QString&, const QString&, const QString&) { return paths; });
    QTest::mouseClick(window.titleBar()->buttons().at(0), Qt::LeftButton); // "Add Image"
    QTRY_VERIFY_WITH_TIMEOUT(!window.imagesWidget()->isImporting(), 20000);
    QCOMPARE(window.imagesWidget()->cards().size(), count);
}

void TestMainWindow::exportRoad()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    importPictures(window, 2);
    QList<ImageItem*> cards = window.imagesWidget()->cards();
    CaptionStyleEditor* editor = window.videoPlayWidget()->captionEditor();
    PreviewWidget* preview = window.previewWidget();
    QTest::mouseClick(cards.at(0), Qt::LeftButton, {}, QPoint(80, 10));
    QTest::keyClicks(editor->textEdit(), QStringLiteral("Where were you?"));
    QTest::mouseClick(preview->layoutButton(MergeLayout::Vertical), Qt::LeftButton);
    preview->property(PreviewWidget::YSpace)->lineEdit()->selectAll();
    QTest::keyClicks(preview->property(PreviewWidget::YSpace)->lineEdit(), QStringLiteral("-300"));
    QVERIFY(previewIsFreshMerge(window));

    QTest::mouseClick(preview->exportButton(), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([this] { return !m_desktop.revealed.isEmpty(); }, 20000));
    QCOMPARE(m_desktop.revealed.size(), 1);
    QCOMPARE(QFileInfo(m_desktop.revealed.first()).absolutePath(), m_output.path());
    const QImage written = QImage(m_desktop.revealed.first());
    // The first picture whole, then the bottom 60 rows of the second: 360 + 60.
    QCOMPARE(written.size(), QSize(640, 420));
    QVERIFY(TestSupport::lightPixels(written, QRect(0, 300, 640, 60)) > 50);
    QCOMPARE(TestSupport::lightPixels(written, QRect(0, 360, 640, 60)), 0);
    // Sheet row 400 is row 340 of the second picture (red 30 names it, green counts rows).
    QCOMPARE(written.pixel(5, 400), qRgb(30, 340 % 251, 5));

    // The preview keeps patching its sheet as the user goes on; it stays a fresh merge.
    QTest::mouseClick(cards.at(1), Qt::LeftButton, {}, QPoint(80, 10));
    QTest::keyClicks(editor->textEdit(), QStringLiteral("Second"));
    QVERIFY(previewIsFreshMerge(window));
    editor->fontStyleBox(CaptionStyleEditor::Bold)->click();
    editor->verticalBox(ImageCaption::VCenter)->click();
    QVERIFY(previewIsFreshMerge(window));
    QTest::mouseClick(preview->layoutButton(MergeLayout::Horizontal), Qt::LeftButton);
    QTest::keyClick(editor->textEdit(), Qt::Key_Backspace);
    QVERIFY(previewIsFreshMerge(window));
    window.imagesWidget()->deleteImage(cards.at(0));
    QTest::keyClicks(editor->textEdit(), QStringLiteral("!"));
    QVERIFY(previewIsFreshMerge(window));
}

void TestMainWindow::globalEventsReachThePanels_data()
{
    QTest::addColumn<QString>("event"); // a setting key: that setting is written
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("look");
    QTest::addColumn<QString>("seen");
    QPixmap capture(320, 180);
    capture.fill(Qt::darkCyan);
    const auto row = [](const char* name, const QString& event, const QVariant& value,
                        const char* look, const char* seen) {
        QTest::newRow(name) << event << value << QString(look) << QString(seen);
    };
    row("a capture adds a card, and the preview shows it", AppConfig::kEventCaptureImage,
        QVariant::fromValue(AppConfig::CaptureData{capture, 1.5, 1}), "strip", "1 card, 320x180");
    row("a loaded video names the window", AppConfig::kEventLoadFileComplete,
        QStringLiteral("/videos/holiday.mp4"), "title", "Pictorb - holiday.mp4");
    row("a stored folder shows in the preview", AppConfig::kFileSavePath,
        QStringLiteral("/some/where"), "folder", "/some/where");
    row("a stored format shows in the preview", AppConfig::kFileExtension, QStringLiteral("WEBP"),
        "format", "WEBP");
    row("an unknown stored format shows the default", AppConfig::kFileExtension,
        QStringLiteral("GIF"), "format", "JPG");
}

void TestMainWindow::globalEventsReachThePanels()
{
    QFETCH(QString, event);
    QFETCH(QVariant, value);
    QFETCH(QString, look);
    MainWindow window;
    GlobalManager* manager = GlobalManager::instance();
    if (event == AppConfig::kFileSavePath || event == AppConfig::kFileExtension)
        manager->setSetting(event, value);
    else
        manager->sendGlobalEvent(event, value);
    const PreviewWidget* preview = window.previewWidget();
    const QSize merged = preview->mergedImage().size();
    const QMap<QString, QString> views = {
        {QStringLiteral("strip"), QStringLiteral("%1 card, %2x%3")
                                      .arg(window.imagesWidget()->cards().size())
                                      .arg(merged.width())
                                      .arg(merged.height())},
        {QStringLiteral("title"), window.windowTitle()},
        {QStringLiteral("folder"), preview->folderEdit()->text()},
        {QStringLiteral("format"), preview->formatBox()->currentText()},
    };
    QTEST(views.value(look), "seen");
}

void TestMainWindow::settingsMenuEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("page");   // opened in the browser
    QTest::addColumn<QString>("dialog"); // shown over the window
    const auto row = [](const char* name, const char* entry, const char* page, const char* dialog) {
        QTest::newRow(name) << QString(entry) << QString(page) << QString(dialog);
    };
    row("Support opens the support page", "Support", "/support-center/", "");
    row("User Guide opens the guide", "User Guide", "/guide/get-started-with-pictorb/", "");
    row("View Log reveals this run's log", "View Log", "", "");
    row("Check for Updates asks in a dialog", "Check for Updates", "", "CheckUpdateDialog");
    row("About shows the about box", "About", "", "AboutDialog");
}

void TestMainWindow::settingsMenuEntries()
{
    QFETCH(QString, entry);
    QFETCH(QString, page);
    QFETCH(QString, dialog);
    MainWindow window;
    m_desktop.urls.clear();
    const QList<QAction*> actions = window.settingMenu()->actions();
    const auto found = std::find_if(actions.cbegin(), actions.cend(),
                                    [&entry](QAction* action) { return action->text() == entry; });
    QVERIFY(found != actions.cend());
    (*found)->trigger();

    QCOMPARE(m_desktop.urls,
             page.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(m_site.baseUrl() + page)});
    const QString log = GlobalManager::instance()->logFilePath();
    const bool viewLog = entry == QLatin1String("View Log");
    QCOMPARE(m_desktop.revealed, viewLog ? QStringList{log} : QStringList());
    QVERIFY(!viewLog || QFileInfo(log).isFile());
    int dialogs = 0;
    for (const QDialog* shown : window.findChildren<QDialog*>())
        dialogs += shown->isVisible() && dialog == QLatin1String(shown->metaObject()->className());
    QCOMPARE(dialogs, dialog.isEmpty() ? 0 : 1);
}

void TestMainWindow::languages_data()
{
    QTest::addColumn<int>("language");
    // Written out as well, so that a table in the wrong language shows.
    QTest::addColumn<QString>("addImage");
    QTest::newRow("German") << int(TranslateManager::German) << "Bild hinzufügen";
    QTest::newRow("Spanish") << int(TranslateManager::Spanish) << "Añadir imagen";
    QTest::newRow("French") << int(TranslateManager::French) << "Ajouter une image";
    QTest::newRow("Italian") << int(TranslateManager::Italian) << "Aggiungi immagine";
    QTest::newRow("Portuguese") << int(TranslateManager::Portuguese) << "Adicionar imagem";
    QTest::newRow("Simplified Chinese") << int(TranslateManager::ChineseSimplified) << "添加图片";
    QTest::newRow("Traditional Chinese") << int(TranslateManager::ChineseTraditional) << "新增圖片";
    QTest::newRow("Japanese") << int(TranslateManager::Japanese) << "画像を追加";
    QTest::newRow("English, back from the last") << int(TranslateManager::English) << "Add Image";
}

// Each language chosen in the menu: every panel shows that language's texts as its compiled
// table has them, and none is cut off at the window's initial size.
void TestMainWindow::languages()
{
    QFETCH(int, language);
    MainWindow window;
    window.previewWidget()->layoutButton(MergeLayout::Grid)->click(); // every spacing row shown
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The size it opens at on a 1366 x 728 desktop (the offscreen screen is smaller).
    QTest::qWait(0);
    window.resize(QSize(1100, 688));
    window.languageMenu()->actions().at(language)->trigger();
    QCOMPARE(GlobalManager::instance()->getSetting(AppConfig::kAppLang, -1).toInt(), language);
    QTEST(window.titleBar()->buttons().at(0)->text().trimmed(), "addImage");

    QTranslator table;
    QVERIFY(table.load(TranslateManager::instance()->qmFiles().value(language)));
    QStringList missing;
    const auto expect = [&](QWidget* root, const char* context, const QList<const char*>& texts) {
        const QStringList shown = textsOf(root);
        for (const char* source : texts) {
            const QString translated = table.translate(context, source);
            if (translated.isEmpty() || !shown.contains(translated))
                missing << QStringLiteral("%1 '%2' as '%3'").arg(context, source, translated);
        }
    };
    expect(window.titleBar(), "TitleBar", {"Add Image", "Settings"});
    expect(window.imagesWidget(), "ImagesWidget",
           {"Images", "Apply Current Style", "Show", "Clear"});
    expect(window.videoPlayWidget(), "VideoPlayWidget", {"Edit"});
    expect(window.videoPlayWidget()->captionEditor(), "CaptionStyleEditor",
           {"Text", "Style", "Position", "Size", "Border", "Text Color", "Border Color", "Bold",
            "Italic", "Underline", "Strikethrough", "Left", "Center", "Right", "Bottom", "Top"});
    expect(window.previewWidget(), "PreviewWidget",
           {"Preview", "Show", "Style", "Grid", "Vertical", "Horizontal", "Size", "Space", "Scale",
            "Width", "Height", "Column", "X Space", "Y Space", "Output", "Save to", "Change",
            "Export"});
    QStringList menu, translated;
    for (const QAction* action : window.settingMenu()->actions())
        menu << action->text();
    for (const char* source :
         {"Language", "Support", "User Guide", "View Log", "Check for Updates", "About"})
        translated << table.translate("MainWindow", source);
    QCOMPARE(menu, translated);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1String("; "))));
    // The style editor lines its labels up a moment after a switch.
    QTRY_VERIFY2(clippedTexts(&window).isEmpty(),
                 qPrintable(clippedTexts(&window).join(QLatin1String("; "))));
}

PICTORB_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

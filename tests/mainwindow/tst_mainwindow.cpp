// The real main window, offscreen, used as a user does: pictures imported, a subtitle typed,
// a sheet exported; the nine languages; the events other panels send; the settings menu.

#include "core/base/AppConfig.h"
#include "core/base/ScreenManager.h"
#include "core/base/Settings.h"
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
#include "gui/widgets/NoticeBar.h"
#include "gui/widgets/PropertyItem.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QTranslator>
#include <QtMath>

namespace {

void typeOver(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
}

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
    return preview->mergedImage() == MergeLayout::merge(pictures, {preview->layoutType(),
                                                                   value(PreviewWidget::XSpace),
                                                                   value(PreviewWidget::YSpace),
                                                                   value(PreviewWidget::Column),
                                                                   {}});
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
    void noticesTellWhatHappened_data();
    void noticesTellWhatHappened();
    void editorFollowsTheCard();
    void windowFitsTheScreen_data();
    void windowFitsTheScreen();

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
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, AppConfig::kProductName,
                    QString());
    for (const QString& key :
         {AppConfig::kMaxPictureMegapixels, AppConfig::kCaptionStyle, AppConfig::kWindowGeometry})
        store.remove(key);
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
        QVariant::fromValue(AppConfig::CaptureData{capture, 1.5, 1, {}}), "strip",
        "1 card, 320x180");
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
    translated << table.translate("DocumentActions", "File")
               << table.translate("DocumentActions", "Edit")
               << table.translate("SheetActions", "View");
#ifdef PICTORB_VIDEO
    translated << table.translate("VideoActions", "Video");
#endif
    for (const char* source : {"Preferences...", "Language", "Support", "User Guide", "View Log",
                               "Check for Updates", "About"})
        translated << table.translate("MainWindow", source);
    QCOMPARE(menu, translated);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1String("; "))));
    // The style editor lines its labels up a moment after a switch.
    QTRY_VERIFY2(clippedTexts(&window).isEmpty(),
                 qPrintable(clippedTexts(&window).join(QLatin1String("; "))));
}

void TestMainWindow::noticesTellWhatHappened_data()
{
    QTest::addColumn<QString>("folder");     // stored output folder: "out" the test's, "" none
    QTest::addColumn<QStringList>("files");  // imported, by kind: png, damaged, text, large
    QTest::addColumn<QStringList>("notice"); // parts the notices hold
    QTest::addColumn<QString>("written");    // where the sheet lands: out, pictures, or nowhere
    const auto row = [](const char* name, const char* folder, const QStringList& files,
                        const QStringList& notice, const char* written) {
        QTest::newRow(name) << QString(folder) << files << notice << QString(written);
    };
    row("a fresh profile exports the JPG the box shows", "out", {"png", "png"},
        {"Exported Pictorb_1.jpg (1280 x 360, "}, "out");
    row("an output folder that cannot be made", "blocked/sub", {"png"},
        {"Exported Pictorb_1.jpg", "blocked/sub could not be used", "Pictures/Pictorb."},
        "pictures");
    row("a relative output folder", "relative/out", {"png"},
        {"\"relative/out\" is not a full path", "Exported Pictorb_1.jpg"}, "pictures");
    row("damaged and unreadable pictures", "out", {"png", "damaged", "text"},
        {"Damaged, shown as far as it could be read: 1.jpg.",
         "Not imported, not a picture or unreadable: 2.png."},
        "");
    row("a picture over the limit", "out", {"png", "large"},
        {"Not imported, more than 1 megapixels: 1.png."}, "");
    row("nothing ticked", "out", {}, {"Tick pictures in the strip to merge them"}, "");
}

// What a user learns after an import or an export, in the window's notice bar.
void TestMainWindow::noticesTellWhatHappened()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, files);
    QFETCH(QStringList, notice);
    QFETCH(QString, written);
    GlobalManager* manager = GlobalManager::instance();
    QVERIFY(TestSupport::writeBytes(m_files.filePath("blocked"), "a file, not a folder"));
    manager->setSetting(AppConfig::kFileSavePath, folder == QLatin1String("out") ? m_output.path()
                                                  : folder.startsWith("blocked")
                                                      ? m_files.filePath(folder)
                                                      : folder);
    QSettings(QSettings::NativeFormat, QSettings::UserScope, AppConfig::kProductName, QString())
        .remove(AppConfig::kFileExtension);
    Settings::instance()->setValue(AppConfig::kMaxPictureMegapixels, 1);
    QStringList notices;
    QObject listening;
    connect(manager, &GlobalManager::noticeShown, &listening,
            [&notices](const Notice& shown) { notices << shown.text; });

    MainWindow window;
    window.previewWidget()->layoutButton(MergeLayout::Horizontal)->click();
    QStringList paths;
    for (int i = 0; i < files.size(); ++i) {
        const QString kind = files.at(i);
        const QImage still =
            TestSupport::pattern(i, kind == "large" ? 2000 : 640, kind == "large" ? 1000 : 360);
        paths << m_files.filePath(QString::number(i) + (kind == "damaged" ? ".jpg" : ".png"));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        still.save(&buffer, kind == "damaged" ? "JPG" : "PNG");
        if (kind == "damaged")
            bytes.truncate(bytes.size() / 2);
        QVERIFY(TestSupport::writeBytes(paths.last(), kind == "text" ? "notes" : bytes));
    }
    window.openFiles(paths);
    QTRY_VERIFY(!window.imagesWidget()->isImporting());
    if (written.isEmpty() && !files.isEmpty()) {
        QVERIFY2(notices.join(' ').contains(notice.join(' ')), qPrintable(notices.join('|')));
        return;
    }
    QTest::mouseClick(window.previewWidget()->exportButton(), Qt::LeftButton);
    if (!written.isEmpty())
        QVERIFY(QTest::qWaitFor([this] { return !m_desktop.revealed.isEmpty(); }, 20000));
    for (const QString& part : notice)
        QVERIFY2(notices.join(' ').contains(part), qPrintable(notices.join('|')));
    if (written.isEmpty())
        return;
    const QString file = m_desktop.revealed.first();
    const QString expected = written == QLatin1String("out")
                                 ? m_output.path()
                                 : QDir::homePath() + QStringLiteral("/Pictures/Pictorb");
    QCOMPARE(QFileInfo(file).absolutePath(), expected);
    QCOMPARE(QImageReader(file).format(), QByteArray("jpeg"));
    // The work folder goes once it is empty, and the notice's action shows the file again.
    QVERIFY(!QFileInfo::exists(expected + QStringLiteral("/tmp")));
    m_desktop.revealed.clear();
    window.noticeBar()->actionButton()->click();
    QCOMPARE(m_desktop.revealed, QStringList{file});
    QFile::remove(file);
}

// The editor is greyed while no card is shown; the shown card is framed; Tab leaves the text
// box; a pasted novel is cut to a caption; the last style starts the next collection, and
// Reset style brings back the defaults.
void TestMainWindow::editorFollowsTheCard()
{
    auto window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    CaptionStyleEditor* editor = window->videoPlayWidget()->captionEditor();
    QVERIFY(!editor->isEnabled());
    int checked = 0;
    for (const QAction* action : window->languageMenu()->actions())
        checked += action->isChecked() ? 1 : 0;
    QCOMPARE(checked, 1);
    importPictures(*window, 2);
    QVERIFY(editor->isEnabled());
    const QList<ImageItem*> cards = window->imagesWidget()->cards();
    QTRY_COMPARE(cards.at(1)->grab().toImage().pixel(1, 1), qRgb(0x68, 0x5a, 0xf5));
    QVERIFY(cards.at(0)->grab().toImage().pixel(1, 1) != qRgb(0x68, 0x5a, 0xf5));

    editor->textEdit()->setFocus();
    QTest::keyClicks(editor->textEdit(), QStringLiteral("one"));
    QTest::keyClick(editor->textEdit(), Qt::Key_Tab);
    QCOMPARE(cards.at(1)->caption()->text, QStringLiteral("one"));
    QVERIFY(!editor->textEdit()->hasFocus());
    editor->textEdit()->setPlainText(QString(1500, QLatin1Char('x')));
    QCOMPARE(cards.at(1)->caption()->text.size(), ImageCaption::kMaxTextLength);
    QVERIFY(window->noticeBar()->text().contains(QStringLiteral("at most 1000 characters")));

    typeOver(editor->property(CaptionStyleEditor::Size)->lineEdit(), QStringLiteral("56"));
    typeOver(editor->property(CaptionStyleEditor::Border)->lineEdit(), QStringLiteral("3"));
    window.reset();
    GlobalManager::instance()->selectedItems().clear();
    window = std::make_unique<MainWindow>();
    importPictures(*window, 1);
    const ImageCaption& next = *window->imagesWidget()->cards().first()->caption();
    QCOMPARE(next.fontSize, QStringLiteral("56"));
    QCOMPARE(next.border, 3);
    for (QPushButton* button : window->videoPlayWidget()->findChildren<QPushButton*>()) {
        if (button->text() == QLatin1String("Reset style"))
            button->click();
    }
    QCOMPARE(next.fontSize, QStringLiteral("18"));
    QCOMPARE(next.border, 0);
}

void TestMainWindow::windowFitsTheScreen_data()
{
    QTest::addColumn<QSize>("screen"); // what a 40-pixel task bar leaves of the desktop
    QTest::addColumn<int>("dpi");
    QTest::newRow("1366 x 768 at 100 %") << QSize(1366, 728) << 96;
    QTest::newRow("1920 x 1080 at 150 %") << QSize(1920, 1040) << 144;
}

// On a real X display: the whole window and its Export button lie on the screen, at the first
// start and at the next, which opens where the window was closed.
void TestMainWindow::windowFitsTheScreen()
{
    QFETCH(QSize, screen);
    QFETCH(int, dpi);
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
        QSKIP("no Xvfb here");
    const QString display =
        QStringLiteral(":%1").arg(150 + QRandomGenerator::global()->bounded(99));
    QProcess xvfb;
    xvfb.start(QStringLiteral("Xvfb"),
               {display, "-screen", "0",
                QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()), "-dpi",
                QString::number(dpi), "-nolisten", "tcp"});
    QVERIFY(xvfb.waitForStarted());
    QTest::qWait(500);
    const auto start = [&display](const QString& move) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("DISPLAY"), display);
        environment.insert(QStringLiteral("PICTORB_TEST_PLACE"), move);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {"windowFitsTheScreen"});
        child.waitForFinished(60000);
        return QString::fromUtf8(child.readAllStandardOutput())
            .split('\n')
            .filter("placed ")
            .value(0);
    };
    const QStringList first = start(QStringLiteral("move")).split(' ');
    const QStringList second = start(QString()).split(' ');
    xvfb.terminate();
    xvfb.waitForFinished();
    QCOMPARE(first.size(), 4);
    for (const QStringList& placed : {first, second}) {
        const auto rect = [&placed](int i) {
            const QStringList n = placed.at(i).split(',');
            return QRect(n.value(0).toInt(), n.value(1).toInt(), n.value(2).toInt(),
                         n.value(3).toInt());
        };
        QVERIFY2(rect(1).contains(rect(2)), qPrintable(placed.join(' ')));
        QVERIFY2(rect(1).contains(rect(3)), qPrintable(placed.join(' ')));
    }
    // The second start opens where the first was moved to before it closed.
    QCOMPARE(second.value(2), first.value(2));
}

// The child's side of windowFitsTheScreen: shows the window, prints the screen, the window and
// the Export button, and closes; with "move" it first moves the window by 30 pixels.
static int placeWindow(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ScreenManager::instance()->init(QGuiApplication::primaryScreen());
    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTest::qWait(300);
    if (qEnvironmentVariable("PICTORB_TEST_PLACE") == QLatin1String("move")) {
        window.move(window.pos() + QPoint(30, 30));
        QTest::qWait(300);
    }
    const auto text = [](const QRect& r) {
        return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    const QWidget* exportButton = window.previewWidget()->exportButton();
    std::printf(
        "placed %s %s %s\n", qPrintable(text(window.screen()->availableGeometry())),
        qPrintable(text(window.frameGeometry())),
        qPrintable(text(QRect(exportButton->mapToGlobal(QPoint(0, 0)), exportButton->size()))));
    std::fflush(stdout);
    window.close();
    return 0;
}

int main(int argc, char* argv[])
{
    QTemporaryDir sandbox;
    if (!qEnvironmentVariableIsSet("PICTORB_TEST_PLACE"))
        TestSupport::isolateUserFolders(sandbox.path());
    if (qEnvironmentVariableIsSet("PICTORB_TEST_PLACE") && argc > 1)
        return placeWindow(argc, argv);
    QApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainwindow.moc"

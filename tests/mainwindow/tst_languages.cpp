#include "app/TestHome.h"
#include "common/UrlCatcher.h"
#include "core/base/AppConfig.h"
#include "core/base/ScreenManager.h"
#include "core/base/TranslateManager.h"
#include "core/captions/CaptionManager.h"
#include "core/images/ImageCaption.h"
#include "gui/application/GlobalManager.h"
#include "gui/application/MetaTypes.h"
#include "gui/editor/CaptionStyleEditor.h"
#include "gui/editor/ColorEntry.h"
#include "gui/editor/VideoPlayWidget.h"
#include "gui/images/ImageListViewDialog.h"
#include "gui/images/ImagesWidget.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/preview/PreviewWidget.h"
#include "gui/widgets/AboutDialog.h"
#include "gui/widgets/LoadingDialog.h"
#include "gui/widgets/MessageDialog.h"
#include "gui/widgets/NormalButton.h"
#include "gui/widgets/PropertyItem.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextDocument>
#include <QTranslator>
#include <QtMath>

#include <memory>

// Every interface language through the real main window: each panel shows that language's
// texts, and none of them is cut off at the window's initial size.
class LanguagesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyLanguageIsTranslatedAndUnclipped_data();
    void everyLanguageIsTranslatedAndUnclipped();
    void englishComesBackAfterTheLast();

private:
    // The translation of a text as the language's own file has it.
    QString expected(const char* context, const char* source) const;
    void checkTexts(QWidget* root, const char* context, std::initializer_list<const char*> sources);
    void checkTitleBarAndMenus();
    void checkStrip();
    void checkEditingPanel();
    void checkPreview();
    void checkDialogs();
    static QStringList texts(QWidget* root);
    static QStringList clippedWidgets(QWidget* window);

    std::unique_ptr<UrlCatcher> m_urls;
    std::unique_ptr<MainWindow> m_window;
    QTranslator m_reference;
};

namespace {

QString applicationStyleSheet()
{
    QFile file(QStringLiteral(":/qss/application.qss"));
    QString css = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    scaleStyleSheet(css);
    return css;
}

// The width the text of a label needs on one line (rich text laid out as the label would).
int neededWidth(const QLabel* label)
{
    const QString text = label->text();
    if (Qt::mightBeRichText(text) || label->textFormat() == Qt::RichText) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(text);
        return qCeil(document.idealWidth());
    }
    int width = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        width = qMax(width, label->fontMetrics().horizontalAdvance(line));
    return width;
}

// The room a push button leaves for its text, after the frame, the padding and the icon.
int roomForText(const QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    int room = contents.width();
    if (!button->icon().isNull())
        room -= button->iconSize().width() + 4;
    return room;
}

QString describe(const QWidget* widget, const QString& text, int has, int needs)
{
    return QStringLiteral("%1 '%2' (%3): %4 px for %5 px")
        .arg(QLatin1String(widget->metaObject()->className()), widget->objectName(), text)
        .arg(has)
        .arg(needs);
}

} // namespace

void LanguagesTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QSettings::NativeFormat, QSettings::UserScope, AppConfig::kProductName, QString())
        .clear();
    qputenv("PICTORB_SITE_URL", "http://127.0.0.1:9");
    registerMetaTypes();
    m_urls = std::make_unique<UrlCatcher>();
    qApp->setStyleSheet(applicationStyleSheet());
    m_window = std::make_unique<MainWindow>();
    // The grid layout shows every spacing row and the column count, so all of them are checked.
    m_window->previewWidget()->setLayoutType(0);
    m_window->show();
    m_window->resize(scaledSize(QSize(1100, 741)));
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void LanguagesTest::cleanupTestCase()
{
    m_window.reset();
}

void LanguagesTest::everyLanguageIsTranslatedAndUnclipped_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("addImage");
    QTest::addColumn<QString>("bold");
    QTest::addColumn<QString>("japaneseName");

    // A few texts written out, so that a translation file in the wrong language shows.
    QTest::newRow("English") << int(TranslateManager::English) << "Add Image"
                             << "Bold"
                             << "Japanese";
    QTest::newRow("German") << int(TranslateManager::German) << "Bild hinzufügen"
                            << "Fett"
                            << "Japanisch";
    QTest::newRow("Spanish") << int(TranslateManager::Spanish) << "Añadir imagen"
                             << "Negrita"
                             << "Japonés";
    QTest::newRow("French") << int(TranslateManager::French) << "Ajouter une image"
                            << "Gras"
                            << "Japonais";
    QTest::newRow("Italian") << int(TranslateManager::Italian) << "Aggiungi immagine"
                             << "Grassetto"
                             << "Giapponese";
    QTest::newRow("Portuguese") << int(TranslateManager::Portuguese) << "Adicionar imagem"
                                << "Negrito"
                                << "Japonês";
    QTest::newRow("Simplified Chinese") << int(TranslateManager::ChineseSimplified) << "添加图片"
                                        << "粗体"
                                        << "日语";
    QTest::newRow("Traditional Chinese") << int(TranslateManager::ChineseTraditional) << "新增圖片"
                                         << "粗體"
                                         << "日語";
    QTest::newRow("Japanese") << int(TranslateManager::Japanese) << "画像を追加"
                              << "太字"
                              << "日本語";
}

void LanguagesTest::everyLanguageIsTranslatedAndUnclipped()
{
    QFETCH(int, type);
    QFETCH(QString, addImage);
    QFETCH(QString, bold);
    QFETCH(QString, japaneseName);

    QVERIFY(m_reference.load(TranslateManager::instance()->qmFiles().value(type)));
    m_window->changeLangByType(type);
    QCOMPARE(TranslateManager::instance()->currentLanguage(), type);

    QCOMPARE(m_window->titleBar()->buttons().at(0)->text().trimmed(), addImage);
    QCOMPARE(m_window->videoPlayWidget()
                 ->captionEditor()
                 ->fontStyleBox(CaptionStyleEditor::Bold)
                 ->text(),
             bold);
    // The recognition languages are named in the interface language (Chinese source texts).
    const CaptionLanguage japanese = CaptionManager::instance()->languages().at(6);
    QCOMPARE(QCoreApplication::translate("CaptionManager", japanese.name.toUtf8().constData()),
             japaneseName);

    checkTitleBarAndMenus();
    checkStrip();
    checkEditingPanel();
    checkPreview();
    checkDialogs();

    // The style editor lines its labels up 100 ms after a switch.
    QTRY_VERIFY2_WITH_TIMEOUT(clippedWidgets(m_window.get()).isEmpty(),
                              qPrintable(clippedWidgets(m_window.get()).join(QLatin1String("\n"))),
                              2000);
}

void LanguagesTest::englishComesBackAfterTheLast()
{
    m_window->changeLangByType(TranslateManager::Japanese);
    m_window->changeLangByType(TranslateManager::English);
    QCOMPARE(m_window->titleBar()->buttons().at(2)->text().trimmed(), QStringLiteral("Settings"));
    QCOMPARE(m_window->settingMenu()->actions().at(0)->text(), QStringLiteral("Language"));
    QCOMPARE(m_window->previewWidget()->exportButton()->text(), QStringLiteral("Export"));
    QVERIFY(texts(m_window->imagesWidget()).contains(QStringLiteral("Apply Current Style")));
}

QString LanguagesTest::expected(const char* context, const char* source) const
{
    const QString text = m_reference.translate(context, source);
    // Every message of every file is translated (the English one included), so an empty
    // answer means the text is missing from the file.
    if (text.isEmpty())
        qWarning() << "no translation for" << context << source;
    return text.isEmpty() ? QStringLiteral("<missing %1>").arg(QLatin1String(source)) : text;
}

QStringList LanguagesTest::texts(QWidget* root)
{
    QStringList found;
    for (const QLabel* label : root->findChildren<QLabel*>())
        found << label->text();
    for (const QAbstractButton* button : root->findChildren<QAbstractButton*>())
        found << button->text();
    for (const BaseButton* button : root->findChildren<BaseButton*>())
        found << button->text().trimmed();
    return found;
}

void LanguagesTest::checkTexts(QWidget* root, const char* context,
                               std::initializer_list<const char*> sources)
{
    const QStringList shown = texts(root);
    for (const char* source : sources) {
        const QString text = expected(context, source);
        QVERIFY2(shown.contains(text),
                 qPrintable(QStringLiteral("%1 does not show '%2' (%3); it shows: %4")
                                .arg(QLatin1String(context), text, QLatin1String(source),
                                     shown.join(QLatin1String(" | ")))));
    }
}

void LanguagesTest::checkTitleBarAndMenus()
{
    const QList<NormalButton*> buttons = m_window->titleBar()->buttons();
    QCOMPARE(buttons.size(), 3);
    QCOMPARE(buttons.at(0)->text().trimmed(), expected("TitleBar", "Add Image"));
    QCOMPARE(buttons.at(1)->text().trimmed(), expected("TitleBar", "Subtitle"));
    QCOMPARE(buttons.at(2)->text().trimmed(), expected("TitleBar", "Settings"));

    const QList<QAction*> entries = m_window->settingMenu()->actions();
    QCOMPARE(entries.size(), 6);
    QCOMPARE(entries.at(0)->text(), expected("MainWindow", "Language"));
    const char* titles[] = {"Support", "User Guide", "View Log", "Check for Updates", "About"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(entries.at(i + 1)->text(), expected("MainWindow", titles[i]));
    // The language names stay in their own languages.
    const QList<QAction*> languages = m_window->languageMenu()->actions();
    QCOMPARE(languages.size(), 9);
    QCOMPARE(languages.at(1)->text(), QStringLiteral("Deutsch"));
    QCOMPARE(languages.at(8)->text(), QStringLiteral("日本語"));
}

void LanguagesTest::checkStrip()
{
    checkTexts(m_window->imagesWidget(), "ImagesWidget",
               {"Images", "Apply Current Style", "Show", "Clear"});
    const QString drop =
        expected("ImagesWidget", "Drop your image here! Or,<br><a style=\"color: #685af5;\" "
                                 "href=\"clicked\">Click here to import image.</a>");
    bool shown = false;
    for (const QLabel* label : m_window->imagesWidget()->findChildren<QLabel*>())
        shown = shown || label->text().contains(drop);
    QVERIFY2(shown, qPrintable(drop));
}

void LanguagesTest::checkEditingPanel()
{
    VideoPlayWidget* panel = m_window->videoPlayWidget();
    checkTexts(panel, "VideoPlayWidget", {"Edit"});
    CaptionStyleEditor* editor = panel->captionEditor();
    checkTexts(editor, "CaptionStyleEditor", {"Text", "Style", "Position"});
    QCOMPARE(editor->property(CaptionStyleEditor::Size)->label()->text(),
             expected("CaptionStyleEditor", "Size"));
    QCOMPARE(editor->property(CaptionStyleEditor::Border)->label()->text(),
             expected("CaptionStyleEditor", "Border"));
    QCOMPARE(editor->textColorEntry()->nameLabel()->text(),
             expected("CaptionStyleEditor", "Text Color"));
    QCOMPARE(editor->borderColorEntry()->nameLabel()->text(),
             expected("CaptionStyleEditor", "Border Color"));

    const QPair<int, const char*> fontStyles[] = {{CaptionStyleEditor::Bold, "Bold"},
                                                  {CaptionStyleEditor::Italic, "Italic"},
                                                  {CaptionStyleEditor::Underline, "Underline"},
                                                  {CaptionStyleEditor::StrikeOut, "Strikethrough"}};
    for (const auto& [id, source] : fontStyles)
        QCOMPARE(editor->fontStyleBox(id)->text(), expected("CaptionStyleEditor", source));
    QCOMPARE(editor->horizontalBox(ImageCaption::Left)->text(),
             expected("CaptionStyleEditor", "Left"));
    QCOMPARE(editor->horizontalBox(ImageCaption::HCenter)->text(),
             expected("CaptionStyleEditor", "Center"));
    QCOMPARE(editor->horizontalBox(ImageCaption::Right)->text(),
             expected("CaptionStyleEditor", "Right"));
    QCOMPARE(editor->verticalBox(ImageCaption::Bottom)->text(),
             expected("CaptionStyleEditor", "Bottom"));
    QCOMPARE(editor->verticalBox(ImageCaption::VCenter)->text(),
             expected("CaptionStyleEditor", "Center"));
    QCOMPARE(editor->verticalBox(ImageCaption::Top)->text(), expected("CaptionStyleEditor", "Top"));
}

void LanguagesTest::checkPreview()
{
    PreviewWidget* preview = m_window->previewWidget();
    checkTexts(preview, "PreviewWidget",
               {"Preview", "Style", "Size", "Space", "Output", "Save to"});
    QCOMPARE(preview->showButton()->text(), expected("PreviewWidget", "Show"));
    QCOMPARE(preview->changeButton()->text(), expected("PreviewWidget", "Change"));
    QCOMPARE(preview->exportButton()->text().trimmed(), expected("PreviewWidget", "Export"));
    QCOMPARE(preview->layoutButton(0)->text(), expected("PreviewWidget", "Grid"));
    QCOMPARE(preview->layoutButton(1)->text(), expected("PreviewWidget", "Vertical"));
    QCOMPARE(preview->layoutButton(2)->text(), expected("PreviewWidget", "Horizontal"));
    const QPair<int, const char*> properties[] = {
        {PreviewWidget::Scale, "Scale"},    {PreviewWidget::Width, "Width"},
        {PreviewWidget::Height, "Height"},  {PreviewWidget::Column, "Column"},
        {PreviewWidget::XSpace, "X Space"}, {PreviewWidget::YSpace, "Y Space"}};
    for (const auto& [id, source] : properties)
        QCOMPARE(preview->property(id)->label()->text(), expected("PreviewWidget", source));
}

void LanguagesTest::checkDialogs()
{
    // The about dialog takes its texts when it is made.
    AboutDialog about(m_window.get());
    const QStringList aboutTexts = texts(&about);
    QVERIFY(aboutTexts.contains(
        expected("AboutDialog", "Version: %1").arg(GlobalManager::instance()->getVersion())));
    QVERIFY(aboutTexts.contains(expected("AboutDialog", "Copyright © 2026 %1. All rights reserved.")
                                    .arg(AppConfig::kCompanyName)));
    about.show();
    QTRY_VERIFY2_WITH_TIMEOUT(clippedWidgets(&about).isEmpty(),
                              qPrintable(clippedWidgets(&about).join(QLatin1String("\n"))), 1000);
    about.hide();

    MessageDialog message(m_window.get());
    checkTexts(&message, "MessageDialog", {"This is a message.", "OK", "CANCEL"});
    message.show();
    QTRY_VERIFY2_WITH_TIMEOUT(clippedWidgets(&message).isEmpty(),
                              qPrintable(clippedWidgets(&message).join(QLatin1String("\n"))), 1000);
    message.hide();

    // The loading dialog lives with the window and follows each switch.
    checkTexts(m_window->loadingDialog(), "LoadingDialog", {"Cancel"});
}

QStringList LanguagesTest::clippedWidgets(QWidget* window)
{
    QStringList clipped;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->window() != window)
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->text().isEmpty() || label->wordWrap())
                continue;
            const int needs = neededWidth(label);
            const int has = label->contentsRect().width();
            if (has < needs)
                clipped << describe(label, label->text(), has, needs);
        } else if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
            auto* box = static_cast<QAbstractButton*>(widget);
            if (!box->text().isEmpty() && box->width() < box->sizeHint().width())
                clipped << describe(box, box->text(), box->width(), box->sizeHint().width());
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            if (button->text().isEmpty())
                continue;
            const int needs = button->fontMetrics().horizontalAdvance(button->text());
            const int has = roomForText(button);
            if (has < needs)
                clipped << describe(button, button->text(), has, needs);
        }
    }
    return clipped;
}

PICTORB_ISOLATED_TEST_MAIN(LanguagesTest)
#include "tst_languages.moc"

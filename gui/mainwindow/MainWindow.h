#pragma once

#include "core/update/DownloadManager.h"
#include "gui/mainwindow/TitleBar.h"
#include "gui/widgets/BaseWindow.h"

#include <QHash>
#include <QTranslator>
#include <QVariant>

#include <functional>

struct CaptionInfo;
class CaptionWidget;
class CollectionDocument;
class DocumentActions;
class SheetActions;
class ImagesWidget;
class LoadingDialog;
class MessageDialog;
class NoticeBar;
class PreviewWidget;
class QMenu;
class VideoActions;
class VideoPlayWidget;

// The single top-level window: builds and wires the panels, owns the translator and the
// settings menu, and routes the global events to the panel that acts on them.
class MainWindow : public BaseWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    void changeLangByType(int type);
    void openImageFiles();
    // Brings back the collection the last run left, if any (the application's start).
    void restoreSession(const QStringList& opening = {});
    CollectionDocument* document() const { return m_document; }
    DocumentActions* documentActions() const { return m_documentActions; }
    SheetActions* sheetActions() const { return m_sheetActions; }
    // Null when built without video.
    VideoActions* videoActions() const { return m_videoActions; }
    CaptionWidget* captionWidget() const { return m_captionWidget; }
    // Files given from outside (the command line, a second start): pictures are imported as
    // if chosen, a project is opened, a film is played with the subtitle file given with it.
    void openFiles(const QStringList& files);
    // Shows the window above the others, also when it was minimised.
    void bringToFront();
    void setCaptionPanelVisible(bool visible);

    TitleBar* titleBar() const { return m_titleBar; }
    VideoPlayWidget* videoPlayWidget() const { return m_videoPlayWidget; }
    ImagesWidget* imagesWidget() const { return m_imagesWidget; }
    PreviewWidget* previewWidget() const { return m_previewWidget; }
    QMenu* settingMenu() const { return m_settingMenu; }
    QMenu* languageMenu() const { return m_languageMenu; }
    LoadingDialog* loadingDialog() const { return m_loadingDialog; }
    NoticeBar* noticeBar() const { return m_noticeBar; }

    // Tests answer the import dialog without a modal loop.
    using FileChooser = std::function<QStringList(QWidget* parent, const QString& title,
                                                  const QString& dir, const QString& filter)>;
    static void setFileChooser(FileChooser chooser);

public slots:
    void titleBarButtonClickedHandle(TitleBar::ButtonType type, QWidget* button);
    void globalEventHandle(QString eventName, QVariant data);
    void menuClickedHandle();
    void languageClickedHandle();
    void downloadLastVersionStatus(DownloadManager::DownloadState state, QString msg,
                                   QByteArray data);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void initWindow();
    void placeOnScreen();
    void keepInsideScreen();
    void initMenu();
    void initLayout();
    void ensureDefaultFolders();
    void openWelcomePageOnFirstStart();
    void handleMenu(int type);
    void captionEdited();
    void refreshPreview();
    void connectImagesWidget();
    void connectPlayer();
    void initEventHandlers();
    void updateTitle();
    void videoLoaded(const QString& path);
    void settingChanged(const QString& key);
    static QMap<int, QString> menuTitles();

    static constexpr QSize kMinimumSize{860, 540};
    static constexpr QSize kInitialSize{1100, 741};
    static FileChooser& fileChooser();

    TitleBar* m_titleBar = nullptr;
    VideoPlayWidget* m_videoPlayWidget = nullptr;
    ImagesWidget* m_imagesWidget = nullptr;
    PreviewWidget* m_previewWidget = nullptr;
    CaptionWidget* m_captionWidget = nullptr;
    LoadingDialog* m_loadingDialog = nullptr;
    MessageDialog* m_messageDialog = nullptr;
    NoticeBar* m_noticeBar = nullptr;
    CollectionDocument* m_document = nullptr;
    DocumentActions* m_documentActions = nullptr;
    SheetActions* m_sheetActions = nullptr;
    VideoActions* m_videoActions = nullptr;
    QMenu* m_settingMenu = nullptr;
    QMenu* m_languageMenu = nullptr;
    CaptionInfo* m_currentCaption = nullptr;
    QTranslator m_translator;
    std::function<void()> m_retranslateMenu;
    QHash<QString, std::function<void(const QVariant&)>> m_eventHandlers;
};

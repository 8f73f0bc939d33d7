#include "gui/mainwindow/MainWindow.h"

#include "core/base/AppConfig.h"
#include "core/base/Endpoints.h"
#include "core/base/ScreenManager.h"
#include "core/base/Settings.h"
#include "core/base/TranslateManager.h"
#include "core/captions/CaptionManager.h"
#include "core/captions/SubtitleFile.h"
#include "core/images/CaptureData.h"
#include "core/speech/HttpManager.h"
#include "core/update/UpdateManifest.h"
#include "gui/application/GlobalManager.h"
#include "gui/captions/CaptionItem.h"
#include "gui/captions/CaptionWidget.h"
#include "gui/editor/VideoPlayWidget.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImageListViewDialog.h"
#include "gui/images/ImagesWidget.h"
#include "gui/mainwindow/CollectionDocument.h"
#include "gui/mainwindow/DocumentActions.h"
#include "gui/mainwindow/SheetActions.h"
#ifdef PICTORB_VIDEO
#include "gui/mainwindow/VideoActions.h"
#include "gui/player/VideoPlayer.h"
#endif
#include "gui/preferences/PreferencesDialog.h"
#include "gui/preview/PreviewWidget.h"
#include "gui/update/CheckUpdateDialog.h"
#include "gui/widgets/AboutDialog.h"
#include "gui/widgets/LoadingDialog.h"
#include "gui/widgets/MessageDialog.h"
#include "gui/widgets/NormalButton.h"
#include "gui/widgets/NoticeBar.h"
#include "gui/widgets/WindowCommand.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QBoxLayout>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>

MainWindow::MainWindow(QWidget* parent) : BaseWindow(parent, 2)
{
    initWindow();
}

// The loading dialog has no parent, so that it stays a separate window; it lives as long
// as the main window does.
MainWindow::~MainWindow()
{
    delete m_loadingDialog;
}

void MainWindow::setFileChooser(FileChooser chooser)
{
    fileChooser() = std::move(chooser);
}

MainWindow::FileChooser& MainWindow::fileChooser()
{
    static FileChooser chooser;
    return chooser;
}

void MainWindow::initWindow()
{
    setMinimumSize(scaledSize(kMinimumSize));

    changeLangByType(TranslateManager::instance()->currentLanguage());
    setWindowTitle(AppConfig::kProductName);

    m_titleBar = new TitleBar;
    connect(m_titleBar, &TitleBar::buttonClick, this, &MainWindow::titleBarButtonClickedHandle);

    m_videoPlayWidget = new VideoPlayWidget;
    connect(m_videoPlayWidget, &VideoPlayWidget::editSignal, this, &MainWindow::captionEdited);

    m_imagesWidget = new ImagesWidget;
    connectImagesWidget();

    m_previewWidget = new PreviewWidget;
    connect(m_previewWidget, &PreviewWidget::sharedBandChanged, m_videoPlayWidget,
            &VideoPlayWidget::setSharedBand);
    m_document = new CollectionDocument(m_imagesWidget, m_previewWidget, this);
    m_documentActions = new DocumentActions(
        m_document, m_imagesWidget, this,
        [](QWidget* parent, const QString& title, const QString& dir, const QString& filter) {
            return fileChooser() ? fileChooser()(parent, title, dir, filter)
                                 : QFileDialog::getOpenFileNames(parent, title, dir, filter);
        });
    connect(m_document, &CollectionDocument::titleChanged, this, &MainWindow::updateTitle);
    connectPlayer();
    // Undo and redo are the collection's everywhere in the window, also in a text field, whose
    // own undo would otherwise take the keys.
    qApp->installEventFilter(this);
    m_sheetActions = new SheetActions(m_imagesWidget, m_previewWidget, m_documentActions, this);

    initMenu();
    m_previewWidget->loadProperties();
    m_videoPlayWidget->restorePlayerSettings();
    openWelcomePageOnFirstStart();

    m_loadingDialog = new LoadingDialog(nullptr, Qt::Dialog | Qt::WindowCloseButtonHint);
    m_loadingDialog->hide();
    m_messageDialog = new MessageDialog(this);
    m_messageDialog->setModal(true);
    m_messageDialog->hide();

    initLayout();
    placeOnScreen();

    initEventHandlers();
    connect(GlobalManager::instance(), &GlobalManager::globalEvent, this,
            &MainWindow::globalEventHandle);
    connect(DownloadManager::instance(), &DownloadManager::downloadLastVersionStateChanged, this,
            &MainWindow::downloadLastVersionStatus);
    ensureDefaultFolders();
}

void MainWindow::connectImagesWidget()
{
    connect(m_imagesWidget, &ImagesWidget::deleteImageItem, this, [this](ImageItem* item) {
        if (item == m_videoPlayWidget->currentImageItem())
            m_videoPlayWidget->clearImageItem();
    });
    connect(m_imagesWidget, &ImagesWidget::clearAll, m_videoPlayWidget,
            &VideoPlayWidget::clearImageItem);
    connect(m_imagesWidget, &ImagesWidget::loadFileSignal, this, &MainWindow::openImageFiles);
    connect(m_imagesWidget, &ImagesWidget::applyStyleSignal, m_videoPlayWidget,
            &VideoPlayWidget::applyCaptionEdit);
    connect(m_videoPlayWidget, &VideoPlayWidget::captionChanged, m_imagesWidget,
            &ImagesWidget::recordCaptionEdit);
    // Undo and redo give a card another caption: the editor and the preview follow.
    connect(m_imagesWidget, &ImagesWidget::captionRestored, this, [this](ImageItem* card) {
        if (card == m_videoPlayWidget->currentImageItem())
            m_videoPlayWidget->showImageItem(card);
        m_previewWidget->showImage();
    });
    connect(m_imagesWidget, &ImagesWidget::selectImageItemSignal, m_videoPlayWidget,
            &VideoPlayWidget::showImageItem);
    connect(m_videoPlayWidget, &VideoPlayWidget::bandEdited, m_imagesWidget,
            &ImagesWidget::recordBandEdit);
    connect(m_imagesWidget, &ImagesWidget::bandChanged, m_videoPlayWidget,
            &VideoPlayWidget::refreshBand);

    connect(m_imagesWidget, &ImagesWidget::fileImported, this, [](const QString& file) {
        GlobalManager::instance()->setSetting(AppConfig::kOpenFilePath, file);
    });
    // While a batch arrives the preview merges once at its end, not once per card.
    connect(m_imagesWidget, &ImagesWidget::importFinished, this, &MainWindow::refreshPreview);
}

// Captures enter the strip through the bus; the lines of the film's subtitles fill the caption
// list, which follows the film.
void MainWindow::connectPlayer()
{
    connect(m_videoPlayWidget, &VideoPlayWidget::captureEventSignal, this,
            [](int, const QVariant& capture) {
                GlobalManager::instance()->sendGlobalEvent(AppConfig::kEventCaptureImage, capture);
            });
#ifdef PICTORB_VIDEO
    m_captionWidget = new CaptionWidget;
    m_captionWidget->hide();
    m_captionWidget->setHistory(m_document->history());
    m_titleBar->buttons().at(1)->show();
    m_videoActions = new VideoActions(
        m_videoPlayWidget, m_captionWidget, this,
        [](QWidget* parent, const QString& title, const QString& dir, const QString& filter) {
            return fileChooser()
                       ? fileChooser()(parent, title, dir, filter)
                       : QStringList(QFileDialog::getOpenFileName(parent, title, dir, filter));
        });
    connect(m_videoPlayWidget, &VideoPlayWidget::playerTimePos, m_captionWidget,
            &CaptionWidget::followTime);
    VideoPlayer* player = m_videoPlayWidget->player();
    connect(player, &VideoPlayer::subtitlesChanged, this, [this, player] {
        if (!player->subtitleLines().isEmpty() && !m_captionWidget->isVisible())
            setCaptionPanelVisible(true);
    });
    connect(player, &VideoPlayer::lineCaptureStarted, m_imagesWidget,
            &ImagesWidget::beginCaptureBatch);
    connect(player, &VideoPlayer::lineCaptureFinished, m_imagesWidget,
            &ImagesWidget::endCaptureBatch);
#endif
}

// The editor has written the shown card's caption: redraw that card, and follow it in the
// panel, the merged preview and its viewer.
void MainWindow::captionEdited()
{
    ImageItem* card = m_imagesWidget->currentCard();
    if (!card)
        return;
    card->updateImage();
    m_videoPlayWidget->setPreviewPixmap(card->composedPixmap());
    m_previewWidget->showImage();
    m_previewWidget->updateViewDialog();
}

void MainWindow::refreshPreview()
{
    m_previewWidget->showImage();
    m_previewWidget->scrollToNewest();
    m_previewWidget->relinkOutputSize();
}

void MainWindow::initLayout()
{
    QBoxLayout* layout = centralLayout();
    layout->setContentsMargins(scaledRect(5, 5, 5, 5));
    layout->setSpacing(scaled(5));
    layout->addWidget(m_titleBar);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    auto* column = new QWidget(splitter);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->setSpacing(scaled(5));
    columnLayout->addWidget(m_imagesWidget, 0);
    columnLayout->addWidget(m_videoPlayWidget, 2);
    splitter->addWidget(column);
    if (m_captionWidget) {
        // The list keeps its own width; the film and the preview share what the window adds.
        splitter->addWidget(m_captionWidget);
        splitter->setCollapsible(1, false);
        splitter->setStretchFactor(1, 0);
    }
    splitter->addWidget(m_previewWidget);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(splitter->indexOf(m_previewWidget), 1);
    splitter->setCollapsible(0, false);
    splitter->setCollapsible(splitter->indexOf(m_previewWidget), false);
    m_previewWidget->setMinimumWidth(scaled(520));
    layout->addWidget(splitter, 1);

    m_noticeBar = new NoticeBar(this);
    m_titleBar->setNoticeBar(m_noticeBar);
    connect(GlobalManager::instance(), &GlobalManager::noticeShown, m_noticeBar,
            &NoticeBar::showNotice);
}

void MainWindow::openWelcomePageOnFirstStart()
{
    GlobalManager* manager = GlobalManager::instance();
    if (manager->getSetting(AppConfig::kFirstOpenApp, false).toBool())
        return;
    manager->setSetting(AppConfig::kFirstOpenApp, true);
    manager->openUrl(Endpoints::sitePage(AppConfig::kWelcomePagePath));
}

void MainWindow::ensureDefaultFolders()
{
    GlobalManager* manager = GlobalManager::instance();
    const QString output = manager->getSetting(AppConfig::kFileSavePath, QString()).toString();
    // A relative folder would be taken from whatever folder the program was started in.
    if (!output.isEmpty() && QDir::isRelativePath(output)) {
        manager->showNotice({Notice::Failure,
                             tr("The output folder \"%1\" is not a full path; exports go to %2.")
                                 .arg(output, manager->getPicturesDir(AppConfig::kProductName)),
                             QString(),
                             {}});
    }
    if (output.isEmpty() || QDir::isRelativePath(output))
        manager->setSetting(AppConfig::kFileSavePath,
                            manager->getPicturesDir(AppConfig::kProductName));
    if (manager->getSetting(AppConfig::kOpenFilePath, QString()).toString().isEmpty())
        manager->setSetting(AppConfig::kOpenFilePath,
                            QStandardPaths::writableLocation(QStandardPaths::MoviesLocation));
}

QMap<int, QString> MainWindow::menuTitles()
{
    return {
        {TitleBar::Support, tr("Support")},  {TitleBar::UserGuide, tr("User Guide")},
        {TitleBar::ViewLog, tr("View Log")}, {TitleBar::CheckForUpdates, tr("Check for Updates")},
        {TitleBar::About, tr("About")},      {TitleBar::Preferences, tr("Preferences...")},
    };
}

void MainWindow::initMenu()
{
    m_settingMenu = new QMenu(this);
    m_settingMenu->setObjectName(QStringLiteral("settingMenu"));
    m_settingMenu->addMenu(m_documentActions->fileMenu());
    m_settingMenu->addMenu(m_documentActions->editMenu());
    m_settingMenu->addMenu(m_sheetActions->viewMenu());
    if (m_videoActions)
        m_settingMenu->addMenu(m_videoActions->menu());
    m_languageMenu = new QMenu(tr("Language"), this);
    m_settingMenu->addMenu(m_languageMenu);

    const QMap<int, QString> titles = menuTitles();
    for (auto it = titles.cbegin(); it != titles.cend(); ++it) {
        auto* action = new QAction(it.value(), this);
        action->setProperty("type", it.key());
        if (it.key() == TitleBar::Preferences) {
            // Before the language, whose choice it also offers; its key works in the whole
            // window.
            m_settingMenu->insertAction(m_languageMenu->menuAction(), action);
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
            action->setShortcutContext(Qt::WindowShortcut);
            addAction(action);
        } else {
            m_settingMenu->addAction(action);
        }
        connect(action, &QAction::triggered, this, &MainWindow::menuClickedHandle);
    }
    // The language in use is the ticked one.
    auto* languages = new QActionGroup(this);
    const QMap<int, QString> names = TranslateManager::instance()->languageNames();
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        auto* action = new QAction(it.value(), languages);
        action->setProperty("type", it.key());
        action->setCheckable(true);
        action->setChecked(it.key() == TranslateManager::instance()->currentLanguage());
        m_languageMenu->addAction(action);
        connect(action, &QAction::triggered, this, &MainWindow::languageClickedHandle);
    }

    QTimer::singleShot(0, this, [this] {
        QFile file(QStringLiteral(":/qss/menu.qss"));
        QString css;
        if (file.open(QIODevice::ReadOnly))
            css = QString::fromUtf8(file.readAll());
        scaleStyleSheet(css);
        css += QStringLiteral(
                   "QMenu::right-arrow{image:url(:/images/titlebar/right_arrow.svg);width: %1px;}")
                   .arg(scaled(20));
        for (QMenu* menu :
             QList<QMenu*>{m_settingMenu, m_languageMenu, m_documentActions->fileMenu(),
                           m_documentActions->editMenu()} +
                 m_sheetActions->menus())
            menu->setStyleSheet(css);
        if (m_videoActions)
            m_videoActions->menu()->setStyleSheet(css);
    });

    m_retranslateMenu = [this] {
        m_documentActions->retranslate();
        m_sheetActions->retranslate();
        m_titleBar->buttons().at(0)->setToolTip(
            withShortcut(tr("Import pictures or open a project"), m_documentActions->openAction()));
        if (m_videoActions)
            m_videoActions->retranslate();
        m_languageMenu->setTitle(tr("Language"));
        const QMap<int, QString> translated = menuTitles();
        for (QAction* action : m_settingMenu->actions()) {
            if (!action->menu())
                action->setText(translated.value(action->property("type").toInt()));
        }
    };
}

void MainWindow::changeLangByType(int type)
{
    if (!m_translator.isEmpty())
        QCoreApplication::removeTranslator(&m_translator);
    const QString path = TranslateManager::instance()->qmFiles().value(type);
    qDebug() << "changeLangByType" << path << type;
    if (!path.isEmpty() && m_translator.load(path))
        QCoreApplication::installTranslator(&m_translator);
    if (m_retranslateMenu)
        m_retranslateMenu();
    // Chosen in the menu or in the preferences, the language in use is the ticked one.
    if (m_languageMenu) {
        for (QAction* action : m_languageMenu->actions())
            action->setChecked(action->property("type").toInt() == type);
    }
    TranslateManager::instance()->setCurrentLanguage(type);
    emit TranslateManager::instance()->changeTranslate(type);
}

// The window opens where it was closed, or at its usual size centred on the screen, but always
// inside the screen's free area (the task bar and the window frame taken into account), so
// Export and every editor row can be reached.
void MainWindow::placeOnScreen()
{
    const QByteArray stored = GlobalManager::instance()
                                  ->getSetting(AppConfig::kWindowGeometry, QByteArray())
                                  .toByteArray();
    if (stored.isEmpty() || !restoreGeometry(stored)) {
        const QRect area = screen() ? screen()->availableGeometry() : QRect(0, 0, 1366, 728);
        // Room for a frame the window manager adds only once the window is shown.
        const QSize frame = scaledSize(QSize(16, 40));
        const QSize size = scaledSize(kInitialSize).boundedTo(area.size() - frame);
        resize(size.expandedTo(minimumSize()));
        move(area.center() - rect().center() - QPoint(0, frame.height() / 4));
    }
    keepInsideScreen();
}

void MainWindow::keepInsideScreen()
{
    const QScreen* current = screen();
    if (!current || isMaximized() || isFullScreen())
        return;
    const QRect area = current->availableGeometry();
    const QMargins frame(geometry().left() - frameGeometry().left(),
                         geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(),
                         frameGeometry().bottom() - geometry().bottom());
    const QRect room = area.marginsRemoved(frame);
    QRect wanted = geometry();
    wanted.setSize(wanted.size().boundedTo(room.size()).expandedTo(minimumSize()));
    wanted.moveLeft(std::clamp(wanted.left(), room.left(),
                               std::max(room.left(), room.right() - wanted.width() + 1)));
    wanted.moveTop(std::clamp(wanted.top(), room.top(),
                              std::max(room.top(), room.bottom() - wanted.height() + 1)));
    if (wanted != geometry())
        setGeometry(wanted);
}

void MainWindow::openFiles(const QStringList& files)
{
#ifdef PICTORB_VIDEO
    QStringList pictures;
    QStringList films;
    for (const QString& file : files)
        (VideoActions::isFilmOrSubtitle(file) ? films : pictures) << file;
    // A film before the subtitle files that go with it.
    std::stable_partition(films.begin(), films.end(),
                          [](const QString& file) { return !SubtitleFile::isSubtitleFile(file); });
    for (const QString& film : qAsConst(films))
        m_videoActions->openFile(film);
    m_documentActions->openFiles(pictures);
#else
    m_documentActions->openFiles(files);
#endif
}

void MainWindow::bringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void MainWindow::openImageFiles()
{
    const QString filter =
        QStringLiteral("%1  (*.jpg *.png *.jpeg *.svg *.bmp *.webp)").arg(tr("Image Files"));
    GlobalManager* manager = GlobalManager::instance();
    const QString dir = manager->getSetting(AppConfig::kOpenFilePath, QString()).toString();
    const QString title = tr("Open Image");
    const QStringList files = fileChooser()
                                  ? fileChooser()(this, title, dir, filter)
                                  : QFileDialog::getOpenFileNames(this, title, dir, filter);
    // Decoded on worker threads; each file is remembered as the next start folder once its
    // card is in (MainWindow::connectImagesWidget).
    m_imagesWidget->importFiles(files);
}

void MainWindow::setCaptionPanelVisible(bool visible)
{
    if (!m_captionWidget)
        return;
    m_captionWidget->setVisible(visible);
    if (visible) {
        setMinimumWidth(scaled(kMinimumSize.width()) + m_captionWidget->width());
        // The panel takes room of its own, as narrow as it can be, rather than the film's or
        // the preview's, as far as the screen allows.
        if (auto* splitter = qobject_cast<QSplitter*>(m_captionWidget->parentWidget())) {
            QList<int> sizes = splitter->sizes();
            sizes[splitter->indexOf(m_captionWidget)] = m_captionWidget->minimumWidth();
            splitter->setSizes(sizes);
        }
        if (!isMaximized()) {
            resize(width() + m_captionWidget->minimumWidth(), height());
            keepInsideScreen();
        }
        return;
    }
    setMinimumWidth(scaled(kMinimumSize.width()));
    if (!isMaximized())
        resize(width() - m_captionWidget->width(), height());
}

void MainWindow::titleBarButtonClickedHandle(TitleBar::ButtonType type, QWidget* button)
{
    switch (type) {
    case TitleBar::Settings:
        m_settingMenu->exec(button->mapToGlobal(QPoint(0, button->height())));
        break;
    case TitleBar::Minimize:
        showMinimized();
        break;
    case TitleBar::Maximize:
        isMaximized() ? showNormal() : showMaximized();
        break;
    case TitleBar::Quit:
        QCoreApplication::exit(0);
        break;
    case TitleBar::AddImage:
        openImageFiles();
        break;
    case TitleBar::Subtitle:
        setCaptionPanelVisible(!(m_captionWidget && m_captionWidget->isVisible()));
        break;
    }
}

void MainWindow::menuClickedHandle()
{
    auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    const int type = action->property("type").toInt();
    qDebug() << "menuClickedHandle:" << type;
    handleMenu(type);
}

void MainWindow::handleMenu(int type)
{
    GlobalManager* manager = GlobalManager::instance();
    switch (type) {
    case TitleBar::Support:
        manager->openUrl(Endpoints::sitePage(AppConfig::kSupportPagePath));
        break;
    case TitleBar::UserGuide:
        manager->openUrl(Endpoints::sitePage(AppConfig::kGuidePagePath));
        break;
    case TitleBar::ViewLog:
        manager->openFolder(manager->logFilePath());
        break;
    case TitleBar::CheckForUpdates: {
        DownloadManager::instance()->downloadLastVersion(QString(), 5);
        auto* dialog = new CheckUpdateDialog(this);
        dialog->setModal(true);
        dialog->setPage(0);
        dialog->show();
        break;
    }
    case TitleBar::About: {
        auto* dialog = new AboutDialog(this);
        dialog->setModal(true);
        dialog->show();
        break;
    }
    case TitleBar::Preferences: {
        if (auto* open = findChild<PreferencesDialog*>()) {
            open->raise();
            open->activateWindow();
            break;
        }
        auto* dialog = new PreferencesDialog(this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &PreferencesDialog::languageChosen, this, [this](int type) {
            changeLangByType(type);
            GlobalManager::instance()->setSetting(AppConfig::kAppLang, type);
        });
        dialog->show();
        break;
    }
    default:
        break;
    }
}

void MainWindow::languageClickedHandle()
{
    auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    const int type = action->property("type").toInt();
    changeLangByType(type);
    GlobalManager::instance()->setSetting(AppConfig::kAppLang, type);
}

void MainWindow::downloadLastVersionStatus(DownloadManager::DownloadState state, QString msg,
                                           QByteArray data)
{
    qDebug() << "mainwindow downloadLastVersionStatus:" << int(state) << msg << data;
    if (state != DownloadManager::Finished || DownloadManager::requestTag(msg) != "start")
        return;
    if (!UpdateManifest::isNewerThanRunning(data))
        return;
    auto* dialog = new CheckUpdateDialog(this);
    dialog->setModal(true);
    dialog->setUpdateInfo(data);
    dialog->show();
    dialog->alignButtons();
}

void MainWindow::globalEventHandle(QString eventName, QVariant data)
{
    const auto handler = m_eventHandlers.constFind(eventName);
    if (handler != m_eventHandlers.constEnd())
        (*handler)(data);
}

// What the window does for each event of the bus; events without an entry are for others.
void MainWindow::initEventHandlers()
{
    using namespace AppConfig;
    CaptionManager* captions = CaptionManager::instance();
    m_eventHandlers = {
        {kEventCaptureImage, [this](const QVariant& data) { m_imagesWidget->addImage(data); }},
        {kEventUpdateCaptureImage,
         [this](const QVariant& data) {
             m_imagesWidget->updateImages(data.value<QList<QPixmap>>());
         }},
        {kEventSelectImageComplete,
         [this](const QVariant&) {
             if (!m_imagesWidget->isImporting())
                 refreshPreview();
             // The sheet's first picture, which has no band, may be another one now.
             m_videoPlayWidget->refreshBand();
         }},
        {kEventTaskId,
         [captions](const QVariant& data) { captions->createCaptions(data.toByteArray(), true); }},
        {kEventTimePos,
         [this](const QVariant& data) {
             qDebug() << "字幕时间:" << float(data.toInt()) / 1000.0f;
             m_videoPlayWidget->resetPlayButton();
             m_videoPlayWidget->seekTo(data.toInt() / 1000.0);
         }},
        {kEventUpdateCaption,
         [this](const QVariant& data) { m_videoPlayWidget->setSubtitleFile(data.toString()); }},
        {kEventVideoToAudioStart, [this](const QVariant&) { m_loadingDialog->show(); }},
        {kEventVideoToAudioStop,
         [captions](const QVariant&) {
             HttpManager::instance()->loadCaptions(captions->getAudioFilePath(),
                                                   captions->speechLanguage().code);
         }},
        {kEventChangeCaption,
         [this](const QVariant& data) { m_currentCaption = data.value<CaptionInfo*>(); }},
        {kEventUpdateCaptionNew,
         [this, captions](const QVariant& data) {
             m_currentCaption = data.value<CaptionInfo*>();
             if (m_currentCaption)
                 captions->updateCaption(m_currentCaption, false);
         }},
        {kEventCreateCaptionComplete,
         [this, captions](const QVariant& data) {
             if (m_captionWidget && !captions->captions().isEmpty())
                 m_captionWidget->reload();
             m_videoPlayWidget->setSubtitleFile(data.toString());
             m_loadingDialog->hide();
         }},
        {kEventLoadFileComplete, [this](const QVariant& data) { videoLoaded(data.toString()); }},
        {kEventStopAiCaption,
         [](const QVariant&) {
             GlobalManager::instance()->stopMp3Thread();
             HttpManager::instance()->stopUpload();
         }},
        {kEventRemoveCaption,
         [this, captions](const QVariant&) {
             m_videoPlayWidget->removeSubtitle();
             captions->clearCaptions();
         }},
        {kEventSettingChange, [this](const QVariant& data) { settingChanged(data.toString()); }},
    };
}

void MainWindow::videoLoaded(const QString& path)
{
    const QFileInfo info(path);
    GlobalManager::instance()->setVideoFileInfo(info);
    setWindowTitle(QStringLiteral("%1 - %2").arg(AppConfig::kProductName, info.fileName()));
    CaptionManager* captions = CaptionManager::instance();
    if (captions->captions().isEmpty())
        captions->createCaptions("{\"state\":\"success\",\"utterances\":[]}", false);
}

void MainWindow::settingChanged(const QString& key)
{
    if (key == AppConfig::kFileSavePath)
        m_previewWidget->setSaveFolderText(
            Settings::instance()->value(AppConfig::kFileSavePath, QString()).toString());
    if (key == AppConfig::kFileExtension)
        m_previewWidget->selectFormat(Settings::exportFormat());
}

void MainWindow::restoreSession(const QStringList& opening)
{
    m_documentActions->restoreSession(opening);
}

void MainWindow::updateTitle()
{
    const QString name = m_document->displayName();
    setWindowTitle(name.isEmpty()
                       ? QStringLiteral("%1[*]").arg(AppConfig::kProductName)
                       : QStringLiteral("%1[*] - %2").arg(name, AppConfig::kProductName));
    setWindowModified(m_document->isModified());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_documentActions->mayClose()) {
        event->ignore();
        return;
    }
    GlobalManager::instance()->setSetting(AppConfig::kWindowGeometry, saveGeometry());
    m_previewWidget->closeViewDialog();
    m_imagesWidget->closeImageListDialog();
    m_loadingDialog->hide();
    BaseWindow::closeEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    qDebug() << "mainwindow key press" << event->key();
    BaseWindow::keyPressEvent(event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    BaseWindow::showEvent(event);
    // The frame the window manager adds is known only once the window is mapped.
    QTimer::singleShot(0, this, &MainWindow::keepInsideScreen);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    qDebug() << "max or normal:" << isMaximized();
    m_titleBar->setMaximized(isMaximized());
    BaseWindow::resizeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this &&
            (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
             (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier))) {
            event->ignore();
            return true;
        }
    }
    // A press on a panel's empty space ends typing in the preview's fields; a press inside one of
    // those fields must keep the focus it has just been given.
    const bool onPanel = watched == m_imagesWidget || watched == m_videoPlayWidget ||
                         watched == m_previewWidget || watched == m_titleBar;
    if (event->type() == QEvent::MouseButtonPress && onPanel)
        m_previewWidget->clearInputFocus();
    return BaseWindow::eventFilter(watched, event);
}

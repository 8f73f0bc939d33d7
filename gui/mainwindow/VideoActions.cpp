#include "gui/mainwindow/VideoActions.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QMenu>
#include <QProgressDialog>

#include <algorithm>

#include "core/base/AppConfig.h"
#include "core/base/Settings.h"
#include "core/captions/CaptionManager.h"
#include "core/captions/SubtitleFile.h"
#include "core/captions/SubtitleWriter.h"
#include "core/video/VideoEngine.h"
#include "gui/application/GlobalManager.h"
#include "gui/captions/CaptionItem.h"
#include "gui/captions/CaptionWidget.h"
#include "gui/editor/PlaybackBar.h"
#include "gui/editor/VideoPlayWidget.h"
#include "gui/player/LineCaptureDialog.h"
#include "gui/player/SubtitleGeneration.h"
#include "gui/player/VideoPlayer.h"

VideoActions::VideoActions(VideoPlayWidget* panel, CaptionWidget* captions, QWidget* window,
                           OpenChooser openChooser)
    : QObject(window), m_panel(panel), m_player(panel->player()), m_captions(captions),
      m_window(window), m_openChooser(std::move(openChooser)), m_menu(new QMenu(window)),
      m_trackMenu(new QMenu(m_menu)), m_generation(new SubtitleGeneration(m_player, window))
{
    m_openVideo = addCommand({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)});
    connect(m_openVideo, &QAction::triggered, this, &VideoActions::openVideo);
    m_loadSubtitles = addCommand({});
    connect(m_loadSubtitles, &QAction::triggered, this, &VideoActions::loadSubtitles);
    m_menu->addMenu(m_trackMenu);
    m_removeSubtitles = addCommand({});
    connect(m_removeSubtitles, &QAction::triggered, m_player, &VideoPlayer::removeSubtitles);
    m_generateSubtitles = addCommand({});
    m_generateSubtitles->setIcon(QIcon(QStringLiteral(":/images/videoplay/speech_subtitles.svg")));
    m_generateSubtitles->setIconVisibleInMenu(false);
    connect(m_generateSubtitles, &QAction::triggered, m_generation, &SubtitleGeneration::ask);
    m_panel->playbackBar()->addSubtitleCommand(m_generateSubtitles);
    m_saveSubtitles = addCommand({});
    connect(m_saveSubtitles, &QAction::triggered, this, &VideoActions::saveSubtitlesAs);
    m_menu->addSeparator();
    m_play = addCommand({QKeySequence(Qt::Key_Space)});
    connect(m_play, &QAction::triggered, m_player, [this] {
        m_panel->showFilm();
        m_player->togglePlay();
    });
    m_stop = addCommand({QKeySequence(Qt::CTRL | Qt::Key_Slash)});
    connect(m_stop, &QAction::triggered, m_player, &VideoPlayer::stop);
    m_back = addCommand({QKeySequence(Qt::Key_Left)});
    connect(m_back, &QAction::triggered, m_player, [this] {
        m_panel->showFilm();
        m_player->stepFrame(false);
    });
    m_forward = addCommand({QKeySequence(Qt::Key_Right)});
    connect(m_forward, &QAction::triggered, m_player, [this] {
        m_panel->showFilm();
        m_player->stepFrame(true);
    });
    m_menu->addSeparator();
    m_capture = addCommand({QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S)});
    connect(m_capture, &QAction::triggered, m_player, &VideoPlayer::capture);
    m_captureLines = addCommand({});
    connect(m_captureLines, &QAction::triggered, this, &VideoActions::captureEveryLine);

    connect(m_panel, &VideoPlayWidget::loadVideoSignal, this, &VideoActions::openVideo);
    connect(m_panel, &VideoPlayWidget::dragFileSignal, this, &VideoActions::openFile);
    connect(m_player, &VideoPlayer::opened, this, &VideoActions::updateEnabled);
    connect(m_player, &VideoPlayer::subtitlesChanged, this, &VideoActions::updateEnabled);
    connect(m_player->engine(), &VideoEngine::subtitleTracksChanged, this,
            &VideoActions::rebuildTracks);
    connect(m_player, &VideoPlayer::lineCaptureStarted, this, &VideoActions::showProgress);
    CaptionManager* store = CaptionManager::instance();
    connect(store, &CaptionManager::captionsEdited, this, &VideoActions::captionsEdited);
    // Queued: the store announces a clearing before its new lines are in.
    for (auto signal : {&CaptionManager::captionsLoaded, &CaptionManager::captionsAboutToBeCleared})
        connect(store, signal, this, &VideoActions::updateEnabled, Qt::QueuedConnection);
    connect(store, &CaptionManager::captionsCreated, this, &VideoActions::updateEnabled,
            Qt::QueuedConnection);
    retranslate();
    updateEnabled();
}

// The shortcut works anywhere in the window while the menu is closed; a text field that takes
// the key (a space typed into a caption, an arrow moving the cursor) keeps it.
QAction* VideoActions::addCommand(const QList<QKeySequence>& keys)
{
    auto* action = new QAction(this);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    m_menu->addAction(action);
    m_window->addAction(action);
    return action;
}

void VideoActions::retranslate()
{
    m_menu->setTitle(tr("Video"));
    m_openVideo->setText(tr("Open Video..."));
    m_loadSubtitles->setText(tr("Load Subtitles..."));
    m_trackMenu->setTitle(tr("Subtitle Track"));
    m_removeSubtitles->setText(tr("Remove Subtitles"));
    m_generateSubtitles->setText(tr("Generate Subtitles..."));
    m_generateSubtitles->setToolTip(tr("Subtitles from the speech of the film"));
    m_saveSubtitles->setText(tr("Save Subtitles As..."));
    m_play->setText(tr("Play or Pause"));
    m_stop->setText(tr("Stop"));
    m_back->setText(tr("Previous Frame"));
    m_forward->setText(tr("Next Frame"));
    m_capture->setText(tr("Capture"));
    m_captureLines->setText(tr("Capture Every Line..."));
    rebuildTracks();
}

void VideoActions::updateEnabled()
{
    const bool open = m_player->isOpen();
    for (QAction* action :
         {m_loadSubtitles, m_generateSubtitles, m_play, m_stop, m_back, m_forward, m_capture})
        action->setEnabled(open);
    m_trackMenu->setEnabled(open);
    m_removeSubtitles->setEnabled(open && m_player->hasSubtitles());
    m_captureLines->setEnabled(open && !m_player->subtitleLines().isEmpty());
    m_saveSubtitles->setEnabled(!CaptionManager::instance()->captions().isEmpty());
}

void VideoActions::setSaveChooser(SaveChooser chooser)
{
    saveChooser() = std::move(chooser);
}

VideoActions::SaveChooser& VideoActions::saveChooser()
{
    static SaveChooser chooser;
    return chooser;
}

void VideoActions::captionsEdited(const QString& path, bool saved)
{
    updateEnabled();
    if (!saved) {
        GlobalManager::instance()->showNotice(
            {Notice::Failure,
             tr("The corrected lines cannot be kept in \"%1\"; save them with Save Subtitles "
                "As before closing.")
                 .arg(QDir::toNativeSeparators(path)),
             QString(),
             {}});
        return;
    }
    m_player->showEditedSubtitles(path, CaptionManager::instance()->subtitleLines());
}

void VideoActions::saveSubtitlesAs()
{
    CaptionManager* store = CaptionManager::instance();
    if (store->captions().isEmpty())
        return;
    const QStringList filters = {tr("SubRip subtitles (*.srt)"), tr("WebVTT subtitles (*.vtt)"),
                                 tr("ASS subtitles (*.ass)")};
    const QFileInfo film(m_player->filePath());
    const QString suggested =
        film.fileName().isEmpty()
            ? QString()
            : film.absoluteDir().filePath(film.completeBaseName() + QStringLiteral(".srt"));
    QString filter = filters.first();
    const QString title = tr("Save Subtitles As");
    QString path =
        saveChooser()
            ? saveChooser()(m_window, title, suggested, filters.join(";;"), &filter)
            : QFileDialog::getSaveFileName(m_window, title, suggested, filters.join(";;"), &filter);
    if (path.isEmpty())
        return;
    // The filter tells the format when the name has no subtitle extension of its own.
    const auto chosen = SubtitleWriter::Format(std::max(0, int(filters.indexOf(filter))));
    const SubtitleWriter::Format format = SubtitleWriter::formatOf(path, chosen);
    if (QFileInfo(path).suffix().compare(SubtitleWriter::suffix(format), Qt::CaseInsensitive) != 0)
        path += QLatin1Char('.') + SubtitleWriter::suffix(format);
    QString error;
    if (!SubtitleWriter::write(path, store->captions(), format, store->overrideBlocks(), &error)) {
        GlobalManager::instance()->showNotice({Notice::Failure,
                                               tr("The subtitles cannot be saved as \"%1\": %2.")
                                                   .arg(QDir::toNativeSeparators(path), error),
                                               QString(),
                                               {}});
        return;
    }
    GlobalManager::instance()->showNotice(
        {Notice::Information,
         tr("Saved %n subtitle lines as \"%1\".", nullptr, int(store->captions().size()))
             .arg(QFileInfo(path).fileName()),
         QString(),
         {}});
}

void VideoActions::rebuildTracks()
{
    m_trackMenu->clear();
    auto* group = new QActionGroup(m_trackMenu);
    const QList<VideoEngine::Track> tracks = m_player->engine()->subtitleTracks();
    const int shown = m_player->engine()->selectedSubtitleTrack();
    auto* none = new QAction(tr("None"), group);
    none->setProperty("track", 0);
    QList<QAction*> actions{none};
    for (const VideoEngine::Track& track : tracks) {
        QString text = track.title.isEmpty() ? tr("Track %1").arg(track.id) : track.title;
        if (!track.language.isEmpty())
            text += QStringLiteral(" (%1)").arg(track.language);
        auto* action = new QAction(text, group);
        action->setProperty("track", track.id);
        actions << action;
    }
    for (QAction* action : qAsConst(actions)) {
        action->setCheckable(true);
        action->setChecked(action->property("track").toInt() == shown);
        m_trackMenu->addAction(action);
        connect(action, &QAction::triggered, m_player, [this, action] {
            m_player->selectSubtitleTrack(action->property("track").toInt());
        });
    }
}

bool VideoActions::isFilmOrSubtitle(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pictorb"))
        return false;
    return !QImageReader::supportedImageFormats().contains(suffix.toLatin1()) &&
           suffix != QLatin1String("jpg") && suffix != QLatin1String("jpeg");
}

void VideoActions::openFile(const QString& path)
{
    if (SubtitleFile::isSubtitleFile(path))
        m_player->loadSubtitleFile(path);
    else
        m_player->open(path);
}

void VideoActions::openVideo()
{
    const QString dir = Settings::instance()->value(AppConfig::kOpenFilePath, QString()).toString();
    const QString filter = QStringLiteral("%1 (*.mkv *.mp4 *.m4v *.mov *.avi *.webm *.wmv *.flv "
                                          "*.ts *.m2ts *.mts *.mpg *.mpeg *.vob *.ogv *.3gp);;%2 "
                                          "(*)")
                               .arg(tr("Videos"), tr("All files"));
    const QStringList files = m_openChooser(m_window, tr("Open Video"), dir, filter);
    if (!files.isEmpty())
        m_player->open(files.constFirst());
}

void VideoActions::loadSubtitles()
{
    const QString dir = QFileInfo(m_player->filePath()).absolutePath();
    const QString filter = QStringLiteral("%1 (*.srt *.ass *.ssa *.vtt)").arg(tr("Subtitles"));
    const QStringList files = m_openChooser(m_window, tr("Load Subtitles"), dir, filter);
    if (!files.isEmpty())
        m_player->loadSubtitleFile(files.constFirst());
}

void VideoActions::captureEveryLine()
{
    if (m_player->subtitleLines().isEmpty() || m_player->isCapturingLines())
        return;
    auto* dialog =
        new LineCaptureDialog(m_player->subtitleLines(), m_captions->chosenLines(), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        m_player->captureLines(dialog->chosenLines(), dialog->drawSubtitles());
    });
    dialog->open();
}

void VideoActions::showProgress(int total)
{
    auto* progress = new QProgressDialog(m_window);
    m_progress = progress;
    progress->setAttribute(Qt::WA_DeleteOnClose);
    progress->setWindowTitle(tr("Capture every line"));
    progress->setLabelText(tr("Capturing line %1 of %2").arg(0).arg(total));
    progress->setRange(0, total);
    progress->setValue(0);
    progress->setMinimumDuration(0);
    progress->setAutoReset(false);
    progress->setAutoClose(false);
    connect(progress, &QProgressDialog::canceled, m_player, &VideoPlayer::cancelLineCapture);
    connect(m_player, &VideoPlayer::lineCaptureProgress, progress, [progress](int done, int all) {
        progress->setLabelText(tr("Capturing line %1 of %2").arg(std::min(done + 1, all)).arg(all));
        progress->setValue(done);
    });
    connect(m_player, &VideoPlayer::lineCaptureFinished, progress, &QWidget::close);
    progress->open();
}

QProgressDialog* VideoActions::progressDialog() const
{
    return m_progress;
}

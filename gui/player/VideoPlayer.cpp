#include "gui/player/VideoPlayer.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDebug>
#include <QFileInfo>
#include <QSignalBlocker>

#include <utility>

#include "core/base/AppConfig.h"
#include "core/captions/CaptionManager.h"
#include "core/video/LineCapture.h"
#include "core/video/SubtitleTrackReader.h"
#include "core/video/VideoEngine.h"
#include "core/video/VideoTime.h"
#include "gui/application/GlobalManager.h"
#include "gui/editor/PlaybackBar.h"
#include "gui/player/VideoView.h"
#include "gui/widgets/TinySlider.h"

namespace {
// The lines shown come from a subtitle file, not from a track of the film.
constexpr int kFileTrack = -1;
} // namespace

VideoPlayer::VideoPlayer(PlaybackBar* bar, QWidget* parent)
    : QWidget(parent), m_bar(bar), m_engine(new VideoEngine(VideoEngine::Output::Rendered, this)),
      m_view(new VideoView(m_engine, this)), m_trackReader(new SubtitleTrackReader(this))
{
    setObjectName(QStringLiteral("video_player"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    connectBar();
    connectEngine();
    // The toggle follows the setting when the preferences change it.
    connect(GlobalManager::instance(), &GlobalManager::globalEvent, this,
            [this](const QString& event, const QVariant& key) {
                if (event != AppConfig::kEventSettingChange ||
                    key != AppConfig::kCaptureWithSubtitles)
                    return;
                const QSignalBlocker quiet(m_bar->subtitlesBox());
                m_bar->subtitlesBox()->setChecked(
                    GlobalManager::instance()
                        ->getSetting(AppConfig::kCaptureWithSubtitles, false)
                        .toBool());
            });
    connect(m_trackReader, &SubtitleTrackReader::finished, this,
            [this](const QList<SubtitleLine>& lines, const QString& error) {
                if (lines.isEmpty())
                    notify(tr("The subtitle track lists no lines: %1.").arg(error));
                setLines(lines, m_engine->selectedSubtitleTrack());
            });
}

// The view's renderer must be freed while the engine it draws for still exists.
VideoPlayer::~VideoPlayer()
{
    delete m_view;
}

void VideoPlayer::connectBar()
{
    TinySlider* progress = m_bar->progressSlider();
    connect(progress, &QSlider::sliderPressed, this, [this] { m_dragging = true; });
    // While the handle is dragged the picture follows on key frames, which decode at once;
    // where it is let go the exact frame is shown.
    connect(progress, &QSlider::sliderMoved, this, [this] { seekFromSlider(false); });
    connect(progress, &QSlider::sliderReleased, this, [this] {
        m_dragging = false;
        seekFromSlider(true);
    });
    connect(progress, &QSlider::valueChanged, this, [this] {
        if (!m_dragging)
            seekFromSlider(true);
    });
    connect(m_bar->volumeSlider(), &QSlider::valueChanged, m_engine, &VideoEngine::setVolume);
    QCheckBox* subtitles = m_bar->subtitlesBox();
    connect(subtitles, &QCheckBox::toggled, this, [](bool on) {
        GlobalManager::instance()->setSetting(AppConfig::kCaptureWithSubtitles, on);
    });
}

void VideoPlayer::connectEngine()
{
    connect(m_view, &VideoView::ready, this, [this] {
        if (std::exchange(m_waitingForView, false))
            m_engine->open(m_opening);
    });
    connect(m_view, &VideoView::failed, this, [this] {
        const QString path = std::exchange(m_opening, QString());
        if (!path.isEmpty())
            failOpening(path, tr("this computer's OpenGL cannot show films"));
    });
    connect(m_engine, &VideoEngine::opened, this, &VideoPlayer::filmOpened);
    connect(m_engine, &VideoEngine::openFailed, this, [this](const QString& reason) {
        failOpening(std::exchange(m_opening, QString()), reason);
    });
    connect(m_engine, &VideoEngine::positionChanged, this, [this](double seconds) {
        showTimes();
        emit positionChanged(seconds);
    });
    connect(m_engine, &VideoEngine::propertyChanged, this, [this](const QString& name) {
        if (name == QLatin1String("duration") || name == QLatin1String("container-fps"))
            showTimes();
    });
    connect(m_engine, &VideoEngine::pausedChanged, m_bar,
            [this](bool paused) { m_bar->setPlaying(!paused); });
    connect(m_engine, &VideoEngine::subtitleAdded, this, &VideoPlayer::subtitleAdded);
    connect(m_engine, &VideoEngine::subtitleFailed, this,
            [](const QString& path, const QString& reason) {
                notify(tr("The subtitles \"%1\" cannot be shown: %2.")
                           .arg(QFileInfo(path).fileName(), reason));
            });
    connect(m_engine, &VideoEngine::frameGrabbed, this, &VideoPlayer::frameGrabbed);
    connect(m_engine, &VideoEngine::restarted, this, [this] {
        for (int i = std::exchange(m_capturesAfterSeek, 0); i > 0; --i)
            capture();
    });
}

void VideoPlayer::notify(const QString& text)
{
    GlobalManager::instance()->showNotice({Notice::Failure, text, QString(), {}});
}

void VideoPlayer::open(const QString& path)
{
    if (m_probe)
        m_probe->deleteLater();
    auto* probe = new VideoEngine(VideoEngine::Output::FramesOnly, this);
    m_probe = probe;
    connect(probe, &VideoEngine::opened, this, [this, probe, path] {
        probe->deleteLater();
        m_opening = path;
        // Frames need the view's renderer, which exists once the view has been shown.
        m_waitingForView = !m_view->isReady();
        emit showRequested();
        if (!m_waitingForView)
            m_engine->open(path);
    });
    connect(probe, &VideoEngine::openFailed, this, [this, probe, path](const QString& reason) {
        probe->deleteLater();
        failOpening(path, reason);
    });
    probe->open(path);
}

void VideoPlayer::failOpening(const QString& path, const QString& reason)
{
    m_pendingSubtitle.clear();
    notify(tr("\"%1\" cannot be played: %2.").arg(QFileInfo(path).fileName(), reason));
    emit openFailed(path, reason);
}

bool VideoPlayer::isOpen() const
{
    return m_engine->isOpen();
}

QString VideoPlayer::filePath() const
{
    return m_engine->isOpen() ? m_engine->filePath() : QString();
}

void VideoPlayer::filmOpened()
{
    const QString path = std::exchange(m_opening, QString());
    GlobalManager::instance()->setVideoFileInfo(QFileInfo(path));
    CaptionManager::instance()->setVideoFile(QFileInfo(path));
    m_engine->setVolume(m_bar->volumeSlider()->value());
    m_engine->setMuted(m_muted);
    // The lines of another film's subtitles do not belong to this one.
    m_subtitleFile.clear();
    m_editedFile.clear();
    m_fileLines.clear();
    if (m_subtitleTrack != 0)
        setLines({}, 0);
    showTimes();
    emit opened(path);
    const QString subtitle = std::exchange(m_pendingSubtitle, QString());
    if (!subtitle.isEmpty())
        loadSubtitleFile(subtitle);
}

void VideoPlayer::showTimes()
{
    const double fps = m_engine->fps();
    m_bar->setTimes(VideoTime::text(m_engine->position(), fps),
                    VideoTime::text(m_engine->duration(), fps));
    if (m_dragging)
        return;
    TinySlider* progress = m_bar->progressSlider();
    const QSignalBlocker blocker(progress);
    progress->setMaximum(int(m_engine->duration() * 1000.0));
    progress->setValue(int(m_engine->position() * 1000.0));
}

void VideoPlayer::seekFromSlider(bool exact)
{
    if (isOpen())
        m_engine->seek(m_bar->progressSlider()->value() / 1000.0, exact);
}

void VideoPlayer::togglePlay()
{
    if (isOpen())
        m_engine->setPaused(!m_engine->isPaused());
}

void VideoPlayer::pause()
{
    m_engine->setPaused(true);
}

void VideoPlayer::stop()
{
    if (!isOpen())
        return;
    m_engine->setPaused(true);
    m_engine->seek(0, true);
}

void VideoPlayer::stepFrame(bool forward)
{
    if (isOpen())
        m_engine->stepFrame(forward);
}

void VideoPlayer::seek(double seconds)
{
    if (isOpen())
        m_engine->seek(seconds, true);
}

void VideoPlayer::toggleMute()
{
    m_muted = !m_muted;
    GlobalManager::instance()->setSetting(AppConfig::kPlayerMute, m_muted);
    m_engine->setMuted(m_muted);
    m_bar->setMuted(m_muted);
}

void VideoPlayer::restoreSettings()
{
    GlobalManager* manager = GlobalManager::instance();
    m_muted = manager->getSetting(AppConfig::kPlayerMute, false).toBool();
    m_bar->setMuted(m_muted);
    const QSignalBlocker blocker(m_bar->subtitlesBox());
    m_bar->subtitlesBox()->setChecked(
        manager->getSetting(AppConfig::kCaptureWithSubtitles, false).toBool());
}

void VideoPlayer::loadSubtitleFile(const QString& path)
{
    if (!m_opening.isEmpty() || m_probe) {
        m_pendingSubtitle = path;
        return;
    }
    if (!isOpen()) {
        notify(tr("Open a film before its subtitles."));
        return;
    }
    QList<SubtitleLine> lines;
    QString error;
    if (!SubtitleFile::read(path, &lines, &error)) {
        notify(tr("The subtitles \"%1\" cannot be loaded: %2.")
                   .arg(QFileInfo(path).fileName(), error));
        return;
    }
    m_fileLines = lines;
    m_editedFile.clear();
    // One subtitle file at a time: the one loaded before goes.
    m_engine->removeSubtitles();
    m_engine->addSubtitleFile(path);
}

void VideoPlayer::showEditedSubtitles(const QString& path, const QList<SubtitleLine>& lines)
{
    if (!isOpen())
        return;
    m_fileLines = lines;
    m_editedFile = path;
    m_engine->reloadSubtitleFile(path);
}

void VideoPlayer::subtitleAdded(const QString& path)
{
    m_subtitleFile = path;
    if (path != m_editedFile) {
        setLines(m_fileLines, kFileTrack);
        return;
    }
    // The caption list holds these lines already: it is where they were edited.
    m_lines = m_fileLines;
    m_subtitleTrack = m_lines.isEmpty() ? 0 : kFileTrack;
    emit subtitlesChanged();
}

void VideoPlayer::selectSubtitleTrack(int id)
{
    m_engine->selectSubtitleTrack(id);
    if (id == 0) {
        setLines({}, 0);
        return;
    }
    for (const VideoEngine::Track& track : m_engine->subtitleTracks()) {
        if (track.id != id)
            continue;
        if (track.external)
            setLines(m_fileLines, kFileTrack);
        else
            m_trackReader->read(m_engine->filePath(), track.streamIndex);
    }
}

void VideoPlayer::removeSubtitles()
{
    m_engine->removeSubtitles();
    m_subtitleFile.clear();
    m_editedFile.clear();
    m_fileLines.clear();
    setLines({}, 0);
}

void VideoPlayer::setLines(const QList<SubtitleLine>& lines, int track)
{
    m_lines = lines;
    m_subtitleTrack = lines.isEmpty() ? 0 : track;
    CaptionManager::instance()->loadLines(lines);
    emit subtitlesChanged();
}

void VideoPlayer::capture()
{
    if (!isOpen())
        return;
    // During a seek the frame on screen is about to change: the one asked for is the one the
    // seek brings.
    if (m_engine->isSeeking()) {
        ++m_capturesAfterSeek;
        return;
    }
    const quint64 request = m_engine->grabFrame(m_bar->subtitlesBox()->isChecked());
    m_captures.insert(request);
}

void VideoPlayer::frameGrabbed(quint64 request, const QImage& frame, double seconds)
{
    if (!m_captures.remove(request))
        return;
    if (frame.isNull()) {
        notify(tr("There is no frame to capture yet."));
        return;
    }
    AppConfig::CaptureData data;
    data.image = QPixmap::fromImage(frame);
    data.position = seconds;
    data.index = int(VideoTime::frameAt(seconds, m_engine->fps()));
    emit captured(data, false);
}

bool VideoPlayer::isCapturingLines() const
{
    return m_lineEngine != nullptr;
}

// The stills are taken on an engine of their own: the film on screen stays where the user left
// it, and nothing has to be drawn on the way.
void VideoPlayer::captureLines(const QList<int>& chosen, bool drawSubtitles)
{
    if (!isOpen() || m_lines.isEmpty() || isCapturingLines() || chosen.isEmpty())
        return;
    auto* engine = new VideoEngine(VideoEngine::Output::FramesOnly, this);
    m_lineEngine = engine;
    emit lineCaptureStarted(int(chosen.size()));
    const auto fail = [this, engine](const QString& reason) {
        notify(tr("The lines cannot be captured: %1.").arg(reason));
        engine->disconnect(this);
        engine->deleteLater();
        emit lineCaptureFinished(0, false);
    };
    connect(engine, &VideoEngine::openFailed, this, fail);
    connect(engine, &VideoEngine::subtitleFailed, this,
            [fail](const QString&, const QString& reason) { fail(reason); });
    connect(engine, &VideoEngine::subtitleAdded, this, [this, engine, chosen, drawSubtitles] {
        startLineCapture(engine, chosen, drawSubtitles);
    });
    connect(engine, &VideoEngine::opened, this, [this, engine, chosen, drawSubtitles] {
        if (!drawSubtitles) {
            startLineCapture(engine, chosen, false);
        } else if (m_subtitleTrack == kFileTrack) {
            engine->addSubtitleFile(m_subtitleFile);
        } else {
            engine->selectSubtitleTrack(m_subtitleTrack);
            startLineCapture(engine, chosen, true);
        }
    });
    engine->open(m_engine->filePath());
}

void VideoPlayer::startLineCapture(VideoEngine* engine, const QList<int>& chosen,
                                   bool drawSubtitles)
{
    auto* capture = new LineCapture(engine, engine);
    m_lineCapture = capture;
    const QList<SubtitleLine> lines = m_lines;
    connect(capture, &LineCapture::captured, this,
            [this, lines, drawSubtitles](const QImage& frame, double seconds, int line) {
                AppConfig::CaptureData data;
                data.image = QPixmap::fromImage(frame);
                data.position = seconds;
                data.index = line + 1;
                if (!drawSubtitles)
                    data.text = lines.at(line).text;
                emit captured(data, true);
            });
    connect(capture, &LineCapture::progress, this, &VideoPlayer::lineCaptureProgress);
    connect(capture, &LineCapture::finished, this, [this, engine](int taken, bool cancelled) {
        engine->deleteLater();
        emit lineCaptureFinished(taken, cancelled);
    });
    capture->start(lines, chosen, drawSubtitles, true);
}

void VideoPlayer::cancelLineCapture()
{
    if (m_lineCapture) {
        m_lineCapture->cancel();
    } else if (m_lineEngine) {
        m_lineEngine->disconnect(this);
        m_lineEngine->deleteLater();
        emit lineCaptureFinished(0, true);
    }
}

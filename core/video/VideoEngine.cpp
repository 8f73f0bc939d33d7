#include "core/video/VideoEngine.h"

#include <algorithm>
#include <clocale>
#include <cstring>

#include <QDebug>
#include <QFileInfo>
#include <QPointer>

#include <mpv/client.h>

#include "core/video/VideoTime.h"

namespace {

// The engine properties the player follows, each announced on every change.
const char* const kObserved[] = {"time-pos",
                                 "percent-pos",
                                 "duration",
                                 "estimated-frame-number",
                                 "estimated-frame-count",
                                 "container-fps",
                                 "pause",
                                 "eof-reached",
                                 "volume",
                                 "mute",
                                 "dwidth",
                                 "dheight",
                                 "track-list"};

const mpv_node* mapValue(const mpv_node* map, const char* key)
{
    if (!map || map->format != MPV_FORMAT_NODE_MAP)
        return nullptr;
    for (int i = 0; i < map->u.list->num; ++i) {
        if (std::strcmp(map->u.list->keys[i], key) == 0)
            return &map->u.list->values[i];
    }
    return nullptr;
}

QString stringValue(const mpv_node* map, const char* key)
{
    const mpv_node* value = mapValue(map, key);
    return value && value->format == MPV_FORMAT_STRING ? QString::fromUtf8(value->u.string)
                                                       : QString();
}

qint64 intValue(const mpv_node* map, const char* key)
{
    const mpv_node* value = mapValue(map, key);
    return value && value->format == MPV_FORMAT_INT64 ? value->u.int64 : 0;
}

bool flagValue(const mpv_node* map, const char* key)
{
    const mpv_node* value = mapValue(map, key);
    return value && value->format == MPV_FORMAT_FLAG && value->u.flag;
}

bool numberOf(const mpv_node* node, double* number)
{
    switch (node->format) {
    case MPV_FORMAT_DOUBLE:
        *number = node->u.double_;
        return true;
    case MPV_FORMAT_INT64:
        *number = double(node->u.int64);
        return true;
    case MPV_FORMAT_FLAG:
        *number = node->u.flag ? 1.0 : 0.0;
        return true;
    default:
        return false;
    }
}

} // namespace

VideoEngine::VideoEngine(Output output, QObject* parent) : QObject(parent)
{
    // libmpv refuses to start unless numbers are read and written the C way, and creating the
    // application object has just set the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    m_mpv = mpv_create();
    if (!m_mpv) {
        qWarning() << "VideoEngine: libmpv could not be created";
        return;
    }
    // Nothing of the user's mpv set-up (configuration, scripts, key bindings) applies here.
    setOption("config", "no");
    setOption("terminal", "no");
    setOption("load-scripts", "no");
    setOption("ytdl", "no");
    setOption("input-default-bindings", "no");
    setOption("input-vo-keyboard", "no");
    setOption("osc", "no");
    // Subtitles are chosen by the user, not picked up from beside the film.
    setOption("sub-auto", "no");
    setOption("audio-file-auto", "no");
    setOption("audio-display", "no");
    // At the end the last frame stays, ready for a capture, instead of the film being closed.
    setOption("keep-open", "always");
    setOption("idle", "yes");
    setOption("pause", "yes");
    setOption("hr-seek", "yes");
    if (output == Output::FramesOnly) {
        setOption("vo", "null");
        setOption("ao", "null");
        setOption("aid", "no");
    } else {
        // Frames go to the render context of the player's view; it must exist before a file is
        // loaded, or the engine finds no video output and plays the sound alone.
        setOption("vo", "libmpv");
        setOption("audio-fallback-to-null", "yes");
    }
    mpv_request_log_messages(m_mpv, "warn");
    for (const char* name : kObserved)
        mpv_observe_property(m_mpv, 0, name, MPV_FORMAT_NODE);
    mpv_set_wakeup_callback(m_mpv, &VideoEngine::wakeUp, this);
    if (mpv_initialize(m_mpv) < 0) {
        qWarning() << "VideoEngine: libmpv could not be initialised";
        mpv_set_wakeup_callback(m_mpv, nullptr, nullptr);
        mpv_terminate_destroy(m_mpv);
        m_mpv = nullptr;
    }
}

// A render context made on handle() must be freed before this runs.
VideoEngine::~VideoEngine()
{
    if (!m_mpv)
        return;
    mpv_set_wakeup_callback(m_mpv, nullptr, nullptr);
    mpv_terminate_destroy(m_mpv);
}

// Called on one of the engine's threads: only a queued call crosses over, at most one waiting.
void VideoEngine::wakeUp(void* context)
{
    auto* engine = static_cast<VideoEngine*>(context);
    if (!engine->m_wakeupQueued.exchange(true))
        QMetaObject::invokeMethod(engine, &VideoEngine::drainEvents, Qt::QueuedConnection);
}

void VideoEngine::setOption(const char* name, const char* value)
{
    if (mpv_set_option_string(m_mpv, name, value) < 0)
        qWarning() << "VideoEngine: option not taken:" << name << value;
}

// Commands run asynchronously: the engine may be waiting for this thread to draw a frame.
quint64 VideoEngine::command(const QStringList& arguments)
{
    if (!m_mpv)
        return 0;
    QList<QByteArray> bytes;
    for (const QString& argument : arguments)
        bytes << argument.toUtf8();
    QVector<const char*> pointers;
    for (const QByteArray& argument : bytes)
        pointers << argument.constData();
    pointers << nullptr;
    const quint64 request = ++m_lastRequest;
    const int error = mpv_command_async(m_mpv, request, pointers.data());
    if (error < 0) {
        qWarning() << "VideoEngine:" << arguments << "refused:" << mpv_error_string(error);
        return 0;
    }
    return request;
}

void VideoEngine::setFlag(const char* name, bool value)
{
    if (!m_mpv)
        return;
    int flag = value ? 1 : 0;
    mpv_set_property_async(m_mpv, 0, name, MPV_FORMAT_FLAG, &flag);
}

void VideoEngine::open(const QString& path)
{
    if (!m_mpv) {
        emit openFailed(tr("the video engine could not be started"));
        return;
    }
    m_path = path;
    m_loading = true;
    m_started = false;
    m_videoTracks = -1;
    m_firstFrame = false;
    m_open = false;
    m_subtitleTracks.clear();
    m_pendingSubtitles.clear();
    m_pendingReloads.clear();
    command({QStringLiteral("loadfile"), path, QStringLiteral("replace")});
}

void VideoEngine::setPaused(bool paused)
{
    setFlag("pause", paused);
}

void VideoEngine::seek(double seconds, bool exact)
{
    m_seekTarget = std::max(0.0, seconds);
    if (command({QStringLiteral("seek"), QString::number(m_seekTarget, 'f', 6),
                 exact ? QStringLiteral("absolute+exact") : QStringLiteral("absolute+keyframes")}))
        m_seeking = true;
}

// Stepping by exact seeks lands on the frame itself whatever the sound does, and reports its
// arrival like any seek. A target half a frame before a frame's time shows that frame.
void VideoEngine::stepFrame(bool forward)
{
    if (!(m_fps > 0)) {
        command({forward ? QStringLiteral("frame-step") : QStringLiteral("frame-back-step")});
        return;
    }
    const double shown = m_seeking ? m_seekTarget : m_position - 0.5 / m_fps;
    seek(shown + (forward ? 1.0 : -1.0) / m_fps, true);
}

void VideoEngine::setVolume(int percent)
{
    if (!m_mpv)
        return;
    double volume = percent;
    mpv_set_property_async(m_mpv, 0, "volume", MPV_FORMAT_DOUBLE, &volume);
}

void VideoEngine::setMuted(bool muted)
{
    setFlag("mute", muted);
}

void VideoEngine::addSubtitleFile(const QString& path)
{
    const quint64 request = command({QStringLiteral("sub-add"), path, QStringLiteral("select")});
    if (request != 0)
        m_pendingSubtitles.insert(request, path);
    else
        emit subtitleFailed(path, tr("the video engine refused it"));
}

void VideoEngine::reloadSubtitleFile(const QString& path)
{
    const auto shown = std::find_if(
        m_subtitleTracks.cbegin(), m_subtitleTracks.cend(), [&path](const Track& track) {
            return track.external && track.selected && track.externalFile == path;
        });
    const quint64 request =
        shown == m_subtitleTracks.cend()
            ? 0
            : command({QStringLiteral("sub-reload"), QString::number(shown->id)});
    if (request == 0) {
        removeSubtitles();
        addSubtitleFile(path);
        return;
    }
    m_pendingReloads.insert(request, path);
}

void VideoEngine::selectSubtitleTrack(int id)
{
    if (!m_mpv)
        return;
    const QByteArray value = id > 0 ? QByteArray::number(id) : QByteArrayLiteral("no");
    const char* text = value.constData();
    mpv_set_property_async(m_mpv, 0, "sid", MPV_FORMAT_STRING, &text);
}

void VideoEngine::removeSubtitles()
{
    for (const Track& track : qAsConst(m_subtitleTracks)) {
        if (track.external)
            command({QStringLiteral("sub-remove"), QString::number(track.id)});
    }
    selectSubtitleTrack(0);
}

qint64 VideoEngine::frameNumber() const
{
    return VideoTime::frameAt(m_position, m_fps);
}

int VideoEngine::selectedSubtitleTrack() const
{
    for (const Track& track : m_subtitleTracks) {
        if (track.selected)
            return track.id;
    }
    return 0;
}

quint64 VideoEngine::grabFrame(bool withSubtitles)
{
    quint64 request =
        command({QStringLiteral("screenshot-raw"),
                 withSubtitles ? QStringLiteral("subtitles") : QStringLiteral("video")});
    if (request != 0) {
        // Asked right after the picture, so the engine answers it in the same state.
        const quint64 time = ++m_lastRequest;
        m_pendingGrabs.insert(request, Grab());
        m_grabTimes.insert(time, request);
        mpv_get_property_async(m_mpv, time, "time-pos", MPV_FORMAT_DOUBLE);
        return request;
    }
    // Refused at once: still answered, and after the caller has the number.
    request = ++m_lastRequest;
    QMetaObject::invokeMethod(
        this, [this, request] { emit frameGrabbed(request, QImage(), m_position); },
        Qt::QueuedConnection);
    return request;
}

void VideoEngine::drainEvents()
{
    m_wakeupQueued = false;
    // A slot may delete this engine; nothing is touched after that.
    const QPointer<VideoEngine> alive(this);
    while (alive && m_mpv) {
        mpv_event* event = mpv_wait_event(m_mpv, 0);
        if (event->event_id == MPV_EVENT_NONE)
            break;
        handleEvent(event);
        if (alive)
            emit eventReceived(event);
    }
}

void VideoEngine::handleEvent(mpv_event* event)
{
    switch (event->event_id) {
    case MPV_EVENT_PROPERTY_CHANGE: {
        const auto* property = static_cast<mpv_event_property*>(event->data);
        if (property->format == MPV_FORMAT_NODE)
            handleProperty(property->name, static_cast<const mpv_node*>(property->data));
        break;
    }
    case MPV_EVENT_START_FILE:
        m_started = m_loading;
        break;
    case MPV_EVENT_FILE_LOADED:
        if (m_loading && m_mpv) {
            // Read once the file is in: an image or a sound file has no moving pictures.
            m_trackCheck = ++m_lastRequest;
            mpv_get_property_async(m_mpv, m_trackCheck, "track-list", MPV_FORMAT_NODE);
        }
        break;
    case MPV_EVENT_GET_PROPERTY_REPLY: {
        const auto* property = static_cast<mpv_event_property*>(event->data);
        if (event->reply_userdata == m_restartTime) {
            if (property->format == MPV_FORMAT_DOUBLE)
                handleTime(*static_cast<const double*>(property->data));
            restartDone();
            break;
        }
        if (m_grabTimes.contains(event->reply_userdata)) {
            const quint64 request = m_grabTimes.take(event->reply_userdata);
            Grab& grab = m_pendingGrabs[request];
            grab.seconds = property->format == MPV_FORMAT_DOUBLE
                               ? *static_cast<const double*>(property->data)
                               : m_position;
            grab.timed = true;
            grabAnswered(request);
            break;
        }
        if (event->reply_userdata == m_trackCheck && m_loading &&
            property->format == MPV_FORMAT_NODE) {
            // Only this answer speaks for the file just loaded; a change noticed earlier may
            // still describe the state before it.
            m_videoTracks = readTracks(static_cast<const mpv_node*>(property->data));
            finishOpening();
        }
        break;
    }
    case MPV_EVENT_PLAYBACK_RESTART:
        // The time of the frame now shown: a paused engine does not always announce it.
        if (m_mpv) {
            m_restartTime = ++m_lastRequest;
            mpv_get_property_async(m_mpv, m_restartTime, "time-pos", MPV_FORMAT_DOUBLE);
        }
        break;
    case MPV_EVENT_END_FILE: {
        const auto* end = static_cast<mpv_event_end_file*>(event->data);
        endFile(end->reason, end->error);
        break;
    }
    case MPV_EVENT_COMMAND_REPLY: {
        const auto* reply = static_cast<mpv_event_command*>(event->data);
        commandReplied(event->reply_userdata, event->error, &reply->result);
        break;
    }
    case MPV_EVENT_LOG_MESSAGE: {
        const auto* message = static_cast<mpv_event_log_message*>(event->data);
        qWarning().noquote() << QStringLiteral("mpv %1: %2")
                                    .arg(QString::fromUtf8(message->prefix),
                                         QString::fromUtf8(message->text).trimmed());
        break;
    }
    default:
        break;
    }
}

void VideoEngine::handleProperty(const char* name, const mpv_node* value)
{
    if (std::strcmp(name, "track-list") == 0) {
        readTracks(value);
        return;
    }
    double number = 0;
    if (!numberOf(value, &number))
        return;
    if (std::strcmp(name, "time-pos") == 0) {
        handleTime(number);
    } else if (std::strcmp(name, "duration") == 0) {
        m_duration = number;
    } else if (std::strcmp(name, "container-fps") == 0) {
        m_fps = number;
    } else if (std::strcmp(name, "dwidth") == 0) {
        m_videoSize.setWidth(int(number));
    } else if (std::strcmp(name, "dheight") == 0) {
        m_videoSize.setHeight(int(number));
    } else if (std::strcmp(name, "pause") == 0) {
        m_paused = number != 0;
        emit pausedChanged(m_paused);
    } else if (std::strcmp(name, "eof-reached") == 0 && number != 0) {
        emit endReached();
    }
    emit propertyChanged(QString::fromLatin1(name), number);
}

void VideoEngine::handleTime(double seconds)
{
    m_position = seconds;
    emit positionChanged(seconds);
}

void VideoEngine::restartDone()
{
    m_seeking = false;
    if (m_loading) {
        m_firstFrame = true;
        finishOpening();
    } else {
        emit restarted();
    }
}

int VideoEngine::readTracks(const mpv_node* list)
{
    if (!list || list->format != MPV_FORMAT_NODE_ARRAY)
        return 0;
    QList<Track> subtitles;
    int videos = 0;
    for (int i = 0; i < list->u.list->num; ++i) {
        const mpv_node* entry = &list->u.list->values[i];
        const QString type = stringValue(entry, "type");
        if (type == QLatin1String("video") && !flagValue(entry, "image") &&
            !flagValue(entry, "albumart"))
            ++videos;
        if (type != QLatin1String("sub"))
            continue;
        Track track;
        track.id = int(intValue(entry, "id"));
        track.title = stringValue(entry, "title");
        track.language = stringValue(entry, "lang");
        track.external = flagValue(entry, "external");
        track.selected = flagValue(entry, "selected");
        track.externalFile = stringValue(entry, "external-filename");
        track.streamIndex = mapValue(entry, "ff-index") ? int(intValue(entry, "ff-index")) : -1;
        if (track.external && track.title.isEmpty())
            track.title = QFileInfo(track.externalFile).fileName();
        subtitles << track;
    }
    const bool changed =
        subtitles.size() != m_subtitleTracks.size() ||
        !std::equal(subtitles.cbegin(), subtitles.cend(), m_subtitleTracks.cbegin(),
                    [](const Track& a, const Track& b) {
                        return a.id == b.id && a.selected == b.selected && a.title == b.title;
                    });
    m_subtitleTracks = subtitles;
    if (changed)
        emit subtitleTracksChanged();
    return videos;
}

void VideoEngine::finishOpening()
{
    if (!m_loading || m_videoTracks < 0)
        return;
    if (m_videoTracks == 0) {
        m_loading = false;
        command({QStringLiteral("stop")});
        emit openFailed(tr("no video in it"));
        return;
    }
    if (!m_firstFrame)
        return;
    m_loading = false;
    m_open = true;
    emit opened();
}

void VideoEngine::endFile(int reason, int error)
{
    // The end of the film that a new file replaces comes before the new one starts.
    if (m_loading && m_started) {
        m_loading = false;
        emit openFailed(reason == MPV_END_FILE_REASON_ERROR
                            ? QString::fromUtf8(mpv_error_string(error))
                            : tr("it could not be opened"));
        return;
    }
    if (m_open && !m_loading) {
        m_open = false;
        emit closed();
    }
}

void VideoEngine::commandReplied(quint64 request, int error, const mpv_node* result)
{
    if (m_pendingGrabs.contains(request)) {
        if (error < 0)
            qWarning() << "VideoEngine: no frame to take:" << mpv_error_string(error);
        Grab& grab = m_pendingGrabs[request];
        grab.frame = error < 0 ? QImage() : frameFrom(result);
        grab.framed = true;
        grabAnswered(request);
        return;
    }
    if (m_pendingReloads.contains(request)) {
        const QString path = m_pendingReloads.take(request);
        // The track known here may already have been replaced by an earlier reload.
        if (error < 0) {
            removeSubtitles();
            addSubtitleFile(path);
        } else {
            emit subtitleAdded(path);
        }
        return;
    }
    if (m_pendingSubtitles.contains(request)) {
        const QString path = m_pendingSubtitles.take(request);
        if (error < 0)
            emit subtitleFailed(path, QString::fromUtf8(mpv_error_string(error)));
        else
            emit subtitleAdded(path);
        return;
    }
    if (error < 0)
        qDebug() << "VideoEngine: command" << request << "failed:" << mpv_error_string(error);
}

void VideoEngine::grabAnswered(quint64 request)
{
    const Grab grab = m_pendingGrabs.value(request);
    if (!grab.framed || !grab.timed)
        return;
    m_pendingGrabs.remove(request);
    emit frameGrabbed(request, grab.frame, grab.seconds);
}

// screenshot-raw hands over rows of "bgr0" pixels, which are RGB32 once the unused byte says
// opaque.
QImage VideoEngine::frameFrom(const mpv_node* result)
{
    const int width = int(intValue(result, "w"));
    const int height = int(intValue(result, "h"));
    const qint64 stride = intValue(result, "stride");
    const mpv_node* data = mapValue(result, "data");
    if (width <= 0 || height <= 0 || stride < qint64(width) * 4 || !data ||
        data->format != MPV_FORMAT_BYTE_ARRAY || stringValue(result, "format") != "bgr0" ||
        qint64(data->u.ba->size) < stride * height)
        return QImage();
    QImage frame(width, height, QImage::Format_RGB32);
    if (frame.isNull())
        return frame;
    const auto* bytes = static_cast<const uchar*>(data->u.ba->data);
    for (int y = 0; y < height; ++y) {
        const auto* source = reinterpret_cast<const quint32*>(bytes + stride * y);
        auto* target = reinterpret_cast<quint32*>(frame.scanLine(y));
        for (int x = 0; x < width; ++x)
            target[x] = source[x] | 0xff000000u;
    }
    return frame;
}

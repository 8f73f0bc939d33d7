#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QSize>
#include <QString>

#include <atomic>

struct mpv_event;
struct mpv_handle;
struct mpv_node;

// One film in libmpv: open, play, pause, seek, step, sound, subtitle tracks, and its frames
// taken at their own resolution with or without the subtitles drawn in. Every engine event
// reaches this object's thread through a queued wake-up, so the signals are emitted there and
// nothing here is ever called from the engine's threads.
class VideoEngine : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(VideoEngine)

public:
    enum class Output
    {
        FramesOnly, // decoded for grabs only: the sheet tool and probes, no window, no sound
        Rendered,   // drawn by a render context the caller creates on handle()
    };

    struct Track
    {
        int id = 0;
        QString title;
        QString language;
        bool external = false;
        bool selected = false;
        QString externalFile;
        int streamIndex = -1; // in the film's container, for tools that read it directly
    };

    explicit VideoEngine(Output output, QObject* parent = nullptr);
    ~VideoEngine() override;

    mpv_handle* handle() const { return m_mpv; }

    // Answered by opened() once the film is ready (paused on its first frame) or by
    // openFailed() with the reason; a file without moving pictures is refused.
    void open(const QString& path);
    bool isOpen() const { return m_open; }
    QString filePath() const { return m_path; }

    void setPaused(bool paused);
    bool isPaused() const { return m_paused; }
    // An exact seek shows the first frame from that time on; a fast one a nearby key frame.
    // Answered by restarted().
    void seek(double seconds, bool exact);
    // One frame on or back, exactly, as a seek; steps taken before the last one has arrived
    // count from where it goes.
    void stepFrame(bool forward);
    bool isSeeking() const { return m_seeking; }
    double position() const { return m_position; }
    double duration() const { return m_duration; }
    double fps() const { return m_fps; }
    // The frame shown, counted from 0 at the film's frame rate.
    qint64 frameNumber() const;
    QSize videoSize() const { return m_videoSize; }

    void setVolume(int percent);
    void setMuted(bool muted);

    // Answered by subtitleAdded() or subtitleFailed(); the file's track is then shown.
    void addSubtitleFile(const QString& path);
    // The file shown is read again after it changed on disk (or added when it is not shown);
    // answered as addSubtitleFile() is.
    void reloadSubtitleFile(const QString& path);
    // 0 shows no subtitle.
    void selectSubtitleTrack(int id);
    // Drops the subtitle files added and shows no subtitle.
    void removeSubtitles();
    QList<Track> subtitleTracks() const { return m_subtitleTracks; }
    int selectedSubtitleTrack() const;

    // Takes the frame on screen at the film's own size; answered by frameGrabbed() with the
    // returned number, the picture (null when no frame could be taken) and its time.
    quint64 grabFrame(bool withSubtitles);

signals:
    void opened();
    void openFailed(const QString& reason);
    void closed();
    // Every observed engine property that is a number or a flag, by its engine name.
    void propertyChanged(const QString& name, double value);
    // Every engine event, for as long as the slot runs.
    void eventReceived(mpv_event* event);
    void positionChanged(double seconds);
    void pausedChanged(bool paused);
    void subtitleTracksChanged();
    // A seek (or the opening) has put a new frame in place.
    void restarted();
    void endReached();
    void frameGrabbed(quint64 request, const QImage& frame, double seconds);
    void subtitleAdded(const QString& path);
    void subtitleFailed(const QString& path, const QString& reason);

private:
    static void wakeUp(void* engine);
    void setOption(const char* name, const char* value);
    quint64 command(const QStringList& arguments);
    void setFlag(const char* name, bool value);
    void drainEvents();
    void handleEvent(mpv_event* event);
    void handleProperty(const char* name, const mpv_node* value);
    // Takes the subtitle tracks; returns the number of moving-picture tracks.
    int readTracks(const mpv_node* list);
    void endFile(int reason, int error);
    void finishOpening();
    void handleTime(double seconds);
    void restartDone();
    void commandReplied(quint64 request, int error, const mpv_node* result);
    static QImage frameFrom(const mpv_node* result);

    mpv_handle* m_mpv = nullptr;
    std::atomic_bool m_wakeupQueued{false};
    QString m_path;
    // Opening: the file started, its tracks are read, its first frame is in place.
    bool m_loading = false;
    bool m_started = false;
    quint64 m_trackCheck = 0;
    quint64 m_restartTime = 0;
    int m_videoTracks = -1;
    bool m_firstFrame = false;
    bool m_open = false;
    bool m_paused = true;
    double m_position = 0;
    bool m_seeking = false;
    double m_seekTarget = 0;
    double m_duration = 0;
    double m_fps = 0;
    QSize m_videoSize;
    QList<Track> m_subtitleTracks;
    quint64 m_lastRequest = 0;
    QHash<quint64, QString> m_pendingSubtitles;
    QHash<quint64, QString> m_pendingReloads;
    // A grab is answered once both its picture and the time it was taken at have come.
    struct Grab
    {
        QImage frame;
        bool framed = false;
        double seconds = 0;
        bool timed = false;
    };
    void grabAnswered(quint64 request);
    QHash<quint64, Grab> m_pendingGrabs;
    QHash<quint64, quint64> m_grabTimes; // time request -> grab request
};

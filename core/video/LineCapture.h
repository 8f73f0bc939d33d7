#pragma once

#include <QImage>
#include <QList>
#include <QObject>

#include "core/captions/SubtitleFile.h"

class QTimer;
class VideoEngine;

// One still per subtitle line: the engine seeks exactly to the middle of each chosen line and
// hands over that frame, with the subtitle drawn in or without it. A frame identical to the one
// taken before it is left out when asked. Runs on the engine's events, so the caller's event
// loop keeps turning; cancelling keeps what was taken.
class LineCapture : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LineCapture)

public:
    explicit LineCapture(VideoEngine* engine, QObject* parent = nullptr);

    // `chosen` indexes `lines`; the engine must hold the film open (and, for subtitles drawn
    // in, the subtitle track shown).
    void start(const QList<SubtitleLine>& lines, const QList<int>& chosen, bool withSubtitles,
               bool skipRepeats);
    void cancel();
    bool isRunning() const { return m_running; }

signals:
    void captured(const QImage& frame, double seconds, int line);
    // `done` of `total` lines handled, whether or not they gave a still.
    void progress(int done, int total);
    void finished(int taken, bool cancelled);

private:
    void next();
    void restarted();
    void grabbed(quint64 request, const QImage& frame);
    void stop(bool cancelled);

    VideoEngine* m_engine;
    QTimer* m_stepTimeout;
    QList<SubtitleLine> m_lines;
    QList<int> m_chosen;
    bool m_withSubtitles = false;
    bool m_skipRepeats = false;
    bool m_running = false;
    bool m_seeking = false;
    int m_done = 0;
    int m_taken = 0;
    quint64 m_request = 0;
    QImage m_previous;
};

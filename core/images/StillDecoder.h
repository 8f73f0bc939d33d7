#pragma once

#include <deque>
#include <future>

#include "core/images/ImageLoader.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

// Decodes a run of stills on worker threads, a few ahead of the one the caller is using, so
// decoding overlaps the caller's work while memory stays bounded to a few pictures. Of a
// still whose canvas the caller needs only a region of, only that region is decoded when the
// picture allows it (ImageLoader::loadRegion).
class StillDecoder final
{
    Q_DISABLE_COPY_MOVE(StillDecoder)

public:
    struct Job
    {
        QString path;
        QRect region; // empty: the whole still
    };

    struct Still
    {
        QImage picture;    // null when the still cannot be read
        bool whole = true; // false: only the job's region, as that region of the canvas
        QPoint origin;     // where the picture lies on the canvas
        ImageLoader::Outcome outcome = ImageLoader::Outcome::Whole;
    };

    StillDecoder(QVector<Job> jobs, const QSize& canvasSize);
    // Waits for the decodes still running.
    ~StillDecoder();

    // The stills in the order of the jobs; call once per job.
    Still next();

private:
    static constexpr int kAhead = 3;

    static Still decode(const Job& job, const QSize& canvasSize);
    void refill();

    const QVector<Job> m_jobs;
    const QSize m_canvasSize;
    std::deque<std::future<Still>> m_pending;
    int m_next = 0;
};

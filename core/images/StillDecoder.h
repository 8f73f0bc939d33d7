#pragma once

#include "core/images/ImageCaption.h"
#include "core/images/ImageLoader.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

// Makes the stills of a sheet on worker threads, the calling thread among them, each straight
// into its place on the sheet: decoded (only the part the sheet shows, where the picture
// allows it: ImageLoader::loadRegion), letterboxed onto the shared canvas and captioned. No
// still is held whole unless its picture must be read whole; at most one decode per thread
// runs at a time, which bounds the memory.
class StillDecoder final
{
public:
    struct Job
    {
        QString path;
        QRect source;         // the part of the still's canvas the sheet shows, inside the canvas
        QPoint target;        // where that part lands on the sheet, inside the sheet
        ImageCaption caption; // drawn on the still as on its card; no text: none
        // The still already decoded, with its outcome; null: read from path.
        QImage picture;
        ImageLoader::Outcome outcome = ImageLoader::Outcome::Whole;
    };

    struct Result
    {
        ImageLoader::Outcome outcome = ImageLoader::Outcome::Unreadable;
        // The size of the still's own picture where it was read whole; invalid when only a
        // part of it was decoded, which happens only for a picture of the canvas size.
        QSize size;
    };

    // Runs every job on up to `threads` threads (0: one per core) and returns their results in
    // job order. Once a still cannot be read, the jobs not yet started are left undone (their
    // outcome stays Unreadable), as the sheet is then not written.
    static QVector<Result> run(const QVector<Job>& jobs, const QSize& canvasSize, QImage& sheet,
                               int threads = 0);

private:
    StillDecoder() = delete;
    static Result make(const Job& job, const QSize& canvasSize, QImage& band);
};

#include "core/images/StillDecoder.h"

#include "core/base/EveryCore.h"
#include "core/images/ImageComposer.h"
#include "core/images/RegionDecoder.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <vector>

StillDecoder::Result StillDecoder::make(const Job& job, const QSize& canvasSize, QImage& band)
{
    Result result;
    if (job.picture.isNull() && ImageLoader::loadRegion(job.path, canvasSize, job.source, band)) {
        result.outcome = ImageLoader::Outcome::Whole;
    } else {
        QImage picture = job.picture;
        result.outcome = job.outcome;
        if (picture.isNull())
            picture = ImageLoader::load(job.path, &result.outcome);
        if (picture.isNull())
            return result;
        result.size = picture.size();
        // The letterbox always gives an opaque RGB32 canvas, whose rows are the sheet's.
        const QImage canvas = ImageComposer::letterbox(std::move(picture), canvasSize);
        for (int y = 0; y < band.height(); ++y)
            std::memcpy(band.scanLine(y),
                        canvas.constScanLine(job.source.top() + y) + 4 * job.source.left(),
                        size_t(band.width()) * 4);
    }
    ImageComposer::composeInto(band, job.source.topLeft(), job.caption, canvasSize);
    return result;
}

QVector<StillDecoder::Result> StillDecoder::run(const QVector<Job>& jobs, const QSize& canvasSize,
                                                QImage& sheet, int threads)
{
    if (sheet.format() != QImage::Format_RGB32 || jobs.isEmpty())
        return QVector<Result>(jobs.size());
    std::vector<Result> results(size_t(jobs.size()));
    // The sheet's memory is taken once, here: each job writes rows of its own through a
    // picture that only views them, so the threads never share a picture object.
    uchar* const bits = sheet.bits();
    const qsizetype stride = sheet.bytesPerLine();
    const QRect sheetRect = sheet.rect();
    std::atomic_int next{0};
    std::atomic_bool failed{false};
    const auto work = [&] {
        for (int i = next++; i < jobs.size() && !failed; i = next++) {
            const Job& job = jobs.at(i);
            const QRect place(job.target, job.source.size());
            if (job.source.isEmpty() || !sheetRect.contains(place) ||
                !QRect(QPoint(0, 0), canvasSize).contains(job.source)) {
                results[size_t(i)].outcome = ImageLoader::Outcome::Whole;
                continue;
            }
            QImage band(bits + place.top() * stride + place.left() * 4, place.width(),
                        place.height(), stride, QImage::Format_RGB32);
            results[size_t(i)] = make(job, canvasSize, band);
            const ImageLoader::Outcome outcome = results[size_t(i)].outcome;
            if (outcome == ImageLoader::Outcome::Unreadable ||
                outcome == ImageLoader::Outcome::TooLarge)
                failed = true;
        }
        RegionDecoder::release();
    };
    runOnEveryCore(int(jobs.size()), work, threads);
    return QVector<Result>(results.begin(), results.end());
}

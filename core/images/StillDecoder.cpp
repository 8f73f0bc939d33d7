#include "core/images/StillDecoder.h"

#include <utility>

#include "core/images/ImageLoader.h"

StillDecoder::StillDecoder(QVector<Job> jobs, const QSize& canvasSize)
    : m_jobs(std::move(jobs)), m_canvasSize(canvasSize)
{
    refill();
}

StillDecoder::~StillDecoder() = default;

StillDecoder::Still StillDecoder::next()
{
    Still still = m_pending.front().get();
    m_pending.pop_front();
    refill();
    return still;
}

StillDecoder::Still StillDecoder::decode(const Job& job, const QSize& canvasSize)
{
    if (!job.region.isEmpty()) {
        QImage part = ImageLoader::loadRegion(job.path, canvasSize, job.region);
        if (!part.isNull())
            return {std::move(part), false, job.region.topLeft(), ImageLoader::Outcome::Whole};
    }
    ImageLoader::Outcome outcome = ImageLoader::Outcome::Unreadable;
    QImage whole = ImageLoader::load(job.path, &outcome);
    return {std::move(whole), true, QPoint(0, 0), outcome};
}

void StillDecoder::refill()
{
    // ImageLoader holds no state, so decodes may run side by side.
    while (m_next < m_jobs.size() && int(m_pending.size()) < kAhead)
        m_pending.push_back(std::async(std::launch::async, &StillDecoder::decode,
                                       m_jobs.at(m_next++), m_canvasSize));
}

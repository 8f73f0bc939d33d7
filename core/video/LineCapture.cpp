#include "core/video/LineCapture.h"

#include <QDebug>
#include <QTimer>

#include "core/video/VideoEngine.h"

namespace {
// A seek or grab the engine never answers (a damaged stretch of the film) skips its line
// instead of stopping the whole run.
constexpr int kStepTimeoutMs = 15000;
} // namespace

LineCapture::LineCapture(VideoEngine* engine, QObject* parent)
    : QObject(parent), m_engine(engine), m_stepTimeout(new QTimer(this))
{
    m_stepTimeout->setSingleShot(true);
    m_stepTimeout->setInterval(kStepTimeoutMs);
    connect(m_stepTimeout, &QTimer::timeout, this, [this] {
        qWarning() << "LineCapture: no frame for line" << m_chosen.value(m_done) << "- skipped";
        m_seeking = false;
        m_request = 0;
        ++m_done;
        emit progress(m_done, m_chosen.size());
        next();
    });
    connect(m_engine, &VideoEngine::restarted, this, &LineCapture::restarted);
    connect(m_engine, &VideoEngine::frameGrabbed, this, &LineCapture::grabbed);
}

void LineCapture::start(const QList<SubtitleLine>& lines, const QList<int>& chosen,
                        bool withSubtitles, bool skipRepeats)
{
    m_lines = lines;
    m_chosen.clear();
    for (int index : chosen) {
        if (index >= 0 && index < lines.size())
            m_chosen << index;
    }
    m_withSubtitles = withSubtitles;
    m_skipRepeats = skipRepeats;
    m_running = true;
    m_done = 0;
    m_taken = 0;
    m_previous = QImage();
    m_engine->setPaused(true);
    emit progress(0, m_chosen.size());
    next();
}

void LineCapture::cancel()
{
    if (m_running)
        stop(true);
}

void LineCapture::next()
{
    if (!m_running)
        return;
    if (m_done >= m_chosen.size()) {
        stop(false);
        return;
    }
    m_seeking = true;
    m_stepTimeout->start();
    m_engine->seek(m_lines.at(m_chosen.at(m_done)).middleSeconds(), true);
}

void LineCapture::restarted()
{
    if (!m_running || !m_seeking)
        return;
    m_seeking = false;
    m_request = m_engine->grabFrame(m_withSubtitles);
}

void LineCapture::grabbed(quint64 request, const QImage& frame)
{
    if (!m_running || request != m_request)
        return;
    m_request = 0;
    m_stepTimeout->stop();
    const int line = m_chosen.at(m_done);
    ++m_done;
    if (frame.isNull()) {
        qWarning() << "LineCapture: no frame for line" << line << "- skipped";
    } else if (m_skipRepeats && frame == m_previous) {
        qDebug() << "LineCapture: line" << line << "shows the frame taken before - skipped";
    } else {
        m_previous = frame;
        ++m_taken;
        emit captured(frame, m_lines.at(line).middleSeconds(), line);
    }
    // A slot may have cancelled the run.
    if (!m_running)
        return;
    emit progress(m_done, m_chosen.size());
    next();
}

void LineCapture::stop(bool cancelled)
{
    m_running = false;
    m_seeking = false;
    m_request = 0;
    m_stepTimeout->stop();
    m_previous = QImage();
    emit finished(m_taken, cancelled);
}

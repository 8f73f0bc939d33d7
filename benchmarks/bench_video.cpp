// Captures from a 1080p H.264 film (made here by ffmpeg: 2 minutes, x264's usual key frame
// every 10 s, 100 subtitle lines): one frame from the request to its card in the strip, and
// "Capture every line" for all 100 lines into the strip, beside the loop a user would write
// without Pictorb, `ffmpeg -ss T -i film -frames:v 1 still.png` once per line.

#include "core/images/CaptureData.h"
#include "core/video/LineCapture.h"
#include "core/video/VideoEngine.h"
#include "gui/images/ImagesWidget.h"

#include "benchmarks/BenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <QPixmap>
#include <QProcess>
#include <QTemporaryDir>

namespace {

constexpr int kLines = 100;

void quiet(QtMsgType, const QMessageLogContext&, const QString&)
{
}

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString film()
{
    return folder().filePath(QStringLiteral("film.mp4"));
}

// One line every 1.2 s, each 0.8 s long.
QList<SubtitleLine> lines()
{
    QList<SubtitleLine> list;
    for (int i = 0; i < kLines; ++i)
        list.append({qint64(i) * 1200 + 200, qint64(i) * 1200 + 1000,
                     QStringLiteral("Line number %1").arg(i + 1)});
    return list;
}

bool makeFilm()
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                  QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                  QStringLiteral("testsrc2=size=1920x1080:rate=25:duration=121"),
                  QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
                  QStringLiteral("veryfast"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"),
                  film()});
    return ffmpeg.waitForFinished(-1) && ffmpeg.exitCode() == 0;
}

template <typename Signal>
void waitFor(const typename QtPrivate::FunctionPointer<Signal>::Object* sender, Signal signal)
{
    QEventLoop loop;
    QObject::connect(sender, signal, &loop, &QEventLoop::quit);
    loop.exec();
}

void openFilm(VideoEngine& engine)
{
    engine.open(film());
    waitFor(&engine, &VideoEngine::opened);
}

// From the capture request to the card in the strip: the frame taken at 1920 x 1080, turned
// into the capture record and added (with its bytes kept for projects) as the window does.
void BM_CaptureOneFrame(benchmark::State& state)
{
    VideoEngine engine(VideoEngine::Output::FramesOnly);
    openFilm(engine);
    engine.seek(30.0, true);
    waitFor(&engine, &VideoEngine::restarted);
    ImagesWidget strip;
    QObject::connect(&engine, &VideoEngine::frameGrabbed, &strip,
                     [&strip](quint64, const QImage& frame, double seconds) {
                         AppConfig::CaptureData capture;
                         capture.image = QPixmap::fromImage(frame);
                         capture.position = seconds;
                         strip.addImage(QVariant::fromValue(capture));
                     });
    for (auto _ : state) {
        engine.grabFrame(false);
        waitFor(&engine, &VideoEngine::frameGrabbed);
        state.PauseTiming();
        strip.clearStills();
        state.ResumeTiming();
    }
    state.counters["ms_per_capture"] = benchmark::Counter(
        double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["ms_per_capture"] = state.counters["ms_per_capture"] * 1000.0;
}

// "Capture every line" as the window runs it: its own engine opened on the film, one exact
// seek and grab per line, each still a card of one batch.
void BM_CaptureEveryLine(benchmark::State& state)
{
    const QList<SubtitleLine> timed = lines();
    QList<int> all;
    for (int i = 0; i < kLines; ++i)
        all << i;
    for (auto _ : state) {
        ImagesWidget strip;
        VideoEngine engine(VideoEngine::Output::FramesOnly);
        openFilm(engine);
        LineCapture capture(&engine);
        QObject::connect(&capture, &LineCapture::captured, &strip,
                         [&strip, &timed](const QImage& frame, double seconds, int line) {
                             AppConfig::CaptureData data;
                             data.image = QPixmap::fromImage(frame);
                             data.position = seconds;
                             data.text = timed.at(line).text;
                             strip.addImage(QVariant::fromValue(data));
                         });
        strip.beginCaptureBatch();
        capture.start(timed, all, false, true);
        waitFor(&capture, &LineCapture::finished);
        strip.endCaptureBatch();
        if (strip.cards().size() != kLines)
            state.SkipWithError("not every line gave a still");
        state.PauseTiming();
        strip.clearStills();
        state.ResumeTiming();
    }
    state.counters["stills"] = kLines;
}

// The straightforward alternative: one ffmpeg run per line, seeking to the line's middle.
void BM_FfmpegLoop(benchmark::State& state)
{
    const QList<SubtitleLine> timed = lines();
    for (auto _ : state) {
        for (int i = 0; i < kLines; ++i) {
            QProcess ffmpeg;
            ffmpeg.start(
                QStringLiteral("ffmpeg"),
                {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                 QStringLiteral("-ss"), QString::number(timed.at(i).middleSeconds(), 'f', 3),
                 QStringLiteral("-i"), film(), QStringLiteral("-frames:v"), QStringLiteral("1"),
                 folder().filePath(QStringLiteral("still_%1.png").arg(i))});
            if (!ffmpeg.waitForFinished(-1) || ffmpeg.exitCode() != 0)
                state.SkipWithError("ffmpeg failed");
        }
    }
    state.counters["stills"] = kLines;
}

} // namespace

BENCHMARK(BM_CaptureOneFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
// A run of each takes tens of seconds; they follow each other, so both see the same load.
BENCHMARK(BM_CaptureEveryLine)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_FfmpegLoop)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char** argv)
{
    return runIsolatedBenchmarks(argc, argv, quiet, [] {
        if (!makeFilm())
            qFatal("ffmpeg could not make the film");
    });
}

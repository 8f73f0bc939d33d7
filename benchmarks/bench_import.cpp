// Importing 100 full-HD PNG stills into the real window (on a private X server), beside the
// same files decoded on every core with nothing else to do: the time until the last card is in
// and the preview shows the sheet, how soon the first card appears, and the longest time the
// window's event loop went without answering (a 1 ms timer that should fire every
// millisecond; its longest gap is how long a click or a key would have waited).

#include "core/base/AppConfig.h"
#include "core/images/ImageLoader.h"
#include "gui/application/GlobalManager.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImagesWidget.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/preview/PreviewWidget.h"

#include "benchmarks/BenchmarkMain.h"
#include "benchmarks/FilmStills.h"
#include "benchmarks/XvfbDisplay.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QRunnable>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <atomic>

namespace {

constexpr int kCount = 100;

void quiet(QtMsgType, const QMessageLogContext&, const QString&)
{
}

const QStringList& stills()
{
    static QTemporaryDir dir;
    static const QStringList paths = writeFilmStills(dir.path(), kCount);
    return paths;
}

// The alternative: every file decoded by the loader the window uses, one thread per core.
void BM_ParallelDecode(benchmark::State& state)
{
    for (auto _ : state) {
        QThreadPool pool;
        pool.setMaxThreadCount(QThread::idealThreadCount());
        std::atomic<int> decoded{0};
        for (const QString& path : stills()) {
            pool.start(QRunnable::create([path, &decoded] {
                if (!ImageLoader::load(path).isNull())
                    ++decoded;
            }));
        }
        pool.waitForDone();
        if (decoded != kCount)
            state.SkipWithError("not every still decoded");
    }
    state.counters["stills_per_s"] =
        benchmark::Counter(double(kCount) * state.iterations(), benchmark::Counter::kIsRate);
}

// The longest wait of the event loop between two runs of a timer due every millisecond.
class StallProbe : public QObject
{
public:
    StallProbe()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_longest = std::max(m_longest, now - m_last);
            m_last = now;
        });
        m_clock.start();
        m_last = m_clock.nsecsElapsed();
        m_timer.start();
    }
    double longestMs() const { return double(m_longest) / 1e6; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

void BM_WindowImport(benchmark::State& state)
{
    double longest = 0;
    double firstCard = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<MainWindow>();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            state.SkipWithError("the window was not shown");
        ImagesWidget* strip = window->imagesWidget();
        QElapsedTimer clock;
        qint64 first = 0;
        QObject::connect(strip, &ImagesWidget::selectImageItemSignal, strip, [&first, &clock] {
            if (first == 0)
                first = clock.nsecsElapsed();
        });
        state.ResumeTiming();

        clock.start();
        StallProbe probe;
        strip->importFiles(stills());
        while (strip->isImporting())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        // The preview merges once the batch is in.
        QCoreApplication::processEvents();
        if (strip->cards().size() != kCount ||
            !window->previewWidget()->pictureLabel()->isVisible())
            state.SkipWithError("not every still became a card of the sheet");
        longest = std::max(longest, probe.longestMs());
        firstCard = std::max(firstCard, double(first) / 1e6);

        state.PauseTiming();
        window.reset();
        GlobalManager::instance()->selectedItems().clear();
        state.ResumeTiming();
    }
    state.counters["stills_per_s"] =
        benchmark::Counter(double(kCount) * state.iterations(), benchmark::Counter::kIsRate);
    state.counters["longest_stall_ms"] = longest;
    state.counters["first_card_ms"] = firstCard;
}

BENCHMARK(BM_ParallelDecode)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_WindowImport)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    XvfbDisplay display;
    if (!display.isRunning()) {
        qWarning("bench_import: no private X server could be started (is Xvfb installed?)");
        return 1;
    }
    display.use();
    // The stills are written before anything is timed.
    return runIsolatedBenchmarks(argc, argv, quiet, [] { stills(); });
}

// Importing 100 full-HD JPEG stills through the strip, decoded on worker threads, beside a
// plain single-threaded decode loop of the same files.

#include "core/base/AppConfig.h"
#include "core/images/ImageLoader.h"
#include "core/images/ImportQueue.h"
#include "gui/application/GlobalManager.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImageListViewDialog.h"
#include "gui/images/ImagesWidget.h"

#include "benchmarks/BenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kCount = 100;

void quiet(QtMsgType, const QMessageLogContext&, const QString&)
{
}

const QStringList& stills()
{
    static QTemporaryDir dir;
    static const QStringList paths = [] {
        QStringList list;
        QImage image(1920, 1080, QImage::Format_RGB32);
        for (int i = 0; i < kCount; ++i) {
            QPainter painter(&image);
            painter.fillRect(image.rect(), QColor::fromHsv((i * 37) % 360, 160, 180));
            painter.setBrush(Qt::white);
            painter.drawEllipse(QPoint(200 + i * 15, 500), 150, 150);
            painter.end();
            list << dir.filePath(QStringLiteral("still_%1.jpg").arg(i));
            image.save(list.last(), "JPG", 90);
        }
        return list;
    }();
    return paths;
}

void BM_DecodeLoop(benchmark::State& state)
{
    for (auto _ : state) {
        for (const QString& path : stills())
            benchmark::DoNotOptimize(ImageLoader::load(path).constBits());
    }
    state.counters["stills_per_s"] =
        benchmark::Counter(double(kCount) * state.iterations(), benchmark::Counter::kIsRate);
}

// The worker decode alone, handed back in order, with no cards made.
void BM_QueueOnly(benchmark::State& state)
{
    for (auto _ : state) {
        ImportQueue queue;
        int n = 0;
        QObject::connect(&queue, &ImportQueue::pictureReady, [&n] { ++n; });
        queue.enqueue(stills());
        while (queue.isRunning())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (n != kCount)
            state.SkipWithError("not every still was handed back");
    }
    state.counters["stills_per_s"] =
        benchmark::Counter(double(kCount) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_QueueOnly)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_StripImport(benchmark::State& state)
{
    for (auto _ : state) {
        ImagesWidget strip;
        strip.show();
        strip.importFiles(stills());
        while (strip.isImporting())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (strip.cards().size() != kCount)
            state.SkipWithError("not every still became a card");
        state.PauseTiming();
        GlobalManager::instance()->selectedItems().clear();
        state.ResumeTiming();
    }
    state.counters["stills_per_s"] =
        benchmark::Counter(double(kCount) * state.iterations(), benchmark::Counter::kIsRate);
}

// The same import done file by file on the GUI thread, which freezes the window meanwhile.
void BM_StripImportOnGuiThread(benchmark::State& state)
{
    for (auto _ : state) {
        ImagesWidget strip;
        strip.show();
        for (const QString& path : stills())
            strip.importFile(path);
        state.PauseTiming();
        GlobalManager::instance()->selectedItems().clear();
        state.ResumeTiming();
    }
    state.counters["stills_per_s"] =
        benchmark::Counter(double(kCount) * state.iterations(), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_DecodeLoop)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_StripImportOnGuiThread)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_StripImport)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    // The stills are written before anything is timed.
    return runIsolatedBenchmarks(argc, argv, quiet, [] { stills(); });
}

// Peak memory of a sheet of 50 full-HD stills imported through the window and merged
// vertically, against the decoded size of the stills themselves.

#include "core/base/AppConfig.h"
#include "gui/application/GlobalManager.h"
#include "gui/images/ImageListViewDialog.h"
#include "gui/images/ImagesWidget.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/preview/PreviewWidget.h"

#include "benchmarks/BenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

constexpr int kCount = 50;

void quiet(QtMsgType, const QMessageLogContext&, const QString&)
{
}

// Peak resident set of this process so far, in bytes.
double peakResidentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QRegularExpression line(QStringLiteral("VmHWM:\\s+(\\d+) kB"));
    const QRegularExpressionMatch match = line.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toDouble() * 1024 : 0;
}

QStringList writeStills(const QTemporaryDir& dir)
{
    QStringList paths;
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (int i = 0; i < kCount; ++i) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), QColor::fromHsv((i * 37) % 360, 160, 180));
        painter.end();
        paths << dir.filePath(QStringLiteral("still_%1.jpg").arg(i));
        image.save(paths.last(), "JPG", 90);
    }
    return paths;
}

void BM_PeakMemoryOfSheet(benchmark::State& state)
{
    QTemporaryDir dir;
    const QStringList paths = writeStills(dir);
    const double decoded = double(kCount) * 1920 * 1080 * 4;
    for (auto _ : state) {
        MainWindow window;
        window.show();
        window.imagesWidget()->importFiles(paths);
        while (window.imagesWidget()->isImporting())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
        if (window.previewWidget()->mergedImage().height() != kCount * 1080)
            state.SkipWithError("the sheet was not merged");
    }
    const double peak = peakResidentBytes();
    state.counters["decoded_MB"] = decoded / 1e6;
    state.counters["peak_rss_MB"] = peak / 1e6;
    state.counters["peak_over_decoded"] = peak / decoded;
}

BENCHMARK(BM_PeakMemoryOfSheet)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    return runIsolatedBenchmarks(argc, argv, quiet);
}

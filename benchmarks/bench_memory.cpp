// Resident memory of the real window (on a private X server) with 30 full-HD PNG stills
// imported and merged into a vertical stack, against the decoded size of the stills: the peak
// while importing, the steady state, and the peaks while typing a caption, while the session
// is written and while stills are deleted and brought back by undo (the history keeps their
// pixels). Each peak is the process's high-water mark since the step before.

#include "core/base/AppConfig.h"
#include "gui/application/GlobalManager.h"
#include "gui/application/History.h"
#include "gui/editor/CaptionStyleEditor.h"
#include "gui/editor/VideoPlayWidget.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImagesWidget.h"
#include "gui/mainwindow/CollectionDocument.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/preview/PreviewWidget.h"

#include "benchmarks/BenchmarkMain.h"
#include "benchmarks/FilmStills.h"
#include "benchmarks/XvfbDisplay.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QUndoStack>

#include <algorithm>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kCount = 30;

void quiet(QtMsgType, const QMessageLogContext&, const QString&)
{
}

QStringList& stills()
{
    static QStringList paths;
    return paths;
}

// "VmRSS" (now) or "VmHWM" (the peak since the last reset) of this process, in MB.
double residentMB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QRegularExpression line(QStringLiteral("%1:\\s+(\\d+) kB").arg(QLatin1String(field)));
    const QRegularExpressionMatch match = line.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toDouble() * 1024 / 1e6 : 0;
}

// Starts a new high-water mark at the present resident size.
void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

void runFor(int ms)
{
    QTest::qWait(ms);
}

void BM_MemoryOfSheet(benchmark::State& state)
{
    const double decoded = double(kCount) * 1920 * 1080 * 4 / 1e6;
    for (auto _ : state) {
        MainWindow window;
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            state.SkipWithError("the window was not shown");
        runFor(300);
        state.counters["window_MB"] = residentMB("VmRSS");
        resetPeak();

        window.imagesWidget()->importFiles(stills());
        while (window.imagesWidget()->isImporting())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        runFor(500);
        if (window.imagesWidget()->cards().size() != kCount ||
            !window.previewWidget()->pictureLabel()->isVisible())
            state.SkipWithError("the sheet was not merged");
        double peak = residentMB("VmHWM");
        state.counters["import_peak_MB"] = peak;
        state.counters["steady_MB"] = residentMB("VmRSS");

        resetPeak();
        ImageItem* card = window.imagesWidget()->cards().at(kCount / 2);
        QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(card->width() / 2, 10));
        QTextEdit* text = window.videoPlayWidget()->captionEditor()->textEdit();
        text->setFocus();
        for (const QChar c : QStringLiteral("Where were you last night")) {
            QTest::keyClicks(text, QString(c));
            runFor(15);
        }
        runFor(300);
        state.counters["typing_peak_MB"] = residentMB("VmHWM");
        peak = std::max(peak, residentMB("VmHWM"));

        resetPeak();
        window.document()->saveSessionNow();
        runFor(300);
        state.counters["session_peak_MB"] = residentMB("VmHWM");
        peak = std::max(peak, residentMB("VmHWM"));

        resetPeak();
        for (int i = 0; i < 5; ++i)
            window.imagesWidget()->deleteImage(window.imagesWidget()->cards().first());
        runFor(300);
        for (int i = 0; i < 5; ++i)
            window.document()->history()->stack()->undo();
        runFor(500);
        if (window.imagesWidget()->cards().size() != kCount)
            state.SkipWithError("undo did not bring the stills back");
        state.counters["delete_undo_peak_MB"] = residentMB("VmHWM");
        peak = std::max(peak, residentMB("VmHWM"));

        state.counters["decoded_MB"] = decoded;
        state.counters["peak_MB"] = peak;
        state.counters["limit_MB"] = 1.5 * decoded + 120;
        GlobalManager::instance()->selectedItems().clear();
    }
}

BENCHMARK(BM_MemoryOfSheet)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    // Written by a child process, so none of the memory it takes is counted here.
    QTemporaryDir dir;
    const pid_t writer = fork();
    if (writer == 0) {
        writeFilmStills(dir.path(), kCount);
        _exit(0);
    }
    waitpid(writer, nullptr, 0);
    for (int i = 0; i < kCount; ++i)
        stills() << dir.filePath(QStringLiteral("still_%1.png").arg(i, 3, 10, QLatin1Char('0')));

    XvfbDisplay display;
    if (!display.isRunning()) {
        qWarning("bench_memory: no private X server could be started (is Xvfb installed?)");
        return 1;
    }
    display.use();
    return runIsolatedBenchmarks(argc, argv, quiet);
}

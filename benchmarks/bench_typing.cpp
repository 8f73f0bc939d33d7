// Typing into the subtitle box of a sheet of 30 full-HD stills: from the key event to the
// card, the editing panel and the preview showing the new text, through the real window, with
// the undo history recording and the session written a moment after each key (autosave 1) or
// never (autosave 0). Beside it, the straightforward path that merges and rescales the whole
// sheet on every key.

#include "core/base/AppConfig.h"
#include "core/preview/MergeLayout.h"
#include "gui/application/GlobalManager.h"
#include "gui/editor/CaptionStyleEditor.h"
#include "gui/editor/VideoPlayWidget.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImageListViewDialog.h"
#include "gui/images/ImagesWidget.h"
#include "gui/mainwindow/CollectionDocument.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/preview/PreviewWidget.h"
#include "gui/widgets/PropertyItem.h"

#include "benchmarks/BenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <memory>

namespace {

constexpr int kCount = 30;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

void quiet(QtMsgType, const QMessageLogContext&, const QString&)
{
}

QImage still(int index)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x)
            line[x] = qRgb(index * 12, (y / 4) & 0xff, (x / 8) & 0xff);
    }
    return image;
}

// One window with the stills imported, ticked and the first one selected for editing.
struct Sheet
{
    Sheet()
    {
        for (int i = 0; i < kCount; ++i) {
            const QString path = files.filePath(QStringLiteral("still_%1.bmp").arg(i));
            still(i).save(path);
            window.imagesWidget()->importFile(path);
        }
        window.resize(1100, 741);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the window was not shown");
        ImageItem* first = window.imagesWidget()->cards().first();
        QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(first->width() / 2, 10));
        text()->setFocus();
        QTest::keyClicks(text(), QStringLiteral("Where were you last night"));
        QApplication::processEvents();
    }

    QTextEdit* text() const { return window.videoPlayWidget()->captionEditor()->textEdit(); }

    void setYSpace(int space)
    {
        window.previewWidget()
            ->property(PreviewWidget::YSpace)
            ->setValue(QString::number(space), false);
        QApplication::processEvents();
    }

    QTemporaryDir files;
    MainWindow window;
};

Sheet& sheet()
{
    static Sheet instance;
    return instance;
}

// Type one letter and take it back, timing each key on its own.
template <typename Key> void typeAndErase(benchmark::State& state, Key key)
{
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        key(Qt::Key_A, 'a');
        const double typed = timer.nsecsElapsed() * 1e-9;
        timer.start();
        key(Qt::Key_Backspace, '\b');
        state.SetIterationTime((typed + timer.nsecsElapsed() * 1e-9) / 2);
    }
}

void BM_TypingLatency(benchmark::State& state)
{
    Sheet& s = sheet();
    s.setYSpace(int(state.range(0)));
    const bool autosave = state.range(1) != 0;
    s.window.document()->setAutosaveEnabled(autosave);
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        QTest::keyClick(s.text(), Qt::Key_A);
        const double typed = timer.nsecsElapsed() * 1e-9;
        timer.start();
        QTest::keyClick(s.text(), Qt::Key_Backspace);
        state.SetIterationTime((typed + timer.nsecsElapsed() * 1e-9) / 2);
        // Untimed, with or without autosave so both meet the next key after the same pause:
        // the session write starts, so the next key meets it at work.
        while (timer.elapsed() < CollectionDocument::kAutosaveDelayMs + 20)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

// What every key would cost done literally: the card redrawn, the whole sheet merged again,
// and both the sheet and the card rescaled in full for display.
void BM_StraightforwardKey(benchmark::State& state)
{
    Sheet& s = sheet();
    s.setYSpace(int(state.range(0)));
    ImageItem* card = s.window.imagesWidget()->cards().first();
    QLabel* panelLabel = s.window.videoPlayWidget()->pictureLabel();
    MergeLayout::Params params;
    params.type = MergeLayout::Vertical;
    params.ySpace = int(state.range(0));
    const QSize display(480, 480);
    typeAndErase(state, [&](Qt::Key, char letter) {
        QString& text = card->caption()->text;
        text = letter == '\b' ? text.chopped(1) : text + QLatin1Char(letter);
        card->updateImage();
        QList<QImage> images;
        for (ImageItem* item : GlobalManager::instance()->selectedItems())
            images << item->composedImage();
        const QImage merged = MergeLayout::merge(images, params);
        const QPixmap shown = QPixmap::fromImage(
            merged.scaled(display, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        const QPixmap panel = card->composedPixmap().scaled(panelLabel->size(), Qt::KeepAspectRatio,
                                                            Qt::SmoothTransformation);
        benchmark::DoNotOptimize(shown.cacheKey() + panel.cacheKey());
    });
}

void spaces(benchmark::internal::Benchmark* bench)
{
    bench->ArgName("y_space")->Arg(0)->Arg(-900);
    bench->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
    bench->Repetitions(3)->DisplayAggregatesOnly(true);
}

void spacesAndAutosave(benchmark::internal::Benchmark* bench)
{
    bench->ArgNames({"y_space", "autosave"})->ArgsProduct({{0, -900}, {0, 1}});
    bench->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
    bench->Repetitions(3)->DisplayAggregatesOnly(true);
}

BENCHMARK(BM_TypingLatency)->Apply(spacesAndAutosave);
BENCHMARK(BM_StraightforwardKey)->Apply(spaces);

} // namespace

int main(int argc, char** argv)
{
    return runIsolatedBenchmarks(argc, argv, quiet);
}

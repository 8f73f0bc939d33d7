// The merge of 20 full-HD pictures in each layout, beside the plain memory work it cannot
// avoid (a fresh canvas filled white plus one copy of the pictures' bytes), and the preview
// refresh of the same pictures, which must merge once, not twice.

#include "core/base/AppConfig.h"
#include "core/preview/MergeLayout.h"
#include "gui/application/GlobalManager.h"
#include "gui/images/ImageItem.h"
#include "gui/preview/PreviewWidget.h"
#include "gui/widgets/PropertyItem.h"

#include "benchmarks/BenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int kCount = 20;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

int g_merges = 0;

void countMerges(QtMsgType, const QMessageLogContext&, const QString& message)
{
    // Every merge logs its layout once; nothing else is printed while measuring.
    if (message.startsWith(QLatin1String("other image's")) ||
        message.startsWith(QLatin1String("getGroupPixmap Grid")))
        ++g_merges;
}

const QList<QImage>& pictures()
{
    static const QList<QImage> list = [] {
        QList<QImage> images;
        for (int i = 0; i < kCount; ++i) {
            QImage image(kWidth, kHeight, QImage::Format_RGB32);
            for (int y = 0; y < kHeight; ++y) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < kWidth; ++x)
                    line[x] = qRgb(i * 12, y & 0xff, x & 0xff);
            }
            images << image;
        }
        return images;
    }();
    return list;
}

MergeLayout::Params layout(int type, int space)
{
    MergeLayout::Params params;
    params.type = type;
    params.columns = 4;
    params.xSpace = type == MergeLayout::Grid ? 10 : space;
    params.ySpace = type == MergeLayout::Grid ? 10 : space;
    return params;
}

// Canvas bytes and copied bytes of a layout, from its plan.
std::pair<size_t, size_t> byteCounts(const MergeLayout::Params& params)
{
    QVector<QSize> sizes;
    for (const QImage& image : pictures())
        sizes << image.size();
    const MergeLayout::Plan plan = MergeLayout::plan(sizes, params);
    size_t copied = 0;
    for (const MergeLayout::Placement& placement : plan.placements)
        copied += size_t(placement.source.width()) * size_t(placement.source.height()) * 4;
    return {size_t(plan.width) * size_t(plan.height) * 4, copied};
}

void BM_Merge(benchmark::State& state)
{
    const MergeLayout::Params params = layout(int(state.range(0)), int(state.range(1)));
    const QList<QImage>& images = pictures();
    g_merges = 0;
    for (auto _ : state) {
        QImage sheet = MergeLayout::merge(images, params);
        benchmark::DoNotOptimize(sheet.constBits());
    }
    const auto bytes = byteCounts(params);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.first + bytes.second));
}

// The floor: a fresh buffer of the canvas size filled white, then the same number of bytes
// copied into it as the merge copies.
void BM_FillAndCopy(benchmark::State& state)
{
    const MergeLayout::Params params = layout(int(state.range(0)), int(state.range(1)));
    const auto bytes = byteCounts(params);
    const QList<QImage>& images = pictures();
    const size_t perPicture = bytes.second / images.size();
    for (auto _ : state) {
        std::unique_ptr<uchar[]> canvas(new uchar[bytes.first]);
        std::memset(canvas.get(), 0xff, bytes.first);
        size_t offset = 0;
        for (const QImage& image : images) {
            std::memcpy(canvas.get() + offset, image.constBits(), perPicture);
            offset += perPicture;
        }
        benchmark::DoNotOptimize(canvas.get());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.first + bytes.second));
}

void layoutArguments(benchmark::internal::Benchmark* bench)
{
    bench->ArgNames({"layout", "space"});
    bench->Args({MergeLayout::Grid, 10});
    bench->Args({MergeLayout::Vertical, 0});
    bench->Args({MergeLayout::Vertical, -900});
    bench->Args({MergeLayout::Horizontal, 0});
    bench->Unit(benchmark::kMillisecond);
    bench->UseRealTime();
}

BENCHMARK(BM_Merge)->Apply(layoutArguments);
BENCHMARK(BM_FillAndCopy)->Apply(layoutArguments);

struct PreviewFixture
{
    PreviewFixture()
    {
        for (const QImage& image : pictures()) {
            auto card = std::make_unique<ImageItem>();
            card->setCanvasSize(kWidth, kHeight);
            card->setImage(image);
            card->setCaption(std::make_shared<ImageCaption>());
            card->setChecked(true);
            GlobalManager::instance()->selectedItems().append(card.get());
            cards.push_back(std::move(card));
        }
        panel.resize(800, 900);
        panel.show();
        QApplication::processEvents();
    }
    ~PreviewFixture() { GlobalManager::instance()->selectedItems().clear(); }

    std::vector<std::unique_ptr<ImageItem>> cards;
    PreviewWidget panel;
};

// One refresh after the selection changed: one merge, the fit and the scaled display copy.
void BM_ShowImageAfterChange(benchmark::State& state)
{
    PreviewFixture fixture;
    QList<ImageItem*>& selected = GlobalManager::instance()->selectedItems();
    g_merges = 0;
    for (auto _ : state) {
        // Reordering the ticked cards changes the sheet, as a new tick would.
        selected.swapItemsAt(0, selected.size() - 1);
        fixture.panel.showImage();
    }
    state.counters["merges_per_refresh"] =
        benchmark::Counter(double(g_merges) / double(state.iterations()));
}

// A refresh with nothing changed (a property retyped, the viewer updated): no merge at all.
void BM_ShowImageUnchanged(benchmark::State& state)
{
    PreviewFixture fixture;
    fixture.panel.showImage();
    g_merges = 0;
    for (auto _ : state)
        fixture.panel.showImage();
    state.counters["merges_per_refresh"] =
        benchmark::Counter(double(g_merges) / double(state.iterations()));
}

BENCHMARK(BM_ShowImageAfterChange)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ShowImageUnchanged)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return runIsolatedBenchmarks(argc, argv, countMerges, [] {
        GlobalManager::instance()->setSetting(AppConfig::kRadioType, 1u);
    });
}

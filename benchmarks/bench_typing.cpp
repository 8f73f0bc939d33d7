// Typing into the subtitle box of the real window on a private X server: each key goes through
// the X server as a typed one does (XTest) and is timed until the card, the editing panel and
// the preview have painted the new text and the X server has taken those frames, for 30 and
// for 4 full-HD stills stacked vertically, editing a card in the middle. Keys are timed one at
// a time, with the session written a second after each change (autosave 1) or never
// (autosave 0), and as a burst of 40 keys 30 ms apart, timed from the last key.

#include "core/base/AppConfig.h"
#include "gui/application/GlobalManager.h"
#include "gui/editor/CaptionStyleEditor.h"
#include "gui/editor/VideoPlayWidget.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImagesWidget.h"
#include "gui/mainwindow/CollectionDocument.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/preview/PreviewWidget.h"
#include "gui/widgets/PropertyItem.h"

#include "benchmarks/BenchmarkMain.h"
#include "benchmarks/XvfbDisplay.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QScrollArea>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <memory>
#include <thread>
#include <vector>

// Xlib last: its macros (KeyPress, None, Bool...) would clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
// Once every picture has painted, a picture painting again later still counts; this long
// without a paint ends the wait.
constexpr int kQuietMs = 150;
const QString kBurst = QStringLiteral("and then we drove home without a word ");

void quiet(QtMsgType, const QMessageLogContext&, const QString&)
{
}

QElapsedTimer& clock()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return timer;
}

// Keys typed through the X server, as the keyboard would; a connection of its own, so keys can
// be typed from another thread while the window is busy.
class Keyboard
{
public:
    Keyboard() : m_display(XOpenDisplay(nullptr)) {}
    ~Keyboard()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    Keyboard(const Keyboard&) = delete;
    Keyboard& operator=(const Keyboard&) = delete;

    bool isOpen() const { return m_display != nullptr; }
    void type(KeySym symbol)
    {
        const KeyCode code = XKeysymToKeycode(m_display, symbol);
        XTestFakeKeyEvent(m_display, code, True, CurrentTime);
        XTestFakeKeyEvent(m_display, code, False, CurrentTime);
        XFlush(m_display);
    }
    static KeySym symbol(QChar c) { return c == QLatin1Char(' ') ? XK_space : KeySym(c.unicode()); }

private:
    Display* m_display;
};

// When each watched picture last painted, and when the X server had taken the last frame that
// held one of them: after a paint the window hands its frame to the server, and a round trip
// to the server afterwards (QGuiApplication::sync) returns once the server has read it.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(const QList<QWidget*>& widgets)
    {
        for (QWidget* widget : widgets) {
            m_widgets << widget;
            widget->installEventFilter(this);
        }
    }

    void reset()
    {
        m_painted.clear();
        m_lastPaint = 0;
        m_lastShown = 0;
    }
    // Every watched picture painted after `since`.
    bool allPaintedAfter(qint64 since) const
    {
        for (const QPointer<QWidget>& widget : m_widgets) {
            if (m_painted.value(widget.data(), 0) <= since)
                return false;
        }
        return true;
    }
    qint64 lastPaint() const { return m_lastPaint; }
    qint64 lastShown() const { return m_lastShown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        m_lastPaint = clock().nsecsElapsed();
        m_painted[watched] = m_lastPaint;
        // Queued: it runs once this paint pass has ended and its frame has been flushed.
        if (!m_syncQueued) {
            m_syncQueued = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_syncQueued = false;
                    QGuiApplication::sync();
                    m_lastShown = clock().nsecsElapsed();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QList<QPointer<QWidget>> m_widgets;
    QHash<QObject*, qint64> m_painted;
    qint64 m_lastPaint = 0;
    qint64 m_lastShown = 0;
    bool m_syncQueued = false;
};

QImage still(int index)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x)
            line[x] = qRgb(index * 8, (y / 4) & 0xff, (x / 8) & 0xff);
    }
    return image;
}

// Runs the window until `done` holds, waking at least every few milliseconds.
bool runUntil(const std::function<bool()>& done, int timeoutMs)
{
    QTimer tick;
    tick.start(2);
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// One window with the stills imported and ticked, stacked vertically, a card in the middle
// selected for editing and its subtitle box holding the keyboard.
struct Sheet
{
    explicit Sheet(int count)
    {
        QStringList paths;
        for (int i = 0; i < count; ++i) {
            paths << files.filePath(QStringLiteral("still_%1.bmp").arg(i, 2, 10, QLatin1Char('0')));
            still(i).save(paths.last());
        }
        window.show();
        window.imagesWidget()->importFiles(paths);
        runUntil([this] { return !window.imagesWidget()->isImporting(); }, 120000);
        window.previewWidget()->layoutButton(1)->click();
        window.previewWidget()
            ->property(PreviewWidget::YSpace)
            ->setValue(QStringLiteral("0"), false);
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the window did not become active");
        card = window.imagesWidget()->cards().at(count / 2);
        QTest::qWait(300); // the strip scrolls to its newest card a moment after an import
        for (QWidget* parent = card->parentWidget(); parent; parent = parent->parentWidget()) {
            if (auto* strip = qobject_cast<QScrollArea*>(parent))
                strip->ensureWidgetVisible(card);
        }
        QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(card->width() / 2, 10));
        // A film's subtitle size, outlined: the costly caption to draw.
        CaptionStyleEditor* editor = window.videoPlayWidget()->captionEditor();
        editor->property(CaptionStyleEditor::Size)->setValue(QStringLiteral("40"), false);
        editor->property(CaptionStyleEditor::Border)->setValue(QStringLiteral("2"), false);
        text()->setFocus();
        QTest::keyClicks(text(), QStringLiteral("Where were you last night"));
        watch = std::make_unique<PaintWatch>(QList<QWidget*>{
            card->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly),
            window.videoPlayWidget()->pictureLabel(), window.previewWidget()->pictureLabel()});
        // The first session write keeps every still; later ones find them kept.
        window.document()->saveSessionNow();
        settle();
    }

    QTextEdit* text() const { return window.videoPlayWidget()->captionEditor()->textEdit(); }

    void settle()
    {
        qint64 last = -1;
        runUntil(
            [this, &last] {
                if (watch->lastPaint() != last) {
                    last = watch->lastPaint();
                    m_quietSince.start();
                }
                return m_quietSince.isValid() && m_quietSince.elapsed() >= kQuietMs;
            },
            20000);
        m_quietSince.invalidate();
    }

    // Types one key and returns the milliseconds until all three pictures were shown with it.
    double timeKey(KeySym symbol)
    {
        watch->reset();
        const qint64 pressed = clock().nsecsElapsed();
        keyboard.type(symbol);
        if (!runUntil([&] { return watch->allPaintedAfter(pressed); }, 10000))
            return -1;
        settle();
        return double(watch->lastShown() - pressed) / 1e6;
    }

    QTemporaryDir files;
    MainWindow window;
    ImageItem* card = nullptr;
    Keyboard keyboard;
    std::unique_ptr<PaintWatch> watch;
    QElapsedTimer m_quietSince;
};

Sheet*& current()
{
    static Sheet* instance = nullptr;
    return instance;
}

// One sheet at a time, gone before the application object (and its X connection) is.
Sheet& sheet(int count)
{
    Sheet*& instance = current();
    if (!instance || instance->window.imagesWidget()->cards().size() != count) {
        delete std::exchange(instance, nullptr);
        GlobalManager::instance()->selectedItems().clear();
        instance = new Sheet(count);
        qAddPostRoutine([] { delete std::exchange(current(), nullptr); });
    }
    return *instance;
}

void report(benchmark::State& state, std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    // Nearest rank: the smallest sample with at least that share of them at or below it.
    const auto at = [&samples](double share) {
        const size_t rank = size_t(std::ceil(share * double(samples.size())));
        return samples.at(std::clamp<size_t>(rank, 1, samples.size()) - 1);
    };
    state.counters["median_ms"] = at(0.5);
    state.counters["p95_ms"] = at(0.95);
    state.counters["max_ms"] = samples.back();
    state.counters["keys"] = double(samples.size());
}

// One key at a time: a letter, then Backspace, each timed on its own.
void BM_KeyToScreen(benchmark::State& state)
{
    Sheet& s = sheet(int(state.range(0)));
    s.window.document()->setAutosaveEnabled(state.range(1) != 0);
    std::vector<double> samples;
    for (auto _ : state) {
        for (int i = 0; i < 12; ++i) {
            for (KeySym key : {KeySym(XK_a), KeySym(XK_BackSpace)}) {
                const double ms = s.timeKey(key);
                if (ms < 0) {
                    state.SkipWithError("a picture was not painted");
                    return;
                }
                samples.push_back(ms);
                // With or without autosave both meet the next key after the same pause: the
                // session write has just started, so the next key meets it at work.
                QTest::qWait(CollectionDocument::kAutosaveDelayMs + 20 - kQuietMs);
            }
        }
        state.SetIterationTime(samples.at(samples.size() / 2) / 1e3);
    }
    report(state, samples);
}

// 40 keys typed 30 ms apart by another thread, as fast typing arrives whatever the window is
// doing; timed from the last key until every picture shows the whole text.
void BM_BurstToScreen(benchmark::State& state)
{
    Sheet& s = sheet(int(state.range(0)));
    s.window.document()->setAutosaveEnabled(true);
    std::vector<double> samples;
    for (auto _ : state) {
        const QString before = s.text()->toPlainText();
        const QString after = before + kBurst;
        qint64 textShown = 0;
        const QMetaObject::Connection follow =
            QObject::connect(s.text(), &QTextEdit::textChanged, s.text(), [&] {
                if (s.text()->toPlainText() == after)
                    textShown = clock().nsecsElapsed();
            });
        s.watch->reset();
        std::atomic<qint64> lastKey{0};
        std::thread typist([&lastKey] {
            Keyboard keyboard;
            const auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < kBurst.size(); ++i) {
                std::this_thread::sleep_until(start + std::chrono::milliseconds(30 * i));
                keyboard.type(Keyboard::symbol(kBurst.at(i)));
                lastKey = clock().nsecsElapsed();
            }
        });
        const bool shown =
            runUntil([&] { return textShown > 0 && s.watch->allPaintedAfter(textShown); }, 30000);
        typist.join();
        QObject::disconnect(follow);
        if (!shown) {
            state.SkipWithError("the burst was not shown whole");
            return;
        }
        s.settle();
        samples.push_back(double(s.watch->lastShown() - lastKey) / 1e6);
        state.SetIterationTime(samples.back() / 1e3);
        state.PauseTiming();
        for (int i = 0; i < kBurst.size(); ++i)
            QTest::keyClick(s.text(), Qt::Key_Backspace);
        s.settle();
        state.ResumeTiming();
    }
    report(state, samples);
}

BENCHMARK(BM_KeyToScreen)
    ->ArgNames({"stills", "autosave"})
    ->ArgsProduct({{30, 4}, {1, 0}})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1);
BENCHMARK(BM_BurstToScreen)
    ->ArgName("stills")
    ->Arg(30)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    XvfbDisplay display;
    if (!display.isRunning()) {
        qWarning("bench_typing: no private X server could be started (is Xvfb installed?)");
        return 1;
    }
    display.use();
    return runIsolatedBenchmarks(argc, argv, quiet, [] {
        if (!Keyboard().isOpen())
            qFatal("bench_typing: the private X server takes no connection");
    });
}

// The film player as a user drives it: the real libmpv drawing through OpenGL in the real main
// window, on an Xvfb display of the test's own with Mesa's software OpenGL; films, a tone and
// subtitles made here by ffmpeg, so nothing binary is kept. Also the subtitle readers, the
// times the bar shows, and pictorb-sheet --video.

#include "core/base/AppConfig.h"
#include "core/base/Settings.h"
#include "core/captions/CaptionManager.h"
#include "core/captions/SubtitleFile.h"
#include "core/speech/SpeechSettings.h"
#include "core/speech/SubtitleGenerator.h"
#include "core/video/VideoEngine.h"
#include "core/video/VideoTime.h"
#include "gui/application/GlobalManager.h"
#include "gui/application/History.h"
#include "gui/application/MetaTypes.h"
#include "gui/captions/CaptionItem.h"
#include "gui/captions/CaptionWidget.h"
#include "gui/editor/PlaybackBar.h"
#include "gui/editor/VideoPlayWidget.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImagesWidget.h"
#include "gui/mainwindow/CollectionDocument.h"
#include "gui/mainwindow/DocumentActions.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/mainwindow/VideoActions.h"
#include "gui/player/GenerateSubtitlesDialog.h"
#include "gui/player/LineCaptureDialog.h"
#include "gui/player/SubtitleGeneration.h"
#include "gui/player/VideoPlayer.h"
#include "gui/player/VideoView.h"
#include "gui/widgets/IconButton.h"
#include "gui/widgets/LoadingDialog.h"
#include "gui/widgets/NoticeBar.h"
#include "gui/widgets/TinySlider.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QUndoStack>

#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace TestSupport;

namespace {

const QString kSubtitles = QStringLiteral("1\n00:00:00,500 --> 00:00:01,500\nFirst line\n\n"
                                          "2\n00:00:02,000 --> 00:00:03,000\nSecond line\n\n"
                                          "3\n00:00:04,000 --> 00:00:05,000\nThird line\n\n"
                                          "4\n00:00:06,000 --> 00:00:07,000\nFourth line\n\n"
                                          "5\n00:00:08,000 --> 00:00:09,000\nFifth line\n");
const QStringList kLines = {QStringLiteral("First line"), QStringLiteral("Second line"),
                            QStringLiteral("Third line"), QStringLiteral("Fourth line"),
                            QStringLiteral("Fifth line")};
// The middle of each line, and the frame shown there at 25 frames a second.
const QList<double> kMiddles = {1.0, 2.5, 4.5, 6.5, 8.5};
const QList<int> kMiddleFrames = {25, 62, 112, 162, 212};
// Where the player draws a subtitle on the 640 x 360 film.
const QRect kSubtitleArea(0, 300, 640, 60);

bool ffmpeg(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("ffmpeg"),
                  QStringList{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y")} +
                      arguments);
    return process.waitForFinished(120000) && process.exitCode() == 0;
}

// The frame number the test film carries in its top rows: 16 cells of 40 pixels, white for a
// set bit, lowest bit first.
int frameNumber(const QImage& still)
{
    int number = 0;
    for (int bit = 0; bit < 16; ++bit) {
        if (qGray(still.pixel(bit * 40 + 20, 16)) > 128)
            number |= 1 << bit;
    }
    return number;
}

// The display the player draws on: an Xvfb of the test's own, on the first free display number.
class Display
{
public:
    bool start()
    {
        int fds[2];
        if (pipe(fds) != 0)
            return false;
        m_pid = fork();
        if (m_pid == 0) {
            close(fds[0]);
            const QByteArray fd = QByteArray::number(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.constData(), "-screen", "0", "1366x768x24",
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        QByteArray number;
        pollfd wait{fds[0], POLLIN, 0};
        char c = 0;
        while (poll(&wait, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        if (number.isEmpty())
            return false;
        qputenv("DISPLAY", ":" + number);
        return true;
    }
    ~Display()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }

private:
    pid_t m_pid = -1;
};

QAction* action(MainWindow& window, const QString& text)
{
    for (QAction* each : window.videoActions()->menu()->actions()) {
        if (each->text() == text)
            return each;
    }
    return nullptr;
}

} // namespace

class TestVideo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void videoTimes_data();
    void videoTimes();
    void subtitleFiles_data();
    void subtitleFiles();

    void aFilmOpensPausedOnItsFirstFrame();
    void playPauseStepAndSeek();
    void captureWithAndWithoutSubtitles();
    void captureEveryLine_data();
    void captureEveryLine();
    void cancellingKeepsWhatWasCaptured();
    void theCaptionListFollowsAndSeeks();
    void correctedLinesShowAtOnce();
    void subtitlesFromSpeech();
    void notAFilmLeavesThePanelAsItWas();
    void aMissingSubtitleFileIsReported();
    void aCapturedStillSurvivesAProject();
    void sheetFromAFilm_data();
    void sheetFromAFilm();

private:
    MainWindow* openFilm(const QString& film, const QString& subtitles = QString());
    ImageItem* captureNow(MainWindow& window);
    bool waitForFrame(MainWindow& window, int frame);
    QList<ImageItem*> captureLines(MainWindow& window, bool drawn);

    QTemporaryDir m_files;
    QString m_film;
    QString m_stillFilm;
    QString m_srt;
    std::unique_ptr<MainWindow> m_window;
};

void TestVideo::initTestCase()
{
    registerMetaTypes();
    m_film = m_files.filePath(QStringLiteral("film.mkv"));
    m_stillFilm = m_files.filePath(QStringLiteral("still.mkv"));
    m_srt = m_files.filePath(QStringLiteral("film.srt"));
    // Ten seconds of 640 x 360 at 25 frames a second, its frame number drawn as text and as a
    // row of bits, with a tone.
    QVERIFY(ffmpeg(
        {QStringLiteral("-f"),
         QStringLiteral("lavfi"),
         QStringLiteral("-i"),
         QStringLiteral("testsrc2=size=640x360:rate=25:duration=10"),
         QStringLiteral("-f"),
         QStringLiteral("lavfi"),
         QStringLiteral("-i"),
         QStringLiteral("color=black:size=640x32:rate=25:duration=10,format=yuv420p,geq=lum='255*"
                        "mod(floor(N/pow(2,floor(X/40))),2)':cb=128:cr=128"),
         QStringLiteral("-f"),
         QStringLiteral("lavfi"),
         QStringLiteral("-i"),
         QStringLiteral("sine=frequency=440:duration=10"),
         QStringLiteral("-filter_complex"),
         QStringLiteral("[0][1]overlay=0:0,drawtext=fontfile=/usr/share/fonts/truetype/dejavu/"
                        "DejaVuSans-Bold.ttf:text='%{frame_num}':x=20:y=60:fontsize=64:"
                        "fontcolor=white:box=1:boxcolor=black[v]"),
         QStringLiteral("-map"),
         QStringLiteral("[v]"),
         QStringLiteral("-map"),
         QStringLiteral("2"),
         QStringLiteral("-c:v"),
         QStringLiteral("libx264"),
         QStringLiteral("-preset"),
         QStringLiteral("ultrafast"),
         QStringLiteral("-g"),
         QStringLiteral("50"),
         QStringLiteral("-pix_fmt"),
         QStringLiteral("yuv420p"),
         QStringLiteral("-c:a"),
         QStringLiteral("aac"),
         QStringLiteral("-shortest"),
         m_film}));
    // Four seconds of one unchanging picture.
    QVERIFY(ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                    QStringLiteral("color=c=navy:size=320x180:rate=25:duration=4"),
                    QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
                    QStringLiteral("ultrafast"), QStringLiteral("-pix_fmt"),
                    QStringLiteral("yuv420p"), m_stillFilm}));
    QVERIFY(writeBytes(m_srt, kSubtitles.toUtf8()));
}

void TestVideo::init()
{
    Settings::instance()->setValue(AppConfig::kCaptureWithSubtitles, false);
}

void TestVideo::cleanup()
{
    m_window.reset();
    MainWindow::setFileChooser({});
}

MainWindow* TestVideo::openFilm(const QString& film, const QString& subtitles)
{
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    // Shortcuts reach the active window only.
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        return nullptr;
    QStringList files{film};
    if (!subtitles.isEmpty())
        files << subtitles;
    m_window->openFiles(files);
    VideoPlayer* player = m_window->videoPlayWidget()->player();
    const bool ready = QTest::qWaitFor(
        [&] { return player->isOpen() && (subtitles.isEmpty() || player->hasSubtitles()); }, 20000);
    return ready ? m_window.get() : nullptr;
}

// The film's frames start 23 ms in (the sound's encoder delay): frame n is shown from
// 0.023 + n / 25 s, and a seek to t shows the first frame from t on.
bool TestVideo::waitForFrame(MainWindow& window, int frame)
{
    VideoEngine* engine = window.videoPlayWidget()->player()->engine();
    const bool reached = QTest::qWaitFor(
        [&] { return engine->frameNumber() == frame && engine->isPaused(); }, 10000);
    if (!reached)
        qWarning() << "at frame" << engine->frameNumber() << "instead of" << frame;
    return reached;
}

// Ctrl+Alt+S, as the user presses it on the film, and the card it adds.
ImageItem* TestVideo::captureNow(MainWindow& window)
{
    const int before = int(window.imagesWidget()->cards().size());
    QTest::keyClick(window.videoPlayWidget(), Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    if (!QTest::qWaitFor([&] { return window.imagesWidget()->cards().size() > before; }, 10000))
        return nullptr;
    return window.imagesWidget()->cards().constLast();
}

QList<ImageItem*> TestVideo::captureLines(MainWindow& window, bool drawn)
{
    action(window, QStringLiteral("Capture Every Line..."))->trigger();
    auto* dialog = window.findChild<LineCaptureDialog*>();
    if (!dialog)
        return {};
    (drawn ? dialog->drawnButton() : dialog->captionButton())->setChecked(true);
    dialog->everyLineButton()->setChecked(true);
    dialog->accept();
    VideoPlayer* player = window.videoPlayWidget()->player();
    if (!QTest::qWaitFor([&] { return !player->isCapturingLines(); }, 30000))
        return {};
    return window.imagesWidget()->cards();
}

void TestVideo::videoTimes_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<double>("fps");
    QTest::addColumn<QString>("text");
    QTest::newRow("the start") << 0.0 << 25.0 << "00:00:00:00";
    // 1.68 s is frame 17 of its second at 25 frames a second.
    QTest::newRow("a frame within the second") << 1.68 << 25.0 << "00:00:01:17";
    // Read back as 2.999999 it is still frame 2 * 25 + 24 + 1 = the first of second 3.
    QTest::newRow("a time a hair early") << 2.9999995 << 25.0 << "00:00:03:00";
    QTest::newRow("hours and minutes") << 3723.5 << 24.0 << "01:02:03:12";
    QTest::newRow("an unknown rate") << 61.9 << 0.0 << "00:01:01:00";
}

void TestVideo::videoTimes()
{
    QFETCH(double, seconds);
    QFETCH(double, fps);
    QFETCH(QString, text);
    QCOMPARE(VideoTime::text(seconds, fps), text);
    double back = -1;
    QVERIFY(VideoTime::parse(text.left(8), &back));
    QCOMPARE(back, double(qint64(seconds + 1e-6)));
}

void TestVideo::subtitleFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("lines"); // "start-end text"
    QTest::newRow("SubRip with tags and a line break")
        << QByteArray("\xEF\xBB\xBF"
                      "1\r\n00:00:01,000 --> 00:00:02,500\r\n<i>Hello</i>\r\nthere\r\n\r\n"
                      "2\r\n00:01:00,000 --> 00:01:01,000\r\n{\\an8}Top\r\n")
        << QStringList{"1000-2500 Hello\nthere", "60000-61000 Top"};
    QTest::newRow("WebVTT without hours, with cue names and settings")
        << QByteArray("WEBVTT\n\nNOTE made here\n\nintro\n00:01.000 --> 00:02.000 align:start\n"
                      "<c.yellow>Hi</c> &amp; bye\n\n00:03.5 --> 00:04.000\nLast\n")
        << QStringList{"1000-2000 Hi & bye", "3500-4000 Last"};
    QTest::newRow("ASS out of order, commas in the text, overrides and breaks")
        << QByteArray("[Script Info]\nTitle: x\n\n[Events]\nFormat: Layer, Start, End, Style, "
                      "Name, MarginL, MarginR, MarginV, Effect, Text\n"
                      "Dialogue: 0,0:00:05.00,0:00:06.00,Default,,0,0,0,,{\\b1}Later, "
                      "then\\Nmore\n"
                      "Comment: 0,0:00:01.00,0:00:02.00,Default,,0,0,0,,not shown\n"
                      "Dialogue: 0,0:00:01.50,0:00:02.00,Default,,0,0,0,,First\n")
        << QStringList{"1500-2000 First", "5000-6000 Later, then\nmore"};
    QTest::newRow("a file of no subtitle format") << QByteArray("just words\n") << QStringList{};
}

void TestVideo::subtitleFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, lines);
    const QString path = m_files.filePath(QStringLiteral("lines.sub"));
    QVERIFY(writeBytes(path, file));
    QList<SubtitleLine> read;
    QString error;
    QCOMPARE(SubtitleFile::read(path, &read, &error), !lines.isEmpty());
    QStringList seen;
    for (const SubtitleLine& line : read)
        seen << QStringLiteral("%1-%2 %3").arg(line.startMs).arg(line.endMs).arg(line.text);
    QCOMPARE(seen, lines);
    if (lines.isEmpty())
        QCOMPARE(error, QStringLiteral("no timed subtitle line"));
}

void TestVideo::aFilmOpensPausedOnItsFirstFrame()
{
    MainWindow* window = openFilm(m_film);
    QVERIFY(window);
    VideoPlayWidget* panel = window->videoPlayWidget();
    PlaybackBar* bar = panel->playbackBar();
    QVERIFY(panel->isShowingFilm());
    QVERIFY(bar->isVisible());
    QVERIFY(QTest::qWaitFor([&] { return bar->totalTimeLabel()->text() == "00:00:10:00"; }, 5000));
    QCOMPARE(bar->currentTimeLabel()->text(), QStringLiteral("00:00:00:00"));
    QVERIFY(panel->player()->engine()->isPaused());
    // The view shows the film's first frame, its red bar on the left, not the black of an empty
    // view.
    QVERIFY(QTest::qWaitFor(
        [&] {
            const QImage shown = panel->player()->view()->grabFramebuffer();
            int red = 0;
            for (int y = 0; y < shown.height(); y += 4) {
                for (int x = 0; x < shown.width(); x += 4)
                    red += qRed(shown.pixel(x, y)) > 200 && qGreen(shown.pixel(x, y)) < 50;
            }
            return red > 100;
        },
        5000));
    ImageItem* still = captureNow(*window);
    QVERIFY(still);
    QCOMPARE(still->sourceImage().size(), QSize(640, 360));
    QCOMPARE(frameNumber(still->sourceImage()), 0);
}

void TestVideo::playPauseStepAndSeek()
{
    MainWindow* window = openFilm(m_film);
    QVERIFY(window);
    VideoEngine* engine = window->videoPlayWidget()->player()->engine();
    PlaybackBar* bar = window->videoPlayWidget()->playbackBar();

    // Keys go to the film the user has clicked on.
    QWidget* film = window->videoPlayWidget()->player()->view();
    QTest::mouseClick(film, Qt::LeftButton);
    QTest::keyClick(film, Qt::Key_Space);
    QVERIFY(QTest::qWaitFor([&] { return engine->position() > 0.3; }, 10000));
    QCOMPARE(bar->playButton()->toolTip(), QStringLiteral("Pause [Space]"));
    QTest::keyClick(film, Qt::Key_Space);
    QVERIFY(QTest::qWaitFor([&] { return engine->isPaused(); }, 5000));
    QCOMPARE(bar->playButton()->toolTip(), QStringLiteral("Play [Space]"));

    // The slider seeks exactly where it is let go: 3 s is frame 75.
    bar->progressSlider()->setValue(3000);
    QVERIFY(waitForFrame(*window, 75));
    ImageItem* still = captureNow(*window);
    QVERIFY(still);
    QCOMPARE(frameNumber(still->sourceImage()), 75);
    QVERIFY2(qAbs(still->capturePosition() - 3.023) < 0.001,
             qPrintable(QString::number(still->capturePosition())));
    QCOMPARE(bar->currentTimeLabel()->text(), QStringLiteral("00:00:03:00"));

    // One frame forward, then back: exact single frames.
    QTest::keyClick(film, Qt::Key_Right);
    QVERIFY(waitForFrame(*window, 76));
    still = captureNow(*window);
    QVERIFY(still);
    QCOMPARE(frameNumber(still->sourceImage()), 76);
    QTest::keyClick(film, Qt::Key_Left);
    QVERIFY(waitForFrame(*window, 75));
    QTest::keyClick(film, Qt::Key_Left);
    QVERIFY(waitForFrame(*window, 74));
    still = captureNow(*window);
    QVERIFY(still);
    QCOMPARE(frameNumber(still->sourceImage()), 74);
    QCOMPARE(bar->currentTimeLabel()->text(), QStringLiteral("00:00:02:24"));

    // Stop goes back to the start, paused.
    QTest::keyClick(film, Qt::Key_Slash, Qt::ControlModifier);
    QVERIFY(waitForFrame(*window, 0));
    QVERIFY(engine->isPaused());
}

void TestVideo::captureWithAndWithoutSubtitles()
{
    MainWindow* window = openFilm(m_film, m_srt);
    QVERIFY(window);
    PlaybackBar* bar = window->videoPlayWidget()->playbackBar();
    bar->progressSlider()->setValue(2500);
    QVERIFY(waitForFrame(*window, 62));
    ImageItem* plain = captureNow(*window);
    QVERIFY(plain);
    bar->subtitlesBox()->click();
    ImageItem* subtitled = captureNow(*window);
    QVERIFY(subtitled);
    QCOMPARE(subtitled->sourceImage().size(), QSize(640, 360));
    // The same frame, but the second with "Second line" drawn into the bottom.
    QCOMPARE(frameNumber(plain->sourceImage()), 62);
    QCOMPARE(frameNumber(subtitled->sourceImage()), 62);
    QVERIFY(plain->sourceImage().copy(kSubtitleArea) !=
            subtitled->sourceImage().copy(kSubtitleArea));
    QVERIFY(lightPixels(subtitled->sourceImage(), kSubtitleArea, 230) >
            lightPixels(plain->sourceImage(), kSubtitleArea, 230) + 100);
    QCOMPARE(plain->sourceImage().copy(0, 0, 640, 280),
             subtitled->sourceImage().copy(0, 0, 640, 280));
    // The choice is kept for the next start.
    QCOMPARE(Settings::instance()->value(AppConfig::kCaptureWithSubtitles, false).toBool(), true);
    // A capture is one step, and a card like any other: clicked, it is the one edited.
    QCOMPARE(window->document()->history()->stack()->count(), 2);
    QTest::mouseClick(plain, Qt::LeftButton, {}, QPoint(40, 10));
    QCOMPARE(window->videoPlayWidget()->currentImageItem(), plain);
    QVERIFY(!window->videoPlayWidget()->isShowingFilm());
}

void TestVideo::captureEveryLine_data()
{
    QTest::addColumn<bool>("drawn");
    QTest::newRow("lines as captions") << false;
    QTest::newRow("lines drawn by the player") << true;
}

void TestVideo::captureEveryLine()
{
    QFETCH(bool, drawn);
    MainWindow* window = openFilm(m_film, m_srt);
    QVERIFY(window);
    const QList<ImageItem*> cards = captureLines(*window, drawn);
    QCOMPARE(cards.size(), 5);
    for (int i = 0; i < 5; ++i) {
        const QImage still = cards.at(i)->sourceImage();
        QCOMPARE(still.size(), QSize(640, 360));
        QCOMPARE(cards.at(i)->capturePosition(), kMiddles.at(i));
        QCOMPARE(frameNumber(still), kMiddleFrames.at(i));
        QCOMPARE(cards.at(i)->caption()->text, drawn ? QString() : kLines.at(i));
        const int light = lightPixels(still, kSubtitleArea, 230);
        QVERIFY2(drawn ? light > 100 : light < 100, qPrintable(QString::number(light)));
    }
    // All of them are one step.
    QUndoStack* stack = window->document()->history()->stack();
    QCOMPARE(stack->count(), 1);
    stack->undo();
    QVERIFY(window->imagesWidget()->cards().isEmpty());
}

void TestVideo::cancellingKeepsWhatWasCaptured()
{
    MainWindow* window = openFilm(m_film, m_srt);
    QVERIFY(window);
    VideoPlayer* player = window->videoPlayWidget()->player();
    connect(player, &VideoPlayer::lineCaptureProgress, this, [window](int done) {
        if (done == 2)
            window->videoActions()->progressDialog()->findChild<QPushButton*>()->click();
    });
    const QList<ImageItem*> cards = captureLines(*window, false);
    QCOMPARE(cards.size(), 2);
    QCOMPARE(cards.at(1)->caption()->text, kLines.at(1));
    QVERIFY(!window->videoActions()->progressDialog());
    QCOMPARE(window->document()->history()->stack()->count(), 1);

    // A film whose picture never changes gives one still, not one per line.
    MainWindow* still = openFilm(m_stillFilm, m_srt);
    QVERIFY(still);
    QCOMPARE(captureLines(*still, false).size(), 1);
}

void TestVideo::theCaptionListFollowsAndSeeks()
{
    MainWindow* window = openFilm(m_film, m_srt);
    QVERIFY(window);
    CaptionWidget* list = window->captionWidget();
    QVERIFY(list->isVisible());
    QCOMPARE(list->countLabel()->text(), QStringLiteral("Captions (5)"));
    window->videoPlayWidget()->playbackBar()->progressSlider()->setValue(4500);
    QVERIFY(QTest::qWaitFor(
        [&] { return list->selectedRow() && list->selectedRow()->caption()->index == 3; }, 5000));
    // Between two lines no row is lit.
    window->videoPlayWidget()->playbackBar()->progressSlider()->setValue(5500);
    QVERIFY(QTest::qWaitFor([&] { return !list->selectedRow(); }, 5000));
    QListWidget* rows = list->listWidget();
    const QRect fifth = rows->visualItemRect(rows->item(4));
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, fifth.center());
    QVERIFY(waitForFrame(*window, 200));
    QCOMPARE(list->selectedRow()->caption()->index, 5);
    // Lines chosen in the list are what "Capture every line" offers to keep to.
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      rows->visualItemRect(rows->item(1)).center());
    QCOMPARE(list->chosenLines(), (QList<int>{1, 4}));
}

void TestVideo::correctedLinesShowAtOnce()
{
    MainWindow* window = openFilm(m_film, m_srt);
    QVERIFY(window);
    VideoPlayer* player = window->videoPlayWidget()->player();
    CaptionWidget* list = window->captionWidget();
    PlaybackBar* bar = window->videoPlayWidget()->playbackBar();
    bar->subtitlesBox()->click();
    bar->progressSlider()->setValue(2500);
    QVERIFY(waitForFrame(*window, 62));
    ImageItem* before = captureNow(*window);
    QVERIFY(before);
    const int shownBefore = lightPixels(before->sourceImage(), kSubtitleArea, 230);
    QVERIFY(shownBefore > 100);

    // "Second line" deleted in the list: the player shows the work script without it at once.
    QListWidget* rows = list->listWidget();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                      rows->visualItemRect(rows->item(1)).center());
    QTest::keyClick(rows, Qt::Key_Delete);
    const QString script = CaptionManager::instance()->getAssPath();
    const auto showsScript = [&] {
        for (const VideoEngine::Track& track : player->engine()->subtitleTracks()) {
            if (track.selected && track.externalFile == script)
                return true;
        }
        return false;
    };
    QVERIFY(QTest::qWaitFor([&] { return player->subtitleLines().size() == 4; }, 10000));
    // The engine lists its tracks a moment after it has read the file.
    QVERIFY(QTest::qWaitFor(showsScript, 10000));
    QCOMPARE(list->countLabel()->text(), QStringLiteral("Captions (4)"));
    bar->progressSlider()->setValue(2500);
    QVERIFY(waitForFrame(*window, 62));
    ImageItem* after = captureNow(*window);
    QVERIFY(after);
    QVERIFY2(lightPixels(after->sourceImage(), kSubtitleArea, 230) + 100 < shownBefore,
             qPrintable(QString::number(lightPixels(after->sourceImage(), kSubtitleArea, 230))));

    // Corrected text is what captures of every line take.
    list->editRow(1);
    QLineEdit* text = list->rows().at(1)->editField();
    text->selectAll();
    QTest::keyClicks(text, QStringLiteral("Third, corrected"));
    QTest::keyClick(text, Qt::Key_Return);
    QVERIFY(QTest::qWaitFor(
        [&] { return player->subtitleLines().value(1).text == QStringLiteral("Third, corrected"); },
        10000));

    // The window's Ctrl+Z undoes the correction, the second capture and the deletion, in the
    // one history: the line is back on the film.
    QCOMPARE(window->document()->history()->stack()->undoText(), QStringLiteral("Edit line"));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(QTest::qWaitFor([&] { return player->subtitleLines().size() == 5; }, 10000));
    QCOMPARE(player->subtitleLines().at(2).text, QStringLiteral("Third line"));
    QVERIFY(QTest::qWaitFor(showsScript, 10000));
    bar->progressSlider()->setValue(2500);
    QVERIFY(waitForFrame(*window, 62));
    ImageItem* again = captureNow(*window);
    QVERIFY(again);
    QVERIFY(lightPixels(again->sourceImage(), kSubtitleArea, 230) > 100);
}

void TestVideo::subtitlesFromSpeech()
{
    // The speech service on loopback: the task runs for one query, then gives three lines, the
    // last past the film's ten seconds.
    LoopbackServer service;
    qputenv("PICTORB_SPEECH_URL", service.baseUrl().toUtf8());
    service.setResponses("/api/speech/submit", {{500, "busy", {}}});
    const QByteArray lines =
        R"({"state":"success","utterances":[{"start_time":500,"end_time":1500,"text":"Hello there"},
        {"start_time":2000,"end_time":3000,"text":"C:\\new\\Nline"},
        {"start_time":9000,"end_time":12000,"text":"The end"}]})";
    service.setResponses("/api/speech/query",
                         {HttpResponse::ok(R"({"state":"running"})"), HttpResponse::ok(lines)});
    MainWindow* window = openFilm(m_film);
    QVERIFY(window);
    SubtitleGeneration* generation = window->videoActions()->subtitleGeneration();
    QSignalSpy stages(generation->generator(), &SubtitleGenerator::stageChanged);
    QSignalSpy asked(generation, &SubtitleGeneration::dialogShown);

    // The button beside the subtitle toggle of the player bar.
    QToolButton* button = nullptr;
    for (QToolButton* each : window->videoPlayWidget()->playbackBar()->findChildren<QToolButton*>())
        if (each->text() == QStringLiteral("Generate Subtitles"))
            button = each;
    QVERIFY(button);
    QVERIFY(button->isVisible());
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(asked.count() == 1 || asked.wait(5000));
    GenerateSubtitlesDialog* dialog = generation->dialog();
    dialog->languageBox()->setCurrentIndex(dialog->languageBox()->findData("en-US"));
    // An address that is no web address is refused with the reason; each provider keeps its own.
    QPushButton* generate = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    dialog->providerBox()->setCurrentIndex(1);
    dialog->baseUrlField()->setText(QStringLiteral("localhost:8000"));
    QVERIFY(!generate->isEnabled());
    QCOMPARE(dialog->problemLabel()->text(),
             QStringLiteral("The base URL must be an http or https address."));
    dialog->baseUrlField()->setText(QStringLiteral("http://127.0.0.1:8000/"));
    QVERIFY(generate->isEnabled() && dialog->apiKeyField()->isEnabled());
    dialog->providerBox()->setCurrentIndex(0);
    QVERIFY(!dialog->apiKeyField()->isEnabled());
    QCOMPARE(dialog->baseUrlField()->text(), QString());
    QCOMPARE(dialog->baseUrlField()->placeholderText(), service.baseUrl());
    QTest::mouseClick(generate, Qt::LeftButton);
    QVERIFY(generation->loadingDialog()->isVisible());
    SpeechSettings stored = SpeechSettings::load();
    QCOMPARE(stored.provider(), SpeechSettings::Provider::PictorbService);
    stored.setProvider(SpeechSettings::Provider::OpenAiTranscription);
    QCOMPARE(stored.baseUrl(), QStringLiteral("http://127.0.0.1:8000"));

    // The refused upload ends the dialog with the reason and Retry; the audio stays.
    QTRY_VERIFY_WITH_TIMEOUT(!generation->loadingDialog()->isVisible(), 60000);
    QCOMPARE(window->noticeBar()->text(), QStringLiteral("The speech service did not answer"));
    QPushButton* retry = window->noticeBar()->actionButton();
    QVERIFY(retry->isVisible());
    QCOMPARE(retry->text(), QStringLiteral("Retry"));
    QVERIFY(QFile::exists(generation->generator()->audioPath()));
    service.setResponses("/api/speech/submit", {HttpResponse::ok(R"({"task_id":"t"})")});
    stages.clear();
    QTest::mouseClick(retry, Qt::LeftButton);

    // The script is loaded into the player, whose lines fill the caption list.
    VideoPlayer* player = window->videoPlayWidget()->player();
    QTRY_VERIFY_WITH_TIMEOUT(player->hasSubtitles(), 30000);
    CaptionWidget* list = window->captionWidget();
    QCOMPARE(list->countLabel()->text(), QStringLiteral("Captions (3)"));
    QVERIFY(!generation->loadingDialog()->isVisible());
    QList<SubtitleGenerator::Stage> seen;
    for (const QList<QVariant>& stage : stages)
        if (seen.isEmpty() || seen.last() != stage.at(0).value<SubtitleGenerator::Stage>())
            seen << stage.at(0).value<SubtitleGenerator::Stage>();
    // Retry sends the audio kept, without extracting it again.
    QCOMPARE(seen, (QList<SubtitleGenerator::Stage>{SubtitleGenerator::Stage::Uploading,
                                                    SubtitleGenerator::Stage::Recognising,
                                                    SubtitleGenerator::Stage::Writing}));
    QCOMPARE(service.requestCount("/api/speech/query"), 2);
    QVERIFY2(window->noticeBar()->text().startsWith(QStringLiteral("Subtitle lines generated: 3")),
             qPrintable(window->noticeBar()->text()));
    QVERIFY(window->noticeBar()->text().contains(QStringLiteral("moved to its end")));
    QCOMPARE(static_cast<CaptionItem*>(list->listWidget()->itemWidget(list->listWidget()->item(1)))
                 ->caption()
                 ->text.remove(QChar(0x2060)),
             QStringLiteral("C:\\new\\Nline"));

    // The player shows the script as its subtitles, and ffmpeg reads the same three lines.
    const QString script = CaptionManager::instance()->getAssPath();
    QList<VideoEngine::Track> tracks = player->engine()->subtitleTracks();
    QVERIFY(std::any_of(tracks.cbegin(), tracks.cend(), [&](const VideoEngine::Track& track) {
        return track.external && track.selected && track.externalFile == script;
    }));
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), {"-v", "error", "-i", script, "-f", "srt", "-"});
    QVERIFY(ffmpeg.waitForFinished(30000));
    const QString srt = QString::fromUtf8(ffmpeg.readAllStandardOutput()).remove('\r');
    QCOMPARE(srt.count(QStringLiteral(" --> ")), 3);
    QVERIFY2(srt.contains(QStringLiteral("00:00:00,500 --> 00:00:01,500\n")), qPrintable(srt));
    QVERIFY2(srt.contains(QStringLiteral("Hello there")), qPrintable(srt));
    // The last line ends with the film (its sound runs a few milliseconds past ten seconds).
    QVERIFY2(srt.contains(QStringLiteral("00:00:09,000 --> 00:00:10,0")), qPrintable(srt));
    qunsetenv("PICTORB_SPEECH_URL");
}

void TestVideo::notAFilmLeavesThePanelAsItWas()
{
    MainWindow* window = openFilm(m_film);
    QVERIFY(window);
    VideoPlayer* player = window->videoPlayWidget()->player();
    const QString words = m_files.filePath(QStringLiteral("notes.txt"));
    QVERIFY(writeBytes(words, "not a film at all\n"));
    QSignalSpy failed(player, &VideoPlayer::openFailed);
    window->openFiles({words});
    QVERIFY(failed.wait(10000));
    QVERIFY(
        window->noticeBar()->text().startsWith(QStringLiteral("\"notes.txt\" cannot be played")));
    QCOMPARE(player->filePath(), m_film);
    QVERIFY(window->videoPlayWidget()->isShowingFilm());
    // A picture is no film either: a still image opens as no moving pictures.
    const QString picture = m_files.filePath(QStringLiteral("frame.png"));
    QVERIFY(solid(64, 36, Qt::red).save(picture));
    player->open(picture);
    QVERIFY(failed.wait(10000));
    QCOMPARE(failed.last().at(1).toString(), QStringLiteral("no video in it"));
    QCOMPARE(player->filePath(), m_film);
}

void TestVideo::aMissingSubtitleFileIsReported()
{
    MainWindow* window = openFilm(m_film, m_srt);
    QVERIFY(window);
    const QString missing = m_files.filePath(QStringLiteral("gone.srt"));
    MainWindow::setFileChooser([&missing](QWidget*, const QString&, const QString&,
                                          const QString&) { return QStringList{missing}; });
    action(*window, QStringLiteral("Load Subtitles..."))->trigger();
    QVERIFY(window->noticeBar()->text().startsWith(
        QStringLiteral("The subtitles \"gone.srt\" cannot be loaded")));
    // The lines shown before stay.
    QCOMPARE(window->videoPlayWidget()->player()->subtitleLines().size(), 5);
    QCOMPARE(window->captionWidget()->countLabel()->text(), QStringLiteral("Captions (5)"));
}

void TestVideo::aCapturedStillSurvivesAProject()
{
    const QString project = m_files.filePath(QStringLiteral("film.pictorb"));
    QImage captured;
    {
        MainWindow* window = openFilm(m_film);
        QVERIFY(window);
        window->videoPlayWidget()->playbackBar()->progressSlider()->setValue(6000);
        QVERIFY(waitForFrame(*window, 150));
        ImageItem* still = captureNow(*window);
        QVERIFY(still);
        captured = still->sourceImage();
        DocumentActions::setSaveChooser([&project](QWidget*, const QString&, const QString&,
                                                   const QString&) { return project; });
        QVERIFY(window->documentActions()->saveAs());
        DocumentActions::setSaveChooser({});
        m_window.reset();
    }
    MainWindow window;
    window.openFiles({project});
    QCOMPARE(window.imagesWidget()->cards().size(), 1);
    ImageItem* card = window.imagesWidget()->cards().first();
    QCOMPARE(card->sourceImage().convertToFormat(QImage::Format_RGB32), captured);
    QVERIFY(card->isCaptured());
    QVERIFY(qAbs(card->capturePosition() - 6.023) < 0.001);
    QCOMPARE(frameNumber(card->sourceImage()), 150);
}

void TestVideo::sheetFromAFilm_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("code");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("error");
    QTest::newRow("every line, captions from the lines")
        << QStringList{"--layout", "vertical"} << 0 << QSize(640, 1800) << QString();
    QTest::newRow("lines 2 to 3, drawn in")
        << QStringList{"--lines", "2-3", "--burn-subtitles"} << 0 << QSize(640, 720) << QString();
    // 3.5 s to 7 s holds the middles 4.5 and 6.5.
    QTest::newRow("a time range, as a strip")
        << QStringList{"--from", "3.5", "--to", "0:00:07", "--y-space", "-300"} << 0
        << QSize(640, 420) << QString();
    QTest::newRow("a strip with a typed band")
        << QStringList{"--layout", "vertical", "--band", "100"} << 0 << QSize(640, 360 + 4 * 100)
        << QString();
    QTest::newRow("bands found in the pictures")
        << QStringList{"--band", "auto"} << 2 << QSize() << "not made from --video";
    QTest::newRow("a range without lines")
        << QStringList{"--from", "9.5"} << 1 << QSize() << "no subtitle line";
    QTest::newRow("lines and times together")
        << QStringList{"--lines", "1", "--from", "1"} << 2 << QSize() << "cannot be used together";
    QTest::newRow("stills beside the film")
        << QStringList{"extra.png"} << 2 << QSize() << "not from other files";
}

void TestVideo::sheetFromAFilm()
{
    QFETCH(QStringList, options);
    QFETCH(int, code);
    QFETCH(QSize, size);
    QFETCH(QString, error);
    const QString sheet = m_files.filePath(QStringLiteral("sheet.png"));
    QFile::remove(sheet);
    QProcess process;
    process.start(QStringLiteral(PICTORB_SHEET_EXECUTABLE),
                  QStringList{"--video", m_film, "--subtitles", m_srt, "-o", sheet} + options);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), code);
    QVERIFY2(QString::fromUtf8(process.readAllStandardError()).contains(error), qPrintable(error));
    if (code != 0) {
        QVERIFY(!QFile::exists(sheet));
        return;
    }
    const QImage made(sheet);
    QCOMPARE(made.size(), size);
    // Each still is the frame at its line's middle, its caption or subtitle in the bottom band.
    if (options == QStringList{"--layout", "vertical"}) {
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(frameNumber(made.copy(0, 360 * i, 640, 360)), kMiddleFrames.at(i));
            QVERIFY(lightPixels(made, kSubtitleArea.translated(0, 360 * i), 230) > 100);
        }
    }
}

int main(int argc, char* argv[])
{
    QTemporaryDir sandbox;
    TestSupport::isolateUserFolders(sandbox.path());
    Display display;
    if (!display.start()) {
        qCritical("Xvfb could not be started");
        return 1;
    }
    // The player draws through OpenGL: Mesa's software renderer on the test's own display.
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("LIBGL_ALWAYS_SOFTWARE", "1");
    QApplication app(argc, argv);
    TestVideo test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_video.moc"

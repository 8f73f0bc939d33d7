#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include "../caption/CaptionSandbox.h"
#include "../images/LogCapture.h"
#include "TestMedia.h"
#include "core/base/AppConfig.h"
#include "core/captions/CaptionManager.h"
#include "core/speech/ProcessThread.h"
#include "gui/application/GlobalManager.h"

namespace {

// Records the thread's signals by name, in the order they reach the GUI thread.
class SignalOrder : public QObject
{
public:
    explicit SignalOrder(ProcessThread* thread)
    {
        connect(thread, &ProcessThread::processStart, this, [this] { names << "start"; });
        connect(thread, &ProcessThread::processFailed, this, [this] { names << "failed"; });
        connect(thread, &ProcessThread::processStop, this, [this] { names << "stop"; });
        connect(thread, &ProcessThread::processOutput, this,
                [this](const QString& text) { output += text; });
        connect(thread, &ProcessThread::processError, this,
                [this](const QString& text) { errors += text; });
    }
    QStringList names;
    QString output;
    QString errors;
};

QStringList globalEvents(const QSignalSpy& spy)
{
    QStringList names;
    for (const QList<QVariant>& call : spy)
        names << call.at(0).toString();
    return names;
}

} // namespace

class TestProcessThread : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void missingProgram_data();
    void missingProgram();
    void neverFromTheWorkingFolder();
    void outputErrorsAndOrder();
    void stopKillsTheProgram();
    void timeoutLeavesItRunning();
    void extractsTheSoundTrack();
    void failedExtractionLeavesNoStaleAudio();
    void extractionRefusesEmptyPaths();

    void managerPostsStartAndStop();
    void userStopPostsNoStop();
    void stopWhenIdleChangesNothing();
    void startClearsTheUserStop();

private:
    std::unique_ptr<CaptionSandbox> m_sandbox;
};

void TestProcessThread::initTestCase()
{
    m_sandbox = std::make_unique<CaptionSandbox>();
    QVERIFY(m_sandbox->isValid());
    QVERIFY2(!TestMedia::ffmpeg().isEmpty(), "ffmpeg is a test dependency");
    CaptionManager::instance()->setSpeechLanguage({QString(), QStringLiteral("zh-CN"), 0});
}

void TestProcessThread::missingProgram_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("name not on the path") << "pictorb-no-such-program";
    QTest::newRow("absolute path") << "/nonexistent/folder/program";
    QTest::newRow("empty") << "";
}

void TestProcessThread::missingProgram()
{
    QFETCH(QString, program);
    ProcessThread thread;
    SignalOrder order(&thread);
    LogCapture log;
    thread.setProgram(program);
    thread.setOpenMode(QIODevice::ReadOnly);
    thread.start();
    QVERIFY(QTest::qWaitFor([&] { return !order.names.isEmpty(); }, 35000));
    QVERIFY(thread.wait(5000));
    QTest::qWait(50);
    QCOMPARE(order.names, QStringList({"failed"}));
    QVERIFY(log.contains(QStringLiteral("Failed to start process 0. exit code 0")));
    QCOMPARE(thread.pid(), 0);
}

void TestProcessThread::neverFromTheWorkingFolder()
{
    // A program named like the extractor in the working folder and none on the path.
    QTemporaryDir folder;
    const QString marker = folder.filePath(QStringLiteral("ran"));
    QFile fake(folder.filePath(QStringLiteral("ffmpeg")));
    QVERIFY(fake.open(QIODevice::WriteOnly));
    fake.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
    fake.close();
    fake.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString previousFolder = QDir::currentPath();
    const QByteArray previousPath = qgetenv("PATH");
    QDir::setCurrent(folder.path());
    qputenv("PATH", QByteArray(".:") + folder.filePath(QStringLiteral("empty")).toLocal8Bit());

    ProcessThread thread;
    SignalOrder order(&thread);
    QVERIFY(thread.extractAudio(QStringLiteral("in.mp4"), folder.filePath("out.mp3")));
    QVERIFY(QTest::qWaitFor([&] { return !order.names.isEmpty(); }, 35000));
    thread.wait(5000);
    QDir::setCurrent(previousFolder);
    qputenv("PATH", previousPath);

    QCOMPARE(order.names, QStringList({"failed"}));
    QVERIFY(!QFile::exists(marker));
}

void TestProcessThread::outputErrorsAndOrder()
{
    ProcessThread thread;
    SignalOrder order(&thread);
    LogCapture log;
    thread.setProgram(QStringLiteral("sh"));
    thread.setArguments({"-c", "echo hello; echo oops >&2; echo done"});
    thread.setOpenMode(QIODevice::ReadOnly);
    thread.start();
    QVERIFY(QTest::qWaitFor([&] { return order.names.contains("stop"); }, 10000));
    QCOMPARE(order.names, QStringList({"start", "stop"}));
    QCOMPARE(order.output, QStringLiteral("hello\ndone\n"));
    QCOMPARE(order.errors, QStringLiteral("oops\n"));
    QVERIFY(thread.pid() > 0);
    QVERIFY(log.contains(QStringLiteral("Rum command")));
    QVERIFY(log.contains(QStringLiteral("(-c, echo hello; echo oops >&2; echo done)")));
    QVERIFY(log.contains(QStringLiteral("Process %1 has been started.").arg(thread.pid())));
    QVERIFY(log.contains(QStringLiteral("Process %1 has been finish.").arg(thread.pid())));
    QVERIFY(log.contains(QStringLiteral("Process Error: \"oops\\n\"")));
}

void TestProcessThread::stopKillsTheProgram()
{
    ProcessThread thread;
    SignalOrder order(&thread);
    thread.setProgram(QStringLiteral("sleep"));
    thread.setArguments({"30"});
    thread.setOpenMode(QIODevice::ReadOnly);
    thread.start();
    QVERIFY(QTest::qWaitFor([&] { return order.names.contains("start"); }, 10000));
    QElapsedTimer clock;
    clock.start();
    thread.stop();
    QVERIFY(QTest::qWaitFor([&] { return order.names.contains("stop"); }, 10000));
    // 200 ms before the kill, one second after the end, far from the program's 30 s.
    QVERIFY(clock.elapsed() >= 1200);
    QVERIFY(clock.elapsed() < 10000);
    QCOMPARE(order.names, QStringList({"start", "stop"}));
    QVERIFY(thread.wait(5000));
}

void TestProcessThread::timeoutLeavesItRunning()
{
    LogCapture log;
    qint64 pid = 0;
    {
        ProcessThread thread;
        SignalOrder order(&thread);
        thread.setProgram(QStringLiteral("sleep"));
        thread.setArguments({"30"});
        thread.setOpenMode(QIODevice::ReadOnly);
        thread.setTimeout(300);
        thread.start();
        QVERIFY(thread.wait(10000));
        QTest::qWait(1500);
        QCOMPARE(order.names, QStringList({"start"}));
        pid = thread.pid();
        QVERIFY(!log.contains(QStringLiteral("has been finish.")));
        QVERIFY(QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid)));
    }
    QVERIFY(log.contains(QStringLiteral("Process %1 has been terminated.").arg(pid)));
    QVERIFY(QTest::qWaitFor(
        [pid] { return !QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid)); }, 5000));
}

void TestProcessThread::extractsTheSoundTrack()
{
    const QString video = m_sandbox->root() + QStringLiteral("/tone video.mp4");
    QVERIFY(TestMedia::makeVideo(video, 2, true));
    const QString audio = m_sandbox->root() + QStringLiteral("/out/tone.mp3");
    QDir().mkpath(QFileInfo(audio).path());

    ProcessThread thread;
    SignalOrder order(&thread);
    QVERIFY(thread.extractAudio(video, audio));
    QVERIFY(QTest::qWaitFor([&] { return order.names.contains("stop"); }, 60000));
    QCOMPARE(order.names, QStringList({"start", "stop"}));
    QCOMPARE(TestMedia::audioCodec(audio), QStringLiteral("mp3"));
    QVERIFY(QFileInfo(audio).size() > 1000);
    QVERIFY2(order.errors.isEmpty(), qPrintable(order.errors));
    QCOMPARE(thread.program(), QStringLiteral("ffmpeg"));
}

void TestProcessThread::failedExtractionLeavesNoStaleAudio()
{
    const QString video = m_sandbox->root() + QStringLiteral("/silent.mp4");
    QVERIFY(TestMedia::makeVideo(video, 1, false));
    const QString audio = m_sandbox->root() + QStringLiteral("/stale.mp3");
    QFile stale(audio);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("an earlier video's sound");
    stale.close();

    ProcessThread thread;
    SignalOrder order(&thread);
    QVERIFY(thread.extractAudio(video, audio));
    QVERIFY(QTest::qWaitFor([&] { return order.names.contains("stop"); }, 60000));
    // The program ran and failed on its own: that still counts as an end.
    QCOMPARE(order.names, QStringList({"start", "stop"}));
    QVERIFY(!order.errors.isEmpty());
    QVERIFY(!QFile::exists(audio));
}

void TestProcessThread::extractionRefusesEmptyPaths()
{
    ProcessThread thread;
    SignalOrder order(&thread);
    QVERIFY(!thread.extractAudio(QString(), QStringLiteral("/tmp/x.mp3")));
    QVERIFY(!thread.extractAudio(QStringLiteral("/tmp/x.mp4"), QString()));
    QTest::qWait(100);
    QVERIFY(!thread.isRunning());
    QVERIFY(order.names.isEmpty());
}

void TestProcessThread::managerPostsStartAndStop()
{
    const QString video = m_sandbox->root() + QStringLiteral("/clip.one.mp4");
    QVERIFY(TestMedia::makeVideo(video, 2, true));
    CaptionSandbox::loadVideo(video);
    GlobalManager* manager = GlobalManager::instance();
    QSignalSpy events(manager, &GlobalManager::globalEvent);
    LogCapture log;

    QVERIFY(manager->startMp3Thread());
    QVERIFY(QTest::qWaitFor(
        [&] { return globalEvents(events).contains(AppConfig::kEventVideoToAudioStop); }, 60000));
    QCOMPARE(globalEvents(events),
             QStringList({AppConfig::kEventVideoToAudioStart, AppConfig::kEventVideoToAudioStop}));
    QCOMPARE(events.at(1).at(1).toInt(), 0);
    const QString audio = m_sandbox->workDir() + QStringLiteral("/clip.one-zh-CN.mp3");
    QCOMPARE(CaptionManager::instance()->getAudioFilePath(), audio);
    QCOMPARE(TestMedia::audioCodec(audio), QStringLiteral("mp3"));
    QVERIFY(log.contains(QStringLiteral("m_mp3_thread->processStop false")));
}

void TestProcessThread::userStopPostsNoStop()
{
    GlobalManager* manager = GlobalManager::instance();
    ProcessThread* thread = manager->mp3Thread();
    QVERIFY(!thread->isRunning());
    SignalOrder order(thread);
    QSignalSpy events(manager, &GlobalManager::globalEvent);
    manager->setStoppedByUser(false);
    thread->setProgram(QStringLiteral("sleep"));
    thread->setArguments({"30"});
    thread->setOpenMode(QIODevice::ReadOnly);
    thread->start();
    QVERIFY(QTest::qWaitFor([&] { return order.names.contains("start"); }, 10000));

    manager->stopMp3Thread();
    QVERIFY(manager->stoppedByUser());
    QVERIFY(QTest::qWaitFor([&] { return order.names.contains("stop"); }, 10000));
    QTest::qWait(50);
    QCOMPARE(globalEvents(events), QStringList({AppConfig::kEventVideoToAudioStart}));
    thread->wait(5000);
}

void TestProcessThread::stopWhenIdleChangesNothing()
{
    GlobalManager* manager = GlobalManager::instance();
    QVERIFY(!manager->mp3Thread()->isRunning());
    manager->setStoppedByUser(false);
    manager->stopMp3Thread();
    QVERIFY(!manager->stoppedByUser());
}

void TestProcessThread::startClearsTheUserStop()
{
    const QString video = m_sandbox->root() + QStringLiteral("/again.mp4");
    QVERIFY(TestMedia::makeVideo(video, 1, true));
    CaptionSandbox::loadVideo(video);
    GlobalManager* manager = GlobalManager::instance();
    manager->setStoppedByUser(true);
    QSignalSpy events(manager, &GlobalManager::globalEvent);
    QVERIFY(manager->startMp3Thread());
    QVERIFY(!manager->stoppedByUser());
    QVERIFY(!manager->startMp3Thread()); // still running
    QVERIFY(QTest::qWaitFor(
        [&] { return globalEvents(events).contains(AppConfig::kEventVideoToAudioStop); }, 60000));

    CaptionSandbox::loadVideo(QString());
    QVERIFY(!manager->startMp3Thread());
}

QTEST_MAIN(TestProcessThread)
#include "tst_processthread.moc"

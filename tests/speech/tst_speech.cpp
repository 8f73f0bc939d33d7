#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <sys/stat.h>

#include "core/base/AppConfig.h"
#include "core/captions/CaptionManager.h"
#include "core/speech/HttpManager.h"
#include "core/speech/ProcessThread.h"
#include "gui/application/GlobalManager.h"
#include "support/TestSupport.h"

using TestSupport::HttpRequest;
using TestSupport::HttpResponse;

namespace {

const QByteArray kResult =
    R"({"state":"success","utterances":[{"start_time":0,"end_time":900,"text":"tone"}]})";

// Two seconds of a blue picture made by ffmpeg's own generators, with a 440 Hz tone if wanted.
bool makeVideo(const QString& path, bool withTone)
{
    QString arguments = QStringLiteral("-v error -nostdin -y -f lavfi -i color=c=blue:s=64x64:d=2");
    if (withTone)
        arguments += QStringLiteral(" -f lavfi -i sine=frequency=440:duration=2 -c:a aac");
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), (arguments + " -c:v mpeg4").split(' ') << path);
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0;
}

// The codec of the first sound track, empty when there is none.
QString audioCodec(const QString& path)
{
    const QString options =
        QStringLiteral("-v error -select_streams a:0 -show_entries stream=codec_name -of csv=p=0");
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"), options.split(' ') << path);
    ffprobe.waitForFinished(30000);
    return QString::fromUtf8(ffprobe.readAllStandardOutput()).trimmed();
}

bool running(qint64 pid)
{
    return pid > 0 && QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid));
}

QStringList names(const QSignalSpy& bus)
{
    QStringList list;
    for (const QList<QVariant>& call : bus)
        list << call.at(0).toString();
    return list;
}

// The working folder and the search path as they were, back in place when it goes.
struct Surroundings
{
    ~Surroundings()
    {
        QDir::setCurrent(folder);
        qputenv("PATH", path);
    }
    const QString folder = QDir::currentPath();
    const QByteArray path = qgetenv("PATH");
};

} // namespace

class TestSpeech : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void extraction_data();
    void extraction();
    void missingProgram_data();
    void missingProgram();

    void upload_data();
    void upload();
    void serverFaults_data();
    void serverFaults();
    void cancel_data();
    void cancel();

    // Last: one of its rows quits the application's event loop.
    void stopEndsTheExtraction_data();
    void stopEndsTheExtraction();

private:
    static QString workFolder() { return QDir::tempPath() + QStringLiteral("/Pictorb"); }

    TestSupport::LoopbackServer m_server;
    HttpManager* m_http = nullptr;
    QString m_audio;
};

void TestSpeech::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty(),
             "ffmpeg is a test dependency");
    qputenv("PICTORB_SPEECH_URL", m_server.baseUrl().toUtf8());
    GlobalManager::instance(); // turns the query result into the "task_id" event
    CaptionManager::instance()->setSpeechLanguage({QString(), QStringLiteral("en-US"), 7});
    m_http = HttpManager::instance();
    QVERIFY(QDir().mkpath(QDir::tempPath() + QStringLiteral("/videos")));
    m_audio = QDir::tempPath() + QStringLiteral("/sound.mp3");
    QVERIFY(TestSupport::writeBytes(m_audio, "ID3 sound"));
}

void TestSpeech::init()
{
    m_http->setTransferTimeout(10000);
    m_server.setResponses("/api/speech/submit", {HttpResponse::ok(R"({"task_id":"t"})")});
    m_server.setResponses("/api/speech/query", {HttpResponse::ok(kResult)});
}

void TestSpeech::extraction_data()
{
    QTest::addColumn<bool>("withTone");
    QTest::newRow("a video with sound") << true;
    // The earlier run's audio must not be taken for this one's.
    QTest::newRow("a silent video leaves no earlier audio") << false;
}

void TestSpeech::extraction()
{
    QFETCH(bool, withTone);
    const QString video = QDir::tempPath() + QStringLiteral("/videos/a trip.one.mp4");
    QVERIFY(makeVideo(video, withTone));
    const QString audio = workFolder() + QStringLiteral("/a trip.one-en-US.mp3");
    QVERIFY(QDir().mkpath(workFolder()) && TestSupport::writeBytes(audio, "earlier sound"));
    GlobalManager* manager = GlobalManager::instance();
    manager->setVideoFileInfo(QFileInfo(video));
    QSignalSpy bus(manager, &GlobalManager::globalEvent);

    QVERIFY(manager->startMp3Thread());
    QTRY_VERIFY_WITH_TIMEOUT(names(bus).contains(AppConfig::kEventVideoToAudioStop), 60000);
    QVERIFY(manager->mp3Thread()->wait(5000));
    QCOMPARE(names(bus),
             QStringList({AppConfig::kEventVideoToAudioStart, AppConfig::kEventVideoToAudioStop}));
    if (withTone)
        QCOMPARE(audioCodec(audio), QStringLiteral("mp3"));
    else
        QVERIFY(!QFile::exists(audio));
}

void TestSpeech::missingProgram_data()
{
    // path: PATH while it runs (empty: unchanged); with ".", a program of that name waits in
    // the working folder.
    QTest::addColumn<QString>("program");
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("name not on the search path") << "pictorb-no-such-program" << QByteArray();
    QTest::newRow("absolute path that does not exist") << "/nonexistent/program" << QByteArray();
    QTest::newRow("empty name") << QString() << QByteArray();
    QTest::newRow("ffmpeg not on the search path") << "ffmpeg" << QByteArray("/nonexistent");
    QTest::newRow("ffmpeg only in the working folder") << "ffmpeg" << QByteArray(".");
}

void TestSpeech::missingProgram()
{
    QFETCH(QString, program);
    QFETCH(QByteArray, path);
    Surroundings restored;
    QTemporaryDir here;
    const QString marker = here.filePath(QStringLiteral("ran"));
    if (path == ".") {
        const QString fake = here.filePath(program);
        QVERIFY(TestSupport::writeBytes(fake, "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n"));
        QVERIFY(QFile::setPermissions(fake, QFile::ReadOwner | QFile::ExeOwner));
    }
    QDir::setCurrent(here.path());
    if (!path.isEmpty())
        qputenv("PATH", path);

    ProcessThread thread;
    QSignalSpy failed(&thread, &ProcessThread::processFailed);
    QSignalSpy started(&thread, &ProcessThread::processStart);
    TestSupport::LogCapture log;
    thread.setProgram(program);
    thread.setArguments({QStringLiteral("-version")});
    thread.start();
    QVERIFY(thread.wait(35000));
    QCOMPARE(failed.count(), 1);
    QCOMPARE(started.count(), 0);
    QVERIFY(log.contains(QStringLiteral("Failed to start process")));
    QVERIFY(!QFile::exists(marker));
}

void TestSpeech::upload_data()
{
    // name: the audio file's name; sent: how it stands in the quoted filename.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QByteArray>("taskId");
    QTest::addColumn<QByteArray>("query");
    QTest::newRow("spaces and letters beyond ASCII")
        << "my audio ü.mp3" << QByteArray("my audio \xc3\xbc.mp3") << QByteArray("a b&c=1#x")
        << QByteArray("task_id=a%20b%26c%3D1%23x");
    QTest::newRow("quote and backslash")
        << R"(say "hi" \ now.mp3)" << QByteArray(R"(say \"hi\" \\ now.mp3)") << QByteArray("t")
        << QByteArray("task_id=t");
    QTest::newRow("line break and control characters")
        << "a\r\nX-Evil: 1\tb\x7f.mp3" << QByteArray("a%0D%0AX-Evil: 1%09b%7F.mp3")
        << QByteArray("t") << QByteArray("task_id=t");
}

void TestSpeech::upload()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, sent);
    QFETCH(QByteArray, taskId);
    QFETCH(QByteArray, query);
    QTemporaryDir folder;
    const QByteArray sound = "ID3 sound";
    QVERIFY(TestSupport::writeBytes(folder.filePath(name), sound));
    m_server.setResponses("/api/speech/submit",
                          {HttpResponse::ok("{\"task_id\":\"" + taskId + "\"}")});
    QSignalSpy finished(m_http, &HttpManager::requestFinished);
    QSignalSpy bus(GlobalManager::instance(), &GlobalManager::globalEvent);
    const int before = m_server.requests().size();

    m_http->loadCaptions(folder.filePath(name), QStringLiteral("yue"));
    QVERIFY(finished.wait(10000));
    const QList<HttpRequest> requests = m_server.requests().mid(before);
    QCOMPARE(requests.size(), 2);
    const HttpRequest& submit = requests.at(0);
    QCOMPARE(submit.method + ' ' + submit.path + '?' + submit.query,
             QByteArray("POST /api/speech/submit?language=yue"));
    // The name only: where the file lies on this computer is not sent.
    QCOMPARE(submit.part("file"), qMakePair(sent, sound));
    // Nothing in the name may end the header line and start one of its own.
    QCOMPARE(submit.body.count("Content-Disposition:"), 1);
    QVERIFY(!submit.body.contains("\nX-Evil"));
    QCOMPARE(requests.at(1).method + ' ' + requests.at(1).path + '?' + requests.at(1).query,
             "GET /api/speech/query?" + query);
    QCOMPARE(names(bus), QStringList({AppConfig::kEventTaskId}));
    QCOMPARE(bus.first().at(1).toByteArray(), kResult);
}

void TestSpeech::serverFaults_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<int>("delivery"); // -1: an answer announced too large
    for (const char* step : {"submit", "query"}) {
        const QByteArray path = QByteArray("/api/speech/") + step;
        QTest::addRow("%s never answers", step) << path << int(HttpResponse::NeverAnswer);
        QTest::addRow("%s trickles", step) << path << int(HttpResponse::Trickle);
        QTest::addRow("%s closes mid body", step) << path << int(HttpResponse::CloseMidBody);
        QTest::addRow("%s answer oversized", step) << path << -1;
    }
}

void TestSpeech::serverFaults()
{
    QFETCH(QByteArray, path);
    QFETCH(int, delivery);
    const bool upload = path.endsWith("submit");
    HttpResponse answer = HttpResponse::ok(upload ? QByteArray(R"({"task_id":"t"})") : kResult);
    if (delivery < 0)
        answer.headers << qMakePair(QByteArray("Content-Length"),
                                    QByteArray::number(HttpManager::kMaxResponseBytes + 1));
    else
        answer.delivery = HttpResponse::Delivery(delivery);
    // Long enough that, a byte at a time, only a deadline ends it.
    if (delivery == HttpResponse::Trickle)
        answer.body += QByteArray(100000, ' ');
    m_server.setResponses(path, {answer});
    m_http->setTransferTimeout(1000);
    QSignalSpy finished(m_http, &HttpManager::requestFinished);
    QSignalSpy errors(m_http, &HttpManager::requestError);
    QSignalSpy bus(GlobalManager::instance(), &GlobalManager::globalEvent);
    const int queries = m_server.requestCount("/api/speech/query");
    TestSupport::LogCapture log;

    m_http->loadCaptions(m_audio, QStringLiteral("en-US"));
    // A failed upload ends the recognition with a log line; a failed query is reported.
    const QString failed = QStringLiteral("Request failed. Error:");
    const auto ended = [&] { return upload ? log.contains(failed) : errors.count() == 1; };
    QTRY_VERIFY2_WITH_TIMEOUT(ended(), "still open after 10 s", 10000);
    QCOMPARE(delivery < 0, log.contains(QStringLiteral("answer too large")));
    QCOMPARE(finished.count(), 0);
    QCOMPARE(errors.count(), upload ? 0 : 1);
    QCOMPARE(m_server.requestCount("/api/speech/query") - queries, upload ? 0 : 1);
    QVERIFY(!names(bus).contains(AppConfig::kEventTaskId));
}

void TestSpeech::cancel_data()
{
    QTest::addColumn<int>("requestsSeen");
    QTest::newRow("while sending") << 0;
    QTest::newRow("waiting for the answer") << 1;
    // Only the upload is cancelled: a query already on its way still delivers.
    QTest::newRow("after the query went out") << 2;
}

void TestSpeech::cancel()
{
    QFETCH(int, requestsSeen);
    const bool late = requestsSeen == 2;
    HttpResponse submit = HttpResponse::ok(R"({"task_id":"t"})");
    submit.delivery = late ? HttpResponse::Whole : HttpResponse::NeverAnswer;
    m_server.setResponses("/api/speech/submit", {submit});
    m_server.setResponses("/api/speech/query", {{200, kResult, {}, HttpResponse::Trickle}});
    QSignalSpy finished(m_http, &HttpManager::requestFinished);
    const int before = m_server.requests().size();
    TestSupport::LogCapture log;
    const QString failed = QStringLiteral("Request failed. Error:");

    m_http->loadCaptions(m_audio, QStringLiteral("en-US"));
    if (requestsSeen > 0)
        QVERIFY(m_server.waitForRequests(before + requestsSeen, 10000));
    m_http->stopUpload();
    m_http->stopUpload(); // nothing more to cancel
    if (late)
        QVERIFY(finished.wait(10000));
    QCOMPARE(log.count(failed), late ? 0 : 1);
    QCOMPARE(finished.count(), late ? 1 : 0);
    QCOMPARE(m_server.requests().size() - before, late ? 2 : requestsSeen);
}

void TestSpeech::stopEndsTheExtraction_data()
{
    QTest::addColumn<bool>("quit");
    QTest::newRow("cancelled") << false;
    QTest::newRow("application quits") << true;
}

void TestSpeech::stopEndsTheExtraction()
{
    QFETCH(bool, quit);
    // A pipe nobody writes to: ffmpeg waits on it for ever, as on a very long video.
    const QString video = QDir::tempPath() + QStringLiteral("/videos/endless.mp4");
    QFile::remove(video);
    QCOMPARE(::mkfifo(QFile::encodeName(video).constData(), 0600), 0);
    GlobalManager* manager = GlobalManager::instance();
    manager->setVideoFileInfo(QFileInfo(video));
    QSignalSpy bus(manager, &GlobalManager::globalEvent);

    QVERIFY(manager->startMp3Thread());
    QTRY_VERIFY_WITH_TIMEOUT(names(bus).contains(AppConfig::kEventVideoToAudioStart), 30000);
    const qint64 pid = manager->mp3Thread()->pid();
    QVERIFY(running(pid));
    if (quit) {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    } else {
        manager->stopMp3Thread(); // what the loading dialog's Cancel leads to
    }
    QVERIFY(manager->mp3Thread()->wait(10000));
    QTRY_VERIFY(!running(pid));
    QCoreApplication::sendPostedEvents();
    // Stopped on purpose: no upload follows.
    QCOMPARE(names(bus), QStringList({AppConfig::kEventVideoToAudioStart}));
}

PICTORB_TEST_MAIN(TestSpeech)
#include "tst_speech.moc"

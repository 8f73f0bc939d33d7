#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <sys/stat.h>

#include "core/base/AppConfig.h"
#include "core/base/Settings.h"
#include "core/captions/CaptionManager.h"
#include "core/captions/SubtitleFile.h"
#include "core/speech/HttpManager.h"
#include "core/speech/ProcessThread.h"
#include "core/speech/SpeechReply.h"
#include "core/speech/SpeechSettings.h"
#include "core/speech/SubtitleGenerator.h"
#include "core/speech/TranscriptionClient.h"
#include "gui/application/GlobalManager.h"
#include "gui/application/SecretStore.h"
#include "support/TestSupport.h"

using TestSupport::HttpRequest;
using TestSupport::HttpResponse;
using Provider = SpeechSettings::Provider;

Q_DECLARE_METATYPE(TestSupport::HttpResponse)

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

    void speechSettings_data();
    void speechSettings();
    void repliesAreMended_data();
    void repliesAreMended();
    void generation_data();
    void generation();
    void transcriptionRequest_data();
    void transcriptionRequest();
    void recognisedTextStaysText();
    void cancelAtEveryStage_data();
    void cancelAtEveryStage();
    void apiKeyWithoutSecretStore();

    // Last: one of its rows quits the application's event loop.
    void stopEndsTheExtraction_data();
    void stopEndsTheExtraction();

private:
    static QString workFolder() { return QDir::tempPath() + QStringLiteral("/Pictorb"); }
    SpeechSettings settingsFor(Provider provider, int timeoutSeconds = 60) const;
    // Points the caption store at a film and makes it when it is not there yet.
    bool useFilm(const QString& name, int seconds);

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

SpeechSettings TestSpeech::settingsFor(Provider provider, int timeoutSeconds) const
{
    SpeechSettings settings;
    settings.setProvider(provider);
    settings.setBaseUrl(m_server.baseUrl());
    settings.setTimeoutSeconds(timeoutSeconds);
    return settings;
}

bool TestSpeech::useFilm(const QString& name, int seconds)
{
    const QString film = QDir::tempPath() + QStringLiteral("/videos/") + name;
    if (!QFile::exists(film)) {
        QProcess ffmpeg;
        ffmpeg.start(
            QStringLiteral("ffmpeg"),
            QStringLiteral("-v error -nostdin -y -f lavfi -i color=c=blue:s=16x16:r=5:d=%1 "
                           "-f lavfi -i sine=frequency=300:duration=%1 -c:v mpeg4 -c:a aac")
                    .arg(seconds)
                    .split(' ')
                << film);
        if (!ffmpeg.waitForFinished(120000) || ffmpeg.exitCode() != 0)
            return false;
    }
    CaptionManager::instance()->setVideoFile(QFileInfo(film));
    return true;
}

void TestSpeech::speechSettings_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("http with a port") << "http://127.0.0.1:8080" << true;
    QTest::newRow("https") << "https://api.example.org/" << true;
    QTest::newRow("no scheme") << "localhost:8000" << false;
    QTest::newRow("another scheme") << "ftp://example.org" << false;
    QTest::newRow("no host") << "http://" << false;
}

void TestSpeech::speechSettings()
{
    QFETCH(QString, url);
    QFETCH(bool, accepted);
    QCOMPARE(SpeechSettings::isHttpUrl(url), accepted);

    // A fresh store: the Pictorb service at its endpoint, ten minutes.
    const SpeechSettings fresh = SpeechSettings::load();
    QCOMPARE(fresh.provider(), Provider::PictorbService);
    QCOMPARE(fresh.baseUrl(), m_server.baseUrl());
    QCOMPARE(fresh.timeoutSeconds(), 600);
    QCOMPARE(fresh.model(), QStringLiteral("whisper-1"));

    SpeechSettings settings;
    settings.setProvider(Provider::OpenAiTranscription);
    settings.setBaseUrl(QStringLiteral("http://127.0.0.1:9/"));
    settings.setModel(QStringLiteral(" large-v3 "));
    settings.setTimeoutSeconds(0);
    settings.save();
    const SpeechSettings loaded = SpeechSettings::load();
    QCOMPARE(loaded.provider(), Provider::OpenAiTranscription);
    QCOMPARE(loaded.baseUrl(), QStringLiteral("http://127.0.0.1:9"));
    QCOMPARE(loaded.model(), QStringLiteral("large-v3"));
    QCOMPARE(loaded.timeoutSeconds(), 1);
    // The other provider keeps its own address: none typed, so its endpoint.
    SpeechSettings other = loaded;
    other.setProvider(Provider::PictorbService);
    QCOMPARE(other.baseUrl(), m_server.baseUrl());
    SpeechSettings().save();
}

void TestSpeech::repliesAreMended_data()
{
    QTest::addColumn<int>("format"); // SpeechReply::Format
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<QString>("lines"); // start-end per line, in order
    QTest::addColumn<SpeechReply::Repairs>("repairs");
    const int utterances = int(SpeechReply::Format::Utterances);
    const int segments = int(SpeechReply::Format::Segments);
    QTest::newRow("utterances as sent")
        << utterances << QByteArray(R"({"utterances":[{"start_time":0,"end_time":900,"text":"a"},
            {"start_time":1000,"end_time":2000,"text":"b"}]})")
        << true << "0-900 1000-2000" << SpeechReply::Repairs();
    QTest::newRow("segments in seconds")
        << segments << QByteArray(R"({"segments":[{"start":0.5,"end":1.25,"text":" a "}]})") << true
        << "500-1250" << SpeechReply::Repairs();
    // The film is 3 s long.
    QTest::newRow("past the end: clamped")
        << segments << QByteArray(R"({"segments":[{"start":2.5,"end":9,"text":"a"},
            {"start":7,"end":8,"text":"b"}]})")
        << true << "2500-3000 3000-3000" << SpeechReply::Repairs(SpeechReply::Clamped);
    QTest::newRow("negative and reversed: mended and sorted")
        << utterances
        << QByteArray(R"({"utterances":[{"start_time":1500,"end_time":1000,"text":"b"},
            {"start_time":-200,"end_time":400,"text":"a"}]})")
        << true << "0-400 1000-1500" << SpeechReply::Repairs(SpeechReply::Reordered);
    QTest::newRow("times that are no numbers")
        << utterances
        << QByteArray(R"({"utterances":[{"start_time":"1","end_time":null,"text":"a"}]})") << true
        << "0-0" << SpeechReply::Repairs(SpeechReply::Reordered);
    QTest::newRow("nothing said") << segments << QByteArray(R"({"segments":[]})") << true << ""
                                  << SpeechReply::Repairs();
    QTest::newRow("not JSON") << utterances << QByteArray("<html>busy</html>") << false << ""
                              << SpeechReply::Repairs();
    QTest::newRow("the other provider's list")
        << utterances << QByteArray(R"({"segments":[{"start":0,"end":1,"text":"a"}]})") << false
        << "" << SpeechReply::Repairs();
    QTest::newRow("over 50 MB") << utterances
                                << QByteArray(R"({"utterances":[],"pad":")") +
                                       QByteArray(50 * 1024 * 1024, 'x') + "\"}"
                                << false << "" << SpeechReply::Repairs();
}

void TestSpeech::repliesAreMended()
{
    QFETCH(int, format);
    QFETCH(QByteArray, body);
    QFETCH(bool, usable);
    QFETCH(QString, lines);
    QFETCH(SpeechReply::Repairs, repairs);
    QList<SpeechLine> read;
    SpeechReply::Repairs mended;
    QCOMPARE(SpeechReply::read(body, SpeechReply::Format(format), 3000, &read, &mended), usable);
    QStringList times;
    for (const SpeechLine& line : read)
        times << QStringLiteral("%1-%2").arg(line.startMs).arg(line.endMs);
    QCOMPARE(times.join(' '), lines);
    QCOMPARE(mended, repairs);
}

void TestSpeech::generation_data()
{
    QTest::addColumn<int>("provider");
    QTest::addColumn<QList<HttpResponse>>("first");   // submit, or the transcription
    QTest::addColumn<QList<HttpResponse>>("queries"); // the service's answers, one per query
    QTest::addColumn<int>("timeout");                 // seconds
    QTest::addColumn<QString>("failure");             // empty: lines arrive
    QTest::addColumn<int>("queryCount");              // -1: at least two

    const QList<HttpResponse> task{HttpResponse::ok(R"({"task_id":"t1"})")};
    const HttpResponse running = HttpResponse::ok(R"({"state":"running"})");
    const HttpResponse done = HttpResponse::ok(
        R"({"state":"success","utterances":[{"start_time":200,"end_time":1200,"text":"one"},
           {"start_time":1500,"end_time":2500,"text":"two"}]})");
    const HttpResponse segments = HttpResponse::ok(
        R"({"text":"one two","segments":[{"start":0.2,"end":1.2,"text":" one"},
           {"start":1.5,"end":2.5,"text":" two"}]})");
    const HttpResponse silent{200, "", {}, HttpResponse::NeverAnswer};
    HttpResponse huge = HttpResponse::ok(QByteArray(60 * 1024 * 1024, ' '));
    const QString noAnswer = QStringLiteral("The speech service did not answer");
    const QString unusable = QStringLiteral("The service returned no usable result");
    const int service = int(Provider::PictorbService);
    const int transcription = int(Provider::OpenAiTranscription);

    QTest::newRow("service: a slow task needs three queries")
        << service << task << QList<HttpResponse>{running, HttpResponse::ok("{}"), done} << 60
        << QString() << 3;
    QTest::newRow("service: submit refused") << service << QList<HttpResponse>{{500, "no", {}}}
                                             << QList<HttpResponse>{done} << 60 << noAnswer << 0;
    QTest::newRow("service: query refused")
        << service << task << QList<HttpResponse>{{502, "down", {}}} << 60 << noAnswer << 1;
    QTest::newRow("service: garbage at submit")
        << service << QList<HttpResponse>{HttpResponse::ok("<html>")} << QList<HttpResponse>{done}
        << 60 << unusable << 0;
    QTest::newRow("service: garbage at query")
        << service << task << QList<HttpResponse>{HttpResponse::ok("\x01\x02 not json")} << 60
        << unusable << 1;
    QTest::newRow("service: the task failed")
        << service << task << QList<HttpResponse>{HttpResponse::ok(R"({"state":"failed"})")} << 60
        << unusable << 1;
    QTest::newRow("service: never answers")
        << service << task << QList<HttpResponse>{silent} << 2 << noAnswer << 1;
    QTest::newRow("service: still running at the time-out")
        << service << task << QList<HttpResponse>{running} << 2 << noAnswer << -1;
    QTest::newRow("service: a 60 MB answer")
        << service << task << QList<HttpResponse>{huge} << 60 << unusable << 1;
    QTest::newRow("transcription: segments") << transcription << QList<HttpResponse>{segments}
                                             << QList<HttpResponse>() << 60 << QString() << 0;
    QTest::newRow("transcription: key refused")
        << transcription << QList<HttpResponse>{{401, R"({"error":"key"})", {}}}
        << QList<HttpResponse>() << 60
        << QStringLiteral("The transcription service refused the API key") << 0;
    QTest::newRow("transcription: server error")
        << transcription << QList<HttpResponse>{{500, "oops", {}}} << QList<HttpResponse>() << 60
        << noAnswer << 0;
    QTest::newRow("transcription: garbage")
        << transcription << QList<HttpResponse>{HttpResponse::ok("[1,2]")} << QList<HttpResponse>()
        << 60 << unusable << 0;
    QTest::newRow("transcription: never answers") << transcription << QList<HttpResponse>{silent}
                                                  << QList<HttpResponse>() << 2 << noAnswer << 0;
    QTest::newRow("transcription: a 60 MB answer") << transcription << QList<HttpResponse>{huge}
                                                   << QList<HttpResponse>() << 60 << unusable << 0;
}

void TestSpeech::generation()
{
    QFETCH(int, provider);
    QFETCH(QList<HttpResponse>, first);
    QFETCH(QList<HttpResponse>, queries);
    QFETCH(int, timeout);
    QFETCH(QString, failure);
    QFETCH(int, queryCount);
    const bool service = provider == int(Provider::PictorbService);
    const QByteArray firstPath = service ? "/api/speech/submit" : "/v1/audio/transcriptions";
    m_server.setResponses(firstPath, first);
    m_server.setResponses("/api/speech/query", queries);
    QVERIFY(useFilm(QStringLiteral("speech.mkv"), 3));
    CaptionManager* captions = CaptionManager::instance();
    captions->clearCaptions();
    const QString audio = captions->getAudioFilePath();
    SubtitleGenerator generator;
    QSignalSpy stages(&generator, &SubtitleGenerator::stageChanged);
    QSignalSpy finished(&generator, &SubtitleGenerator::finished);
    QSignalSpy failed(&generator, &SubtitleGenerator::failed);
    const int queriesBefore = m_server.requestCount("/api/speech/query");
    const int firstBefore = m_server.requestCount(firstPath);

    QVERIFY(generator.start(settingsFor(Provider(provider), timeout), QString(), 3000));
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() + failed.count() == 1, 60000);
    QTest::qWait(100); // nothing more may follow
    QCOMPARE(finished.count() + failed.count(), 1);
    QVERIFY(!generator.isRunning());
    const int asked = m_server.requestCount("/api/speech/query") - queriesBefore;
    if (queryCount < 0)
        QVERIFY2(asked >= 2, qPrintable(QString::number(asked)));
    else
        QCOMPARE(asked, queryCount);
    QCOMPARE(stages.first().at(0).value<SubtitleGenerator::Stage>(),
             SubtitleGenerator::Stage::Extracting);
    if (failure.isEmpty()) {
        QCOMPARE(finished.first().at(1).toInt(), 2);
        QCOMPARE(finished.first().at(0).toString(), captions->getAssPath());
        QCOMPARE(captions->captions().size(), 2);
        QCOMPARE(captions->captions().at(1)->text, QStringLiteral("two"));
        QCOMPARE(captions->captions().at(1)->startTime, QStringLiteral("0:0:1.50"));
        QList<SubtitleLine> lines;
        QString error;
        QVERIFY2(SubtitleFile::read(captions->getAssPath(), &lines, &error), qPrintable(error));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0).text, QStringLiteral("one"));
        QCOMPARE(lines.at(0).startMs, 200);
        return;
    }
    QCOMPARE(failed.first().at(0).toString(), failure);
    // The audio stays for Retry, which sends it again without extracting.
    QCOMPARE(audioCodec(audio), QStringLiteral("mp3"));
    QVERIFY(captions->captions().isEmpty());
    m_server.setResponses(firstPath, {service ? HttpResponse::ok(R"({"task_id":"t2"})")
                                              : HttpResponse::ok(R"({"segments":[]})")});
    m_server.setResponses("/api/speech/query", {HttpResponse::ok(R"({"utterances":[]})")});
    stages.clear();
    QVERIFY(generator.retry());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(stages.first().at(0).value<SubtitleGenerator::Stage>(),
             SubtitleGenerator::Stage::Uploading);
    QCOMPARE(m_server.requestCount(firstPath) - firstBefore, 2);
}

void TestSpeech::transcriptionRequest_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("with a key") << "sk-secret-1234"
                                << "en-US" << QByteArray("en");
    QTest::newRow("without a key") << QString() << "yue" << QByteArray("yue");
}

void TestSpeech::transcriptionRequest()
{
    QFETCH(QString, key);
    QFETCH(QString, language);
    QFETCH(QByteArray, sent);
    m_server.setResponses("/v1/audio/transcriptions",
                          {HttpResponse::ok(R"({"segments":[{"start":0,"end":1,"text":"x"}]})")});
    SpeechSettings settings = settingsFor(Provider::OpenAiTranscription);
    settings.setModel(QStringLiteral("small.en"));
    TranscriptionClient client;
    QSignalSpy received(&client, &SpeechClient::received);
    QSignalSpy progress(&client, &SpeechClient::uploadProgress);
    TestSupport::LogCapture log;
    const int before = m_server.requests().size();

    client.start(m_audio, language, settings, key);
    QVERIFY(received.wait(10000));
    const HttpRequest request = m_server.requests().mid(before).constFirst();
    QCOMPARE(request.method + ' ' + request.path, QByteArray("POST /v1/audio/transcriptions"));
    QVERIFY(request.query.isEmpty());
    QCOMPARE(request.part("file"), qMakePair(QByteArray("sound.mp3"), QByteArray("ID3 sound")));
    QCOMPARE(request.part("model").second, QByteArray("small.en"));
    QCOMPARE(request.part("language").second, sent);
    QCOMPARE(request.part("response_format").second, QByteArray("verbose_json"));
    QCOMPARE(request.header("Authorization"),
             key.isEmpty() ? QByteArray() : "Bearer " + key.toUtf8());
    QVERIFY(!progress.isEmpty());
    QCOMPARE(progress.last().at(0), progress.last().at(1));
    if (!key.isEmpty())
        QVERIFY(!log.contains(key));
}

void TestSpeech::recognisedTextStaysText()
{
    // As a service sent them: a Windows path, an override block and braces, a real line break.
    const QStringList said = {QStringLiteral("C:\\new\\Nline"), QStringLiteral("{\\i1}x{y}\\h"),
                              QStringLiteral("two\nrows")};
    QJsonArray utterances;
    for (int i = 0; i < said.size(); ++i)
        utterances.append(QJsonObject{
            {"start_time", i * 1000}, {"end_time", i * 1000 + 800}, {"text", said.at(i)}});
    m_server.setResponses("/api/speech/submit", {HttpResponse::ok(R"({"task_id":"t"})")});
    m_server.setResponses(
        "/api/speech/query",
        {HttpResponse::ok(QJsonDocument(QJsonObject{{"utterances", utterances}}).toJson())});
    QVERIFY(useFilm(QStringLiteral("speech.mkv"), 3));
    SubtitleGenerator generator;
    QSignalSpy finished(&generator, &SubtitleGenerator::finished);
    QVERIFY(generator.start(settingsFor(Provider::PictorbService), QString(), 3000));
    QVERIFY(finished.wait(60000));
    const QString script = finished.first().at(0).toString();

    // The player's reading and ffmpeg's both keep the characters; the joiner is drawn as nothing.
    const auto visible = [](QString text) { return text.remove(QChar(0x2060)); };
    QList<SubtitleLine> lines;
    QString error;
    QVERIFY(SubtitleFile::read(script, &lines, &error));
    QCOMPARE(lines.size(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(visible(lines.at(i).text), said.at(i));
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), {"-v", "error", "-i", script, "-f", "srt", "-"});
    QVERIFY(ffmpeg.waitForFinished(30000));
    QCOMPARE(ffmpeg.exitCode(), 0);
    const QString srt =
        visible(QString::fromUtf8(ffmpeg.readAllStandardOutput())).remove(QLatin1Char('\r'));
    QVERIFY2(srt.contains(QStringLiteral("C:\\new\\Nline")), qPrintable(srt));
    QVERIFY2(srt.contains(QStringLiteral("00:00:01,000 --> 00:00:01,800")), qPrintable(srt));
    QVERIFY2(srt.contains(QStringLiteral("two\nrows")), qPrintable(srt));
}

void TestSpeech::cancelAtEveryStage_data()
{
    QTest::addColumn<int>("stage"); // SubtitleGenerator::Stage to cancel at
    QTest::addColumn<bool>("quit");
    QTest::newRow("extracting") << int(SubtitleGenerator::Stage::Extracting) << false;
    QTest::newRow("uploading") << int(SubtitleGenerator::Stage::Uploading) << false;
    QTest::newRow("recognising") << int(SubtitleGenerator::Stage::Recognising) << false;
    QTest::newRow("extracting when the application quits")
        << int(SubtitleGenerator::Stage::Extracting) << true;
    QTest::newRow("recognising when the application quits")
        << int(SubtitleGenerator::Stage::Recognising) << true;
}

void TestSpeech::cancelAtEveryStage()
{
    QFETCH(int, stage);
    QFETCH(bool, quit);
    const auto wanted = SubtitleGenerator::Stage(stage);
    m_server.setResponses("/api/speech/submit", {HttpResponse::ok(R"({"task_id":"t"})")});
    m_server.setResponses("/api/speech/query", {HttpResponse::ok(R"({"state":"running"})")});
    if (wanted == SubtitleGenerator::Stage::Extracting) {
        // A pipe nobody writes to: ffmpeg waits on it as on a very long film.
        const QString endless = QDir::tempPath() + QStringLiteral("/videos/endless speech.mp4");
        QFile::remove(endless);
        QCOMPARE(::mkfifo(QFile::encodeName(endless).constData(), 0600), 0);
        CaptionManager::instance()->setVideoFile(QFileInfo(endless));
    } else {
        QVERIFY(useFilm(QStringLiteral("speech.mkv"), 3));
    }
    const QString audio = CaptionManager::instance()->getAudioFilePath();
    SubtitleGenerator generator;
    QSignalSpy cancelled(&generator, &SubtitleGenerator::cancelled);
    QSignalSpy finished(&generator, &SubtitleGenerator::finished);
    QSignalSpy failed(&generator, &SubtitleGenerator::failed);
    bool reached = false;
    connect(&generator, &SubtitleGenerator::stageChanged, this, [&](SubtitleGenerator::Stage now) {
        if (now != wanted || reached)
            return;
        reached = true;
        // The upload is cancelled as soon as it is on its way.
        if (wanted == SubtitleGenerator::Stage::Uploading)
            QTimer::singleShot(0, &generator, &SubtitleGenerator::cancel);
    });
    QVERIFY(generator.start(settingsFor(Provider::PictorbService), QString(), 3000));
    QTRY_VERIFY_WITH_TIMEOUT(reached, 60000);
    qint64 pid = 0;
    if (wanted == SubtitleGenerator::Stage::Extracting) {
        QTRY_VERIFY(running(generator.extraction()->pid()));
        pid = generator.extraction()->pid();
    }
    if (quit)
        QMetaObject::invokeMethod(qApp, "aboutToQuit");
    else if (wanted != SubtitleGenerator::Stage::Uploading)
        generator.cancel();
    QTRY_COMPARE_WITH_TIMEOUT(cancelled.count(), 1, 10000);
    QVERIFY(!generator.isRunning());
    if (pid != 0) {
        QVERIFY(generator.extraction()->wait(10000));
        QTRY_VERIFY(!running(pid));
    }
    QTRY_VERIFY(!QFile::exists(audio));
    // A request already written when the cancel came may still reach the server; after that,
    // an unstopped recognition would ask again within 2 s (at 0.3, 0.8 and 1.5 s).
    QTest::qWait(200);
    const int requests = m_server.requests().size();
    QTest::qWait(2000);
    QCOMPARE(m_server.requests().size(), requests);
    QCOMPARE(finished.count() + failed.count(), 0);
}

void TestSpeech::apiKeyWithoutSecretStore()
{
    // No secret store runs here: the key is kept for the session, and the user is told.
    SecretStore* store = SecretStore::instance();
    QSignalSpy unavailable(store, &SecretStore::unavailable);
    QSignalSpy written(store, &SecretStore::keyWritten);
    TestSupport::LogCapture log;
    const QString key = QStringLiteral("sk-session-only-5678");
    store->writeApiKey(key);
    QVERIFY(written.wait(30000));
    QCOMPARE(unavailable.count(), 1);
    QCOMPARE(
        unavailable.first().at(0).toString(),
        QStringLiteral("No secret store is running: the API key is kept for this session only"));
    QString read;
    QObject context;
    store->readApiKey(&context, [&read](const QString& value) { read = value; });
    QTRY_COMPARE(read, key);
    QVERIFY(!log.contains(key));
    // Nowhere in the settings either.
    const QString settingsFile =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, AppConfig::kProductName)
            .fileName();
    QVERIFY(!TestSupport::readBytes(settingsFile).contains(key.toUtf8()));
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

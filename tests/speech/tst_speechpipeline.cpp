#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QSignalSpy>
#include <QUrlQuery>
#include <QtTest>

#include "../caption/CaptionSandbox.h"
#include "../images/LogCapture.h"
#include "TestMedia.h"
#include "common/LoopbackHttpServer.h"
#include "core/base/AppConfig.h"
#include "core/captions/CaptionManager.h"
#include "core/speech/HttpManager.h"
#include "core/speech/ProcessThread.h"
#include "gui/application/GlobalManager.h"
#include "gui/captions/CaptionItem.h"
#include "gui/captions/CaptionWidget.h"

namespace {

const QByteArray kResult = R"({"state":"success","utterances":[
    {"start_time":0,"end_time":1000,"text":"a steady tone"},
    {"start_time":1000,"end_time":1900,"text":"still the tone"}]})";

// Routes the events of the subtitle pipeline the way the main window does.
class Dispatcher : public QObject
{
public:
    explicit Dispatcher(CaptionWidget* panel) : m_panel(panel)
    {
        connect(GlobalManager::instance(), &GlobalManager::globalEvent, this,
                [this](const QString& name, const QVariant& value) { handle(name, value); });
    }
    QStringList events;

private:
    void handle(const QString& name, const QVariant& value)
    {
        CaptionManager* store = CaptionManager::instance();
        if (name != AppConfig::kEventSettingChange)
            events << name;
        if (name == AppConfig::kEventVideoToAudioStop)
            HttpManager::instance()->loadCaptions(store->getAudioFilePath(),
                                                  store->speechLanguage().code);
        if (name == AppConfig::kEventTaskId)
            store->createCaptions(value.toByteArray(), true);
        if (name == AppConfig::kEventCreateCaptionComplete && !store->captions().isEmpty())
            m_panel->reload();
        if (name == AppConfig::kEventStopAiCaption) {
            GlobalManager::instance()->stopMp3Thread();
            HttpManager::instance()->stopUpload();
        }
    }
    CaptionWidget* m_panel;
};

} // namespace

using CaptionTest::posted;
using CaptionTest::readAll;

class TestSpeechPipeline : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void videoToCaptions();
    void cancelDuringUpload();
    void missingExtractorStopsQuietly();

private:
    std::unique_ptr<CaptionSandbox> m_sandbox;
    LoopbackHttpServer* m_server = nullptr;
    QString m_video;
};

void TestSpeechPipeline::initTestCase()
{
    m_sandbox = std::make_unique<CaptionSandbox>();
    QVERIFY(m_sandbox->isValid());
    QVERIFY2(!TestMedia::ffmpeg().isEmpty(), "ffmpeg is a test dependency");
    QDir().mkpath(m_sandbox->root() + QStringLiteral("/videos"));
    m_video = m_sandbox->root() + QStringLiteral("/videos/trip to the sea.mp4");
    QVERIFY(TestMedia::makeVideo(m_video, 2, true));
    CaptionManager::instance()->setSpeechLanguage({QString(), QStringLiteral("zh-CN"), 0});
}

void TestSpeechPipeline::init()
{
    m_server = new LoopbackHttpServer;
    QVERIFY(m_server->isListening());
    qputenv("PICTORB_SPEECH_URL", m_server->baseUrl().toUtf8());
    CaptionSandbox::loadVideo(m_video);
    CaptionManager::instance()->clearCaptions();
    QDir(m_sandbox->workDir()).removeRecursively();
}

void TestSpeechPipeline::cleanup()
{
    QVERIFY(GlobalManager::instance()->mp3Thread()->wait(10000));
    delete m_server;
    m_server = nullptr;
}

void TestSpeechPipeline::videoToCaptions()
{
    const QString audio = m_sandbox->workDir() + QStringLiteral("/trip to the sea-zh-CN.mp3");
    const QString script = m_sandbox->workDir() + QStringLiteral("/trip to the sea-zh-CN.ass");
    QStringList problems;
    QByteArray uploaded;
    m_server->setHandler("/api/speech/submit", [&](const HttpRequest& request) {
        if (QUrlQuery(QString::fromUtf8(request.query)).queryItemValue("language") != "zh-CN")
            problems << "language: " + QString::fromUtf8(request.query);
        const QList<HttpPart> parts = request.multipartParts();
        if (parts.size() != 1 || parts.at(0).name != "file" ||
            parts.at(0).fileName != audio.toUtf8())
            problems << QStringLiteral("multipart body");
        else
            uploaded = parts.at(0).body;
        return HttpResponse::ok(R"({"task_id":"T-1"})");
    });
    m_server->setHandler("/api/speech/query", [&](const HttpRequest& request) {
        if (request.query != "task_id=T-1")
            problems << "query: " + QString::fromUtf8(request.query);
        return HttpResponse::ok(kResult);
    });

    CaptionWidget panel;
    panel.resize(400, 300);
    panel.show();
    Dispatcher dispatcher(&panel);
    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);

    QVERIFY(GlobalManager::instance()->startMp3Thread());
    QVERIFY(QTest::qWaitFor(
        [&] { return dispatcher.events.contains(AppConfig::kEventCreateCaptionComplete); }, 60000));

    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    QCOMPARE(dispatcher.events,
             QStringList({AppConfig::kEventVideoToAudioStart, AppConfig::kEventVideoToAudioStop,
                          AppConfig::kEventTaskId, AppConfig::kEventCreateCaptionComplete}));
    QCOMPARE(posted(events, AppConfig::kEventCreateCaptionComplete), QVariantList({script}));

    // The extracted sound track is what went over the wire.
    QCOMPARE(TestMedia::audioCodec(audio), QStringLiteral("mp3"));
    QVERIFY(!uploaded.isEmpty());
    QCOMPARE(uploaded, readAll(audio));

    const QList<CaptionInfo*> captions = CaptionManager::instance()->captions();
    QCOMPARE(captions.size(), 2);
    QCOMPARE(captions.at(0)->endTime, QStringLiteral("0:0:0.99"));
    const QByteArray written = readAll(script);
    QVERIFY(written.contains("\nDialogue: 0,0:0:0.0,0:0:0.99,Default,,0,0,0,,a steady tone\n"));
    QVERIFY(written.contains("\nDialogue: 0,0:0:1.0,0:0:1.90,Default,,0,0,0,,still the tone\n"));
    QCOMPARE(readAll(m_sandbox->workDir() + QStringLiteral("/trip to the sea-zh-CN.txt")), kResult);

    QProcess reader;
    reader.start(TestMedia::ffmpeg(),
                 {"-v", "error", "-nostdin", "-y", "-i", script, m_sandbox->root() + "/x.srt"});
    QVERIFY(reader.waitForFinished(30000));
    QCOMPARE(reader.exitCode(), 0);

    QCOMPARE(panel.countLabel()->text(), QStringLiteral("Captions (2)"));
    QCOMPARE(panel.rows().size(), 2);
    QCOMPARE(panel.rows().at(1)->textLabel()->text(), QStringLiteral("still the tone"));
    QCOMPARE(panel.rows().at(1)->timeLabel()->text(), QStringLiteral("00:00:01"));
}

void TestSpeechPipeline::cancelDuringUpload()
{
    m_server->setResponse("/api/speech/submit",
                          HttpResponse::delivered(HttpResponse::Delivery::NeverAnswer));
    m_server->setResponse("/api/speech/query", HttpResponse::ok(kResult));
    CaptionWidget panel;
    Dispatcher dispatcher(&panel);
    LogCapture log;

    QVERIFY(GlobalManager::instance()->startMp3Thread());
    QVERIFY(m_server->waitForRequests(1, 60000));
    // What the loading dialog's Cancel button posts.
    GlobalManager::instance()->sendGlobalEvent(AppConfig::kEventStopAiCaption, QString());
    QTest::qWait(500);

    int failures = 0;
    for (const QString& line : log.all())
        failures += line.contains(QStringLiteral("Request failed. Error: ")) ? 1 : 0;
    QCOMPARE(failures, 1);
    QCOMPARE(dispatcher.events,
             QStringList({AppConfig::kEventVideoToAudioStart, AppConfig::kEventVideoToAudioStop,
                          AppConfig::kEventStopAiCaption}));
    QCOMPARE(m_server->requestCount("/api/speech/query"), 0);
    QVERIFY(CaptionManager::instance()->captions().isEmpty());
    QVERIFY(panel.rows().isEmpty());
}

void TestSpeechPipeline::missingExtractorStopsQuietly()
{
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", (m_sandbox->root() + QStringLiteral("/no-programs-here")).toLocal8Bit());
    ProcessThread* thread = GlobalManager::instance()->mp3Thread();
    QSignalSpy failed(thread, &ProcessThread::processFailed);
    QSignalSpy started(thread, &ProcessThread::processStart);
    QSignalSpy stopped(thread, &ProcessThread::processStop);
    CaptionWidget panel;
    Dispatcher dispatcher(&panel);

    QVERIFY(GlobalManager::instance()->startMp3Thread());
    QVERIFY(failed.wait(35000));
    QVERIFY(thread->wait(5000));
    qputenv("PATH", path);
    QTest::qWait(200);

    QCOMPARE(failed.count(), 1);
    QCOMPARE(started.count(), 0);
    QCOMPARE(stopped.count(), 0);
    QVERIFY(dispatcher.events.isEmpty());
    QCOMPARE(m_server->connectionCount(), 0);
}

QTEST_MAIN(TestSpeechPipeline)
#include "tst_speechpipeline.moc"

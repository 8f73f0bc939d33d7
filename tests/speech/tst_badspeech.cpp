#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "../caption/CaptionSandbox.h"
#include "../images/LogCapture.h"
#include "common/FifoTrap.h"
#include "common/LoopbackHttpServer.h"
#include "core/base/AppConfig.h"
#include "core/captions/CaptionManager.h"
#include "core/speech/HttpManager.h"
#include "gui/application/GlobalManager.h"
#include "gui/captions/CaptionItem.h"
#include "gui/captions/CaptionWidget.h"

using CaptionTest::posted;

namespace {

QByteArray utterance(const QByteArray& start, const QByteArray& end, const QByteArray& text)
{
    return "{\"start_time\":" + start + ",\"end_time\":" + end + ",\"text\":" + text + '}';
}

QByteArray result(const QByteArray& utterances)
{
    return "{\"state\":\"success\",\"utterances\":[" + utterances + "]}";
}

QByteArray nested(int depth)
{
    return result(
        utterance("0", "1", QByteArray("[").repeated(depth) + QByteArray("]").repeated(depth)));
}

// `count` utterances of ten milliseconds each, built without a JSON writer.
QByteArray manyUtterances(int count)
{
    const QByteArray one = utterance("0", "10", "\"w\"");
    return result((one + ',').repeated(count - 1) + one);
}

// The longest pause between two ticks of a GUI-thread timer, while alive.
class TickWatch
{
public:
    TickWatch()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout,
                         [this] { m_longest = std::max(m_longest, m_since.restart()); });
        m_since.start();
        m_timer.start();
    }
    // Up to now, so a loop that stopped turning after its last tick still counts.
    qint64 longestPause() const { return std::max(m_longest, m_since.elapsed()); }

private:
    QTimer m_timer;
    QElapsedTimer m_since;
    qint64 m_longest = 0;
};

} // namespace

// Hostile recognition results and a misbehaving speech service: the captions are what the
// result allows, every oddity is logged, and nothing crashes, hangs or blocks the window.
class TestBadSpeech : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void results_data();
    void results();
    void hugeResultsAreBounded_data();
    void hugeResultsAreBounded();
    void markupInTextsIsShownAsText();
    void service_data();
    void service();

private:
    std::unique_ptr<CaptionSandbox> m_sandbox;
    LoopbackHttpServer* m_server = nullptr;
    QString m_audio;
};

void TestBadSpeech::initTestCase()
{
    m_sandbox = std::make_unique<CaptionSandbox>();
    QVERIFY(m_sandbox->isValid());
    GlobalManager::instance(); // relays the query result as "task_id"
    m_audio = m_sandbox->root() + QStringLiteral("/audio.mp3");
    QFile audio(m_audio);
    QVERIFY(audio.open(QIODevice::WriteOnly) && audio.write("ID3 fake") == 8);
}

void TestBadSpeech::init()
{
    CaptionSandbox::loadVideo(m_sandbox->root() + QStringLiteral("/talk.mp4"));
    CaptionManager::instance()->clearCaptions();
    m_server = new LoopbackHttpServer;
    QVERIFY(m_server->isListening());
    qputenv("PICTORB_SPEECH_URL", m_server->baseUrl().toUtf8());
}

void TestBadSpeech::cleanup()
{
    delete m_server;
    m_server = nullptr;
    qputenv("PICTORB_SPEECH_URL", QByteArray());
    HttpManager::instance()->setTransferTimeout(HttpManager::kDefaultTransferTimeout);
}

void TestBadSpeech::results_data()
{
    // times: "start-end" of each caption made; logged: a part of the warning expected.
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("times");
    QTest::addColumn<QString>("logged");

    const QString notObject = QStringLiteral("not a JSON object");
    QTest::newRow("empty") << QByteArray() << QStringList() << notObject;
    QTest::newRow("not JSON") << QByteArray("<html>502 Bad Gateway</html>") << QStringList()
                              << notObject;
    QTest::newRow("a JSON array") << QByteArray("[1,2,3]") << QStringList() << notObject;
    QTest::newRow("cut short") << result(utterance("0", "1000", "\"cut")).left(40) << QStringList()
                               << notObject;
    QTest::newRow("nested 10000 deep top level")
        << QByteArray("[").repeated(10000) + QByteArray("]").repeated(10000) << QStringList()
        << notObject;
    QTest::newRow("nested 10000 deep in a text") << nested(10000) << QStringList() << notObject;
    QTest::newRow("utterances not a list") << QByteArray(R"({"utterances":{"start_time":0}})")
                                           << QStringList() << QStringLiteral("no utterance list");

    const QString noTime = QStringLiteral("has no usable");
    QTest::newRow("times as strings") << result(utterance("\"1500\"", "\"3000\"", "\"a\""))
                                      << QStringList{"0:0:0.0-0:0:0.0"} << noTime;
    QTest::newRow("fractional times") << result(utterance("1500.5", "3000.25", "\"a\""))
                                      << QStringList{"0:0:0.0-0:0:0.0"} << noTime;
    QTest::newRow("negative and huge times")
        << result(utterance("-5", "1e300", "\"a\"")) << QStringList{"0:0:0.0-0:0:0.0"} << noTime;
    QTest::newRow("null and boolean times")
        << result(utterance("null", "true", "\"a\"")) << QStringList{"0:0:0.0-0:0:0.0"} << noTime;
    QTest::newRow("an utterance that is a number")
        << result("42," + utterance("1000", "2000", "\"b\""))
        << QStringList{"0:0:0.0-0:0:0.0", "0:0:1.0-0:0:2.0"} << noTime;
    QTest::newRow("text not a string")
        << result(utterance("0", "900", "{\"x\":1}")) << QStringList{"0:0:0.0-0:0:0.90"}
        << QStringLiteral("has no text");
}

void TestBadSpeech::results()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, times);
    QFETCH(QString, logged);
    CaptionManager* store = CaptionManager::instance();
    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);
    LogCapture log;

    store->createCaptions(body, true);

    QStringList made;
    for (const CaptionInfo* caption : store->captions())
        made << caption->startTime + QLatin1Char('-') + caption->endTime;
    QCOMPARE(made, times);
    QVERIFY2(log.contains(logged), qPrintable(log.all().join('\n')));
    // A script is written whatever came in, so the player always has one.
    QCOMPARE(posted(events, AppConfig::kEventCreateCaptionComplete).size(), 1);
    QVERIFY(QFile::exists(store->getAssPath()));
}

void TestBadSpeech::hugeResultsAreBounded_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("captions");
    QTest::addColumn<QString>("logged");

    // A million utterances take some 40 MB: refused before any parsing.
    QTest::newRow("a million utterances")
        << manyUtterances(1000 * 1000) << 0 << QStringLiteral("refused");
    QTest::newRow("more utterances than are kept")
        << manyUtterances(CaptionManager::kMaxCaptions + 1) << CaptionManager::kMaxCaptions
        << QStringLiteral("only the first");
    QTest::newRow("50 MB long") << result(utterance("0", "1000", "\"a\"") +
                                          QByteArray(50 * 1024 * 1024, ' '))
                                << 0 << QStringLiteral("refused");
    // White space up to the limit around two utterances is still one valid result.
    const QByteArray two =
        result(utterance("0", "1000", "\"a\"") + ',' + utterance("2000", "3000", "\"b\""));
    QTest::newRow("padded to the size limit")
        << two + QByteArray(CaptionManager::kMaxResultBytes - two.size(), ' ') << 2 << QString();
    QTest::newRow("over the size limit")
        << QByteArray(CaptionManager::kMaxResultBytes + 1, ' ') << 0 << QStringLiteral("refused");
}

void TestBadSpeech::hugeResultsAreBounded()
{
    QFETCH(QByteArray, body);
    QFETCH(int, captions);
    QFETCH(QString, logged);
    CaptionManager* store = CaptionManager::instance();
    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);
    LogCapture log;

    store->createCaptions(body, true);

    QCOMPARE(store->captions().size(), captions);
    if (captions > 0)
        QCOMPARE(store->captions().last()->index, captions);
    if (!logged.isEmpty())
        QVERIFY2(log.contains(logged), qPrintable(log.all().mid(0, 20).join('\n')));
    QCOMPARE(posted(events, AppConfig::kEventCreateCaptionComplete).size(), 1);
}

void TestBadSpeech::markupInTextsIsShownAsText()
{
    // An image naming a pipe would block the window until someone writes into it.
    const QString pipe = m_sandbox->root() + QStringLiteral("/pipe");
    FifoTrap trap(pipe);
    QVERIFY(trap.made());
    const QString text = QStringLiteral("<img src='%1'>said <b>this</b>").arg(pipe);
    CaptionManager::instance()->createCaptions(
        result(utterance("0", "900", '"' + text.toUtf8() + '"')), false);
    CaptionWidget panel;
    panel.show();
    panel.reload();
    QTest::qWait(20);
    QVERIFY(!trap.caughtAReader());
    QCOMPARE(panel.rows().size(), 1);
    QCOMPARE(panel.rows().first()->textLabel()->text(), text);
    QCOMPARE(panel.rows().first()->textLabel()->textFormat(), Qt::PlainText);
}

void TestBadSpeech::service_data()
{
    // arrives: the query answer reaches the application as "task_id" (else as an error).
    // timeout: the client's transfer time-out; the toolkit counts it from the request until
    // the body flows, so a trickled answer has to arrive whole within it.
    QTest::addColumn<int>("delivery");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("arrives");
    QTest::addColumn<int>("timeout");
    const QByteArray good = result(utterance("0", "900", "\"slow\""));
    const auto how = [](HttpResponse::Delivery delivery) { return int(delivery); };
    QTest::newRow("answers byte by byte")
        << how(HttpResponse::Delivery::ByteByByte) << good << true << 10000;
    QTest::newRow("never answers")
        << how(HttpResponse::Delivery::NeverAnswer) << good << false << 1000;
    QTest::newRow("closes mid body")
        << how(HttpResponse::Delivery::CloseMidBody) << good << false << 1000;
    QTest::newRow("nested 10000 deep")
        << how(HttpResponse::Delivery::Whole) << nested(10000) << true << 1000;
}

void TestBadSpeech::service()
{
    QFETCH(int, delivery);
    QFETCH(QByteArray, answer);
    QFETCH(bool, arrives);
    QFETCH(int, timeout);
    m_server->setResponse("/api/speech/submit", HttpResponse::ok(R"({"task_id":"t"})"));
    HttpResponse query = HttpResponse::ok(answer);
    query.delivery = HttpResponse::Delivery(delivery);
    m_server->setResponse("/api/speech/query", query);
    m_server->setByteInterval(2);
    HttpManager* http = HttpManager::instance();
    http->setTransferTimeout(timeout);
    QSignalSpy finished(http, &HttpManager::requestFinished);
    QSignalSpy errors(http, &HttpManager::requestError);
    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);
    // What the main window does with the result.
    QMetaObject::Connection toCaptions =
        connect(GlobalManager::instance(), &GlobalManager::globalEvent, this,
                [](const QString& name, const QVariant& value) {
                    if (name == AppConfig::kEventTaskId)
                        CaptionManager::instance()->createCaptions(value.toByteArray(), true);
                });
    LogCapture log;
    TickWatch watch;

    http->loadCaptions(m_audio, QStringLiteral("en-US"));
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() + errors.count() == 1, 20000);
    disconnect(toCaptions);

    QCOMPARE(finished.count(), arrives ? 1 : 0);
    if (arrives) {
        QCOMPARE(finished.first().at(2).toByteArray(), answer);
        QCOMPARE(posted(events, AppConfig::kEventCreateCaptionComplete).size(), 1);
    } else {
        QVERIFY(posted(events, AppConfig::kEventTaskId).isEmpty());
        QVERIFY(log.contains(QStringLiteral("requestError:")));
    }
    // The window's loop kept turning all along (a stall detector, not a speed target).
    QVERIFY2(watch.longestPause() < 5000, qPrintable(QString::number(watch.longestPause())));
}

QTEST_MAIN(TestBadSpeech)
#include "tst_badspeech.moc"

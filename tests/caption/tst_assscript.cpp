#include <set>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include "../images/LogCapture.h"
#include "CaptionSandbox.h"
#include "core/base/AppConfig.h"
#include "core/captions/AssScriptWriter.h"
#include "core/captions/CaptionManager.h"
#include "gui/application/GlobalManager.h"

namespace {

const QByteArray kThree = R"({"state":"success","utterances":[
    {"start_time":0,"end_time":1500,"text":"Hello there"},
    {"start_time":1500,"end_time":3000,"text":"第二行\\Nsecond line"},
    {"start_time":3500,"end_time":4200,"text":"{brace} end"}]})";

const QByteArray kEmpty = R"({"state":"success","utterances":[]})";

QByteArray expected(const QString& name)
{
    QByteArray bytes =
        CaptionTest::readAll(QStringLiteral(PICTORB_SOURCE_DIR "/tests/caption/data/") + name);
#ifdef Q_OS_WIN
    bytes.replace("\n", "\r\n");
#endif
    return bytes;
}

QByteArray utterances(int count)
{
    QJsonArray list;
    for (int i = 0; i < count; ++i) {
        list.append(QJsonObject{{"start_time", i * 1000},
                                {"end_time", i * 1000 + 900},
                                {"text", QStringLiteral("line %1").arg(i + 1)}});
    }
    return QJsonDocument(QJsonObject{{"utterances", list}}).toJson(QJsonDocument::Compact);
}

QStringList times(const QList<CaptionInfo*>& captions)
{
    QStringList list;
    for (const CaptionInfo* caption : captions)
        list << caption->startTime + QLatin1Char('-') + caption->endTime;
    return list;
}

std::shared_ptr<CaptionEdit> edit(int size, int x, int y, int border, int shadow, const char* text)
{
    auto values = std::make_shared<CaptionEdit>();
    values->fontSize = size;
    values->x = x;
    values->y = y;
    values->border = border;
    values->shadow = shadow;
    values->text = QString::fromUtf8(text);
    return values;
}

} // namespace

using CaptionTest::posted;
using CaptionTest::readAll;

class TestAssScript : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void emptyStore();
    void threeDefaultCaptions();
    void rewriteIsIdentical();
    void updateOneCaption();
    void updateAllCaptions();
    void updateRefusesForeignCaptions();
    void scriptsReadByFfmpeg_data();
    void scriptsReadByFfmpeg();
    void dialogueText_data();
    void dialogueText();

    void touchingUtterancesAreSeparated();
    void captionNeverEndsBeforeItStarts();
    void thousandUtterancesOneStyleLine();
    void hostileResults_data();
    void hostileResults();
    void oversizedResultIsRefused();
    void saveFlag();
    void unwritableScript();
    void clearingAnnouncesItself();

private:
    QString assPath() const
    {
        return m_sandbox->workDir() + QStringLiteral("/talk.part1-en-US.ass");
    }

    std::unique_ptr<CaptionSandbox> m_sandbox;
    CaptionManager* m_store = nullptr;
};

void TestAssScript::initTestCase()
{
    m_sandbox = std::make_unique<CaptionSandbox>();
    QVERIFY(m_sandbox->isValid());
    m_store = CaptionManager::instance();
    m_store->setSpeechLanguage({QString(), QStringLiteral("en-US"), 7});
}

void TestAssScript::init()
{
    CaptionSandbox::loadVideo(m_sandbox->root() + QStringLiteral("/talk.part1.mp4"));
    m_store->clearCaptions();
    QDir(m_sandbox->workDir()).removeRecursively();
}

void TestAssScript::emptyStore()
{
    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);
    LogCapture log;
    m_store->createCaptions(kEmpty, false);
    QVERIFY(m_store->captions().isEmpty());
    QCOMPARE(readAll(assPath()), expected(QStringLiteral("empty.ass")));
    QCOMPARE(posted(events, AppConfig::kEventCreateCaptionComplete), QVariantList({assPath()}));
    QVERIFY(log.contains(QStringLiteral("create caption style with empty caption:")));
}

void TestAssScript::threeDefaultCaptions()
{
    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);
    m_store->createCaptions(kThree, true);
    QCOMPARE(readAll(assPath()), expected(QStringLiteral("three_default.ass")));
    QCOMPARE(posted(events, AppConfig::kEventCreateCaptionComplete), QVariantList({assPath()}));

    const QList<CaptionInfo*> captions = m_store->captions();
    QCOMPARE(captions.size(), 3);
    QCOMPARE(captions.at(1)->index, 2);
    QCOMPARE(captions.at(1)->text, QStringLiteral("第二行\\Nsecond line"));
    QCOMPARE(captions.at(1)->sourceText, captions.at(1)->text);
    QCOMPARE(captions.at(1)->searchText, captions.at(1)->text);
    QCOMPARE(captions.at(2)->text, QStringLiteral("{brace} end"));
    QVERIFY(captions.at(0)->overrides.isEmpty());
    QVERIFY(!captions.at(0)->edit);
    QVERIFY(captions.at(0)->style != captions.at(1)->style);
}

void TestAssScript::rewriteIsIdentical()
{
    m_store->createCaptions(kThree, false);
    const QByteArray first = readAll(assPath());
    m_store->createCaptions(kThree, false);
    QCOMPARE(readAll(assPath()), first);

    CaptionInfo* second = m_store->captions().at(1);
    second->edit = edit(24, 320, 250, 2, 1, "Edited");
    m_store->updateCaption(second, false);
    const QByteArray updated = readAll(assPath());
    m_store->updateCaption(second, false);
    QCOMPARE(readAll(assPath()), updated);
    // Only the temporary-then-rename write touched the folder: no leftovers beside the script.
    QCOMPARE(QDir(m_sandbox->workDir()).entryList(QDir::Files),
             QStringList({QStringLiteral("talk.part1-en-US.ass")}));
}

void TestAssScript::updateOneCaption()
{
    m_store->createCaptions(kThree, false);
    const QList<CaptionInfo*> captions = m_store->captions();
    captions.at(0)->edit = edit(20, 10, 20, 0, 0, "Hello there");
    m_store->updateCaption(captions.at(0), false);

    captions.at(1)->setOwnStyle(true);
    captions.at(1)->style->Fontsize = QStringLiteral("24");
    captions.at(1)->style->PrimaryColour = QStringLiteral("&H0000FFFF");
    captions.at(1)->edit = edit(24, 320, 250, 2, 1, "Edited\\Nline");

    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);
    LogCapture log;
    m_store->updateCaption(captions.at(1), false);

    QCOMPARE(readAll(assPath()), expected(QStringLiteral("update_one.ass")));
    QCOMPARE(posted(events, AppConfig::kEventUpdateCaption), QVariantList({assPath()}));
    QCOMPARE(captions.at(1)->text, QStringLiteral("Edited\\Nline"));
    QCOMPARE(captions.at(1)->overrides.size(), 1);
    QCOMPARE(captions.at(1)->overrides.first()->tags,
             QStringLiteral("{\\fs24\\bord2\\shad1\\pos(320,250)}"));
    QCOMPARE(captions.at(1)->overrides.first()->text, QStringLiteral("Edited\\Nline"));
    QVERIFY(
        log.contains(QStringLiteral("subtitle-> \"{\\\\fs20\\\\bord0\\\\shad0\\\\pos(10,20)}\"")));
    QVERIFY(log.contains(QStringLiteral("style: \"Style: Style2,")));
}

void TestAssScript::updateAllCaptions()
{
    m_store->createCaptions(kThree, false);
    const QList<CaptionInfo*> captions = m_store->captions();
    captions.at(1)->style->Fontsize = QStringLiteral("24");
    captions.at(1)->edit = edit(24, 320, 250, 2, 1, "All\\Nstyle");

    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);
    m_store->updateCaption(captions.at(1), true);

    QCOMPARE(readAll(assPath()), expected(QStringLiteral("update_all.ass")));
    QCOMPARE(posted(events, AppConfig::kEventUpdateCaption), QVariantList({assPath()}));
    for (const CaptionInfo* caption : captions) {
        QCOMPARE(caption->styleName, QStringLiteral("StyleAll"));
        QCOMPARE(caption->style->Name, QStringLiteral("StyleAll"));
        QCOMPARE(caption->style->Fontsize, QStringLiteral("24"));
    }
    // The block is written for every line but stays the edited caption's own.
    QVERIFY(captions.at(0)->overrides.isEmpty());
    QVERIFY(captions.at(0)->style != captions.at(1)->style);
}

void TestAssScript::updateRefusesForeignCaptions()
{
    m_store->createCaptions(kThree, false);
    const QByteArray before = readAll(assPath());
    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);
    LogCapture log;

    CaptionInfo stranger;
    stranger.edit = edit(30, 1, 2, 3, 4, "not stored");
    m_store->updateCaption(&stranger, false);
    m_store->updateCaption(nullptr, true);
    m_store->updateCaption(m_store->captions().at(0), false); // no edit values yet

    QCOMPARE(events.count(), 0);
    QCOMPARE(readAll(assPath()), before);
    QVERIFY(log.contains(QStringLiteral("not a caption of the store")));
    QVERIFY(log.contains(QStringLiteral("has no edit values")));
}

void TestAssScript::scriptsReadByFfmpeg_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("empty") << "empty.ass" << QStringList();
    QTest::newRow("three") << "three_default.ass"
                           << QStringList({"Hello there", "second line", "end"});
    QTest::newRow("one updated") << "update_one.ass" << QStringList({"Edited", "line"});
    QTest::newRow("all updated") << "update_all.ass" << QStringList({"All", "style"});
}

void TestAssScript::scriptsReadByFfmpeg()
{
    QFETCH(QString, name);
    QFETCH(QStringList, texts);
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    QVERIFY2(!ffmpeg.isEmpty(), "ffmpeg is a test dependency (scripts/install-deps.sh)");

    QTemporaryDir out;
    const QString source = QStringLiteral(PICTORB_SOURCE_DIR "/tests/caption/data/") + name;
    const QString srt = out.filePath(QStringLiteral("x.srt"));
    QProcess process;
    process.start(ffmpeg, {"-v", "error", "-nostdin", "-y", "-i", source, srt});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());

    const QString converted = QString::fromUtf8(readAll(srt));
    for (const QString& text : texts)
        QVERIFY2(converted.contains(text), qPrintable(converted));
    QCOMPARE(converted.count(QStringLiteral(" --> ")), name == "empty.ass" ? 0 : 3);
}

void TestAssScript::dialogueText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");
    QTest::newRow("hard break kept") << "a\\Nb"
                                     << "a\\Nb";
    QTest::newRow("braces escaped") << "{\\b1}x"
                                    << "\\{\\b1\\}x";
    QTest::newRow("line feed") << "a\nb"
                               << "a\\Nb";
    QTest::newRow("CR LF") << "a\r\nb\rc"
                           << "a\\Nb\\Nc";
    QTest::newRow("commas stay") << "one, two"
                                 << "one, two";
}

void TestAssScript::dialogueText()
{
    QFETCH(QString, text);
    QFETCH(QString, written);
    QCOMPARE(AssScriptWriter::dialogueText(text), written);
}

void TestAssScript::touchingUtterancesAreSeparated()
{
    m_store->createCaptions(R"({"utterances":[
        {"start_time":0,"end_time":1500,"text":"a"},
        {"start_time":1500,"end_time":3000,"text":"b"},
        {"start_time":2500,"end_time":4000,"text":"overlapping"},
        {"start_time":5000,"end_time":6000,"text":"apart"},
        {"start_time":6000,"end_time":7000,"text":"last"}]})",
                            false);
    // Only a touching end is pulled back; overlaps, gaps and the last end stay.
    QCOMPARE(times(m_store->captions()),
             QStringList({"0:0:0.0-0:0:1.49", "0:0:1.50-0:0:3.0", "0:0:2.50-0:0:4.0",
                          "0:0:5.0-0:0:5.99", "0:0:6.0-0:0:7.0"}));
    QVERIFY(readAll(assPath()).contains("Dialogue: 0,0:0:0.0,0:0:1.49,Default,,0,0,0,,a\n"));
}

void TestAssScript::captionNeverEndsBeforeItStarts()
{
    LogCapture log;
    m_store->createCaptions(R"({"utterances":[
        {"start_time":2000,"end_time":2000,"text":"zero length, touching"},
        {"start_time":2000,"end_time":1000,"text":"delivered backwards"},
        {"start_time":0,"end_time":0,"text":"at zero"},
        {"start_time":0,"end_time":0,"text":"at zero too"}]})",
                            false);
    QCOMPARE(times(m_store->captions()), QStringList({"0:0:2.0-0:0:2.0", "0:0:2.0-0:0:2.0",
                                                      "0:0:0.0-0:0:0.0", "0:0:0.0-0:0:0.0"}));
    QVERIFY(log.contains(QStringLiteral("caption 1 ends before it starts")));
    QVERIFY(log.contains(QStringLiteral("caption 2 ends before it starts")));
    QVERIFY(log.contains(QStringLiteral("caption 3 ends before it starts")));
    QVERIFY(!log.contains(QStringLiteral("caption 4 ends before it starts")));
}

void TestAssScript::thousandUtterancesOneStyleLine()
{
    m_store->createCaptions(utterances(1000), false);
    const QList<CaptionInfo*> captions = m_store->captions();
    QCOMPARE(captions.size(), 1000);
    std::set<const AssStyle*> styles;
    for (int i = 0; i < captions.size(); ++i) {
        QCOMPARE(captions.at(i)->index, i + 1);
        styles.insert(captions.at(i)->style.get());
    }
    QCOMPARE(int(styles.size()), 1000);

    const QByteArray script = readAll(assPath());
    QCOMPARE(script.count("\nStyle: "), 1);
    QCOMPARE(script.count("\nDialogue: "), 1000);
    QVERIFY(script.endsWith("Dialogue: 0,0:16:39.0,0:16:39.90,Default,,0,0,0,,line 1000\n"));
}

void TestAssScript::hostileResults_data()
{
    QTest::addColumn<QByteArray>("result");
    QTest::addColumn<QStringList>("spans");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("warning");

    QTest::newRow("not JSON") << QByteArray("<html>busy</html>") << QStringList() << QStringList()
                              << "not a JSON object";
    QTest::newRow("top level array")
        << QByteArray("[1,2]") << QStringList() << QStringList() << "not a JSON object";
    QTest::newRow("utterances not a list") << QByteArray(R"({"utterances":{"text":"x"}})")
                                           << QStringList() << QStringList() << "no utterance list";
    QTest::newRow("times as strings")
        << QByteArray(R"({"utterances":[{"start_time":"100","end_time":"900","text":"s"}]})")
        << QStringList({"0:0:0.0-0:0:0.0"}) << QStringList({"s"}) << "has no usable";
    QTest::newRow("fractional times")
        << QByteArray(R"({"utterances":[{"start_time":100.5,"end_time":900,"text":"f"}]})")
        << QStringList({"0:0:0.0-0:0:0.90"}) << QStringList({"f"}) << "has no usable";
    QTest::newRow("beyond int")
        << QByteArray(R"({"utterances":[{"start_time":1e20,"end_time":-5,"text":"big"}]})")
        << QStringList({"0:0:0.0-0:0:0.0"}) << QStringList({"big"}) << "has no usable";
    QTest::newRow("text not a string")
        << QByteArray(R"({"utterances":[{"start_time":0,"end_time":10,"text":["x"]}]})")
        << QStringList({"0:0:0.0-0:0:0.1"}) << QStringList({""}) << "has no text";
    QTest::newRow("utterance not an object")
        << QByteArray(R"({"utterances":[7,{"start_time":10,"end_time":20,"text":"ok"}]})")
        << QStringList({"0:0:0.0-0:0:0.0", "0:0:0.1-0:0:0.2"}) << QStringList({"", "ok"})
        << "has no usable";
    QTest::newRow("empty body") << QByteArray() << QStringList() << QStringList()
                                << "not a JSON object";
}

void TestAssScript::hostileResults()
{
    QFETCH(QByteArray, result);
    QFETCH(QStringList, spans);
    QFETCH(QStringList, texts);
    QFETCH(QString, warning);

    m_store->createCaptions(kThree, false);
    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);
    LogCapture log;
    m_store->createCaptions(result, true);

    QCOMPARE(times(m_store->captions()), spans);
    QStringList shown;
    for (const CaptionInfo* caption : m_store->captions())
        shown << caption->text;
    QCOMPARE(shown, texts);
    QVERIFY2(log.contains(warning), qPrintable(log.all().join('\n')));
    QCOMPARE(posted(events, AppConfig::kEventCreateCaptionComplete), QVariantList({assPath()}));
    if (spans.isEmpty())
        QCOMPARE(readAll(assPath()), expected(QStringLiteral("empty.ass")));
    // The raw answer is kept as it came.
    QCOMPARE(readAll(m_sandbox->workDir() + QStringLiteral("/talk.part1-en-US.txt")), result);
}

void TestAssScript::oversizedResultIsRefused()
{
    QByteArray huge = utterances(3);
    huge.append(QByteArray(CaptionManager::kMaxResultBytes, ' '));
    LogCapture log;
    m_store->createCaptions(huge, true);
    QVERIFY(m_store->captions().isEmpty());
    QVERIFY(log.contains(QStringLiteral("refused")));
    QVERIFY(!QFile::exists(m_sandbox->workDir() + QStringLiteral("/talk.part1-en-US.txt")));
    QCOMPARE(readAll(assPath()), expected(QStringLiteral("empty.ass")));
}

void TestAssScript::saveFlag()
{
    const QString raw = m_sandbox->workDir() + QStringLiteral("/talk.part1-en-US.txt");
    m_store->createCaptions(kThree, true);
    QCOMPARE(readAll(raw), kThree);

    m_store->createCaptions(kEmpty, false);
    QCOMPARE(readAll(raw), kThree);
}

void TestAssScript::unwritableScript()
{
    m_store->createCaptions(kEmpty, false);
    QFile::remove(assPath());
    QVERIFY(QDir().mkpath(assPath())); // a folder where the script should go

    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);
    LogCapture log;
    m_store->createCaptions(kThree, false);
    QCOMPARE(m_store->captions().size(), 3);
    QVERIFY(posted(events, AppConfig::kEventCreateCaptionComplete).isEmpty());
    QVERIFY(log.contains(QStringLiteral("Failed to")));
    QVERIFY(QFileInfo(assPath()).isDir());
    QCOMPARE(QDir(m_sandbox->workDir()).entryList(QDir::Files), QStringList());
}

void TestAssScript::clearingAnnouncesItself()
{
    m_store->createCaptions(kThree, false);
    QSignalSpy cleared(m_store, &CaptionManager::captionsAboutToBeCleared);
    int heldWhenAnnounced = -1;
    QObject context;
    connect(m_store, &CaptionManager::captionsAboutToBeCleared, &context,
            [&] { heldWhenAnnounced = m_store->captions().size(); });
    m_store->clearCaptions();
    QCOMPARE(cleared.count(), 1);
    QCOMPARE(heldWhenAnnounced, 3);
    QVERIFY(m_store->captions().isEmpty());
}

QTEST_MAIN(TestAssScript)
#include "tst_assscript.moc"

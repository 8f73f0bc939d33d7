#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include "../images/LogCapture.h"
#include "CaptionSandbox.h"
#include "core/base/AppConfig.h"
#include "core/captions/AssStyle.h"
#include "core/captions/CaptionInfo.h"
#include "core/captions/CaptionManager.h"
#include "gui/application/GlobalManager.h"
#include "gui/application/MetaTypes.h"

class TestCaptionInfo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void timeText_data();
    void timeText();
    void timeRead_data();
    void timeRead();
    void copiesShareTheStyle();
    void ownStyleName();

    void workPaths_data();
    void workPaths();
    void noVideoGivesNoPaths();
    void languageTableAndChoice();
    void unknownLanguageIsRefused();

    void styleLine_data();
    void styleLine();
    void shortStyleLineKeepsTheRest();

private:
    std::unique_ptr<CaptionSandbox> m_sandbox;
};

void TestCaptionInfo::initTestCase()
{
    m_sandbox = std::make_unique<CaptionSandbox>();
    QVERIFY(m_sandbox->isValid());
}

void TestCaptionInfo::cleanup()
{
    CaptionSandbox::loadVideo(QString());
}

void TestCaptionInfo::timeText_data()
{
    QTest::addColumn<int>("ms");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << "0:0:0.0";
    QTest::newRow("ten hours") << 36000000 << "10:0:0.0";
    // Truncating division keeps the sign in the centiseconds only.
    QTest::newRow("minus ten ms") << -10 << "0:0:0.-1";
    QTest::newRow("last digit dropped") << 1234 << "0:0:1.23";
    QTest::newRow("no padding") << 3723050 << "1:2:3.5";
    QTest::newRow("just under a minute") << 59990 << "0:0:59.99";
    QTest::newRow("below a centisecond") << 5 << "0:0:0.0";
    QTest::newRow("minus one hour and a bit") << -3723450 << "-1:-2:-3.-45";
}

void TestCaptionInfo::timeText()
{
    QFETCH(int, ms);
    QFETCH(QString, text);
    QCOMPARE(CaptionInfo::timeText(ms), text);
}

void TestCaptionInfo::timeRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("ms");
    QTest::newRow("zero") << "0:0:0.0" << 0;
    QTest::newRow("ten hours") << "10:0:0.0" << 36000000;
    QTest::newRow("minus ten ms") << "0:0:0.-1" << -10;
    QTest::newRow("written 1234 ms") << "0:0:1.23" << 1230;
    QTest::newRow("zero padded") << "1:02:03.45" << 3723450;
    // One digit means centiseconds too: 1.5 is 1 s and 5 cs.
    QTest::newRow("one centisecond digit") << "1:2:3.5" << 3723050;
    QTest::newRow("spaces around parts") << " 0 : 1 : 2 . 3 " << 62030;
    QTest::newRow("not numbers") << "a:b:c.d" << 0;
    QTest::newRow("missing parts") << "5" << 18000000;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("beyond the int range") << "999999999:0:0.0" << std::numeric_limits<int>::max();
}

void TestCaptionInfo::timeRead()
{
    QFETCH(QString, text);
    QFETCH(int, ms);
    CaptionInfo caption;
    caption.startTime = text;
    QCOMPARE(CaptionManager::startTimeMs(&caption), ms);
}

void TestCaptionInfo::copiesShareTheStyle()
{
    CaptionInfo stored;
    stored.index = 4;
    stored.text = QStringLiteral("hello");
    CaptionInfo copy = stored;
    copy.text = QStringLiteral("changed");
    copy.style->Fontsize = QStringLiteral("30");
    QCOMPARE(stored.text, QStringLiteral("hello"));
    QCOMPARE(stored.style->Fontsize, QStringLiteral("30"));

    registerMetaTypes();
    for (const char* name : {"CaptionInfo", "CaptionInfo *", "CaptionEdit"})
        QVERIFY2(QMetaType::type(name) != QMetaType::UnknownType, name);
    const QVariant value = QVariant::fromValue(&stored);
    QCOMPARE(QString::fromLatin1(value.typeName()), QStringLiteral("CaptionInfo*"));
    QCOMPARE(value.value<CaptionInfo*>(), &stored);
}

void TestCaptionInfo::ownStyleName()
{
    CaptionInfo caption;
    caption.index = 12;
    caption.setOwnStyle(true);
    QCOMPARE(caption.styleName, QStringLiteral("Style12"));
    QCOMPARE(caption.style->Name, QStringLiteral("Style12"));
    caption.setOwnStyle(false);
    QCOMPARE(caption.styleName, QStringLiteral("Default"));
    QCOMPARE(caption.style->Name, QStringLiteral("Default"));
}

void TestCaptionInfo::workPaths_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("zh-CN") << "zh-CN";
    QTest::newRow("yue has no region") << "yue";
}

void TestCaptionInfo::workPaths()
{
    QFETCH(QString, code);
    CaptionManager* store = CaptionManager::instance();
    store->setSpeechLanguage({QString(), code, 0});
    QCOMPARE(store->speechLanguage().code, code);
    CaptionSandbox::loadVideo(QStringLiteral("/videos/a.b.mp4"));

    const QString stem = m_sandbox->workDir() + QStringLiteral("/a.b-") + code;
    LogCapture log;
    QCOMPARE(store->getAssPath(), stem + QStringLiteral(".ass"));
    QCOMPARE(store->getAudioFilePath(), stem + QStringLiteral(".mp3"));
    QCOMPARE(store->getCaptionPath(), stem + QStringLiteral(".txt"));
    QVERIFY(QFileInfo(m_sandbox->workDir()).isDir());
    // Complete base name, then the name up to the first dot.
    QVERIFY(log.contains(QStringLiteral("getAudioFilePath: \"a.b\" \"a\"")));
    QVERIFY(log.contains(QStringLiteral("getCaptionPath: \"a.b\" \"a\"")));
}

void TestCaptionInfo::noVideoGivesNoPaths()
{
    CaptionManager* store = CaptionManager::instance();
    CaptionSandbox::loadVideo(QString());
    QVERIFY(store->getAssPath().isEmpty());
    QVERIFY(store->getAudioFilePath().isEmpty());
    QVERIFY(store->getCaptionPath().isEmpty());

    // Nothing can be written, so nothing is announced either.
    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);
    store->createCaptions(R"({"utterances":[{"start_time":0,"end_time":5,"text":"x"}]})", true);
    QCOMPARE(store->captions().size(), 1);
    QCOMPARE(events.count(), 0);
    QVERIFY(QDir(m_sandbox->workDir()).entryList(QDir::Files).isEmpty());
    store->clearCaptions();
}

void TestCaptionInfo::languageTableAndChoice()
{
    CaptionManager* store = CaptionManager::instance();
    const QList<CaptionLanguage> table = store->languages();
    QStringList codes;
    QList<int> ids;
    for (const CaptionLanguage& language : table) {
        codes << language.code;
        ids << language.id;
        QVERIFY(!language.name.isEmpty());
    }
    QCOMPARE(codes,
             QStringList({"en-US", "es-MX", "fr-FR", "zh-CN", "yue", "ko-KR", "ja-JP", "ru-RU"}));
    QCOMPARE(ids, QList<int>({7, 10, 12, 0, 1, 9, 8, 11}));
    QCOMPARE(table.at(3).name, QStringLiteral("简体中文"));

    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);
    store->setSpeechLanguage(table.at(6));
    QCOMPARE(store->speechLanguage().code, QStringLiteral("ja-JP"));
    QCOMPARE(GlobalManager::instance()->getSetting(AppConfig::kAiCaptionLang, QString()).toString(),
             QStringLiteral("ja-JP"));
    QCOMPARE(events.count(), 1);
    QCOMPARE(events.at(0).at(0).toString(), AppConfig::kEventSettingChange);
}

void TestCaptionInfo::unknownLanguageIsRefused()
{
    CaptionManager* store = CaptionManager::instance();
    store->setSpeechLanguage({QString(), QStringLiteral("fr-FR"), 0});
    LogCapture log;
    store->setSpeechLanguage({QString(), QStringLiteral("../../etc"), 0});
    QCOMPARE(store->speechLanguage().code, QStringLiteral("fr-FR"));
    QVERIFY(log.contains(QStringLiteral("not a recognition language")));
}

void TestCaptionInfo::styleLine_data()
{
    QTest::addColumn<QString>("line");
    const QString body = QStringLiteral(
        "Default,Microsoft YaHei UI,18,&H00FFFFFF,&H000000FF,&H00000000,&H80000000,0,0,0,0,100,"
        "100,0,0,1,1,1,2,20,20,20,1");
    QTest::newRow("with prefix") << QStringLiteral("Style: ") + body;
    QTest::newRow("without prefix") << body;
    QTest::newRow("spaces around fields") << QStringLiteral(
        "Style:  Default , Microsoft YaHei UI ,18,&H00FFFFFF,&H000000FF,&H00000000,"
        "&H80000000,0,0,0,0,100,100,0,0,1,1,1,2,20,20,20, 1 ");
}

void TestCaptionInfo::styleLine()
{
    QFETCH(QString, line);
    AssStyle style;
    style.fromStyleLine(line);
    QCOMPARE(style.Name, QStringLiteral("Default"));
    QCOMPARE(style.Fontname, QStringLiteral("Microsoft YaHei UI"));
    QCOMPARE(style.Fontsize, QStringLiteral("18"));
    QCOMPARE(style.PrimaryColour, QStringLiteral("&H00FFFFFF"));
    QCOMPARE(style.SecondaryColour, QStringLiteral("&H000000FF"));
    QCOMPARE(style.BackColour, QStringLiteral("&H80000000"));
    QCOMPARE(style.BorderStyle, QStringLiteral("1"));
    QCOMPARE(style.Alignment, QStringLiteral("2"));
    QCOMPARE(style.MarginV, QStringLiteral("20"));
    QCOMPARE(style.Encoding, QStringLiteral("1"));
    QCOMPARE(style.toStyleLine(), AssStyle::defaultStyleLine());
}

void TestCaptionInfo::shortStyleLineKeepsTheRest()
{
    AssStyle style;
    style.fromStyleLine(AssStyle::defaultStyleLine());
    style.fromStyleLine(QStringLiteral("Style: Other,Arial"));
    QCOMPARE(style.Name, QStringLiteral("Other"));
    QCOMPARE(style.Fontname, QStringLiteral("Arial"));
    QCOMPARE(style.Fontsize, QStringLiteral("18"));
    QCOMPARE(style.Encoding, QStringLiteral("1"));

    AssStyle fresh;
    QCOMPARE(fresh.toStyleLine(), QStringLiteral("Style: ") + QString(22, QLatin1Char(',')));
}

QTEST_MAIN(TestCaptionInfo)
#include "tst_captioninfo.moc"

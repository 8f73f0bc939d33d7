#include "core/base/AppConfig.h"
#include "gui/application/GlobalManager.h"

#include "TestHome.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

#include <sys/resource.h>

#include <vector>

namespace {

#ifdef Q_OS_WIN
const QByteArray kLineEnd = "\r\n";
#else
const QByteArray kLineEnd = "\n";
#endif

// "[yyyy MM-dd hh:mm:ss]Level: text (:0, )": the program's messages carry no source location.
const QRegularExpression
    kLine(QStringLiteral(R"(^\[(\d{4} \d\d-\d\d \d\d:\d\d:\d\d)\](\w*): (.*) \(:0, \)$)"));

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList linesOf(const QByteArray& bytes)
{
    QStringList lines = QString::fromUtf8(bytes).split(QString::fromLatin1(kLineEnd));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList logFiles(const QString& dataHome)
{
    const QString dir = dataHome + QStringLiteral("/tst_logging/logs");
    QStringList paths;
    for (const QString& name : QDir(dir).entryList({QStringLiteral("*.log")}, QDir::Files))
        paths << dir + QLatin1Char('/') + name;
    return paths;
}

// A child start of this very program: starts logging, says each argument, and ends the way
// the first argument asks ("exit" or "fatal").
int runChild(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    GlobalManager::instance()->initLog();
    const QStringList args = app.arguments().mid(1);
    for (const QString& text : args.mid(1))
        qDebug().noquote() << text;
    if (args.value(0) == QLatin1String("fatal")) {
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        qFatal("last words %s", "100%");
    }
    return 0;
}

struct ChildRun
{
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QByteArray out;
};

} // namespace

class LoggingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void fileIsNamedAfterTheStart();
    void levelWords_data();
    void levelWords();
    void textIsKeptVerbatim_data();
    void textIsKeptVerbatim();
    void threadsNeverInterleaveInsideALine();

    void childEchoesEveryLineToStandardOutput();
    void fatalLineReachesTheFile();
    void startsInOneSecondShareAFile();
    void startsInDifferentSecondsGetTheirOwnFiles();

private:
    QStringList ownLines() const { return linesOf(readAll(m_logPath)); }
    ChildRun runChildProcess(const QString& dataHome, const QStringList& args,
                             const QString& locale = QStringLiteral("C.UTF-8"));
    static void waitForFreshSecond();

    QString m_logPath;
    QDateTime m_started;
    QTemporaryDir m_children;
};

void LoggingTest::initTestCase()
{
    QVERIFY(m_children.isValid());
    m_started = QDateTime::currentDateTime();
    GlobalManager::instance()->initLog();
    m_logPath = GlobalManager::instance()->logFilePath();
}

void LoggingTest::fileIsNamedAfterTheStart()
{
    const QFileInfo info(m_logPath);
    QCOMPARE(info.absolutePath() + QLatin1Char('/'),
             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                 QStringLiteral("/logs/"));
    QCOMPARE(info.suffix(), QStringLiteral("log"));
    const QDateTime stamp =
        QDateTime::fromString(info.completeBaseName(), AppConfig::kLogFileTimeFormat);
    QVERIFY2(stamp.isValid(), qPrintable(info.fileName()));
    QVERIFY(stamp.secsTo(m_started) <= 1 && stamp.secsTo(m_started) >= 0);
    QVERIFY(QDir(GlobalManager::instance()->getLogDir()).exists());
}

void LoggingTest::levelWords_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("word");
    QTest::newRow("debug") << int(QtDebugMsg) << "Debug";
    QTest::newRow("info") << int(QtInfoMsg) << "Info";
    QTest::newRow("warning") << int(QtWarningMsg) << "Warning";
    QTest::newRow("critical") << int(QtCriticalMsg) << "Critical";
}

void LoggingTest::levelWords()
{
    QFETCH(int, type);
    QFETCH(QString, word);
    const QString text = QStringLiteral("level probe ") + word;
    const QDateTime before = QDateTime::currentDateTime();
    switch (QtMsgType(type)) {
    case QtInfoMsg:
        qInfo().noquote() << text;
        break;
    case QtWarningMsg:
        qWarning().noquote() << text;
        break;
    case QtCriticalMsg:
        qCritical().noquote() << text;
        break;
    default:
        qDebug().noquote() << text;
    }
    const QDateTime after = QDateTime::currentDateTime();

    const QString line = ownLines().value(ownLines().size() - 1);
    const QRegularExpressionMatch match = kLine.match(line);
    QVERIFY2(match.hasMatch(), qPrintable(line));
    QCOMPARE(match.captured(2), word);
    QCOMPARE(match.captured(3), text);
    const QDateTime stamp = QDateTime::fromString(match.captured(1), AppConfig::kLogLineTimeFormat);
    QVERIFY(stamp.isValid());
    QVERIFY(stamp.secsTo(before) <= 0 && stamp.secsTo(after) >= 0);
}

void LoggingTest::textIsKeptVerbatim_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("percent signs") << "100% done, %1 %s %% %n";
    QTest::newRow("chinese") << QString::fromUtf8("字幕已生成 ✓");
    QTest::newRow("accents") << QString::fromUtf8("Über façade – ¿qué?");
    QTest::newRow("brackets and colon") << "[x]Debug: y (a:1, f)";
}

void LoggingTest::textIsKeptVerbatim()
{
    QFETCH(QString, text);
    qDebug().noquote() << text;
    const QByteArray bytes = readAll(m_logPath);
    QVERIFY(bytes.endsWith(": " + text.toUtf8() + " (:0, )" + kLineEnd));
}

void LoggingTest::threadsNeverInterleaveInsideALine()
{
    constexpr int kThreads = 8;
    constexpr int kLinesEach = 250;
    const QString padding(180, QLatin1Char('x'));
    const int before = ownLines().size();

    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back(QThread::create([t, &padding] {
            for (int i = 0; i < kLinesEach; ++i)
                qDebug().noquote()
                    << QStringLiteral("thread %1 line %2 %3").arg(t).arg(i).arg(padding);
        }));
        threads.back()->start();
    }
    for (auto& thread : threads)
        QVERIFY(thread->wait(60000));

    const QStringList lines = ownLines().mid(before);
    QCOMPARE(lines.size(), kThreads * kLinesEach);
    QVector<int> next(kThreads, 0);
    const QRegularExpression body(QStringLiteral("^thread (\\d) line (\\d+) x{180}$"));
    for (const QString& line : lines) {
        const QRegularExpressionMatch outer = kLine.match(line);
        QVERIFY2(outer.hasMatch(), qPrintable(line.left(120)));
        const QRegularExpressionMatch inner = body.match(outer.captured(3));
        QVERIFY2(inner.hasMatch(), qPrintable(line.left(120)));
        // Each thread's lines keep their own order.
        const int thread = inner.captured(1).toInt();
        QCOMPARE(inner.captured(2).toInt(), next[thread]++);
    }
}

ChildRun LoggingTest::runChildProcess(const QString& dataHome, const QStringList& args,
                                      const QString& locale)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LOGGING_TEST_CHILD"), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    env.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(env);
    process.start(QCoreApplication::applicationFilePath(), args);
    ChildRun run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitCode();
    run.status = process.exitStatus();
    run.out = process.readAllStandardOutput();
    return run;
}

void LoggingTest::childEchoesEveryLineToStandardOutput()
{
    const QString home = m_children.filePath(QStringLiteral("echo"));
    const QString chinese = QString::fromUtf8("中文 %1 100%");
    // A plain C locale must not turn non-ASCII text into question marks.
    const ChildRun run = runChildProcess(
        home, {QStringLiteral("exit"), QStringLiteral("first"), chinese}, QStringLiteral("C"));
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 0);

    const QStringList files = logFiles(home);
    QCOMPARE(files.size(), 1);
    const QByteArray file = readAll(files.first());
    QCOMPARE(run.out, file);
    const QStringList lines = linesOf(file);
    QVERIFY(lines.size() >= 2);
    QCOMPARE(kLine.match(lines.at(lines.size() - 2)).captured(3), QStringLiteral("first"));
    QCOMPARE(kLine.match(lines.last()).captured(3), chinese);
}

void LoggingTest::fatalLineReachesTheFile()
{
    const QString home = m_children.filePath(QStringLiteral("fatal"));
    const ChildRun run = runChildProcess(home, {QStringLiteral("fatal"), QStringLiteral("before")});
    QCOMPARE(run.status, QProcess::CrashExit);
    const QStringList files = logFiles(home);
    QCOMPARE(files.size(), 1);
    const QStringList lines = linesOf(readAll(files.first()));
    QVERIFY(!lines.isEmpty());
    const QRegularExpressionMatch last = kLine.match(lines.last());
    QVERIFY2(last.hasMatch(), qPrintable(lines.last()));
    QCOMPARE(last.captured(2), QStringLiteral("Fatal"));
    QCOMPARE(last.captured(3), QStringLiteral("last words 100%"));
}

void LoggingTest::waitForFreshSecond()
{
    while (QTime::currentTime().msec() > 50)
        QThread::msleep(5);
}

void LoggingTest::startsInOneSecondShareAFile()
{
    const QString home = m_children.filePath(QStringLiteral("same"));
    // Two short starts inside one second; tried again when a slow machine crosses a second.
    for (int attempt = 0; attempt < 5; ++attempt) {
        QDir(home).removeRecursively();
        waitForFreshSecond();
        const ChildRun first =
            runChildProcess(home, {QStringLiteral("exit"), QStringLiteral("one")});
        const ChildRun second =
            runChildProcess(home, {QStringLiteral("exit"), QStringLiteral("two")});
        QCOMPARE(first.exitCode, 0);
        QCOMPARE(second.exitCode, 0);
        const QStringList files = logFiles(home);
        if (files.size() != 1)
            continue;
        const QByteArray both = readAll(files.first());
        QCOMPARE(both, first.out + second.out);
        return;
    }
    QSKIP("every attempt crossed a second boundary");
}

void LoggingTest::startsInDifferentSecondsGetTheirOwnFiles()
{
    const QString home = m_children.filePath(QStringLiteral("apart"));
    const ChildRun first = runChildProcess(home, {QStringLiteral("exit"), QStringLiteral("one")});
    QThread::msleep(1100);
    const ChildRun second = runChildProcess(home, {QStringLiteral("exit"), QStringLiteral("two")});
    const QStringList files = logFiles(home);
    QCOMPARE(files.size(), 2);
    QCOMPARE(readAll(files.at(0)), first.out);
    QCOMPARE(readAll(files.at(1)), second.out);
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet("LOGGING_TEST_CHILD"))
        return runChild(argc, argv);
    QTemporaryDir home;
    isolateUserFolders(home);
    QCoreApplication app(argc, argv);
    LoggingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_logging.moc"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// Starts the real executable, as a user would, in a home of its own: one instance at a time,
// and a guard left by a killed instance does not block the next start.
class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void secondStartExitsWithOne();
    void killedInstanceDoesNotBlockTheNextStart();

private:
    std::unique_ptr<QProcess> start();
    // Waits until the instance has logged its first lines: it then holds the guard.
    static bool waitUntilRunning(QProcess& process);
    static int runToEnd(QProcess& process, QByteArray* out);
    QStringList logFiles() const;

    std::unique_ptr<QTemporaryDir> m_home;
    std::vector<std::unique_ptr<QProcess>> m_running;
};

void StartupTest::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    for (const char* sub : {"home", "config", "data", "cache", "tmp"})
        QVERIFY(QDir().mkpath(m_home->filePath(QString::fromLatin1(sub))));
    QVERIFY(QDir().mkpath(m_home->filePath("runtime")));
    QFile::setPermissions(m_home->filePath("runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void StartupTest::cleanup()
{
    for (auto& process : m_running) {
        process->kill();
        process->waitForFinished(10000);
    }
    m_running.clear();
}

std::unique_ptr<QProcess> StartupTest::start()
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", m_home->filePath("home"));
    env.insert("XDG_CONFIG_HOME", m_home->filePath("config"));
    env.insert("XDG_DATA_HOME", m_home->filePath("data"));
    env.insert("XDG_CACHE_HOME", m_home->filePath("cache"));
    env.insert("XDG_RUNTIME_DIR", m_home->filePath("runtime"));
    // The guard lives in the temporary folder, so other tests' instances never meet this one.
    env.insert("TMPDIR", m_home->filePath("tmp"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("PICTORB_SITE_URL", QString());
    env.insert("PICTORB_UPDATE_URL", QString());
    env.insert("PICTORB_SPEECH_URL", QString());
    process->setProcessEnvironment(env);
    process->start(QStringLiteral(PICTORB_EXECUTABLE), QStringList());
    return process;
}

bool StartupTest::waitUntilRunning(QProcess& process)
{
    QByteArray out;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 30000 && process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(200);
        out += process.readAllStandardOutput();
        if (out.contains("changeLangByType"))
            return true;
    }
    return false;
}

int StartupTest::runToEnd(QProcess& process, QByteArray* out)
{
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    *out = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QStringList StartupTest::logFiles() const
{
    return QDir(m_home->filePath("data/pictorb/logs")).entryList({"*.log"}, QDir::Files);
}

void StartupTest::secondStartExitsWithOne()
{
    m_running.push_back(start());
    QProcess& first = *m_running.back();
    QVERIFY(waitUntilRunning(first));
    const QStringList logsBefore = logFiles();
    QCOMPARE(logsBefore.size(), 1);

    std::unique_ptr<QProcess> second = start();
    QByteArray out;
    QCOMPARE(runToEnd(*second, &out), 1);
    // Silently: no log line, no log file of its own, and the first instance runs on.
    QCOMPARE(out, QByteArray());
    QCOMPARE(logFiles(), logsBefore);
    QCOMPARE(first.state(), QProcess::Running);
}

void StartupTest::killedInstanceDoesNotBlockTheNextStart()
{
    m_running.push_back(start());
    QProcess& first = *m_running.back();
    QVERIFY(waitUntilRunning(first));
    first.kill(); // SIGKILL: no chance to release the guard
    QVERIFY(first.waitForFinished(10000));

    m_running.push_back(start());
    QProcess& next = *m_running.back();
    QVERIFY2(waitUntilRunning(next), "a start after a killed instance must run");
    QCOMPARE(next.state(), QProcess::Running);

    // The new instance guards in turn.
    std::unique_ptr<QProcess> another = start();
    QByteArray out;
    QCOMPARE(runToEnd(*another, &out), 1);
}

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <sys/types.h>

#include "../images/LogCapture.h"
#include "TestHome.h"
#include "core/base/AppConfig.h"
#include "core/base/InstanceGuard.h"
#include "core/speech/ProcessThread.h"
#include "gui/application/GlobalManager.h"

namespace {

// The test program runs itself as an application with an extraction when this names the
// file the external program writes its process id into.
const char* const kExtractionChild = "PICTORB_EXTRACTION_CHILD";

// The child: starts a long "extraction", then quits its event loop as a closing window would.
int runExtractionChild()
{
    GlobalManager* manager = GlobalManager::instance();
    ProcessThread* thread = manager->mp3Thread();
    thread->setProgram(QStringLiteral("/bin/sh"));
    thread->setArguments({QStringLiteral("-c"), QStringLiteral("echo $$ > \"$0\"; exec sleep 60"),
                          qEnvironmentVariable(kExtractionChild)});
    thread->setOpenMode(QIODevice::ReadOnly);
    QObject::connect(thread, &ProcessThread::processStart, QCoreApplication::instance(),
                     [] { QTimer::singleShot(300, [] { QCoreApplication::quit(); }); });
    thread->start();
    const int code = QCoreApplication::exec();
    std::printf("quit\n");
    return code;
}

// A process counts as gone once it no longer exists or is only waiting to be reaped.
bool processGone(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray fields = stat.readAll();
    const int close = fields.lastIndexOf(')');
    return close < 0 || fields.mid(close + 2, 1) == "Z";
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The id of a process that has just ended, so certainly not running.
qint64 deadProcessId()
{
    QProcess process;
    process.start(QStringLiteral("/bin/true"), QStringList());
    process.waitForFinished(10000);
    return process.processId() > 0 ? process.processId() : 999999;
}

// Own folders for one started application: home, settings, data, temporary folder.
class AppSandbox
{
public:
    AppSandbox()
    {
        for (const char* sub : {"home/.config", "home/.local/share", "tmp", "work", "runtime"})
            QDir().mkpath(path(QString::fromLatin1(sub)));
        QFile::setPermissions(path(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_environment = QProcessEnvironment::systemEnvironment();
        const auto set = [this](const char* name, const QString& value) {
            m_environment.insert(QString::fromLatin1(name), value);
        };
        set("HOME", path(QStringLiteral("home")));
        set("XDG_CONFIG_HOME", path(QStringLiteral("home/.config")));
        set("XDG_DATA_HOME", path(QStringLiteral("home/.local/share")));
        set("XDG_CACHE_HOME", path(QStringLiteral("home/.cache")));
        set("XDG_RUNTIME_DIR", path(QStringLiteral("runtime")));
        set("TMPDIR", path(QStringLiteral("tmp")));
        set("QT_QPA_PLATFORM", QStringLiteral("offscreen"));
        for (const char* url : {"PICTORB_SITE_URL", "PICTORB_UPDATE_URL", "PICTORB_SPEECH_URL"})
            set(url, QString());
    }

    QString path(const QString& sub) const { return m_root.filePath(sub); }
    QString lockFile() const { return path(QStringLiteral("tmp/Pictorb.instance.lock")); }
    void setVariable(const char* name, const QString& value)
    {
        m_environment.insert(QString::fromLatin1(name), value);
    }

    QProcess* start(QObject* parent) const
    {
        auto* process = new QProcess(parent);
        process->setProcessEnvironment(m_environment);
        process->setWorkingDirectory(path(QStringLiteral("work")));
        process->start(QStringLiteral(PICTORB_EXECUTABLE), QStringList());
        return process;
    }

    // How many runs have come far enough to log their TLS library, anywhere in the sandbox.
    int startsLogged() const
    {
        int count = 0;
        QDirIterator it(m_root.path(), {QStringLiteral("*.log")}, QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (file.open(QIODevice::ReadOnly))
                count += file.readAll().count("sslLibraryVersionString");
        }
        return count;
    }

private:
    QTemporaryDir m_root;
    QProcessEnvironment m_environment;
};

} // namespace

// Faults around the application itself: broken settings, an unwritable log folder, guards
// left behind by a crash, and quitting while an extraction runs.
class TestFaults : public QObject
{
    Q_OBJECT

private slots:
    void corruptSettings_data();
    void corruptSettings();
    void guard_data();
    void guard();
    void applicationStarts_data();
    void applicationStarts();
    void secondInstanceIsRefused();
    void extractionEndsWithTheApplication();
};

void TestFaults::corruptSettings_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe garbage [[[ = =\n\x01", 22);
    QTest::newRow("unclosed section") << QByteArray("[General\nfile_extension=PNG\n");
    QTest::newRow("unknown stored type")
        << QByteArray("[General]\nfile_extension=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5garbage)\n");
    QTest::newRow("a folder instead of a file") << QByteArray();
}

void TestFaults::corruptSettings()
{
    QFETCH(QByteArray, content);
    const QString path =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, AppConfig::kProductName, QString())
            .fileName();
    QFile::remove(path);
    QDir(path).removeRecursively();
    QVERIFY(content.isEmpty() ? QDir().mkpath(path) : writeFile(path, content));

    GlobalManager* manager = GlobalManager::instance();
    // Unreadable values read as the default or as the empty value of their type.
    const QString format =
        manager->getSetting(AppConfig::kFileExtension, QStringLiteral("JPG")).toString();
    QVERIFY2(format == QStringLiteral("JPG") || format.isEmpty() || format == QStringLiteral("PNG"),
             qPrintable(format));
    QCOMPARE(manager->getSetting(AppConfig::kAppLang, -1).toInt() >= -1, true);

    manager->setSetting(AppConfig::kPlayerVolume, 42);
    const bool isFolder = QFileInfo(path).isDir();
    QDir(path).removeRecursively();
    if (isFolder)
        return; // nothing can be written there; the write was only not reported
    QCOMPARE(manager->getSetting(AppConfig::kPlayerVolume, 100).toInt(), 42);
    // The file is readable again for the next start.
    QSettings reread(QSettings::NativeFormat, QSettings::UserScope, AppConfig::kProductName,
                     QString());
    QCOMPARE(reread.status(), QSettings::NoError);
    QFile::remove(path);
}

void TestFaults::guard_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("acquired");
    QTest::newRow("nothing left behind") << "none" << true;
    QTest::newRow("lock of an ended process") << "dead" << true;
    QTest::newRow("empty lock file") << "empty" << true;
    QTest::newRow("garbage lock file") << "garbage" << true;
    QTest::newRow("held by a running instance") << "held" << false;
    QTest::newRow("temporary folder unusable") << "unusable" << true;
}

void TestFaults::guard()
{
    QFETCH(QString, setup);
    QFETCH(bool, acquired);
    QTemporaryDir tmp;
    QString folder = tmp.path();
    if (setup == QStringLiteral("unusable")) {
        QVERIFY(writeFile(tmp.filePath("file"), "x"));
        folder = tmp.filePath("file/tmp");
    }
    const QByteArray previous = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(folder));
    const QString lock = folder + QStringLiteral("/Pictorb.instance.lock");
    if (setup == QStringLiteral("dead"))
        QVERIFY(writeFile(lock, QByteArray::number(deadProcessId()) + "\npictorb\n" +
                                    QSysInfo::machineHostName().toUtf8() + '\n'));
    if (setup == QStringLiteral("empty"))
        QVERIFY(writeFile(lock, QByteArray()));
    if (setup == QStringLiteral("garbage"))
        QVERIFY(writeFile(lock, QByteArray("\xde\xad\xbe\xef not a lock\n", 17)));

    {
        InstanceGuard running(AppConfig::kProductName);
        if (setup == QStringLiteral("held"))
            QVERIFY(running.acquire());
        LogCapture log;
        InstanceGuard guard(AppConfig::kProductName);
        QCOMPARE(guard.acquire(), acquired);
        guard.release();
    }
    // Released, the guard is free for the next start.
    if (setup != QStringLiteral("unusable")) {
        InstanceGuard next(AppConfig::kProductName);
        QVERIFY(next.acquire());
    }
    qputenv("TMPDIR", previous);
}

void TestFaults::applicationStarts_data()
{
    QTest::addColumn<QString>("setup");
    QTest::newRow("clean") << "none";
    QTest::newRow("corrupt settings file") << "settings";
    QTest::newRow("log folder cannot be made") << "logs";
    QTest::newRow("killed instance left its guard") << "killed";
    QTest::newRow("lock file naming no owner") << "empty lock";
}

void TestFaults::applicationStarts()
{
    QFETCH(QString, setup);
    AppSandbox sandbox;
    QObject owner;
    if (setup == QStringLiteral("settings"))
        QVERIFY(writeFile(sandbox.path(QStringLiteral("home/.config/Pictorb.conf")),
                          QByteArray("\x00\x01[[[=\xff\n", 9)));
    if (setup == QStringLiteral("logs")) {
        // The data folder lies below a regular file: the log goes to the working folder.
        QVERIFY(writeFile(sandbox.path(QStringLiteral("blocker")), "x"));
        sandbox.setVariable("XDG_DATA_HOME", sandbox.path(QStringLiteral("blocker/data")));
    }
    if (setup == QStringLiteral("killed")) {
        QProcess* first = sandbox.start(&owner);
        QTRY_VERIFY_WITH_TIMEOUT(sandbox.startsLogged() == 1, 30000);
        first->kill();
        QVERIFY(first->waitForFinished(10000));
    }
    if (setup == QStringLiteral("empty lock"))
        QVERIFY(writeFile(sandbox.lockFile(), QByteArray()));
    const int before = sandbox.startsLogged();

    QProcess* app = sandbox.start(&owner);
    QTRY_VERIFY_WITH_TIMEOUT(
        sandbox.startsLogged() == before + 1 || app->state() == QProcess::NotRunning, 30000);
    QVERIFY2(app->state() == QProcess::Running && sandbox.startsLogged() == before + 1,
             app->readAllStandardOutput().right(1500) + app->readAllStandardError().right(1500));
    if (setup == QStringLiteral("logs"))
        QVERIFY(!QDir(sandbox.path(QStringLiteral("work")))
                     .entryList({QStringLiteral("*.log")}, QDir::Files)
                     .isEmpty());
    if (setup == QStringLiteral("killed")) {
        // The instance that took over a stale guard guards in turn.
        QProcess* another = sandbox.start(&owner);
        QVERIFY(another->waitForFinished(20000));
        QCOMPARE(another->exitStatus(), QProcess::NormalExit);
        QCOMPARE(another->exitCode(), 1);
    }
    app->kill();
    app->waitForFinished(10000);
}

void TestFaults::secondInstanceIsRefused()
{
    AppSandbox sandbox;
    QObject owner;
    QProcess* first = sandbox.start(&owner);
    QTRY_VERIFY_WITH_TIMEOUT(sandbox.startsLogged() == 1, 30000);

    QProcess* second = sandbox.start(&owner);
    QVERIFY(second->waitForFinished(20000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 1);
    QCOMPARE(sandbox.startsLogged(), 1);
    QCOMPARE(first->state(), QProcess::Running);
    first->kill();
    first->waitForFinished(10000);
}

void TestFaults::extractionEndsWithTheApplication()
{
    QTemporaryDir dir;
    const QString pidFile = dir.filePath("pid");
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kExtractionChild), pidFile);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForFinished(30000));
    QVERIFY2(child.readAllStandardOutput().contains("quit"), child.readAllStandardError());

    QFile file(pidFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const qint64 pid = file.readAll().trimmed().toLongLong();
    QVERIFY(pid > 0);
    // The external program ended with the application instead of running on alone.
    const bool gone = QTest::qWaitFor([pid] { return processGone(pid); }, 5000);
    if (!gone)
        ::kill(pid_t(pid), SIGKILL);
    QVERIFY(gone);
}

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    isolateUserFolders(home);
    if (qEnvironmentVariableIsSet(kExtractionChild)) {
        QCoreApplication app(argc, argv);
        return runExtractionChild();
    }
    QApplication app(argc, argv);
    TestFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faults.moc"

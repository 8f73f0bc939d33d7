#include "core/base/AppConfig.h"
#include "core/base/Endpoints.h"
#include "core/base/Logger.h"
#include "core/base/ScreenManager.h"
#include "core/base/TranslateManager.h"
#include "gui/application/GlobalManager.h"
#include "gui/mainwindow/MainWindow.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QDateTime>
#include <QDirIterator>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>

#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include <sys/resource.h>

using namespace TestSupport;

namespace {

// Set for a child start of this program (runLogChild): the data folder it logs into.
const char* const kLogChild = "PICTORB_LOG_CHILD";
// "[yyyy MM-dd hh:mm:ss]Level: text (:0, )": messages carry no source location.
const QRegularExpression
    kLine(QStringLiteral(R"(^\[(\d{4} \d\d-\d\d \d\d:\d\d:\d\d)\](\w*): (.*) \(:0, \)$)"));
constexpr int kThreads = 4;
constexpr int kLinesEach = 300;

// The child: logs its second argument at the level its first one numbers, or, for "threads",
// many long lines from several threads at once; a fatal message ends it.
[[noreturn]] void runLogChild()
{
    qputenv("XDG_DATA_HOME", qgetenv(kLogChild));
    Logger::install();
    const QStringList args = QCoreApplication::arguments();
    const bool threaded = args.value(1) == QLatin1String("threads");
    std::vector<std::thread> threads;
    for (int t = 0; threaded && t < kThreads; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < kLinesEach; ++i)
                qDebug("thread %d line %d %s", t, i, QByteArray(150, 'x').constData());
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore); // a fatal message aborts, as it should: no core file
    if (!threaded)
        qt_message_output(QtMsgType(args.value(1).toInt()), QMessageLogContext(), args.value(2));
    std::exit(0);
}

// Own user folders for started programs, and what they logged.
class ChildSandbox
{
public:
    ChildSandbox() : m_environment(QProcessEnvironment::systemEnvironment())
    {
        // Each folder is named after its variable. The runtime and cache folders and the
        // switched-off addresses are this program's own.
        for (const char* folder :
             {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "TMPDIR", "work", "XDG_RUNTIME_DIR"}) {
            QDir().mkpath(path(folder));
            set(folder, path(folder));
        }
        QFile::setPermissions(path("XDG_RUNTIME_DIR"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString path(const QString& sub) const { return m_root.filePath(sub); }
    void set(const char* name, const QString& value) { m_environment.insert(name, value); }
    std::unique_ptr<QProcess> start(const QString& program, const QStringList& args = {}) const
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(m_environment);
        process->setWorkingDirectory(path("work"));
        process->start(program, args);
        return process;
    }
    QStringList logFiles() const
    {
        QStringList files;
        QDirIterator it(m_root.path(), {"*.log"}, QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        return files;
    }
    // How many log lines hold the text: "sslLibraryVersionString" counts the starts that got
    // as far as logging.
    int logged(const char* text = "sslLibraryVersionString") const
    {
        int count = 0;
        for (const QString& file : logFiles())
            count += readBytes(file).count(text);
        return count;
    }
    int startsLogged() const { return logged(); }

private:
    QTemporaryDir m_root;
    QProcessEnvironment m_environment;
};

// Counts the language changes the application receives: one per translator put in or out.
struct LanguageChanges : QObject
{
    int count = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        count += watched == qApp && event->type() == QEvent::LanguageChange ? 1 : 0;
        return false;
    }
};

QString viewLogEntry(const MainWindow& window)
{
    for (const QAction* action : window.settingMenu()->actions()) {
        if (action->property("type") == QVariant(int(TitleBar::ViewLog)))
            return action->text();
    }
    return QString();
}

} // namespace

class BaseTest : public QObject
{
    Q_OBJECT

public:
    BaseTest()
    {
        if (qEnvironmentVariableIsSet(kLogChild))
            runLogChild();
    }

private slots:
    void logLines_data();
    void logLines();
    void startUpFaults_data();
    void startUpFaults();
    void saveImageTakesAFreeName_data();
    void saveImageTakesAFreeName();
    void movesKeepTheUsersFiles_data();
    void movesKeepTheUsersFiles();
    void desktopShowsFilesFoldersAndPages();
    void screenScale_data();
    void screenScale();
    void startLanguage_data();
    void startLanguage();
    void languageSwitchKeepsOneTranslatorAndIsStored();
};

void BaseTest::logLines_data()
{
    QTest::addColumn<int>("level"); // -1: the lines of several threads
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("word");
    const auto row = [](const char* name, int level, const QString& text, const char* word) {
        QTest::newRow(name) << level << text << QString(word);
    };
    row("debug", QtDebugMsg, "plain words", "Debug");
    row("info", QtInfoMsg, "plain words", "Info");
    row("warning", QtWarningMsg, "plain words", "Warning");
    row("critical", QtCriticalMsg, "plain words", "Critical");
    row("fatal, written before the end", QtFatalMsg, "last words", "Fatal");
    row("percent signs kept", QtDebugMsg, "100% done, %1 %s %% %n", "Debug");
    row("UTF-8 kept in a C locale", QtWarningMsg, QString::fromUtf8("字幕 ✓ Über façade"),
        "Warning");
    row("line-like text kept", QtInfoMsg, "[x]Debug: y (a:1, f)", "Info");
    row("lines from several threads whole", -1, "", "Debug");
}

void BaseTest::logLines()
{
    QFETCH(int, level);
    QFETCH(QString, text);
    QFETCH(QString, word);
    ChildSandbox sandbox;
    sandbox.set(kLogChild, sandbox.path("data"));
    sandbox.set("LC_ALL", "C");
    const QDateTime before = QDateTime::currentDateTime().addMSecs(-999);
    const auto child = sandbox.start(QCoreApplication::applicationFilePath(),
                                     {level < 0 ? "threads" : QString::number(level), text});
    QVERIFY(child->waitForFinished(30000));
    const QDateTime after = QDateTime::currentDateTime();
    QCOMPARE(child->exitStatus(), level == QtFatalMsg ? QProcess::CrashExit : QProcess::NormalExit);

    // One file for the start, named after it, in the logs folder of the data folder.
    const QStringList files = sandbox.logFiles();
    QCOMPARE(files.size(), 1);
    const QFileInfo file(files.first());
    QCOMPARE(file.path(), sandbox.path("data/" + QCoreApplication::applicationName() + "/logs"));
    const QDateTime started = QDateTime::fromString(file.fileName(), "yyyyMMddhhmmss'.log'");
    QVERIFY(started >= before && started <= after);
    const QByteArray bytes = readBytes(file.filePath());
    QCOMPARE(child->readAllStandardOutput(), bytes);

    QStringList lines = QString::fromUtf8(bytes).split('\n');
    QCOMPARE(lines.takeLast(), QString()); // every line ends
    QCOMPARE(lines.size(), level < 0 ? kThreads * kLinesEach : 1);
    QVector<int> next(kThreads, 0);
    const QRegularExpression threadLine("^thread (\\d) line (\\d+) x{150}$");
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = kLine.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        const QDateTime stamp = QDateTime::fromString(match.captured(1), "yyyy MM-dd hh:mm:ss");
        QVERIFY(stamp >= before && stamp <= after);
        QCOMPARE(match.captured(2), word);
        if (level >= 0) {
            QCOMPARE(match.captured(3), text);
            continue;
        }
        const QRegularExpressionMatch whole = threadLine.match(match.captured(3));
        QVERIFY2(whole.hasMatch(), qPrintable(line));
        QCOMPARE(whole.captured(2).toInt(), next[whole.captured(1).toInt()]++); // in order
    }
}

void BaseTest::startUpFaults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("guarded"); // a second start is refused
    QTest::newRow("clean start") << "" << true;
    QTest::newRow("corrupt settings file") << "settings" << true;
    QTest::newRow("settings file is a folder") << "settings folder" << true;
    QTest::newRow("log folder cannot be made") << "logs" << true;
    QTest::newRow("killed instance left its guard") << "killed" << true;
    QTest::newRow("lock file naming no owner") << "empty lock" << true;
    QTest::newRow("garbage lock file") << "garbage lock" << true;
    // The guard lives in the user's runtime folder: an unusable temporary folder does not
    // matter, and another user's instance does not keep this user out.
    QTest::newRow("temporary folder unusable") << "tmp" << true;
    QTest::newRow("another user's instance runs") << "other user" << false;
}

void BaseTest::startUpFaults()
{
    QFETCH(QString, fault);
    QFETCH(bool, guarded);
    ChildSandbox sandbox;
    const QString app = QStringLiteral(PICTORB_EXECUTABLE);
    const QString lock = sandbox.path("XDG_RUNTIME_DIR/Pictorb.instance.lock");
    const QString settings = sandbox.path("XDG_CONFIG_HOME/Pictorb.conf");
    QVERIFY(writeBytes(sandbox.path("blocker"), "a file, not a folder"));
    if (fault == "settings")
        QVERIFY(
            writeBytes(settings, QByteArray("\x00\x01[[[=\xff\n", 8) + "app_lang=@Variant(\\x7f"));
    if (fault == "settings folder")
        QVERIFY(QDir().mkpath(settings));
    if (fault == "logs") // the log then goes to the working folder
        sandbox.set("XDG_DATA_HOME", sandbox.path("blocker/data"));
    if (fault == "tmp")
        sandbox.set("TMPDIR", sandbox.path("blocker/tmp"));
    if (fault.endsWith("lock"))
        QVERIFY(writeBytes(lock, fault == "empty lock" ? "" : "\xde\xad\xbe\xef not a lock\n"));
    if (fault == "killed") {
        const auto first = sandbox.start(app);
        QTRY_VERIFY_WITH_TIMEOUT(sandbox.startsLogged() == 1, 30000);
        first->kill(); // SIGKILL: no chance to release anything
        QVERIFY(first->waitForFinished(10000));
    }
    const int before = sandbox.startsLogged();

    const auto running = sandbox.start(app);
    QTRY_VERIFY_WITH_TIMEOUT(
        sandbox.startsLogged() > before || running->state() == QProcess::NotRunning, 30000);
    QVERIFY2(running->state() == QProcess::Running && sandbox.startsLogged() == before + 1,
             running->readAllStandardError().right(2000).constData());
    if (fault == "logs")
        QVERIFY(!QDir(sandbox.path("work")).entryList({"*.log"}, QDir::Files).isEmpty());
    // A second start hands its pictures to the running window and ends; another user's start
    // runs a window of its own.
    QVERIFY(solid(64, 36, Qt::red).save(sandbox.path("work/handed over.png")));
    if (fault == "other user") {
        QVERIFY(QDir().mkpath(sandbox.path("other runtime")));
        sandbox.set("XDG_RUNTIME_DIR", sandbox.path("other runtime"));
    }
    const auto second = sandbox.start(app, {"handed over.png"});
    if (guarded) {
        QVERIFY(second->waitForFinished(20000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(sandbox.startsLogged(), before + 1);
        QTRY_COMPARE(sandbox.logged("a later start asks for the window with 1 files"), 1);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(sandbox.startsLogged() == before + 2, 30000);
        second->kill();
        second->waitForFinished(10000);
    }
    QCOMPARE(running->state(), QProcess::Running);
    running->kill();
    running->waitForFinished(10000);
}

void BaseTest::saveImageTakesAFreeName_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("written");
    const auto row = [](const char* name, const QStringList& present, const QString& file,
                        const QString& written, const QString& format = {}) {
        QTest::newRow(name) << present << file << format << written;
    };
    row("free", {}, "x.png", "x.png");
    row("taken", {"x.png"}, "x.png", "x(1).png");
    row("two taken", {"x.png", "x(1).png"}, "x.png", "x(2).png");
    row("gap reused", {"x.png", "x(2).png"}, "x.png", "x(1).png");
    row("two dots", {"a.b.png"}, "a.b.png", "a.b(1).png");
    row("spaces and accents", {"été 1.png"}, "été 1.png", "été 1(1).png");
    row("given format wins", {"shot.jpg"}, "shot.png", "shot(1).jpg", "jpg");
}

void BaseTest::saveImageTakesAFreeName()
{
    QFETCH(QStringList, present);
    QFETCH(QString, name);
    QFETCH(QString, format);
    QFETCH(QString, written);
    QTemporaryDir dir;
    for (const QString& file : present)
        QVERIFY(writeBytes(dir.filePath(file), "keep"));
    const QString path = GlobalManager::saveImage(solid(6, 4, Qt::green), dir.path(), name, format);
    QCOMPARE(path, dir.filePath(written));
    QCOMPARE(QImage(path).size(), QSize(6, 4));
    QVERIFY(readBytes(path).startsWith(written.endsWith(".jpg") ? "\xff\xd8\xff" : "\x89PNG"));
    for (const QString& file : present)
        QCOMPARE(readBytes(dir.filePath(file)), QByteArray("keep"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), present.size() + 1);
}

void BaseTest::movesKeepTheUsersFiles_data()
{
    QTest::addColumn<QString>("output");      // stored, below the test folder; none when empty
    QTest::addColumn<QStringList>("sources"); // all made but the "missing" ones
    QTest::addColumn<QStringList>("present"); // the user's files in the output folder
    QTest::addColumn<QStringList>("moved");   // into the output folder, in order
    const auto row = [](const char* name, const QString& output, const QStringList& sources,
                        const QStringList& present, const QStringList& moved) {
        QTest::newRow(name) << output << sources << present << moved;
    };
    row("user's file kept", "out", {"a.jpg", "b.c.png"}, {"a.jpg"}, {"a(1).jpg", "b.c.png"});
    row("failed copy left out", "out", {"missing.png", "good.png"}, {}, {"good.png"});
    row("nothing moved reveals nothing", "out", {"missing.png"}, {}, {});
    row("missing output folder is made", "new/deeper", {"one.png"}, {}, {"one.png"});
    // "plain" is a file, so no folder can be made below it.
    row("unmakeable output folder falls back", "plain/sub", {"two.png"}, {}, {"two.png"});
    row("no output folder falls back", "", {"three.png"}, {"three.png"}, {"three(1).png"});
}

void BaseTest::movesKeepTheUsersFiles()
{
    QFETCH(QString, output);
    QFETCH(QStringList, sources);
    QFETCH(QStringList, present);
    QFETCH(QStringList, moved);
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath("plain"), "a file, not a folder"));
    // Without a folder that can be made, the output goes to Pictorb under Pictures.
    QString folder =
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + "/Pictorb";
    QDir(folder).removeRecursively();
    if (!output.isEmpty() && !output.startsWith("plain/"))
        folder = dir.filePath(output);
    for (const QString& name : present)
        QVERIFY(QDir().mkpath(folder) && writeBytes(folder + '/' + name, "old"));
    QDir().mkpath(dir.filePath("work"));
    QStringList paths;
    for (const QString& source : sources) {
        paths << dir.filePath("work/" + source);
        QVERIFY(source.startsWith("missing") || writeBytes(paths.last(), "new"));
    }
    GlobalManager::instance()->setSetting(AppConfig::kFileSavePath,
                                          output.isEmpty() ? QString() : dir.filePath(output));

    DesktopCatcher desktop;
    QStringList expected;
    for (const QString& name : moved)
        expected << folder + '/' + name;
    QCOMPARE(GlobalManager::instance()->moveFilesToSavePath(paths), expected);
    QCOMPARE(desktop.revealed, expected);
    for (const QString& name : present)
        QCOMPARE(readBytes(folder + '/' + name), QByteArray("old"));
    for (const QString& path : expected)
        QCOMPARE(readBytes(path), QByteArray("new"));
    for (const QString& path : paths)
        QVERIFY(!QFile::exists(path)); // moved, not copied
}

void BaseTest::desktopShowsFilesFoldersAndPages()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("seen.png");
    QVERIFY(writeBytes(file, "x"));
    DesktopCatcher desktop;
    GlobalManager* manager = GlobalManager::instance();
    manager->openFolder(file);       // the file is selected in its folder
    manager->openFolder(dir.path()); // the folder itself is opened
    manager->openFilesBySelect({});  // nothing to select opens nothing
    manager->openFilesBySelect({file, dir.filePath("b.png")});
    QCOMPARE(desktop.revealed, (QStringList{file, dir.path(), file, dir.filePath("b.png")}));
    // A page of the maker's site opens only while the site address is on.
    for (const QByteArray& site : {QByteArray(), QByteArray(" http://127.0.0.1:9// ")}) {
        qputenv("PICTORB_SITE_URL", site);
        manager->openUrl(Endpoints::sitePage(AppConfig::kSupportPagePath));
    }
    qputenv("PICTORB_SITE_URL", QByteArray());
    QCOMPARE(desktop.urls, QList<QUrl>{QUrl("http://127.0.0.1:9/support-center/")});
}

void BaseTest::screenScale_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QString>("css");
    QTest::addColumn<QString>("scaledCss");
    QTest::addColumn<QSize>("window"); // the main window's opening size, truncated
    const auto row = [](const char* name, double dpi, QSize window, const char* css,
                        const char* scaled) {
        QTest::newRow(name) << dpi << QString(css) << QString(scaled) << window;
    };
    const QSize at96(1100, 741), at120(1375, 926), at144(1650, 1111);
    row("below 96 dpi counts as 96", 72, at96, "padding: 10px;", "padding: 10px;");
    row("1px stays, 12px grows at 1.25", 120, at120, "border: 1px solid; padding: 12px;",
        "border: 1px solid; padding: 15px;");
    row("every length of a sheet", 144, at144,
        "QPushButton { margin: 2px 4px 10px 0px; }\nb { x: 40px; }",
        "QPushButton { margin: 3px 6px 15px 0px; }\nb { x: 60px; }");
    row("decimal point and minus sign stay", 144, at144, "w: 1.5px; top: -2px;",
        "w: 1.7px; top: -3px;");
    row("pt, % and PX untouched", 144, at144, "a: 8pt; b: 50%; c: 10PX", "a: 8pt; b: 50%; c: 10PX");
    row("a 13-digit length is left alone", 144, at144, "w: 1234567890123px;",
        "w: 1234567890123px;");
    row("numbers grow in place", 192, {2200, 1482}, "9px 99px", "18px 198px");
}

void BaseTest::screenScale()
{
    QFETCH(double, dpi);
    QFETCH(QString, css);
    QFETCH(QString, scaledCss);
    QFETCH(QSize, window);
    ScreenManager::instance()->init(dpi, dpi, 1.0);
    scaleStyleSheet(css);
    QCOMPARE(css, scaledCss);
    QCOMPARE(scaledSize(QSize(1100, 741)), window);
    ScreenManager::instance()->init(96.0, 96.0, 1.0);
}

void BaseTest::startLanguage_data()
{
    QTest::addColumn<int>("stored"); // -1: no choice made, as on a fresh installation
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("language");
    const auto row = [](const char* name, const char* locale, int language, int stored = -1) {
        QTest::newRow(name) << stored << QString(locale) << language;
    };
    row("fr_FR is French", "fr_FR", TranslateManager::French);
    row("de_AT is German", "de_AT", TranslateManager::German);
    row("unmatched ru_RU is English", "ru_RU", TranslateManager::English);
    // The codes "cn" and "jp" never match the capitals of a country: the menu reaches them.
    row("zh_CN is English", "zh_CN", TranslateManager::English);
    row("ja_JP is English", "ja_JP", TranslateManager::English);
    row("stored Japanese beats the locale", "de_DE", TranslateManager::Japanese, 8);
    row("stored English beats the locale", "fr_FR", TranslateManager::English, 0);
    row("stored out of range is kept", "fr_FR", 12, 12); // no translation loads: English shows
}

void BaseTest::startLanguage()
{
    QFETCH(int, stored);
    QFETCH(QString, locale);
    QFETCH(int, language);
    GlobalManager::instance()->setSetting(AppConfig::kAppLang, stored);
    TranslateManager::instance()->setCurrentLanguage(TranslateManager::Italian); // no leftovers
    TranslateManager::instance()->init(QLocale(locale));
    QCOMPARE(TranslateManager::instance()->currentLanguage(), language);
}

void BaseTest::languageSwitchKeepsOneTranslatorAndIsStored()
{
    GlobalManager::instance()->setSetting(AppConfig::kAppLang, -1);
    TranslateManager::instance()->init(QLocale("de_DE"));
    DesktopCatcher desktop;
    MainWindow window;
    QCOMPARE(viewLogEntry(window), QStringLiteral("Protokoll anzeigen"));

    LanguageChanges changes;
    qApp->installEventFilter(&changes);
    QSignalSpy announced(TranslateManager::instance(), &TranslateManager::changeTranslate);
    GlobalManager* manager = GlobalManager::instance();
    QStringList stored; // as listeners read them while a write is announced
    connect(manager, &GlobalManager::globalEvent, &window, [&](const QString& name, QVariant key) {
        if (name == "setting_change")
            stored << key.toString() + '=' + manager->getSetting(key.toString(), 0).toString();
    });
    const QList<QAction*> languages = window.languageMenu()->actions();
    languages.at(TranslateManager::Italian)->trigger();
    QCOMPARE(changes.count, 2); // German out, Italian in
    QCOMPARE(viewLogEntry(window), QStringLiteral("Visualizza log"));
    languages.at(TranslateManager::Italian)->trigger();
    QCOMPARE(changes.count, 4);
    QCOMPARE(announced.count(), 2);
    // The choice is kept for the next start, and every write is announced, also an unchanged one.
    QCOMPARE(stored, (QStringList{"app_lang=4", "app_lang=4"}));
    const QString store = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Pictorb.conf";
    QVERIFY(readBytes(store).contains("app_lang=4"));
    // Without a translation the source texts show: no earlier translation stays behind.
    window.changeLangByType(42);
    QCOMPARE(changes.count, 5);
    QCOMPARE(viewLogEntry(window), QStringLiteral("View Log"));
    languages.at(TranslateManager::French)->trigger();
    QCOMPARE(viewLogEntry(window), QStringLiteral("Afficher le journal"));
    for (QAction* language : languages.mid(1)) { // every language has its translation built in
        language->trigger();
        QVERIFY2(viewLogEntry(window) != QLatin1String("View Log"), qPrintable(language->text()));
    }
}

PICTORB_TEST_MAIN(BaseTest)
#include "tst_base.moc"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

#include "LogCapture.h"
#include "PictureFiles.h"
#include "app/TestHome.h"
#include "core/base/AppConfig.h"
#include "core/base/PlatformShell.h"
#include "core/images/SaveImageThread.h"
#include "gui/application/GlobalManager.h"
#include "gui/images/ImageListViewDialog.h"
#include "gui/images/ImagesWidget.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/preview/PreviewWidget.h"
#include "gui/widgets/NormalButton.h"

using PictureFiles::noise;

namespace {

// The test program runs itself as the exporting process when this names the folder.
const char* const kChildFolder = "PICTORB_EXPORT_CHILD";
// Comma-separated sides of the square pictures the child exports.
const char* const kChildSides = "PICTORB_EXPORT_SIDES";

// The child: one export of noise pictures, a line per progress signal and one at the end.
int runExportChild()
{
    const QString folder = qEnvironmentVariable(kChildFolder);
    QList<QImage> images;
    quint32 seed = 1;
    for (const QString& side : qEnvironmentVariable(kChildSides).split(QLatin1Char(',')))
        images << noise(side.toInt(), side.toInt(), seed++);
    SaveImageThread thread;
    QObject::connect(&thread, &SaveImageThread::saveProgress, [](int current, int) {
        std::printf("progress %d\n", current);
        std::fflush(stdout);
    });
    QObject::connect(&thread, &SaveImageThread::saveFinished, [](const QStringList& list) {
        std::printf("finished %d\n", int(list.size()));
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    thread.setData(images, folder);
    thread.start();
    return QCoreApplication::exec();
}

// The test program runs itself to move this exported file into the output folder.
const char* const kMoveChild = "PICTORB_MOVE_CHILD";

int runMoveChild()
{
    PlatformShell::setRevealHandler(
        [](const QStringList& paths) { std::printf("revealed %d\n", int(paths.size())); });
    const QStringList moved =
        GlobalManager::instance()->moveFilesToSavePath({qEnvironmentVariable(kMoveChild)});
    std::printf("moved %d\n", int(moved.size()));
    return 0;
}

QStringList visibleFiles(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

QStringList hiddenFiles(const QString& folder)
{
    QStringList hidden = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : visibleFiles(folder))
        hidden.removeOne(name);
    return hidden;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// True when the file decodes in full to a picture of that size.
bool decodesWhole(const QString& path, const QSize& size)
{
    QImageReader reader(path);
    QImage image;
    return reader.read(&image) && image.size() == size;
}

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

} // namespace

class TestExportFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void fullFileSystem();
    void moveOntoAFullFileSystem();
    void killedDuringExport();
    void folderRemovedDuringExport();
    void readOnlyFolder();
    void moveIntoUnwritableFolderKeepsTheSource_data();
    void moveIntoUnwritableFolderKeepsTheSource();
    void windowClosedDuringExport();

private:
    // Runs the child named by `role` under a shell that can limit it first; `limits` is
    // shell text.
    static QProcess* startChild(const char* role, const QString& target, const QString& sides,
                                const QString& limits, QObject* parent);
    // A file-size limit on the child stands in for a full disk: writes past it fail with
    // "file too large" (the signal that would end the process is ignored).
    static inline const QString kFullDisk = QStringLiteral("ulimit -f 100; trap '' XFSZ");
};

void TestExportFaults::initTestCase()
{
    GlobalManager::instance()->setSetting(AppConfig::kFileExtension, QStringLiteral("PNG"));
}

void TestExportFaults::cleanup()
{
    MainWindow::setFileChooser({});
    PlatformShell::setRevealHandler({});
}

QProcess* TestExportFaults::startChild(const char* role, const QString& target,
                                       const QString& sides, const QString& limits, QObject* parent)
{
    auto* process = new QProcess(parent);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(role), target);
    environment.insert(QString::fromLatin1(kChildSides), sides);
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral("/bin/sh"),
                   {QStringLiteral("-c"), limits + QStringLiteral("; exec \"$0\""),
                    QCoreApplication::applicationFilePath()});
    return process;
}

void TestExportFaults::fullFileSystem()
{
    QTemporaryDir folder;
    const QString userFile = folder.filePath("Pictorb_1.png");
    const QByteArray userBytes = "the user's own file, not a picture";
    QVERIFY(PictureFiles::writeBytes(userFile, userBytes));

    QObject owner;
    QProcess* child =
        startChild(kChildFolder, folder.path(), QStringLiteral("16,400,16"), kFullDisk, &owner);
    QVERIFY(child->waitForFinished(30000));
    const QByteArray output = child->readAllStandardOutput();
    const QByteArray errors = child->readAllStandardError();
    QCOMPARE(child->exitCode(), 0);
    // The large picture did not fit; the small ones around it were still written.
    QVERIFY2(output.contains("finished 2"), output + errors);
    QVERIFY2(errors.contains("could not be written"), errors);
    QCOMPARE(visibleFiles(folder.path()),
             (QStringList{"Pictorb_1(1).png", "Pictorb_1.png", "Pictorb_3.png"}));
    QCOMPARE(bytesOf(userFile), userBytes);
    QVERIFY(decodesWhole(folder.filePath("Pictorb_1(1).png"), QSize(16, 16)));
    QVERIFY(decodesWhole(folder.filePath("Pictorb_3.png"), QSize(16, 16)));
    QCOMPARE(hiddenFiles(folder.path()), QStringList());
}

void TestExportFaults::moveOntoAFullFileSystem()
{
    QTemporaryDir work;
    QTemporaryDir output;
    const QString exported = work.filePath("Pictorb_1.png");
    QVERIFY(noise(300, 300, 9).save(exported));
    const QByteArray exportedBytes = bytesOf(exported);
    const QString userFile = output.filePath("Pictorb_1.png");
    QVERIFY(PictureFiles::writeBytes(userFile, "the user's"));
    GlobalManager::instance()->setSetting(AppConfig::kFileSavePath, output.path());

    QObject owner;
    QProcess* child = startChild(kMoveChild, exported, QString(), kFullDisk, &owner);
    QVERIFY(child->waitForFinished(30000));
    const QByteArray answer = child->readAllStandardOutput();
    QVERIFY2(answer.contains("moved 0"), answer + child->readAllStandardError());
    QVERIFY(!answer.contains("revealed"));
    // The export is kept whole where it was; the output folder holds only what it held.
    QCOMPARE(bytesOf(exported), exportedBytes);
    QCOMPARE(bytesOf(userFile), QByteArray("the user's"));
    QCOMPARE(QDir(output.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"Pictorb_1.png"});
}

void TestExportFaults::killedDuringExport()
{
    QTemporaryDir folder;
    const QString userFile = folder.filePath("Pictorb_2.png");
    const QByteArray userBytes = "kept";
    QVERIFY(PictureFiles::writeBytes(userFile, userBytes));

    QObject owner;
    QStringList sides;
    for (int i = 0; i < 40; ++i)
        sides << QStringLiteral("500");
    QProcess* child = startChild(kChildFolder, folder.path(), sides.join(QLatin1Char(',')),
                                 QStringLiteral(":"), &owner);
    QVERIFY(child->waitForStarted(10000));
    // Killed in the middle of the batch, most likely while a picture is being encoded.
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += child->readAllStandardOutput()).contains("progress 2"),
                             30000);
    child->kill();
    QVERIFY(child->waitForFinished(10000));

    // Whatever carries a final name is a whole picture; only hidden work files may be partial.
    QCOMPARE(bytesOf(userFile), userBytes);
    const QStringList files = visibleFiles(folder.path());
    QVERIFY(files.size() >= 4); // the user's file and at least three pictures
    for (const QString& name : files) {
        if (name != QStringLiteral("Pictorb_2.png"))
            QVERIFY2(decodesWhole(folder.filePath(name), QSize(500, 500)), qPrintable(name));
    }
    for (const QString& name : hiddenFiles(folder.path()))
        QVERIFY2(name.startsWith(QStringLiteral(".Pictorb.")), qPrintable(name));
}

void TestExportFaults::folderRemovedDuringExport()
{
    QTemporaryDir root;
    const QString folder = root.filePath("tmp");
    QVERIFY(QDir().mkpath(folder));
    QList<QImage> images;
    for (int i = 0; i < 20; ++i)
        images << noise(700, 700, quint32(i + 1));

    LogCapture log;
    SaveImageThread thread;
    QSignalSpy progress(&thread, &SaveImageThread::saveProgress);
    QSignalSpy finished(&thread, &SaveImageThread::saveFinished);
    thread.setData(images, folder);
    thread.start();
    QVERIFY(progress.wait(20000));
    QVERIFY(QDir(folder).removeRecursively());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);

    // Pictures after the removal are reported as not written, not as saved.
    const QStringList written = finished.first().first().toStringList();
    QVERIFY(written.size() < images.size());
    for (const QString& path : written)
        QVERIFY(!QFileInfo::exists(path) || decodesWhole(path, QSize(700, 700)));
    QVERIFY(log.contains(QStringLiteral("could not be written")));
    QCOMPARE(progress.count(), images.size());
}

void TestExportFaults::readOnlyFolder()
{
    if (runningAsRoot())
        QSKIP("root writes into read-only folders; unwritableFolder in tst_saveimagethread covers "
              "a folder that cannot be written by anyone");
    QTemporaryDir folder;
    const QString userFile = folder.filePath("Pictorb_1.png");
    QVERIFY(PictureFiles::writeBytes(userFile, "mine"));
    QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));

    LogCapture log;
    SaveImageThread thread;
    QSignalSpy finished(&thread, &SaveImageThread::saveFinished);
    thread.setData({noise(20, 20, 7)}, folder.path());
    thread.start();
    QVERIFY(finished.wait(20000));
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(finished.first().first().toStringList(), QStringList());
    QCOMPARE(visibleFiles(folder.path()), QStringList{"Pictorb_1.png"});
    QCOMPARE(bytesOf(userFile), QByteArray("mine"));
    QVERIFY(log.contains(QStringLiteral("saveImage failed")));
}

void TestExportFaults::moveIntoUnwritableFolderKeepsTheSource_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("read-only output folder") << true;
    QTest::newRow("output folder removed") << false;
}

void TestExportFaults::moveIntoUnwritableFolderKeepsTheSource()
{
    QFETCH(bool, readOnly);
    if (readOnly && runningAsRoot())
        QSKIP("root writes into read-only folders");
    QTemporaryDir work;
    QTemporaryDir output;
    const QString exported = work.filePath("Pictorb_1.png");
    QVERIFY(noise(30, 30, 3).save(exported));
    const QByteArray exportedBytes = bytesOf(exported);
    GlobalManager* manager = GlobalManager::instance();
    QStringList revealed{"none"};
    PlatformShell::setRevealHandler([&revealed](const QStringList& paths) { revealed = paths; });

    if (readOnly) {
        QVERIFY(QFile::setPermissions(output.path(), QFile::ReadOwner | QFile::ExeOwner));
        manager->setSetting(AppConfig::kFileSavePath, output.path());
        LogCapture log;
        QCOMPARE(manager->moveFilesToSavePath({exported}), QStringList());
        QFile::setPermissions(output.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(log.contains(QStringLiteral("copy failed")));
        // The export stays where it was, in full, and nothing is shown as moved.
        QCOMPARE(bytesOf(exported), exportedBytes);
        QCOMPARE(revealed, QStringList());
    } else {
        // A folder that is gone and cannot be made again (below a regular file) falls back to
        // the Pictures folder.
        const QString blocker = output.filePath("file");
        QVERIFY(PictureFiles::writeBytes(blocker, "x"));
        manager->setSetting(AppConfig::kFileSavePath, blocker + QStringLiteral("/out"));
        const QStringList moved = manager->moveFilesToSavePath({exported});
        QCOMPARE(moved.size(), 1);
        QCOMPARE(QFileInfo(moved.first()).absolutePath(),
                 QDir(manager->getPicturesDir(AppConfig::kProductName)).absolutePath());
        QCOMPARE(bytesOf(moved.first()), exportedBytes);
        QVERIFY(!QFileInfo::exists(exported));
        QFile::remove(moved.first());
    }
}

void TestExportFaults::windowClosedDuringExport()
{
    QTemporaryDir stills;
    QTemporaryDir output;
    GlobalManager* manager = GlobalManager::instance();
    manager->setSetting(AppConfig::kFirstOpenApp, true);
    manager->setSetting(AppConfig::kFileSavePath, output.path());
    QStringList paths;
    for (int i = 0; i < 3; ++i) {
        paths << stills.filePath(QStringLiteral("still_%1.png").arg(i));
        QVERIFY(noise(1200, 900, quint32(i + 10)).save(paths.last()));
    }
    MainWindow::setFileChooser(
        [paths](QWidget*, const QString&, const QString&, const QString&) { return paths; });

    auto window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->openImageFiles();
    QTRY_VERIFY_WITH_TIMEOUT(!window->imagesWidget()->isImporting(), 20000);
    SaveImageThread* thread = window->previewWidget()->saveThread();
    QVERIFY(thread);
    QSignalSpy started(thread, &SaveImageThread::saveStart);
    QTest::mouseClick(window->previewWidget()->exportButton(), Qt::LeftButton);
    QVERIFY(started.count() == 1 || started.wait(10000));

    // Closing and destroying the window while the worker writes waits for it to end.
    window->close();
    window.reset();
    QCoreApplication::processEvents();

    const QString tmp = output.filePath("tmp");
    const QStringList files = visibleFiles(tmp) + visibleFiles(output.path());
    QCOMPARE(files, QStringList{"Pictorb_1.png"});
    QCOMPARE(hiddenFiles(tmp), QStringList());
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet(kChildFolder)) {
        QCoreApplication app(argc, argv);
        return runExportChild();
    }
    if (qEnvironmentVariableIsSet(kMoveChild)) {
        QCoreApplication app(argc, argv);
        return runMoveChild();
    }
    QTemporaryDir home;
    isolateUserFolders(home);
    QApplication app(argc, argv);
    TestExportFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_exportfaults.moc"

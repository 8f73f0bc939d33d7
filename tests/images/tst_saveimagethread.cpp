#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "LogCapture.h"
#include "core/base/AppConfig.h"
#include "core/images/SaveImageThread.h"
#include "gui/application/GlobalManager.h"

namespace {

QImage solid(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// Runs one export to the end and returns the signals in the order they arrived.
QStringList runExport(SaveImageThread& thread, const QList<QImage>& images, const QString& folder,
                      QStringList* written = nullptr)
{
    QStringList order;
    QObject context;
    QObject::connect(&thread, &SaveImageThread::saveStart, &context,
                     [&order] { order << QStringLiteral("start"); });
    QObject::connect(&thread, &SaveImageThread::saveProgress, &context,
                     [&order](int current, int total) {
                         order << QStringLiteral("progress %1/%2").arg(current).arg(total);
                     });
    QObject::connect(&thread, &SaveImageThread::saveFinished, &context,
                     [&order, written](const QStringList& list) {
                         order << QStringLiteral("finished %1").arg(list.size());
                         if (written)
                             *written = list;
                     });
    thread.setData(images, folder);
    thread.start();
    if (!QTest::qWaitFor(
            [&order] { return !order.isEmpty() && order.last().startsWith("finished"); }, 20000)) {
        order << QStringLiteral("timeout");
    }
    return order;
}

QStringList fileNames(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TestSaveImageThread : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings(QSettings::NativeFormat, QSettings::UserScope, "Pictorb").clear(); }

    void namesAndProgress_data();
    void namesAndProgress();
    void pngWhenNothingStored();
    void nullPictureIsSkipped();
    void collisionGetsCounter();
    void emptyList();
    void unwritableFolder();
    void dataIgnoredWhileRunning();
    void destroyingWaitsForTheExport();
};

void TestSaveImageThread::namesAndProgress_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("expectedFiles");
    QTest::addColumn<QByteArray>("readerFormat");
    QTest::newRow("jpg") << QStringLiteral("JPG")
                         << QStringList{"Pictorb_1.jpg", "Pictorb_2.jpg", "Pictorb_3.jpg"}
                         << QByteArray("jpeg");
    QTest::newRow("webp") << QStringLiteral("WEBP")
                          << QStringList{"Pictorb_1.webp", "Pictorb_2.webp", "Pictorb_3.webp"}
                          << QByteArray("webp");
}

void TestSaveImageThread::namesAndProgress()
{
    QFETCH(QString, format);
    QFETCH(QStringList, expectedFiles);
    QFETCH(QByteArray, readerFormat);

    GlobalManager::instance()->setSetting(AppConfig::kFileExtension, format);
    QTemporaryDir dir;
    SaveImageThread thread;
    QStringList written;
    const QStringList order = runExport(
        thread, {solid(30, 20, Qt::red), solid(30, 20, Qt::green), solid(30, 20, Qt::blue)},
        dir.path(), &written);

    QCOMPARE(order,
             (QStringList{"start", "progress 0/3", "progress 1/3", "progress 2/3", "finished 3"}));
    QCOMPARE(fileNames(dir.path()), expectedFiles);
    QStringList expectedPaths;
    for (const QString& name : expectedFiles)
        expectedPaths << dir.path() + QLatin1Char('/') + name;
    QCOMPARE(written, expectedPaths);
    QImageReader reader(expectedPaths.first());
    reader.setDecideFormatFromContent(true);
    QCOMPARE(reader.format(), readerFormat);
    QCOMPARE(reader.size(), QSize(30, 20));
}

void TestSaveImageThread::pngWhenNothingStored()
{
    QTemporaryDir dir;
    SaveImageThread thread;
    runExport(thread, {solid(10, 10, Qt::red)}, dir.path());
    QCOMPARE(fileNames(dir.path()), QStringList{"Pictorb_1.jpg"});
    QFile file(dir.filePath("Pictorb_1.jpg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(3), QByteArray("\xff\xd8\xff"));
}

void TestSaveImageThread::nullPictureIsSkipped()
{
    QTemporaryDir dir;
    SaveImageThread thread;
    const QStringList order =
        runExport(thread, {solid(10, 10, Qt::red), QImage(), solid(10, 10, Qt::blue)}, dir.path());
    QCOMPARE(order, (QStringList{"start", "progress 0/3", "progress 2/3", "finished 2"}));
    QCOMPARE(fileNames(dir.path()), (QStringList{"Pictorb_1.jpg", "Pictorb_3.jpg"}));
}

void TestSaveImageThread::collisionGetsCounter()
{
    QTemporaryDir dir;
    GlobalManager::instance()->setSetting(AppConfig::kFileExtension, QStringLiteral("PNG"));
    QVERIFY(solid(5, 5, Qt::black).save(dir.filePath("Pictorb_1.png")));
    QVERIFY(solid(5, 5, Qt::black).save(dir.filePath("Pictorb_1(1).png")));
    SaveImageThread thread;
    QStringList written;
    runExport(thread, {solid(10, 10, Qt::red)}, dir.path(), &written);
    QCOMPARE(written, QStringList{dir.filePath("Pictorb_1(2).png")});
    QCOMPARE(QImage(dir.filePath("Pictorb_1(2).png")).size(), QSize(10, 10));
    // The older files are untouched.
    QCOMPARE(QImage(dir.filePath("Pictorb_1.png")).size(), QSize(5, 5));
}

void TestSaveImageThread::emptyList()
{
    QTemporaryDir dir;
    SaveImageThread thread;
    QCOMPARE(runExport(thread, {}, dir.path()), (QStringList{"start", "finished 0"}));
    QVERIFY(fileNames(dir.path()).isEmpty());
}

void TestSaveImageThread::unwritableFolder()
{
    // A folder below a regular file can never be created, whoever runs the test.
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString folder = dir.filePath("file/out");

    LogCapture log;
    SaveImageThread thread;
    QStringList written{"not replaced"};
    const QStringList order =
        runExport(thread, {solid(10, 10, Qt::red), solid(10, 10, Qt::green)}, folder, &written);
    // Progress still advances, but nothing unwritten is reported as saved.
    QCOMPARE(order, (QStringList{"start", "progress 0/2", "progress 1/2", "finished 0"}));
    QVERIFY(written.isEmpty());
    QVERIFY(log.contains(QStringLiteral("picture 1 of 2 could not be written")));
    QVERIFY(log.contains(QStringLiteral("picture 2 of 2 could not be written")));
}

void TestSaveImageThread::dataIgnoredWhileRunning()
{
    QTemporaryDir first;
    QTemporaryDir second;
    SaveImageThread thread;
    QList<QImage> many;
    for (int i = 0; i < 8; ++i)
        many << solid(800, 800, QColor(i * 30, 0, 0));
    QSignalSpy finished(&thread, &SaveImageThread::saveFinished);
    thread.setData(many, first.path());
    thread.start();
    thread.setData({solid(5, 5, Qt::red)}, second.path());
    QVERIFY(finished.wait(20000));
    QCOMPARE(fileNames(first.path()).size(), 8);
    QVERIFY(fileNames(second.path()).isEmpty());
}

void TestSaveImageThread::destroyingWaitsForTheExport()
{
    QTemporaryDir dir;
    QList<QImage> many;
    for (int i = 0; i < 6; ++i)
        many << solid(1200, 1200, QColor(0, i * 40, 0));
    {
        QObject owner;
        auto* thread = new SaveImageThread(&owner);
        thread->setData(many, dir.path());
        thread->start();
    }
    // Every picture was written in full before the thread object went away.
    const QStringList files = fileNames(dir.path());
    QCOMPARE(files.size(), 6);
    for (const QString& name : files)
        QCOMPARE(QImage(dir.filePath(name)).size(), QSize(1200, 1200));
}

QTEST_MAIN(TestSaveImageThread)
#include "tst_saveimagethread.moc"

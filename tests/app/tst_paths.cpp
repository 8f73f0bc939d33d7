#include "core/base/AppConfig.h"
#include "core/base/FileManager.h"
#include "core/base/PlatformShell.h"
#include "gui/application/GlobalManager.h"

#include "TestHome.h"

#include <QImage>
#include <QSettings>
#include <QtTest>

namespace {

void touch(const QString& path, const QByteArray& content = "x")
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList namesIn(const QString& dir)
{
    return QDir(dir).entryList(QDir::Files, QDir::Name);
}

} // namespace

// Folders, collision-free names, moves into the output folder and what the file manager is
// asked to show.
class PathsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saveImageTakesTheFirstFreeName_data();
    void saveImageTakesTheFirstFreeName();
    void saveImageUsesTheGivenFormat();

    void moveKeepsExistingFilesAndDeletesSources();
    void failedCopyIsNeitherListedNorRevealed();
    void outputFolderIsCreatedOrFallsBackToPictures();

    void openFolderRevealsFilesAndOpensFolders();
    void nothingToSelectOpensNothing();
    void foldersAreCreatedOnDemand();
    void ensureDirFallsBackToPictures();

    void jsonIsReplacedAsUtf8();
    void jsonIntoAMissingFolderFails();

private:
    GlobalManager* manager() const { return GlobalManager::instance(); }

    QTemporaryDir m_dir;
    QList<QStringList> m_reveals;
};

void PathsTest::init()
{
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
    QSettings(QSettings::NativeFormat, QSettings::UserScope, AppConfig::kProductName, QString())
        .clear();
    m_reveals.clear();
    PlatformShell::setRevealHandler([this](const QStringList& paths) { m_reveals << paths; });
}

void PathsTest::cleanup()
{
    PlatformShell::setRevealHandler({});
}

void PathsTest::saveImageTakesTheFirstFreeName_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("free") << QStringList{} << "x.png"
                          << "x.png";
    QTest::newRow("taken") << QStringList{"x.png"} << "x.png"
                           << "x(1).png";
    QTest::newRow("two taken") << QStringList{"x.png", "x(1).png"} << "x.png"
                               << "x(2).png";
    QTest::newRow("gap is reused") << QStringList{"x.png", "x(2).png"} << "x.png"
                                   << "x(1).png";
    QTest::newRow("two dots") << QStringList{"a.b.png"} << "a.b.png"
                              << "a.b(1).png";
    QTest::newRow("spaces and accents") << QStringList{"été 1.png"} << "été 1.png"
                                        << "été 1(1).png";
}

void PathsTest::saveImageTakesTheFirstFreeName()
{
    QFETCH(QStringList, present);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    for (const QString& file : present)
        touch(m_dir.filePath(file), "keep");
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Qt::green);

    const QString written = GlobalManager::saveImage(image, m_dir.path(), name);
    QCOMPARE(written, m_dir.filePath(expected));
    QCOMPARE(QImage(written).size(), QSize(6, 4));
    for (const QString& file : present)
        QCOMPARE(contentOf(m_dir.filePath(file)), QByteArray("keep"));
    QCOMPARE(namesIn(m_dir.path()).size(), present.size() + 1);
}

void PathsTest::saveImageUsesTheGivenFormat()
{
    QImage image(5, 5, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QString written = GlobalManager::saveImage(image, m_dir.path(), "shot.png", "jpg");
    QCOMPARE(written, m_dir.filePath("shot.jpg"));
    QCOMPARE(contentOf(written).left(3), QByteArray("\xff\xd8\xff"));
}

void PathsTest::moveKeepsExistingFilesAndDeletesSources()
{
    const QString work = m_dir.filePath("work");
    const QString output = m_dir.filePath("out");
    QDir().mkpath(work);
    QDir().mkpath(output);
    touch(output + "/a.jpg", "old");
    touch(work + "/a.jpg", "new");
    touch(work + "/b.c.png", "png");
    manager()->setSetting(AppConfig::kFileSavePath, output);

    const QStringList moved = manager()->moveFilesToSavePath({work + "/a.jpg", work + "/b.c.png"});
    const QStringList expected{output + "/a(1).jpg", output + "/b.c.png"};
    QCOMPARE(moved, expected);
    QCOMPARE(contentOf(output + "/a.jpg"), QByteArray("old"));
    QCOMPARE(contentOf(output + "/a(1).jpg"), QByteArray("new"));
    QCOMPARE(namesIn(work), QStringList{});
    QCOMPARE(m_reveals, QList<QStringList>{expected});
}

void PathsTest::failedCopyIsNeitherListedNorRevealed()
{
    const QString work = m_dir.filePath("work");
    const QString output = m_dir.filePath("out");
    QDir().mkpath(work + "/folder.png");
    touch(work + "/good.png");
    manager()->setSetting(AppConfig::kFileSavePath, output);

    const QStringList moved = manager()->moveFilesToSavePath(
        {work + "/missing.png", work + "/folder.png", work + "/good.png"});
    QCOMPARE(moved, QStringList{output + "/good.png"});
    QCOMPARE(m_reveals, QList<QStringList>{moved});
    QCOMPARE(namesIn(output), QStringList{"good.png"});
    QVERIFY(QFileInfo(work + "/folder.png").isDir());

    // When nothing could be moved there is nothing to show.
    m_reveals.clear();
    QCOMPARE(manager()->moveFilesToSavePath({work + "/missing.png"}), QStringList{});
    QVERIFY(m_reveals.isEmpty());
}

void PathsTest::outputFolderIsCreatedOrFallsBackToPictures()
{
    const QString work = m_dir.filePath("work");
    QDir().mkpath(work);
    touch(work + "/one.png");
    const QString nested = m_dir.filePath("new/deeper");
    manager()->setSetting(AppConfig::kFileSavePath, nested);
    QCOMPARE(manager()->moveFilesToSavePath({work + "/one.png"}), QStringList{nested + "/one.png"});

    // A folder below a regular file can never be made, not even by root.
    touch(m_dir.filePath("plain"));
    manager()->setSetting(AppConfig::kFileSavePath, m_dir.filePath("plain/sub"));
    touch(work + "/two.png");
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) +
                             QStringLiteral("/Pictorb");
    const QStringList moved = manager()->moveFilesToSavePath({work + "/two.png"});
    QCOMPARE(moved.size(), 1);
    QCOMPARE(QFileInfo(moved.first()).absolutePath(), pictures);
    QVERIFY(QFile::exists(moved.first()));
    QFile::remove(moved.first());
}

void PathsTest::openFolderRevealsFilesAndOpensFolders()
{
    touch(m_dir.filePath("seen.png"));
    manager()->openFolder(m_dir.filePath("seen.png"));
    manager()->openFolder(m_dir.path());
    const QList<QStringList> expected{{m_dir.filePath("seen.png")}, {m_dir.path()}};
    QCOMPARE(m_reveals, expected);
}

void PathsTest::nothingToSelectOpensNothing()
{
    manager()->openFilesBySelect({});
    QVERIFY(m_reveals.isEmpty());
    manager()->openFilesBySelect({m_dir.filePath("a.png"), m_dir.filePath("b.png")});
    QCOMPARE(m_reveals.size(), 1);
    QCOMPARE(m_reveals.first().size(), 2);
}

void PathsTest::foldersAreCreatedOnDemand()
{
    const QString temp = manager()->getTempDir(QStringLiteral("Pictorb/probe"));
    QCOMPARE(temp, QStandardPaths::standardLocations(QStandardPaths::TempLocation).first() +
                       QStringLiteral("/Pictorb/probe"));
    QVERIFY(QFileInfo(temp).isDir());
    const QString pictures = manager()->getPicturesDir(QStringLiteral("Pictorb"));
    QVERIFY(QFileInfo(pictures).isDir());
    QVERIFY(pictures.endsWith(QStringLiteral("/Pictorb")));
    QDir(temp).removeRecursively();
}

void PathsTest::ensureDirFallsBackToPictures()
{
    const QString fresh = m_dir.filePath("made/here");
    QCOMPARE(manager()->ensureDir(fresh), fresh);
    QVERIFY(QFileInfo(fresh).isDir());
    touch(m_dir.filePath("file"));
    QCOMPARE(manager()->ensureDir(m_dir.filePath("file/below")),
             manager()->getPicturesDir(QStringLiteral("Pictorb")));
    QCOMPARE(manager()->ensureDir(QString()), manager()->getPicturesDir(QStringLiteral("Pictorb")));
}

void PathsTest::jsonIsReplacedAsUtf8()
{
    const QString path = m_dir.filePath("captions.json");
    touch(path, QByteArray(4096, 'z'));
    const QString text = QString::fromUtf8("{\"text\": \"字幕 – été\"}");
    QVERIFY(FileManager::instance()->saveJsonToFile(path, text));
    QCOMPARE(contentOf(path), text.toUtf8());
    QCOMPARE(namesIn(m_dir.path()), QStringList{"captions.json"});
}

void PathsTest::jsonIntoAMissingFolderFails()
{
    const QString path = m_dir.filePath("absent/captions.json");
    QVERIFY(!FileManager::instance()->saveJsonToFile(path, QStringLiteral("{}")));
    QVERIFY(!QFile::exists(path));
}

PICTORB_ISOLATED_TEST_MAIN(PathsTest)
#include "tst_paths.moc"

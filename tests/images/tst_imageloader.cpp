#include <QBuffer>
#include <QImageWriter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "LogCapture.h"
#include "PictureFiles.h"
#include "core/images/ImageLoader.h"

using PictureFiles::solid;

class TestImageLoader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void decodesByContent();
    void workingFormats();
    void honoursOrientation();
    void refused_data();
    void refused();
    void largestAllowedSide();
    void svgDefaultSize();
    void svgClampedToLimits();
    void clamping_data();
    void clamping();
    void canRead();
    void worksOffTheGuiThread();
    void regionEqualsThoseRowsOfTheWholePicture_data();
    void regionEqualsThoseRowsOfTheWholePicture();
    void regionOfAnotherPictureIsNull_data();
    void regionOfAnotherPictureIsNull();
};

void TestImageLoader::decodesByContent()
{
    QTemporaryDir dir;
    // A PNG named .jpg still loads: the content decides the format.
    const QString path = dir.filePath("really-a-png.jpg");
    QVERIFY(solid(33, 22, Qt::red).save(path, "PNG"));
    const QImage image = ImageLoader::load(path);
    QCOMPARE(image.size(), QSize(33, 22));
    QCOMPARE(image.pixel(5, 5), qRgb(255, 0, 0));
}

void TestImageLoader::workingFormats()
{
    QTemporaryDir dir;
    QImage gray(8, 8, QImage::Format_Grayscale8);
    gray.fill(100);
    QVERIFY(gray.save(dir.filePath("gray.png")));
    QImage alpha(8, 8, QImage::Format_ARGB32);
    alpha.fill(QColor(255, 0, 0, 128));
    QVERIFY(alpha.save(dir.filePath("alpha.png")));

    QCOMPARE(ImageLoader::load(dir.filePath("gray.png")).format(), QImage::Format_RGB32);
    QCOMPARE(ImageLoader::load(dir.filePath("alpha.png")).format(),
             QImage::Format_ARGB32_Premultiplied);
}

void TestImageLoader::honoursOrientation()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("rotated.jpg");
    QImageWriter writer(path);
    writer.setTransformation(QImageIOHandler::TransformationRotate90);
    QVERIFY(writer.write(solid(40, 20, Qt::blue)));
    // Stored 40x20 with "rotate 90" in its metadata: shown upright as 20x40.
    QCOMPARE(ImageLoader::load(path).size(), QSize(20, 40));
}

void TestImageLoader::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("logged");
    QTest::newRow("side over 16384")
        << PictureFiles::pngHeaderOnly(20000, 100) << QStringLiteral("too large");
    // 16000 x 10000 = 160 megapixels, each side within bounds.
    QTest::newRow("over 150 megapixels")
        << PictureFiles::pngHeaderOnly(16000, 10000) << QStringLiteral("too large");
    QTest::newRow("header without pixels")
        << PictureFiles::pngHeaderOnly(100, 100) << QStringLiteral("cannot decode");
    QTest::newRow("text") << QByteArray("this is not a picture at all\n")
                          << QStringLiteral("not a readable picture");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("not a readable picture");
    QTest::newRow("png signature then garbage")
        << QByteArray("\x89PNG\r\n\x1a\n\x01\x02\x03garbage", 18) << QStringLiteral("ImageLoader");
}

void TestImageLoader::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, logged);
    QTemporaryDir dir;
    const QString path = dir.filePath("picture.png");
    QVERIFY(PictureFiles::writeBytes(path, bytes));

    LogCapture log;
    QVERIFY(ImageLoader::load(path).isNull());
    QVERIFY(ImageLoader::loadData(bytes).isNull());
    QVERIFY2(log.contains(logged), qPrintable(log.all().join('\n')));
}

void TestImageLoader::largestAllowedSide()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("wide.png");
    QVERIFY(solid(16384, 2, Qt::green).save(path));
    QCOMPARE(ImageLoader::load(path).size(), QSize(16384, 2));
}

void TestImageLoader::svgDefaultSize()
{
    const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='64' height='32'>"
                           "<rect width='64' height='32' fill='#ff0000'/></svg>";
    const QImage image = ImageLoader::loadData(svg);
    QCOMPARE(image.size(), QSize(64, 32));
    QCOMPARE(image.pixel(10, 10), qRgb(255, 0, 0));
}

void TestImageLoader::svgClampedToLimits()
{
    const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='40000' height='100'>"
                           "<rect width='40000' height='100' fill='#00ff00'/></svg>";
    LogCapture log;
    const QImage image = ImageLoader::loadData(svg);
    // 40000x100 scaled by 16384/40000 = 0.4096: 16384 x 40.
    QCOMPARE(image.size(), QSize(16384, 40));
    QVERIFY(log.contains(QStringLiteral("rendered at")));
}

void TestImageLoader::clamping_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("within") << QSize(800, 600) << QSize(800, 600);
    QTest::newRow("tall") << QSize(100, 32768) << QSize(50, 16384);
    // 20000 x 20000: the area bound wins, sqrt(150e6 / 400e6) = 0.6124 -> 12247 a side.
    QTest::newRow("area") << QSize(20000, 20000) << QSize(12247, 12247);
}

void TestImageLoader::clamping()
{
    QFETCH(QSize, size);
    QFETCH(QSize, expected);
    const QSize clamped = ImageLoader::clampedToLimits(size);
    QCOMPARE(clamped, expected);
    QVERIFY(ImageLoader::withinLimits(clamped));
}

void TestImageLoader::canRead()
{
    QTemporaryDir dir;
    QVERIFY(solid(4, 4, Qt::red).save(dir.filePath("a.png")));
    QVERIFY(PictureFiles::writeBytes(dir.filePath("notes.png"), "plain words"));
    QVERIFY(ImageLoader::canRead(dir.filePath("a.png")));
    QVERIFY(!ImageLoader::canRead(dir.filePath("notes.png")));
    QVERIFY(!ImageLoader::canRead(dir.filePath("missing.png")));
}

void TestImageLoader::worksOffTheGuiThread()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("b.jpg");
    QVERIFY(solid(300, 200, Qt::yellow).save(path));
    QList<QSize> sizes;
    QMutex mutex;
    QList<QThread*> threads;
    for (int i = 0; i < 4; ++i) {
        threads << QThread::create([&] {
            const QSize size = ImageLoader::load(path).size();
            QMutexLocker locker(&mutex);
            sizes << size;
        });
        threads.last()->start();
    }
    for (QThread* thread : threads) {
        QVERIFY(thread->wait(20000));
        delete thread;
    }
    QCOMPARE(sizes,
             (QList<QSize>{QSize(300, 200), QSize(300, 200), QSize(300, 200), QSize(300, 200)}));
}

void TestImageLoader::regionEqualsThoseRowsOfTheWholePicture_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<bool>("gray");
    QTest::addColumn<int>("turn");
    QTest::addColumn<QRect>("region");
    QTest::addColumn<bool>("decodedAlone");
    const int none = QImageIOHandler::TransformationNone;
    const int rotate90 = QImageIOHandler::TransformationRotate90;
    QTest::newRow("JPEG, bottom band")
        << QByteArray("jpg") << false << none << QRect(0, 150, 320, 30) << true;
    QTest::newRow("JPEG, right band")
        << QByteArray("jpg") << false << none << QRect(250, 0, 70, 180) << true;
    QTest::newRow("grey JPEG, middle")
        << QByteArray("jpg") << true << none << QRect(13, 41, 200, 77) << true;
    // The JPEG reader clips in the turned picture's coordinates.
    QTest::newRow("JPEG turned by its metadata")
        << QByteArray("jpg") << false << rotate90 << QRect(0, 300, 180, 20) << true;
    QTest::newRow("PNG, last row")
        << QByteArray("png") << false << none << QRect(0, 179, 320, 1) << true;
    QTest::newRow("grey PNG, whole")
        << QByteArray("png") << true << none << QRect(0, 0, 320, 180) << true;
    // A reader that turns after clipping would take the band from the wrong side; such a
    // picture may only be refused.
    QTest::newRow("TIFF turned by its metadata")
        << QByteArray("tiff") << false << rotate90 << QRect(0, 300, 180, 20) << false;
}

void TestImageLoader::regionEqualsThoseRowsOfTheWholePicture()
{
    QFETCH(QByteArray, format);
    QFETCH(bool, gray);
    QFETCH(int, turn);
    QFETCH(QRect, region);
    QFETCH(bool, decodedAlone);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("still.") + format);
    QImage picture = PictureFiles::noise(320, 180, 7);
    if (gray)
        picture = picture.convertToFormat(QImage::Format_Grayscale8);
    QImageWriter writer(path);
    writer.setTransformation(QImageIOHandler::Transformations(turn));
    if (!writer.write(picture))
        QSKIP("no writer for this format");

    const QImage whole = ImageLoader::load(path);
    const QImage part = ImageLoader::loadRegion(path, whole.size(), region);
    if (decodedAlone) {
        QCOMPARE(part.format(), QImage::Format_RGB32);
        QCOMPARE(part, whole.copy(region));
    } else {
        QVERIFY(part.isNull() || part == whole.copy(region));
    }
}

void TestImageLoader::regionOfAnotherPictureIsNull_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("fullSize");
    QTest::addColumn<QRect>("region");
    const QRect band(0, 30, 40, 10);
    QTest::newRow("other size") << QStringLiteral("plain.png") << QSize(40, 41) << band;
    QTest::newRow("region outside")
        << QStringLiteral("plain.png") << QSize(40, 40) << QRect(0, 35, 40, 10);
    QTest::newRow("transparent") << QStringLiteral("alpha.png") << QSize(40, 40) << band;
    QTest::newRow("missing") << QStringLiteral("missing.png") << QSize(40, 40) << band;
    QTest::newRow("not a picture") << QStringLiteral("notes.txt") << QSize(40, 40) << band;
}

void TestImageLoader::regionOfAnotherPictureIsNull()
{
    QFETCH(QString, name);
    QFETCH(QSize, fullSize);
    QFETCH(QRect, region);
    QTemporaryDir dir;
    QVERIFY(solid(40, 40, Qt::green).save(dir.filePath("plain.png")));
    QImage alpha(40, 40, QImage::Format_ARGB32);
    alpha.fill(QColor(0, 255, 0, 100));
    QVERIFY(alpha.save(dir.filePath("alpha.png")));
    QVERIFY(PictureFiles::writeBytes(dir.filePath("notes.txt"), "not a picture"));

    QVERIFY(ImageLoader::loadRegion(dir.filePath(name), fullSize, region).isNull());
}

QTEST_MAIN(TestImageLoader)
#include "tst_imageloader.moc"

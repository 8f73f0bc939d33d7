#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <sys/stat.h>

#include "LogCapture.h"
#include "PictureFiles.h"
#include "app/TestHome.h"
#include "core/images/ImageLoader.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImageListViewDialog.h"
#include "gui/images/ImagesWidget.h"

using PictureFiles::noise;

namespace {

const QSize kPictureSize(64, 48);

QByteArray encoded(const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    return writer.write(noise(kPictureSize.width(), kPictureSize.height(), 5)) ? bytes
                                                                               : QByteArray();
}

QByteArray truncated(const QByteArray& bytes)
{
    return bytes.left(bytes.size() / 2);
}

// Flips a run of bytes in the middle, past the headers, so the size still reads.
QByteArray corrupted(const QByteArray& bytes)
{
    QByteArray damaged = bytes;
    for (int i = damaged.size() / 2; i < damaged.size() / 2 + 64 && i < damaged.size(); ++i)
        damaged[i] = char(damaged.at(i) ^ 0x5a);
    return damaged;
}

QByteArray nestedSvg(int depth)
{
    QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>";
    svg += QByteArray("<g>").repeated(depth);
    svg += "<rect width='5' height='5'/>";
    svg += QByteArray("</g>").repeated(depth);
    return svg + "</svg>";
}

// The highest resident memory of this process so far, in megabytes.
qint64 peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() / 1024;
    }
    return 0;
}

} // namespace

// Hostile and broken picture files: each is refused with a logged reason, or decodes to
// the picture it holds, without a crash, without blocking the window and without
// allocating what a forged header announces.
class TestBadPictures : public QObject
{
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void importKeepsTheWindowResponsive();

private:
    // Writes the file a row names; a named pipe loses its marker from `path`.
    static bool write(QString& path, const QByteArray& bytes);
};

void TestBadPictures::load_data()
{
    // size: the picture expected; an invalid size means the file must be refused.
    // logged: the reason expected when it is refused; damaged files may also decode.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("logged");

    const QString damaged = QStringLiteral("ImageLoader");
    const QList<QByteArray> formats = {"jpg", "png", "webp"};
    for (const QByteArray& format : formats) {
        const QByteArray bytes = encoded(format);
        if (bytes.isEmpty())
            continue; // no writer for it here; nothing to damage
        const QString name = QStringLiteral("picture.") + QString::fromLatin1(format);
        QTest::addRow("truncated %s", format.constData())
            << name << truncated(bytes) << kPictureSize << damaged;
        QTest::addRow("corrupted %s", format.constData())
            << name << corrupted(bytes) << kPictureSize << damaged;
    }
    QTest::newRow("png declaring 100000 x 100000")
        << QStringLiteral("huge.png") << PictureFiles::pngHeaderOnly(100000, 100000) << QSize()
        << QStringLiteral("too large");
    // A vector picture is drawn within its own budget, whatever size it declares.
    QTest::newRow("svg with a huge view box")
        << QStringLiteral("huge.svg")
        << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 1000000000 1000000000'>"
                      "<rect width='1000000000' height='1000000000' fill='red'/></svg>")
        << QSize(4096, 4096) << QString();
    QTest::newRow("svg with 100000 nested groups")
        << QStringLiteral("nested.svg") << nestedSvg(100000) << QSize()
        << QStringLiteral("ImageLoader: ");
    QTest::newRow("zero bytes") << QStringLiteral("empty.png") << QByteArray() << QSize()
                                << QStringLiteral("not a readable picture");
    // A trailing separator makes the row a folder, a trailing "|" a named pipe (which would
    // block a reader waiting for a writer).
    QTest::newRow("folder named like a picture") << QStringLiteral("folder.png/") << QByteArray()
                                                 << QSize() << QStringLiteral("cannot open");
    QTest::newRow("named pipe named like a picture")
        << QStringLiteral("pipe.png|") << QByteArray() << QSize() << QStringLiteral("cannot open");

    const QByteArray png = encoded("png");
    QTest::newRow("spaces") << QStringLiteral("  a picture  with spaces .png") << png
                            << kPictureSize << QString();
    QTest::newRow("quotes") << QStringLiteral("it's \"quoted\" `x`.png") << png << kPictureSize
                            << QString();
    QTest::newRow("non-ASCII") << QStringLiteral("画像 Ünïcödé ☃ 😀.png") << png << kPictureSize
                               << QString();
    QTest::newRow("255-byte name") << QString(251, QLatin1Char('n')) + QStringLiteral(".png") << png
                                   << kPictureSize << QString();
}

bool TestBadPictures::write(QString& path, const QByteArray& bytes)
{
    if (path.endsWith(QLatin1Char('/')))
        return QDir().mkpath(path);
    if (path.endsWith(QLatin1Char('|'))) {
        path.chop(1);
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    }
    return PictureFiles::writeBytes(path, bytes);
}

void TestBadPictures::load()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(QString, logged);
    QTemporaryDir dir;
    QString path = dir.filePath(name);
    QVERIFY(write(path, bytes));

    LogCapture log;
    const qint64 peakBefore = peakMegabytes();
    const QImage picture = ImageLoader::load(path);
    // Nothing near the announced size is ever allocated (100000 x 100000 would be 40 GB).
    QVERIFY2(peakMegabytes() - peakBefore < 200, qPrintable(QString::number(peakMegabytes())));

    const QString lines = log.all().join(QLatin1Char('\n'));
    if (!size.isValid()) {
        QVERIFY(picture.isNull());
        QVERIFY2(log.contains(logged), qPrintable(lines));
    } else if (logged.isEmpty()) {
        QCOMPARE(picture.size(), size);
    } else {
        // Damaged: either what could be decoded, whole-sized, or refused with a reason.
        QVERIFY2(picture.isNull() ? log.contains(logged) : picture.size() == size,
                 qPrintable(lines));
    }
}

void TestBadPictures::importKeepsTheWindowResponsive()
{
    QTemporaryDir dir;
    QStringList paths;
    const QByteArray png = encoded("png");
    const QByteArray jpg = encoded("jpg");
    const auto add = [&](const QString& name, const QByteArray& bytes) {
        paths << dir.filePath(name);
        return write(paths.last(), bytes);
    };
    QVERIFY(add(QStringLiteral("good one.png"), png));
    QVERIFY(add(QStringLiteral("huge.png"), PictureFiles::pngHeaderOnly(100000, 100000)));
    QVERIFY(add(QStringLiteral("nested.svg"), nestedSvg(100000)));
    QVERIFY(add(QStringLiteral("empty.jpg"), QByteArray()));
    QVERIFY(add(QStringLiteral("folder.jpg/"), QByteArray()));
    QVERIFY(add(QStringLiteral("pipe.jpg|"), QByteArray()));
    QVERIFY(add(QStringLiteral("broken.jpg"), corrupted(truncated(jpg))));
    QVERIFY(add(QStringLiteral("画像 \"two\".png"), png));
    for (int i = 0; i < 8; ++i)
        QVERIFY(add(QStringLiteral("header only %1.png").arg(i),
                    PictureFiles::pngHeaderOnly(9000, 9000)));

    ImagesWidget strip;
    strip.show();
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTick.restart());
        ++ticks;
    });
    LogCapture log;
    sinceTick.start();
    ticker.start();
    strip.importFiles(paths);
    QTRY_VERIFY_WITH_TIMEOUT(!strip.isImporting(), 30000);
    QTest::qWait(50);
    ticker.stop();

    // The two good pictures and, perhaps, what the broken JPEG still holds.
    QVERIFY2(strip.cards().size() == 2 || strip.cards().size() == 3,
             qPrintable(QString::number(strip.cards().size())));
    QCOMPARE(strip.cards().first()->size(), QSize(160, 90));
    QVERIFY(log.contains(QStringLiteral("no picture could be read")));
    // The GUI thread went on turning its loop while the files were read.
    QVERIFY(ticks > 2);
    QVERIFY2(longestGap < 5000, qPrintable(QString::number(longestGap)));
}

PICTORB_ISOLATED_TEST_MAIN(TestBadPictures)
#include "tst_badpictures.moc"

// Pictures in and out: decoding (whole, by region, hostile files), the letterbox and the
// burnt-in caption, the image strip with its cards and list dialog, and every way an export
// can fail without costing the user a file.

#include "support/TestSupport.h"

#include "core/base/AppConfig.h"
#include "core/base/Settings.h"
#include "core/images/ImageCaption.h"
#include "core/images/ImageComposer.h"
#include "core/images/ImageFileWriter.h"
#include "core/images/ImageLoader.h"
#include "core/images/SaveImageThread.h"
#include "gui/application/GlobalManager.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImageListViewDialog.h"
#include "gui/images/ImagesWidget.h"

#include <QBuffer>
#include <QCheckBox>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace TestSupport;

namespace {

// The program runs itself as an exporting process (exportAsChild) when this names a folder.
const char* const kChildFolder = "PICTORB_TEST_EXPORT_FOLDER";
const char* const kChildSides = "PICTORB_TEST_EXPORT_SIDES";
const QSize kSmall(64, 48);

// Runs `work` while playing the writer of the named pipe at `path`: whoever opens it to read
// blocks until a writer comes, so a faulty reader is released instead of hanging the test.
// True when anyone was caught reading.
bool caughtReadingPipe(const QString& path, const std::function<void()>& work)
{
    const QByteArray name = QFile::encodeName(path);
    std::atomic_bool done{false};
    std::atomic_bool caught{false};
    std::thread writer([&] {
        while (!done) {
            // Opening without blocking succeeds only while a reader holds the pipe.
            const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
            caught = caught || fd >= 0;
            if (fd >= 0)
                ::close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    work();
    done = true;
    writer.join();
    return caught;
}

QByteArray encoded(const QImage& picture, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return QImageWriter(&buffer, format).write(picture) ? bytes : QByteArray();
}

// The highest resident memory since `reset`, in mebibytes.
qint64 peakMegabytes(bool reset = false)
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (reset && clear.open(QIODevice::WriteOnly))
        clear.write("5");
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    const QByteArray text = status.readAll();
    return text.mid(text.indexOf("VmHWM:") + 6).trimmed().split(' ').first().toLongLong() / 1024;
}

QStringList files(const QString& folder, QDir::Filters extra = {})
{
    return QDir(folder).entryList(QDir::Files | QDir::System | extra, QDir::Name);
}

// Count of pixels of that colour in area (the whole picture when null).
int pixelsOf(const QImage& image, QRgb colour, QRect area = QRect())
{
    area = area.isNull() ? image.rect() : area;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour;
    }
    return count;
}

int mode(const QString& path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

QString saved(const QString& path, const QImage& picture)
{
    return picture.save(path) ? path : QStringLiteral("<not saved>");
}

// A button of root's own window: the strip's list dialog is its child and has a Clear too.
QPushButton* button(QWidget* root, const QString& text)
{
    for (QPushButton* candidate : root->findChildren<QPushButton*>()) {
        if (candidate->text() == text && candidate->window() == root->window())
            return candidate;
    }
    return nullptr;
}

// The child's side: one export, a line per progress signal and one at the end.
void exportAsChild()
{
    Settings::instance()->setValue(AppConfig::kFileExtension, QStringLiteral("PNG"));
    QList<QImage> pictures;
    for (const QString& side : qEnvironmentVariable(kChildSides).split(QLatin1Char(',')))
        pictures << noise(side.toInt(), side.toInt(), quint32(pictures.size() + 1));
    SaveImageThread thread;
    QObject::connect(&thread, &SaveImageThread::saveProgress, &thread, [](int current, int) {
        std::printf("progress %d\n", current);
        std::fflush(stdout);
    });
    QSignalSpy finished(&thread, &SaveImageThread::saveFinished);
    thread.setData(pictures, qEnvironmentVariable(kChildFolder));
    thread.start();
    if (finished.wait(60000))
        std::printf("finished %d\n", int(finished.first().first().toStringList().size()));
    std::fflush(stdout);
}

} // namespace

class TestImages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void badPictures_data();
    void badPictures();
    void region_data();
    void region();
    void captionIsBurntIn_data();
    void captionIsBurntIn();
    void encodedPixels_data();
    void encodedPixels();

    void importIntoEmptyStrip();
    void importSkipsBadFilesKeepsOrder();
    void tickingDeletingAndClearing();
    void exportTickedCards_data();
    void exportTickedCards();

    void saveImageThread_data();
    void saveImageThread();
    void exportingProcessFails_data();
    void exportingProcessFails();
    void stripDestroyedWhileWriting();

private:
    DesktopCatcher m_desktop;
};

void TestImages::initTestCase()
{
    qRegisterMetaType<ImageItem*>();
    // Every exported file must get the mode this mask gives any new file: 0644.
    ::umask(022);
}

void TestImages::init()
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, AppConfig::kProductName,
                    QString());
    store.remove(AppConfig::kFileExtension);
    store.remove(AppConfig::kFileSavePath);
    m_desktop.revealed.clear();
}

void TestImages::badPictures_data()
{
    // size: the picture expected, invalid when the file must be refused; logged: the reason
    // expected for a refusal (a damaged file may instead decode to what it still holds).
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("logged");
    const QImage picture = noise(kSmall.width(), kSmall.height(), 5);
    for (const char* format : {"jpg", "png", "webp"}) {
        QByteArray bytes = encoded(picture, format);
        const QString name = QStringLiteral("picture.") + QLatin1String(format);
        if (bytes.isEmpty())
            continue; // no writer here, so nothing to damage
        QTest::addRow("truncated %s", format)
            << name << bytes.left(bytes.size() / 2) << kSmall << QStringLiteral("ImageLoader");
        // A run of flipped bytes past the headers, so the size still reads.
        for (int i = bytes.size() / 2; i < bytes.size() / 2 + 64 && i < bytes.size(); ++i)
            bytes[i] = char(bytes.at(i) ^ 0x5a);
        QTest::addRow("corrupted %s", format) << name << bytes << kSmall << "ImageLoader";
    }
    QTest::newRow("side over 16384")
        << "a.png" << pngHeaderOnly(20000, 100) << QSize() << "too large";
    // 16000 x 10000 is 160 megapixels, each side within bounds.
    QTest::newRow("over 150 megapixels")
        << "a.png" << pngHeaderOnly(16000, 10000) << QSize() << "too large";
    QTest::newRow("declares 100000 x 100000")
        << "a.png" << pngHeaderOnly(100000, 100000) << QSize() << "too large";
    QTest::newRow("zero bytes") << "a.png" << QByteArray() << QSize() << "not a readable";
    // A vector picture is drawn within its own budget, whatever size it declares.
    QTest::newRow("svg with a huge view box")
        << "a.svg"
        << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 1000000000 1000000000'>"
                      "<rect width='1000000000' height='1000000000' fill='red'/></svg>")
        << QSize(4096, 4096) << QString();
    QTest::newRow("svg with 100000 nested groups")
        << "a.svg"
        << "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>" +
               QByteArray("<g>").repeated(100000) + QByteArray("</g>").repeated(100000) + "</svg>"
        << QSize() << "ImageLoader: ";
    // A trailing "/" makes the row a folder, a trailing "|" a named pipe.
    QTest::newRow("folder named like a picture")
        << "a.png/" << QByteArray() << QSize() << "cannot open";
    QTest::newRow("named pipe named like a picture")
        << "a.png|" << QByteArray() << QSize() << "cannot open";
    const QByteArray png = encoded(picture, "png");
    QTest::newRow("PNG named .jpg") << "really a png.jpg" << png << kSmall << QString();
    // After the image data, a text chunk that claims 2 GB in a file of a few kilobytes.
    QTest::newRow("PNG with a text chunk larger than the file")
        << "a.png" << png.chopped(12) + QByteArray("\x7e\x00\x00\x25tEXtComment", 15) << kSmall
        << "claims more than the file holds";
    QTest::newRow("spaces, quotes, non-ASCII")
        << "  it's \"quoted\" `x` 画像 Ünïcödé ☃ 😀 .png" << png << kSmall << QString();
}

void TestImages::badPictures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(QString, logged);
    QTemporaryDir dir;
    QString path = dir.filePath(name);
    const bool pipe = path.endsWith(QLatin1Char('|'));
    if (pipe)
        path.chop(1);
    QVERIFY(pipe ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
            : path.endsWith(QLatin1Char('/')) ? QDir().mkpath(path)
                                              : writeBytes(path, bytes));

    LogCapture log;
    const qint64 before = peakMegabytes(true);
    QImage loaded;
    QVERIFY(!caughtReadingPipe(path, [&] { loaded = ImageLoader::load(path); }) || !pipe);
    // Nothing near a forged size is ever allocated (100000 x 100000 would be 40 GB).
    QVERIFY2(peakMegabytes() - before < 200, qPrintable(QString::number(peakMegabytes())));
    const QString lines = log.lines().join(QLatin1Char('\n'));
    if (!size.isValid())
        QVERIFY2(loaded.isNull() && log.contains(logged), qPrintable(lines));
    else if (logged.isEmpty())
        QCOMPARE(loaded.size(), size);
    else
        QVERIFY2(loaded.isNull() ? log.contains(logged) : loaded.size() == size, qPrintable(lines));
}

void TestImages::region_data()
{
    // A 320x180 picture; turned: stored so with "rotate 90" in its metadata. claimed: the size
    // the caller believes it has. result: 0 those pixels of the whole, 1 refused, 2 either.
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QString>("kind"); // colour, grey, turned, alpha or text
    QTest::addColumn<QSize>("claimed");
    QTest::addColumn<QRect>("region");
    QTest::addColumn<int>("result");
    const QSize size(320, 180);
    const QRect band(0, 150, 320, 30);
    QTest::newRow("JPEG bottom band") << QByteArray("jpg") << "colour" << size << band << 0;
    QTest::newRow("JPEG right band")
        << QByteArray("jpg") << "colour" << size << QRect(250, 0, 70, 180) << 0;
    QTest::newRow("grey JPEG middle")
        << QByteArray("jpg") << "grey" << size << QRect(13, 41, 200, 77) << 0;
    // The JPEG reader clips in the upright picture's coordinates.
    QTest::newRow("JPEG turned by its metadata")
        << QByteArray("jpg") << "turned" << QSize(180, 320) << QRect(0, 300, 180, 20) << 0;
    QTest::newRow("PNG last row") << QByteArray("png") << "colour" << size << QRect(0, 179, 320, 1)
                                  << 0;
    // A reader that turns after clipping would take the band from the wrong side.
    QTest::newRow("TIFF turned by its metadata")
        << QByteArray("tiff") << "turned" << QSize(180, 320) << QRect(0, 300, 180, 20) << 2;
    QTest::newRow("transparent") << QByteArray("png") << "alpha" << size << band << 1;
    QTest::newRow("another size") << QByteArray("png") << "colour" << QSize(320, 181) << band << 1;
    QTest::newRow("region outside")
        << QByteArray("png") << "colour" << size << QRect(0, 170, 320, 20) << 1;
    QTest::newRow("not a picture") << QByteArray("png") << "text" << size << band << 1;
    // The sheet's own decoders must give Qt's pixels for every layout they take, and leave the
    // rest to Qt: 16-bit samples rounded as Qt rounds them, palettes, odd WEBP rows (its
    // cropping decoder starts on even ones and smooths its first row as an edge).
    QTest::newRow("16-bit PNG") << QByteArray("png") << "deep" << size << band << 0;
    QTest::newRow("grey PNG") << QByteArray("png") << "grey" << size << QRect(13, 41, 200, 77) << 0;
    QTest::newRow("palette PNG") << QByteArray("png") << "palette" << size << band << 0;
    QTest::newRow("palette PNG with a transparent colour")
        << QByteArray("png") << "clear palette" << size << band << 1;
    QTest::newRow("PNG with a flipped byte") << QByteArray("png") << "flipped" << size << band << 1;
    QTest::newRow("JPEG odd rows")
        << QByteArray("jpg") << "colour" << size << QRect(0, 151, 320, 29) << 0;
    QTest::newRow("WEBP bottom band") << QByteArray("webp") << "colour" << size << band << 0;
    QTest::newRow("WEBP odd middle")
        << QByteArray("webp") << "colour" << size << QRect(13, 41, 200, 77) << 0;
    QTest::newRow("WEBP right band")
        << QByteArray("webp") << "colour" << size << QRect(251, 0, 69, 180) << 0;
}

void TestImages::region()
{
    QFETCH(QByteArray, format);
    QFETCH(QString, kind);
    QFETCH(QSize, claimed);
    QFETCH(QRect, region);
    QFETCH(int, result);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("still.") + format);
    QImage picture = noise(320, 180, 7);
    if (kind == "grey")
        picture = picture.convertToFormat(QImage::Format_Grayscale8);
    if (kind == "deep") {
        picture = QImage(320, 180, QImage::Format_RGBX64);
        QRandomGenerator random(7);
        for (int y = 0; y < picture.height(); ++y) {
            auto* line = reinterpret_cast<QRgba64*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                line[x] =
                    QRgba64::fromRgba64(quint16(random.generate()), quint16(random.generate()),
                                        quint16(random.generate()), 0xffff);
        }
    }
    if (kind.endsWith("palette")) {
        picture = picture.convertToFormat(QImage::Format_Indexed8);
        if (kind == "clear palette")
            picture.setColor(0, qRgba(1, 2, 3, 0));
    }
    if (kind == "alpha") {
        picture = picture.convertToFormat(QImage::Format_ARGB32);
        picture.setPixel(0, 0, 0);
    }
    QImageWriter writer(path);
    if (kind == "turned")
        writer.setTransformation(QImageIOHandler::TransformationRotate90);
    if (kind == "text" ? !writeBytes(path, "words") : !writer.write(picture))
        QSKIP("no writer for this format here");
    if (kind == "flipped") {
        QByteArray bytes = readBytes(path);
        bytes[bytes.size() / 2] = char(bytes.at(bytes.size() / 2) ^ 0x10);
        QVERIFY(writeBytes(path, bytes));
    }

    const QImage whole = ImageLoader::load(path);
    QVERIFY(kind == "text" || kind == "flipped" ||
            whole.size() == (kind == "turned" ? QSize(180, 320) : picture.size()));
    const QImage band = ImageLoader::loadRegion(path, claimed, region);
    if (result == 1 || (result == 2 && band.isNull())) {
        QVERIFY(band.isNull());
        return;
    }
    QCOMPARE(band.format(), QImage::Format_RGB32);
    QCOMPARE(band, whole.copy(region));
}

void TestImages::encodedPixels_data()
{
    // Opaque pictures have writers of their own: a PNG keeps every pixel, and a JPEG decodes
    // to the pixels of Qt's writer at the same quality, also when a tall picture is written in
    // slices on several threads and joined.
    QTest::addColumn<QString>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("quality");
    QTest::newRow("small PNG") << "png" << QSize(64, 48) << -1;
    QTest::newRow("tall PNG in slices") << "png" << QSize(300, 3001) << -1;
    QTest::newRow("tall PNG stored") << "png" << QSize(300, 3001) << 100;
    QTest::newRow("small JPEG") << "jpg" << QSize(64, 48) << -1;
    QTest::newRow("tall JPEG in slices") << "jpg" << QSize(320, 3200) << 90;
    QTest::newRow("JPEG of odd sides in slices") << "jpg" << QSize(333, 2001) << -1;
}

void TestImages::encodedPixels()
{
    QFETCH(QString, format);
    QFETCH(QSize, size);
    QFETCH(int, quality);
    // Noise with its unused byte set, as in every opaque picture the application makes.
    QImage picture = noise(size.width(), size.height(), 5);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            line[x] |= 0xff000000u;
    }
    QString error;
    const QImage written =
        QImage::fromData(ImageFileWriter::encode(picture, format, quality, &error));
    QVERIFY2(!written.isNull(), qPrintable(error));
    QImage expected = picture;
    if (format == "jpg") {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter qtWriter(&buffer, "jpg");
        qtWriter.setQuality(quality);
        QVERIFY(qtWriter.write(picture));
        expected = QImage::fromData(bytes);
    }
    QCOMPARE(written.convertToFormat(QImage::Format_RGB32),
             expected.convertToFormat(QImage::Format_RGB32));
}

// Where a caption's pixels lie: the bounds of all it changed, of its fill (white) and of its
// outline (red), and its lines as bands of rows with the ink's centre of each.
struct Drawn
{
    QRect all;
    QRect fill;
    QRect outline;
    QList<QPair<QRect, double>> lines;
};

Drawn drawnOn(const QImage& composed, QRgb background)
{
    Drawn drawn;
    QRect band;
    for (int y = 0; y < composed.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(composed.constScanLine(y));
        QRect ink;
        for (int x = 0; x < composed.width(); ++x) {
            const QRgb p = row[x] | 0xff000000u;
            if (p == (background | 0xff000000u))
                continue;
            ink |= QRect(x, y, 1, 1);
            if (p == qRgb(255, 255, 255))
                drawn.fill |= QRect(x, y, 1, 1);
            if (p == qRgb(255, 0, 0))
                drawn.outline |= QRect(x, y, 1, 1);
        }
        drawn.all |= ink;
        if (!ink.isNull())
            band |= ink;
        if ((ink.isNull() || y == composed.height() - 1) && !band.isNull()) {
            drawn.lines.append({band, band.left() + band.width() / 2.0});
            band = QRect();
        }
    }
    return drawn;
}

void TestImages::captionIsBurntIn_data()
{
    // White text with a red outline on a grey 640 x 360 canvas; an aligned caption keeps 13
    // pixels (a 27th of the rows) from the edges, the outline included.
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("border");
    QTest::addColumn<int>("vAlign");
    QTest::addColumn<int>("lines");
    QTest::newRow("default place, large") << QStringLiteral("Hello gjpqy") << 60 << 0 << 0 << 1;
    QTest::newRow("bottom keeps descenders")
        << QStringLiteral("gjpqy gjpqy") << 40 << 3 << int(ImageCaption::Bottom) << 1;
    QTest::newRow("top") << QStringLiteral("Top line") << 50 << 8 << int(ImageCaption::Top) << 1;
    QTest::newRow("two lines centred each")
        << QStringLiteral("A long first line\\Nshort") << 40 << 2 << 0 << 2;
    QTest::newRow("line separator breaks")
        << QStringLiteral("one\u2028two") << 40 << 3 << int(ImageCaption::VCenter) << 2;
    QTest::newRow("spaces and a tab do not shift the outline")
        << QStringLiteral("   lead\ttrail   ") << 80 << 8 << 0 << 1;
    QTest::newRow("a long line wraps")
        << QStringLiteral("this caption is far wider than the picture it is drawn on") << 40 << 2
        << 0 << 2;
    QTest::newRow("one word wider than the picture shrinks")
        << QStringLiteral("Supercalifragilisticexpialidocious") << 90 << 3 << 0 << 1;
}

void TestImages::captionIsBurntIn()
{
    QFETCH(QString, text);
    QFETCH(int, size);
    QFETCH(int, border);
    QFETCH(int, vAlign);
    QFETCH(int, lines);
    const QRgb grey = qRgb(60, 60, 60);
    const QImage canvas = solid(640, 360, grey);
    ImageCaption caption;
    caption.text = text;
    caption.fontSize = QString::number(size);
    caption.border = border;
    caption.borderColor = QStringLiteral("#FFFF0000");
    caption.placeOn(canvas.size());
    if (vAlign)
        caption.vAlign = vAlign;

    const QImage composed = ImageComposer::compose(canvas, caption);
    const Drawn drawn = drawnOn(composed, grey);
    // Fully inside the picture, a margin from every edge.
    QVERIFY2(QRect(12, 12, 616, 336).contains(drawn.all),
             qPrintable(QStringLiteral("drawn at %1,%2 %3x%4")
                            .arg(drawn.all.x())
                            .arg(drawn.all.y())
                            .arg(drawn.all.width())
                            .arg(drawn.all.height())));
    QCOMPARE(drawn.lines.size(), lines);
    for (const auto& line : drawn.lines)
        QVERIFY(qAbs(line.second - 319.5) <= 2);
    if (vAlign == ImageCaption::Bottom || vAlign == 0)
        QVERIFY(qAbs(drawn.all.bottom() - (359 - 13)) <= 2);
    if (vAlign == ImageCaption::Top)
        QVERIFY(qAbs(drawn.all.top() - 13) <= 2);
    // The outline rings the fill evenly: the same glyphs, stroked around their centre line.
    if (border > 0) {
        QVERIFY(qAbs(drawn.fill.center().x() - drawn.outline.center().x()) <= 1);
        QVERIFY(qAbs(drawn.fill.center().y() - drawn.outline.center().y()) <= 1);
        QVERIFY(qAbs(drawn.fill.left() - drawn.outline.left() - border) <= 1);
        QVERIFY(qAbs(drawn.outline.bottom() - drawn.fill.bottom() - border) <= 1);
    }
    // The same caption on a file that carries its own resolution (a JPEG often says 72 dpi)
    // comes out the same, and no text leaves the canvas untouched.
    QImage lowResolution = canvas.copy();
    lowResolution.setDotsPerMeterX(2835);
    lowResolution.setDotsPerMeterY(2835);
    QCOMPARE(ImageComposer::compose(lowResolution, caption), composed);
    caption.text.clear();
    QCOMPARE(ImageComposer::compose(canvas, caption), canvas);
}

void TestImages::importIntoEmptyStrip()
{
    QTemporaryDir dir;
    ImagesWidget strip;
    strip.show();
    QSignalSpy current(&strip, &ImagesWidget::selectImageItemSignal);
    QVERIFY(strip.importFile(saved(dir.filePath("red.png"), solid(640, 360, Qt::red))));

    QCOMPARE(strip.cards().size(), 1);
    ImageItem* card = strip.cards().first();
    QCOMPARE(current.count(), 1);
    QCOMPARE(current.first().first().value<ImageItem*>(), card);
    QCOMPARE(strip.currentCard(), card);
    QCOMPARE(GlobalManager::instance()->selectedItems(), QList<ImageItem*>{card});
    QVERIFY(!strip.findChild<QLabel*>(QStringLiteral("logo_tip"))->isVisible());
    QTRY_VERIFY(!card->thumbnail().isNull()); // drawn once the card is shown
    const QImage thumbnail = card->thumbnail().toImage();
    QCOMPARE(thumbnail.pixel(thumbnail.rect().center()), qRgb(255, 0, 0));
    QCOMPARE(QPoint(card->caption()->x, card->caption()->y), QPoint(320, 320));

    // A new card continues the current card's style, but not its words.
    ImageCaption& style = *card->caption();
    style.text = QStringLiteral("first words");
    style.fontSize = QStringLiteral("30");
    style.color = QStringLiteral("#FF00FF00");
    style.bold = style.strikeOut = true;
    style.border = 2;
    style.hAlign = ImageCaption::Right;
    style.vAlign = ImageCaption::Top;
    // Later pictures go onto the first one's canvas, centred on black, transparency black.
    QImage clear(100, 100, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QVERIFY(strip.importFile(saved(dir.filePath("big.png"), solid(1920, 1080, Qt::green))));
    QVERIFY(strip.importFile(saved(dir.filePath("tall.png"), solid(360, 640, Qt::blue))));
    QVERIFY(strip.importFile(saved(dir.filePath("clear.png"), clear)));
    QCOMPARE(strip.currentCard(), strip.cards().at(3));
    const ImageCaption& inherited = *strip.cards().at(1)->caption();
    QVERIFY(inherited.text.isEmpty() && inherited.bold && inherited.strikeOut);
    QCOMPARE(inherited.fontSize + inherited.color, QStringLiteral("30#FF00FF00"));
    QCOMPARE(QList<int>() << inherited.border << inherited.hAlign << inherited.vAlign,
             QList<int>() << 2 << ImageCaption::Right << ImageCaption::Top);
    QList<QImage> composed;
    for (ImageItem* each : strip.cards())
        composed << each->composedImage();
    for (const QImage& picture : composed)
        QCOMPARE(picture.size(), QSize(640, 360));
    QCOMPARE(pixelsOf(composed.at(1), qRgb(0, 255, 0)), 640 * 360);
    QCOMPARE(pixelsOf(composed.at(3), qRgb(0, 0, 0)), 640 * 360);
    // 360 * 360 / 640 = 202 wide, centred: bars of 219; the edge columns may blend.
    const QImage& tall = composed.at(2);
    QCOMPARE(pixelsOf(tall, qRgb(0, 0, 0), QRect(0, 0, 219, 360)), 219 * 360);
    QCOMPARE(pixelsOf(tall, qRgb(0, 0, 255), QRect(220, 0, 200, 360)), 200 * 360);
    QCOMPARE(pixelsOf(tall, qRgb(0, 0, 0), QRect(421, 0, 219, 360)), 219 * 360);
}

void TestImages::importSkipsBadFilesKeepsOrder()
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe.jpg");
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    QVERIFY(QDir().mkpath(dir.filePath("folder.jpg")));
    QVERIFY(writeBytes(dir.filePath("huge.png"), pngHeaderOnly(100000, 100000)));
    // The first is big, so the ones after it are decoded first.
    const QImage first = noise(1600, 900, 1);
    const QStringList batch = {saved(dir.filePath("big first.png"), first), pipe,
                               dir.filePath("folder.jpg"),
                               saved(dir.filePath("画像 \"two\".png"), solid(64, 36, Qt::green))};
    const QStringList joining = {dir.filePath("huge.png"),
                                 saved(dir.filePath("three.png"), solid(320, 180, Qt::blue))};

    ImagesWidget strip;
    QSignalSpy handled(&strip, &ImagesWidget::fileImported);
    QSignalSpy finished(&strip, &ImagesWidget::importFinished);
    LogCapture log;
    QVERIFY(!caughtReadingPipe(pipe, [&] {
        strip.importFiles(batch);
        strip.importFiles(joining); // joins the running import
        finished.wait(30000);
    }));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(handled.count(), batch.size() + joining.size());
    QCOMPARE(log.count(QStringLiteral("no picture could be read")), 3);
    // The user's order, on the first picture's canvas.
    const QList<QRgb> centres = {first.pixel(800, 450), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    QCOMPARE(strip.cards().size(), centres.size());
    for (int i = 0; i < centres.size(); ++i) {
        QCOMPARE(strip.cards().at(i)->composedImage().size(), first.size());
        QCOMPARE(strip.cards().at(i)->composedImage().pixel(800, 450), centres.at(i));
    }

    // A dropped folder brings its pictures in the order a person reads their names.
    const QString dropped = dir.filePath("frames");
    QVERIFY(QDir().mkpath(dropped));
    for (int frame : {10, 2, 1})
        saved(QStringLiteral("%1/frame_%2.png").arg(dropped).arg(frame),
              solid(160, 90, QColor(frame * 20, 0, 0)));
    QVERIFY(writeBytes(dropped + "/notes.txt", "not a picture"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(dropped)});
    // The drop goes to where the drag entered.
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&strip, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&strip, &drop);
    QTRY_COMPARE(strip.cards().size(), 6);
    const QList<int> reds = {20, 40, 200}; // frame_1, frame_2, frame_10
    for (int i = 0; i < reds.size(); ++i)
        QCOMPARE(qRed(strip.cards().at(3 + i)->composedImage().pixel(800, 450)), reds.at(i));
}

// Ticks and deletions reach the list of ticked cards and the list dialog, whose mirror
// cards point at the strip's: a mirror left behind would crash when touched.
void TestImages::tickingDeletingAndClearing()
{
    QTemporaryDir dir;
    ImagesWidget strip;
    strip.show();
    // A 4:3 collection, the later stills 16:9: every card and mirror shows the 4:3 canvas
    // undistorted.
    for (int i = 0; i < 3; ++i)
        QVERIFY(strip.importFile(
            saved(dir.filePath(QString::number(i) + ".png"), pattern(i, 320, i == 0 ? 240 : 180))));
    QPointer<ImageItem> first = strip.cards().first();
    button(&strip, QStringLiteral("Show"))->click();
    ImageListViewDialog* dialog = strip.imageListDialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->mirrorItems().size(), 3);
    const auto fourByThree = [](const QSize& size) {
        return qAbs(size.width() * 3 - size.height() * 4) <= size.width() / 20;
    };
    for (int i = 0; i < 3; ++i) {
        QTRY_VERIFY(fourByThree(strip.cards().at(i)->thumbnail().size()));
        QVERIFY(fourByThree(dialog->mirrorItems().at(i)->size()));
        QTRY_VERIFY(fourByThree(dialog->mirrorItems().at(i)->thumbnail().size()));
    }
    int completes = 0;
    connect(GlobalManager::instance(), &GlobalManager::globalEvent, &strip,
            [&completes](const QString& name) {
                completes += name == AppConfig::kEventSelectImageComplete;
            });

    dialog->mirrorItems().at(0)->findChild<QCheckBox*>()->click();
    QVERIFY(!strip.cards().at(0)->isChecked());
    for (ImageItem* card : strip.cards().mid(1))
        card->findChild<QCheckBox*>()->click();
    QCOMPARE(completes, 3);
    QVERIFY(GlobalManager::instance()->selectedItems().isEmpty());
    QCOMPARE(strip.cards().size(), 3);

    strip.cards().at(1)->findChild<QPushButton*>(QStringLiteral("noborder"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(strip.cards().size(), 2);
    QCOMPARE(dialog->mirrorItems().size(), 2);
    for (int i = 0; i < 2; ++i)
        QCOMPARE(dialog->mirrorItems().at(i)->caption(), strip.cards().at(i)->caption());

    button(&strip, QStringLiteral("Clear"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(strip.cards().isEmpty() && first.isNull());
    QVERIFY(dialog->mirrorItems().isEmpty());
    QVERIFY(GlobalManager::instance()->selectedItems().isEmpty());
    QVERIFY(strip.findChild<QLabel*>(QStringLiteral("logo_tip"))->isVisible());
}

void TestImages::exportTickedCards_data()
{
    QTest::addColumn<QString>("stored");    // the output folder stored, in the test's folder
    QTest::addColumn<bool>("intoPictures"); // the files land in Pictures/Pictorb instead
    QTest::newRow("stored folder") << QStringLiteral("out") << false;
    QTest::newRow("stored folder cannot be made") << QStringLiteral("file/out") << true;
    QTest::newRow("nothing stored") << QString() << true;
}

void TestImages::exportTickedCards()
{
    QFETCH(QString, stored);
    QFETCH(bool, intoPictures);
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath("file"), "no folder can be made below a file"));
    const QString pictures =
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + "/Pictorb";
    QDir(pictures).removeRecursively();
    const QString output = intoPictures ? pictures : dir.filePath(stored);
    if (!stored.isEmpty())
        GlobalManager::instance()->setSetting(AppConfig::kFileSavePath, dir.filePath(stored));
    GlobalManager::instance()->setSetting(AppConfig::kFileExtension, QStringLiteral("PNG"));

    ImagesWidget strip;
    for (const QColor& colour : {QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue)})
        QVERIFY(
            strip.importFile(saved(dir.filePath(colour.name() + ".png"), solid(320, 180, colour))));
    strip.cards().at(1)->setChecked(false);
    strip.cards().at(2)->caption()->text = QStringLiteral("burnt in");
    strip.cards().at(2)->updateImage();

    strip.exportSelected();
    QTRY_VERIFY_WITH_TIMEOUT(!m_desktop.revealed.isEmpty(), 20000);
    QCOMPARE(m_desktop.revealed,
             QStringList({output + "/Pictorb_1.png", output + "/Pictorb_2.png"}));
    const QImage one(m_desktop.revealed.at(0));
    const QImage two(m_desktop.revealed.at(1));
    QCOMPARE(one.pixel(5, 5), qRgb(255, 0, 0));
    QCOMPARE(lightPixels(one), 0);
    QCOMPARE(two.pixel(5, 5), qRgb(0, 0, 255));
    QVERIFY(lightPixels(two) > 0);
    QCOMPARE(mode(m_desktop.revealed.at(0)), 0644);
    QCOMPARE(files(output + "/tmp", QDir::Hidden), QStringList());

    // A second export finds the names taken, counts up and leaves the first files alone.
    const QByteArray firstBytes = readBytes(m_desktop.revealed.at(0));
    m_desktop.revealed.clear();
    strip.exportSelected();
    QTRY_VERIFY_WITH_TIMEOUT(!m_desktop.revealed.isEmpty(), 20000);
    QCOMPARE(m_desktop.revealed,
             QStringList({output + "/Pictorb_1(1).png", output + "/Pictorb_2(1).png"}));
    QCOMPARE(readBytes(output + "/Pictorb_1.png"), firstBytes);
}

void TestImages::saveImageThread_data()
{
    // Three pictures, the second null; taken names and the user's own files are left to the
    // tests of the strip and of the exporting process.
    QTest::addColumn<QString>("format"); // stored; empty: nothing stored
    QTest::addColumn<bool>("blocked");   // the folder cannot be made
    QTest::addColumn<QStringList>("written");
    const QStringList jpgs = {"Pictorb_1.jpg", "Pictorb_3.jpg"};
    QTest::newRow("nothing stored writes JPG") << QString() << false << jpgs;
    QTest::newRow("a format no box offers writes JPG") << QStringLiteral("BMP") << false << jpgs;
    QTest::newRow("folder that cannot be made") << QStringLiteral("PNG") << true << QStringList();
}

void TestImages::saveImageThread()
{
    QFETCH(QString, format);
    QFETCH(bool, blocked);
    QFETCH(QStringList, written);
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath("file"), "no folder can be made below a file"));
    const QString target = dir.filePath(blocked ? "file/out" : "out");
    QDir().mkpath(target);
    if (!format.isEmpty())
        GlobalManager::instance()->setSetting(AppConfig::kFileExtension, format);
    const QList<QImage> images = {pattern(1, 30, 20), QImage(), pattern(3, 30, 20)};

    SaveImageThread thread;
    QSignalSpy progress(&thread, &SaveImageThread::saveProgress);
    QSignalSpy finished(&thread, &SaveImageThread::saveFinished);
    LogCapture log;
    thread.setData(images, target);
    thread.start();
    QVERIFY(finished.wait(20000));

    // Progress counts every picture tried, the list only those written.
    QCOMPARE(progress.count(), 2);
    const QStringList paths = finished.first().first().toStringList();
    QCOMPARE(files(target, QDir::Hidden), written);
    QCOMPARE(paths.size(), written.size());
    for (int i = 0; i < written.size(); ++i) {
        QCOMPARE(paths.at(i), target + '/' + written.at(i));
        const QByteArray suffix = QFileInfo(paths.at(i)).suffix().toLatin1();
        QImageReader reader(paths.at(i));
        QCOMPARE(reader.format(), suffix == "jpg" ? QByteArray("jpeg") : suffix);
        QCOMPARE(reader.size(), QSize(30, 20));
        QCOMPARE(mode(paths.at(i)), 0644);
    }
    QCOMPARE(log.count(QStringLiteral("could not be written")), written.isEmpty() ? 2 : 0);
}

void TestImages::exportingProcessFails_data()
{
    // The exporting process runs under these shell limits; a file-size limit stands in for a
    // full disk (writes past it fail with "file too large", its signal is ignored).
    QTest::addColumn<QString>("limits");
    QTest::addColumn<QString>("sides");        // of its square pictures
    QTest::addColumn<bool>("kill");            // once it has written two
    QTest::addColumn<QStringList>("expected"); // its files; empty: any whole pictures
    QTest::newRow("full disk") << "ulimit -f 100; trap '' XFSZ"
                               << "16,400,16" << false
                               << QStringList{"Pictorb_1(1).png", "Pictorb_3.png"};
    QTest::newRow("killed mid-export")
        << ":" << QString("500,").repeated(40).chopped(1) << true << QStringList();
}

void TestImages::exportingProcessFails()
{
    if (qEnvironmentVariableIsSet(kChildFolder))
        return exportAsChild();
    QFETCH(QString, limits);
    QFETCH(QString, sides);
    QFETCH(bool, kill);
    QFETCH(QStringList, expected);
    QTemporaryDir folder;
    const QString userFile = folder.filePath("Pictorb_1.png");
    QVERIFY(writeBytes(userFile, "the user's own file"));

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kChildFolder), folder.path());
    environment.insert(QString::fromLatin1(kChildSides), sides);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start("/bin/sh", {"-c", limits + "; exec \"$0\" exportingProcessFails:\"$1\"",
                            QCoreApplication::applicationFilePath(), QTest::currentDataTag()});
    QByteArray output;
    while (!(kill && output.contains("progress 2")) && child.waitForReadyRead(60000))
        output += child.readAll();
    if (kill) {
        // Most likely while a picture is being written.
        QVERIFY2(output.contains("progress 2"), output);
        child.kill();
    }
    QVERIFY(child.state() == QProcess::NotRunning || child.waitForFinished(10000));
    output += child.readAll();
    // A picture that did not fit is reported with the system's reason; the small ones around it
    // are written.
    QVERIFY2(kill || (output.contains("finished 2") && output.contains("could not be written") &&
                      output.contains("File too large")),
             output);

    QCOMPARE(readBytes(userFile), QByteArray("the user's own file"));
    QStringList names = files(folder.path());
    names.removeOne("Pictorb_1.png");
    QVERIFY(expected.isEmpty() ? names.size() >= 3 : names == expected);
    // Whatever stands under a final name is a whole picture; only hidden work files may not be.
    for (const QString& name : names) {
        QImage picture;
        QVERIFY2(QImageReader(folder.filePath(name)).read(&picture) &&
                     sides.startsWith(QString::number(picture.width())),
                 qPrintable(name));
    }
    for (const QString& name : files(folder.path(), QDir::Hidden))
        QVERIFY2(!name.startsWith('.') || name.startsWith(".Pictorb-"), qPrintable(name));

    // The next export clears what the ended process left half-written, but keeps the work
    // file of this process's own export still being written (by the strip or the preview).
    const QString own =
        QStringLiteral(".Pictorb-%1-0badf00d").arg(QCoreApplication::applicationPid());
    QVERIFY(writeBytes(folder.filePath(own), "being written"));
    SaveImageThread thread;
    QSignalSpy finished(&thread, &SaveImageThread::saveFinished);
    thread.setData({solid(8, 8, Qt::red)}, folder.path());
    thread.start();
    QVERIFY(finished.wait(20000));
    QCOMPARE(files(folder.path(), QDir::Hidden), QStringList(own) + files(folder.path()));
    QCOMPARE(files(folder.path()).size(), names.size() + 2);
}

void TestImages::stripDestroyedWhileWriting()
{
    QTemporaryDir dir;
    GlobalManager::instance()->setSetting(AppConfig::kFileSavePath, dir.filePath("out"));
    GlobalManager::instance()->setSetting(AppConfig::kFileExtension, QStringLiteral("PNG"));
    auto strip = std::make_unique<ImagesWidget>();
    for (int i = 0; i < 3; ++i)
        QVERIFY(strip->importFile(
            saved(dir.filePath(QString::number(i) + ".png"), noise(1200, 900, quint32(i)))));
    QSignalSpy started(strip->saveThread(), &SaveImageThread::saveStart);
    strip->exportSelected();
    QVERIFY(started.count() == 1 || started.wait(10000));
    strip.reset();

    // Every picture was written in full before the strip went; nothing half-written remains.
    const QString tmp = dir.filePath("out/tmp");
    QCOMPARE(files(tmp), QStringList({"Pictorb_1.png", "Pictorb_2.png", "Pictorb_3.png"}));
    for (const QString& name : files(tmp))
        QCOMPARE(QImageReader(tmp + '/' + name).read().size(), QSize(1200, 900));
    QCOMPARE(files(tmp, QDir::Hidden), files(tmp));
}

PICTORB_TEST_MAIN(TestImages)
#include "tst_images.moc"

// pictorb-sheet, run as the user runs it: the real executable in a process of its own. Its
// sheets must be the pixels the window's Export writes for the same stills and style.

#include "support/TestSupport.h"

#include "core/base/AppConfig.h"
#include "core/images/ImageCaption.h"
#include "core/preview/MergeLayout.h"
#include "core/preview/SheetExport.h"
#include "gui/application/GlobalManager.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImagesWidget.h"
#include "gui/mainwindow/CollectionDocument.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/preview/PreviewWidget.h"
#include "gui/widgets/PropertyItem.h"

#include <QCheckBox>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QRadioButton>

#include <sys/stat.h>

using namespace TestSupport;

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the tool under the shell `limits` (":" for none).
Run runSheet(const QStringList& arguments, const QString& limits = ":",
             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start("/bin/sh",
                  QStringList{"-c", limits + "; exec \"$0\" \"$@\"", PICTORB_SHEET_EXECUTABLE} +
                      arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return {-1, QString(), QStringLiteral("did not finish normally")};
    }
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// Stills from a list such as "320x180 100x100t": patterned, so a band taken from the wrong
// still or the wrong rows shows; "t" leaves the left half translucent blue.
QStringList writeStills(const QString& sizes, const QString& dir, const QString& suffix)
{
    QDir().mkpath(dir);
    QStringList paths;
    for (QString size : sizes.split(' ')) {
        const bool translucent = size.endsWith('t');
        size.remove('t');
        const int width = size.section('x', 0, 0).toInt();
        const int height = size.section('x', 1, 1).toInt();
        QImage still = pattern(paths.size(), width, height);
        if (translucent) {
            still = still.convertToFormat(QImage::Format_ARGB32);
            QPainter painter(&still);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(QRect(0, 0, width / 2, height), QColor(0, 0, 255, 90));
        }
        paths << QStringLiteral("%1/still_%2.%3").arg(dir).arg(paths.size()).arg(suffix);
        still.save(paths.last());
    }
    return paths;
}

// The value after `option` in a command line, or `fallback`.
QString option(const QStringList& arguments, const QString& option, const QString& fallback)
{
    const int at = arguments.indexOf(option);
    return at < 0 ? fallback : arguments.value(at + 1);
}

// The picture the window's Export writes for the stills, styled as the caption editor styles
// each card from the same options the tool was given: its colour boxes store #AARRGGBB, and a
// ticked alignment moves the anchor to where the card puts it for the card's text.
QImage exportThroughTheWindow(const QStringList& stills, const QStringList& subtitles,
                              const QStringList& arguments, DesktopCatcher& desktop)
{
    QTemporaryDir output;
    GlobalManager::instance()->setSetting(AppConfig::kFileSavePath, output.path());
    desktop.revealed.clear();
    MainWindow window;
    for (const QString& still : stills)
        window.imagesWidget()->importFile(still);
    const auto colour = [&arguments](const QString& name, const QString& fallback) {
        QColor value(option(arguments, "--" + name + "-color", fallback));
        value.setAlpha(option(arguments, "--" + name + "-opacity", "100").toInt() * 255 / 100);
        return value.name(QColor::HexArgb);
    };
    const QMap<QString, int> aligns = {
        {"left", ImageCaption::Left},      {"center", ImageCaption::HCenter},
        {"right", ImageCaption::Right},    {"top", ImageCaption::Top},
        {"middle", ImageCaption::VCenter}, {"bottom", ImageCaption::Bottom}};
    for (int i = 0; i < window.imagesWidget()->cards().size(); ++i) {
        ImageItem* card = window.imagesWidget()->cards().at(i);
        ImageCaption& caption = *card->caption();
        caption.text = subtitles.value(i);
        caption.fontSize = option(arguments, "--font-size", "18");
        caption.color = colour("text", "#ffffff");
        caption.borderColor = colour("border", "#000000");
        caption.border = option(arguments, "--border", "0").toInt();
        caption.bold = arguments.contains("--bold");
        caption.italic = arguments.contains("--italic");
        caption.underline = arguments.contains("--underline");
        caption.strikeOut = arguments.contains("--strike-out");
        if (arguments.contains("--h-align"))
            caption.hAlign = aligns.value(option(arguments, "--h-align", QString()));
        if (arguments.contains("--v-align"))
            caption.vAlign = aligns.value(option(arguments, "--v-align", QString()));
        card->updateImage();
    }
    PreviewWidget* preview = window.previewWidget();
    const QStringList layouts = {"grid", "vertical", "horizontal"};
    preview->setLayoutType(layouts.indexOf(option(arguments, "--layout", "vertical")));
    preview->property(PreviewWidget::Column)->setValue(option(arguments, "--columns", "3"), true);
    preview->property(PreviewWidget::XSpace)->setValue(option(arguments, "--x-space", "0"), true);
    preview->property(PreviewWidget::YSpace)->setValue(option(arguments, "--y-space", "0"), true);
    preview->property(PreviewWidget::Scale)->setValue(option(arguments, "--scale", "100"), false);
    preview->exportButtonClickHandle();
    if (!QTest::qWaitFor([&desktop] { return !desktop.revealed.isEmpty(); }, 20000))
        return QImage();
    return QImage(desktop.revealed.first());
}

// Empty when both are the same pixels, else where they first differ.
QString firstDifference(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_ARGB32);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32);
    if (left.size() != right.size())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            if (left.pixel(x, y) != right.pixel(x, y))
                return QStringLiteral("pixel %1,%2").arg(x).arg(y);
        }
    }
    return QString();
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void sheetEqualsTheWindowsExport_data();
    void sheetEqualsTheWindowsExport();
    void subRipEqualsTheTextFile_data();
    void subRipEqualsTheTextFile();
    void formatsAndQuality_data();
    void formatsAndQuality();
    void refusals_data();
    void refusals();
    void damagedStillIsNamed();
    void projectsGoBothWays();
    void stillsInNameOrder_data();
    void stillsInNameOrder();
    void burnedInSubtitles();
    void helpListsTheOptions();
    void runsWithoutADisplay();

private:
    QTemporaryDir m_dir;
    DesktopCatcher m_desktop;
};

void TestCli::initTestCase()
{
    GlobalManager::instance()->setSetting(AppConfig::kFirstOpenApp, true);
    GlobalManager::instance()->setSetting(AppConfig::kFileExtension, QStringLiteral("PNG"));
    // The tool's files must get the mode this mask gives any new file: 0644.
    ::umask(022);
}

void TestCli::sheetEqualsTheWindowsExport_data()
{
    // Each row draws at a font size of its own: a glyph is rasterised once per font and
    // process, at the sub-pixel offset where it is first drawn, and reused at other offsets;
    // with a fresh font the window's export starts as the tool's fresh process does.
    QTest::addColumn<QString>("stills");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("captions");
    QTest::addColumn<QString>("style");
    const QString four = QStringLiteral("320x180 320x180 320x180 320x180");
    // 180 - 140: every following still keeps its bottom 40 rows, where the caption sits.
    QTest::newRow("vertical subtitle strip, bold italic, translucent colours")
        << four << "png" << true
        << "--layout vertical --y-space -140 --font-size 14 --border 3 --bold --italic "
           "--text-color #ffcc00 --text-opacity 60 --border-color #000080 --border-opacity 50";
    QTest::newRow("horizontal strip, underline, strike-out, top right")
        << "320x180 320x180 320x180" << QStringLiteral("png") << true
        << "--layout horizontal --x-space -200 --font-size 16 --underline --strike-out "
           "--h-align right --v-align top";
    QTest::newRow("grid of two columns, half size, middle left")
        << four + " 320x180" << QStringLiteral("png") << true
        << "--layout grid --columns 2 --x-space 6 --y-space 4 --scale 50 --font-size 20 "
           "--h-align left --v-align middle";
    // Later stills of other sizes and with transparency are letterboxed onto the first's canvas.
    QTest::newRow("grid of letterboxed and translucent stills, one and a half size")
        << "320x180 640x480 100x100t 320x180t" << QStringLiteral("png") << true
        << "--layout grid --columns 3 --scale 150 --font-size 22 --border 2 --h-align center "
           "--v-align bottom";
    // Captioned bands are decoded as bands too, the caption drawn onto the band where it lands,
    // on the decoding threads.
    QTest::newRow("vertical strip of WEBP stills, odd band, outlined captions")
        << four << "webp" << true << "--layout vertical --y-space -141 --font-size 15 --border 2";
    QTest::newRow("horizontal strip of JPEG stills, captions on the right")
        << four << "jpg" << true
        << "--layout horizontal --x-space -150 --font-size 17 --h-align right";
    // Without captions only the band each following still shows is decoded.
    QTest::newRow("vertical subtitle strip of JPEG stills without captions")
        << four << "jpg" << false << "--layout vertical --y-space -140";
    QTest::newRow("horizontal strip without captions, the last letterboxed")
        << four + " 200x100" << QStringLiteral("png") << false
        << "--layout horizontal --x-space -200";
}

void TestCli::sheetEqualsTheWindowsExport()
{
    QFETCH(QString, stills);
    QFETCH(QString, suffix);
    QFETCH(bool, captions);
    QFETCH(QString, style);
    const QStringList options = style.split(' ');
    const QString dir = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    const QStringList paths = writeStills(stills, dir, suffix);
    // Every sheet of three stills or more has a bare still and a line beyond ASCII.
    const QStringList subtitles =
        QStringList{"Where were you last night?", QString(), "Für Élodie — 字幕",
                    "That's so long ago.", "Will I see you tonight?"}
            .mid(0, captions ? paths.size() : 0);
    QStringList arguments = paths + options;
    if (captions) {
        QVERIFY(writeBytes(dir + "/lines.txt", subtitles.join('\n').toUtf8() + '\n'));
        arguments << "--subtitles" << dir + "/lines.txt";
    }
    const Run run = runSheet(arguments << "-o" << dir + "/sheet.png");
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QImage written(dir + "/sheet.png");
    QVERIFY(!written.isNull());

    const QImage exported = exportThroughTheWindow(paths, subtitles, options, m_desktop);
    QVERIFY(!exported.isNull());
    const QString difference = firstDifference(written, exported);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestCli::subRipEqualsTheTextFile_data()
{
    QTest::addColumn<QByteArray>("srt");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("plain entries")
        << QByteArray("1\n00:00:01,000 --> 00:00:02,500\nWhere were you last night?\n\n"
                      "2\n00:00:03,000 --> 00:00:04,000\nThat's so long ago.\n\n"
                      "3\n00:00:05,000 --> 00:00:06,000\nWill I see you tonight?\n")
        << QStringList{"Where were you last night?", "That's so long ago.",
                       "Will I see you tonight?"};
    // Byte order mark, Windows line ends, two-line entries (a "|" breaks a line of the text
    // file the same way), tags and no final blank line; entry numbers out of order still
    // follow the file order.
    QTest::newRow("windows file with tags and two-line entries")
        << QByteArray("\xEF\xBB\xBF"
                      "7\r\n00:00:01,000 --> 00:00:02,000\r\n<i>Where were</i>\r\nyou?\r\n\r\n"
                      "3\r\n00:00:02,000 --> 00:00:03,000\r\n<font color=\"red\">Für</font> "
                      "Élodie\r\n\r\n"
                      "9\r\n00:00:03.000 --> 00:00:04.000\r\n{\\an8}Tonight?")
        << QStringList{"Where were|you?", "Für Élodie", "Tonight?"};
}

void TestCli::subRipEqualsTheTextFile()
{
    QFETCH(QByteArray, srt);
    QFETCH(QStringList, expected);
    const QString dir = m_dir.filePath(QStringLiteral("srt ") + QTest::currentDataTag());
    const QStringList stills =
        writeStills(QString("320x180 ").repeated(expected.size()).trimmed(), dir, "png");
    QVERIFY(writeBytes(dir + "/lines.srt", srt));
    QVERIFY(writeBytes(dir + "/lines.txt", expected.join('\n').toUtf8()));
    const auto make = [&](const QStringList& source, const QString& name) {
        const QString output = dir + '/' + name;
        const Run run = runSheet(stills + source + QStringList{"--y-space", "-140", "-o", output});
        return run.exitCode == 0 ? QImage(output) : QImage();
    };
    const QImage fromSrt = make({"--srt", dir + "/lines.srt"}, "srt.png");
    const QImage fromText = make({"--subtitles", dir + "/lines.txt"}, "text.png");
    const QImage bare = make({}, "bare.png");
    QVERIFY(!fromSrt.isNull() && !fromText.isNull() && !bare.isNull());
    const QString difference = firstDifference(fromSrt, fromText);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QVERIFY(fromSrt != bare);
}

void TestCli::formatsAndQuality_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("jpg") << "sheet.jpg" << QByteArray("jpeg");
    QTest::newRow("upper-case JPEG") << "SHEET.JPEG" << QByteArray("jpeg");
    QTest::newRow("png") << "sheet.png" << QByteArray("png");
    QTest::newRow("webp") << "sheet.webp" << QByteArray("webp");
}

// The format follows the name, whatever the quality. A lower quality gives a smaller lossy
// file; for PNG it only trades size for time, never a pixel.
void TestCli::formatsAndQuality()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    const QString dir = m_dir.filePath(QStringLiteral("format ") + QTest::currentDataTag());
    const QStringList stills = writeStills("320x180 320x180", dir, "png");
    QMap<int, qint64> sizes;
    QMap<int, QImage> pictures;
    for (const int quality : {10, 95}) {
        const QString output = dir + QStringLiteral("/q%1_").arg(quality) + name;
        const Run run =
            runSheet(stills + QStringList{"-q", QString::number(quality), "-o", output});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QImageReader reader(output);
        QCOMPARE(reader.format(), format);
        QCOMPARE(reader.size(), QSize(320, 360));
        sizes[quality] = QFileInfo(output).size();
        pictures[quality] = reader.read();
        struct stat info;
        QVERIFY(::stat(QFile::encodeName(output).constData(), &info) == 0);
        QCOMPARE(info.st_mode & 0777, mode_t(0644));
    }
    if (format == "png")
        QCOMPARE(pictures[10], pictures[95]);
    else
        QVERIFY(sizes[10] < sizes[95]);
}

void TestCli::refusals_data()
{
    // "{still}" is a readable still, "{dir}" the test's folder and "{out}" an output file that
    // already holds an earlier sheet; "{full-disk}" runs the tool with a file-size limit, so
    // its sheet does not fit.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, const QString& arguments, int code, const char* text) {
        QTest::newRow(name) << arguments.split(' ') << code << QString::fromUtf8(text);
    };
    row("unknown option", "{still} --colour -o {out}", 2, "Unknown option 'colour'");
    row("no stills", "-o {out}", 2, "no stills given");
    row("no output", "{still}", 2, "no output file");
    row("spacing not a number", "{still} --y-space -9x -o {out}", 2,
        "--y-space takes a whole number from -9999 to 9999");
    row("no colour", "{still} --text-color #12345 -o {out}", 2,
        "--text-color: \"#12345\" is no colour");
    row("opacity above 100", "{still} --border-opacity 101 -o {out}", 2,
        "--border-opacity takes a whole number from 0 to 100");
    row("unknown alignment", "{still} --v-align centre -o {out}", 2,
        "--v-align takes top, middle, bottom");
    row("output of another format", "{still} -o {dir}/sheet.bmp", 2,
        "the output \"{dir}/sheet.bmp\" must end in .jpg, .png or .webp");
    row("both subtitle sources",
        "{still} --srt {dir}/notes.txt --subtitles {dir}/notes.txt -o {out}", 2,
        "--subtitles and --srt cannot be used together");
    row("first still not a picture", "{dir}/notes.txt {still} -o {out}", 1,
        "cannot read the still \"{dir}/notes.txt\"");
    row("later still a named pipe", "{still} {dir}/pipe.png -o {out}", 1,
        "cannot read the still \"{dir}/pipe.png\"");
    row("subtitle file missing", "{still} --subtitles {dir}/none.txt -o {out}", 1,
        "cannot read \"{dir}/none.txt\"");
    row("more lines than stills", "{still} --subtitles {dir}/notes.txt -o {out}", 1,
        "\"{dir}/notes.txt\" has 2 lines for 1 stills");
    row("SubRip entry without timing", "{still} --srt {dir}/notes.txt -o {out}", 1,
        "\"{dir}/notes.txt\": entry 1 has no \"start --> end\" line");
    row("output folder missing", "{still} -o {dir}/no/such/folder/sheet.png", 1,
        "cannot write \"{dir}/no/such/folder/sheet.png\"");
    row("full disk", "{full-disk} {noise} -o {out}", 1, "cannot write \"{out}\": File too large");
    row("a damaged still, strictly", "{still} {dir}/damaged.jpg --strict -o {out}", 1,
        "the still \"{dir}/damaged.jpg\" is damaged (--strict)");
    row("a caption longer than a subtitle", "{still} --subtitles {dir}/long.txt -o {out}", 1,
        "\"{dir}/long.txt\": caption 1 is longer than 1000 characters");
    // 17 stills of 1000 rows stack to 17000 rows; a WEBP side holds at most 16383.
    row("a band in a grid", "{still} --band 20 --layout grid -o {out}", 2,
        "--band needs --layout vertical or horizontal");
    row("a band and a spacing", "{still} --band 20 --y-space -5 -o {out}", 2,
        "--band and --y-space both set the band");
    row("width and height", "{still} --width 10 --height 10 -o {out}", 2,
        "give one of --scale, --width and --height");
    row("a pattern matching nothing", "{dir}/*.tiff -o {out}", 2,
        "\"{dir}/*.tiff\" gives no picture");
    row("too large for WEBP", QString("{tall} ").repeated(17) + "-o {dir}/sheet.webp", 1,
        "a sheet of 1000 x 17000 is too large for WEBP");
}

// Refused with one line on stderr and a non-zero exit; the earlier output keeps its bytes and
// no temporary file is left.
void TestCli::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString out = dir.filePath("earlier.png");
    QVERIFY(pattern(1, 64, 36).save(dir.filePath("still.png")));
    QVERIFY(pattern(2, 1000, 1000).save(dir.filePath("tall.png")));
    QVERIFY(noise(500, 500, 3).save(dir.filePath("noise.png")));
    QVERIFY(writeBytes(dir.filePath("notes.txt"), "one\ntwo\n"));
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("pipe.png")).constData(), 0600) == 0);
    QVERIFY(writeBytes(out, "an earlier sheet"));
    QVERIFY(writeBytes(dir.filePath("long.txt"), QByteArray(1001, 'x')));
    QVERIFY(noise(320, 180, 4).save(dir.filePath("damaged.jpg")));
    QVERIFY(QFile::resize(dir.filePath("damaged.jpg"),
                          QFileInfo(dir.filePath("damaged.jpg")).size() / 2));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);

    const bool fullDisk = arguments.removeAll("{full-disk}") > 0;
    for (QString& argument : arguments) {
        for (const char* name : {"still", "tall", "noise"})
            argument.replace(QStringLiteral("{%1}").arg(name),
                             dir.filePath(name + QString(".png")));
        argument.replace("{out}", out).replace("{dir}", dir.path());
    }
    message.replace("{out}", out).replace("{dir}", dir.path());
    const Run run = runSheet(arguments, fullDisk ? "ulimit -f 100; trap '' XFSZ" : ":");
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains("pictorb-sheet: " + message), qPrintable(run.err));
    QVERIFY2(run.err.count('\n') == 1, qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QCOMPARE(readBytes(out), QByteArray("an earlier sheet"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
}

// A project written by the tool renders as the sheet it was made for, by the tool and by the
// window's Export alike; a project saved by the window renders in the tool as it exports.
void TestCli::projectsGoBothWays()
{
    const QString dir = m_dir.filePath("projects");
    const QStringList stills = writeStills("320x180 320x180 640x480", dir, "png");
    QVERIFY(writeBytes(dir + "/lines.txt", "First\nSecond|line\n\n"));
    // Bands fitted to the captions: the two-line one is taller than the shared band the
    // bare still takes.
    const QStringList style = {"--subtitles",
                               dir + "/lines.txt",
                               "--fit-captions",
                               "--font-size",
                               "24",
                               "--border",
                               "2",
                               "--scale",
                               "50",
                               "--print-bands"};
    const QString project = dir + "/made.pictorb";
    Run run = runSheet(stills + style +
                       QStringList{"--save-project", project, "-o", dir + "/direct.png"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QStringList bands = run.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(bands.size(), 3);
    int rows = 0;
    for (int i = 0; i < bands.size(); ++i) {
        const QStringList fields = bands.at(i).split('\t');
        QCOMPARE(fields.value(0), stills.at(i));
        rows += fields.value(2).toInt();
    }
    const auto band = [&bands](int i, int field) {
        return bands.at(i).section('\t', field, field).toInt();
    };
    QVERIFY2(band(1, 2) > 0 && band(2, 2) == band(1, 2) && band(2, 1) + band(2, 2) == 180,
             qPrintable(run.out));
    run = runSheet({project, "-o", dir + "/rendered.png"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QImage direct(dir + "/direct.png");
    QCOMPARE(direct.size(), SheetExport::outputSize({320, rows}, SheetExport::ByScale, 50));
    QString difference = firstDifference(QImage(dir + "/rendered.png"), direct);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));

    QTemporaryDir output;
    GlobalManager::instance()->setSetting(AppConfig::kFileSavePath, output.path());
    m_desktop.revealed.clear();
    MainWindow window;
    window.openFiles({project});
    QCOMPARE(window.imagesWidget()->cards().size(), 3);
    window.previewWidget()->exportButtonClickHandle();
    QVERIFY(QTest::qWaitFor([this] { return !m_desktop.revealed.isEmpty(); }, 20000));
    difference = firstDifference(QImage(m_desktop.revealed.first()), direct);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));

    // The other way: what the window saves, the tool renders as the window exports it.
    window.imagesWidget()->cards().at(1)->findChild<QCheckBox*>()->click();
    window.previewWidget()->layoutButton(MergeLayout::Horizontal)->click();
    const QImage exported = window.previewWidget()->groupImage();
    QString error;
    QVERIFY(window.document()->saveProject(dir + "/saved.pictorb", &error));
    run = runSheet({dir + "/saved.pictorb", "-o", dir + "/saved.png"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    difference =
        firstDifference(QImage(dir + "/saved.png"),
                        SheetExport::scaled(exported, window.previewWidget()->outputSize()));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

// A folder or a pattern gives its stills as a person reads their names; fewer subtitle lines
// than stills leave the last ones bare, which is said; a typed width is the output's.
void TestCli::stillsInNameOrder_data()
{
    QTest::addColumn<QString>("stills");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QSize>("size");
    QTest::newRow("a folder, a band") << "" << QStringList{"--band", "60"} << QSize(320, 360);
    QTest::newRow("a pattern, a width")
        << "frame_*.png" << QStringList{"--band", "60", "--width", "160"} << QSize(160, 180);
    QTest::newRow("a horizontal band")
        << "" << QStringList{"--layout", "horizontal", "--band", "100"} << QSize(620, 180);
}

void TestCli::stillsInNameOrder()
{
    QFETCH(QString, stills);
    QFETCH(QStringList, options);
    QTemporaryDir dir;
    for (int frame : {10, 2, 1, 3})
        QVERIFY(
            pattern(frame, 320, 180).save(dir.filePath(QStringLiteral("frame_%1.png").arg(frame))));
    QVERIFY(writeBytes(dir.filePath("lines.txt"), "one\ntwo\n"));
    const QString source = stills.isEmpty() ? dir.path() : dir.filePath(stills);
    const Run run = runSheet(QStringList{source, "--print-bands", "--subtitles",
                                         dir.filePath("lines.txt"), "-o", dir.filePath("out.png")} +
                             options);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.contains("has 2 lines for 4 stills; the last 2 get no caption"),
             qPrintable(run.err));
    QStringList order;
    for (const QString& line : run.out.split('\n', Qt::SkipEmptyParts))
        order << QFileInfo(line.section('\t', 0, 0)).fileName();
    QCOMPARE(order, QStringList({"frame_1.png", "frame_2.png", "frame_3.png", "frame_10.png"}));
    QTEST(QImage(dir.filePath("out.png")).size(), "size");
}

// Screenshots that carry their subtitles: each band is found around the text, a still without
// text takes the shared band and is named, and a line shown twice in a row appears once.
void TestCli::burnedInSubtitles()
{
    QTemporaryDir dir;
    const QStringList lines = {"Where were you?", "Where were you?", "", "Out, all night."};
    QVector<QRect> rows(lines.size());
    QStringList stills;
    for (int i = 0; i < lines.size(); ++i) {
        stills << dir.filePath(QStringLiteral("shot_%1.png").arg(i));
        QVERIFY(subtitledStill({640, 360}, quint32(i), lines.at(i), &rows[i]).save(stills.last()));
    }
    const Run run = runSheet(QStringList{dir.path(), "--band", "auto", "--drop-repeats",
                                         "--print-bands", "-o", dir.filePath("sheet.png")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY2(run.err.contains("no subtitle found in " + stills.at(2)), qPrintable(run.err));
    QVERIFY2(run.err.contains("left out 1 stills"), qPrintable(run.err));
    QMap<QString, QPair<int, int>> bands;
    for (const QString& line : run.out.split('\n', Qt::SkipEmptyParts))
        bands.insert(line.section('\t', 0, 0),
                     {line.section('\t', 1, 1).toInt(), line.section('\t', 2, 2).toInt()});
    QCOMPARE(bands.keys(), QStringList({stills.at(0), stills.at(2), stills.at(3)}));
    const QPair<int, int> found = bands.value(stills.at(3));
    QVERIFY2(found.first <= rows[3].top() && found.first + found.second > rows[3].bottom(),
             qPrintable(run.out));
    QCOMPARE(bands.value(stills.at(2)).first + bands.value(stills.at(2)).second, 360);
    QCOMPARE(QImage(dir.filePath("sheet.png")).height(),
             360 + bands.value(stills.at(2)).second + found.second);
}

// A damaged still is used as far as it can be read, and named.
void TestCli::damagedStillIsNamed()
{
    const QString dir = m_dir.filePath("damaged");
    const QStringList stills = writeStills("320x180 320x180", dir, "jpg");
    QVERIFY(QFile::resize(stills.last(), QFileInfo(stills.last()).size() / 2));
    const Run run = runSheet(stills + QStringList{"-o", dir + "/sheet.png"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QStringLiteral("pictorb-sheet: the still \"%1\" is damaged; used as far as "
                                     "it could be read\n")
                          .arg(stills.last()));
    QCOMPARE(QImage(dir + "/sheet.png").size(), QSize(320, 360));
}

void TestCli::helpListsTheOptions()
{
    const Run run = runSheet({"--help"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains("Usage: "));
    for (const char* option :
         {"--layout",    "--columns",    "--x-space",      "--y-space",      "--scale",
          "--font-size", "--text-color", "--text-opacity", "--border-color", "--border-opacity",
          "--border",    "--bold",       "--italic",       "--underline",    "--strike-out",
          "--h-align",   "--v-align",    "--subtitles",    "--srt",          "--output",
          "--quality",   "--strict"})
        QVERIFY2(run.out.contains(QString::fromLatin1(option)), option);
}

// Scripts on a server have no display and set no platform; the tool picks one itself.
void TestCli::runsWithoutADisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    const QString dir = m_dir.filePath("no display");
    const QStringList stills = writeStills("64x36", dir, "png");
    QVERIFY(writeBytes(dir + "/line.txt", "Hello\n"));
    const Run run =
        runSheet(stills + QStringList{"--subtitles", dir + "/line.txt", "-o", dir + "/sheet.png"},
                 ":", environment);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(QImage(dir + "/sheet.png").size(), QSize(64, 36));
}

PICTORB_TEST_MAIN(TestCli)
#include "tst_cli.moc"

#include "app/TestHome.h"
#include "core/base/AppConfig.h"
#include "core/base/PlatformShell.h"
#include "core/images/ImageCaption.h"
#include "core/preview/MergeLayout.h"
#include "gui/application/GlobalManager.h"
#include "gui/editor/CaptionStyleEditor.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImageListViewDialog.h"
#include "gui/images/ImagesWidget.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/preview/PreviewWidget.h"
#include "gui/widgets/PropertyItem.h"
#include "images/PictureFiles.h"
#include "preview/PreviewTestSupport.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

// One sheet described once, then made twice: by the pictorb-sheet executable and by the
// application's own Export on cards styled as the caption editor styles them.
struct SheetCase
{
    QVector<QSize> sizes;     // the stills, first to last
    QVector<int> transparent; // stills saved with a transparent half
    QString suffix = QStringLiteral("png");
    int layout = MergeLayout::Vertical;
    int columns = 3;
    int xSpace = 0;
    int ySpace = 0;
    int scale = 100;
    bool captions = true;
    int fontSize = 18;
    QColor text = Qt::white;
    int textOpacity = 100;
    QColor border = Qt::black;
    int borderOpacity = 100;
    int borderWidth = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString hAlign; // empty: the position of a new card
    QString vAlign;
};
Q_DECLARE_METATYPE(SheetCase)

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

class TestSheetCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void sheetEqualsTheApplicationsExport_data();
    void sheetEqualsTheApplicationsExport();
    void subRipEntriesAreTheLinesInOrder_data();
    void subRipEntriesAreTheLinesInOrder();
    void formatsAndQuality_data();
    void formatsAndQuality();
    void failuresExitNonZeroAndLeaveTheOutputAlone_data();
    void failuresExitNonZeroAndLeaveTheOutputAlone();
    void helpListsTheOptions();
    void runsWithoutADisplay();

private:
    static Run
    runSheet(const QStringList& arguments,
             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    QStringList writeStills(const SheetCase& sheet, const QString& dir) const;
    static QStringList lines(int count);
    static QStringList cliArguments(const SheetCase& sheet);
    static void styleCard(ImageItem* card, const SheetCase& sheet, const QString& text);
    static void exportThroughTheWindow(const SheetCase& sheet, const QStringList& stills,
                                       const QStringList& subtitles, QImage& exported);
    static QString firstDifference(const QImage& a, const QImage& b);

    QTemporaryDir m_dir;
};

void TestSheetCommand::initTestCase()
{
    QVERIFY(m_dir.isValid());
    GlobalManager* manager = GlobalManager::instance();
    manager->setSetting(AppConfig::kFirstOpenApp, true);
    manager->setSetting(AppConfig::kFileExtension, QStringLiteral("PNG"));
    QVERIFY(QFileInfo(QStringLiteral(PICTORB_SHEET_EXECUTABLE)).isExecutable());
}

void TestSheetCommand::cleanup()
{
    PlatformShell::setRevealHandler({});
}

Run TestSheetCommand::runSheet(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PICTORB_SHEET_EXECUTABLE), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        run.err = QStringLiteral("did not finish normally");
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// Patterned stills, so a band taken from the wrong still or the wrong rows shows.
QStringList TestSheetCommand::writeStills(const SheetCase& sheet, const QString& dir) const
{
    QDir().mkpath(dir);
    QStringList paths;
    for (int i = 0; i < sheet.sizes.size(); ++i) {
        const QSize size = sheet.sizes.at(i);
        QImage still = PreviewTest::pattern(i, size.width(), size.height());
        if (sheet.transparent.contains(i)) {
            still = still.convertToFormat(QImage::Format_ARGB32);
            QPainter painter(&still);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(QRect(0, 0, size.width() / 2, size.height()), QColor(0, 0, 255, 90));
        }
        const QString path = QStringLiteral("%1/still_%2.%3").arg(dir).arg(i).arg(sheet.suffix);
        still.save(path);
        paths << path;
    }
    return paths;
}

QStringList TestSheetCommand::lines(int count)
{
    const QStringList dialogue = {QStringLiteral("Where were you last night?"),
                                  QStringLiteral("That's so long ago, I don't remember."),
                                  QString(), // a still without a caption
                                  QStringLiteral("Will I see you tonight?"),
                                  QStringLiteral("I never make plans that far ahead."),
                                  QStringLiteral("Für Élodie — 字幕")};
    QStringList result;
    for (int i = 0; i < count; ++i)
        result << dialogue.at(i % dialogue.size());
    return result;
}

QStringList TestSheetCommand::cliArguments(const SheetCase& sheet)
{
    const QStringList layouts = {QStringLiteral("grid"), QStringLiteral("vertical"),
                                 QStringLiteral("horizontal")};
    QStringList arguments = {
        QStringLiteral("--layout"),         layouts.at(sheet.layout),
        QStringLiteral("--columns"),        QString::number(sheet.columns),
        QStringLiteral("--x-space"),        QString::number(sheet.xSpace),
        QStringLiteral("--y-space"),        QString::number(sheet.ySpace),
        QStringLiteral("--scale"),          QString::number(sheet.scale),
        QStringLiteral("--font-size"),      QString::number(sheet.fontSize),
        QStringLiteral("--text-color"),     sheet.text.name(),
        QStringLiteral("--text-opacity"),   QString::number(sheet.textOpacity),
        QStringLiteral("--border-color"),   sheet.border.name(),
        QStringLiteral("--border-opacity"), QString::number(sheet.borderOpacity),
        QStringLiteral("--border"),         QString::number(sheet.borderWidth)};
    const std::pair<bool, const char*> flags[] = {{sheet.bold, "--bold"},
                                                  {sheet.italic, "--italic"},
                                                  {sheet.underline, "--underline"},
                                                  {sheet.strikeOut, "--strike-out"}};
    for (const auto& [on, flag] : flags) {
        if (on)
            arguments << QString::fromLatin1(flag);
    }
    if (!sheet.hAlign.isEmpty())
        arguments << QStringLiteral("--h-align") << sheet.hAlign;
    if (!sheet.vAlign.isEmpty())
        arguments << QStringLiteral("--v-align") << sheet.vAlign;
    return arguments;
}

// As the caption editor writes a card: the text and style, then a ticked alignment moves
// the anchor to where getXPos/getYPos put it for that text.
void TestSheetCommand::styleCard(ImageItem* card, const SheetCase& sheet, const QString& text)
{
    const auto argb = [](QColor color, int percent) {
        color.setAlpha(percent * 255 / 100);
        return color.name(QColor::HexArgb);
    };
    ImageCaption& caption = *card->caption();
    caption.text = text;
    caption.fontSize = QString::number(sheet.fontSize);
    caption.color = argb(sheet.text, sheet.textOpacity);
    caption.borderColor = argb(sheet.border, sheet.borderOpacity);
    caption.border = sheet.borderWidth;
    caption.bold = sheet.bold;
    caption.italic = sheet.italic;
    caption.underline = sheet.underline;
    caption.strikeOut = sheet.strikeOut;
    const QMap<QString, int> horizontal = {{QStringLiteral("left"), ImageCaption::Left},
                                           {QStringLiteral("center"), ImageCaption::HCenter},
                                           {QStringLiteral("right"), ImageCaption::Right}};
    const QMap<QString, int> vertical = {{QStringLiteral("bottom"), ImageCaption::Bottom},
                                         {QStringLiteral("middle"), ImageCaption::VCenter},
                                         {QStringLiteral("top"), ImageCaption::Top}};
    if (!sheet.hAlign.isEmpty()) {
        caption.hAlign = horizontal.value(sheet.hAlign);
        caption.x = card->getXPos(caption.hAlign);
    }
    if (!sheet.vAlign.isEmpty()) {
        caption.vAlign = vertical.value(sheet.vAlign);
        caption.y = card->getYPos(caption.vAlign);
    }
    card->updateImage();
}

void TestSheetCommand::exportThroughTheWindow(const SheetCase& sheet, const QStringList& stills,
                                              const QStringList& subtitles, QImage& exported)
{
    QTemporaryDir output;
    GlobalManager::instance()->setSetting(AppConfig::kFileSavePath, output.path());
    QStringList revealed;
    PlatformShell::setRevealHandler([&revealed](const QStringList& files) { revealed = files; });

    MainWindow window;
    for (const QString& still : stills)
        QVERIFY(window.imagesWidget()->importFile(still));
    const QList<ImageItem*> cards = window.imagesWidget()->cards();
    QCOMPARE(cards.size(), stills.size());
    for (int i = 0; i < cards.size(); ++i)
        styleCard(cards.at(i), sheet, subtitles.value(i));

    PreviewWidget* preview = window.previewWidget();
    preview->setLayoutType(sheet.layout);
    preview->property(PreviewWidget::Column)->setValue(QString::number(sheet.columns), true);
    preview->property(PreviewWidget::XSpace)->setValue(QString::number(sheet.xSpace), true);
    preview->property(PreviewWidget::YSpace)->setValue(QString::number(sheet.ySpace), true);
    preview->property(PreviewWidget::Scale)->setValue(QString::number(sheet.scale), true);
    preview->exportButtonClickHandle();
    QTRY_VERIFY_WITH_TIMEOUT(!revealed.isEmpty(), 20000);
    exported = QImage(revealed.first());
    QVERIFY(!exported.isNull());
}

QString TestSheetCommand::firstDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return QStringLiteral("sizes %1x%2 and %3x%4")
            .arg(a.width())
            .arg(a.height())
            .arg(b.width())
            .arg(b.height());
    const QImage left = a.convertToFormat(QImage::Format_ARGB32);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            if (left.pixel(x, y) != right.pixel(x, y))
                return QStringLiteral("pixel %1,%2: %3 and %4")
                    .arg(x)
                    .arg(y)
                    .arg(left.pixel(x, y), 8, 16)
                    .arg(right.pixel(x, y), 8, 16);
        }
    }
    return QString();
}

void TestSheetCommand::sheetEqualsTheApplicationsExport_data()
{
    QTest::addColumn<SheetCase>("sheet");
    const QSize still(320, 180);
    // Every row draws at a font size of its own. A glyph is rasterised once per font and
    // process, at the sub-pixel offset where it is first drawn, and reused at other offsets,
    // so a long-running process may differ from a fresh one in the last bit of a glyph's
    // edge; with a fresh font the application's export starts as the tool's process does.

    SheetCase strip;
    strip.sizes = {still, still, still, still};
    // 180 - 140: every following still keeps its bottom 40 rows, where the caption sits.
    strip.ySpace = -140;
    strip.fontSize = 14;
    strip.borderWidth = 1;
    QTest::newRow("vertical subtitle strip") << strip;

    SheetCase styled = strip;
    styled.ySpace = 12;
    styled.text = QColor(255, 204, 0);
    styled.textOpacity = 60;
    styled.border = QColor(0, 0, 128);
    styled.borderOpacity = 50;
    styled.borderWidth = 3;
    styled.fontSize = 18;
    styled.bold = true;
    styled.italic = true;
    QTest::newRow("vertical with a gap, bold italic, translucent colours") << styled;

    SheetCase row;
    row.sizes = {still, still, still};
    row.layout = MergeLayout::Horizontal;
    row.xSpace = -200;
    row.fontSize = 16;
    row.underline = true;
    row.strikeOut = true;
    row.hAlign = QStringLiteral("right");
    row.vAlign = QStringLiteral("top");
    QTest::newRow("horizontal strip, underline, strike-out, top right") << row;

    SheetCase grid;
    grid.sizes = {still, still, still, still, still};
    grid.layout = MergeLayout::Grid;
    grid.columns = 2;
    grid.xSpace = 6;
    grid.ySpace = 4;
    grid.scale = 50;
    grid.fontSize = 20;
    grid.hAlign = QStringLiteral("left");
    grid.vAlign = QStringLiteral("middle");
    QTest::newRow("grid of two columns, half size, middle left") << grid;

    SheetCase mixed;
    // Later stills of other sizes and with transparency are letterboxed onto the first's
    // canvas; 150 % scales the sheet up.
    mixed.sizes = {still, QSize(640, 480), QSize(100, 100), still};
    mixed.transparent = {2, 3};
    mixed.layout = MergeLayout::Grid;
    mixed.columns = 3;
    mixed.scale = 150;
    mixed.hAlign = QStringLiteral("center");
    mixed.vAlign = QStringLiteral("bottom");
    mixed.fontSize = 22;
    mixed.borderWidth = 2;
    QTest::newRow("grid of letterboxed and transparent stills, one and a half size") << mixed;

    SheetCase bare;
    bare.sizes = {still, still};
    bare.captions = false;
    QTest::newRow("vertical stack without captions") << bare;

    // Without captions only the band each following still shows is decoded.
    SheetCase bands = strip;
    bands.captions = false;
    bands.suffix = QStringLiteral("jpg");
    QTest::newRow("vertical subtitle strip of JPEG stills without captions") << bands;
    SheetCase columns = row;
    columns.captions = false;
    columns.sizes.append(QSize(200, 100)); // letterboxed: decoded whole
    QTest::newRow("horizontal strip without captions") << columns;
}

void TestSheetCommand::sheetEqualsTheApplicationsExport()
{
    QFETCH(SheetCase, sheet);
    const QString dir = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    const QStringList stills = writeStills(sheet, dir);
    const QStringList subtitles = sheet.captions ? lines(stills.size()) : QStringList();

    QStringList arguments = stills + cliArguments(sheet);
    if (sheet.captions) {
        const QString file = dir + QStringLiteral("/lines.txt");
        QVERIFY(PictureFiles::writeBytes(file, subtitles.join('\n').toUtf8() + '\n'));
        arguments << QStringLiteral("--subtitles") << file;
    }
    const QString output = dir + QStringLiteral("/sheet.png");
    const Run run = runSheet(arguments << QStringLiteral("-o") << output);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QImage written(output);
    QVERIFY(!written.isNull());

    QImage exported;
    exportThroughTheWindow(sheet, stills, subtitles, exported);
    if (QTest::currentTestFailed())
        return;
    const QString difference = firstDifference(written, exported);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestSheetCommand::subRipEntriesAreTheLinesInOrder_data()
{
    QTest::addColumn<QByteArray>("srt");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("plain entries")
        << QByteArray("1\n00:00:01,000 --> 00:00:02,500\nWhere were you last night?\n\n"
                      "2\n00:00:03,000 --> 00:00:04,000\nThat's so long ago.\n\n"
                      "3\n00:00:05,000 --> 00:00:06,000\nWill I see you tonight?\n")
        << QStringList{QStringLiteral("Where were you last night?"),
                       QStringLiteral("That's so long ago."),
                       QStringLiteral("Will I see you tonight?")};
    // Byte order mark, Windows line ends, two-line entries, tags and a missing final blank
    // line; entry numbers out of order still follow the file order.
    QTest::newRow("windows file with tags and two-line entries")
        << QByteArray("\xEF\xBB\xBF"
                      "7\r\n00:00:01,000 --> 00:00:02,000\r\n<i>Where were</i>\r\nyou?\r\n\r\n"
                      "3\r\n00:00:02,000 --> 00:00:03,000\r\n<font color=\"red\">Für</font> "
                      "Élodie\r\n\r\n"
                      "9\r\n00:00:03.000 --> 00:00:04.000\r\n{\\an8}Tonight?")
        << QStringList{QStringLiteral("Where were you?"), QStringLiteral("Für Élodie"),
                       QStringLiteral("Tonight?")};
}

// An SRT file gives the same sheet as a text file holding its entries one per line.
void TestSheetCommand::subRipEntriesAreTheLinesInOrder()
{
    QFETCH(QByteArray, srt);
    QFETCH(QStringList, expected);
    SheetCase sheet;
    sheet.sizes = QVector<QSize>(expected.size(), QSize(320, 180));
    sheet.ySpace = -140;
    const QString dir = m_dir.filePath(QStringLiteral("srt_") + QTest::currentDataTag());
    const QStringList stills = writeStills(sheet, dir);
    const QString srtFile = dir + QStringLiteral("/lines.srt");
    const QString textFile = dir + QStringLiteral("/lines.txt");
    QVERIFY(PictureFiles::writeBytes(srtFile, srt));
    QVERIFY(PictureFiles::writeBytes(textFile, expected.join('\n').toUtf8()));

    const auto make = [&](const QStringList& source, const QString& name) {
        const QString output = dir + QLatin1Char('/') + name;
        const Run run = runSheet(stills + source +
                                 QStringList{QStringLiteral("--y-space"), QStringLiteral("-140"),
                                             QStringLiteral("-o"), output});
        return run.exitCode == 0 ? QImage(output) : QImage();
    };
    const QImage fromSrt = make({QStringLiteral("--srt"), srtFile}, QStringLiteral("srt.png"));
    const QImage fromText =
        make({QStringLiteral("--subtitles"), textFile}, QStringLiteral("text.png"));
    const QImage bare = make({}, QStringLiteral("bare.png"));
    QVERIFY(!fromSrt.isNull() && !fromText.isNull() && !bare.isNull());
    const QString difference = firstDifference(fromSrt, fromText);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QVERIFY(fromSrt != bare);
}

void TestSheetCommand::formatsAndQuality_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("jpg") << QStringLiteral("sheet.jpg") << QByteArray("jpeg");
    QTest::newRow("upper-case JPEG") << QStringLiteral("SHEET.JPEG") << QByteArray("jpeg");
    QTest::newRow("png") << QStringLiteral("sheet.png") << QByteArray("png");
    QTest::newRow("webp") << QStringLiteral("sheet.webp") << QByteArray("webp");
}

// The output format follows the name, whatever the quality. A lower quality gives a smaller
// lossy file; for PNG it only trades size for time, never a pixel.
void TestSheetCommand::formatsAndQuality()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    SheetCase sheet;
    sheet.sizes = {QSize(320, 180), QSize(320, 180)};
    const QString dir = m_dir.filePath(QStringLiteral("format_") + QTest::currentDataTag());
    const QStringList stills = writeStills(sheet, dir);
    QMap<int, qint64> sizes;
    QMap<int, QImage> pictures;
    for (const int quality : {10, 95}) {
        const QString output = dir + QStringLiteral("/q%1_").arg(quality) + name;
        const Run run =
            runSheet(stills + QStringList{QStringLiteral("--quality"), QString::number(quality),
                                          QStringLiteral("-o"), output});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QImageReader reader(output);
        QCOMPARE(reader.format(), format);
        QCOMPARE(reader.size(), QSize(320, 360));
        sizes[quality] = QFileInfo(output).size();
        pictures[quality] = reader.read();
    }
    if (format == "png")
        QCOMPARE(pictures[10], pictures[95]);
    else
        QVERIFY(sizes[10] < sizes[95]);
}

void TestSheetCommand::failuresExitNonZeroAndLeaveTheOutputAlone_data()
{
    // "{still}" is a readable still, "{dir}" the test's folder and "{out}" an output file
    // that already holds an earlier sheet.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    const QString still = QStringLiteral("{still}");
    const QString out = QStringLiteral("{out}");
    const QString o = QStringLiteral("-o");
    QTest::newRow("unknown option") << QStringList{still, QStringLiteral("--colour"), o, out} << 2
                                    << QStringLiteral("Unknown option 'colour'");
    QTest::newRow("no stills") << QStringList{o, out} << 2 << QStringLiteral("no stills given");
    QTest::newRow("no output") << QStringList{still} << 2 << QStringLiteral("no output file");
    QTest::newRow("unknown layout")
        << QStringList{still, QStringLiteral("--layout"), QStringLiteral("diagonal"), o, out} << 2
        << QStringLiteral("--layout takes grid, vertical, horizontal, not \"diagonal\"");
    QTest::newRow("columns out of range")
        << QStringList{still, QStringLiteral("--columns"), QStringLiteral("11"), o, out} << 2
        << QStringLiteral("--columns takes a whole number from 1 to 10, not \"11\"");
    QTest::newRow("spacing not a number")
        << QStringList{still, QStringLiteral("--y-space"), QStringLiteral("-9x"), o, out} << 2
        << QStringLiteral("--y-space takes a whole number from -9999 to 9999");
    QTest::newRow("scale zero") << QStringList{still, QStringLiteral("--scale"),
                                               QStringLiteral("0"), o, out}
                                << 2
                                << QStringLiteral("--scale takes a whole number from 1 to 500");
    QTest::newRow("no colour") << QStringList{still, QStringLiteral("--text-color"),
                                              QStringLiteral("#12345"), o, out}
                               << 2 << QStringLiteral("--text-color: \"#12345\" is no colour");
    QTest::newRow("opacity above 100")
        << QStringList{still, QStringLiteral("--border-opacity"), QStringLiteral("101"), o, out}
        << 2 << QStringLiteral("--border-opacity takes a whole number from 0 to 100");
    QTest::newRow("unknown alignment")
        << QStringList{still, QStringLiteral("--v-align"), QStringLiteral("centre"), o, out} << 2
        << QStringLiteral("--v-align takes top, middle, bottom");
    QTest::newRow("output of another format")
        << QStringList{still, o, QStringLiteral("{dir}/sheet.bmp")} << 2
        << QStringLiteral("the output \"{dir}/sheet.bmp\" must end in .jpg, .png or .webp");
    QTest::newRow("quality above 100")
        << QStringList{still, QStringLiteral("-q"), QStringLiteral("101"), o, out} << 2
        << QStringLiteral("--quality takes a whole number from -1 to 100");
    QTest::newRow("missing still")
        << QStringList{still, QStringLiteral("{dir}/missing.png"), o, out} << 1
        << QStringLiteral("cannot read the still \"{dir}/missing.png\"");
    QTest::newRow("not a picture")
        << QStringList{QStringLiteral("{dir}/notes.txt"), still, o, out} << 1
        << QStringLiteral("cannot read the still \"{dir}/notes.txt\"");
    QTest::newRow("subtitle file missing") << QStringList{still, QStringLiteral("--subtitles"),
                                                          QStringLiteral("{dir}/none.txt"), o, out}
                                           << 1 << QStringLiteral("cannot read \"{dir}/none.txt\"");
    QTest::newRow("more lines than stills")
        << QStringList{still, QStringLiteral("--subtitles"), QStringLiteral("{dir}/notes.txt"), o,
                       out}
        << 1 << QStringLiteral("\"{dir}/notes.txt\" has 2 lines for 1 stills");
    QTest::newRow("SubRip entry without timing")
        << QStringList{still, QStringLiteral("--srt"), QStringLiteral("{dir}/notes.txt"), o, out}
        << 1 << QStringLiteral("\"{dir}/notes.txt\": entry 1 has no \"start --> end\" line");
    QTest::newRow("both subtitle sources")
        << QStringList{still,
                       QStringLiteral("--srt"),
                       QStringLiteral("{dir}/notes.txt"),
                       QStringLiteral("--subtitles"),
                       QStringLiteral("{dir}/notes.txt"),
                       o,
                       out}
        << 2 << QStringLiteral("--subtitles and --srt cannot be used together");
    QTest::newRow("output folder missing")
        << QStringList{still, o, QStringLiteral("{dir}/no/such/folder/sheet.png")} << 1
        << QStringLiteral("cannot write \"{dir}/no/such/folder/sheet.png\"");
    QTest::newRow("output below a file")
        << QStringList{still, o, QStringLiteral("{dir}/notes.txt/sheet.png")} << 1
        << QStringLiteral("cannot write \"{dir}/notes.txt/sheet.png\"");
    // 17 stills of 1000 rows stack to 17000 rows; a WEBP side holds at most 16383.
    QStringList tall;
    for (int i = 0; i < 17; ++i)
        tall << QStringLiteral("{tall}");
    QTest::newRow("too large for WEBP")
        << (tall << o << QStringLiteral("{dir}/sheet.webp")) << 1
        << QStringLiteral("a sheet of 1000 x 17000 is too large for WEBP");
}

void TestSheetCommand::failuresExitNonZeroAndLeaveTheOutputAlone()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString still = dir.filePath(QStringLiteral("still.png"));
    QVERIFY(PreviewTest::pattern(1, 64, 36).save(still));
    QVERIFY(PreviewTest::pattern(2, 1000, 1000).save(dir.filePath(QStringLiteral("tall.png"))));
    QVERIFY(PictureFiles::writeBytes(dir.filePath(QStringLiteral("notes.txt")), "one\ntwo\n"));
    const QString out = dir.filePath(QStringLiteral("earlier.png"));
    QVERIFY(PictureFiles::writeBytes(out, "an earlier sheet"));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);

    for (QString& argument : arguments) {
        argument.replace(QStringLiteral("{still}"), still)
            .replace(QStringLiteral("{tall}"), dir.filePath(QStringLiteral("tall.png")))
            .replace(QStringLiteral("{out}"), out)
            .replace(QStringLiteral("{dir}"), dir.path());
    }
    message.replace(QStringLiteral("{dir}"), dir.path());
    const Run run = runSheet(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(QStringLiteral("pictorb-sheet: ") + message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    // Nothing written: the earlier file keeps its bytes and no temporary file is left.
    QFile earlier(out);
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("an earlier sheet"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
}

void TestSheetCommand::helpListsTheOptions()
{
    const Run run = runSheet({QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains(QStringLiteral("Usage: ")));
    for (const char* option :
         {"--layout",    "--columns",    "--x-space",      "--y-space",      "--scale",
          "--font-size", "--text-color", "--text-opacity", "--border-color", "--border-opacity",
          "--border",    "--bold",       "--italic",       "--underline",    "--strike-out",
          "--h-align",   "--v-align",    "--subtitles",    "--srt",          "--output",
          "--quality"})
        QVERIFY2(run.out.contains(QString::fromLatin1(option)), option);
}

// Scripts on a server have no display and set no platform; the tool picks offscreen itself.
void TestSheetCommand::runsWithoutADisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    QTemporaryDir dir;
    const QString still = dir.filePath(QStringLiteral("still.png"));
    QVERIFY(PreviewTest::pattern(1, 64, 36).save(still));
    const QString subtitles = dir.filePath(QStringLiteral("line.txt"));
    QVERIFY(PictureFiles::writeBytes(subtitles, "Hello\n"));
    const QString output = dir.filePath(QStringLiteral("sheet.png"));
    const Run run =
        runSheet({still, QStringLiteral("--subtitles"), subtitles, QStringLiteral("-o"), output},
                 environment);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(QImage(output).size(), QSize(64, 36));
}

PICTORB_ISOLATED_TEST_MAIN(TestSheetCommand)
#include "tst_sheetcommand.moc"

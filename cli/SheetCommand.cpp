#include "cli/SheetCommand.h"

#include <atomic>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include <QColor>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QRegularExpression>

#include "core/base/AppConfig.h"
#include "core/base/EveryCore.h"
#include "core/images/CaptionLayout.h"
#include "core/images/ImageComposer.h"
#include "core/images/ImageFileWriter.h"
#include "core/images/ImageLoader.h"
#include "core/images/RepeatedLines.h"
#include "core/images/StillDecoder.h"
#include "core/images/StillFiles.h"
#include "core/images/SubtitleDetector.h"
#include "core/preview/SheetExport.h"
#include "core/project/ProjectFile.h"

namespace {

const QString kProgram = QStringLiteral("pictorb-sheet");
// Subtitle files are text; anything larger is not one and is not read into memory.
constexpr qint64 kMaxSubtitleBytes = 16 * 1024 * 1024;

struct Choice
{
    QString name;
    int value;
};

const QList<Choice> kLayouts = {{QStringLiteral("grid"), MergeLayout::Grid},
                                {QStringLiteral("vertical"), MergeLayout::Vertical},
                                {QStringLiteral("horizontal"), MergeLayout::Horizontal}};
const QList<Choice> kHorizontalAligns = {{QStringLiteral("left"), ImageCaption::Left},
                                         {QStringLiteral("center"), ImageCaption::HCenter},
                                         {QStringLiteral("right"), ImageCaption::Right}};
const QList<Choice> kVerticalAligns = {{QStringLiteral("top"), ImageCaption::Top},
                                       {QStringLiteral("middle"), ImageCaption::VCenter},
                                       {QStringLiteral("bottom"), ImageCaption::Bottom}};

// Options and their ranges; the ranges are those of the application's fields.
const QCommandLineOption kLayout({QStringLiteral("l"), QStringLiteral("layout")},
                                 QStringLiteral("grid, vertical (default) or horizontal."),
                                 QStringLiteral("layout"), QStringLiteral("vertical"));
const QCommandLineOption kColumns({QStringLiteral("c"), QStringLiteral("columns")},
                                  QStringLiteral("Columns of the grid, 1 to 10 (default 3)."),
                                  QStringLiteral("count"), QStringLiteral("3"));
const QCommandLineOption kXSpace(QStringLiteral("x-space"),
                                 QStringLiteral("Horizontal spacing in pixels, -9999 to 9999; "
                                                "negative in a row keeps the right band."),
                                 QStringLiteral("pixels"), QStringLiteral("0"));
const QCommandLineOption kYSpace(QStringLiteral("y-space"),
                                 QStringLiteral("Vertical spacing in pixels, -9999 to 9999; "
                                                "negative in a stack keeps the bottom band."),
                                 QStringLiteral("pixels"), QStringLiteral("0"));
const QCommandLineOption kScale({QStringLiteral("s"), QStringLiteral("scale")},
                                QStringLiteral("Output size in percent, 1 to 500 (default 100)."),
                                QStringLiteral("percent"), QStringLiteral("100"));
const QCommandLineOption kWidth(QStringLiteral("width"),
                                QStringLiteral("Output width in pixels, exactly; the height "
                                               "follows the sheet's proportions."),
                                QStringLiteral("pixels"));
const QCommandLineOption kHeight(QStringLiteral("height"),
                                 QStringLiteral("Output height in pixels, exactly; the width "
                                                "follows."),
                                 QStringLiteral("pixels"));
const QCommandLineOption kBand(QStringLiteral("band"),
                               QStringLiteral("The strip's band in pixels of a still (rows of a "
                                              "vertical sheet, columns of a horizontal one), in "
                                              "place of a negative spacing; or \"auto\": each "
                                              "still's band around the subtitles found in it."),
                               QStringLiteral("pixels|auto"));
const QCommandLineOption kFitCaptions(QStringLiteral("fit-captions"),
                                      QStringLiteral("Each captioned still's band fits its "
                                                     "caption (vertical sheets)."));
const QCommandLineOption kDropRepeats(QStringLiteral("drop-repeats"),
                                      QStringLiteral("Leave out every still whose band shows the "
                                                     "same subtitle line as the still before "
                                                     "(vertical strips)."));
const QCommandLineOption kPrintBands(QStringLiteral("print-bands"),
                                     QStringLiteral("Print one line per still of the sheet: "
                                                    "file, band top and band height (tab "
                                                    "separated); -o is then optional."));
const QCommandLineOption kFontSize(QStringLiteral("font-size"),
                                   QStringLiteral("Caption size in points, 1 to 100 (default "
                                                  "18)."),
                                   QStringLiteral("points"), QStringLiteral("18"));
const QCommandLineOption kTextColor(QStringLiteral("text-color"),
                                    QStringLiteral("Caption colour: #RRGGBB, #AARRGGBB or a "
                                                   "colour name (default white)."),
                                    QStringLiteral("color"), QStringLiteral("#FFFFFF"));
const QCommandLineOption kTextOpacity(QStringLiteral("text-opacity"),
                                      QStringLiteral("Caption opacity in percent, 0 to 100."),
                                      QStringLiteral("percent"));
const QCommandLineOption kBorderColor(QStringLiteral("border-color"),
                                      QStringLiteral("Outline colour (default black)."),
                                      QStringLiteral("color"), QStringLiteral("#000000"));
const QCommandLineOption kBorderOpacity(QStringLiteral("border-opacity"),
                                        QStringLiteral("Outline opacity in percent, 0 to 100."),
                                        QStringLiteral("percent"));
const QCommandLineOption kBorder(QStringLiteral("border"),
                                 QStringLiteral("Outline width in pixels, 0 to 500 (default 0)."),
                                 QStringLiteral("pixels"), QStringLiteral("0"));
const QCommandLineOption kBold(QStringLiteral("bold"), QStringLiteral("Bold captions."));
const QCommandLineOption kItalic(QStringLiteral("italic"), QStringLiteral("Italic captions."));
const QCommandLineOption kUnderline(QStringLiteral("underline"),
                                    QStringLiteral("Underlined captions."));
const QCommandLineOption kStrikeOut(QStringLiteral("strike-out"),
                                    QStringLiteral("Struck-through captions."));
const QCommandLineOption kHAlign(QStringLiteral("h-align"),
                                 QStringLiteral("left, center or right (default: center)."),
                                 QStringLiteral("align"));
const QCommandLineOption kVAlign(QStringLiteral("v-align"),
                                 QStringLiteral("top, middle or bottom (default: bottom, kept "
                                                "a margin inside the picture)."),
                                 QStringLiteral("align"));
const QCommandLineOption kSubtitles(QStringLiteral("subtitles"),
                                    QStringLiteral("Text file (UTF-8), one caption per line and "
                                                   "still; \\N or | breaks a caption into lines, "
                                                   "an empty line leaves a still bare."),
                                    QStringLiteral("file"));
const QCommandLineOption kSrt(QStringLiteral("srt"),
                              QStringLiteral("SubRip file: its entries in order, one per still."),
                              QStringLiteral("file"));
const QCommandLineOption kOutput({QStringLiteral("o"), QStringLiteral("output")},
                                 QStringLiteral("The sheet to write: .jpg, .png or .webp."),
                                 QStringLiteral("file"));
const QCommandLineOption kSaveProject(QStringLiteral("save-project"),
                                      QStringLiteral("Also write the stills, captions and layout "
                                                     "as a Pictorb project to finish in the "
                                                     "window; -o is then optional."),
                                      QStringLiteral("file.pictorb"));
const QCommandLineOption kStrict(QStringLiteral("strict"),
                                 QStringLiteral("Fail on a damaged still instead of using what "
                                                "of it can be read."));
const QCommandLineOption kQuality({QStringLiteral("q"), QStringLiteral("quality")},
                                  QStringLiteral("0 to 100: JPG and WEBP quality; for PNG, "
                                                 "higher is faster and larger (default: as "
                                                 "the application writes)."),
                                  QStringLiteral("quality"), QStringLiteral("-1"));

void print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

bool readInt(const QCommandLineParser& parser, const QCommandLineOption& option, int minimum,
             int maximum, int& value, QString& error)
{
    bool ok = false;
    const QString text = parser.value(option);
    const int number = text.toInt(&ok, 10);
    if (!ok || number < minimum || number > maximum) {
        error = QStringLiteral("--%1 takes a whole number from %2 to %3, not \"%4\"")
                    .arg(option.names().constLast())
                    .arg(minimum)
                    .arg(maximum)
                    .arg(text);
        return false;
    }
    value = number;
    return true;
}

bool readChoice(const QCommandLineParser& parser, const QCommandLineOption& option,
                const QList<Choice>& choices, int& value, QString& error)
{
    const QString text = parser.value(option).toLower();
    QStringList names;
    for (const Choice& choice : choices) {
        if (choice.name == text) {
            value = choice.value;
            return true;
        }
        names << choice.name;
    }
    error = QStringLiteral("--%1 takes %2, not \"%3\"")
                .arg(option.names().constLast(), names.join(QStringLiteral(", ")),
                     parser.value(option));
    return false;
}

// A colour as the caption record stores it (#AARRGGBB). The opacity, when given, replaces
// the colour's own alpha the way the editor's percent field does.
bool readColor(const QCommandLineParser& parser, const QCommandLineOption& colorOption,
               const QCommandLineOption& opacityOption, QString& value, QString& error)
{
    QColor color(parser.value(colorOption));
    if (!color.isValid()) {
        error = QStringLiteral("--%1: \"%2\" is no colour")
                    .arg(colorOption.names().constLast(), parser.value(colorOption));
        return false;
    }
    if (parser.isSet(opacityOption)) {
        int percent = 100;
        if (!readInt(parser, opacityOption, 0, 100, percent, error))
            return false;
        color.setAlpha(percent * 255 / 100);
    }
    value = color.name(QColor::HexArgb);
    return true;
}

bool readText(const QString& path, QString& text, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    if (file.size() > kMaxSubtitleBytes) {
        error = QStringLiteral("\"%1\" is too large for a subtitle file").arg(path);
        return false;
    }
    text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return true;
}

QStringList plainLines(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    // The line break that ends the last line starts no line of its own.
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// SubRip entries: a number, a "start --> end" line, then text lines up to a blank line. An
// entry's lines stay lines of the caption; formatting tags such as <i> would otherwise show as
// text.
bool srtEntries(const QString& text, QStringList& entries, QString& error)
{
    static const QRegularExpression timing(
        QStringLiteral("^\\s*\\d+:\\d+:\\d+[,.]\\d+\\s*-->\\s*\\d+:\\d+:\\d+[,.]\\d+"));
    static const QRegularExpression tag(QStringLiteral("</?[A-Za-z][^>]*>|\\{\\\\[^}]*\\}"));
    const QStringList blocks =
        text.split(QRegularExpression(QStringLiteral("\\n[ \\t]*\\n")), Qt::SkipEmptyParts);
    for (const QString& block : blocks) {
        QStringList lines = block.trimmed().split(QLatin1Char('\n'));
        if (lines.size() < 2 || !timing.match(lines.at(1)).hasMatch()) {
            error = QStringLiteral("entry %1 has no \"start --> end\" line after its number")
                        .arg(entries.size() + 1);
            return false;
        }
        lines.erase(lines.begin(), lines.begin() + 2);
        QStringList words;
        for (const QString& line : qAsConst(lines))
            words << QString(line).remove(tag).trimmed();
        words.removeAll(QString());
        entries << words.join(QStringLiteral("\\N"));
    }
    return true;
}

} // namespace

int SheetCommand::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(arguments)) {
        m_error = parser.errorText();
        return fail(UsageError);
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        print(stdout, parser.helpText());
        return Success;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        print(stdout, QStringLiteral("%1 %2\n").arg(kProgram, AppConfig::kVersion));
        return Success;
    }
    if (!readOptions(parser))
        return fail(UsageError);

    QImage sheet;
    SheetExport::Fit fit = m_fit;
    qint64 fitValue = m_fitValue;
#ifdef PICTORB_VIDEO
    if (VideoSheetSource::isRequested(parser)) {
        int code = Success;
        if (!readVideo(parser, sheet, code))
            return fail(code);
    } else
#endif
        if (isProject(m_stills.first())) {
        ProjectData project;
        if (!ProjectFile::read(m_stills.first(), &project, &m_error)) {
            m_error = QStringLiteral("\"%1\": %2").arg(m_stills.first(), m_error);
            return fail(Failure);
        }
        sheet = renderProject(project);
        fit = project.fit;
        fitValue = project.fitValue;
    } else {
        if (!readSubtitles(parser) || !findCanvas() || (m_detectBands && !detectBands()))
            return fail(Failure);
        planBands(int(m_stills.size()));
        if (m_dropRepeats && m_params.ySpace >= 0) {
            m_error = QStringLiteral("--drop-repeats needs a strip: --band or a negative "
                                     "--y-space");
            return fail(UsageError);
        }
        // Repeated lines are seen in the pixels, so the sheet comes first then.
        if ((!m_output.isEmpty() || m_dropRepeats) && !buildSheet(sheet))
            return fail(Failure);
        if (m_dropRepeats)
            dropRepeats(sheet);
        if (!m_projectOutput.isEmpty() && !saveProject())
            return fail(Failure);
        if (m_printBands)
            printBands();
        if (m_output.isEmpty())
            return Success;
    }
    if (sheet.isNull()) {
        m_error = QStringLiteral("nothing to merge");
        return fail(Failure);
    }
    const QSize size = SheetExport::outputSize(sheet.size(), fit, fitValue);
    if (!SheetExport::fits(size, m_format)) {
        m_error = QStringLiteral("a sheet of %1 x %2 is too large for %3 (at most %4 pixels per "
                                 "side); lower --scale or choose another format")
                      .arg(size.width())
                      .arg(size.height())
                      .arg(m_format.toUpper())
                      .arg(SheetExport::maximumSide(m_format));
        return fail(Failure);
    }
    // The full-size sheet is not needed while a scaled copy is written.
    const QImage output = SheetExport::scaled(std::exchange(sheet, QImage()), size);
    if (output.isNull()) {
        m_error = QStringLiteral("a sheet of %1 x %2 pixels cannot be made")
                      .arg(size.width())
                      .arg(size.height());
        return fail(Failure);
    }
    return write(output) ? Success : fail(Failure);
}

void SheetCommand::describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Merges stills and their subtitle lines into one sheet, as Pictorb's "
                       "Export does.\nA subtitle-strip sheet of 1080-pixel stills: --layout "
                       "vertical --y-space -980"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("stills"),
                                 QStringLiteral("The pictures, in sheet order (a folder or a "
                                                "pattern such as \"shots/*.png\" gives its "
                                                "pictures in name order, frame_2 before "
                                                "frame_10); the first sets the size every "
                                                "other one is fitted to. Or one Pictorb "
                                                "project (.pictorb), rendered as saved."),
                                 QStringLiteral("still..."));
    parser.addOptions({kLayout,      kColumns,     kXSpace,      kYSpace,        kBand,
                       kFitCaptions, kScale,       kWidth,       kHeight,        kFontSize,
                       kTextColor,   kTextOpacity, kBorderColor, kBorderOpacity, kBorder,
                       kBold,        kItalic,      kUnderline,   kStrikeOut,     kHAlign,
                       kVAlign,      kSubtitles,   kSrt,         kOutput,        kQuality,
                       kStrict,      kSaveProject, kPrintBands,  kDropRepeats});
#ifdef PICTORB_VIDEO
    parser.addOptions(VideoSheetSource::options());
#endif
}

bool SheetCommand::readStills(const QCommandLineParser& parser)
{
    if (parser.positionalArguments().isEmpty()) {
        m_error = QStringLiteral("no stills given (see --help)");
        return false;
    }
    m_stills = StillFiles::expand(parser.positionalArguments(), &m_error);
    if (m_stills.isEmpty())
        return false;
    if (isProject(m_stills.first()) && (m_stills.size() > 1 || !m_projectOutput.isEmpty())) {
        m_error = QStringLiteral("a project is rendered on its own, without other stills or "
                                 "--save-project");
        return false;
    }
    return true;
}

bool SheetCommand::readOptions(const QCommandLineParser& parser)
{
    m_strict = parser.isSet(kStrict);
    m_projectOutput = parser.value(kSaveProject);
    m_printBands = parser.isSet(kPrintBands);
    bool film = false;
#ifdef PICTORB_VIDEO
    // A film brings its own stills.
    film = VideoSheetSource::isRequested(parser);
#endif
    if (!film && !readStills(parser))
        return false;
    if (parser.isSet(kSubtitles) && parser.isSet(kSrt)) {
        m_error = QStringLiteral("--subtitles and --srt cannot be used together");
        return false;
    }
    return readChoice(parser, kLayout, kLayouts, m_params.type, m_error) &&
           readInt(parser, kColumns, 1, 10, m_params.columns, m_error) &&
           readInt(parser, kXSpace, -9999, 9999, m_params.xSpace, m_error) &&
           readInt(parser, kYSpace, -9999, 9999, m_params.ySpace, m_error) && readBands(parser) &&
           readSize(parser) && readStyle(parser) && readOutput(parser);
}

bool SheetCommand::readBands(const QCommandLineParser& parser)
{
    m_fitCaptions = parser.isSet(kFitCaptions);
    m_dropRepeats = parser.isSet(kDropRepeats);
    const bool vertical = m_params.type == MergeLayout::Vertical;
    for (const QCommandLineOption& option : {kFitCaptions, kDropRepeats}) {
        if (parser.isSet(option) && !vertical) {
            m_error =
                QStringLiteral("--%1 needs --layout vertical").arg(option.names().constLast());
            return false;
        }
    }
    if (!parser.isSet(kBand))
        return true;
    if (m_params.type == MergeLayout::Grid) {
        m_error = QStringLiteral("--band needs --layout vertical or horizontal");
        return false;
    }
    if (parser.isSet(vertical ? kYSpace : kXSpace)) {
        m_error = QStringLiteral("--band and --%1 both set the band; give one")
                      .arg(vertical ? QStringLiteral("y-space") : QStringLiteral("x-space"));
        return false;
    }
    if (parser.value(kBand) == QLatin1String("auto")) {
        if (!vertical) {
            m_error = QStringLiteral("--band auto needs --layout vertical");
            return false;
        }
        m_detectBands = true;
        return true;
    }
    return readInt(parser, kBand, 1, 9999, m_bandLength, m_error);
}

// One of --scale, --width and --height fixes the output size, as the window's linked fields.
bool SheetCommand::readSize(const QCommandLineParser& parser)
{
    const int given =
        int(parser.isSet(kScale)) + int(parser.isSet(kWidth)) + int(parser.isSet(kHeight));
    if (given > 1) {
        m_error = QStringLiteral("give one of --scale, --width and --height");
        return false;
    }
    int value = 0;
    if (parser.isSet(kWidth) || parser.isSet(kHeight)) {
        const bool width = parser.isSet(kWidth);
        if (!readInt(parser, width ? kWidth : kHeight, 1, 999999, value, m_error))
            return false;
        m_fit = width ? SheetExport::ByWidth : SheetExport::ByHeight;
        m_fitValue = value;
        return true;
    }
    if (!readInt(parser, kScale, 1, 500, value, m_error))
        return false;
    m_fitValue = value;
    return true;
}

bool SheetCommand::readStyle(const QCommandLineParser& parser)
{
    int fontSize = 0;
    if (!readInt(parser, kFontSize, 1, 100, fontSize, m_error) ||
        !readInt(parser, kBorder, 0, 500, m_style.border, m_error) ||
        !readColor(parser, kTextColor, kTextOpacity, m_style.color, m_error) ||
        !readColor(parser, kBorderColor, kBorderOpacity, m_style.borderColor, m_error))
        return false;
    m_style.fontSize = QString::number(fontSize);
    m_style.bold = parser.isSet(kBold);
    m_style.italic = parser.isSet(kItalic);
    m_style.underline = parser.isSet(kUnderline);
    m_style.strikeOut = parser.isSet(kStrikeOut);
    if (parser.isSet(kHAlign) && !readChoice(parser, kHAlign, kHorizontalAligns, m_hAlign, m_error))
        return false;
    if (parser.isSet(kVAlign) && !readChoice(parser, kVAlign, kVerticalAligns, m_vAlign, m_error))
        return false;
    return true;
}

bool SheetCommand::readOutput(const QCommandLineParser& parser)
{
    m_output = parser.value(kOutput);
    if (m_output.isEmpty() && (!m_projectOutput.isEmpty() || m_printBands))
        return true;
    if (m_output.isEmpty()) {
        m_error = QStringLiteral("no output file given (-o sheet.jpg|png|webp)");
        return false;
    }
    const QString suffix = QFileInfo(m_output).suffix().toLower();
    const QStringList known = {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"),
                               QStringLiteral("webp")};
    if (!known.contains(suffix)) {
        m_error = QStringLiteral("the output \"%1\" must end in .jpg, .png or .webp").arg(m_output);
        return false;
    }
    if (!QImageWriter::supportedImageFormats().contains(suffix.toLatin1())) {
        m_error = QStringLiteral("this installation has no %1 writer").arg(suffix.toUpper());
        return false;
    }
    m_format = suffix;
    return readInt(parser, kQuality, -1, 100, m_quality, m_error);
}

bool SheetCommand::readSubtitles(const QCommandLineParser& parser)
{
    const bool srt = parser.isSet(kSrt);
    if (!srt && !parser.isSet(kSubtitles))
        return true;
    const QString path = parser.value(srt ? kSrt : kSubtitles);
    QString text;
    if (!readText(path, text, m_error))
        return false;
    if (srt) {
        QString error;
        if (!srtEntries(text, m_subtitles, error)) {
            m_error = QStringLiteral("\"%1\": %2").arg(path, error);
            return false;
        }
    } else {
        m_subtitles = plainLines(text).replaceInStrings(QStringLiteral("|"), QStringLiteral("\\N"));
    }
    for (int i = 0; i < m_subtitles.size(); ++i) {
        if (m_subtitles.at(i).size() > ImageCaption::kMaxTextLength) {
            m_error = QStringLiteral("\"%1\": caption %2 is longer than %3 characters")
                          .arg(path)
                          .arg(i + 1)
                          .arg(ImageCaption::kMaxTextLength);
            return false;
        }
    }
    // More lines than stills would drop words; fewer leave the last stills bare, which is
    // said, as the lines may have been meant for other stills.
    const QString count = QStringLiteral("\"%1\" has %2 %3 for %4 stills")
                              .arg(path)
                              .arg(m_subtitles.size())
                              .arg(srt ? QStringLiteral("entries") : QStringLiteral("lines"))
                              .arg(m_stills.size());
    if (m_subtitles.size() > m_stills.size()) {
        m_error = count;
        return false;
    }
    if (m_subtitles.size() < m_stills.size())
        print(stderr, QStringLiteral("%1: %2; the last %3 get no caption\n")
                          .arg(kProgram, count)
                          .arg(m_stills.size() - m_subtitles.size()));
    return true;
}

// Every card shares the first still's canvas, which fixes the plan before any still is
// decoded; the size comes from the first still's header, so the first is decoded beside the
// others. A first still whose header does not tell its size is decoded here.
bool SheetCommand::findCanvas()
{
    m_canvas = ImageLoader::uprightSize(m_stills.first());
    if (m_canvas.isValid())
        return true;
    m_first = ImageLoader::load(m_stills.first(), &m_firstOutcome);
    if (m_first.isNull()) {
        m_error = QStringLiteral("cannot read the still \"%1\"").arg(m_stills.first());
        return false;
    }
    m_canvas = m_first.size();
    return true;
}

// The strip's bands on the canvas: the shared one a --band length stands for, each still's own
// around the subtitles found in it (--band auto) or around its caption (--fit-captions, which
// comes first). Stills without one take the shared band, as tall as the tallest own one unless
// a spacing or --band says otherwise.
void SheetCommand::planBands(int count)
{
    const bool vertical = m_params.type == MergeLayout::Vertical;
    const int length = vertical ? m_canvas.height() : m_canvas.width();
    int& space = vertical ? m_params.ySpace : m_params.xSpace;
    if (m_bandLength > 0)
        space = std::min(m_bandLength, length) - length;
    m_params.bands = m_detected;
    if (m_fitCaptions) {
        m_params.bands.resize(count);
        for (int i = 0; i < count; ++i) {
            const StillBand fitted = CaptionLayout(caption(i, m_canvas), m_canvas).band();
            if (fitted.isSet())
                m_params.bands[i] = fitted;
        }
    }
    int tallest = 0;
    for (const StillBand& band : qAsConst(m_params.bands))
        tallest = std::max(tallest, band.height);
    if (space >= 0 && tallest > 0)
        space = tallest - length;
}

// Every still whole, once, on as many threads as there are cores: the detector reads them, and
// the sheet is then made from them rather than from the files again.
void SheetCommand::decodeAll()
{
    const int count = int(m_stills.size());
    m_decoded = QVector<QImage>(count);
    m_outcomes = QVector<ImageLoader::Outcome>(count, ImageLoader::Outcome::Unreadable);
    // Each thread writes its own entries, through pointers taken before any thread starts.
    QImage* const decoded = m_decoded.data();
    ImageLoader::Outcome* const outcomes = m_outcomes.data();
    std::atomic_int next{0};
    runOnEveryCore(count, [&] {
        for (int i = next++; i < count; i = next++)
            decoded[i] = ImageLoader::load(m_stills.at(i), &outcomes[i]);
    });
}

// --band auto: each still's band around the subtitle lines found in it; the stills where none
// is found are named, as they take the shared band.
bool SheetCommand::detectBands()
{
    decodeAll();
    QVector<QImage> canvases;
    for (int i = 0; i < m_decoded.size(); ++i) {
        if (m_decoded.at(i).isNull()) {
            m_error = QStringLiteral("cannot read the still \"%1\"").arg(m_stills.at(i));
            return false;
        }
        canvases << ImageComposer::letterbox(m_decoded.at(i), m_canvas);
    }
    m_detected = SubtitleDetector::findAll(canvases);
    QStringList without;
    for (int i = 1; i < m_detected.size(); ++i) {
        if (!m_detected.at(i).isSet())
            without << m_stills.at(i);
    }
    if (!without.isEmpty())
        print(stderr, QStringLiteral("%1: no subtitle found in %2; the shared band is used\n")
                          .arg(kProgram, without.join(QStringLiteral(", "))));
    return true;
}

// A still's band on the canvas: its own, or the shared one the spacing leaves.
StillBand SheetCommand::bandOf(int index) const
{
    const StillBand own = m_params.bands.value(index);
    if (own.isSet())
        return own;
    const int shared = std::max(m_canvas.height() + m_params.ySpace, 1);
    return {m_canvas.height() - shared, shared};
}

// The rows of the sheet each still's band fills, the first still's too (its band rows inside
// its whole picture): what leaving a still out removes.
QVector<QRect> SheetCommand::bandRows() const
{
    const MergeLayout::Plan plan =
        MergeLayout::plan(QVector<QSize>(m_stills.size(), m_canvas), m_params);
    const StillBand first = bandOf(0);
    QVector<QRect> rows;
    for (const MergeLayout::Placement& placement : plan.placements)
        rows << (placement.index == 0 ? QRect(0, first.top, m_canvas.width(), first.height)
                                      : QRect(placement.target, placement.source.size()));
    return rows;
}

// Leaves out every still whose band shows the line of the still kept before it: its rows go
// from the sheet, which is then what the stills kept make.
void SheetCommand::dropRepeats(QImage& sheet)
{
    QVector<StillBand> bands;
    for (int i = 0; i < m_stills.size(); ++i)
        bands << bandOf(i);
    // Compared whole and captioned, as the sheet shows them; made one at a time.
    const auto still = [this](int i) {
        const QImage picture =
            m_decoded.isEmpty() ? ImageLoader::load(m_stills.at(i)) : m_decoded.at(i);
        return ImageComposer::compose(ImageComposer::letterbox(picture, m_canvas),
                                      caption(i, m_canvas));
    };
    for (int index : RepeatedLines::repeats(int(m_stills.size()), still, bands))
        m_dropped.insert(index);
    if (m_dropped.isEmpty())
        return;
    const QVector<QRect> rows = bandRows();
    int height = sheet.height();
    for (int index : qAsConst(m_dropped))
        height -= rows.at(index).height();
    QImage kept(sheet.width(), height, sheet.format());
    int y = 0;
    // The first still is whole: its rows run from the top to the second still's band.
    for (int i = 0; i < rows.size(); ++i) {
        if (m_dropped.contains(i))
            continue;
        const int top = i == 0 ? 0 : rows.at(i).top();
        const int bottom = i == 0 ? m_canvas.height() : rows.at(i).bottom() + 1;
        for (int row = top; row < bottom; ++row, ++y)
            std::memcpy(kept.scanLine(y), sheet.constScanLine(row), size_t(sheet.bytesPerLine()));
    }
    print(stderr, QStringLiteral("%1: left out %2 stills that repeat the line before them\n")
                      .arg(kProgram)
                      .arg(m_dropped.size()));
    sheet = kept;
}

// One line per still of the sheet, for scripts: its file, and the rows (columns in a row)
// of it the sheet shows.
void SheetCommand::printBands() const
{
    const MergeLayout::Plan plan =
        MergeLayout::plan(QVector<QSize>(m_stills.size(), m_canvas), m_params);
    const bool horizontal = m_params.type == MergeLayout::Horizontal;
    QString lines;
    for (const MergeLayout::Placement& placement : plan.placements) {
        if (m_dropped.contains(placement.index))
            continue;
        const QRect& band = placement.source;
        lines += QStringLiteral("%1\t%2\t%3\n")
                     .arg(m_stills.at(placement.index))
                     .arg(horizontal ? band.left() : band.top())
                     .arg(horizontal ? band.width() : band.height());
    }
    print(stdout, lines);
}

// A first still whose picture turns out another size than its header said is decoded whole
// and the sheet made again on its real size.
bool SheetCommand::buildSheet(QImage& sheet)
{
    QVector<StillDecoder::Result> results;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const QSize canvasSize = m_canvas;
        const QImage first = m_first;
        const ImageLoader::Outcome firstOutcome = m_firstOutcome;
        const MergeLayout::Plan plan =
            MergeLayout::plan(QVector<QSize>(m_stills.size(), canvasSize), m_params);
        sheet = MergeLayout::canvas(plan, MergeLayout::WhiteUncovered);
        if (sheet.isNull()) {
            m_error = QStringLiteral("a sheet of %1 x %2 pixels cannot be made")
                          .arg(plan.width)
                          .arg(plan.height);
            return false;
        }
        // Each still lands straight on the sheet, decoded (where the picture allows, only
        // the part the sheet shows) and captioned on worker threads.
        QVector<StillDecoder::Job> jobs;
        for (const MergeLayout::Placement& placement : plan.placements) {
            const MergeLayout::Placement shown =
                MergeLayout::clipped(placement, canvasSize, sheet.size());
            StillDecoder::Job job{
                m_stills.at(placement.index),         shown.source, shown.target,
                caption(placement.index, canvasSize), QImage(),     ImageLoader::Outcome::Whole};
            if (placement.index == 0 && !first.isNull()) {
                job.picture = first;
                job.outcome = firstOutcome;
            }
            if (!m_decoded.isEmpty()) {
                job.picture = m_decoded.at(placement.index);
                job.outcome = m_outcomes.at(placement.index);
            }
            jobs.append(job);
        }
        results = StillDecoder::run(jobs, canvasSize, sheet);
        const QSize firstSize = results.value(0).size;
        if (!firstSize.isValid() || firstSize == canvasSize)
            break;
        m_first = ImageLoader::load(m_stills.first(), &m_firstOutcome);
        if (m_first.isNull())
            break;
        m_canvas = m_first.size();
        planBands(int(m_stills.size()));
    }

    for (int i = 0; i < results.size(); ++i) {
        const ImageLoader::Outcome outcome = results.at(i).outcome;
        if (outcome == ImageLoader::Outcome::Unreadable ||
            outcome == ImageLoader::Outcome::TooLarge) {
            m_error = QStringLiteral("cannot read the still \"%1\"").arg(m_stills.at(i));
            return false;
        }
        if (!acceptDamage(m_stills.at(i), outcome))
            return false;
    }
    return true;
}

// The caption a card of the application gives this still: the one a new card gets (each
// card continues the position of the first, placed on the canvas), styled and aligned as
// the options say.
ImageCaption SheetCommand::caption(int index, const QSize& canvasSize) const
{
    ImageCaption caption = m_style;
    caption.text = m_subtitles.value(index);
    caption.placeOn(canvasSize);
    if (m_hAlign != ImageCaption::NoHorizontalAlign)
        caption.hAlign = m_hAlign;
    if (m_vAlign != ImageCaption::NoVerticalAlign)
        caption.vAlign = m_vAlign;
    return caption;
}

bool SheetCommand::write(const QImage& picture)
{
    // A failed write leaves no partial sheet under the final name and keeps any earlier file
    // there.
    QString error;
    if (ImageFileWriter::replace(picture, m_output, m_format, m_quality, &error))
        return true;
    m_error = QStringLiteral("cannot write \"%1\": %2").arg(m_output, error);
    return false;
}

// A damaged still is named on stderr and used as far as it could be read, or refused with
// --strict.
bool SheetCommand::acceptDamage(const QString& still, ImageLoader::Outcome outcome)
{
    if (outcome != ImageLoader::Outcome::Damaged)
        return true;
    if (m_strict) {
        m_error = QStringLiteral("the still \"%1\" is damaged (--strict)").arg(still);
        return false;
    }
    print(stderr, QStringLiteral("%1: the still \"%2\" is damaged; used as far as it could be "
                                 "read\n")
                      .arg(kProgram, still));
    return true;
}

bool SheetCommand::isProject(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("pictorb"), Qt::CaseInsensitive) == 0;
}

// What the sheet would be made of, as the window would hold it after importing these stills
// and typing these captions: a person can finish it there.
bool SheetCommand::saveProject()
{
    ProjectData project;
    project.layout = m_params;
    project.fit = m_fit;
    project.fitValue = m_fitValue;
    project.format = m_format.isEmpty() ? QString() : m_format.toUpper().replace("JPEG", "JPG");
    for (int i = 0; i < m_stills.size(); ++i) {
        ImageLoader::Outcome outcome = ImageLoader::Outcome::Unreadable;
        ProjectStill still;
        still.picture = ImageLoader::load(m_stills.at(i), &outcome);
        if (still.picture.isNull()) {
            m_error = QStringLiteral("cannot read the still \"%1\"").arg(m_stills.at(i));
            return false;
        }
        if (!acceptDamage(m_stills.at(i), outcome))
            return false;
        if (i == 0)
            project.canvas = still.picture.size();
        still.origin = StillOrigin::fromFile(m_stills.at(i));
        still.caption = caption(i, project.canvas);
        still.band = m_params.bands.value(i);
        still.checked = !m_dropped.contains(i);
        project.stills << still;
    }
    QString error;
    if (!ProjectFile::write(m_projectOutput, project, &error)) {
        m_error = QStringLiteral("cannot write \"%1\": %2").arg(m_projectOutput, error);
        return false;
    }
    return true;
}

// The ticked stills of a project merged as the window's Export merges its cards.
QImage SheetCommand::renderProject(const ProjectData& project) const
{
    QList<const ProjectStill*> ticked;
    for (const ProjectStill& still : project.stills) {
        if (still.checked)
            ticked << &still;
    }
    MergeLayout::Params params = project.layout;
    for (const ProjectStill* still : qAsConst(ticked))
        params.bands << still->band;
    const MergeLayout::Plan plan =
        MergeLayout::plan(QVector<QSize>(ticked.size(), project.canvas), params);
    QImage sheet = MergeLayout::canvas(plan);
    for (const MergeLayout::Placement& placement : plan.placements) {
        const ProjectStill* still = ticked.at(placement.index);
        MergeLayout::place(
            sheet,
            ImageComposer::compose(ImageComposer::letterbox(still->picture, project.canvas),
                                   still->caption),
            placement);
    }
    return sheet;
}

#ifdef PICTORB_VIDEO
// The sheet of a film: its stills, and their captions from the subtitle lines.
bool SheetCommand::readVideo(const QCommandLineParser& parser, QImage& sheet, int& code)
{
    bool usage = false;
    if (!m_projectOutput.isEmpty()) {
        m_error = QStringLiteral("--save-project is not made from --video; open the film in "
                                 "Pictorb instead");
        code = UsageError;
        return false;
    }
    // These read the stills' pixels or name their files; a film's stills are neither.
    if (m_detectBands || m_dropRepeats || m_printBands) {
        m_error = QStringLiteral("--band auto, --drop-repeats and --print-bands are not made "
                                 "from --video; use --band with a length, or --fit-captions");
        code = UsageError;
        return false;
    }
    if (!m_video.read(parser, kSubtitles, &usage, &m_error)) {
        code = usage ? UsageError : Failure;
        return false;
    }
    m_subtitles = m_video.captions();
    code = Failure;
    // The bands are planned once the first frame gives the film's size.
    const auto paramsFor = [this](const QSize& canvas) {
        m_canvas = canvas;
        planBands(int(m_subtitles.size()));
        return m_params;
    };
    return m_video.makeSheet(
        paramsFor, [this](int position, const QSize& canvas) { return caption(position, canvas); },
        &sheet, &m_error);
}
#endif

int SheetCommand::fail(int code) const
{
    print(stderr, QStringLiteral("%1: %2\n").arg(kProgram, m_error));
    return code;
}

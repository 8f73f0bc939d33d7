#include "core/captions/SubtitleFile.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QTextCodec>

namespace {

// "h:mm:ss.cc" (ASS), "hh:mm:ss,mmm" (SubRip) or "[hh:]mm:ss.mmm" (WebVTT).
enum class Fraction
{
    Decimal,     // SubRip and WebVTT: ".5" is half a second
    Centiseconds // ASS: a count of centiseconds, as players read it (Pictorb writes "1.5" for 1.05
                 // s)
};

qint64 clockMs(const QString& text, Fraction kind = Fraction::Decimal)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*(?:(\\d+):)?(\\d{1,2}):(\\d{1,2})(?:[.,](\\d{1,3}))?\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return -1;
    const QString fraction = match.captured(4);
    const qint64 fractionMs = kind == Fraction::Centiseconds
                                  ? fraction.toLongLong() * 10
                                  // ".5" is half a second, as ".50" and ".500" are.
                                  : fraction.leftJustified(3, QLatin1Char('0')).toLongLong();
    return ((match.captured(1).toLongLong() * 60 + match.captured(2).toLongLong()) * 60 +
            match.captured(3).toLongLong()) *
               1000 +
           fractionMs;
}

QString plainText(QString text)
{
    static const QRegularExpression tag(
        QStringLiteral("</?[A-Za-z][^<>]*>|<\\d+:\\d+[^<>]*>|\\{[^}]*\\}"));
    text.remove(tag);
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    QStringList rows = text.split(QLatin1Char('\n'));
    for (QString& row : rows)
        row = row.trimmed();
    rows.removeAll(QString());
    return rows.join(QLatin1Char('\n'));
}

// The text of a Dialogue line as the player shows it: override blocks left out, the breaks
// \N and \n and the hard space \h turned into their characters, and the escaped braces \{ and
// \} kept as braces.
QString assText(const QString& text)
{
    QString shown;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const QChar next = i + 1 < text.size() ? text.at(i + 1) : QChar();
        if (c == QLatin1Char('{')) {
            // A brace that opens no block is shown as it is.
            const int close = text.indexOf(QLatin1Char('}'), i);
            if (close < 0)
                shown += c;
            else
                i = close;
        } else if (c == QLatin1Char('\\') &&
                   (next == QLatin1Char('N') || next == QLatin1Char('n'))) {
            shown += QLatin1Char('\n');
            ++i;
        } else if (c == QLatin1Char('\\') && next == QLatin1Char('h')) {
            shown += QLatin1Char(' ');
            ++i;
        } else if (c == QLatin1Char('\\') &&
                   (next == QLatin1Char('{') || next == QLatin1Char('}'))) {
            shown += next;
            ++i;
        } else {
            shown += c;
        }
    }
    QStringList rows = shown.split(QLatin1Char('\n'));
    for (QString& row : rows)
        row = row.trimmed();
    rows.removeAll(QString());
    return rows.join(QLatin1Char('\n'));
}

// SubRip and WebVTT: blocks apart by blank lines, each with a "start --> end" line followed by
// the text; a number or cue name before it and cue settings after it are left aside.
QList<SubtitleLine> cueLines(const QString& text)
{
    static const QRegularExpression blank(QStringLiteral("\\n[ \\t]*\\n"));
    static const QRegularExpression arrow(QStringLiteral("^(.*?)-->\\s*(\\S+)"));
    QList<SubtitleLine> lines;
    for (const QString& block : text.split(blank, Qt::SkipEmptyParts)) {
        const QStringList rows = block.split(QLatin1Char('\n'));
        for (int i = 0; i < rows.size() && i < 2; ++i) {
            const QRegularExpressionMatch match = arrow.match(rows.at(i));
            if (!match.hasMatch())
                continue;
            const qint64 start = clockMs(match.captured(1));
            const qint64 end = clockMs(match.captured(2));
            if (start < 0 || end < 0)
                break;
            const QString words = plainText(rows.mid(i + 1).join(QLatin1Char('\n')));
            if (!words.isEmpty())
                lines.append({start, std::max(start, end), words});
            break;
        }
    }
    return lines;
}

// ASS and SSA: the "Dialogue:" lines of [Events], their fields named by its "Format:" line; the
// text is the last field and may itself hold commas.
QList<SubtitleLine> dialogueLines(const QString& text)
{
    QStringList format = {QStringLiteral("layer"),   QStringLiteral("start"),
                          QStringLiteral("end"),     QStringLiteral("style"),
                          QStringLiteral("name"),    QStringLiteral("marginl"),
                          QStringLiteral("marginr"), QStringLiteral("marginv"),
                          QStringLiteral("effect"),  QStringLiteral("text")};
    QList<SubtitleLine> lines;
    bool events = false;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString row = raw.trimmed();
        if (row.startsWith(QLatin1Char('['))) {
            events = row.compare(QLatin1String("[Events]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!events)
            continue;
        if (row.startsWith(QLatin1String("Format:"), Qt::CaseInsensitive)) {
            format = row.mid(7).toLower().remove(QLatin1Char(' ')).split(QLatin1Char(','));
            continue;
        }
        if (!row.startsWith(QLatin1String("Dialogue:"), Qt::CaseInsensitive))
            continue;
        const QString body = row.mid(9);
        QStringList fields;
        int from = 0;
        for (int i = 0; i + 1 < format.size(); ++i) {
            const int comma = body.indexOf(QLatin1Char(','), from);
            if (comma < 0)
                break;
            fields << body.mid(from, comma - from).trimmed();
            from = comma + 1;
        }
        fields << body.mid(from);
        if (fields.size() != format.size())
            continue;
        const qint64 start =
            clockMs(fields.value(format.indexOf(QStringLiteral("start"))), Fraction::Centiseconds);
        const qint64 end =
            clockMs(fields.value(format.indexOf(QStringLiteral("end"))), Fraction::Centiseconds);
        const QString words = assText(fields.value(format.indexOf(QStringLiteral("text"))));
        if (start >= 0 && end >= 0 && !words.isEmpty())
            lines.append({start, std::max(start, end), words});
    }
    return lines;
}

} // namespace

namespace SubtitleFile {

QList<SubtitleLine> parse(const QString& source)
{
    QString text = source;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    static const QRegularExpression assHeader(
        QStringLiteral("^\\s*\\[(Script Info|Events|V4\\+? Styles)\\]"),
        QRegularExpression::MultilineOption | QRegularExpression::CaseInsensitiveOption);
    QList<SubtitleLine> lines =
        assHeader.match(text).hasMatch() ? dialogueLines(text) : cueLines(text);
    std::stable_sort(lines.begin(), lines.end(), [](const SubtitleLine& a, const SubtitleLine& b) {
        return a.startMs < b.startMs;
    });
    return lines;
}

bool read(const QString& path, QList<SubtitleLine>* lines, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    if (file.size() > kMaxBytes) {
        *error = QCoreApplication::translate("SubtitleFile", "larger than %1 MiB")
                     .arg(kMaxBytes / (1024 * 1024));
        return false;
    }
    const QByteArray bytes = file.readAll();
    // UTF-8 unless a byte-order mark says UTF-16 or UTF-32.
    QTextCodec* codec = QTextCodec::codecForUtfText(bytes, QTextCodec::codecForName("UTF-8"));
    *lines = parse(codec->toUnicode(bytes));
    if (lines->isEmpty()) {
        *error = QCoreApplication::translate("SubtitleFile", "no timed subtitle line");
        return false;
    }
    return true;
}

bool isSubtitleFile(const QString& path)
{
    static const QStringList suffixes = {QStringLiteral("srt"), QStringLiteral("vtt"),
                                         QStringLiteral("ass"), QStringLiteral("ssa")};
    return suffixes.contains(QFileInfo(path).suffix().toLower());
}

QList<int> linesBetween(const QList<SubtitleLine>& lines, double from, double to)
{
    QList<int> chosen;
    for (int i = 0; i < lines.size(); ++i) {
        const double middle = lines.at(i).middleSeconds();
        if (middle >= from && (to < 0 || middle <= to))
            chosen << i;
    }
    return chosen;
}

} // namespace SubtitleFile

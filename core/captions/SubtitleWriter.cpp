#include "core/captions/SubtitleWriter.h"

#include <algorithm>

#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include "core/captions/AssScriptWriter.h"
#include "core/captions/CaptionInfo.h"
#include "core/captions/CaptionListEdit.h"

namespace {

// "hh:mm:ss,mmm" in SubRip, "hh:mm:ss.mmm" in WebVTT.
QString cueTime(int ms, QChar separator)
{
    QString text = CaptionListEdit::clockText(ms);
    text[text.size() - 4] = separator;
    return text;
}

} // namespace

SubtitleWriter::Format SubtitleWriter::formatOf(const QString& path, Format fallback)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("srt"))
        return Format::Srt;
    if (suffix == QLatin1String("vtt"))
        return Format::WebVtt;
    if (suffix == QLatin1String("ass"))
        return Format::Ass;
    return fallback;
}

QString SubtitleWriter::suffix(Format format)
{
    switch (format) {
    case Format::Srt:
        return QStringLiteral("srt");
    case Format::WebVtt:
        return QStringLiteral("vtt");
    case Format::Ass:
        break;
    }
    return QStringLiteral("ass");
}

QString SubtitleWriter::cueText(const QString& text, Format format)
{
    QString plain = text;
    plain.replace(QLatin1String("\\N"), QLatin1String("\n"));
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (format == Format::WebVtt) {
        // WebVTT text is markup: "<" and "&" stand for themselves only when escaped, and "-->"
        // would read as a timing line.
        plain.replace(QLatin1Char('&'), QLatin1String("&amp;"));
        plain.replace(QLatin1Char('<'), QLatin1String("&lt;"));
        plain.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    }
    QStringList rows = plain.split(QLatin1Char('\n'));
    for (QString& row : rows)
        row = row.trimmed();
    rows.removeAll(QString());
    return rows.join(QLatin1Char('\n'));
}

bool SubtitleWriter::write(const QString& path, const QList<CaptionInfo*>& captions, Format format,
                           const QStringList& blocks, QString* error)
{
    if (format == Format::Ass) {
        if (AssScriptWriter::write(path, captions, AssScriptWriter::Kind::Update, blocks))
            return true;
        *error = tr("the file cannot be written");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    QTextStream out(&file);
    out.setCodec("UTF-8");
    if (format == Format::WebVtt)
        out << "WEBVTT\n\n";
    const QChar separator = format == Format::Srt ? QLatin1Char(',') : QLatin1Char('.');
    int number = 0;
    for (const CaptionInfo* caption : captions) {
        QString text = cueText(caption->text, format);
        // A cue without text would end where its text should start; it keeps a space.
        if (text.isEmpty())
            text = QStringLiteral(" ");
        out << ++number << '\n'
            << cueTime(CaptionInfo::timeMs(caption->startTime), separator) << " --> "
            << cueTime(CaptionInfo::timeMs(caption->endTime), separator) << '\n'
            << text << "\n\n";
    }
    out.flush();
    if (out.status() != QTextStream::Ok || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

#include "core/speech/SpeechReply.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QChar kWordJoiner(0x2060);

// A time as milliseconds; `scale` turns the unit sent into milliseconds. Anything that is not
// a finite number reads as -1, which the repair then mends.
qint64 readTime(const QJsonValue& value, double scale)
{
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        return -1;
    const double ms = std::round(value.toDouble() * scale);
    return qint64(std::clamp(ms, -1.0, double(INT_MAX)));
}

SpeechLine readLine(const QJsonObject& item, SpeechReply::Format format)
{
    const bool segments = format == SpeechReply::Format::Segments;
    const double scale = segments ? 1000.0 : 1.0;
    SpeechLine line;
    line.startMs = readTime(
        item.value(segments ? QStringLiteral("start") : QStringLiteral("start_time")), scale);
    line.endMs =
        readTime(item.value(segments ? QStringLiteral("end") : QStringLiteral("end_time")), scale);
    line.text = item.value(QStringLiteral("text")).toString().trimmed();
    return line;
}

} // namespace

bool SpeechReply::read(const QByteArray& body, Format format, qint64 durationMs,
                       QList<SpeechLine>* lines, Repairs* repairs)
{
    lines->clear();
    *repairs = NoRepair;
    if (body.size() > kMaxBytes) {
        qWarning() << "Recognition answer of" << body.size() << "bytes refused";
        return false;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    const QString member =
        format == Format::Segments ? QStringLiteral("segments") : QStringLiteral("utterances");
    const QJsonValue list = document.object().value(member);
    if (!document.isObject() || !list.isArray()) {
        qWarning() << "Recognition answer without" << member << error.errorString();
        return false;
    }
    for (const QJsonValue& item : list.toArray()) {
        SpeechLine line = readLine(item.toObject(), format);
        if (line.startMs < 0 || line.endMs < 0 || line.endMs < line.startMs)
            *repairs |= Reordered;
        line.startMs = std::max<qint64>(line.startMs, 0);
        line.endMs = std::max<qint64>(line.endMs, 0);
        if (line.endMs < line.startMs)
            std::swap(line.startMs, line.endMs);
        if (durationMs > 0 && line.endMs > durationMs) {
            *repairs |= Clamped;
            line.endMs = durationMs;
            line.startMs = std::min(line.startMs, durationMs);
        }
        lines->append(line);
    }
    const auto earlier = [](const SpeechLine& a, const SpeechLine& b) {
        return a.startMs < b.startMs;
    };
    if (!std::is_sorted(lines->cbegin(), lines->cend(), earlier)) {
        *repairs |= Reordered;
        std::stable_sort(lines->begin(), lines->end(), earlier);
    }
    if (*repairs != NoRepair)
        qWarning() << "Recognised times mended:" << int(*repairs);
    return true;
}

QByteArray SpeechReply::toResult(const QList<SpeechLine>& lines)
{
    QJsonArray utterances;
    for (const SpeechLine& line : lines) {
        utterances.append(QJsonObject{{QStringLiteral("start_time"), double(line.startMs)},
                                      {QStringLiteral("end_time"), double(line.endMs)},
                                      {QStringLiteral("text"), literalText(line.text)}});
    }
    const QJsonObject result{{QStringLiteral("state"), QStringLiteral("success")},
                             {QStringLiteral("utterances"), utterances}};
    return QJsonDocument(result).toJson(QJsonDocument::Compact);
}

QString SpeechReply::literalText(const QString& text)
{
    QString literal;
    literal.reserve(text.size() + text.size() / 8);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        literal += c;
        if (c == QLatin1Char('\\') ||
            (c == QLatin1Char('{') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\\')))
            literal += kWordJoiner;
    }
    return literal;
}

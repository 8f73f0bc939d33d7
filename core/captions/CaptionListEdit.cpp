#include "core/captions/CaptionListEdit.h"

#include <algorithm>
#include <climits>

#include <QRegularExpression>

namespace {

int startOf(const CaptionInfo& caption)
{
    return CaptionInfo::timeMs(caption.startTime);
}

int endOf(const CaptionInfo& caption)
{
    return CaptionInfo::timeMs(caption.endTime);
}

void setTimesOf(CaptionInfo& caption, int startMs, int endMs)
{
    caption.startTime = CaptionInfo::timeText(CaptionListEdit::rounded(startMs));
    caption.endTime = CaptionInfo::timeText(CaptionListEdit::rounded(endMs));
}

} // namespace

int CaptionListEdit::rounded(int ms)
{
    return int(std::clamp<qint64>((qint64(ms) + 5) / 10 * 10, 0, INT_MAX / 10 * 10));
}

int CaptionListEdit::parseClock(const QString& text)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*(?:(?:(\\d{1,4}):)?(\\d{1,2}):)?(\\d{1,2})(?:[.,](\\d{1,3}))?\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return -1;
    const qint64 minutes = match.captured(2).toLongLong();
    const qint64 seconds = match.captured(3).toLongLong();
    // With hours or minutes before them, minutes and seconds stop at 59.
    if ((!match.captured(1).isEmpty() && minutes > 59) ||
        (!match.captured(2).isEmpty() && seconds > 59))
        return -1;
    // ".5" is half a second.
    const qint64 fraction = match.captured(4).leftJustified(3, QLatin1Char('0')).toLongLong();
    const qint64 ms =
        ((match.captured(1).toLongLong() * 60 + minutes) * 60 + seconds) * 1000 + fraction;
    return ms > INT_MAX ? -1 : int(ms);
}

QString CaptionListEdit::clockText(int ms)
{
    const int bounded = std::max(0, ms);
    return QStringLiteral("%1:%2:%3.%4")
        .arg(bounded / 3600000, 2, 10, QLatin1Char('0'))
        .arg(bounded / 60000 % 60, 2, 10, QLatin1Char('0'))
        .arg(bounded / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(bounded % 1000, 3, 10, QLatin1Char('0'));
}

bool CaptionListEdit::valid(const QList<CaptionInfo>& list, int position, QString* error)
{
    if (position >= 0 && position < list.size())
        return true;
    *error = tr("There is no such line.");
    return false;
}

void CaptionListEdit::renumber(QList<CaptionInfo>& list)
{
    std::stable_sort(list.begin(), list.end(), [](const CaptionInfo& a, const CaptionInfo& b) {
        return startOf(a) < startOf(b);
    });
    for (int i = 0; i < list.size(); ++i) {
        CaptionInfo& caption = list[i];
        // A style of its own is named after the number, so it follows the new number.
        const bool own = caption.styleName == QStringLiteral("Style%1").arg(caption.index);
        caption.index = i + 1;
        if (own)
            caption.setOwnStyle(true);
    }
}

bool CaptionListEdit::setText(QList<CaptionInfo>& list, int position, const QString& text,
                              QString* error)
{
    if (!valid(list, position, error))
        return false;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        *error = tr("A line needs some text; delete the line instead.");
        return false;
    }
    list[position].setText(trimmed);
    return true;
}

bool CaptionListEdit::setTimes(QList<CaptionInfo>& list, int* position, int startMs, int endMs,
                               QString* error)
{
    if (!valid(list, *position, error))
        return false;
    if (startMs < 0 || endMs < 0) {
        *error = tr("A time cannot lie before the start of the film.");
        return false;
    }
    if (rounded(endMs) < rounded(startMs)) {
        *error = tr("A line cannot end before it starts.");
        return false;
    }
    CaptionInfo edited = list.takeAt(*position);
    setTimesOf(edited, startMs, endMs);
    // Where it goes among the others; equal starts keep the edited line first.
    const int start = startOf(edited);
    const auto at = std::find_if(list.cbegin(), list.cend(),
                                 [start](const CaptionInfo& c) { return startOf(c) >= start; });
    *position = int(at - list.cbegin());
    list.insert(*position, edited);
    renumber(list);
    return true;
}

bool CaptionListEdit::remove(QList<CaptionInfo>& list, int position, QString* error)
{
    if (!valid(list, position, error))
        return false;
    list.removeAt(position);
    renumber(list);
    return true;
}

bool CaptionListEdit::split(QList<CaptionInfo>& list, int position, int at, QString* error)
{
    if (!valid(list, position, error))
        return false;
    const CaptionInfo& caption = list.at(position);
    const QString first = caption.text.left(at).trimmed();
    const QString second = caption.text.mid(at).trimmed();
    if (at <= 0 || at >= caption.text.size() || first.isEmpty() || second.isEmpty()) {
        *error = tr("Put the text cursor between two words of the line to split it there.");
        return false;
    }
    const int start = startOf(caption);
    const int end = endOf(caption);
    const int middle =
        rounded(start + int(qint64(end - start) * at / std::max(1, int(caption.text.size()))));
    CaptionInfo later = caption.detached();
    CaptionInfo& earlier = list[position];
    earlier.setText(first);
    // As between recognised lines, the first ends 10 ms before the next starts so the two are
    // never shown together.
    setTimesOf(earlier, start, std::max(start, middle - 10));
    later.setText(second);
    later.sourceText = second;
    setTimesOf(later, middle, std::max(middle, end));
    list.insert(position + 1, later);
    renumber(list);
    return true;
}

bool CaptionListEdit::mergeWithNext(QList<CaptionInfo>& list, int position, QString* error)
{
    if (!valid(list, position, error))
        return false;
    if (position + 1 >= list.size()) {
        *error = tr("The last line has no next line to merge with.");
        return false;
    }
    const CaptionInfo next = list.takeAt(position + 1);
    CaptionInfo& caption = list[position];
    caption.setText(caption.text + QLatin1Char(' ') + next.text);
    setTimesOf(caption, startOf(caption), std::max(endOf(caption), endOf(next)));
    renumber(list);
    return true;
}

bool CaptionListEdit::shift(QList<CaptionInfo>& list, int offsetMs, QString* error)
{
    if (list.isEmpty()) {
        *error = tr("There are no lines to shift.");
        return false;
    }
    for (CaptionInfo& caption : list) {
        const auto moved = [offsetMs](int ms) {
            return int(std::clamp<qint64>(qint64(ms) + offsetMs, 0, INT_MAX));
        };
        setTimesOf(caption, moved(startOf(caption)), moved(endOf(caption)));
    }
    renumber(list);
    return true;
}

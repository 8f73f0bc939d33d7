#include "core/video/VideoTime.h"

#include <cmath>

#include <QRegularExpression>
#include <QStringList>

namespace VideoTime {

qint64 frameAt(double seconds, double fps)
{
    if (!std::isfinite(seconds) || seconds < 0 || !(fps > 0))
        return 0;
    return qint64(std::floor(seconds * fps + 0.05));
}

QString text(double seconds, double fps)
{
    if (!std::isfinite(seconds) || seconds < 0)
        seconds = 0;
    qint64 whole = qint64(std::floor(seconds + 1e-6));
    int frame = 0;
    if (fps > 0) {
        // The second a frame belongs to is the one its middle lies in; it is counted among the
        // frames that begin in that second.
        const qint64 number = frameAt(seconds, fps);
        whole = qint64(std::floor((double(number) + 0.5) / fps));
        frame = int(number - qint64(std::ceil(double(whole) * fps - 1e-9)));
    }
    return QStringLiteral("%1:%2:%3:%4")
        .arg(whole / 3600, 2, 10, QLatin1Char('0'))
        .arg(whole / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(whole % 60, 2, 10, QLatin1Char('0'))
        .arg(frame, 2, 10, QLatin1Char('0'));
}

bool parse(const QString& text, double* seconds)
{
    static const QRegularExpression form(
        QStringLiteral("^(?:(?:(\\d+):)?(\\d+):)?(\\d+)(?:[.,](\\d+))?$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return false;
    const bool clock = !match.captured(2).isEmpty();
    const double hours = match.captured(1).toDouble();
    const double minutes = match.captured(2).toDouble();
    const double secs = match.captured(3).toDouble();
    // Minutes and seconds of a clock time stay below 60; a bare number of seconds may be any.
    if (clock && (secs >= 60 || (!match.captured(1).isEmpty() && minutes >= 60)))
        return false;
    const QString fraction = match.captured(4);
    const double part =
        fraction.isEmpty() ? 0.0 : fraction.toDouble() / std::pow(10.0, double(fraction.size()));
    *seconds = hours * 3600 + minutes * 60 + secs + part;
    return true;
}

} // namespace VideoTime

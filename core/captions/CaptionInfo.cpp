#include "core/captions/CaptionInfo.h"

#include <algorithm>
#include <limits>

#include <QStringList>

CaptionInfo::CaptionInfo() : style(std::make_shared<AssStyle>())
{
}

QString CaptionInfo::timeText(int ms)
{
    // Truncating division keeps the sign in every part: -10 ms is 0:0:0.-1.
    return QStringLiteral("%1:%2:%3.%4")
        .arg(ms / 1000 / 60 / 60)
        .arg(ms / 1000 / 60 % 60)
        .arg(ms / 1000 % 60)
        .arg(ms % 1000 / 10);
}

int CaptionInfo::timeMs(const QString& text)
{
    const QStringList clock = text.split(QLatin1Char(':'));
    const QStringList seconds = clock.value(2).split(QLatin1Char('.'));
    // Anything missing or not a number counts as 0.
    const auto number = [](const QString& part) -> qint64 { return part.trimmed().toInt(); };
    const qint64 hours = number(clock.value(0));
    const qint64 minutes = number(clock.value(1));
    const qint64 centis =
        ((hours * 60 + minutes) * 60 + number(seconds.value(0))) * 100 + number(seconds.value(1));
    // Hand-written text can exceed what a millisecond count holds.
    return int(std::clamp<qint64>(centis * 10, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

void CaptionInfo::setOwnStyle(bool own)
{
    styleName = own ? QStringLiteral("Style%1").arg(index) : QStringLiteral("Default");
    style->Name = styleName;
}

void CaptionInfo::setText(const QString& value)
{
    text = value;
    searchText = value;
}

CaptionInfo CaptionInfo::detached() const
{
    CaptionInfo copy = *this;
    copy.style = std::make_shared<AssStyle>(*style);
    if (edit)
        copy.edit = std::make_shared<CaptionEdit>(*edit);
    copy.overrides.clear();
    for (const auto& pair : overrides)
        copy.overrides << std::make_shared<CaptionOverride>(*pair);
    return copy;
}

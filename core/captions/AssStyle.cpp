#include "core/captions/AssStyle.h"

#include <iterator>

#include <QStringList>

namespace {

const QString kStylePrefix = QStringLiteral("Style: ");

// The order of the "[V4+ Styles]" format line.
QString AssStyle::*const kFields[] = {
    &AssStyle::Name,
    &AssStyle::Fontname,
    &AssStyle::Fontsize,
    &AssStyle::PrimaryColour,
    &AssStyle::SecondaryColour,
    &AssStyle::OutlineColour,
    &AssStyle::BackColour,
    &AssStyle::Bold,
    &AssStyle::Italic,
    &AssStyle::Underline,
    &AssStyle::StrikeOut,
    &AssStyle::ScaleX,
    &AssStyle::ScaleY,
    &AssStyle::Spacing,
    &AssStyle::Angle,
    &AssStyle::BorderStyle,
    &AssStyle::Outline,
    &AssStyle::Shadow,
    &AssStyle::Alignment,
    &AssStyle::MarginL,
    &AssStyle::MarginR,
    &AssStyle::MarginV,
    &AssStyle::Encoding,
};

} // namespace

QString AssStyle::defaultStyleLine()
{
    return QStringLiteral("Style: Default,%1,%2,&H00FFFFFF,&H000000FF,&H00000000,&H80000000,0,0,"
                          "0,0,100,100,0,0,1,1,1,2,20,20,20,1")
        .arg(QStringLiteral("Microsoft YaHei UI"))
        .arg(18);
}

void AssStyle::fromStyleLine(const QString& line)
{
    const QString body = line.startsWith(kStylePrefix) ? line.mid(kStylePrefix.size()) : line;
    const QStringList parts = body.split(QLatin1Char(','));
    // A short line leaves the fields it does not reach as they were; surplus parts are not read.
    const int count = std::min(parts.size(), int(std::size(kFields)));
    for (int i = 0; i < count; ++i)
        this->*kFields[i] = parts.at(i).trimmed();
}

QString AssStyle::toStyleLine() const
{
    QStringList parts;
    parts.reserve(int(std::size(kFields)));
    for (QString AssStyle::*member : kFields)
        parts << this->*member;
    return kStylePrefix + parts.join(QLatin1Char(','));
}

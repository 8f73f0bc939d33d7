#pragma once

#include <QMetaType>
#include <QPixmap>

namespace AppConfig {

// One picture captured from the video panel, as it travels on the event bus.
struct CaptureData
{
    QPixmap image;
    double position = 0.0;
    int index = 0;
    // The caption the card starts with (a subtitle line's text); empty for none.
    QString text;
};

} // namespace AppConfig

Q_DECLARE_METATYPE(AppConfig::CaptureData)

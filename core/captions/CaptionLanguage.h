#pragma once

#include <QString>

// One entry of the recognition language table: the display name (translation source text
// of the context "CaptionManager"), the code the speech service and the work-file names use,
// and the service's own number for it.
struct CaptionLanguage
{
    QString name;
    QString code;
    int id = 0;
};

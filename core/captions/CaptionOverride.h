#pragma once

#include <QString>

// An ASS override block and the caption text it was made for.
struct CaptionOverride
{
    QString tags;
    QString text;
};

#pragma once

#include <QString>
#include <QStringList>

// The picture files a folder or a name pattern stands for, in the order a person reads their
// names (frame_2 before frame_10): for a folder dropped on the window, or stills given on a
// command line as a folder or as a pattern no shell expanded ("stills/*.png").
class StillFiles final
{
public:
    // The pictures directly in `folder` (not in its subfolders) that Qt can read.
    static QStringList picturesIn(const QString& folder);
    // Each argument as it stands, a folder as its pictures, a pattern (with * ? or [) as the
    // files it matches in its folder; `error` names an argument that gives no file.
    static QStringList expand(const QStringList& arguments, QString* error);
    static bool isPattern(const QString& argument);

private:
    StillFiles() = delete;
};

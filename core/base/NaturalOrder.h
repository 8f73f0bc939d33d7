#pragma once

#include <QString>
#include <QStringList>

// File names in the order a person reads them: runs of digits compare as numbers (frame_2
// before frame_10), the rest as text, letter case aside. Works the same whatever collation
// support the toolkit was built with.
class NaturalOrder final
{
public:
    static bool less(const QString& left, const QString& right);
    // Sorts paths by their file names, then by the whole path.
    static void sort(QStringList& paths);

private:
    NaturalOrder() = delete;
};

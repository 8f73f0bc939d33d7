#pragma once

#include <QString>
#include <QStringList>

// Where work files and output go, and the collision-free names that keep every existing file
// of the user's. Folder names use "/"; only the shell calls see native separators.
class Paths final
{
public:
    // The first temporary location + "/" + sub, made if missing; empty without one.
    static QString tempDir(const QString& sub);
    // The user's Pictures folder + "/" + sub, made if missing.
    static QString picturesDir(const QString& sub);
    // The folder itself once it exists, else the "Pictorb" folder under Pictures.
    static QString ensureDir(const QString& path);
    // dir/baseName.suffix, or the first free dir/baseName(n).suffix.
    static QString freeFileName(const QString& dir, const QString& baseName, const QString& suffix);

    // The output folder: the stored one, or "Pictorb" under Pictures when none is stored or
    // the stored one cannot be made.
    static QString outputDir();
    // The working folder of exports inside the output folder.
    static QString exportWorkDir();
    // Moves the files into `folder` under free names; a file whose copy fails stays where it
    // is and is left out of the result.
    static QStringList moveIntoFolder(const QStringList& files, const QString& folder);

private:
    Paths() = delete;
};

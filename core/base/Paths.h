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

    // The output folder: the stored one, or "Pictorb" under Pictures when none is stored, or
    // the stored one is relative (to a working folder nobody chose) or cannot be made; then
    // `refused` receives the stored folder that was passed over.
    static QString outputDir(QString* refused = nullptr);
    // The working folder of exports inside the output folder, and its removal once an export
    // has left nothing in it.
    static QString exportWorkDir();
    static void removeExportWorkDirIfEmpty();
    // Moves the files into `folder` under free names, never replacing a file; a file that
    // cannot be moved stays where it is and is left out of the result, its reason in `error`.
    static QStringList moveIntoFolder(const QStringList& files, const QString& folder,
                                      QString* error = nullptr);

private:
    Paths() = delete;
};

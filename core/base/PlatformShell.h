#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The one place that knows how the desktop's file manager is asked to show files:
// the Windows shell on Windows, the freedesktop FileManager1 interface elsewhere.
class PlatformShell final
{
public:
    // Tests install a handler to observe what would be revealed instead of a real file
    // manager; it receives the files to select (or a single folder to open).
    using RevealHandler = std::function<void(const QStringList& paths)>;
    static void setRevealHandler(RevealHandler handler);

    // Opens the folder of the first file with every listed file selected.
    static void showFilesSelected(const QStringList& files);
    // Opens the containing folder with this one file selected.
    static void revealFile(const QString& file);
    // Opens a folder.
    static void openDirectory(const QString& dir);

private:
    static RevealHandler& handler();
    static void showNative(const QStringList& files);
};

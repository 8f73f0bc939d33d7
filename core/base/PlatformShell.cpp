#include "core/base/PlatformShell.h"

#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#ifdef Q_OS_WIN
#include <QProcess>
#include <shlobj.h>
#include <windows.h>
#else
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#endif

#include <vector>

void PlatformShell::setRevealHandler(RevealHandler revealHandler)
{
    handler() = std::move(revealHandler);
}

PlatformShell::RevealHandler& PlatformShell::handler()
{
    static RevealHandler revealHandler;
    return revealHandler;
}

void PlatformShell::showFilesSelected(const QStringList& files)
{
    // The folder is taken from the first file, so without files there is nothing to open.
    if (files.isEmpty())
        return;
    if (handler()) {
        handler()(files);
        return;
    }
    showNative(files);
}

void PlatformShell::openDirectory(const QString& dir)
{
    if (handler()) {
        handler()({dir});
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(dir));
}

#ifdef Q_OS_WIN

static QString shellResultText(HRESULT hr)
{
    if (hr >= 0x80040200 && hr <= 0x8004FFFF)
        return QString::asprintf("IDispatch error #%d", int(hr - 0x80040200));
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, DWORD(hr), 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    if (length == 0 || !buffer)
        return QString::asprintf("Unknown error 0x%0lX", static_cast<unsigned long>(hr));
    QString text = QString::fromWCharArray(buffer, int(length));
    LocalFree(buffer);
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    return text;
}

void PlatformShell::revealFile(const QString& file)
{
    if (handler()) {
        handler()({file});
        return;
    }
    QProcess::startDetached(QStringLiteral("explorer"),
                            {QStringLiteral("/select,"), QDir::toNativeSeparators(file)});
}

void PlatformShell::showNative(const QStringList& files)
{
    constexpr int kMaxFiles = 20480;
    std::vector<PIDLIST_ABSOLUTE> items;
    for (const QString& file : files.mid(0, kMaxFiles)) {
        const std::wstring native = QDir::toNativeSeparators(file).toStdWString();
        if (PIDLIST_ABSOLUTE item = ILCreateFromPathW(native.c_str()))
            items.push_back(item);
    }
    if (items.empty())
        return;
    PIDLIST_ABSOLUTE folder = ILClone(items.front());
    ILRemoveLastID(folder);
    const HRESULT hr = SHOpenFolderAndSelectItems(
        folder, UINT(items.size()),
        const_cast<LPCITEMIDLIST*>(reinterpret_cast<PCUITEMID_CHILD*>(items.data())), 0);
    qDebug() << "openFilesBySelect->" << shellResultText(hr);
    ILFree(folder);
    for (PIDLIST_ABSOLUTE item : items)
        ILFree(item);
}

#else

void PlatformShell::revealFile(const QString& file)
{
    showFilesSelected({file});
}

void PlatformShell::showNative(const QStringList& files)
{
    QStringList uris;
    for (const QString& file : files)
        uris << QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toString();
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << uris << QString();
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 3000);
    if (reply.type() != QDBusMessage::ErrorMessage) {
        qDebug() << "openFilesBySelect->"
                 << "ShowItems" << uris.size();
        return;
    }
    // No file manager answers on the bus: open the containing folder instead.
    qDebug() << "openFilesBySelect->" << reply.errorMessage();
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(files.first()).absolutePath()));
}

#endif

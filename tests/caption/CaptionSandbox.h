#pragma once

#include <memory>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QVariantList>

#include "gui/application/GlobalManager.h"

// Points TMPDIR, HOME and the XDG folders into a private folder for the whole test run, so
// caption work files and settings never reach the real user's folders. Create it before
// anything reads a setting or a temporary folder.
class CaptionSandbox
{
public:
    CaptionSandbox()
    {
        QStandardPaths::setTestModeEnabled(true);
        for (const char* name : {"tmp", "home", "config", "data", "cache"})
            QDir().mkpath(m_root.filePath(QString::fromLatin1(name)));
        qputenv("TMPDIR", m_root.filePath(QStringLiteral("tmp")).toLocal8Bit());
        qputenv("HOME", m_root.filePath(QStringLiteral("home")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_root.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", m_root.filePath(QStringLiteral("data")).toLocal8Bit());
        qputenv("XDG_CACHE_HOME", m_root.filePath(QStringLiteral("cache")).toLocal8Bit());
    }

    bool isValid() const { return m_root.isValid(); }
    QString root() const { return m_root.path(); }
    // The caption store's work folder inside the sandbox.
    QString workDir() const { return m_root.filePath(QStringLiteral("tmp/Pictorb")); }

    static void loadVideo(const QString& path)
    {
        GlobalManager::instance()->setVideoFileInfo(path.isEmpty() ? QFileInfo() : QFileInfo(path));
    }

private:
    QTemporaryDir m_root;
};

namespace CaptionTest {

// The payloads posted on the event bus under one name, in the order they were posted.
inline QVariantList posted(const QSignalSpy& globalEvents, const QString& name)
{
    QVariantList values;
    for (const QList<QVariant>& call : globalEvents) {
        if (call.at(0).toString() == name)
            values << call.at(1);
    }
    return values;
}

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace CaptionTest

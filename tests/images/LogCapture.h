#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Collects every log line while alive (from any thread), and still passes each line on to
// the test framework's own handler.
class LogCapture
{
public:
    LogCapture()
    {
        QMutexLocker locker(&mutex());
        lines().clear();
        previous() = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture() { qInstallMessageHandler(previous()); }

    bool contains(const QString& part) const
    {
        QMutexLocker locker(&mutex());
        for (const QString& line : lines()) {
            if (line.contains(part))
                return true;
        }
        return false;
    }

    QStringList all() const
    {
        QMutexLocker locker(&mutex());
        return lines();
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        {
            QMutexLocker locker(&mutex());
            lines() << (type == QtWarningMsg ? QStringLiteral("W: ") : QStringLiteral("D: ")) +
                           message;
        }
        if (previous())
            previous()(type, context, message);
    }
    static QMutex& mutex()
    {
        static QMutex m;
        return m;
    }
    static QStringList& lines()
    {
        static QStringList l;
        return l;
    }
    static QtMessageHandler& previous()
    {
        static QtMessageHandler h = nullptr;
        return h;
    }
};

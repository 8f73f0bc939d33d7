#include "core/base/Logger.h"

#include "core/base/AppConfig.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QStandardPaths>
#include <QTextCodec>

#include <cstdio>

namespace {

struct LogFile
{
    QMutex mutex;
    QString path;
    QFile file;
};

LogFile& logFile()
{
    static LogFile log;
    return log;
}

const char* levelWord(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return "Debug";
    case QtWarningMsg:
        return "Warning";
    case QtCriticalMsg:
        return "Critical";
    case QtFatalMsg:
        return "Fatal";
    case QtInfoMsg:
        return "Info";
    }
    return "";
}

void messageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    const QString line =
        QStringLiteral("[%6]%5: %1 (%2:%3, %4)\n")
            .arg(message, QString::fromUtf8(context.file ? context.file : ""),
                 QString::number(context.line),
                 QString::fromUtf8(context.function ? context.function : ""),
                 QString::fromLatin1(levelWord(type)),
                 QDateTime::currentDateTime().toString(AppConfig::kLogLineTimeFormat));
    const QByteArray bytes = line.toLocal8Bit();

    // Several threads log; the lock keeps each line whole. The file stays open for the whole
    // run and every line goes out in one unbuffered write, so the file is complete after each
    // line, also when the process is killed, without an open and a close per line.
    LogFile& log = logFile();
    QMutexLocker locker(&log.mutex);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
    if (log.file.isOpen())
        log.file.write(bytes);
}

} // namespace

void Logger::install()
{
    const QString stamp = QDateTime::currentDateTime().toString(AppConfig::kLogFileTimeFormat);
    // Worked out before the lock: finding the folder logs a line of its own.
    const QString path = logDir() + stamp + QStringLiteral(".log");
    LogFile& log = logFile();
    {
        QMutexLocker locker(&log.mutex);
        log.file.close();
        log.path = path;
        log.file.setFileName(path);
        if (!log.file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text |
                           QIODevice::Unbuffered))
            std::fprintf(stderr, "Cannot open the log file %s\n", qPrintable(log.path));
    }
    qInstallMessageHandler(messageHandler);
}

QString Logger::logDir()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                         QStringLiteral("/logs/");
    qDebug() << "getLogDir:" << path;
    if (QDir(path).exists() || QDir().mkpath(path))
        return path;
    qWarning() << "Failed to create directory.";
    return QString();
}

QString Logger::logFilePath()
{
    LogFile& log = logFile();
    QMutexLocker locker(&log.mutex);
    return log.path;
}

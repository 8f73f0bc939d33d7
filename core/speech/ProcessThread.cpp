#include "core/speech/ProcessThread.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaEnum>
#include <QProcess>
#include <QStandardPaths>

namespace {

constexpr int kStartTimeout = 30000;
constexpr int kPollInterval = 50;
constexpr int kKillTimeout = 5000;

} // namespace

ProcessThread::ProcessThread(QObject* parent) : QThread(parent), m_process(new QProcess)
{
    // The process is driven by run() through its blocking waits, which also deliver its
    // notifications; so it belongs to the worker thread and the handlers run there directly.
    m_process->moveToThread(this);
    connect(m_process.get(), &QProcess::readyReadStandardOutput, this,
            &ProcessThread::onReadyReadStandardOutput, Qt::DirectConnection);
    connect(
        m_process.get(), &QProcess::readyReadStandardError, this,
        [this] {
            const QString text = QString::fromUtf8(m_process->readAllStandardError());
            qDebug() << "Process Error:" << text;
            emit processError(text);
        },
        Qt::DirectConnection);
    connect(
        m_process.get(), &QProcess::errorOccurred, this,
        [](QProcess::ProcessError error) {
            qDebug() << "Process errorOccurred:"
                     << QMetaEnum::fromType<QProcess::ProcessError>().valueToKey(error);
        },
        Qt::DirectConnection);
}

ProcessThread::~ProcessThread()
{
    m_stopRequested = true;
    wait();
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(kKillTimeout);
        qDebug().noquote() << tr("Process %1 has been terminated.").arg(m_pid);
    }
}

bool ProcessThread::extractAudio(const QString& videoPath, const QString& audioPath)
{
    if (isRunning() || videoPath.isEmpty() || audioPath.isEmpty()) {
        qWarning() << "extractAudio refused: running" << isRunning() << "video" << videoPath
                   << "audio" << audioPath;
        return false;
    }
    if (QFile::exists(audioPath) && !QFile::remove(audioPath)) {
        qWarning() << "extractAudio: cannot remove the earlier audio file" << audioPath;
        return false;
    }
    // "file:" keeps ffmpeg from reading a name as an option or another protocol.
    const auto asFile = [](const QString& path) {
        return QStringLiteral("file:") + QFileInfo(path).absoluteFilePath();
    };
    setProgram(QStringLiteral("ffmpeg"));
    setArguments({QStringLiteral("-hide_banner"), QStringLiteral("-nostdin"),
                  QStringLiteral("-nostats"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                  QStringLiteral("-y"), QStringLiteral("-i"), asFile(videoPath),
                  QStringLiteral("-map"), QStringLiteral("0:a:0"), QStringLiteral("-vn"),
                  QStringLiteral("-f"), QStringLiteral("mp3"), asFile(audioPath)});
    setOpenMode(QIODevice::ReadOnly);
    // Extraction runs at many times real time, so even a long film ends well within this.
    setTimeout(kAudioExtractionTimeout);
    start();
    return true;
}

void ProcessThread::stop()
{
    QThread::msleep(200);
    if (isRunning())
        m_stopRequested = true;
}

void ProcessThread::onReadyReadStandardOutput()
{
    const QString text = QString::fromUtf8(m_process->readAllStandardOutput());
    qDebug() << "onReadyReadStandardOutput" << text;
    emit processOutput(text);
}

QString ProcessThread::resolvedProgram() const
{
    const QFileInfo info(m_program);
    if (info.isAbsolute())
        return info.isFile() && info.isExecutable() ? m_program : QString();
    if (m_program.isEmpty())
        return QString();
    if (m_program.contains(QLatin1Char('/')) || m_program.contains(QLatin1Char('\\')))
        return QString();
    QStringList folders;
    const QStringList entries =
        qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString& entry : entries) {
        if (QDir::isAbsolutePath(entry))
            folders << entry;
    }
    // findExecutable falls back to PATH itself when given no folder.
    return folders.isEmpty() ? QString() : QStandardPaths::findExecutable(m_program, folders);
}

void ProcessThread::fail()
{
    qDebug().noquote()
        << tr("Failed to start process %1. exit code %2").arg(m_pid).arg(m_process->exitCode());
    emit processFailed();
}

void ProcessThread::run()
{
    const QString program = resolvedProgram();
    if (program.isEmpty()) {
        qDebug() << "Program not found:" << m_program;
        fail();
        m_stopRequested = false;
        return;
    }
    // A program left running by an earlier time-out still holds the process object.
    if (m_process->state() != QProcess::NotRunning) {
        qDebug() << "The previous program is still running:" << m_pid;
        fail();
        m_stopRequested = false;
        return;
    }
    m_process->start(program, m_arguments, m_openMode);
    qDebug().noquote() << tr("Rum command") << m_process->workingDirectory() << program
                       << QStringLiteral("(%1)").arg(m_arguments.join(QStringLiteral(", ")));
    if (!m_process->waitForStarted(kStartTimeout)) {
        fail();
        m_stopRequested = false;
        return;
    }
    m_pid = m_process->processId();
    qDebug().noquote() << tr("Process %1 has been started.").arg(m_pid);
    emit processStart();

    const bool finished = waitForEnd();
    m_stopRequested = false;
    if (!finished)
        return;
    qDebug().noquote() << tr("Process %1 has been finish.").arg(m_pid) << "exit code"
                       << m_process->exitCode();
    QThread::msleep(1000);
    emit processStop();
    requestInterruption();
}

bool ProcessThread::waitForEnd()
{
    const QDeadlineTimer deadline(m_timeout);
    for (;;) {
        if (m_process->waitForFinished(kPollInterval) || m_process->state() == QProcess::NotRunning)
            return true;
        if (m_stopRequested) {
            m_process->kill();
            m_process->waitForFinished(kKillTimeout);
            return m_process->state() == QProcess::NotRunning;
        }
        if (deadline.hasExpired())
            return false;
    }
}

#include "core/video/SubtitleTrackReader.h"

#include <QProcess>

SubtitleTrackReader::SubtitleTrackReader(QObject* parent) : QObject(parent)
{
}

void SubtitleTrackReader::read(const QString& film, int streamIndex)
{
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->deleteLater();
    }
    m_process = new QProcess(this);
    QProcess* process = m_process;
    connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            [this, process](int code, QProcess::ExitStatus status) {
                const QByteArray text = process->readAllStandardOutput();
                const QString problem =
                    QString::fromUtf8(process->readAllStandardError()).trimmed();
                process->deleteLater();
                m_process = nullptr;
                const QList<SubtitleLine> lines = SubtitleFile::parse(QString::fromUtf8(text));
                if (lines.isEmpty())
                    emit finished({}, status == QProcess::NormalExit && code == 0
                                          ? tr("the track holds no text lines")
                                          : problem.section(QLatin1Char('\n'), -1));
                else
                    emit finished(lines, QString());
            });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        process->deleteLater();
        m_process = nullptr;
        emit finished({}, tr("the ffmpeg program could not be started"));
    });
    // "file:" keeps ffmpeg from reading a name as an option or another protocol.
    process->start(QStringLiteral("ffmpeg"),
                   {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"),
                    QStringLiteral("-i"), QStringLiteral("file:") + film, QStringLiteral("-map"),
                    QStringLiteral("0:%1").arg(streamIndex), QStringLiteral("-f"),
                    QStringLiteral("srt"), QStringLiteral("pipe:1")});
}

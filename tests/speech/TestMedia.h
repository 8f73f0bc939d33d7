#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// Makes short test videos with ffmpeg's own generators: a blue picture and, if wanted, a
// 440 Hz tone as the sound track.
namespace TestMedia {

inline QString ffmpeg()
{
    return QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
}

inline bool makeVideo(const QString& path, int seconds, bool withTone)
{
    const QString duration = QString::number(seconds);
    QStringList arguments = {"-v", "error", "-nostdin", "-y",
                             "-f", "lavfi", "-i",       "color=c=blue:s=64x64:r=10:d=" + duration};
    if (withTone)
        arguments << QStringList{"-f", "lavfi", "-i", "sine=frequency=440:duration=" + duration};
    arguments << QStringList{"-c:v", "mpeg4"};
    if (withTone)
        arguments << QStringList{"-c:a", "aac", "-shortest"};
    arguments << path;
    QProcess process;
    process.start(ffmpeg(), arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// The codec name of the first audio stream, empty when there is none.
inline QString audioCodec(const QString& path)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("ffprobe")),
                  {"-v", "error", "-select_streams", "a:0", "-show_entries", "stream=codec_name",
                   "-of", "default=noprint_wrappers=1:nokey=1", path});
    if (!process.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

} // namespace TestMedia

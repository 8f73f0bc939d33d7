#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "core/captions/SubtitleFile.h"

class QProcess;

// The text lines of a subtitle track stored inside a film, read out by the ffmpeg program as
// SubRip. Picture subtitles (DVD, Blu-ray) have no text and give no lines.
class SubtitleTrackReader : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SubtitleTrackReader)

public:
    explicit SubtitleTrackReader(QObject* parent = nullptr);

    // `streamIndex` counts every stream of the container; a running read is dropped.
    void read(const QString& film, int streamIndex);

signals:
    // An empty list comes with the reason.
    void finished(const QList<SubtitleLine>& lines, const QString& error);

private:
    QProcess* m_process = nullptr;
};

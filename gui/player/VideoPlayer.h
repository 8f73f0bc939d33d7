#pragma once

#include <QList>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QWidget>

#include "core/captions/SubtitleFile.h"
#include "core/images/CaptureData.h"

class LineCapture;
class PlaybackBar;
class SubtitleTrackReader;
class VideoEngine;
class VideoView;

// The film in the editing panel: the engine and its view, the playback bar's controls, the
// subtitles shown (a file or a track of the film, whose lines fill the caption list) and the
// captures, one frame or one per subtitle line, at the film's own resolution.
class VideoPlayer : public QWidget
{
    Q_OBJECT

public:
    VideoPlayer(PlaybackBar* bar, QWidget* parent = nullptr);
    ~VideoPlayer() override;

    VideoEngine* engine() const { return m_engine; }
    VideoView* view() const { return m_view; }

    // The file is tried first on an engine of its own, so a file that is no film leaves the
    // film shown before in place (openFailed()); a film is announced with opened().
    void open(const QString& path);
    bool isOpen() const;
    QString filePath() const;

    void togglePlay();
    void pause();
    void stop();
    void stepFrame(bool forward);
    void seek(double seconds);
    void toggleMute();
    void restoreSettings();

    // A subtitle file beside the film: shown by the player, its lines in the caption list.
    // While a film is being opened it is loaded once the film is in.
    void loadSubtitleFile(const QString& path);
    // The caption list's lines after an edit, written to `path`: shown at once, and the lines
    // captures take, without reading them back into the caption list.
    void showEditedSubtitles(const QString& path, const QList<SubtitleLine>& lines);
    // A subtitle track of the film (Track::id), or none with 0.
    void selectSubtitleTrack(int id);
    void removeSubtitles();
    const QList<SubtitleLine>& subtitleLines() const { return m_lines; }
    bool hasSubtitles() const { return m_subtitleTrack != 0; }

    // The frame shown, with or without the subtitle (the bar's toggle); captured().
    void capture();
    // One still per chosen line, with the line drawn in or as the card's caption; every still
    // is announced with captured(), the run with lineCaptureStarted() and lineCaptureFinished().
    void captureLines(const QList<int>& chosen, bool drawSubtitles);
    void cancelLineCapture();
    bool isCapturingLines() const;

signals:
    // A film is about to be loaded: its view must be on screen.
    void showRequested();
    void opened(const QString& path);
    void openFailed(const QString& path, const QString& reason);
    void positionChanged(double seconds);
    void subtitlesChanged();
    void captured(const AppConfig::CaptureData& capture, bool line);
    void lineCaptureStarted(int total);
    void lineCaptureProgress(int done, int total);
    void lineCaptureFinished(int taken, bool cancelled);

private:
    void connectBar();
    void connectEngine();
    void loadWhenShown(const QString& path);
    void filmOpened();
    void failOpening(const QString& path, const QString& reason);
    void showTimes();
    void seekFromSlider(bool exact);
    void subtitleAdded(const QString& path);
    void setLines(const QList<SubtitleLine>& lines, int track);
    void frameGrabbed(quint64 request, const QImage& frame, double seconds);
    void startLineCapture(VideoEngine* engine, const QList<int>& chosen, bool drawSubtitles);
    static void notify(const QString& text);

    PlaybackBar* m_bar;
    VideoEngine* m_engine;
    VideoView* m_view;
    QPointer<VideoEngine> m_probe;
    SubtitleTrackReader* m_trackReader;
    QString m_opening;
    bool m_waitingForView = false;
    QString m_pendingSubtitle;
    QString m_subtitleFile;
    QString m_editedFile;
    int m_subtitleTrack = 0;
    QList<SubtitleLine> m_lines;
    QList<SubtitleLine> m_fileLines;
    bool m_muted = false;
    bool m_dragging = false;
    QSet<quint64> m_captures;
    int m_capturesAfterSeek = 0;
    QPointer<VideoEngine> m_lineEngine;
    QPointer<LineCapture> m_lineCapture;
};

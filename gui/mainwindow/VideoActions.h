#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class CaptionWidget;
class QAction;
class QMenu;
class QProgressDialog;
class SubtitleGeneration;
class VideoPlayWidget;
class VideoPlayer;
class QWidget;

// The Video commands of the main window: open a film (Ctrl+Shift+O), load its subtitles or
// choose one of its tracks, generate them from its speech, play and pause (Space), stop (Ctrl+/),
// step a frame (Left, Right), capture the frame (Ctrl+Alt+S) and capture every subtitle line, with
// its progress; the lines of the caption list are saved as SubRip, WebVTT or ASS, and every
// correction made to them is shown by the player at once.
class VideoActions : public QObject
{
    Q_OBJECT

public:
    using OpenChooser = std::function<QStringList(QWidget* parent, const QString& title,
                                                  const QString& dir, const QString& filter)>;

    // Answers the save dialog: the path, and the filter chosen in `filter`.
    using SaveChooser =
        std::function<QString(QWidget* parent, const QString& title, const QString& path,
                              const QString& filters, QString* filter)>;
    // Tests answer the save dialog without a modal loop.
    static void setSaveChooser(SaveChooser chooser);

    VideoActions(VideoPlayWidget* panel, CaptionWidget* captions, QWidget* window,
                 OpenChooser openChooser);

    QMenu* menu() const { return m_menu; }
    void retranslate();

    // Whether a file given to the window is a film or a subtitle file rather than a picture
    // or a project.
    static bool isFilmOrSubtitle(const QString& path);
    // A film is opened; a subtitle file goes with the film open (or being opened).
    void openFile(const QString& path);
    void openVideo();
    void loadSubtitles();
    // Asks which lines and how, then captures them with a progress dialog.
    void captureEveryLine();
    // Writes the caption list's lines in the format of the chosen extension or filter.
    void saveSubtitlesAs();
    QProgressDialog* progressDialog() const;
    // Subtitles from the film's speech (Generate Subtitles...).
    SubtitleGeneration* subtitleGeneration() const { return m_generation; }

private:
    QAction* addCommand(const QList<QKeySequence>& keys);
    void rebuildTracks();
    void updateEnabled();
    void showProgress(int total);
    void captionsEdited(const QString& path, bool saved);
    static SaveChooser& saveChooser();

    VideoPlayWidget* m_panel;
    VideoPlayer* m_player;
    CaptionWidget* m_captions;
    QWidget* m_window;
    OpenChooser m_openChooser;
    QMenu* m_menu;
    QMenu* m_trackMenu;
    QAction* m_openVideo;
    QAction* m_loadSubtitles;
    QAction* m_removeSubtitles;
    QAction* m_generateSubtitles;
    QAction* m_play;
    QAction* m_stop;
    QAction* m_back;
    QAction* m_forward;
    QAction* m_capture;
    QAction* m_captureLines;
    QAction* m_saveSubtitles;
    QPointer<QProgressDialog> m_progress;
    SubtitleGeneration* m_generation;
};

#pragma once

#include <QList>
#include <QWidget>

class IconButton;
class NormalButton;
class QAction;
class QCheckBox;
class QHBoxLayout;
class QToolButton;
class QLabel;
class TinySlider;
class BaseButton;

// The player's controls: frame back and forward, play, stop, capture (with or without the
// subtitles), volume, progress and time. The editing panel shows them while a film is open.
class PlaybackBar : public QWidget
{
    Q_OBJECT

public:
    enum ButtonId
    {
        FrameBack = 0,
        FrameForward = 1,
        Play = 2,
        Stop = 3,
        Capture = 4
    };

    explicit PlaybackBar(QWidget* parent = nullptr);

    void retranslate();
    void resetPlayButton();
    void setPlaying(bool playing);
    void setMuted(bool muted);
    void setTimes(const QString& current, const QString& total);
    // A button for a command of the film's subtitles, placed before the subtitle toggle; it
    // shows the action's icon and follows its enabled state.
    QToolButton* addSubtitleCommand(QAction* action);

    IconButton* playButton() const { return m_play; }
    IconButton* volumeButton() const { return m_volumeButton; }
    TinySlider* volumeSlider() const { return m_volumeSlider; }
    TinySlider* progressSlider() const { return m_progressSlider; }
    QCheckBox* subtitlesBox() const { return m_subtitlesBox; }
    QLabel* currentTimeLabel() const { return m_currentTime; }
    QLabel* totalTimeLabel() const { return m_totalTime; }
    // Frame back, frame forward, play, stop and capture, by id.
    const QList<BaseButton*>& controlButtons() const { return m_controls; }

private:
    IconButton* controlButton(const char* property, int id, const QString& icon);
    QWidget* buildControlRow();
    QWidget* buildProgressRow();

    QList<BaseButton*> m_controls;
    IconButton* m_play = nullptr;
    NormalButton* m_capture = nullptr;
    QCheckBox* m_subtitlesBox = nullptr;
    QHBoxLayout* m_controlRow = nullptr;
    QLabel* m_currentTime = nullptr;
    QLabel* m_totalTime = nullptr;
    IconButton* m_volumeButton = nullptr;
    TinySlider* m_volumeSlider = nullptr;
    TinySlider* m_progressSlider = nullptr;
};

#pragma once

#include <QList>
#include <QWidget>

class IconButton;
class NormalButton;
class QLabel;
class TinySlider;
class BaseButton;

// The controls a playback engine would drive: frame back and forward, play, stop, capture,
// volume, progress and time. The editing panel keeps them ready for such an engine; with
// none in the application they are built but never shown.
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

    IconButton* playButton() const { return m_play; }
    IconButton* volumeButton() const { return m_volumeButton; }
    TinySlider* volumeSlider() const { return m_volumeSlider; }
    TinySlider* progressSlider() const { return m_progressSlider; }
    // Frame back, frame forward, play, stop and capture, by id.
    const QList<BaseButton*>& controlButtons() const { return m_controls; }

private:
    IconButton* controlButton(const char* property, int id, const QString& icon);
    QWidget* buildControlRow();
    QWidget* buildProgressRow();

    QList<BaseButton*> m_controls;
    IconButton* m_play = nullptr;
    NormalButton* m_capture = nullptr;
    IconButton* m_volumeButton = nullptr;
    TinySlider* m_volumeSlider = nullptr;
    TinySlider* m_progressSlider = nullptr;
};

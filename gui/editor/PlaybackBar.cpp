#include "gui/editor/PlaybackBar.h"

#include "core/base/ScreenManager.h"
#include "gui/widgets/IconButton.h"
#include "gui/widgets/NormalButton.h"
#include "gui/widgets/TinySlider.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QToolButton>
#include <QVariant>

#include <algorithm>

namespace {
const QString kPlayIcon = QStringLiteral(":/images/videoplay/play.svg");
const QString kPauseIcon = QStringLiteral(":/images/videoplay/pause.svg");
const QString kSoundIcon = QStringLiteral(":/images/videoplay/sound.svg");
const QString kMuteIcon = QStringLiteral(":/images/videoplay/mute.svg");
} // namespace

PlaybackBar::PlaybackBar(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildControlRow());
    layout->addWidget(buildProgressRow());
    retranslate();
}

IconButton* PlaybackBar::controlButton(const char* property, int id, const QString& icon)
{
    auto* button = new IconButton;
    button->setProperty(property, true);
    button->setProperty("button", id);
    button->setIcon(icon);
    m_controls.append(button);
    return button;
}

QWidget* PlaybackBar::buildControlRow()
{
    IconButton* back =
        controlButton("play-control", FrameBack, ":/images/videoplay/previous_frame.svg");
    IconButton* forward =
        controlButton("play-control", FrameForward, ":/images/videoplay/next_frame.svg");
    m_play = controlButton("play-play", Play, kPlayIcon);
    IconButton* stop = controlButton("play-stop", Stop, ":/images/videoplay/stop.svg");

    m_capture = new NormalButton(nullptr, 1);
    m_capture->setObjectName(QStringLiteral("capture"));
    m_capture->setProperty("button", int(Capture));
    m_capture->setFixedHeight(scaled(26));
    m_capture->setIcon(QStringLiteral(":/images/videoplay/capture.svg"));
    m_capture->setIconSize(scaledSize(QSize(16, 16)));
    m_controls.append(m_capture);

    m_volumeButton = new IconButton;
    m_volumeButton->setIcon(kSoundIcon);
    m_volumeButton->setIconSize(scaledSize(QSize(20, 20)));
    m_volumeSlider = new TinySlider(Qt::Horizontal);
    m_volumeSlider->setObjectName(QStringLiteral("sound_slider"));
    m_volumeSlider->setFixedWidth(scaled(63));
    m_volumeSlider->setValue(100);

    auto* volume = new QHBoxLayout;
    volume->setSpacing(scaled(5));
    volume->addWidget(m_volumeButton);
    volume->addWidget(m_volumeSlider);

    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    // Closer than the time labels below: the row also holds the subtitle toggle, whose words
    // stay whole beside the caption list.
    layout->setSpacing(scaled(6));
    for (IconButton* button : {back, forward, m_play, stop})
        layout->addWidget(button);
    layout->addLayout(volume);
    layout->addStretch();
    m_subtitlesBox = new QCheckBox;
    m_subtitlesBox->setObjectName(QStringLiteral("capture_subtitles"));
    m_subtitlesBox->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    layout->addWidget(m_subtitlesBox);
    layout->addWidget(m_capture);
    m_controlRow = layout;
    return row;
}

QToolButton* PlaybackBar::addSubtitleCommand(QAction* action)
{
    auto* button = new QToolButton;
    button->setDefaultAction(action);
    // The row is narrow: the action's icon, its text in the tool tip.
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setIconSize(scaledSize(QSize(20, 20)));
    button->setAutoRaise(true);
    m_controlRow->insertWidget(m_controlRow->indexOf(m_subtitlesBox), button);
    return button;
}

QWidget* PlaybackBar::buildProgressRow()
{
    m_progressSlider = new TinySlider(Qt::Horizontal);
    m_progressSlider->setObjectName(QStringLiteral("progress_slider"));

    auto* currentBox = new QWidget;
    currentBox->setObjectName(QStringLiteral("current_time_label"));
    // Wide enough for the whole "hh:mm:ss:ff" in the font the labels are drawn with.
    currentBox->setFixedWidth(std::max(
        scaled(80), fontMetrics().horizontalAdvance(QStringLiteral("00:00:00:00")) + scaled(14)));
    auto* currentLayout = new QHBoxLayout(currentBox);
    currentLayout->setContentsMargins(scaledRect(5, 2, 5, 2));
    m_currentTime = new QLabel(QStringLiteral("00:00:00:00"));
    currentLayout->addWidget(m_currentTime);
    m_totalTime = new QLabel(QStringLiteral("00:00:00:00"));

    auto* times = new QHBoxLayout;
    times->setSpacing(scaled(16));
    times->addWidget(currentBox);
    times->addWidget(new QLabel(QStringLiteral("/")));
    times->addWidget(m_totalTime);

    auto* row = new QWidget;
    row->setObjectName(QStringLiteral("progress_widget"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(scaledRect(10, 18, 10, 8));
    layout->addWidget(m_progressSlider, 1);
    layout->addLayout(times);
    return row;
}

void PlaybackBar::retranslate()
{
    m_controls[FrameBack]->setToolTip(tr("Backward [Left]"));
    m_controls[FrameForward]->setToolTip(tr("Forward [Right]"));
    m_controls[Play]->setToolTip(tr("Play [Space]"));
    m_controls[Stop]->setToolTip(tr("Stop [Ctrl+/]"));
    m_capture->setToolTip(tr("Capture [Ctrl+Alt+S]"));
    m_capture->setText(QStringLiteral(" ") + tr("Capture"));
    m_subtitlesBox->setText(tr("Capture with subtitles"));
    m_subtitlesBox->setToolTip(tr("Draw the subtitle shown into the captured picture"));
    m_volumeButton->setToolTip(tr("Mute"));
}

void PlaybackBar::resetPlayButton()
{
    setPlaying(false);
}

void PlaybackBar::setPlaying(bool playing)
{
    m_play->setIcon(playing ? kPauseIcon : kPlayIcon);
    m_controls[Play]->setToolTip(playing ? tr("Pause [Space]") : tr("Play [Space]"));
}

void PlaybackBar::setMuted(bool muted)
{
    m_volumeButton->setIcon(muted ? kMuteIcon : kSoundIcon);
}

void PlaybackBar::setTimes(const QString& current, const QString& total)
{
    m_currentTime->setText(current);
    m_totalTime->setText(total);
}

#include "gui/editor/VideoPlayWidget.h"

#include "core/base/AppConfig.h"
#include "core/base/ScreenManager.h"
#include "gui/application/GlobalManager.h"
#include "gui/editor/BandEditor.h"
#include "gui/editor/BandOverlay.h"
#include "gui/editor/CaptionStyleEditor.h"
#include "gui/editor/PlaybackBar.h"
#include "gui/images/ImageItem.h"
#include "gui/widgets/IconButton.h"
#include "gui/widgets/SvgPixmap.h"
#include "gui/widgets/TinySlider.h"
#ifdef PICTORB_VIDEO
#include "core/images/CaptureData.h"
#include "core/video/VideoEngine.h"
#include "gui/player/VideoPlayer.h"

#include <mpv/client.h>
#endif

#include <QBoxLayout>
#include <QDebug>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyleOption>
#include <QTextEdit>
#include <QUrl>

#include <algorithm>

#include "core/captions/SubtitleFile.h"

VideoPlayWidget::VideoPlayWidget(QWidget* parent) : BaseWidget(parent, 2)
{
    VideoPlayWidget::initUI();
    setLanguageCallback([this] { retranslate(); });
    installEventFilter(this);
}

void VideoPlayWidget::initUI()
{
    setMinimumSize(scaledSize(QSize(470, 450)));
    QBoxLayout* layout = innerLayout();
    layout->setSpacing(0);
    // The player built with the picture area drives the bar.
    m_playbackBar = new PlaybackBar(this);
    m_playbackBar->hide();
    layout->addWidget(buildTitle());
    layout->addWidget(buildPictureArea(), 1);
    m_editor = new CaptionStyleEditor;
    layout->addWidget(m_editor);
    m_bandEditor = new BandEditor;
    layout->addWidget(m_bandEditor);
    m_bandOverlay = new BandOverlay(m_pictureLabel, m_bandEditor);
    connect(m_bandEditor, &BandEditor::bandEdited, this, &VideoPlayWidget::bandEdited);
    connect(m_bandOverlay, &BandOverlay::bandDragged, this,
            [this](ImageItem* card, const StillBand& before) {
                emit bandEdited(card, before, -1, tr("Drag band"));
            });
    connect(m_editor, &CaptionStyleEditor::captionApplied, this, &VideoPlayWidget::editSignal);
    connect(m_editor, &CaptionStyleEditor::captionChanged, this, &VideoPlayWidget::captionChanged);
    connect(m_resetButton, &QPushButton::clicked, m_editor, &CaptionStyleEditor::resetStyle);
    // Resetting, like editing, needs a card.
    m_resetButton->setEnabled(false);

    connectPlaybackBar();
#ifdef PICTORB_VIDEO
    // Under the picture, shown while a film is open.
    layout->insertWidget(2, m_playbackBar);
    connectPlayer();
#endif
}

QWidget* VideoPlayWidget::buildTitle()
{
    auto* title = new QWidget;
    title->setObjectName(QStringLiteral("sub_title"));
    title->setAttribute(Qt::WA_StyledBackground);
    title->setFixedHeight(scaled(36));
    auto* layout = new QHBoxLayout(title);
    layout->setContentsMargins(scaledRect(10, 0, 10, 0));
    m_titleLabel = new QLabel;
    m_resetButton = new QPushButton;
    m_resetButton->setObjectName(QStringLiteral("show"));
    m_resetButton->setCursor(Qt::PointingHandCursor);
    layout->addWidget(m_titleLabel);
    layout->addStretch();
    m_viewButton = new QPushButton;
    m_viewButton->setObjectName(QStringLiteral("show"));
    m_viewButton->setCursor(Qt::PointingHandCursor);
    m_viewButton->hide();
    connect(m_viewButton, &QPushButton::clicked, this,
            [this] { isShowingFilm() ? showPicture() : showFilm(); });
    layout->addWidget(m_viewButton);
    layout->addWidget(m_resetButton);
    return title;
}

QWidget* VideoPlayWidget::buildPictureArea()
{
    auto* area = new QWidget;
    area->setObjectName(QStringLiteral("player_widget"));
    area->setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(1, 1, 1, 1);

    m_pictureContainer = new QWidget;
    auto* containerLayout = new QHBoxLayout(m_pictureContainer);
    containerLayout->setContentsMargins(0, 0, 0, 0);
    m_pictureLabel = new QLabel;
    m_pictureLabel->setObjectName(QStringLiteral("player_picture"));
    m_pictureLabel->setAlignment(Qt::AlignCenter);
    // The label fills the area and the picture is fitted to it by hand; letting the
    // picture's size reach the layout would stop the window from ever shrinking again.
    m_pictureLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    containerLayout->addWidget(m_pictureLabel);
    m_pictureContainer->hide();
    m_pictureContainer->installEventFilter(this);
    layout->addWidget(m_pictureContainer, 1);

    m_placeholder = new QWidget;
    auto* placeholderLayout = new QVBoxLayout(m_placeholder);
    placeholderLayout->setAlignment(Qt::AlignCenter);
    placeholderLayout->setSpacing(scaled(12));
    auto* icon = new QLabel;
    icon->setFixedSize(scaledSize(QSize(70, 70)));
    icon->setPixmap(svgPixmap(QStringLiteral(":/images/videoplay/picture_center.svg"), icon->size(),
                              devicePixelRatioF()));
    auto* iconRow = new QHBoxLayout;
    iconRow->addStretch();
    iconRow->addWidget(icon);
    iconRow->addStretch();
    placeholderLayout->addLayout(iconRow);
    m_linkLabel = new QLabel;
    m_linkLabel->setObjectName(QStringLiteral("logo_tip"));
    m_linkLabel->setTextFormat(Qt::RichText);
    m_linkLabel->setAlignment(Qt::AlignCenter);
    connect(m_linkLabel, &QLabel::linkActivated, this, &VideoPlayWidget::loadVideoSignal);
    placeholderLayout->addWidget(m_linkLabel);
    layout->addWidget(m_placeholder, 1);
#ifdef PICTORB_VIDEO
    m_player = new VideoPlayer(m_playbackBar);
    m_player->hide();
    layout->addWidget(m_player, 1);
    setAcceptDrops(true);
#else
    // Without the player there is no film to import.
    m_linkLabel->hide();
#endif
    return area;
}

void VideoPlayWidget::connectPlaybackBar()
{
    for (BaseButton* button : m_playbackBar->controlButtons())
        connect(button, &BaseButton::clicked, this, &VideoPlayWidget::playControlButtonClickHandle);
    connect(m_playbackBar->volumeButton(), &BaseButton::clicked, this,
            &VideoPlayWidget::soundButtonClickHandle);
    connect(m_playbackBar->volumeSlider(), &QSlider::valueChanged, this, [](int value) {
        qDebug() << "sound_slider value change:" << value;
        GlobalManager::instance()->setSetting(AppConfig::kPlayerVolume, value);
    });
    TinySlider* progress = m_playbackBar->progressSlider();
    connect(progress, &QSlider::valueChanged, this, [progress](int value) {
        qDebug() << "progress_slider value change:" << value << progress->maximum();
    });
    connect(progress, &QSlider::sliderPressed, this,
            [this] { m_editor->textEdit()->clearFocus(); });
}

#ifdef PICTORB_VIDEO
void VideoPlayWidget::connectPlayer()
{
    connect(m_player, &VideoPlayer::showRequested, this, &VideoPlayWidget::showFilm);
    connect(m_player, &VideoPlayer::opened, this, [this] {
        m_playbackBar->show();
        showFilm();
    });
    connect(m_player, &VideoPlayer::positionChanged, this, &VideoPlayWidget::playerTimePos);
    connect(m_player, &VideoPlayer::captured, this,
            [this](const AppConfig::CaptureData& capture, bool line) {
                emit captureEventSignal(line ? 1 : 0, QVariant::fromValue(capture));
            });
    connect(m_player->engine(), &VideoEngine::propertyChanged, this,
            &VideoPlayWidget::mpvPropertyHandle);
    connect(m_player->engine(), &VideoEngine::eventReceived, this,
            &VideoPlayWidget::mpvEventHandle);
}
#endif

void VideoPlayWidget::showFilm()
{
    if (!m_player)
        return;
    m_placeholder->hide();
    m_pictureContainer->hide();
    m_player->show();
    updateViewButton();
}

void VideoPlayWidget::showPicture()
{
    if (m_player)
        m_player->hide();
    m_placeholder->setVisible(!m_item);
    m_pictureContainer->setVisible(m_item);
    updateViewButton();
}

bool VideoPlayWidget::isShowingFilm() const
{
    return m_player && !m_player->isHidden();
}

void VideoPlayWidget::updateViewButton()
{
    m_viewButton->setVisible(m_player && m_player->isOpen() && m_item);
    m_viewButton->setText(isShowingFilm() ? tr("Show picture") : tr("Show film"));
}

void VideoPlayWidget::retranslate()
{
    m_titleLabel->setText(tr("Edit"));
    m_resetButton->setText(tr("Reset style"));
    m_resetButton->setToolTip(tr("Give the caption the default style back"));
    m_linkLabel->setText(QStringLiteral("<p style='line-height:20px'>%1</p>")
                             .arg(tr("Drop your video here! Or,<br><a style=\"color: #685af5;\" "
                                     "href=\"clicked\">Click here to import video.</a>")));
    m_editor->retranslate();
    m_bandEditor->retranslate();
    m_playbackBar->retranslate();
    updateViewButton();
}

void VideoPlayWidget::showImageItem(ImageItem* item)
{
    if (!item)
        return;
    m_item = item;
    showPicture();
    m_editor->setImageItem(item);
    m_bandEditor->setCard(item);
    m_resetButton->setEnabled(true);
    m_pictureLabel->setPixmap(fitted(item->composedPixmap()));
    if (item->caption())
        m_editor->loadCaption(*item->caption());
    changeCenter();
    refreshBand();
}

void VideoPlayWidget::clearImageItem()
{
    m_pictureLabel->clear();
    m_item = nullptr;
    m_editor->setImageItem(nullptr);
    m_bandEditor->setCard(nullptr);
    refreshBand();
    m_resetButton->setEnabled(false);
    // A film being played stays on screen.
    if (!isShowingFilm())
        showPicture();
    updateViewButton();
}

void VideoPlayWidget::setPreviewPixmap(const QPixmap& pixmap)
{
    m_pictureLabel->setPixmap(fitted(pixmap));
}

QPixmap VideoPlayWidget::fitted(const QPixmap& pixmap) const
{
    if (pixmap.isNull() || m_pictureLabel->width() <= 0 || m_pictureLabel->height() <= 0)
        return pixmap;
    return pixmap.scaled(m_pictureLabel->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void VideoPlayWidget::changeCenter()
{
    if (!m_item)
        return;
    const QImage picture = m_item->composedImage();
    if (picture.isNull())
        return;
    const int width = m_pictureContainer->width();
    const int height = m_pictureContainer->height();
    const float sx = float(width) / float(picture.width());
    const float sy = float(height) / float(picture.height());
    qDebug() << "video play widget change center:" << sx << sy;
    // Scaling the image before it becomes a pixmap converts only the pixels shown.
    const QImage scaledPicture =
        sy > sx ? picture.scaledToWidth(qMax(1, width), Qt::SmoothTransformation)
                : picture.scaledToHeight(qMax(1, height), Qt::SmoothTransformation);
    m_pictureLabel->setPixmap(QPixmap::fromImage(scaledPicture));
    m_bandOverlay->update();
}

void VideoPlayWidget::setSharedBand(int rows)
{
    m_bandEditor->setSharedBand(rows);
    refreshBand();
}

void VideoPlayWidget::refreshBand()
{
    m_bandEditor->refresh();
    m_bandOverlay->setVisible(m_bandEditor->isBandShown());
    m_bandOverlay->update();
}

void VideoPlayWidget::applyCaptionEdit()
{
    m_editor->applyCaptionEdit();
}

void VideoPlayWidget::loadCaption(const ImageCaption& caption)
{
    m_editor->loadCaption(caption);
}

void VideoPlayWidget::restorePlayerSettings()
{
    const int volume = GlobalManager::instance()->getSetting(AppConfig::kPlayerVolume, 100).toInt();
    // Restoring is not a change of the user's: nothing is written back or announced.
    const QSignalBlocker blocker(m_playbackBar->volumeSlider());
    m_playbackBar->volumeSlider()->setValue(volume);
    if (m_player)
        m_player->restoreSettings();
}

void VideoPlayWidget::resetPlayButton()
{
    m_playbackBar->resetPlayButton();
    // The icon says the film stands still, and so it does.
    if (m_player)
        m_player->pause();
}

#ifdef PICTORB_VIDEO
void VideoPlayWidget::seekTo(double seconds)
{
    showFilm();
    m_player->seek(seconds);
}

void VideoPlayWidget::setSubtitleFile(const QString& path)
{
    m_player->loadSubtitleFile(path);
}

void VideoPlayWidget::removeSubtitle()
{
    m_player->removeSubtitles();
}

void VideoPlayWidget::playControlButtonClickHandle(QObject* widget)
{
    if (!m_player->isOpen())
        return;
    // The controls act on the film, so the film is what the user sees.
    showFilm();
    switch (widget->property("button").toInt()) {
    case PlaybackBar::FrameBack:
        m_player->stepFrame(false);
        break;
    case PlaybackBar::FrameForward:
        m_player->stepFrame(true);
        break;
    case PlaybackBar::Play:
        m_player->togglePlay();
        break;
    case PlaybackBar::Stop:
        m_player->stop();
        break;
    case PlaybackBar::Capture:
        m_player->capture();
        break;
    default:
        break;
    }
}

void VideoPlayWidget::soundButtonClickHandle(QObject*)
{
    m_player->toggleMute();
}

void VideoPlayWidget::mpvPropertyHandle(QString commond, double value)
{
    if (commond == QLatin1String("eof-reached") && value != 0)
        resetPlayButton();
}

void VideoPlayWidget::mpvEventHandle(mpv_event* event)
{
    if (event->event_id == MPV_EVENT_END_FILE)
        qDebug() << "video play widget: the film ended";
}
#else
void VideoPlayWidget::seekTo(double)
{
}

void VideoPlayWidget::setSubtitleFile(const QString&)
{
}

void VideoPlayWidget::removeSubtitle()
{
}

void VideoPlayWidget::playControlButtonClickHandle(QObject*)
{
}

void VideoPlayWidget::soundButtonClickHandle(QObject*)
{
}

void VideoPlayWidget::mpvPropertyHandle(QString, double)
{
}

void VideoPlayWidget::mpvEventHandle(mpv_event*)
{
}
#endif

void VideoPlayWidget::captionEditHandle(bool, QString)
{
    resetPlayButton();
}

bool VideoPlayWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::MouseButtonPress)
        m_editor->clearInputFocus();
    // The picture area also changes size when the editor grows or shrinks below it.
    if (watched == m_pictureContainer && event->type() == QEvent::Resize)
        changeCenter();
    return BaseWidget::eventFilter(watched, event);
}

void VideoPlayWidget::paintEvent(QPaintEvent*)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void VideoPlayWidget::resizeEvent(QResizeEvent* event)
{
    qDebug() << "video_play_widget resizeEvent" << width() << height();
    emit playerSizeChangeSignal(width(), height());
    // The picture is re-fitted when its container follows this resize (eventFilter).
    BaseWidget::resizeEvent(event);
}

void VideoPlayWidget::keyPressEvent(QKeyEvent* event)
{
    // Keys stop here so that none reaches the main window while the panel has focus.
    event->accept();
}

void VideoPlayWidget::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

// A film, or a film with its subtitle file beside it: each file is handed on, the film first.
void VideoPlayWidget::dropEvent(QDropEvent* event)
{
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls()) {
        const QString filePath = url.toLocalFile();
        qDebug().noquote() << QStringLiteral("Dropped file path: ") + filePath;
        if (!filePath.isEmpty())
            files << filePath;
    }
    std::stable_partition(files.begin(), files.end(),
                          [](const QString& file) { return !SubtitleFile::isSubtitleFile(file); });
    for (const QString& file : qAsConst(files))
        emit dragFileSignal(file);
    event->acceptProposedAction();
}

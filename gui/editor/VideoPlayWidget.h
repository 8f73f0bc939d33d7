#pragma once

#include "core/images/StillBand.h"
#include "gui/widgets/BaseWidget.h"

#include <QPixmap>
#include <QVariant>

class BandEditor;
class BandOverlay;
struct CaptionInfo;
class CaptionStyleEditor;
class ImageItem;
class PlaybackBar;
class QLabel;
class VideoPlayer;
class QPushButton;
struct ImageCaption;
struct mpv_event;

// The editing panel: the selected card's picture, large and with its caption drawn in, or the
// film being played with its playback bar, above the caption style editor, which always edits
// the selected card. A film comes in by a drop or the placeholder's link.
class VideoPlayWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit VideoPlayWidget(QWidget* parent = nullptr);

    void showImageItem(ImageItem* item);
    void clearImageItem();
    void setPreviewPixmap(const QPixmap& pixmap);
    void applyCaptionEdit();
    void loadCaption(const ImageCaption& caption);
    ImageItem* currentImageItem() const { return m_item; }
    void restorePlayerSettings();
    void resetPlayButton();

    // The film's operations; without the player (built without video) they do nothing.
    void seekTo(double seconds);
    void setSubtitleFile(const QString& path);
    void removeSubtitle();

    // The shared band of a vertical subtitle-strip sheet (0 for other layouts), for the band
    // row and the band over the picture.
    void setSharedBand(int rows);
    // Shows the card's band again (it changed, or the sheet's first picture did).
    void refreshBand();

    CaptionStyleEditor* captionEditor() const { return m_editor; }
    BandEditor* bandEditor() const { return m_bandEditor; }
    BandOverlay* bandOverlay() const { return m_bandOverlay; }
    PlaybackBar* playbackBar() const { return m_playbackBar; }
    QLabel* pictureLabel() const { return m_pictureLabel; }
    QWidget* placeholder() const { return m_placeholder; }
    QWidget* pictureContainer() const { return m_pictureContainer; }
    QLabel* linkLabel() const { return m_linkLabel; }
    // Null when built without video.
    VideoPlayer* player() const { return m_player; }
    // Which of the two the picture area shows while a film is open.
    void showFilm();
    void showPicture();
    bool isShowingFilm() const;

public slots:
    void playControlButtonClickHandle(QObject* widget);
    void soundButtonClickHandle(QObject* widget);
    void mpvPropertyHandle(QString commond, double value);
    void mpvEventHandle(mpv_event* event);
    void captionEditHandle(bool b, QString text);

signals:
    void dragFileSignal(QString filePath);
    void captureEventSignal(int type, QVariant data);
    void captionEditSignal(CaptionInfo* edit, bool isAll);
    void playerTimePos(double time);
    void editSignal();
    // The editor changed the shown card's caption (for the undo history).
    void captionChanged(ImageItem* card, const ImageCaption& before, int field,
                        const QString& text);
    void playerSizeChangeSignal(int w, int h);
    // The shown card got a band of its own or gave it back (for the undo history).
    void bandEdited(ImageItem* card, const StillBand& before, int field, const QString& text);
    // The placeholder's link: the user asks to open a film.
    void loadVideoSignal();

protected:
    void initUI() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QWidget* buildTitle();
    QWidget* buildPictureArea();
    void retranslate();
    void changeCenter();
    void connectPlaybackBar();
    void connectPlayer();
    void updateViewButton();
    QPixmap fitted(const QPixmap& pixmap) const;

    ImageItem* m_item = nullptr;
    BandEditor* m_bandEditor = nullptr;
    BandOverlay* m_bandOverlay = nullptr;
    QWidget* m_pictureContainer = nullptr;
    QLabel* m_pictureLabel = nullptr;
    QWidget* m_placeholder = nullptr;
    QLabel* m_titleLabel = nullptr;
    QPushButton* m_resetButton = nullptr;
    QLabel* m_linkLabel = nullptr;
    CaptionStyleEditor* m_editor = nullptr;
    PlaybackBar* m_playbackBar = nullptr;
    VideoPlayer* m_player = nullptr;
    QPushButton* m_viewButton = nullptr;
};

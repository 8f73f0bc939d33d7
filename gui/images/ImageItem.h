#pragma once

#include <memory>

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QWidget>

#include "core/images/ImageCaption.h"
#include "core/images/StillBand.h"
#include "core/images/StillOrigin.h"

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QPushButton;

// One picture of the collection: the source, the source letterboxed onto the collection's
// common canvas, and that canvas with the subtitle burnt in (the "composed" picture that
// merges and exports use). Pixels are held as QImage so that worker threads may read copies;
// only the thumbnail shown in the card is a QPixmap.
class ImageItem : public QWidget
{
    Q_OBJECT

public:
    explicit ImageItem(QWidget* parent = nullptr);

    void setCanvasSize(int width, int height);
    QSize canvasSize() const;

    // Letterboxes the source onto the canvas; the composed picture then has no subtitle
    // until the next updateImage().
    void setPixmap(const QPixmap& source);
    void setImage(const QImage& source);

    void setCaption(std::shared_ptr<ImageCaption> caption);
    ImageCaption* caption() const { return m_caption.get(); }
    std::shared_ptr<ImageCaption> sharedCaption() const { return m_caption; }

    QImage composedImage() const { return m_composed; }
    QPixmap composedPixmap() const;
    QImage sourceImage() const { return m_source; }
    QPixmap sourcePixmap() const;
    QImage canvasImage() const { return m_canvas; }
    // What the card shows: the composed picture scaled to the card, not the full picture.
    QPixmap thumbnail() const { return m_thumbnail; }

    void setChecked(bool checked);
    bool isChecked() const;
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }

    // Its own rows in a subtitle-strip sheet; unset takes the sheet's shared band.
    void setBand(const StillBand& band) { m_band = band; }
    StillBand band() const { return m_band; }
    // The rows this card shows in a sheet whose shared band is `sharedRows` high: its own, or
    // the bottom rows of its canvas.
    StillBand bandIn(int sharedRows) const;

    // Where the picture came from, for saving it as it came in.
    void setOrigin(const StillOrigin& origin) { m_origin = origin; }
    const StillOrigin& origin() const { return m_origin; }

    void setCaptureInfo(double position, int index);
    bool isCaptured() const { return m_captured; }
    double capturePosition() const { return m_position; }
    int captureIndex() const { return m_index; }

    // Redraws the subtitle from the caption record.
    void updateImage();
    // Where the caption's centre lies on the canvas, aligned or typed.
    QPoint captionAnchor() const;

signals:
    void selectedSignal(bool checked);
    void deleteSignal();

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showComposed();
    void refreshThumbnail();

    QHBoxLayout* m_layout = nullptr;
    QLabel* m_pictureLabel;
    QPushButton* m_deleteButton;
    QCheckBox* m_checkBox;
    QImage m_composed;
    QImage m_canvas;
    QImage m_source;
    QPixmap m_thumbnail;
    StillOrigin m_origin;
    StillBand m_band;
    bool m_captured = false;
    double m_position = 0.0;
    int m_index = 0;
    std::shared_ptr<ImageCaption> m_caption;
    bool m_selected = false;
    bool m_thumbnailDirty = false;
    int m_canvasWidth = 0;
    int m_canvasHeight = 0;
};

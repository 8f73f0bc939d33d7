#pragma once

#include "core/images/StillBand.h"

#include <QPointer>
#include <QWidget>

class BandEditor;
class ImageItem;
class QLabel;

// Lies over the card picture of the editing panel while the sheet is a vertical subtitle
// strip: the rows outside the card's band are dimmed, and the band's top and bottom lines
// (or the whole band) can be dragged. Releasing the mouse gives the card that band as one
// step, through the band row's signal.
class BandOverlay : public QWidget
{
    Q_OBJECT

public:
    // Covers `picture`, the label showing the card fitted and centred.
    BandOverlay(QLabel* picture, BandEditor* editor);

    // Where the picture lies in the overlay, and the band's top and bottom there.
    QRect pictureRect() const;
    int edgeY(int row) const;

signals:
    void bandDragged(ImageItem* card, const StillBand& before);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum Grip
    {
        NoGrip,
        TopGrip,
        BottomGrip,
        WholeBand
    };

    ImageItem* card() const;
    StillBand shownBand() const;
    int rowAt(int y) const;
    Grip gripAt(const QPoint& pos) const;

    QLabel* m_picture;
    BandEditor* m_editor;
    Grip m_grip = NoGrip;
    StillBand m_dragged;
    int m_pressRow = 0;
};

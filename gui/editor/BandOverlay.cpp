#include "gui/editor/BandOverlay.h"

#include "core/base/ScreenManager.h"
#include "gui/editor/BandEditor.h"
#include "gui/images/ImageItem.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

const QColor kAccent(0x68, 0x5a, 0xf5);

} // namespace

BandOverlay::BandOverlay(QLabel* picture, BandEditor* editor)
    : QWidget(picture), m_picture(picture), m_editor(editor)
{
    setMouseTracking(true);
    picture->installEventFilter(this);
    setGeometry(picture->rect());
    hide();
}

bool BandOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_picture && event->type() == QEvent::Resize)
        setGeometry(m_picture->rect());
    return QWidget::eventFilter(watched, event);
}

ImageItem* BandOverlay::card() const
{
    return m_editor->card();
}

StillBand BandOverlay::shownBand() const
{
    return m_grip != NoGrip ? m_dragged : card()->bandIn(m_editor->sharedBand());
}

QRect BandOverlay::pictureRect() const
{
    const QPixmap pixmap = m_picture->pixmap(Qt::ReturnByValue);
    if (pixmap.isNull())
        return QRect();
    const QSize size = pixmap.size() / pixmap.devicePixelRatioF();
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

int BandOverlay::edgeY(int row) const
{
    const QRect picture = pictureRect();
    const int rows = std::max(card()->canvasSize().height(), 1);
    // The last row's lower edge is drawn on the picture's last line, where it can be seen.
    return std::min(picture.top() + int(qint64(row) * picture.height() / rows), picture.bottom());
}

int BandOverlay::rowAt(int y) const
{
    const QRect picture = pictureRect();
    const int rows = card()->canvasSize().height();
    if (picture.height() <= 0)
        return 0;
    return std::clamp(int(qint64(y - picture.top()) * rows / picture.height()), 0, rows);
}

BandOverlay::Grip BandOverlay::gripAt(const QPoint& pos) const
{
    const StillBand band = shownBand();
    const int reach = scaled(6);
    if (std::abs(pos.y() - edgeY(band.top)) <= reach)
        return TopGrip;
    if (std::abs(pos.y() - edgeY(band.top + band.height)) <= reach)
        return BottomGrip;
    if (pos.y() > edgeY(band.top) && pos.y() < edgeY(band.top + band.height))
        return WholeBand;
    return NoGrip;
}

void BandOverlay::paintEvent(QPaintEvent*)
{
    const QRect picture = pictureRect();
    if (!card() || picture.isEmpty())
        return;
    const StillBand band = shownBand();
    const int top = edgeY(band.top);
    const int bottom = edgeY(band.top + band.height);
    QPainter painter(this);
    // What the sheet leaves out of this still is dimmed; the band stays as it will appear.
    const QColor dim(0, 0, 0, 120);
    painter.fillRect(QRect(picture.left(), picture.top(), picture.width(), top - picture.top()),
                     dim);
    painter.fillRect(QRect(picture.left(), bottom, picture.width(), picture.bottom() + 1 - bottom),
                     dim);
    painter.setPen(QPen(kAccent, scaled(2)));
    painter.drawLine(picture.left(), top, picture.right(), top);
    painter.drawLine(picture.left(), bottom, picture.right(), bottom);
    // Grips in the middle of each line say that the lines can be moved.
    const QSize grip = scaledSize(QSize(28, 6));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(kAccent);
    painter.setPen(Qt::NoPen);
    for (const int y : {top, bottom})
        painter.drawRoundedRect(
            QRect(QPoint(picture.center().x() - grip.width() / 2, y - grip.height() / 2), grip),
            grip.height() / 2.0, grip.height() / 2.0);
}

void BandOverlay::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !card())
        return;
    const Grip grip = gripAt(event->pos());
    if (grip == NoGrip)
        return;
    m_dragged = card()->bandIn(m_editor->sharedBand());
    m_pressRow = rowAt(event->pos().y());
    m_grip = grip;
}

void BandOverlay::mouseMoveEvent(QMouseEvent* event)
{
    if (!card())
        return;
    if (m_grip == NoGrip) {
        const Grip grip = gripAt(event->pos());
        setCursor(grip == WholeBand ? Qt::SizeAllCursor
                  : grip == NoGrip  ? Qt::ArrowCursor
                                    : Qt::SizeVerCursor);
        return;
    }
    const int rows = card()->canvasSize().height();
    const int row = rowAt(event->pos().y());
    const StillBand start = card()->bandIn(m_editor->sharedBand());
    const int bottom = start.top + start.height;
    if (m_grip == TopGrip) {
        m_dragged.top = std::clamp(row, 0, bottom - 1);
        m_dragged.height = bottom - m_dragged.top;
    } else if (m_grip == BottomGrip) {
        m_dragged.height = std::clamp(row, start.top + 1, rows) - start.top;
    } else {
        m_dragged.top = std::clamp(start.top + row - m_pressRow, 0, rows - start.height);
    }
    update();
}

void BandOverlay::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_grip == NoGrip)
        return;
    m_grip = NoGrip;
    ImageItem* shown = card();
    if (!shown || m_dragged == shown->bandIn(m_editor->sharedBand()))
        return;
    const StillBand before = shown->band();
    shown->setBand(m_dragged);
    emit bandDragged(shown, before);
}

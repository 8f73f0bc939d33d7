#include "gui/images/ImageItem.h"

#include <QCheckBox>
#include <QDebug>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "core/base/ScreenManager.h"
#include "core/images/ImageComposer.h"

namespace {

// The card being edited sits in a frame of the accent colour; the picture is inset so the
// frame shows on every side, at every screen scale.
const QString kSelectedStyle = QStringLiteral("QWidget#image_item_widget{background: #685af5;}");

int frameWidth(bool selected)
{
    return selected ? std::max(3, scaled(3)) : 1;
}

} // namespace

ImageItem::ImageItem(QWidget* parent)
    : QWidget(parent), m_pictureLabel(new QLabel(this)), m_deleteButton(new QPushButton(this)),
      m_checkBox(new QCheckBox(this))
{
    setAttribute(Qt::WA_StyledBackground);
    setObjectName(QStringLiteral("image_item_widget"));

    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(1, 1, 1, 1);
    m_layout->addWidget(m_pictureLabel);
    // The thumbnail keeps the picture's proportions inside the card; the card's size, not the
    // thumbnail's, decides the layout.
    m_pictureLabel->setAlignment(Qt::AlignCenter);
    m_pictureLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);

    m_deleteButton->setObjectName(QStringLiteral("noborder"));
    m_deleteButton->setIcon(QIcon(QStringLiteral(":/images/imageview/delete3.png")));
    m_deleteButton->setIconSize(scaledSize(QSize(16, 16)));
    m_deleteButton->setCursor(Qt::PointingHandCursor);
    m_deleteButton->hide();
    m_checkBox->raise();
    m_deleteButton->raise();

    connect(m_checkBox, &QCheckBox::toggled, this, &ImageItem::selectedSignal);
    connect(m_deleteButton, &QPushButton::clicked, this, &ImageItem::deleteSignal);
}

void ImageItem::setCanvasSize(int width, int height)
{
    m_canvasWidth = width;
    m_canvasHeight = height;
}

QSize ImageItem::canvasSize() const
{
    return QSize(m_canvasWidth, m_canvasHeight);
}

StillBand ImageItem::bandIn(int sharedRows) const
{
    if (m_band.isSet())
        return m_band;
    const int rows = std::clamp(sharedRows, 1, std::max(m_canvasHeight, 1));
    return {m_canvasHeight - rows, rows};
}

void ImageItem::setPixmap(const QPixmap& source)
{
    setImage(source.toImage());
}

void ImageItem::setImage(const QImage& source)
{
    m_source = source;
    m_canvas = ImageComposer::letterbox(source, canvasSize());
    m_composed = m_canvas;
    showComposed();
}

void ImageItem::setCaption(std::shared_ptr<ImageCaption> caption)
{
    m_caption = std::move(caption);
}

QPixmap ImageItem::composedPixmap() const
{
    return QPixmap::fromImage(m_composed);
}

QPixmap ImageItem::sourcePixmap() const
{
    return QPixmap::fromImage(m_source);
}

void ImageItem::setChecked(bool checked)
{
    m_checkBox->setChecked(checked);
}

bool ImageItem::isChecked() const
{
    return m_checkBox->isChecked();
}

void ImageItem::setSelected(bool selected)
{
    m_selected = selected;
    setStyleSheet(selected ? kSelectedStyle : QString());
    const int frame = frameWidth(selected);
    m_layout->setContentsMargins(frame, frame, frame, frame);
    showComposed();
}

void ImageItem::setCaptureInfo(double position, int index)
{
    m_captured = true;
    m_position = position;
    m_index = index;
}

void ImageItem::updateImage()
{
    if (!m_caption || m_canvas.isNull())
        return;
    qDebug() << "updateImage font size:" << m_caption->fontSize
             << m_caption->fontSize.toInt(nullptr, 10);
    m_composed = ImageComposer::compose(m_canvas, *m_caption);
    showComposed();
}

QPoint ImageItem::captionAnchor() const
{
    return m_caption ? ImageComposer::anchor(*m_caption, canvasSize()) : QPoint();
}

void ImageItem::enterEvent(QEvent* event)
{
    m_deleteButton->show();
    QWidget::enterEvent(event);
}

void ImageItem::leaveEvent(QEvent* event)
{
    m_deleteButton->hide();
    QWidget::leaveEvent(event);
}

void ImageItem::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Offsets follow the screen scale so that the controls keep clear of the scaled border.
    const int d = int((float(ScreenManager::instance()->scale()) - 1.0f) * 8.0f);
    m_checkBox->move(0, height() - 26 - d);
    m_deleteButton->move(width() - 62 - d, d - 2);
    showComposed();
}

void ImageItem::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_thumbnailDirty)
        refreshThumbnail();
}

void ImageItem::showComposed()
{
    // Scaling a large picture is costly; a hidden card scales once it is shown.
    m_thumbnailDirty = true;
    if (isVisible())
        refreshThumbnail();
}

void ImageItem::refreshThumbnail()
{
    const int frame = frameWidth(m_selected);
    const QSize target = contentsRect().marginsRemoved(QMargins(frame, frame, frame, frame)).size();
    if (m_composed.isNull() || target.isEmpty()) {
        m_thumbnail = QPixmap();
    } else {
        m_thumbnail = QPixmap::fromImage(
            m_composed.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    m_pictureLabel->setPixmap(m_thumbnail);
    m_thumbnailDirty = false;
}

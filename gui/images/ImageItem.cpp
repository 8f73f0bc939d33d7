#include "gui/images/ImageItem.h"

#include <QCheckBox>
#include <QDebug>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "core/base/ScreenManager.h"
#include "core/images/ImageComposer.h"

namespace {

const QString kSelectedStyle =
    QStringLiteral("QWidget#image_item_widget{border: 8px solid #685af5;}");

} // namespace

ImageItem::ImageItem(QWidget* parent)
    : QWidget(parent), m_pictureLabel(new QLabel(this)), m_deleteButton(new QPushButton(this)),
      m_checkBox(new QCheckBox(this))
{
    setAttribute(Qt::WA_StyledBackground);
    setObjectName(QStringLiteral("image_item_widget"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_pictureLabel);
    m_pictureLabel->setScaledContents(true);

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
    QString css = selected ? kSelectedStyle : QString();
    scaleStyleSheet(css);
    setStyleSheet(css);
}

void ImageItem::setCaptureInfo(double position, int index)
{
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

int ImageItem::getXPos(int hAlign) const
{
    const ImageCaption fallback;
    return ImageComposer::xPos(m_caption ? *m_caption : fallback, m_composed.width(), hAlign);
}

int ImageItem::getYPos(int vAlign) const
{
    const ImageCaption fallback;
    return ImageComposer::yPos(m_caption ? *m_caption : fallback, m_composed.height(), vAlign);
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
    const QSize target = contentsRect().marginsRemoved(QMargins(1, 1, 1, 1)).size();
    if (m_composed.isNull() || target.isEmpty()) {
        m_thumbnail = QPixmap();
    } else {
        m_thumbnail = QPixmap::fromImage(
            m_composed.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    m_pictureLabel->setPixmap(m_thumbnail);
    m_thumbnailDirty = false;
}

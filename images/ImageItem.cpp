#include "images/ImageItem.h"

#include <QCheckBox>
#include <QColor>
#include <QDebug>
#include <QFont>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPushButton>

#include "app/ScreenManager.h"

namespace {

const QString kSelectedStyle =
    QStringLiteral("QWidget#image_item_widget{border: 8px solid #685af5;}");

// Decoded files carry their own resolution (a JPEG often says 72 dpi), and point sizes follow
// the paint device's resolution; measuring and drawing on a device of the default resolution
// keeps the subtitle the same size whatever file the picture came from.
QImage referenceDevice()
{
    return QImage(1, 1, QImage::Format_RGB32);
}

void useReferenceResolution(QImage& image)
{
    const QImage reference = referenceDevice();
    image.setDotsPerMeterX(reference.dotsPerMeterX());
    image.setDotsPerMeterY(reference.dotsPerMeterY());
}

QImage letterbox(const QImage& source, const QSize& canvasSize)
{
    if (canvasSize.isEmpty())
        return QImage();
    // A picture that already fills the canvas is used as it is (shared, not copied); one with
    // transparency still goes onto black so that its transparent parts come out black.
    if (source.size() == canvasSize && !source.hasAlphaChannel())
        return source.convertToFormat(QImage::Format_RGB32);

    QImage canvas(canvasSize, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    if (source.isNull())
        return canvas;
    const QImage fitted = source.scaled(canvasSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&canvas);
    painter.drawImage((canvasSize.width() - fitted.width()) / 2,
                      (canvasSize.height() - fitted.height()) / 2, fitted);
    return canvas;
}

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
    m_canvas = letterbox(source, canvasSize());
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

QFont ImageItem::captionFont() const
{
    const ImageCaption fallback;
    const ImageCaption& caption = m_caption ? *m_caption : fallback;
    QFont font(QStringLiteral("Microsoft YaHei"));
    // An emptied size field stores 0, which is no point size; draw at the smallest one.
    font.setPointSize(qMax(1, caption.fontSize.toInt(nullptr, 10)));
    font.setWeight(caption.bold ? 75 : 50);
    font.setItalic(caption.italic);
    font.setUnderline(caption.underline);
    font.setStrikeOut(caption.strikeOut);
    return font;
}

void ImageItem::updateImage()
{
    if (!m_caption || m_canvas.isNull())
        return;
    const ImageCaption& caption = *m_caption;
    qDebug() << "updateImage font size:" << caption.fontSize << caption.fontSize.toInt(nullptr, 10);
    // Without text nothing would be drawn; the canvas is shared instead of copied.
    if (caption.text.isEmpty()) {
        m_composed = m_canvas;
        showComposed();
        return;
    }

    QImage composed = m_canvas;
    useReferenceResolution(composed);
    QPainter painter(&composed);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setFont(captionFont());

    const QColor textColor(caption.color);
    const QColor outlineColor(caption.borderColor);
    const QFontMetrics metrics = painter.fontMetrics();
    const int h = metrics.height();
    const int w = metrics.horizontalAdvance(caption.text);
    const QRect r = metrics.boundingRect(caption.text);

    QPainterPath path;
    path.addText(QPointF(caption.x - w * 0.5 + caption.border * 0.5, caption.y + h * 0.5),
                 painter.font(), caption.text);
    if (caption.border > 0)
        painter.strokePath(path, QPen(outlineColor, caption.border));
    painter.setPen(QPen(textColor, 1));
    painter.drawText(QPoint(caption.x - r.width() / 2, caption.y + r.height() / 2), caption.text);
    painter.end();

    m_composed = composed;
    showComposed();
}

int ImageItem::getXPos(int hAlign) const
{
    const QImage reference = referenceDevice();
    const QFontMetrics metrics(captionFont(), &reference);
    const double halfText =
        metrics.horizontalAdvance(m_caption ? m_caption->text : QString()) * 0.5;
    const int canvasWidth = m_composed.width();
    qDebug() << "getXPos" << canvasWidth << halfText << canvasWidth - halfText;
    if (hAlign == 6)
        return int(canvasWidth - halfText);
    if (hAlign == 5)
        return int(canvasWidth * 0.5);
    return int(halfText);
}

int ImageItem::getYPos(int vAlign) const
{
    const QImage reference = referenceDevice();
    const QFontMetrics metrics(captionFont(), &reference);
    const int lineHeight = metrics.height();
    const int canvasHeight = m_composed.height();
    if (vAlign == 3)
        return int(lineHeight * 0.2);
    if (vAlign == 2)
        return int(canvasHeight * 0.5 - lineHeight * 0.5);
    return int(canvasHeight - lineHeight * 0.6);
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

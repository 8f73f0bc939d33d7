#include "gui/images/ImageViewDialog.h"

#include "core/base/AppConfig.h"
#include "core/base/ScreenManager.h"
#include "gui/images/SaveFileBar.h"
#include "gui/widgets/ScaleViewBar.h"
#include "gui/widgets/ZoomFit.h"

#include <QBoxLayout>
#include <QDebug>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>

#include <algorithm>

ImageViewDialog::ImageViewDialog(QWidget* parent)
    : QDialog(parent), m_scrollArea(new QScrollArea(this)), m_container(new QWidget),
      m_pictureLabel(new QLabel(m_container)), m_progressBar(new QProgressBar(this)),
      m_saveFileBar(new SaveFileBar(this))
{
    setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(AppConfig::kProductName);

    auto* containerLayout = new QHBoxLayout(m_container);
    const int margin = scaled(20);
    containerLayout->setContentsMargins(margin, margin, margin, margin);
    containerLayout->addWidget(m_pictureLabel, 0, Qt::AlignCenter);
    m_pictureLabel->setScaledContents(true);
    m_scrollArea->setAlignment(Qt::AlignCenter);
    m_scrollArea->setWidget(m_container);

    m_progressBar->setFixedHeight(scaled(3));
    m_progressBar->setTextVisible(false);
    m_progressBar->hide();
    m_saveFileBar->setExportButtonMode(0);
    m_saveFileBar->showScaleBar(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_scrollArea);
    layout->addWidget(m_progressBar);
    layout->addWidget(m_saveFileBar);

    ScaleViewBar* zoomBar = m_saveFileBar->scaleViewBar();
    connect(zoomBar, &ScaleViewBar::sliderValueChanged, this, [this] { setZoomMode(ManualZoom); });
    connect(zoomBar, &ScaleViewBar::scaleButtonClicked, this, [this] { setZoomMode(ManualZoom); });
    connect(zoomBar, &ScaleViewBar::fitToWindow, this, [this, zoomBar](bool actualSize) {
        if (actualSize)
            zoomBar->setValue(100);
        setZoomMode(actualSize ? ActualSize : FitZoom);
    });
    connect(m_saveFileBar, &SaveFileBar::changeScale, this, [this] { fit(); });
    connect(m_saveFileBar, &SaveFileBar::exportButtonClick, this,
            &ImageViewDialog::exportButtonTap);
    connect(m_saveFileBar, &SaveFileBar::changeExtension, this, &ImageViewDialog::changeExtension);
}

void ImageViewDialog::setImage(const QImage& image, bool horizontal)
{
    m_image = image;
    m_horizontal = horizontal;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize size = screen->size();
        setMinimumSize(size.width() / 2, size.height() * 2 / 3);
    }
    m_zoomMode = FitZoom;
    fit();
}

void ImageViewDialog::setZoomMode(int mode)
{
    m_zoomMode = mode;
    fit();
}

void ImageViewDialog::fit()
{
    if (!isVisible()) {
        m_fitPending = true;
        return;
    }
    m_fitPending = false;
    if (m_image.isNull())
        return;
    const QSize picture = m_image.size();
    const int bars = scaled(66);
    const int margin = ZoomFit::margin();
    ScaleViewBar* zoomBar = m_saveFileBar->scaleViewBar();
    if (m_zoomMode == FitZoom) {
        const int fitValue = ZoomFit::fitPercent(picture, QSize(width(), height() - bars), margin);
        zoomBar->setRange(10, 200, fitValue, 100);
        zoomBar->setValue(fitValue);
    }
    const int zoom = zoomBar->value();
    const QSize display = ZoomFit::displaySize(picture, zoom);
    const QPixmap shown =
        QPixmap::fromImage(m_image.scaled(display, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    m_pictureLabel->setPixmap(shown);
    m_pictureLabel->setMinimumSize(shown.size());
    m_container->setFixedSize(
        std::max(width() - 2 * margin, display.width() + 2 * margin),
        std::max(height() - bars - 2 * margin, display.height() + 2 * margin));
    qDebug() << "ImageViewDialog zoom:" << zoom
             << "display ratio:" << float(display.width()) / float(picture.width());
}

void ImageViewDialog::setProgress(int current, int total)
{
    m_progressBar->setMaximum(total);
    m_progressBar->setValue(current);
}

void ImageViewDialog::setProgressVisible(bool visible)
{
    m_progressBar->setVisible(visible);
}

void ImageViewDialog::setSaveBarEnabled(bool enabled)
{
    m_saveFileBar->setEnabled(enabled);
}

void ImageViewDialog::setNotice(const QString& text)
{
    m_saveFileBar->setNotice(text);
}

void ImageViewDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    fit();
}

void ImageViewDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_fitPending)
        fit();
}

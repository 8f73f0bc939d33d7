#include "gui/images/ImageListViewDialog.h"

#include "core/base/AppConfig.h"
#include "core/base/ScreenManager.h"
#include "gui/images/ImageItem.h"
#include "gui/images/SaveFileBar.h"
#include "gui/widgets/ClickableWidget.h"
#include "gui/widgets/ZoomFit.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollArea>

#include <algorithm>

ImageListViewDialog::ImageListViewDialog(QWidget* parent)
    : QDialog(parent), m_scrollArea(new QScrollArea(this)), m_gridWidget(new QWidget),
      m_gridLayout(new QGridLayout(m_gridWidget)), m_progressBar(new QProgressBar(this)),
      m_saveFileBar(new SaveFileBar(this))
{
    setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(AppConfig::kProductName);
    setMinimumSize(scaledSize(QSize(850, 500)));

    m_gridLayout->setHorizontalSpacing(scaled(10));
    m_gridLayout->setVerticalSpacing(scaled(10));
    const int margin = scaled(10);
    m_gridLayout->setContentsMargins(margin, margin, margin, margin);
    m_scrollArea->setWidget(m_gridWidget);

    m_progressBar->setFixedHeight(scaled(3));
    m_progressBar->setTextVisible(false);
    m_progressBar->hide();
    m_saveFileBar->setExportButtonMode(1);
    m_saveFileBar->showScaleBar(false);
    m_saveFileBar->showSelectAll(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_scrollArea);
    layout->addWidget(m_progressBar);
    layout->addWidget(m_saveFileBar);

    connect(m_saveFileBar, &SaveFileBar::exportButtonClick, this,
            [this] { emit exportButtonTap(m_saveFileBar->folderEdit()->text()); });
    connect(m_saveFileBar, &SaveFileBar::changeExtension, this,
            &ImageListViewDialog::changeExtension);
    connect(m_saveFileBar, &SaveFileBar::changeScale, this, [this] { layoutGrid(); });
    connect(m_saveFileBar, &SaveFileBar::selectAllCheckboxCheckdSignal, this, [this](bool select) {
        for (ImageItem* mirror : qAsConst(m_mirrors)) {
            const bool wasBlocked = mirror->blockSignals(true);
            mirror->setChecked(select);
            mirror->blockSignals(wasBlocked);
        }
        emit selectAllSignal(select);
    });
    connect(m_saveFileBar, qOverload<int>(&SaveFileBar::buttonClicked), this, [this](int) {
        removeAllMirrors();
        emit deleteAllSignal();
    });
}

void ImageListViewDialog::setItems(const QList<ImageItem*>& items)
{
    removeAllMirrors();
    for (ImageItem* card : items)
        m_mirrors.append(createMirror(card));
    updateSelectAll();
    setMinimumSize(scaledSize(QSize(850, 500)));
    layoutGrid();
}

ImageItem* ImageListViewDialog::createMirror(ImageItem* card)
{
    const QImage source = card->sourceImage();
    const QSize canvas = card->canvasSize();
    const int thumbWidth = scaled(200);
    // The mirror shows the card's canvas, so it takes the canvas's proportions; a card without
    // a picture still gets a usable 16:9 place in the grid.
    const int thumbHeight =
        canvas.width() > 0 ? thumbWidth * canvas.height() / canvas.width() : thumbWidth * 9 / 16;

    auto* mirror = new ImageItem(m_gridWidget);
    mirror->setCanvasSize(canvas.width(), canvas.height());
    mirror->setImage(source);
    mirror->setCaption(card->sharedCaption());
    mirror->setChecked(card->isChecked());
    mirror->setFixedSize(thumbWidth, thumbHeight);

    auto* clickable = new ClickableWidget(mirror);
    mirror->installEventFilter(clickable);
    connect(clickable, &ClickableWidget::clicked, mirror,
            [mirror] { mirror->setChecked(!mirror->isChecked()); });
    connect(mirror, &ImageItem::selectedSignal, this, [this, card] {
        emit selectImage(card);
        updateSelectAll();
    });
    connect(mirror, &ImageItem::deleteSignal, this, [this, mirror, card] {
        removeMirror(mirror);
        layoutGrid();
        emit deleteImage(card);
    });
    return mirror;
}

void ImageListViewDialog::removeMirror(ImageItem* mirror)
{
    m_gridLayout->removeWidget(mirror);
    m_mirrors.removeOne(mirror);
    mirror->hide();
    // The card may be inside its own signal (its delete button), so it goes once that returns.
    mirror->deleteLater();
}

void ImageListViewDialog::removeAllMirrors()
{
    const QList<ImageItem*> mirrors = m_mirrors;
    for (ImageItem* mirror : mirrors)
        removeMirror(mirror);
    layoutGrid();
}

void ImageListViewDialog::clear()
{
    detachAll();
}

void ImageListViewDialog::updateCaptions()
{
    for (ImageItem* mirror : qAsConst(m_mirrors))
        mirror->updateImage();
}

void ImageListViewDialog::setProgress(int current, int total)
{
    m_progressBar->setMaximum(total);
    m_progressBar->setValue(current);
}

void ImageListViewDialog::setProgressVisible(bool visible)
{
    m_progressBar->setVisible(visible);
}

void ImageListViewDialog::setSaveBarEnabled(bool enabled)
{
    m_saveFileBar->setEnabled(enabled);
}

void ImageListViewDialog::updateSelectAll()
{
    const bool all = !m_mirrors.isEmpty() &&
                     std::all_of(m_mirrors.cbegin(), m_mirrors.cend(),
                                 [](const ImageItem* mirror) { return mirror->isChecked(); });
    m_saveFileBar->setSelectAllChecked(all, true);
}

void ImageListViewDialog::detachAll()
{
    while (QLayoutItem* item = m_gridLayout->takeAt(0))
        delete item;
}

void ImageListViewDialog::layoutGrid()
{
    detachAll();
    if (m_mirrors.isEmpty())
        return;
    const int margin = ZoomFit::margin();
    const int spacing = scaled(10);
    const int available = width() + 2 * spacing - margin;
    const int cardWidth = std::max(m_mirrors.first()->width(), 1);
    const int cardHeight = m_mirrors.first()->height();
    const int count = m_mirrors.size();
    const int columns = std::max(available / cardWidth, 1);
    const int rows = count / columns;
    const int used = std::min(count, columns);
    m_gridWidget->setFixedSize(
        std::min(available, (used - 1) * spacing + cardWidth * used + 2 * spacing),
        (spacing + cardHeight) * (rows + 1) + spacing);
    for (int i = 0; i < count; ++i) {
        m_gridLayout->addWidget(m_mirrors.at(i), i / columns, i % columns);
        m_mirrors.at(i)->show();
    }
}

void ImageListViewDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layoutGrid();
}

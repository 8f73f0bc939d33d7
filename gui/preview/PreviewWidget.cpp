#include "gui/preview/PreviewWidget.h"

#include "core/base/AppConfig.h"
#include "core/base/Paths.h"
#include "core/base/ScreenManager.h"
#include "core/base/Settings.h"
#include "core/images/SaveImageThread.h"
#include "core/preview/SheetExport.h"
#include "gui/application/GlobalManager.h"
#include "gui/application/History.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImageViewDialog.h"
#include "gui/images/SaveFileBar.h"
#include "gui/preview/PreviewNavigator.h"
#include "gui/preview/PreviewStep.h"
#include "gui/widgets/ClickableWidget.h"
#include "gui/widgets/IconButton.h"
#include "gui/widgets/NormalButton.h"
#include "gui/widgets/PropertyItem.h"
#include "gui/widgets/ScaleViewBar.h"
#include "gui/widgets/ZoomFit.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QDebug>
#include <QEvent>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kProgressMaximum = 200;
// The timer moves the bar through 90 % of its length in two seconds while the export runs.
constexpr int kProgressInterval = 2000 / kProgressMaximum;
constexpr int kProgressCeiling = int(kProgressMaximum * 0.9);

QList<PropertyDescriptor> descriptors()
{
    using namespace AppConfig;
    return {
        {kPropertyScale, PreviewWidget::Scale, QString(), QStringLiteral("100"), 1, 500},
        {kPropertyWidth, PreviewWidget::Width, QString(), QStringLiteral("0"), 1, 999999},
        {kPropertyHeight, PreviewWidget::Height, QString(), QStringLiteral("0"), 1, 999999},
        {kPropertyColumn, PreviewWidget::Column, QString(), QStringLiteral("3"), 1, 10},
        {kPropertyXSpace, PreviewWidget::XSpace, QString(), QStringLiteral("0"), -9999, 9999},
        {kPropertyYSpace, PreviewWidget::YSpace, QString(), QStringLiteral("0"), -9999, 9999},
        {QStringLiteral("band"), PreviewWidget::Band, QString(), QString(), 1, 9999},
    };
}

// Room for the longest label ("Y Space") and a five-character value such as "-1080".
QWidget* fixedRow(PropertyItem* item)
{
    item->setFixedWidth(scaled(128));
    return item;
}

} // namespace

PreviewWidget::PreviewWidget(QWidget* parent) : BaseWidget(parent, 2)
{
    PreviewWidget::initUI();
}

PreviewWidget::~PreviewWidget()
{
    // The viewer is a top-level window of its own; it goes with the panel unless the main
    // window already scheduled it.
    delete m_viewDialog.data();
}

void PreviewWidget::initUI()
{
    m_saveThread = new SaveImageThread(this);
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(kProgressInterval);
    m_viewDialog = new ImageViewDialog(nullptr);
    m_viewDialog->hide();

    QBoxLayout* layout = innerLayout();
    layout->setSpacing(0);
    layout->addWidget(createHeader());
    layout->addWidget(createPreviewArea(), 1);
    m_progressBar = new QProgressBar(this);
    m_progressBar->setFixedHeight(scaled(3));
    m_progressBar->setTextVisible(false);
    m_progressBar->hide();
    layout->addWidget(m_progressBar);
    m_scaleViewBar = new ScaleViewBar(this);
    m_scaleViewBar->setRange(1, 100, 100, 100);
    m_scaleViewBar->setValue(100);
    m_scaleViewBar->setBorderStyle(true);
    layout->addWidget(m_scaleViewBar);
    layout->addWidget(createSettingsArea());
    layout->addWidget(createOutputBar());
    createOverlay();

    m_format = m_formatBox->currentText();
    setLayoutType(m_layoutType);

    connectZoomBar();
    new PreviewNavigator(m_scrollArea, m_pictureLabel, m_scaleViewBar, this);
    connectExport();
    setLanguageCallback([this] { retranslate(); });
}

QWidget* PreviewWidget::createHeader()
{
    auto* header = new QWidget(this);
    header->setObjectName(QStringLiteral("sub_title"));
    header->setFixedHeight(scaled(36));
    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(scaledRect(10, 0, 10, 0));
    m_titleLabel = new QLabel(header);
    m_showButton = new QPushButton(header);
    m_showButton->setObjectName(QStringLiteral("show"));
    layout->addWidget(m_titleLabel);
    layout->addStretch();
    layout->addWidget(m_showButton);
    connect(m_showButton, &QPushButton::clicked, this, &PreviewWidget::showViewDialog);
    return header;
}

QWidget* PreviewWidget::createPreviewArea()
{
    m_previewArea = new QWidget(this);
    m_previewArea->setObjectName(QStringLiteral("preview_widget"));
    auto* areaLayout = new QVBoxLayout(m_previewArea);
    const int one = scaled(1);
    areaLayout->setContentsMargins(one, one, one, one);

    m_scrollArea = new QScrollArea(m_previewArea);
    m_scrollArea->setAlignment(Qt::AlignCenter);
    m_pixmapWidget = new QWidget;
    m_pixmapWidget->setObjectName(QStringLiteral("preview_pixmap_widget"));
    auto* pixmapLayout = new QHBoxLayout(m_pixmapWidget);
    const int margin = scaled(ZoomFit::margin());
    pixmapLayout->setContentsMargins(margin, margin, margin, margin);
    m_pictureLabel = new QLabel(m_pixmapWidget);
    m_pictureLabel->setScaledContents(true);
    m_pictureLabel->hide();
    pixmapLayout->addWidget(m_pictureLabel, 0, Qt::AlignCenter);
    m_scrollArea->setWidget(m_pixmapWidget);
    areaLayout->addWidget(m_scrollArea);
    m_emptyLabel = new QLabel(m_previewArea);
    m_emptyLabel->setObjectName(QStringLiteral("logo_tip"));
    m_emptyLabel->setAlignment(Qt::AlignCenter);
    m_emptyLabel->setWordWrap(true);
    areaLayout->addWidget(m_emptyLabel);
    m_scrollArea->hide();

    auto* clickable = new ClickableWidget(m_pictureLabel);
    m_pictureLabel->installEventFilter(clickable);
    connect(clickable, &ClickableWidget::clicked, this, &PreviewWidget::showViewDialog);
    m_previewArea->installEventFilter(this);
    return m_previewArea;
}

void PreviewWidget::createOverlay()
{
    m_overlay = new QWidget(this);
    m_overlay->setObjectName(QStringLiteral("float_widget"));
    m_overlay->setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QHBoxLayout(m_overlay);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_sizeLabel = new QLabel(m_overlay);
    m_sizeLabel->setObjectName(QStringLiteral("float_size_label"));
    m_sizeLabel->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_sizeLabel);
    // The overlay lies over the picture; clicks go through to it.
    m_overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_overlay->hide();
}

QWidget* PreviewWidget::createSettingsArea()
{
    m_settingsArea = new QWidget(this);
    m_settingsArea->setObjectName(QStringLiteral("widget"));
    auto* layout = new QVBoxLayout(m_settingsArea);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createStyleRow());
    layout->addWidget(createPropertyGrid());
    layout->addWidget(createFormatRow());
    return m_settingsArea;
}

QWidget* PreviewWidget::createStyleRow()
{
    auto* row = new QWidget(m_settingsArea);
    row->setMaximumWidth(scaled(600));
    auto* layout = new QHBoxLayout(row);
    const int margin = scaled(10);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(scaled(30));
    m_styleLabel = new QLabel(row);
    m_styleLabel->setMinimumWidth(scaled(70));
    layout->addWidget(m_styleLabel);
    m_layoutGroup = new QButtonGroup(row);
    m_layoutGroup->setExclusive(true);
    for (int type = 0; type < 3; ++type) {
        m_layoutButtons[type] = new QRadioButton(row);
        m_layoutGroup->addButton(m_layoutButtons[type], type);
        layout->addWidget(m_layoutButtons[type]);
    }
    m_layoutButtons[MergeLayout::Vertical]->setChecked(true);
    layout->addStretch();
    connect(m_layoutGroup, &QButtonGroup::idClicked, this, &PreviewWidget::layoutButtonClicked);
    return row;
}

QWidget* PreviewWidget::createPropertyGrid()
{
    auto* grid = new QWidget(m_settingsArea);
    grid->setObjectName(QStringLiteral("property_widget"));
    grid->setAttribute(Qt::WA_StyledBackground);
    m_propertyGrid = new QGridLayout(grid);
    const int margin = scaled(10);
    m_propertyGrid->setContentsMargins(margin, margin, margin, margin);
    m_propertyGrid->setColumnMinimumWidth(0, scaled(70));

    for (const PropertyDescriptor& descriptor : descriptors()) {
        auto* item = new PropertyItem(grid);
        item->setDescriptor(descriptor);
        connect(item, &PropertyItem::valueTextChanged, this,
                [this, item](const QString& text) { propertyChanged(item, text); });
        m_properties.append(item);
    }

    const auto linkIcon = [grid] {
        auto* icon = new QLabel(grid);
        const QSize size = scaledSize(QSize(18, 18));
        icon->setPixmap(QIcon(QStringLiteral(":/images/preview/link.svg")).pixmap(size));
        icon->setFixedSize(size);
        return icon;
    };
    m_sizeTitleLabel = new QLabel(grid);
    m_spaceTitleLabel = new QLabel(grid);
    m_propertyGrid->addWidget(m_sizeTitleLabel, 0, 0);
    m_propertyGrid->addWidget(fixedRow(property(Scale)), 0, 1);
    m_propertyGrid->addWidget(linkIcon(), 0, 2);
    m_propertyGrid->addWidget(fixedRow(property(Width)), 0, 3);
    m_propertyGrid->addWidget(linkIcon(), 0, 4);
    m_propertyGrid->addWidget(fixedRow(property(Height)), 0, 5);
    m_propertyGrid->addWidget(m_spaceTitleLabel, 1, 0);
    m_propertyGrid->addWidget(fixedRow(property(XSpace)), 1, 1);
    m_propertyGrid->addWidget(fixedRow(property(YSpace)), 1, 3);
    m_propertyGrid->addWidget(fixedRow(property(Column)), 1, 5);
    m_propertyGrid->addWidget(fixedRow(property(Band)), 1, 3);
    m_bandsButton = new QPushButton(grid);
    m_bandsButton->setObjectName(QStringLiteral("show"));
    m_bandsButton->setCursor(Qt::PointingHandCursor);
    m_bandsButton->setProperty("menuButton", true);
    m_propertyGrid->addWidget(m_bandsButton, 1, 5, Qt::AlignLeft);
    m_propertyGrid->setColumnStretch(6, 1);
    return grid;
}

QWidget* PreviewWidget::createFormatRow()
{
    auto* row = new QWidget(m_settingsArea);
    auto* layout = new QHBoxLayout(row);
    const int margin = scaled(10);
    layout->setContentsMargins(margin, margin, margin, margin);
    m_outputLabel = new QLabel(row);
    m_outputLabel->setMinimumWidth(scaled(70));
    m_formatBox = SaveFileBar::createFormatBox(row);
    layout->addWidget(m_outputLabel);
    layout->addWidget(m_formatBox);
    layout->addStretch();
    connect(m_formatBox, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        m_format = text;
        GlobalManager::instance()->setSetting(AppConfig::kFileExtension, text);
        qDebug() << "current format in preview widget:" << text;
        showNotice(QString());
    });
    return row;
}

QWidget* PreviewWidget::createOutputBar()
{
    m_outputBar = new QWidget(this);
    m_outputBar->setFixedHeight(scaled(45));
    auto* layout = new QHBoxLayout(m_outputBar);
    layout->setContentsMargins(scaledRect(10, 10, 10, 10));
    layout->setSpacing(scaled(10));
    const SaveFileBar::FolderControls folder = SaveFileBar::addFolderControls(layout, m_outputBar);
    m_saveToLabel = folder.saveToLabel;
    m_folderEdit = folder.field;
    m_changeButton = folder.changeButton;
    m_folderButton = folder.openButton;
    m_folderButton->setObjectName(QStringLiteral("dir"));
    m_noticeLabel = folder.noticeLabel;
    m_exportButton = new NormalButton(m_outputBar);
    m_exportButton->setObjectName(QStringLiteral("export"));
    m_exportButton->setFixedHeight(scaled(26));
    m_exportButton->setIcon(QStringLiteral(":/images/preview/export_icon.svg"));
    m_exportButton->setIconSize(scaledSize(QSize(16, 16)));

    layout->addWidget(m_exportButton);
    connect(m_exportButton, &NormalButton::clicked, this, &PreviewWidget::exportButtonClickHandle);
    return m_outputBar;
}

void PreviewWidget::retranslate()
{
    m_titleLabel->setText(tr("Preview"));
    m_showButton->setText(tr("Show"));
    m_styleLabel->setText(tr("Style"));
    m_layoutButtons[MergeLayout::Grid]->setText(tr("Grid"));
    m_layoutButtons[MergeLayout::Vertical]->setText(tr("Vertical"));
    m_layoutButtons[MergeLayout::Horizontal]->setText(tr("Horizontal"));
    m_sizeTitleLabel->setText(tr("Size"));
    showEmptyText();
    m_spaceTitleLabel->setText(tr("Space"));
    property(Scale)->setLabel(tr("Scale"));
    property(Width)->setLabel(tr("Width"));
    property(Height)->setLabel(tr("Height"));
    property(Column)->setLabel(tr("Column"));
    property(XSpace)->setLabel(tr("X Space"));
    property(YSpace)->setLabel(tr("Y Space"));
    property(Band)->setLabel(tr("Band"));
    m_bandsButton->setText(tr("Bands"));
    m_bandsButton->setToolTip(tr("Set the band of every still at once"));
    m_showButton->setToolTip(tr("Open the merged picture in a window of its own"));
    property(Scale)->setToolTip(tr("Output size in percent of the merged picture"));
    property(Width)->setToolTip(tr("Output width in pixels; the height follows"));
    property(Height)->setToolTip(tr("Output height in pixels; the width follows"));
    property(Column)->setToolTip(tr("Pictures in each row of the grid"));
    property(XSpace)->setToolTip(
        tr("Pixels between the pictures; negative keeps only a band of each following one"));
    property(YSpace)->setToolTip(property(XSpace)->toolTip());
    property(Band)->setToolTip(
        tr("Pixels of each following picture the strip shows, counted from its far edge"));
    m_outputLabel->setText(tr("Output"));
    m_saveToLabel->setText(tr("Save to"));
    m_changeButton->setText(tr("Change"));
    m_exportButton->setText(tr("Export"));
}

void PreviewWidget::connectZoomBar()
{
    connect(m_scaleViewBar, &ScaleViewBar::sliderValueChanged, this,
            [this] { setZoomMode(ManualZoom); });
    connect(m_scaleViewBar, &ScaleViewBar::scaleButtonClicked, this,
            [this] { setZoomMode(ManualZoom); });
    connect(m_scaleViewBar, &ScaleViewBar::fitToWindow, this,
            [this](bool actualSize) { actualSize ? zoomToActualSize() : zoomToFit(); });
}

void PreviewWidget::zoomIn()
{
    m_scaleViewBar->zoomIn();
}

void PreviewWidget::zoomOut()
{
    m_scaleViewBar->zoomOut();
}

void PreviewWidget::zoomToFit()
{
    setZoomMode(FitZoom);
}

void PreviewWidget::zoomToActualSize()
{
    m_scaleViewBar->setValue(100);
    setZoomMode(ActualSize);
}

void PreviewWidget::connectExport()
{
    connect(m_saveThread, &SaveImageThread::saveStart, this, &PreviewWidget::saveStarted);
    connect(m_saveThread, &SaveImageThread::saveFinished, this, &PreviewWidget::saveFinished);
    connect(m_progressTimer, &QTimer::timeout, this, &PreviewWidget::updateProgressByTime);
    connect(m_viewDialog, &ImageViewDialog::exportButtonTap, this,
            &PreviewWidget::exportButtonClickHandle);
}

PropertyItem* PreviewWidget::property(int id) const
{
    const auto it = std::find_if(m_properties.cbegin(), m_properties.cend(),
                                 [id](const PropertyItem* item) { return item->id() == id; });
    return it == m_properties.cend() ? nullptr : *it;
}

ImageViewDialog* PreviewWidget::viewDialog() const
{
    return m_viewDialog.data();
}

QRadioButton* PreviewWidget::layoutButton(int type) const
{
    return type >= 0 && type < 3 ? m_layoutButtons[type] : nullptr;
}

MergeLayout::Params PreviewWidget::mergeParams() const
{
    MergeLayout::Params params;
    params.type = m_layoutType;
    params.xSpace = property(XSpace)->value();
    params.ySpace = property(YSpace)->value();
    params.columns = property(Column)->value();
    return params;
}

QImage PreviewWidget::groupImage()
{
    MergeLayout::Params params = mergeParams();
    qDebug() << "getGroupPixmap data" << property(Scale)->value() << params.xSpace << params.ySpace;
    const QList<ImageItem*> items = GlobalManager::instance()->selectedItems();
    if (items.isEmpty()) {
        m_merged = QImage();
        m_mergedKeys.clear();
        m_mergedSizes.clear();
        return m_merged;
    }
    QList<QImage> images;
    QList<qint64> keys;
    for (const ImageItem* item : items) {
        images.append(item->composedImage());
        keys.append(images.last().cacheKey());
        params.bands.append(item->band());
    }
    // A picture's key changes whenever its pixels do, so equal keys and an equal layout
    // give the same sheet: the refresh, the viewer and the export then share one merge.
    const bool same = !m_merged.isNull() && keys == m_mergedKeys && params == m_mergedParams;
    if (!same) {
        if (!remergeChanged(images, keys, params))
            m_merged = MergeLayout::merge(images, params);
        m_mergedKeys = keys;
        m_mergedParams = params;
        m_mergedSizes.clear();
        for (const QImage& image : qAsConst(images))
            m_mergedSizes.append(image.size());
    }
    return m_merged;
}

// A caption edit redraws one picture of the sheet: only the areas it covers are merged
// again, in place, instead of the whole sheet. The plan stays the same as long as the count,
// the sizes and the layout do.
bool PreviewWidget::remergeChanged(const QList<QImage>& images, const QList<qint64>& keys,
                                   const MergeLayout::Params& params)
{
    if (m_merged.isNull() || keys.size() != m_mergedKeys.size() || params != m_mergedParams)
        return false;
    QVector<int> changed;
    for (int i = 0; i < images.size(); ++i) {
        if (images.at(i).size() != m_mergedSizes.at(i))
            return false;
        if (keys.at(i) != m_mergedKeys.at(i))
            changed.append(i);
    }
    // Past half the pictures a fresh merge writes no more than the patches would.
    if (changed.size() * 2 > images.size())
        return false;
    const qint64 before = m_merged.cacheKey();
    const QVector<QRect> areas = MergeLayout::remerge(m_merged, images, params, changed);
    // The shown picture can follow just as cheaply when it was scaled from the sheet as it
    // stood before this edit.
    if (m_shownKey == before) {
        m_shownKey = m_merged.cacheKey();
        m_shownStale += areas;
    }
    return true;
}

QPixmap PreviewWidget::getGroupPixmap()
{
    return QPixmap::fromImage(groupImage());
}

void PreviewWidget::rescaleShown(const QSize& display)
{
    m_shown = m_merged.scaled(display, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_shownStale.clear();
    m_pictureLabel->setPixmap(QPixmap::fromImage(m_shown));
    m_pictureLabel->setMinimumSize(m_shown.size());
    m_shownKey = m_merged.cacheKey();
    m_shownSize = display;
}

// Rescales only the redrawn areas of the sheet into the shown picture. Each area is widened
// to whole shown pixels and scaled from the sheet pixels those cover, so the patch lines up
// with the picture around it.
void PreviewWidget::patchShown()
{
    const double sx = double(m_shown.width()) / m_merged.width();
    const double sy = double(m_shown.height()) / m_merged.height();
    QPainter painter(&m_shown);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& area : qAsConst(m_shownStale)) {
        const QRect shown =
            QRect(QPoint(int(std::floor(area.left() * sx)), int(std::floor(area.top() * sy))),
                  QPoint(int(std::ceil((area.right() + 1) * sx)) - 1,
                         int(std::ceil((area.bottom() + 1) * sy)) - 1))
                .intersected(m_shown.rect());
        if (shown.isEmpty())
            continue;
        const QRect source =
            QRect(QPoint(int(std::floor(shown.left() / sx)), int(std::floor(shown.top() / sy))),
                  QPoint(int(std::ceil((shown.right() + 1) / sx)) - 1,
                         int(std::ceil((shown.bottom() + 1) / sy)) - 1))
                .intersected(m_merged.rect());
        painter.drawImage(shown, m_merged.copy(source).scaled(shown.size(), Qt::IgnoreAspectRatio,
                                                              Qt::SmoothTransformation));
    }
    painter.end();
    m_shownStale.clear();
    m_pictureLabel->setPixmap(QPixmap::fromImage(m_shown));
}

void PreviewWidget::showImage()
{
    showBand();
    const QImage merged = groupImage();
    m_overlay->hide();
    m_pictureLabel->setVisible(!merged.isNull());
    m_scrollArea->setVisible(!merged.isNull());
    m_emptyLabel->setVisible(merged.isNull());
    showEmptyText();
    if (merged.isNull())
        return;
    changeSizeByWindow();
    updateViewDialog();
    qDebug() << "showImage" << merged.width() << merged.height();
}

int PreviewWidget::stripLength() const
{
    const QList<ImageItem*>& items = GlobalManager::instance()->selectedItems();
    if (items.isEmpty() || m_layoutType == MergeLayout::Grid)
        return 0;
    const QSize canvas = items.first()->canvasSize();
    return m_layoutType == MergeLayout::Horizontal ? canvas.width() : canvas.height();
}

PropertyItem* PreviewWidget::spaceField() const
{
    return property(m_layoutType == MergeLayout::Horizontal ? XSpace : YSpace);
}

int PreviewWidget::sharedBand() const
{
    const int length = m_layoutType == MergeLayout::Vertical ? stripLength() : 0;
    const int space = spaceField()->value();
    return length > 0 && space < 0 ? std::max(length + space, 1) : 0;
}

void PreviewWidget::setSharedBand(int rows)
{
    if (m_layoutType == MergeLayout::Vertical && stripLength() > 0)
        property(Band)->setValue(QString::number(rows), false);
}

// The band follows the spacing and the stills; a field being typed into is left alone while
// it already says the same.
void PreviewWidget::showBand()
{
    PropertyItem* band = property(Band);
    const int length = stripLength();
    band->setEnabled(length > 0);
    const QString text =
        length > 0 ? QString::number(std::max(length + std::min(spaceField()->value(), 0), 1))
                   : QString();
    if (band->text() != text)
        band->setValue(text, true);
    const int shared = sharedBand();
    if (shared != m_announcedBand) {
        m_announcedBand = shared;
        emit sharedBandChanged(shared);
    }
}

// What the empty preview says: what to do, or, with pictures ticked, that their merge is too
// large to hold (the export then writes nothing and says so too).
void PreviewWidget::showEmptyText()
{
    if (!m_merged.isNull())
        return;
    if (GlobalManager::instance()->selectedItems().isEmpty() || m_mergedSizes.isEmpty()) {
        m_emptyLabel->setText(tr("Tick pictures in the strip to merge them"));
        return;
    }
    const MergeLayout::Plan plan = MergeLayout::plan(m_mergedSizes, m_mergedParams);
    m_emptyLabel->setText(tr("The merged picture of %1 x %2 pixels is too large to hold. Tick "
                             "fewer pictures or choose another layout.")
                              .arg(plan.width)
                              .arg(plan.height));
}

void PreviewWidget::changeSizeByWindow()
{
    if (m_merged.isNull())
        return;
    const QSize picture = m_merged.size();
    const QSize area = m_previewArea->size();
    const int margin = ZoomFit::margin();
    const int fit = ZoomFit::fitPercent(picture, area, margin);
    m_scaleViewBar->setFitValue(fit);
    if (m_zoomMode == FitZoom)
        m_scaleViewBar->setValue(fit);
    m_scaleViewBar->setButtonEnabled(ScaleViewBar::FitToWindow, m_scaleViewBar->value() != fit);

    const QSize display = ZoomFit::displaySize(picture, m_scaleViewBar->value());
    // Smooth scaling reads the whole sheet; the same sheet at the same size is not scaled again.
    if (m_shownKey != m_merged.cacheKey() || m_shownSize != display)
        rescaleShown(display);
    else if (!m_shownStale.isEmpty())
        patchShown();
    m_pixmapWidget->setFixedSize(
        std::max(area.width() - 2 * margin, display.width() + 2 * margin),
        std::max(area.height() - 2 * margin, display.height() + 2 * margin));

    const QSize output = outputSize();
    m_sizeLabel->setText(QStringLiteral("%1x%2").arg(output.width()).arg(output.height()));
    m_overlay->adjustSize();
    m_overlay->move(area.width() - m_overlay->width() - scaled(8), scaled(45));
    qDebug() << "changeSizeByWindow Width" << picture.width() << area.width() << display.width();
    qDebug() << "changeSizeByWindow Height" << picture.height() << area.height()
             << display.height();
}

void PreviewWidget::setZoomMode(int mode)
{
    m_zoomMode = mode;
    changeSizeByWindow();
}

QString PreviewWidget::tempKey(const PropertyItem* item) const
{
    return item->key() + QChar(m_layoutType);
}

void PreviewWidget::propertyChanged(PropertyItem* item, const QString& text)
{
    qDebug() << "文本变化 " << text << item->key();
    item->setValue(text, true);
    // Half-typed text ("" or "-") is kept in the field but neither stored nor applied.
    const QString value = item->text();
    if (value.isEmpty() || value == QLatin1String("-") || !item->isInRange())
        return;
    if (item->id() == Band) {
        // Typed as a band, kept as the spacing it stands for: the spacing goes through here
        // in turn and is stored and recorded as if it had been typed.
        const int length = stripLength();
        if (length > 0)
            spaceField()->setValue(QString::number(std::min(value.toInt(), length) - length),
                                   false);
        return;
    }
    GlobalManager::instance()->setTempValue(tempKey(item), value);
    if (item->id() == Width || item->id() == Height || item->id() == Scale) {
        m_sizeField = item->id();
        m_sizeValue = value.toLongLong();
    }
    showImage();
    relinkOutputSize();
    const bool size = item->id() == Width || item->id() == Height || item->id() == Scale;
    recordChange(size ? Scale : item->id(), size                   ? tr("Change output size")
                                            : item->id() == Column ? tr("Change columns")
                                                                   : tr("Change spacing"));
}

bool PreviewWidget::MergeSettings::operator==(const MergeSettings& other) const
{
    return layout == other.layout && fit == other.fit && fitValue == other.fitValue;
}

void PreviewWidget::setHistory(History* history)
{
    m_history = history;
    m_recorded = settings();
}

PreviewWidget::MergeSettings PreviewWidget::settings() const
{
    MergeSettings current;
    current.layout = mergeParams();
    current.fit = m_sizeField == Width    ? SheetExport::ByWidth
                  : m_sizeField == Height ? SheetExport::ByHeight
                                          : SheetExport::ByScale;
    current.fitValue = m_sizeValue;
    return current;
}

void PreviewWidget::applySettings(const MergeSettings& settings)
{
    GlobalManager* manager = GlobalManager::instance();
    if (settings.layout.type != m_layoutType)
        manager->setSetting(AppConfig::kRadioType, uint(settings.layout.type));
    setLayoutType(settings.layout.type);
    const auto restore = [this, manager](int id, qint64 value) {
        PropertyItem* item = property(id);
        item->setValue(QString::number(value), true);
        manager->setTempValue(tempKey(item), item->text());
    };
    restore(XSpace, settings.layout.xSpace);
    restore(YSpace, settings.layout.ySpace);
    restore(Column, settings.layout.columns);
    m_sizeField = settings.fit == SheetExport::ByWidth    ? Width
                  : settings.fit == SheetExport::ByHeight ? Height
                                                          : Scale;
    m_sizeValue = settings.fitValue;
    restore(m_sizeField, settings.fitValue);
    showImage();
    relinkOutputSize();
    m_recorded = settings;
}

void PreviewWidget::recordChange(int field, const QString& text)
{
    const MergeSettings now = settings();
    if (now == m_recorded)
        return;
    if (m_history)
        m_history->record(std::make_shared<PreviewStep>(this, m_recorded, now, field, text));
    m_recorded = now;
}

// The field typed last fixes the output: a width or height in pixels keeps its exact value and
// the other side follows the sheet's proportions; the scale then only shows the percentage.
void PreviewWidget::relinkOutputSize()
{
    if (m_merged.isNull())
        return;
    const QSize size = outputSize();
    const auto set = [this](int target, qint64 value) {
        property(target)->setValue(QString::number(value), true);
    };
    if (m_sizeField != Width)
        set(Width, size.width());
    if (m_sizeField != Height)
        set(Height, size.height());
    if (m_sizeField != Scale)
        set(Scale, qRound64(100.0 * size.width() / m_merged.width()));
}

QSize PreviewWidget::outputSize() const
{
    const SheetExport::Fit fit = m_sizeField == Width    ? SheetExport::ByWidth
                                 : m_sizeField == Height ? SheetExport::ByHeight
                                                         : SheetExport::ByScale;
    return SheetExport::outputSize(m_merged.size(), fit, m_sizeValue);
}

void PreviewWidget::scrollToNewest()
{
    QScrollBar* bar = m_layoutType == MergeLayout::Horizontal ? m_scrollArea->horizontalScrollBar()
                                                              : m_scrollArea->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void PreviewWidget::setLayoutType(int type)
{
    m_layoutType = type;
    if (QRadioButton* button = layoutButton(type))
        button->setChecked(true);
    for (PropertyItem* item : qAsConst(m_properties))
        item->show();
    PropertyItem* xSpace = property(XSpace);
    PropertyItem* ySpace = property(YSpace);
    PropertyItem* column = property(Column);
    PropertyItem* band = property(Band);
    // Bands of their own, and so their commands, are rows: a vertical sheet's.
    m_bandsButton->setVisible(type == MergeLayout::Vertical);
    if (type == MergeLayout::Grid) {
        band->hide();
        m_propertyGrid->addWidget(xSpace, 1, 1);
        m_propertyGrid->addWidget(ySpace, 1, 3);
        m_propertyGrid->addWidget(column, 1, 5);
    } else if (type == MergeLayout::Vertical) {
        xSpace->hide();
        column->hide();
        m_propertyGrid->addWidget(ySpace, 1, 1);
    } else if (type == MergeLayout::Horizontal) {
        ySpace->hide();
        column->hide();
        m_propertyGrid->addWidget(xSpace, 1, 1);
    }
    showBand();
}

void PreviewWidget::layoutButtonClicked(int type)
{
    GlobalManager::instance()->setSetting(AppConfig::kRadioType, uint(type));
    setLayoutType(type);
    loadProperties();
    showImage();
    relinkOutputSize();
    recordChange(-1, tr("Change layout"));
}

void PreviewWidget::loadProperties()
{
    GlobalManager* manager = GlobalManager::instance();
    setLayoutType(manager->getSetting(AppConfig::kRadioType, 1).toInt());
    const auto restore = [this, manager](int id, const QString& fallback) {
        PropertyItem* item = property(id);
        item->setValue(manager->getTempValue(tempKey(item), fallback).toString(), true);
    };
    restore(Scale, QStringLiteral("100"));
    restore(XSpace, QStringLiteral("0"));
    restore(YSpace, QStringLiteral("0"));
    m_sizeField = Scale;
    m_sizeValue = property(Scale)->value();
    selectFormat(Settings::exportFormat());
}

void PreviewWidget::setSaveFolderText(const QString& text)
{
    m_folderEdit->setText(text);
}

void PreviewWidget::selectFormat(const QString& format)
{
    SaveFileBar::showFormat(m_formatBox, format);
    m_format = m_formatBox->currentText();
    showNotice(QString());
}

void PreviewWidget::showViewDialog()
{
    const QImage merged = groupImage();
    if (!m_viewDialog || merged.isNull())
        return;
    m_viewDialog->setImage(merged, m_layoutType == MergeLayout::Horizontal);
    m_viewDialog->show();
    m_viewDialog->raise();
    m_viewDialog->activateWindow();
    m_viewDialog->setFocus();
}

// A hidden viewer is brought up to date when it is shown; updating it on every key would
// also keep a second reference to the sheet and force a full copy on the next edit.
void PreviewWidget::updateViewDialog()
{
    if (!m_viewDialog || !m_viewDialog->isVisible())
        return;
    const QImage merged = groupImage();
    if (!merged.isNull())
        m_viewDialog->setImage(merged, m_layoutType == MergeLayout::Horizontal);
}

void PreviewWidget::closeViewDialog()
{
    if (!m_viewDialog)
        return;
    m_viewDialog->hide();
    m_viewDialog->deleteLater();
    m_viewDialog = nullptr;
}

void PreviewWidget::clearInputFocus()
{
    m_folderEdit->clearFocus();
    for (PropertyItem* item : qAsConst(m_properties))
        item->lineEdit()->clearFocus();
}

void PreviewWidget::exportButtonClickHandle()
{
    if (m_saveThread->isRunning())
        return;
    const QImage merged = groupImage();
    if (merged.isNull()) {
        showEmptyText();
        GlobalManager::instance()->showNotice(
            {Notice::Information, m_emptyLabel->text(), QString(), {}});
        return;
    }
    const QSize size = outputSize();
    const QString format = Settings::exportFormat();
    if (!SheetExport::fits(size, format)) {
        const int limit = SheetExport::maximumSide(format);
        qWarning() << "export: a picture of" << size.width() << "x" << size.height()
                   << "is too large for" << format << "(at most" << limit
                   << "pixels per side); nothing written";
        showNotice(tr("Too large for %1: at most %2 pixels per side. Lower the scale or "
                      "choose another format.")
                       .arg(format.toUpper())
                       .arg(limit));
        return;
    }
    const QImage output = SheetExport::scaled(merged, size);
    if (output.isNull()) {
        GlobalManager::instance()->showNotice(
            {Notice::Failure,
             tr("Nothing was exported: a picture of %1 x %2 needs more memory than is free.")
                 .arg(size.width())
                 .arg(size.height()),
             {},
             {}});
        return;
    }
    showNotice(QString());
    m_saveThread->setData({output}, Paths::exportWorkDir());
    m_saveThread->start();
}

void PreviewWidget::showNotice(const QString& text)
{
    m_noticeLabel->setText(text);
    m_noticeLabel->setVisible(!text.isEmpty());
    if (m_viewDialog)
        m_viewDialog->setNotice(text);
}

void PreviewWidget::setExportControlsEnabled(bool enabled)
{
    m_settingsArea->setEnabled(enabled);
    m_scaleViewBar->setEnabled(enabled);
    m_outputBar->setEnabled(enabled);
    if (m_viewDialog)
        m_viewDialog->setSaveBarEnabled(enabled);
}

void PreviewWidget::saveStarted()
{
    m_progressBar->show();
    setExportControlsEnabled(false);
    m_progressBar->setMaximum(kProgressMaximum);
    m_progressBar->setValue(0);
    if (m_viewDialog) {
        m_viewDialog->setProgressVisible(true);
        m_viewDialog->setProgress(0, kProgressMaximum);
    }
    m_progressState = 1;
    // The timer only runs while there is progress to show.
    m_progressTimer->start();
}

void PreviewWidget::saveFinished(const QStringList& files)
{
    setExportControlsEnabled(true);
    qDebug() << "export image:" << files.value(0);
    m_progressState = 2;
    GlobalManager::instance()->finishExport(files, 1, m_saveThread->errorString());
}

void PreviewWidget::updateProgressByTime()
{
    if (m_progressState == 1) {
        const int value = std::min(m_progressBar->value() + 1, kProgressCeiling);
        m_progressBar->setValue(value);
        if (m_viewDialog)
            m_viewDialog->setProgress(value, kProgressMaximum);
    } else if (m_progressState == 2) {
        m_progressBar->setValue(kProgressMaximum);
        if (m_viewDialog)
            m_viewDialog->setProgress(kProgressMaximum, kProgressMaximum);
        m_progressState = 3;
        m_progressTimer->stop();
        QTimer::singleShot(500, this, [this] {
            m_progressBar->hide();
            if (m_viewDialog)
                m_viewDialog->setProgressVisible(false);
            m_progressState = 0;
        });
    }
}

void PreviewWidget::resizeEvent(QResizeEvent* event)
{
    BaseWidget::resizeEvent(event);
    changeSizeByWindow();
}

bool PreviewWidget::eventFilter(QObject* watched, QEvent* event)
{
    // The size read-out is shown while the pointer is over a picture.
    if (watched == m_previewArea) {
        if (event->type() == QEvent::Enter && !m_merged.isNull()) {
            m_overlay->show();
            m_overlay->raise();
        } else if (event->type() == QEvent::Leave) {
            m_overlay->hide();
        } else if (event->type() == QEvent::Resize) {
            changeSizeByWindow();
        }
    }
    return BaseWidget::eventFilter(watched, event);
}

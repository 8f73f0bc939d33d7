#include "gui/images/ImagesWidget.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDebug>
#include <QDir>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>

#include <algorithm>

#include "core/base/AppConfig.h"
#include "core/base/NaturalOrder.h"
#include "core/base/Paths.h"
#include "core/base/ScreenManager.h"
#include "core/images/CaptureData.h"
#include "core/images/ImageCaption.h"
#include "core/images/ImageFileWriter.h"
#include "core/images/ImageLoader.h"
#include "core/images/ImportQueue.h"
#include "core/images/SaveImageThread.h"
#include "core/images/StillFiles.h"
#include "gui/application/GlobalManager.h"
#include "gui/application/GroupStep.h"
#include "gui/application/History.h"
#include "gui/images/CardFieldStep.h"
#include "gui/images/CardsStep.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImageListViewDialog.h"
#include "gui/images/MoveStep.h"
#include "gui/images/TickStep.h"
#include "gui/widgets/ClickableWidget.h"
#include "gui/widgets/SvgPixmap.h"

namespace {

// A card dragged inside the strip carries its place under this type.
const QString kCardMime = QStringLiteral("application/x-pictorb-card");

} // namespace

ImagesWidget::ImagesWidget(QWidget* parent)
    : BaseWidget(parent, 2), m_saveThread(new SaveImageThread(this)),
      m_listDialog(new ImageListViewDialog(this))
{
    initUI();
    connectImageListDialog();
    connect(m_saveThread, &SaveImageThread::saveProgress, this, &ImagesWidget::exportProgress);
    connect(m_saveThread, &SaveImageThread::saveFinished, this, &ImagesWidget::exportFinished);
}

void ImagesWidget::connectImageListDialog()
{
    connect(m_listDialog, &ImageListViewDialog::exportButtonTap, this,
            &ImagesWidget::exportSelected);
    connect(m_listDialog, &ImageListViewDialog::selectImage, this, &ImagesWidget::selectImage);
    connect(m_listDialog, &ImageListViewDialog::deleteImage, this, &ImagesWidget::deleteImage);
    connect(m_listDialog, &ImageListViewDialog::deleteAllSignal, this,
            &ImagesWidget::clearButtonClickedHandle);
    connect(m_listDialog, &ImageListViewDialog::selectAllSignal, this, &ImagesWidget::selectAll);
}

ImagesWidget::~ImagesWidget()
{
    GlobalManager::instance()->selectedItems().clear();
}

ImageListViewDialog* ImagesWidget::imageListDialog() const
{
    return m_listDialog.data();
}

void ImagesWidget::closeImageListDialog()
{
    if (!m_listDialog)
        return;
    m_listDialog->hide();
    m_listDialog->deleteLater();
}

void ImagesWidget::initUI()
{
    setFixedHeight(scaled(150));
    setAcceptDrops(true);
    innerLayout()->setSpacing(0);
    innerLayout()->addWidget(createHeader());
    innerLayout()->addWidget(createEmptyPanel(), 1);
    innerLayout()->addWidget(createCardArea(), 1);
    innerLayout()->addWidget(createImportProgress());
    m_scrollArea->hide();

    setLanguageCallback([this] {
        m_titleLabel->setText(tr("Images"));
        m_applyStyleButton->setText(tr("Apply Current Style"));
        m_showButton->setText(tr("Show"));
        m_clearButton->setText(tr("Clear"));
        m_applyStyleButton->setToolTip(
            tr("Give every picture the caption style of the one being edited"));
        m_showButton->setToolTip(tr("Show the pictures large, to export each of them"));
        m_clearButton->setToolTip(tr("Remove every picture; Undo brings them back"));
        m_tipLabel->setText(QStringLiteral("<p style='line-height:10px'>%1</p>")
                                .arg(tr("Drop your image here! Or,<br><a style=\"color: #685af5;\" "
                                        "href=\"clicked\">Click here to import image.</a>")));
    });
}

QWidget* ImagesWidget::createHeader()
{
    auto* header = new QWidget(this);
    header->setObjectName(QStringLiteral("sub_title"));
    header->setAttribute(Qt::WA_StyledBackground);
    header->setFixedHeight(scaled(36));
    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(scaledRect(10, 0, 10, 0));

    m_titleLabel = new QLabel(header);
    m_applyStyleButton = new QPushButton(header);
    m_showButton = new QPushButton(header);
    m_clearButton = new QPushButton(header);
    layout->addWidget(m_titleLabel);
    layout->addStretch();
    for (QPushButton* button : {m_applyStyleButton, m_showButton, m_clearButton}) {
        button->setObjectName(QStringLiteral("show"));
        button->setCursor(Qt::PointingHandCursor);
        layout->addWidget(button);
    }
    connect(m_applyStyleButton, &QPushButton::clicked, this, &ImagesWidget::applyCurrentStyle);
    connect(m_showButton, &QPushButton::clicked, this, &ImagesWidget::showButtonClickedHandle);
    connect(m_clearButton, &QPushButton::clicked, this, &ImagesWidget::clearButtonClickedHandle);
    return header;
}

QWidget* ImagesWidget::createEmptyPanel()
{
    m_emptyPanel = new QWidget(this);
    m_emptyPanel->setObjectName(QStringLiteral("images_widget"));
    m_emptyPanel->setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QVBoxLayout(m_emptyPanel);
    layout->setAlignment(Qt::AlignCenter);

    auto* icon = new QLabel(m_emptyPanel);
    icon->setPixmap(svgPixmap(QStringLiteral(":/images/videoplay/pictures.svg"),
                              scaledSize(QSize(50, 50)), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignCenter);

    m_tipLabel = new QLabel(m_emptyPanel);
    m_tipLabel->setObjectName(QStringLiteral("logo_tip"));
    m_tipLabel->setAlignment(Qt::AlignCenter);
    m_tipLabel->setTextFormat(Qt::RichText);
    m_tipLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(m_tipLabel, &QLabel::linkActivated, this, &ImagesWidget::loadFileSignal);

    layout->addWidget(icon, 0, Qt::AlignCenter);
    layout->addWidget(m_tipLabel, 0, Qt::AlignCenter);
    return m_emptyPanel;
}

QScrollArea* ImagesWidget::createCardArea()
{
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_cardsWidget = new QWidget(m_scrollArea);
    m_cardsWidget->setObjectName(QStringLiteral("images_widget"));
    m_cardsWidget->setAttribute(Qt::WA_StyledBackground);
    m_cardsLayout = new QHBoxLayout(m_cardsWidget);
    m_cardsLayout->setSpacing(scaled(7));
    m_cardsLayout->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_scrollArea->setWidget(m_cardsWidget);
    return m_scrollArea;
}

ImageItem* ImagesWidget::currentCard() const
{
    for (ImageItem* card : m_cards) {
        if (card->isSelected())
            return card;
    }
    return nullptr;
}

ProjectStill ImagesWidget::newStill(const QImage& picture, const StillOrigin& origin) const
{
    ProjectStill still;
    still.origin = origin;
    still.picture = picture;
    still.caption.placeOn(picture.size());
    // A new card continues the look of the card being edited, but not its words; the first
    // card of a collection starts with the style used last.
    if (ImageItem* current = currentCard(); current && current->caption())
        still.caption.copyStyleFrom(*current->caption());
    else
        still.caption.applyRememberedStyle();
    return still;
}

QProgressBar* ImagesWidget::createImportProgress()
{
    m_importQueue = new ImportQueue(this);
    m_importProgress = new QProgressBar(this);
    m_importProgress->setFixedHeight(scaled(3));
    m_importProgress->setTextVisible(false);
    m_importProgress->hide();
    // Quick imports finish before the bar would be seen; only a long one shows it.
    m_importProgressDelay = new QTimer(this);
    m_importProgressDelay->setSingleShot(true);
    m_importProgressDelay->setInterval(300);
    connect(m_importProgressDelay, &QTimer::timeout, m_importProgress, &QWidget::show);
    connect(m_importQueue, &ImportQueue::pictureReady, this,
            [this](const QString& path, const QImage& picture, ImageLoader::Outcome outcome) {
                noteOutcome(path, outcome);
                addPicture(path, picture);
                emit fileImported(path);
            });
    connect(m_importQueue, &ImportQueue::progress, this, [this](int delivered, int total) {
        m_importProgress->setMaximum(total);
        m_importProgress->setValue(delivered);
    });
    connect(m_importQueue, &ImportQueue::finished, this, [this] {
        m_importProgressDelay->stop();
        m_importProgress->hide();
        reportImportProblems();
        m_batchImport = false;
        m_importAt = -1;
        QList<ImageItem*> cards;
        for (const QPointer<ImageItem>& card : std::exchange(m_importedCards, {})) {
            if (card)
                cards << card;
        }
        recordAdded(cards, cards.size() == 1 ? tr("Import picture")
                                             : tr("Import %1 pictures").arg(cards.size()));
        emit importFinished();
    });
    return m_importProgress;
}

void ImagesWidget::importFiles(const QStringList& paths, int at)
{
    if (paths.isEmpty())
        return;
    const bool wasRunning = m_importQueue->isRunning();
    m_batchImport = true;
    if (!wasRunning)
        m_importAt = at;
    QStringList ordered = paths;
    NaturalOrder::sort(ordered);
    m_importQueue->enqueue(ordered);
    if (!wasRunning) {
        m_importProgress->setRange(0, paths.size());
        m_importProgress->setValue(0);
        m_importProgressDelay->start();
    }
}

bool ImagesWidget::isImporting() const
{
    return m_importQueue->isRunning() || m_captureBatch;
}

bool ImagesWidget::importFile(const QString& path)
{
    ImageLoader::Outcome outcome = ImageLoader::Outcome::Unreadable;
    const QImage picture = ImageLoader::load(path, &outcome);
    noteOutcome(path, outcome);
    reportImportProblems();
    return addPicture(path, picture);
}

void ImagesWidget::noteOutcome(const QString& path, ImageLoader::Outcome outcome)
{
    if (outcome != ImageLoader::Outcome::Whole)
        m_importProblems[int(outcome)] << QFileInfo(path).fileName();
}

// One notice for a whole import: which pictures came in damaged, and which were left out and
// why, by name (the first few of a long list).
void ImagesWidget::reportImportProblems()
{
    if (m_importProblems.isEmpty())
        return;
    const auto names = [](const QStringList& files) {
        constexpr int kShown = 5;
        QString text = files.mid(0, kShown).join(QStringLiteral(", "));
        if (files.size() > kShown)
            text += QLatin1Char(' ') + tr("and %1 more").arg(files.size() - kShown);
        return text;
    };
    using Outcome = ImageLoader::Outcome;
    QStringList parts;
    if (m_importProblems.contains(int(Outcome::Damaged)))
        parts << tr("Damaged, shown as far as it could be read: %1.")
                     .arg(names(m_importProblems.value(int(Outcome::Damaged))));
    if (m_importProblems.contains(int(Outcome::Unreadable)))
        parts << tr("Not imported, not a picture or unreadable: %1.")
                     .arg(names(m_importProblems.value(int(Outcome::Unreadable))));
    if (m_importProblems.contains(int(Outcome::TooLarge)))
        parts << tr("Not imported, more than %1 megapixels: %2.")
                     .arg(ImageLoader::maxPixels() / 1'000'000)
                     .arg(names(m_importProblems.value(int(Outcome::TooLarge))));
    m_importProblems.clear();
    GlobalManager::instance()->showNotice(
        {Notice::Failure, parts.join(QLatin1Char(' ')), QString(), {}});
}

bool ImagesWidget::addPicture(const QString& path, const QImage& picture)
{
    // An empty card would show nothing and, as the first card, give the collection no canvas.
    if (picture.isNull()) {
        qWarning() << "importFile: no picture could be read from" << path << "- skipped";
        return false;
    }
    const ProjectStill still = newStill(picture, StillOrigin::fromFile(path));
    const int index =
        m_importAt >= 0 ? std::min(m_importAt++, int(m_cards.size())) : m_cards.size();
    insertStill(index, still);
    ImageItem* card = m_cards.at(index);
    makeCurrent(card);
    emit selectImageItemSignal(card);
    scrollToEndLater();
    // Cards of a running import become one step when it ends.
    if (m_batchImport)
        m_importedCards << card;
    else
        recordAdded({card}, tr("Import picture"));
    return true;
}

void ImagesWidget::addImage(const QVariant& capture)
{
    const auto data = capture.value<AppConfig::CaptureData>();
    qDebug() << "addImage:" << data.position << data.index;
    const QImage picture = data.image.toImage();
    if (picture.isNull()) {
        qWarning() << "addImage: the capture holds no picture - skipped";
        return;
    }
    ProjectStill still = newStill(
        picture,
        StillOrigin::fromBytes(ImageFileWriter::encode(picture, QStringLiteral("png"), -1, nullptr),
                               QStringLiteral("png")));
    still.caption.text = data.text.left(ImageCaption::kMaxTextLength);
    still.captured = true;
    still.position = data.position;
    still.index = data.index;
    insertStill(m_cards.size(), still);
    scrollToEndLater();
    if (m_captureBatch)
        m_capturedCards << m_cards.last();
    else
        recordAdded({m_cards.last()}, tr("Capture"));
}

void ImagesWidget::beginCaptureBatch()
{
    m_captureBatch = true;
}

void ImagesWidget::endCaptureBatch()
{
    m_captureBatch = false;
    QList<ImageItem*> cards;
    for (const QPointer<ImageItem>& card : std::exchange(m_capturedCards, {})) {
        if (card)
            cards << card;
    }
    recordAdded(cards,
                cards.size() == 1 ? tr("Capture") : tr("Capture %1 lines").arg(cards.size()));
    emit importFinished();
}

void ImagesWidget::setHistory(History* history)
{
    m_history = history;
}

void ImagesWidget::perform(std::shared_ptr<HistoryStep> step)
{
    if (m_history)
        m_history->perform(std::move(step));
    else
        step->redo();
}

void ImagesWidget::record(std::shared_ptr<HistoryStep> step)
{
    if (m_history)
        m_history->record(std::move(step));
}

void ImagesWidget::recordAdded(const QList<ImageItem*>& cards, const QString& text)
{
    QList<QPair<int, ProjectStill>> added;
    for (ImageItem* card : cards) {
        const int index = m_cards.indexOf(card);
        if (index >= 0)
            added.append({index, stillAt(index)});
    }
    std::sort(added.begin(), added.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    if (!added.isEmpty())
        record(std::make_shared<CardsStep>(this, CardsStep::Add, added, text));
}

QSize ImagesWidget::canvasSize() const
{
    return m_cards.isEmpty() ? QSize() : m_cards.first()->canvasSize();
}

ProjectStill ImagesWidget::stillAt(int index) const
{
    const ImageItem* card = m_cards.at(index);
    ProjectStill still;
    still.origin = card->origin();
    still.picture = card->sourceImage();
    still.canvas = card->canvasSize();
    if (card->caption())
        still.caption = *card->caption();
    still.band = card->band();
    still.checked = card->isChecked();
    still.captured = card->isCaptured();
    still.position = card->capturePosition();
    still.index = card->captureIndex();
    return still;
}

// Every card comes in here: imported, captured, opened from a project or brought back by undo.
void ImagesWidget::insertStill(int index, const ProjectStill& still)
{
    // The whole collection shares one canvas: the first picture's, or the one the still had.
    QSize canvas = canvasSize();
    if (canvas.isEmpty())
        canvas = still.canvas.isEmpty() ? still.picture.size() : still.canvas;
    auto* card = new ImageItem(m_cardsWidget);
    card->setCanvasSize(canvas.width(), canvas.height());
    card->setImage(still.picture);
    card->setOrigin(still.origin);
    card->setCaption(std::make_shared<ImageCaption>(still.caption));
    card->setBand(still.band);
    card->setChecked(still.checked);
    if (still.captured) {
        card->setCaptureInfo(still.position, still.index);
        const float factor = float(scaled(150)) / float(still.picture.width());
        card->setFixedSize(scaled(150), int(float(still.picture.height()) * factor));
    } else {
        // Imported cards share one thumbnail size at every screen scale.
        card->setFixedSize(160, 90);
    }
    card->updateImage();
    connectCard(card);
    m_cardsLayout->insertWidget(index, card);
    m_cards.insert(index, card);
    refreshDialogIfShown();
    refreshSelection();
}

void ImagesWidget::connectCard(ImageItem* card)
{
    // A click on a card takes the keyboard from the caption box, so Delete, Ctrl+C and Ctrl+V
    // then act on the card rather than on the text.
    card->setFocusPolicy(Qt::ClickFocus);
    card->installEventFilter(this);
    card->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(card, &QWidget::customContextMenuRequested, this, [this, card](const QPoint& pos) {
        makeCurrent(card);
        emit selectImageItemSignal(card);
        emit cardMenuRequested(card, card->mapToGlobal(pos));
    });
    auto* filter = new ClickableWidget(card);
    card->installEventFilter(filter);
    connect(filter, &ClickableWidget::clicked, this, [this, card] {
        // Captured or imported, a clicked card is the one edited.
        makeCurrent(card);
        emit selectImageItemSignal(card);
    });
    connect(card, &ImageItem::selectedSignal, this, [this, card](bool checked) {
        recordTicks({{int(m_cards.indexOf(card)), checked}});
        refreshSelection();
    });
    connect(card, &ImageItem::deleteSignal, this, [this, card] { removeCard(card); });
}

void ImagesWidget::removeStillAt(int index)
{
    ImageItem* card = m_cards.takeAt(index);
    m_cardsLayout->removeWidget(card);
    emit deleteImageItem(card);
    // Mirror cards point back at their strip card; none may outlive it on screen.
    refreshDialogIfShown();
    // The request may come from the card's own delete button, still inside its click handler.
    card->hide();
    card->deleteLater();
    refreshSelection();
}

void ImagesWidget::setCaptionAt(int index, const ImageCaption& caption)
{
    ImageItem* card = m_cards.at(index);
    *card->caption() = caption;
    card->updateImage();
    emit captionRestored(card);
}

void ImagesWidget::setCheckedAt(int index, bool checked)
{
    ImageItem* card = m_cards.at(index);
    {
        const QSignalBlocker blocker(card);
        card->setChecked(checked);
    }
    refreshDialogIfShown();
    refreshSelection();
}

void ImagesWidget::setBandAt(int index, const StillBand& band)
{
    ImageItem* card = m_cards.at(index);
    card->setBand(band);
    emit bandChanged(card);
    refreshSelection();
}

void ImagesWidget::moveStillAt(int from, int to)
{
    ImageItem* card = m_cards.takeAt(from);
    m_cards.insert(to, card);
    m_cardsLayout->removeWidget(card);
    m_cardsLayout->insertWidget(to, card);
    refreshDialogIfShown();
    refreshSelection();
    // Once the strip is laid out again, the moved card is brought into view.
    QTimer::singleShot(0, card, [this, card] { m_scrollArea->ensureWidgetVisible(card); });
}

void ImagesWidget::recordBandEdit(ImageItem* card, const StillBand& before, int field,
                                  const QString& text)
{
    const int index = m_cards.indexOf(card);
    if (index < 0)
        return;
    record(std::make_shared<BandStep>(this, QList<BandStep::Change>{{index, before, card->band()}},
                                      field, text));
    refreshSelection();
}

void ImagesWidget::setBands(const QList<QPair<int, StillBand>>& bands, const QString& text)
{
    QList<BandStep::Change> changes;
    for (const auto& band : bands) {
        if (m_cards.at(band.first)->band() != band.second)
            changes.append({band.first, m_cards.at(band.first)->band(), band.second});
    }
    if (!changes.isEmpty())
        perform(std::make_shared<BandStep>(this, changes, BandStep::kNoMerge, text));
}

void ImagesWidget::setCaptions(const QList<QPair<int, ImageCaption>>& captions, const QString& text)
{
    QList<CaptionStep::Change> changes;
    for (const auto& caption : captions)
        changes.append({caption.first, *m_cards.at(caption.first)->caption(), caption.second});
    if (!changes.isEmpty())
        perform(std::make_shared<CaptionStep>(this, changes, CaptionStep::kNoMerge, text));
}

void ImagesWidget::untick(const QList<int>& indices, const QString& text)
{
    QList<QPair<int, bool>> ticks;
    for (int index : indices)
        ticks.append({index, false});
    if (!ticks.isEmpty())
        perform(std::make_shared<TickStep>(this, ticks, text));
}

void ImagesWidget::useAsFirst(int index)
{
    if (index < 0 || index >= m_cards.size())
        return;
    QList<std::shared_ptr<HistoryStep>> steps;
    if (index > 0)
        steps << std::make_shared<MoveStep>(this, index, 0, QString());
    if (!m_cards.at(index)->isChecked())
        steps << std::make_shared<TickStep>(this, QList<QPair<int, bool>>{{0, true}}, QString());
    if (!steps.isEmpty())
        perform(std::make_shared<GroupStep>(tr("Use as first"), steps));
}

void ImagesWidget::moveCard(int from, int to)
{
    to = std::clamp(to, 0, int(m_cards.size()) - 1);
    if (from != to && from >= 0 && from < m_cards.size())
        perform(std::make_shared<MoveStep>(this, from, to, tr("Move picture")));
}

void ImagesWidget::insertStills(int at, const QList<ProjectStill>& stills, const QString& text)
{
    QList<QPair<int, ProjectStill>> cards;
    for (int i = 0; i < stills.size(); ++i)
        cards.append({at + i, stills.at(i)});
    if (cards.isEmpty())
        return;
    perform(std::make_shared<CardsStep>(this, CardsStep::Add, cards, text));
    makeCurrent(m_cards.at(at));
    emit selectImageItemSignal(m_cards.at(at));
}

void ImagesWidget::recordCaptionEdit(ImageItem* card, const ImageCaption& before, int field,
                                     const QString& text)
{
    const int index = m_cards.indexOf(card);
    if (index < 0 || !card->caption())
        return;
    record(std::make_shared<CaptionStep>(
        this, QList<CaptionStep::Change>{{index, before, *card->caption()}}, field, text));
}

void ImagesWidget::recordTicks(const QList<QPair<int, bool>>& ticks)
{
    if (ticks.isEmpty())
        return;
    const bool one = ticks.size() == 1;
    const QString text = one ? (ticks.first().second ? tr("Tick picture") : tr("Untick picture"))
                             : (ticks.first().second ? tr("Tick all") : tr("Untick all"));
    record(std::make_shared<TickStep>(this, ticks, text));
}

void ImagesWidget::toggle(ImageItem* card)
{
    const int index = m_cards.indexOf(card);
    if (index < 0)
        return;
    setCheckedAt(index, !card->isChecked());
    recordTicks({{index, card->isChecked()}});
}

void ImagesWidget::replaceStills(const QList<ProjectStill>& stills, int current)
{
    clearStills();
    for (const ProjectStill& still : stills)
        insertStill(m_cards.size(), still);
    if (current >= 0 && current < m_cards.size()) {
        makeCurrent(m_cards.at(current));
        emit selectImageItemSignal(m_cards.at(current));
    }
}

void ImagesWidget::clearStills()
{
    // Rebuilt empty rather than only detached: a leftover mirror would still point at a
    // strip card that is about to be destroyed.
    if (m_listDialog)
        m_listDialog->setItems({});
    for (int i = m_cards.size() - 1; i >= 0; --i)
        removeStillAt(i);
}

void ImagesWidget::updateImages(const QList<QPixmap>& pictures)
{
    if (pictures.size() != m_cards.size()) {
        qDebug() << "updateImages:" << pictures.size() << "pictures for" << m_cards.size()
                 << "cards; only the matching cards are replaced";
    }
    const int count = std::min(pictures.size(), m_cards.size());
    for (int k = 0; k < count; ++k)
        m_cards.at(k)->setPixmap(pictures.at(k));
    refreshSelection();
}

void ImagesWidget::makeCurrent(ImageItem* item)
{
    for (ImageItem* card : m_cards) {
        if (card != item && card->isSelected())
            card->setSelected(false);
    }
    item->setSelected(true);
}

void ImagesWidget::refreshSelection()
{
    QList<ImageItem*>& selected = GlobalManager::instance()->selectedItems();
    selected.clear();
    for (ImageItem* card : m_cards) {
        if (card->isChecked())
            selected.append(card);
    }
    m_emptyPanel->setVisible(m_cards.isEmpty());
    m_scrollArea->setVisible(!m_cards.isEmpty());
    GlobalManager::instance()->sendGlobalEvent(AppConfig::kEventSelectImageComplete, QString());
}

void ImagesWidget::removeCard(ImageItem* item)
{
    const int index = m_cards.indexOf(item);
    if (index < 0)
        return;
    perform(std::make_shared<CardsStep>(this, CardsStep::Remove,
                                        QList<QPair<int, ProjectStill>>{{index, stillAt(index)}},
                                        tr("Delete picture")));
}

void ImagesWidget::deleteImage(ImageItem* item)
{
    removeCard(item);
}

void ImagesWidget::selectImage(ImageItem* item)
{
    toggle(item);
}

void ImagesWidget::selectAll(bool select)
{
    QList<QPair<int, bool>> ticks;
    for (int i = 0; i < m_cards.size(); ++i) {
        if (m_cards.at(i)->isChecked() != select) {
            setCheckedAt(i, select);
            ticks.append({i, select});
        }
    }
    recordTicks(ticks);
    refreshSelection();
}

void ImagesWidget::clearButtonClickedHandle()
{
    emit clearAll();
    QList<QPair<int, ProjectStill>> all;
    for (int i = 0; i < m_cards.size(); ++i)
        all.append({i, stillAt(i)});
    if (all.isEmpty()) {
        refreshSelection();
        return;
    }
    perform(std::make_shared<CardsStep>(this, CardsStep::Remove, all, tr("Clear")));
}

void ImagesWidget::applyCurrentStyle()
{
    if (ImageItem* current = currentCard(); current && current->caption()) {
        const ImageCaption style = *current->caption();
        QList<CaptionStep::Change> changes;
        for (int i = 0; i < m_cards.size(); ++i) {
            ImageCaption after = *m_cards.at(i)->caption();
            after.copyStyleFrom(style);
            changes.append({i, *m_cards.at(i)->caption(), after});
        }
        perform(std::make_shared<CaptionStep>(this, changes, CaptionStep::kNoMerge,
                                              tr("Apply current style")));
    }
    refreshSelection();
    emit applyStyleSignal();
}

void ImagesWidget::showButtonClickedHandle()
{
    if (!m_listDialog)
        return;
    m_listDialog->setItems(m_cards);
    m_listDialog->show();
    m_listDialog->raise();
    m_listDialog->activateWindow();
    // Captions edited since the cards were mirrored show up now (the records are shared).
    m_listDialog->updateCaptions();
}

void ImagesWidget::refreshDialogIfShown()
{
    // A hidden dialog is rebuilt on the next Show; rebuilding it now would only cost time.
    if (m_listDialog && m_listDialog->isVisible())
        m_listDialog->setItems(m_cards);
}

void ImagesWidget::exportSelected()
{
    if (m_saveThread->isRunning()) {
        qDebug() << "exportSelected: an export is already running";
        return;
    }
    QList<QImage> pictures;
    for (ImageItem* card : GlobalManager::instance()->selectedItems())
        pictures.append(card->composedImage());

    if (pictures.isEmpty()) {
        GlobalManager::instance()->showNotice(
            {Notice::Information, tr("Tick the pictures to export first."), {}, {}});
        return;
    }
    m_exportCount = pictures.size();
    m_saveThread->setData(pictures, Paths::exportWorkDir());
    m_saveThread->start();
}

void ImagesWidget::exportProgress(int current, int total)
{
    if (!m_listDialog)
        return;
    m_listDialog->setProgressVisible(true);
    m_listDialog->setSaveBarEnabled(false);
    m_listDialog->setProgress(current, total);
}

void ImagesWidget::exportFinished(const QStringList& files)
{
    if (m_listDialog) {
        m_listDialog->setProgressVisible(false);
        m_listDialog->setSaveBarEnabled(true);
    }
    GlobalManager::instance()->finishExport(files, m_exportCount, m_saveThread->errorString());
}

void ImagesWidget::scrollToEndLater()
{
    QTimer::singleShot(100, this, [this] {
        QScrollBar* bar = m_scrollArea->horizontalScrollBar();
        bar->setValue(bar->maximum());
    });
}

bool ImagesWidget::eventFilter(QObject* watched, QEvent* event)
{
    auto* card = qobject_cast<ImageItem*>(watched);
    if (card && event->type() == QEvent::MouseButtonPress) {
        m_pressPos = static_cast<QMouseEvent*>(event)->pos();
    } else if (card && event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        if ((move->buttons() & Qt::LeftButton) &&
            (move->pos() - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
            startCardDrag(card);
            return true;
        }
    }
    return BaseWidget::eventFilter(watched, event);
}

// A card dragged along the strip takes a new place in it, and so in the sheet.
void ImagesWidget::startCardDrag(ImageItem* card)
{
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setData(kCardMime, QByteArray::number(m_cards.indexOf(card)));
    drag->setMimeData(data);
    drag->setPixmap(
        card->thumbnail().scaled(card->size() / 2, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    drag->setHotSpot(QPoint(drag->pixmap().width() / 2, drag->pixmap().height() / 2));
    drag->exec(Qt::MoveAction);
    showDropIndicator(-1);
}

// The place between cards nearest the pointer: before the first card whose middle is right of
// it.
int ImagesWidget::dropPlace(const QPoint& pos) const
{
    const QPoint inStrip = m_cardsWidget->mapFrom(this, pos);
    int place = 0;
    while (place < m_cards.size() && m_cards.at(place)->geometry().center().x() < inStrip.x())
        ++place;
    return place;
}

void ImagesWidget::showDropIndicator(int place)
{
    if (!m_dropIndicator) {
        m_dropIndicator = new QWidget(m_cardsWidget);
        m_dropIndicator->setObjectName(QStringLiteral("drop_indicator"));
        m_dropIndicator->setStyleSheet(QStringLiteral("background: #685af5;"));
        m_dropIndicator->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    if (place < 0 || m_cards.isEmpty()) {
        m_dropIndicator->hide();
        return;
    }
    const QRect card = m_cards.at(std::min<int>(place, m_cards.size() - 1))->geometry();
    const int gap = m_cardsLayout->spacing();
    const int x = place < m_cards.size() ? card.left() - (gap + scaled(3)) / 2
                                         : card.right() + 1 + (gap - scaled(3)) / 2;
    m_dropIndicator->setGeometry(x, card.top(), scaled(3), card.height());
    m_dropIndicator->show();
    m_dropIndicator->raise();
}

void ImagesWidget::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls() || event->mimeData()->hasFormat(kCardMime))
        event->acceptProposedAction();
}

void ImagesWidget::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasFormat(kCardMime)) {
        showDropIndicator(dropPlace(event->pos()));
        event->acceptProposedAction();
    } else if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void ImagesWidget::dragLeaveEvent(QDragLeaveEvent* event)
{
    showDropIndicator(-1);
    BaseWidget::dragLeaveEvent(event);
}

void ImagesWidget::dropEvent(QDropEvent* event)
{
    if (event->mimeData()->hasFormat(kCardMime)) {
        showDropIndicator(-1);
        const int from = event->mimeData()->data(kCardMime).toInt();
        const int place = dropPlace(event->pos());
        moveCard(from, place > from ? place - 1 : place);
        event->acceptProposedAction();
        return;
    }
    QStringList files;
    const QList<QUrl> urls = event->mimeData()->urls();
    for (const QUrl& url : urls) {
        const QString filePath = url.toLocalFile();
        qDebug().noquote() << QStringLiteral("Dropped file path: ") + filePath;
        if (filePath.isEmpty()) {
            qWarning() << "Drop ignored: not a local file:" << url.toString();
        } else if (QFileInfo(filePath).isDir()) {
            files << StillFiles::picturesIn(filePath);
        } else {
            files << filePath;
            emit dragFileSignal(filePath);
        }
    }
    importFiles(files);
    event->acceptProposedAction();
}

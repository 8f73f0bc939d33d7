#include "gui/editor/BandEditor.h"

#include "core/base/ScreenManager.h"
#include "gui/application/GlobalManager.h"
#include "gui/images/ImageItem.h"
#include "gui/widgets/PropertyItem.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

BandEditor::BandEditor(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(scaledRect(10, 0, 10, 0));
    layout->setSpacing(scaled(12));
    m_title = new QLabel;
    m_title->setFixedWidth(scaled(60));
    m_top = buildField(TopField);
    m_height = buildField(HeightField);
    m_sharedButton = new QPushButton;
    m_sharedButton->setObjectName(QStringLiteral("show"));
    m_sharedButton->setCursor(Qt::PointingHandCursor);
    // Its words stay whole: the panel narrows beside the caption list.
    m_sharedButton->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    connect(m_sharedButton, &QPushButton::clicked, this, &BandEditor::useShared);
    layout->addWidget(m_title);
    layout->addWidget(m_top);
    layout->addWidget(m_height);
    layout->addWidget(m_sharedButton);
    layout->addStretch();
    setVisible(false);
    retranslate();
}

PropertyItem* BandEditor::buildField(int id)
{
    auto* field = new PropertyItem;
    field->setDescriptor({QStringLiteral("band_field"), id, QString(), QString(), 0, 99999});
    field->setFixedWidth(scaled(110));
    connect(field, &PropertyItem::valueTextChanged, this,
            [this, field](const QString& text) { fieldEdited(field, text); });
    return field;
}

void BandEditor::retranslate()
{
    m_title->setText(tr("Band"));
    m_top->setLabel(tr("Top"));
    m_height->setLabel(tr("Height"));
    m_sharedButton->setText(tr("Use shared band"));
    m_sharedButton->setToolTip(tr("Show the rows the whole sheet uses, set by its Band"));
}

void BandEditor::setCard(ImageItem* card)
{
    m_card = card;
    refresh();
}

void BandEditor::setSharedBand(int rows)
{
    m_shared = rows;
    refresh();
}

bool BandEditor::isBandShown() const
{
    const QList<ImageItem*>& ticked = GlobalManager::instance()->selectedItems();
    return m_card && m_shared > 0 && !(ticked.isEmpty() ? false : ticked.first() == m_card);
}

void BandEditor::refresh()
{
    setVisible(m_shared > 0);
    const bool shown = isBandShown();
    setEnabled(shown);
    setToolTip(shown || !m_card ? QString()
                                : tr("The first picture of the sheet is always shown whole"));
    if (!m_card)
        return;
    const StillBand band = m_card->bandIn(m_shared);
    m_top->setValue(QString::number(band.top), true);
    m_height->setValue(QString::number(band.height), true);
    m_sharedButton->setEnabled(shown && m_card->band().isSet());
}

// A typed edge keeps the other one where it can, inside the still.
void BandEditor::fieldEdited(PropertyItem* field, const QString& text)
{
    if (!isBandShown() || text.isEmpty())
        return;
    const int rows = m_card->canvasSize().height();
    const StillBand before = m_card->band();
    StillBand band = m_card->bandIn(m_shared);
    if (field == m_top)
        band.top = std::clamp(text.toInt(), 0, rows - 1);
    else
        band.height = std::max(text.toInt(), 1);
    band.height = std::min(band.height, rows - band.top);
    if (before.isSet() && band == before)
        return;
    m_card->setBand(band);
    m_sharedButton->setEnabled(true);
    emit bandEdited(m_card, before, field->id(), tr("Change band"));
}

void BandEditor::useShared()
{
    if (!m_card || !m_card->band().isSet())
        return;
    const StillBand before = m_card->band();
    m_card->setBand(StillBand());
    refresh();
    emit bandEdited(m_card, before, -1, tr("Use shared band"));
}

#include "gui/images/BandCommands.h"

#include "core/images/CaptionLayout.h"
#include "gui/application/GlobalManager.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImagesWidget.h"

#include <QAction>
#include <QMenu>

BandCommands::BandCommands(ImagesWidget* strip, QObject* parent)
    : QObject(parent), m_strip(strip), m_menu(new QMenu), m_fit(m_menu->addAction(QString())),
      m_shared(m_menu->addAction(QString()))
{
    connect(this, &QObject::destroyed, m_menu, &QObject::deleteLater);
    connect(m_fit, &QAction::triggered, this, &BandCommands::fitToCaptions);
    connect(m_shared, &QAction::triggered, this, &BandCommands::useSharedEverywhere);
    retranslate();
}

void BandCommands::retranslate()
{
    m_fit->setText(tr("Fit Bands to Captions"));
    m_shared->setText(tr("Use Shared Band Everywhere"));
}

void BandCommands::fitToCaptions()
{
    QList<QPair<int, StillBand>> bands;
    const QList<ImageItem*>& cards = m_strip->cards();
    for (int i = 0; i < cards.size(); ++i) {
        const ImageItem* card = cards.at(i);
        const StillBand band = card->caption()
                                   ? CaptionLayout(*card->caption(), card->canvasSize()).band()
                                   : StillBand();
        if (band.isSet())
            bands.append({i, band});
    }
    if (bands.isEmpty()) {
        GlobalManager::instance()->showNotice(
            {Notice::Information, tr("No picture has a caption to fit a band to."), {}, {}});
        return;
    }
    m_strip->setBands(bands, tr("Fit bands to captions"));
    GlobalManager::instance()->showNotice(
        {Notice::Information, tr("Bands fitted to captions: %1.").arg(bands.size()), {}, {}});
}

void BandCommands::useSharedEverywhere()
{
    QList<QPair<int, StillBand>> bands;
    for (int i = 0; i < m_strip->cards().size(); ++i)
        bands.append({i, StillBand()});
    m_strip->setBands(bands, tr("Use shared band everywhere"));
}

#include "gui/images/BandCommands.h"

#include "core/images/CaptionLayout.h"
#include "core/images/RepeatedLines.h"
#include "core/images/SubtitleDetector.h"
#include "gui/application/GlobalManager.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImagesWidget.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>

BandCommands::BandCommands(ImagesWidget* strip, QObject* parent)
    : QObject(parent), m_strip(strip), m_menu(new QMenu), m_fit(m_menu->addAction(QString())),
      m_detect(m_menu->addAction(QString())), m_dropRepeats(m_menu->addAction(QString())),
      m_shared(m_menu->addAction(QString()))
{
    connect(this, &QObject::destroyed, m_menu, &QObject::deleteLater);
    connect(m_fit, &QAction::triggered, this, &BandCommands::fitToCaptions);
    connect(m_detect, &QAction::triggered, this, &BandCommands::detectSubtitles);
    connect(m_dropRepeats, &QAction::triggered, this, &BandCommands::dropRepeatedLines);
    connect(m_shared, &QAction::triggered, this, &BandCommands::useSharedEverywhere);
    retranslate();
}

void BandCommands::retranslate()
{
    m_fit->setText(tr("Fit Bands to Captions"));
    m_detect->setText(tr("Detect Subtitle Bands"));
    m_dropRepeats->setText(tr("Drop Repeated Lines"));
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
    setOwnBands(bands, tr("Fit bands to captions"));
    GlobalManager::instance()->showNotice(
        {Notice::Information, tr("Bands fitted to captions: %1.").arg(bands.size()), {}, {}});
}

void BandCommands::setOwnBands(const QList<QPair<int, StillBand>>& bands, const QString& text)
{
    m_strip->setBands(bands, text);
    int tallest = 0;
    for (const auto& band : bands)
        tallest = std::max(tallest, band.second.height);
    if (m_sharedRows <= 0 && tallest > 0)
        emit stripWanted(tallest);
}

QString BandCommands::cardName(int index) const
{
    const QString path = m_strip->cards().at(index)->origin().path;
    return path.isEmpty() ? tr("picture %1").arg(index + 1) : QFileInfo(path).fileName();
}

// For stills that carry their subtitles already: each band is set around the text found in
// the picture itself (not in a caption drawn by Pictorb); stills where none is found keep the
// shared band and are named.
void BandCommands::detectSubtitles()
{
    const QList<ImageItem*>& cards = m_strip->cards();
    QVector<QImage> stills;
    for (const ImageItem* card : cards)
        stills << card->canvasImage();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QVector<StillBand> found = SubtitleDetector::findAll(stills);
    QApplication::restoreOverrideCursor();
    QList<QPair<int, StillBand>> bands;
    QStringList without;
    for (int i = 0; i < found.size(); ++i) {
        if (found.at(i).isSet())
            bands.append({i, found.at(i)});
        else
            without << cardName(i);
    }
    setOwnBands(bands, tr("Detect subtitle bands"));
    QString text =
        tr("Subtitle bands found in %1 of %2 pictures.").arg(bands.size()).arg(cards.size());
    if (!without.isEmpty())
        text +=
            QLatin1Char(' ') + tr("None in %1: they keep the shared band.")
                                   .arg(without.mid(0, 5).join(QStringLiteral(", ")) +
                                        (without.size() > 5 ? QStringLiteral(", …") : QString()));
    GlobalManager::instance()->showNotice({Notice::Information, text, {}, {}});
}

// A line shown over several stills in a row appears once: every ticked still whose band shows
// the line of the ticked still before it is unticked.
void BandCommands::dropRepeatedLines()
{
    if (m_sharedRows <= 0) {
        GlobalManager::instance()->showNotice(
            {Notice::Information,
             tr("Repeated lines are found in the bands of a vertical strip: give it a Band "
                "first."),
             {},
             {}});
        return;
    }
    const QList<ImageItem*>& cards = m_strip->cards();
    QList<int> ticked;
    QVector<StillBand> bands;
    for (int i = 0; i < cards.size(); ++i) {
        if (cards.at(i)->isChecked()) {
            ticked << i;
            bands << cards.at(i)->bandIn(m_sharedRows);
        }
    }
    const auto still = [&](int i) { return cards.at(ticked.at(i))->composedImage(); };
    QList<int> repeated;
    for (int index : RepeatedLines::repeats(ticked.size(), still, bands))
        repeated << ticked.at(index);
    m_strip->untick(repeated, tr("Drop repeated lines"));
    GlobalManager::instance()->showNotice(
        {Notice::Information,
         repeated.isEmpty()
             ? tr("No still repeats the line before it.")
             : tr("Unticked %1 stills that repeat the line before them.").arg(repeated.size()),
         {},
         {}});
}

void BandCommands::useSharedEverywhere()
{
    QList<QPair<int, StillBand>> bands;
    for (int i = 0; i < m_strip->cards().size(); ++i)
        bands.append({i, StillBand()});
    m_strip->setBands(bands, tr("Use shared band everywhere"));
}

#pragma once

#include "core/images/StillBand.h"

#include <QList>
#include <QObject>
#include <QPair>

class ImagesWidget;
class QAction;
class QMenu;

// The commands that set the bands of a subtitle-strip sheet for many cards at once, each one
// undoable step with a notice of what it did: bands fitted to the captions drawn by Pictorb,
// bands found around the subtitles already in the pictures, repeated lines unticked, and every
// card back on the shared band.
class BandCommands : public QObject
{
    Q_OBJECT

public:
    BandCommands(ImagesWidget* strip, QObject* parent);

    QMenu* menu() const { return m_menu; }
    void retranslate();

    // The shared band of the vertical strip (0: the sheet is no such strip), which the cards
    // without a band of their own show.
    void setSharedBand(int rows) { m_sharedRows = rows; }

    void fitToCaptions();
    void detectSubtitles();
    void dropRepeatedLines();
    void useSharedEverywhere();

signals:
    // Bands of their own were set while the sheet is no strip yet: it becomes one, with a
    // shared band as tall as the tallest of them, so the bands show at once.
    void stripWanted(int rows);

private:
    void setOwnBands(const QList<QPair<int, StillBand>>& bands, const QString& text);

    ImagesWidget* m_strip;
    QMenu* m_menu;
    QString cardName(int index) const;

    QAction* m_fit;
    QAction* m_detect;
    QAction* m_dropRepeats;
    QAction* m_shared;
    int m_sharedRows = 0;
};

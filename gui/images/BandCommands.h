#pragma once

#include <QObject>

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

    void fitToCaptions();
    void useSharedEverywhere();

private:
    ImagesWidget* m_strip;
    QMenu* m_menu;
    QAction* m_fit;
    QAction* m_shared;
};

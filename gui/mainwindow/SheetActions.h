#pragma once

#include <QObject>

class BandCommands;
class CardActions;
class DocumentActions;
class ImagesWidget;
class PreviewWidget;
class QAction;
class QMenu;
class QWidget;

// The sheet's commands in the window's menus and on its keys: export (Ctrl+E) and export of
// each ticked picture (Ctrl+Shift+E) in File; the card commands and the band commands in Edit;
// zoom in, out, to fit and to 100 % (Ctrl++, Ctrl+-, Ctrl+0, Ctrl+1) in View. It also opens a
// card's context menu and gives the preview's Bands button its menu.
class SheetActions : public QObject
{
    Q_OBJECT

public:
    SheetActions(ImagesWidget* strip, PreviewWidget* preview, DocumentActions* document,
                 QWidget* window);

    QMenu* viewMenu() const { return m_viewMenu; }
    CardActions* cardActions() const { return m_cards; }
    BandCommands* bandCommands() const { return m_bands; }
    // Every menu of these commands, for the window to style them alike.
    QList<QMenu*> menus() const;
    void retranslate();

private:
    void buildViewMenu(PreviewWidget* preview);

    QWidget* m_window;
    PreviewWidget* m_preview;
    CardActions* m_cards;
    BandCommands* m_bands;
    QMenu* m_viewMenu;
    QAction* m_export;
    QAction* m_exportEach;
    QAction* m_zoomIn;
    QAction* m_zoomOut;
    QAction* m_fit;
    QAction* m_actualSize;
};

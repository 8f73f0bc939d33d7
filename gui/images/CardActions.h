#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class ImageItem;
class ImagesWidget;
class QAction;
class QMenu;
class QWidget;

// What can be done to the card being edited, from its context menu, the Edit menu and the
// keyboard: delete, duplicate, move, make it the sheet's first picture, copy its picture or
// caption, take another card's caption style; and for the strip: paste pictures or files after
// the card, tick or untick all. Every change is one undoable step. The keys work anywhere in
// the window except where a text field takes them (Ctrl+A, Ctrl+V and Delete in a field edit
// its text).
class CardActions : public QObject
{
    Q_OBJECT

public:
    CardActions(ImagesWidget* strip, QWidget* window);

    // The Edit menu's part: paste, delete, duplicate, tick and untick all.
    QList<QAction*> editActions() const;
    // The menu a right click on a card opens, set up for that card.
    QMenu* contextMenu(ImageItem* card);
    QList<QMenu*> menus() const { return {m_contextMenu, m_moveMenu}; }
    void retranslate();

    void paste();

private:
    QAction* addAction(const QKeySequence& key = {});
    ImageItem* current() const;
    int currentIndex() const;
    void deleteCard();
    void duplicate();
    void move(int by);
    void copyPicture();
    void copyCaption();
    void pasteCaptionStyle();

    ImagesWidget* m_strip;
    QWidget* m_window;
    QAction* m_paste;
    QAction* m_delete;
    QAction* m_duplicate;
    QAction* m_moveLeft;
    QAction* m_moveRight;
    QAction* m_moveToFront;
    QAction* m_useAsFirst;
    QAction* m_copyPicture;
    QAction* m_copyCaption;
    QAction* m_pasteStyle;
    QAction* m_tickAll;
    QAction* m_untickAll;
    QMenu* m_moveMenu;
    QMenu* m_contextMenu;
};

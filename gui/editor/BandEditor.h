#pragma once

#include "core/images/StillBand.h"

#include <QPointer>
#include <QWidget>

class ImageItem;
class PropertyItem;
class QLabel;
class QPushButton;

// The band row of the editing panel: the rows of the shown card that a vertical
// subtitle-strip sheet shows, as a top edge and a height in the still's pixels. Typing gives
// the card a band of its own; "Use shared band" gives it back the sheet's. Shown only while
// the sheet is such a strip; greyed on the sheet's first picture, which is always whole.
class BandEditor : public QWidget
{
    Q_OBJECT

public:
    enum Field
    {
        TopField = 1,
        HeightField = 2
    };

    explicit BandEditor(QWidget* parent = nullptr);

    void setCard(ImageItem* card);
    ImageItem* card() const { return m_card; }
    void setSharedBand(int rows);
    int sharedBand() const { return m_shared; }
    // Whether the shown card has a band in the sheet (a strip, and not its first picture).
    bool isBandShown() const;
    // Shows the card's band again after it changed elsewhere (a drag, undo, a fit).
    void refresh();
    void retranslate();

    PropertyItem* topField() const { return m_top; }
    PropertyItem* heightField() const { return m_height; }
    QPushButton* sharedButton() const { return m_sharedButton; }

signals:
    // The card's own band was just changed here; `field` is TopField, HeightField or -1.
    void bandEdited(ImageItem* card, const StillBand& before, int field, const QString& text);

private:
    PropertyItem* buildField(int id);
    void fieldEdited(PropertyItem* field, const QString& text);
    void useShared();

    QPointer<ImageItem> m_card;
    int m_shared = 0;
    QLabel* m_title;
    PropertyItem* m_top;
    PropertyItem* m_height;
    QPushButton* m_sharedButton;
};

#pragma once

#include <QDialog>
#include <QList>

class ImageItem;
class QGridLayout;
class QProgressBar;
class QScrollArea;
class SaveFileBar;

// Shows every card of the image strip as a larger mirror card in a wrapping grid. Ticks,
// deletions and "Clear" go back to the strip at once through the signals; the mirror cards
// share their caption records with the strip's cards.
class ImageListViewDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ImageListViewDialog(QWidget* parent = nullptr);

    // Rebuilds the mirror cards from the strip's cards, in strip order.
    void setItems(const QList<ImageItem*>& items);
    // Detaches every card from the grid (the strip calls this when it clears itself).
    void clear();
    // Redraws the caption of every mirror card.
    void updateCaptions();

    void setProgress(int current, int total);
    void setProgressVisible(bool visible);
    void setSaveBarEnabled(bool enabled);

    const QList<ImageItem*>& mirrorItems() const { return m_mirrors; }
    SaveFileBar* saveFileBar() const { return m_saveFileBar; }
    QWidget* gridWidget() const { return m_gridWidget; }
    QGridLayout* gridLayout() const { return m_gridLayout; }
    QProgressBar* progressBar() const { return m_progressBar; }

signals:
    void exportButtonTap(QString dir);
    void changeExtension(QString extension);
    void selectImage(ImageItem* item);
    void deleteImage(ImageItem* item);
    void deleteAllSignal();
    void selectAllSignal(bool select);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    ImageItem* createMirror(ImageItem* card);
    void removeMirror(ImageItem* mirror);
    void removeAllMirrors();
    void updateSelectAll();
    void layoutGrid();
    void detachAll();

    QList<ImageItem*> m_mirrors;
    QScrollArea* m_scrollArea;
    QWidget* m_gridWidget;
    QGridLayout* m_gridLayout;
    QProgressBar* m_progressBar;
    SaveFileBar* m_saveFileBar;
};

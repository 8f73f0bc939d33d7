#pragma once

#include <memory>

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QVariant>

#include "core/images/ImageLoader.h"
#include "core/project/ProjectData.h"
#include "gui/widgets/BaseWidget.h"

#include <QMap>

class QHBoxLayout;
class ImportQueue;
class QLabel;
class QProgressBar;
class QTimer;
class QPushButton;
class QScrollArea;
class ImageItem;
struct ImageCaption;
class ImageListViewDialog;
class History;
class HistoryStep;
class SaveImageThread;

// The strip of image cards above the video panel. It owns the cards (in insertion order),
// keeps the application manager's list of ticked cards up to date and announces every
// change with "select_image_complete".
class ImagesWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit ImagesWidget(QWidget* parent = nullptr);
    // The ticked list names this strip's cards; it must not outlive them.
    ~ImagesWidget() override;

    // A file that cannot be decoded, or is too large, adds no card; returns whether one was added.
    bool importFile(const QString& path);
    // Imports files decoded on worker threads; their cards arrive in the natural order of
    // their names (frame_2 before frame_10), each as importFile() would add it, followed by
    // fileImported(), at the end of the strip or from place `at` on. Calls during a running
    // import join its end.
    void importFiles(const QStringList& paths, int at = -1);
    bool isImporting() const;
    // A picture captured from the video panel (a QVariant holding AppConfig::CaptureData).
    void addImage(const QVariant& capture);
    // The stills of one capture of every subtitle line arrive between these two and become
    // one step; the preview merges once, at the end (importFinished()).
    void beginCaptureBatch();
    void endCaptureBatch();
    // Card k gets picture k; with fewer pictures than cards the remaining cards keep
    // theirs, and pictures beyond the last card are ignored.
    void updateImages(const QList<QPixmap>& pictures);

    const QList<ImageItem*>& cards() const { return m_cards; }

    // Every change the user makes to the collection goes into this history.
    void setHistory(History* history);
    // The collection one card at a time, as the history, projects and the session see it.
    // Changes made through these are not recorded: they are undo, redo, or a whole new
    // collection.
    ProjectStill stillAt(int index) const;
    void insertStill(int index, const ProjectStill& still);
    void removeStillAt(int index);
    void setCaptionAt(int index, const ImageCaption& caption);
    void setCheckedAt(int index, bool checked);
    void setBandAt(int index, const StillBand& band);
    void moveStillAt(int from, int to);
    // Puts a whole collection in place of this one (a project, the restored session).
    void replaceStills(const QList<ProjectStill>& stills, int current);
    void clearStills();
    // The canvas every card shares; empty without cards.
    QSize canvasSize() const;
    // Records a caption change the editor has just made to `card`.
    void recordCaptionEdit(ImageItem* card, const ImageCaption& before, int field,
                           const QString& text);
    // Records a band the editor has just given `card`; `field` as for captions.
    void recordBandEdit(ImageItem* card, const StillBand& before, int field, const QString& text);
    // Steps the user takes on cards, each one undoable step.
    void setBands(const QList<QPair<int, StillBand>>& bands, const QString& text);
    void setCaptions(const QList<QPair<int, ImageCaption>>& captions, const QString& text);
    void untick(const QList<int>& indices, const QString& text);
    void moveCard(int from, int to);
    // Moves the card to the front and ticks it: the sheet's first picture, shown whole.
    void useAsFirst(int index);
    void insertStills(int at, const QList<ProjectStill>& stills, const QString& text);
    // A new card's record for a picture: its caption continues the style of the card being
    // edited.
    ProjectStill newStill(const QImage& picture, const StillOrigin& origin) const;
    // The first card whose selection flag is set, or null.
    ImageItem* currentCard() const;
    SaveImageThread* saveThread() const { return m_saveThread; }
    // Null once closeImageListDialog() has run.
    ImageListViewDialog* imageListDialog() const;
    // For the main window's close: hides the image list dialog and schedules its deletion.
    void closeImageListDialog();

public slots:
    void showButtonClickedHandle();
    void clearButtonClickedHandle();
    void applyCurrentStyle();
    void refreshSelection();
    void deleteImage(ImageItem* item);
    // Toggles the card's check box.
    void selectImage(ImageItem* item);
    void selectAll(bool select);
    // Exports the composed pictures of the ticked cards into the output folder.
    void exportSelected();

signals:
    void applyStyleSignal();
    void selectImageItemSignal(ImageItem* item);
    void dragFileSignal(QString filePath);
    void deleteImageItem(ImageItem* item);
    void clearAll();
    // Undo or redo gave the card another caption.
    void captionRestored(ImageItem* item);
    // The card has another band of its own (an edit, a fit, undo or redo).
    void bandChanged(ImageItem* item);
    // A right click on a card, which is now the one edited.
    void cardMenuRequested(ImageItem* card, const QPoint& globalPos);
    void loadFileSignal();
    // A file of importFiles() has been handled, whether or not it gave a card.
    void fileImported(QString filePath);
    void importFinished();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void initUI() override;
    QWidget* createHeader();
    QWidget* createEmptyPanel();
    QScrollArea* createCardArea();

    void connectCard(ImageItem* card);
    void perform(std::shared_ptr<HistoryStep> step);
    void record(std::shared_ptr<HistoryStep> step);
    void recordAdded(const QList<ImageItem*>& cards, const QString& text);
    void recordTicks(const QList<QPair<int, bool>>& ticks);
    void toggle(ImageItem* card);
    bool addPicture(const QString& path, const QImage& picture);
    QProgressBar* createImportProgress();
    void noteOutcome(const QString& path, ImageLoader::Outcome outcome);
    void reportImportProblems();
    void startCardDrag(ImageItem* card);
    int dropPlace(const QPoint& pos) const;
    void showDropIndicator(int place);
    void makeCurrent(ImageItem* item);
    void removeCard(ImageItem* item);
    void scrollToEndLater();
    void connectImageListDialog();
    void exportProgress(int current, int total);
    void exportFinished(const QStringList& files);
    void refreshDialogIfShown();

    QList<ImageItem*> m_cards;
    History* m_history = nullptr;
    // The cards of the running import, recorded as one step when it ends.
    QList<QPointer<ImageItem>> m_importedCards;
    bool m_batchImport = false;
    // Where the next imported card goes; -1 for the end of the strip.
    int m_importAt = -1;
    QList<QPointer<ImageItem>> m_capturedCards;
    bool m_captureBatch = false;
    // The files of the running import that were damaged or left out, by outcome.
    QMap<int, QStringList> m_importProblems;
    ImportQueue* m_importQueue = nullptr;
    QProgressBar* m_importProgress = nullptr;
    QTimer* m_importProgressDelay = nullptr;
    QLabel* m_titleLabel = nullptr;
    QPushButton* m_applyStyleButton = nullptr;
    QPushButton* m_showButton = nullptr;
    QPushButton* m_clearButton = nullptr;
    QWidget* m_emptyPanel = nullptr;
    QLabel* m_tipLabel = nullptr;
    QScrollArea* m_scrollArea = nullptr;
    QWidget* m_cardsWidget = nullptr;
    QHBoxLayout* m_cardsLayout = nullptr;
    SaveImageThread* m_saveThread = nullptr;
    int m_exportCount = 0;
    QPointer<ImageListViewDialog> m_listDialog;
    // Where a press on a card started, to tell a drag from a click; and the line that shows
    // where a dragged card will land.
    QPoint m_pressPos;
    QWidget* m_dropIndicator = nullptr;
};

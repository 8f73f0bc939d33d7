#pragma once

#include "core/preview/MergeLayout.h"
#include "core/preview/SheetExport.h"
#include "gui/widgets/BaseWidget.h"

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QSize>
#include <QString>

class History;
class ImageViewDialog;
class IconButton;
class NormalButton;
class PropertyItem;
class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTimer;
class SaveImageThread;
class ScaleViewBar;
struct PropertyDescriptor;

// The merged picture of the ticked cards, fitted into the panel or zoomed, with the layout
// type, the output properties (scale, width, height, column count, spacings), the output
// format and folder, and the export of the merged picture.
class PreviewWidget : public BaseWidget
{
    Q_OBJECT

public:
    enum PropertyId
    {
        Width = 0,
        Height = 1,
        XSpace = 2,
        YSpace = 3,
        Scale = 4,
        Column = 5,
        // The strip's band: the rows (columns) of each following still that the negative Y
        // (X) spacing leaves, linked both ways with that spacing and never stored itself.
        Band = 6
    };
    enum ZoomMode
    {
        ManualZoom = 0,
        FitZoom = 1,
        ActualSize = 2
    };

    // How the ticked cards are merged and exported: what the undo history and projects keep.
    struct MergeSettings
    {
        MergeLayout::Params layout;
        SheetExport::Fit fit = SheetExport::ByScale;
        qint64 fitValue = 100;
        bool operator==(const MergeSettings& other) const;
    };

    explicit PreviewWidget(QWidget* parent = nullptr);

    // Every change of the settings the user makes goes into this history.
    void setHistory(History* history);
    MergeSettings settings() const;
    // Shows these settings and merges with them (undo, redo, a project); not recorded.
    void applySettings(const MergeSettings& settings);
    ~PreviewWidget() override;

    // The merged picture of the ticked cards; null when nothing is ticked.
    QPixmap getGroupPixmap();
    // The same as a QImage, without a GUI-thread pixmap. The merge is redone only when the
    // ticked pictures or the layout changed since the last call.
    QImage groupImage();
    QImage mergedImage() const { return m_merged; }

    // Merges and shows the result fitted into the panel; also refreshes the viewer dialog
    // without showing it.
    void showImage();
    // Scrolls to the picture added last: the bottom, or the right end in the Horizontal layout.
    void scrollToNewest();
    // Brings the linked Scale, Width and Height up to date with the sheet, keeping the one the
    // user typed last.
    void relinkOutputSize();
    // The size Export writes the merged picture at.
    QSize outputSize() const;
    void setLayoutType(int type);
    int layoutType() const { return m_layoutType; }
    // Restores the layout type, the per-layout Scale, X Space and Y Space and the format.
    void loadProperties();
    void setSaveFolderText(const QString& text);
    // Selects the format whose text matches exactly; an unknown one leaves no selection.
    void selectFormat(const QString& format);
    QString currentFormat() const { return m_format; }
    void showViewDialog();
    // Gives the viewer dialog the merged picture without showing it.
    void updateViewDialog();
    // Hides the viewer dialog and schedules it for deletion (the main window is closing).
    void closeViewDialog();
    // The zoom commands of the keys and the View menu, as the zoom bar's buttons do them.
    void zoomIn();
    void zoomOut();
    void zoomToFit();
    void zoomToActualSize();
    // Removes the typing cursor from the folder field and every property field.
    void clearInputFocus();
    // The rows of a still a vertical subtitle-strip sheet shows by default (the shared band);
    // 0 when the layout is no such sheet.
    int sharedBand() const;
    // Makes a vertical stack a strip whose shared band is `rows` high, as if typed into Band.
    void setSharedBand(int rows);

    PropertyItem* property(int id) const;
    QRadioButton* layoutButton(int type) const;
    ScaleViewBar* scaleViewBar() const { return m_scaleViewBar; }
    int zoomMode() const { return m_zoomMode; }
    int progressState() const { return m_progressState; }
    QWidget* previewArea() const { return m_previewArea; }
    QWidget* pictureContainer() const { return m_pixmapWidget; }
    QLabel* pictureLabel() const { return m_pictureLabel; }
    QWidget* overlayWidget() const { return m_overlay; }
    QLabel* sizeLabel() const { return m_sizeLabel; }
    QScrollArea* scrollArea() const { return m_scrollArea; }
    QProgressBar* progressBar() const { return m_progressBar; }
    QWidget* settingsArea() const { return m_settingsArea; }
    QWidget* outputBar() const { return m_outputBar; }
    QComboBox* formatBox() const { return m_formatBox; }
    QLineEdit* folderEdit() const { return m_folderEdit; }
    QLabel* noticeLabel() const { return m_noticeLabel; }
    NormalButton* exportButton() const { return m_exportButton; }
    // Opens the band commands (fit, detect, drop repeats) the main window gives it.
    QPushButton* bandsButton() const { return m_bandsButton; }
    QPushButton* showButton() const { return m_showButton; }
    QPushButton* changeButton() const { return m_changeButton; }
    // Null once closeViewDialog() has run.
    ImageViewDialog* viewDialog() const;
    SaveImageThread* saveThread() const { return m_saveThread; }

signals:
    // The layout or the stills changed what a vertical subtitle-strip sheet is: its shared
    // band (rows of a still), 0 for any other layout.
    void sharedBandChanged(int rows);

public slots:
    void exportButtonClickHandle();
    void updateProgressByTime();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void initUI() override;
    QWidget* createHeader();
    QWidget* createPreviewArea();
    QWidget* createSettingsArea();
    QWidget* createStyleRow();
    QWidget* createPropertyGrid();
    QWidget* createFormatRow();
    QWidget* createOutputBar();
    void createOverlay();
    void retranslate();
    void connectZoomBar();
    void connectExport();

    MergeLayout::Params mergeParams() const;
    QString tempKey(const PropertyItem* item) const;
    void propertyChanged(PropertyItem* item, const QString& text);
    void layoutButtonClicked(int type);
    int stripLength() const;
    PropertyItem* spaceField() const;
    void showBand();
    void changeSizeByWindow();
    void showEmptyText();
    void setZoomMode(int mode);
    void saveStarted();
    void saveFinished(const QStringList& files);
    void setExportControlsEnabled(bool enabled);
    void showNotice(const QString& text);
    bool remergeChanged(const QList<QImage>& images, const QList<qint64>& keys,
                        const MergeLayout::Params& params);
    void rescaleShown(const QSize& display);
    void patchShown();

    QList<PropertyItem*> m_properties;
    QButtonGroup* m_layoutGroup = nullptr;
    int m_layoutType = MergeLayout::Vertical;
    QImage m_merged;
    // What m_merged was built from: the layout and the identity of every input picture.
    MergeLayout::Params m_mergedParams;
    QList<qint64> m_mergedKeys;
    QVector<QSize> m_mergedSizes;
    // What the picture label shows: the sheet it was scaled from, the size, the scaled
    // picture itself and the areas of the sheet redrawn since it was scaled.
    qint64 m_shownKey = 0;
    QSize m_shownSize;
    QImage m_shown;
    QVector<QRect> m_shownStale;
    void recordChange(int field, const QString& text);

    History* m_history = nullptr;
    // The settings as last recorded, the "before" of the next change.
    MergeSettings m_recorded;
    QString m_format;
    int m_sizeField = Scale;
    qint64 m_sizeValue = 100;
    int m_zoomMode = FitZoom;
    int m_progressState = 0;

    QLabel* m_titleLabel = nullptr;
    QPushButton* m_showButton = nullptr;
    QPushButton* m_bandsButton = nullptr;
    int m_announcedBand = -1;
    QWidget* m_previewArea = nullptr;
    QScrollArea* m_scrollArea = nullptr;
    QWidget* m_pixmapWidget = nullptr;
    QLabel* m_pictureLabel = nullptr;
    QLabel* m_emptyLabel = nullptr;
    QWidget* m_overlay = nullptr;
    QLabel* m_sizeLabel = nullptr;
    QProgressBar* m_progressBar = nullptr;
    ScaleViewBar* m_scaleViewBar = nullptr;
    QWidget* m_settingsArea = nullptr;
    QLabel* m_styleLabel = nullptr;
    QRadioButton* m_layoutButtons[3] = {};
    QGridLayout* m_propertyGrid = nullptr;
    QLabel* m_sizeTitleLabel = nullptr;
    QLabel* m_spaceTitleLabel = nullptr;
    QLabel* m_outputLabel = nullptr;
    QComboBox* m_formatBox = nullptr;
    QWidget* m_outputBar = nullptr;
    QLabel* m_saveToLabel = nullptr;
    QLineEdit* m_folderEdit = nullptr;
    QPushButton* m_changeButton = nullptr;
    IconButton* m_folderButton = nullptr;
    QLabel* m_noticeLabel = nullptr;
    NormalButton* m_exportButton = nullptr;

    SaveImageThread* m_saveThread = nullptr;
    QPointer<ImageViewDialog> m_viewDialog;
    QTimer* m_progressTimer = nullptr;
};

#pragma once

#include "gui/widgets/BaseWidget.h"

#include <QString>
#include <QVariant>

#include <functional>

class NormalButton;
class IconButton;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ScaleViewBar;

// The bottom strip of the viewer dialogs: output format, zoom bar, optional "Select all",
// the output folder and the export button. It reports the user's actions and follows the
// stored folder and format on its own, so every bar shows the same choice.
class SaveFileBar : public BaseWidget
{
    Q_OBJECT

public:
    // Asks the user for a folder; returns empty text when cancelled. Tests replace it.
    using FolderChooser =
        std::function<QString(QWidget* parent, const QString& title, const QString& start)>;
    static void setFolderChooser(FolderChooser chooser);
    // The "Change" step shared by every output bar: asks for a folder starting at the stored
    // one and stores a non-empty choice; returns the choice (empty when cancelled).
    static QString chooseSaveFolder(QWidget* parent);
    // Only asks, starting at the stored folder; empty text when cancelled.
    static QString askForFolder(QWidget* parent);
    // What the folder field shows at start: the stored folder, or the default pictures one.
    static QString initialFolderText();
    // The controls every output bar shares (this bar and the preview panel's): the format
    // box with its three formats, its quiet selection, and the folder buttons.
    static QComboBox* createFormatBox(QWidget* parent);
    static void showFormat(QComboBox* box, const QString& format);
    struct FolderControls
    {
        QLabel* saveToLabel = nullptr;
        QLineEdit* field = nullptr;
        QPushButton* changeButton = nullptr;
        IconButton* openButton = nullptr;
        QLabel* noticeLabel = nullptr;
    };
    // Adds "Save to", the folder field (showing initialFolderText()), "Change", the button that
    // opens the folder, a stretch and the hidden notice label, all wired; the caller adds its
    // own buttons after them and sets the texts.
    static FolderControls addFolderControls(QBoxLayout* layout, QWidget* parent);

    explicit SaveFileBar(QWidget* parent = nullptr);

    // 0 shows "Export", 1 "Export Selected"; other values keep the text.
    void setExportButtonMode(int mode);
    void showSelectAll(bool visible);
    void showScaleBar(bool visible);
    void setSelectAllChecked(bool checked, bool quietly);
    // A short notice in the bar (for example why an export could not be written); empty
    // text hides it.
    void setNotice(const QString& text);

    ScaleViewBar* scaleViewBar() const { return m_scaleViewBar; }
    QComboBox* formatBox() const { return m_formatBox; }
    QCheckBox* selectAllBox() const { return m_selectAllBox; }
    QLineEdit* folderEdit() const { return m_folderEdit; }
    QLabel* noticeLabel() const { return m_noticeLabel; }
    QPushButton* changeButton() const { return m_changeButton; }
    IconButton* folderButton() const { return m_folderButton; }
    QPushButton* clearButton() const { return m_clearButton; }
    NormalButton* exportButton() const { return m_exportButton; }

public slots:
    void exportButtonClickHandle();

signals:
    void exportButtonClick();
    void changeScale(int scale);
    void changeExtension(QString extension);
    void selectAllCheckboxCheckdSignal(bool checked);

private:
    void initUI() override;
    QWidget* createTopRow();
    QWidget* createBottomBar();
    void retranslate();
    void globalEventHandle(const QString& eventName, const QVariant& value);

    static FolderChooser& folderChooser();

    int m_exportMode = 0;
    QLabel* m_outputLabel = nullptr;
    QComboBox* m_formatBox = nullptr;
    ScaleViewBar* m_scaleViewBar = nullptr;
    QWidget* m_selectAllRow = nullptr;
    QCheckBox* m_selectAllBox = nullptr;
    QLabel* m_saveToLabel = nullptr;
    QLineEdit* m_folderEdit = nullptr;
    QPushButton* m_changeButton = nullptr;
    IconButton* m_folderButton = nullptr;
    QLabel* m_noticeLabel = nullptr;
    QPushButton* m_clearButton = nullptr;
    NormalButton* m_exportButton = nullptr;
};

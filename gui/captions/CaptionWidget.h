#pragma once

#include <memory>

#include <QInputDialog>
#include <QList>
#include <QPointer>

#include "gui/captions/CaptionItem.h"
#include "gui/widgets/BaseWidget.h"

struct CaptionInfo;
class CaptionListStep;
class History;
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolButton;

// The caption list panel: a count, a search field and the captions of the store as rows,
// built 36 at a time as the list is scrolled to its end. Lines are corrected in place (double
// click, F2 or Return on a row) and deleted, split, merged or shifted in time from the bar above
// the rows; each correction is one step of the history.
class CaptionWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit CaptionWidget(QWidget* parent = nullptr);

    static constexpr int kPageSize = 36;

    // Rebuilds the rows from the store and the search text, first page only.
    void reload();
    QList<CaptionInfo*> getCaptionInfoBySearch() const;
    void loadItems(int from, int to);
    void addItem(int position, CaptionInfo* caption);
    void setCount(int n);
    // Highlights the row of the caption shown at this time of the film and scrolls it into
    // view; no row when none is shown.
    void followTime(double seconds);
    // The positions in the store of the captions whose rows are selected, in store order.
    QList<int> chosenLines() const;

    // Corrections are recorded here; without a history they are made all the same.
    void setHistory(History* history) { m_history = history; }
    // The row at this place of the list, edited as by a double click.
    void editRow(int row, CaptionItem::Field focus = CaptionItem::Text);
    // The commands of the bar, on the current row (Delete: every chosen row).
    void deleteLines();
    void splitLine();
    void mergeLine();
    // Asks for the offset; the dialog is open when this returns.
    void shiftTimes();
    QInputDialog* shiftDialog() const { return m_shiftDialog; }
    QToolButton* deleteButton() const { return m_deleteButton; }
    QToolButton* splitButton() const { return m_splitButton; }
    QToolButton* mergeButton() const { return m_mergeButton; }
    QToolButton* shiftButton() const { return m_shiftButton; }

    QListWidget* listWidget() const { return m_list; }
    QLineEdit* searchField() const { return m_searchField; }
    QLabel* countLabel() const { return m_countLabel; }
    QWidget* placeholder() const { return m_placeholder; }
    QList<CaptionItem*> rows() const { return m_rows; }
    CaptionItem* selectedRow() const { return m_selectedRow; }

signals:
    void createCaptionSignal();
    void loadLocalSubtitleSignal();
    void clearCaptionSignal();

public slots:
    void captionListItemClicked(QListWidgetItem* item);
    void captionListItemDoubleClicked(QListWidgetItem* item);
    void scrollValueChanged(int value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void initUI() override;
    void retranslate();
    void removeRows();
    // The store is about to free its captions: no row may keep pointing at them.
    void dropRows();
    void highlight(CaptionItem* row);
    void initEditBar();
    void updateEditBar();
    void commitRow(CaptionItem* row);
    void nudgeRow(CaptionItem* row, CaptionItem::Field field, int deltaMs);
    void cancelRow(CaptionItem* row);
    void applyShift(const QString& text);
    // Where a caption stands in the store, or -1.
    static int storePosition(const CaptionInfo* caption);
    CaptionItem* currentRowWidget() const;
    // Hands the edited lines to the store as one step named `text`; afterwards the row of
    // store position `focus` is the current one.
    void apply(const QString& text, const QList<CaptionInfo>& before,
               const QList<CaptionInfo>& after, int focus);
    void perform(const std::shared_ptr<CaptionListStep>& step);
    void restoreFocus();
    void refusal(const QString& reason);

    CaptionInfo* m_playing = nullptr;
    History* m_history = nullptr;
    int m_focus = -1;
    int m_resume = -1;
    QWidget* m_editBar = nullptr;
    QToolButton* m_deleteButton = nullptr;
    QToolButton* m_splitButton = nullptr;
    QToolButton* m_mergeButton = nullptr;
    QToolButton* m_shiftButton = nullptr;
    QAction* m_deleteAction = nullptr;
    QAction* m_splitAction = nullptr;
    QAction* m_mergeAction = nullptr;
    QAction* m_shiftAction = nullptr;
    QAction* m_editAction = nullptr;
    QPointer<QInputDialog> m_shiftDialog;

    QListWidget* m_list = nullptr;
    QWidget* m_placeholder = nullptr;
    QLabel* m_placeholderLabel = nullptr;
    QPushButton* m_createButton = nullptr;
    QPushButton* m_clearButton = nullptr;
    QLineEdit* m_searchField = nullptr;
    QLabel* m_countLabel = nullptr;
    QList<CaptionItem*> m_rows;
    int m_pageIndex = 0;
    bool m_loading = false;
    int m_count = 0;
    QPointer<CaptionItem> m_currentRow;
    QPointer<CaptionItem> m_selectedRow;
};

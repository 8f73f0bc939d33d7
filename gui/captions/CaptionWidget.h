#pragma once

#include <QList>
#include <QPointer>

#include "gui/widgets/BaseWidget.h"

struct CaptionInfo;
class CaptionItem;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The caption list panel: a count, a search field and the captions of the store as rows,
// built 36 at a time as the list is scrolled to its end.
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

private:
    void initUI() override;
    void retranslate();
    void removeRows();
    // The store is about to free its captions: no row may keep pointing at them.
    void dropRows();
    void highlight(CaptionItem* row);

    CaptionInfo* m_playing = nullptr;

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

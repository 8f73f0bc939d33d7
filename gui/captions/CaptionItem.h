#pragma once

#include <QWidget>

struct CaptionInfo;
class QLabel;
class QLineEdit;

// One row of the caption list: zero-padded number, start time and text. While edited it shows
// fields for the start, the end and the text instead: Return keeps what was typed, Escape
// drops it, Alt+Up and Alt+Down move a time by kNudgeMs.
class CaptionItem : public QWidget
{
    Q_OBJECT

public:
    enum Field
    {
        Start,
        End,
        Text
    };
    static constexpr int kNudgeMs = 100;

    explicit CaptionItem(CaptionInfo* caption, QWidget* parent = nullptr);

    CaptionInfo* caption() const { return m_caption; }
    // Shows the caption with text as its new text, which the caption also takes over.
    void changeText(const QString& text);
    void setSelected(bool on);
    bool isSelected() const { return m_selected; }
    bool isEditing() const;
    // Fills the fields from the caption and puts the cursor at the end of `focus`.
    void startEditing(Field focus);
    void stopEditing();
    void retranslate();

    QLabel* indexLabel() const { return m_indexLabel; }
    QLabel* timeLabel() const { return m_timeLabel; }
    QLabel* textLabel() const { return m_textLabel; }
    QLineEdit* editField() const { return m_editField; }
    QLineEdit* startField() const { return m_startField; }
    QLineEdit* endField() const { return m_endField; }

signals:
    void changeToEditSignal();
    void captionChangedSignal(CaptionItem* item, CaptionInfo* event);
    // Return in a field: the fields hold what the caption should become.
    void editCommitted(CaptionItem* item);
    void editCancelled(CaptionItem* item);
    void nudged(CaptionItem* item, CaptionItem::Field field, int deltaMs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CaptionInfo* m_caption;
    bool m_selected = false;
    QLabel* m_indexLabel;
    QLabel* m_timeLabel;
    QLabel* m_textLabel;
    QLineEdit* m_editField;
    QWidget* m_timesRow;
    QLineEdit* m_startField;
    QLineEdit* m_endField;
};

#pragma once

#include <QWidget>

struct CaptionInfo;
class QLabel;
class QLineEdit;

// One row of the caption list: zero-padded number, start time and text, with an in-place
// edit field that stays hidden until editing is offered.
class CaptionItem : public QWidget
{
    Q_OBJECT

public:
    explicit CaptionItem(CaptionInfo* caption, QWidget* parent = nullptr);

    CaptionInfo* caption() const { return m_caption; }
    // Shows the caption with text as its new text, which the caption also takes over.
    void changeText(const QString& text);
    void setSelected(bool on);
    bool isSelected() const { return m_selected; }
    bool isEditing() const;

    QLabel* indexLabel() const { return m_indexLabel; }
    QLabel* timeLabel() const { return m_timeLabel; }
    QLabel* textLabel() const { return m_textLabel; }
    QLineEdit* editField() const { return m_editField; }

signals:
    void changeToEditSignal();
    void captionChangedSignal(CaptionItem* item, CaptionInfo* event);

private:
    CaptionInfo* m_caption;
    bool m_selected = false;
    QLabel* m_indexLabel;
    QLabel* m_timeLabel;
    QLabel* m_textLabel;
    QLineEdit* m_editField;
};

#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;

// What one numeric row edits: the key that identifies it (and, in the preview panel, names
// its stored value), an id to look it up by, its label, the text it starts with and its range.
struct PropertyDescriptor
{
    QString key;
    int id = 0;
    QString label;
    QString defaultValue;
    int minimum = 0;
    int maximum = 0;
};

// A labelled numeric field. The text is clamped to the descriptor's range as it is set; an
// empty text or a lone "-" is left alone so a negative number can still be typed. Dragging
// the label sideways changes the value by half the distance moved.
class PropertyItem : public QWidget
{
    Q_OBJECT

public:
    explicit PropertyItem(QWidget* parent = nullptr);

    void setDescriptor(const PropertyDescriptor& descriptor);
    const PropertyDescriptor& descriptor() const { return m_descriptor; }
    int id() const { return m_descriptor.id; }
    QString key() const { return m_descriptor.key; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    void setLabel(const QString& text);
    // Clamps the text to the range and puts it into the field; with blockSignals set the
    // field's textChanged (and so valueTextChanged) is not emitted.
    void setValue(const QString& text, bool blockSignals);
    QString text() const;
    // The text as an integer; text that is not a number reads as 0.
    int value() const;
    bool isInRange() const;

    QLabel* label() const { return m_label; }
    QLineEdit* lineEdit() const { return m_lineEdit; }

signals:
    // The field's text changed, by typing, by a drag or by an unblocked setValue().
    void valueTextChanged(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    PropertyDescriptor m_descriptor;
    QLabel* m_label;
    QLineEdit* m_lineEdit;
    int m_minimum = 0;
    int m_maximum = 0;
    QPoint m_lastPos;
};

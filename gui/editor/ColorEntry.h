#pragma once

#include <QColor>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// One colour of the caption style: a name, a swatch that opens the colour dialog, the
// colour as six hex digits and its opacity in percent. Typing into either field changes
// the colour at once; colorEdited() then tells the editor to apply it.
class ColorEntry : public QWidget
{
    Q_OBJECT

public:
    explicit ColorEntry(const QColor& initial, QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    // Shows the colour in every field without announcing it.
    void setColor(const QColor& color);

    QLabel* nameLabel() const { return m_nameLabel; }
    QLineEdit* hexField() const { return m_hexField; }
    QLineEdit* opacityField() const { return m_opacityField; }
    QPushButton* swatch() const { return m_swatch; }

    void clearInputFocus();

signals:
    void colorEdited();

private:
    void refresh();
    void paintSwatch();
    void hexEdited(const QString& text);
    void opacityEdited(const QString& text);
    void pickColor();

    QLabel* m_nameLabel;
    QPushButton* m_swatch;
    QLineEdit* m_hexField;
    QLineEdit* m_opacityField;
    QColor m_color;
};

#pragma once

#include "core/images/ImageCaption.h"

#include <QList>
#include <QWidget>

class ColorEntry;
class ImageItem;
class PropertyItem;
class QCheckBox;
class QLabel;
class QPushButton;
class QTextEdit;

// The lower half of the editing panel: subtitle text, size, colours, outline, font style
// and position of the shown card's caption. There is no confirm button; every change is
// written into the card at once and announced with captionApplied().
class CaptionStyleEditor : public QWidget
{
    Q_OBJECT

public:
    enum PropertyId
    {
        X = 6,
        Y = 7,
        Size = 8,
        Border = 9
    };
    enum FontStyleId
    {
        Bold = 0,
        Italic = 1,
        Underline = 2,
        StrikeOut = 3
    };

    // What an edit changed: edits of one field that follow each other on one card are one
    // step of the undo history.
    enum EditField
    {
        TextField,
        SizeField,
        BorderField,
        XField,
        YField,
        TextColorField,
        BorderColorField,
        FontStyleField = -2, // each toggle is a step of its own
        HAlignField = -3,
        VAlignField = -4,
        ResetField = -5,
        ReapplyField = -6,
    };

    explicit CaptionStyleEditor(QWidget* parent = nullptr);

    // The card edits go to; null leaves every change in the widgets.
    void setImageItem(ImageItem* item);
    void loadCaption(const ImageCaption& caption);
    void applyCaptionEdit();
    // Gives the shown card the style a new collection starts with, keeping its text.
    void resetStyle();
    void retranslate();
    void clearInputFocus();

    QTextEdit* textEdit() const { return m_textEdit; }
    PropertyItem* property(int id) const;
    ColorEntry* textColorEntry() const { return m_textColor; }
    ColorEntry* borderColorEntry() const { return m_borderColor; }
    QCheckBox* fontStyleBox(int id) const;
    QCheckBox* horizontalBox(int id) const;
    QCheckBox* verticalBox(int id) const;
    int horizontalAlignment() const { return m_hAlign; }
    int verticalAlignment() const { return m_vAlign; }

signals:
    void captionApplied();
    // The shown card's caption changed from `before`; fields below 0 never merge.
    void captionChanged(ImageItem* card, const ImageCaption& before, int field,
                        const QString& text);

private:
    struct Option
    {
        QCheckBox* box;
        int id;
        const char* text;
    };
    struct RowLabel
    {
        QLabel* label;
        const char* text;
    };

    QWidget* buildRow(const char* title, QWidget* content);
    QWidget* buildTextRow();
    QWidget* buildStyleRow();
    QWidget* buildPositionRow();
    PropertyItem* buildProperty(int id, const QString& key, const char* label,
                                const QString& defaultValue, int minimum, int maximum);
    QList<Option> buildOptions(const QList<QPair<int, const char*>>& texts);
    void alignLabels();
    void applyEdit(int field);
    static QString fieldText(int field);
    void adjustTextHeight();
    void limitTextLength();
    void showAnchor();
    void propertyEdited(PropertyItem* row, const QString& text);
    void positionChosen(QList<Option>& group, int id, bool checked, bool horizontal);
    static void untick(QList<Option>& group, int exceptId);
    static QCheckBox* findBox(const QList<Option>& group, int id);

    ImageItem* m_item = nullptr;
    QTextEdit* m_textEdit = nullptr;
    QList<PropertyItem*> m_properties;
    ColorEntry* m_textColor = nullptr;
    ColorEntry* m_borderColor = nullptr;
    QList<Option> m_fontStyles;
    QList<Option> m_horizontal;
    QList<Option> m_vertical;
    QList<RowLabel> m_rowLabels;
    int m_hAlign = 0;
    int m_vAlign = 0;
};

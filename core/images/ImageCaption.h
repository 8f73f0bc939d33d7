#pragma once

#include <QSize>
#include <QString>

// The subtitle of one image card. A card and its mirror in the image list dialog share one
// record (std::shared_ptr), so an edit through either shows on both.
struct ImageCaption
{
    // How the caption is aligned on its picture; 0 (no alignment) keeps the typed x and y.
    // The numbers are those of the editor's position options and of stored captions.
    enum HorizontalAlign
    {
        NoHorizontalAlign = 0,
        Left = 4,
        HCenter = 5,
        Right = 6
    };
    enum VerticalAlign
    {
        NoVerticalAlign = 0,
        Bottom = 1,
        VCenter = 2,
        Top = 3
    };

    QString text;
    QString color = QStringLiteral("#FFFFFFFF");       // #AARRGGBB
    QString borderColor = QStringLiteral("#FF000000"); // #AARRGGBB
    QString fontSize = QStringLiteral("18");           // point size, decimal text
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int border = 0; // outline width in pixels; 0 draws no outline
    int x = 0;      // anchor in canvas pixels
    int y = 0;
    int hAlign = NoHorizontalAlign;
    int vAlign = NoVerticalAlign;

    // Where the subtitle of a newly added picture goes: centred, 40 pixels above the bottom.
    void placeOn(const QSize& picture)
    {
        x = picture.width() / 2;
        y = picture.height() - 40;
    }

    // The style is every field but the text.
    void copyStyleFrom(const ImageCaption& other)
    {
        const QString keep = text;
        *this = other;
        text = keep;
    }
};

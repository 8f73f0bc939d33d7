#pragma once

#include <QSize>
#include <QString>

// The subtitle of one image card. A card and its mirror in the image list dialog share one
// record (std::shared_ptr), so an edit through either shows on both.
struct ImageCaption
{
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
    int hAlign = 0; // 5 centre, 6 right, other left
    int vAlign = 0; // 3 top, 2 middle, other bottom

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

#pragma once

#include <QJsonObject>
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
    int x = 0;      // centre of the drawn text in canvas pixels, unless aligned
    int y = 0;
    int hAlign = NoHorizontalAlign;
    int vAlign = NoVerticalAlign;

    // Longer text is no subtitle; it would only cost seconds of layout on every key.
    static constexpr int kMaxTextLength = 1000;

    // Where the subtitle of a newly added picture goes: centred at the bottom, placed by its
    // drawn size so that it stays inside the picture (x and y follow once it is drawn).
    void placeOn(const QSize& picture)
    {
        x = picture.width() / 2;
        y = picture.height() - 40;
        hAlign = HCenter;
        vAlign = Bottom;
    }

    // The style is every field but the text.
    void copyStyleFrom(const ImageCaption& other)
    {
        const QString keep = text;
        *this = other;
        text = keep;
    }

    // The record as JSON, and back; fields missing or of another type keep their defaults,
    // and numbers are brought into the ranges the editor allows.
    QJsonObject toJson() const;
    static ImageCaption fromJson(const QJsonObject& json);

    // The style the editor used last, kept between runs: new cards of a new collection start
    // with it. A typed position belongs to its pictures and is not kept.
    static void rememberStyle(const ImageCaption& style);
    void applyRememberedStyle();
};

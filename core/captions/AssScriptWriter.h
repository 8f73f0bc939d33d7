#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct CaptionEdit;
struct CaptionInfo;

// Writes the captions as a complete ASS script (v4.00+): header, one style line per distinct
// style name in the order of first use, one Dialogue line per caption.
class AssScriptWriter final
{
public:
    // Create is the script made right after recognition: an empty caption list still gets the
    // default style. Update is the rewrite after a style edit.
    enum class Kind
    {
        Create,
        Update
    };

    // The override block that carries an edit's font size, outline, shadow and position.
    static QString overrideBlock(const CaptionEdit& edit);
    // Caption text as it may stand in a Dialogue line: braces are escaped so recognised text
    // cannot open an override block, and real line breaks become the hard break "\N".
    static QString dialogueText(const QString& text);

    // blocks[i] is written in front of caption i's text; missing entries mean no block.
    // The file is replaced in one step; false (and the old file left alone) on any failure.
    static bool write(const QString& path, const QList<CaptionInfo*>& captions, Kind kind,
                      const QStringList& blocks = QStringList());
};

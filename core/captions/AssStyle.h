#pragma once

#include <QString>

// One ASS style definition, kept as the 23 texts of its "Style:" line in the order of the
// "[V4+ Styles]" format line. Nothing is converted, so a line read and written again is
// unchanged apart from the white space around its fields.
class AssStyle
{
public:
    // The style every caption from recognition and every empty script starts with.
    static QString defaultStyleLine();

    void fromStyleLine(const QString& line);
    QString toStyleLine() const;

    QString Name;
    QString Fontname;
    QString Fontsize;
    QString PrimaryColour;
    QString SecondaryColour;
    QString OutlineColour;
    QString BackColour;
    QString Bold;
    QString Italic;
    QString Underline;
    QString StrikeOut;
    QString ScaleX;
    QString ScaleY;
    QString Spacing;
    QString Angle;
    QString BorderStyle;
    QString Outline;
    QString Shadow;
    QString Alignment;
    QString MarginL;
    QString MarginR;
    QString MarginV;
    QString Encoding;
};

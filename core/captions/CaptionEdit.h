#pragma once

#include <QColor>
#include <QMetaType>
#include <QString>

// The style values the caption style editor builds on every apply; applied to a picture
// caption and, through the caption store, to a timed caption's override block.
struct CaptionEdit
{
    int x = 0; // anchor in pixels; whoever builds a record sets both before use
    int y = 0;
    int fontSize = 18;
    int border = 1;
    int shadow = 1;
    QColor textColor = QColor(255, 255, 255);
    QColor borderColor = QColor(0, 0, 0);
    QColor shadowColor = QColor(0, 0, 0); // carried along; nothing reads it yet
    QString text;                         // a typed line feed is kept as "\N"
};

Q_DECLARE_METATYPE(CaptionEdit)

#pragma once

#include <memory>

#include <QList>
#include <QMetaType>
#include <QString>

#include "core/captions/AssStyle.h"
#include "core/captions/CaptionEdit.h"
#include "core/captions/CaptionOverride.h"

// One timed caption. Copies share the style, the edit values and the override pairs
// (std::shared_ptr) with the record held by the caption store, so a copy carried in an event
// still changes the stored caption's style.
struct CaptionInfo
{
    CaptionInfo();

    // Caption time text "h:m:s.c" (no padding, c in centiseconds) and its lenient reader.
    static QString timeText(int ms);
    static int timeMs(const QString& text);

    // A caption with a style of its own is named after its index, otherwise "Default".
    void setOwnStyle(bool own);
    // A copy that shares nothing with this caption, so changing one leaves the other be.
    CaptionInfo detached() const;
    // The text shown and written; the search compares against the same text.
    void setText(const QString& value);

    int index = 0;
    QString startTime;
    QString endTime;
    QString styleName;
    QString text;
    QString sourceText;
    QString searchText;
    QList<std::shared_ptr<CaptionOverride>> overrides;
    std::shared_ptr<AssStyle> style;
    std::shared_ptr<CaptionEdit> edit;
};

Q_DECLARE_METATYPE(CaptionInfo)
Q_DECLARE_METATYPE(CaptionInfo*)

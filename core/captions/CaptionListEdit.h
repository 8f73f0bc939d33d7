#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include "core/captions/CaptionInfo.h"

// The corrections a user makes to a list of captions, each computed on a copy: the caller
// hands the result to the store as one step, so undo puts the copy taken before back.
// Every operation keeps the list in order of start times and numbered 1, 2, 3...; false with
// the reason in `error` leaves the list as it was.
class CaptionListEdit
{
    Q_DECLARE_TR_FUNCTIONS(CaptionListEdit)

public:
    // The caption time text keeps centiseconds, as the script does: milliseconds are rounded.
    static int rounded(int ms);
    // "hh:mm:ss.mmm" as typed (also "mm:ss.mmm", "ss.mmm", "hh:mm:ss,mmm"); -1 when unreadable.
    static int parseClock(const QString& text);
    static QString clockText(int ms);

    // `position` is a place in the list; where the caption stands afterwards is put into it.
    static bool setText(QList<CaptionInfo>& list, int position, const QString& text,
                        QString* error);
    static bool setTimes(QList<CaptionInfo>& list, int* position, int startMs, int endMs,
                         QString* error);
    static bool remove(QList<CaptionInfo>& list, int position, QString* error);
    // Two captions from one: the text is cut at `at` (a character position) and the time in
    // the same proportion.
    static bool split(QList<CaptionInfo>& list, int position, int at, QString* error);
    // The caption and the one after it become one, from the first's start to the second's end.
    static bool mergeWithNext(QList<CaptionInfo>& list, int position, QString* error);
    // Every time moves by offsetMs; a caption pushed before the film's start begins at 0.
    static bool shift(QList<CaptionInfo>& list, int offsetMs, QString* error);

private:
    static void renumber(QList<CaptionInfo>& list);
    static bool valid(const QList<CaptionInfo>& list, int position, QString* error);
};

#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

struct CaptionInfo;

// Writes the captions as a subtitle file other programs read: SubRip, WebVTT or the ASS
// script the player shows.
class SubtitleWriter
{
    Q_DECLARE_TR_FUNCTIONS(SubtitleWriter)

public:
    enum class Format
    {
        Srt,
        WebVtt,
        Ass
    };

    // By the file's extension (.srt, .vtt, .ass); `fallback` for any other.
    static Format formatOf(const QString& path, Format fallback);
    static QString suffix(Format format);

    // `blocks` are the ASS override blocks of the captions (see AssScriptWriter). The file is
    // replaced in one step; false with the reason when it cannot be.
    static bool write(const QString& path, const QList<CaptionInfo*>& captions, Format format,
                      const QStringList& blocks, QString* error);

    // The text of one cue in SubRip or WebVTT: the caption's line breaks ("\N") become real
    // ones, and no row is empty (an empty row ends a cue).
    static QString cueText(const QString& text, Format format);
};

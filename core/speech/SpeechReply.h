#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>

// One recognised line: its time in milliseconds and its text as the service sent it.
struct SpeechLine
{
    qint64 startMs = 0;
    qint64 endMs = 0;
    QString text;
};

// Reads the timed lines out of a recognition answer and makes them fit to be subtitles: times
// inside the audio, none negative, none ending before it starts, in the order they are spoken.
class SpeechReply final
{
public:
    enum class Format
    {
        Utterances, // the Pictorb speech service: "utterances" with start_time/end_time in ms
        Segments,   // verbose_json transcriptions: "segments" with start/end in seconds
    };

    // What had to be mended, for the notice that tells the user.
    enum Repair
    {
        NoRepair = 0,
        Clamped = 1,   // times outside the audio were moved to its ends
        Reordered = 2, // negative or reversed times were mended, lines sorted by start
    };
    Q_DECLARE_FLAGS(Repairs, Repair)

    // False when the body is too large, not the expected JSON, or holds no list of lines; an
    // empty list is a usable answer (nothing was said). durationMs 0: the length is unknown.
    static bool read(const QByteArray& body, Format format, qint64 durationMs,
                     QList<SpeechLine>* lines, Repairs* repairs);

    // The lines as the recognition result the caption store reads, their text made literal.
    static QByteArray toResult(const QList<SpeechLine>& lines);

    // Recognised text as caption text: the backslash sequences of subtitle scripts (\N, \n,
    // \h, \{) and override blocks it may hold stay visible characters. A word joiner (U+2060,
    // drawn as nothing) follows every backslash and parts "{" from a backslash after it.
    static QString literalText(const QString& text);

    static constexpr qint64 kMaxBytes = 50 * 1024 * 1024;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(SpeechReply::Repairs)
Q_DECLARE_METATYPE(SpeechReply::Repairs)

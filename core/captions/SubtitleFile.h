#pragma once

#include <QList>
#include <QString>

// One timed line of a subtitle file, its text in plain lines (formatting removed).
struct SubtitleLine
{
    qint64 startMs = 0;
    qint64 endMs = 0;
    QString text;

    // Where a still for this line is taken: the middle of its time.
    double middleSeconds() const { return double(startMs + endMs) / 2000.0; }
};

// Reads the lines of a SubRip (.srt), WebVTT (.vtt) or ASS/SSA (.ass, .ssa) file, told apart by
// their contents, in the order of their start times.
namespace SubtitleFile {

// Subtitle files are text; anything larger is refused before it is read.
constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

// False with the reason when the file cannot be read or holds no timed line.
bool read(const QString& path, QList<SubtitleLine>* lines, QString* error);
QList<SubtitleLine> parse(const QString& text);
// Whether the file's name is that of a subtitle file (.srt, .vtt, .ass, .ssa).
bool isSubtitleFile(const QString& path);

// The lines whose middle lies from `from` to `to` seconds (a negative `to`: to the end).
QList<int> linesBetween(const QList<SubtitleLine>& lines, double from, double to);

} // namespace SubtitleFile

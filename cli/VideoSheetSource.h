#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include "core/captions/SubtitleFile.h"
#include "core/images/ImageCaption.h"
#include "core/preview/MergeLayout.h"

class QCommandLineOption;
class QCommandLineParser;

// pictorb-sheet --video: the stills of a sheet taken from a film, one at the middle of each
// subtitle line (all of them, those of a time range or a range of line numbers), with the
// line as its caption or drawn in by the player. The same engine and line capture as the
// window's "Capture every line".
class VideoSheetSource final
{
    Q_DISABLE_COPY_MOVE(VideoSheetSource)

public:
    VideoSheetSource() = default;

    static QList<QCommandLineOption> options();
    static bool isRequested(const QCommandLineParser& parser);

    // Reads the film's options, `subtitles` naming the film's subtitle file, and that file.
    // False with the reason, `usage` telling a wrong command line from a file that fails.
    bool read(const QCommandLineParser& parser, const QCommandLineOption& subtitles, bool* usage,
              QString* error);
    // The caption of each still in sheet order: the line's text, empty when it is drawn in.
    QStringList captions() const;

    // The caption a still gets, from its position in the sheet and the canvas size.
    using CaptionFor = std::function<ImageCaption(int position, const QSize& canvas)>;
    // The layout of the sheet, from the canvas size the film's first frame gives.
    using ParamsFor = std::function<MergeLayout::Params(const QSize& canvas)>;
    // Takes the stills and places each on the sheet as it arrives.
    bool makeSheet(const ParamsFor& paramsFor, const CaptionFor& captionFor, QImage* sheet,
                   QString* error) const;

private:
    bool readRange(const QCommandLineParser& parser, QString* error);

    QString m_video;
    QString m_subtitles;
    QList<SubtitleLine> m_lines;
    QList<int> m_chosen;
    bool m_burn = false;
};

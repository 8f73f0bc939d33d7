#pragma once

#include <QImage>
#include <QSet>
#include <QString>
#include <QStringList>

#include "core/images/ImageCaption.h"
#include "core/images/ImageLoader.h"
#include "core/preview/MergeLayout.h"
#include "core/preview/SheetExport.h"
#include "core/project/ProjectData.h"
#ifdef PICTORB_VIDEO
#include "cli/VideoSheetSource.h"
#endif

class QCommandLineParser;

// The batch sheet tool: merges stills and their subtitle lines into one picture from the
// command line, through the letterbox, caption, merge and export rules of the application's
// Export button, so the same inputs give the same pixels. Needs a QGuiApplication (fonts).
class SheetCommand final
{
    Q_DISABLE_COPY_MOVE(SheetCommand)

public:
    enum ExitCode
    {
        Success = 0,
        Failure = 1,   // a still, a subtitle file or the output could not be read or written
        UsageError = 2 // the command line itself is wrong
    };

    SheetCommand() = default;

    // Runs one command line, the program name first. Help goes to stdout, every error to
    // stderr as one line; the output file appears complete or not at all.
    int run(const QStringList& arguments);

private:
    static void describe(QCommandLineParser& parser);
    bool readOptions(const QCommandLineParser& parser);
    bool readStills(const QCommandLineParser& parser);
    bool readBands(const QCommandLineParser& parser);
    bool readSize(const QCommandLineParser& parser);
    bool readStyle(const QCommandLineParser& parser);
    bool readOutput(const QCommandLineParser& parser);
    bool readSubtitles(const QCommandLineParser& parser);
    bool findCanvas();
    void planBands(int count);
    void decodeAll();
    bool detectBands();
    StillBand bandOf(int index) const;
    QVector<QRect> bandRows() const;
    void dropRepeats(QImage& sheet);
    void printBands() const;
    bool buildSheet(QImage& sheet);
    ImageCaption caption(int index, const QSize& canvasSize) const;
    static bool isProject(const QString& path);
    bool saveProject();
    QImage renderProject(const ProjectData& project) const;
    bool write(const QImage& picture);
    bool acceptDamage(const QString& still, ImageLoader::Outcome outcome);
    int fail(int code) const;

    QStringList m_stills;
    QStringList m_subtitles;
    MergeLayout::Params m_params;
    SheetExport::Fit m_fit = SheetExport::ByScale;
    qint64 m_fitValue = 100;
    int m_bandLength = 0;
    bool m_fitCaptions = false;
    bool m_detectBands = false;
    bool m_printBands = false;
    bool m_dropRepeats = false;
    QVector<StillBand> m_detected;
    // Every still decoded whole, when the detector needed them, with their outcomes.
    QVector<QImage> m_decoded;
    QVector<ImageLoader::Outcome> m_outcomes;
    QSet<int> m_dropped;
    QSize m_canvas;
    QImage m_first;
    ImageLoader::Outcome m_firstOutcome = ImageLoader::Outcome::Unreadable;
    ImageCaption m_style;
    int m_hAlign = 0;
    int m_vAlign = 0;
    QString m_output;
    QString m_format;
    int m_quality = -1;
    bool m_strict = false;
    QString m_projectOutput;
    QString m_error;
#ifdef PICTORB_VIDEO
    bool readVideo(const QCommandLineParser& parser, QImage& sheet, int& code);
    VideoSheetSource m_video;
#endif
};

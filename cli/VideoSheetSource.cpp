#include "cli/VideoSheetSource.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QRegularExpression>

#include "core/images/ImageComposer.h"
#include "core/video/LineCapture.h"
#include "core/video/VideoEngine.h"
#include "core/video/VideoTime.h"

namespace {

const QCommandLineOption kVideo(QStringLiteral("video"),
                                QStringLiteral("A film: one still at the middle of each line of "
                                               "--subtitles (SRT, ASS or VTT), captioned with it."),
                                QStringLiteral("film"));
const QCommandLineOption kFrom(QStringLiteral("from"),
                               QStringLiteral("With --video: the lines from this time on "
                                              "(seconds or h:mm:ss.mmm)."),
                               QStringLiteral("time"));
const QCommandLineOption kTo(QStringLiteral("to"),
                             QStringLiteral("With --video: the lines up to this time."),
                             QStringLiteral("time"));
const QCommandLineOption kLines(QStringLiteral("lines"),
                                QStringLiteral("With --video: the lines of these numbers, "
                                               "counted from 1 (\"12-30\" or \"12\")."),
                                QStringLiteral("first-last"));
const QCommandLineOption kBurn(QStringLiteral("burn-subtitles"),
                               QStringLiteral("With --video: the player draws each line into its "
                                              "still instead of a caption."));

// Waits in an event loop for one of the engine's answers; the engine reports through it.
template <typename Done> void waitFor(VideoEngine* engine, Done done)
{
    QEventLoop loop;
    QObject::connect(engine, done, &loop, &QEventLoop::quit);
    QObject::connect(engine, &VideoEngine::openFailed, &loop, &QEventLoop::quit);
    QObject::connect(engine, &VideoEngine::subtitleFailed, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

QList<QCommandLineOption> VideoSheetSource::options()
{
    return {kVideo, kFrom, kTo, kLines, kBurn};
}

bool VideoSheetSource::isRequested(const QCommandLineParser& parser)
{
    return parser.isSet(kVideo);
}

bool VideoSheetSource::read(const QCommandLineParser& parser, const QCommandLineOption& subtitles,
                            bool* usage, QString* error)
{
    *usage = true;
    m_video = parser.value(kVideo);
    m_subtitles = parser.value(subtitles);
    m_burn = parser.isSet(kBurn);
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("--video takes its stills from the film, not from other files");
        return false;
    }
    if (m_subtitles.isEmpty()) {
        *error = QStringLiteral("--video needs --subtitles with the film's SRT, ASS or VTT file");
        return false;
    }
    if (parser.isSet(kLines) && (parser.isSet(kFrom) || parser.isSet(kTo))) {
        *error = QStringLiteral("--lines and --from/--to cannot be used together");
        return false;
    }
    QString reason;
    if (!SubtitleFile::read(m_subtitles, &m_lines, &reason)) {
        *usage = false;
        *error = QStringLiteral("cannot read the subtitles \"%1\": %2").arg(m_subtitles, reason);
        return false;
    }
    if (!readRange(parser, error))
        return false;
    if (m_chosen.isEmpty()) {
        *usage = false;
        *error = QStringLiteral("no subtitle line of \"%1\" lies in the range").arg(m_subtitles);
        return false;
    }
    return true;
}

bool VideoSheetSource::readRange(const QCommandLineParser& parser, QString* error)
{
    if (parser.isSet(kLines)) {
        static const QRegularExpression form(
            QStringLiteral("^\\s*(\\d+)\\s*(?:-\\s*(\\d+))?\\s*$"));
        const QRegularExpressionMatch match = form.match(parser.value(kLines));
        const int first = match.captured(1).toInt();
        const int last = match.captured(2).isEmpty() ? first : match.captured(2).toInt();
        if (!match.hasMatch() || first < 1 || last < first) {
            *error = QStringLiteral("--lines takes \"first-last\" counted from 1, not \"%1\"")
                         .arg(parser.value(kLines));
            return false;
        }
        for (int i = first - 1; i < last && i < m_lines.size(); ++i)
            m_chosen << i;
        return true;
    }
    double from = 0;
    double to = -1;
    for (const auto& [option, value] : {std::make_pair(&kFrom, &from), std::make_pair(&kTo, &to)}) {
        if (parser.isSet(*option) && !VideoTime::parse(parser.value(*option), value)) {
            *error = QStringLiteral("--%1 takes seconds or h:mm:ss.mmm, not \"%2\"")
                         .arg(option->names().constFirst(), parser.value(*option));
            return false;
        }
    }
    if (to >= 0 && to < from) {
        *error = QStringLiteral("--to lies before --from");
        return false;
    }
    m_chosen = SubtitleFile::linesBetween(m_lines, from, to);
    return true;
}

QStringList VideoSheetSource::captions() const
{
    QStringList texts;
    for (int index : m_chosen)
        texts << (m_burn ? QString() : m_lines.at(index).text);
    return texts;
}

bool VideoSheetSource::makeSheet(const ParamsFor& paramsFor, const CaptionFor& captionFor,
                                 QImage* sheet, QString* error) const
{
    VideoEngine engine(VideoEngine::Output::FramesOnly);
    if (!engine.handle()) {
        *error = QStringLiteral("the video engine (libmpv) could not be started");
        return false;
    }
    QString failure;
    QObject::connect(
        &engine, &VideoEngine::openFailed, &engine, [&failure, this](const QString& reason) {
            failure = QStringLiteral("cannot open the film \"%1\": %2").arg(m_video, reason);
        });
    QObject::connect(&engine, &VideoEngine::subtitleFailed, &engine,
                     [&failure](const QString& path, const QString& reason) {
                         failure =
                             QStringLiteral("the player cannot show \"%1\": %2").arg(path, reason);
                     });
    engine.open(m_video);
    waitFor(&engine, &VideoEngine::opened);
    if (failure.isEmpty() && m_burn) {
        engine.addSubtitleFile(m_subtitles);
        waitFor(&engine, &VideoEngine::subtitleAdded);
    }
    if (!failure.isEmpty()) {
        *error = failure;
        return false;
    }

    // The plan is known from the first frame: every frame of a film has its size.
    MergeLayout::Plan plan;
    QSize canvas;
    LineCapture capture(&engine);
    QObject::connect(
        &capture, &LineCapture::captured, &capture, [&](const QImage& frame, double, int line) {
            if (canvas.isEmpty()) {
                canvas = frame.size();
                plan =
                    MergeLayout::plan(QVector<QSize>(m_chosen.size(), canvas), paramsFor(canvas));
                *sheet = MergeLayout::canvas(plan);
                if (sheet->isNull()) {
                    failure = QStringLiteral("a sheet of %1 x %2 pixels cannot be "
                                             "made")
                                  .arg(plan.width)
                                  .arg(plan.height);
                    capture.cancel();
                    return;
                }
            }
            const int position = int(m_chosen.indexOf(line));
            const QImage still = ImageComposer::compose(ImageComposer::letterbox(frame, canvas),
                                                        captionFor(position, canvas));
            for (const MergeLayout::Placement& placement : plan.placements) {
                if (placement.index == position)
                    MergeLayout::place(*sheet, still, placement);
            }
        });
    QEventLoop loop;
    QObject::connect(&capture, &LineCapture::finished, &loop, &QEventLoop::quit);
    capture.start(m_lines, m_chosen, m_burn, false);
    if (capture.isRunning())
        loop.exec();
    if (failure.isEmpty() && canvas.isEmpty())
        failure = QStringLiteral("no frame could be taken from \"%1\"").arg(m_video);
    if (!failure.isEmpty()) {
        *error = failure;
        return false;
    }
    return true;
}

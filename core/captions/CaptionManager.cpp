#include "core/captions/CaptionManager.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include "core/base/AppConfig.h"
#include "core/base/FileManager.h"
#include "core/base/Paths.h"
#include "core/base/Settings.h"
#include "core/captions/AssScriptWriter.h"

namespace {

const QString kDefaultLanguageCode = QStringLiteral("en-US");

// A whole, non-negative number of milliseconds, or 0 (with a warning) for anything else:
// players read a negative time as a huge one.
int readTime(const QJsonObject& utterance, const QString& key, int position)
{
    const QJsonValue value = utterance.value(key);
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (std::isfinite(number) && number == std::trunc(number) && number >= 0 &&
            number <= double(std::numeric_limits<int>::max()))
            return int(number);
    }
    qWarning() << "createCaptions: utterance" << position << "has no usable" << key
               << "- using 0:" << value;
    return 0;
}

QString readText(const QJsonObject& utterance, int position)
{
    const QJsonValue value = utterance.value(QStringLiteral("text"));
    if (!value.isString()) {
        qWarning() << "createCaptions: utterance" << position << "has no text:" << value;
        return QString();
    }
    return value.toString();
}

QJsonArray readUtterances(const QByteArray& result)
{
    if (result.size() > CaptionManager::kMaxResultBytes) {
        qWarning() << "createCaptions: result of" << result.size() << "bytes refused";
        return QJsonArray();
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(result, &error);
    if (!document.isObject()) {
        qWarning() << "createCaptions: result is not a JSON object:" << error.errorString();
        return QJsonArray();
    }
    const QJsonValue utterances = document.object().value(QStringLiteral("utterances"));
    if (!utterances.isArray()) {
        qWarning() << "createCaptions: result has no utterance list";
        return QJsonArray();
    }
    return utterances.toArray();
}

} // namespace

CaptionManager* CaptionManager::instance()
{
    static CaptionManager* manager = new CaptionManager;
    return manager;
}

CaptionManager::CaptionManager()
{
    m_languages = {
        {QT_TRANSLATE_NOOP("CaptionManager", "英语（美国）"), QStringLiteral("en-US"), 7},
        {QT_TRANSLATE_NOOP("CaptionManager", "西班牙语"), QStringLiteral("es-MX"), 10},
        {QT_TRANSLATE_NOOP("CaptionManager", "法语"), QStringLiteral("fr-FR"), 12},
        {QT_TRANSLATE_NOOP("CaptionManager", "简体中文"), QStringLiteral("zh-CN"), 0},
        {QT_TRANSLATE_NOOP("CaptionManager", "粤语"), QStringLiteral("yue"), 1},
        {QT_TRANSLATE_NOOP("CaptionManager", "韩语"), QStringLiteral("ko-KR"), 9},
        {QT_TRANSLATE_NOOP("CaptionManager", "日语"), QStringLiteral("ja-JP"), 8},
        {QT_TRANSLATE_NOOP("CaptionManager", "俄语"), QStringLiteral("ru-RU"), 11},
    };
    const QString stored =
        Settings::instance()->value(AppConfig::kAiCaptionLang, kDefaultLanguageCode).toString();
    const auto found =
        std::find_if(m_languages.cbegin(), m_languages.cend(),
                     [&stored](const CaptionLanguage& l) { return l.code == stored; });
    if (found == m_languages.cend())
        qWarning() << "Unknown recognition language" << stored << "- using" << kDefaultLanguageCode;
    else
        m_speechLanguage = int(found - m_languages.cbegin());
}

QList<CaptionInfo*> CaptionManager::captions() const
{
    QList<CaptionInfo*> list;
    list.reserve(int(m_captions.size()));
    for (const auto& caption : m_captions)
        list << caption.get();
    return list;
}

void CaptionManager::clearCaptions()
{
    emit captionsAboutToBeCleared();
    m_captions.clear();
}

QList<CaptionLanguage> CaptionManager::languages() const
{
    QList<CaptionLanguage> list = m_languages;
    for (CaptionLanguage& language : list)
        language.name = QCoreApplication::translate("CaptionManager", language.name.toUtf8());
    return list;
}

CaptionLanguage CaptionManager::speechLanguage() const
{
    return languages().at(m_speechLanguage);
}

void CaptionManager::setSpeechLanguage(const CaptionLanguage& entry)
{
    for (int i = 0; i < m_languages.size(); ++i) {
        if (m_languages.at(i).code == entry.code) {
            m_speechLanguage = i;
            Settings::instance()->setValue(AppConfig::kAiCaptionLang, entry.code);
            return;
        }
    }
    qWarning() << "setSpeechLanguage: not a recognition language:" << entry.code;
}

QString CaptionManager::workFilePath(const QString& suffix, const char* logTag) const
{
    const QFileInfo& video = m_videoFile;
    if (logTag)
        qDebug() << logTag << video.completeBaseName() << video.baseName();
    if (video.fileName().isEmpty()) {
        qDebug() << "No video loaded: no caption work file";
        return QString();
    }
    const QString folder = Paths::tempDir(AppConfig::kProductName);
    if (folder.isEmpty())
        return QString();
    return QStringLiteral("%1/%2-%3.%4")
        .arg(folder, video.completeBaseName(), m_languages.at(m_speechLanguage).code, suffix);
}

QString CaptionManager::getAudioFilePath() const
{
    return workFilePath(QStringLiteral("mp3"), "getAudioFilePath:");
}

QString CaptionManager::getCaptionPath() const
{
    return workFilePath(QStringLiteral("txt"), "getCaptionPath:");
}

QString CaptionManager::getAssPath() const
{
    return workFilePath(QStringLiteral("ass"), nullptr);
}

void CaptionManager::createCaptions(const QByteArray& result, bool save)
{
    if (save) {
        const QString path = getCaptionPath();
        if (result.size() > kMaxResultBytes || path.isEmpty())
            qWarning() << "createCaptions: raw result not kept" << path;
        else
            FileManager::instance()->saveJsonToFile(path, QString::fromUtf8(result));
    }

    const QJsonArray utterances = readUtterances(result);
    clearCaptions();

    const int count = std::min(utterances.size(), kMaxCaptions);
    if (count < utterances.size())
        qWarning() << "createCaptions: only the first" << count << "of" << utterances.size()
                   << "utterances are kept";
    m_captions.reserve(size_t(count));
    int nextStart =
        count > 0 ? readTime(utterances.at(0).toObject(), QStringLiteral("start_time"), 0) : 0;
    for (int i = 0; i < count; ++i) {
        const QJsonObject utterance = utterances.at(i).toObject();
        const int start = nextStart;
        int end = readTime(utterance, QStringLiteral("end_time"), i);
        if (i + 1 < count) {
            nextStart =
                readTime(utterances.at(i + 1).toObject(), QStringLiteral("start_time"), i + 1);
            // Touching captions would be shown together for a frame; end one 10 ms earlier.
            if (end == nextStart)
                end -= 10;
        }
        // A caption may end where it starts, never before: a player would show it for ever.
        if (end < start) {
            qWarning() << "createCaptions: caption" << i + 1 << "ends before it starts:" << start
                       << end << "- ending it at its start";
            end = start;
        }

        auto caption = std::make_unique<CaptionInfo>();
        caption->style->fromStyleLine(AssStyle::defaultStyleLine());
        caption->index = i + 1;
        caption->setText(readText(utterance, i));
        caption->sourceText = caption->text;
        caption->startTime = CaptionInfo::timeText(start);
        caption->endTime = CaptionInfo::timeText(end);
        caption->styleName = caption->style->Name;
        m_captions.push_back(std::move(caption));
    }

    const QString path = getAssPath();
    if (AssScriptWriter::write(path, captions(), AssScriptWriter::Kind::Create))
        emit captionsCreated(path);
}

void CaptionManager::loadLines(const QList<SubtitleLine>& lines)
{
    clearCaptions();
    const int count = std::min(int(lines.size()), kMaxCaptions);
    m_captions.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const SubtitleLine& line = lines.at(i);
        auto caption = std::make_unique<CaptionInfo>();
        caption->style->fromStyleLine(AssStyle::defaultStyleLine());
        caption->index = i + 1;
        caption->setText(line.text);
        caption->sourceText = caption->text;
        caption->startTime = CaptionInfo::timeText(int(std::min<qint64>(line.startMs, INT_MAX)));
        caption->endTime = CaptionInfo::timeText(int(std::min<qint64>(line.endMs, INT_MAX)));
        caption->styleName = caption->style->Name;
        m_captions.push_back(std::move(caption));
    }
    emit captionsLoaded();
}

void CaptionManager::updateCaption(CaptionInfo* caption, bool isAll)
{
    const auto owned = std::find_if(m_captions.cbegin(), m_captions.cend(),
                                    [caption](const auto& c) { return c.get() == caption; });
    // A pointer kept past a replacement of the captions must not be followed.
    if (!caption || owned == m_captions.cend()) {
        qWarning() << "updateCaption: not a caption of the store";
        return;
    }
    if (!caption->edit) {
        qWarning() << "updateCaption: caption" << caption->index << "has no edit values";
        return;
    }

    caption->setText(caption->edit->text);
    if (caption->overrides.isEmpty())
        caption->overrides << std::make_shared<CaptionOverride>();
    const QString block = AssScriptWriter::overrideBlock(*caption->edit);
    caption->overrides.first()->tags = block;
    caption->overrides.first()->text = caption->text;

    if (isAll) {
        caption->styleName = QStringLiteral("StyleAll");
        caption->style->Name = caption->styleName;
        const AssStyle shared = *caption->style;
        for (const auto& each : m_captions) {
            each->styleName = caption->styleName;
            *each->style = shared;
        }
    }

    QStringList blocks;
    for (const auto& each : m_captions) {
        if (!each->overrides.isEmpty()) {
            const CaptionOverride& own = *each->overrides.first();
            qDebug() << "subtitle->" << own.tags << own.text;
        }
    }
    if (isAll) {
        for (size_t i = 0; i < m_captions.size(); ++i)
            blocks << block;
    } else {
        blocks = overrideBlocks();
    }

    const QString path = getAssPath();
    if (AssScriptWriter::write(path, captions(), AssScriptWriter::Kind::Update, blocks))
        emit captionsUpdated(path);
}

int CaptionManager::startTimeMs(const CaptionInfo* caption)
{
    return caption ? CaptionInfo::timeMs(caption->startTime) : 0;
}

QList<CaptionInfo> CaptionManager::snapshot() const
{
    QList<CaptionInfo> copies;
    copies.reserve(int(m_captions.size()));
    for (const auto& caption : m_captions)
        copies << caption->detached();
    return copies;
}

void CaptionManager::replaceCaptions(const QList<CaptionInfo>& captions)
{
    clearCaptions();
    m_captions.reserve(size_t(captions.size()));
    for (const CaptionInfo& caption : captions)
        m_captions.push_back(std::make_unique<CaptionInfo>(caption.detached()));
    const QString path = getAssPath();
    const bool saved = AssScriptWriter::write(path, this->captions(), AssScriptWriter::Kind::Update,
                                              overrideBlocks());
    if (!saved)
        qWarning() << "The edited captions are not kept in a work file" << path;
    emit captionsEdited(path, saved);
}

QList<SubtitleLine> CaptionManager::subtitleLines() const
{
    QList<SubtitleLine> lines;
    lines.reserve(int(m_captions.size()));
    for (const auto& caption : m_captions) {
        QString text = caption->text;
        text.replace(QLatin1String("\\N"), QLatin1String("\n"));
        lines.append(
            {CaptionInfo::timeMs(caption->startTime), CaptionInfo::timeMs(caption->endTime), text});
    }
    return lines;
}

QStringList CaptionManager::overrideBlocks() const
{
    QStringList blocks;
    for (const auto& caption : m_captions)
        blocks << (caption->overrides.isEmpty() ? QString() : caption->overrides.first()->tags);
    return blocks;
}

#pragma once

#include <memory>
#include <vector>

#include <QByteArray>
#include <QFileInfo>
#include <QList>
#include <QObject>
#include <QString>

#include "core/captions/CaptionInfo.h"
#include "core/captions/CaptionLanguage.h"
#include "core/captions/SubtitleFile.h"

// The captions of the current video, the recognition languages and the work files of one
// video and language: the extracted audio, the raw recognition result and the ASS script.
class CaptionManager final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CaptionManager)

public:
    static CaptionManager* instance();

    // The store keeps ownership; the pointers stay valid until captionsAboutToBeCleared().
    QList<CaptionInfo*> captions() const;
    void clearCaptions();

    // Display names in the current UI language.
    QList<CaptionLanguage> languages() const;
    CaptionLanguage speechLanguage() const;
    // Kept between runs under "ai_caption_lang" as the language code.
    void setSpeechLanguage(const CaptionLanguage& entry);

    // The video whose captions these are; it names the work files.
    QFileInfo videoFile() const { return m_videoFile; }
    void setVideoFile(const QFileInfo& video) { m_videoFile = video; }

    // Empty text while no video is loaded, so nothing is written under a made-up name.
    QString getAudioFilePath() const;
    QString getCaptionPath() const;
    QString getAssPath() const;

    // Replaces the captions with one per utterance of a recognition result, writes the script
    // and announces it with captionsCreated(); with save the raw result is kept as well.
    void createCaptions(const QByteArray& result, bool save);
    // Replaces the captions with the lines of a subtitle file the player shows itself, so no
    // script is written; announced with captionsLoaded().
    void loadLines(const QList<SubtitleLine>& lines);
    // Applies the caption's edit values (to every caption when isAll), rewrites the script and
    // announces it with captionsUpdated(). Only captions of this store that have an edit are
    // accepted.
    void updateCaption(CaptionInfo* caption, bool isAll);

    static int startTimeMs(const CaptionInfo* caption);

    // Copies of the captions that share nothing with the store: what an edit starts from and
    // what undo puts back.
    QList<CaptionInfo> snapshot() const;
    // Replaces the captions with the list given (an edit, or its undo), rewrites the script and
    // announces it with captionsEdited().
    void replaceCaptions(const QList<CaptionInfo>& captions);
    // The captions as timed plain lines, as the player and the captures take them.
    QList<SubtitleLine> subtitleLines() const;
    // The override block each caption's Dialogue line carries (empty for none).
    QStringList overrideBlocks() const;

    // Results larger than this are refused whole; more utterances than this are dropped.
    // A three-hour film gives well under a mebibyte; anything near this bound is hostile, and
    // parsing it would cost seconds and hundreds of mebibytes.
    static constexpr int kMaxResultBytes = 16 * 1024 * 1024;
    static constexpr int kMaxCaptions = 20000;

signals:
    // The script at path was written for new captions, or rewritten after an edit.
    void captionsCreated(const QString& path);
    void captionsUpdated(const QString& path);
    void captionsLoaded();
    // The captions were edited; the script at path holds them unless saved is false.
    void captionsEdited(const QString& path, bool saved);
    // Emitted before the records are freed, so holders of caption pointers can let go.
    void captionsAboutToBeCleared();

private:
    CaptionManager();
    QString workFilePath(const QString& suffix, const char* logTag) const;

    std::vector<std::unique_ptr<CaptionInfo>> m_captions;
    QFileInfo m_videoFile;
    QList<CaptionLanguage> m_languages;
    int m_speechLanguage = 0; // position in m_languages
};

#pragma once

#include <QObject>
#include <QString>

#include "core/speech/SubtitleGenerator.h"

class GenerateSubtitlesDialog;
class LoadingDialog;
class VideoPlayer;
class QWidget;

// The Generate Subtitles command: asks for the language and the provider, then runs the
// generation with the loading dialog showing its stage. Cancel stops it; a failure closes the
// dialog with a notice that says what failed and offers Retry; the script made is loaded into
// the player, whose lines fill the caption list.
class SubtitleGeneration final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SubtitleGeneration)

public:
    SubtitleGeneration(VideoPlayer* player, QWidget* window);
    ~SubtitleGeneration() override;

    void ask();
    // Starts with these answers, as the dialog's Generate does.
    void generate(const SpeechSettings& settings, const QString& apiKey);
    void retry();

    SubtitleGenerator* generator() const { return m_generator; }
    LoadingDialog* loadingDialog() const { return m_loading; }
    GenerateSubtitlesDialog* dialog() const { return m_dialog; }

    static QString stageText(SubtitleGenerator::Stage stage, int percent);

signals:
    // The dialog is open; dialog() answers it.
    void dialogShown();

private:
    void showStage(SubtitleGenerator::Stage stage, int percent);
    void finished(const QString& scriptPath, int lines, SpeechReply::Repairs repairs);
    void failed(const QString& reason);
    qint64 durationMs() const;

    VideoPlayer* m_player;
    QWidget* m_window;
    SubtitleGenerator* m_generator;
    LoadingDialog* m_loading; // a window of its own, deleted with this
    GenerateSubtitlesDialog* m_dialog = nullptr;
};

#include "gui/player/SubtitleGeneration.h"

#include <QDebug>

#include "core/captions/CaptionManager.h"
#include "core/video/VideoEngine.h"
#include "gui/application/GlobalManager.h"
#include "gui/application/SecretStore.h"
#include "gui/player/GenerateSubtitlesDialog.h"
#include "gui/player/VideoPlayer.h"
#include "gui/widgets/LoadingDialog.h"

SubtitleGeneration::SubtitleGeneration(VideoPlayer* player, QWidget* window)
    : QObject(window), m_player(player), m_window(window), m_generator(new SubtitleGenerator(this)),
      m_loading(new LoadingDialog(nullptr, Qt::Dialog | Qt::WindowCloseButtonHint))
{
    m_loading->setObjectName(QStringLiteral("subtitle_generation_progress"));
    // Closing the main window quits even while the progress shows; the quit then stops the run.
    m_loading->setAttribute(Qt::WA_QuitOnClose, false);
    connect(m_loading, &LoadingDialog::cancelRequested, m_generator, &SubtitleGenerator::cancel);
    connect(m_generator, &SubtitleGenerator::stageChanged, this, &SubtitleGeneration::showStage);
    connect(m_generator, &SubtitleGenerator::finished, this, &SubtitleGeneration::finished);
    connect(m_generator, &SubtitleGenerator::failed, this, &SubtitleGeneration::failed);
    connect(m_generator, &SubtitleGenerator::cancelled, m_loading, &QWidget::hide);
    connect(SecretStore::instance(), &SecretStore::unavailable, this, [](const QString& text) {
        GlobalManager::instance()->showNotice({Notice::Information, text, QString(), nullptr});
    });
}

SubtitleGeneration::~SubtitleGeneration()
{
    delete m_loading;
}

QString SubtitleGeneration::stageText(SubtitleGenerator::Stage stage, int percent)
{
    switch (stage) {
    case SubtitleGenerator::Stage::Extracting:
        return tr("Extracting the sound of the film");
    case SubtitleGenerator::Stage::Uploading:
        return tr("Uploading the audio: %1%").arg(std::max(percent, 0));
    case SubtitleGenerator::Stage::Recognising:
        return tr("Recognising speech");
    case SubtitleGenerator::Stage::Writing:
        return tr("Writing the subtitles");
    case SubtitleGenerator::Stage::Idle:
        break;
    }
    return QString();
}

void SubtitleGeneration::ask()
{
    if (!m_player->isOpen() || m_generator->isRunning() || m_dialog)
        return;
    CaptionManager* captions = CaptionManager::instance();
    m_dialog = new GenerateSubtitlesDialog(captions->languages(), captions->speechLanguage(),
                                           SpeechSettings::load(), m_window);
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    SecretStore::instance()->readApiKey(m_dialog, [this](const QString& key) {
        if (m_dialog)
            m_dialog->setApiKey(key);
    });
    connect(m_dialog, &QDialog::finished, this, [this](int result) {
        GenerateSubtitlesDialog* dialog = std::exchange(m_dialog, nullptr);
        if (result != QDialog::Accepted)
            return;
        CaptionManager::instance()->setSpeechLanguage(dialog->language());
        const SpeechSettings settings = dialog->settings();
        settings.save();
        if (dialog->apiKeyEdited())
            SecretStore::instance()->writeApiKey(dialog->apiKey());
        generate(settings, dialog->apiKey());
    });
    m_dialog->open();
    emit dialogShown();
}

void SubtitleGeneration::generate(const SpeechSettings& settings, const QString& apiKey)
{
    if (!m_generator->start(settings, apiKey, durationMs())) {
        GlobalManager::instance()->showNotice(
            {Notice::Failure,
             tr("Subtitles cannot be generated now: open a film, or wait for "
                "the generation going on to end"),
             QString(), nullptr});
        return;
    }
    m_loading->show();
}

void SubtitleGeneration::retry()
{
    if (m_generator->retry())
        m_loading->show();
}

qint64 SubtitleGeneration::durationMs() const
{
    return qint64(m_player->engine()->duration() * 1000.0);
}

void SubtitleGeneration::showStage(SubtitleGenerator::Stage stage, int percent)
{
    m_loading->setMessage(stageText(stage, percent));
}

void SubtitleGeneration::finished(const QString& scriptPath, int lines,
                                  SpeechReply::Repairs repairs)
{
    m_loading->hide();
    QStringList text{tr("Subtitle lines generated: %1").arg(lines)};
    if (repairs & SpeechReply::Clamped)
        text << tr("Times past the end of the film were moved to its end.");
    if (repairs & SpeechReply::Reordered)
        text << tr("Negative or reversed times were mended and the lines put in order.");
    GlobalManager::instance()->showNotice(
        {Notice::Information, text.join(QLatin1Char(' ')), QString(), nullptr});
    qDebug() << "Generated subtitles:" << scriptPath << lines;
}

void SubtitleGeneration::failed(const QString& reason)
{
    m_loading->hide();
    GlobalManager::instance()->showNotice(
        {Notice::Failure, reason, tr("Retry"), [this] { retry(); }});
}

#pragma once

#include <QDialog>

#include "core/captions/CaptionLanguage.h"
#include "core/speech/SpeechSettings.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// Asks what subtitles are made from the film's speech: the spoken language and the provider
// with its address, model and API key (the key only for a transcription server).
class GenerateSubtitlesDialog final : public QDialog
{
    Q_OBJECT

public:
    GenerateSubtitlesDialog(const QList<CaptionLanguage>& languages, const CaptionLanguage& chosen,
                            const SpeechSettings& settings, QWidget* parent = nullptr);

    CaptionLanguage language() const;
    SpeechSettings settings() const;
    QString apiKey() const;
    // The key field is filled once the secret store has answered.
    void setApiKey(const QString& key);
    bool apiKeyEdited() const { return m_keyEdited; }

    QComboBox* languageBox() const { return m_language; }
    QComboBox* providerBox() const { return m_provider; }
    QLineEdit* baseUrlField() const { return m_baseUrl; }
    QLineEdit* modelField() const { return m_model; }
    QLineEdit* apiKeyField() const { return m_apiKey; }
    QLabel* problemLabel() const { return m_problem; }

private:
    void providerChosen();
    void showProvider();
    void validate();

    QList<CaptionLanguage> m_languages;
    SpeechSettings m_settings;
    QComboBox* m_language;
    QComboBox* m_provider;
    QLineEdit* m_baseUrl;
    QLineEdit* m_model;
    QLineEdit* m_apiKey;
    QLabel* m_problem;
    QDialogButtonBox* m_buttons;
    bool m_keyEdited = false;
};

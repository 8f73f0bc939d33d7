#include "gui/player/GenerateSubtitlesDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/base/ScreenManager.h"

GenerateSubtitlesDialog::GenerateSubtitlesDialog(const QList<CaptionLanguage>& languages,
                                                 const CaptionLanguage& chosen,
                                                 const SpeechSettings& settings, QWidget* parent)
    : QDialog(parent), m_languages(languages), m_settings(settings), m_language(new QComboBox),
      m_provider(new QComboBox), m_baseUrl(new QLineEdit), m_model(new QLineEdit),
      m_apiKey(new QLineEdit), m_problem(new QLabel),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel))
{
    setWindowTitle(tr("Generate Subtitles"));
    setObjectName(QStringLiteral("generate_subtitles_dialog"));
    for (const CaptionLanguage& language : languages) {
        m_language->addItem(language.name, language.code);
        if (language.code == chosen.code)
            m_language->setCurrentIndex(m_language->count() - 1);
    }
    m_provider->addItem(tr("Pictorb speech service"),
                        int(SpeechSettings::Provider::PictorbService));
    m_provider->addItem(tr("OpenAI-compatible transcription"),
                        int(SpeechSettings::Provider::OpenAiTranscription));
    m_provider->setCurrentIndex(m_provider->findData(int(settings.provider())));
    m_model->setPlaceholderText(SpeechSettings::kDefaultModel);
    m_apiKey->setEchoMode(QLineEdit::Password);
    m_apiKey->setPlaceholderText(tr("None"));
    m_baseUrl->setMinimumWidth(scaled(300));
    m_problem->setObjectName(QStringLiteral("generate_subtitles_problem"));
    m_problem->setWordWrap(true);
    m_problem->hide();
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("Generate"));

    auto* form = new QFormLayout;
    form->addRow(tr("Spoken language"), m_language);
    form->addRow(tr("Provider"), m_provider);
    form->addRow(tr("Base URL"), m_baseUrl);
    form->addRow(tr("Model"), m_model);
    form->addRow(tr("API key"), m_apiKey);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(m_buttons);

    connect(m_provider, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &GenerateSubtitlesDialog::providerChosen);
    connect(m_baseUrl, &QLineEdit::textChanged, this, &GenerateSubtitlesDialog::validate);
    connect(m_apiKey, &QLineEdit::textEdited, this, [this] { m_keyEdited = true; });
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_model->setText(settings.model());
    showProvider();
}

void GenerateSubtitlesDialog::providerChosen()
{
    // Each provider keeps the address typed for it.
    m_settings.setBaseUrl(m_baseUrl->text());
    m_settings.setProvider(SpeechSettings::Provider(m_provider->currentData().toInt()));
    showProvider();
}

void GenerateSubtitlesDialog::showProvider()
{
    const bool transcription =
        m_settings.provider() == SpeechSettings::Provider::OpenAiTranscription;
    const QSignalBlocker blocker(m_baseUrl);
    m_baseUrl->setText(m_settings.typedBaseUrl());
    m_baseUrl->setPlaceholderText(SpeechSettings::defaultBaseUrl(m_settings.provider()));
    m_model->setEnabled(transcription);
    m_apiKey->setEnabled(transcription);
    validate();
}

void GenerateSubtitlesDialog::validate()
{
    const QString url = m_baseUrl->text().trimmed();
    const bool fine = url.isEmpty() || SpeechSettings::isHttpUrl(url);
    m_problem->setText(fine ? QString() : tr("The base URL must be an http or https address."));
    m_problem->setVisible(!fine);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(fine);
}

CaptionLanguage GenerateSubtitlesDialog::language() const
{
    const QString code = m_language->currentData().toString();
    for (const CaptionLanguage& language : m_languages) {
        if (language.code == code)
            return language;
    }
    return CaptionLanguage();
}

SpeechSettings GenerateSubtitlesDialog::settings() const
{
    SpeechSettings settings = m_settings;
    settings.setBaseUrl(m_baseUrl->text());
    settings.setModel(m_model->text());
    return settings;
}

QString GenerateSubtitlesDialog::apiKey() const
{
    return m_apiKey->text().trimmed();
}

void GenerateSubtitlesDialog::setApiKey(const QString& key)
{
    if (!m_keyEdited)
        m_apiKey->setText(key);
}

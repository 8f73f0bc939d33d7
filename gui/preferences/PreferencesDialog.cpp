#include "gui/preferences/PreferencesDialog.h"

#include <algorithm>

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryFile>

#include "core/base/AppConfig.h"
#include "core/base/ScreenManager.h"
#include "core/base/TranslateManager.h"
#include "core/speech/SpeechSettings.h"
#include "gui/application/GlobalManager.h"
#include "gui/application/SecretStore.h"
#include "gui/images/SaveFileBar.h"

namespace {

// Whether a file can be made in the folder, which is made first if it is missing.
bool writableFolder(const QString& path)
{
    if (path.isEmpty() || !QDir().mkpath(path))
        return false;
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral(".pictorb-XXXXXX")));
    return probe.open();
}

} // namespace

PreferencesDialog::PreferencesDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint),
      m_pages(new QTabWidget(this))
{
    setObjectName(QStringLiteral("preferences_dialog"));
    m_pages->addTab(outputPage(), QString());
    m_pages->addTab(speechPage(), QString());
    m_pages->addTab(generalPage(), QString());
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_buttons << close->button(QDialogButtonBox::Close);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Return in a field applies that field; it must not close the dialog too.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(close);
    setMinimumWidth(scaled(520));
    connect(TranslateManager::instance(), &TranslateManager::changeTranslate, this,
            &PreferencesDialog::retranslate);
    // A setting changed elsewhere (the output bars, the player's toggle) shows here too.
    connect(
        GlobalManager::instance(), &GlobalManager::globalEvent, this,
        [this](const QString& event, const QVariant& key) {
            if (event != AppConfig::kEventSettingChange)
                return;
            GlobalManager* manager = GlobalManager::instance();
            if (key == AppConfig::kFileExtension)
                SaveFileBar::showFormat(
                    m_formatBox,
                    manager->getSetting(AppConfig::kFileExtension, AppConfig::kDefaultExportFormat)
                        .toString());
            if (key == AppConfig::kCaptureWithSubtitles) {
                const QSignalBlocker quiet(m_subtitlesBox);
                m_subtitlesBox->setChecked(
                    manager->getSetting(AppConfig::kCaptureWithSubtitles, false).toBool());
            }
        });
    retranslate();
}

// QDialog's destructor hides the dialog, and the field losing the focus would finish its editing
// into a dialog that is half gone.
PreferencesDialog::~PreferencesDialog()
{
    for (QLineEdit* field : findChildren<QLineEdit*>())
        disconnect(field, &QLineEdit::editingFinished, this, nullptr);
}

void PreferencesDialog::tell(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
    // A reason of several rows makes the dialog taller rather than being cut off: the form
    // gives a wrapped label the height of one row unless told.
    if (!text.isEmpty() && label->width() > 0)
        label->setMinimumHeight(label->heightForWidth(label->width()));
    resize(width(), std::max(height(), sizeHint().height()));
}

QWidget* PreferencesDialog::outputPage()
{
    auto* page = new QWidget(m_pages);
    GlobalManager* manager = GlobalManager::instance();
    m_folderField = new QLineEdit(SaveFileBar::initialFolderText(), page);
    auto* browse = new QPushButton(page);
    m_buttons << browse;
    connect(m_folderField, &QLineEdit::editingFinished, this, &PreferencesDialog::applyFolder);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen = SaveFileBar::askForFolder(this);
        if (chosen.isEmpty())
            return;
        m_folderField->setText(QDir::toNativeSeparators(chosen));
        applyFolder();
    });
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folderField, 1);
    folderRow->addWidget(browse);

    m_formatBox = SaveFileBar::createFormatBox(page);
    SaveFileBar::showFormat(
        m_formatBox,
        manager->getSetting(AppConfig::kFileExtension, AppConfig::kDefaultExportFormat).toString());
    connect(m_formatBox, &QComboBox::currentTextChanged, this, [](const QString& format) {
        GlobalManager::instance()->setSetting(AppConfig::kFileExtension, format);
    });

    m_subtitlesBox = new QCheckBox(page);
    m_subtitlesBox->setChecked(
        manager->getSetting(AppConfig::kCaptureWithSubtitles, false).toBool());
    connect(m_subtitlesBox, &QCheckBox::toggled, this, [](bool on) {
        GlobalManager::instance()->setSetting(AppConfig::kCaptureWithSubtitles, on);
    });

    m_outputMessage = new QLabel(page);
    m_outputMessage->setObjectName(QStringLiteral("preferences_message"));
    m_outputMessage->setWordWrap(true);
    m_outputMessage->hide();

    auto* form = new QFormLayout(page);
    for (int i = 0; i < 3; ++i)
        m_labels << new QLabel(page);
    form->addRow(m_labels.at(0), folderRow);
    form->addRow(QString(), m_outputMessage);
    form->addRow(m_labels.at(1), m_formatBox);
    form->addRow(m_labels.at(2), m_subtitlesBox);
    return page;
}

QWidget* PreferencesDialog::speechPage()
{
    auto* page = new QWidget(m_pages);
    m_providerBox = new QComboBox(page);
    m_providerBox->addItem(QString(), int(SpeechSettings::Provider::PictorbService));
    m_providerBox->addItem(QString(), int(SpeechSettings::Provider::OpenAiTranscription));
    m_baseUrlField = new QLineEdit(page);
    m_modelField = new QLineEdit(page);
    m_timeoutBox = new QSpinBox(page);
    m_timeoutBox->setRange(1, SpeechSettings::kMaxTimeoutSeconds / 60);
    m_apiKeyField = new QLineEdit(page);
    m_apiKeyField->setEchoMode(QLineEdit::Password);
    m_keyNote = new QLabel(page);
    m_keyNote->setWordWrap(true);
    m_keyNote->hide();
    m_speechMessage = new QLabel(page);
    m_speechMessage->setObjectName(QStringLiteral("preferences_message"));
    m_speechMessage->setWordWrap(true);
    m_speechMessage->hide();
    showSpeechSettings();

    connect(m_providerBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &PreferencesDialog::applyProvider);
    connect(m_baseUrlField, &QLineEdit::editingFinished, this, &PreferencesDialog::applyBaseUrl);
    connect(m_modelField, &QLineEdit::editingFinished, this, &PreferencesDialog::applyModel);
    connect(m_timeoutBox, qOverload<int>(&QSpinBox::valueChanged), this,
            &PreferencesDialog::applyTimeout);
    connect(m_apiKeyField, &QLineEdit::editingFinished, this,
            [this] { SecretStore::instance()->writeApiKey(m_apiKeyField->text().trimmed()); });
    connect(SecretStore::instance(), &SecretStore::unavailable, m_keyNote,
            [this](const QString& text) { tell(m_keyNote, text); });
    SecretStore::instance()->readApiKey(this, [this](const QString& key) {
        const QSignalBlocker quiet(m_apiKeyField);
        m_apiKeyField->setText(key);
    });

    auto* form = new QFormLayout(page);
    for (int i = 0; i < 5; ++i)
        m_labels << new QLabel(page);
    form->addRow(m_labels.at(3), m_providerBox);
    form->addRow(m_labels.at(4), m_baseUrlField);
    form->addRow(m_labels.at(5), m_modelField);
    form->addRow(m_labels.at(6), m_timeoutBox);
    form->addRow(m_labels.at(7), m_apiKeyField);
    form->addRow(QString(), m_keyNote);
    form->addRow(QString(), m_speechMessage);
    return page;
}

QWidget* PreferencesDialog::generalPage()
{
    auto* page = new QWidget(m_pages);
    m_languageBox = new QComboBox(page);
    const QMap<int, QString> names = TranslateManager::instance()->languageNames();
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        m_languageBox->addItem(it.value(), it.key());
    m_languageBox->setCurrentIndex(
        m_languageBox->findData(TranslateManager::instance()->currentLanguage()));
    connect(m_languageBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { emit languageChosen(m_languageBox->currentData().toInt()); });
    // The language may also be chosen from the menu.
    connect(TranslateManager::instance(), &TranslateManager::changeTranslate, m_languageBox,
            [this](int type) {
                const QSignalBlocker quiet(m_languageBox);
                m_languageBox->setCurrentIndex(m_languageBox->findData(type));
            });

    m_updatesBox = new QCheckBox(page);
    m_updatesBox->setChecked(
        GlobalManager::instance()->getSetting(AppConfig::kCheckUpdatesAtStart, true).toBool());
    connect(m_updatesBox, &QCheckBox::toggled, this, [](bool on) {
        GlobalManager::instance()->setSetting(AppConfig::kCheckUpdatesAtStart, on);
    });

    auto* form = new QFormLayout(page);
    m_labels << new QLabel(page);
    form->addRow(m_labels.at(8), m_languageBox);
    form->addRow(QString(), m_updatesBox);
    return page;
}

void PreferencesDialog::retranslate()
{
    setWindowTitle(tr("Preferences"));
    m_pages->setTabText(0, tr("Output"));
    m_pages->setTabText(1, tr("Speech"));
    m_pages->setTabText(2, tr("General"));
    const QStringList labels = {tr("Output folder:"), tr("Format:"),  tr("Captures:"),
                                tr("Provider:"),      tr("Address:"), tr("Model:"),
                                tr("Time-out:"),      tr("API key:"), tr("Language:")};
    for (int i = 0; i < labels.size(); ++i)
        m_labels.at(i)->setText(labels.at(i));
    m_buttons.at(1)->setText(tr("Close"));
    m_buttons.at(0)->setText(tr("Browse..."));
    m_subtitlesBox->setText(tr("Capture frames with the subtitle drawn in"));
    m_updatesBox->setText(tr("Check for updates at start"));
    m_providerBox->setItemText(0, tr("Pictorb speech service"));
    m_providerBox->setItemText(1, tr("OpenAI-compatible transcription"));
    m_timeoutBox->setSuffix(tr(" min"));
    m_modelField->setToolTip(tr("The model the transcription server runs, e.g. whisper-1"));
    m_apiKeyField->setPlaceholderText(tr("None: a local server needs no key"));
    m_apiKeyField->setToolTip(tr("Kept in the system's secret store, never in the settings"));
}

void PreferencesDialog::showSpeechSettings()
{
    const SpeechSettings settings = SpeechSettings::load();
    const QSignalBlocker quietProvider(m_providerBox);
    const QSignalBlocker quietTimeout(m_timeoutBox);
    m_providerBox->setCurrentIndex(m_providerBox->findData(int(settings.provider())));
    m_baseUrlField->setText(settings.typedBaseUrl());
    m_baseUrlField->setPlaceholderText(SpeechSettings::defaultBaseUrl(settings.provider()));
    m_modelField->setText(settings.model());
    m_timeoutBox->setValue(std::max(1, settings.timeoutSeconds() / 60));
    // Model and key belong to transcription servers; the Pictorb service takes neither.
    const bool transcription = settings.provider() == SpeechSettings::Provider::OpenAiTranscription;
    m_modelField->setEnabled(transcription);
    m_apiKeyField->setEnabled(transcription);
}

void PreferencesDialog::applyFolder()
{
    const QString folder = QDir::fromNativeSeparators(m_folderField->text().trimmed());
    if (folder.isEmpty()) {
        tell(m_outputMessage, tr("Choose a folder for the exported pictures."));
        return;
    }
    if (!QDir::isAbsolutePath(folder) || !writableFolder(folder)) {
        tell(m_outputMessage, tr("Pictorb cannot write into \"%1\": choose a folder you can "
                                 "write to.")
                                  .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    tell(m_outputMessage, QString());
    GlobalManager* manager = GlobalManager::instance();
    if (manager->getSetting(AppConfig::kFileSavePath, QString()).toString() != folder)
        manager->setSetting(AppConfig::kFileSavePath, folder);
}

void PreferencesDialog::applyProvider()
{
    SpeechSettings settings = SpeechSettings::load();
    settings.setProvider(SpeechSettings::Provider(m_providerBox->currentData().toInt()));
    settings.save();
    tell(m_speechMessage, QString());
    showSpeechSettings();
}

void PreferencesDialog::applyBaseUrl()
{
    const QString url = m_baseUrlField->text().trimmed();
    // Empty text stands for the default endpoint.
    if (!url.isEmpty() && !SpeechSettings::isHttpUrl(url)) {
        tell(m_speechMessage, tr("\"%1\" is not a web address: it must start with http:// or "
                                 "https:// and name a host, as http://127.0.0.1:8000 does.")
                                  .arg(url));
        return;
    }
    tell(m_speechMessage, QString());
    SpeechSettings settings = SpeechSettings::load();
    if (settings.typedBaseUrl() == url)
        return;
    settings.setBaseUrl(url);
    settings.save();
}

void PreferencesDialog::applyModel()
{
    const QString model = m_modelField->text().trimmed();
    if (model.isEmpty()) {
        tell(m_speechMessage, tr("Name the model the server runs, for example whisper-1."));
        return;
    }
    tell(m_speechMessage, QString());
    SpeechSettings settings = SpeechSettings::load();
    if (settings.model() == model)
        return;
    settings.setModel(model);
    settings.save();
}

void PreferencesDialog::applyTimeout()
{
    SpeechSettings settings = SpeechSettings::load();
    settings.setTimeoutSeconds(m_timeoutBox->value() * 60);
    settings.save();
}

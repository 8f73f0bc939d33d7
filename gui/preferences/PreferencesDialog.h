#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

// Settings ▸ Preferences (Ctrl+,): the output folder and format, captures with or without the
// subtitle, the UI language, the update check at start and the speech provider with its
// address, model, time-out and API key. Every field is applied as soon as it is left or
// changed; a value that cannot be used is refused with the reason beside it and the setting
// keeps its value.
class PreferencesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PreferencesDialog(QWidget* parent = nullptr);
    ~PreferencesDialog() override;

    QTabWidget* pages() const { return m_pages; }
    QLineEdit* folderField() const { return m_folderField; }
    QComboBox* formatBox() const { return m_formatBox; }
    QCheckBox* subtitlesBox() const { return m_subtitlesBox; }
    QComboBox* languageBox() const { return m_languageBox; }
    QCheckBox* updatesBox() const { return m_updatesBox; }
    QComboBox* providerBox() const { return m_providerBox; }
    QLineEdit* baseUrlField() const { return m_baseUrlField; }
    QLineEdit* modelField() const { return m_modelField; }
    QSpinBox* timeoutBox() const { return m_timeoutBox; }
    QLineEdit* apiKeyField() const { return m_apiKeyField; }
    // The reasons a value was refused (empty while every value is used).
    QLabel* outputMessage() const { return m_outputMessage; }
    QLabel* speechMessage() const { return m_speechMessage; }

signals:
    // The language is the window's to change: its translator and menus.
    void languageChosen(int type);

private:
    QWidget* outputPage();
    QWidget* generalPage();
    QWidget* speechPage();
    void retranslate();
    void showSpeechSettings();
    void applyFolder();
    void applyBaseUrl();
    void applyModel();
    void applyTimeout();
    void applyProvider();
    void tell(QLabel* label, const QString& text);

    QTabWidget* m_pages;
    QLineEdit* m_folderField = nullptr;
    QComboBox* m_formatBox = nullptr;
    QCheckBox* m_subtitlesBox = nullptr;
    QLabel* m_outputMessage = nullptr;
    QComboBox* m_languageBox = nullptr;
    QCheckBox* m_updatesBox = nullptr;
    QComboBox* m_providerBox = nullptr;
    QLineEdit* m_baseUrlField = nullptr;
    QLineEdit* m_modelField = nullptr;
    QSpinBox* m_timeoutBox = nullptr;
    QLineEdit* m_apiKeyField = nullptr;
    QLabel* m_speechMessage = nullptr;
    QLabel* m_keyNote = nullptr;
    QList<QLabel*> m_labels;
    QList<QPushButton*> m_buttons;
};

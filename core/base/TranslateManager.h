#pragma once

#include <QLocale>
#include <QMap>
#include <QObject>
#include <QString>

// Knows the nine UI languages, remembers the current one and announces every switch;
// the main window owns the translator and performs the switch itself.
class TranslateManager final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TranslateManager)

public:
    enum LanguageType
    {
        English = 0,
        German = 1,
        Spanish = 2,
        French = 3,
        Italian = 4,
        Portuguese = 5,
        ChineseSimplified = 6,
        ChineseTraditional = 7,
        Japanese = 8,
    };
    Q_ENUM(LanguageType)

    static TranslateManager* instance();

    // Chooses the start language from "app_lang" or the locale.
    void init(const QLocale& systemLocale = QLocale::system());

    int currentLanguage() const { return m_currentLanguage; }
    void setCurrentLanguage(int type) { m_currentLanguage = type; }
    QMap<int, QString> qmFiles() const { return m_qmFiles; }
    QMap<int, QString> languageNames() const { return m_languageNames; }
    static QString shortName(int type);

signals:
    void changeTranslate(int type);

private:
    TranslateManager();

    int m_currentLanguage = English;
    QMap<int, QString> m_qmFiles;
    QMap<int, QString> m_languageNames;
};

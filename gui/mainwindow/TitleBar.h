#pragma once

#include <QList>
#include <QWidget>

#include <functional>

class QHBoxLayout;
class NormalButton;

// The row of command buttons across the top of the main window's content.
class TitleBar : public QWidget
{
    Q_OBJECT

public:
    enum ButtonType
    {
        Settings = 4,
        Minimize = 7,
        Maximize = 8,
        Quit = 9,
        AddImage = 10,
        Subtitle = 11,
    };
    Q_ENUM(ButtonType)

    enum MenuType
    {
        Support = 2,
        UserGuide = 5,
        ViewLog = 7,
        CheckForUpdates = 8,
        About = 9,
        Preferences = 10,
    };
    Q_ENUM(MenuType)

    explicit TitleBar(QWidget* parent = nullptr);

    QList<NormalButton*> buttons() const { return m_buttons; }
    // Puts the notice strip into the room between the commands.
    void setNoticeBar(QWidget* bar);
    // Switches the window-control icons; without such buttons there is nothing to switch.
    void setMaximized(bool maximized);

public slots:
    void changeLang(int type);

signals:
    void buttonClick(TitleBar::ButtonType type, QWidget* button);

private:
    static QStringList buttonTexts();

    QHBoxLayout* m_layout;
    QList<NormalButton*> m_buttons;
    QList<QWidget*> m_windowButtons;
    std::function<void()> m_retranslate;
};

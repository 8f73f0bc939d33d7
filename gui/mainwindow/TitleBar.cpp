#include "gui/mainwindow/TitleBar.h"

#include "core/base/ScreenManager.h"
#include "core/base/TranslateManager.h"
#include "gui/widgets/NormalButton.h"

#include <QBoxLayout>
#include <QColor>

TitleBar::TitleBar(QWidget* parent) : QWidget(parent), m_layout(new QHBoxLayout(this))
{
    setFixedHeight(scaled(30));
    m_layout->setContentsMargins(0, 0, 0, 0);

    struct Command
    {
        const char* icon;
        ButtonType type;
    };
    const Command commands[] = {
        {":/images/titlebar/add.svg", AddImage},
        {":/images/titlebar/cc.svg", Subtitle},
        {":/images/titlebar/setting.svg", Settings},
    };
    const QStringList texts = buttonTexts();
    for (int i = 0; i < 3; ++i) {
        auto* button = new NormalButton(this);
        button->setFixedHeight(scaled(30));
        button->setObjectName(QStringLiteral("title_button"));
        button->setIcon(QLatin1String(commands[i].icon));
        button->setText(QLatin1Char(' ') + texts.at(i));
        m_layout->addWidget(button);
        if (i == 1) {
            m_layout->addStretch();
            button->hide();
        }
        const ButtonType type = commands[i].type;
        connect(button, &BaseButton::clicked, this,
                [this, type, button] { emit buttonClick(type, button); });
        connect(button, &BaseButton::mouseEnter, button,
                [button] { button->setTextColor(QColor(QStringLiteral("#000000"))); });
        connect(button, &BaseButton::mouseLeave, button,
                [button] { button->setTextColor(QColor(QStringLiteral("#636363"))); });
        m_buttons << button;
    }
    m_retranslate = [this] {
        const QStringList translated = buttonTexts();
        for (int i = 0; i < m_buttons.size(); ++i)
            m_buttons.at(i)->setText(translated.at(i));
    };
    connect(TranslateManager::instance(), &TranslateManager::changeTranslate, this,
            &TitleBar::changeLang);
}

QStringList TitleBar::buttonTexts()
{
    return {tr("Add Image"), tr("Subtitle"), tr("Settings")};
}

void TitleBar::setNoticeBar(QWidget* bar)
{
    bar->setFixedHeight(height());
    // Before the stretch that keeps Settings on the right: with a stretch of its own it takes
    // the room while shown, and when hidden the stretch has it back.
    m_layout->insertWidget(m_layout->count() - 1, bar, 1);
}

void TitleBar::setMaximized(bool maximized)
{
    if (m_windowButtons.size() < 3)
        return;
    auto* button = qobject_cast<BaseButton*>(m_windowButtons.at(2));
    if (!button)
        return;
    const QStringList icons = maximized
                                  ? QStringList{QStringLiteral(":/images/titlebar/restore_2.svg"),
                                                QStringLiteral(":/images/titlebar/restore_1.svg")}
                                  : QStringList{QStringLiteral(":/images/titlebar/max_2.svg"),
                                                QStringLiteral(":/images/titlebar/max_1.svg")};
    button->setIconList(icons);
    button->setIcon(icons.first());
}

void TitleBar::changeLang(int)
{
    if (m_retranslate)
        m_retranslate();
}

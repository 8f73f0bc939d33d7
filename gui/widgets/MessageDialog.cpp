#include "gui/widgets/MessageDialog.h"

#include "core/base/ScreenManager.h"

#include <QBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVariant>

namespace {

QPushButton* dialogButton(const char* role, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setProperty(role, true);
    button->setProperty("button-border", true);
    button->setMinimumSize(scaledSize(QSize(100, 25)));
    return button;
}

void labelButton(QPushButton* button, const QStringList& buttons, int index)
{
    const QString text = buttons.value(index);
    button->setText(text);
    button->setVisible(!text.isEmpty());
}

} // namespace

MessageDialog::MessageDialog(QWidget* parent) : BaseDialog(parent, 2)
{
    MessageDialog::initUI();
    setMessage(tr("This is a message."), 0, {tr("OK"), tr("CANCEL")});
    loadStyleSheet(QStringLiteral(":/qss/message_dialog.qss"));
}

void MessageDialog::initUI()
{
    innerLayout()->setAlignment(Qt::AlignCenter);
    innerLayout()->setContentsMargins(scaledRect(40, 30, 40, 30));
    innerLayout()->setSpacing(scaled(20));
    setMinimumHeight(scaled(100));

    m_submitButton = dialogButton("submit", contentWidget());
    m_cancelButton = dialogButton("cancel", contentWidget());
    connect(m_submitButton, &QPushButton::clicked, this, &MessageDialog::buttonClickedHandle);
    connect(m_cancelButton, &QPushButton::clicked, this, &MessageDialog::buttonClickedHandle);

    m_iconLabel = new QLabel(contentWidget());
    m_iconLabel->setScaledContents(true);
    m_iconLabel->setFixedSize(scaledSize(QSize(30, 30)));
    auto* iconRow = new QHBoxLayout;
    iconRow->addStretch();
    iconRow->addWidget(m_iconLabel);
    iconRow->addStretch();

    m_textLabel = new QLabel(contentWidget());
    m_textLabel->setWordWrap(true);
    m_textLabel->setAlignment(Qt::AlignCenter);
    m_textLabel->setFixedWidth(scaled(400));

    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(scaled(30));
    buttonRow->addStretch();
    buttonRow->addWidget(m_submitButton);
    buttonRow->addWidget(m_cancelButton);
    buttonRow->addStretch();

    innerLayout()->addLayout(iconRow);
    innerLayout()->addWidget(m_textLabel);
    innerLayout()->addLayout(buttonRow);
}

void MessageDialog::setMessage(const QString& text, int type, const QStringList& buttons)
{
    m_textLabel->setText(text);
    m_iconLabel->setVisible(type != 0);
    if (type != 0) {
        const QString icon = type == 2 ? QStringLiteral(":/images/home/help_icon.svg")
                                       : QStringLiteral(":/images/home/warning_icon.svg");
        m_iconLabel->setPixmap(QIcon(icon).pixmap(m_iconLabel->size()));
    }
    labelButton(m_submitButton, buttons, 0);
    labelButton(m_cancelButton, buttons, 1);
}

void MessageDialog::buttonClickedHandle()
{
    if (sender() == m_submitButton)
        emit buttonClicked(1);
    else if (sender() == m_cancelButton)
        emit buttonClicked(2);
    close();
}

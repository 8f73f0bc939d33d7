#include "gui/widgets/LoadingDialog.h"

#include "core/base/AppConfig.h"
#include "core/base/ScreenManager.h"
#include "core/base/TranslateManager.h"
#include "gui/application/GlobalManager.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

LoadingDialog::LoadingDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
    setMinimumWidth(scaled(200));
    setObjectName(QStringLiteral("window"));

    m_logoLabel = new QLabel(this);
    m_logoLabel->setPixmap(QPixmap(QStringLiteral(":/images/loading_logo.png")));
    m_logoLabel->setFixedSize(scaledSize(QSize(60, 60)));
    m_logoLabel->setScaledContents(true);

    m_contentLabel = new QLabel(this);
    m_contentLabel->setObjectName(QStringLiteral("loading_dialog_content"));

    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("title_button"));
    m_cancelButton->setFixedWidth(scaled(120));
    connect(m_cancelButton, &QPushButton::clicked, this, &LoadingDialog::buttonClicked);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(scaledRect(20, 20, 20, 20));
    layout->addWidget(m_logoLabel, 1, Qt::AlignCenter);
    layout->addSpacing(scaled(10));
    layout->addWidget(m_contentLabel, 0, Qt::AlignCenter);
    layout->addSpacing(scaled(10));
    layout->addWidget(m_cancelButton, 0, Qt::AlignCenter);

    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &LoadingDialog::updateTimer);
    m_timer->start(1000);
    updateTimer();

    setModal(true);
    // Set after the first animation step, so the dialog opens on the bare message and the
    // first tick already shows two dots.
    m_message = tr("Subtitle Generation in Progress");
    m_contentLabel->setText(m_message);

    connect(TranslateManager::instance(), &TranslateManager::changeTranslate, this,
            &LoadingDialog::changeLang);
}

void LoadingDialog::updateTimer()
{
    ++m_dotCount;
    setMessage(m_message);
}

void LoadingDialog::setMessage(const QString& message)
{
    m_message = message;
    m_contentLabel->setText(
        QStringLiteral("%1%2").arg(m_message, QString(m_dotCount % 4, QLatin1Char('.'))));
}

void LoadingDialog::reject()
{
    buttonClicked();
}

void LoadingDialog::buttonClicked()
{
    hide();
    emit cancelRequested();
    GlobalManager::instance()->sendGlobalEvent(AppConfig::kEventStopAiCaption, QString());
}

void LoadingDialog::changeLang(int type)
{
    Q_UNUSED(type)
    m_cancelButton->setText(tr("Cancel"));
}

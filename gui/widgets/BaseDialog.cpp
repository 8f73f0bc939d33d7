#include "gui/widgets/BaseDialog.h"

#include "core/base/AppConfig.h"
#include "core/base/ScreenManager.h"
#include "gui/application/GlobalManager.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QFile>

static QBoxLayout* makeLayout(int layoutType, QWidget* owner)
{
    if (layoutType == 1)
        return new QHBoxLayout(owner);
    return new QVBoxLayout(owner);
}

BaseDialog::BaseDialog(QWidget* parent, int layoutType) : QDialog(parent), m_layoutType(layoutType)
{
    setWindowFlags(windowFlags() & ~Qt::WindowMinimizeButtonHint & ~Qt::WindowMaximizeButtonHint &
                   ~Qt::WindowContextHelpButtonHint);
    setWindowTitle(AppConfig::kProductName);
    BaseDialog::initBaseLayout();
    setAttribute(Qt::WA_DeleteOnClose);
}

void BaseDialog::initBaseLayout()
{
    m_outerLayout = makeLayout(m_layoutType, this);
    m_outerLayout->setContentsMargins(0, 0, 0, 0);
    m_outerLayout->setSpacing(0);
    m_contentWidget = new QWidget(this);
    m_contentWidget->setObjectName(QStringLiteral("widget"));
    m_outerLayout->addWidget(m_contentWidget);
    m_innerLayout = makeLayout(m_layoutType, m_contentWidget);
    m_innerLayout->setContentsMargins(scaledRect(20, 20, 20, 20));
    m_innerLayout->setSpacing(0);
}

void BaseDialog::loadStyleSheet(const QString& path)
{
    QFile file(path);
    QString css;
    if (file.open(QIODevice::ReadOnly))
        css = QString::fromUtf8(file.readAll());
    scaleStyleSheet(css);
    setStyleSheet(css);
}

void BaseDialog::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    emit closeDialogSignal();
    disconnect(GlobalManager::instance(), nullptr, this, nullptr);
}

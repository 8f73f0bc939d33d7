#include "gui/widgets/BaseWidget.h"

#include "core/base/TranslateManager.h"

#include <QBoxLayout>

BaseWidget::BaseWidget(QWidget* parent, int layoutType, Frame frame)
    : QWidget(parent), m_layoutType(layoutType)
{
    if (frame == Plain) {
        setAttribute(Qt::WA_StyledBackground);
        m_contentWidget = this;
    } else {
        m_contentWidget = new QWidget(this);
        m_contentWidget->setObjectName(QStringLiteral("widget"));
        auto* outer = new QHBoxLayout(this);
        outer->setContentsMargins(0, 0, 0, 0);
        outer->addWidget(m_contentWidget);
    }
    if (m_layoutType == 1)
        m_innerLayout = new QHBoxLayout(m_contentWidget);
    else
        m_innerLayout = new QVBoxLayout(m_contentWidget);
    m_innerLayout->setContentsMargins(0, 0, 0, 0);
    connect(TranslateManager::instance(), &TranslateManager::changeTranslate, this,
            &BaseWidget::changeLang);
}

void BaseWidget::changeLang(int)
{
    if (m_languageCallback)
        m_languageCallback();
}

void BaseWidget::setLanguageCallback(std::function<void()> callback)
{
    m_languageCallback = std::move(callback);
    if (m_languageCallback)
        m_languageCallback();
}

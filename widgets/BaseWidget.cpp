#include "widgets/BaseWidget.h"

#include "app/TranslateManager.h"

#include <QBoxLayout>

BaseWidget::BaseWidget(QWidget* parent, int layoutType) : QWidget(parent), m_layoutType(layoutType)
{
    BaseWidget::initBaseLayout();
    connect(TranslateManager::instance(), &TranslateManager::changeTranslate, this,
            &BaseWidget::changeLang);
}

void BaseWidget::changeLang(int)
{
    if (m_languageCallback)
        m_languageCallback();
}

void BaseWidget::initBaseLayout()
{
    m_contentWidget = new QWidget(this);
    m_contentWidget->setObjectName(QStringLiteral("widget"));
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_contentWidget);

    if (m_layoutType == 1)
        m_innerLayout = new QHBoxLayout(m_contentWidget);
    else
        m_innerLayout = new QVBoxLayout(m_contentWidget);
    m_innerLayout->setContentsMargins(0, 0, 0, 0);
}

void BaseWidget::setLanguageCallback(std::function<void()> callback)
{
    m_languageCallback = std::move(callback);
    if (m_languageCallback)
        m_languageCallback();
}

#include "widgets/BaseWidgetOther.h"

#include "app/TranslateManager.h"

#include <QBoxLayout>

BaseWidgetOther::BaseWidgetOther(QWidget* parent, int layoutType)
    : QWidget(parent), m_layoutType(layoutType)
{
    setAttribute(Qt::WA_StyledBackground);
    BaseWidgetOther::initBaseLayout();
    connect(TranslateManager::instance(), &TranslateManager::changeTranslate, this,
            &BaseWidgetOther::changeLang);
}

void BaseWidgetOther::changeLang(int)
{
    if (m_languageCallback)
        m_languageCallback();
}

void BaseWidgetOther::initBaseLayout()
{
    delete m_layout;
    if (m_layoutType == 1)
        m_layout = new QHBoxLayout(this);
    else
        m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
}

void BaseWidgetOther::setLanguageCallback(std::function<void()> callback)
{
    m_languageCallback = std::move(callback);
    if (m_languageCallback)
        m_languageCallback();
}

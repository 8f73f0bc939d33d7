#include "gui/widgets/NoticeBar.h"

#include "core/base/ScreenManager.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVariant>

#include <algorithm>

namespace {

constexpr int kInformationMs = 8000;
constexpr int kFailureMs = 20000;

} // namespace

NoticeBar::NoticeBar(QWidget* parent)
    : QWidget(parent), m_text(new QLabel(this)), m_action(new QPushButton(this)),
      m_close(new QPushButton(QStringLiteral("\u2715"), this)), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("notice_bar"));
    setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(scaledRect(10, 0, 4, 0));
    layout->setSpacing(scaled(8));
    m_text->setTextFormat(Qt::PlainText);
    // The room decides the width, not the text.
    m_text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_action->setObjectName(QStringLiteral("show"));
    m_action->setCursor(Qt::PointingHandCursor);
    m_close->setObjectName(QStringLiteral("notice_close"));
    m_close->setFlat(true);
    m_close->setCursor(Qt::PointingHandCursor);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_action);
    layout->addWidget(m_close);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &QWidget::hide);
    connect(m_close, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_action, &QPushButton::clicked, this, [this] {
        hide();
        if (m_callback)
            m_callback();
    });
    hide();
}

void NoticeBar::showNotice(const Notice& notice)
{
    m_fullText = notice.text;
    setToolTip(notice.text);
    elide();
    m_callback = notice.action;
    m_action->setText(notice.actionText);
    m_action->setVisible(!notice.actionText.isEmpty() && notice.action);
    setProperty("failure", notice.kind == Notice::Failure);
    // The style sheet picks the colours by the property; it is read again only on a re-polish.
    style()->unpolish(this);
    style()->polish(this);
    show();
    raise();
    m_timer->start(notice.kind == Notice::Failure ? kFailureMs : kInformationMs);
}

QString NoticeBar::text() const
{
    return isVisible() ? m_fullText : QString();
}

void NoticeBar::elide()
{
    m_text->setText(
        m_text->fontMetrics().elidedText(m_fullText, Qt::ElideRight, std::max(0, m_text->width())));
}

void NoticeBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    elide();
}

void NoticeBar::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    hide();
}

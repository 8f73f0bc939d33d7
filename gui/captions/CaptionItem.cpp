#include "gui/captions/CaptionItem.h"

#include <QBoxLayout>
#include <QDebug>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QLineEdit>

#include "core/base/ScreenManager.h"
#include "core/captions/CaptionInfo.h"
#include "core/captions/CaptionManager.h"
#include "gui/application/GlobalManager.h"

namespace {

// Decimal digits of the largest caption number, so every number is padded to the same width.
int indexDigits(int count)
{
    return count > 0 ? QString::number(count).size() : 0;
}

} // namespace

CaptionItem::CaptionItem(CaptionInfo* caption, QWidget* parent)
    : QWidget(parent), m_caption(caption), m_indexLabel(new QLabel(this)),
      m_timeLabel(new QLabel(this)), m_textLabel(new QLabel(this)), m_editField(new QLineEdit(this))
{
    m_indexLabel->setObjectName(QStringLiteral("index"));
    m_timeLabel->setObjectName(QStringLiteral("time"));
    // Recognised text is shown as written: as markup, an image reference in it would have the
    // row read whatever file or pipe it names.
    m_textLabel->setTextFormat(Qt::PlainText);
    m_editField->hide();
    m_editField->setEnabled(false);
    connect(m_editField, &QLineEdit::returnPressed, m_editField, &QLineEdit::clearFocus);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(scaled(10));
    row->addWidget(m_indexLabel);
    row->addWidget(m_timeLabel);
    row->addWidget(m_textLabel);
    row->addWidget(m_editField);
    row->addStretch();

    auto* separator = new QLabel(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Plain);
    separator->setFixedHeight(1);
    auto* fade = new QGraphicsOpacityEffect(separator);
    fade->setOpacity(0.2);
    separator->setGraphicsEffect(fade);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(scaledRect(10, 10, 10, 0));
    layout->setSpacing(scaled(10));
    layout->addLayout(row);
    layout->addWidget(separator);
}

void CaptionItem::changeText(const QString& text)
{
    const int seconds = CaptionManager::startTimeMs(m_caption) / 1000;
    const QString time = GlobalManager::formatTime(seconds);
    qDebug() << "changeText" << m_caption->index << time << text;
    const int digits = indexDigits(CaptionManager::instance()->captions().size());
    m_indexLabel->setText(QStringLiteral("%1").arg(m_caption->index, digits, 10, QLatin1Char('0')));
    m_timeLabel->setText(time);
    m_textLabel->setText(text);
    m_caption->setText(text);
}

void CaptionItem::setSelected(bool on)
{
    m_selected = on;
    const QString sheet = on ? QStringLiteral("color:#000") : QString();
    for (QLabel* label : {m_indexLabel, m_timeLabel, m_textLabel})
        label->setStyleSheet(sheet);
}

bool CaptionItem::isEditing() const
{
    return m_editField->isVisible();
}

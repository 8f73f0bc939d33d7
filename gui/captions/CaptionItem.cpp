#include "gui/captions/CaptionItem.h"

#include <QBoxLayout>
#include <QDebug>
#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "core/base/ScreenManager.h"
#include "core/captions/CaptionInfo.h"
#include "core/captions/CaptionListEdit.h"
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
      m_timeLabel(new QLabel(this)), m_textLabel(new QLabel(this)),
      m_editField(new QLineEdit(this)), m_timesRow(new QWidget(this)),
      m_startField(new QLineEdit(m_timesRow)), m_endField(new QLineEdit(m_timesRow))
{
    m_indexLabel->setObjectName(QStringLiteral("index"));
    m_timeLabel->setObjectName(QStringLiteral("time"));
    // Recognised text is shown as written: as markup, an image reference in it would have the
    // row read whatever file or pipe it names.
    m_textLabel->setTextFormat(Qt::PlainText);
    m_editField->hide();
    m_editField->setEnabled(false);
    connect(m_editField, &QLineEdit::returnPressed, m_editField, &QLineEdit::clearFocus);
    m_editField->setObjectName(QStringLiteral("caption_text_field"));
    m_startField->setObjectName(QStringLiteral("caption_start_field"));
    m_endField->setObjectName(QStringLiteral("caption_end_field"));
    for (QLineEdit* field : {m_startField, m_endField, m_editField}) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::returnPressed, this, [this] { emit editCommitted(this); });
    }
    // "00:00:00.000" and a little room, whatever the font.
    const int clockWidth =
        m_startField->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00.0000")) + scaled(12);
    m_startField->setFixedWidth(clockWidth);
    m_endField->setFixedWidth(clockWidth);
    auto* times = new QHBoxLayout(m_timesRow);
    times->setContentsMargins(0, 0, 0, 0);
    times->setSpacing(scaled(6));
    times->addWidget(m_startField);
    times->addWidget(new QLabel(QStringLiteral("→"), m_timesRow));
    times->addWidget(m_endField);
    times->addStretch();
    m_timesRow->hide();

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
    layout->addWidget(m_timesRow);
    layout->addWidget(separator);
    retranslate();
}

void CaptionItem::retranslate()
{
    m_startField->setToolTip(tr("Start, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms "
                                "earlier. Return keeps the line, Esc drops the change.")
                                 .arg(kNudgeMs));
    m_endField->setToolTip(tr("End, as hh:mm:ss.mmm. Alt+Up: %1 ms later, Alt+Down: %1 ms "
                              "earlier. Return keeps the line, Esc drops the change.")
                               .arg(kNudgeMs));
    m_editField->setToolTip(tr("Text of the line. Ctrl+B splits it at the cursor. Return keeps "
                               "the line, Esc drops the change."));
}

void CaptionItem::startEditing(Field focus)
{
    m_startField->setText(CaptionListEdit::clockText(CaptionInfo::timeMs(m_caption->startTime)));
    m_endField->setText(CaptionListEdit::clockText(CaptionInfo::timeMs(m_caption->endTime)));
    m_editField->setText(m_caption->text);
    m_editField->setEnabled(true);
    m_timeLabel->hide();
    m_textLabel->hide();
    m_editField->show();
    m_timesRow->show();
    QLineEdit* field = focus == Start ? m_startField : focus == End ? m_endField : m_editField;
    field->setFocus();
    field->end(false);
}

void CaptionItem::stopEditing()
{
    m_editField->hide();
    m_editField->setEnabled(false);
    m_timesRow->hide();
    m_timeLabel->show();
    m_textLabel->show();
}

bool CaptionItem::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) {
        emit editCancelled(this);
        return true;
    }
    const bool time = watched == m_startField || watched == m_endField;
    if (time && key->modifiers() == Qt::AltModifier &&
        (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
        emit nudged(this, watched == m_startField ? Start : End,
                    key->key() == Qt::Key_Up ? kNudgeMs : -kNudgeMs);
        return true;
    }
    return QWidget::eventFilter(watched, event);
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

#include "gui/editor/CaptionStyleEditor.h"

#include "core/base/AppConfig.h"
#include "core/base/ScreenManager.h"
#include "core/captions/CaptionEdit.h"
#include "core/images/ImageCaption.h"
#include "gui/application/GlobalManager.h"
#include "gui/editor/ColorEntry.h"
#include "gui/images/ImageItem.h"
#include "gui/widgets/PropertyItem.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDebug>
#include <QFrame>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>

namespace {

const QString kLineBreak = QStringLiteral("\n");
const QString kCaptionLineBreak = QStringLiteral("\\N");

QFrame* separatorLine()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* effect = new QGraphicsOpacityEffect(line);
    effect->setOpacity(0.3);
    line->setGraphicsEffect(effect);
    return line;
}

QString argbText(const QColor& color)
{
    const auto hex = [](int channel) {
        return QStringLiteral("%1").arg(channel, 2, 16, QLatin1Char('0'));
    };
    return QStringLiteral("#%1%2%3%4")
        .arg(hex(color.alpha()), hex(color.red()), hex(color.green()), hex(color.blue()));
}

QWidget* lineOf(std::initializer_list<QWidget*> widgets, int spacing)
{
    auto* line = new QWidget;
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(scaled(spacing));
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return line;
}

QWidget* stackOf(std::initializer_list<QWidget*> lines)
{
    auto* stack = new QWidget;
    auto* layout = new QVBoxLayout(stack);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(scaled(6));
    for (QWidget* line : lines)
        layout->addWidget(line);
    return stack;
}

} // namespace

CaptionStyleEditor::CaptionStyleEditor(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("sub_widget_no_bottom"));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(scaled(10));
    layout->setContentsMargins(scaledRect(0, 10, 0, 10));
    layout->addWidget(buildTextRow());
    layout->addWidget(separatorLine());
    layout->addWidget(buildStyleRow());
    layout->addWidget(separatorLine());
    layout->addWidget(buildPositionRow());
    // Nothing to edit until a card is shown: the values stay visible, greyed.
    setEnabled(false);
}

void CaptionStyleEditor::setImageItem(ImageItem* item)
{
    m_item = item;
    setEnabled(item != nullptr);
}

QWidget* CaptionStyleEditor::buildRow(const char* title, QWidget* content)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(scaledRect(10, 0, 10, 0));
    auto* label = new QLabel;
    label->setFixedWidth(scaled(60));
    layout->addWidget(label, 0, Qt::AlignTop);
    layout->addWidget(content, 1);
    m_rowLabels.append({label, title});
    return row;
}

QWidget* CaptionStyleEditor::buildTextRow()
{
    m_textEdit = new QTextEdit;
    m_textEdit->setAcceptRichText(false);
    // Tab leaves the box, as in every other field, instead of typing a tab into the caption.
    m_textEdit->setTabChangesFocus(true);
    m_textEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_textEdit->setFixedHeight(scaled(25));
    connect(m_textEdit, &QTextEdit::textChanged, this, [this] {
        limitTextLength();
        adjustTextHeight();
        applyEdit(TextField);
    });
    return buildRow(QT_TR_NOOP("Text"), m_textEdit);
}

QWidget* CaptionStyleEditor::buildStyleRow()
{
    PropertyItem* size = buildProperty(Size, AppConfig::kCaptionFontSize, QT_TR_NOOP("Size"),
                                       QStringLiteral("18"), 1, 100);
    PropertyItem* border = buildProperty(Border, AppConfig::kCaptionBorder, QT_TR_NOOP("Border"),
                                         QStringLiteral("1"), 0, 500);
    m_textColor = new ColorEntry(QColor(255, 255, 255));
    m_borderColor = new ColorEntry(QColor(0, 0, 0));
    connect(m_textColor, &ColorEntry::colorEdited, this, [this] { applyEdit(TextColorField); });
    connect(m_borderColor, &ColorEntry::colorEdited, this, [this] { applyEdit(BorderColorField); });

    m_fontStyles = buildOptions({{Bold, QT_TR_NOOP("Bold")},
                                 {Italic, QT_TR_NOOP("Italic")},
                                 {Underline, QT_TR_NOOP("Underline")},
                                 {StrikeOut, QT_TR_NOOP("Strikethrough")}});
    for (const Option& option : qAsConst(m_fontStyles))
        connect(option.box, &QCheckBox::stateChanged, this, [this] { applyEdit(FontStyleField); });

    QWidget* styles = lineOf(
        {m_fontStyles[0].box, m_fontStyles[1].box, m_fontStyles[2].box, m_fontStyles[3].box}, 20);
    return buildRow(QT_TR_NOOP("Style"), stackOf({lineOf({size, m_textColor}, 20),
                                                  lineOf({border, m_borderColor}, 20), styles}));
}

QWidget* CaptionStyleEditor::buildPositionRow()
{
    PropertyItem* x =
        buildProperty(X, AppConfig::kCaptionX, "X", QStringLiteral("192"), -384, 9999);
    PropertyItem* y =
        buildProperty(Y, AppConfig::kCaptionY, "Y", QStringLiteral("268"), -288, 9999);
    for (PropertyItem* row : {x, y}) {
        row->setFixedWidth(scaled(100));
        row->label()->setAlignment(Qt::AlignCenter);
        row->label()->setMinimumWidth(scaled(30));
    }

    m_horizontal = buildOptions({{ImageCaption::Left, QT_TR_NOOP("Left")},
                                 {ImageCaption::HCenter, QT_TR_NOOP("Center")},
                                 {ImageCaption::Right, QT_TR_NOOP("Right")}});
    m_vertical = buildOptions({{ImageCaption::Bottom, QT_TR_NOOP("Bottom")},
                               {ImageCaption::VCenter, QT_TR_NOOP("Center")},
                               {ImageCaption::Top, QT_TR_NOOP("Top")}});
    for (const Option& option : qAsConst(m_horizontal))
        connect(option.box, &QCheckBox::stateChanged, this, [this, id = option.id](int state) {
            positionChosen(m_horizontal, id, state == Qt::Checked, true);
        });
    for (const Option& option : qAsConst(m_vertical))
        connect(option.box, &QCheckBox::stateChanged, this, [this, id = option.id](int state) {
            positionChosen(m_vertical, id, state == Qt::Checked, false);
        });

    QWidget* xLine = lineOf({x, m_horizontal[0].box, m_horizontal[1].box, m_horizontal[2].box}, 20);
    QWidget* yLine = lineOf({y, m_vertical[0].box, m_vertical[1].box, m_vertical[2].box}, 20);
    return buildRow(QT_TR_NOOP("Position"), stackOf({xLine, yLine}));
}

PropertyItem* CaptionStyleEditor::buildProperty(int id, const QString& key, const char* label,
                                                const QString& defaultValue, int minimum,
                                                int maximum)
{
    auto* row = new PropertyItem;
    row->setDescriptor({key, id, QString::fromLatin1(label), defaultValue, minimum, maximum});
    connect(row, &PropertyItem::valueTextChanged, this,
            [this, row](const QString& text) { propertyEdited(row, text); });
    m_properties.append(row);
    return row;
}

QList<CaptionStyleEditor::Option>
CaptionStyleEditor::buildOptions(const QList<QPair<int, const char*>>& texts)
{
    QList<Option> options;
    for (const auto& [id, text] : texts) {
        auto* box = new QCheckBox;
        box->setCursor(Qt::PointingHandCursor);
        options.append({box, id, text});
    }
    return options;
}

PropertyItem* CaptionStyleEditor::property(int id) const
{
    for (PropertyItem* row : m_properties) {
        if (row->id() == id)
            return row;
    }
    return nullptr;
}

QCheckBox* CaptionStyleEditor::findBox(const QList<Option>& group, int id)
{
    for (const Option& option : group) {
        if (option.id == id)
            return option.box;
    }
    return nullptr;
}

QCheckBox* CaptionStyleEditor::fontStyleBox(int id) const
{
    return findBox(m_fontStyles, id);
}

QCheckBox* CaptionStyleEditor::horizontalBox(int id) const
{
    return findBox(m_horizontal, id);
}

QCheckBox* CaptionStyleEditor::verticalBox(int id) const
{
    return findBox(m_vertical, id);
}

void CaptionStyleEditor::untick(QList<Option>& group, int exceptId)
{
    for (const Option& option : qAsConst(group)) {
        if (option.id == exceptId)
            continue;
        const QSignalBlocker blocker(option.box);
        option.box->setChecked(false);
    }
}

void CaptionStyleEditor::loadCaption(const ImageCaption& caption)
{
    {
        const QSignalBlocker blocker(m_textEdit);
        m_textEdit->setPlainText(QString(caption.text).replace(kCaptionLineBreak, kLineBreak));
    }
    adjustTextHeight();
    property(Size)->setValue(caption.fontSize, true);
    property(X)->setValue(QString::number(caption.x), true);
    property(Y)->setValue(QString::number(caption.y), true);
    property(Border)->setValue(QString::number(caption.border), true);

    const bool styles[] = {caption.bold, caption.italic, caption.underline, caption.strikeOut};
    for (const Option& option : qAsConst(m_fontStyles)) {
        const QSignalBlocker blocker(option.box);
        option.box->setChecked(styles[option.id]);
    }
    m_textColor->setColor(QColor(caption.color));
    m_borderColor->setColor(QColor(caption.borderColor));

    // Editing a card right after selecting it keeps that card's own alignment.
    m_hAlign = caption.hAlign;
    m_vAlign = caption.vAlign;
    for (QList<Option>* group : {&m_horizontal, &m_vertical}) {
        const int chosen = group == &m_horizontal ? caption.hAlign : caption.vAlign;
        for (const Option& option : qAsConst(*group)) {
            const QSignalBlocker blocker(option.box);
            option.box->setChecked(option.id == chosen);
        }
    }
}

void CaptionStyleEditor::adjustTextHeight()
{
    // One line, or room for up to three; longer captions scroll.
    const int lines = int(m_textEdit->toPlainText().count(kLineBreak)) + 1;
    m_textEdit->setFixedHeight(scaled(25 + 20 * (std::min(lines, 3) - 1)));
    m_textEdit->setVerticalScrollBarPolicy(lines > 3 ? Qt::ScrollBarAsNeeded
                                                     : Qt::ScrollBarAlwaysOff);
}

void CaptionStyleEditor::limitTextLength()
{
    const QString text = m_textEdit->toPlainText();
    if (text.size() <= ImageCaption::kMaxTextLength)
        return;
    {
        const QSignalBlocker blocker(m_textEdit);
        m_textEdit->setPlainText(text.left(ImageCaption::kMaxTextLength));
        m_textEdit->moveCursor(QTextCursor::End);
    }
    GlobalManager::instance()->showNotice(
        {Notice::Information,
         tr("A caption holds at most %1 characters; the rest was left out.")
             .arg(ImageCaption::kMaxTextLength),
         {},
         {}});
}

void CaptionStyleEditor::resetStyle()
{
    if (!m_item || !m_item->caption())
        return;
    ImageCaption defaults;
    defaults.placeOn(m_item->canvasSize());
    defaults.text = m_item->caption()->text;
    loadCaption(defaults);
    applyEdit(ResetField);
}

void CaptionStyleEditor::propertyEdited(PropertyItem* row, const QString& text)
{
    qDebug() << "video caption property change: " << text << row->key();
    row->setValue(text, true);
    if (!row->isInRange())
        return;
    // A typed position replaces the alignment the options stood for, on its own axis only.
    if (row->id() == X) {
        untick(m_horizontal, -1);
        m_hAlign = ImageCaption::NoHorizontalAlign;
    } else if (row->id() == Y) {
        untick(m_vertical, -1);
        m_vAlign = ImageCaption::NoVerticalAlign;
    }
    const QMap<int, EditField> fields = {
        {X, XField}, {Y, YField}, {Size, SizeField}, {Border, BorderField}};
    applyEdit(fields.value(row->id(), SizeField));
}

void CaptionStyleEditor::positionChosen(QList<Option>& group, int id, bool checked, bool horizontal)
{
    untick(group, id);
    // Unticking an option leaves the caption where the alignment had put it.
    (horizontal ? m_hAlign : m_vAlign) = checked ? id : 0;
    applyEdit(horizontal ? HAlignField : VAlignField);
}

void CaptionStyleEditor::applyCaptionEdit()
{
    applyEdit(ReapplyField);
}

QString CaptionStyleEditor::fieldText(int field)
{
    switch (field) {
    case TextField:
        return tr("Type caption");
    case XField:
    case YField:
        return tr("Move caption");
    case HAlignField:
    case VAlignField:
        return tr("Align caption");
    case ResetField:
        return tr("Reset style");
    default:
        return tr("Change caption style");
    }
}

void CaptionStyleEditor::applyEdit(int field)
{
    if (!m_item || !m_item->caption())
        return;
    const ImageCaption before = *m_item->caption();
    CaptionEdit edit;
    edit.x = property(X)->text().toInt(nullptr, 10);
    edit.y = property(Y)->text().toInt(nullptr, 10);
    edit.fontSize = property(Size)->text().toInt(nullptr, 10);
    edit.border = property(Border)->text().toInt(nullptr, 10);
    edit.text = m_textEdit->toPlainText().replace(kLineBreak, kCaptionLineBreak);
    edit.textColor = m_textColor->color();
    edit.borderColor = m_borderColor->color();

    ImageCaption& caption = *m_item->caption();
    caption.x = edit.x;
    caption.y = edit.y;
    caption.border = edit.border;
    caption.text = edit.text;
    caption.fontSize = QString::number(edit.fontSize);
    caption.color = argbText(edit.textColor);
    caption.borderColor = argbText(edit.borderColor);
    caption.hAlign = m_hAlign;
    caption.vAlign = m_vAlign;
    caption.bold = m_fontStyles[Bold].box->isChecked();
    caption.italic = m_fontStyles[Italic].box->isChecked();
    caption.underline = m_fontStyles[Underline].box->isChecked();
    caption.strikeOut = m_fontStyles[StrikeOut].box->isChecked();
    showAnchor();
    ImageCaption::rememberStyle(caption);
    emit captionApplied();
    if (caption.toJson() != before.toJson())
        emit captionChanged(m_item, before, field, fieldText(field));
}

// An aligned caption is placed by its drawn size: its fields show where that put it, and the
// record keeps it, so unticking the option later leaves the caption in place.
void CaptionStyleEditor::showAnchor()
{
    ImageCaption& caption = *m_item->caption();
    const QPoint anchor = m_item->captionAnchor();
    if (caption.hAlign != ImageCaption::NoHorizontalAlign) {
        caption.x = anchor.x();
        property(X)->setValue(QString::number(anchor.x()), true);
    }
    if (caption.vAlign != ImageCaption::NoVerticalAlign) {
        caption.y = anchor.y();
        property(Y)->setValue(QString::number(anchor.y()), true);
    }
}

void CaptionStyleEditor::retranslate()
{
    for (const RowLabel& row : qAsConst(m_rowLabels))
        row.label->setText(tr(row.text));
    property(Size)->setLabel(tr("Size"));
    property(Border)->setLabel(tr("Border"));
    m_textColor->nameLabel()->setText(tr("Text Color"));
    m_borderColor->nameLabel()->setText(tr("Border Color"));
    for (const QList<Option>* group : {&m_fontStyles, &m_horizontal, &m_vertical}) {
        for (const Option& option : *group)
            option.box->setText(tr(option.text));
    }
    // The new texts have their metrics only once the labels have been polished.
    QTimer::singleShot(100, this, &CaptionStyleEditor::alignLabels);
}

void CaptionStyleEditor::alignLabels()
{
    const auto widest = [](std::initializer_list<QLabel*> labels) {
        int width = 0;
        for (QLabel* label : labels)
            width = qMax(width, label->fontMetrics().horizontalAdvance(label->text()));
        return width;
    };
    QLabel* size = property(Size)->label();
    QLabel* border = property(Border)->label();
    const int propertyWidth = widest({size, border});
    size->setFixedWidth(propertyWidth);
    border->setFixedWidth(propertyWidth);
    // The rows line up in a column: the aligned label, its margins and a four-digit field.
    for (PropertyItem* row : {property(Size), property(Border)})
        row->setFixedWidth(qMax(scaled(100), propertyWidth + scaled(71)));

    QLabel* textName = m_textColor->nameLabel();
    QLabel* borderName = m_borderColor->nameLabel();
    const int nameWidth = widest({textName, borderName});
    textName->setFixedWidth(nameWidth);
    borderName->setFixedWidth(nameWidth);

    int optionWidth = 0;
    for (const QList<Option>* group : {&m_horizontal, &m_vertical}) {
        for (const Option& option : *group)
            optionWidth =
                qMax(optionWidth, option.box->fontMetrics().horizontalAdvance(option.box->text()));
    }
    for (const QList<Option>* group : {&m_horizontal, &m_vertical}) {
        for (const Option& option : *group)
            option.box->setMinimumWidth(optionWidth + scaled(40));
    }
}

void CaptionStyleEditor::clearInputFocus()
{
    m_textEdit->clearFocus();
    for (PropertyItem* row : qAsConst(m_properties))
        row->lineEdit()->clearFocus();
    m_textColor->clearInputFocus();
    m_borderColor->clearInputFocus();
}

#include "gui/captions/CaptionWidget.h"

#include <algorithm>

#include <QAction>
#include <QBoxLayout>
#include <QDebug>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>

#include "core/base/AppConfig.h"
#include "core/base/ScreenManager.h"
#include "core/captions/CaptionInfo.h"
#include "core/captions/CaptionListEdit.h"
#include "core/captions/CaptionManager.h"
#include "gui/application/GlobalManager.h"
#include "gui/application/History.h"
#include "gui/captions/CaptionItem.h"
#include "gui/captions/CaptionListStep.h"
#include "gui/widgets/WindowCommand.h"

CaptionWidget::CaptionWidget(QWidget* parent) : BaseWidget(parent, 2)
{
    CaptionWidget::initUI();
    setLanguageCallback([this] { retranslate(); });
    connect(CaptionManager::instance(), &CaptionManager::captionsAboutToBeCleared, this,
            &CaptionWidget::dropRows);
    connect(CaptionManager::instance(), &CaptionManager::captionsLoaded, this,
            &CaptionWidget::reload);
    connect(CaptionManager::instance(), &CaptionManager::captionsEdited, this, [this] {
        reload();
        restoreFocus();
    });
}

void CaptionWidget::initUI()
{
    m_countLabel = new QLabel(contentWidget());
    m_countLabel->setObjectName(QStringLiteral("caption_count"));
    m_searchField = new QLineEdit(contentWidget());
    m_searchField->setClearButtonEnabled(true);
    m_clearButton = new QPushButton(contentWidget());
    connect(m_searchField, &QLineEdit::textChanged, this, &CaptionWidget::reload);
    connect(m_clearButton, &QPushButton::clicked, this, &CaptionWidget::clearCaptionSignal);

    auto* header = new QHBoxLayout;
    header->setContentsMargins(scaledRect(10, 5, 10, 5));
    header->setSpacing(scaled(10));
    header->addWidget(m_countLabel);
    header->addStretch();
    header->addWidget(m_searchField);
    header->addWidget(m_clearButton);

    m_placeholder = new QWidget(contentWidget());
    m_placeholderLabel = new QLabel(m_placeholder);
    m_placeholderLabel->setAlignment(Qt::AlignCenter);
    m_createButton = new QPushButton(m_placeholder);
    connect(m_createButton, &QPushButton::clicked, this, &CaptionWidget::createCaptionSignal);
    auto* placeholderLayout = new QVBoxLayout(m_placeholder);
    placeholderLayout->setSpacing(scaled(10));
    placeholderLayout->addStretch();
    placeholderLayout->addWidget(m_placeholderLabel, 0, Qt::AlignCenter);
    placeholderLayout->addWidget(m_createButton, 0, Qt::AlignCenter);
    placeholderLayout->addStretch();

    m_list = new QListWidget(contentWidget());
    // Rows chosen with Ctrl and Shift are the lines a capture of every line can be kept to.
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // A long line ends at the panel's edge; its whole text is in the caption editor.
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->hide();
    connect(m_list, &QListWidget::itemClicked, this, &CaptionWidget::captionListItemClicked);
    connect(m_list, &QListWidget::itemDoubleClicked, this,
            &CaptionWidget::captionListItemDoubleClicked);
    connect(m_list->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &CaptionWidget::scrollValueChanged);

    initEditBar();

    setMinimumWidth(scaled(280));
    innerLayout()->setSpacing(0);
    innerLayout()->addLayout(header);
    innerLayout()->addWidget(m_editBar);
    innerLayout()->addWidget(m_placeholder, 1);
    innerLayout()->addWidget(m_list, 1);
}

void CaptionWidget::retranslate()
{
    setCount(m_count);
    m_searchField->setPlaceholderText(tr("Search captions"));
    m_clearButton->setText(tr("Clear"));
    m_placeholderLabel->setText(tr("No captions yet"));
    m_createButton->setText(tr("Generate Captions"));
    m_editAction->setText(tr("Edit Line"));
    m_deleteAction->setText(tr("Delete"));
    m_deleteAction->setToolTip(withShortcut(tr("Delete the chosen lines"), m_deleteAction));
    m_splitAction->setText(tr("Split"));
    m_splitAction->setToolTip(withShortcut(
        tr("Split the line in two at the text cursor, its time in the same proportion"),
        m_splitAction));
    m_mergeAction->setText(tr("Merge"));
    m_mergeAction->setToolTip(withShortcut(tr("Merge the line with the next one"), m_mergeAction));
    m_shiftAction->setText(tr("Shift Times..."));
    m_shiftAction->setToolTip(
        withShortcut(tr("Move every line earlier or later by the same time"), m_shiftAction));
    for (CaptionItem* row : qAsConst(m_rows))
        row->retranslate();
}

void CaptionWidget::initEditBar()
{
    const auto command = [this](QWidget* scope, const QKeySequence& key,
                                Qt::ShortcutContext context) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        action->setShortcutContext(context);
        scope->addAction(action);
        return action;
    };
    // Delete and Return belong to the list: in a field being edited they edit the text.
    m_editAction = command(m_list, QKeySequence(Qt::Key_F2), Qt::WidgetShortcut);
    m_editAction->setShortcuts({QKeySequence(Qt::Key_F2), QKeySequence(Qt::Key_Return)});
    m_deleteAction = command(m_list, QKeySequence::Delete, Qt::WidgetShortcut);
    m_splitAction =
        command(this, QKeySequence(Qt::CTRL | Qt::Key_B), Qt::WidgetWithChildrenShortcut);
    m_mergeAction =
        command(this, QKeySequence(Qt::CTRL | Qt::Key_J), Qt::WidgetWithChildrenShortcut);
    m_shiftAction = command(this, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T),
                            Qt::WidgetWithChildrenShortcut);
    connect(m_editAction, &QAction::triggered, this, [this] {
        if (m_list->currentRow() >= 0)
            editRow(m_list->currentRow());
    });
    connect(m_deleteAction, &QAction::triggered, this, &CaptionWidget::deleteLines);
    connect(m_splitAction, &QAction::triggered, this, &CaptionWidget::splitLine);
    connect(m_mergeAction, &QAction::triggered, this, &CaptionWidget::mergeLine);
    connect(m_shiftAction, &QAction::triggered, this, &CaptionWidget::shiftTimes);
    connect(m_list, &QListWidget::currentRowChanged, this, &CaptionWidget::updateEditBar);
    m_list->installEventFilter(this);
    // A row's context menu offers the same commands.
    m_list->addActions({m_splitAction, m_mergeAction, m_shiftAction});
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);

    // A tool bar, so that commands whose names do not fit the narrow panel (long in some
    // languages) move into its overflow menu instead of being cut.
    auto* bar = new QToolBar(contentWidget());
    m_editBar = bar;
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->setContentsMargins(scaledRect(6, 0, 6, 2));
    const auto button = [bar](QAction* action) {
        bar->addAction(action);
        return qobject_cast<QToolButton*>(bar->widgetForAction(action));
    };
    m_splitButton = button(m_splitAction);
    m_mergeButton = button(m_mergeAction);
    m_deleteButton = button(m_deleteAction);
    auto* gap = new QWidget(bar);
    gap->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(gap);
    m_shiftButton = button(m_shiftAction);
    updateEditBar();
}

// Delete is also the window's key for deleting a picture: in the list it deletes lines, so the
// list takes it (and its other keys) before any window shortcut sees them.
bool CaptionWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_list ||
        (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
        return BaseWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    QAction* own = nullptr;
    for (QAction* action : {m_deleteAction, m_editAction}) {
        if (action->shortcuts().contains(QKeySequence(key->key() | int(key->modifiers()))))
            own = action;
    }
    if (!own)
        return BaseWidget::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    own->trigger();
    return true;
}

void CaptionWidget::updateEditBar()
{
    const int row = m_list->currentRow();
    const bool current = row >= 0;
    m_splitAction->setEnabled(current);
    m_deleteAction->setEnabled(current);
    m_mergeAction->setEnabled(current && row + 1 < m_count);
    m_shiftAction->setEnabled(!CaptionManager::instance()->captions().isEmpty());
    m_editBar->setVisible(!m_list->isHidden());
}

void CaptionWidget::reload()
{
    m_placeholder->hide();
    m_list->show();
    removeRows();
    setCount(getCaptionInfoBySearch().size());
    loadItems(0, kPageSize - 1);
    updateEditBar();
}

void CaptionWidget::removeRows()
{
    // Emptying the list moves its scroll bar; that is no request for the next page.
    m_loading = true;
    m_list->clear();
    m_loading = false;
    m_rows.clear();
    m_currentRow.clear();
    m_selectedRow.clear();
    m_playing = nullptr;
    m_pageIndex = 0;
}

void CaptionWidget::dropRows()
{
    removeRows();
    setCount(0);
    m_list->hide();
    m_placeholder->show();
    updateEditBar();
}

QList<CaptionInfo*> CaptionWidget::getCaptionInfoBySearch() const
{
    const QString search = m_searchField->text();
    qDebug() << "getCaptionInfoBySearch" << search;
    QList<CaptionInfo*> found;
    for (CaptionInfo* caption : CaptionManager::instance()->captions()) {
        if (caption->searchText.contains(search, Qt::CaseSensitive))
            found << caption;
    }
    return found;
}

void CaptionWidget::loadItems(int from, int to)
{
    m_loading = true;
    qDebug() << "loadItems:" << from << to;
    const QList<CaptionInfo*> captions = getCaptionInfoBySearch();
    const int last = std::min(to, captions.size() - 1);
    for (int i = from; i <= last; ++i)
        addItem(i, captions.at(i));
    m_loading = false;
}

void CaptionWidget::addItem(int position, CaptionInfo* caption)
{
    m_placeholder->hide();
    m_list->show();
    auto* item = new QListWidgetItem;
    item->setData(Qt::UserRole, QVariant::fromValue(caption));

    auto* row = new CaptionItem(caption);
    row->changeText(caption->text);
    connect(row, &CaptionItem::captionChangedSignal, this, [](CaptionItem*, CaptionInfo* event) {
        GlobalManager::instance()->sendGlobalEvent(AppConfig::kEventChangeCaption,
                                                   QVariant::fromValue(event));
    });
    connect(row, &CaptionItem::editCommitted, this, &CaptionWidget::commitRow);
    connect(row, &CaptionItem::editCancelled, this, &CaptionWidget::cancelRow);
    connect(row, &CaptionItem::nudged, this, &CaptionWidget::nudgeRow);

    item->setSizeHint(row->sizeHint());
    m_rows << row;
    m_list->insertItem(position, item);
    m_list->setItemWidget(item, row);
}

void CaptionWidget::setCount(int n)
{
    m_count = n;
    m_countLabel->setText(tr("Captions (%1)").arg(n));
}

void CaptionWidget::captionListItemClicked(QListWidgetItem* item)
{
    auto* caption = item ? item->data(Qt::UserRole).value<CaptionInfo*>() : nullptr;
    if (!caption)
        return;
    GlobalManager::instance()->sendGlobalEvent(AppConfig::kEventTimePos,
                                               CaptionManager::startTimeMs(caption));

    auto* row = qobject_cast<CaptionItem*>(m_list->itemWidget(item));
    if (!row)
        return;
    highlight(row);
    row->editField()->setFixedWidth(std::max(0, width() - scaled(35)));
    m_currentRow = row;
}

void CaptionWidget::highlight(CaptionItem* row)
{
    if (m_selectedRow == row)
        return;
    if (m_selectedRow)
        m_selectedRow->setSelected(false);
    if (row)
        row->setSelected(true);
    m_selectedRow = row;
}

void CaptionWidget::followTime(double seconds)
{
    const int ms = int(seconds * 1000.0);
    CaptionInfo* playing = nullptr;
    for (CaptionInfo* caption : CaptionManager::instance()->captions()) {
        if (CaptionInfo::timeMs(caption->startTime) > ms)
            break;
        if (ms < CaptionInfo::timeMs(caption->endTime))
            playing = caption;
    }
    if (playing == m_playing)
        return;
    m_playing = playing;
    if (!playing) {
        highlight(nullptr);
        return;
    }
    const int position = int(getCaptionInfoBySearch().indexOf(playing));
    if (position < 0)
        return;
    // Rows are built a page at a time; the playing one may lie pages ahead.
    while (position >= m_list->count() && m_list->count() < m_count) {
        loadItems(m_list->count(), m_list->count() + kPageSize - 1);
        m_pageIndex = (m_list->count() - 1) / kPageSize;
    }
    QListWidgetItem* item = m_list->item(position);
    highlight(qobject_cast<CaptionItem*>(m_list->itemWidget(item)));
    m_list->scrollToItem(item);
}

QList<int> CaptionWidget::chosenLines() const
{
    const QList<CaptionInfo*> store = CaptionManager::instance()->captions();
    QList<int> chosen;
    for (QListWidgetItem* item : m_list->selectedItems()) {
        const int position = int(store.indexOf(item->data(Qt::UserRole).value<CaptionInfo*>()));
        if (position >= 0)
            chosen << position;
    }
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

void CaptionWidget::captionListItemDoubleClicked(QListWidgetItem* item)
{
    if (item)
        editRow(m_list->row(item));
}

void CaptionWidget::editRow(int row, CaptionItem::Field focus)
{
    QListWidgetItem* item = m_list->item(row);
    auto* widget = item ? qobject_cast<CaptionItem*>(m_list->itemWidget(item)) : nullptr;
    if (!widget)
        return;
    for (CaptionItem* other : qAsConst(m_rows)) {
        if (other != widget && other->isEditing())
            cancelRow(other);
    }
    m_list->setCurrentRow(row);
    widget->editField()->setFixedWidth(std::max(0, width() - scaled(60)));
    widget->startEditing(focus);
    item->setSizeHint(widget->sizeHint());
    m_list->scrollToItem(item);
}

void CaptionWidget::cancelRow(CaptionItem* row)
{
    row->stopEditing();
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->itemWidget(m_list->item(i)) == row)
            m_list->item(i)->setSizeHint(row->sizeHint());
    }
    m_list->setFocus();
}

int CaptionWidget::storePosition(const CaptionInfo* caption)
{
    return int(CaptionManager::instance()->captions().indexOf(const_cast<CaptionInfo*>(caption)));
}

CaptionItem* CaptionWidget::currentRowWidget() const
{
    QListWidgetItem* item = m_list->currentItem();
    return item ? qobject_cast<CaptionItem*>(m_list->itemWidget(item)) : nullptr;
}

void CaptionWidget::refusal(const QString& reason)
{
    GlobalManager::instance()->showNotice({Notice::Failure, reason, QString(), {}});
}

void CaptionWidget::commitRow(CaptionItem* row)
{
    const int original = storePosition(row->caption());
    int position = original;
    const int start = CaptionListEdit::parseClock(row->startField()->text());
    const int end = CaptionListEdit::parseClock(row->endField()->text());
    if (start < 0 || end < 0) {
        refusal(tr("\"%1\" is not a time: type it as hh:mm:ss.mmm, for example 00:01:02.500.")
                    .arg(start < 0 ? row->startField()->text() : row->endField()->text()));
        return;
    }
    const QList<CaptionInfo> before = CaptionManager::instance()->snapshot();
    QList<CaptionInfo> after = before;
    QString error;
    if (!CaptionListEdit::setText(after, position, row->editField()->text(), &error) ||
        !CaptionListEdit::setTimes(after, &position, start, end, &error)) {
        refusal(error);
        return;
    }
    const CaptionInfo& was = before.at(original);
    const CaptionInfo& now = after.at(position);
    if (was.text == now.text && was.startTime == now.startTime && was.endTime == now.endTime) {
        cancelRow(row);
        return;
    }
    apply(tr("Edit line"), before, after, position);
}

void CaptionWidget::nudgeRow(CaptionItem* row, CaptionItem::Field field, int deltaMs)
{
    const int from = storePosition(row->caption());
    int position = from;
    const QList<CaptionInfo> before = CaptionManager::instance()->snapshot();
    if (position < 0)
        return;
    int start = CaptionInfo::timeMs(before.at(position).startTime);
    int end = CaptionInfo::timeMs(before.at(position).endTime);
    (field == CaptionItem::Start ? start : end) += deltaMs;
    // A start pushed past the end takes the end along, and an end the start.
    if (end < start)
        (field == CaptionItem::Start ? end : start) = field == CaptionItem::Start ? start : end;
    QList<CaptionInfo> after = before;
    QString error;
    if (!CaptionListEdit::setTimes(after, &position, start, end, &error)) {
        refusal(error);
        return;
    }
    m_focus = position;
    m_resume = field;
    perform(std::make_shared<CaptionListStep>(field == CaptionItem::Start ? tr("Move line start")
                                                                          : tr("Move line end"),
                                              before, after, field, from, position));
}

void CaptionWidget::deleteLines()
{
    QList<int> chosen = chosenLines();
    if (CaptionItem* row = currentRowWidget(); chosen.isEmpty() && row)
        chosen << storePosition(row->caption());
    if (chosen.isEmpty())
        return;
    const QList<CaptionInfo> before = CaptionManager::instance()->snapshot();
    QList<CaptionInfo> after = before;
    QString error;
    for (auto it = chosen.crbegin(); it != chosen.crend(); ++it) {
        if (!CaptionListEdit::remove(after, *it, &error)) {
            refusal(error);
            return;
        }
    }
    apply(chosen.size() == 1 ? tr("Delete line") : tr("Delete %n lines", nullptr, chosen.size()),
          before, after, std::min(chosen.first(), int(after.size()) - 1));
}

void CaptionWidget::splitLine()
{
    CaptionItem* row = currentRowWidget();
    if (!row)
        return;
    const int position = storePosition(row->caption());
    const QList<CaptionInfo> before = CaptionManager::instance()->snapshot();
    QList<CaptionInfo> after = before;
    QString error;
    int at = row->editField()->cursorPosition();
    if (row->isEditing()) {
        // What was typed so far is part of the line that is split.
        if (!CaptionListEdit::setText(after, position, row->editField()->text(), &error)) {
            refusal(error);
            return;
        }
        const QString typed = row->editField()->text();
        int leading = 0;
        while (leading < typed.size() && typed.at(leading).isSpace())
            ++leading;
        at -= leading;
    } else {
        // Without a cursor, the space nearest the middle.
        const QString text = after.at(position).text;
        const int middle = int(text.size()) / 2;
        const auto space = [&text](int i) {
            return i >= 0 && i < text.size() && text.at(i) == QLatin1Char(' ');
        };
        at = -1;
        for (int d = 0; d <= middle && at < 0; ++d) {
            if (space(middle - d))
                at = middle - d;
            else if (space(middle + d))
                at = middle + d;
        }
    }
    if (!CaptionListEdit::split(after, position, at, &error)) {
        refusal(error);
        return;
    }
    apply(tr("Split line"), before, after, position + 1);
}

void CaptionWidget::mergeLine()
{
    CaptionItem* row = currentRowWidget();
    if (!row)
        return;
    const int position = storePosition(row->caption());
    const QList<CaptionInfo> before = CaptionManager::instance()->snapshot();
    QList<CaptionInfo> after = before;
    QString error;
    if (!CaptionListEdit::mergeWithNext(after, position, &error)) {
        refusal(error);
        return;
    }
    apply(tr("Merge lines"), before, after, position);
}

void CaptionWidget::shiftTimes()
{
    if (CaptionManager::instance()->captions().isEmpty())
        return;
    if (m_shiftDialog)
        m_shiftDialog->close();
    auto* dialog = new QInputDialog(this);
    m_shiftDialog = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Shift Times"));
    dialog->setLabelText(tr("Move every line by (+ later, - earlier), as [-]hh:mm:ss.mmm:"));
    dialog->setTextValue(QStringLiteral("+00:00:00.000"));
    connect(dialog, &QInputDialog::textValueSelected, this, &CaptionWidget::applyShift);
    dialog->open();
}

void CaptionWidget::applyShift(const QString& text)
{
    QString clock = text.trimmed();
    const bool earlier = clock.startsWith(QLatin1Char('-'));
    if (earlier || clock.startsWith(QLatin1Char('+')))
        clock.remove(0, 1);
    const int ms = CaptionListEdit::parseClock(clock);
    if (ms < 0) {
        refusal(tr("\"%1\" is not a time: type it as hh:mm:ss.mmm, for example 00:01:02.500.")
                    .arg(text));
        return;
    }
    if (ms == 0)
        return;
    const QList<CaptionInfo> before = CaptionManager::instance()->snapshot();
    QList<CaptionInfo> after = before;
    QString error;
    if (!CaptionListEdit::shift(after, earlier ? -ms : ms, &error)) {
        refusal(error);
        return;
    }
    const CaptionItem* row = currentRowWidget();
    apply(tr("Shift times"), before, after, row ? storePosition(row->caption()) : 0);
}

void CaptionWidget::apply(const QString& text, const QList<CaptionInfo>& before,
                          const QList<CaptionInfo>& after, int focus)
{
    m_focus = focus;
    m_resume = -1;
    perform(std::make_shared<CaptionListStep>(text, before, after));
}

void CaptionWidget::perform(const std::shared_ptr<CaptionListStep>& step)
{
    if (m_history)
        m_history->perform(step);
    else
        step->redo();
}

void CaptionWidget::restoreFocus()
{
    const int focus = std::exchange(m_focus, -1);
    const int resume = std::exchange(m_resume, -1);
    const QList<CaptionInfo*> store = CaptionManager::instance()->captions();
    if (focus < 0 || focus >= store.size())
        return;
    const int position = int(getCaptionInfoBySearch().indexOf(store.at(focus)));
    if (position < 0)
        return;
    while (position >= m_list->count() && m_list->count() < m_count) {
        loadItems(m_list->count(), m_list->count() + kPageSize - 1);
        m_pageIndex = (m_list->count() - 1) / kPageSize;
    }
    m_list->setCurrentRow(position);
    m_list->scrollToItem(m_list->item(position));
    if (resume >= 0)
        editRow(position, CaptionItem::Field(resume));
    else
        m_list->setFocus();
}

void CaptionWidget::scrollValueChanged(int value)
{
    if (value != m_list->verticalScrollBar()->maximum())
        return;
    const int next = (m_pageIndex + 1) * kPageSize;
    if (next < CaptionManager::instance()->captions().size() && !m_loading) {
        loadItems(next, next + kPageSize - 1);
        ++m_pageIndex;
    }
}

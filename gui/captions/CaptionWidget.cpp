#include "gui/captions/CaptionWidget.h"

#include <algorithm>

#include <QBoxLayout>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "core/base/AppConfig.h"
#include "core/base/ScreenManager.h"
#include "core/captions/CaptionInfo.h"
#include "core/captions/CaptionManager.h"
#include "gui/application/GlobalManager.h"
#include "gui/captions/CaptionItem.h"

CaptionWidget::CaptionWidget(QWidget* parent) : BaseWidget(parent, 2)
{
    CaptionWidget::initUI();
    setLanguageCallback([this] { retranslate(); });
    connect(CaptionManager::instance(), &CaptionManager::captionsAboutToBeCleared, this,
            &CaptionWidget::dropRows);
    connect(CaptionManager::instance(), &CaptionManager::captionsLoaded, this,
            &CaptionWidget::reload);
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

    setMinimumWidth(scaled(280));
    innerLayout()->setSpacing(0);
    innerLayout()->addLayout(header);
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
}

void CaptionWidget::reload()
{
    m_placeholder->hide();
    m_list->show();
    removeRows();
    setCount(getCaptionInfoBySearch().size());
    loadItems(0, kPageSize - 1);
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

void CaptionWidget::captionListItemDoubleClicked(QListWidgetItem*)
{
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

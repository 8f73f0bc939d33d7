#include "images/SaveFileBar.h"

#include "app/AppConfig.h"
#include "app/GlobalManager.h"
#include "app/ScreenManager.h"
#include "preview/ScaleViewBar.h"
#include "widgets/IconButton.h"
#include "widgets/NormalButton.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

namespace {

const QStringList& formats()
{
    static const QStringList list = {QStringLiteral("JPG"), QStringLiteral("PNG"),
                                     QStringLiteral("WEBP")};
    return list;
}

} // namespace

SaveFileBar::FolderChooser& SaveFileBar::folderChooser()
{
    static FolderChooser chooser = [](QWidget* parent, const QString& title, const QString& start) {
        return QFileDialog::getExistingDirectory(parent, title, start, QFileDialog::ShowDirsOnly);
    };
    return chooser;
}

void SaveFileBar::setFolderChooser(FolderChooser chooser)
{
    folderChooser() = std::move(chooser);
}

QString SaveFileBar::chooseSaveFolder(QWidget* parent)
{
    GlobalManager* manager = GlobalManager::instance();
    const QString start = manager->getSetting(AppConfig::kFileSavePath, QString()).toString();
    const QString chosen = folderChooser()(parent, tr("Choose to save"), start);
    if (!chosen.isEmpty())
        manager->setSetting(AppConfig::kFileSavePath, chosen);
    return chosen;
}

QString SaveFileBar::initialFolderText()
{
    GlobalManager* manager = GlobalManager::instance();
    const QString stored = manager->getSetting(AppConfig::kFileSavePath, QString()).toString();
    return stored.isEmpty() ? manager->getPicturesDir(AppConfig::kProductName) : stored;
}

SaveFileBar::SaveFileBar(QWidget* parent) : BaseWidget(parent, 2)
{
    SaveFileBar::initUI();
    // The context object ends the connection when the bar is destroyed.
    connect(GlobalManager::instance(), &GlobalManager::globalEvent, this,
            &SaveFileBar::globalEventHandle);
}

void SaveFileBar::initUI()
{
    innerLayout()->setSpacing(0);
    innerLayout()->addWidget(createTopRow());
    innerLayout()->addWidget(createBottomBar());
    m_selectAllRow->hide();
    m_clearButton->hide();
    m_noticeLabel->hide();

    selectFormat(GlobalManager::instance()
                     ->getSetting(AppConfig::kFileExtension, QStringLiteral("JPG"))
                     .toString());
    m_folderEdit->setText(initialFolderText());

    connect(m_formatBox, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        GlobalManager::instance()->setSetting(AppConfig::kFileExtension, text);
        qDebug() << "current format:" << text;
        emit changeExtension(text);
    });
    connect(m_changeButton, &QPushButton::clicked, this, [this] {
        const QString chosen = chooseSaveFolder(this);
        if (!chosen.isEmpty())
            m_folderEdit->setText(chosen);
    });
    connect(m_folderButton, &IconButton::clicked, this, [this] {
        GlobalManager* manager = GlobalManager::instance();
        manager->openFolder(manager->ensureDir(m_folderEdit->text()));
    });
    connect(m_folderEdit, &QLineEdit::returnPressed, m_folderEdit, &QLineEdit::clearFocus);
    connect(m_clearButton, &QPushButton::clicked, this, [this] { emit buttonClicked(2); });
    connect(m_exportButton, &NormalButton::clicked, this, &SaveFileBar::exportButtonClickHandle);
    connect(m_selectAllBox, &QCheckBox::stateChanged, this,
            [this](int state) { emit selectAllCheckboxCheckdSignal(state == Qt::Checked); });

    setLanguageCallback([this] { retranslate(); });
}

QWidget* SaveFileBar::createTopRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    m_outputLabel = new QLabel(row);
    m_formatBox = new QComboBox(row);
    m_formatBox->setFixedWidth(scaled(100));
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) {
        // setStyle() does not take ownership.
        style->setParent(m_formatBox);
        m_formatBox->setStyle(style);
    }
    m_formatBox->addItems(formats());
    m_scaleViewBar = new ScaleViewBar(row);

    m_selectAllRow = new QWidget(row);
    auto* selectLayout = new QHBoxLayout(m_selectAllRow);
    selectLayout->setContentsMargins(0, 0, 0, 0);
    selectLayout->setSpacing(scaled(15));
    m_selectAllBox = new QCheckBox(m_selectAllRow);
    m_selectAllBox->setObjectName(QStringLiteral("select_all"));
    selectLayout->addWidget(m_selectAllBox);

    layout->addWidget(m_outputLabel);
    layout->addWidget(m_formatBox);
    layout->addStretch();
    layout->addWidget(m_scaleViewBar);
    layout->addWidget(m_selectAllRow);
    return row;
}

QWidget* SaveFileBar::createBottomBar()
{
    auto* bar = new QWidget(this);
    bar->setFixedHeight(scaled(45));
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(scaledRect(10, 4, 10, 4));
    layout->setSpacing(scaled(10));

    m_saveToLabel = new QLabel(bar);
    m_folderEdit = new QLineEdit(bar);
    m_folderEdit->setEnabled(false);
    m_changeButton = new QPushButton(bar);
    m_changeButton->setObjectName(QStringLiteral("show"));
    m_folderButton = new IconButton(bar);
    m_folderButton->setIcon(QStringLiteral(":/images/videoplay/dir.png"));
    m_folderButton->setIconSize(scaledSize(QSize(16, 16)));
    m_noticeLabel = new QLabel(bar);
    m_noticeLabel->setObjectName(QStringLiteral("export_notice"));
    m_noticeLabel->setWordWrap(true);
    m_clearButton = new QPushButton(bar);
    m_clearButton->setObjectName(QStringLiteral("show"));
    m_clearButton->setFixedHeight(scaled(22));
    m_exportButton = new NormalButton(bar);
    m_exportButton->setObjectName(QStringLiteral("export"));
    m_exportButton->setFixedHeight(scaled(22));
    m_exportButton->setIcon(QStringLiteral(":/images/preview/export_icon.svg"));
    m_exportButton->setIconSize(scaledSize(QSize(14, 14)));
    m_exportButton->baseLayout()->setContentsMargins(scaledRect(10, 0, 10, 0));

    layout->addWidget(m_saveToLabel);
    layout->addWidget(m_folderEdit);
    layout->addWidget(m_changeButton);
    layout->addWidget(m_folderButton);
    layout->addStretch();
    layout->addWidget(m_noticeLabel);
    layout->addWidget(m_clearButton);
    layout->addWidget(m_exportButton);
    return bar;
}

void SaveFileBar::retranslate()
{
    m_outputLabel->setText(tr("Output"));
    m_selectAllBox->setText(tr("Select all"));
    m_saveToLabel->setText(tr("Save to"));
    m_changeButton->setText(tr("Change"));
    m_clearButton->setText(tr("Clear"));
    setExportButtonMode(m_exportMode);
}

void SaveFileBar::setExportButtonMode(int mode)
{
    m_exportMode = mode;
    if (mode == 0)
        m_exportButton->setText(tr("Export"));
    else if (mode == 1)
        m_exportButton->setText(tr("Export Selected"));
}

void SaveFileBar::showSelectAll(bool visible)
{
    m_selectAllRow->setVisible(visible);
    m_clearButton->setVisible(visible);
}

void SaveFileBar::showScaleBar(bool visible)
{
    m_scaleViewBar->setVisible(visible);
}

void SaveFileBar::setSelectAllChecked(bool checked, bool quietly)
{
    const bool wasBlocked = quietly ? m_selectAllBox->blockSignals(true) : false;
    m_selectAllBox->setChecked(checked);
    if (quietly)
        m_selectAllBox->blockSignals(wasBlocked);
}

void SaveFileBar::setNotice(const QString& text)
{
    m_noticeLabel->setText(text);
    m_noticeLabel->setVisible(!text.isEmpty());
}

void SaveFileBar::exportButtonClickHandle()
{
    emit exportButtonClick();
}

void SaveFileBar::selectFormat(const QString& format)
{
    // An unknown format leaves no item selected; the box is quiet so nothing is stored back.
    const bool wasBlocked = m_formatBox->blockSignals(true);
    m_formatBox->setCurrentIndex(
        m_formatBox->findText(format, Qt::MatchExactly | Qt::MatchCaseSensitive));
    m_formatBox->blockSignals(wasBlocked);
}

void SaveFileBar::globalEventHandle(const QString& eventName, const QVariant& value)
{
    if (eventName != AppConfig::kEventSettingChange)
        return;
    GlobalManager* manager = GlobalManager::instance();
    const QString key = value.toString();
    if (key == AppConfig::kFileSavePath)
        m_folderEdit->setText(manager->getSetting(AppConfig::kFileSavePath, QString()).toString());
    else if (key == AppConfig::kFileExtension) {
        selectFormat(
            manager->getSetting(AppConfig::kFileExtension, QStringLiteral("JPG")).toString());
        // A notice about the previous format no longer applies.
        setNotice(QString());
    }
}

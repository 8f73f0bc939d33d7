#include "gui/images/SaveFileBar.h"

#include "core/base/AppConfig.h"
#include "core/base/ScreenManager.h"
#include "core/base/Settings.h"
#include "gui/application/GlobalManager.h"
#include "gui/widgets/IconButton.h"
#include "gui/widgets/NormalButton.h"
#include "gui/widgets/ScaleViewBar.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleFactory>

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
    const QString chosen = askForFolder(parent);
    if (!chosen.isEmpty())
        GlobalManager::instance()->setSetting(AppConfig::kFileSavePath, chosen);
    return chosen;
}

QString SaveFileBar::askForFolder(QWidget* parent)
{
    const QString start =
        GlobalManager::instance()->getSetting(AppConfig::kFileSavePath, QString()).toString();
    return folderChooser()(parent, tr("Choose to save"), start);
}

QString SaveFileBar::initialFolderText()
{
    GlobalManager* manager = GlobalManager::instance();
    const QString stored = manager->getSetting(AppConfig::kFileSavePath, QString()).toString();
    return stored.isEmpty() ? manager->getPicturesDir(AppConfig::kProductName) : stored;
}

QComboBox* SaveFileBar::createFormatBox(QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setFixedWidth(scaled(100));
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) {
        // setStyle() does not take ownership.
        style->setParent(box);
        box->setStyle(style);
    }
    box->addItems(AppConfig::kExportFormats);
    return box;
}

void SaveFileBar::showFormat(QComboBox* box, const QString& format)
{
    // Quiet: the format is already stored, this only shows it. An unknown format leaves no
    // item selected.
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(box->findText(format, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

SaveFileBar::FolderControls SaveFileBar::addFolderControls(QBoxLayout* layout, QWidget* parent)
{
    FolderControls controls;
    controls.saveToLabel = new QLabel(parent);
    controls.field = new QLineEdit(parent);
    controls.field->setEnabled(false);
    controls.field->setText(initialFolderText());
    controls.changeButton = new QPushButton(parent);
    controls.changeButton->setObjectName(QStringLiteral("show"));
    controls.openButton = new IconButton(parent);
    controls.openButton->setIcon(QStringLiteral(":/images/videoplay/dir.png"));
    controls.openButton->setIconSize(scaledSize(QSize(16, 16)));
    controls.noticeLabel = new QLabel(parent);
    controls.noticeLabel->setObjectName(QStringLiteral("export_notice"));
    controls.noticeLabel->setWordWrap(true);
    controls.noticeLabel->hide();

    layout->addWidget(controls.saveToLabel);
    layout->addWidget(controls.field);
    layout->addWidget(controls.changeButton);
    layout->addWidget(controls.openButton);
    layout->addStretch();
    layout->addWidget(controls.noticeLabel);

    QLineEdit* field = controls.field;
    QPushButton* change = controls.changeButton;
    connect(change, &QPushButton::clicked, field, [change, field] {
        const QString chosen = chooseSaveFolder(change->window());
        if (!chosen.isEmpty())
            field->setText(chosen);
    });
    connect(controls.openButton, &IconButton::clicked, field, [field] {
        GlobalManager* manager = GlobalManager::instance();
        manager->openFolder(manager->ensureDir(field->text()));
    });
    return controls;
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

    showFormat(m_formatBox, Settings::exportFormat());

    connect(m_formatBox, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        GlobalManager::instance()->setSetting(AppConfig::kFileExtension, text);
        qDebug() << "current format:" << text;
        emit changeExtension(text);
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
    m_formatBox = createFormatBox(row);
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

    const FolderControls folder = addFolderControls(layout, bar);
    m_saveToLabel = folder.saveToLabel;
    m_folderEdit = folder.field;
    m_changeButton = folder.changeButton;
    m_folderButton = folder.openButton;
    m_noticeLabel = folder.noticeLabel;
    m_clearButton = new QPushButton(bar);
    m_clearButton->setObjectName(QStringLiteral("show"));
    m_clearButton->setFixedHeight(scaled(22));
    m_exportButton = new NormalButton(bar);
    m_exportButton->setObjectName(QStringLiteral("export"));
    m_exportButton->setFixedHeight(scaled(22));
    m_exportButton->setIcon(QStringLiteral(":/images/preview/export_icon.svg"));
    m_exportButton->setIconSize(scaledSize(QSize(14, 14)));
    m_exportButton->innerLayout()->setContentsMargins(scaledRect(10, 0, 10, 0));

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

void SaveFileBar::globalEventHandle(const QString& eventName, const QVariant& value)
{
    if (eventName != AppConfig::kEventSettingChange)
        return;
    GlobalManager* manager = GlobalManager::instance();
    const QString key = value.toString();
    if (key == AppConfig::kFileSavePath)
        m_folderEdit->setText(manager->getSetting(AppConfig::kFileSavePath, QString()).toString());
    else if (key == AppConfig::kFileExtension) {
        showFormat(m_formatBox, Settings::exportFormat());
        // A notice about the previous format no longer applies.
        setNotice(QString());
    }
}

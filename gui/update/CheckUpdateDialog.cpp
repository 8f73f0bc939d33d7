#include "gui/update/CheckUpdateDialog.h"

#include "core/base/ScreenManager.h"
#include "core/update/UpdateManifest.h"
#include "gui/application/GlobalManager.h"

#include <QBoxLayout>
#include <QDebug>
#include <QFrame>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVariant>

namespace {

QWidget* centredRow(QWidget* child, QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(child);
    layout->addStretch();
    return row;
}

QLabel* plainLabel(QWidget* parent)
{
    // Manifest texts are shown as they are, never interpreted as markup.
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

CheckUpdateDialog::CheckUpdateDialog(QWidget* parent) : BaseDialog(parent, 2)
{
    CheckUpdateDialog::initUI();
    loadStyleSheet(QStringLiteral(":/qss/check_update_dialog.qss"));
    connect(DownloadManager::instance(), &DownloadManager::downloadLastVersionStateChanged, this,
            &CheckUpdateDialog::downloadLastVersionStatus);
}

CheckUpdateDialog::~CheckUpdateDialog()
{
    disconnect(DownloadManager::instance(), nullptr, this, nullptr);
}

void CheckUpdateDialog::initUI()
{
    setMinimumSize(scaledSize(QSize(450, 400)));
    setWindowTitle(tr("Update"));

    m_checkingPage = createCheckingPage();
    m_informationPage = createInformationPage();
    m_latestPage = createLatestPage();
    m_failedPage = createFailedPage();
    innerLayout()->addWidget(m_checkingPage);
    innerLayout()->addWidget(m_informationPage);
    innerLayout()->addWidget(m_latestPage);
    innerLayout()->addWidget(m_failedPage);
    setPage(CheckingPage);

    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &CheckUpdateDialog::updateTimer);
    m_timer->start(1000);
}

QWidget* CheckUpdateDialog::createCheckingPage()
{
    auto* page = new QWidget(contentWidget());
    auto* layout = new QVBoxLayout(page);
    layout->setAlignment(Qt::AlignCenter);
    layout->setSpacing(scaled(25));

    auto* icon = new QLabel(page);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(QPixmap(QStringLiteral(":/images/loading_logo.png")));
    icon->setScaledContents(true);
    icon->setFixedSize(scaledSize(QSize(65, 65)));

    m_checkingLabel = new QLabel(tr("Check for update"), page);
    m_checkingLabel->setObjectName(QStringLiteral("update_checking"));
    m_checkingLabel->setAlignment(Qt::AlignCenter);

    layout->addStretch();
    layout->addWidget(centredRow(icon, page));
    layout->addWidget(m_checkingLabel);
    layout->addStretch();
    return page;
}

QWidget* CheckUpdateDialog::createInformationPage()
{
    auto* page = new QWidget(contentWidget());
    auto* layout = new QVBoxLayout(page);
    layout->setSpacing(scaled(10));
    layout->setContentsMargins(0, 0, 0, 0);

    auto* details = new QHBoxLayout;
    details->setSpacing(scaled(10));
    details->setContentsMargins(0, 0, 0, 0);
    m_dateLabel = plainLabel(page);
    m_dateLabel->setObjectName(QStringLiteral("update_date"));
    m_versionLabel = plainLabel(page);
    m_versionLabel->setObjectName(QStringLiteral("update_version"));
    m_sizeLabel = plainLabel(page);
    m_sizeLabel->setObjectName(QStringLiteral("update_size"));
    details->addWidget(m_dateLabel, 1);
    details->addWidget(m_versionLabel, 1);
    details->addWidget(m_sizeLabel, 1);

    auto* line = new QFrame(page);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* fade = new QGraphicsOpacityEffect(line);
    fade->setOpacity(0.4);
    line->setGraphicsEffect(fade);

    m_changeLabel = new QLabel(page);
    m_changeLabel->setObjectName(QStringLiteral("update_change"));
    m_changeLabel->setWordWrap(true);
    m_changeLabel->setTextFormat(Qt::RichText);

    m_remindButton = new QPushButton(tr("Remind me later"), page);
    m_remindButton->setProperty("cancel", true);
    m_remindButton->setProperty("padding-border", true);
    connect(m_remindButton, &QPushButton::clicked, this, &QDialog::close);
    m_updateButton = new QPushButton(tr("Update now"), page);
    m_updateButton->setProperty("submit", true);
    m_updateButton->setProperty("padding-border", true);
    connect(m_updateButton, &QPushButton::clicked, this, &CheckUpdateDialog::openDownloadPage);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(scaled(10));
    buttons->addStretch();
    buttons->addWidget(m_remindButton);
    buttons->addWidget(m_updateButton);

    layout->addLayout(details);
    layout->addWidget(line);
    layout->addWidget(m_changeLabel);
    layout->addStretch();
    layout->addLayout(buttons);
    return page;
}

QWidget* CheckUpdateDialog::createLatestPage()
{
    auto* page = new QWidget(contentWidget());
    auto* layout = new QVBoxLayout(page);
    layout->setAlignment(Qt::AlignCenter);
    layout->setSpacing(scaled(15));

    auto* version =
        new QLabel(tr("Version: %1").arg(GlobalManager::instance()->getVersion()), page);
    version->setProperty("lastversion", true);
    auto* latest = new QLabel(tr("Your current use is already the latest version."), page);
    latest->setWordWrap(true);
    latest->setProperty("lastversion", true);

    auto* ok = new QPushButton(tr("OK"), page);
    ok->setProperty("submit", true);
    ok->setFixedSize(scaledSize(QSize(120, 30)));
    connect(ok, &QPushButton::clicked, this, &QDialog::close);

    layout->addStretch();
    layout->addWidget(version);
    layout->addWidget(latest);
    layout->addStretch();
    layout->addWidget(centredRow(ok, page));
    return page;
}

QWidget* CheckUpdateDialog::createFailedPage()
{
    auto* page = new QWidget(contentWidget());
    auto* layout = new QVBoxLayout(page);
    layout->setAlignment(Qt::AlignCenter);
    layout->setSpacing(scaled(15));

    m_failureLabel = plainLabel(page);
    m_failureLabel->setObjectName(QStringLiteral("update_failure"));
    m_failureLabel->setWordWrap(true);
    m_failureLabel->setAlignment(Qt::AlignCenter);
    m_failureLabel->setProperty("lastversion", true);

    auto* close = new QPushButton(tr("Close"), page);
    close->setProperty("cancel", true);
    close->setFixedSize(scaledSize(QSize(120, 30)));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* retryButton = new QPushButton(tr("Retry"), page);
    retryButton->setProperty("submit", true);
    retryButton->setFixedSize(scaledSize(QSize(120, 30)));
    connect(retryButton, &QPushButton::clicked, this, &CheckUpdateDialog::retry);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(scaled(10));
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(retryButton);
    buttons->addStretch();

    layout->addStretch();
    layout->addWidget(m_failureLabel);
    layout->addStretch();
    layout->addLayout(buttons);
    return page;
}

void CheckUpdateDialog::retry()
{
    setPage(CheckingPage);
    DownloadManager::instance()->downloadLastVersion(QString(), 5);
}

void CheckUpdateDialog::setPage(int page)
{
    m_checkingPage->setVisible(page == CheckingPage);
    m_informationPage->setVisible(page == InformationPage);
    m_latestPage->setVisible(page == LatestPage);
    m_failedPage->setVisible(page == FailedPage);
}

void CheckUpdateDialog::setUpdateInfo(const QByteArray& manifest)
{
    const UpdateManifest info = UpdateManifest::fromJson(manifest);
    const QString running = GlobalManager::instance()->getVersion();
    qDebug() << "setUpdateInfo:" << info.version << running << info.size << info.change << info.url;

    m_upToDate = !info.isNewerThan(running);
    m_downloadUrl = info.url;
    m_versionLabel->setText(tr("Version: %1").arg(info.version));
    m_dateLabel->setText(tr("Release date: %1").arg(info.date));
    m_sizeLabel->setText(tr("Size: %1").arg(info.size));

    if (info.change.size() > kMaxChangeLines)
        qWarning() << "setUpdateInfo: only the first" << kMaxChangeLines << "of"
                   << info.change.size() << "change lines are shown";
    // Each line is shown as written, never as markup: an image reference in it would have the
    // label read whatever file, pipe or network share it names.
    QString lines;
    for (const QString& line : info.change.mid(0, kMaxChangeLines))
        lines += line.left(kMaxChangeLineLength).toHtmlEscaped() + QStringLiteral("<br>");
    m_changeLabel->setText(
        QStringLiteral("<p style='line-height:%1px'>%2</p>").arg(scaled(20)).arg(lines));
    setPage(InformationPage);
}

void CheckUpdateDialog::alignButtons()
{
    // The buttons have their laid-out widths only once the pending layout request has run.
    QTimer::singleShot(0, this, [this] {
        const int width = qMax(m_remindButton->width(), m_updateButton->width());
        if (width > 0) {
            m_remindButton->setFixedWidth(width);
            m_updateButton->setFixedWidth(width);
        }
        qDebug() << "dialog width" << width << m_remindButton->width() << m_updateButton->width();
    });
}

void CheckUpdateDialog::downloadLastVersionStatus(DownloadManager::DownloadState state, QString msg,
                                                  QByteArray data)
{
    qDebug() << "downloadLastVersionStatus:" << state << msg << data.left(200);
    // The check made at start-up reports here too; only this dialog's own checks count.
    if (!DownloadManager::requestTag(msg).isEmpty())
        return;
    if (state == DownloadManager::Error) {
        m_failureLabel->setText(tr("Pictorb could not check for updates: %1")
                                    .arg(QString::fromUtf8(data).left(kMaxChangeLineLength)));
        setPage(FailedPage);
        return;
    }
    if (state != DownloadManager::Finished)
        return;
    setUpdateInfo(data);
    if (m_upToDate)
        setPage(LatestPage);
    alignButtons();
}

void CheckUpdateDialog::updateTimer()
{
    ++m_dotCount;
    m_checkingLabel->setText(QStringLiteral("%1%2").arg(tr("Check for update"),
                                                        QString(m_dotCount % 4, QLatin1Char('.'))));
}

void CheckUpdateDialog::openDownloadPage()
{
    // The address comes from the network: only a web page may be handed to the desktop,
    // never a local file or a program's URL scheme.
    const QUrl url(m_downloadUrl, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    const bool webPage = url.isValid() && !url.host().isEmpty() &&
                         (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
    if (!webPage) {
        qWarning() << "Update now: download page is not a web address, ignored:" << m_downloadUrl;
        return;
    }
    GlobalManager::instance()->openUrl(m_downloadUrl);
}

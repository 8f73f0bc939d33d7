#include "gui/widgets/AboutDialog.h"

#include "core/base/AppConfig.h"
#include "core/base/Endpoints.h"
#include "core/base/ScreenManager.h"
#include "gui/application/GlobalManager.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPixmap>

namespace {

QLabel* linkLabel(const QString& address, QWidget* parent)
{
    const QString escaped = address.toHtmlEscaped();
    auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(escaped), parent);
    label->setTextFormat(Qt::RichText);
    label->setOpenExternalLinks(true);
    return label;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : BaseDialog(parent, 2)
{
    AboutDialog::initUI();
    loadStyleSheet(QStringLiteral(":/qss/about_dialog.qss"));
}

void AboutDialog::initUI()
{
    QWidget* content = contentWidget();
    innerLayout()->setSpacing(scaled(10));
    setMinimumWidth(scaled(600));

    auto* header = new QHBoxLayout;
    auto* icon = new QLabel(content);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(QPixmap(QStringLiteral(":/images/brivane_logo.svg")));
    icon->setFixedSize(scaledSize(QSize(40, 40)));
    icon->setScaledContents(true);
    auto* title = new QLabel(AppConfig::kProductName, content);
    title->setObjectName(QStringLiteral("iconTitle"));
    header->addWidget(icon);
    header->addSpacing(scaled(5));
    header->addWidget(title);

    auto* body = new QVBoxLayout;
    body->setSpacing(0);
    body->setContentsMargins(0, 0, 0, 0);
    body->addWidget(
        new QLabel(tr("Version: %1").arg(GlobalManager::instance()->getVersion()), content));
    body->addSpacing(scaled(10));
    auto* maker = new QLabel(tr("%1 is a pioneering force dedicated to crafting cutting-edge "
                                "solutions that empower individuals and businesses to unleash "
                                "their full potential through technologies.")
                                 .arg(AppConfig::kCompanyName),
                             content);
    maker->setWordWrap(true);
    body->addWidget(maker);
    body->addSpacing(scaled(10));
    body->addWidget(new QLabel(tr("For more details, please visit %2 and %1 official site.")
                                   .arg(AppConfig::kProductName, AppConfig::kCompanyName),
                               content));
    const QString site = Endpoints::siteUrl();
    if (!site.isEmpty()) {
        body->addWidget(linkLabel(site, content));
        body->addWidget(linkLabel(Endpoints::sitePage(AppConfig::kProductPagePath), content));
    }

    innerLayout()->addLayout(header);
    innerLayout()->addLayout(body);
    innerLayout()->addSpacing(scaled(10));
    auto* licence = new QLabel(tr("%1 is free software under the GNU General Public License, "
                                  "version 3 or later (GPL-3.0-or-later). The libraries it is "
                                  "built on and their licences are listed in "
                                  "THIRD_PARTY_NOTICES.md.")
                                   .arg(AppConfig::kProductName),
                               content);
    licence->setObjectName(QStringLiteral("licence"));
    licence->setWordWrap(true);
    innerLayout()->addWidget(licence);
    innerLayout()->addWidget(new QLabel(
        tr("Copyright © 2026 %1. All rights reserved.").arg(AppConfig::kCompanyName), content));
}

#include "gui/widgets/AboutDialog.h"
#include "gui/widgets/LoadingDialog.h"
#include "gui/widgets/MessageDialog.h"

#include "common/UrlCatcher.h"
#include "core/base/AppConfig.h"
#include "gui/application/GlobalManager.h"

#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {

QLabel* labelWithText(QWidget* root, const QString& text)
{
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->text() == text)
            return label;
    }
    return nullptr;
}

QList<QLabel*> linkLabels(QWidget* root)
{
    QList<QLabel*> links;
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->text().contains(QLatin1String("<a href")))
            links.append(label);
    }
    return links;
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void loadingDialogIsBuiltAsDescribed();
    void loadingDotsCycle();
    void loadingDotsFollowTheTimer();
    void loadingCancelPostsStopOncePerPress();

    void messageDialogDefaults();
    void setMessageButtons_data();
    void setMessageButtons();
    void setMessageIcon_data();
    void setMessageIcon();
    void messageButtonsReportAndClose_data();
    void messageButtonsReportAndClose();

    void aboutShowsTheRunningVersion();
    void aboutLinkOpensInTheBrowserAndLeavesTheDialogOpen();
    void aboutWithoutSiteHasNoLinks();
};

void TestDialogs::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestDialogs::cleanup()
{
    qputenv("PICTORB_SITE_URL", QByteArray());
}

void TestDialogs::loadingDialogIsBuiltAsDescribed()
{
    LoadingDialog dialog(nullptr, Qt::Dialog | Qt::WindowCloseButtonHint);
    QCOMPARE(dialog.objectName(), QStringLiteral("window"));
    QVERIFY(dialog.isModal());
    auto* content = dialog.findChild<QLabel*>(QStringLiteral("loading_dialog_content"));
    QVERIFY(content);
    auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("title_button"));
    QVERIFY(cancel);
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
}

void TestDialogs::loadingDotsCycle()
{
    LoadingDialog dialog;
    auto* content = dialog.findChild<QLabel*>(QStringLiteral("loading_dialog_content"));
    const QString message = QStringLiteral("Subtitle Generation in Progress");
    QCOMPARE(content->text(), message);
    // The build already took one step, so the first tick lands on two dots.
    QStringList seen;
    for (int tick = 0; tick < 5; ++tick) {
        dialog.updateTimer();
        seen.append(content->text());
    }
    QCOMPARE(seen, (QStringList{message + "..", message + "...", message, message + ".",
                                message + ".."}));
}

void TestDialogs::loadingDotsFollowTheTimer()
{
    LoadingDialog dialog;
    auto* content = dialog.findChild<QLabel*>(QStringLiteral("loading_dialog_content"));
    // It animates hidden as well as shown.
    QTRY_COMPARE_WITH_TIMEOUT(content->text(), QStringLiteral("Subtitle Generation in Progress.."),
                              2500);
}

void TestDialogs::loadingCancelPostsStopOncePerPress()
{
    LoadingDialog dialog;
    QSignalSpy events(GlobalManager::instance(), &GlobalManager::globalEvent);
    auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("title_button"));

    for (int press = 1; press <= 2; ++press) {
        dialog.show();
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(events.size(), press);
        QCOMPARE(events.last().at(0).toString(), AppConfig::kEventStopAiCaption);
        QCOMPARE(events.last().at(1), QVariant(QString()));
    }
}

void TestDialogs::messageDialogDefaults()
{
    auto* dialog = new MessageDialog;
    dialog->show();
    QVERIFY(labelWithText(dialog, QStringLiteral("This is a message.")));
    const QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>();
    QCOMPARE(buttons.size(), 2);
    QCOMPARE(buttons.at(0)->text(), QStringLiteral("OK"));
    QCOMPARE(buttons.at(1)->text(), QStringLiteral("CANCEL"));
    QVERIFY(buttons.at(0)->isVisible() && buttons.at(1)->isVisible());
    QVERIFY(buttons.at(0)->property("submit").toBool());
    QVERIFY(buttons.at(1)->property("cancel").toBool());
    // The dialog's own sheet is the message sheet of the resource set, when it is there.
    if (QFile::exists(QStringLiteral(":/qss/message_dialog.qss")))
        QVERIFY(!dialog->styleSheet().isEmpty());
    delete dialog;
}

void TestDialogs::setMessageButtons_data()
{
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<bool>("submitShown");
    QTest::addColumn<bool>("cancelShown");
    QTest::newRow("none") << QStringList() << false << false;
    QTest::newRow("one") << QStringList{"Retry"} << true << false;
    QTest::newRow("two") << QStringList{"Retry", "Stop"} << true << true;
    QTest::newRow("empty first") << QStringList{"", "Stop"} << false << true;
    QTest::newRow("extra entries ignored") << QStringList{"Retry", "Stop", "More"} << true << true;
}

void TestDialogs::setMessageButtons()
{
    QFETCH(QStringList, buttons);
    QFETCH(bool, submitShown);
    QFETCH(bool, cancelShown);
    auto* dialog = new MessageDialog;
    dialog->setMessage(QStringLiteral("Disk is full."), 0, buttons);
    dialog->show();

    QVERIFY(labelWithText(dialog, QStringLiteral("Disk is full.")));
    const QList<QPushButton*> shown = [dialog] {
        QList<QPushButton*> visible;
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->isVisible())
                visible.append(button);
        }
        return visible;
    }();
    QCOMPARE(shown.size(), int(submitShown) + int(cancelShown));
    for (QPushButton* button : shown) {
        const bool submit = button->property("submit").toBool();
        QVERIFY(submit ? submitShown : cancelShown);
        QCOMPARE(button->text(), buttons.at(submit ? 0 : 1));
    }
    delete dialog;
}

void TestDialogs::setMessageIcon_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("icon");
    QTest::newRow("no icon") << 0 << "";
    QTest::newRow("help") << 2 << ":/images/home/help_icon.svg";
    QTest::newRow("warning for 1") << 1 << ":/images/home/warning_icon.svg";
    QTest::newRow("warning for 3") << 3 << ":/images/home/warning_icon.svg";
    QTest::newRow("warning for -1") << -1 << ":/images/home/warning_icon.svg";
}

void TestDialogs::setMessageIcon()
{
    QFETCH(int, type);
    QFETCH(QString, icon);
    auto* dialog = new MessageDialog;
    dialog->setMessage(QStringLiteral("Question?"), type, {QStringLiteral("OK")});
    dialog->show();

    QLabel* iconLabel = nullptr;
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            iconLabel = label;
    }
    QVERIFY(iconLabel);
    QCOMPARE(iconLabel->isVisible(), !icon.isEmpty());
    if (!icon.isEmpty()) {
        if (!QFile::exists(icon))
            QSKIP("the icon resources are not part of this build yet");
        const QImage expected = QIcon(icon).pixmap(iconLabel->size()).toImage();
        QVERIFY(!expected.isNull());
        QCOMPARE(iconLabel->pixmap(Qt::ReturnByValue).toImage(), expected);
    }
    delete dialog;
}

void TestDialogs::messageButtonsReportAndClose_data()
{
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<int>("reported");
    QTest::newRow("submit") << "Yes" << 1;
    QTest::newRow("cancel") << "No" << 2;
}

void TestDialogs::messageButtonsReportAndClose()
{
    QFETCH(QString, pressed);
    QFETCH(int, reported);
    QPointer<MessageDialog> dialog = new MessageDialog;
    dialog->setMessage(QStringLiteral("Keep the changes?"), 2,
                       {QStringLiteral("Yes"), QStringLiteral("No")});
    dialog->show();
    QSignalSpy clicked(dialog.data(), &MessageDialog::buttonClicked);
    QSignalSpy closed(dialog.data(), &MessageDialog::closeDialogSignal);

    QPushButton* target = nullptr;
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == pressed)
            target = button;
    }
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton);

    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.first().at(0).toInt(), reported);
    QCOMPARE(closed.size(), 1);
    QTRY_VERIFY(dialog.isNull()); // closing frees it
}

void TestDialogs::aboutShowsTheRunningVersion()
{
    auto* dialog = new AboutDialog;
    dialog->show();
    QVERIFY(labelWithText(
        dialog, QStringLiteral("Version: %1").arg(GlobalManager::instance()->getVersion())));
    QVERIFY(labelWithText(dialog, QStringLiteral("Version: 1.0.0")));
    auto* title = dialog->findChild<QLabel*>(QStringLiteral("iconTitle"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("Pictorb"));
    QVERIFY(labelWithText(dialog, QStringLiteral("For more details, please visit Quellony and "
                                                 "Pictorb official site.")));
    QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("icon")));
    if (QFile::exists(QStringLiteral(":/qss/about_dialog.qss")))
        QVERIFY(!dialog->styleSheet().isEmpty());
    delete dialog;
}

void TestDialogs::aboutLinkOpensInTheBrowserAndLeavesTheDialogOpen()
{
    qputenv("PICTORB_SITE_URL", "https://maker.example/");
    UrlCatcher catcher;
    QPointer<AboutDialog> dialog = new AboutDialog;
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));

    const QList<QLabel*> links = linkLabels(dialog);
    QCOMPARE(links.size(), 2);
    QCOMPARE(links.at(0)->text(),
             QStringLiteral("<a href=\"https://maker.example\">https://maker.example</a>"));
    QCOMPARE(links.at(1)->text(), QStringLiteral("<a href=\"https://maker.example/pictorb/\">"
                                                 "https://maker.example/pictorb/</a>"));

    for (int index = 0; index < links.size(); ++index) {
        // A press and release on the first letters of the address, as a user clicks it.
        const QPoint onText(4, links.at(index)->height() / 2);
        QTest::mouseClick(links.at(index), Qt::LeftButton, Qt::NoModifier, onText);
    }
    QCOMPARE(catcher.urls(), (QList<QUrl>{QUrl(QStringLiteral("https://maker.example")),
                                          QUrl(QStringLiteral("https://maker.example/pictorb/"))}));
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    delete dialog;
}

void TestDialogs::aboutWithoutSiteHasNoLinks()
{
    qputenv("PICTORB_SITE_URL", QByteArray());
    auto* dialog = new AboutDialog;
    dialog->show();
    QVERIFY(linkLabels(dialog).isEmpty());
    QVERIFY(labelWithText(dialog, QStringLiteral("Version: 1.0.0")));
    delete dialog;
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"

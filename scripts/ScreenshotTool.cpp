// Builds the main window with sample stills and captions and saves what it shows, so the
// look of each panel and dialog can be checked without clicking through the application:
//   pictorb-screenshots <output-dir> [language-type] [screen-scale]
#include "core/base/ScreenManager.h"
#include "core/base/TranslateManager.h"
#include "gui/application/GlobalManager.h"
#include "gui/application/MetaTypes.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImageListViewDialog.h"
#include "gui/images/ImageViewDialog.h"
#include "gui/images/ImagesWidget.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/preview/PreviewWidget.h"
#include "gui/update/CheckUpdateDialog.h"
#include "gui/widgets/AboutDialog.h"
#include "gui/widgets/LoadingDialog.h"
#include "gui/widgets/MessageDialog.h"
#include "gui/widgets/PropertyItem.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QTest>

namespace {

QString makeStill(const QString& dir, int index)
{
    QImage image(1280, 720, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, 720);
    sky.setColorAt(0, QColor::fromHsv((index * 47) % 360, 120, 200));
    sky.setColorAt(1, QColor::fromHsv((index * 47 + 40) % 360, 160, 60));
    painter.fillRect(image.rect(), sky);
    painter.setBrush(QColor(255, 230, 160));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPoint(300 + index * 150, 250), 90, 90);
    painter.setBrush(QColor(30, 30, 40));
    painter.drawRect(0, 520, 1280, 200);
    painter.end();
    const QString path = QStringLiteral("%1/still_%2.jpg").arg(dir).arg(index);
    image.save(path);
    return path;
}

void save(QWidget* widget, const QString& path)
{
    QTest::qWait(300);
    widget->grab().save(path);
}

} // namespace

int main(int argc, char* argv[])
{
    registerMetaTypes();
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    // A scale given on the command line stands for a screen of that many times 96 DPI.
    if (argc > 3) {
        const double dpi = 96.0 * QString::fromLocal8Bit(argv[3]).toDouble();
        ScreenManager::instance()->init(dpi, dpi, 1.0);
    } else {
        ScreenManager::instance()->init(QGuiApplication::primaryScreen());
    }
    TranslateManager::instance()->init();
    QFile sheet(QStringLiteral(":/qss/application.qss"));
    QString css = sheet.open(QIODevice::ReadOnly) ? QString::fromUtf8(sheet.readAll()) : QString();
    scaleStyleSheet(css);
    app.setStyleSheet(css);

    MainWindow window;
    if (argc > 2)
        window.changeLangByType(QString::fromLocal8Bit(argv[2]).toInt());
    window.show();
    window.resize(scaledSize(QSize(1100, 741)));
    save(&window, out + "/main_empty.png");

    const QStringList subtitles = {QStringLiteral("Where were you last night?"),
                                   QStringLiteral("That's so long ago, I don't remember."),
                                   QStringLiteral("Will I see you tonight?"),
                                   QStringLiteral("I never make plans that far ahead.")};
    for (int i = 0; i < subtitles.size(); ++i) {
        window.imagesWidget()->importFile(makeStill(out, i));
        ImageItem* card = window.imagesWidget()->cards().last();
        card->caption()->text = subtitles.at(i);
        card->caption()->fontSize = QStringLiteral("28");
        card->caption()->border = 2;
        card->caption()->y = 720 - 60;
        card->caption()->x = 640;
        card->caption()->hAlign = 5;
        card->updateImage();
    }
    // Clicked like a user would, so the editing panel shows that card.
    QTest::mouseClick(window.imagesWidget()->cards().at(1), Qt::LeftButton);
    PreviewWidget* preview = window.previewWidget();
    preview->setLayoutType(1);
    preview->property(PreviewWidget::YSpace)->setValue(QStringLiteral("-620"), false);
    preview->showImage();
    save(&window, out + "/main_sheet.png");

    preview->showViewDialog();
    save(preview->viewDialog(), out + "/view_dialog.png");
    preview->viewDialog()->hide();

    QMenu* menu = window.settingMenu();
    menu->popup(window.mapToGlobal(QPoint(window.width() - menu->sizeHint().width(), 40)));
    save(menu, out + "/settings_menu.png");
    menu->hide();

    window.imagesWidget()->showButtonClickedHandle();
    save(window.imagesWidget()->imageListDialog(), out + "/image_list_dialog.png");
    window.imagesWidget()->imageListDialog()->hide();

    auto* update = new CheckUpdateDialog(&window);
    update->setPage(0);
    update->show();
    save(update, out + "/update_checking.png");
    update->setUpdateInfo(R"({"win":{"version":"1.2.0","size":"38 MB","date":"2026-12-01",)"
                          R"("change":["Faster sheets","New languages"],"url":"https://x"}})");
    update->alignButtons();
    save(update, out + "/update_information.png");
    update->setPage(2);
    save(update, out + "/update_latest.png");
    update->close();

    auto* message = new MessageDialog(&window);
    message->show();
    save(message, out + "/message_dialog.png");
    message->close();

    auto* loading = new LoadingDialog(&window);
    loading->show();
    save(loading, out + "/loading_dialog.png");
    loading->close();

    auto* about = new AboutDialog(&window);
    about->show();
    save(about, out + "/about.png");
    about->close();
    return 0;
}

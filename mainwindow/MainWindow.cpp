#include "mainwindow/MainWindow.h"

#include "app/AppConfig.h"
#include "app/ScreenManager.h"
#include "app/TranslateManager.h"

#include <QApplication>
#include <QDebug>

MainWindow::MainWindow(QWidget* parent) : BaseWindow(parent, 2)
{
    initWindow();
}

void MainWindow::initWindow()
{
    const QSize minimum = scaledSize(QSize(1000, 630));
    const QSize initial = scaledSize(QSize(1100, 741));
    qDebug() << "initialize mini main_windows_size" << minimum.width() << minimum.height();
    qDebug() << "initialize main_windows_size" << initial.width() << initial.height();
    setMinimumSize(minimum);

    changeLangByType(TranslateManager::instance()->currentLanguage());
    setWindowTitle(AppConfig::kProductName);
}

void MainWindow::changeLangByType(int type)
{
    if (!m_translator.isEmpty())
        QCoreApplication::removeTranslator(&m_translator);
    const QString path = TranslateManager::instance()->qmFiles().value(type);
    qDebug() << "changeLangByType" << path << type;
    if (!path.isEmpty() && m_translator.load(path))
        QCoreApplication::installTranslator(&m_translator);
    if (m_retranslateMenu)
        m_retranslateMenu();
    TranslateManager::instance()->setCurrentLanguage(type);
    emit TranslateManager::instance()->changeTranslate(type);
}

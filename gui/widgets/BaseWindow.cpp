#include "gui/widgets/BaseWindow.h"

#include <QBoxLayout>

BaseWindow::BaseWindow(QWidget* parent, int layoutType)
    : QMainWindow(parent), m_layoutType(layoutType)
{
    m_central = new QWidget(this);
    m_central->setObjectName(QStringLiteral("window"));
    if (m_layoutType == 1)
        m_layout = new QHBoxLayout(m_central);
    else
        m_layout = new QVBoxLayout(m_central);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    setCentralWidget(m_central);
}

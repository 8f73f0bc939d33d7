#pragma once

#include <QMainWindow>

class QBoxLayout;

// A main window whose central widget is named "window" and carries a margin-less box layout.
class BaseWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit BaseWindow(QWidget* parent = nullptr, int layoutType = 2);

    QWidget* centralContent() const { return m_central; }
    QBoxLayout* centralLayout() const { return m_layout; }

private:
    int m_layoutType;
    QWidget* m_central = nullptr;
    QBoxLayout* m_layout = nullptr;
};

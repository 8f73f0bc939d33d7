#pragma once

#include "widgets/BaseWindow.h"

#include <QTranslator>

#include <functional>

// The single top-level window: builds and wires the panels, owns the translator and the
// settings menu, and routes the global events to the panel that acts on them.
class MainWindow : public BaseWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    void changeLangByType(int type);

private:
    void initWindow();

    QTranslator m_translator;
    std::function<void()> m_retranslateMenu;
};

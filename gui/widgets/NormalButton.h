#pragma once

#include "gui/widgets/BaseButton.h"

// An icon-and-text button with padding, named "button" for the style sheet.
class NormalButton : public BaseButton
{
    Q_OBJECT

public:
    explicit NormalButton(QWidget* parent = nullptr, int layoutType = 1);
};

#pragma once

#include "gui/widgets/BaseButton.h"

// An icon-only button, named "icon_button" for the style sheet.
class IconButton : public BaseButton
{
    Q_OBJECT

public:
    explicit IconButton(QWidget* parent = nullptr);
};

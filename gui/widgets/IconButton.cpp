#include "gui/widgets/IconButton.h"

#include <QBoxLayout>

IconButton::IconButton(QWidget* parent) : BaseButton(parent, 1)
{
    setObjectName(QStringLiteral("icon_button"));
    setTextVisible(false);
    innerLayout()->setContentsMargins(0, 0, 0, 0);
}

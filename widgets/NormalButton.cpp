#include "widgets/NormalButton.h"

#include "app/ScreenManager.h"

#include <QBoxLayout>

NormalButton::NormalButton(QWidget* parent, int layoutType) : BaseButton(parent, layoutType)
{
    setObjectName(QStringLiteral("button"));
    baseLayout()->setContentsMargins(scaledRect(10, 4, 10, 4));
}

#include "gui/widgets/NormalButton.h"

#include "core/base/ScreenManager.h"

#include <QBoxLayout>

NormalButton::NormalButton(QWidget* parent, int layoutType) : BaseButton(parent, layoutType)
{
    setObjectName(QStringLiteral("button"));
    innerLayout()->setContentsMargins(scaledRect(10, 4, 10, 4));
}

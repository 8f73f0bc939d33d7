#include "app/MetaTypes.h"

#include "images/CaptureData.h"

#include <QList>
#include <QMetaType>
#include <QString>

void registerMetaTypes()
{
    qRegisterMetaType<AppConfig::CaptureData>("AppConfig::CaptureData");
    qRegisterMetaType<QList<QString>>("QList<QString>&");
}

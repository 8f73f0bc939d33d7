#include "app/MetaTypes.h"

#include "caption/CaptionEdit.h"
#include "caption/CaptionInfo.h"
#include "images/CaptureData.h"

#include <QList>
#include <QMetaType>
#include <QString>

void registerMetaTypes()
{
    qRegisterMetaType<CaptionInfo>("CaptionInfo");
    qRegisterMetaType<CaptionInfo*>("CaptionInfo *");
    qRegisterMetaType<CaptionEdit>("CaptionEdit");
    qRegisterMetaType<AppConfig::CaptureData>("AppConfig::CaptureData");
    qRegisterMetaType<QList<QString>>("QList<QString>&");
}

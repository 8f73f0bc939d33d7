#include "gui/application/MetaTypes.h"

#include "core/captions/CaptionEdit.h"
#include "core/captions/CaptionInfo.h"
#include "core/images/CaptureData.h"

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

// The speech recognition result, as the service returns it, turned into captions and a script.
#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/captions/CaptionManager.h"
#include "gui/application/GlobalManager.h"

namespace {

// Header, style and events lines around the dialogue lines of a script with one style.
constexpr int kFixedScriptLines = 14;

// One "Dialogue:" line per caption and nothing else: no text may break a line of its own.
bool scriptHoldsEveryCaption(const QString& path, int captions)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = file.readAll().split('\n');
    int dialogues = 0;
    for (const QByteArray& line : lines)
        dialogues += line.startsWith("Dialogue: ") ? 1 : 0;
    // The last line ends with a line break, so the split leaves one empty piece.
    return dialogues == captions && lines.size() == kFixedScriptLines + captions + 1;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startApplication<QCoreApplication>(argc, argv);
    // A loaded video gives the raw result and the script their work file names.
    GlobalManager::instance()->setVideoFileInfo(QFileInfo(QDir::temp().filePath("fuzz.mp4")));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CaptionManager* manager = CaptionManager::instance();
    manager->createCaptions(fuzz::bytes(data, size), true);
    const QList<CaptionInfo*> captions = manager->captions();
    for (const CaptionInfo* caption : captions) {
        // Every caption keeps a time order a player can show.
        if (CaptionInfo::timeMs(caption->endTime) < CaptionManager::startTimeMs(caption))
            __builtin_trap();
    }
    if (!scriptHoldsEveryCaption(manager->getAssPath(), captions.size()))
        __builtin_trap();
    return 0;
}

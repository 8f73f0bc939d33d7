#include "core/project/ProjectData.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString kStillFolder = QStringLiteral("stills/");

int boundedInt(const QJsonValue& value, int fallback, int minimum, int maximum)
{
    return value.isDouble() ? std::clamp(value.toInt(fallback), minimum, maximum) : fallback;
}

} // namespace

QJsonObject ProjectData::toJson(const QStringList& stillNames) const
{
    QJsonArray list;
    for (int i = 0; i < stills.size(); ++i) {
        const ProjectStill& still = stills.at(i);
        QJsonObject entry{{QStringLiteral("file"), stillNames.value(i)},
                          {QStringLiteral("id"), still.origin.id},
                          {QStringLiteral("caption"), still.caption.toJson()},
                          {QStringLiteral("checked"), still.checked}};
        if (still.band.isSet())
            entry.insert(QStringLiteral("band"), QJsonArray{still.band.top, still.band.height});
        if (still.captured) {
            entry.insert(QStringLiteral("position"), still.position);
            entry.insert(QStringLiteral("index"), still.index);
        }
        list.append(entry);
    }
    return {{QStringLiteral("pictorb"), kVersion},
            {QStringLiteral("canvas"), QJsonArray{canvas.width(), canvas.height()}},
            {QStringLiteral("stills"), list},
            {QStringLiteral("current"), current},
            {QStringLiteral("layout"), QJsonObject{{QStringLiteral("type"), layout.type},
                                                   {QStringLiteral("xSpace"), layout.xSpace},
                                                   {QStringLiteral("ySpace"), layout.ySpace},
                                                   {QStringLiteral("columns"), layout.columns}}},
            {QStringLiteral("output"), QJsonObject{{QStringLiteral("fit"), int(fit)},
                                                   {QStringLiteral("value"), double(fitValue)},
                                                   {QStringLiteral("format"), format}}}};
}

bool ProjectData::fromJson(const QJsonObject& json, ProjectData* data, QStringList* stillNames,
                           QString* error)
{
    const auto fail = [error](const QString& why) {
        *error = why;
        return false;
    };
    if (json.value(QStringLiteral("pictorb")).toInt(0) < 1)
        return fail(QStringLiteral("not a Pictorb project"));
    if (json.value(QStringLiteral("pictorb")).toInt() > kVersion)
        return fail(QStringLiteral("made by a newer Pictorb"));
    const QJsonArray canvas = json.value(QStringLiteral("canvas")).toArray();
    data->canvas = QSize(canvas.at(0).toInt(0), canvas.at(1).toInt(0));
    if (canvas.size() != 2 || data->canvas.isEmpty() || data->canvas.width() > 16384 ||
        data->canvas.height() > 16384)
        return fail(QStringLiteral("the picture size is missing or out of range"));
    const QJsonValue list = json.value(QStringLiteral("stills"));
    if (!list.isArray())
        return fail(QStringLiteral("the list of stills is missing"));
    const QJsonArray stills = list.toArray();
    if (stills.size() > kMaxStills)
        return fail(QStringLiteral("%1 stills, more than a project can hold").arg(stills.size()));

    // "stills/" and a plain file name: nothing that could point outside the bundle.
    static const QRegularExpression name(
        QStringLiteral("^stills/[A-Za-z0-9_-]{1,64}\\.[a-z0-9]{1,5}$"));
    data->stills.clear();
    stillNames->clear();
    for (const QJsonValue& value : stills) {
        const QJsonObject entry = value.toObject();
        const QString file = entry.value(QStringLiteral("file")).toString();
        if (!name.match(file).hasMatch() || stillNames->contains(file))
            return fail(QStringLiteral("a still is named \"%1\"").arg(file.left(100)));
        ProjectStill still;
        still.origin.id = file.mid(kStillFolder.size()).section(QLatin1Char('.'), 0, 0);
        still.origin.format = file.section(QLatin1Char('.'), -1);
        still.caption = ImageCaption::fromJson(entry.value(QStringLiteral("caption")).toObject());
        still.checked = entry.value(QStringLiteral("checked")).toBool(true);
        // Rows of the canvas only; anything else is no band of its own.
        const QJsonArray band = entry.value(QStringLiteral("band")).toArray();
        still.band = {band.at(0).toInt(-1), band.at(1).toInt(0)};
        if (band.size() != 2 || still.band.top < 0 ||
            qint64(still.band.top) + still.band.height > data->canvas.height())
            still.band = StillBand();
        still.captured = entry.contains(QStringLiteral("position"));
        still.position = entry.value(QStringLiteral("position")).toDouble(0.0);
        still.index = entry.value(QStringLiteral("index")).toInt(0);
        data->stills << still;
        *stillNames << file;
    }
    data->current =
        boundedInt(json.value(QStringLiteral("current")), -1, -1, int(data->stills.size()) - 1);
    const QJsonObject layout = json.value(QStringLiteral("layout")).toObject();
    data->layout.type = boundedInt(layout.value(QStringLiteral("type")), MergeLayout::Vertical,
                                   MergeLayout::Grid, MergeLayout::Horizontal);
    data->layout.xSpace = boundedInt(layout.value(QStringLiteral("xSpace")), 0, -9999, 9999);
    data->layout.ySpace = boundedInt(layout.value(QStringLiteral("ySpace")), 0, -9999, 9999);
    data->layout.columns = boundedInt(layout.value(QStringLiteral("columns")), 3, 1, 10);
    const QJsonObject output = json.value(QStringLiteral("output")).toObject();
    data->fit =
        SheetExport::Fit(boundedInt(output.value(QStringLiteral("fit")), SheetExport::ByScale,
                                    SheetExport::ByScale, SheetExport::ByHeight));
    const double value = output.value(QStringLiteral("value")).toDouble(100);
    data->fitValue = qint64(std::clamp(value, 1.0, 999999.0));
    data->format = output.value(QStringLiteral("format")).toString();
    return true;
}

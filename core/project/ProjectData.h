#pragma once

#include "core/images/ImageCaption.h"
#include "core/images/StillBand.h"
#include "core/images/StillOrigin.h"
#include "core/preview/MergeLayout.h"
#include "core/preview/SheetExport.h"

#include <QImage>
#include <QJsonObject>
#include <QList>
#include <QSize>
#include <QString>

// One still of a collection as a project keeps it.
struct ProjectStill
{
    StillOrigin origin; // origin.id names it inside the project
    QImage picture;     // decoded; letterboxed onto the canvas by whoever shows it
    QSize canvas;       // the collection's canvas when the still was taken out of it
    ImageCaption caption;
    StillBand band; // its own band in a subtitle-strip sheet; unset takes the shared one
    bool checked = true;
    bool captured = false;
    double position = 0.0; // of a capture, in the film
    int index = 0;
};

// Everything a collection is: its stills in order with their captions and ticks, the canvas
// they share, and how the preview merges and exports them. What a project file holds, what the
// session keeps between starts, and what pictorb-sheet renders.
struct ProjectData
{
    static constexpr int kVersion = 1;
    // A project names no more stills than this; a count near it is a hostile file, not work.
    static constexpr int kMaxStills = 10000;

    QSize canvas;
    QList<ProjectStill> stills;
    MergeLayout::Params layout;
    SheetExport::Fit fit = SheetExport::ByScale;
    qint64 fitValue = 100;
    QString format;   // the export format, as the format box shows it
    int current = -1; // the still being edited

    // The description: every field but the pictures, which are named "stills/<id>.<suffix>".
    QJsonObject toJson(const QStringList& stillNames) const;
    // Reads a description written by toJson(); the still names are returned for the caller to
    // load. False, with the reason, for anything that is not such a description: wrong types,
    // counts beyond the limits, names outside "stills/".
    static bool fromJson(const QJsonObject& json, ProjectData* data, QStringList* stillNames,
                         QString* error);
};

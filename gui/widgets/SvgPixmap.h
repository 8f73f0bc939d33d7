#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// A vector icon drawn at the size it is shown (in device pixels, for the screen's pixel ratio),
// so it stays sharp at every scale instead of being drawn small and enlarged.
QPixmap svgPixmap(const QString& path, const QSize& size, qreal devicePixelRatio = 1.0);

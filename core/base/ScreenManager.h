#pragma once

#include <QMargins>
#include <QObject>
#include <QSize>
#include <QString>

class QScreen;

// Holds the one scale factor measured at start-up; every hand-set length and every
// style-sheet pixel length goes through it instead of the toolkit's own high-DPI scaling.
class ScreenManager final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScreenManager)

public:
    static ScreenManager* instance();

    void init(QScreen* screen);
    // The measurement itself, apart from the screen, so any DPI can be simulated.
    void init(double logicalDpi, double physicalDpi, double devicePixelRatio);

    double scale() const { return m_scale; }
    void scaleStyleSheet(QString& css) const;

signals:
    void screenChanged();

private:
    ScreenManager() = default;

    double m_baseFactor = 1.0;
    double m_scale = 1.0;
    double m_ratio = 1.0;
    double m_devicePixelRatio = 1.0;
};

int scaled(int n);
QSize scaledSize(const QSize& size);
QMargins scaledRect(int left, int top, int right, int bottom);
void scaleStyleSheet(QString& css);

#include "core/base/ScreenManager.h"

#include <QDebug>
#include <QScreen>

#include <cmath>

ScreenManager* ScreenManager::instance()
{
    static ScreenManager* manager = new ScreenManager;
    return manager;
}

void ScreenManager::init(QScreen* screen)
{
    if (!screen) {
        init(96.0, 96.0, 1.0);
        return;
    }
    init(screen->logicalDotsPerInch(), screen->physicalDotsPerInch(), screen->devicePixelRatio());
}

void ScreenManager::init(double logicalDpi, double physicalDpi, double devicePixelRatio)
{
    m_ratio = logicalDpi / 96.0;
    m_scale = m_ratio < 1.0 ? 1.0 : m_ratio;
    m_baseFactor = 1.0;
    m_devicePixelRatio = devicePixelRatio;
    qDebug() << "screen init" << m_scale << m_baseFactor << m_ratio;
    qDebug() << "screen dip" << logicalDpi << physicalDpi << devicePixelRatio;
}

void ScreenManager::scaleStyleSheet(QString& css) const
{
    // Lengths longer than this are left alone rather than overflowing.
    constexpr int kMaxDigits = 12;
    int position = 0;
    for (;;) {
        const int px = css.indexOf(QLatin1String("px"), position + 1);
        if (px < 0)
            return;
        int start = px;
        while (start > 0 && css.at(start - 1).isDigit() && css.at(start - 1).unicode() < 128)
            --start;
        const int length = px - start;
        if (length > kMaxDigits) {
            position = px + 2;
            continue;
        }
        const qint64 number = length == 0 ? 0 : css.midRef(start, length).toLongLong();
        const QString replacement = QString::number(qint64(std::trunc(double(number) * m_scale)));
        css.replace(start, length, replacement);
        position = start + replacement.length() + 2;
    }
}

int scaled(int n)
{
    return int(n * ScreenManager::instance()->scale());
}

QSize scaledSize(const QSize& size)
{
    return QSize(scaled(size.width()), scaled(size.height()));
}

QMargins scaledRect(int left, int top, int right, int bottom)
{
    return QMargins(scaled(left), scaled(top), scaled(right), scaled(bottom));
}

void scaleStyleSheet(QString& css)
{
    ScreenManager::instance()->scaleStyleSheet(css);
}

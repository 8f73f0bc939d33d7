#include "core/images/StillOrigin.h"

#include "core/images/ImageFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QUuid>

StillOrigin StillOrigin::fromFile(const QString& path)
{
    const QFileInfo info(path);
    StillOrigin origin;
    origin.id = newId();
    origin.path = info.absoluteFilePath();
    origin.size = info.size();
    origin.modified = info.lastModified();
    origin.format = info.suffix().toLower();
    return origin;
}

StillOrigin StillOrigin::fromBytes(const QByteArray& bytes, const QString& format)
{
    StillOrigin origin;
    origin.id = newId();
    origin.bytes = bytes;
    origin.format = format;
    return origin;
}

QString StillOrigin::newId()
{
    return QUuid::createUuid().toString(QUuid::Id128);
}

QByteArray StillOrigin::encoded(const QImage& picture, QString* suffix) const
{
    if (!bytes.isEmpty()) {
        *suffix = format;
        return bytes;
    }
    const QFileInfo info(path);
    if (!path.isEmpty() && info.isFile() && info.size() == size &&
        info.lastModified() == modified) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            QByteArray read = file.readAll();
            if (read.size() == size) {
                *suffix = format;
                return read;
            }
        }
    }
    *suffix = QStringLiteral("png");
    return ImageFileWriter::encode(picture, QStringLiteral("png"), -1, nullptr);
}

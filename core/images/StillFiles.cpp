#include "core/images/StillFiles.h"

#include "core/base/NaturalOrder.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>

namespace {

// The readable files of `dir` that match, each named `prefix` + its name, in name order.
QStringList filesIn(const QDir& dir, const QStringList& patterns, const QString& prefix)
{
    QStringList paths;
    for (const QString& name : dir.entryList(patterns, QDir::Files | QDir::Readable))
        paths << prefix + name;
    NaturalOrder::sort(paths);
    return paths;
}

// The files a pattern matches, named with the folder as the pattern gives it ("*.png" gives
// "a.png", not "./a.png").
QStringList matches(const QString& pattern)
{
    const int slash = pattern.lastIndexOf(QLatin1Char('/'));
    const QString folder = pattern.left(slash + 1);
    return filesIn(QDir(folder.isEmpty() ? QStringLiteral(".") : folder), {pattern.mid(slash + 1)},
                   folder);
}

} // namespace

QStringList StillFiles::picturesIn(const QString& folder)
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    const QDir dir(folder);
    return filesIn(dir, patterns, dir.path() + QLatin1Char('/'));
}

bool StillFiles::isPattern(const QString& argument)
{
    static const QRegularExpression wildcard(QStringLiteral("[*?\\[]"));
    return QFileInfo(argument).fileName().contains(wildcard);
}

QStringList StillFiles::expand(const QStringList& arguments, QString* error)
{
    QStringList files;
    for (const QString& argument : arguments) {
        QStringList found;
        if (QFileInfo(argument).isDir())
            found = picturesIn(argument);
        else if (isPattern(argument) && !QFileInfo::exists(argument))
            found = matches(argument);
        else
            found = QStringList{argument};
        if (found.isEmpty()) {
            *error = QStringLiteral("\"%1\" gives no picture").arg(argument);
            return {};
        }
        files << found;
    }
    return files;
}

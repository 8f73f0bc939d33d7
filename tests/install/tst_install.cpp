// The installed tree and the packages as a desktop and a packager see them: the validators of
// the desktop formats, man, shared-mime-info, dpkg and MinGW's resource compiler accept them,
// and the programs run from where they were installed.

#include "support/TestSupport.h"

#include "core/base/AppConfig.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QtEndian>

using namespace TestSupport;

namespace {

const QString kBuildDir = QStringLiteral(PICTORB_BUILD_DIR);
const QString kSourceDir = QStringLiteral(PICTORB_SOURCE_DIR);

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;

    QByteArray describe() const
    {
        return QStringLiteral("exit %1\n%2\n%3").arg(exitCode).arg(out, err).right(3000).toUtf8();
    }
};

Run run(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return {-1, QString(), program + QStringLiteral(": ") + process.errorString()};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The version of project() in CMakeLists.txt, read as a packager reads it.
QString projectVersion()
{
    const QString text = QString::fromUtf8(readBytes(kSourceDir + "/CMakeLists.txt"));
    return QRegularExpression("project\\(Pictorb VERSION ([0-9.]+)").match(text).captured(1);
}

// Every file below `root`, relative to it.
QSet<QString> filesBelow(const QString& root)
{
    QSet<QString> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    return files;
}

// The keys of a desktop entry's [Desktop Entry] group.
QMap<QString, QString> desktopEntry(const QString& path)
{
    QMap<QString, QString> keys;
    for (const QString& line : QString::fromUtf8(readBytes(path)).split('\n')) {
        const int equals = line.indexOf('=');
        if (equals > 0 && !line.startsWith('#'))
            keys.insert(line.left(equals), line.mid(equals + 1));
    }
    return keys;
}

// The "- " lines of CHANGELOG.md's entry for `version`.
QStringList changelogItems(const QString& version)
{
    QStringList items;
    bool inEntry = false;
    for (const QString& line :
         QString::fromUtf8(readBytes(kSourceDir + "/CHANGELOG.md")).split('\n')) {
        if (line.startsWith("## "))
            inEntry = line.startsWith("## [" + version + "]");
        else if (inEntry && line.startsWith("- "))
            items << line.mid(2);
    }
    return items;
}

// The <li> texts and the date of the metainfo's release `version`.
QStringList releaseItems(const QString& metainfo, const QString& version, QString* date)
{
    QStringList items;
    QXmlStreamReader xml(readBytes(metainfo));
    bool inRelease = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("release")) {
            inRelease = xml.attributes().value("version") == version;
            if (inRelease)
                *date = xml.attributes().value("date").toString();
        } else if (xml.isEndElement() && xml.name() == QLatin1String("release")) {
            inRelease = false;
        } else if (inRelease && xml.isStartElement() && xml.name() == QLatin1String("li")) {
            items << xml.readElementText();
        }
    }
    return xml.hasError() ? QStringList{"XML error: " + xml.errorString()} : items;
}

// The text of the first element `name` in namespace `ns`.
QString xmlText(const QByteArray& bytes, const QString& ns, const QString& name)
{
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.namespaceUri() == ns &&
            xml.name() == name)
            return xml.readElementText();
    }
    return QString();
}

// ---- the compiled Windows resource file (.res) ---------------------------------------------

struct Resource
{
    QVariant type; // a number or a name
    QVariant name;
    QByteArray data;
};

// A resource type or name: 0xFFFF and a number, or a zero-ended UTF-16 string.
QVariant resourceId(const QByteArray& bytes, int& at)
{
    const auto word = [&bytes](int i) { return qFromLittleEndian<quint16>(bytes.constData() + i); };
    if (word(at) == 0xFFFF) {
        at += 4;
        return int(word(at - 2));
    }
    QString text;
    for (; word(at) != 0; at += 2)
        text += QChar(word(at));
    at += 2;
    return text;
}

QList<Resource> readResources(const QByteArray& bytes)
{
    QList<Resource> resources;
    int at = 0;
    while (at + 32 <= bytes.size()) {
        const quint32 dataSize = qFromLittleEndian<quint32>(bytes.constData() + at);
        const quint32 headerSize = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        int field = at + 8;
        Resource resource;
        resource.type = resourceId(bytes, field);
        resource.name = resourceId(bytes, field);
        resource.data = bytes.mid(at + int(headerSize), int(dataSize));
        if (dataSize > 0) // a .res file starts with an empty entry
            resources << resource;
        at += int(headerSize + dataSize + 3) & ~3;
    }
    return resources;
}

QList<Resource> resourcesOfType(const QList<Resource>& all, int type)
{
    QList<Resource> found;
    for (const Resource& resource : all) {
        if (resource.type == type)
            found << resource;
    }
    return found;
}

// A value of the version resource's string table: the key, zero-ended, padded to 4 bytes
// from the resource's start, then the zero-ended value.
QString versionValue(const QByteArray& version, const QString& key)
{
    const QByteArray needle =
        QByteArray(reinterpret_cast<const char*>(key.utf16()), key.size() * 2) +
        QByteArray(2, '\0');
    int at = version.indexOf(needle);
    if (at < 0 || at % 2 != 0)
        return QString();
    at = (at + needle.size() + 3) & ~3;
    QString value;
    for (; at + 1 < version.size(); at += 2) {
        const quint16 unit = qFromLittleEndian<quint16>(version.constData() + at);
        if (unit == 0)
            break;
        value += QChar(unit);
    }
    return value;
}

constexpr int kIconType = 3;
constexpr int kGroupIconType = 14;
constexpr int kVersionType = 16;
constexpr int kManifestType = 24;

} // namespace

class InstallTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void iconSizes_data();
    void iconSizes();
    void desktopEntryValidates();
    void metainfoValidates();
    void releaseNotesComeFromChangelog();
    void projectFilesHaveTheirType();
    void manPagesRender_data();
    void manPagesRender();
    void installedProgramsTellOneVersion_data();
    void installedProgramsTellOneVersion();
    void installedSheetToolMakesSheet();
    void installedWindowStartsAndTakesFiles();
    void debianPackageHoldsTheTree();
    void sourceTarballHoldsTheSources();
    void windowsResourcesCompile_data();
    void windowsResourcesCompile();
    void windowsManifest();
    void windowsInstallerScriptBuilds();

private:
    QString installed(const QString& relative) const { return m_prefix + '/' + relative; }

    QTemporaryDir m_root;
    QString m_prefix;
};

void InstallTest::initTestCase()
{
    QVERIFY(m_root.isValid());
    QVERIFY(!projectVersion().isEmpty());
    m_prefix = m_root.filePath("prefix");
    const Run install = run(PICTORB_CMAKE_COMMAND, {"--install", kBuildDir, "--prefix", m_prefix});
    QVERIFY2(install.exitCode == 0, install.describe());
}

void InstallTest::installedFiles_data()
{
    const QString id = AppConfig::kDesktopId;
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("executable");
    QTest::newRow("window") << "bin/pictorb" << true;
    QTest::newRow("sheet tool") << "bin/pictorb-sheet" << true;
    QTest::newRow("desktop entry") << "share/applications/" + id + ".desktop" << false;
    QTest::newRow("metainfo") << "share/metainfo/" + id + ".metainfo.xml" << false;
    QTest::newRow("MIME type") << "share/mime/packages/" + id + ".xml" << false;
    QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/" + id + ".svg" << false;
    QTest::newRow("project icon")
        << "share/icons/hicolor/scalable/mimetypes/application-x-pictorb.svg" << false;
    QTest::newRow("window man page") << "share/man/man1/pictorb.1.gz" << false;
    QTest::newRow("sheet man page") << "share/man/man1/pictorb-sheet.1.gz" << false;
    QTest::newRow("licence") << "share/doc/pictorb/LICENSE" << false;
    QTest::newRow("notices") << "share/doc/pictorb/THIRD_PARTY_NOTICES.md" << false;
    QTest::newRow("changelog") << "share/doc/pictorb/CHANGELOG.md" << false;
}

void InstallTest::installedFiles()
{
    QFETCH(QString, file);
    QFETCH(bool, executable);
    const QFileInfo info(installed(file));
    QVERIFY2(info.isFile() && info.size() > 0, qPrintable(file));
    QCOMPARE(info.isExecutable(), executable);
}

void InstallTest::iconSizes_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("size");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString dir = QStringLiteral("share/icons/hicolor/%1x%1/").arg(size);
        QTest::addRow("application %d", size)
            << dir + "apps/" + AppConfig::kDesktopId + ".png" << size;
        QTest::addRow("project %d", size) << dir + "mimetypes/application-x-pictorb.png" << size;
    }
}

void InstallTest::iconSizes()
{
    QFETCH(QString, file);
    QFETCH(int, size);
    const QImage icon(installed(file));
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
    // Drawn, not blank: the corners are transparent and the middle is not.
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QVERIFY(qAlpha(icon.pixel(size / 2, size / 2)) > 0);
}

void InstallTest::desktopEntryValidates()
{
    const QString file = installed("share/applications/" + AppConfig::kDesktopId + ".desktop");
    const Run validate = run("desktop-file-validate", {file});
    QVERIFY2(validate.exitCode == 0 && validate.out.isEmpty() && validate.err.isEmpty(),
             validate.describe());

    const QMap<QString, QString> entry = desktopEntry(file);
    QCOMPARE(entry.value("Exec"), QStringLiteral("pictorb %F"));
    QCOMPARE(entry.value("Icon"), AppConfig::kDesktopId);
    QVERIFY(entry.value("Categories").split(';').contains("Graphics"));
    const QStringList types = entry.value("MimeType").split(';');
    for (const char* type : {"image/jpeg", "image/png", "image/webp", "application/x-pictorb",
                             "video/mp4", "video/x-matroska"})
        QVERIFY2(types.contains(type), type);
    // The window names this entry, so the desktop matches it to its launcher and icon.
    QCOMPARE(QFileInfo(file).completeBaseName(), AppConfig::kDesktopId);
}

void InstallTest::metainfoValidates()
{
    const Run validate = run(
        "appstreamcli", {"validate", "--no-net", "--explain",
                         installed("share/metainfo/" + AppConfig::kDesktopId + ".metainfo.xml")});
    QVERIFY2(validate.exitCode == 0, validate.describe());
    // The whole tree: the metainfo's desktop entry and icon are where it says.
    const Run tree = run("appstreamcli", {"validate-tree", "--no-net", m_prefix});
    QVERIFY2(tree.exitCode == 0, tree.describe());
}

void InstallTest::releaseNotesComeFromChangelog()
{
    const QString version = projectVersion();
    const QStringList notes = changelogItems(version);
    QVERIFY(!notes.isEmpty());
    QString date;
    const QStringList items = releaseItems(
        installed("share/metainfo/" + AppConfig::kDesktopId + ".metainfo.xml"), version, &date);
    QCOMPARE(items, notes);
    const QString heading = "## [" + version + "] - " + date;
    QVERIFY2(readBytes(kSourceDir + "/CHANGELOG.md").contains(heading.toUtf8()),
             qPrintable(heading));
}

void InstallTest::projectFilesHaveTheirType()
{
    // shared-mime-info compiles the installed definition as the package's trigger does.
    const QString mime = m_root.filePath("mime");
    QVERIFY(QDir().mkpath(mime + "/packages"));
    QVERIFY(QFile::copy(installed("share/mime/packages/" + AppConfig::kDesktopId + ".xml"),
                        mime + "/packages/pictorb.xml"));
    const Run update = run("update-mime-database", {"-V", mime});
    QVERIFY2(update.exitCode == 0 && !update.err.contains("rror"), update.describe());
    const auto lines = [&mime](const char* file) { return readBytes(mime + file).split('\n'); };
    QVERIFY(lines("/globs2").contains("50:application/x-pictorb:*.pictorb"));
    QVERIFY(lines("/subclasses").contains("application/x-pictorb application/zip"));
    QVERIFY(readBytes(mime + "/application/x-pictorb.xml").contains("<comment>Pictorb project<"));
    // Its icon is found under the name the desktop derives from the type.
    QVERIFY(QFileInfo::exists(
        installed("share/icons/hicolor/48x48/mimetypes/application-x-pictorb.png")));
}

void InstallTest::manPagesRender_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("mentions");
    QTest::newRow("pictorb") << "pictorb" << QStringList{"--version", "PICTORB_UPDATE_URL"};
    QTest::newRow("pictorb-sheet")
        << "pictorb-sheet" << QStringList{"--version", "--layout", "--subtitles", "--y-space"};
}

void InstallTest::manPagesRender()
{
    QFETCH(QString, program);
    QFETCH(QStringList, mentions);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("MANWIDTH", "100");
    environment.insert("LC_ALL", "C.UTF-8");
    const Run man = run("man",
                        {"--warnings", "-E", "UTF-8", "-P", "cat", "-l",
                         installed("share/man/man1/" + program + ".1.gz")},
                        environment);
    QVERIFY2(man.exitCode == 0 && man.err.isEmpty(), man.describe());
    QVERIFY2(man.out.contains(
                 QRegularExpression("NAME\\s+" + QRegularExpression::escape(program) + "\\s+- ")),
             qPrintable(man.out.left(500)));
    for (const QString& mention : mentions)
        QVERIFY2(man.out.contains(mention), qPrintable(mention));
    // The footer carries the version the program reports.
    QVERIFY(man.out.contains(program + " " + projectVersion()));
}

void InstallTest::installedProgramsTellOneVersion_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("option");
    QTest::newRow("pictorb --version") << "pictorb"
                                       << "--version";
    QTest::newRow("pictorb -v") << "pictorb"
                                << "-v";
    QTest::newRow("pictorb-sheet --version") << "pictorb-sheet"
                                             << "--version";
    QTest::newRow("pictorb-sheet -v") << "pictorb-sheet"
                                      << "-v";
}

void InstallTest::installedProgramsTellOneVersion()
{
    QFETCH(QString, program);
    QFETCH(QString, option);
    // Without a display and beside nothing else: the answer needs neither.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    const Run version = run(installed("bin/" + program), {option}, environment);
    QVERIFY2(version.exitCode == 0 && version.err.isEmpty(), version.describe());
    QCOMPARE(version.out, program + " " + projectVersion() + "\n");
}

void InstallTest::installedSheetToolMakesSheet()
{
    const QString first = m_root.filePath("first.png");
    const QString second = m_root.filePath("second.png");
    QVERIFY(solid(64, 36, Qt::red).save(first));
    QVERIFY(solid(64, 36, Qt::blue).save(second));
    const QString sheet = m_root.filePath("sheet.png");
    const Run make = run(installed("bin/pictorb-sheet"), {first, second, "-o", sheet});
    QVERIFY2(make.exitCode == 0, make.describe());
    const QImage merged(sheet);
    QCOMPARE(merged.size(), QSize(64, 72));
    QCOMPARE(merged.pixelColor(32, 10), QColor(Qt::red));
    QCOMPARE(merged.pixelColor(32, 60), QColor(Qt::blue));
}

void InstallTest::installedWindowStartsAndTakesFiles()
{
    const QString still = m_root.filePath("still.png");
    QVERIFY(solid(64, 36, Qt::green).save(still));
    QProcess window;
    window.start(installed("bin/pictorb"), {still});
    // A start has come far when it logs the network library it found.
    const QString logs = qEnvironmentVariable("XDG_DATA_HOME");
    const auto logged = [&logs](const QByteArray& text) {
        QDirIterator it(logs, {"*.log"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            if (readBytes(it.next()).contains(text))
                return true;
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(
        logged("sslLibraryVersionString") || window.state() == QProcess::NotRunning, 60000);
    QVERIFY2(window.state() == QProcess::Running, window.readAllStandardError().right(2000));

    // What a file manager does with a second file: the running window takes it.
    const Run handOver = run(installed("bin/pictorb"), {still});
    QCOMPARE(handOver.exitCode, 0);
    QTRY_VERIFY_WITH_TIMEOUT(logged("a later start asks for the window with 1 files"), 30000);
    QVERIFY(window.state() == QProcess::Running);
    window.terminate();
    if (!window.waitForFinished(10000)) {
        window.kill();
        window.waitForFinished();
    }
}

void InstallTest::debianPackageHoldsTheTree()
{
    const QString out = m_root.filePath("deb");
    const Run pack = run(PICTORB_CPACK_COMMAND,
                         {"-G", "DEB", "-B", out, "--config", kBuildDir + "/CPackConfig.cmake"});
    QVERIFY2(pack.exitCode == 0, pack.describe());
    const QStringList debs = QDir(out).entryList({"*.deb"}, QDir::Files);
    QCOMPARE(debs.size(), 1);
    const QString deb = out + '/' + debs.first();

    const Run fields = run("dpkg-deb", {"--field", deb, "Package", "Version", "Depends"});
    QVERIFY2(fields.exitCode == 0, fields.describe());
    QVERIFY(fields.out.contains("Package: pictorb\n"));
    QVERIFY(fields.out.contains("Version: " + projectVersion() + "\n"));
    // Computed from the linked libraries with their lowest versions; the WEBP plug-in that Qt
    // loads at run time is named by hand.
    for (const char* dependency : {"libqt5widgets5 (>= ", "libqt5network5 (>= ", "libc6 (>= ",
                                   "libkf5archive5 (>= ", "qt5-image-formats-plugins"})
        QVERIFY2(fields.out.contains(dependency), qPrintable(fields.out));

    // Unpacked into a scratch root: the same files as the install, under /usr.
    const QString root = m_root.filePath("root");
    const Run unpack = run("dpkg", {"-x", deb, root});
    QVERIFY2(unpack.exitCode == 0, unpack.describe());
    QCOMPARE(filesBelow(root + "/usr"), filesBelow(m_prefix));
    const Run version = run(root + "/usr/bin/pictorb-sheet", {"--version"});
    QCOMPARE(version.out, "pictorb-sheet " + projectVersion() + "\n");
}

void InstallTest::sourceTarballHoldsTheSources()
{
    const QString out = m_root.filePath("source");
    const Run pack =
        run(PICTORB_CPACK_COMMAND, {"-B", out, "--config", kBuildDir + "/CPackSourceConfig.cmake"});
    QVERIFY2(pack.exitCode == 0, pack.describe());
    const QString top = "pictorb-" + projectVersion() + "/";
    const Run list =
        run("tar", {"--list", "--gzip", "--file", out + '/' + top.chopped(1) + ".tar.gz"});
    QVERIFY2(list.exitCode == 0, list.describe());
    const QStringList entries = list.out.split('\n', Qt::SkipEmptyParts);
    for (const char* file :
         {"CMakeLists.txt", "CHANGELOG.md", "LICENSE", "packaging/CMakeLists.txt",
          "resources/icons/pictorb.svg", "tests/install/tst_install.cpp"})
        QVERIFY2(entries.contains(top + file), file);
    // Only the sources, in one folder named after the release: no build trees, no history.
    for (const QString& entry : entries) {
        QVERIFY2(entry.startsWith(top), qPrintable(entry));
        QVERIFY2(!entry.contains(QRegularExpression("^[^/]+/(build|\\.git/|dist/)")),
                 qPrintable(entry));
    }
}

void InstallTest::windowsResourcesCompile_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("pictorb") << "pictorb";
    QTest::newRow("pictorb-sheet") << "pictorb-sheet";
}

void InstallTest::windowsResourcesCompile()
{
    QFETCH(QString, program);
    const QString windows = kBuildDir + "/packaging/windows/";
    const QString res = m_root.filePath(program + ".res");
    // Without the MinGW compiler, the system's C preprocessor reads the script.
    const Run compile =
        run("x86_64-w64-mingw32-windres", {"--preprocessor=cpp", "-DPICTORB_EMBED_MANIFEST", "-i",
                                           windows + program + ".rc", "-O", "res", "-o", res});
    QVERIFY2(compile.exitCode == 0, compile.describe());
    const QList<Resource> resources = readResources(readBytes(res));

    const QList<Resource> versions = resourcesOfType(resources, kVersionType);
    QCOMPARE(versions.size(), 1);
    const QByteArray version = versions.first().data;
    const QString number = projectVersion();
    QCOMPARE(versionValue(version, "ProductVersion"), number);
    QCOMPARE(versionValue(version, "FileVersion"), number);
    QCOMPARE(versionValue(version, "ProductName"), QStringLiteral("Pictorb"));
    QCOMPARE(versionValue(version, "CompanyName"), AppConfig::kCompanyName);
    QCOMPARE(versionValue(version, "OriginalFilename"), program + ".exe");
    QVERIFY(versionValue(version, "LegalCopyright").contains(AppConfig::kCompanyName));
    // The binary version that Explorer compares: major.minor in one word, patch in the next.
    const int fixed = version.indexOf(QByteArray::fromHex("bd04effe"));
    QVERIFY(fixed > 0);
    const QStringList parts = number.split('.');
    QCOMPARE(qFromLittleEndian<quint32>(version.constData() + fixed + 8),
             quint32(parts.at(0).toUInt() << 16 | parts.at(1).toUInt()));
    QCOMPARE(qFromLittleEndian<quint32>(version.constData() + fixed + 12),
             quint32(parts.at(2).toUInt() << 16));

    // Qt's window icon and the project icon, each with its seven sizes (0 stands for 256).
    const QList<Resource> groups = resourcesOfType(resources, kGroupIconType);
    QCOMPARE(groups.size(), 2);
    QCOMPARE(groups.first().name, QVariant(QStringLiteral("IDI_ICON1")));
    for (const Resource& group : groups) {
        QList<int> sizes;
        const int count = qFromLittleEndian<quint16>(group.data.constData() + 4);
        for (int i = 0; i < count; ++i) {
            const int entry = 6 + i * 14;
            QCOMPARE(group.data.at(entry), group.data.at(entry + 1)); // square
            QCOMPARE(qFromLittleEndian<quint16>(group.data.constData() + entry + 6),
                     quint16(32)); // bits per pixel
            sizes << (quint8(group.data.at(entry)) == 0 ? 256 : quint8(group.data.at(entry)));
        }
        QCOMPARE(sizes, (QList<int>{16, 24, 32, 48, 64, 128, 256}));
    }
    QCOMPARE(resourcesOfType(resources, kIconType).size(), 14);

    const QList<Resource> manifests = resourcesOfType(resources, kManifestType);
    QCOMPARE(manifests.size(), 1);
    QCOMPARE(manifests.first().name, QVariant(1));
    QCOMPARE(manifests.first().data, readBytes(windows + "pictorb.manifest"));
}

void InstallTest::windowsManifest()
{
    const QString manifest = kBuildDir + "/packaging/windows/pictorb.manifest";
    const Run lint = run("xmllint", {"--noout", manifest});
    QVERIFY2(lint.exitCode == 0 && lint.err.isEmpty(), lint.describe());
    const QByteArray bytes = readBytes(manifest);
    const QString settings2016 = "http://schemas.microsoft.com/SMI/2016/WindowsSettings";
    QVERIFY(xmlText(bytes, settings2016, "dpiAwareness").startsWith("PerMonitorV2"));
    QCOMPARE(xmlText(bytes, "http://schemas.microsoft.com/SMI/2005/WindowsSettings", "dpiAware"),
             QStringLiteral("true/pm"));
    QCOMPARE(xmlText(bytes, settings2016, "longPathAware"), QStringLiteral("true"));
}

void InstallTest::windowsInstallerScriptBuilds()
{
    // NSIS makes an installer of this build's files here too: what is checked is the script
    // CPack writes, with the file associations, Start menu entry and uninstaller.
    const QString out = m_root.filePath("nsis");
    const Run pack =
        run(PICTORB_CPACK_COMMAND, {"-G", "NSIS", "-B", out, "-D", "CPACK_NSIS_COMPRESSOR=zlib",
                                    "--config", kBuildDir + "/CPackConfig.cmake"});
    QVERIFY2(pack.exitCode == 0, pack.describe());
    const QStringList installers = QDir(out).entryList({"pictorb-*.exe"}, QDir::Files);
    QCOMPARE(installers.size(), 1);
    QVERIFY(readBytes(out + '/' + installers.first()).startsWith("MZ"));

    QDirIterator scripts(out, {"project.nsi"}, QDir::Files, QDirIterator::Subdirectories);
    QVERIFY(scripts.hasNext());
    const QByteArray script = readBytes(scripts.next());
    QVERIFY(script.contains("!insertmacro PictorbAssociate"));
    QVERIFY(script.contains("!insertmacro PictorbDissociate"));
    QVERIFY(script.contains(
        R"(CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\Pictorb.lnk" "$INSTDIR\bin\pictorb.exe")"));
    QVERIFY(script.contains(R"(WriteUninstaller "$INSTDIR\Uninstall.exe")"));
}

PICTORB_TEST_MAIN(InstallTest)
#include "tst_install.moc"

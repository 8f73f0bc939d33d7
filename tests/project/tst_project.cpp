// Work that cannot be lost: undo and redo of every change, projects saved and opened, the
// session that comes back after a kill.

#include "core/base/AppConfig.h"
#include "core/base/Settings.h"
#include "core/project/ProjectFile.h"
#include "core/project/SessionStore.h"
#include "gui/application/GlobalManager.h"
#include "gui/application/History.h"
#include "gui/application/MetaTypes.h"
#include "gui/editor/CaptionStyleEditor.h"
#include "gui/editor/VideoPlayWidget.h"
#include "gui/images/ImageItem.h"
#include "gui/images/ImagesWidget.h"
#include "gui/mainwindow/CollectionDocument.h"
#include "gui/mainwindow/DocumentActions.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/preview/PreviewWidget.h"
#include "gui/widgets/NoticeBar.h"
#include "gui/widgets/PropertyItem.h"
#include "support/TestSupport.h"

#include <KZip>

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QUndoStack>

using namespace TestSupport;

namespace {

void typeOver(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
}

// The preview's merge of the ticked cards, which Export writes.
QImage merged(MainWindow& window)
{
    return window.previewWidget()->groupImage();
}

QByteArray zipOf(const QList<QPair<QString, QByteArray>>& entries)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    KZip zip(&buffer);
    zip.open(QIODevice::WriteOnly);
    for (const auto& entry : entries)
        zip.writeFile(entry.first, entry.second);
    zip.close();
    return bytes;
}

} // namespace

class TestProject : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void undoRedoIsExact();
    void projectRoundTrip();
    void badProjects_data();
    void badProjects();
    void closingAsksForANamedProject_data();
    void closingAsksForANamedProject();
    void sessionSurvivesAKill();
    void sessionWritesAStillOnce();

private:
    QStringList stills(int count, int first = 0);
    void import(MainWindow& window, const QStringList& files);

    QTemporaryDir m_files;
    DesktopCatcher m_desktop;
};

void TestProject::initTestCase()
{
    registerMetaTypes();
    Settings::instance()->setValue(AppConfig::kFirstOpenApp, true);
}

void TestProject::cleanup()
{
    GlobalManager::instance()->selectedItems().clear();
    DocumentActions::setQuestion({});
    DocumentActions::setSaveChooser({});
}

QStringList TestProject::stills(int count, int first)
{
    QStringList paths;
    for (int i = first; i < first + count; ++i) {
        paths << m_files.filePath(QStringLiteral("still %1.png").arg(i));
        if (!QFileInfo::exists(paths.last()))
            pattern(i, 320, 180).save(paths.last());
    }
    return paths;
}

void TestProject::import(MainWindow& window, const QStringList& files)
{
    window.openFiles(files);
    QTRY_VERIFY(!window.imagesWidget()->isImporting());
}

// A fixed-seed run of every kind of change, then as many undos: the merged picture is the one
// before, pixel for pixel; as many redos give the one after.
void TestProject::undoRedoIsExact()
{
    MainWindow window;
    window.show();
    import(window, stills(3));
    window.document()->history()->clear();
    ImagesWidget* strip = window.imagesWidget();
    PreviewWidget* preview = window.previewWidget();
    CaptionStyleEditor* editor = window.videoPlayWidget()->captionEditor();
    const QImage before = merged(window);

    QRandomGenerator random(20261207);
    for (int step = 0; step < 40; ++step) {
        const int cards = strip->cards().size();
        ImageItem* card = cards ? strip->cards().at(random.bounded(cards)) : nullptr;
        const int kind = cards ? random.bounded(9) : 0;
        if (card && kind > 0)
            QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(80, 10)); // selecting is no step
        const int steps = window.document()->history()->stack()->count();
        switch (kind) {
        case 0:
            import(window, stills(1, 3 + step));
            break;
        case 1:
            QTest::keyClicks(editor->textEdit(), QStringLiteral("line %1").arg(step));
            break;
        case 2:
            typeOver(editor->property(CaptionStyleEditor::Size)->lineEdit(),
                     QString::number(10 + random.bounded(40)));
            break;
        case 3:
            card->findChild<QCheckBox*>()->click();
            break;
        case 4:
            strip->deleteImage(card);
            break;
        case 5:
            editor->fontStyleBox(CaptionStyleEditor::Bold)->click();
            break;
        case 6:
            preview->layoutButton(random.bounded(3))->click();
            break;
        case 7:
            typeOver(preview->property(PreviewWidget::YSpace)->lineEdit(),
                     QString::number(random.bounded(-100, 20)));
            break;
        default:
            strip->applyCurrentStyle();
            break;
        }
        // Each action is one step at most (a layout already chosen is none).
        QVERIFY2(window.document()->history()->stack()->count() <= steps + 1,
                 qPrintable(QStringLiteral("action %1 made %2 steps, the last \"%3\"")
                                .arg(kind)
                                .arg(window.document()->history()->stack()->count() - steps)
                                .arg(window.document()->history()->stack()->undoText())));
    }
    if (!strip->cards().isEmpty())
        strip->clearButtonClickedHandle();
    QVERIFY(strip->cards().isEmpty());
    const QImage after = merged(window);
    QUndoStack* stack = window.document()->history()->stack();
    QCOMPARE(window.documentActions()->editMenu()->actions().first()->text(),
             QStringLiteral("Undo Clear"));
    while (stack->canUndo())
        stack->undo();
    QCOMPARE(merged(window), before);
    QCOMPARE(strip->cards().size(), 3);
    while (stack->canRedo())
        stack->redo();
    QCOMPARE(merged(window), after);
    // The history's keys work in a clicked text field too, whose own undo would otherwise take
    // them.
    stack->undo();
    QVERIFY(!strip->cards().isEmpty());
    window.activateWindow();
    QLineEdit* ySpace = preview->property(PreviewWidget::YSpace)->lineEdit();
    QTest::mouseClick(ySpace, Qt::LeftButton);
    QVERIFY(ySpace->hasFocus());
    QTest::keyClick(ySpace, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(strip->cards().isEmpty());

    // Past the history's cap on pictures it keeps, the oldest deletions are forgotten.
    window.document()->history()->clear();
    import(window, stills(4));
    const qint64 one = strip->cards().first()->sourceImage().sizeInBytes();
    window.document()->history()->setMaxHeldBytes(2 * one);
    for (int i = 0; i < 3; ++i)
        strip->deleteImage(strip->cards().first());
    while (stack->canUndo())
        stack->undo();
    QCOMPARE(strip->cards().size(), 3);
}

// Saved, opened in a new window: the same stills in the same order with the same captions,
// ticks and layout, and the same exported pixels; the title names the project and marks changes.
void TestProject::projectRoundTrip()
{
    const QString project = m_files.filePath(QStringLiteral("trip.pictorb"));
    QImage exported;
    {
        MainWindow window;
        import(window, stills(3));
        window.imagesWidget()->cards().at(1)->findChild<QCheckBox*>()->click();
        QTest::mouseClick(window.imagesWidget()->cards().at(2), Qt::LeftButton, {}, QPoint(80, 10));
        QTest::keyClicks(window.videoPlayWidget()->captionEditor()->textEdit(),
                         QStringLiteral("Kept"));
        window.previewWidget()->layoutButton(MergeLayout::Horizontal)->click();
        exported = merged(window);
        DocumentActions::setSaveChooser(
            [&project](QWidget*, const QString&, const QString&, const QString&) {
                return QString(project).chopped(8); // the suffix is added
            });
        QVERIFY(window.documentActions()->saveAs());
        QCOMPARE(window.windowTitle(), QStringLiteral("trip.pictorb[*] - Pictorb"));
        QVERIFY(!window.isWindowModified());
        window.imagesWidget()->deleteImage(window.imagesWidget()->cards().first());
        QVERIFY(window.isWindowModified());
    }
    // The sources are gone: the project holds its stills itself.
    for (const QString& still : stills(3))
        QFile::remove(still);
    MainWindow window;
    window.openFiles({project});
    QCOMPARE(window.imagesWidget()->cards().size(), 3);
    QCOMPARE(window.imagesWidget()->cards().at(2)->caption()->text, QStringLiteral("Kept"));
    QVERIFY(!window.imagesWidget()->cards().at(1)->isChecked());
    QCOMPARE(window.previewWidget()->layoutType(), int(MergeLayout::Horizontal));
    QCOMPARE(merged(window), exported);
    QVERIFY(!window.isWindowModified());
    // Its stills are the bytes imported, not pictures encoded again.
    KZip zip(project);
    QVERIFY(zip.open(QIODevice::ReadOnly));
    const QStringList entries = zip.directory()->entries();
    QVERIFY(entries.contains(QStringLiteral("stills")));
}

void TestProject::badProjects_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray still = [] {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        pattern(1, 32, 18).save(&buffer, "PNG");
        return png;
    }();
    const auto describe = [](const QByteArray& stills, const QByteArray& canvas = "[32,18]") {
        return QByteArray(R"({"pictorb":1,"canvas":)") + canvas + R"(,"stills":[)" + stills + "]}";
    };
    const QByteArray one = R"({"file":"stills/a.png","caption":{"text":"x"}})";
    const QByteArray good = zipOf({{"project.json", describe(one)}, {"stills/a.png", still}});
    QTest::newRow("not a zip") << QByteArray("plain text, no archive") << "not a project file";
    QTest::newRow("cut short") << good.left(good.size() / 2) << "not a project file";
    QTest::newRow("no description")
        << zipOf({{"stills/a.png", still}}) << "the project description is missing";
    QTest::newRow("description not JSON")
        << zipOf({{"project.json", "{{{"}}) << "the project description is damaged";
    QTest::newRow("stills of the wrong type")
        << zipOf({{"project.json", R"({"pictorb":1,"canvas":[32,18],"stills":"many"})"}})
        << "the list of stills is missing";
    QTest::newRow("a name outside the bundle")
        << zipOf({{"project.json", describe(R"({"file":"../../etc/passwd"})")}})
        << "a still is named \"../../etc/passwd\"";
    QTest::newRow("a missing still")
        << zipOf({{"project.json", describe(one)}}) << "the still \"stills/a.png\" is missing";
    QTest::newRow("a still that is no picture")
        << zipOf({{"project.json", describe(one)}, {"stills/a.png", "words"}})
        << "the still \"stills/a.png\" cannot be read";
    QTest::newRow("a huge picture size")
        << zipOf({{"project.json", describe(one, "[100000,100000]")}, {"stills/a.png", still}})
        << "the picture size is missing or out of range";
    QByteArray many = one;
    for (int i = 0; i < ProjectData::kMaxStills; ++i)
        many += ',' + one;
    QTest::newRow("more stills than a project holds")
        << zipOf({{"project.json", describe(many)}}) << "stills, more than a project can hold";
    // A zip bomb: a still that inflates to more than a still may be from a few hundred kilobytes.
    QTest::newRow("a zip bomb") << zipOf({{"project.json", describe(one)},
                                          {"stills/a.png",
                                           QByteArray(ProjectFile::kMaxStillBytes + 1, '\0')}})
                                << "the still \"stills/a.png\" is too large";
    QTest::newRow("a newer version")
        << zipOf({{"project.json", R"({"pictorb":99})"}}) << "made by a newer Pictorb";
}

// A damaged or hostile project is refused with the reason, and what was open stays.
void TestProject::badProjects()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString path = m_files.filePath(QStringLiteral("bad.pictorb"));
    QVERIFY(writeBytes(path, bytes));
    DocumentActions::setQuestion(
        [](QWidget*, const QString&) { return int(QMessageBox::Discard); });
    MainWindow window;
    window.show();
    import(window, stills(2));
    const QImage before = merged(window);
    window.openFiles({path});
    QVERIFY2(window.noticeBar()->text().contains(reason), qPrintable(window.noticeBar()->text()));
    QVERIFY(
        window.noticeBar()->text().startsWith(QStringLiteral("bad.pictorb could not be opened")));
    QCOMPARE(window.imagesWidget()->cards().size(), 2);
    QCOMPARE(merged(window), before);

    // Read directly, it leaves the record it was read into as it was.
    ProjectData kept;
    kept.canvas = QSize(7, 5);
    QString error;
    QVERIFY(!ProjectFile::read(path, &kept, &error));
    QCOMPARE(kept.canvas, QSize(7, 5));
    QVERIFY(kept.stills.isEmpty());
}

void TestProject::closingAsksForANamedProject_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("savedCards"); // in the project file afterwards
    QTest::newRow("save") << int(QMessageBox::Save) << true << 1;
    QTest::newRow("discard") << int(QMessageBox::Discard) << true << 2;
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << 2;
}

void TestProject::closingAsksForANamedProject()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    const QString project = m_files.filePath(QStringLiteral("named.pictorb"));
    MainWindow window;
    window.show();
    import(window, stills(2));
    QString error;
    QVERIFY(window.document()->saveProject(project, &error));
    window.imagesWidget()->deleteImage(window.imagesWidget()->cards().first());
    int asked = 0;
    DocumentActions::setQuestion([&asked, answer](QWidget*, const QString& text) {
        asked += text.contains(QStringLiteral("named.pictorb has changes")) ? 1 : 0;
        return answer;
    });
    QCOMPARE(window.close(), closed);
    QCOMPARE(asked, 1);
    ProjectData saved;
    QVERIFY(ProjectFile::read(project, &saved, &error));
    QTEST(int(saved.stills.size()), "savedCards");
    // A decision was made: nothing comes back at the next start.
    if (closed)
        QVERIFY(!SessionStore().exists());
}

// The real program, killed: the next start brings the collection back as it was.
void TestProject::sessionSurvivesAKill()
{
    const QStringList files = stills(3, 50);
    SessionStore().discard(); // what the windows above left
    QProcess first;
    // Its log is not read here: a full pipe would stop it.
    first.setStandardOutputFile(QProcess::nullDevice());
    first.setStandardErrorFile(QProcess::nullDevice());
    first.start(QStringLiteral(PICTORB_EXECUTABLE), files);
    const QString session = SessionStore::defaultFolder() + QStringLiteral("/session.json");
    QTRY_VERIFY_WITH_TIMEOUT(QJsonDocument::fromJson(readBytes(session))
                                     .object()
                                     .value(QStringLiteral("stills"))
                                     .toArray()
                                     .size() == 3,
                             30000);
    first.kill(); // SIGKILL: nothing is saved on the way out
    QVERIFY(first.waitForFinished(10000));

    QProcess second;
    second.setProcessChannelMode(QProcess::MergedChannels);
    second.start(QStringLiteral(PICTORB_EXECUTABLE), QStringList());
    QByteArray output;
    QVERIFY(QTest::qWaitFor(
        [&] {
            output += second.readAll();
            return output.contains("Restored your last session");
        },
        30000));
    second.kill();
    second.waitForFinished(10000);

    // The same session, restored here: the stills in order, and their merge.
    for (const QString& file : files)
        QFile::remove(file);
    MainWindow window;
    window.show();
    window.restoreSession();
    QCOMPARE(window.imagesWidget()->cards().size(), 3);
    QVERIFY(window.noticeBar()->text().contains(QStringLiteral("Restored your last session")));
    const QImage expected =
        MergeLayout::merge({pattern(50, 320, 180), pattern(51, 320, 180), pattern(52, 320, 180)},
                           window.previewWidget()->settings().layout);
    QCOMPARE(merged(window).convertToFormat(QImage::Format_RGB32),
             expected.convertToFormat(QImage::Format_RGB32));
    window.noticeBar()->actionButton()->click(); // "Start empty"
    QVERIFY(window.imagesWidget()->cards().isEmpty());
    QVERIFY(!SessionStore().exists());
}

// Autosave runs after every change: a still already kept is never encoded and written again.
void TestProject::sessionWritesAStillOnce()
{
    QTemporaryDir folder;
    SessionStore store(folder.path());
    ProjectData data;
    ProjectStill still;
    still.picture = pattern(7, 64, 36);
    still.origin = StillOrigin::fromBytes(QByteArray(), QString());
    data.stills << still;
    QString error;
    QVERIFY2(store.save(data, QString(), true, &error), qPrintable(error));
    const QString kept = folder.filePath(QStringLiteral("stills/%1.png").arg(still.origin.id));
    QVERIFY(writeBytes(kept, "already here"));
    data.stills << data.stills.first();
    data.stills.last().origin.id = StillOrigin::newId();
    QVERIFY2(store.save(data, QString(), true, &error), qPrintable(error));
    QCOMPARE(readBytes(kept), QByteArray("already here"));
    QCOMPARE(QDir(folder.filePath(QStringLiteral("stills"))).entryList(QDir::Files).size(), 2);
}

PICTORB_TEST_MAIN(TestProject)
#include "tst_project.moc"

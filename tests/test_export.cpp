#include "app/error_report.h"
#include "app/form1.h"
#include "app/picbox.h"
#include "app/qt_save_dialog.h"
#include "common/runtime_error.h"
#include "export/picture.h"
#include "export/save.h"
#include "font/qt_font_service.h"
#include "paint/random.h"
#include "surface/canvas.h"

#include "app_support.h"
#include "support.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <functional>
#include <optional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace qimbora;
using testing::errorOf;
using testing::RecordingReport;
using FakeDialog = testing::ScriptedDialog;

namespace {

QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 5, y * 7, (x + y) * 3));
    }
    return image;
}

QImage readBack(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QImage::fromData(file.readAll(), "BMP").convertToFormat(QImage::Format_RGB32);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Limits the size of files this process writes, for one scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved{};
};

// Acts on the file dialog as soon as it shows; closes whatever is modal if it never does.
void whenDialogShown(std::function<void(QFileDialog*)> act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act, tries = 0]() mutable {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        const bool give_up = ++tries > 500;
        if (!(dialog && dialog->isVisible()) && !give_up)
            return;
        timer->stop();
        timer->deleteLater();
        if (dialog)
            act(dialog);
        else if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    timer->start(10);
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void init();
    void oddSizedImageRoundTrips();
    void filterInQtForm();
    void freshCanvasSavesTheBackground();
    void anyExtensionGetsABitmap_data();
    void anyExtensionGetsABitmap();
    void savingTwiceReplaces();
    void cancelWritesNothing();
    void missingFolderIsReported();
    void failedWriteLeavesTheOldFile();
    void windowSavesOnlyTheCanvas();
    void realDialogReturnsTheTypedPath();
    void failuresSayWhyInChinese_data();
    void failuresSayWhyInChinese();
    void writableFileInAFolderThatIsNot();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestExport::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestExport::oddSizedImageRoundTrips()
{
    // 47 pixels: each row of 141 bytes is padded to 144.
    const QImage image = gradient(47, 33);
    SavePicture(image, path("g.bmp").toStdString());
    QCOMPARE(contents(path("g.bmp")).size(), 54 + 144 * 33);
    QCOMPARE(readBack(path("g.bmp")), image);
}

void TestExport::filterInQtForm()
{
    QCOMPARE(toQtNameFilters(kBitmapFilter), (QStringList{"Bitmap (*.bmp)", "All files (*)"}));
}

void TestExport::freshCanvasSavesTheBackground()
{
    Canvas canvas(QSize(1122, 693), rgbColor(0, 0, 64));
    FakeDialog dialog;
    dialog.answers = {path("fresh.bmp").toStdString()};
    Command3_Click(dialog, canvas);
    QCOMPARE(dialog.filters, std::vector<std::string>{"Bitmap(*.bmp)|*.bmp|All files(*.*)|*.*"});
    QImage blue(1122, 693, QImage::Format_RGB32);
    blue.fill(qRgb(0, 0, 64));
    const QImage saved = readBack(path("fresh.bmp"));
    QCOMPARE(saved, blue);
    QCOMPARE(saved.dotsPerMeterX(), 3780); // 96 dots per inch
}

void TestExport::anyExtensionGetsABitmap_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("jpg") << "picture.jpg";
    QTest::newRow("no extension") << "picture";
    QTest::newRow("Chinese and blanks") << "我的 花 园.bmp";
}

void TestExport::anyExtensionGetsABitmap()
{
    QFETCH(QString, name);
    Canvas canvas(QSize(30, 20), rgbColor(10, 20, 30));
    FakeDialog dialog;
    dialog.answers = {path(name).toStdString()};
    Command3_Click(dialog, canvas);
    // Written exactly where the dialog said: no extension added or changed.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{name});
    QCOMPARE(contents(path(name)).left(2), QByteArray("BM"));
    QCOMPARE(readBack(path(name)), canvas.image());
}

void TestExport::savingTwiceReplaces()
{
    Canvas canvas(QSize(30, 20), rgbColor(10, 20, 30));
    FakeDialog dialog;
    dialog.answers = {path("a.bmp").toStdString(), path("a.bmp").toStdString()};
    Command3_Click(dialog, canvas);
    canvas.setBackColor(rgbColor(200, 100, 0));
    Command3_Click(dialog, canvas);
    QCOMPARE(readBack(path("a.bmp")), canvas.image());
    QCOMPARE(dialog.filters.size(), std::size_t(2)); // the filter is set on every click
}

void TestExport::cancelWritesNothing()
{
    Canvas canvas(QSize(30, 20), rgbColor(10, 20, 30));
    FakeDialog dialog;
    dialog.answers = {path("kept.bmp").toStdString(), ""};
    Command3_Click(dialog, canvas);
    const QByteArray kept = contents(path("kept.bmp"));
    canvas.setBackColor(rgbColor(1, 2, 3));
    Command3_Click(dialog, canvas);
    QCOMPARE(dialog.showings, 2);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"kept.bmp"});
    QCOMPARE(contents(path("kept.bmp")), kept);
}

void TestExport::missingFolderIsReported()
{
    Canvas canvas(QSize(30, 20), rgbColor(10, 20, 30));
    FakeDialog dialog;
    dialog.answers = {path("no such folder/p.bmp").toStdString()};
    QCOMPARE(errorOf([&] { Command3_Click(dialog, canvas); }), ErrorKind::Platform);
    QVERIFY(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

void TestExport::failedWriteLeavesTheOldFile()
{
    Canvas small(QSize(30, 20), rgbColor(10, 20, 30));
    FakeDialog dialog;
    dialog.answers = {path("old.bmp").toStdString(), path("old.bmp").toStdString()};
    Command3_Click(dialog, small);
    const QByteArray old = contents(path("old.bmp"));

    // The disk runs out half-way through the big canvas.
    Canvas big(QSize(1122, 693), rgbColor(0, 0, 64));
    std::optional<ErrorKind> error;
    try {
        const FileSizeLimit limit(100000);
        Command3_Click(dialog, big);
    } catch (const RuntimeError& e) {
        error = e.kind();
        QVERIFY(QString::fromStdString(e.detail()).contains(QStringLiteral("old.bmp")));
    }
    QCOMPARE(error, ErrorKind::Platform);
    QCOMPARE(contents(path("old.bmp")), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.bmp"});
}

void TestExport::windowSavesOnlyTheCanvas()
{
    Pcg32 random;
    RecordingReport report;
    QtFontService fonts;
    FakeDialog dialog;
    dialog.answers = {path("window.bmp").toStdString(), path("missing/x.bmp").toStdString(), "<throw>"};
    Silence speaker;
    Form1 form({random, report, fonts, dialog, speaker});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(&form.pic(), Qt::LeftButton, {}, QPoint(602, 302));
    auto* save = form.findChild<QPushButton*>(QStringLiteral("Command3"));
    QTest::mouseClick(save, Qt::LeftButton);

    // The file is the canvas's image: flowers and numbers, not the praise label
    // or the buttons that lie over the canvas.
    const QImage saved = readBack(path("window.bmp"));
    QCOMPARE(saved, form.pic().canvas().image());
    const QImage blue = QImage(QSize(1122, 693), QImage::Format_RGB32);
    for (const QRect& over : {QRect(784, 4, 333, 41), QRect(0, 638, 154, 27), QRect(326, 630, 161, 21)}) {
        for (int y = over.top(); y <= over.bottom(); ++y) {
            for (int x = over.left(); x <= over.right(); ++x)
                QCOMPARE(saved.pixel(x, y), qRgb(0, 0, 64));
        }
    }

    // A failing save is reported and the drawing stays; so with an error of no known kind.
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(report.messages.size(), 1);
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(report.messages.size(), 2);
    QVERIFY(report.messages[1].contains(QStringLiteral("the dialog broke")));
    QCOMPARE(form.pic().canvas().image(), saved);
}

void TestExport::realDialogReturnsTheTypedPath()
{
    QtSaveDialog dialog;
    dialog.setFilter(kBitmapFilter);
    const QString target = path("typed.bmp"); // ".bmp" added to a name typed without one
    QStringList filtersShown;
    whenDialogShown([&](QFileDialog* shown) {
        filtersShown = shown->nameFilters();
        auto* edit = shown->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        auto* buttons = shown->findChild<QDialogButtonBox*>();
        QPushButton* save = buttons ? buttons->button(QDialogButtonBox::Save) : nullptr;
        if (!edit || !save) {
            shown->reject();
            return;
        }
        // In an empty folder, typing a name opens no list of completions.
        shown->setDirectory(m_dir->path());
        QTest::keyClicks(edit, QStringLiteral("typed"));
        QTest::mouseClick(save, Qt::LeftButton);
    });
    dialog.ShowSave();
    QCOMPARE(filtersShown, (QStringList{"Bitmap (*.bmp)", "All files (*)"}));
    QCOMPARE(QString::fromStdString(dialog.fileName()), target);

    Canvas canvas(QSize(40, 30), rgbColor(90, 0, 0));
    SavePicture(canvas.image(), dialog.fileName());
    QCOMPARE(readBack(target), canvas.image());

    // Cancelling gives the empty name.
    whenDialogShown([](QFileDialog* shown) { shown->reject(); });
    dialog.ShowSave();
    QCOMPARE(dialog.fileName(), std::string());
}

void TestExport::failuresSayWhyInChinese_data()
{
    QTest::addColumn<QString>("name");  // in the test's folder
    QTest::addColumn<int>("sizeLimit"); // bytes; 0 for none
    QTest::addColumn<QString>("says");
    QTest::newRow("folder missing") << "no such folder/p.bmp" << 0 << "文件夹不存在";
    QTest::newRow("name too long") << QString(300, QLatin1Char('n')) << 0 << "文件名太长";
    QTest::newRow("a folder's name") << "." << 0 << "文件夹的名字";
    QTest::newRow("file too large") << "big.bmp" << 100000 << "文件太大";
}

void TestExport::failuresSayWhyInChinese()
{
    QFETCH(QString, name);
    QFETCH(int, sizeLimit);
    QFETCH(QString, says);
    const Canvas canvas(QSize(1122, 693), rgbColor(0, 0, 64));
    QString message;
    try {
        std::optional<FileSizeLimit> limit;
        if (sizeLimit > 0)
            limit.emplace(sizeLimit);
        SavePicture(canvas.image(), path(name).toStdString());
    } catch (const RuntimeError& error) {
        message = QString::fromStdString(error.detail());
    }
    QVERIFY2(message.contains(says), qPrintable(message));
}

// Where the folder may not be written but the file may, the file is written in
// place. Root may write anywhere, so a child process gives up root first.
void TestExport::writableFileInAFolderThatIsNot()
{
    QTemporaryDir folder(QStringLiteral("/tmp/qimbora-XXXXXX"));
    const QString target = folder.filePath(QStringLiteral("kept.bmp"));
    QVERIFY(QFile(target).open(QIODevice::WriteOnly));
    QVERIFY(QFile::setPermissions(target,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther
                                      | QFileDevice::WriteOther));
    QVERIFY(QFile::setPermissions(folder.path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                      | QFileDevice::ReadOther | QFileDevice::ExeOther));
    const QImage image = gradient(47, 33);
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(2);
        try {
            SavePicture(image, target.toStdString());
        } catch (const RuntimeError& error) {
            std::fprintf(stderr, "%s\n", error.what());
            _exit(1);
        }
        _exit(0);
    }
    int status = -1;
    QCOMPARE(waitpid(child, &status, 0), child);
    QCOMPARE(status, 0);
    QCOMPARE(readBack(target), image);
}

QTEST_MAIN(TestExport)
#include "test_export.moc"

#include "app/form1.h"
#include "app/picbox.h"
#include "common/runtime_error.h"
#include "export/picture.h"
#include "export/save.h"
#include "font/qt_font_service.h"
#include "paint/random.h"
#include "surface/canvas.h"

#include "app_support.h"
#include "support.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <optional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace qimbora;
using testing::errorOf;

namespace {

QImage readBack(const QString& path) { return QImage(path, "BMP").convertToFormat(QImage::Format_RGB32); }

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

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.emplace().isValid()); }
    void savesWhereTheDialogSays();
    void failuresSayWhyAndKeepTheOldFile();
    void writableFileInAFolderThatIsNot();
    void windowSavesTheCanvasAndGoesOn();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    std::optional<QTemporaryDir> m_dir;
};

// Each click sets the filter and writes the canvas exactly where the dialog
// said, a bitmap whatever the extension; a cancel ("") writes nothing.
void TestExport::savesWhereTheDialogSays()
{
    const std::pair<QStringList, QString> rows[] = {{{"picture.jpg"}, "picture.jpg"},
                                                    {{"picture"}, "picture"},
                                                    {{"我的 花 园.bmp"}, "我的 花 园.bmp"},
                                                    {{"a.bmp", "a.bmp"}, "a.bmp"},
                                                    {{"kept.bmp", ""}, "kept.bmp"}};
    for (const auto& [answers, file] : rows) {
        QTemporaryDir folder;
        Canvas canvas(QSize(30, 20), rgbColor(10, 20, 30));
        testing::ScriptedDialog dialog;
        QImage saved;
        for (const QString& answer : answers) {
            dialog.answers = {answer.isEmpty() ? std::string() : folder.filePath(answer).toStdString()};
            Command3_Click(dialog, canvas);
            saved = answer.isEmpty() ? saved : canvas.image();
            canvas.setBackColor(canvas.backColor() + 40);
        }
        QCOMPARE(dialog.filters,
                 std::vector<std::string>(answers.size(), "Bitmap(*.bmp)|*.bmp|All files(*.*)|*.*"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{file});
        // 30 pixels: rows of 90 bytes padded to 92; 96 dots per inch.
        QCOMPARE(contents(folder.filePath(file)).size(), 54 + 92 * 20);
        QCOMPARE(readBack(folder.filePath(file)), saved);
        QCOMPARE(readBack(folder.filePath(file)).dotsPerMeterX(), 3780);
    }
}

// A failed save names the reason and what to do, and leaves the old file whole.
void TestExport::failuresSayWhyAndKeepTheOldFile()
{
    const std::tuple<QString, int, const char*> rows[] = {
        {"no such folder/p.bmp", 0, "文件夹不存在"},
        {QString(300, 'n'), 0, "文件名太长"},
        {".", 0, "文件夹的名字"},
        {"old.bmp", 100000, "文件太大"}, // the disk runs out half-way through the canvas
    };
    const Canvas canvas(QSize(1122, 693), rgbColor(0, 0, 64));
    for (const auto& [name, sizeLimit, says] : rows) {
        SavePicture(Canvas(QSize(3, 2), 0).image(), path("old.bmp").toStdString());
        const QByteArray old = contents(path("old.bmp"));
        QString message;
        try {
            std::optional<FileSizeLimit> limit;
            if (sizeLimit > 0)
                limit.emplace(sizeLimit);
            SavePicture(canvas.image(), path(name).toStdString());
        } catch (const RuntimeError& error) {
            message = QString::fromStdString(error.detail());
        }
        QVERIFY2(message.contains(QString::fromUtf8(says)), qPrintable(message));
        QCOMPARE(contents(path("old.bmp")), old);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.bmp"});
    }
}

// Where the folder may not be written but the file may, the file is written in
// place. Root may write anywhere, so a child process gives up root first.
void TestExport::writableFileInAFolderThatIsNot()
{
    QTemporaryDir folder(QStringLiteral("/tmp/qimbora-XXXXXX"));
    const QString target = folder.filePath(QStringLiteral("kept.bmp"));
    QVERIFY(QFile(target).open(QIODevice::WriteOnly));
    using P = QFileDevice;
    QVERIFY(QFile::setPermissions(target, P::ReadOwner | P::WriteOwner | P::ReadOther | P::WriteOther));
    QVERIFY(QFile::setPermissions(folder.path(),
                                  P::ReadOwner | P::WriteOwner | P::ExeOwner | P::ReadOther | P::ExeOther));
    const QImage image = Canvas(QSize(5, 4), rgbColor(1, 2, 3)).image();
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(2);
        const auto error = errorOf([&] { SavePicture(image, target.toStdString()); });
        _exit(error ? 1 : 0);
    }
    int status = -1;
    QCOMPARE(waitpid(child, &status, 0), child);
    QCOMPARE(status, 0);
    QCOMPARE(readBack(target), image);
}

void TestExport::windowSavesTheCanvasAndGoesOn()
{
    Pcg32 random;
    testing::RecordingReport report;
    QtFontService fonts;
    testing::ScriptedDialog dialog;
    Silence speaker;
    dialog.answers = {path("window.bmp").toStdString(), path("missing/x.bmp").toStdString(), "<throw>"};
    Form1 form({random, report, fonts, dialog, speaker});
    form.show();
    QTest::mouseClick(&form.pic(), Qt::LeftButton, {}, QPoint(602, 302));
    auto* save = form.findChild<QPushButton*>(QStringLiteral("Command3"));
    QTest::mouseClick(save, Qt::LeftButton);
    // The file is the canvas's image, not the praise label or the buttons over it.
    QCOMPARE(readBack(path("window.bmp")), form.pic().canvas().image());
    // A failing save, and an error of no known kind, are reported; the drawing stays.
    QTest::mouseClick(save, Qt::LeftButton);
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(report.messages.size(), 2);
    QVERIFY(report.messages[1].contains(QStringLiteral("the dialog broke")));
    QCOMPARE(form.pic().canvas().image(), readBack(path("window.bmp")));
}

QTEST_MAIN(TestExport)
#include "test_export.moc"

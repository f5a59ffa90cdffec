#include "app/picbox.h"
#include "common/runtime_error.h"
#include "export/picture.h"
#include "export/save.h"
#include "surface/canvas.h"

#include "app_support.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>

#ifndef Q_OS_WIN
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace qimbora;

namespace {

QImage readBack(const QString& path) { return QImage(path, "BMP").convertToFormat(QImage::Format_RGB32); }

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#ifdef Q_OS_WIN
// Windows limits no file's size per process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(int) {}
};
#else
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
#endif

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.emplace().isValid());
        SavePicture(Canvas(QSize(3, 2), 0).image(), path("old.bmp").toStdString());
    }
    // A failed save names the reason and what to do, and leaves the old file whole.
    void failuresSayWhyAndKeepTheOldFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("sizeLimit"); // in bytes; 0 for none
        QTest::addColumn<QString>("says");
        QTest::newRow("no such folder") << "no such folder/p.bmp" << 0 << "文件夹不存在";
        QTest::newRow("name too long") << QString(300, 'n') << 0 << "文件名太长";
        QTest::newRow("a folder") << "." << 0 << "文件夹的名字";
#ifndef Q_OS_WIN
        QTest::newRow("the disk runs out half-way") << "old.bmp" << 100000 << "文件太大";
#endif
    }
    void failuresSayWhyAndKeepTheOldFile()
    {
        QFETCH(QString, name);
        QFETCH(int, sizeLimit);
        const QByteArray old = contents(path("old.bmp"));
        QString message;
        try {
            std::optional<FileSizeLimit> limit;
            if (sizeLimit > 0)
                limit.emplace(sizeLimit);
            SavePicture(Canvas(QSize(1122, 693), rgbColor(0, 0, 64)).image(), path(name).toStdString());
        } catch (const RuntimeError& error) {
            message = QString::fromStdString(error.detail());
        }
        QFETCH(QString, says);
        QVERIFY2(message.contains(says), qPrintable(message));
        QCOMPARE(contents(path("old.bmp")), old);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.bmp"});
    }
    // Where the folder may not be written but the file may, the picture goes
    // straight into the file: /dev/full, written so, is a full disk, and is named
    // so. Root may write anywhere, so a child process gives up root first.
    void aFullDiskIsNamed()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows has no always-full file to write to");
#else
        const pid_t child = fork();
        if (child == 0) {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(2);
            try {
                SavePicture(Canvas(QSize(5, 4), 0).image(), "/dev/full");
            } catch (const RuntimeError& failure) {
                _exit(failure.detail().find("磁盘满了。请删掉一些不要的文件") == std::string::npos ? 3 : 0);
            }
            _exit(1);
        }
        int status = -1;
        QCOMPARE(waitpid(child, &status, 0), child);
        QCOMPARE(status, 0);
#endif
    }
    // 保 存 after a flower, and the dialog's answer -> what the one message says;
    // or the file named holds the canvas as a bitmap, whatever the name. The drawing stays.
    void windowSavesWhereTheDialogSays_data()
    {
        QTest::addColumn<QString>("answer"); // in the test's folder; "" a cancel, "<throw>" throws
        QTest::addColumn<QString>("says");
        const auto row = [](const char* what, const char* answer, const char* says = "") {
            QTest::newRow(what) << QString::fromUtf8(answer) << QString::fromUtf8(says);
        };
        row("a JPEG name with blanks", "我的 花 园.jpg");
        row("over the old file", "old.bmp");
        row("a cancel", "");
        row("no such folder", "missing/x", "文件夹不存在");
        row("an error of no known kind", "<throw>", "the dialog broke");
    }
    void windowSavesWhereTheDialogSays()
    {
        testing::Window<testing::ScriptedDialog, Silence> window;
        Form1& form = window.form;
        form.show();
        QTest::mouseClick(&form.pic(), Qt::LeftButton, {}, QPoint(400, 302));
        const QImage drawn = form.pic().canvas().image();
        QFETCH(QString, answer);
        window.dialog.answer
            = answer.isEmpty() || answer.startsWith('<') ? answer.toStdString() : path(answer).toStdString();
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
        QCOMPARE(window.dialog.filters, std::vector<std::string>{kBitmapFilter}); // offered once, each save
        QFETCH(QString, says);
        const QString file = says.isEmpty() ? answer : QString();
        QCOMPARE(window.report.messages.size(), says.isEmpty() ? 0 : 1);
        QVERIFY(window.report.messages.isEmpty() || window.report.messages[0].contains(says));
        QCOMPARE(form.pic().canvas().image(), drawn);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(),
                 file.isEmpty() || file == "old.bmp" ? 1 : 2);
        if (file.isEmpty())
            return;
        QCOMPARE(readBack(path(file)), drawn);
        // 1122 pixels: rows of 3366 bytes padded to 3368; 96 dots per inch.
        QCOMPARE(contents(path(file)).size(), 54 + 3368 * 693);
        QCOMPARE(readBack(path(file)).dotsPerMeterX(), 3780);
    }

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    std::optional<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestExport)
#include "test_export.moc"

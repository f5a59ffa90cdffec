#include "app/form1.h"
#include "app/picbox.h"
#include "common/runtime_error.h"
#include "export/picture.h"
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
#include <map>
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
    // A failed save names the reason and what to do, and leaves the old file whole.
    void failuresSayWhyAndKeepTheOldFile()
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
    // place; /dev/full, written so, is a full disk, and is named so. Root may write
    // anywhere, so a child process gives up root first.
    void writableFileInAFolderThatIsNot()
    {
        QTemporaryDir folder(QStringLiteral("/tmp/qimbora-XXXXXX"));
        const QString target = folder.filePath(QStringLiteral("kept.bmp"));
        QVERIFY(QFile(target).open(QIODevice::WriteOnly));
        using P = QFileDevice;
        QVERIFY(QFile::setPermissions(target, P::ReadOwner | P::WriteOwner | P::ReadOther | P::WriteOther));
        QVERIFY(QFile::setPermissions(
            folder.path(), P::ReadOwner | P::WriteOwner | P::ExeOwner | P::ReadOther | P::ExeOther));
        const QImage image = Canvas(QSize(5, 4), rgbColor(1, 2, 3)).image();
        const pid_t child = fork();
        if (child == 0) {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(2);
            const auto error = errorOf([&] { SavePicture(image, target.toStdString()); });
            std::string full;
            try {
                SavePicture(image, "/dev/full");
            } catch (const RuntimeError& failure) {
                full = failure.detail();
            }
            _exit(error ? 1 : full.find("磁盘满了。请删掉一些不要的文件") == std::string::npos ? 3 : 0);
        }
        int status = -1;
        QCOMPARE(waitpid(child, &status, 0), child);
        QCOMPARE(status, 0);
        QCOMPARE(readBack(target), image);
    }
    // Each click on 保 存 sets the filter and writes the canvas exactly where the
    // dialog said, a bitmap whatever the extension, over the file already there.
    // A cancel writes nothing; a failing save and an error of no known kind are
    // reported, and the drawing stays.
    void windowSavesWhereTheDialogSays()
    {
        Pcg32 random;
        testing::RecordingReport report;
        QtFontService fonts;
        testing::ScriptedDialog dialog;
        Silence speaker;
        Form1 form({random, report, fonts, dialog, speaker});
        testing::expectOffscreenNotices(1);
        form.show();
        auto* save = form.findChild<QPushButton*>(QStringLiteral("Command3"));
        std::map<QString, QImage> written;
        int flowers = 0;
        for (const QString name :
             {"picture.jpg", "我的 花 园.bmp", "picture", "", "picture", "missing/x", "<throw>"}) {
            const bool scripted = name.isEmpty() || name.startsWith('<');
            const bool writes = !scripted && !name.contains('/');
            if (writes) // a new flower before each save
                QTest::mouseClick(&form.pic(), Qt::LeftButton, {}, QPoint(100 + 100 * flowers++, 302));
            dialog.answer = scripted ? name.toStdString() : path(name).toStdString();
            QTest::mouseClick(save, Qt::LeftButton);
            if (writes)
                written[name] = form.pic().canvas().image();
        }
        for (const auto& [name, image] : written)
            QCOMPARE(readBack(path(name)), image);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 3);
        QCOMPARE(dialog.filters, std::vector<std::string>(7, "Bitmap(*.bmp)|*.bmp|All files(*.*)|*.*"));
        // 1122 pixels: rows of 3366 bytes padded to 3368; 96 dots per inch.
        QCOMPARE(contents(path("picture")).size(), 54 + 3368 * 693);
        QCOMPARE(readBack(path("picture")).dotsPerMeterX(), 3780);
        QCOMPARE(report.messages.size(), 2);
        QVERIFY(report.messages[1].contains(QStringLiteral("the dialog broke")));
        QCOMPARE(form.pic().canvas().image(), written["picture"]); // the drawing stays
    }

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    std::optional<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestExport)
#include "test_export.moc"

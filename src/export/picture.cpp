#include "export/picture.h"

#include "common/runtime_error.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace qimbora {

namespace {

// Why a file call failed: the cause the messages name, as an errno value (0
// for none of theirs), and the system's own code, shown when none fits.
struct FileError {
    int cause;
    int code;
};

#ifdef Q_OS_WIN
constexpr qsizetype kLongestWindowsName = 255; // UTF-16 units in one name of a path

// Qt's files on Windows report through the Windows API, not errno. Its codes
// are told apart from errno values: ERROR_NOT_READY (21, a card reader with no
// card) is not EISDIR.
int causeOf(DWORD error)
{
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return EACCES;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_FILE_NOT_FOUND:
        return ENOENT;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_FILE_TOO_LARGE:
        return EFBIG;
    default:
        return 0;
    }
}

FileError lastFileError()
{
    const DWORD error = GetLastError();
    return {causeOf(error), int(error)};
}

void clearFileError() { SetLastError(ERROR_SUCCESS); }
#else
FileError lastFileError() { return {errno, errno}; }

void clearFileError() { errno = 0; }
#endif

// What went wrong and what to do, for the common causes.
QString reasonFor(FileError error, const QString& systemReason)
{
    switch (error.cause) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QCoreApplication::translate("Picture", "磁盘满了。请删掉一些不要的文件，或者换一个地方保存。");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("Picture",
                                           "没有权限写在这里。请换一个文件夹，比如自己的主文件夹。");
    case EROFS:
        return QCoreApplication::translate("Picture", "这个地方只能读，不能写。请换一个文件夹保存。");
    case ENOENT:
    case ENOTDIR:
        return QCoreApplication::translate("Picture", "文件夹不存在。请选一个已有的文件夹。");
    case ENAMETOOLONG:
        return QCoreApplication::translate("Picture", "文件名太长了。请起一个短一点的名字。");
    case EFBIG:
        return QCoreApplication::translate("Picture", "文件太大，超过了系统允许的大小。请换一个地方保存。");
    case EISDIR:
        return QCoreApplication::translate("Picture", "这是一个文件夹的名字。请起一个文件名。");
    default:
        break;
    }
    const QString detail = error.code != 0
        ? QCoreApplication::translate("Picture", "%1，错误代码 %2").arg(systemReason).arg(error.code)
        : QCoreApplication::translate("Picture", "写入没有完成");
    return QCoreApplication::translate("Picture", "出了问题（%1）。请换一个文件夹或文件名再试。").arg(detail);
}

[[noreturn]] void failed(const QString& path, FileError error, const QString& systemReason)
{
    throw RuntimeError(ErrorKind::Platform,
                       QCoreApplication::translate("Picture", "没能保存“%1”：%2")
                           .arg(path, reasonFor(error, systemReason))
                           .toStdString());
}

// A temporary file beside the target, moved over it only once complete.
void replaceAtomically(const QString& name, const QByteArray& bytes)
{
    QSaveFile file(name);
    clearFileError();
    if (!file.open(QIODevice::WriteOnly))
        failed(name, lastFileError(), file.errorString());
    if (file.write(bytes) != bytes.size())
        failed(name, lastFileError(), file.errorString());
    if (!file.commit())
        failed(name, lastFileError(), file.errorString());
}

void writeInPlace(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    clearFileError();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        failed(name, lastFileError(), file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush())
        failed(name, lastFileError(), file.errorString());
    file.close();
}

} // namespace

void SavePicture(const QImage& image, const std::string& path)
{
    const QString name = QString::fromStdString(path);
    const QFileInfo target(name);
    if (target.isDir())
        failed(name, {EISDIR, EISDIR}, {});
#ifdef Q_OS_WIN
    // Windows says only that such a name is invalid, as it says of a name with a '?'.
    if (target.fileName().size() > kLongestWindowsName)
        failed(name, {ENAMETOOLONG, ENAMETOOLONG}, {});
#endif
    // Qt writes a 32-bit image as a 24-bit bitmap. Encoded in memory first: its
    // row-by-row writes into the file took 1.7 times as long as one write.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image))
        failed(name, {0, 0}, writer.errorString());
    // A file that may be written in a folder that may not is written in place:
    // no temporary file can be made beside it.
    if (target.exists() && target.isWritable() && !QFileInfo(target.absolutePath()).isWritable())
        writeInPlace(name, bytes);
    else
        replaceAtomically(name, bytes);
}

} // namespace qimbora

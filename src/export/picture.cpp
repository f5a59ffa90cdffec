#include "export/picture.h"

#include "common/runtime_error.h"

#include <QImageWriter>
#include <QSaveFile>

namespace qimbora {

namespace {

[[noreturn]] void failed(const QString& path, const QString& reason)
{
    throw RuntimeError(ErrorKind::Platform,
                       QStringLiteral("无法保存“%1”：%2").arg(path, reason).toStdString());
}

} // namespace

void SavePicture(const QImage& image, const std::string& path)
{
    const QString name = QString::fromStdString(path);
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        failed(name, file.errorString());
    // Qt writes a 32-bit image as a 24-bit bitmap; a failed write also fails the commit.
    QImageWriter writer(&file, "bmp");
    if (!writer.write(image))
        failed(name, writer.errorString());
    if (!file.commit())
        failed(name, file.errorString());
}

} // namespace qimbora

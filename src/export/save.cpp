#include "export/save.h"

#include "common/runtime_error.h"
#include "surface/canvas.h"
#include "export/bmp.h"

#include <QSaveFile>

namespace qimbora {

namespace {

[[noreturn]] void failed(const QString& path, const QString& reason)
{
    throw RuntimeError(ErrorKind::Platform,
                       QStringLiteral("无法保存“%1”：%2").arg(path, reason).toStdString());
}

} // namespace

void Command3_Click(SaveDialog& dialog, const Canvas& canvas)
{
    dialog.setFilter(kBitmapFilter);
    dialog.ShowSave();
    if (dialog.fileName().empty())
        return;
    const QImage& image = canvas.image();
    SavePicture(image, dialog.fileName());
}

void SavePicture(const QImage& image, const std::string& path)
{
    const QString name = QString::fromStdString(path);
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        failed(name, file.errorString());
    const QByteArray bytes = encodeBmp(image);
    if (file.write(bytes) != bytes.size())
        failed(name, file.errorString());
    if (!file.commit())
        failed(name, file.errorString());
}

QStringList toQtNameFilters(std::string_view filter)
{
    const QStringList parts = QString::fromUtf8(filter.data(), qsizetype(filter.size())).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString& pattern = parts[i + 1];
        // "Bitmap(*.bmp)" already names its pattern; keep the name only once.
        const QString named = QLatin1Char('(') + pattern + QLatin1Char(')');
        if (description.endsWith(named))
            description.chop(named.size());
        QStringList patterns = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
        }
        filters << description.trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

} // namespace qimbora

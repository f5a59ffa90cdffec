#include "app/qt_save_dialog.h"

#include <QApplication>
#include <QFileDialog>

namespace qimbora {

void QtSaveDialog::ShowSave()
{
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(toQtNameFilters(m_filter));
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    if (!m_folder.isEmpty())
        dialog.setDirectory(m_folder);
    m_fileName.clear();
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString chosen = dialog.selectedFiles().constFirst();
    m_folder = QFileInfo(chosen).absolutePath();
    m_fileName = chosen.toStdString();
}

QStringList toQtNameFilters(std::string_view filter)
{
    const QStringList parts
        = QString::fromUtf8(filter.data(), qsizetype(filter.size())).split(QLatin1Char('|'));
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
        filters << description.trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' '))
                + QLatin1Char(')');
    }
    return filters;
}

} // namespace qimbora

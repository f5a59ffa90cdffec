#include "app/qt_save_dialog.h"

#include "export/save.h"

#include <QApplication>
#include <QFileDialog>

namespace qimbora {

void QtSaveDialog::ShowSave()
{
    QFileDialog dialog(QApplication::activeWindow());
#ifndef Q_OS_WIN
    // The same dialog on every Linux desktop; on Windows, Windows' own, which a family knows.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
#endif
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The toy's one filter in Qt's form, described in Chinese; "*" also matches names without a dot.
    if (m_filter == kBitmapFilter)
        dialog.setNameFilters({QCoreApplication::translate("QtSaveDialog", "位图 (*.bmp)"),
                               QCoreApplication::translate("QtSaveDialog", "所有文件 (*)")});
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

} // namespace qimbora

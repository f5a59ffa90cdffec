#pragma once

#include "export/save_dialog.h"

#include <QString>

namespace qimbora {

// The save dialog on Qt's own file dialog (the same on every desktop, so it
// can be driven in tests). It asks before replacing an existing file, offers
// the folder of the last save, and adds ".bmp" to a name typed without an
// extension.
class QtSaveDialog final : public SaveDialog {
public:
    void setFilter(const std::string& filter) override { m_filter = filter; }
    void ShowSave() override;
    std::string fileName() const override { return m_fileName; }

private:
    std::string m_filter;
    std::string m_fileName;
    QString m_folder;
};

} // namespace qimbora

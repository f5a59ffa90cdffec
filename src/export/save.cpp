#include "export/save.h"

#include "export/picture.h"
#include "export/save_dialog.h"
#include "surface/canvas.h"

namespace qimbora {

void Command3_Click(SaveDialog& dialog, const Canvas& canvas)
{
    dialog.setFilter(kBitmapFilter);
    dialog.ShowSave();
    if (dialog.fileName().empty())
        return;
    const QImage& image = canvas.image();
    SavePicture(image, dialog.fileName());
}

} // namespace qimbora

#pragma once

#include <QImage>
#include <QStringList>

#include <string>
#include <string_view>

namespace qimbora {

class Canvas;

// The platform's save dialog as the save handler uses it; tests put a fake here.
class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    // Entries of description and pattern, all separated by '|'.
    virtual void setFilter(const std::string& filter) = 0;
    // Shows the dialog modally until the user confirms a name or cancels.
    virtual void ShowSave() = 0;
    // The full path confirmed in the last showing (UTF-8); empty after a cancel.
    virtual std::string fileName() const = 0;
};

inline constexpr char kBitmapFilter[] = "Bitmap(*.bmp)|*.bmp|All files(*.*)|*.*";

// The save button: asks for a path and writes the canvas's image there as a
// bitmap, whatever the extension; a cancel writes nothing. Throws
// RuntimeError(Platform) with the system's reason when the file cannot be
// written; an existing file is then left as it was.
void Command3_Click(SaveDialog& dialog, const Canvas& canvas);

// Writes the image as a bitmap file to a temporary file beside the path and
// moves it into place only when it is complete, replacing any file there.
void SavePicture(const QImage& image, const std::string& path);

// The '|'-separated filter in Qt's form, one "Description (patterns)" each;
// "*.*" becomes "*" so that it also matches names without a dot.
QStringList toQtNameFilters(std::string_view filter);

} // namespace qimbora

#pragma once

namespace qimbora {

class Canvas;
class SaveDialog;

inline constexpr char kBitmapFilter[] = "Bitmap(*.bmp)|*.bmp|All files(*.*)|*.*";

// The save button: asks for a path and writes the canvas's image there as a
// bitmap, whatever the extension; a cancel writes nothing. Throws
// RuntimeError(Platform) with the system's reason when the file cannot be
// written; an existing file is then left as it was.
void Command3_Click(SaveDialog& dialog, const Canvas& canvas);

} // namespace qimbora

#pragma once

#include <QImage>

#include <string>

namespace qimbora {

// Writes the image as a Windows bitmap (24 bits per pixel, rows bottom-up)
// to a temporary file beside the path and moves it into place only when it is
// complete, replacing any file there; an existing file that may be written in
// a folder that may not is written over in place. Throws
// RuntimeError(Platform) with the reason in Chinese and what to do when it
// cannot; an existing file is then left as it was (unless written in place).
void SavePicture(const QImage& image, const std::string& path);

} // namespace qimbora

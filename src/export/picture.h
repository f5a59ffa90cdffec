#pragma once

#include <QImage>

#include <string>

namespace qimbora {

// Writes the image as a Windows bitmap (24 bits per pixel, rows bottom-up)
// to a temporary file beside the path and moves it into place only when it is
// complete, replacing any file there. Throws RuntimeError(Platform) with the
// system's reason when it cannot; an existing file is then left as it was.
void SavePicture(const QImage& image, const std::string& path);

} // namespace qimbora

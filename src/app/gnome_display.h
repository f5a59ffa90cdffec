#pragma once

#include <QSize>

#include <optional>

namespace qimbora {

// The size in device pixels of GNOME's primary screen, from its compositor's
// display settings over the session bus; none off GNOME. The toolkit's own
// figure cannot be trusted there: depending on the versions of both, a screen
// at scale 2 may be reported at its logical or at its device size.
std::optional<QSize> gnomePrimaryScreenPixels();

} // namespace qimbora

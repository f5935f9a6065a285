#pragma once

#include <QIcon>

namespace ravelbook {

// The window's own icon, an envelope, drawn at 16 and 32 pixels.
QIcon appIcon();

} // namespace ravelbook

#pragma once

#include <QIcon>

namespace ravelbook {

// The window's own icon, an envelope: the installed theme icon, else the
// sizes 16 to 256 built in from data/icons.
QIcon appIcon();

} // namespace ravelbook

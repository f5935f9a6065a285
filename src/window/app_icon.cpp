#include "window/app_icon.h"

namespace ravelbook {

QIcon appIcon() {
    // The theme's copy once installed; the sizes built into the program otherwise.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/ravelbook-%1.png").arg(size), QSize(size, size));
    return QIcon::fromTheme(QStringLiteral("ravelbook"), icon);
}

} // namespace ravelbook

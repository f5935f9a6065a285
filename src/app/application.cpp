#include "app/application.h"

#include "window/dialogs.h"
#include "window/screen_fit.h"

#include <cstdio>
#include <exception>
#include <QScopedValueRollback>

namespace ravelbook {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Ravelbook"));
    setApplicationVersion(QStringLiteral(RAVELBOOK_VERSION));
    // Wayland desktops match the window to its installed menu entry by this name.
    setDesktopFileName(QStringLiteral("ravelbook"));
    keepDialogsOnScreen(*this);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        const QString text = QString::fromStdString(error.what());
        std::fprintf(stderr, "ravelbook: %s\n", qPrintable(text));
        if (dialogs_ && !reporting_) {
            const QScopedValueRollback<bool> reporting(reporting_, true);
            showError(*dialogs_, text);
        }
        return false;
    }
}

} // namespace ravelbook

#pragma once

#include "window/dialogs.h"

#include <QString>

class QWidget;

namespace ravelbook {

class Database;
class SettingsStore;
class TwipGeometry;

// What the window's pages share: the book open in the window, the settings, the
// dialogs to ask and tell the user through, and the designed places of the
// controls, which the pages' controls take measured from the tab control.
struct OpenBook {
    Database& db;
    SettingsStore& settings;
    Dialogs& dialogs;
    TwipGeometry& geometry;
    QWidget* tabs = nullptr;
    // Tells the user of a failure in a message box.
    void report(const QString& message) const { showError(dialogs, message); }
};

} // namespace ravelbook

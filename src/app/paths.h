#pragma once

#include <QString>

namespace ravelbook {

// $XDG_DATA_HOME/Ravelbook/Ravelbook.db, with ~/.local/share when unset.
QString defaultDatabasePath();
// $XDG_CONFIG_HOME, with ~/.config when unset: the settings file goes below it.
QString settingsRoot();

} // namespace ravelbook

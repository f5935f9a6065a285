// Renders the window on an address book into PNG files, one per tab page:
//   ravelbook_screenshot DATABASE OUTPUT_PREFIX [EXTRA_WIDTH EXTRA_HEIGHT]
// With the extra pixels the window is that much larger than designed.
// Used for the README's picture; runs on the offscreen platform.
#include "settings/ini_settings_store.h"
#include "store/database.h"
#include "window/dialogs.h"
#include "window/mail_form.h"

#include <cstdio>
#include <cstdlib>
#include <QApplication>
#include <QCheckBox>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

class SilentDialogs final : public ravelbook::Dialogs {
public:
    Answer message(const QString& text, const QString&, Buttons) override {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return Answer::Ok;
    }
    QString prompt(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
};

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3 && argc != 5) {
        std::fprintf(
            stderr,
            "usage: ravelbook_screenshot DATABASE OUTPUT_PREFIX [EXTRA_WIDTH EXTRA_HEIGHT]\n");
        return 2;
    }
    QTemporaryDir settingsRoot;
    ravelbook::Database db(QString::fromLocal8Bit(argv[1]));
    ravelbook::IniSettingsStore settings(settingsRoot.path());
    SilentDialogs dialogs;
    ravelbook::frmMailForm window(db, settings, dialogs);
    window.show();
    if (argc == 5)
        window.resize(window.size() + QSize(std::atoi(argv[3]), std::atoi(argv[4])));
    // The first group ticked, so that the Mailings page shows its members in the grid.
    window.chkGroups[35]->setChecked(true);
    for (int page = 0; page < window.SSTab1->count(); ++page) {
        window.SSTab1->setCurrentIndex(page);
        QApplication::processEvents();
        const QString file =
            QStringLiteral("%1-%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(page);
        if (!window.grab().save(file))
            return 1;
    }
    return 0;
}

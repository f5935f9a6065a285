// Renders the window on an address book into PNG files, one per tab page
// (OUTPUT_PREFIX-0.png and on), and the print preview of the first group's
// members on large labels (OUTPUT_PREFIX-preview.png), the stationery chooser
// (OUTPUT_PREFIX-chooser.png) and the previews on Avery 5160 and on the A4
// sheet Avery L7160 (OUTPUT_PREFIX-preview-avery-5160.png, …-avery-l7160.png):
//   ravelbook_screenshot DATABASE OUTPUT_PREFIX [EXTRA_WIDTH EXTRA_HEIGHT]
// With the extra pixels the window is that much larger than designed.
// In the language the environment names (LANGUAGE=de). Used for the README's
// pictures; runs on the offscreen platform.
#include "app/translations.h"
#include "settings/ini_settings_store.h"
#include "store/database.h"
#include "window/current_record.h"
#include "window/dialogs.h"
#include "window/group_boxes.h"
#include "window/mail_form.h"
#include "window/mailing_printer.h"
#include "window/mailings_page.h"
#include "window/names_page.h"
#include "window/print_preview.h"
#include "window/return_address_page.h"
#include "window/stationery_chooser.h"

#include <cstdio>
#include <cstdlib>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
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
    // In the language of the environment (LANGUAGE=de for the German pictures).
    const ravelbook::Translations translations;
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
    window.groupBox(35)->setChecked(true);
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    for (int page = 0; page < window.SSTab1->count(); ++page) {
        window.SSTab1->setCurrentIndex(page);
        QApplication::processEvents();
        if (!window.grab().save(QStringLiteral("%1-%2.png").arg(prefix).arg(page)))
            return 1;
    }

    // Every member of the group, so the sheet shows more than one label.
    window.mailings().optAveryLarge->click();
    window.mailings().chkPrintSample->setChecked(false);
    bool saved = false;
    window.printer().setPreviewRunner([&](ravelbook::PrintPreviewDialog& preview) {
        preview.show();
        // The offscreen screen is small; the dialog is shown at its own default size.
        preview.resize(760, 900);
        QApplication::processEvents();
        saved = preview.grab().save(prefix + QStringLiteral("-preview.png"));
        return false;
    });
    window.actPrintPreview_Click();
    if (!saved)
        return 1;

    // The chooser as the user finds a sheet in it, then a page of each sheet.
    for (const char* search : {"5160", "L7160"}) {
        QString id;
        window.mailings().setChooserRunner([&](ravelbook::StationeryChooser& chooser) {
            chooser.show();
            chooser.txtSearch->setText(QString::fromLatin1(search));
            QApplication::processEvents();
            if (QLatin1String(search) == QLatin1String("5160") &&
                !chooser.grab().save(prefix + QStringLiteral("-chooser.png")))
                return false;
            id = chooser.chosen() ? chooser.chosen()->id : QString();
            return !id.isEmpty();
        });
        window.mailings().optMoreStationery->click();
        if (id.isEmpty())
            return 1;
        saved = false;
        window.printer().setPreviewRunner([&](ravelbook::PrintPreviewDialog& preview) {
            preview.show();
            preview.resize(760, 900);
            QApplication::processEvents();
            saved = preview.grab().save(QStringLiteral("%1-preview-%2.png").arg(prefix, id));
            return false;
        });
        window.actPrintPreview_Click();
        if (!saved)
            return 1;
    }
    return 0;
}

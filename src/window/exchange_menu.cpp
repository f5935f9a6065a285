// File: Import... and Export...: address records in from CSV, vCard and Access
// files through a preview, and out to CSV and vCard.
#include "window/exchange_menu.h"

#include "exchange/access_file.h"
#include "exchange/export.h"
#include "exchange/import.h"
#include "exchange/source_file.h"
#include "settings/group_titles.h"
#include "store/data_source.h"
#include "store/database.h"
#include "window/current_record.h"
#include "window/dialogs.h"
#include "window/exchange_dialogs.h"
#include "window/group_boxes.h"
#include "window/handler_edge.h"
#include "window/import_preview.h"
#include "window/mail_form.h"
#include "window/mailings_page.h"
#include "window/names_page.h"
#include "window/open_book.h"
#include "window/return_address_page.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QProgressDialog>

namespace ravelbook {

namespace {

QString importFilters() {
    return QCoreApplication::translate(
        "ravelbook::ExchangeMenu",
        "Address files (*.csv *.txt *.tsv *.vcf *.vcard *.mdb);;CSV files (*.csv "
        "*.txt *.tsv);;vCard files (*.vcf *.vcard);;Access files (*.mdb);;All files (*)");
}
QString csvFilter() {
    return QCoreApplication::translate("ravelbook::ExchangeMenu", "CSV file (*.csv)");
}
QString vCardFilter() {
    return QCoreApplication::translate("ravelbook::ExchangeMenu", "vCard 3.0 file (*.vcf)");
}

// Progress of a long import or export, shown once it has taken a second.
class ProgressBox {
public:
    ProgressBox(QWidget* parent, const QString& text)
        : dialog_(text, QCoreApplication::translate("ravelbook::ExchangeMenu", "Cancel"), 0, 0,
                  parent) {
        dialog_.setWindowTitle(QStringLiteral("Ravelbook"));
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(1000);
        dialog_.setAutoReset(false);
    }
    exchange::Progress callback() {
        return [this](int done, int total) {
            dialog_.setMaximum(std::max(total, 1));
            dialog_.setValue(done);
            return !dialog_.wasCanceled();
        };
    }

private:
    QProgressDialog dialog_;
};

// The wait cursor while it lives.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

ExchangeMenu::ExchangeMenu(const OpenBook& book, QMenu& menuFile, QAction& before,
                           frmMailForm& window)
    : QObject(&window), book_(book), window_(window) {
    actImport = new QAction(tr("&Import..."), &menuFile);
    actImport->setObjectName(QStringLiteral("actImport"));
    actExport = new QAction(tr("&Export..."), &menuFile);
    actExport->setObjectName(QStringLiteral("actExport"));
    menuFile.insertAction(&before, actImport);
    menuFile.insertAction(&before, actExport);
    menuFile.insertSeparator(&before);
    connect(actImport, &QAction::triggered, this, &ExchangeMenu::actImport_Click);
    connect(actExport, &QAction::triggered, this, &ExchangeMenu::actExport_Click);
}

ExchangeMenu::~ExchangeMenu() = default;

void ExchangeMenu::setExchangeDialogs(ExchangeDialogs* dialogs) {
    exchangeDialogs_ = dialogs;
}

ExchangeDialogs& ExchangeMenu::exchangeDialogs() {
    if (exchangeDialogs_)
        return *exchangeDialogs_;
    if (!ownExchangeDialogs_)
        ownExchangeDialogs_ = std::make_shared<QtExchangeDialogs>();
    return *ownExchangeDialogs_;
}

void ExchangeMenu::actImport_Click() {
    runHandler(book_.dialogs, [this] {
        ExchangeDialogs& ask = exchangeDialogs();
        const QString file = ask.openFileName(tr("Import addresses"), importFilters());
        if (file.isEmpty())
            return;
        const std::optional<exchange::Format> format = exchange::guessFormat(file);
        if (!format)
            throw StoreError(tr("\"%1\" is not a CSV, vCard or Access file.").arg(file));
        QString table;
        if (*format == exchange::Format::Access) {
            const exchange::AccessFile mdb(file);
            if (!exchange::isBookLayout(mdb)) {
                table = ask.chooseItem(tr("Import addresses"), tr("The table to import:"),
                                       mdb.tableNames());
                if (table.isEmpty())
                    return;
            }
        }
        const GroupTitles titles = window_.groupTitles();
        std::optional<BusyCursor> busy(std::in_place); // reading a large file takes a moment
        exchange::ImportSource source = exchange::readSource(file, *format, table);
        const exchange::Mapping defaults = exchange::defaultMapping(source.table, titles);
        exchange::Mapping mapping = defaults;
        exchange::applyRemembered(mapping, source.table, book_.settings);
        ImportPreview preview(file, std::move(source), mapping, titles,
                              exchange::bookKeys(book_.db), &window_);
        busy.reset();
        if (!ask.run(preview))
            return;
        exchange::remember(preview.mapping(), defaults, preview.source().table, book_.settings);

        // Edits still in the boxes are written first, so the import doesn't overtake them.
        if (!window_.record().leaveEditedRecord())
            return;
        std::optional<int> added;
        {
            ProgressBox progress(&window_, tr("Importing addresses..."));
            added = exchange::runImport(book_.db, preview.plan(), progress.callback());
        }
        if (!added) {
            book_.report(tr("The import was cancelled; nothing was imported."));
            return;
        }
        const exchange::ImportPlan& plan = preview.plan();
        for (int k = 0; k < kGroupCount; ++k) {
            if (plan.titles[k] != titles[k]) {
                window_.setGroupCaption(k, plan.titles[k]);
                window_.setGroupCaption(twinOf(k), plan.titles[k]);
            }
        }
        window_.names().FillComboBox();
        window_.record().Data1->setRecordSource(sql::selectAllAddresses());
        window_.record().Data1->refresh();
        if (window_.mailings().datGrid->hasRecordSet())
            window_.mailings().datGrid->refresh();
        if (plan.book) {
            window_.mailings().datIni->refresh();
            // Staying on a changed return address keeps it as it is shown.
            if (!window_.returnAddress().datReturnAddresses->flushPending())
                return;
            window_.returnAddress().datReturnAddresses->refresh();
        }
        QString notKept;
        for (const exchange::UnknownCategory& category : plan.unknownCategories) {
            if (!category.assigned)
                notKept += tr("\nGroup \"%1\" matched no group title and was not kept.")
                               .arg(category.name);
        }
        // Empty rows are no records; rows without a name are, and are told apart.
        const QString nameless = plan.nameless > 0
                                     ? tr(" %1 had no name and were left out.").arg(plan.nameless)
                                     : QString();
        book_.dialogs.message(tr("Imported %1 of %2 records; %3 skipped as already in the "
                                 "book.%4%5")
                                  .arg(*added)
                                  .arg(plan.rowsRead - plan.empty)
                                  .arg(plan.duplicates + int(plan.records.size()) - *added)
                                  .arg(nameless, notKept),
                              tr("Import"), Dialogs::Buttons::Ok);
    });
}

void ExchangeMenu::actExport_Click() {
    runHandler(book_.dialogs, [this] {
        QString filter = csvFilter();
        QString file = exchangeDialogs().saveFileName(
            tr("Export addresses"), csvFilter() + QStringLiteral(";;") + vCardFilter(), &filter);
        if (file.isEmpty())
            return;
        const bool vCard =
            filter == vCardFilter() || file.endsWith(QLatin1String(".vcf"), Qt::CaseInsensitive);
        if (!window_.record().leaveEditedRecord())
            return;
        // The groups ticked on page "Mailings", or the whole book when none is.
        const auto records = exchange::readRecords(book_.db, window_.mailings().chosenGroups());
        bool done = false;
        {
            ProgressBox progress(&window_, tr("Exporting addresses..."));
            done = exchange::exportToFile(
                file, records, vCard ? exchange::Format::VCard : exchange::Format::Csv,
                window_.groupTitles(), book_.db.path(), progress.callback());
        }
        book_.dialogs.message(
            done ? tr("Exported %1 records to \"%2\".").arg(records.size()).arg(file)
                 : tr("The export was cancelled; nothing was written."),
            tr("Export"), Dialogs::Buttons::Ok);
    });
}

} // namespace ravelbook

// File: Import... and Export...: address records in from CSV, vCard and Access
// files through a preview, and out to CSV and vCard.
#include "exchange/access_file.h"
#include "exchange/export.h"
#include "exchange/import.h"
#include "exchange/source_file.h"
#include "settings/group_titles.h"
#include "store/data_source.h"
#include "store/database.h"
#include "window/dialogs.h"
#include "window/exchange_dialogs.h"
#include "window/handler_edge.h"
#include "window/import_preview.h"
#include "window/mail_form.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QProgressDialog>

namespace ravelbook {

namespace {

const QString kImportFilters = QStringLiteral(
    "Address files (*.csv *.txt *.tsv *.vcf *.vcard *.mdb);;CSV files (*.csv "
    "*.txt *.tsv);;vCard files (*.vcf *.vcard);;Access files (*.mdb);;All files (*)");
const QString kCsvFilter = QStringLiteral("CSV file (*.csv)");
const QString kVCardFilter = QStringLiteral("vCard 3.0 file (*.vcf)");

// Progress of a long import or export, shown once it has taken a second.
class ProgressBox {
public:
    ProgressBox(QWidget* parent, const QString& text)
        : dialog_(text, QStringLiteral("Cancel"), 0, 0, parent) {
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

void frmMailForm::buildExchangeMenu() {
    actImport = new QAction(QStringLiteral("&Import..."), menuFile);
    actImport->setObjectName(QStringLiteral("actImport"));
    actExport = new QAction(QStringLiteral("&Export..."), menuFile);
    actExport->setObjectName(QStringLiteral("actExport"));
    menuFile->insertAction(actQuit, actImport);
    menuFile->insertAction(actQuit, actExport);
    menuFile->insertSeparator(actQuit);
    connect(actImport, &QAction::triggered, this, &frmMailForm::actImport_Click);
    connect(actExport, &QAction::triggered, this, &frmMailForm::actExport_Click);
}

void frmMailForm::setExchangeDialogs(ExchangeDialogs* dialogs) {
    exchangeDialogs_ = dialogs;
}

ExchangeDialogs& frmMailForm::exchangeDialogs() {
    if (exchangeDialogs_)
        return *exchangeDialogs_;
    if (!ownExchangeDialogs_)
        ownExchangeDialogs_ = std::make_shared<QtExchangeDialogs>();
    return *ownExchangeDialogs_;
}

GroupTitles frmMailForm::groupTitles() const {
    GroupTitles titles;
    for (int k = 0; k < kGroupCount; ++k)
        titles[k] = groupCaption(k);
    return titles;
}

void frmMailForm::actImport_Click() {
    runHandler(dialogs_, [this] {
        ExchangeDialogs& ask = exchangeDialogs();
        const QString file = ask.openFileName(QStringLiteral("Import addresses"), kImportFilters);
        if (file.isEmpty())
            return;
        const std::optional<exchange::Format> format = exchange::guessFormat(file);
        if (!format)
            throw StoreError(
                QStringLiteral("\"%1\" is not a CSV, vCard or Access file.").arg(file));
        QString table;
        if (*format == exchange::Format::Access) {
            const exchange::AccessFile mdb(file);
            if (!exchange::isBookLayout(mdb)) {
                table = ask.chooseItem(QStringLiteral("Import addresses"),
                                       QStringLiteral("The table to import:"), mdb.tableNames());
                if (table.isEmpty())
                    return;
            }
        }
        const GroupTitles titles = groupTitles();
        std::optional<BusyCursor> busy(std::in_place); // reading a large file takes a moment
        exchange::ImportSource source = exchange::readSource(file, *format, table);
        const exchange::Mapping defaults = exchange::defaultMapping(source.table, titles);
        exchange::Mapping mapping = defaults;
        exchange::applyRemembered(mapping, source.table, settings_);
        ImportPreview preview(file, std::move(source), mapping, titles, exchange::bookKeys(db_),
                              this);
        busy.reset();
        if (!ask.run(preview))
            return;
        exchange::remember(preview.mapping(), defaults, preview.source().table, settings_);

        // Edits still in the boxes are written first, so the import doesn't overtake them.
        Data1->flushPending();
        std::optional<int> added;
        {
            ProgressBox progress(this, QStringLiteral("Importing addresses..."));
            added = exchange::runImport(db_, preview.plan(), progress.callback());
        }
        if (!added) {
            showError(dialogs_, QStringLiteral("The import was cancelled; nothing was imported."));
            return;
        }
        const exchange::ImportPlan& plan = preview.plan();
        for (int k = 0; k < kGroupCount; ++k) {
            if (plan.titles[k] != titles[k]) {
                setGroupCaption(k, plan.titles[k]);
                setGroupCaption(twinOf(k), plan.titles[k]);
            }
        }
        FillComboBox();
        Data1->setRecordSource(sql::selectAllAddresses());
        Data1->refresh();
        if (datGrid->hasRecordSet())
            datGrid->refresh();
        if (plan.book) {
            datIni->refresh();
            datReturnAddresses->refresh();
        }
        QString notKept;
        for (const exchange::UnknownCategory& category : plan.unknownCategories) {
            if (!category.assigned)
                notKept += QStringLiteral("\nGroup \"%1\" matched no group title and was not kept.")
                               .arg(category.name);
        }
        // Empty rows are no records; rows without a name are, and are told apart.
        const QString nameless =
            plan.nameless > 0
                ? QStringLiteral(" %1 had no name and were left out.").arg(plan.nameless)
                : QString();
        dialogs_.message(QStringLiteral("Imported %1 of %2 records; %3 skipped as already in the "
                                        "book.%4%5")
                             .arg(*added)
                             .arg(plan.rowsRead - plan.empty)
                             .arg(plan.duplicates + int(plan.records.size()) - *added)
                             .arg(nameless, notKept),
                         QStringLiteral("Import"), Dialogs::Buttons::Ok);
    });
}

void frmMailForm::actExport_Click() {
    runHandler(dialogs_, [this] {
        QString filter = kCsvFilter;
        QString file = exchangeDialogs().saveFileName(
            QStringLiteral("Export addresses"), kCsvFilter + QStringLiteral(";;") + kVCardFilter,
            &filter);
        if (file.isEmpty())
            return;
        const bool vCard =
            filter == kVCardFilter || file.endsWith(QLatin1String(".vcf"), Qt::CaseInsensitive);
        Data1->flushPending();
        // The groups ticked on page "Mailings", or the whole book when none is.
        const auto records = exchange::readRecords(db_, chosenGroups());
        bool done = false;
        {
            ProgressBox progress(this, QStringLiteral("Exporting addresses..."));
            done = exchange::exportToFile(file, records,
                                          vCard ? exchange::Format::VCard : exchange::Format::Csv,
                                          groupTitles(), db_.path(), progress.callback());
        }
        dialogs_.message(
            done ? QStringLiteral("Exported %1 records to \"%2\".").arg(records.size()).arg(file)
                 : QStringLiteral("The export was cancelled; nothing was written."),
            QStringLiteral("Export"), Dialogs::Buttons::Ok);
    });
}

} // namespace ravelbook

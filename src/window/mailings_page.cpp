// Page "Mailings": its controls, the stationery options, the vertical
// adjustment, the group boxes that fill the grid, and the job they describe.
#include "window/mailings_page.h"

#include "print/address_list.h"
#include "print/calibration_sheet.h"
#include "print/job_selection.h"
#include "print/option_names.h"
#include "print/print_run.h"
#include "print/vertical_adjustment.h"
#include "settings/choices.h"
#include "store/data_source.h"
#include "store/database.h"
#include "store/schema.h"
#include "store/statements.h"
#include "store/store_error.h"
#include "window/bindings.h"
#include "window/conflict_resolution.h"
#include "window/control_placer.h"
#include "window/current_record.h"
#include "window/grid_columns.h"
#include "window/group_boxes.h"
#include "window/handler_edge.h"
#include "window/limited_text_edit.h"
#include "window/open_book.h"
#include "window/record_set_model.h"
#include "window/stationery_chooser.h"
#include "window/warning_colour.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTableView>
#include <QTabWidget>
#include <QThread>

namespace ravelbook {

namespace {

// The box of the return address's name, below the print button.
constexpr QRect kReturnNameBox{120, 2880, 3975, 285};

// Red text for an entry that is not used. Through the palette: a style sheet
// would give the box the style sheet's font, another than the page's.
void setRefusedLook(QLineEdit* box, bool refused) {
    setWarningLook(box, refused, QPalette::Text, QPalette::Base);
}

bool isChecked(const QCheckBox* box) {
    return box->checkState() != Qt::Unchecked;
}

// What a catalogue stationery prints like: the options and the run's wording
// of the built-in stationery of its kind.
Stationery builtInOfKind(StockKind kind) {
    switch (kind) {
    case StockKind::Envelope:
        return Stationery::Envelopes;
    case StockKind::Card:
        return Stationery::Cards;
    case StockKind::Labels:
        break;
    }
    return Stationery::SmallLabels;
}

} // namespace

MailingsPage::MailingsPage(const OpenBook& book, CurrentRecord& record, GroupTitleOf groupTitle,
                           ReturnLines returnLines, QTabWidget* tabs)
    : QWidget(tabs), book_(book), record_(record), groupTitle_(groupTitle),
      returnLines_(std::move(returnLines)) {
    setObjectName(indexed("SSTab1Page", 1));
    buildControls();

    datGrid = new DataSource(book_.db, schema::kAddresses, this);
    datGrid->setObjectName(QStringLiteral("datGrid"));
    datIni = new DataSource(book_.db, schema::kIni, this);
    datIni->setObjectName(QStringLiteral("datIni"));
    datIni->setRecordSource(sql::selectTable(schema::kIni));
    gridModel_ = new RecordSetModel(*datGrid, this);
    gridColumnsModel_ = new GroupColumnsModel(std::move(groupTitle), this);
    gridColumnsModel_->setSourceModel(gridModel_);
    TDBGridS1->setModel(gridColumnsModel_);

    iniBindings_ = new Bindings(*datIni, this);
    // Kept only once the labels accept it, never a keystroke of a refused entry.
    iniBindings_->bindHandedOver(txtVerticalAdjustment, QStringLiteral("VerticalAdjustment"));

    const auto report = [this](const QString& message) { book_.report(message); };
    connect(iniBindings_, &Bindings::failed, this, report);
    connect(gridModel_, &RecordSetModel::failed, this, report);
    gridModel_->onConflict = [this](const RecordConflict& conflict) {
        resolveConflict(book_.dialogs, conflict);
    };
    connectGrid();
    connectControls();
    actShowGroupColumns =
        (new GridColumns(*TDBGridS1, *gridColumnsModel_, this))->showGroupsAction();
}

MailingsPage::~MailingsPage() {
    if (loader_)
        loader_->wait();
}

void MailingsPage::buildControls() {
    Placer onPage(book_.geometry, book_.tabs);
    optAverySmall =
        onPage.add<QRadioButton>(this, QStringLiteral("optAverySmall"), {120, 480, 2055, 255},
                                 tr("Avery 8161 ( 1\" X 4\" ) "));
    optAveryLarge = onPage.add<QRadioButton>(this, QStringLiteral("optAveryLarge"),
                                             {120, 765, 2055, 255}, tr("Avery 8163 ( 2\" X 4\" )"));
    optEnvelope =
        onPage.add<QRadioButton>(this, QStringLiteral("optEnvelope"), {120, 1080, 2775, 255},
                                 tr("Envelope #10 ( 4 1/8\" X 9 1/2\" )"));
    optCards = onPage.add<QRadioButton>(this, QStringLiteral("optCards"), {120, 1395, 2415, 255},
                                        tr("Cards ( 5 1/2\" X 8 1/2\" )"));
    optFlier = onPage.add<QRadioButton>(this, QStringLiteral("optFlier"), {120, 1680, 2415, 255},
                                        tr("Full sheet flier"));
    // Below the groups, the one free row of the page: the option and the name of its choice.
    optMoreStationery = onPage.add<QRadioButton>(this, QStringLiteral("optMoreStationery"),
                                                 {6000, 3015, 1575, 225}, tr("More stationery…"));
    lblStock = onPage.add<QLabel>(this, QStringLiteral("lblStock"), {7620, 3015, 1635, 225});
    chkPrintSample =
        onPage.add<QCheckBox>(this, QStringLiteral("chkPrintSample"), {120, 1920, 2775, 255},
                              tr("Print Single Selected in Grid Below"));
    chkPrintSample->setChecked(true);
    // The print button shares its row with "Preview", which shows the same run first.
    cmdPrintMailingList = onPage.add<QPushButton>(this, QStringLiteral("cmdPrintMailingList"),
                                                  {120, 2200, 1515, 375}, tr("Print Mailing List"));
    cmdPreview = onPage.add<QPushButton>(this, QStringLiteral("cmdPreview"),
                                         {1695, 2200, 1200, 375}, tr("Pre&view"));
    Label1 = onPage.add<QLabel>(this, QStringLiteral("Label1"), {120, 2640, 3015, 255},
                                tr("Return address"));
    txtReturnAddress3 = onPage.add<QLineEdit>(this, indexed("txtReturnAddress", 3), kReturnNameBox);
    txtReturnAddress3->setMaxLength(kFieldBoxLength[std::size_t(Field::Name)]);
    Label1->setBuddy(txtReturnAddress3);

    lblSpecial = onPage.add<QLabel>(this, QStringLiteral("lblSpecial"), {2640, 480, 2655, 255},
                                    tr("Special text"));
    txtSpecial = onPage.add<QLineEdit>(this, QStringLiteral("txtSpecial"), {2640, 690, 3135, 285});
    keepOneLineText(txtSpecial);
    lblSpecial->setBuddy(txtSpecial);
    frmFold = onPage.add<QGroupBox>(this, QStringLiteral("frmFold"), {3120, 1000, 2175, 645});
    // Label sheets only, where the special text stands for the other stationery.
    lblStartAt = onPage.add<QLabel>(this, QStringLiteral("lblStartAt"), {2640, 510, 1335, 255},
                                    tr("Start at label"));
    spnStartAt = onPage.add<QSpinBox>(this, QStringLiteral("spnStartAt"), {4020, 480, 735, 285});
    spnStartAt->setRange(1, 20);
    lblStartAt->setBuddy(spnStartAt);
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{lblSpecial, txtSpecial, frmFold, lblStartAt, spnStartAt})
        hidden->setVisible(false);

    Placer inFrame(book_.geometry, nullptr);
    optBiFold = inFrame.add<QRadioButton>(frmFold, QStringLiteral("optBiFold"),
                                          {120, 120, 1815, 255}, tr("Bi - Fold Fliers"));
    optTriFold = inFrame.add<QRadioButton>(frmFold, QStringLiteral("optTriFold"),
                                           {120, 360, 1695, 255}, tr("Tri - Fold Fliers"));
    optTriFold->setChecked(true);

    Label19 =
        onPage.add<QLabel>(this, QStringLiteral("Label19"), {3120, 1680, 2655, 855},
                           tr("Vertical Adjustment: To accommodate different printers, enter a "
                              "higher number to move labels down on page ( 180 = 1/8\" )"));
    Label19->setWordWrap(true);
    Label19->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    txtVerticalAdjustment = onPage.add<QLineEdit>(this, QStringLiteral("txtVerticalAdjustment"),
                                                  {3120, 2520, 975, 285});
    // The caption above is a paragraph: the box's name is its first words, the rest describes it.
    txtVerticalAdjustment->setAccessibleName(tr("Vertical Adjustment"));
    txtVerticalAdjustment->setAccessibleDescription(Label19->text());
    // Beside the box: which value the labels take, when the text doesn't say it plainly.
    lblAdjustmentNote =
        onPage.add<QLabel>(this, QStringLiteral("lblAdjustmentNote"), {4200, 2550, 1575, 255});
    chkFirstNameFirst = onPage.add<QCheckBox>(this, QStringLiteral("chkFirstNameFirst"),
                                              {4320, 2880, 1575, 255}, tr("First Name First"));
    chkFirstNameFirst->setChecked(true);

    Frame1 = onPage.add<QGroupBox>(this, indexed("Frame1", 1), {6000, 480, 3255, 2535},
                                   tr("Groups - Check all that apply"));
    colourFrameCaption(Frame1);
    chkGroups = buildGroupBoxes(Frame1, true, book_.geometry, this);

    buildMailingOptions(onPage);

    TDBGridS1 = onPage.add<QTableView>(this, QStringLiteral("TDBGridS1"), {0, 3570, 9255, 1725});
    TDBGridS1->setShowGrid(true);
    TDBGridS1->setAccessibleName(tr("Addresses to mail"));
    TDBGridS1->verticalHeader()->setVisible(true); // the record selectors
    TDBGridS1->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    TDBGridS1->setSelectionBehavior(QAbstractItemView::SelectRows);
    TDBGridS1->setSelectionMode(QAbstractItemView::SingleSelection);

    // The middle column shows one of its top controls at a time, by stationery.
    std::vector<QWidget*> order{
        optAverySmall,    optAveryLarge,     optEnvelope,    optCards,
        optFlier,         optMoreStationery, chkPrintSample, cmdPrintMailingList,
        cmdPreview,       txtReturnAddress3, txtSpecial,     optBiFold,
        optTriFold,       spnStartAt,        cboListPaper,   txtVerticalAdjustment,
        chkFirstNameFirst};
    appendAll(order, chkGroups);
    order.insert(order.end(),
                 {optAddressList, spnCopies, chkFillSheet, cboSortBy, chkCloseUp, TDBGridS1});
    setTabOrderOf(order);
}

void MailingsPage::buildMailingOptions(Placer& onPage) {
    // A row taken from the grid's top: the sixth way of printing and the options of every run.
    optAddressList = onPage.add<QRadioButton>(this, QStringLiteral("optAddressList"),
                                              {120, 3270, 1335, 255}, tr("Address list"));
    lblCopies = onPage.add<QLabel>(this, QStringLiteral("lblCopies"), {1560, 3285, 1035, 255},
                                   tr("Copies of each"));
    spnCopies = onPage.add<QSpinBox>(this, QStringLiteral("spnCopies"), {2640, 3255, 615, 285});
    spnCopies->setRange(1, kMostCopies);
    lblCopies->setBuddy(spnCopies);
    chkFillSheet = onPage.add<QCheckBox>(this, QStringLiteral("chkFillSheet"),
                                         {3390, 3270, 1215, 255}, tr("Fill the sheet"));
    chkFillSheet->setToolTip(
        tr("The one record selected in the grid on every free label of the sheet"));
    lblSortBy = onPage.add<QLabel>(this, QStringLiteral("lblSortBy"), {4680, 3285, 615, 255},
                                   tr("Sort by"));
    cboSortBy = onPage.add<QComboBox>(this, QStringLiteral("cboSortBy"), {5295, 3255, 1335, 285});
    const std::pair<QString, SortOrder> sortCaptions[] = {
        //: An order the labels can be printed in
        {tr("Book order"), SortOrder::Book},
        //: An order the labels can be printed in: by name
        {tr("Name"), SortOrder::Name},
        //: An order the labels can be printed in
        {tr("Postal code"), SortOrder::PostalCode},
    };
    for (const auto& [caption, order] : sortCaptions)
        cboSortBy->addItem(caption, int(order));
    lblSortBy->setBuddy(cboSortBy);
    chkCloseUp = onPage.add<QCheckBox>(this, QStringLiteral("chkCloseUp"), {6750, 3270, 1815, 255},
                                       tr("Close up empty lines"));

    // The list has no labels to start at: its paper takes their place.
    lblListPaper = onPage.add<QLabel>(this, QStringLiteral("lblListPaper"), {2640, 510, 1335, 255},
                                      tr("Paper"));
    cboListPaper =
        onPage.add<QComboBox>(this, QStringLiteral("cboListPaper"), {4020, 480, 1095, 285});
    //: The US paper size the address list can be printed on
    cboListPaper->addItem(tr("Letter"), int(ListPaper::Letter));
    //: The paper size the address list can be printed on
    cboListPaper->addItem(tr("A4"), int(ListPaper::A4));
    lblListPaper->setBuddy(cboListPaper);
    chooseListPaper(listPaperForLocale(QLocale()));
    lblListPaper->setVisible(false);
    cboListPaper->setVisible(false);
}

void MailingsPage::connectGrid() {
    // The grid's current row is datGrid's current record, both ways.
    connect(TDBGridS1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid() || current.row() == datGrid->position())
                    return;
                runHandler(book_.dialogs, [&] { datGrid->moveTo(current.row()); });
            });
    connect(datGrid, &DataSource::currentChanged, this, [this] {
        const int row = datGrid->position();
        if (row < 0 || row >= gridModel_->rowCount() || TDBGridS1->currentIndex().row() == row)
            return;
        const int column = std::max(0, TDBGridS1->currentIndex().column());
        TDBGridS1->setCurrentIndex(TDBGridS1->model()->index(row, column));
    });
}

void MailingsPage::connectControls() {
    // These boxes filter the grid; the Names boxes are refilled on every record
    // change, and a print run changes records many thousand times.
    for (int k = 0; k < kGroupCount; ++k)
        connect(chkGroups[std::size_t(k)], &QCheckBox::toggled, this,
                [this, k] { chkGroups_Click(k); });
    connect(optAverySmall, &QRadioButton::clicked, this, &MailingsPage::optAverySmall_Click);
    connect(optAveryLarge, &QRadioButton::clicked, this, &MailingsPage::optAveryLarge_Click);
    connect(optEnvelope, &QRadioButton::clicked, this, &MailingsPage::optEnvelope_Click);
    connect(optCards, &QRadioButton::clicked, this, &MailingsPage::optCards_Click);
    connect(optFlier, &QRadioButton::clicked, this, &MailingsPage::optFlier_Click);
    connect(optAddressList, &QRadioButton::clicked, this, &MailingsPage::optAddressList_Click);
    connect(chkPrintSample, &QCheckBox::toggled, this, &MailingsPage::showMailingOptions);
    connect(chkFillSheet, &QCheckBox::toggled, this, &MailingsPage::showMailingOptions);
    // The option checked before "More stationery…" is clicked, for its Cancel.
    connect(optMoreStationery, &QRadioButton::pressed, this, [this] {
        checkedBeforeMore_ = nullptr;
        for (const Stationery stationery : kStationeryOrder) {
            if (stationeryOption(stationery)->isChecked())
                checkedBeforeMore_ = stationeryOption(stationery);
        }
        if (optAddressList->isChecked())
            checkedBeforeMore_ = optAddressList;
        if (optMoreStationery->isChecked())
            checkedBeforeMore_ = optMoreStationery;
    });
    connect(optMoreStationery, &QRadioButton::clicked, this,
            &MailingsPage::optMoreStationery_Click);
    lblStock->setEnabled(false);
    connect(optMoreStationery, &QRadioButton::toggled, lblStock, &QLabel::setEnabled);
    connect(txtVerticalAdjustment, &QLineEdit::textChanged, this,
            &MailingsPage::txtVerticalAdjustment_Change);
    connect(txtVerticalAdjustment, &QLineEdit::editingFinished, this,
            &MailingsPage::acceptVerticalAdjustment);
}

GroupChoice MailingsPage::chosenGroups() const {
    GroupChoice groups{};
    for (int k = 0; k < kGroupCount; ++k)
        groups[std::size_t(k)] = isChecked(chkGroups[std::size_t(k)]);
    return groups;
}

void MailingsPage::chkGroups_Click(int) {
    runHandler(book_.dialogs, [this] {
        const GroupChoice groups = chosenGroups();
        const sql::RecordSource query =
            sql::anyGroup(groups) ? sql::selectGroups(groups) : sql::selectNothing();
        strSQL = query.text;
        datGrid->setRecordSource(query);
        datGrid->refresh();
    });
}

void MailingsPage::showPrintOptions(Stationery stationery) {
    showPrintOptions(printOptionsShownFor(stationery), slotsPerSheet(stationery));
}

void MailingsPage::showPrintOptions(const PrintOptionsShown& shown, int slots) {
    // A partly used sheet of labels can be finished; the other stationery has no slots.
    lblStartAt->setVisible(slots > 0);
    spnStartAt->setVisible(slots > 0);
    // Only label sheets are moved by the vertical adjustment.
    for (QWidget* adjustment :
         {static_cast<QWidget*>(Label19), static_cast<QWidget*>(txtVerticalAdjustment),
          static_cast<QWidget*>(lblAdjustmentNote)})
        adjustment->setVisible(slots > 0);
    if (slots > 0)
        spnStartAt->setRange(1, slots);
    lblSpecial->setVisible(shown.lblSpecial);
    txtSpecial->setVisible(shown.txtSpecial);
    frmFold->setVisible(shown.frmFold);
    Label1->setVisible(shown.Label1);
    txtReturnAddress3->setVisible(shown.txtReturnAddress3);
    const bool list = optAddressList->isChecked();
    lblListPaper->setVisible(list);
    cboListPaper->setVisible(list);
    slotsShown_ = slots;
    showMailingOptions();
}

void MailingsPage::showMailingOptions() {
    const bool list = optAddressList->isChecked();
    // One record fills the free labels in place of its copies.
    chkFillSheet->setEnabled(slotsShown_ > 0 && !list && isChecked(chkPrintSample));
    const bool filling = chkFillSheet->isEnabled() && isChecked(chkFillSheet);
    lblCopies->setEnabled(!list && !filling);
    spnCopies->setEnabled(!list && !filling);
    // A table row has no address block to close up.
    chkCloseUp->setEnabled(!list);
}

void MailingsPage::optAverySmall_Click() {
    showPrintOptions(Stationery::SmallLabels);
}

void MailingsPage::optAveryLarge_Click() {
    showPrintOptions(Stationery::LargeLabels);
}

void MailingsPage::optEnvelope_Click() {
    showPrintOptions(Stationery::Envelopes);
}

void MailingsPage::optCards_Click() {
    showPrintOptions(Stationery::Cards);
}

void MailingsPage::optFlier_Click() {
    showPrintOptions(Stationery::Fliers);
}

void MailingsPage::optAddressList_Click() {
    showPrintOptions(PrintOptionsShown{}, 0);
}

void MailingsPage::showStockOptions() {
    if (const std::optional<PrintJob> job = stockJob())
        showPrintOptions(printOptionsShownFor(job->stationery), slotsPerSheet(*job));
}

std::shared_ptr<const StationeryCatalogue> MailingsPage::catalogue() {
    waitForCatalogue();
    if (!catalogue_)
        catalogue_ = StationeryCatalogue::standard();
    return catalogue_;
}

void MailingsPage::waitForCatalogue() {
    if (!loader_)
        return;
    loader_->wait();
    loader_.reset();
    if (loaded_)
        catalogue_ = std::move(loaded_);
}

void MailingsPage::catalogueChanged() {
    waitForCatalogue();
    catalogue_ = StationeryCatalogue::reloadStandard();
}

void MailingsPage::restoreStock(const QString& id) {
    if (id.isEmpty() || loader_)
        return;
    loader_.reset(QThread::create([this] { loaded_ = StationeryCatalogue::standard(); }));
    connect(loader_.get(), &QThread::finished, this, [this, id] {
        waitForCatalogue();
        // A choice the user made meanwhile stands.
        if (chosenStationery() || optMoreStationery->isChecked())
            return;
        if (const StockTemplate* stock = catalogue_ ? catalogue_->find(id) : nullptr)
            chooseStock(*stock);
    });
    loader_->start(QThread::LowPriority);
}

void MailingsPage::chooseStock(const StockTemplate& stock) {
    if (stock.builtIn) {
        stationeryOption(*stock.builtIn)->click();
        return;
    }
    stock_ = std::make_shared<const StockTemplate>(stock);
    const QString title = stationeryTitle(stock);
    lblStock->setText(lblStock->fontMetrics().elidedText(title, Qt::ElideRight, lblStock->width()));
    lblStock->setToolTip(title);
    optMoreStationery->setChecked(true);
    showStockOptions();
}

std::shared_ptr<const StockTemplate> MailingsPage::chosenStock() const {
    return optMoreStationery->isChecked() ? stock_ : nullptr;
}

void MailingsPage::optMoreStationery_Click() {
    QRadioButton* before = checkedBeforeMore_;
    bool chosen = false;
    runHandler(book_.dialogs, [&] {
        StationeryChooser chooser(catalogue(), choices::recentStationeries(book_.settings),
                                  stock_ ? stock_->id : QString(), window());
        if (!(chooserRunner_ ? chooserRunner_(chooser) : chooser.exec() == QDialog::Accepted))
            return;
        const StockTemplate* stock = chooser.chosen();
        if (!stock)
            return;
        chosen = true;
        chooseStock(*stock);
        choices::rememberStationery(book_.settings, stock->id);
    });
    if (chosen)
        return;
    // Called off: the option checked before stays so, or none when there was none.
    if (before == optMoreStationery && stock_) {
        optMoreStationery->setChecked(true); // a click may have unchecked it
        showStockOptions();
        return;
    }
    if (before) {
        before->click();
        return;
    }
    optMoreStationery->setAutoExclusive(false);
    optMoreStationery->setChecked(false);
    optMoreStationery->setAutoExclusive(true);
}

void MailingsPage::txtVerticalAdjustment_Change() {
    // The book's own value is in force at once; a typed entry once it is finished.
    if (!txtVerticalAdjustment->isModified())
        acceptVerticalAdjustment();
    else
        showAdjustmentNote(usableVerticalAdjustment(txtVerticalAdjustment->text()));
}

void MailingsPage::acceptVerticalAdjustment() {
    const std::optional<qint16> value = usableVerticalAdjustment(txtVerticalAdjustment->text());
    if (value) {
        intVerticalAdjustment = *value;
        if (txtVerticalAdjustment->isModified()) {
            txtVerticalAdjustment->setModified(false);
            iniBindings_->handOver(txtVerticalAdjustment);
        }
    }
    showAdjustmentNote(value);
}

void MailingsPage::showAdjustmentNote(const std::optional<qint16>& value) {
    const QString text = txtVerticalAdjustment->text();
    if (value) {
        setRefusedLook(txtVerticalAdjustment, false);
        txtVerticalAdjustment->setToolTip(QString());
        // "1,440" is read as 1: say so when the text is not written plainly.
        lblAdjustmentNote->setText(isPlainWholeNumber(text) ? QString()
                                                            : tr("Labels use %1").arg(*value));
        return;
    }
    // Refused: the labels keep the last good value, and the box says so.
    const AdjustmentRange range = usableAdjustments();
    setRefusedLook(txtVerticalAdjustment, true);
    txtVerticalAdjustment->setToolTip(
        tr("Not used: the adjustment must lie between %1 and %2 twips, or lines of "
           "the last labels leave the printable area. Labels stay at %3.")
            .arg(range.lowest)
            .arg(range.highest)
            .arg(intVerticalAdjustment));
    lblAdjustmentNote->setText(tr("Labels stay at %1").arg(intVerticalAdjustment));
}

std::optional<PrintJob> MailingsPage::requestedJob() {
    // A print from the menu leaves the box with the focus: its entry counts as finished.
    acceptVerticalAdjustment();
    const GroupChoice groups = chosenGroups();
    strSQL = sql::selectGroups(groups).text;
    if (!sql::anyGroup(groups)) {
        book_.dialogs.message(kNoGroupChosen.text(), kNoGroupChosen.title(), Dialogs::Buttons::Ok);
        return std::nullopt;
    }
    if (std::optional<PrintJob> job = chosenJob())
        return job;
    book_.dialogs.message(kNoStationeryChosen.text(), kNoStationeryChosen.title(),
                          Dialogs::Buttons::Ok);
    return std::nullopt;
}

std::optional<PrintJob> MailingsPage::chosenJob() const {
    if (const std::optional<Stationery> stationery = chosenStationery())
        return printJob(*stationery);
    if (std::optional<PrintJob> job = stockJob())
        return job;
    return addressListJob();
}

std::optional<PrintJob> MailingsPage::requestedSenderLabels() {
    acceptVerticalAdjustment();
    std::optional<PrintJob> job = chosenJob();
    if (!job) {
        book_.dialogs.message(kSenderLabelsNeedLabels.text(), kSenderLabelsNeedLabels.title(),
                              Dialogs::Buttons::Ok);
        return std::nullopt;
    }
    job->senderLabels = true;
    job->records = {};
    // The sheet is filled unless a number of labels is asked for.
    const bool filling = chkFillSheet->isEnabled() && isChecked(chkFillSheet);
    job->copies = filling ? 1 : spnCopies->value();
    job->fillSheet = job->copies == 1;
    return job;
}

std::optional<PrintJob> MailingsPage::addressListJob() const {
    if (!optAddressList->isChecked())
        return std::nullopt;
    PrintJob job = printJob(Stationery::Fliers);
    AddressListSetup list{chosenListPaper(), {}, QDate::currentDate()};
    for (int k = 0; k < kGroupCount; ++k) {
        if (job.records.groups[std::size_t(k)])
            list.groupTitles << groupTitle_(k);
    }
    job.addressList = list;
    applyMailingOptions(job);
    return job;
}

SortOrder MailingsPage::chosenSortOrder() const {
    return SortOrder(cboSortBy->currentData().toInt());
}

void MailingsPage::chooseSortOrder(SortOrder order) {
    cboSortBy->setCurrentIndex(std::max(0, cboSortBy->findData(int(order))));
}

ListPaper MailingsPage::chosenListPaper() const {
    return ListPaper(cboListPaper->currentData().toInt());
}

void MailingsPage::chooseListPaper(ListPaper paper) {
    cboListPaper->setCurrentIndex(std::max(0, cboListPaper->findData(int(paper))));
}

std::optional<Stationery> MailingsPage::chosenStationery() const {
    for (const Stationery stationery : kStationeryOrder) {
        if (stationeryOption(stationery)->isChecked())
            return stationery;
    }
    return std::nullopt;
}

QRadioButton* MailingsPage::stationeryOption(Stationery stationery) const {
    const std::array<QRadioButton*, 5> options = {optAverySmall, optAveryLarge, optEnvelope,
                                                  optCards, optFlier};
    return options[std::size_t(stationery)];
}

std::optional<PrintJob> MailingsPage::stockJob() const {
    const std::shared_ptr<const StockTemplate> stock = chosenStock();
    if (!stock)
        return std::nullopt;
    PrintJob job = printJob(builtInOfKind(stock->kind));
    job.stock = stock;
    job.startAt = spnStartAt->value();
    if (slotsPerSheet(job) <= 0)
        job.startAt = 1;
    applyMailingOptions(job);
    return job;
}

PrintJob MailingsPage::printJob(Stationery stationery) const {
    PrintJob job;
    job.stationery = stationery;
    job.biFold = optBiFold->isChecked();
    job.records.groups = chosenGroups();
    job.records.single = isChecked(chkPrintSample);
    // The grid's current record; none when the editor holds no record at all.
    if (job.records.single && record_.holdsRecords() && datGrid->hasCurrent())
        job.records.record = datGrid->currentKey();
    job.firstNameFirst = isChecked(chkFirstNameFirst);
    job.specialText = txtSpecial->text();
    const std::array<QString, 3> lines = returnLines_();
    for (int line = 0; line < 3; ++line)
        job.returnAddress[std::size_t(line)] = lines[std::size_t(line)];
    job.verticalAdjustment = intVerticalAdjustment;
    if (slotsPerSheet(stationery) > 0)
        job.startAt = spnStartAt->value();
    job.records.sort = chosenSortOrder();
    job.closeUp = isChecked(chkCloseUp);
    applyMailingOptions(job);
    return job;
}

void MailingsPage::applyMailingOptions(PrintJob& job) const {
    const bool labels = !job.addressList && slotsPerSheet(job) > 0;
    job.fillSheet = labels && job.records.single && isChecked(chkFillSheet);
    job.copies = job.fillSheet || job.addressList ? 1 : spnCopies->value();
    if (job.addressList)
        job.closeUp = false;
}

// The editor is left on the query of the run, as it always was: past its last
// record after a group run, on the printed record after a single one.
void MailingsPage::showEditorOn(const PrintJob& job) {
    DataSource& Data1 = *record_.Data1;
    // The boxes show the record the editor ends on, once.
    const Bindings::Hold hold(record_.bindings());
    try {
        if (job.records.single) {
            const QString name = datGrid->hasCurrent() ? datGrid->field(0).toString() : QString();
            const sql::RecordSource query = sql::selectAddressesNamed(name);
            strSQL = query.text;
            Data1.setRecordSource(query);
            Data1.refresh();
            if (job.records.record)
                Data1.moveToKey(*job.records.record);
        } else {
            Data1.setRecordSource({strSQL, {}});
            Data1.refresh();
            if (Data1.recordCount() > 0) {
                Data1.moveLast();
                Data1.moveNext();
            }
        }
    } catch (const Error& error) {
        book_.report(error.message());
    }
}

} // namespace ravelbook

// Page "Names": its controls, choosing a name, adding, saving and deleting the
// record that Data1 holds.
#include "window/names_page.h"

#include "store/data_source.h"
#include "store/database.h"
#include "store/schema.h"
#include "store/statements.h"
#include "store/store_error.h"
#include "window/bindings.h"
#include "window/control_placer.h"
#include "window/current_record.h"
#include "window/drop_down_list.h"
#include "window/group_boxes.h"
#include "window/handler_edge.h"
#include "window/limited_text_edit.h"
#include "window/name_filter.h"
#include "window/open_book.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QTabWidget>

namespace ravelbook {

namespace {

// The editor's boxes, in field order: boxes 0 to 5 and the notes box.
constexpr QRect kAddressBoxes[kFieldCount] = {
    {1440, 620, 3345, 285},   {1440, 1000, 3615, 285}, {1440, 1420, 3615, 285},
    {1440, 1820, 3615, 285},  {1440, 2230, 3615, 285}, {1440, 2640, 3615, 285},
    {1440, 3120, 7815, 1605},
};

struct LabelRow {
    int index;
    const char* caption;
    QRect twips;
};

// The captions of boxes 4, 5 and 6 sit beside boxes 5, 6 and 4.
constexpr LabelRow kAddressLabels[] = {
    {0, QT_TRANSLATE_NOOP("ravelbook::NamesPage", "Name ( L, F )"), {240, 600, 1095, 255}},
    {1, QT_TRANSLATE_NOOP("ravelbook::NamesPage", "Address"), {240, 1000, 1095, 255}},
    {2, QT_TRANSLATE_NOOP("ravelbook::NamesPage", "City, State  Zip"), {240, 1425, 1095, 255}},
    {3, QT_TRANSLATE_NOOP("ravelbook::NamesPage", "Country"), {240, 1820, 1095, 255}},
    {6, QT_TRANSLATE_NOOP("ravelbook::NamesPage", "Contact"), {240, 2230, 1095, 255}},
    {4, QT_TRANSLATE_NOOP("ravelbook::NamesPage", "Phone"), {240, 2640, 1095, 255}},
    {5, QT_TRANSLATE_NOOP("ravelbook::NamesPage", "Notes"), {240, 3120, 975, 255}},
};

} // namespace

NamesPage::NamesPage(const OpenBook& book, CurrentRecord& record, QTabWidget* tabs)
    : QWidget(tabs), book_(book), record_(record), Data1(*record.Data1) {
    setObjectName(indexed("SSTab1Page", 0));
    buildControls();
    Bindings& bindings = record_.bindings();
    for (int field = 0; field < kFieldCount; ++field) {
        if (field == int(Field::Notes))
            bindings.bind(txtNotes, fieldColumns()[field]);
        else
            bindings.bind(txtAddress[std::size_t(field)], fieldColumns()[field]);
    }
    for (int k = 0; k < kGroupCount; ++k)
        bindings.bind(chkGroups[std::size_t(k)], schema::groupColumn(k));
}

void NamesPage::buildControls() {
    Placer onPage(book_.geometry, book_.tabs);
    for (const LabelRow& row : kAddressLabels)
        lblAddress[std::size_t(row.index)] =
            onPage.add<QLabel>(this, indexed("lblAddress", row.index), row.twips,
                               QCoreApplication::translate("ravelbook::NamesPage", row.caption));

    cboName = onPage.add<QComboBox>(this, QStringLiteral("cboName"), {1440, 600, 3615, 315});
    nameList_ = new QStringListModel(this);
    nameFilter_ = new NameFilterModel(*nameList_, this);
    cboName->setModel(nameFilter_);
    // Large books: no width scan over every name, and a list view that doesn't
    // measure rows one by one.
    cboName->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* view = qobject_cast<QListView*>(cboName->view()))
        view->setUniformItemSizes(true);
    dropDownAsList(cboName);
    cboName->setMaxVisibleItems(20);

    for (int field = 0; field < kFieldCount; ++field) {
        const QString name = indexed("txtAddress", field);
        const QRect& twips = kAddressBoxes[field];
        if (field == int(Field::Notes)) {
            txtNotes = onPage.add<LimitedTextEdit>(this, name, twips);
            txtNotes->setMaxLength(kFieldBoxLength[std::size_t(field)]);
            txtNotes->setTabChangesFocus(true);
        } else {
            QLineEdit* box = onPage.add<QLineEdit>(this, name, twips);
            box->setMaxLength(kFieldBoxLength[std::size_t(field)]);
            txtAddress[std::size_t(field)] = box;
        }
    }
    // Each caption names the box beside it, which is not always the box of its field.
    for (std::size_t row = 0; row < std::size(kAddressLabels); ++row)
        lblAddress[std::size_t(kAddressLabels[row].index)]->setBuddy(
            row == std::size_t(Field::Notes) ? static_cast<QWidget*>(txtNotes) : txtAddress[row]);
    cboName->setAccessibleName(tr("Name list"));
    cboName->setAccessibleDescription(tr("Choose a name to show its address"));
    // The name box lies over the combo box's edit part, leaving its button to the right.
    txtAddress[0]->raise();
    txtAddress[0]->setToolTip(tr("Format for names:  Last Name - comma - space - First Name."));

    Frame1 = onPage.add<QGroupBox>(this, indexed("Frame1", 0), {5160, 480, 4095, 2535},
                                   tr("Groups - Check all that apply ( right click to re-name )"));
    colourFrameCaption(Frame1);
    chkGroups = buildGroupBoxes(Frame1, false, book_.geometry, this);

    cmdNewAddress = onPage.add<QPushButton>(this, QStringLiteral("cmdNewAddress"),
                                            {2640, 4920, 2055, 375}, tr("&New Address"));
    cmdEnter = onPage.add<QPushButton>(this, QStringLiteral("cmdEnter"), {4920, 4920, 2055, 375},
                                       tr("&Enter Changes"));
    cmdDeleteRecord = onPage.add<QPushButton>(this, QStringLiteral("cmdDeleteRecord"),
                                              {7200, 4920, 2055, 375}, tr("&Delete Record"));
    // The boxes beside the groups, the groups, then the notes below them both.
    std::vector<QWidget*> order(txtAddress.begin(), txtAddress.end());
    order.insert(order.begin() + 1, cboName);
    appendAll(order, chkGroups);
    order.insert(order.end(), {txtNotes, cmdNewAddress, cmdEnter, cmdDeleteRecord});
    setTabOrderOf(order);
    connectEditing();
}

void NamesPage::connectEditing() {
    // activated, not currentIndexChanged: choosing the name already shown must
    // show its record again, and refilling the list must not choose anything.
    connect(cboName, &QComboBox::activated, this, &NamesPage::cboName_Click);
    connect(cmdNewAddress, &QPushButton::clicked, this, &NamesPage::cmdNewAddress_Click);
    connect(cmdEnter, &QPushButton::clicked, this, &NamesPage::cmdEnter_Click);
    connect(cmdDeleteRecord, &QPushButton::clicked, this, &NamesPage::cmdDeleteRecord_Click);
    followWrites(Data1);
}

void NamesPage::followWrites(DataSource& addresses) {
    connect(&addresses, &DataSource::rowWritten, this, &NamesPage::placeInNameList);
    connect(&addresses, &DataSource::rowRemoved, this, &NamesPage::dropFromNameList);
}

void NamesPage::discardNewAddress() {
    if (!newAddressMode_)
        return;
    runHandler(book_.dialogs, [this] {
        if (Data1.isNew() && Data1.isDirty() &&
            book_.dialogs.message(tr("Discard the new address?"), QStringLiteral("Ravelbook"),
                                  Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
            return;
        if (Data1.isNew())
            Data1.discardChanges();
        setNewAddressMode(false);
    });
}

void NamesPage::setNewAddressMode(bool on) {
    newAddressMode_ = on;
    Q_EMIT newAddressModeChanged(on);
    cmdDeleteRecord->setEnabled(!on);
    cmdNewAddress->setEnabled(!on);
    Frame1->setEnabled(true);
}

void NamesPage::cboName_Click() {
    runHandler(book_.dialogs, [this] {
        const QString chosen = cboName->currentText();
        // The entry stands for one record: of several equal names, the k-th entry
        // is the k-th record.
        const int entry = chosenNameListRow();
        const bool keyed = entry >= 0;
        const qint64 key = keyed ? nameListKeys_[std::size_t(entry)] : 0;
        if (!record_.leaveEditedRecord())
            return;
        Data1.setRecordSource(sql::selectAddressesNamed(chosen));
        Data1.refresh();
        if (!Data1.hasCurrent() || (keyed && !Data1.moveToKey(key))) {
            // Renamed or deleted by another window or program since the list was
            // filled. Said plainly, so the empty editor isn't taken for that record.
            FillComboBox();
            throw StoreError(tr("\"%1\" is no longer in the address book; it was "
                                "renamed or deleted elsewhere. The name list now "
                                "shows the book as it is.")
                                 .arg(chosen));
        }
    });
}

void NamesPage::cmdNewAddress_Click() {
    runHandler(book_.dialogs, [this] {
        if (!record_.leaveEditedRecord())
            return;
        Data1.addNew();
        txtAddress[0]->setFocus();
        setNewAddressMode(true);
    });
}

void NamesPage::cmdEnter_Click() {
    runHandler(book_.dialogs, [this] {
        const QString name = txtAddress[0]->text();
        if (!Data1.hasCurrent())
            throw StoreError(tr("There is no record to save. Choose a name from the "
                                "list or press New Address first."));
        Data1.update(); // the name list follows
        const std::optional<qint64> written = Data1.currentKey();
        // The list opens at the record saved, a new one too.
        if (written)
            chooseInNameList(*written);
        const sql::RecordSource named = sql::selectAddressesNamed(name);
        if (!(Data1.recordSource() == named)) {
            Data1.setRecordSource(named);
            Data1.refresh();
            // Among records of the same name, show the one just written.
            if (written)
                Data1.moveToKey(*written);
        }
        setNewAddressMode(false);
    });
}

void NamesPage::cmdDeleteRecord_Click() {
    runHandler(book_.dialogs, [this] {
        if (!Data1.hasCurrent())
            throw StoreError(tr("There is no record to delete."));
        const QString question =
            tr("Are you SURE you want to Delete %1 PERMANENTLY?").arg(txtAddress[0]->text());
        if (book_.dialogs.message(question, tr("Delete record?"), Dialogs::Buttons::YesNo) !=
            Dialogs::Answer::Yes)
            return;
        Data1.remove(); // the name list follows
        cboName->setCurrentIndex(-1);
        Data1.setRecordSource(sql::selectAllAddressesByName(book_.db.dialect()));
        Data1.refresh();
    });
}

} // namespace ravelbook

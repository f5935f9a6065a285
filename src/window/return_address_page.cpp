#include "window/return_address_page.h"

#include "core/address_record.h"
#include "store/data_source.h"
#include "store/schema.h"
#include "store/statements.h"
#include "store/store_error.h"
#include "window/bindings.h"
#include "window/control_placer.h"
#include "window/current_record.h"
#include "window/data_navigator.h"
#include "window/handler_edge.h"
#include "window/open_book.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace ravelbook {

namespace {

// Name, address and city: the first three fields of an address, in their boxes.
constexpr QRect kReturnBoxes[3] = {
    {600, 960, 4335, 375}, {600, 1440, 4335, 375}, {600, 1920, 4335, 375}};

} // namespace

ReturnAddressPage::ReturnAddressPage(const OpenBook& book, QLineEdit* nameOnMailings,
                                     QTabWidget* tabs)
    : QWidget(tabs), book_(book) {
    setObjectName(indexed("SSTab1Page", 2));
    buildControls();
    datReturnAddresses = new DataSource(book_.db, schema::kReturnAddresses, this);
    datReturnAddresses->setObjectName(QStringLiteral("datReturnAddresses"));
    datReturnAddresses->setRecordSource(sql::selectTable(schema::kReturnAddresses));

    datReturnAddressesBar = new DataNavigator(*datReturnAddresses, tr("Return Addresses"), this);
    datReturnAddressesBar->setObjectName(QStringLiteral("datReturnAddresses"));
    book_.geometry.place(datReturnAddressesBar, {600, 480, 4335, 420}, book_.tabs);
    datReturnAddressesBar->setAddsAtEnd(true);
    // The bar above the boxes, the boxes and their buttons, then the print buttons at the right.
    std::vector<QWidget*> order;
    appendAll(order, datReturnAddressesBar->buttons());
    appendAll(order, txtReturnAddress);
    order.insert(order.end(), {cmdNewReturnAddress, cmdDeleteReturnAddress, cmdPrintReturnLabels,
                               cmdPreviewReturnLabels});
    setTabOrderOf(order);

    returnBindings_ = new Bindings(*datReturnAddresses, this);
    for (int line = 0; line < 3; ++line)
        returnBindings_->bind(txtReturnAddress[std::size_t(line)], fieldColumns()[line]);
    returnBindings_->bind(nameOnMailings, fieldColumns()[int(Field::Name)]);

    const auto report = [this](const QString& message) { book_.report(message); };
    connect(returnBindings_, &Bindings::failed, this, report);
    connect(datReturnAddressesBar, &DataNavigator::failed, this, report);
    datReturnAddresses->setLeaveGuard(
        [this](const DataSource& source) { return askToLeave(book_.dialogs, source); });

    connect(cmdNewReturnAddress, &QPushButton::clicked, this, &ReturnAddressPage::newReturnAddress);
    connect(cmdDeleteReturnAddress, &QPushButton::clicked, this,
            &ReturnAddressPage::deleteReturnAddress);
    connect(datReturnAddresses, &DataSource::currentChanged, this,
            &ReturnAddressPage::showReturnAddressPosition);
    connect(datReturnAddresses, &DataSource::recordSetReset, this,
            &ReturnAddressPage::showReturnAddressPosition);
    showReturnAddressPosition();
}

void ReturnAddressPage::buildControls() {
    Placer onPage(book_.geometry, book_.tabs);
    for (int i = 0; i < 3; ++i) {
        txtReturnAddress[std::size_t(i)] =
            onPage.add<QLineEdit>(this, indexed("txtReturnAddress", i), kReturnBoxes[i]);
        txtReturnAddress[std::size_t(i)]->setMaxLength(kFieldBoxLength[std::size_t(i)]);
    }
    // Beside the boxes, which keep their places: what each holds, where the bar
    // stands, and adding and removing return addresses.
    const QString captions[] = {tr("Name"), tr("Address"), tr("City, State  Zip")};
    for (int i = 0; i < 3; ++i) {
        const QRect& twips = kReturnBoxes[i];
        lblReturnAddress[std::size_t(i)] = onPage.add<QLabel>(
            this, indexed("lblReturnAddress", i), {5055, twips.top() + 60, 1695, 255}, captions[i]);
        lblReturnAddress[std::size_t(i)]->setBuddy(txtReturnAddress[std::size_t(i)]);
    }
    lblReturnAddressPosition = onPage.add<QLabel>(this, QStringLiteral("lblReturnAddressPosition"),
                                                  {5055, 560, 1695, 255});
    cmdNewReturnAddress = onPage.add<QPushButton>(this, QStringLiteral("cmdNewReturnAddress"),
                                                  {600, 2520, 1335, 375}, tr("Ne&w"));
    cmdDeleteReturnAddress = onPage.add<QPushButton>(this, QStringLiteral("cmdDeleteReturnAddress"),
                                                     {2055, 2520, 1335, 375}, tr("De&lete"));
    cmdPrintReturnLabels =
        onPage.add<QPushButton>(this, QStringLiteral("cmdPrintReturnLabels"),
                                {6870, 480, 2295, 420}, tr("&Print return address labels"));
    cmdPreviewReturnLabels =
        onPage.add<QPushButton>(this, QStringLiteral("cmdPreviewReturnLabels"),
                                {6870, 960, 2295, 375}, tr("Pre&view return address labels"));
}

std::array<QString, 3> ReturnAddressPage::lines() const {
    return {txtReturnAddress[0]->text(), txtReturnAddress[1]->text(), txtReturnAddress[2]->text()};
}

void ReturnAddressPage::showReturnAddressPosition() {
    const int count = datReturnAddresses->recordCount();
    const bool isNew = datReturnAddresses->isNew();
    lblReturnAddressPosition->setText(
        isNew ? tr("new (%1 of %1)").arg(count + 1)
              : tr("%1 of %2")
                    .arg(datReturnAddresses->hasCurrent() ? datReturnAddresses->position() + 1 : 0)
                    .arg(count));
    // The book always keeps one return address.
    cmdDeleteReturnAddress->setEnabled(isNew || count > 1);
    cmdNewReturnAddress->setEnabled(!isNew);
}

void ReturnAddressPage::newReturnAddress() {
    runHandler(book_.dialogs, [this] {
        if (!datReturnAddresses->flushPending())
            return;
        datReturnAddresses->addNew();
        txtReturnAddress[0]->setFocus();
    });
}

void ReturnAddressPage::deleteReturnAddress() {
    runHandler(book_.dialogs, [this] {
        if (datReturnAddresses->isNew()) {
            datReturnAddresses->discardChanges();
            return;
        }
        if (!datReturnAddresses->hasCurrent())
            throw StoreError(tr("There is no return address to delete."));
        if (datReturnAddresses->recordCount() <= 1)
            throw StoreError(tr("The address book keeps at least one return "
                                "address: change this one instead."));
        QString name = datReturnAddresses->storedField(0).toString();
        if (name.isEmpty())
            name = tr("this return address");
        if (book_.dialogs.message(tr("Delete %1 from the return addresses?").arg(name),
                                  tr("Delete return address?"),
                                  Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
            return;
        datReturnAddresses->remove();
        // Removing the last row leaves the one before it shown.
        if (!datReturnAddresses->hasCurrent() && datReturnAddresses->recordCount() > 0)
            datReturnAddresses->moveLast();
    });
}

} // namespace ravelbook

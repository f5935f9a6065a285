#include "window/sync_conflicts_dialog.h"

#include "core/field_table.h"
#include "window/dialogs.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ravelbook {

namespace {

// The no-op client the book's side of a resolution is built with: resolving
// writes only to the book.
class NoTransport final : public HttpTransport {
public:
    HttpResponse send(const HttpRequest&) override {
        throw Error(QCoreApplication::translate("ravelbook::SyncConflictsDialog",
                                                "No server is asked while conflicts are resolved."),
                    Error::Kind::Network);
    }
};

QString groupsOf(const AddressRecord& record, const GroupTitles& titles) {
    QStringList names;
    for (int k = 0; k < kGroupCount; ++k) {
        if (record.groups[std::size_t(k)])
            names << (titles[std::size_t(k)].isEmpty()
                          ? QCoreApplication::translate("ravelbook::SyncConflictsDialog",
                                                        "group %1")
                                .arg(k + 1)
                          : titles[std::size_t(k)]);
    }
    return names.join(QStringLiteral(", "));
}

} // namespace

SyncConflictsDialog::SyncConflictsDialog(Database& db, Dialogs& dialogs, GroupTitles titles,
                                         QWidget* parent)
    : QDialog(parent), db_(db), dialogs_(dialogs), titles_(std::move(titles)) {
    setWindowTitle(tr("Sync Conflicts"));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(tr("These records were changed both in the book and on "
                               "the server. Choose which version stays; the next "
                               "sync brings the other side in step."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* row = new QHBoxLayout;
    lstConflicts = new QListWidget(this);
    lstConflicts->setObjectName(QStringLiteral("lstConflicts"));
    lstConflicts->setAccessibleName(tr("Records in conflict"));
    grdVersions = new QTableWidget(kFieldCount + 1, 2, this);
    grdVersions->setObjectName(QStringLiteral("grdVersions"));
    grdVersions->setAccessibleName(tr("Both versions"));
    grdVersions->setHorizontalHeaderLabels({tr("In the book"), tr("On the server")});
    QStringList rows;
    for (const FieldRule& rule : kAddressFields)
        rows << QString::fromLatin1(rule.column);
    rows << tr("Groups");
    grdVersions->setVerticalHeaderLabels(rows);
    grdVersions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdVersions->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    row->addWidget(lstConflicts, 1);
    row->addWidget(grdVersions, 3);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    cmdKeepBook = buttons->addButton(tr("Keep the &book's version"), QDialogButtonBox::ActionRole);
    cmdKeepBook->setObjectName(QStringLiteral("cmdKeepBook"));
    cmdKeepServer =
        buttons->addButton(tr("Keep the &server's version"), QDialogButtonBox::ActionRole);
    cmdKeepServer->setObjectName(QStringLiteral("cmdKeepServer"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (auto [button, version] : {std::pair{cmdKeepBook, KeepVersion::Book},
                                   std::pair{cmdKeepServer, KeepVersion::Server}}) {
        connect(button, &QPushButton::clicked, this, [this, version = version] {
            try {
                keep(version);
            } catch (const Error& error) {
                showError(dialogs_, error.message());
            }
        });
    }
    connect(lstConflicts, &QListWidget::currentRowChanged, this,
            &SyncConflictsDialog::showVersions);
    resize(720, 360);
    reload();
}

void SyncConflictsDialog::reload() {
    NoTransport none;
    CardDavClient client(none, {}, {});
    conflicts_ = AddressBookSync(db_, client, titles_).conflicts();
    lstConflicts->clear();
    for (const SyncConflict& conflict : conflicts_)
        lstConflicts->addItem(conflict.name);
    if (!conflicts_.empty())
        lstConflicts->setCurrentRow(0);
    showVersions();
}

void SyncConflictsDialog::showVersions() {
    const int row = lstConflicts->currentRow();
    const SyncConflict* conflict =
        row >= 0 && row < int(conflicts_.size()) ? &conflicts_[std::size_t(row)] : nullptr;
    const std::optional<AddressRecord> none;
    const std::optional<AddressRecord>* sides[] = {conflict ? &conflict->book : &none,
                                                   conflict ? &conflict->server : &none};
    for (int column = 0; column < 2; ++column) {
        const std::optional<AddressRecord>& side = *sides[column];
        for (int f = 0; f <= kFieldCount; ++f) {
            QString text;
            if (side)
                text = f < kFieldCount ? side->fields[std::size_t(f)] : groupsOf(*side, titles_);
            else if (conflict && f == 0)
                text = tr("(deleted)");
            auto* item = new QTableWidgetItem(text);
            const std::optional<AddressRecord>& other = *sides[1 - column];
            if (side && other &&
                (f < kFieldCount ? side->fields[std::size_t(f)] != other->fields[std::size_t(f)]
                                 : side->groups != other->groups)) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            grdVersions->setItem(f, column, item);
        }
    }
    grdVersions->resizeRowsToContents();
    cmdKeepBook->setEnabled(conflict != nullptr);
    cmdKeepServer->setEnabled(conflict != nullptr);
}

void SyncConflictsDialog::keep(KeepVersion version) {
    const int row = lstConflicts->currentRow();
    if (row < 0 || row >= int(conflicts_.size()))
        return;
    NoTransport none;
    CardDavClient client(none, {}, {});
    AddressBookSync(db_, client, titles_).resolve(conflicts_[std::size_t(row)].href, version);
    ++resolved_;
    reload();
}

} // namespace ravelbook

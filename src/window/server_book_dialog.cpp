#include "window/server_book_dialog.h"

#include "store/book_location.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ravelbook {

namespace {

constexpr int kDefaultPort = 5432;

} // namespace

ServerBookDialog::ServerBookDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Open Server Book"));
    auto* layout = new QVBoxLayout(this);
    auto* note =
        new QLabel(tr("An address book shared on a PostgreSQL server. Ask its administrator "
                      "for these; the server asks for a password when it needs one."),
                   this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* form = new QFormLayout;
    txtHost = new QLineEdit(QStringLiteral("localhost"), this);
    txtHost->setObjectName(QStringLiteral("txtHost"));
    spnPort = new QSpinBox(this);
    spnPort->setObjectName(QStringLiteral("spnPort"));
    spnPort->setRange(1, 65535);
    spnPort->setValue(kDefaultPort);
    txtDatabase = new QLineEdit(this);
    txtDatabase->setObjectName(QStringLiteral("txtDatabase"));
    txtUser = new QLineEdit(qEnvironmentVariable("USER"), this);
    txtUser->setObjectName(QStringLiteral("txtUser"));
    form->addRow(tr("&Host:"), txtHost);
    form->addRow(tr("&Port:"), spnPort);
    form->addRow(tr("&Database:"), txtDatabase);
    form->addRow(tr("&User:"), txtUser);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QLineEdit* box : {txtHost, txtDatabase, txtUser})
        connect(box, &QLineEdit::textChanged, this, &ServerBookDialog::updateOk);
    updateOk();
}

void ServerBookDialog::updateOk() {
    auto* buttons = findChild<QDialogButtonBox*>();
    buttons->button(QDialogButtonBox::Open)
        ->setEnabled(!txtHost->text().trimmed().isEmpty() &&
                     !txtDatabase->text().trimmed().isEmpty());
}

void ServerBookDialog::setUri(const QString& uri) {
    if (!isServerBook(uri))
        return;
    const ServerBookFields fields = serverBookFields(uri);
    if (!fields.host.isEmpty())
        txtHost->setText(fields.host);
    spnPort->setValue(fields.port > 0 ? fields.port : kDefaultPort);
    txtDatabase->setText(fields.database);
    if (!fields.user.isEmpty())
        txtUser->setText(fields.user);
}

QString ServerBookDialog::uri() const {
    return serverBookUri({txtHost->text(), spnPort->value() == kDefaultPort ? 0 : spnPort->value(),
                          txtDatabase->text(), txtUser->text()});
}

} // namespace ravelbook

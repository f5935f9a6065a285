#include "window/link_book_dialog.h"

#include "exchange/carddav/carddav_client.h"
#include "exchange/carddav/password_source.h"
#include "settings/trusted_certificates.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ravelbook {

namespace {

// Finding answers or gives up well before the window would seem to hang.
constexpr std::chrono::seconds kFindTimeout{20};

} // namespace

bool keyringMayRun() {
    return !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS");
}

LinkBookDialog::LinkBookDialog(SettingsStore& settings, PasswordSource& passwords, QWidget* parent)
    : QDialog(parent), settings_(settings), passwords_(passwords) {
    setWindowTitle(tr("Link Online Address Book"));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(tr("An address book on a CardDAV server (Nextcloud, "
                               "Fastmail, iCloud, Radicale…), kept in step with "
                               "this book both ways."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* form = new QFormLayout;
    txtServer = new QLineEdit(this);
    txtServer->setObjectName(QStringLiteral("txtServer"));
    txtServer->setPlaceholderText(tr("dav.example.org or https://…"));
    txtUser = new QLineEdit(qEnvironmentVariable("USER"), this);
    txtUser->setObjectName(QStringLiteral("txtUser"));
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setPlaceholderText(tr("from the keyring or ~/.netrc when empty"));
    chkKeepPassword = new QCheckBox(tr("&Keep the password in the keyring"), this);
    chkKeepPassword->setObjectName(QStringLiteral("chkKeepPassword"));
    chkKeepPassword->setVisible(keyringMayRun());
    form->addRow(tr("&Server:"), txtServer);
    form->addRow(tr("&User:"), txtUser);
    form->addRow(tr("&Password:"), txtPassword);
    form->addRow(QString(), chkKeepPassword);
    layout->addLayout(form);
    cmdFind = new QPushButton(tr("&Find"), this);
    cmdFind->setObjectName(QStringLiteral("cmdFind"));
    layout->addWidget(cmdFind, 0, Qt::AlignLeft);
    lstBooks = new QTreeWidget(this);
    lstBooks->setObjectName(QStringLiteral("lstBooks"));
    lstBooks->setAccessibleName(tr("Address books found"));
    lstBooks->setHeaderLabels({tr("Address book"), tr("Cards")});
    lstBooks->setRootIsDecorated(false);
    lstBooks->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(lstBooks);
    lblMessage = new QLabel(this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setAccessibleName(tr("Message"));
    lblMessage->setWordWrap(true);
    lblMessage->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(lblMessage);
    cmdTrust = new QPushButton(tr("&Trust this certificate"), this);
    cmdTrust->setObjectName(QStringLiteral("cmdTrust"));
    cmdTrust->hide();
    layout->addWidget(cmdTrust, 0, Qt::AlignLeft);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    cmdLink = buttons->addButton(tr("&Link"), QDialogButtonBox::AcceptRole);
    cmdLink->setObjectName(QStringLiteral("cmdLink"));
    cmdUnlink = buttons->addButton(tr("U&nlink"), QDialogButtonBox::DestructiveRole);
    cmdUnlink->setObjectName(QStringLiteral("cmdUnlink"));
    cmdUnlink->hide();
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdUnlink, &QPushButton::clicked, this, [this] { done(kUnlinked); });
    connect(cmdFind, &QPushButton::clicked, this, &LinkBookDialog::find);
    connect(txtServer, &QLineEdit::returnPressed, this, &LinkBookDialog::find);
    connect(cmdTrust, &QPushButton::clicked, this, &LinkBookDialog::trustCertificate);
    connect(lstBooks, &QTreeWidget::currentItemChanged, this, &LinkBookDialog::updateButtons);
    connect(txtServer, &QLineEdit::textChanged, this, &LinkBookDialog::updateButtons);
    updateButtons();
}

void LinkBookDialog::showLink(const QString& url, const QString& user) {
    for (QWidget* control : std::initializer_list<QWidget*>{txtServer, txtUser, txtPassword,
                                                            chkKeepPassword, cmdFind, lstBooks})
        control->setEnabled(false);
    txtServer->setText(url);
    txtUser->setText(user);
    lblMessage->setText(tr("This book is linked to %1 as %2. Unlink keeps the "
                           "records and forgets the link.")
                            .arg(url, user));
    cmdLink->hide();
    cmdUnlink->show();
}

void LinkBookDialog::updateButtons() {
    cmdFind->setEnabled(txtServer->isEnabled() && !txtServer->text().trimmed().isEmpty());
    cmdLink->setEnabled(lstBooks->currentItem() != nullptr);
}

QUrl LinkBookDialog::chosenBook() const {
    const QTreeWidgetItem* item = lstBooks->currentItem();
    return item ? item->data(0, Qt::UserRole).toUrl() : QUrl();
}

QString LinkBookDialog::user() const {
    return txtUser->text().trimmed();
}

QString LinkBookDialog::password() const {
    return txtPassword->text();
}

bool LinkBookDialog::keepPassword() const {
    return chkKeepPassword->isVisible() && chkKeepPassword->isChecked();
}

void LinkBookDialog::find() {
    const QString address = txtServer->text().trimmed();
    // The answers are waited for in an event loop: a second Find (or Return)
    // meanwhile would clear the list this one is filling.
    if (address.isEmpty() || finding_)
        return;
    finding_ = true;
    const std::initializer_list<QWidget*> inputs{txtServer, txtUser,  txtPassword, cmdFind,
                                                 lstBooks,  cmdTrust, cmdLink};
    for (QWidget* control : inputs)
        control->setEnabled(false);
    lstBooks->clear();
    lblMessage->clear();
    cmdTrust->hide();
    untrustedServer_.clear();
    if (txtPassword->text().isEmpty()) {
        if (const std::optional<QString> kept =
                passwords_.password(QUrl::fromUserInput(address), user()))
            txtPassword->setText(*kept);
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        NetworkTransport transport(kFindTimeout);
        transport.setTrustedCertificates(TrustedCertificateSettings(settings_).all());
        CardDavClient client(transport, user(), password());
        for (const CardDavAddressBook& book : client.discover(address)) {
            auto* item = new QTreeWidgetItem(lstBooks);
            item->setText(0, book.displayName.isEmpty() ? book.url.path() : book.displayName);
            item->setText(1, QString::number(client.list(book.url).size()));
            item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
            item->setData(0, Qt::UserRole, book.url);
            item->setToolTip(0, book.url.toString());
        }
        if (lstBooks->topLevelItemCount() == 0)
            lblMessage->setText(tr("No address book was found at %1.").arg(address));
        else
            lstBooks->setCurrentItem(lstBooks->topLevelItem(0));
    } catch (const UntrustedCertificateError& error) {
        untrustedServer_ = error.server();
        untrustedFingerprint_ = error.fingerprint();
        lblMessage->setText(tr("%1\n\nTrust it only if the server's administrator "
                               "gave you the same fingerprint.")
                                .arg(error.message()));
        cmdTrust->show();
    } catch (const Error& error) {
        lblMessage->setText(error.message());
    }
    QGuiApplication::restoreOverrideCursor();
    for (QWidget* control : inputs)
        control->setEnabled(true);
    finding_ = false;
    updateButtons();
}

void LinkBookDialog::trustCertificate() {
    if (untrustedServer_.isEmpty())
        return;
    TrustedCertificateSettings(settings_).trust(untrustedServer_, untrustedFingerprint_);
    find();
}

} // namespace ravelbook

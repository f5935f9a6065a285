#pragma once

#include "exchange/carddav/http_transport.h"

#include <optional>
#include <QDialog>
#include <QString>
#include <QUrl>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace ravelbook {

class PasswordSource;
class SettingsStore;

// File: Link Online Address Book…: the server, the user and the password;
// Find lists the address books there and the chosen one is linked (by the
// caller, which runs the first sync). A book linked already shows its link
// and offers Unlink instead.
class LinkBookDialog : public QDialog {
    Q_OBJECT

public:
    // exec()'s answer when the user chose Unlink.
    static constexpr int kUnlinked = 2;

    LinkBookDialog(SettingsStore& settings, PasswordSource& passwords, QWidget* parent = nullptr);

    // Shows the book's present link: Find and Link give way to Unlink.
    void showLink(const QString& url, const QString& user);

    // The address book chosen, with the login that found it.
    QUrl chosenBook() const;
    QString user() const;
    QString password() const;
    bool keepPassword() const;

    // Lists the address books at the server given; a failure is told in the dialog.
    void find();

    QLineEdit* txtServer = nullptr;
    QLineEdit* txtUser = nullptr;
    QLineEdit* txtPassword = nullptr;
    QCheckBox* chkKeepPassword = nullptr;
    QPushButton* cmdFind = nullptr;
    QTreeWidget* lstBooks = nullptr;
    QLabel* lblMessage = nullptr;
    QPushButton* cmdTrust = nullptr;
    QPushButton* cmdLink = nullptr;
    QPushButton* cmdUnlink = nullptr;

private:
    void trustCertificate();
    void updateButtons();

    SettingsStore& settings_;
    PasswordSource& passwords_;
    bool finding_ = false; // find() waits in an event loop of its own
    QString untrustedServer_;
    QString untrustedFingerprint_;
};

// Whether a keyring may be running to keep a password in: there is a desktop session bus.
bool keyringMayRun();

} // namespace ravelbook

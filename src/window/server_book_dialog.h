#pragma once

#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace ravelbook {

// File: Open Server Book…: where the shared book is (host, port, database, user).
// The password is not asked here: the server asks for it when it wants one.
class ServerBookDialog : public QDialog {
    Q_OBJECT

public:
    explicit ServerBookDialog(QWidget* parent = nullptr);

    // Fills the boxes from a server book's URI.
    void setUri(const QString& uri);
    QString uri() const;

    QLineEdit* txtHost = nullptr;
    QSpinBox* spnPort = nullptr;
    QLineEdit* txtDatabase = nullptr;
    QLineEdit* txtUser = nullptr;

private:
    void updateOk();
};

} // namespace ravelbook

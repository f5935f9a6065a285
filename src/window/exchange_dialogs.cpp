#include "window/exchange_dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>

namespace ravelbook {

QString QtExchangeDialogs::openFileName(const QString& title, const QString& filters) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, QString(), filters);
}

QString QtExchangeDialogs::saveFileName(const QString& title, const QString& filters,
                                        QString* chosenFilter) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, QString(), filters,
                                        chosenFilter);
}

QString QtExchangeDialogs::chooseItem(const QString& title, const QString& label,
                                      const QStringList& items) {
    bool accepted = false;
    const QString item = QInputDialog::getItem(QApplication::activeWindow(), title, label, items, 0,
                                               false, &accepted);
    return accepted ? item : QString();
}

bool QtExchangeDialogs::run(QDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
}

} // namespace ravelbook

#pragma once

#include <QString>
#include <QStringList>

class QDialog;

namespace ravelbook {

// The questions import and export ask: which file, which table, and the
// preview itself. The program shows Qt's; tests answer by script.
class ExchangeDialogs {
public:
    virtual ~ExchangeDialogs() = default;

    // Return the empty text when cancelled. `filters` as QFileDialog takes them;
    // `chosenFilter` returns the one picked.
    virtual QString openFileName(const QString& title, const QString& filters) = 0;
    virtual QString saveFileName(const QString& title, const QString& filters,
                                 QString* chosenFilter) = 0;
    virtual QString chooseItem(const QString& title, const QString& label,
                               const QStringList& items) = 0;
    // Runs a modal dialog; true when it was accepted.
    virtual bool run(QDialog& dialog) = 0;
};

class QtExchangeDialogs final : public ExchangeDialogs {
public:
    QString openFileName(const QString& title, const QString& filters) override;
    QString saveFileName(const QString& title, const QString& filters,
                         QString* chosenFilter) override;
    QString chooseItem(const QString& title, const QString& label,
                       const QStringList& items) override;
    bool run(QDialog& dialog) override;
};

} // namespace ravelbook

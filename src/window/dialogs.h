#pragma once

#include <optional>
#include <QCoreApplication>
#include <QDir>
#include <QString>

namespace ravelbook {

// The two dialogs the window asks the user with. The program shows Qt's;
// tests answer them by script.
class Dialogs {
public:
    enum class Buttons { Ok, YesNo, SaveDiscardCancel };
    enum class Answer { Ok, Yes, No, Save, Discard, Cancel };

    virtual ~Dialogs() = default;

    // A message box without icon; with YesNo, Yes is the default button; with
    // SaveDiscardCancel, Save is, and closing the box is Cancel.
    virtual Answer message(const QString& text, const QString& title, Buttons buttons) = 0;
    // A one-line text prompt; returns the empty text when cancelled.
    virtual QString prompt(const QString& text, const QString& title,
                           const QString& defaultText) = 0;
    // Asks where to save a file; returns the empty text when cancelled.
    virtual QString saveFileName(const QString& title, const QString& suggested) = 0;
    // Asks for an address book to open (an existing file) or to create (a new
    // one); returns the empty text when cancelled. Where nobody can answer, it is.
    enum class BookUse { Open, Create };
    virtual QString bookFileName(BookUse, const QString& /*title*/, const QString& /*folder*/) {
        return {};
    }
    // The system's print dialog: a printer and the copies, or a PDF file. No
    // name and no file when no printer is installed; nothing when cancelled.
    struct PrinterChoice {
        QString name;
        int copies = 1;
        QString pdfFile;
    };
    virtual std::optional<PrinterChoice> choosePrinter() { return std::nullopt; }
    // A password, not shown as it is typed; nothing when cancelled.
    virtual std::optional<QString> password(const QString& /*text*/, const QString& /*title*/) {
        return std::nullopt;
    }
    // Asks for the host, port, database and user of a server book and gives its
    // connection URI; nothing when cancelled. `suggested` fills the boxes.
    virtual std::optional<QString> serverBook(const QString& /*suggested*/) { return std::nullopt; }
};

// Title of the boxes that report a failure to the user.
inline const QString kErrorTitle = QStringLiteral("Ravelbook");

inline void showError(Dialogs& dialogs, const QString& text) {
    dialogs.message(text, kErrorTitle, Dialogs::Buttons::Ok);
}

// Asked before a book is made at a path the user named but nothing is at.
inline bool askToCreateBook(Dialogs& dialogs, const QString& path) {
    const QString question =
        QCoreApplication::translate("Dialogs", "There is no address book at %1. Create a new one?")
            .arg(QDir::toNativeSeparators(path));
    return dialogs.message(question, kErrorTitle, Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
}

} // namespace ravelbook

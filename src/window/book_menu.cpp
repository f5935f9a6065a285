#include "window/book_menu.h"

#include "settings/choices.h"
#include "store/book_location.h"
#include "store/database.h"
#include "window/book_opening.h"
#include "window/dialogs.h"
#include "window/handler_edge.h"
#include "window/open_book.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QScopeGuard>

namespace ravelbook {

namespace {

const char* const kRecentBookName = "actRecentBook";

QString absolute(const QString& path) {
    return canonicalBook(path);
}

} // namespace

BookMenu::BookMenu(const OpenBook& book, QMenu& menuFile, QAction& booksEnd, QWidget& window)
    : QObject(&window), book_(book), menuFile_(menuFile), booksEnd_(booksEnd), window_(window) {
    actNewBook = new QAction(tr("&New Book…"), this);
    actNewBook->setObjectName(QStringLiteral("actNewBook"));
    actOpenBook = new QAction(tr("&Open Book…"), this);
    actOpenBook->setObjectName(QStringLiteral("actOpenBook"));
    actOpenBook->setShortcut(QKeySequence::Open);
    actOpenServerBook = new QAction(tr("Open &Server Book…"), this);
    actOpenServerBook->setObjectName(QStringLiteral("actOpenServerBook"));
    connect(actOpenServerBook, &QAction::triggered, this, &BookMenu::actOpenServerBook_Click);
    menuFile_.insertAction(&booksEnd_, actNewBook);
    menuFile_.insertAction(&booksEnd_, actOpenBook);
    menuFile_.insertAction(&booksEnd_, actOpenServerBook);
    menuFile_.insertSeparator(&booksEnd_);
    connect(&menuFile_, &QMenu::aboutToShow, this, &BookMenu::fillRecentBooks);
    const QString folder =
        book_.db.isServer() ? QDir::homePath() : QFileInfo(book_.db.path()).absolutePath();
    connect(actNewBook, &QAction::triggered, this, [this, folder] {
        QString path =
            book_.dialogs.bookFileName(Dialogs::BookUse::Create, tr("New Address Book"), folder);
        if (path.isEmpty())
            return;
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".db");
        switchToBook(path, false);
    });
    connect(actOpenBook, &QAction::triggered, this, [this, folder] {
        const QString path =
            book_.dialogs.bookFileName(Dialogs::BookUse::Open, tr("Open Address Book"), folder);
        if (!path.isEmpty())
            openBook(path);
    });
}

QStringList BookMenu::recentBooks() const {
    QStringList books = choices::recentBooks(book_.settings);
    books.removeAll(absolute(book_.db.path()));
    return books;
}

void BookMenu::fillRecentBooks() {
    for (QAction* action : menuFile_.actions()) {
        if (action->objectName() == QLatin1String(kRecentBookName))
            delete action;
    }
    const QStringList books = recentBooks();
    for (int i = 0; i < books.size(); ++i) {
        QString text = books[i];
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(text), &menuFile_);
        action->setObjectName(QLatin1String(kRecentBookName));
        connect(action, &QAction::triggered, this, [this, book = books[i]] { openBook(book); });
        menuFile_.insertAction(&booksEnd_, action);
    }
    if (!books.isEmpty())
        menuFile_.insertSeparator(&booksEnd_)->setObjectName(QLatin1String(kRecentBookName));
}

void BookMenu::actOpenServerBook_Click() {
    // The last server book opened fills the boxes, or this one when it is on a server.
    QString suggested = book_.db.isServer() ? book_.db.path() : QString();
    for (const QString& book : choices::recentBooks(book_.settings)) {
        if (suggested.isEmpty() && isServerBook(book))
            suggested = book;
    }
    if (const std::optional<QString> uri = book_.dialogs.serverBook(suggested))
        openBook(*uri);
}

void BookMenu::openBook(const QString& path) {
    switchToBook(path, true);
}

void BookMenu::switchToBook(QString path, bool askFirst) {
    runHandler(book_.dialogs, [&] {
        path = absolute(path);
        if (askFirst && !isServerBook(path) && !QFileInfo::exists(path) &&
            !askToCreateBook(book_.dialogs, path))
            return;
        // Made, or found wanting, while this window still stands: a file that is
        // no address book is reported here and the user carries on with this one.
        // The password given for the check goes with the book's next opening only.
        bool handedOver = false;
        const auto forget = qScopeGuard([&handedOver] {
            if (!handedOver)
                forgetHandedOverPassword();
        });
        { const Database book(path, windowOpening(book_.dialogs, PasswordUse::HandOver)); }
        if (window_.close()) {
            handedOver = true;
            Q_EMIT bookChosen(path);
        }
    });
}

} // namespace ravelbook

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;
class QWidget;

namespace ravelbook {

struct OpenBook;

// Books chosen from the File menu: a new one, another one, one on a server,
// the last few opened. The window closes to make way for the book chosen.
class BookMenu : public QObject {
    Q_OBJECT

public:
    // The entries go into `menuFile` before `booksEnd`.
    BookMenu(const OpenBook& book, QMenu& menuFile, QAction& booksEnd, QWidget& window);

    QAction* actNewBook = nullptr;
    QAction* actOpenBook = nullptr;
    QAction* actOpenServerBook = nullptr;
    // File: Open Server Book…: a shared book on a PostgreSQL server.
    void actOpenServerBook_Click();
    // The recent books offered under File, the latest first.
    QStringList recentBooks() const;
    // Closes the window so that the program opens `path` in its place; asks
    // first when there is no file there.
    void openBook(const QString& path);

Q_SIGNALS:
    // The window closed to make way for this book.
    void bookChosen(const QString& path);

private:
    void fillRecentBooks();
    void switchToBook(QString path, bool askFirst);

    const OpenBook& book_;
    QMenu& menuFile_;
    QAction& booksEnd_;
    QWidget& window_;
};

} // namespace ravelbook

#pragma once

#include <QAtomicInt>
#include <QSqlDatabase>
#include <QString>

namespace ravelbook {

// A named Qt Sql connection that is removed when it goes out of scope, unless
// released to an owner that removes it later. Qt wants every copy of the
// handle gone before removal.
class Connection {
public:
    explicit Connection(const QString& driver) : name_(newName()) {
        QSqlDatabase::addDatabase(driver, name_);
    }
    ~Connection() { remove(name_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QSqlDatabase handle() const { return QSqlDatabase::database(name_, false); }
    QString release() {
        QString name = name_;
        name_.clear();
        return name;
    }

    // Closes and removes the connection of this name.
    static void remove(const QString& name) {
        if (name.isEmpty())
            return;
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }

private:
    static QString newName() {
        static QAtomicInt counter;
        return QStringLiteral("ravelbook-%1").arg(counter.fetchAndAddRelaxed(1));
    }

    QString name_;
};

} // namespace ravelbook

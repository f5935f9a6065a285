#include "window/current_record.h"

#include "store/schema.h"
#include "store/statements.h"
#include "window/bindings.h"
#include "window/dialogs.h"
#include "window/open_book.h"

#include <QCoreApplication>

namespace ravelbook {

DataSource::Leave askToLeave(Dialogs& dialogs, const DataSource& source) {
    QString name = (source.isNew() ? source.field(0) : source.storedField(0)).toString();
    if (name.isEmpty())
        name = source.isNew() ? QCoreApplication::translate("CurrentRecord", "the new address")
                              : QCoreApplication::translate("CurrentRecord", "this record");
    switch (dialogs.message(
        QCoreApplication::translate("CurrentRecord", "Save the changes to %1?").arg(name),
        QStringLiteral("Ravelbook"), Dialogs::Buttons::SaveDiscardCancel)) {
    case Dialogs::Answer::Save:
        return DataSource::Leave::Save;
    case Dialogs::Answer::Discard:
        return DataSource::Leave::Discard;
    default:
        return DataSource::Leave::Stay;
    }
}

CurrentRecord::CurrentRecord(const OpenBook& book, QObject* parent) : QObject(parent) {
    Data1 = new DataSource(book.db, schema::kAddresses, this);
    Data1->setObjectName(QStringLiteral("Data1"));
    Data1->setRecordSource(sql::selectTable(schema::kAddresses));
    bindings_ = new Bindings(*Data1, this);
    connect(bindings_, &Bindings::failed, this, [&book](const QString& m) { book.report(m); });
    // Leaving a record with changes the user has not entered asks what to do with them.
    Data1->setLeaveGuard([&dialogs = book.dialogs](const DataSource& source) {
        return askToLeave(dialogs, source);
    });
}

} // namespace ravelbook

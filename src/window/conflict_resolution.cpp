#include "window/conflict_resolution.h"

#include "store/record_conflict.h"
#include "window/dialogs.h"

namespace ravelbook {

namespace {

const QString kOtherVersionTitle = QStringLiteral("Changed by Someone Else");

QString otherVersion(const RecordConflict& conflict) {
    QStringList lines;
    for (int i = 0; i < conflict.columns().size() && i < conflict.theirs().size(); ++i) {
        const QString value = conflict.theirs()[i].toString();
        if (!value.isEmpty())
            lines << conflict.columns()[i] + QStringLiteral(": ") + value;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void resolveConflict(Dialogs& dialogs, const RecordConflict& conflict) {
    if (conflict.kind() == RecordConflict::Kind::Deleted || !conflict.writeOver) {
        showError(dialogs, conflict.message());
        return;
    }
    if (dialogs.message(conflict.message() + QStringLiteral("\n\nShow the other version?"),
                        kOtherVersionTitle, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    const QString question =
        QStringLiteral("The record as it is saved now:\n\n%1\n\nSave your changes over it? "
                       "(No keeps them in the boxes, unsaved.)")
            .arg(otherVersion(conflict));
    if (dialogs.message(question, kOtherVersionTitle, Dialogs::Buttons::YesNo) !=
        Dialogs::Answer::Yes)
        return;
    try {
        conflict.writeOver();
    } catch (const RecordConflict& again) {
        resolveConflict(dialogs, again);
    } catch (const StoreError& error) {
        showError(dialogs, error.message());
    }
}

} // namespace ravelbook

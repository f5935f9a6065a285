#include "window/conflict_resolution.h"

#include "store/record_conflict.h"
#include "store/schema.h"
#include "window/dialogs.h"

#include <optional>
#include <QCoreApplication>

namespace ravelbook {

namespace {

QString otherVersionTitle() {
    return QCoreApplication::translate("ConflictResolution", "Changed by Someone Else");
}

GroupTitles& shownTitles() {
    static GroupTitles titles;
    return titles;
}

std::optional<int> groupOf(const QString& column) {
    for (int k = 0; k < kGroupCount; ++k) {
        if (column == schema::groupColumn(k))
            return k;
    }
    return std::nullopt;
}

// The other version as the user knows the record: the fields by name and the
// groups by title, each line that differs from the user's own marked.
QString otherVersion(const RecordConflict& conflict) {
    const QStringList& columns = conflict.columns();
    const QVariantList& theirs = conflict.theirs();
    const QVariantList& mine = conflict.mine;
    const auto differs = [&](int i) {
        return i < mine.size() && theirs[i].toString() != mine[i].toString();
    };
    const QString marked =
        QCoreApplication::translate("ConflictResolution", "%1 (differs from yours)");
    QStringList lines;
    QStringList groups;
    bool groupsDiffer = false;
    for (int i = 0; i < columns.size() && i < theirs.size(); ++i) {
        if (const std::optional<int> group = groupOf(columns[i])) {
            const QString title = shownTitles()[std::size_t(*group)];
            if (theirs[i].toInt() != 0)
                groups << (title.isEmpty()
                               ? QCoreApplication::translate("ConflictResolution", "group %1")
                                     .arg(*group)
                               : title);
            groupsDiffer = groupsDiffer ||
                           (i < mine.size() && (theirs[i].toInt() != 0) != (mine[i].toInt() != 0));
            continue;
        }
        const QString value = theirs[i].toString();
        if (value.isEmpty() && !differs(i))
            continue;
        const QString line = columns[i] + QStringLiteral(": ") + value;
        lines << (differs(i) ? marked.arg(line) : line);
    }
    const QString groupLine =
        QCoreApplication::translate("ConflictResolution", "Groups: %1")
            .arg(groups.isEmpty() ? QCoreApplication::translate("ConflictResolution", "none")
                                  : groups.join(QStringLiteral(", ")));
    lines << (groupsDiffer ? marked.arg(groupLine) : groupLine);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void showConflictsWithTitles(const GroupTitles& titles) {
    shownTitles() = titles;
}

void resolveConflict(Dialogs& dialogs, const RecordConflict& conflict) {
    if (conflict.change() == RecordConflict::Change::Deleted || !conflict.writeOver) {
        showError(dialogs, conflict.message());
        return;
    }
    if (dialogs.message(
            QCoreApplication::translate("ConflictResolution", "%1\n\nShow the other version?")
                .arg(conflict.message()),
            otherVersionTitle(), Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    const QString question =
        QCoreApplication::translate(
            "ConflictResolution",
            "The record as it is saved now:\n\n%1\n\nSave your changes over it? "
            "(No keeps them in the boxes, unsaved.)")
            .arg(otherVersion(conflict));
    if (dialogs.message(question, otherVersionTitle(), Dialogs::Buttons::YesNo) !=
        Dialogs::Answer::Yes)
        return;
    try {
        conflict.writeOver();
    } catch (const RecordConflict& again) {
        resolveConflict(dialogs, again);
    } catch (const Error& error) {
        showError(dialogs, error.message());
    }
}

} // namespace ravelbook

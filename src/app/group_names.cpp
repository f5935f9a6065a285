#include "app/group_names.h"

#include "app/command_options.h"

#include <QCoreApplication>

namespace ravelbook {

GroupChoice groupsNamed(const QStringList& names, const GroupTitles& titles) {
    GroupChoice chosen{};
    for (const QString& name : names) {
        bool number = false;
        const int column = name.toInt(&number);
        if (number) {
            if (column < 0 || column >= kGroupCount)
                throw cantDo(QCoreApplication::translate(
                                 "GroupNames", "There is no group %1; groups are 0 to %2.")
                                 .arg(name)
                                 .arg(kGroupCount - 1));
            chosen[std::size_t(column)] = true;
            continue;
        }
        bool found = false;
        for (std::size_t k = 0; k < chosen.size(); ++k) {
            if (titles[k] == name)
                chosen[k] = found = true;
        }
        if (!found)
            throw cantDo(
                QCoreApplication::translate("GroupNames", "There is no group titled \"%1\".")
                    .arg(name));
    }
    return chosen;
}

} // namespace ravelbook

#pragma once

#include "core/address_record.h"

#include <QStringList>

namespace ravelbook {

// The groups a command line names with --group: column numbers, or titles
// (every group of that title). Throws Error (of kind Usage) for a name that
// is no group.
GroupChoice groupsNamed(const QStringList& names, const GroupTitles& titles);

} // namespace ravelbook

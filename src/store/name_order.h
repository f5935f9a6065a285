#pragma once

#include <QString>
#include <QtGlobal>

namespace ravelbook {

// The name list's order, as every engine's Dialect::nameOrder() gives it,
// for placing one name in a list already read: A to Z folded to lower case and
// code point by code point otherwise; equal so, as written; then by key.
bool comesBeforeInNameList(const QString& name, qint64 key, const QString& other, qint64 otherKey);

} // namespace ravelbook

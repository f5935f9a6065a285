#include "window/name_filter.h"

#include <algorithm>
#include <array>
#include <memory>
#include <QStringListModel>

namespace ravelbook {

namespace {

// Every UTF-16 unit mapped once to its folded form: the base letter of its
// canonical decomposition, in lower case.
const std::array<char16_t, 0x10000>& foldTable() {
    static const std::unique_ptr<std::array<char16_t, 0x10000>> table = [] {
        auto built = std::make_unique<std::array<char16_t, 0x10000>>();
        for (int unit = 0; unit < 0x10000; ++unit) {
            QChar ch{char16_t(unit)};
            // "ǖ" decomposes to "ü" and a macron, "ü" to "u" and a diaeresis.
            while (!ch.isSurrogate() && ch.decompositionTag() == QChar::Canonical)
                ch = ch.decomposition().at(0);
            (*built)[unit] = ch.isSurrogate() ? char16_t(unit) : ch.toCaseFolded().unicode();
        }
        // Typed on a keyboard as the plain apostrophe: O’Brien, Ngā‘ia.
        for (const char16_t apostrophe :
             {u'\u2019', u'\u2018', u'\u02bc', u'\u02bb', u'\u00b4', u'\u0060', u'\u2032'})
            (*built)[apostrophe] = u'\'';
        return built;
    }();
    return *table;
}

} // namespace

QString foldForFind(QStringView text) {
    const auto& table = foldTable();
    QString folded;
    folded.reserve(text.size());
    for (const QChar ch : text) {
        // The sharp s is written "ss" where it is not at hand: Weiß, Weiss.
        if (ch == u'\u00df' || ch == u'\u1e9e')
            folded += QLatin1String("ss");
        else
            folded += QChar(table[ch.unicode()]);
    }
    return folded;
}

NameFilterModel::NameFilterModel(QStringListModel& names, QObject* parent)
    : QAbstractListModel(parent), source_(names) {
    connect(&source_, &QAbstractItemModel::modelReset, this, &NameFilterModel::takeNames);
    connect(&source_, &QAbstractItemModel::rowsInserted, this, &NameFilterModel::takeNames);
    connect(&source_, &QAbstractItemModel::rowsRemoved, this, &NameFilterModel::takeNames);
    connect(&source_, &QAbstractItemModel::dataChanged, this, &NameFilterModel::takeNames);
    takeNames();
}

void NameFilterModel::takeNames() {
    beginResetModel();
    names_ = source_.stringList();
    folded_.clear();
    filter(false);
    endResetModel();
}

void NameFilterModel::setQuery(const QString& query) {
    if (query == query_)
        return;
    const QString needle = foldForFind(query);
    // Typing on narrows what is shown; only a shorter or other query looks at every name.
    const bool narrower = !all_ && needle.contains(needle_);
    query_ = query;
    needle_ = needle;
    beginResetModel();
    filter(narrower);
    endResetModel();
}

void NameFilterModel::filter(bool withinShown) {
    all_ = needle_.isEmpty();
    if (all_) {
        rows_.clear();
        return;
    }
    if (folded_.empty()) {
        folded_.reserve(names_.size());
        for (const QString& name : std::as_const(names_))
            folded_.push_back(foldForFind(name));
    }
    std::vector<int> kept;
    const auto consider = [&](int row) {
        if (folded_[row].contains(needle_))
            kept.push_back(row);
    };
    if (withinShown) {
        for (const int row : rows_)
            consider(row);
    } else {
        for (int row = 0; row < int(folded_.size()); ++row)
            consider(row);
    }
    rows_ = std::move(kept);
}

int NameFilterModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return all_ ? int(names_.size()) : int(rows_.size());
}

int NameFilterModel::nameListRow(int row) const {
    if (row < 0 || row >= rowCount())
        return -1;
    return all_ ? row : rows_[std::size_t(row)];
}

int NameFilterModel::rowShowing(int nameListRow) const {
    if (nameListRow < 0 || nameListRow >= int(names_.size()))
        return -1;
    if (all_)
        return nameListRow;
    const auto found = std::lower_bound(rows_.begin(), rows_.end(), nameListRow);
    return found != rows_.end() && *found == nameListRow ? int(found - rows_.begin()) : -1;
}

QVariant NameFilterModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole) ||
        index.row() >= rowCount())
        return {};
    return names_.at(all_ ? index.row() : rows_[index.row()]);
}

} // namespace ravelbook

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
    // The sharp s is written "ss" where it is not at hand: Weiß, Weiss.
    const auto isSharpS = [](QChar ch) { return ch == u'\u00df' || ch == u'\u1e9e'; };
    const auto sharp = std::count_if(text.begin(), text.end(), isSharpS);
    // Written unit by unit into its place: the first query folds every name of the list.
    QString folded(text.size() + sharp, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(folded.data());
    for (const QChar ch : text) {
        if (isSharpS(ch)) {
            *out++ = u's';
            *out++ = u's';
        } else {
            *out++ = table[ch.unicode()];
        }
    }
    return folded;
}

NameFilterModel::NameFilterModel(QStringListModel& names, QObject* parent)
    : QSortFilterProxyModel(parent), names_(names) {
    // Connected before the filter is: the folded names follow every change
    // before the filter reads them.
    followNames();
    setSourceModel(&names_);
}

void NameFilterModel::followNames() {
    const auto foldRows = [this](int first, int last) {
        for (int row = first; row <= last; ++row)
            folded_[std::size_t(row)] = foldForFind(names_.index(row).data().toString());
    };
    connect(&names_, &QAbstractItemModel::modelReset, this, [this] { folded_.clear(); });
    connect(&names_, &QAbstractItemModel::rowsInserted, this,
            [this, foldRows](const QModelIndex&, int first, int last) {
                if (folded_.empty())
                    return;
                folded_.insert(folded_.begin() + first, std::size_t(last - first + 1), QString());
                foldRows(first, last);
            });
    connect(&names_, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                if (!folded_.empty())
                    folded_.erase(folded_.begin() + first, folded_.begin() + last + 1);
            });
    connect(&names_, &QAbstractItemModel::dataChanged, this,
            [this, foldRows](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                if (!folded_.empty())
                    foldRows(topLeft.row(), bottomRight.row());
            });
}

void NameFilterModel::setQuery(const QString& query) {
    if (query == query_)
        return;
    // One reset rather than the proxy's row by row filtering: a query that
    // keeps names scattered through a large list would send the views a
    // removal for every gap.
    beginResetModel();
    query_ = query;
    needle_ = foldForFind(query);
    endResetModel();
}

bool NameFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    if (needle_.isEmpty())
        return true;
    if (folded_.empty()) {
        const QStringList names = names_.stringList();
        folded_.reserve(std::size_t(names.size()));
        for (const QString& name : names)
            folded_.push_back(foldForFind(name));
    }
    return folded_[std::size_t(sourceRow)].contains(needle_);
}

int NameFilterModel::nameListRow(int row) const {
    if (row < 0 || row >= rowCount())
        return -1;
    return mapToSource(index(row)).row();
}

int NameFilterModel::rowShowing(int nameListRow) const {
    if (nameListRow < 0 || nameListRow >= names_.rowCount())
        return -1;
    const QModelIndex shown = mapFromSource(names_.index(nameListRow));
    return shown.isValid() ? shown.row() : -1;
}

Qt::ItemFlags NameFilterModel::flags(const QModelIndex& index) const {
    return QSortFilterProxyModel::flags(index) & ~Qt::ItemIsEditable;
}

} // namespace ravelbook

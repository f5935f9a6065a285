#pragma once

#include <QSortFilterProxyModel>
#include <QString>
#include <QStringList>
#include <vector>

class QStringListModel;

namespace ravelbook {

// A name as Find compares it: lower case, accents dropped ("Núñez" → "nunez").
QString foldForFind(QStringView text);

// The name list as Find narrows it: the names that hold the query anywhere,
// without regard to case or accents, in the list's order. An empty query lets
// every name through.
class NameFilterModel final : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit NameFilterModel(QStringListModel& names, QObject* parent = nullptr);

    void setQuery(const QString& query);
    const QString& query() const { return query_; }

    // The row of the whole name list that row `row` shows; -1 for none.
    int nameListRow(int row) const;
    // The row that shows row `nameListRow` of the whole name list; -1 when it is filtered out.
    int rowShowing(int nameListRow) const;

    using QSortFilterProxyModel::index;
    QModelIndex index(int row) const { return index(row, 0); }
    // The names are chosen here, never edited.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    void followNames();

    QStringListModel& names_;
    // Folded names by row of the list, made when the first query needs them: a
    // list that is only scrolled never pays for them. Kept in step with the
    // list before the filter looks at its changes.
    mutable std::vector<QString> folded_;
    QString query_;  // as typed
    QString needle_; // folded
};

} // namespace ravelbook

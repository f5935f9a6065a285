#pragma once

#include <QAbstractListModel>
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
class NameFilterModel final : public QAbstractListModel {
    Q_OBJECT

public:
    explicit NameFilterModel(QStringListModel& names, QObject* parent = nullptr);

    void setQuery(const QString& query);
    const QString& query() const { return query_; }

    // The row of the whole name list that row `row` shows; -1 for none.
    int nameListRow(int row) const;
    // The row that shows row `nameListRow` of the whole name list; -1 when it is filtered out.
    int rowShowing(int nameListRow) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void takeNames();
    void filter(bool withinShown);

    QStringListModel& source_;
    QStringList names_;
    // Folded names, made when the first query needs them: a list that is only
    // scrolled never pays for them.
    std::vector<QString> folded_;
    QString query_;  // as typed
    QString needle_; // folded
    bool all_ = true;
    std::vector<int> rows_; // rows of names_ shown, when not all_
};

} // namespace ravelbook

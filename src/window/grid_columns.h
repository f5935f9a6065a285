#pragma once

#include <functional>
#include <optional>
#include <QIdentityProxyModel>
#include <QString>

class QAction;
class QTableView;

namespace ravelbook {

// The record set's columns as the grid heads them: a group column by its
// group's title (the record set shows membership as a check box).
class GroupColumnsModel final : public QIdentityProxyModel {
    Q_OBJECT

public:
    using TitleOf = std::function<QString(int group)>;
    explicit GroupColumnsModel(TitleOf titleOf, QObject* parent = nullptr);

    // The group of a column of the record set, by its heading "0" to "17".
    std::optional<int> groupAt(int column) const;
    // The titles were renamed: the headings follow.
    void titlesChanged();

    // A cell tells a screen reader its column's heading.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    TitleOf titleOf_;
};

// Keeps the grid's columns fitted: group columns narrow (or hidden, by the
// header menu's "Show group columns"), the others sharing the width left.
class GridColumns final : public QObject {
    Q_OBJECT

public:
    GridColumns(QTableView& grid, const GroupColumnsModel& model, QObject* parent = nullptr);

    QAction* showGroupsAction() const { return showGroups_; }
    void fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView& grid_;
    const GroupColumnsModel& model_;
    QAction* showGroups_ = nullptr;
};

} // namespace ravelbook

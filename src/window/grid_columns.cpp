#include "window/grid_columns.h"

#include "settings/group_titles.h"

#include <algorithm>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QRegularExpression>
#include <QStyle>
#include <QTableView>

namespace ravelbook {

namespace {

// The grid's headings are the book's column names; shown in the user's language.
[[maybe_unused]] constexpr const char* kFieldHeadings[] = {
    //: A column heading of the grid on page Mailings
    QT_TRANSLATE_NOOP("GridColumns", "Name"),           QT_TRANSLATE_NOOP("GridColumns", "Address"),
    QT_TRANSLATE_NOOP("GridColumns", "City State Zip"), QT_TRANSLATE_NOOP("GridColumns", "Country"),
    QT_TRANSLATE_NOOP("GridColumns", "Contact"),        QT_TRANSLATE_NOOP("GridColumns", "Phone"),
    QT_TRANSLATE_NOOP("GridColumns", "Notes"),
};

} // namespace

GroupColumnsModel::GroupColumnsModel(TitleOf titleOf, QObject* parent)
    : QIdentityProxyModel(parent), titleOf_(std::move(titleOf)) {}

std::optional<int> GroupColumnsModel::groupAt(int column) const {
    if (!sourceModel())
        return std::nullopt;
    const QString heading = sourceModel()->headerData(column, Qt::Horizontal).toString();
    bool number = false;
    const int group = heading.toInt(&number);
    if (!number || group < 0 || group >= kGroupCount || heading != QString::number(group))
        return std::nullopt;
    return group;
}

void GroupColumnsModel::titlesChanged() {
    if (columnCount() > 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

QVariant GroupColumnsModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::AccessibleDescriptionRole)
        return headerData(index.column(), Qt::Horizontal, Qt::DisplayRole);
    return QIdentityProxyModel::data(index, role);
}

QVariant GroupColumnsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (const std::optional<int> group = groupAt(section)) {
            if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
                return titleOf_(*group);
            if (role == Qt::TextAlignmentRole)
                return int(Qt::AlignLeft | Qt::AlignVCenter); // the title's start, not its middle
        } else if (role == Qt::DisplayRole) {
            const QString heading =
                QIdentityProxyModel::headerData(section, orientation).toString();
            return QCoreApplication::translate("GridColumns", heading.toUtf8().constData());
        }
    }
    return QIdentityProxyModel::headerData(section, orientation, role);
}

GridColumns::GridColumns(QTableView& grid, const GroupColumnsModel& model, QObject* parent)
    : QObject(parent), grid_(grid), model_(model) {
    showGroups_ = new QAction(tr("Show group columns"), this);
    showGroups_->setObjectName(QStringLiteral("actShowGroupColumns"));
    showGroups_->setCheckable(true);
    showGroups_->setChecked(true);
    connect(showGroups_, &QAction::toggled, this, &GridColumns::fit);
    QHeaderView* header = grid_.horizontalHeader();
    header->setTextElideMode(Qt::ElideRight);
    header->addAction(showGroups_);
    header->setContextMenuPolicy(Qt::ActionsContextMenu);
    // A new record set brings its columns back at their default widths.
    connect(&model_, &QAbstractItemModel::modelReset, this, &GridColumns::fit);
    connect(&model_, &QAbstractItemModel::layoutChanged, this, &GridColumns::fit);
    grid_.installEventFilter(this);
}

bool GridColumns::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &grid_ && event->type() == QEvent::Resize)
        fit();
    return QObject::eventFilter(watched, event);
}

void GridColumns::fit() {
    QHeaderView* header = grid_.horizontalHeader();
    const bool showGroups = showGroups_->isChecked();
    // Room for the check box and the start of the title; the whole title is
    // the heading's tooltip.
    const int groupWidth =
        std::max(grid_.style()->pixelMetric(QStyle::PM_IndicatorWidth) + 12,
                 header->fontMetrics().horizontalAdvance(QStringLiteral("Pers\u2026")) + 8);
    int textColumns = 0;
    int left = grid_.viewport()->width();
    for (int column = 0; column < model_.columnCount(); ++column) {
        const bool group = model_.groupAt(column).has_value();
        header->setSectionHidden(column, group && !showGroups);
        if (!group) {
            ++textColumns;
        } else if (showGroups) {
            header->resizeSection(column, groupWidth);
            left -= groupWidth;
        }
    }
    if (textColumns == 0)
        return;
    // Once every column fits, the text columns share whatever room is left.
    const int textWidth = std::max(header->defaultSectionSize(), left / textColumns);
    for (int column = 0; column < model_.columnCount(); ++column) {
        if (!model_.groupAt(column))
            header->resizeSection(column, textWidth);
    }
}

} // namespace ravelbook

#include "ui/grid_model.h"

#include <QBrush>
#include <QColor>
#include <QTimer>
#include <algorithm>

#include "model/form.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

GridModel::GridModel(Grid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), rows_(grid.row_count()), cols_(grid.col_count()) {
    observer_ = grid_.form().add_observer([this](Control* control, Change change, int row, int) {
        if (control == &grid_) on_change(change, row);
    });
}

GridModel::~GridModel() {
    grid_.form().remove_observer(observer_);
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

bool GridModel::is_fixed(int row, int col) const {
    return row < grid_.fixed_rows() || col < grid_.fixed_cols();
}

void GridModel::set_fixed_background(const QColor& color) {
    if (color == fixed_background_) return;
    fixed_background_ = color;
    if (rows_ > 0 && cols_ > 0) Q_EMIT dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
}

bool GridModel::in_range(const QModelIndex& index) const {
    return index.isValid() && index.model() == this && index.row() < rows_ &&
           index.column() < cols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!in_range(index)) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            // The grid may already be smaller than the views know until the next sync;
            // Grid::cell reads such cells as empty.
            return to_q(grid_.cell(index.row(), index.column()));
        case Qt::BackgroundRole:
            if (is_fixed(index.row(), index.column())) return QBrush(fixed_background_);
            return {};
        case Qt::ForegroundRole:
            // Fixed cells take no input, yet their text reads as plainly as the rest.
            if (is_fixed(index.row(), index.column())) return QBrush(Qt::black);
            return {};
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!in_range(index)) return Qt::NoItemFlags;
    // Fixed cells cannot be clicked, selected or given the cursor, as in the grids of old.
    if (is_fixed(index.row(), index.column())) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (grid_.editable()) flags |= Qt::ItemIsEditable;
    return flags;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !in_range(index)) return false;
    if (!(flags(index) & Qt::ItemIsEditable)) return false;
    grid_.edit_cell(index.row(), index.column(), from_q(value.toString()));
    sync();
    return true;
}

void GridModel::on_change(Change change, int row) {
    switch (change) {
        case Change::GridReset:
            reset_pending_ = true;
            break;
        case Change::GridCell:
            dirty_top_ = dirty_top_ < 0 ? row : std::min(dirty_top_, row);
            dirty_bottom_ = std::max(dirty_bottom_, row);
            break;
        case Change::GridLayout:
            layout_pending_ = true;
            break;
        case Change::GridSelection:
            selection_pending_ = true;
            break;
        case Change::GridRowsAppended:  // sync compares the counts
            break;
        default:
            return;
    }
    schedule();
}

void GridModel::schedule() {
    if (scheduled_) return;
    scheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        if (scheduled_) sync();
    });
}

void GridModel::sync() {
    scheduled_ = false;
    const int rows = grid_.row_count();
    const int cols = grid_.col_count();
    if (reset_pending_ || rows < rows_ || cols != cols_) {
        beginResetModel();
        rows_ = rows;
        cols_ = cols;
        endResetModel();
    } else {
        if (dirty_top_ >= 0 && dirty_top_ < rows_) {
            const int bottom = std::min(dirty_bottom_, rows_ - 1);
            Q_EMIT dataChanged(index(dirty_top_, 0), index(bottom, cols_ - 1));
        }
        if (rows > rows_) {
            beginInsertRows({}, rows_, rows - 1);
            rows_ = rows;
            endInsertRows();
        }
    }
    reset_pending_ = false;
    dirty_top_ = dirty_bottom_ = -1;
    if (layout_pending_) {
        layout_pending_ = false;
        // Fixed rows and columns may have moved: their shading and flags change.
        if (rows_ > 0 && cols_ > 0) Q_EMIT dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
        Q_EMIT grid_layout_changed();
    }
    if (selection_pending_) {
        selection_pending_ = false;
        Q_EMIT grid_selection_changed();
    }
}

}  // namespace rebanto::ui

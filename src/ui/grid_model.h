#pragma once
// A table model over a model Grid, read in place: no cells are copied. The grid tells
// what changed after the fact, so the adapter keeps the row and column counts its views
// know, and sync() announces the difference (rows inserted, a reset, changed cells) in
// one batch. Views then read the cells straight from the grid.
#include <QAbstractTableModel>
#include <QColor>

#include "model/grid.h"

namespace rebanto::ui {

class GridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit GridModel(Grid& grid, QObject* parent = nullptr);
    ~GridModel() override;

    Grid& grid() const { return grid_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An edit of an editable grid's cell goes to Grid::edit_cell.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Announces the grid's changes since the last sync. Runs by itself when the event
    // loop is idle; the binder runs it on a flush.
    void sync();

    bool is_fixed(int row, int col) const;

    // The shade of the fixed rows and columns (a light grey unless the view says).
    QColor fixed_background() const { return fixed_background_; }
    void set_fixed_background(const QColor& color);

Q_SIGNALS:
    // Column widths, row height or fixed rows changed.
    void grid_layout_changed();
    // The program moved the grid's selected cell.
    void grid_selection_changed();

private:
    bool in_range(const QModelIndex& index) const;
    void on_change(Change change, int row);
    void schedule();

    Grid& grid_;
    QColor fixed_background_{0xE4, 0xE4, 0xE4};
    int observer_ = 0;
    int rows_ = 0;  // as the views know them
    int cols_ = 0;
    bool reset_pending_ = false;
    bool layout_pending_ = false;
    bool selection_pending_ = false;
    int dirty_top_ = -1;  // changed rows, inclusive; -1 when none
    int dirty_bottom_ = -1;
    bool scheduled_ = false;
};

}  // namespace rebanto::ui

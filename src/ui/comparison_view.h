#pragma once
// The view of the comparison window TFormHi: table A, table B and the difference table
// stacked top to bottom, each under a row with its caption, the memories it is summed from
// and its operations.
#include <QWidget>

#include "forms/tformhi.h"

class QTableView;

namespace rebanto::ui {

class Binder;

class ComparisonView : public QWidget {
    Q_OBJECT

public:
    explicit ComparisonView(TFormHi& form, QWidget* parent = nullptr);

    Binder& binder() const { return *binder_; }
    QTableView* table(int k) const { return tables_[k]; }  // 0: A, 1: B, 2: A − B
    // Rows a table shows whole besides its title rows when the window opens.
    static constexpr int kReadableRows = 10;
    // The window height that shows the title rows and ten rows of each table.
    int readable_height() const;

private:
    Binder* binder_;
    QTableView* tables_[3] = {};
    const Grid* grids_[3] = {};
    int stretches_[3] = {};
    QWidget* bars_[3] = {};
    int column_spacing_ = 2;
};

}  // namespace rebanto::ui

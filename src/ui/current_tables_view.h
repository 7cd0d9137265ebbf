#pragma once
// The view of "カレント両表" (TForCur): a band of buttons along the top (layouts, font
// size, column zoom, pack files, the five memories, the comparison), and below it the
// current monthly and bonus tables, each in a panel placed exactly where the window model
// puts it. The model lays the panels out again on every resize and layout button; the view
// only follows.
#include <QWidget>

#include "forms/tforcur.h"

class QBoxLayout;
class QColor;
class QHBoxLayout;
class QTableView;

namespace rebanto::ui {

class Binder;
class Placer;

class CurrentTablesView : public QWidget {
    Q_OBJECT

public:
    explicit CurrentTablesView(TForCur& form, QWidget* parent = nullptr);

    Binder& binder() const { return *binder_; }
    QWidget* band() const { return band_; }
    QWidget* monthly_panel() const { return monthly_panel_; }
    QWidget* bonus_panel() const { return bonus_panel_; }
    QTableView* monthly() const { return monthly_; }
    QTableView* bonus() const { return bonus_; }

    // The shade of the fixed cells of the monthly and of the bonus tables, wherever
    // copies of them are shown.
    static QColor monthly_fixed_color();
    static QColor bonus_fixed_color();

    // The least width that shows every button of the band whole, its memories' row split
    // in two.
    int least_width() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* build_band();
    void build_view_row(Placer& put, QHBoxLayout* row);
    void build_memory_row(Placer& put, QBoxLayout* row);
    // Too narrow for the memories and their bulk operations side by side, the band puts
    // the operations on a line of their own and the tables start lower.
    void fit_band();
    QWidget* build_slot(Placer& put, Panel& slot, Label& number_label, Button& store,
                        Button& recall);
    QWidget* build_table_panel(Placer& put, Panel& panel, Grid& grid, const QColor& fixed,
                               QTableView*& view);
    // Puts a panel where the model says; a panel without area is hidden.
    void place_panel(QWidget* panel, const Panel& model, const PanelGeometry& at);

    TForCur& form_;
    Binder* binder_;
    QWidget* band_ = nullptr;
    QBoxLayout* memory_row_ = nullptr;
    QHBoxLayout* memories_ = nullptr;
    QHBoxLayout* bulk_ = nullptr;
    QHBoxLayout* view_row_ = nullptr;
    int band_extra_ = 0;  // pixels the band takes beyond the model's
    QWidget* monthly_panel_ = nullptr;
    QWidget* bonus_panel_ = nullptr;
    QTableView* monthly_ = nullptr;
    QTableView* bonus_ = nullptr;
};

}  // namespace rebanto::ui

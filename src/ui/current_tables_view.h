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

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* build_band();
    void build_view_row(Placer& put, QHBoxLayout* row);
    void build_memory_row(Placer& put, QHBoxLayout* row);
    QWidget* build_slot(Placer& put, Panel& slot, Label& number_label, Button& store,
                        Button& recall);
    QWidget* build_table_panel(Placer& put, Panel& panel, Grid& grid, const QColor& fixed,
                               QTableView*& view);
    // Puts a panel where the model says; a panel without area is hidden.
    void place_panel(QWidget* panel, const Panel& model, const PanelGeometry& at);

    TForCur& form_;
    Binder* binder_;
    QWidget* band_ = nullptr;
    QWidget* monthly_panel_ = nullptr;
    QWidget* bonus_panel_ = nullptr;
    QTableView* monthly_ = nullptr;
    QTableView* bonus_ = nullptr;
};

}  // namespace rebanto::ui

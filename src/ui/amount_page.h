#pragma once
// The page "個別返済額算定" of the main window, where a loan is worked through step by
// step: the step fields of the monthly and the bonus part side by side, the step length,
// the progress through the term, the run buttons, and the panels the page opens
// (one-payment options, the prepayment).
#include "ui/page_view.h"

class QGridLayout;
class QMenu;
class QWidget;

namespace rebanto::ui {

class AmountPage : public PageView {
public:
    explicit AmountPage(const PageViewContext& window)
        : PageView(window, window.form.TabSheet1), f_(form_) {}

    void build(QGridLayout* page) override;
    // The page's popup menu, once built.
    QMenu* menu() const { return menu_; }

private:
    // amount_page.cpp
    QWidget* step_length_row();
    QWidget* step_grid();
    void step_count_row(QGridLayout* grid, int row);
    QWidget* side_column();
    QWidget* progress_band();
    QWidget* action_row();
    QWidget* memo_tools();
    QMenu* popup_menu(QWidget* page);

    // amount_panels.cpp
    struct OnePayment {
        Panel& panel;
        Label& title;
        Label& days_unit;
        RadioButton& normal;
        RadioButton& by_days;
        Edit& days;
        Label* days_caption;
        Button& apply;
        Button& principal_first;
    };
    QWidget* one_payment_panel(const OnePayment& parts);
    QWidget* prepayment_panel();

    // amount_day_counter.cpp
    QWidget* day_counter();

    // amount_search_panel.cpp: the calculators' buttons, and the reverse-search panel
    // floating over the page.
    QWidget* calculator_buttons();
    void reverse_search_panel(QWidget* sheet);
    QWidget* search_inputs(QWidget* panel);
    QWidget* search_targets(QWidget* panel);

    TForm1& f_;
    QMenu* menu_ = nullptr;
};

}  // namespace rebanto::ui

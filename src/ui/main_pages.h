#pragma once
// The pages of the main window's view, one class each (the calculation page is
// amount_page.h). The window view registers them in main_window_view.cpp.
#include "ui/main_page.h"
#include "ui/memo_page.h"

class QHBoxLayout;
class QVBoxLayout;
class QWidget;

namespace rebanto::ui {

class FlowLayout;

// "一括表": the what-if tables and the loan-product schedules, laid out from the model.
class BatchPage : public MainPage {
public:
    explicit BatchPage(const MainPageContext& window) : MainPage(window, window.form.TabSheet2) {}
    void build(QGridLayout* page) override;
};

// "ﾒﾓ(月返済)" or "(ﾎﾞｰﾅｽ返済)".
class MemoPage : public MainPage {
public:
    MemoPage(const MainPageContext& window, Panel& sheet, const MemoPageParts& parts)
        : MainPage(window, sheet), parts_(parts) {}
    void build(QGridLayout* page) override;

private:
    MemoPageParts parts_;
};

// "複合編成": copies of the current tables, packs, the composite work and its outputs.
class CompositePage : public MainPage {
public:
    explicit CompositePage(const MainPageContext& window)
        : MainPage(window, window.form.TabSheet7) {}
    void build(QGridLayout* page) override;

private:
    QWidget* build_copies();
    void build_files(FlowLayout* row);
    QWidget* build_reference_line();
    QWidget* build_work_steps();
    void build_tables(QGridLayout* page, int row);
    void build_export_buttons(QGridLayout* page, int row, int col);
    void build_output_panel(QGridLayout* page, int row);
    void build_month_shift_panel(QWidget* sheet);
};

// "編成一括": the loan dates and the first-payment correction, the pack slots, and the
// month calendar of every date field.
class DatesPage : public MainPage {
public:
    explicit DatesPage(const MainPageContext& window) : MainPage(window, window.form.TabSheet8) {}
    void build(QGridLayout* page) override;

private:
    QWidget* build_date_fields();
    void build_reference_calendar(QHBoxLayout* line);
    QWidget* build_first_instalments();
    QWidget* build_table_corrections();
    QWidget* build_batch_type();
    void build_reference_months(QWidget* sheet);
    void build_month_calendar();
    // In pack_slots_view.cpp.
    QWidget* build_pack_slots();
};

// "設定": sound, the memo band line, the names, the rate presets and the variable-rate
// list, laid out from the model.
class SettingsPage : public MainPage {
public:
    explicit SettingsPage(const MainPageContext& window)
        : MainPage(window, window.form.TabSheet5) {}
    void build(QGridLayout* page) override;
};

// "解説": the explanation text and its document buttons.
class ExplanationPage : public MainPage {
public:
    explicit ExplanationPage(const MainPageContext& window)
        : MainPage(window, window.form.TabSheet6) {}
    void build(QGridLayout* page) override;
};

}  // namespace rebanto::ui

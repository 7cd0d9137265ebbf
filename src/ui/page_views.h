#pragma once
// The pages of the main window's view, one class each (the calculation page is
// amount_page.h). The window view registers them in main_window_view.cpp.
#include "ui/memo_page.h"
#include "ui/page_view.h"

class QHBoxLayout;
class QVBoxLayout;
class QWidget;

namespace rebanto::ui {

class FlowLayout;

// "一括表": the what-if tables and the loan-product schedules, laid out from the model.
class BatchPageView : public PageView {
public:
    explicit BatchPageView(const PageViewContext& window)
        : PageView(window, window.form.TabSheet2) {}
    void build(QGridLayout* page) override;
};

// "ﾒﾓ(月返済)" or "(ﾎﾞｰﾅｽ返済)".
class MemoPageView : public PageView {
public:
    MemoPageView(const PageViewContext& window, Panel& sheet, const MemoPageParts& parts)
        : PageView(window, sheet), parts_(parts) {}
    void build(QGridLayout* page) override;

private:
    MemoPageParts parts_;
};

// "複合編成": copies of the current tables, packs, the composite work and its outputs.
class CompositePageView : public PageView {
public:
    explicit CompositePageView(const PageViewContext& window)
        : PageView(window, window.form.TabSheet7) {}
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
class DatesPageView : public PageView {
public:
    explicit DatesPageView(const PageViewContext& window)
        : PageView(window, window.form.TabSheet8) {}
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
class SettingsPageView : public PageView {
public:
    explicit SettingsPageView(const PageViewContext& window)
        : PageView(window, window.form.TabSheet5) {}
    void build(QGridLayout* page) override;
};

// "解説": the explanation text and its document buttons.
class ExplanationPageView : public PageView {
public:
    explicit ExplanationPageView(const PageViewContext& window)
        : PageView(window, window.form.TabSheet6) {}
    void build(QGridLayout* page) override;
};

}  // namespace rebanto::ui

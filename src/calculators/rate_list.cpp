// The rate selection list: opening it beside a rate field, copying a chosen rate, and
// keeping the list in "kinriOP.ini" and in named "*.ksl" copies.
#include <array>
#include <filesystem>
#include <optional>

#include "base/errors.h"
#include "base/linefile.h"
#include "forms/app.h"
#include "forms/guard.h"
#include "forms/tform1.h"
#include "forms/tform7.h"
#include "io/rate_list_store.h"

namespace rebanto {

namespace {

constexpr std::array<const char*, kRateListCols> kHeader = {
    "分類", "2段金利項目", "初金利", "年目", "以降金利", "", "項目", "金利"};
constexpr std::array<int, kRateListCols> kColumnWidths = {64, 112, 48, 34, 58, 16, 128, 48};
constexpr int kDesignPoints = 10;

// The columns a rate is typed into.
bool rate_column(int col) {
    return col == 2 || col == 4 || col == 7;
}

// A cell that holds no rate: empty, or marked empty by a write.
bool blank(const std::string& text) {
    return text.empty() || text == kEmptyCellMark;
}

std::string size_hint(int points) {
    return "現文字サイズは　" + std::to_string(points) + "　ポイントです。";
}

// The dialog of a named list: lists live in the start folder.
FileDialogRequest list_request(const App& app, const char* title) {
    FileDialogRequest request;
    request.title = title;
    request.folder = app.start_folder().string();
    request.filter = kRateListFilter;
    request.default_ext = "ksl";
    return request;
}

}  // namespace

TForm7::TForm7(App& app) : Form("TForm7", "金利選択リスト"), app_(app) {
    set_bounds(470, 120, 660, 640);
    StringGrid7.set_fixed(1, 0);
    StringGrid7.set_editable(true);
    for (int col = 0; col < kRateListCols; ++col) {
        StringGrid7.set_cell(0, col, kHeader[col]);
        StringGrid7.set_col_width(col, kColumnWidths[col]);
    }
    Button140.set_hint("ソフト終了後自動的に記録しますが、念のため。");
    UpDown1.set_range(6, 30);
    UpDown1.set_position(kDesignPoints);
    UpDown1.set_hint(size_hint(kDesignPoints));
    Edit1.set_read_only(true);

    StringGrid7.on_click = guard(&TForm7::StringGrid7Click);
    Button141.on_click = guard(&TForm7::Button141Click);
    Button140.on_click = guard(&TForm7::Button140Click);
    Load.on_click = guard(&TForm7::LoadClick);
    Save.on_click = guard(&TForm7::SaveClick);
    Panel6.on_click = guard(&TForm7::Panel6Click);
    UpDown1.on_change = guard(&TForm7::UpDown1Change);
    wire_rate_fields();
}

// The rate fields that open this list beside them: the main window's and the navigator's.
void TForm7::wire_rate_fields() {
    TForm1& main = app_.main;
    for (Edit* rate : {&main.Edit2, &main.Ed0_kin}) {
        rate->on_dbl_click = main.guard(&TForm1::open_rate_list, FailureRule::Calculation);
        rate->on_right_click = main.guard(&TForm1::open_rate_list, FailureRule::Calculation);
    }
    app_.navigator.Edit1.on_right_click =
        guarded(app_.navigator, &TForm4::Edit1RightClick, app_.platform());
}

void TForm4::Edit1RightClick(Control&) {
    app_.main.open_rate_list(Edit1);
}

// A file that cannot be read or written stops the operation with the platform's message;
// what was done before stays done.
Handler TForm7::guard(void (TForm7::*routine)(Control&), FailureRule rule) {
    return guarded(*this, routine, app_.platform(), rule);
}

void TForm7::open_for(Control& field) {
    receiving_ = &field;
    if (!opened_) {
        try {
            read_store();
        } catch (const FileError& e) {
            app_.platform().error(std::string("金利選択リストを開けません。") + e.what());
            return;
        }
        opened_ = true;
    }
    show();
}

void TForm7::offer_rate_list(Edit& field) {
    Edit* receiver = &field;
    const Handler open = [this, receiver](Control&) { open_for(*receiver); };
    field.on_dbl_click = open;
    field.on_right_click = open;
}

void TForm7::restore_list_name(const std::string& stored) {
    const std::string name = (stored.empty() || stored == "0") ? kDefaultListName : stored;
    list_name_ = name;
    Edit1.set_text(name);
}

void TForm7::record_at_exit() {
    if (!opened_) return;
    try {
        write_store();
    } catch (const FileError& e) {
        app_.platform().error(e.what());
    }
}

bool TForm7::cell_key_allowed(int col, char32_t key) {
    if (!rate_column(col)) return true;
    const bool allowed = (key >= U'0' && key <= U'9') || key == U'.' || key == U'%' ||
                         key == U'\'' || key == U'\b' || key == U'\r' || key == U'\n';
    if (!allowed) app_.main.beep(Beep::Warning);
    return allowed;
}

void TForm7::read_store() {
    lines_ = read_rate_list(app_.start_folder() / kRateListStore);
    rate_list_to_grid(lines_, StringGrid7);
}

void TForm7::write_store() {
    write_list(kRateListStore);
}

void TForm7::write_list(const std::string& file_name) {
    grid_to_rate_list(StringGrid7, lines_);
    write_lines(app_.start_folder() / file_name, lines_);
}

// The chosen name shows as the list in use; the settings keep it unless it is the name
// of the everyday list.
void TForm7::name_list(const std::string& file_name) {
    Edit1.set_text(file_name);
    if (file_name != kDefaultListName) list_name_ = file_name;
}

// A click on a row takes its rates: the two-step part (columns 0..4) gives the initial
// rate to the receiving field and the rate after the step to the main window's Edit40;
// the single-rate part (columns 6, 7) gives its rate. A blank cell overwrites nothing.
// With "編集" ticked a click only moves the cursor, for editing.
void TForm7::StringGrid7Click(Control&) {
    if (CheckBox5.checked()) return;
    const int row = StringGrid7.selected_row();
    const int col = StringGrid7.selected_col();
    if (row < 1 || row > kRateListRows) return;
    const auto put = [](Control* field, const std::string& text) {
        if (field != nullptr && !blank(text)) field->set_text(text);
    };
    namespace rc = rate_list_col;
    if (col >= rc::kClass && col <= rc::kLaterRate) {
        put(receiving_, StringGrid7.cell(row, rc::kFirstRate));
        put(&app_.main.Edit40, StringGrid7.cell(row, rc::kLaterRate));
    } else if (col == rc::kSingleItem || col == rc::kSingleRate) {
        put(receiving_, StringGrid7.cell(row, rc::kSingleRate));
    } else {
        return;  // the blank separator column
    }
    hide();
}

void TForm7::Button141Click(Control&) {
    read_store();
}

void TForm7::Button140Click(Control&) {
    write_store();
}

void TForm7::LoadClick(Control&) {
    const std::optional<std::string> chosen =
        app_.platform().open_file(list_request(app_, "金利選択リストの読込"));
    if (!chosen) return;
    // Lists live in the start folder, wherever the dialog went.
    const std::string name = std::filesystem::path(*chosen).filename().string();
    if (name.empty()) return;
    lines_ = read_rate_list(app_.start_folder() / name);
    rate_list_to_grid(lines_, StringGrid7);
    name_list(name);
    write_store();
}

void TForm7::SaveClick(Control&) {
    FileDialogRequest request = list_request(app_, "金利選択リストの保存");
    if (Edit1.text() != kDefaultListName) request.file_name = Edit1.text();
    const std::optional<std::string> chosen = app_.choose_save_file(request);
    if (!chosen) return;
    const std::string name = std::filesystem::path(*chosen).filename().string();
    if (name.empty()) return;
    // The list is written into the start folder under the chosen name, whatever the folder.
    if (app_.refuse_settings_file(app_.start_folder() / name)) return;
    write_list(name);
    name_list(name);
    write_store();
}

void TForm7::Panel6Click(Control&) {
    hide();
}

void TForm7::UpDown1Change(Control&) {
    const int points = UpDown1.position();
    StringGrid7.set_font_size(points);
    UpDown1.set_hint(size_hint(points));
}

// ---- The main window's side ----

// The rate fields of the main window offer the list on a double click or right click.
void TForm1::open_rate_list(Control& field) {
    app_.rate_list.open_for(field);
}

}  // namespace rebanto

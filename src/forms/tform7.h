#pragma once
// "金利選択リスト": thirty named rates the user keeps in "kinriOP.ini". The list opens
// beside a rate field; a click on a row copies its rate into that field and closes it.
#include <string>
#include <vector>

#include "forms/guard.h"
#include "model/control.h"
#include "model/form.h"
#include "model/grid.h"

namespace rebanto {

class App;

class TForm7 : public Form {
public:
    explicit TForm7(App& app);

    // Row 0 is the header; rows 1..30 hold the list.
    Grid StringGrid7{*this, "StringGrid7", 31, 8};
    CheckBox CheckBox5{*this, "CheckBox5", "編集"};
    Button Button141{*this, "Button141", "読込"};
    Button Button140{*this, "Button140", "記録"};
    Button Load{*this, "Load", "Load"};
    Button Save{*this, "Save", "Save"};
    Panel Panel6{*this, "Panel6", "ここクリックでキャンセル"};
    // Font size of the list, in points.
    TrackBar UpDown1{*this, "UpDown1"};
    // The name of the list in use.
    Edit Edit1{*this, "Edit1", "常時利用"};

    static constexpr const char* kDefaultListName = "常時利用";

    // Opens the list for a field: remembers it as the receiving field, reads the store the
    // first time in a run, shows the window. A store that cannot be read is reported and
    // the window stays closed.
    void open_for(Control& field);
    // Lets a field offer the list: its double click and right click open it for the field.
    void offer_rate_list(Edit& field);

    // Whether the store was read by an opening in this run.
    bool opened() const { return opened_; }
    Control* receiving_field() const { return receiving_; }

    // The name the settings file keeps for the list in use ("常時利用" until a named list
    // was loaded or saved).
    const std::string& list_name() const { return list_name_; }
    // Takes the stored name back at start-up: "0" or empty stands for "常時利用".
    void restore_list_name(const std::string& stored);

    // Exit: an opened list is recorded to the store. Failures are reported.
    void record_at_exit();

    // The key filter of the rate columns (2, 4, 7): digits, ".", "%", "'", backspace and
    // Enter pass; anything else is refused with a warning beep (when sound is on). Keys
    // in other columns all pass.
    bool cell_key_allowed(int col, char32_t key);

    // Reads the store into the list. Throws FileError; the list is unchanged then.
    void read_store();
    // Writes the list to the store. Throws FileError.
    void write_store();
    // The list as its lines stand in memory (what the next write starts from).
    const std::vector<std::string>& store_lines() const { return lines_; }

    void StringGrid7Click(Control& sender);
    void Button141Click(Control& sender);
    void Button140Click(Control& sender);
    void LoadClick(Control& sender);
    void SaveClick(Control& sender);
    void Panel6Click(Control& sender);
    void UpDown1Change(Control& sender);

private:
    Handler guard(void (TForm7::*routine)(Control&), FailureRule rule = FailureRule::Window);
    void wire_rate_fields();
    void write_list(const std::string& file_name);
    void name_list(const std::string& file_name);

    App& app_;
    std::vector<std::string> lines_;
    Control* receiving_ = nullptr;
    bool opened_ = false;
    std::string list_name_ = kDefaultListName;
};

}  // namespace rebanto

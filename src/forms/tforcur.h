#pragma once
// "カレント両表": the current monthly and bonus tables, their five memories, layouts,
// column zoom and font size.
#include <array>
#include <string>
#include <vector>

#include "forms/guard.h"
#include "model/control.h"
#include "model/form.h"
#include "model/grid.h"

namespace rebanto {

class App;

// A table kept as the grid lent it (Grid::shared_rows): keeping, copying and recalling a
// memory copies no cell. It reads as the rows themselves.
class HeldRows {
public:
    HeldRows() = default;
    HeldRows(SharedGridRows rows)
        : rows_(std::move(rows)) {}  // NOLINT(google-explicit-constructor)
    const GridRowList& rows() const { return rows_ ? *rows_ : kNoRows; }
    operator const GridRowList&() const { return rows(); }  // NOLINT(google-explicit-constructor)
    std::size_t size() const { return rows().size(); }
    const std::vector<std::string>& operator[](std::size_t r) const { return rows()[r]; }
    const SharedGridRows& shared() const { return rows_; }

private:
    static inline const GridRowList kNoRows;
    SharedGridRows rows_;
};

// A copy of both current tables with the settings they were made under.
struct TablesSnapshot {
    HeldRows monthly;
    HeldRows bonus;
    std::string method = "0";  // text of HHkkgg
    std::int64_t instalment_rounding = 0;
    std::int64_t interest_rounding = 0;
    std::int64_t accrual_unit = 100;
};

enum class TablesLayout { Stacked, SideBySide, MonthlyOnly, BonusOnly };

struct PanelGeometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PanelGeometry&, const PanelGeometry&) = default;
};

class TForCur : public Form {
public:
    explicit TForCur(App& app);

    Label LabelNote{*this, "LabelNote", "当窓(フォーム)の位置・大きさは適宜調整利用"};
    Button BitBtn1{*this, "BitBtn1", "横"};
    Button BitBtn2{*this, "BitBtn2", "縦"};
    Button Button1{*this, "Button1", "全面月表"};
    Button Button2{*this, "Button2", "ﾎﾞｰﾅｽ表"};
    TrackBar UpDown3{*this, "UpDown3"};
    Button Button3{*this, "Button3", "←→"};
    Button Button4{*this, "Button4", "→←"};
    Button Button5{*this, "Button5", ""};
    Button Button87{*this, "Button87", "読込"};
    Button Button88{*this, "Button88", "保存"};
    // Both tables as numbers for a spreadsheet, saved at once (CSV or workbook).
    Button Bt_suuti{*this, "Bt_suuti", "表計算用（数値）"};
    Panel Slot1{*this, "Slot1", "１"};
    Panel Slot2{*this, "Slot2", "２"};
    Panel Slot3{*this, "Slot3", "３"};
    Panel Slot4{*this, "Slot4", "４"};
    Panel Slot5{*this, "Slot5", "５"};
    // The slot numbers, each with the warning that memories end with the program.
    Label SlotNo1{*this, "SlotNo1", "１"};
    Label SlotNo2{*this, "SlotNo2", "２"};
    Label SlotNo3{*this, "SlotNo3", "３"};
    Label SlotNo4{*this, "SlotNo4", "４"};
    Label SlotNo5{*this, "SlotNo5", "５"};
    Button Button81{*this, "Button81", "記憶"};
    Button Button82{*this, "Button82", "記憶"};
    Button Button83{*this, "Button83", "記憶"};
    Button Button84{*this, "Button84", "記憶"};
    Button Button85{*this, "Button85", "記憶"};
    Button Button91{*this, "Button91", "呼出"};
    Button Button92{*this, "Button92", "呼出"};
    Button Button93{*this, "Button93", "呼出"};
    Button Button94{*this, "Button94", "呼出"};
    Button Button95{*this, "Button95", "呼出"};
    Button Button7{*this, "Button7", "一括読込"};
    Button Button8{*this, "Button8", "一括保存"};
    Button Button6{*this, "Button6", "比較表"};
    Label Label7{*this, "Label7", "123"};
    Panel PanelM{*this, "PanelM"};
    Panel PanelB{*this, "PanelB"};
    Grid StGr1{*this, "StGr1", 2, 14, 1, 3};  // current monthly table
    Grid StGr2{*this, "StGr2", 2, 14, 1, 3};  // current bonus table

    // The client area's top band holds the buttons.
    static constexpr int kButtonBand = 54;

    // ---- Window state ----
    TablesLayout layout = TablesLayout::Stacked;
    int ZoomSteps = 0;
    std::array<TablesSnapshot, 5> slots;
    std::array<bool, 5> slot_stored{};
    // A memory stored since its file "両表k" was last written or read: lost at exit.
    std::array<bool, 5> slot_unsaved{};
    // The memories that would be lost at exit, as "１、３" (empty when none).
    std::string unsaved_slots() const;

    // ---- Routines ----
    void apply_layout();
    PanelGeometry monthly_geometry() const { return monthly_geometry_; }
    PanelGeometry bonus_geometry() const { return bonus_geometry_; }
    void LayoutClick(Control& sender);
    void UpDown3Change(Control& sender);
    void zoom(bool enlarge);
    void Button3Click(Control& sender) {
        (void)sender;
        zoom(true);
    }
    void Button4Click(Control& sender) {
        (void)sender;
        zoom(false);
    }
    void StoreClick(Control& sender);
    void RecallClick(Control& sender);
    void store_slot(int k);
    void recall_slot(int k);
    void Button7Click(Control& sender);
    void Button8Click(Control& sender);
    void Button6Click(Control& sender);
    void Bt_suutiClick(Control& sender);
    // The file of memory k in the data folder: "両表１" … "両表５".
    std::string slot_file(int k) const;

private:
    Handler guard(void (TForCur::*routine)(Control&), FailureRule rule = FailureRule::Window);
    void recall_once(int k);
    App& app_;
    PanelGeometry monthly_geometry_;
    PanelGeometry bonus_geometry_;
    bool recall_repeating_ = false;
};

}  // namespace rebanto

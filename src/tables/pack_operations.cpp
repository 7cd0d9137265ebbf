// Loading and saving the current tables as manual pack files.
#include <filesystem>

#include "base/errors.h"
#include "core/field_io.h"
#include "core/schedule_columns.h"
#include "core/schedule_table.h"
#include "forms/app.h"
#include "forms/tform1.h"
#include "tables/file_names.h"
#include "tables/pack_file.h"

namespace rebanto {

namespace {

constexpr const char* kPackFilter = "マニュアルパック(*.mpc)|*.mpc";

TableRows rows_of(const Grid& table) {
    TableRows rows;
    for (int r = 0; r < table.row_count(); ++r)
        rows.push_back(table.row_cells(r));
    return rows;
}

}  // namespace

void TForm1::Save_mpc(const std::string& path) {
    PackFile pack;
    pack.monthly = rows_of(app_.cur.StGr1);
    pack.bonus = rows_of(app_.cur.StGr2);
    pack.loan_date = MsEd8_yusi.text();
    pack.first_monthly_date = MsEd8_mon.text();
    pack.first_bonus_date = MsEd8_bon.text();
    pack.instalment_rounding = HRh.tag();
    pack.interest_rounding = HRr.tag();
    pack.method = HHkkgg.text();
    pack.accrual_unit = FuriR.tag();
    write_pack_file(path, pack);
}

// The whole file is read and checked before anything changes, so a damaged file leaves
// the current tables as they were.
void TForm1::Open_mpc(const std::string& path) {
    Open_mpc(read_pack_file(path));
}

void TForm1::Open_mpc(const PackFile& pack) {
    MsEd8_yusi.set_text(pack.loan_date);
    MsEd8_mon.set_text(pack.first_monthly_date);
    MsEd8_bon.set_text(pack.first_bonus_date);
    HRh.set_tag(pack.instalment_rounding);
    HRr.set_tag(pack.interest_rounding);
    HHkkgg.set_text(pack.method);
    FuriR.set_tag(pack.accrual_unit);
    recolour_indicators();
    Button106Click(Button106);

    struct Side {
        Grid& table;
        const TableRows& rows;
        Button& copy_button;
        void (TForm1::*clear)(Control&);
        Control& clear_sender;
        bool monthly;
    };
    for (const Side& side :
         {Side{app_.cur.StGr1, pack.monthly, ButtonM, &TForm1::Bt7_MClearClick, Bt7_MClear, true},
          Side{app_.cur.StGr2, pack.bonus, ButtonB, &TForm1::Bt7_BClearClick, Bt7_BClear, false}}) {
        side.table.set_row_count(static_cast<int>(side.rows.size()));
        if (side.rows.size() < 3) (this->*side.clear)(side.clear_sender);
        side.table.set_row_count(static_cast<int>(side.rows.size()));
        for (std::size_t r = 0; r < side.rows.size(); ++r) {
            side.table.set_row(static_cast<int>(r), side.rows[r]);
            if (r == kFirstDataRow) enable_table_operations(side.monthly, true);
        }
    }
}

void TForm1::Button87Click(Control&) {
    load_pack_with_dialog();
}

bool TForm1::load_pack_with_dialog() {
    FileDialogRequest request{"マニュアルパック読込", packFolder, proposed_pack_file, kPackFilter,
                              "mpc"};
    const auto chosen = app_.platform().open_file(request);
    if (!chosen) return false;
    Edit78.hide();
    Edit79.hide();
    Button51.hide();
    try {
        Open_mpc(*chosen);
    } catch (const std::exception& e) {
        app_.platform().error(e.what());
        return false;
    }
    Button89.show();
    last_loaded_pack_file = *chosen;
    Edit67.set_text(*chosen);
    proposed_pack_file = *chosen;
    packFolder = folder_of(*chosen);
    Button26Click(Button26);
    if (!CheckBox2.checked()) {
        try {
            Open_mpc(*chosen);
        } catch (const std::exception& e) {
            app_.platform().error(e.what());
            return false;
        }
    }
    if (app_.cur.StGr2.row_count() > kFirstDataRow) ButtonBClick(ButtonB);
    if (app_.cur.StGr1.row_count() > kFirstDataRow) ButtonMClick(ButtonM);
    Ed555.set_text(stem_of(*chosen));
    return true;
}

void TForm1::Button88Click(Control&) {
    app_.platform().beep(Beep::Warning);  // always: a file is about to be written
    FileDialogRequest request{"マニュアルパック保存", packFolder,
                              proposed_pack_file.empty() ? Ed555.text() : proposed_pack_file,
                              kPackFilter, "mpc"};
    const auto chosen = app_.choose_save_file(request);
    if (!chosen) return;
    for (Grid* table : {&app_.cur.StGr1, &app_.cur.StGr2}) {
        table->set_cell(kSettingsRow, schedule_col::kWorkName, Ed555.text());
    }
    try {
        Save_mpc(*chosen);
    } catch (const std::exception& e) {
        app_.platform().error(e.what());
        return;
    }
    packFolder = folder_of(*chosen);
    proposed_pack_file = *chosen;
    Ed555.set_text(stem_of(*chosen));
}

void TForm1::Ed555DblClick(Control&) {
    proposed_pack_file = packFolder + Ed555.text() + ".mpc";
    Button88Click(Button88);
}

void TForm1::Button89Click(Control&) {
    if (last_loaded_pack_file.empty()) return;
    try {
        Save_mpc(last_loaded_pack_file);
    } catch (const std::exception& e) {
        app_.platform().error(e.what());
        return;
    }
    Button89.hide();
    Edit78.show();
    Edit79.show();
}

void TForm1::Button150Click(Control& sender) {
    Button87Click(sender);
    Button146Click(sender);
}

void TForm1::save_aside() {
    Save_mpc(data_path("退避"));
}

void TForm1::restore_aside() {
    Open_mpc(data_path("退避"));
}

}  // namespace rebanto

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

// The current tables with the dates and calculation settings they were made under.
PackFile current_pack(App& app, const TForm1& main) {
    PackFile pack;
    pack.monthly = app.cur.StGr1.rows();
    pack.bonus = app.cur.StGr2.rows();
    pack.loan_date = main.MsEd8_yusi.text();
    pack.first_monthly_date = main.MsEd8_mon.text();
    pack.first_bonus_date = main.MsEd8_bon.text();
    pack.instalment_rounding = main.HRh.tag();
    pack.interest_rounding = main.HRr.tag();
    pack.method = main.HHkkgg.text();
    pack.accrual_unit = main.FuriR.tag();
    return pack;
}

}  // namespace

void CompositePage::Save_mpc(const std::string& path) {
    // Whatever file this writes, the set-aside lines are no longer trusted without reading.
    set_aside_.reset();
    write_pack_file(path, current_pack(app(), main_));
}

// The whole file is read and checked before anything changes, so a damaged file leaves
// the current tables as they were.
void CompositePage::Open_mpc(const std::string& path) {
    Open_mpc(read_pack_file(path));
}

void CompositePage::Open_mpc(const PackFile& pack) {
    main_.MsEd8_yusi.set_text(pack.loan_date);
    main_.MsEd8_mon.set_text(pack.first_monthly_date);
    main_.MsEd8_bon.set_text(pack.first_bonus_date);
    main_.HRh.set_tag(pack.instalment_rounding);
    main_.HRr.set_tag(pack.interest_rounding);
    main_.HHkkgg.set_text(pack.method);
    main_.FuriR.set_tag(pack.accrual_unit);
    main_.recolour_indicators();
    main_.Button106Click(main_.Button106);

    struct Side {
        Grid& table;
        const TableRows& rows;
        Button& copy_button;
        void (TForm1::*clear)(Control&);
        Control& clear_sender;
        bool monthly;
    };
    for (const Side& side : {Side{app().cur.StGr1, pack.monthly, ButtonM, &TForm1::Bt7_MClearClick,
                                  main_.Bt7_MClear, true},
                             Side{app().cur.StGr2, pack.bonus, ButtonB, &TForm1::Bt7_BClearClick,
                                  main_.Bt7_BClear, false}}) {
        side.table.set_row_count(static_cast<int>(side.rows.size()));
        if (side.rows.size() < 3) ((&main_)->*side.clear)(side.clear_sender);
        side.table.set_row_count(static_cast<int>(side.rows.size()));
        for (std::size_t r = 0; r < side.rows.size(); ++r) {
            side.table.set_row(static_cast<int>(r), side.rows[r]);
            if (r == kFirstDataRow) main_.enable_table_operations(side.monthly, true);
        }
    }
}

void CompositePage::Button87Click(Control&) {
    load_pack_with_dialog();
}

bool CompositePage::load_pack_with_dialog() {
    FileDialogRequest request{"マニュアルパック読込", packFolder, proposed_pack_file, kPackFilter,
                              "mpc"};
    const auto chosen = app().platform().open_file(request);
    if (!chosen) return false;
    main_.Edit78.hide();
    main_.Edit79.hide();
    main_.Button51.hide();
    try {
        Open_mpc(*chosen);
    } catch (const std::exception& e) {
        app().platform().error(e.what());
        return false;
    }
    Button89.show();
    last_loaded_pack_file = *chosen;
    main_.Edit67.set_text(*chosen);
    proposed_pack_file = *chosen;
    packFolder = folder_of(*chosen);
    Button26Click(main_.Button26);
    if (!main_.CheckBox2.checked()) {
        try {
            Open_mpc(*chosen);
        } catch (const std::exception& e) {
            app().platform().error(e.what());
            return false;
        }
    }
    if (app().cur.StGr2.row_count() > kFirstDataRow) ButtonBClick(ButtonB);
    if (app().cur.StGr1.row_count() > kFirstDataRow) ButtonMClick(ButtonM);
    main_.Ed555.set_text(stem_of(*chosen));
    return true;
}

void CompositePage::Button88Click(Control&) {
    app().platform().beep(Beep::Warning);  // always: a file is about to be written
    FileDialogRequest request{"マニュアルパック保存", packFolder,
                              proposed_pack_file.empty() ? main_.Ed555.text() : proposed_pack_file,
                              kPackFilter, "mpc"};
    const auto chosen = app().choose_save_file(request);
    if (!chosen) return;
    for (Grid* table : {&app().cur.StGr1, &app().cur.StGr2}) {
        table->set_cell(kSettingsRow, schedule_col::kWorkName, main_.Ed555.text());
    }
    try {
        Save_mpc(*chosen);
    } catch (const std::exception& e) {
        app().platform().error(e.what());
        return;
    }
    packFolder = folder_of(*chosen);
    proposed_pack_file = *chosen;
    main_.Ed555.set_text(stem_of(*chosen));
}

void CompositePage::Ed555DblClick(Control&) {
    proposed_pack_file = packFolder + main_.Ed555.text() + ".mpc";
    Button88Click(Button88);
}

void CompositePage::Button89Click(Control&) {
    if (last_loaded_pack_file.empty()) return;
    try {
        Save_mpc(last_loaded_pack_file);
    } catch (const std::exception& e) {
        app().platform().error(e.what());
        return;
    }
    Button89.hide();
    main_.Edit78.show();
    main_.Edit79.show();
}

void CompositePage::Button150Click(Control& sender) {
    Button87Click(sender);
    Button146Click(sender);
}

// The tables are set aside and read back many times in one action (every copy into a
// composite does it), and reading the file back was much of that action's cost.
void CompositePage::save_aside() {
    const std::string path = main_.data_path("退避");
    set_aside_.reset();
    std::vector<std::string> lines = pack_lines(current_pack(app(), main_));
    write_lines(path, lines, Durability::Scratch);
    const std::optional<FileStamp> written = file_stamp(path);
    if (written && lines_read_back_as_written(lines))
        set_aside_ = SetAside{std::move(lines), *written};
}

// A file changed since, by this program or any other, is read as it now stands.
void CompositePage::restore_aside() {
    const std::string path = main_.data_path("退避");
    if (set_aside_ && file_stamp(path) == set_aside_->file) {
        Open_mpc(parse_pack(set_aside_->lines, path));
        return;
    }
    Open_mpc(path);
}

}  // namespace rebanto

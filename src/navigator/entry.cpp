// Values typed above the control table and written into its rows (▼, ▲ and their
// repeats), the proposed remaining count, "残回数", the one-row trial and "M"/"MR".
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform4.h"
#include "navigator/control_table.h"
#include "navigator/row_entry.h"

namespace rebanto {

namespace nav = navigator;

struct TForm4::EntryFields {
    // The fields' texts as an entry, written back after the table took them.
    static nav::RowEntry read(const TForm4& f) {
        return {f.Edit1.text(), f.Edit2.text(), f.Edit3.text(), f.Edit4.text(), f.Edit7.text()};
    }
    static void write(TForm4& f, const nav::RowEntry& entry) {
        f.Edit1.set_text(entry.rate);
        f.Edit2.set_text(entry.remaining);
        f.Edit3.set_text(entry.instalment);
        f.Edit4.set_text(entry.in_row);
        f.Edit7.set_text(entry.month);
    }
};

namespace {

// The counts typed are numbers or nothing; a text that is not names its field.
void check_counts(const TForm4& f) {
    for (const Edit* field : {&f.Edit2, &f.Edit7}) {
        if (!is_empty(*field)) num(*field);
    }
}

}  // namespace

void TForm4::Button3Click(Control&) {
    step_selected_row(true);
}

void TForm4::Button2Click(Control&) {
    step_selected_row(false);
}

// ▼ (down) or ▲: the typed values into the selected row, the selection one row on.
void TForm4::step_selected_row(bool down) {
    enter_rows([down](Grid& grid, int selected, nav::RowEntry& entry, nav::TableKind kind) {
        return down ? nav::step_down(grid, selected, entry, kind)
                    : nav::step_up(grid, selected, entry, kind);
    });
}

// "最後まで▼リピート": ▼ from the selected row to the last; the selection comes back.
void TForm4::Button11Click(Control&) {
    enter_rows([](Grid& grid, int selected, nav::RowEntry& entry, nav::TableKind kind) {
        nav::step_down_to_end(grid, selected, entry, kind);
        return selected;
    });
}

// ▲ repeated (selected row − 1) times; the selection comes back.
void TForm4::Button12Click(Control&) {
    enter_rows([](Grid& grid, int selected, nav::RowEntry& entry, nav::TableKind kind) {
        int row = selected;
        for (int i = 0; i < selected - 1; ++i)
            row = nav::step_up(grid, row, entry, kind);
        return selected;
    });
}

// The typed values go into the table worked on, row after row as `step` moves; the
// selection ends on the row `step` returns.
void TForm4::enter_rows(
    const std::function<int(Grid&, int, navigator::RowEntry&, navigator::TableKind)>& step) {
    Grid& grid = table();
    const int selected = grid.selected_row();
    if (selected < nav::kFirstDataRow) return;
    check_counts(*this);
    mark_table_edited();
    nav::RowEntry entry = EntryFields::read(*this);
    const int next = step(grid, selected, entry, {bonus_chosen(), app_.main.bonus_interval()});
    EntryFields::write(*this, entry);
    select_row(grid, next);
}

void TForm4::Edit1DblClick(Control&) {
    Edit1.set_text(table().cell(table().selected_row(), nav::kRate));
}

void TForm4::Edit2DblClick(Control&) {
    Edit2.set_text(table().cell(table().selected_row(), nav::kRemaining));
}

void TForm4::Edit3DblClick(Control&) {
    Edit3.set_text(table().cell(table().selected_row(), nav::kInstalment));
}

void TForm4::Edit4DblClick(Control&) {
    const int s = table().selected_row();
    Edit4.set_text(table().cell(s, nav::kInRow));
    Edit2.set_text(table().cell(s, nav::kRemaining));
    Edit7.set_text(table().cell(s, nav::kMonth));
}

void TForm4::Edit6DblClick(Control&) {
    Edit6.set_text(table().cell(table().selected_row(), nav::kMonth));
}

// The remaining count that goes with the instalments typed for the selected row.
void TForm4::Edit4Change(Control&) {
    Edit2.set_text(nav::proposed_remaining(table(), table().selected_row(), Edit4.text()));
}

// "残回数": remaining counts so that payment ends within the rows present.
void TForm4::Button29Click(Control&) {
    Grid& grid = table();
    if (grid.row_count() <= nav::kFirstDataRow) return;
    mark_table_edited();
    nav::RowEntry entry = EntryFields::read(*this);
    const int from = nav::end_within_rows(grid, grid.selected_row(), entry,
                                          {bonus_chosen(), app_.main.bonus_interval()});
    EntryFields::write(*this, entry);
    select_row(grid, from);
}

// "１行試算表示": the selected row as a fresh loan on the main window's individual page.
void TForm4::Button13Click(Control&) {
    Grid& grid = table();
    const int s = grid.selected_row();
    if (s < nav::kFirstDataRow || nav::is_totals_row(grid, s) || nav::has_prepayment_flag(grid, s))
        return;
    TForm1& main = app_.main;
    const auto cell = [&](int col) { return grid.cell(s, col); };
    main.Ed0_tuki.set_text("6");
    main.Ed0_nen.set_text("0");
    if (!bonus_chosen()) {
        main.Ed0_tuki.set_text(cell(nav::kRemaining));
        main.Edit13.set_text("1");
        main.Edit1.set_text(cell(nav::kPrincipal));
        main.Edit6.set_text("0");
        main.Ed0_wari.set_text("0");
        main.Ed0_kin.set_text(cell(nav::kRate));
        main.PRset1(main.Ed0_kin);  // a fresh loan, whichever writes changed a text
        main.Edit13.set_text(cell(nav::kInRow));
    } else {
        const long double interval = main.bonus_interval();
        put(main.Ed0_tuki, to_extended(cell(nav::kRemaining)) * interval);
        put(main.Edit13, to_extended(cell(nav::kInRow)) * interval);
        main.Edit6.set_text(cell(nav::kPrincipal));
        main.Edit1.set_text("0");
        main.Ed0_wari.set_text("100");
        main.Ed0_kin.set_text(cell(nav::kRate));
        main.PRset1(main.Ed0_kin);
        main.Edit14.set_text(cell(nav::kInRow));
    }
    main.PRset1(Button13);
    main.PageControl1.set_active_page(main.TabSheet1);
}

void TForm4::Button110Click(Control&) {
    app_.main.Button110Click(app_.main.Button110);
}

void TForm4::Button111Click(Control&) {
    app_.main.Button111Click(app_.main.Button111);
}

}  // namespace rebanto

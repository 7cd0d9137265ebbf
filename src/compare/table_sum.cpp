// "加算実行": a comparison table as the sum of the chosen memories. The composite work of
// the main window does the adding; each memory is recalled into the current tables and
// copied or merged into the composite tables, whose monthly table is then taken over.
#include <array>

#include "compare/comparison_table.h"
#include "forms/app.h"
#include "forms/tformhi.h"

namespace rebanto {

namespace {

constexpr const char* kNoMemory =
    "カレント両表の該当一時記憶にデータがありません。一時記憶に記憶した後再度実行して下さい。";

// Names the loan a composite head row came from: "M1記憶", "B3記憶".
void mark_component(Grid& composite, int components, const char* side, int k) {
    composite.set_cell(components, comparison::kTitle, side + std::to_string(k) + "記憶");
}

}  // namespace

void TFormHi::AddClick(Control& sender) {
    add_memories(&sender == &Button2);
}

void TFormHi::add_memories(bool table_b) {
    TForm1& f = app_.main;
    TForCur& cur = app_.cur;
    const std::array<CheckBox*, 5> chosen =
        table_b
            ? std::array<CheckBox*, 5>{&CheckBox6, &CheckBox7, &CheckBox8, &CheckBox9, &CheckBox10}
            : std::array<CheckBox*, 5>{&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4, &CheckBox5};
    const std::array<Button*, 5> recalls{&cur.Button91, &cur.Button92, &cur.Button93, &cur.Button94,
                                         &cur.Button95};
    Grid& table = table_b ? StringGrid2 : StringGrid1;
    Label& titles = table_b ? Label2 : Label1;

    f.Button31Click(f.Button31);
    int taken = 0;
    for (int k = 1; k <= 5; ++k) {
        if (!chosen[k - 1]->checked() || !recalls[k - 1]->enabled()) continue;
        cur.recall_slot(k);
        const bool monthly = f.ButtonM.enabled();
        const bool bonus = f.ButtonB.enabled();
        if (taken == 0) {
            if (monthly) f.ButtonM_CClick(f.ButtonM_C);
            if (bonus) f.ButtonB_CClick(f.ButtonB_C);
        } else {
            f.Button32Click(f.Button32);
        }
        if (monthly) mark_component(f.StringGrid3, f.CompositeCountM, "M", k);
        if (bonus) mark_component(f.StringGrid4, f.CompositeCountB, "B", k);
        ++taken;
    }
    // The bonus composite joins the monthly one (which brings the running totals), or the
    // monthly one gets its running totals alone. A composite counts by its presence: the
    // rows of a discarded one are still in its grid.
    if (f.Button29.enabled() && f.StringGrid4.row_count() > 2) {
        f.Button30Click(f.Button30);
    } else if (f.Button28.enabled() && f.StringGrid3.row_count() > 2) {
        f.Button138Click(f.Button138);
    }
    // Memories stored while the current tables were empty hold no schedule either.
    if (taken == 0 || !f.Button28.enabled()) {
        app_.platform().message(kNoMemory);
        return;
    }

    const Grid& composite = f.StringGrid3;
    comparison::Rows rows;
    rows.reserve(composite.row_count());
    rows.push_back(table.row_cells(0));
    for (int r = 1; r < composite.row_count(); ++r) {
        comparison::Row& row = rows.emplace_back(comparison::kColumns);
        for (int c = 0; c < comparison::kColumns; ++c) {
            const int from = comparison::kFromComposite[c];
            if (from >= 0) row[c] = composite.cell(r, from);
        }
    }
    table.assign_rows(std::move(rows));
    titles.set_tag(f.CompositeCountM);
}

}  // namespace rebanto

// The composite page's work: a loan copied into an empty composite, further loans merged
// into it, the bonus composite merged into the monthly one, the running totals, and
// discarding the composites.
#include "core/schedule_table.h"
#include "forms/app.h"
#include "forms/tform1.h"
#include "tables/composite_rows.h"
#include "tables/composite_state.h"

namespace rebanto {

namespace cs = composite;

namespace {

cs::LoanRule loan_rule(const TForm1& f, bool bonus, int number) {
    cs::LoanRule rule;
    rule.label = cs::label(bonus ? number + 10 : number);
    rule.bonus = bonus;
    rule.equal_principal = f.equal_principal();
    rule.calendar = f.RadioButton6.checked();
    rule.years = f.Ed0_nen.text();
    rule.months = f.Ed0_tuki.text();
    return rule;
}

bool has_data_rows(const Grid& table) {
    return table.row_count() > kFirstDataRow;
}

}  // namespace

CompositeState::CompositeState(TForm1& form)
    : form_(form),
      monthly_(form.StringGrid3.rows()),
      bonus_(form.StringGrid4.rows()),
      count_m_(form.CompositeCountM),
      count_b_(form.CompositeCountB),
      monthly_on_(form.Button28.enabled()),
      bonus_on_(form.Button29.enabled()),
      merge_on_(form.Button32.enabled()),
      both_on_(form.Button30.enabled()),
      totals_on_(form.Button138.enabled()) {}

void CompositeState::restore() {
    form_.StringGrid3.assign_rows(monthly_);
    form_.StringGrid4.assign_rows(bonus_);
    form_.CompositeCountM = count_m_;
    form_.CompositeCountB = count_b_;
    form_.Button28.set_enabled(monthly_on_);
    form_.Button29.set_enabled(bonus_on_);
    form_.Button32.set_enabled(merge_on_);
    form_.Button30.set_enabled(both_on_);
    form_.Button138.set_enabled(totals_on_);
    form_.follow_composites();
}

int CompositePage::component_number(int fallback) const {
    const int slot = main_.selected_slot();
    return slot > 0 ? slot : fallback;
}

void CompositePage::Button28Click(Control&) {
    StringGrid3.show();
    for (Grid* other : {&StringGrid1, &StringGrid2, &StringGrid4})
        other->hide();
    Edit45.set_text(Button28.caption());
    Edit45.set_font_color(Color::Red);
}

void CompositePage::Button29Click(Control&) {
    StringGrid4.show();
    for (Grid* other : {&StringGrid1, &StringGrid2, &StringGrid3})
        other->hide();
    Edit45.set_text(Button29.caption());
    Edit45.set_font_color(Color::Blue);
}

// The copy itself: the composite starts again from the current table as it stands.
void CompositePage::copy_into_composite(bool bonus) {
    const Grid& current = bonus ? app().cur.StGr2 : app().cur.StGr1;
    Grid& target = bonus ? StringGrid4 : StringGrid3;
    cs::Rows rows = cs::copy_table(current, loan_rule(main_, bonus, component_number(1)));
    target.assign_rows(std::move(rows));
    (bonus ? CompositeCountB : CompositeCountM) = 1;
    (bonus ? Button29 : Button28).set_enabled(true);
    follow_composites();
    Button138.set_enabled(true);
    Button32.set_enabled(true);
    if (bonus || Button29.enabled()) Button30.set_enabled(true);
    bonus ? Button29Click(Button29) : Button28Click(Button28);
}

// "コピー作業": the fold of the last principal and a waiting first-payment correction go
// into the copy only; the current tables come back from the set-aside file as they were.
void CompositePage::copy_work(bool bonus) {
    if (!has_data_rows(bonus ? app().cur.StGr2 : app().cur.StGr1)) return;
    save_aside();
    try {
        main_.fold_last_principal(bonus);
        if (main_.Button51.visible()) main_.Button51Click(main_.Button51);
        copy_into_composite(bonus);
    } catch (...) {
        restore_aside();
        throw;
    }
    restore_aside();
}

void CompositePage::ButtonM_CClick(Control&) {
    copy_work(false);
}

void CompositePage::ButtonB_CClick(Control&) {
    copy_work(true);
}

// One pass over both tables in month order; the composite changes only when every row
// has been worked out.
void CompositePage::merge_into_composite(bool bonus) {
    const Grid& current = bonus ? app().cur.StGr2 : app().cur.StGr1;
    Grid& target = bonus ? StringGrid4 : StringGrid3;
    int& count = bonus ? CompositeCountB : CompositeCountM;
    const int n = count + 1;
    const cs::LoanRule loan = loan_rule(main_, bonus, component_number(n));

    cs::Rows work;
    work.reserve(target.row_count() + current.row_count());
    for (int r = 0; r < n && r < target.row_count(); ++r)
        work.push_back(target.row_cells(r));
    work.resize(n);
    work.push_back(cs::head_row(current, loan));
    cs::MergeRule rule;
    rule.separator = loan.label;
    rule.from_current = true;
    rule.equal_principal = loan.equal_principal;
    rule.calendar = loan.calendar;
    cs::merge_rows(target, n, current, kFirstDataRow, rule, work);
    cs::date_totals_rows(work, n + 1);
    // The work table ends at column 17: the running totals wait for the next 累積, and
    // only the header keeps the cells beyond it.
    for (std::size_t r = 1; r < work.size(); ++r)
        work[r].resize(cs::kBonusColumns);
    target.assign_rows(std::move(work));
    count = n;
    bonus ? Button29Click(Button29) : Button28Click(Button28);
}

// "ｶﾚﾝﾄ＋合成作業"
void CompositePage::Button32Click(Control&) {
    if (main_.Button51.visible()) main_.Button51Click(main_.Button51);
    save_aside();
    CompositeState before(main_);
    try {
        const struct {
            bool bonus;
            Button& present;
        } sides[] = {{true, Button29}, {false, Button28}};
        for (const auto& side : sides) {
            main_.fold_last_principal(side.bonus);
            if (!has_data_rows(side.bonus ? app().cur.StGr2 : app().cur.StGr1)) continue;
            if (side.present.enabled()) {
                merge_into_composite(side.bonus);
            } else {
                copy_work(side.bonus);
            }
        }
    } catch (...) {
        before.restore();
        restore_aside();
        throw;
    }
    restore_aside();
}

// "合成月＋ﾎﾞｰﾅｽ合成作業"
void CompositePage::Button30Click(Control&) {
    if (Button28.enabled() && Button29.enabled()) {
        const int nm = CompositeCountM;
        const int nb = CompositeCountB;
        cs::Rows work;
        work.reserve(StringGrid3.row_count() + StringGrid4.row_count());
        for (int r = 0; r <= nm && r < StringGrid3.row_count(); ++r)
            work.push_back(StringGrid3.row_cells(r));
        work.resize(nm + 1);
        // The bonus components follow the monthly ones, marked as bonus repayments.
        for (int r = 1; r <= nb; ++r) {
            cs::Row head = StringGrid4.row_cells(r);
            head.resize(cs::kBonusColumns);
            for (int c = cs::kOwnMonth; c < cs::kBonusColumns; ++c)
                head[c].clear();
            head[7] = "ﾎﾞｰﾅｽ返済" + head[0];
            head[0] = "*" + head[0];
            work.push_back(std::move(head));
        }
        cs::MergeRule rule;
        rule.separator = "※";
        rule.from_current = false;
        rule.calendar = RadioButton6.checked();
        cs::merge_rows(StringGrid3, nm + 1, StringGrid4, nb + 1, rule, work);
        cs::date_totals_rows(work, nm + nb + 1);
        for (std::size_t r = 1; r < work.size(); ++r)
            work[r].resize(cs::kBonusColumns);
        StringGrid3.assign_rows(std::move(work));
        CompositeCountM = nm + nb;
    } else if (Button29.enabled()) {
        cs::Rows rows = StringGrid4.rows();
        for (cs::Row& row : rows)
            row.resize(cs::kBonusColumns);
        if (rows.empty()) rows.emplace_back(cs::kBonusColumns);
        rows[0].resize(cs::kMonthlyColumns);
        rows[0][cs::kNewPrincipal] = "新規発生元金";
        rows[0][cs::kInterestSoFar] = "利息累計額";
        rows[0][cs::kPrincipalSoFar] = "元入累計額";
        rows[0][cs::kOutstanding] = "元金残総額";
        StringGrid3.assign_rows(std::move(rows));
        CompositeCountM = CompositeCountB;
        Button28.set_enabled(true);
        follow_composites();
        Button138.set_enabled(true);
        Button32.set_enabled(true);
    }
    if (!Button28.enabled()) return;
    Button138Click(Button138);
    Button28Click(Button28);
}

// "累積"
void CompositePage::Button138Click(Control&) {
    if (!Button28.enabled()) return;
    cs::running_totals(StringGrid3, CompositeCountM);
}

// "消": the composites count as absent; the next work on them is a copy.
void CompositePage::Button31Click(Control&) {
    for (Button* b : {&Button28, &Button29, &Button32, &Button30, &Button138})
        b->set_enabled(false);
    CompositeCountM = 0;
    CompositeCountB = 0;
    follow_composites();
}

void CompositePage::Label_mClick(Control&) {
    main_.PageControl1.set_active_page(main_.TabSheet7);
    if (ButtonM.enabled()) ButtonMClick(ButtonM);
}

void CompositePage::Label_bClick(Control&) {
    main_.PageControl1.set_active_page(main_.TabSheet7);
    if (ButtonB.enabled()) ButtonBClick(ButtonB);
}

void CompositePage::follow_composites() {
    for (Button* b : {&CSV3, &CSV3_suuti, &Button27})
        b->set_enabled(Button28.enabled());
    for (Button* b : {&CSV4, &CSV4_suuti, &Button36})
        b->set_enabled(Button29.enabled());
}

}  // namespace rebanto

#pragma once
// The reverse-search panel of the page "個別返済額算定" (Panel4) and the buttons of
// the calculators that drive it.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include "base/money.h"
#include "base/rounding.h"
#include "dates/batch_types.h"
#include "forms/guard.h"
#include "forms/main_page.h"
#include "model/calendar.h"
#include "model/combo_box.h"
#include "model/control.h"
#include "model/form.h"
#include "model/grid.h"
#include "model/platform.h"
#include "tables/pack_list.h"

namespace rebanto {

namespace numeric {
struct Table;
}
struct PackFile;

class ReverseSearchPanel : public MainPage {
public:
    explicit ReverseSearchPanel(TForm1& main) : MainPage(main) {}

    // ---- Reverse search (panel Panel4 of page "個別返済額算定") and the calculators ----
    Button Button93{form_, "Button93", "検索"};
    Panel Panel4{form_, "Panel4"};
    // The input the search varies ("算出要求値"): start rate, start principal, the
    // principal of either part, or the instalment of either part.
    Panel GrpSanYokyu{form_, "GrpSanYokyu", "算出要求値"};
    RadioButton RBut_kin{form_, "RBut_kin", "ｽﾀｰﾄ年金利"};
    RadioButton RBut_mot{form_, "RBut_mot", "ｽﾀｰﾄ総元金"};
    RadioButton RBut_Mm{form_, "RBut_Mm", "月"};
    RadioButton RBut_Mb{form_, "RBut_Mb", "ﾎﾞｰﾅｽ"};
    RadioButton RBut_Hm{form_, "RBut_Hm", "月"};
    RadioButton RBut_Hb{form_, "RBut_Hb", "ﾎﾞｰﾅｽ"};
    // The amount the chosen output must reach ("指定検索金額"); each target's tag is the
    // direction the rate search reads.
    Panel GrpShiteiKingaku{form_, "GrpShiteiKingaku", "指定検索金額"};
    Edit Edit3{form_, "Edit3", "70000"};
    RadioButton RBut_Km{form_, "RBut_Km", "月"};
    RadioButton RBut_Kb{form_, "RBut_Kb", "ﾎﾞｰﾅｽ"};
    RadioButton RBut_Rm{form_, "RBut_Rm", "月"};
    RadioButton RBut_Rb{form_, "RBut_Rb", "ﾎﾞｰﾅｽ"};
    RadioButton RBut_GRm{form_, "RBut_GRm", "月"};
    RadioButton RBut_GRb{form_, "RBut_GRb", "ﾎﾞｰﾅｽ"};
    RadioButton RBut_GMm{form_, "RBut_GMm", "月"};
    RadioButton RBut_GMb{form_, "RBut_GMb", "ﾎﾞｰﾅｽ"};
    RadioButton RBut_NewMm{form_, "RBut_NewMm", "月"};
    RadioButton RBut_NewMb{form_, "RBut_NewMb", "ﾎﾞｰﾅｽ"};
    // The output at the top and at the bottom of the input's range.
    Label Llmax{form_, "Llmax", "算出額max時"};
    Label Llmin{form_, "Llmin", "算出額min時"};
    Button Button73{form_, "Button73", "スタート"};
    Button Button102{form_, "Button102", "確定"};
    Button Button103{form_, "Button103", "元"};
    Button Button90{form_, "Button90", "中止"};
    // The calculators that drive the search.
    Button Button136{form_, "Button136", "頭金調整"};
    Button Button141{form_, "Button141", "第2頭金"};
    Button Button134{form_, "Button134", "アドオン"};
    Button Button133{form_, "Button133", "現家賃でローン"};

    // The direction of the chosen target: 0 the output rises with the rate, 1 it falls.
    int SearchDirection = 0;
    // Ed0_nen, Ed0_tuki, Ed0_wari, Edit13, Ed0_moto, Ed0_kin as "検索" found them.
    std::array<std::string, 6> SearchSnapshot;
    bool SearchSnapshotTaken = false;

    void Button93Click(Control& sender);
    void Button73Click(Control& sender);
    void Button102Click(Control& sender);
    void Button103Click(Control& sender);
    void Button90Click(Control& sender);
    void search_input_click(Control& sender);
    void search_target_click(Control& sender);
    void LlmaxClick(Control& sender);
    void Edit3DblClick(Control& sender);
    // The search with the chosen input, output and Edit3. False when no value of the
    // input's range reaches the target: the inputs are then put back as they were and
    // the user is told.
    bool reverse_search();
    Edit& search_input_field();
    Edit& search_output_field();
    // The output at both ends of the input's range, into Llmax and Llmin.
    void refresh_search_references();
    // Writes back six basic texts (the order of "MR"), starts the loan again and applies
    // the step length.
    void write_back_basic_settings(const std::array<std::string, 6>& texts);
    // The six basic texts in the same order; the running totals start afresh with them.
    std::array<std::string, 6> keep_basic_settings();
    // The step length of the whole term, so that the balance after the step is what the
    // last instalment leaves.
    void whole_term_period();
    void Button136Click(Control& sender);
    void Button141Click(Control& sender);
    void Button134Click(Control& sender);
    void Button133Click(Control& sender);
    void wire_reverse_search();
    void place_search_controls();
    void describe_search_controls();
    void wire_search_choices();
    void wire_search_buttons();
    // Captions of the layout, naming what the controls leave unnamed.
    Label CaptionSearchTitle{form_, "CaptionSearchTitle", "逆算検索"};
    Label CaptionSearchPrincipal{form_, "CaptionSearchPrincipal", "元金"};
    Label CaptionSearchInstalment{form_, "CaptionSearchInstalment", "均等額"};
    Label CaptionSearchYen{form_, "CaptionSearchYen", "円"};
    Label CaptionSearchTargetInstalment{form_, "CaptionSearchTargetInstalment", "均等返済額"};
    Label CaptionSearchTargetInterest{form_, "CaptionSearchTargetInterest", "1回分利息"};
    Label CaptionSearchTargetInterestSum{form_, "CaptionSearchTargetInterestSum", "期間利息合計"};
    Label CaptionSearchTargetPrincipalSum{form_, "CaptionSearchTargetPrincipalSum", "期間元金合計"};
    Label CaptionSearchTargetBalance{form_, "CaptionSearchTargetBalance", "元金残"};
    Label CaptionSearchAtUpper{form_, "CaptionSearchAtUpper", "上限時"};
    Label CaptionSearchAtLower{form_, "CaptionSearchAtLower", "下限時"};
};

}  // namespace rebanto

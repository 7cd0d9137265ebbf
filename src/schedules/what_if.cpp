// What-if tables of the batch-table page: one loan seen at several step lengths, the same
// loan at 46 rates and at terms of 1 to 50 years. They are built like the schedules, by
// resetting, setting the step and committing with "メモ記載", so every row also lands in
// the current tables; the basic settings are kept around the run.
#include <algorithm>
#include <utility>

#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

constexpr const char* kNoBonusPart = "ﾎﾞｰﾅｽ返済分がありませんので、ﾎﾞｰﾅｽ返済は計算されません。";
constexpr const char* kLastPaymentNote =
    "注意：最終回までの一発処理の場合、元入額小計(合計)＋新元金＝スタート元金、結局利息小計(合計)"
    "のみが相違［少額の新元金は最終返済額で増減されます］";

// The rate comparison runs 46 rates: ten below the start rate, the start rate, 35 above.
constexpr int kRateRows = 46;
constexpr int kRatesBelowStart = 10;
// The term comparison runs terms of 1 to 50 years.
constexpr int kTermRows = 50;
// Each section of the course table has at most ten steps.
constexpr int kCourseSteps = 10;

}  // namespace

std::string BatchTablesPage::what_if_title(bool bonus, const std::string& table) const {
    return batch_title(batch_head(bonus ? Button67.caption() : "月", table));
}

void BatchTablesPage::what_if_start(const std::string& table) {
    main_.PRset1(main_.Ed0_kin);
    main_.show_memo_after_run(main_.TabSheet2);
    st_ikkazu();
    what_if_titles(table);
}

void BatchTablesPage::what_if_titles(const std::string& table) {
    batch_titles(batch_head("月", table), batch_head(Button67.caption(), table));
}

void BatchTablesPage::what_if_finish() {
    end_ikkazu();
    if (main_.Edit1.text() == "0") main_.Bt7_MClearClick(main_.Bt7_MClear);
    if (main_.Edit6.text() == "0") main_.Bt7_BClearClick(main_.Bt7_BClear);
    main_.beep(Beep::Information);
}

void BatchTablesPage::comparison_step() {
    if (RadioButton1.checked()) {
        main_.set_step_to_whole_term();
    } else {
        main_.set_step_length(0, count(Edit42));
    }
}

void BatchTablesPage::comparison_note() {
    if (!RadioButton1.checked()) return;
    batch_section("", true, true);
    batch_section(kLastPaymentNote, true, true);
}

// ---- The course of one loan ----

void BatchTablesPage::Button9Click(Control&) {
    batch_run(false, [this] {
        main_.PRset1(main_.Ed0_kin);
        if (main_.Ed0_wari.text() == "0") {
            main_.beep(Beep::Warning);
            app().platform().message(kNoBonusPart);
        }
        main_.show_memo_after_run(main_.TabSheet2);
        st_ikkazu();
        const std::string table = "いろいろな時点・期間での推移表";
        main_.Bt7_MClearClick(main_.Bt7_MClear);
        replace_memo_title(main_.RichEdit1, what_if_title(false, table));
        main_.RichEdit1.append(main_.Ed5_memoobi.text());
        main_.PRset1(main_.Ed0_kin);
        const int n = count(main_.Ed1_Mzankaisu);
        const std::string& principal = BatchSettingsMemory[4];

        batch_section("当初１ヶ月毎の推移(１年分)", true, false);
        main_.Ed0_moto.set_text(principal);
        main_.PRset1(main_.Ed0_kin);
        set_step_months("1");
        for (int i = 1, done = 0; i <= 12 && done < n; ++i, ++done) {
            if (i > 1) batch_hold();
            if (!batch_commit()) break;
        }

        main_.Bt7_BClearClick(main_.Bt7_BClear);
        replace_memo_title(main_.RichEdit2, what_if_title(true, table));
        main_.RichEdit2.append(main_.Ed5_memoobi.text() + "-月回+");
        main_.RichEdit1.append("");

        const std::pair<const char*, int> sections[] = {
            {"当初６ヶ月毎の推移(５年分)", 6},
            {"当初１年毎の推移(１０年分)", 12},
            {"当初５年毎の推移", 60},
            {"当初10年毎の推移", 120},
        };
        for (const auto& [line, months] : sections) {
            batch_section(line, true, true);
            main_.Ed0_moto.set_text(principal);
            main_.PRset1(main_.Ed0_kin);
            // A step longer than the whole term covers the term.
            const int step = std::min(months, n);
            set_step_months(std::to_string(step));
            for (int i = 1, covered = 0; i <= kCourseSteps && covered < n; ++i, covered += step) {
                if (i > 1) batch_hold();
                if (!batch_commit()) break;
            }
            batch_section("", true, true);
        }

        batch_section("最終支払い回／支払利息・元金繰入額合計", true, true);
        main_.PRset1(main_.Ed0_kin);
        main_.set_step_to_whole_term();
        batch_commit();
        main_.Button6Click(main_.Button6);
        what_if_finish();
    });
}

// ---- The loan at 46 rates ----

void BatchTablesPage::Button10Click(Control&) {
    batch_run(false, [this] {
        what_if_start("金利の違い比較表");
        const std::string subtitle =
            RadioButton1.checked()
                ? Edit32.text() + "％刻みで、当初から最終時点の状況一覧"
                : Edit32.text() + "％刻みで、当初から" + Edit42.text() + "ヶ月後の状況一覧";
        batch_section(subtitle, true, true);
        main_.Button6Click(main_.Button6);

        const long double increment = num(Edit32);
        put(main_.Ed0_kin, num(main_.Ed0_kin) - (kRatesBelowStart + 1) * increment);
        for (int i = 1; i <= kRateRows; ++i) {
            // The row of the start rate stands between empty lines.
            if (i == kRatesBelowStart + 1 || i == kRatesBelowStart + 2) {
                batch_section("", true, true);
            }
            put(main_.Ed0_kin, num(main_.Ed0_kin) + increment);
            main_.Ed0_moto.set_text(BatchSettingsMemory[4]);
            main_.PRset1(main_.Ed0_kin);
            comparison_step();
            batch_commit();
        }
        main_.Button6Click(main_.Button6);
        comparison_note();
        what_if_finish();
    });
}

// ---- The loan at terms of 1 to 50 years ----

void BatchTablesPage::Button17Click(Control&) {
    batch_run(false, [this] {
        what_if_start("返済期間の違い比較表");
        batch_section("返済期間１年違い毎の比較", true, true);
        const int years = count(main_.Ed0_nen);
        main_.Ed0_moto.set_text(BatchSettingsMemory[4]);
        main_.PRset1(main_.Ed0_kin);
        // The term starts from nothing; the first year's gesture below restarts the run, so
        // the empty term is written without a calculation (and without its beep).
        main_.Ed0_moto.set_tag(1);
        main_.Ed0_tuki.set_text("0");
        main_.Ed0_nen.set_text("0");
        main_.Ed0_moto.set_tag(0);
        main_.Button6Click(main_.Button6);

        for (int i = 1; i <= kTermRows; ++i) {
            main_.basic_setting_click(main_.Label22);  // one year more, from month 0
            // The row of the loan's own term stands between empty lines.
            if (i == years || i == years + 1) batch_section("", true, true);
            comparison_step();
            batch_commit();
        }
        main_.Button6Click(main_.Button6);
        comparison_note();
        what_if_finish();
    });
}

}  // namespace rebanto

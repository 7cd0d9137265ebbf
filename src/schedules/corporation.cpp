// The housing-loan corporation's plans: the start rate for ten years, then the rate of
// Edit40; the standard plan (通常返済) and the eased plan (ゆとり返済) whose instalments
// are those of a 50-year loan during the first five years. One-page summaries with
// six-month steps in both memos, and full schedules of either part for further work.
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

constexpr const char* kTermNotSixMonths =
    "返済期間が6ヶ月の倍数でないと、ﾎﾞｰﾅｽ返済は計算されません。(公庫では10年以上5年刻み)";
constexpr const char* kNoEasedInEqualPrincipal =
    "元金均等返済指定で公庫関係のゆとり返済の処理は出来ません";
constexpr const char* kEasedNeedsSixYears =
    "返済期間が6年未満では作動しません・・・公庫ゆとり返済は25年以上5年刻みです(年金住宅融資の"
    "ステップでは20年以上)";

// The plan payments of the eased years: a 50-year loan, 600 monthly and 100 bonus payments.
constexpr int kEasedMonthlyCount = 600;
constexpr int kEasedBonusCount = 100;

// "Rebanto（月返済）＊＊＊住宅金融公庫　通常返済＊＊＊  -- by." and its siblings.
std::string corporation_head(bool equal_principal, bool bonus, bool eased) {
    return std::string(equal_principal ? "元金均等返済検討書（" : "Rebanto（") +
           (bonus ? "ボーナス返済" : "月返済") + "）＊＊＊住宅金融公庫　" +
           (eased ? "ゆとり返済" : "通常返済") + "＊＊＊  -- by.";
}

void replace_first_line(Memo& memo, const std::string& line) {
    std::vector<std::string> lines = memo.lines();
    if (lines.empty()) {
        lines.push_back(line);
    } else {
        lines[0] = line;
    }
    memo.set_lines(std::move(lines));
}

}  // namespace

// ---- Presets of the corporation rates ----

void TForm1::cycle_preset(Button& button, Edit& first, Edit& second, Edit& third) {
    Edit* const presets[] = {&first, &second, &third};
    const auto next = static_cast<std::size_t>(button.tag() % 3);
    button.set_tag(static_cast<std::int64_t>((next + 1) % 3));
    Ed0_kin.set_text(presets[next]->text());
}

void TForm1::Button59Click(Control&) {
    cycle_preset(Button59, Edit39, Edit51, Edit52);
}

void TForm1::Button60Click(Control&) {
    cycle_preset(Button60, Edit50, Edit63, Edit62);
}

// ---- Summaries ----

void TForm1::Button12Click(Control&) {
    corporation_summary(false);
}

void TForm1::Button11Click(Control&) {
    if (equal_principal()) {
        app_.platform().message(kNoEasedInEqualPrincipal);
        return;
    }
    if (num(Ed0_nen) < 6) {
        beep(Beep::Warning);
        app_.platform().message(kEasedNeedsSixYears);
        return;
    }
    corporation_summary(true);
}

void TForm1::corporation_summary(bool eased) {
    batch_run(true, [this, eased] {
        PRset1(Ed0_kin);
        if (bonus_interval() > 0 && TotalMonths % bonus_interval() != 0) {
            beep(Beep::Warning);
            app_.platform().message(kTermNotSixMonths);
        }
        show_memo_after_run(TabSheet2);
        st_ikkazu();
        Bt0_allClearClick(Bt0_allClear);
        const bool principal = equal_principal();
        replace_first_line(RichEdit1, batch_title(corporation_head(principal, false, eased)));
        replace_first_line(RichEdit2, batch_title(corporation_head(principal, true, eased)));
        Button6Click(Button6);  // the band lines
        batch_section(eased ? "当初６ヶ月毎の推移(当初５年分=ゆとり返済期間)"
                            : "当初６ヶ月毎の推移(当初１０年分)",
                      true, true);

        Ed0_moto.set_text(BatchSettingsMemory[4]);
        set_step_months("6");
        const int n = count(Ed1_Mzankaisu);
        PRset1(Ed0_moto);

        int done = 0;
        if (eased) {
            // Each half-year the instalments are those of a 50-year loan on what is left.
            for (int i = 1; i <= 10 && done < n; ++i, done += 6) {
                put(Ed1_Mzankaisu, kEasedMonthlyCount + 6 - 6 * i);
                put(Ed1_Bzankaisu, kEasedBonusCount + 1 - i);
                batch_commit();
            }
            batch_section("6年目以降10年まで６ヶ月毎の推移(５年分)", true, true);
            // From the sixth year both parts are repaid over the true remaining term. The
            // monthly count is back to it with the step; the bonus count is set here, or the
            // 50-year count would leave principal unpaid at the end of the term.
            const int bonus_total = static_cast<int>(int_part(
                static_cast<long double>(TotalMonths - bonus_first_months()) / bonus_interval() +
                1));
            const int bonus_paid =
                ElapsedMonths >= bonus_first_months()
                    ? (ElapsedMonths - bonus_first_months()) / bonus_interval() + 1
                    : 0;
            put(Ed1_Bzankaisu, bonus_total - bonus_paid);
            for (int i = 1; i <= 10 && done < n; ++i, done += 6) {
                if (i > 1) batch_hold();
                batch_commit();
            }
        } else {
            for (int i = 1; i <= 20 && done < n; ++i, done += 6) {
                if (i > 1) batch_hold();
                batch_commit();
            }
        }
        if (done < n) {
            batch_section("11年目以降15年まで６ヶ月毎の推移", true, true);
            Edit2.set_text(Edit40.text());
            // The first step at the later rate gets its own instalment.
            for (int i = 1; i <= 10 && done < n; ++i, done += 6) {
                if (i > 1) batch_hold();
                batch_commit();
            }
        }
        if (done < n) {
            batch_section("その後1年毎の推移", true, true);
            Edit2.set_text(Edit40.text());
            set_step_months("12");
            for (int i = 1; i <= 25 && done < n; ++i, done += 12) {
                batch_hold();
                batch_commit();
            }
        }
        goukeikinyu_m();
        goukeikinyu_b();
        end_ikkazu();
        if (Edit1.text() == "0") Bt7_MClearClick(Bt7_MClear);
        if (Edit6.text() == "0") Bt7_BClearClick(Bt7_BClear);
        beep(Beep::Information);
    });
}

// ---- Full schedules ----

void TForm1::kouko_mon(std::string rate, std::string years, std::string principal) {
    const bool eased = RadioButton10.checked();
    PageControl1.set_active_page(TabSheet2);
    st_ikkazu();
    Ed0_wari.set_text("0");
    Ed0_nen.set_text(years);
    Ed0_moto.set_text(principal);
    Ed0_kin.set_text(rate);
    PRset1(Ed0_kin);  // a fresh start even when none of them changed
    NextPrincipalB = Money();
    start_part(false, corporation_head(equal_principal(), false, eased));

    const int n = count(Ed1_Mzankaisu);
    batch_section(
        eased ? "当初1ヶ月毎の推移(当初５年分=ゆとり返済期間)" : "当初1ヶ月毎の推移(当初５年分)",
        true, false);
    set_step_months("1");
    int done = 0;
    // Eased: the instalment of a 50-year loan, held for five years.
    for (int j = 1; j <= 60 && done < n; ++j, ++done) {
        if (eased) put(Ed1_Mzankaisu, kEasedMonthlyCount + 1 - j);
        if (j > 1) batch_hold();
        batch_commit();
    }
    batch_section("6年目以降10年まで1ヶ月毎の推移(５年分)", true, false);
    // Eased: month 61 gets the instalment of the true remaining term.
    for (int j = 61; j <= 120 && done < n; ++j, ++done) {
        if (!eased || j > 61) batch_hold();
        batch_commit();
    }
    if (done < n) {
        batch_section("11年目以降15年まで1ヶ月毎の推移", true, false);
        Edit2.set_text(Edit40.text());
        for (int j = 1; j <= 60 && done < n; ++j, ++done) {
            if (j > 1) batch_hold();
            batch_commit();
        }
    }
    if (done < n) {
        batch_section("その後推移", true, false);
        Edit2.set_text(Edit40.text());
        PRset1(Edit2);
        const int later = count(Ed0_nen) * 12 + count(Ed0_tuki) - 180;
        for (int j = 1; j <= later && done < n; ++j, ++done) {
            batch_hold();
            batch_commit();
        }
    }
    goukeikinyu_m();
    end_ikkazu();
}

void TForm1::kouko_bon(std::string rate, std::string principal) {
    const bool eased = RadioButton10.checked();
    const int last_bonus_month =
        (count(Ed1_Bzankaisu) - 1) * bonus_interval() + bonus_first_months();
    st_ikkazu();
    Ed0_wari.set_text("100");
    Ed0_moto.set_text(principal);
    Ed0_kin.set_text(rate);
    NextPrincipalM = Money();
    start_part(true, corporation_head(equal_principal(), true, eased));

    batch_section(
        eased ? "当初６ヶ月毎の推移(当初５年分=ゆとり返済期間)" : "当初６ヶ月毎の推移(当初５年分)",
        false, true);
    set_step_months("6");
    Edit14.set_text("1");
    PRset1(Ed0_kin);
    // A first bonus later than one interval: the steps before it carry no bonus payment.
    int early = 0;
    if (bonus_interval() < bonus_first_months()) {
        early = bonus_first_months() / bonus_interval();
        for (int i = 0; i < early; ++i)
            batch_commit();
    }
    for (int i = 1; i <= 10 - early && ElapsedMonths < last_bonus_month; ++i) {
        if (eased) put(Ed1_Bzankaisu, kEasedBonusCount + 1 - i);
        if (i > 1) batch_hold();
        batch_commit();
    }
    batch_section("6年目以降10年まで６ヶ月毎の推移(５年分)", false, true);
    put(Ed1_Bzankaisu, RemainingMonths / bonus_interval());
    for (int i = 1; i <= 10 && RemainingMonths > 0; ++i) {
        if (i > 1 || !eased) batch_hold();
        batch_commit();
    }
    if (RemainingMonths > 0) {
        batch_section("11年目以降15年まで６ヶ月毎の推移", false, true);
        Edit2.set_text(Edit40.text());
        for (int i = 1; i <= 10 && RemainingMonths > 0; ++i) {
            if (i > 1) batch_hold();
            batch_commit();
        }
    }
    if (ElapsedMonths < last_bonus_month) {
        batch_section("その後６ヶ月毎の推移", false, true);
        Edit2.set_text(Edit40.text());
        PRset1(Edit2);
        const int later = (TotalMonths - 180) / 6;
        for (int i = 1; i <= later && RemainingMonths > 0; ++i) {
            batch_hold();
            batch_commit();
        }
    }
    goukeikinyu_b();
    end_ikkazu();
}

// The eased plan needs six years at least.
bool TForm1::eased_plan_refused() {
    if (!RadioButton10.checked() || num(Ed0_nen) >= 6) return false;
    beep(Beep::Warning);
    app_.platform().message(kEasedNeedsSixYears);
    return true;
}

void TForm1::Button61Click(Control&) {
    if (eased_plan_refused()) return;
    batch_run(true, [this] {
        PRset1(Ed0_kin);
        Bt7_MClearClick(Bt7_MClear);
        if (Edit1.tag() == 1) kouko_mon(Ed0_kin.text(), Ed0_nen.text(), Edit1.text());
        Ed555.set_text("JuM");
        beep(Beep::Information);
    });
}

void TForm1::Button62Click(Control&) {
    if (eased_plan_refused()) return;
    batch_run(true, [this] {
        PRset1(Ed0_kin);
        Bt7_BClearClick(Bt7_BClear);
        if (Edit6.tag() == 1) kouko_bon(Ed0_kin.text(), Edit6.text());
        Ed555.set_text("JuB");
        beep(Beep::Information);
    });
}

void TForm1::Button63Click(Control&) {
    if (eased_plan_refused()) return;
    batch_run(true, [this] {
        build_both_parts([this] { kouko_mon(Ed0_kin.text(), Ed0_nen.text(), Edit1.text()); },
                         [this] { kouko_bon(Ed0_kin.text(), Edit6.text()); }, "Ju");
    });
}

}  // namespace rebanto

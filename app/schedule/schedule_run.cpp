#include "schedule/schedule_run.h"

#include <algorithm>
#include <filesystem>

#include <unistd.h>

#include "base/errors.h"
#include "base/numtext.h"
#include "forms/app.h"
#include "forms/guard.h"
#include "model/headless_platform.h"
#include "schedule/schedule_rows.h"

namespace rebanto::schedule {

namespace {

// A start folder of its own: the user's settings never change a printed schedule.
class ScratchFolder {
public:
    ScratchFolder() {
        path_ = std::filesystem::temp_directory_path() /
                ("rebanto-schedule-" + std::to_string(::getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

Rows rows_of(const Grid& grid) {
    Rows rows;
    for (int r = 0; r < grid.row_count(); ++r)
        rows.push_back(grid.row_cells(r));
    return rows;
}

// The window's platform, which also notes an overflow of the amounts: the window shows its
// fixed message from inside the handler that caught the failure, and the command says
// instead what went wrong.
class CommandPlatform : public HeadlessPlatform {
public:
    void message(const std::string& text) override {
        if (const std::exception_ptr failure = std::current_exception()) {
            try {
                std::rethrow_exception(failure);
            } catch (const MoneyOverflow&) {
                overflowed_ = true;
            } catch (...) {
            }
        }
        HeadlessPlatform::message(text);
    }
    bool overflowed() const { return overflowed_; }

private:
    bool overflowed_ = false;
};

// What the engine reported instead of computing: its messages and error boxes.
void fail_on_messages(CommandPlatform& platform) {
    if (platform.overflowed()) throw CalculationError(overflow_message());
    for (const std::string& line : platform.take_log()) {
        if (line.rfind("info ", 0) != 0 && line.rfind("error ", 0) != 0) continue;
        const std::string text = line.substr(line.find(' ') + 1);
        // The window's advice to restart without saving means nothing to a command.
        if (text == kCalculationFailure) {
            throw CalculationError({"計算が失敗しました", "the calculation failed"});
        }
        throw CalculationError({text, "the calculation stopped: " + text});
    }
}

// A prepayment may pay the loan off, never more: the schedule would run on with a negative
// principal.
void check_balance(const Grid& table, int row, const Prepayment& p) {
    const Money amount = to_money(p.amount);
    Money balance;
    try {
        balance = to_money(table.cell(row, 12));
    } catch (const ConversionError&) {
        return;  // no balance to compare with: the replay says what it finds
    }
    if (amount > balance) {
        const std::string month = std::to_string(p.month);
        const std::string left = general(balance);
        throw OptionError("--prepay",
                          {"月回 " + month + " の繰上返済額 " + general(amount) + " 円が残高 " +
                               left + " 円を超えています",
                           "the prepayment of " + general(amount) + " yen with month " + month +
                               " is larger than the balance of " + left + " yen left"});
    }
}

// A run that left no period row in either table computed nothing: the window shows empty
// tables without a word, a command must not print them as a schedule.
void require_a_schedule(const Grid& monthly, const Grid& bonus) {
    if (!summary_of(rows_of(monthly)).present && !summary_of(rows_of(bonus)).present) {
        throw CalculationError({"この条件では返済予定が計算できません",
                                "no schedule could be calculated for this loan"});
    }
}

void choose(Control& radio) {
    radio.click();
}

void settings(TForm1& main, const Request& r) {
    main.HHkkgg.set_text(r.equal_principal ? "1" : "0");
    RadioButton* instalment[] = {&main.RB11, &main.RB12, &main.RB13};
    RadioButton* interest[] = {&main.RB21, &main.RB22, &main.RB23};
    choose(*instalment[r.instalment_rounding]);
    choose(*interest[r.interest_rounding]);
    for (RadioButton* unit :
         {&main.Furi10000, &main.Furi1000, &main.Furi100, &main.Furi10, &main.Furi1}) {
        if (unit->tag() == r.accrual_unit) choose(*unit);
    }
    main.Button106Click(main.Button106);
}

void prepay(App& app, const Prepayment& p) {
    app.main.Button107.click();
    TForm4& nav = app.navigator;
    Grid& table = nav.StringGrid1;
    const std::string month = std::to_string(p.month);
    int row = -1;
    for (int r = 2; r < table.row_count() && row < 0; ++r)
        if (table.cell(r, 0) == month && table.cell(r, 1) != "内") row = r;
    if (row < 0 || !nav.RadioButton1.enabled()) {
        throw OptionError("--prepay", {"月回 " + month + " で終わる月返済の行がありません",
                                       "no monthly row ends in month " + month});
    }
    check_balance(table, row, p);
    nav.RadioButton1.set_checked(true);
    nav.CheckBox1.set_checked(p.shorten);
    nav.Edit6.set_text(p.shorten ? "0" : month);
    table.click_cell(row, 0);
    nav.Edit5.set_text(p.amount);
    nav.Button5.click();
    if (!nav.replay(ReplayEnd::LastRow)) {
        const std::string why = nav.StatusBar1.caption();
        throw CalculationError({why, "the replay of the prepayment stopped: " + why});
    }
}

}  // namespace

Bilingual overflow_message() {
    return {"金額が計算できる範囲を超えました",
            "the amounts exceed the range the calculation can hold"};
}

Tables compute(const Request& r) {
    ScratchFolder folder;
    CommandPlatform platform;
    App app(platform, AppOptions{folder.path()});
    app.start();
    platform.take_log();  // the first start's settings repair
    TForm1& main = app.main;
    settings(main, r);
    main.Ed0_moto.set_text(r.principal);
    main.Ed0_kin.set_text(r.rate);
    main.Ed0_nen.set_text(r.years);
    main.Ed0_tuki.set_text(r.months);
    main.Ed0_wari.set_text(r.bonus_share);
    const int step = std::stoi(r.step);
    main.Ed1_yy5.set_text(std::to_string(step / 12));
    main.Ed1_mm5.set_text(std::to_string(step % 12));
    platform.take_log();  // beeps of the settings on their way
    main.Button18.click();
    fail_on_messages(platform);
    require_a_schedule(app.cur.StGr1, app.cur.StGr2);
    std::vector<Prepayment> prepayments = r.prepayments;
    std::stable_sort(prepayments.begin(), prepayments.end(),
                     [](const Prepayment& a, const Prepayment& b) { return a.month < b.month; });
    for (const Prepayment& p : prepayments) {
        prepay(app, p);
        fail_on_messages(platform);
    }
    return {rows_of(app.cur.StGr1), rows_of(app.cur.StGr2)};
}

}  // namespace rebanto::schedule

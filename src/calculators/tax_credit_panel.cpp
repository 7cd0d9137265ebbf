// The tax-credit panel of the study window: the regime's rates, the year-end balances of
// the current tables, the credit of each year and its total, taken off the base or the new
// interest total.
#include "base/csv_line.h"
#include "base/date.h"
#include "base/format.h"
#include "base/numtext.h"
#include "calculators/tax_credit.h"
#include "calculators/tax_owed.h"
#include "core/cell_values.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "forms/tform10.h"

namespace rebanto {

namespace tc = tax_credit;

namespace {

constexpr int kLastYearRow = tc::kFirstYearRow + tc::kYears - 1;

const std::array<const char*, 13> kHeader0 = {
    "", "控", "除", "率", "％", "月回", "月々", "月", "ボーナス", "月", "年末残", "控除額", "適"};
const std::array<const char*, 13> kHeader1 = {"",     "1千万",  "2千万", "3千万",  "5千万",
                                              "",     "年末残", "表",    "年末残", "表",
                                              "合計", "最高額", "用"};

// A year-end balance counts when it is there and not negative.
Money balance_of(const Grid& table, int row, int col) {
    if (table.cell(row, col).empty()) return Money();
    const Money value = money_in(table, row, col);
    return value < Money() ? Money() : value;
}

}  // namespace

void TForm10::Button24Click(Control&) {
    Panel2.show();
    for (int c = 0; c < 13; ++c) {
        StringGrid2.set_cell(0, c, kHeader0[c]);
        StringGrid2.set_cell(1, c, kHeader1[c]);
    }
    if (CreditWithinTax) StringGrid2.set_cell(1, tc::kCredit, "");  // credits, not maxima
    for (int year = 1; year <= tc::kYears; ++year)
        StringGrid2.set_cell(year + 1, tc::kYear, std::to_string(year) + "年目");
}

void TForm10::fill_rates(const tc::Regime& regime) {
    for (int year = 1; year <= tc::kYears; ++year) {
        const auto rates = tc::rates_of_year(regime, year);
        for (int band = 0; band < 4; ++band)
            StringGrid2.set_cell(year + 1, tc::kFirstRate + band, rates[band]);
    }
}

void TForm10::RegimeClick(Control& sender) {
    const RadioButton* radios[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4,
                                   &RadioButton5};
    for (int i = 0; i < 5; ++i) {
        if (&sender == radios[i]) fill_rates(tc::classic_regimes()[i]);
    }
    ComboBox2.set_item_index(0);
}

// A regime since 2022 replaces the radio buttons' choice.
void TForm10::ComboBox2Change(Control&) {
    const int index = ComboBox2.item_index();
    if (index <= 0) return;
    for (RadioButton* radio :
         {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4, &RadioButton5}) {
        if (radio->checked()) {
            radio->set_checked(false);
        }
    }
    fill_rates(tc::regimes_since_2022()[index - 1]);
}

bool TForm10::regime_chosen() const {
    return RadioButton1.checked() || RadioButton2.checked() || RadioButton3.checked() ||
           RadioButton4.checked() || RadioButton5.checked() || ComboBox2.item_index() > 0;
}

Money TForm10::credit_cap() const {
    const int index = ComboBox2.item_index();
    if (index > 0) return tc::regimes_since_2022()[index - 1].cap;
    return Money::from_yen(50'000'000);
}

// "カレント解析"
void TForm10::Button25Click(Control&) {
    if (!regime_chosen()) RadioButton1.set_checked(true);
    YearEndM.fill("0");
    YearEndB.fill("0");
    for (int r = tc::kFirstYearRow; r <= kLastYearRow; ++r)
        for (int c = tc::kInstalment; c <= tc::kApplied; ++c)
            StringGrid2.set_cell(r, c, "");
    clear_credit_within_tax();
    tc::analyse_year_ends(app_.cur.StGr1, app_.cur.StGr2, ComboBox1.text(), StringGrid2);
    for (int year = 0; year < tc::kYears; ++year) {
        const std::string& m = StringGrid2.cell(tc::kFirstYearRow + year, tc::kMonthlyBalance);
        const std::string& b = StringGrid2.cell(tc::kFirstYearRow + year, tc::kBonusBalance);
        if (!m.empty()) YearEndM[year] = m;
        if (!b.empty()) YearEndB[year] = b;
    }
}

// "控除計算"
void TForm10::Button26Click(Control&) {
    if (app_.cur.StGr1.row_count() <= 2 && app_.cur.StGr2.row_count() <= 2) return;
    if (!regime_chosen()) RadioButton4.set_checked(true);
    const Money cap = credit_cap();
    const std::optional<tc::TaxOwed> owed = tax_owed();
    Money total;
    for (int r = tc::kFirstYearRow; r <= kLastYearRow; ++r) {
        const Money balance = balance_of(StringGrid2, r, tc::kMonthlyBalance) +
                              balance_of(StringGrid2, r, tc::kBonusBalance);
        StringGrid2.set_cell(r, tc::kTotalBalance, general(balance));
        std::array<Money, 4> rates;
        for (int band = 0; band < 4; ++band)
            rates[band] = money_in(StringGrid2, r, tc::kFirstRate + band);
        const int year = r - tc::kFirstYearRow + 1;
        const Money credit = credit_within_tax(year, tc::year_credit(balance, rates, cap), owed);
        StringGrid2.set_cell(r, tc::kCredit, general(credit));
        if (StringGrid2.cell(r, tc::kApplied) == tc::kMark) total += credit;
    }
    put(Edit1, Money::from_yen(total.whole_yen()));
    show_credit_kind(owed);
}

namespace {

// The credit (Edit1) off one state's interest total, monthly plus bonus; the states'
// difference follows and the credit is noted beside the state.
void credit_off_state(TForm10& w, Edit& total, const Edit& monthly, const Edit& bonus,
                      Label& note) {
    put(total, money(monthly) + money(bonus) - money(w.Edit1));
    total.set_font_color(Color::Maroon);
    put(w.Edit12, money(w.Edit9) - money(w.Edit2));
    note.set_caption(format_money(money(w.Edit1)));
    note.show();
}

}  // namespace

// "比較元へ" / "比較新へ": the credit off the interest total of that state.
void TForm10::Button27Click(Control&) {
    credit_off_state(*this, Edit2, Edit3, Edit4, Label31);
}

void TForm10::Button28Click(Control&) {
    credit_off_state(*this, Edit9, Edit7, Edit8, Label32);
}

namespace {

// A loan of a recorded state that ends before its tenth year loses part of the credit.
bool ends_within_ten_years(const Edit& total, const Label& last) {
    if (total.text() == "0") return false;
    try {
        return to_extended(last.caption()) < 120;
    } catch (const ConversionError&) {
        return false;
    }
}

}  // namespace

void TForm10::Button27MouseOver(Control&) {
    Label33.set_visible(ends_within_ten_years(Edit3, Label15));
    Label34.set_visible(ends_within_ten_years(Edit4, Label16));
}

void TForm10::Button28MouseOver(Control&) {
    Label35.set_visible(ends_within_ten_years(Edit7, Label7));
    Label36.set_visible(ends_within_ten_years(Edit8, Label8));
}

void TForm10::Button29Click(Control&) {
    Panel2.hide();
}

// A double click takes a year out of the total ("○") or puts it back, and takes a balance
// out of the table or puts the one taken back.
void TForm10::StringGrid2DblClick(Control&) {
    const int r = StringGrid2.selected_row();
    const int c = StringGrid2.selected_col();
    if (r < tc::kFirstYearRow) return;
    if (c == tc::kApplied) {
        StringGrid2.set_cell(r, c, StringGrid2.cell(r, c) == tc::kMark ? "" : tc::kMark);
    } else if (c == tc::kMonthlyBalance || c == tc::kBonusBalance) {
        if (!StringGrid2.cell(r, c).empty()) {
            TakenBalance = StringGrid2.cell(r, c);
            StringGrid2.set_cell(r, c, "");
        } else {
            StringGrid2.set_cell(r, c, TakenBalance);
        }
    }
}

void TForm10::UpDown1Change(Control&) {
    StringGrid2.set_font_size(UpDown1.position());
    UpDown1.set_hint("現文字サイズは　" + std::to_string(UpDown1.position()) + "　ポイントです。");
}

std::vector<std::string> TForm10::csv_lines() const {
    std::vector<std::string> lines;
    lines.push_back("（住宅ローン控除試算）  -- by." + app_.main.Edit46.text() + " -- " +
                    short_date(app_.platform().today()) + " --" +
                    (CreditWithinTax ? "控除額合計" : "最大控除額合計") + "＝" + Edit1.text() +
                    "円 --,,,,,,,,,,,");
    lines.emplace_back();
    lines.emplace_back(",控,除,率,(%),月回,月々,月,ボーナス,月,年末残,控除額,適");
    // Credits worked out within the tax owed are no longer maxima: the column says so.
    lines.emplace_back(std::string(",１千万,２千万,３千万,５千万,,年末残,表,年末残,表,合計,") +
                       (CreditWithinTax ? "" : "最高額") + ",用");
    for (int r = tc::kFirstYearRow; r < StringGrid2.row_count(); ++r) {
        std::vector<std::string> cells;
        cells.reserve(13);
        for (int c = 0; c < 13; ++c)
            cells.push_back(StringGrid2.cell(r, c));
        lines.push_back(csv_line(cells, ',', CsvQuoting::AsGiven));
    }
    return lines;
}

}  // namespace rebanto

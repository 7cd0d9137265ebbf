// The tax panel of the study window: the borrower's income, income tax and resident tax,
// and the floor area, which turn each year's maximum credit into the credit the borrower
// can use.
#include "base/numtext.h"
#include "calculators/tax_credit.h"
#include "calculators/tax_owed.h"
#include "forms/app.h"
#include "forms/tform10.h"

namespace rebanto {

namespace tc = tax_credit;

namespace {

enum GridZeigakuCol : int { kZYear = 0, kZMaximum, kZIncomeTax, kZResidentTax, kZLimit };

constexpr const char* kMaximumCaption = "最高額";
constexpr const char* kMaximumTotal = "最大控除額合計";
constexpr const char* kWithinTaxTotal = "控除額合計";

std::optional<Money> amount_of(const Edit& field) {
    if (field.text().find_first_not_of(' ') == std::string::npos) return std::nullopt;
    return to_money(field.text());
}

}  // namespace

void TForm10::setup_tax_owed() {
    PanelZeigaku.set_parent(&Panel2);
    for (Control* c : std::initializer_list<Control*>{
             &LabelSyotoku, &EdSyotoku, &LabelSyotokuzei, &EdSyotokuzei, &LabelJuminzei,
             &EdJuminzei, &RadioMenseki50, &RadioMenseki40, &GridZeigaku, &LabelJougen}) {
        c->set_parent(&PanelZeigaku);
    }
    RadioMenseki50.set_checked(true);
    PanelZeigaku.set_hint(
        "入力すると各年の控除額を所得税額、住民税からの控除上限（年97,500円）、所得要件で"
        "抑えます。空欄なら最高額です。");
    EdSyotoku.set_hint(
        "控除を受ける年の合計所得金額（円）。限度（令和4年以降の入居は2,000万円、40㎡以上"
        "50㎡未満は1,000万円）を超える年は控除なし");
    EdSyotokuzei.set_hint("住宅ローン控除前の所得税額（円／年）");
    EdJuminzei.set_hint("住宅ローン控除前の住民税所得割額（円／年）");
    const char* headers[] = {"", "最高額", "所得税から", "住民税から", "上限"};
    for (int c = 0; c < 5; ++c) {
        GridZeigaku.set_cell(0, c, headers[c]);
        GridZeigaku.set_col_width(c, c == kZYear ? 44 : c == kZLimit ? 136 : 70);
    }
    for (int year = 1; year <= tc::kYears; ++year)
        GridZeigaku.set_cell(year, kZYear, std::to_string(year) + "年目");
    show_tax_note();
    for (Edit* amount : {&EdSyotoku, &EdSyotokuzei, &EdJuminzei})
        amount->on_change = guard(&TForm10::TaxOwedChange);
    for (RadioButton* floor : {&RadioMenseki50, &RadioMenseki40})
        floor->on_click = guard(&TForm10::TaxOwedChange);
}

std::vector<CheckedField> TForm10::tax_owed_inputs() const {
    return {
        {&EdSyotoku, "合計所得金額", true, true},
        {&EdSyotokuzei, "所得税額", true, true},
        {&EdJuminzei, "住民税額", true, true},
    };
}

std::optional<tc::TaxOwed> TForm10::tax_owed() const {
    if (!bad_inputs(tax_owed_inputs()).empty()) return std::nullopt;
    tc::TaxOwed owed{amount_of(EdSyotoku), amount_of(EdSyotokuzei), amount_of(EdJuminzei),
                     RadioMenseki40.checked() ? tc::FloorArea::From40To50 : tc::FloorArea::From50};
    if (!owed.income && !owed.income_tax && !owed.resident_tax) return std::nullopt;
    return owed;
}

const tc::Requirements& TForm10::requirements() const {
    const int index = ComboBox2.item_index();
    if (index > 0) return tc::regimes_since_2022()[index - 1].requirements;
    const RadioButton* radios[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4,
                                   &RadioButton5};
    for (int i = 0; i < 5; ++i)
        if (radios[i]->checked()) return tc::classic_regimes()[i].requirements;
    return tc::classic_regimes()[3].requirements;  // "控除計算" takes "13年7月～15年末"
}

Money TForm10::credit_within_tax(int year, Money maximum, const std::optional<tc::TaxOwed>& owed) {
    if (!owed) {
        for (int c = kZMaximum; c <= kZLimit; ++c)
            GridZeigaku.set_cell(year, c, "");
        return maximum;
    }
    const tc::UsableCredit usable = tc::usable_credit(maximum, requirements(), *owed);
    GridZeigaku.set_cell(year, kZMaximum, general(maximum));
    GridZeigaku.set_cell(year, kZIncomeTax, general(usable.from_income_tax));
    GridZeigaku.set_cell(year, kZResidentTax, general(usable.from_resident_tax));
    // A year without credit names no limit.
    GridZeigaku.set_cell(year, kZLimit,
                         maximum > Money() ? tc::limit_caption(usable.limit, requirements()) : "");
    return usable.credit;
}

// Within the tax the column and the total are the credit itself, no longer its maximum.
void TForm10::show_credit_kind(const std::optional<tc::TaxOwed>& owed) {
    CreditWithinTax = owed.has_value();
    if (StringGrid2.cell(0, tc::kCredit) == "控除額")
        StringGrid2.set_cell(1, tc::kCredit, owed ? "" : kMaximumCaption);
    Label39.set_caption(owed ? kWithinTaxTotal : kMaximumTotal);
    show_tax_note();
}

// Which limits held the credits down, or why the maximum is shown.
void TForm10::show_tax_note() {
    const auto bad = bad_inputs(tax_owed_inputs());
    if (!bad.empty()) {
        LabelJougen.set_caption(bad_input_status(bad, kTaxInputConsequence));
    } else if (!tax_owed()) {
        LabelJougen.set_caption("税額未入力：最高額で計算します");
    } else if (!CreditWithinTax) {
        LabelJougen.set_caption("控除計算で税額による上限を適用します");
    } else {
        std::vector<std::string> limits;
        for (int year = 1; year <= tc::kYears; ++year)
            limits.push_back(GridZeigaku.cell(year, kZLimit));
        LabelJougen.set_caption("上限：" + tc::limits_by_year(limits));
    }
}

// A changed figure works the credit out again once it has been worked out.
void TForm10::TaxOwedChange(Control& sender) {
    if (StringGrid2.cell(tc::kFirstYearRow, tc::kTotalBalance).empty()) {
        show_tax_note();
    } else {
        Button26Click(sender);
    }
}

// "カレント解析" empties the credits: nothing is held down until they are worked out again.
void TForm10::clear_credit_within_tax() {
    for (int year = 1; year <= tc::kYears; ++year)
        credit_within_tax(year, Money(), std::nullopt);
    show_credit_kind(std::nullopt);
}

}  // namespace rebanto

#include "core/input_check.h"

#include <optional>

#include "base/errors.h"
#include "base/money.h"
#include "base/numtext.h"
#include "forms/tform1.h"

namespace rebanto {

namespace {

// What is wrong with a field's text, if anything.
std::optional<InputProblem> problem_of(const CheckedField& checked) {
    const std::string& text = checked.field->text();
    if (text.find_first_not_of(' ') == std::string::npos) {
        if (checked.may_be_empty) return std::nullopt;
        return InputProblem::Empty;
    }
    long double value = 0;
    try {
        value = to_extended(text);
    } catch (const ConversionError&) {
        return InputProblem::NotANumber;
    }
    if (!checked.amount) return std::nullopt;
    if (value < 0) return InputProblem::Negative;
    if (value > kMaxAmount.to_extended()) return InputProblem::TooLarge;
    return std::nullopt;
}

}  // namespace

std::vector<BadInput> bad_inputs(const std::vector<CheckedField>& fields) {
    std::vector<BadInput> bad;
    for (const CheckedField& checked : fields) {
        if (const auto problem = problem_of(checked))
            bad.push_back({checked.field, checked.caption, *problem});
    }
    return bad;
}

std::string bad_input_status(const std::vector<BadInput>& bad, const std::string& consequence) {
    if (bad.empty()) return {};
    const BadInput& first = bad.front();
    const std::string quoted = "の「" + first.field->text() + "」";
    std::string status = "入力エラー：" + first.caption;
    switch (first.problem) {
        case InputProblem::Empty:
            status += "が空欄です";
            break;
        case InputProblem::NotANumber:
            status += quoted + "は数値として読めません";
            break;
        case InputProblem::Negative:
            status += quoted + "は負の数です";
            break;
        case InputProblem::TooLarge:
            status += quoted + "は大きすぎます";
            break;
    }
    if (bad.size() > 1) status += "（ほか" + std::to_string(bad.size() - 1) + "欄）";
    return status + "。" + consequence;
}

std::vector<CheckedField> calculation_inputs(const TForm1& f) {
    return {
        {&f.Ed0_moto, "ｽﾀｰﾄ総元金", false},
        {&f.Ed0_kin, "ｽﾀｰﾄ年金利", true},
        {&f.Ed0_nen, "返済期間（年）", false},
        {&f.Ed0_tuki, "返済期間（ヶ月）", true},
        {&f.Ed0_wari, "ﾎﾞｰﾅｽ分返済割合", true},
        {&f.Edit1, "元金（月返済）", true},
        {&f.Edit6, "元金（ﾎﾞｰﾅｽ返済）", true},
        {&f.Edit2, "年金利", true},
        {&f.Ed1_Mzankaisu, "残返済回数（月返済）", false},
        {&f.Ed1_Bzankaisu, "残返済回数（ﾎﾞｰﾅｽ返済）", false},
        {&f.Edit4, "均等返済額（月返済）", false},
        {&f.Edit9, "均等返済額（ﾎﾞｰﾅｽ返済）", false},
        {&f.Edit13, "1期分の月数", false},
        {&f.Edit14, "1期分のﾎﾞｰﾅｽ回数", false},
        {&f.Ed1_yy5, "1期分計算対象（年）", false},
        {&f.Ed1_mm5, "1期分計算対象（ヶ月）", false},
    };
}

std::vector<const Edit*> calculation_results(const TForm1& f) {
    return {&f.Edit4,  &f.Edit9,  &f.Edit5,  &f.Edit10, &f.Edit15, &f.Edit16, &f.Edit17,
            &f.Edit18, &f.Edit19, &f.Edit20, &f.Edit21, &f.Edit22, &f.Edit31};
}

}  // namespace rebanto

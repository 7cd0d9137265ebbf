#include "core/input_check.h"

#include "base/errors.h"
#include "base/numtext.h"
#include "forms/tform1.h"

namespace rebanto {

std::vector<BadInput> bad_inputs(const std::vector<CheckedField>& fields) {
    std::vector<BadInput> bad;
    for (const CheckedField& checked : fields) {
        const std::string& text = checked.field->text();
        if (text.find_first_not_of(' ') == std::string::npos) {
            if (!checked.may_be_empty) bad.push_back({checked.field, checked.caption});
            continue;
        }
        try {
            to_extended(text);
        } catch (const ConversionError&) {
            bad.push_back({checked.field, checked.caption});
        }
    }
    return bad;
}

std::string bad_input_status(const std::vector<BadInput>& bad) {
    if (bad.empty()) return {};
    const BadInput& first = bad.front();
    const std::string& text = first.field->text();
    std::string status = "入力エラー：" + first.caption;
    if (text.find_first_not_of(' ') == std::string::npos) {
        status += "が空欄です";
    } else {
        status += "の「" + text + "」は数値として読めません";
    }
    if (bad.size() > 1) status += "（ほか" + std::to_string(bad.size() - 1) + "欄）";
    return status + "。直すまで計算結果は前のままです（灰色表示）";
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

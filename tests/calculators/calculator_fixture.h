#pragma once
// A started application for the calculator tests: a loan typed into the basic settings,
// a search run from the panel, and the amounts of the fields as whole yen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app_fixture.h"
#include "exact_loan.h"

namespace rebanto::testing {

class CalculatorTest : public AppTest {
protected:
    // The message a target out of the search's reach ends with.
    static constexpr const char* kOutOfReach =
        "info 指定検索金額に届く値が検索範囲内にありません。入力は検索前に戻しました";

    // The basic settings as a user types them.
    void loan(const std::string& principal, const std::string& rate, const std::string& years,
              const std::string& bonus_share = "0") {
        f1.Ed0_moto.set_text(principal);
        f1.Ed0_kin.set_text(rate);
        f1.Ed0_nen.set_text(years);
        f1.Ed0_tuki.set_text("0");
        f1.Ed0_wari.set_text(bonus_share);
        platform.take_log();
    }

    // Opens the panel (a new snapshot), chooses the input and the target, and runs the
    // search for `amount`; what it logged.
    std::vector<std::string> search(RadioButton& input, RadioButton& target,
                                    const std::string& amount) {
        f1.Button93.click();
        return run(input, target, amount);
    }
    // The same on the panel as it is open.
    std::vector<std::string> run(RadioButton& input, RadioButton& target,
                                 const std::string& amount) {
        input.click();
        target.click();
        f1.Edit3.set_text(amount);
        platform.take_log();
        f1.Button73.click();
        return platform.take_log();
    }

    static std::int64_t yen(const Control& field) { return std::stoll(field.text()); }

    // The basic settings and the step fields as they stand, to compare before and after.
    std::vector<std::string> inputs() const {
        return {f1.Ed0_moto.text(), f1.Ed0_kin.text(), f1.Ed0_nen.text(), f1.Ed0_tuki.text(),
                f1.Ed0_wari.text(), f1.Edit13.text(),  f1.Edit1.text(),   f1.Edit6.text(),
                f1.Edit2.text(),    f1.Edit4.text(),   f1.Edit9.text(),   f1.Edit5.text()};
    }
};

}  // namespace rebanto::testing

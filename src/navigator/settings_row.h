#pragma once
// The settings row (row 1) of a current table as the navigator reads it when it opens, and
// the prepayment rows of the older form that it brings up to date.
#include <optional>
#include <string>
#include <string_view>

#include "model/grid.h"

namespace rebanto::navigator {

constexpr int kSettingsRow = 1;

// Characters `first` to `last` (1-based, inclusive) of a text counted in code page 932
// bytes, as the markers of the settings row are laid out ("実行日" takes six).
std::string marker_bytes(std::string_view text, int first, int last);

// Brings the first-payment markers of a current table's settings row into one of the forms
// the replay knows ("差額有", "初回返済額無補正" or none, with "平成" or "月目" in columns 1 and
// 2) and returns whether the month numbers are to be shown as plain counts ("月目" checked).
bool normalise_settings_row(Grid& current);

// The loan date and the table's first payment date, when the settings row carries them
// ("実行日" + date in column 10, "初回返済日" + date in column 11); the settings row is then
// marked as following the loan dates.
struct SettingsDates {
    std::string loan_date;
    std::string first_payment;
};
std::optional<SettingsDates> take_settings_dates(Grid& current);

// A prepayment row in the older form: flag exactly "U", "同時" in column 4 or "-" in column 7.
bool is_older_prepayment(const Grid& table, int row);
// Rewrites such a row as a "同時" prepayment in the newer form (offset empty, "U同時").
void modernise_prepayment(Grid& table, int row);

// The timing of a prepayment typed above the table: "同時" (with the last instalment of the
// row above), "日後" or "月後" (that many days or months later).
struct PrepaymentTiming {
    std::string word = "同時";
    std::string offset;  // empty and hidden for "同時"
    bool offset_visible() const { return word != "同時"; }

    void cycle();          // double click on the word: 同時 → 日後 1 → 月後 1 → 同時
    void step(int delta);  // click +1, right click −1 (down to 0, which is "同時")
    void jump();           // double click on the offset: +5
    void offset_typed();   // a key in the offset: "-" or a value of 0 or less is "同時"
};

}  // namespace rebanto::navigator

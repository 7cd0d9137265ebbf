#include "navigator/settings_row.h"

#include "base/cp932.h"
#include "base/errors.h"
#include "base/numtext.h"
#include "navigator/control_table.h"

namespace rebanto::navigator {

namespace {

constexpr int kMarkerCol = 12;
constexpr int kLoanDateCol = 10;
constexpr int kFirstDateCol = 11;

void mark_dates(Grid& current, bool by_dates) {
    current.set_cell(kSettingsRow, 1, by_dates ? "平" : "月");
    current.set_cell(kSettingsRow, 2, by_dates ? "成" : "目");
}

bool starts_with(std::string_view text, std::string_view head) {
    return text.substr(0, head.size()) == head;
}

}  // namespace

std::string marker_bytes(std::string_view text, int first, int last) {
    bool replaced = false;
    const std::string bytes = utf8_to_cp932_replacing(text, replaced);
    if (first < 1 || last < first || static_cast<std::size_t>(first) > bytes.size()) return {};
    return cp932_to_utf8_replacing(bytes.substr(first - 1, last - first + 1), replaced);
}

bool normalise_settings_row(Grid& current) {
    if (current.row_count() <= kSettingsRow) return false;
    const std::string marker = current.cell(kSettingsRow, kMarkerCol);
    const bool by_dates = current.cell(kSettingsRow, 1) == "平";
    if (marker_bytes(marker, 11, 16) == "無補正") {
        current.set_cell(kSettingsRow, kMarkerCol, "初回返済額無補正");
        mark_dates(current, true);
        return false;
    }
    if (!marker.empty()) {
        current.set_cell(kSettingsRow, kMarkerCol, "差額有");
        mark_dates(current, by_dates);
        return false;
    }
    mark_dates(current, by_dates);
    return !by_dates;
}

std::optional<SettingsDates> take_settings_dates(Grid& current) {
    if (current.row_count() <= kSettingsRow) return std::nullopt;
    const std::string& loan = current.cell(kSettingsRow, kLoanDateCol);
    if (!starts_with(loan, "実行日")) return std::nullopt;
    SettingsDates dates{marker_bytes(loan, 7, 16),
                        marker_bytes(current.cell(kSettingsRow, kFirstDateCol), 11, 20)};
    mark_dates(current, true);
    return dates;
}

bool is_older_prepayment(const Grid& table, int row) {
    return table.cell(row, kFlag) == "U" || table.cell(row, kRate) == "同時" ||
           table.cell(row, kEndCount) == "-";
}

void modernise_prepayment(Grid& table, int row) {
    table.set_cell(row, kEndCount, "");
    table.set_cell(row, kTiming, "同時");
    table.set_cell(row, kFlag, "U同時");
}

void PrepaymentTiming::cycle() {
    if (word == "同時") {
        word = "日後";
        offset = "1";
    } else if (word == "日後") {
        word = "月後";
        offset = "1";
    } else {
        word = "同時";
        offset.clear();
    }
}

void PrepaymentTiming::step(int delta) {
    if (!offset_visible()) return;
    long long value = 0;
    try {
        value = to_count(offset, 0);
    } catch (const ConversionError&) {
        value = 0;  // an unreadable offset counts from nothing
    }
    if (delta < 0 && value <= 0) return;
    value = std::min<long long>(value + delta, kMaxCount);
    if (value <= 0) {
        word = "同時";
        offset.clear();
        return;
    }
    offset = std::to_string(value);
}

void PrepaymentTiming::jump() {
    for (int i = 0; i < 5; ++i)
        step(1);
}

void PrepaymentTiming::offset_typed() {
    if (!offset_visible()) return;
    bool back_to_same_time = offset == "-";
    if (!back_to_same_time) {
        try {
            back_to_same_time = to_extended(offset) <= 0;
        } catch (const ConversionError&) {
            back_to_same_time = false;  // a half-typed offset is left to the user
        }
    }
    if (back_to_same_time) {
        word = "同時";
        offset.clear();
    }
}

}  // namespace rebanto::navigator

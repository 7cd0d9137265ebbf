#include "tables/pack_file.h"

#include <algorithm>
#include <initializer_list>

#include "base/errors.h"
#include "base/field_at.h"
#include "base/linefile.h"
#include "base/numtext.h"

namespace rebanto {

const char* const kUnrecordedSettingsString = "T･6･6･12･･･････････････････････････";

namespace {

constexpr int kColumns = 14;
constexpr int kHeaderLines = 15;

void append_rows(std::vector<std::string>& lines, const TableRows& rows) {
    for (const auto& row : rows) {
        for (int c = 0; c < kColumns; ++c) {
            lines.push_back(c < static_cast<int>(row.size()) ? row[c] : std::string());
        }
    }
}

class Reader {
public:
    Reader(const std::vector<std::string>& lines, const std::string& file)
        : lines_(lines), file_(file) {}

    const std::string& next(const char* what) {
        const std::string& line = skip(what);
        // A carriage return without its line feed stays inside the value; the tables
        // could then never be saved again, since a cell must not hold a line break.
        if (line.find('\r') != std::string::npos) {
            fail("行 " + std::to_string(at_) + " に改行文字 (CR) が含まれています（" + what + "）");
        }
        return line;
    }
    // A line whose content is not kept.
    const std::string& skip(const char* what) {
        if (at_ >= lines_.size()) {
            fail("行 " + std::to_string(at_ + 1) + " がありません（" + what + "）");
        }
        return lines_[at_++];
    }
    std::int64_t count(const char* what) {
        const std::string& text = next(what);
        try {
            return to_int(text);
        } catch (const ConversionError&) {
            fail("行 " + std::to_string(at_) + " の「" + text + "」は数値ではありません（" + what +
                 "）");
        }
    }
    // A value that was not recorded is written as its own line number. Only the values the
    // settings page offers are taken: any other would be written back as it stands, and
    // one that equals the line number would come back as not recorded.
    std::int64_t setting(const char* unrecorded, std::int64_t fallback,
                         std::initializer_list<std::int64_t> offered, const char* what) {
        const std::string& text = next(what);
        if (text == unrecorded) return fallback;
        std::int64_t value = 0;
        try {
            value = to_int(text);
        } catch (const ConversionError&) {
            fail("行 " + std::to_string(at_) + " の「" + text + "」は数値ではありません（" + what +
                 "）");
        }
        if (std::find(offered.begin(), offered.end(), value) == offered.end()) {
            fail("行 " + std::to_string(at_) + " の「" + text + "」は設定できる値ではありません（" +
                 what + "）");
        }
        return value;
    }
    TableRows rows(std::int64_t count, const char* what) {
        TableRows rows;
        for (std::int64_t r = 0; r < count; ++r) {
            std::vector<std::string> row;
            row.reserve(kColumns);
            for (int c = 0; c < kColumns; ++c)
                row.push_back(next(what));
            rows.push_back(std::move(row));
        }
        return rows;
    }
    // Lines read so far.
    std::size_t line() const { return at_; }
    // The bonus settings of a settings row: its interval ("年金…" for a pension table) and
    // its months before the first bonus payment are counts, or the table cannot be used.
    void check_bonus_settings(const std::string& settings, std::size_t line) {
        if (settings == "T" || settings.empty()) return;  // nothing recorded: nothing applied
        const std::string interval = field_at(settings, 1);
        const std::string first = field_at(settings, 2);
        const auto is_count = [](const std::string& text) {
            try {
                (void)to_count(text);
                return true;
            } catch (const ConversionError&) {
                return false;
            }
        };
        const bool interval_ok = interval.starts_with("年金") || is_count(interval);
        if (!interval_ok || (!first.empty() && !is_count(first))) {
            fail("行 " + std::to_string(line) + " のボーナス設定「" + settings +
                 "」の間隔・初回月数が数値ではありません");
        }
    }
    [[noreturn]] void fail(const std::string& message) {
        throw PackFileError("パックファイル「" + file_ + "」を読めません: " + message);
    }

private:
    const std::vector<std::string>& lines_;
    const std::string& file_;
    std::size_t at_ = 0;
};

}  // namespace

std::vector<std::string> pack_lines(const PackFile& pack) {
    std::vector<std::string> lines;
    lines.reserve(kHeaderLines + kColumns * (pack.monthly.size() + pack.bonus.size()));
    lines.push_back(std::to_string(pack.monthly.size()));
    lines.push_back(std::to_string(pack.bonus.size()));
    lines.push_back(pack.loan_date);
    lines.push_back(pack.first_monthly_date);
    lines.push_back(pack.first_bonus_date);
    lines.push_back(std::to_string(pack.instalment_rounding));
    lines.push_back(std::to_string(pack.interest_rounding));
    lines.push_back(pack.method);
    lines.push_back(std::to_string(pack.accrual_unit));
    for (int n = 10; n <= 15; ++n)
        lines.push_back(std::to_string(n));
    append_rows(lines, pack.monthly);
    append_rows(lines, pack.bonus);
    return lines;
}

PackFile parse_pack(const std::vector<std::string>& lines, const std::string& file_name) {
    Reader in(lines, file_name);
    PackFile pack;
    const std::int64_t r1 = in.count("月返済表の行数");
    const std::int64_t r2 = in.count("ボーナス返済表の行数");
    // A table always has its header and settings rows; a huge count is a damaged file.
    const auto limit = static_cast<std::int64_t>(lines.size());
    if (r1 < 2 || r2 < 2 || r1 > limit || r2 > limit) {
        in.fail("表の行数 " + std::to_string(r1) + "・" + std::to_string(r2) + " が不正です");
    }
    pack.loan_date = in.next("融資実行日");
    pack.first_monthly_date = in.next("月返済初回返済日");
    pack.first_bonus_date = in.next("ボーナス返済初回返済日");
    // Rounding: 0 切り捨て, 1 四捨五入, 2 切り上げ; accrual units in yen.
    pack.instalment_rounding = in.setting("6", 0, {0, 1, 2}, "返済額の端数処理");
    pack.interest_rounding = in.setting("7", 0, {0, 1, 2}, "利息額の端数処理");
    const std::string& method = in.next("返済方法");
    pack.method = method == "8" ? "0" : method;
    pack.accrual_unit = in.setting("9", 1, {1, 10, 100, 1000, 10000}, "付利単位");
    for (int n = 10; n <= 15; ++n)
        in.skip("予備");
    const std::size_t monthly_settings_line = in.line() + kColumns + 13 + 1;
    pack.monthly = in.rows(r1, "月返済表");
    if (pack.monthly[1][13].empty()) pack.monthly[1][13] = kUnrecordedSettingsString;
    const std::size_t bonus_settings_line = in.line() + kColumns + 13 + 1;
    pack.bonus = in.rows(r2, "ボーナス返済表");
    in.check_bonus_settings(pack.monthly[1][13], monthly_settings_line);
    in.check_bonus_settings(pack.bonus[1][13], bonus_settings_line);
    return pack;
}

PackFile read_pack_file(const std::filesystem::path& path) {
    return parse_pack(read_lines(path), path.string());
}

void write_pack_file(const std::filesystem::path& path, const PackFile& pack,
                     Durability durability) {
    write_lines(path, pack_lines(pack), durability);
}

}  // namespace rebanto

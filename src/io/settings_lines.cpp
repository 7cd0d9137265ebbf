#include "io/settings_lines.h"

#include "base/errors.h"
#include "io/settings_table.h"

namespace rebanto {

namespace {

// Line numbers as an editor shows them: the first line is line 1.
std::string shown_line(std::size_t n) {
    return std::to_string(n + 1) + " 行目";
}

// The setting a line holds, as the user is told of it.
std::string field_name(std::size_t n) {
    if (n < settings_table().size() && settings_table()[n].name) return settings_table()[n].name;
    return "設定";
}

}  // namespace

std::optional<std::string> SettingsReader::text(std::size_t n) {
    if (n >= lines_.size() || !lines_[n].readable) {
        bad_.push_back(n);
        return std::nullopt;
    }
    return lines_[n].text;
}

std::optional<std::int64_t> SettingsReader::whole(std::size_t n, int min) {
    const std::optional<std::string> t = text(n);
    if (!t) return std::nullopt;
    try {
        to_int(*t);  // a whole number, not a real
        return to_count(*t, min);
    } catch (const ConversionError&) {
        bad_.push_back(n);
        return std::nullopt;
    }
}

std::optional<std::string> SettingsReader::count_text(std::size_t n, int min) {
    std::optional<std::string> t = text(n);
    if (!t) return std::nullopt;
    try {
        to_count(*t, min);
        return t;
    } catch (const ConversionError&) {
        bad_.push_back(n);
        return std::nullopt;
    }
}

std::optional<std::string> SettingsReader::number_text(std::size_t n, long double min,
                                                       long double max) {
    std::optional<std::string> t = text(n);
    // A field left empty is not restored: the field keeps the value it has, which the
    // calculation can read (an empty rate would stop it at the first recalculation).
    if (!t || t->empty()) return std::nullopt;
    try {
        const long double value = to_extended(*t);
        if (value >= min && value <= max) return t;
    } catch (const ConversionError&) {
    }
    bad_.push_back(n);
    return std::nullopt;
}

bool carried_line(std::size_t n) {
    return n >= settings_table().size() || settings_table()[n].kind == SettingsKind::Carried;
}

std::string damage_message(const std::string& file, const std::vector<std::size_t>& bad_lines,
                           std::size_t line_count, const std::string& write_failure) {
    std::string unusable;
    bool missing = false;
    for (std::size_t n : bad_lines) {
        if (n >= line_count) {
            missing = true;
            continue;
        }
        if (!unusable.empty()) unusable += "、";
        unusable += shown_line(n);
    }
    std::string text = file + ": ";
    if (!unusable.empty()) text += unusable + "の値を読めません。";
    if (missing) text += shown_line(line_count) + "以降がありません。";
    if (write_failure.empty())
        return text + "これらの設定は今の値のまま、ファイルを書き直しました。";
    return text +
           "これらの設定は今の値のままです。ファイルは書き直せませんでした: " + write_failure;
}

SettingsBytes settings_bytes(const std::vector<std::string>& lines,
                             const std::vector<std::string>& read_bytes) {
    SettingsBytes out;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        if (carried_line(n) && n < read_bytes.size() &&
            line_from_bytes(read_bytes[n]).text == lines[n]) {
            out.bytes += read_bytes[n];  // byte for byte, even bytes no program could decode
        } else {
            bool changed = false;
            out.bytes += file_line_bytes(lines[n], changed);
            if (changed) out.changed_lines.push_back(n);
        }
        out.bytes += "\r\n";
    }
    return out;
}

std::string changed_message(const std::string& file, const std::vector<std::size_t>& lines) {
    std::string fields;
    for (std::size_t n : lines) {
        if (!fields.empty()) fields += "、";
        fields += field_name(n) + " (" + shown_line(n) + ")";
    }
    return file + ": " + fields +
           " にはこのファイルに書けない文字があるため、コード ページ 932 で表せない文字を「?」に"
           "置き換え、改行を除いて保存しました。";
}

}  // namespace rebanto

#include "schedule/schedule_output.h"

#include "base/cp932.h"

namespace rebanto::schedule {

namespace {

std::string csv_cell(const std::string& cell) {
    if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
    std::string quoted = "\"";
    for (char c : cell) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string json_string(const std::string& text) {
    std::string out = "\"";
    for (const unsigned char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    static const char* hex = "0123456789abcdef";
                    out += "\\u00";
                    out += hex[c >> 4];
                    out += hex[c & 15];
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

void delimited(const Rows& rows, char separator, const char* eol, std::string& out) {
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) out += separator;
            out += separator == ',' ? csv_cell(row[c]) : row[c];
        }
        out += eol;
    }
}

void json_rows(const Rows& rows, std::string& out) {
    out += "[";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        out += r == 0 ? "\n    [" : ",\n    [";
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (c > 0) out += ", ";
            out += json_string(rows[r][c]);
        }
        out += "]";
    }
    out += "\n  ]";
}

}  // namespace

std::string render(const Tables& tables, Format format, Part part, Encoding encoding) {
    const bool monthly = part != Part::Bonus;
    const bool bonus = part != Part::Monthly;
    // Spreadsheets that want code page 932 want CR LF line ends too.
    const char* eol = encoding == Encoding::Cp932 ? "\r\n" : "\n";
    std::string out;
    if (format == Format::Json) {
        out += "{";
        if (monthly) {
            out += "\n  \"monthly\": ";
            json_rows(tables.monthly, out);
        }
        if (bonus) {
            out += monthly ? ",\n  \"bonus\": " : "\n  \"bonus\": ";
            json_rows(tables.bonus, out);
        }
        out += "\n}\n";
    } else {
        const char separator = format == Format::Csv ? ',' : '\t';
        if (monthly) delimited(tables.monthly, separator, eol, out);
        if (monthly && bonus) out += eol;
        if (bonus) delimited(tables.bonus, separator, eol, out);
    }
    return encoding == Encoding::Cp932 ? utf8_to_cp932(out) : out;
}

}  // namespace rebanto::schedule

#include "runner/script_runner.h"

#include <filesystem>
#include <istream>
#include <map>
#include <ostream>
#include <string_view>

#include "base/date.h"
#include "base/errors.h"
#include "model/grid.h"
#include "runner/arguments.h"
#include "runner/key_text.h"
#include "runner/line_reader.h"
#include "runner/script_error.h"
#include "runner/script_target.h"

namespace rebanto {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kLineExcerpt = 120;
constexpr std::size_t kMessageExcerpt = 200;

// Text as a message shows it: cut to `limit` bytes on a character boundary, with control
// characters shown as '?' so that garbage in a script cannot upset the terminal.
std::string shown(const std::string& text, std::size_t limit = std::string::npos) {
    std::size_t size = text.size();
    if (size > limit) {
        size = limit;
        while (size > 0 && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80)
            --size;
    }
    std::string result = text.substr(0, size);
    for (char& c : result) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte == 0x7F) c = '?';
    }
    if (size < text.size()) result += "...";
    return result;
}

std::string quote(const std::string& text) {
    return "\"" + text + "\"";
}

std::string grid_size(const Grid& grid) {
    return std::to_string(grid.row_count()) + " rows, " + std::to_string(grid.col_count()) +
           " columns";
}

void check_inside(const Grid& grid, int row, int col) {
    if (row >= grid.row_count() || col >= grid.col_count()) {
        throw ScriptError("cell [" + std::to_string(row) + "," + std::to_string(col) +
                          "] is outside " + describe(grid) + " (" + grid_size(grid) + ")");
    }
}

}  // namespace

ScriptRunner::ScriptRunner(App& app, HeadlessPlatform& platform, std::ostream& out,
                           std::ostream& err)
    : app_(app), platform_(platform), out_(out), err_(err) {}

ScriptRunner::Command ScriptRunner::find_command(const std::string& name) {
    static const std::map<std::string, Command, std::less<>> commands{
        {"set", &ScriptRunner::set_text},
        {"click", &ScriptRunner::click},
        {"dblclick", &ScriptRunner::dbl_click},
        {"rclick", &ScriptRunner::right_click},
        {"exit", &ScriptRunner::exit},
        {"enter", &ScriptRunner::enter},
        {"hover", &ScriptRunner::hover},
        {"check", &ScriptRunner::check},
        {"select", &ScriptRunner::select},
        {"cell", &ScriptRunner::cell},
        {"key", &ScriptRunner::key},
        {"page", &ScriptRunner::page},
        {"answer", &ScriptRunner::answer},
        {"file", &ScriptRunner::file},
        {"print", &ScriptRunner::print},
        {"dump", &ScriptRunner::dump},
        {"memo", &ScriptRunner::memo},
        {"log", &ScriptRunner::log},
        {"echo", &ScriptRunner::echo},
        {"expect", &ScriptRunner::expect},
        {"today", &ScriptRunner::today},
        {"random", &ScriptRunner::fix_random},
        {"close", &ScriptRunner::close},
    };
    const auto it = commands.find(name);
    return it == commands.end() ? nullptr : it->second;
}

int ScriptRunner::run(std::istream& in) {
    std::string line;
    while (std::getline(in, line)) {
        ++line_number_;
        if (line_number_ == 1 && line.starts_with(kByteOrderMark)) {
            line.erase(0, kByteOrderMark.size());
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        try {
            execute(line);
        } catch (const ScriptError& e) {
            report(shown(e.what(), kMessageExcerpt) + " [" + shown(line, kLineExcerpt) + "]");
            return kBadScript;
        } catch (const std::exception& e) {
            report(std::string("error: ") + e.what());
            return kBadScript;
        } catch (...) {
            report("error: unknown exception");
            return kBadScript;
        }
    }
    if (failed_expects_ > 0) {
        out_.flush();
        err_ << failed_expects_ << " of " << expects_ << " expectations failed\n";
        return kExpectFailed;
    }
    return kOk;
}

void ScriptRunner::execute(const std::string& line) {
    LineReader reader(line);
    const std::string name = reader.word();
    if (name.empty()) return;  // a blank line or a comment
    const Command command = find_command(name);
    if (command == nullptr) throw ScriptError("unknown command " + quote(name));
    (this->*command)(reader);
}

// Output written so far goes out first, so that a terminal shows both in order.
void ScriptRunner::report(const std::string& message) {
    out_.flush();
    err_ << "line " << line_number_ << ": " << shown(message) << '\n';
}

// ---- Acting on controls, as a user would ----

void ScriptRunner::set_text(LineReader& reader) {
    Control& control = find_control(app_, need_word(reader, "control"));
    const std::string text = need_text(reader, "text");
    if (auto* track = dynamic_cast<TrackBar*>(&control)) {
        track->set_position(parse_int(text, "position"));
        return;
    }
    if (dynamic_cast<Grid*>(&control) != nullptr || dynamic_cast<Memo*>(&control) != nullptr ||
        dynamic_cast<PageControl*>(&control) != nullptr) {
        throw ScriptError("cannot set the text of " + describe(control) +
                          " (use cell for a grid, page for a page control)");
    }
    control.set_text(text);
}

void ScriptRunner::click(LineReader& reader) {
    Control& control = find_control(app_, need_word(reader, "control"));
    need_end(reader);
    control.click();
}

void ScriptRunner::dbl_click(LineReader& reader) {
    Control& control = find_control(app_, need_word(reader, "control"));
    need_end(reader);
    control.dbl_click();
}

void ScriptRunner::right_click(LineReader& reader) {
    Control& control = find_control(app_, need_word(reader, "control"));
    need_end(reader);
    control.right_click();
}

void ScriptRunner::exit(LineReader& reader) {
    Control& control = find_control(app_, need_word(reader, "control"));
    need_end(reader);
    control.exit();
}

void ScriptRunner::enter(LineReader& reader) {
    Control& control = find_control(app_, need_word(reader, "control"));
    need_end(reader);
    control.enter();
}

void ScriptRunner::hover(LineReader& reader) {
    Control& control = find_control(app_, need_word(reader, "control"));
    need_end(reader);
    control.hover();
}

void ScriptRunner::check(LineReader& reader) {
    Control& control = find_control(app_, need_word(reader, "control"));
    const bool on = parse_switch(need_word(reader, "on or off"), "on", "off");
    need_end(reader);
    if (auto* box = dynamic_cast<CheckBox*>(&control)) {
        box->set_checked(on);
    } else {
        as<RadioButton>(control, "check box or radio button").set_checked(on);
    }
}

void ScriptRunner::select(LineReader& reader) {
    Grid& grid = as<Grid>(find_control(app_, need_word(reader, "grid")), "grid");
    const int row = parse_index(need_word(reader, "row"), "row");
    const std::string col_word = reader.word();
    const int col = col_word.empty() ? grid.selected_col() : parse_index(col_word, "column");
    need_end(reader);
    check_inside(grid, row, col);
    grid.click_cell(row, col);
}

// A user can type only into the scrolling cells of an editable grid.
void ScriptRunner::cell(LineReader& reader) {
    Grid& grid = as<Grid>(find_control(app_, need_word(reader, "grid")), "grid");
    const int row = parse_index(need_word(reader, "row"), "row");
    const int col = parse_index(need_word(reader, "column"), "column");
    const std::string text = need_text(reader, "text");
    check_inside(grid, row, col);
    if (!grid.editable()) throw ScriptError(describe(grid) + " is not editable");
    if (row < grid.fixed_rows() || col < grid.fixed_cols()) {
        throw ScriptError("cell [" + std::to_string(row) + "," + std::to_string(col) + "] of " +
                          describe(grid) + " is a fixed cell");
    }
    grid.edit_cell(row, col, text);
}

void ScriptRunner::key(LineReader& reader) {
    Control& control = find_control(app_, need_word(reader, "control"));
    const std::string text = need_text(reader, "keys");
    const auto keys = key_sequence(text);
    if (!keys) throw ScriptError("keys are not valid UTF-8");
    for (const char32_t k : *keys)
        control.key_press(k);
}

void ScriptRunner::page(LineReader& reader) {
    auto& pages =
        as<PageControl>(find_control(app_, need_word(reader, "page control")), "page control");
    const std::string name = need_text(reader, "page");
    for (const Panel* page : pages.pages()) {
        if (page->caption() == name || page->name() == name) {
            pages.set_active_page(*page);
            return;
        }
    }
    throw ScriptError("no page " + quote(name) + " in " + describe(pages));
}

// ---- Dialog answers, clock and generator ----

void ScriptRunner::answer(LineReader& reader) {
    const bool yes = parse_switch(need_word(reader, "yes or no"), "yes", "no");
    need_end(reader);
    platform_.queue_answer(yes);
}

void ScriptRunner::file(LineReader& reader) {
    const std::string path = need_text(reader, "path");
    if (path.empty()) throw ScriptError("empty path");
    // A relative path names a file in the start folder, so a script's files stay with
    // its run wherever it was started from.
    const std::filesystem::path given(path);
    platform_.queue_file(given.is_relative() ? (app_.start_folder() / given).string() : path);
}

void ScriptRunner::today(LineReader& reader) {
    const std::string text = need_word(reader, "date");
    need_end(reader);
    try {
        platform_.set_today(parse_short_date(text));
    } catch (const ConversionError&) {
        throw ScriptError("bad date " + quote(text) + " (expected yyyy/MM/dd)");
    }
}

void ScriptRunner::fix_random(LineReader& reader) {
    const std::uint64_t value = parse_unsigned(need_word(reader, "number"), "number");
    need_end(reader);
    platform_.fix_random(value);
}

void ScriptRunner::close(LineReader& reader) {
    Form& form = find_form(app_, need_word(reader, "window"));
    need_end(reader);
    form.close();
}

// ---- Reading ----

void ScriptRunner::print(LineReader& reader) {
    const Target target = find_target(app_, need_word(reader, "target"));
    need_end(reader);
    if (!target_exists(target)) {
        const auto& grid = static_cast<const Grid&>(*target.control);
        check_inside(grid, target.row, target.col);
    }
    out_ << read_target(target) << '\n';
}

void ScriptRunner::dump(LineReader& reader) {
    const Grid& grid = as<Grid>(find_control(app_, need_word(reader, "grid")), "grid");
    need_end(reader);
    for (int row = 0; row < grid.row_count(); ++row) {
        const std::vector<std::string>& cells = grid.row_cells(row);
        for (std::size_t col = 0; col < cells.size(); ++col) {
            if (col > 0) out_ << '\t';
            out_ << cells[col];
        }
        out_ << '\n';
    }
}

void ScriptRunner::memo(LineReader& reader) {
    const Memo& memo = as<Memo>(find_control(app_, need_word(reader, "memo")), "memo");
    need_end(reader);
    for (const std::string& line : memo.lines())
        out_ << line << '\n';
}

void ScriptRunner::log(LineReader& reader) {
    need_end(reader);
    for (const std::string& event : platform_.take_log())
        out_ << event << '\n';
}

void ScriptRunner::echo(LineReader& reader) {
    out_ << reader.text().value_or("") << '\n';
}

void ScriptRunner::expect(LineReader& reader) {
    const Target target = find_target(app_, need_word(reader, "target"));
    const std::string expected = need_text(reader, "expected text");
    if (target.control != nullptr && target.property == Property::Value &&
        dynamic_cast<const Memo*>(target.control) != nullptr) {
        throw ScriptError("expect cannot compare the memo " + describe(*target.control) +
                          " as a whole; use memo");
    }
    ++expects_;
    if (!target_exists(target)) {
        ++failed_expects_;
        const auto& grid = static_cast<const Grid&>(*target.control);
        report("expect " + target.spelling + ": expected " + quote(expected) +
               ", but the grid has " + grid_size(grid));
        return;
    }
    const std::string actual = read_target(target);
    if (actual != expected) {
        ++failed_expects_;
        report("expect " + target.spelling + ": expected " + quote(expected) + ", actual " +
               quote(actual));
    }
}

}  // namespace rebanto

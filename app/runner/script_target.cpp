#include "runner/script_target.h"

#include <array>
#include <charconv>
#include <string_view>
#include <utility>
#include <vector>

#include "runner/script_error.h"

namespace rebanto {

namespace {

constexpr std::array<std::pair<std::string_view, Property>, 11> kProperties{{
    {"text", Property::Text},
    {"caption", Property::Caption},
    {"tag", Property::Tag},
    {"enabled", Property::Enabled},
    {"visible", Property::Visible},
    {"showing", Property::Showing},
    {"checked", Property::Checked},
    {"color", Property::Color},
    {"fontcolor", Property::FontColor},
    {"hint", Property::Hint},
    {"font", Property::Font},
}};

std::vector<std::string> split_dots(const std::string& spelling) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = spelling.find('.', start);
        parts.push_back(spelling.substr(start, dot - start));
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    return parts;
}

bool parse_index(std::string_view text, int& value) {
    if (text.empty()) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= 0;
}

Property find_property(const std::string& name, const std::string& spelling) {
    for (const auto& [known, property] : kProperties) {
        if (name == known) return property;
    }
    std::string list;
    for (const auto& [known, property] : kProperties) {
        if (!list.empty()) list += ", ";
        list += known;
    }
    throw ScriptError("unknown property " + name + " in " + spelling + " (known: " + list + ")");
}

const char* yes_no(bool on) {
    return on ? "true" : "false";
}

// "StGr1[5,3]" → the name and the cell; false when there is no bracket.
bool split_cell(const std::string& part, const std::string& spelling, std::string& name, int& row,
                int& col) {
    const std::size_t open = part.find('[');
    if (open == std::string::npos) return false;
    const std::size_t comma = part.find(',', open);
    if (part.back() != ']' || comma == std::string::npos ||
        !parse_index(std::string_view(part).substr(open + 1, comma - open - 1), row) ||
        !parse_index(std::string_view(part).substr(comma + 1, part.size() - comma - 2), col)) {
        throw ScriptError("malformed cell " + spelling + " (write Form.Grid[row,col])");
    }
    name = part.substr(0, open);
    return true;
}

}  // namespace

std::string describe(const Control& control) {
    return control.form().name() + "." + control.name() + " (" + std::string(control.kind()) + ")";
}

Form& find_form(const App& app, const std::string& spelling) {
    if (spelling.empty()) throw ScriptError("missing window name");
    if (spelling.find('.') != std::string::npos) {
        throw ScriptError("expected a window name, not " + spelling);
    }
    Form* form = app.find_form(spelling);
    if (form == nullptr) throw ScriptError("unknown form " + spelling);
    return *form;
}

Target find_target(const App& app, const std::string& spelling) {
    Target target;
    target.spelling = spelling;
    const std::vector<std::string> parts = split_dots(spelling);
    for (const std::string& part : parts) {
        if (part.empty()) throw ScriptError("malformed name " + spelling);
    }
    if (parts.size() > 3) throw ScriptError("malformed name " + spelling);
    target.form = app.find_form(parts[0]);
    if (target.form == nullptr) throw ScriptError("unknown form " + parts[0]);
    if (parts.size() == 1) return target;

    std::string name = parts[1];
    target.is_cell = split_cell(parts[1], spelling, name, target.row, target.col);
    if (target.is_cell && parts.size() == 3) {
        throw ScriptError("a cell has no properties: " + spelling);
    }
    target.control = target.form->find(name);
    if (target.control == nullptr) {
        // The window's own caption and visibility, when no control has that name.
        if (parts.size() == 2 && !target.is_cell && (name == "caption" || name == "visible")) {
            target.property = name == "caption" ? Property::Caption : Property::Visible;
            return target;
        }
        throw ScriptError("unknown control " + parts[0] + "." + name);
    }
    if (target.is_cell && dynamic_cast<Grid*>(target.control) == nullptr) {
        throw ScriptError(describe(*target.control) + " is not a grid: " + spelling);
    }
    if (parts.size() == 3) target.property = find_property(parts[2], spelling);
    return target;
}

Control& find_control(const App& app, const std::string& spelling) {
    if (spelling.empty()) throw ScriptError("missing control name");
    const Target target = find_target(app, spelling);
    if (target.control == nullptr || target.is_cell || target.property != Property::Value) {
        throw ScriptError("expected a control named Form.Control, not " + spelling);
    }
    return *target.control;
}

bool target_exists(const Target& target) {
    if (!target.is_cell) return true;
    const auto& grid = static_cast<const Grid&>(*target.control);
    return target.row < grid.row_count() && target.col < grid.col_count();
}

std::string read_target(const Target& target) {
    if (target.control == nullptr) {
        const Form& form = *target.form;
        return target.property == Property::Visible ? yes_no(form.visible()) : form.caption();
    }
    const Control& control = *target.control;
    if (target.is_cell) {
        return static_cast<const Grid&>(control).cell(target.row, target.col);
    }
    switch (target.property) {
        case Property::Value:
            if (dynamic_cast<const Grid*>(&control) != nullptr) {
                throw ScriptError(describe(control) + " is a grid: use dump, or a cell " +
                                  target.spelling + "[row,col]");
            }
            return control.value_text();
        case Property::Text:
        case Property::Caption:
            return control.text();
        case Property::Tag:
            return std::to_string(control.tag());
        case Property::Enabled:
            return yes_no(control.enabled());
        case Property::Visible:
            return yes_no(control.visible());
        case Property::Showing:
            return yes_no(control.showing());
        case Property::Checked:
            if (const auto* box = dynamic_cast<const CheckBox*>(&control)) {
                return yes_no(box->checked());
            }
            if (const auto* radio = dynamic_cast<const RadioButton*>(&control)) {
                return yes_no(radio->checked());
            }
            throw ScriptError(describe(control) + " has no checked state");
        case Property::Color:
            return std::string(color_name(control.color()));
        case Property::FontColor:
            return std::string(color_name(control.font_color()));
        case Property::Hint:
            return control.hint();
        case Property::Font:
            return std::to_string(control.font_size());
    }
    return {};
}

}  // namespace rebanto

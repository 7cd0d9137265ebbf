#pragma once
// Toolkit-free controls. A control has its given name and the properties the loan logic
// reads and writes; it registers itself with its form on construction so the form can be
// driven and inspected by name. Setting a text fires on_change synchronously, and only
// when the text actually changes; programmatic writes fire events exactly like user edits.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rebanto {

class Form;
class Control;

// Colours the logic gives controls; the view maps them to the palette.
enum class Color {
    Default,
    Black,
    White,
    Red,
    Yellow,
    Green,
    Teal,
    Blue,
    Navy,
    Magenta,
    Gray,
    Maroon,
};
std::string_view color_name(Color color);

using Handler = std::function<void(Control& sender)>;
// Key filter: may replace the key by 0 to drop it.
using KeyHandler = std::function<void(Control& sender, char32_t& key)>;

// What changed on a control, for views that follow the model.
enum class Change {
    Text,
    Enabled,
    Visible,
    Checked,
    Color,
    Hint,
    Tag,
    Font,
    Range,     // track bar / up-down limits and position
    Geometry,  // form position and size
    GridReset,
    GridRowsAppended,
    GridCell,
    GridSelection,
    GridLayout,  // column widths, row height
    MemoReset,
    MemoAppended,
};

// How a number was written into a text: as an amount (general form of ten-thousandths) or
// as a count; None for every other text.
enum class NumberForm : unsigned char { None, Amount, Count };

class Control {
public:
    Control(Form& owner, std::string name, std::string text = {});
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    Form& form() const { return form_; }
    // The kind's given name ("Edit", "Label", ...), for the runner and diagnostics.
    virtual std::string_view kind() const = 0;

    // Text of an edit, caption of a label, button, check box or page.
    const std::string& text() const { return text_; }
    void set_text(const std::string& text);
    void set_text(std::string&& text);  // the same, taking over a text made for it
    // The same for a text written from a number that reads back as exactly that number (an
    // amount or a count as the program writes it): the number need not be parsed again.
    // `form` and `raw` say how it was written, so that the same number written the same way
    // again is known to leave the text as it is (see `shows`).
    void set_text_of_number(std::string&& text, long double number,
                            NumberForm form = NumberForm::None, std::int64_t raw = 0);
    // True when the text is the one `form` writes for `raw` (an amount's ten-thousandths, a
    // count): writing it again would change nothing, and it need not be formed to know.
    bool shows(NumberForm form, std::int64_t raw) const {
        return form != NumberForm::None && shown_form_ == form && shown_raw_ == raw;
    }
    // The number the text parses to, worked out once per text: the text stays the one
    // truth, this is only ever derived from it. Throws ConversionError on every read of a
    // text that is not a number.
    long double number() const;
    const std::string& caption() const { return text_; }
    void set_caption(const std::string& text) { set_text(text); }
    void set_caption(std::string&& text) { set_text(std::move(text)); }

    std::int64_t tag() const { return tag_; }
    void set_tag(std::int64_t tag);
    bool enabled() const { return enabled_; }
    void set_enabled(bool on);
    bool visible() const { return visible_; }
    void set_visible(bool on);
    void show() { set_visible(true); }
    void hide() { set_visible(false); }
    Color color() const { return color_; }
    void set_color(Color color);
    Color font_color() const { return font_color_; }
    void set_font_color(Color color);
    const std::string& hint() const { return hint_; }
    void set_hint(const std::string& hint);
    int font_size() const { return font_size_; }
    void set_font_size(int points);

    // The container this control sits in (panel, group box, page); radio buttons of one
    // parent form a group.
    Control* parent() const { return parent_; }
    void set_parent(Control* parent) { parent_ = parent; }
    // Visible and every container up the chain visible.
    bool showing() const;

    // Events, wired by the form's constructor.
    Handler on_change;
    Handler on_click;
    Handler on_dbl_click;
    Handler on_right_click;
    Handler on_exit;
    Handler on_enter;
    Handler on_mouse_over;
    KeyHandler on_key;

    // What a user does; the view, the runner and the tests all come through here.
    virtual void click();
    // A double click delivers a click first, as the toolkit did.
    void dbl_click();
    void right_click();
    void enter();
    void exit();
    void hover();
    // Returns false when the key filter dropped the key.
    virtual bool key_press(char32_t key);
    // Runs only the key filter, for a view that inserts the key at its caret itself;
    // false when the key was dropped.
    bool filter_key(char32_t key);

    // The value the runner's `print` shows: the text or caption, a track bar's position.
    virtual std::string value_text() const { return text_; }

protected:
    void notify(Change change, int row = -1, int col = -1);
    virtual void text_changed() {}

private:
    friend class Form;
    void text_set();       // what follows a new text: the kept number, the views, on_change
    void announce_text();  // the views and on_change

    Form& form_;
    std::string name_;
    std::string text_;
    enum class Parsed : unsigned char { NotYet, Number, NotANumber };
    mutable Parsed parsed_ = Parsed::NotYet;
    mutable long double number_ = 0;
    NumberForm shown_form_ = NumberForm::None;
    std::int64_t shown_raw_ = 0;
    std::int64_t tag_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    Color color_ = Color::Default;
    Color font_color_ = Color::Default;
    std::string hint_;
    int font_size_ = 0;  // 0: the design font
    Control* parent_ = nullptr;
    // Some observer of the form follows this control by name (see Form::add_observer).
    bool followed_ = false;
};

// A single-line text field: set_text fires on_change.
class Edit : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "Edit"; }
    bool key_press(char32_t key) override;
    bool read_only() const { return read_only_; }
    void set_read_only(bool on);
    // An amount field: shown as "\1,000,000" while not being edited; the text stays the
    // plain number.
    bool money_display() const { return money_display_; }
    void set_money_display(bool on) { money_display_ = on; }

protected:
    void text_changed() override;

private:
    bool read_only_ = false;
    bool money_display_ = false;
};

class Label : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "Label"; }
};

class Button : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "Button"; }
    // A disabled button ignores clicks, as a user could not press it.
    void click() override;
};

// Check boxes and radio buttons fire on_click when their state changes, whether the user
// or the program changed it.
class CheckBox : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "CheckBox"; }
    bool checked() const { return checked_; }
    void set_checked(bool on);
    void click() override;

private:
    bool checked_ = false;
};

// Checking a radio button unchecks the others of the same parent.
class RadioButton : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "RadioButton"; }
    bool checked() const { return checked_; }
    void set_checked(bool on);
    void click() override;

private:
    friend class Form;
    bool checked_ = false;
};

// Containers: panels, group boxes and tab pages.
class Panel : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "Panel"; }
};

class MenuItem : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "MenuItem"; }
};

// A numeric slider or stepper with a position inside [min, max]; on_change fires when the
// position changes.
class TrackBar : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "TrackBar"; }
    int min() const { return min_; }
    int max() const { return max_; }
    int position() const { return position_; }
    void set_range(int min, int max);
    void set_position(int position);
    int selection_end() const { return selection_end_; }
    void set_selection_end(int value);
    int page_size() const { return page_size_; }
    void set_page_size(int value);
    std::string value_text() const override { return std::to_string(position_); }

private:
    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int selection_end_ = 0;
    int page_size_ = 1;
};

// The tab control: the index of the active page; on_change fires when it changes.
class PageControl : public Control {
public:
    using Control::Control;
    std::string_view kind() const override { return "PageControl"; }
    void add_page(Panel& page) { pages_.push_back(&page); }
    const std::vector<Panel*>& pages() const { return pages_; }
    int active_index() const { return active_; }
    Panel* active_page() const;
    void set_active_index(int index);
    void set_active_page(const Panel& page);
    std::string value_text() const override;

private:
    std::vector<Panel*> pages_;
    int active_ = 0;
};

}  // namespace rebanto

#pragma once
// A window model: a caption, a geometry and its named controls. Views observe it.
#include <cstdint>
#include <exception>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "model/control.h"

namespace rebanto {

class Form {
public:
    Form(std::string name, std::string caption);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void set_caption(const std::string& caption);

    // Controls by given name (for the runner, the view binder and tests, never the logic).
    Control* find(const std::string& name) const;
    const std::vector<Control*>& controls() const { return order_; }
    void register_control(Control& control);

    bool visible() const { return visible_; }
    void show();
    void hide();
    // Closing as the user would; a window decides what that means (the main window's
    // exit path). The default hides.
    virtual void close() { hide(); }

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void set_bounds(int left, int top, int width, int height);
    void set_position(int left, int top) { set_bounds(left, top, width_, height_); }
    void set_size(int width, int height) { set_bounds(left_, top_, width, height); }

    // Observers: a view follows its form's changes. One that names the kinds of change it
    // follows is not called for the others (every keystroke and every field a calculation
    // writes is a change).
    using Observer = std::function<void(Control*, Change, int row, int col)>;
    int add_observer(Observer observer);
    int add_observer(Observer observer, std::initializer_list<Change> kinds);
    // One that follows only the controls it names: the changes of every other control pass
    // it by at one test, so the form's many other changes cost it nothing.
    int add_observer(Observer observer, std::initializer_list<Change> kinds,
                     const std::vector<Control*>& controls);
    void remove_observer(int id);
    void notify(Control* control, Change change, int row = -1, int col = -1);
    // How many changes the form has told so far: equal counts taken at two moments mean
    // nothing on it changed in between.
    std::uint64_t change_count() const { return changes_; }

    // What a failure of a user's event means (a beep, a message); set by the application.
    // Without it, failures propagate to the caller.
    std::function<void(std::exception_ptr)> failure_report;

    // Radio buttons: unchecks the other radio buttons of the same parent.
    void uncheck_siblings(const Control& radio);

private:
    std::string name_;
    std::string caption_;
    bool visible_ = false;
    int left_ = 0;
    int top_ = 0;
    int width_ = 400;
    int height_ = 300;
    std::map<std::string, Control*> by_name_;
    std::vector<Control*> order_;
    // Few observers, walked on every change: a vector in the order they were added.
    struct Observing {
        int id;
        std::uint32_t kinds;  // one bit per Change
        Observer observer;
        std::vector<const Control*> controls;  // the controls followed; empty: every one
    };
    std::vector<Observing> observers_;
    // The kinds some observer of every control follows: a change of another kind, to a
    // control no observer names, is heard by nobody.
    std::uint32_t heard_from_all_ = 0;
    void mark_followed();
    int next_observer_ = 1;
    std::uint64_t changes_ = 0;
};

}  // namespace rebanto

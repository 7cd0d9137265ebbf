#pragma once
// The binder of one window: it ties each widget to the model control it shows, follows
// the form's changes and forwards the user's gestures to the control's own actions
// (set_text, click, key_press, ...), the same path the runner and the tests take.
//
// Model → view is batched: a change marks its control dirty, and flush() (run when the
// event loop is idle, or by ViewRefresh) brings the widgets of the dirty controls up to
// date. View → model is immediate.
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <unordered_map>
#include <vector>

#include "model/calendar.h"
#include "model/combo_box.h"
#include "model/control.h"
#include "model/form.h"
#include "model/grid.h"

class QAction;
class QCalendarWidget;
class QComboBox;
class QDateEdit;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QSlider;
class QSpinBox;
class QStatusBar;
class QTabWidget;
class QTableView;
class QWidget;

namespace rebanto::ui {

class ClickableLabel;

// The "クリック操作で入力値を変える" switch of the settings page: whether the quick-entry
// gestures of the labels and fields act (on unless the user turned them off).
bool gestures_enabled();
void set_gestures_enabled(bool on);

class Binder : public QObject {
    Q_OBJECT

public:
    explicit Binder(Form& form, QObject* parent = nullptr);
    ~Binder() override;

    Form& form() const { return form_; }

    // One overload per kind of control. The widget should already sit in its parent.
    void bind(Edit& edit, QLineEdit* widget);
    void bind(Label& label, ClickableLabel* widget);
    // A caption of the view's layout: it shows the label but takes no gestures.
    void bind(Label& label, QLabel* widget);
    void bind(Button& button, QAbstractButton* widget);
    void bind(CheckBox& box, QCheckBox* widget);
    void bind(RadioButton& radio, QRadioButton* widget);
    void bind(Panel& panel, QWidget* widget);
    void bind(MenuItem& item, QAction* action);
    void bind(TrackBar& bar, QSlider* widget);
    // A track bar used as an up-down stepper.
    void bind(TrackBar& bar, QSpinBox* widget);
    // Adds one tab per page of the control, each page an empty widget the view fills.
    void bind(PageControl& pages, QTabWidget* widget);
    void bind(Grid& grid, QTableView* view);
    void bind(Memo& memo, QPlainTextEdit* widget);
    // binder_dates.cpp: a date field typed into a "yyyy/mm/dd" mask (the year's first two
    // places may stay blank), the date picker, a month calendar showing the month
    // `month_offset` months after the control's date, and the drop-down list.
    void bind_masked_date(Edit& edit, QLineEdit* widget);
    void bind(DateTimePicker& picker, QDateEdit* widget);
    void bind(MonthCalendar& calendar, QCalendarWidget* widget, int month_offset = 0);
    void bind(ComboBox& box, QComboBox* widget);

    // The window itself: caption, geometry and visibility follow the form, and the user's
    // close goes to Form::close.
    void bind_window(QWidget* window);
    // Where hints appear when the mouse enters a control; the status label's own text
    // is shown there too.
    void bind_status_bar(Label& status, QStatusBar* bar);

    // The widget (or action) bound to a control; null when none.
    QWidget* widget(const Control& control) const;
    QAction* action(const Control& control) const;

    // Runs `update` now and each time the control's widgets are brought up to date after
    // a change of the control: for what a view shows of a control beyond its widget's
    // own binding (a panel's place, say).
    void track(Control& control, std::function<void()> update);

    // A quick-entry gesture of the control, in words: shown in its tooltip after its hint,
    // with a hand over its widget. While gestures are switched off (gestures_enabled) the
    // control's clicks, right clicks and double clicks do nothing.
    void set_gesture_tip(const Control& control, const QString& tip);

    // Schedules a refresh of the control's widgets.
    void mark(const Control& control);
    // Brings the widgets of every changed control up to date now.
    void flush();

Q_SIGNALS:
    // The user closed the window and the form agreed (it is hidden now).
    void window_closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        QPointer<QObject> target;
        std::vector<std::function<void()>> updates;
        bool dirty = false;
    };

    // Registers the widget of a control: its update runs now and after every change.
    void add(Control& control, QObject* target, std::function<void()> update);
    // Enabled, visible, hint, colours and font: what every control's widget shows.
    void add_common(Control& control, QWidget* widget, std::function<void()> update);
    void add_feed(std::function<void()> sync);
    // Runs the control's updates now, changed or not.
    void refresh(const Control& control);
    void on_change(Control* control, Change change);
    void schedule();
    void update_window();

    // Gestures. A click on a control that also answers double clicks waits for the
    // double-click interval: if a double click follows, only dbl_click() runs (which
    // delivers the click itself).
    void user_click(Control& control);
    void user_double_click(Control& control);
    void deliver_pending_click();
    bool filter_key(Edit& edit, QKeyEvent* event);
    bool filter_mouse(Control& control, QObject* watched, QEvent* event);
    bool filter_window(QEvent* event);

    Form& form_;
    int observer_ = 0;
    std::unordered_map<const Control*, Binding> bindings_;
    std::unordered_map<const QObject*, Control*> by_widget_;
    std::vector<const Control*> dirty_;
    std::vector<std::function<void()>> feeds_;
    std::unordered_map<const Control*, QButtonGroup*> radio_groups_;  // by model parent
    std::unordered_map<const Control*, QString> gesture_tips_;
    bool gesture_blocked(const Control& control) const;
    bool form_dirty_ = false;
    bool scheduled_ = false;
    QPointer<QWidget> window_;
    QPointer<QStatusBar> status_bar_;
    Control* pending_click_ = nullptr;
    QTimer click_timer_;
    bool swallow_release_ = false;
};

}  // namespace rebanto::ui

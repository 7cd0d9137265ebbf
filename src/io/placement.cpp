// The window placement record: positions and sizes of the windows, font sizes of the
// grids and memos, and the column zoom of the current tables, kept in one settings line.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "base/errors.h"
#include "base/field_at.h"
#include "base/numtext.h"
#include "forms/app.h"
#include "forms/tform1.h"
#include "io/settings_table.h"

namespace rebanto {

namespace {

constexpr int kPlacementFields = 50;

// How far the column zoom of the current tables can go. After 27 reductions every column
// and the row height of the design layout are at 5 pixels, where a reduction changes
// nothing more (30 leaves a margin); after 40 enlargements the widest column is 3,489
// pixels and a row 747, beyond any screen, and about 180 would overflow the widths. A
// recorded count outside this range is replayed as its end, and the next save records that.
constexpr int kZoomOutLimit = 30;
constexpr int kZoomInLimit = 40;

// A record value as a window coordinate or size: beyond the range of int it is the end of it.
int saturated(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// Field `index` of the record in the settings store, or nothing when it is not a whole number.
std::optional<int> recorded_field(const TForm1& f, std::size_t index) {
    if (f.Memo3.size() <= kPlacementLine) return std::nullopt;
    const std::vector<std::string> values = split_fields(f.Memo3[kPlacementLine]);
    if (index >= values.size()) return std::nullopt;
    try {
        return saturated(to_int(values[index]));
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

std::string size_hint(int points) {
    return "現文字サイズは　" + std::to_string(points) +
           "　ポイントです。　（サイズのみ終了時自動登録）";
}

// One field of the record: how it is written and how it is applied.
struct PlacementField {
    std::function<int()> read;
    std::function<void(int)> apply;
};

void position_fields(std::vector<PlacementField>& fields, Form& w, bool with_size) {
    fields.push_back({[&w] { return w.top(); },
                      [&w](int v) { w.set_bounds(w.left(), v, w.width(), w.height()); }});
    fields.push_back({[&w] { return w.left(); },
                      [&w](int v) { w.set_bounds(v, w.top(), w.width(), w.height()); }});
    if (!with_size) return;
    fields.push_back({[&w] { return w.height(); },
                      [&w](int v) { w.set_bounds(w.left(), w.top(), w.width(), v); }});
    fields.push_back({[&w] { return w.width(); },
                      [&w](int v) { w.set_bounds(w.left(), w.top(), v, w.height()); }});
}

// A stored font size above 0 goes to the stepper (which applies it) and its hint; 0
// leaves the design font.
PlacementField font_field(const Control& shown, TrackBar* stepper, std::function<void(int)> apply) {
    return {[&shown] { return shown.font_size(); },
            [stepper, apply = std::move(apply)](int v) {
                if (v <= 0) return;
                if (stepper != nullptr) {
                    stepper->set_position(v);
                    stepper->set_hint(size_hint(v));
                }
                if (apply) apply(v);
            }};
}

// A font size for a window that does not yet take one: the recorded size goes back into
// the record unchanged, so it is there when the window comes.
PlacementField carried_field(const TForm1& f, std::size_t index) {
    return {[&f, index] { return recorded_field(f, index).value_or(0); }, [](int) {}};
}

// The zoom goes from where it stands to the recorded count: at start-up that is the count
// replayed from nothing, after a Load it undoes the zoom since the file was saved.
void replay_zoom(TForCur& cur, int recorded) {
    const int target = std::clamp(recorded, -kZoomOutLimit, kZoomInLimit);
    while (cur.ZoomSteps < target)
        cur.zoom(true);
    while (cur.ZoomSteps > target)
        cur.zoom(false);
}

std::vector<PlacementField> placement_fields(App& app) {
    TForm1& f = app.main;
    std::vector<PlacementField> fields;
    position_fields(fields, app.composite_chart, true);  // 0-3
    position_fields(fields, app.navigator, false);       // 4-5
    position_fields(fields, app.cur_chart, true);        // 6-9
    position_fields(fields, app.down_payment, false);    // 10-11
    position_fields(fields, app.rate_list, true);        // 12-15
    position_fields(fields, app.second_repayment, false);
    position_fields(fields, app.addon_dialog, false);
    position_fields(fields, app.rent_dialog, false);
    position_fields(fields, app.rate_change_dialog, false);
    position_fields(fields, app.prepayment_dialog, false);
    position_fields(fields, app.down_payment_bonus, false);            // 26-27
    fields.push_back(font_field(f.StringGrid1, nullptr, [&f](int v) {  // 28
        for (Grid* grid : {&f.StringGrid1, &f.StringGrid2, &f.StringGrid6})
            grid->set_font_size(v);
    }));
    fields.push_back(carried_field(f, 29));  // the navigator's grid
    fields.push_back(font_field(app.rate_list.StringGrid7, &app.rate_list.UpDown1,
                                [&app](int v) { app.rate_list.StringGrid7.set_font_size(v); }));
    fields.push_back(font_field(f.RichEdit1, &f.UpDown1, nullptr));  // 31
    fields.push_back(font_field(f.RichEdit2, &f.UpDown2, nullptr));  // 32
    fields.push_back(carried_field(f, 33));                          // the composite memo
    position_fields(fields, app.study_navigator, false);             // 34-35
    position_fields(fields, app.pension, false);                     // 36-37
    position_fields(fields, app.cur, true);                          // 38-41
    fields.push_back({[&app] { return app.cur.StGr1.font_size(); },  // 42
                      [&app](int v) {
                          const int size = v < 1 ? 10 : v;
                          app.cur.UpDown3.set_position(size);
                          app.cur.StGr1.set_font_size(size);
                          app.cur.StGr2.set_font_size(size);
                          app.cur.UpDown3.set_hint(size_hint(size));
                      }});
    fields.push_back({[&app] { return app.cur.ZoomSteps; },  // 43
                      [&app](int v) { replay_zoom(app.cur, v); }});
    position_fields(fields, app.compare, false);   // 44-45
    position_fields(fields, app.aux_chart, true);  // 46-49
    return fields;
}

}  // namespace

std::string SettingsPage::placement_record() {
    std::vector<std::string> values;
    for (const PlacementField& field : placement_fields(app())) {
        values.push_back(std::to_string(field.read()));
    }
    return join_fields(values);
}

void SettingsPage::restore_placement() {
    if (PlacementRestored) return;
    const std::string record =
        Memo3.size() > kPlacementLine ? Memo3[kPlacementLine] : std::string();
    const std::vector<std::string> values = split_fields(record);
    const auto fields = placement_fields(app());
    for (int i = 0; i < kPlacementFields; ++i) {
        int value = 0;
        try {
            if (i >= static_cast<int>(values.size())) throw ConversionError("");
            value = saturated(to_int(values[i]));
        } catch (const ConversionError&) {
            // A damaged record: the rest is skipped, the current state saved at once, and
            // the next paint tries again with the fresh record.
            try {
                settings_save();
            } catch (const FileError& e) {
                app().platform().error(e.what());
            }
            return;
        }
        fields[i].apply(value);
        if (i == 41 && app().cur.top() == 0 && app().cur.left() == 0) {
            app().cur.set_bounds(538, 459, 587, 442);
        }
    }
    app().rate_list.restore_list_name(Memo3.size() > kRateListNameLine ? Memo3[kRateListNameLine]
                                                                       : std::string("0"));
    PlacementRestored = true;
}

// The client area is the window less its frame: 8 pixels across and 32 down.
void SettingsPage::rescale_controls(Control&) {
    const int client_width = main_.width() - 8;
    const int client_height = main_.height() - 32;
    if (RememberedClientWidth > 0 &&
        (client_width != RememberedClientWidth || client_height != RememberedClientHeight)) {
        const long long ratio = 10000LL * client_width / RememberedClientWidth;
        Edit11.set_text(std::to_string(ratio));  // the views scale their controls by it
    }
    RememberedClientWidth = client_width;
    RememberedClientHeight = client_height;
    Edit11.set_text("10000");
}

}  // namespace rebanto

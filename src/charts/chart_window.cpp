// The view operations of a chart window: the 3-D angles, paging, the PNG file and the
// double click that brings the main windows forward.
#include "forms/chart_window.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <stdexcept>

#include "base/errors.h"
#include "base/linefile.h"
#include "core/field_io.h"
#include "forms/app.h"
#include "tables/file_names.h"

namespace rebanto {

namespace {

// The angle a field asks for, in whole degrees. Beyond 0..360 the field is given the
// limit, as every numeric field is; a text that is no number stops the operation.
int field_angle(Edit& field) {
    const long double value = num(field);
    const long double whole = int_part(std::clamp<long double>(value, 0, ChartModel::kMaxAngle));
    const int angle = static_cast<int>(whole);
    if (value < 0 || value > ChartModel::kMaxAngle) put(field, angle);
    return angle;
}

// An image is replaced whole or not at all: a folder that takes no new file is refused,
// even where the old file could be overwritten in place, so a failed save never leaves
// half an image. A folder with no write permission at all is read-only for everybody.
void require_writable_folder(const std::string& path) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) folder = ".";
    struct stat st;
    const bool writable = ::stat(folder.c_str(), &st) == 0 &&
                          (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 &&
                          ::access(folder.c_str(), W_OK) == 0;
    if (!writable) throw FileError(path + ": フォルダーに書き込めないため保存できません");
}

// The name the PNG file is offered under: the window's first caption up to its first
// space ("カレント表グラフ.png"); the titles of the fills are too long for a file name.
std::string png_name(const std::string& caption) {
    return caption.substr(0, caption.find(' ')) + ".png";
}

// An angle one degree on (step 1) or back (step -1) round the circle: 360 goes round to 0
// before a step on, 0 to 360 before a step back.
int turned(int angle, int step) {
    if (step > 0 && angle == ChartModel::kMaxAngle) angle = 0;
    if (step < 0 && angle == 0) angle = ChartModel::kMaxAngle;
    return angle + step;
}

}  // namespace

ChartWindow::ChartWindow(App& app, std::string name, const std::string& caption)
    : Form(std::move(name), caption), app_(app), png_name_(png_name(caption)) {
    set_bounds(160, 120, 820, 560);
    wire();
}

Handler ChartWindow::guard(void (ChartWindow::*routine)(Control&)) {
    return guarded(*this, routine, app_.platform());
}

void ChartWindow::wire() {
    Button3.on_click = guard(&ChartWindow::Button3Click);
    Button1.on_click = guard(&ChartWindow::Button1Click);
    Button4.on_click = guard(&ChartWindow::Button4Click);
    Button2.on_click = guard(&ChartWindow::Button2Click);
    Edit1.on_change = guard(&ChartWindow::Edit1Change);
    Edit2.on_change = guard(&ChartWindow::Edit2Change);
    Edit1.on_dbl_click = guard(&ChartWindow::Edit1DblClick);
    Edit2.on_dbl_click = guard(&ChartWindow::Edit2DblClick);
    for (Edit* field : {&Edit1, &Edit2}) {
        field->on_key = [this](Control& sender, char32_t& key) {
            app_.main.numeric_key_filter(sender, key);
        };
    }
    Button5.on_click = guard(&ChartWindow::Button5Click);
    Button6.on_click = guard(&ChartWindow::Button6Click);
    Button7.on_click = guard(&ChartWindow::Button7Click);
    Button8.on_click = guard(&ChartWindow::Button8Click);
    Button9.on_click = guard(&ChartWindow::Button9Click);
    Button10.on_click = guard(&ChartWindow::Button10Click);
    Button11.on_click = guard(&ChartWindow::Button11Click);
    Chart1.on_dbl_click = guard(&ChartWindow::Chart1DblClick);

    Edit1.set_hint("仰角（0～360度）　Wクリックで300度");
    Edit2.set_hint("回転（0～360度）　Wクリックで330度");
    Button5.set_hint("仰角・回転とも345度に戻します");
    Button6.set_hint("平面表示（正面）にします");
    Button11.set_hint("表示中のグラフをその大きさのままPNG画像で保存します");
    Chart1.set_hint(
        "左上から右下へドラッグで拡大、右下から左上へドラッグで元に戻ります。"
        "グラフ部分Wクリックで本体表示");
    show_paging(false);
}

// ---- 3-D view ----

// "▲": one degree up; 360 goes round to 0 first.
void ChartWindow::Button3Click(Control&) {
    Chart1.model.set_elevation(turned(Chart1.model.elevation(), 1));
    put(Edit1, Chart1.model.elevation());
}

// "▼": one degree down; 0 goes round to 360 first.
void ChartWindow::Button1Click(Control&) {
    Chart1.model.set_elevation(turned(Chart1.model.elevation(), -1));
    put(Edit1, Chart1.model.elevation());
}

// "→": rotation one degree on.
void ChartWindow::Button4Click(Control&) {
    Chart1.model.set_rotation(turned(Chart1.model.rotation(), 1));
    put(Edit2, Chart1.model.rotation());
}

// "←": rotation one degree back.
void ChartWindow::Button2Click(Control&) {
    Chart1.model.set_rotation(turned(Chart1.model.rotation(), -1));
    put(Edit2, Chart1.model.rotation());
}

void ChartWindow::Edit1Change(Control&) {
    const int angle = field_angle(Edit1);
    Chart1.model.set_view3d(true);
    Chart1.model.set_elevation(angle);
}

void ChartWindow::Edit2Change(Control&) {
    const int angle = field_angle(Edit2);
    Chart1.model.set_view3d(true);
    Chart1.model.set_rotation(angle);
}

void ChartWindow::Edit1DblClick(Control&) {
    Edit1.set_text("300");
    Edit2.set_text("300");
}

void ChartWindow::Edit2DblClick(Control&) {
    Edit1.set_text("330");
    Edit2.set_text("330");
}

// "既": the angles the window starts with.
void ChartWindow::Button5Click(Control&) {
    Edit1.set_text("345");
    Edit2.set_text("345");
}

// "０": writing the fields turns the 3-D view on; the flat front view follows.
void ChartWindow::Button6Click(Control&) {
    Edit1.set_text("0");
    Edit2.set_text("0");
    Chart1.model.set_view3d(false);
}

// ---- Paging ----

void ChartWindow::show_paging(bool paged) {
    Button7.set_enabled(!paged);
    for (Button* b : {&Button8, &Button9, &Button10})
        b->set_enabled(paged);
}

void ChartWindow::Button7Click(Control&) {
    Chart1.model.set_paged(true);
    show_paging(true);
}

void ChartWindow::Button8Click(Control&) {
    Chart1.model.set_paged(false);
    show_paging(false);
}

void ChartWindow::Button9Click(Control&) {
    Chart1.model.previous_page();
}

void ChartWindow::Button10Click(Control&) {
    Chart1.model.next_page();
}

// ---- The PNG file and the way back ----

// The chart as the screen draws it, at its size. The file is replaced only once the
// whole image is written, so a failed save leaves an existing file as it was.
void ChartWindow::Button11Click(Control&) {
    if (png_folder_.empty()) png_folder_ = (app_.start_folder() / "").string();
    FileDialogRequest request{"グラフをPNG画像で保存", png_folder_, png_name_,
                              "PNG画像 (*.png)|*.png", "png"};
    const auto chosen = app_.choose_save_file(request);
    if (!chosen) return;
    if (!Chart1.png_image) {
        throw std::runtime_error("グラフを描く画面がないため、" + *chosen + " に保存できません");
    }
    const std::string bytes = Chart1.png_image();
    if (bytes.empty()) {
        throw std::runtime_error("グラフの画像を作れなかったため、" + *chosen +
                                 " に保存できません");
    }
    require_writable_folder(*chosen);
    replace_file_content(*chosen, bytes);
    png_folder_ = folder_of(*chosen);
}

void ChartWindow::Chart1DblClick(Control&) {
    for (Form* form : std::initializer_list<Form*>{&app_.main, &app_.cur}) {
        form->show();
        if (raise_window) raise_window(*form);
    }
}

// ---- Filling ----

void ChartWindow::chart_table(const Grid& table, ChartedTable kind, const std::string& title,
                              Rgb gradient_end) {
    show();
    set_caption(title);
    ChartData data = schedule_chart_frame(gradient_end);
    try {
        add_schedule_rows(table, kind, data);
    } catch (...) {
        Chart1.model.set_data(std::move(data));
        throw;
    }
    Chart1.model.set_data(std::move(data));
}

}  // namespace rebanto

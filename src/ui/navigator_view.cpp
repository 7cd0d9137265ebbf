#include "ui/navigator_view.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "model/event_boundary.h"
#include "ui/binder.h"
#include "ui/grid_view.h"
#include "ui/page_parts.h"
#include "ui/placer.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

namespace {

constexpr int kRowSpacing = 4;

QHBoxLayout* new_row(QWidget*& widget) {
    QHBoxLayout* row = row_widget(widget, kRowSpacing);
    return row;
}

// A short upright separator between groups of a row.
void gap(QHBoxLayout* row) {
    row->addSpacing(10);
}

}  // namespace

NavigatorView::NavigatorView(TForm4& form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form), binder_(new Binder(form, this)) {
    setObjectName(to_q(form.name()));
    Placer put(*binder_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 6, 8, 0);
    column->setSpacing(4);
    column->addWidget(build_replay_row(put));
    column->addWidget(build_entry_row(put));
    column->addWidget(build_editing_row(put));
    QWidget* tables = build_tables(put);
    column->addWidget(tables, 1);
    auto* status = new QStatusBar(this);
    status->setSizeGripEnabled(true);
    column->addWidget(status);
    binder_->bind_status_bar(form.StatusBar1, status);
    build_boundary_group(put, tables);
    build_daily_panels(put, tables);
    binder_->bind_window(this);
    binder_->flush();
}

void NavigatorView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) run_event(form_, [this] { form_.window_dbl_click(); });
    QWidget::mouseDoubleClickEvent(event);
}

// Which table, the three replays, and the switches that steer them.
QWidget* NavigatorView::build_replay_row(Placer& put) {
    QWidget* widget = nullptr;
    QHBoxLayout* row = new_row(widget);
    QWidget* choice = put.add(row, form_.GroupBox2);
    auto* radios = new QHBoxLayout(choice);
    radios->setContentsMargins(6, 2, 6, 2);
    put.add(radios, form_.RadioButton1);
    put.add(radios, form_.RadioButton2);
    for (Button* replay : {&form_.Button1, &form_.Button8, &form_.Button9}) {
        QWidget* button = put.add(row, *replay);
        fit_button(button);
        embolden(button);
    }
    gap(row);
    put.add(row, form_.CheckBox1);
    put.add(row, form_.Label1);
    figure_field(put.add(row, form_.Edit6), 4);
    put.add(row, form_.Label2);
    gap(row);
    put.add(row, form_.CheckBox2);
    QWidget* correction = put.add(row, form_.Label11);
    clickable_look(correction);
    embolden(correction);
    put.add(row, form_.CheckBox4);
    row->addStretch(1);
    fit_button(put.add(row, form_.Button110), 28);
    fit_button(put.add(row, form_.Button111), 28);
    put.add_stepper(row, form_.UpDown1);
    return widget;
}

// Rate, remaining count, instalment, instalments per row and the running month, written
// into the selected row by ▼ and ▲.
QWidget* NavigatorView::build_entry_row(Placer& put) {
    QWidget* widget = nullptr;
    QHBoxLayout* row = new_row(widget);
    const std::pair<Label*, Edit*> fields[] = {{&form_.Label5, &form_.Edit1},
                                               {&form_.Label6, &form_.Edit2},
                                               {&form_.Label7, &form_.Edit3},
                                               {&form_.Label8, &form_.Edit4},
                                               {&form_.Label9, &form_.Edit7}};
    for (const auto& [label, field] : fields) {
        put.add(row, *label);
        figure_field(put.add(row, *field), field == &form_.Edit3 ? 9 : 6);
    }
    for (Button* step : {&form_.Button3, &form_.Button2}) {
        QWidget* button = put.add(row, *step);
        button->setFixedWidth(button->sizeHint().height() + 8);
    }
    for (Button* button : {&form_.Button11, &form_.Button12, &form_.Button29, &form_.Button13})
        fit_button(put.add(row, *button));
    row->addStretch(1);
    return widget;
}

// Special rows, deletion and copies, the boundary, the bonus correction and the study.
QWidget* NavigatorView::build_editing_row(Placer& put) {
    QWidget* widget = nullptr;
    QHBoxLayout* row = new_row(widget);
    fit_button(put.add(row, form_.Button4));
    // The inserted row lies below the selected one; it is brought into view too.
    auto* insert = static_cast<QAbstractButton*>(put.add(row, form_.Button5));
    fit_button(insert);
    connect(insert, &QAbstractButton::clicked, this, [this] {
        QTimer::singleShot(0, this, [this] {
            Grid& grid = form_.table();
            auto* view = qobject_cast<QTableView*>(binder().widget(grid));
            if (view == nullptr || view->model() == nullptr) return;
            const QModelIndex below =
                view->model()->index(grid.selected_row() + 1, std::max(0, grid.selected_col()));
            if (below.isValid()) view->scrollTo(below);
        });
    });
    put.add(row, form_.Label10);
    figure_field(put.add(row, form_.Edit5), 9);
    clickable_look(put.add(row, form_.La_Uchi));
    figure_field(put.add(row, form_.Ed_Uchi), 3);
    gap(row);
    for (Button* button : {&form_.Button7, &form_.Button10, &form_.Button14})
        fit_button(put.add(row, *button));
    gap(row);
    fit_button(put.add(row, form_.Button21));
    put.add(row, form_.Label27);
    gap(row);
    fit_button(put.add(row, form_.Button28));
    fit_button(put.add(row, form_.Button27));
    fit_button(put.add(row, form_.Button26));
    row->addStretch(1);
    for (Button* button : {&form_.Button19, &form_.Button20, &form_.Button143})
        fit_button(put.add(row, *button));
    return widget;
}

// The two control tables share one place; the radio buttons show one of them.
QWidget* NavigatorView::build_tables(Placer& put) {
    auto* area = new QWidget;
    auto* stack = new QVBoxLayout(area);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    for (Grid* grid : {&form_.StringGrid1, &form_.StringGrid2}) {
        auto* view = static_cast<QTableView*>(put.add(stack, *grid, 1));
        set_fixed_color(view,
                        grid == &form_.StringGrid1 ? QColor(228, 207, 190) : QColor(154, 207, 214));
    }
    return area;
}

// "金利変更境目詳細設定": rates before and after, months or days before and after the
// change, the converted rate and its digits.
void NavigatorView::build_boundary_group(Placer& put, QWidget* over) {
    QWidget* group = put.make(form_.GroupBox1, over);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(10, 6, 10, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    int row = 0;
    put.place(grid, row, 0, form_.Label12);
    put.place(grid, row, 1, form_.Label22);
    put.place(grid, row, 2, form_.Label13);
    put.place(grid, row, 3, form_.Label23);
    put.place(grid, row, 4, form_.CheckBox5, 1, 2);
    ++row;
    put.place(grid, row, 0, form_.RadioButton6, 1, 2);
    figure_field(put.place(grid, row, 2, form_.Edit15), 3);
    put.place(grid, row, 3, form_.Label14);
    figure_field(put.place(grid, row, 4, form_.Edit16), 3);
    put.place(grid, row, 5, form_.Label15);
    QWidget* months = put.stepper(form_.UpDown2, group);
    grid->addWidget(months, row, 6);
    ++row;
    put.place(grid, row, 0, form_.RadioButton5, 1, 2);
    put.place(grid, row, 2, form_.Label16);
    put.place_date(grid, row, 3, form_.MsE1);
    put.place(grid, row, 4, form_.Label17);
    put.place_date(grid, row, 5, form_.MsE2);
    put.place(grid, row, 6, form_.Label18);
    put.place_date(grid, row, 7, form_.MsE3);
    ++row;
    figure_field(put.place(grid, row, 2, form_.Edit12), 4);
    put.place(grid, row, 3, form_.Label19);
    figure_field(put.place(grid, row, 4, form_.Edit13), 4);
    put.place(grid, row, 5, form_.Label20);
    figure_field(put.place(grid, row, 6, form_.Edit14), 4);
    put.place(grid, row, 7, form_.Label21);
    ++row;
    put.place(grid, row, 0, form_.Label24);
    QWidget* rate = put.place(grid, row, 1, form_.Edit17, 1, 2);
    figure_field(rate, 14);
    embolden(rate);
    clickable_look(put.place(grid, row, 3, form_.Label25));
    figure_field(put.place(grid, row, 4, form_.Edit9), 2);
    clickable_look(put.place(grid, row, 5, form_.Label28));
    put.place(grid, row, 6, form_.Label26);
    figure_field(put.place(grid, row, 7, form_.motomoto), 8);
    ++row;
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (Button* button : {&form_.Button23, &form_.Button22, &form_.Button25})
        fit_button(put.add(buttons, *button), 64);
    put.add(buttons, form_.keisan);
    grid->addLayout(buttons, row, 0, 1, 8);
    // At the right, beside the table's columns, so the rows around the change stay in sight.
    float_over(group, [over, group] {
        return QPoint(std::max(over->width() - group->width() - 24, 8), 24);
    });
}

// Daily interest for one instalment ("通常"/"日利"), and for the whole table.
void NavigatorView::build_daily_panels(Placer& put, QWidget* over) {
    QWidget* panel = put.make(form_.Panel1, over);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(10, 8, 10, 8);
    auto* kind = new QHBoxLayout;
    put.add(kind, form_.RadioButton3);
    put.add(kind, form_.RadioButton4);
    figure_field(put.add(kind, form_.Edit8), 4);
    put.add(kind, form_.Label3);
    column->addLayout(kind);
    put.add(column, form_.CheckBox3);
    auto* buttons = new QHBoxLayout;
    for (Button* button : {&form_.But_mDainyu, &form_.Button15, &form_.Button24})
        fit_button(put.add(buttons, *button), 48);
    column->addLayout(buttons);
    float_over(panel, [over, panel] {
        return QPoint(std::max(over->width() - panel->width() - 24, 8), 40);
    });

    QWidget* whole = put.make(form_.Panel2, over);
    auto* line = new QHBoxLayout(whole);
    line->setContentsMargins(10, 8, 10, 8);
    for (Button* button : {&form_.Button16, &form_.Button17, &form_.Button18})
        fit_button(put.add(line, *button), 64);
    float_over(whole, [over, whole] {
        return QPoint(std::max(over->width() - whole->width() - 24, 8), 160);
    });
}

}  // namespace rebanto::ui

#include "ui/control_flow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPoint>
#include <QTableView>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

#include "model/form.h"
#include "model/grid.h"
#include "ui/binder.h"
#include "ui/grid_view.h"
#include "ui/page_parts.h"
#include "ui/placer.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

// ---- The flow ----

namespace {

// The width a widget takes in a row: its fixed width, or the width it asks for.
int width_of(const QWidget* widget) {
    if (widget->minimumWidth() == widget->maximumWidth()) return widget->minimumWidth();
    return std::max(widget->sizeHint().width(), widget->minimumWidth());
}

bool is_input(const Control* control) {
    return dynamic_cast<const Edit*>(control) != nullptr ||
           dynamic_cast<const TrackBar*>(control) != nullptr;
}

bool is_label(const Control* control) {
    return dynamic_cast<const Label*>(control) != nullptr;
}

// Grids, memos and page controls take the full width.
bool is_wide(const Control* control) {
    return dynamic_cast<const Grid*>(control) != nullptr ||
           dynamic_cast<const Memo*>(control) != nullptr ||
           dynamic_cast<const PageControl*>(control) != nullptr;
}

// A label short enough to be the unit after a field ("年", "ヶ月", "％").
constexpr qsizetype kUnitChars = 4;
// Fields stand in columns of at most this many rows, at most three columns.
constexpr int kFieldRows = 5;
constexpr int kFieldColumns = 3;
// Rows a grid inside a box shows without scrolling.
constexpr int kBoxGridRows = 12;

enum class Family { Button, Toggle, Label };

Family family_of(const Control* control) {
    if (dynamic_cast<const CheckBox*>(control) != nullptr ||
        dynamic_cast<const RadioButton*>(control) != nullptr) {
        return Family::Toggle;
    }
    if (is_label(control)) return Family::Label;
    return Family::Button;
}

struct Item {
    enum class Kind { Single, Field, Panel, Box, Wide };
    Kind kind = Kind::Single;
    Control* control = nullptr;               // the single control, the field, the panel, the grid
    Control* lead = nullptr;                  // a field's caption label
    Control* unit = nullptr;                  // a field's unit label
    const FlowHints::Group* group = nullptr;  // Box
    std::vector<Control*> members;            // Box
};

struct Line {
    enum class Kind { Singles, Fields, Shelf, Wide };
    Kind kind;
    std::vector<const Item*> items;
    Family family = Family::Label;  // of a row of singles: its last control that is no label
    bool mixed = false;             // a row of singles that holds a field takes anything
    bool closed = false;            // a hidden panel stands alone
};

class Flow {
public:
    Flow(Placer& put, const Form& form, const FlowHints& hints, int width)
        : put_(put), form_(form), hints_(hints), width_(width) {}

    int fill(QVBoxLayout* layout, const Control* container) {
        QWidget* host = layout->parentWidget();
        if (root_ == nullptr) root_ = host;
        for (Control* control : form_.controls()) {
            auto* item = dynamic_cast<MenuItem*>(control);
            if (item == nullptr || item->parent() != container || bound(*item)) continue;
            host->addAction(put_.action(*item, host));
            host->setContextMenuPolicy(Qt::ActionsContextMenu);
            ++placed_;
        }
        std::vector<Control*> children;
        for (Control* control : flow_children(form_, container, hints_)) {
            if (!bound(*control)) children.push_back(control);
        }
        place(layout, items(children));
        return placed_;
    }

private:
    bool bound(const Control& control) const {
        return put_.binder().widget(control) != nullptr || put_.binder().action(control) != nullptr;
    }

    // The unit after the field at `at`: a short label not followed by a field it names.
    Control* unit_after(const std::vector<Control*>& kids, std::size_t at) const {
        const std::size_t next = at + 1;
        if (next >= kids.size() || !is_label(kids[next])) return nullptr;
        if (hints_.group_starting(*kids[next]) != nullptr) return nullptr;
        if (next + 1 < kids.size() && is_input(kids[next + 1])) return nullptr;
        if (to_q(kids[next]->caption()).size() > kUnitChars) return nullptr;
        return kids[next];
    }

    // The items of a container, or of the view's box `inside`.
    std::vector<Item> items(const std::vector<Control*>& kids,
                            const FlowHints::Group* inside = nullptr) const {
        std::vector<Item> out;
        for (std::size_t i = 0; i < kids.size(); ++i) {
            Control* c = kids[i];
            Item item;
            const FlowHints::Group* group = hints_.group_starting(*c);
            if (group != nullptr && group != inside) {
                item.kind = Item::Kind::Box;
                item.group = group;
                for (; i < kids.size(); ++i) {
                    item.members.push_back(kids[i]);
                    if (kids[i] == group->last) break;
                }
            } else if (dynamic_cast<Panel*>(c) != nullptr) {
                item.kind = Item::Kind::Panel;
                item.control = c;
            } else if (is_wide(c)) {
                item.kind = Item::Kind::Wide;
                item.control = c;
            } else if (is_label(c) && i + 1 < kids.size() && is_input(kids[i + 1]) &&
                       hints_.group_starting(*kids[i + 1]) == nullptr) {
                item.kind = Item::Kind::Field;
                item.lead = c;
                item.control = kids[++i];
                item.unit = unit_after(kids, i);
                if (item.unit != nullptr) ++i;
            } else if (is_input(c)) {
                item.kind = Item::Kind::Field;
                item.control = c;
                item.unit = unit_after(kids, i);
                if (item.unit != nullptr) ++i;
            } else {
                item.control = c;
            }
            out.push_back(std::move(item));
        }
        return out;
    }

    bool has_caption(const Item& item) const {
        if (item.lead != nullptr) return true;
        const FlowHints::Caption* hint = hints_.caption_of(*item.control);
        return hint != nullptr && !hint->before.empty();
    }

    std::vector<Line> lines(const std::vector<Item>& items) const {
        std::vector<Line> out;
        const auto start = [&](Line::Kind kind) -> Line& {
            out.push_back(Line{kind, {}});
            return out.back();
        };
        for (const Item& item : items) {
            Line* current = out.empty() ? nullptr : &out.back();
            switch (item.kind) {
                case Item::Kind::Panel:
                case Item::Kind::Box: {
                    const bool hidden = item.control != nullptr && !item.control->visible();
                    if (hidden || current == nullptr || current->kind != Line::Kind::Shelf ||
                        current->closed) {
                        current = &start(Line::Kind::Shelf);
                    }
                    current->items.push_back(&item);
                    current->closed = hidden;
                    break;
                }
                case Item::Kind::Wide:
                    start(Line::Kind::Wide).items.push_back(&item);
                    break;
                case Item::Kind::Field:
                    if (!has_caption(item) && current != nullptr &&
                        current->kind == Line::Kind::Singles) {
                        current->mixed = true;
                    } else if (current == nullptr || current->kind != Line::Kind::Fields ||
                               !has_caption(item)) {
                        current = &start(Line::Kind::Fields);
                    }
                    current->items.push_back(&item);
                    break;
                case Item::Kind::Single: {
                    const Family family = family_of(item.control);
                    const bool joins =
                        current != nullptr && current->kind == Line::Kind::Singles &&
                        (current->mixed || family == Family::Label ||
                         current->family == Family::Label || current->family == family);
                    if (!joins) current = &start(Line::Kind::Singles);
                    current->items.push_back(&item);
                    if (family != Family::Label) current->family = family;
                    break;
                }
            }
        }
        return out;
    }

    void place(QVBoxLayout* layout, const std::vector<Item>& items) {
        for (const Line& line : lines(items)) {
            switch (line.kind) {
                case Line::Kind::Singles:
                    place_singles(layout, line);
                    break;
                case Line::Kind::Fields:
                    place_fields(layout, line);
                    break;
                case Line::Kind::Shelf:
                    place_shelf(layout, line);
                    break;
                case Line::Kind::Wide: {
                    QWidget* wide = made(*line.items.front()->control, layout);
                    // Inside a box a grid shows whole (up to a screenful), the box around it.
                    if (auto* table = qobject_cast<QTableView*>(wide); table && depth_ > 0) {
                        fit_grid_view(table, kBoxGridRows);
                    }
                    layout->addWidget(wide, 1);
                    break;
                }
            }
        }
    }

    QWidget* made(Control& control, QLayout* layout) {
        return made(control, layout->parentWidget());
    }

    QWidget* made(Control& control, QWidget* parent) {
        QWidget* widget = put_.make(control, parent);
        ++placed_;
        if (dynamic_cast<Button*>(&control) != nullptr) fit_button(widget);
        if (is_input(&control)) size_field(widget, control);
        return widget;
    }

    void size_field(QWidget* widget, const Control& field) const {
        if (dynamic_cast<const TrackBar*>(&field) != nullptr) {
            widget->setMinimumWidth(120);
            return;
        }
        int chars = hints_.width_of(field);
        if (chars == 0) {
            chars = std::clamp(static_cast<int>(to_q(field.text()).size()) + 2, 6, 24);
        }
        set_width_chars(widget, chars);
    }

    // A field's caption: its label, or the view's name for it.
    QWidget* lead_of(const Item& item, QLayout* layout) {
        if (item.lead != nullptr) return made(*item.lead, layout);
        const FlowHints::Caption* hint = hints_.caption_of(*item.control);
        if (hint == nullptr || hint->before.empty()) return nullptr;
        return hint_caption(*item.control, hint->before, layout->parentWidget());
    }

    QWidget* unit_of(const Item& item, QLayout* layout) {
        if (item.unit != nullptr) return made(*item.unit, layout);
        const FlowHints::Caption* hint = hints_.caption_of(*item.control);
        if (hint == nullptr || hint->after.empty()) return nullptr;
        return hint_caption(*item.control, hint->after, layout->parentWidget());
    }

    // A caption the view gives a field: it shows and hides with the field.
    QWidget* hint_caption(Control& field, const FlowHints::Text& text, QWidget* parent) {
        if (text.label != nullptr) return field_caption(put_.binder(), field, *text.label, parent);
        return field_caption(put_.binder(), field, text.words, parent);
    }

    // A row of buttons and the like, wrapped when it would pass the width.
    void place_singles(QVBoxLayout* layout, const Line& line) {
        QHBoxLayout* row = nullptr;
        int used = 0;
        const auto next_row = [&] {
            if (row != nullptr) row->addStretch(1);
            row = new QHBoxLayout;
            row->setSpacing(6);
            layout->addLayout(row);
            used = 0;
        };
        next_row();
        for (const Item* item : line.items) {
            std::vector<QWidget*> widgets;
            if (item->kind == Item::Kind::Field) {
                if (QWidget* lead = lead_of(*item, row)) widgets.push_back(lead);
                widgets.push_back(made(*item->control, row));
                if (QWidget* unit = unit_of(*item, row)) widgets.push_back(unit);
            } else {
                widgets.push_back(made(*item->control, row));
            }
            int wanted = 0;
            for (QWidget* widget : widgets)
                wanted += width_of(widget) + row->spacing();
            if (used > 0 && used + wanted > width_) next_row();
            for (QWidget* widget : widgets)
                row->addWidget(widget);
            used += wanted;
        }
        row->addStretch(1);
    }

    void place_fields(QVBoxLayout* layout, const Line& line) {
        auto* row = new QHBoxLayout;
        layout->addLayout(row);
        auto* grid = new QGridLayout;
        row->addLayout(grid);
        row->addStretch(1);
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(4);
        const int n = static_cast<int>(line.items.size());
        const int columns = n <= kFieldRows ? 1 : std::min(kFieldColumns, (n + 4) / kFieldRows);
        const int rows = (n + columns - 1) / columns;
        for (int k = 0; k < n; ++k) {
            const Item& item = *line.items[static_cast<std::size_t>(k)];
            const int r = k % rows;
            const int c = (k / rows) * 3;
            if (QWidget* lead = lead_of(item, grid)) grid->addWidget(lead, r, c);
            // The unit right after its field, whatever the widths of the fields above.
            auto* cell = new QHBoxLayout;
            cell->setSpacing(4);
            grid->addLayout(cell, r, c + 1);
            cell->addWidget(made(*item.control, cell));
            if (QWidget* unit = unit_of(item, cell)) cell->addWidget(unit);
            cell->addStretch(1);
            if (k / rows + 1 < columns) grid->setColumnMinimumWidth(c + 2, 18);
        }
    }

    // Boxes side by side, a new row when the next would pass the width.
    void place_shelf(QVBoxLayout* layout, const Line& line) {
        QHBoxLayout* row = nullptr;
        int used = 0;
        for (const Item* item : line.items) {
            // A group box hidden at the start is a panel the window opens: it floats over
            // the page when shown, as a popup would.
            if (item->kind == Item::Kind::Panel && !item->control->visible()) {
                float_over(boxed(*item, root_), [] { return QPoint(8, 8); });
                continue;
            }
            if (row == nullptr) {
                row = new QHBoxLayout;
                row->setSpacing(8);
                layout->addLayout(row);
            }
            QWidget* box = boxed(*item, row->parentWidget());
            const int wanted = width_of(box);
            if (used > 0 && used + wanted > width_) {
                row->addStretch(1);
                row = new QHBoxLayout;
                row->setSpacing(8);
                layout->addLayout(row);
                used = 0;
            }
            row->addWidget(box, 0, Qt::AlignTop);
            used += wanted + row->spacing();
        }
        if (row != nullptr) row->addStretch(1);
    }

    // A group box of the model, or a box of the view, filled with its members.
    QWidget* boxed(const Item& item, QWidget* parent) {
        QWidget* box = nullptr;
        if (item.kind == Item::Kind::Box) {
            auto* group = new QGroupBox(parent);
            if (item.group->title.label != nullptr) {
                title_box(put_.binder(), group, *item.group->title.label);
            } else {
                group->setTitle(item.group->title.words);
            }
            box = group;
        } else {
            box = made(*item.control, parent);
        }
        auto* inner = new QVBoxLayout(box);
        inner->setContentsMargins(8, 4, 8, 6);
        inner->setSpacing(4);
        ++depth_;
        if (item.kind == Item::Kind::Box) {
            place(inner, items(item.members, item.group));
        } else {
            fill(inner, item.control);
        }
        --depth_;
        return box;
    }

    Placer& put_;
    const Form& form_;
    const FlowHints& hints_;
    int width_;
    int placed_ = 0;
    QWidget* root_ = nullptr;  // the page or window the flow fills
    int depth_ = 0;            // boxes around the controls being placed
};

}  // namespace

int place_flow(Placer& put, QVBoxLayout* layout, const Form& form, const Control* container,
               const FlowHints& hints, int width) {
    return Flow(put, form, hints, width).fill(layout, container);
}

}  // namespace rebanto::ui

#include "ui/grid_view.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVariant>
#include <algorithm>
#include <cmath>

#include "ui/binder.h"
#include "ui/grid_model.h"

namespace rebanto::ui {

namespace {

const char* const kKeyMove = "rebanto_key_move";

// Marks the view while it handles a key, so a current-cell change can be told apart from
// one the view makes by itself (taking the focus) or under the mouse.
class KeyTracker : public QObject {
public:
    explicit KeyTracker(QTableView* view) : QObject(view), view_(view) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
                view_->setProperty(kKeyMove, true);
                QTimer::singleShot(0, view_,
                                   [view = view_] { view->setProperty(kKeyMove, false); });
                break;
            case QEvent::Show:
            case QEvent::Resize:
                // A cell brought into view before the view had its size was scrolled to
                // in a viewport too small.
                if (view_->currentIndex().isValid()) {
                    view_->scrollTo(view_->currentIndex());
                    keep_origin_in_view(view_);
                }
                break;
            default:
                break;
        }
        return false;
    }

private:
    QTableView* view_;
};

// Grids were designed for a small font whose digits are 6 pixels wide, drawn 2 pixels
// from the cell's left edge.
constexpr double kDesignDigitWidth = 6.0;
constexpr int kDesignTextMargin = 2;

double design_scale(const QTableView* view) {
    const QFontMetricsF metrics(view->font());
    return std::max(1.0, metrics.horizontalAdvance(QLatin1Char('0')) / kDesignDigitWidth);
}

}  // namespace

QTableView* make_grid_view(Binder& binder, Grid& grid, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(QString::fromStdString(grid.name()));
    binder.bind(grid, view);
    return view;
}

void style_grid_view(QTableView* view) {
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
}

void apply_grid_layout(QTableView* view, const Grid& grid) {
    const double scale = design_scale(view);
    const int text_height = QFontMetrics(view->font()).height() + 2;
    const int row_height =
        std::max(text_height, static_cast<int>(std::lround(grid.row_height() * scale)));
    // Narrow columns ("年", "月") are as narrow as the grid says.
    view->verticalHeader()->setMinimumSectionSize(1);
    view->horizontalHeader()->setMinimumSectionSize(1);
    view->verticalHeader()->setDefaultSectionSize(row_height);
    // Qt keeps a wider margin around a cell's text than the grids of old (two pixels on
    // the left); columns get the difference so that what fitted still fits.
    const int margins =
        2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    const int extra = std::max(0, margins - kDesignTextMargin);
    for (int col = 0; col < grid.col_count(); ++col) {
        const int width = static_cast<int>(std::lround(grid.col_width(col) * scale)) + extra;
        view->horizontalHeader()->resizeSection(col, width);
    }
}

void fit_grid_view(QTableView* view, int max_rows) {
    const int frame = 2 * view->frameWidth();
    const int scroll = view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    const QHeaderView* columns = view->horizontalHeader();
    const QHeaderView* rows = view->verticalHeader();
    const int shown = std::min(max_rows, view->model() != nullptr ? view->model()->rowCount() : 0);
    view->setMinimumSize(columns->length() + frame + scroll,
                         shown * rows->defaultSectionSize() + frame);
}

void set_fixed_color(QTableView* view, const QColor& color) {
    if (auto* model = qobject_cast<GridModel*>(view->model())) model->set_fixed_background(color);
}

void track_grid_keys(QTableView* view) {
    view->installEventFilter(new KeyTracker(view));
}

bool grid_key_moving(const QTableView* view) {
    return view != nullptr && view->property(kKeyMove).toBool();
}

void show_grid_selection(QTableView* view, const Grid& grid) {
    QItemSelectionModel* selection = view->selectionModel();
    if (selection == nullptr || view->model() == nullptr) return;
    const QModelIndex target = view->model()->index(grid.selected_row(), grid.selected_col());
    // A selection on the fixed header cells (a grid's start) shows no cursor.
    if (!(view->model()->flags(target) & Qt::ItemIsSelectable)) {
        if (selection->currentIndex().isValid()) selection->clear();
        return;
    }
    if (selection->currentIndex() == target) return;
    selection->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    view->scrollTo(target);
    keep_origin_in_view(view);
}

// Qt does not freeze the fixed rows and columns; they stay in view at least whenever the
// current cell fits beside them (the header row and the row's month stay readable).
void keep_origin_in_view(QTableView* view) {
    const QModelIndex current = view->currentIndex();
    if (!current.isValid()) return;
    const QHeaderView* columns = view->horizontalHeader();
    const QHeaderView* rows = view->verticalHeader();
    const QSize room = view->viewport()->size();
    const int right =
        columns->sectionPosition(current.column()) + columns->sectionSize(current.column());
    if (right <= room.width()) view->horizontalScrollBar()->setValue(0);
    const int bottom = rows->sectionPosition(current.row()) + rows->sectionSize(current.row());
    if (bottom <= room.height()) view->verticalScrollBar()->setValue(0);
}

}  // namespace rebanto::ui

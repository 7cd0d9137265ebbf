#include "ui/grid_view.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVariant>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <limits>
#include <string_view>

#include "model/grid_text.h"
#include "ui/binder.h"
#include "ui/grid_model.h"

namespace rebanto::ui {

namespace {

const char* const kKeyMove = "rebanto_key_move";

// Marks the view while it handles a key, so a current-cell change can be told apart from
// one the view makes by itself (taking the focus) or under the mouse.
class KeyTracker : public QObject {
public:
    explicit KeyTracker(QTableView* view)
        : QObject(view), view_(view), viewport_(view->viewport()) {
        view->installEventFilter(this);
        viewport_->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The viewport taken at construction: while the view is being destroyed it is no
        // longer a scroll area and cannot be asked for its viewport.
        if (watched == viewport_) {
            // The view hears of its new size before its viewport takes it; the cell is
            // brought into view once the viewport has its room.
            if (event->type() == QEvent::Resize && resized_) {
                resized_ = false;
                bring_current_into_view();
            }
            return false;
        }
        switch (event->type()) {
            case QEvent::KeyPress:
                view_->setProperty(kKeyMove, true);
                QTimer::singleShot(0, view_,
                                   [view = view_] { view->setProperty(kKeyMove, false); });
                break;
            case QEvent::Show:
                bring_current_into_view();
                break;
            case QEvent::Resize:
                // A resize that leaves the viewport as it was brings nothing into view.
                resized_ = true;
                QTimer::singleShot(0, this, [this] { resized_ = false; });
                break;
            default:
                break;
        }
        return false;
    }

private:
    // A cell brought into view before the view had its size was scrolled to in a viewport
    // too small.
    void bring_current_into_view() {
        if (!view_->currentIndex().isValid()) return;
        view_->scrollTo(view_->currentIndex());
        keep_origin_in_view(view_);
    }

    QTableView* view_;
    QObject* viewport_;
    bool resized_ = false;
};

// Grids were designed for a small font whose digits are 6 pixels wide, drawn 2 pixels
// from the cell's left edge.
constexpr double kDesignDigitWidth = 6.0;
constexpr int kDesignTextMargin = 2;

double design_scale(const QTableView* view) {
    const QFontMetricsF metrics(view->font());
    return std::max(1.0, metrics.horizontalAdvance(QLatin1Char('0')) / kDesignDigitWidth);
}

// The grid's fixed rows, kept in sight at the top of a grid view while its rows scroll.
//
// A second view of the same model and selection lies over the top of the body's viewport,
// as tall as the fixed rows, as wide as the viewport, scrolled sideways with the body and
// never down. Scrolled to the top it covers the body's own fixed rows exactly, so nothing
// changes there; further down it keeps the column names readable. The body still holds
// every row: indices, clicks, edits, the selection and the adapter's coarse notifications
// are the same as before. (A header view fed from row 0 would need the body to hide its
// fixed rows, would draw them as buttons with the header's margins, and holds one row.)
class FrozenRows : public QTableView {
public:
    explicit FrozenRows(QTableView* body) : QTableView(body), body_(body) {
        setObjectName(body->objectName() + QStringLiteral("_fixed_rows"));
        style_grid_view(this);
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus);  // a click gives the focus to the body beneath
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Sideways these rows take the body's offset in pixels, whatever its scroll mode.
        setHorizontalScrollMode(ScrollPerPixel);
        setVerticalScrollMode(body->verticalScrollMode());
        setEditTriggers(NoEditTriggers);  // fixed cells take no input
        setAutoScroll(false);             // the body's current cell must not scroll these rows
        setShowGrid(body->showGrid());
        setGridStyle(body->gridStyle());
        setTextElideMode(body->textElideMode());
        setModel(body->model());
        QItemSelectionModel* own = selectionModel();
        setSelectionModel(body->selectionModel());
        delete own;
        // A gesture on a fixed cell is the body's, as when the body drew the cell itself.
        connect(this, &QAbstractItemView::pressed, body, &QAbstractItemView::pressed);
        connect(this, &QAbstractItemView::clicked, body, &QAbstractItemView::clicked);
        connect(this, &QAbstractItemView::doubleClicked, body, &QAbstractItemView::doubleClicked);
        connect(this, &QAbstractItemView::activated, body, &QAbstractItemView::activated);
        connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
            if (value != 0) verticalScrollBar()->setValue(0);
        });
    }

    // The body does the scrolling; these rows only follow it sideways.
    void scrollTo(const QModelIndex&, ScrollHint) override {}

protected:
    void wheelEvent(QWheelEvent* event) override {
        QCoreApplication::sendEvent(body_->viewport(), event);
    }
    // A drag from a fixed cell would pick cells by this view's unscrolled rows.
    void mouseMoveEvent(QMouseEvent*) override {}

private:
    QTableView* body_;
};

// The table view of every grid: its fixed rows stay at the top (above).
class GridTableView : public QTableView {
public:
    using QTableView::QTableView;
    ~GridTableView() override { delete frozen_; }

    // The selected block (or the current cell) with its header row, for a spreadsheet.
    void copy_selection() const {
        const auto* adapter = qobject_cast<const GridModel*>(model());
        if (adapter == nullptr || selectionModel() == nullptr) return;
        int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;
        for (const QItemSelectionRange& range : selectionModel()->selection()) {
            top = std::min(top, range.top());
            left = std::min(left, range.left());
            bottom = std::max(bottom, range.bottom());
            right = std::max(right, range.right());
        }
        if (bottom < 0) {
            const QModelIndex current = currentIndex();
            if (!current.isValid()) return;
            top = bottom = current.row();
            left = right = current.column();
        }
        const std::string text = block_tsv(adapter->grid(), top, left, bottom, right);
        if (!text.empty()) QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    }

    // Lays the fixed rows over the view once it has its model and selection.
    void freeze_fixed_rows() {
        if (frozen_ != nullptr || model() == nullptr) return;
        frozen_ = new FrozenRows(this);
        // The fixed rows' own range follows their width a moment later than the body's.
        const auto follow = [this] { follow_scroll(); };
        connect(frozen_->horizontalScrollBar(), &QScrollBar::valueChanged, frozen_, follow);
        connect(frozen_->horizontalScrollBar(), &QScrollBar::rangeChanged, frozen_, follow);
        connect(horizontalHeader(), &QHeaderView::sectionResized, frozen_,
                [this](int col, int, int width) { frozen_->setColumnWidth(col, width); });
        connect(verticalHeader(), &QHeaderView::sectionResized, frozen_, [this](int row) {
            if (row < fixed_rows()) place_frozen();
        });
        follow_layout();
    }

    // The fixed rows take the body's column widths and row heights.
    void follow_layout() {
        if (frozen_ == nullptr) return;
        frozen_->horizontalHeader()->setMinimumSectionSize(1);
        frozen_->verticalHeader()->setMinimumSectionSize(1);
        frozen_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
        for (int col = 0; col < model()->columnCount(); ++col) {
            if (frozen_->columnWidth(col) != columnWidth(col))
                frozen_->setColumnWidth(col, columnWidth(col));
        }
        place_frozen();
    }

    // A row brought into view at the top edge would lie under the fixed rows: the body
    // scrolls back until it shows below them.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override {
        QTableView::scrollTo(index, hint);
        if (frozen_ == nullptr || frozen_->isHidden() || !index.isValid()) return;
        if (index.row() < fixed_rows()) return;
        QScrollBar* bar = verticalScrollBar();
        const int cover = frozen_->height();
        if (verticalScrollMode() == ScrollPerPixel) {
            const int under = cover - visualRect(index).top();
            if (under > 0) bar->setValue(bar->value() - under);
            return;
        }
        while (visualRect(index).top() < cover && bar->value() > bar->minimum())
            bar->setValue(bar->value() - 1);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event == QKeySequence::Copy) {
            copy_selection();
            event->accept();
            return;
        }
        QTableView::keyPressEvent(event);
    }
    // A grid whose right click steps a value keeps it to itself; the others offer copying.
    void contextMenuEvent(QContextMenuEvent* event) override {
        const auto* adapter = qobject_cast<const GridModel*>(model());
        if (adapter == nullptr || adapter->grid().on_right_click) return;
        QMenu menu(this);
        QAction* copy = menu.addAction(QStringLiteral("コピー"), [this] { copy_selection(); });
        copy->setShortcut(QKeySequence::Copy);
        QAction* all = menu.addAction(QStringLiteral("すべて選択"), [this] { selectAll(); });
        all->setShortcut(QKeySequence::SelectAll);
        menu.exec(event->globalPos());
    }
    // Runs as the viewport changes size, rows come and go and columns are resized.
    void updateGeometries() override {
        QTableView::updateGeometries();
        place_frozen();
    }
    void scrollContentsBy(int dx, int dy) override {
        QTableView::scrollContentsBy(dx, dy);
        if (dx != 0 && frozen_ != nullptr) follow_scroll();
    }

private:
    int fixed_rows() const {
        const auto* grid = qobject_cast<const GridModel*>(model());
        return grid != nullptr ? std::min(grid->grid().fixed_rows(), grid->rowCount()) : 0;
    }

    void place_frozen() {
        if (frozen_ == nullptr) return;
        const int rows = fixed_rows();
        int height = 0;
        for (int row = 0; row < rows; ++row) {
            if (frozen_->rowHeight(row) != rowHeight(row))
                frozen_->setRowHeight(row, rowHeight(row));
            height += rowHeight(row);
        }
        const QRect area = viewport()->geometry();
        const QRect place(area.topLeft(), QSize(area.width(), std::min(height, area.height())));
        if (frozen_->geometry() != place) frozen_->setGeometry(place);
        const bool shown = !place.isEmpty();
        if (frozen_->isHidden() == shown) {
            frozen_->setVisible(shown);
            if (shown) frozen_->raise();
        }
        follow_scroll();
    }

    // Sideways the fixed rows scroll with the body, pixel for pixel.
    void follow_scroll() {
        QScrollBar* fixed = frozen_->horizontalScrollBar();
        const int offset = horizontalHeader()->offset();
        if (fixed->value() != offset) fixed->setValue(offset);
    }

    QPointer<FrozenRows> frozen_;
};

// The width of a cell's text. Figures, commas and signs are measured a character at a time
// from a table made once per font (they do not kern); a text with other characters is
// shaped whole. A schedule's cells are nearly all figures, and shaping each one was most
// of what keeping the columns wide enough cost.
class TextWidths {
public:
    explicit TextWidths(const QFont& font) : metrics_(font), exact_(font) { ascii_.fill(-1.0); }

    int of(const std::string& text) {
        // Advances in fractions of a pixel, summed and rounded up: never narrower than the
        // text drawn whole.
        qreal width = 0;
        for (const char c : text) {
            const auto code = static_cast<unsigned char>(c);
            if (code >= ascii_.size() || !is_figure_char(c))
                return metrics_.horizontalAdvance(QString::fromStdString(text));
            if (ascii_[code] < 0) ascii_[code] = exact_.horizontalAdvance(QLatin1Char(c));
            width += ascii_[code];
        }
        return static_cast<int>(std::ceil(width));
    }

private:
    static bool is_figure_char(char c) {
        return (c >= '0' && c <= '9') ||
               std::string_view(",.-+%/: ").find(c) != std::string_view::npos;
    }

    QFontMetrics metrics_;
    QFontMetricsF exact_;
    std::array<qreal, 128> ascii_{};
};

// Columns grow to their widest cell as rows come (the totals row of a finished run). Only
// the rows that came or changed since the last measure are measured, once however many
// notifications named them: a replay appending rows one by one costs one pass over the
// new rows, not one over the whole table each time.
class ColumnWidener : public QObject {
public:
    explicit ColumnWidener(QTableView* view) : QObject(view), view_(view) {
        timer_.setSingleShot(true);
        timer_.setInterval(0);
        connect(&timer_, &QTimer::timeout, this, [this] { measure(); });
        QAbstractItemModel* model = view->model();
        connect(model, &QAbstractItemModel::modelReset, this,
                [this] { take(0, std::numeric_limits<int>::max()); });
        connect(model, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex&, int first, int last) { take(first, last); });
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex& top, const QModelIndex& bottom) {
                    take(top.row(), bottom.row());
                });
    }

private:
    void take(int first, int last) {
        top_ = top_ < 0 ? first : std::min(top_, first);
        bottom_ = std::max(bottom_, last);
        timer_.start();
    }
    void measure() {
        if (top_ >= 0) widen_columns_to_contents(view_, top_, bottom_);
        top_ = bottom_ = -1;
    }

    QTableView* view_;
    QTimer timer_;
    int top_ = -1;  // rows still to measure, inclusive; -1 when none
    int bottom_ = -1;
};

}  // namespace

QTableView* make_grid_view(Binder& binder, Grid& grid, QWidget* parent) {
    auto* view = new GridTableView(parent);
    view->setObjectName(QString::fromStdString(grid.name()));
    binder.bind(grid, view);
    new ColumnWidener(view);
    // Blocks of cells are picked with the mouse or Shift and the arrows, for copying.
    view->setSelectionMode(QAbstractItemView::ContiguousSelection);
    view->freeze_fixed_rows();
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
    // The layout is laid again only when the grid's widths, its row height or the font
    // changed: a grid told of other changes (its colour, its place) keeps its columns,
    // and its cells were measured as they came.
    QVariantList layout{scale, row_height, view->font().pointSizeF(), grid.fixed_rows(),
                        grid.fixed_cols()};
    for (int col = 0; col < grid.col_count(); ++col)
        layout.append(grid.col_width(col));
    const char* const kLaidOut = "rebanto_laid_out";
    if (view->property(kLaidOut).toList() == layout) return;
    view->setProperty(kLaidOut, layout);
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
    widen_columns_to_contents(view);
}

void widen_columns_to_contents(QTableView* view) {
    widen_columns_to_contents(view, 0, std::numeric_limits<int>::max());
}

void widen_columns_to_contents(QTableView* view, int first_row, int last_row) {
    const auto* adapter = qobject_cast<const GridModel*>(view->model());
    if (adapter == nullptr) {
        if (auto* grid_view = dynamic_cast<GridTableView*>(view)) grid_view->follow_layout();
        return;
    }
    const Grid& grid = adapter->grid();
    TextWidths text_widths(view->font());
    const int margins =
        2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 2);
    QHeaderView* columns = view->horizontalHeader();
    // The grid's own widths when the view was made: a column zoomed since (the current
    // tables' "←→" and "→←") takes its widest cell by the same ratio.
    const char* const kBaseWidths = "rebanto_base_widths";
    if (!view->property(kBaseWidths).isValid()) {
        QVariantList widths;
        for (int col = 0; col < grid.col_count(); ++col)
            widths.append(grid.col_width(col));
        view->setProperty(kBaseWidths, widths);
    }
    const QVariantList base = view->property(kBaseWidths).toList();
    for (int col = 0; col < grid.col_count(); ++col) {
        const int base_width = col < base.size() ? base[col].toInt() : 0;
        const double zoom =
            base_width > 0 ? static_cast<double>(grid.col_width(col)) / base_width : 1.0;
        int needed = 0;
        const int end = std::min(last_row, grid.row_count() - 1);
        for (int row = std::max(first_row, 0); row <= end; ++row) {
            const std::string& text = grid.cell(row, col);
            if (!text.empty()) needed = std::max(needed, text_widths.of(text));
        }
        const int wanted = static_cast<int>(std::lround((needed + margins) * zoom));
        if (needed > 0 && columns->sectionSize(col) < wanted) columns->resizeSection(col, wanted);
    }
    if (auto* grid_view = dynamic_cast<GridTableView*>(view)) grid_view->follow_layout();
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
    new KeyTracker(view);
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

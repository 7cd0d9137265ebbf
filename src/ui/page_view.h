#pragma once
// One page of the main window's view. Each page owns the widgets of its page and their
// layout; the window view builds its pages in the order they are registered, so that a
// page laid out from the model places only what earlier pages left.
#include "forms/tform1.h"
#include "ui/control_flow.h"

class QGridLayout;
class QTabWidget;

namespace rebanto::ui {

class Binder;
class Placer;

// What a page may use of its window.
struct PageViewContext {
    TForm1& form;
    Binder& binder;
    Placer& put;
    QTabWidget* pages;  // the page control, for what floats over every page
    int width;          // how wide a row of group boxes may grow on a page
};

class PageView {
public:
    PageView(const PageViewContext& window, Panel& sheet);
    virtual ~PageView() = default;
    PageView(const PageView&) = delete;
    PageView& operator=(const PageView&) = delete;

    // The page of the model this view fills.
    Panel& sheet() const { return sheet_; }
    // Fills the page's grid.
    virtual void build(QGridLayout* page) = 0;

protected:
    // Places the controls of the page that no builder placed, below what is there.
    void place_rest(QGridLayout* page, int row, const FlowHints& hints = {});
    // Keeps the placed controls in the top-left corner as the page grows.
    static void fill_rest(QGridLayout* page, int rows, int cols);

    TForm1& form_;
    Binder* binder_;
    Placer& put_;
    QTabWidget* pages_;
    int width_;

private:
    Panel& sheet_;
};

}  // namespace rebanto::ui

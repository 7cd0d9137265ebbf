#pragma once
// The view of the main window TForm1: the basic loan settings and the calculation
// indicators above, the pages below, hints in the status bar.
#include <QMainWindow>
#include <memory>
#include <vector>

#include "forms/tform1.h"
#include "ui/control_flow.h"
#include "ui/page_view.h"
#include "ui/placer.h"

class QGridLayout;
class QHBoxLayout;
class QMenu;
class QTabWidget;

namespace rebanto::ui {

class AmountPage;
class Binder;
class InputMarks;

class MainWindowView : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindowView(TForm1& form, QWidget* parent = nullptr);

    TForm1& form() const { return form_; }
    Binder& binder() const { return *binder_; }
    QTabWidget* pages() const { return pages_; }
    // The digit-unit menu of the title label.
    QMenu* digit_menu() const { return digit_menu_; }
    // The popup menu of the page "個別返済額算定".
    QMenu* amount_menu() const;

    // The size at which every page shows whole, without scrolling (at least the design size).
    QSize natural_size() const;
    // The least width at which the basic settings and the whole calculation page (its
    // inputs, the memo group and the run buttons "メモ記載" to "ボ") show without scrolling.
    int least_width() const;

    // The views of the pages, in the order they were built.
    const std::vector<std::unique_ptr<PageView>>& page_views() const { return page_views_; }

    // The marks of inputs the calculation cannot read.
    InputMarks& input_marks() const { return *input_marks_; }

    static constexpr int kMinimumWidth = 324;
    static constexpr int kMinimumHeight = 256;

private:
    QWidget* build_title_row();
    QWidget* build_basic_settings();
    QWidget* build_indicators();
    void build_digit_menu(QWidget* title);
    void build_settings_panel(QWidget* indicators);
    void build_pages(QWidget* parent);
    void build_gesture_switch();
    // The page views, built in the order they are registered.
    void register_pages();
    template <class Page, class... Args>
    Page& register_page(Args&&... args);
    // The layout of a page: a grid that grows as controls are placed on it.
    QGridLayout* page_layout(Panel& page) const;
    // How wide a row of group boxes may grow on a page.
    int page_width() const;

    TForm1& form_;
    Binder* binder_;
    Placer put_;
    QTabWidget* pages_ = nullptr;
    QMenu* digit_menu_ = nullptr;
    InputMarks* input_marks_ = nullptr;
    std::vector<std::unique_ptr<PageView>> page_views_;
    AmountPage* amount_page_ = nullptr;
    QWidget* indicators_ = nullptr;
};

}  // namespace rebanto::ui

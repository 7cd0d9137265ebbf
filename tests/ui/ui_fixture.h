#pragma once
// The shared fixture of the Qt tests: a watchdog that fails a test on a modal dialog it
// did not expect (closing it, so the test ends instead of hanging), helpers to answer
// the dialogs it does expect, to flush the views and to wait for deferred gestures.
#include <gtest/gtest.h>
#include <QModelIndex>
#include <QPoint>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <ostream>

#include "forms/app.h"
#include "model/headless_platform.h"

class QTableView;
class QWidget;

// Failures name a cell by its row and column.
void PrintTo(const QModelIndex& index, std::ostream* out);

namespace rebanto::ui {

class AppViews;

// The cell a user sees at a point of a table view's viewport: that of whichever item view
// is drawn there (the view itself, or one laid over it); invalid where no cell shows.
QModelIndex cell_shown_at(QTableView* view, QPoint point);
// The widget that takes a mouse click at a point of a table view's viewport, and the
// point in its own coordinates.
QWidget* widget_at(QTableView* view, QPoint point, QPoint* local);

class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The next modal dialog is expected; answer receives it and must close it.
    void expect_dialog(std::function<void(QWidget*)> answer);
    // Model changes reach the widgets; layouts settle.
    static void flush();
    // Runs the event loop until the condition holds; false on timeout.
    static bool wait_until(const std::function<bool()>& condition, int timeout_ms = 3000);

private:
    void check_for_dialog();

    QTimer watchdog_;
    std::deque<std::function<void(QWidget*)>> expected_;
};

// The whole application on a headless platform, with a view for every window, started
// in a temporary start folder.
class AppViewTest : public UiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    App& app() { return *app_; }
    AppViews& views() { return *views_; }
    // The widget bound to a control of the main window.
    QWidget* main_widget(const Control& control) const;

    HeadlessPlatform platform_;

private:
    QTemporaryDir folder_;
    std::unique_ptr<App> app_;
    std::unique_ptr<AppViews> views_;
};

}  // namespace rebanto::ui

#pragma once
// One view for every window of the application, created once and never destroyed before
// the application ends; each is shown and hidden as its form is.
#include <QObject>
#include <array>
#include <memory>
#include <vector>

#include "forms/app.h"

class QWidget;

namespace rebanto::ui {

class CurrentTablesView;
class MainWindowView;

class AppViews : public QObject {
    Q_OBJECT

public:
    explicit AppViews(App& app, QObject* parent = nullptr);
    ~AppViews() override;

    MainWindowView& main() const { return *main_; }
    CurrentTablesView& current_tables() const { return *current_; }
    // The window of a form; null for a form of another application.
    QWidget* window(const Form& form) const;

    // Whether the start folder had no settings file when the views were made: nothing
    // recorded says where the windows go.
    bool first_start() const { return first_start_; }
    // At a first start, lays the main window, the current tables and the comparison window
    // out for the screen the main window opens on; otherwise does nothing.
    void place_for_first_start();
    // A window manager may hang a window's frame above the screen when the window was
    // placed before its frame was known, its title bar out of reach: once the frames are
    // there, such a window comes down (and in) to the screen's edge.
    void bring_title_bars_on_screen();

Q_SIGNALS:
    // The user closed the main window and the main form let it close.
    void quit_requested();

private:
    // The chart windows, whose double click raises the main windows.
    std::array<ChartWindow*, 4> charts() const;

    App& app_;
    std::vector<std::unique_ptr<QWidget>> windows_;  // in the order of App::forms()
    MainWindowView* main_ = nullptr;
    CurrentTablesView* current_ = nullptr;
    bool first_start_ = false;
};

}  // namespace rebanto::ui

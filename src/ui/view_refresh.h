#pragma once
// Model changes reach the widgets in batches: each binder collects the controls that
// changed and brings their widgets up to date when the event loop is next idle. A long
// run that never returns to the loop asks for a repaint through the platform instead.
namespace rebanto::ui {

class Binder;

class ViewRefresh {
public:
    // Brings every view up to date now.
    static void flush_all();
    // During a long run: flush_all, then lets Qt paint (user input stays queued until the
    // run ends), at most once every tenth of a second; sooner it does nothing.
    static void repaint();
    // True while repaint() is letting events through: a deferred user gesture waits.
    static bool repainting();

private:
    friend class Binder;
    static void add(Binder* binder);
    static void remove(Binder* binder);
};

}  // namespace rebanto::ui

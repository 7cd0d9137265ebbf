#include "ui/view_refresh.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "ui/binder.h"

namespace rebanto::ui {

namespace {

std::vector<Binder*>& binders() {
    static std::vector<Binder*> all;
    return all;
}

int repaint_depth = 0;

// Progress during a long run is painted at most this often: a run that ends sooner is
// painted once, when it returns to the event loop, and the repaints on its way cost nothing.
constexpr qint64 kProgressIntervalMs = 100;

// Time since the current run's start or its last progress paint; invalid while the event
// loop is idle. A zero timer tells the run's end: it fires only once the loop gets control
// again, at the end of the run or inside a progress paint (which starts the clock again).
QElapsedTimer run_clock;
bool idle_marker_armed = false;

void arm_idle_marker() {
    if (idle_marker_armed) return;
    idle_marker_armed = true;
    QTimer::singleShot(0, [] {
        idle_marker_armed = false;
        run_clock.invalidate();
    });
}

}  // namespace

void ViewRefresh::add(Binder* binder) {
    binders().push_back(binder);
}

void ViewRefresh::remove(Binder* binder) {
    auto& all = binders();
    all.erase(std::remove(all.begin(), all.end(), binder), all.end());
}

void ViewRefresh::flush_all() {
    // By index: a view built during a flush adds its binder to the end.
    for (std::size_t i = 0; i < binders().size(); ++i)  // NOLINT(modernize-loop-convert)
        binders()[i]->flush();
}

void ViewRefresh::repaint() {
    if (!run_clock.isValid()) {
        run_clock.start();
        arm_idle_marker();
        return;
    }
    if (run_clock.elapsed() < kProgressIntervalMs) return;
    flush_all();
    ++repaint_depth;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    --repaint_depth;
    run_clock.start();
    arm_idle_marker();
}

bool ViewRefresh::repainting() {
    return repaint_depth > 0;
}

}  // namespace rebanto::ui

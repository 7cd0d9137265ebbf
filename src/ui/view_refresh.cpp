#include "ui/view_refresh.h"

#include <QCoreApplication>
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
    flush_all();
    ++repaint_depth;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    --repaint_depth;
}

bool ViewRefresh::repainting() {
    return repaint_depth > 0;
}

}  // namespace rebanto::ui

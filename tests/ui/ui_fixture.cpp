#include "ui_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTableView>

#include "ui/app_views.h"
#include "ui/binder.h"
#include "ui/main_window_view.h"
#include "ui/view_refresh.h"

void PrintTo(const QModelIndex& index, std::ostream* out) {
    if (!index.isValid()) {
        *out << "(no cell)";
    } else {
        *out << "(row " << index.row() << ", column " << index.column() << ")";
    }
}

namespace rebanto::ui {

QWidget* widget_at(QTableView* view, QPoint point, QPoint* local) {
    const QPoint in_view = view->viewport()->mapTo(view, point);
    QWidget* target = view->childAt(in_view);
    if (target == nullptr) return nullptr;
    if (local != nullptr) *local = target->mapFrom(view, in_view);
    return target;
}

QModelIndex cell_shown_at(QTableView* view, QPoint point) {
    const QPoint in_view = view->viewport()->mapTo(view, point);
    for (QWidget* w = widget_at(view, point, nullptr); w != nullptr && w != view->parentWidget();
         w = w->parentWidget()) {
        if (auto* items = qobject_cast<QAbstractItemView*>(w)) {
            return items->indexAt(items->viewport()->mapFrom(view, in_view));
        }
    }
    return {};
}

void UiTest::SetUp() {
    watchdog_.setInterval(20);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] { check_for_dialog(); });
    watchdog_.start();
}

void UiTest::TearDown() {
    watchdog_.stop();
    EXPECT_TRUE(expected_.empty()) << "an expected dialog never appeared";
}

void UiTest::expect_dialog(std::function<void(QWidget*)> answer) {
    expected_.push_back(std::move(answer));
}

void UiTest::check_for_dialog() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    if (!expected_.empty()) {
        auto answer = std::move(expected_.front());
        expected_.pop_front();
        answer(modal);
        return;
    }
    QString text = modal->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) text += QStringLiteral(": ") + box->text();
    ADD_FAILURE() << "unexpected modal dialog " << text.toStdString();
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    } else {
        modal->close();
    }
}

void UiTest::flush() {
    for (int i = 0; i < 2; ++i) {
        ViewRefresh::flush_all();
        QCoreApplication::processEvents();
    }
}

bool UiTest::wait_until(const std::function<bool()>& condition, int timeout_ms) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeout_ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    flush();
    return true;
}

void AppViewTest::SetUp() {
    UiTest::SetUp();
    ASSERT_TRUE(folder_.isValid());
    app_ = std::make_unique<App>(platform_, AppOptions{folder_.path().toStdString()});
    views_ = std::make_unique<AppViews>(*app_);
    app_->start();
    flush();
}

void AppViewTest::TearDown() {
    views_.reset();
    app_.reset();
    UiTest::TearDown();
}

QWidget* AppViewTest::main_widget(const Control& control) const {
    return views_->main().binder().widget(control);
}

}  // namespace rebanto::ui

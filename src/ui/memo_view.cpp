#include "ui/memo_view.h"

#include <QPlainTextEdit>
#include <QStringList>

#include "model/form.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

MemoFeed::MemoFeed(Memo& memo, QPlainTextEdit* view) : QObject(view), memo_(memo), view_(view) {
    observer_ = memo_.form().add_observer([this](Control* control, Change change, int, int) {
        if (control != &memo_) return;
        if (change == Change::MemoReset) reset_pending_ = true;
    });
}

MemoFeed::~MemoFeed() {
    memo_.form().remove_observer(observer_);
}

void MemoFeed::sync() {
    if (view_ == nullptr) return;
    const auto& lines = memo_.lines();
    if (reset_pending_ || lines.size() < shown_ || shown_ == 0) {
        QStringList all;
        all.reserve(static_cast<qsizetype>(lines.size()));
        for (const auto& line : lines)
            all.push_back(to_q(line));
        view_->setPlainText(all.join(QLatin1Char('\n')));
    } else if (lines.size() > shown_) {
        QStringList added;
        for (std::size_t i = shown_; i < lines.size(); ++i)
            added.push_back(to_q(lines[i]));
        view_->appendPlainText(added.join(QLatin1Char('\n')));
    }
    shown_ = lines.size();
    reset_pending_ = false;
}

}  // namespace rebanto::ui

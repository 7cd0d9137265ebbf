#include "ui/main_window_view.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "base/errors.h"
#include "core/gesture_tips.h"
#include "forms/app.h"
#include "io/view_settings.h"
#include "ui/amount_page.h"
#include "ui/binder.h"
#include "ui/clickable_label.h"
#include "ui/input_marks.h"
#include "ui/page_parts.h"
#include "ui/page_views.h"
#include "ui/qt_text.h"

namespace rebanto::ui {

MainWindowView::MainWindowView(TForm1& form, QWidget* parent)
    : QMainWindow(parent), form_(form), binder_(new Binder(form, this)), put_(*binder_) {
    setObjectName(QString::fromStdString(form.name()));
    setMinimumSize(kMinimumWidth, kMinimumHeight);

    // Below its usual size the window scrolls rather than squeezing its controls.
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* content = new QWidget(scroll);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(8, 6, 8, 4);
    column->setSpacing(6);
    column->addWidget(build_title_row());
    column->addWidget(build_basic_settings());
    build_pages(content);
    column->addWidget(pages_, 1);
    build_settings_panel(indicators_);
    scroll->setWidget(content);
    setCentralWidget(scroll);

    auto* status = new QStatusBar(this);
    setStatusBar(status);
    binder_->bind_status_bar(form.StatusBar1, status);
    input_marks_ = new InputMarks(form, *binder_, status, calculation_inputs(form),
                                  calculation_results(form), kStaleResults, this);
    for (const auto& [control, tip] : gesture_tips(form)) {
        binder_->set_gesture_tip(*control, to_q(tip));
    }
    build_gesture_switch();
    // F1 is help, as everywhere else on the desktop.
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] { form_.BtHelp.click(); });
    binder_->bind_window(this);
    binder_->flush();
}

QWidget* MainWindowView::build_title_row() {
    auto* row = new QWidget;
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(6);

    QWidget* title = put_.add(line, form_.Label20);
    QFont title_font = title->font();
    title_font.setPointSizeF(title_font.pointSizeF() * 1.5);
    title_font.setBold(true);
    title->setFont(title_font);
    build_digit_menu(title);

    line->addSpacing(12);
    QWidget* method = put_.add(line, form_.HHkkgg);
    set_width_chars(method, 2);
    static_cast<QLineEdit*>(method)->setAlignment(Qt::AlignCenter);
    QWidget* change = put_.add(line, form_.Button130);
    change->setFixedWidth(change->sizeHint().height() + 10);
    line->addSpacing(18);
    indicators_ = build_indicators();
    line->addWidget(indicators_);
    line->addStretch(1);
    put_.add(line, form_.Button114);
    put_.add(line, form_.Button115);
    return row;
}

// The three calculation-setting indicators: coloured boxes that open the settings panel.
QWidget* MainWindowView::build_indicators() {
    auto* box = new QWidget;
    auto* line = new QHBoxLayout(box);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(4);
    const struct {
        Edit& edit;
        Label& caption;
    } indicators[] = {{form_.HRh, form_.CaptionIndicatorInstalment},
                      {form_.HRr, form_.CaptionIndicatorInterest},
                      {form_.FuriR, form_.CaptionIndicatorAccrual}};
    for (const auto& indicator : indicators) {
        line->addWidget(caption(*binder_, indicator.caption, box));
        QWidget* field = put_.add(line, indicator.edit);
        const int side = field->fontMetrics().height() + 4;
        field->setFixedSize(side * 2, side);
        field->setCursor(Qt::PointingHandCursor);
        line->addSpacing(8);
    }
    return box;
}

QWidget* MainWindowView::build_basic_settings() {
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    auto* line = new QHBoxLayout(frame);
    line->setContentsMargins(8, 4, 8, 4);
    line->setSpacing(4);
    const auto field = [&](Edit& edit, int chars) {
        QWidget* widget = put_.add(line, edit);
        set_width_chars(widget, chars);
        static_cast<QLineEdit*>(widget)->setAlignment(Qt::AlignRight);
    };
    // A name, its field and its unit.
    const auto setting = [&](Label& name, Edit& edit, int chars, Label& unit) {
        put_.add(line, name);
        field(edit, chars);
        put_.add(line, unit);
    };
    setting(form_.Label8, form_.Ed0_moto, 12, form_.Label19);
    line->addSpacing(12);
    setting(form_.Label17, form_.Ed0_kin, 7, form_.Label18);
    line->addSpacing(12);
    // The term in years, then its months.
    setting(form_.Label21, form_.Ed0_nen, 3, form_.Label22);
    field(form_.Ed0_tuki, 2);
    put_.add(line, form_.Label23);
    line->addSpacing(12);
    setting(form_.Label9, form_.Ed0_wari, 4, form_.Label10);
    line->addStretch(1);
    return frame;
}

// The settings panel of the calculation page: rounding of the instalment and of the
// interest, and the accrual unit. The indicators open it; it floats over the page just
// below them, as a popup would.
void MainWindowView::build_settings_panel(QWidget* indicators) {
    QWidget* page = binder_->widget(form_.TabSheet1);
    QWidget* panel = put_.make(form_.Panel5, page);
    auto* line = new QHBoxLayout(panel);
    line->setContentsMargins(10, 8, 10, 8);
    line->setSpacing(10);
    const auto group = [&](Panel& box, std::initializer_list<RadioButton*> radios) {
        QWidget* widget = put_.add(line, box);
        auto* column = new QVBoxLayout(widget);
        column->setSpacing(2);
        for (RadioButton* radio : radios)
            put_.add(column, *radio);
        column->addStretch(1);
    };
    group(form_.GrpKinto, {&form_.RB11, &form_.RB12, &form_.RB13});
    group(form_.GrpRisoku, {&form_.RB21, &form_.RB22, &form_.RB23});
    group(form_.GrpFuri,
          {&form_.Furi10000, &form_.Furi1000, &form_.Furi100, &form_.Furi10, &form_.Furi1});
    auto* buttons = new QVBoxLayout;
    put_.add(buttons, form_.Button106);
    put_.add(buttons, form_.Button147);
    buttons->addStretch(1);
    line->addLayout(buttons);
    float_over(panel, [page, indicators] {
        const int x = page->mapFromGlobal(indicators->mapToGlobal(QPoint(0, 0))).x();
        return QPoint(std::max(x - 12, 4), 4);
    });
}

void MainWindowView::build_digit_menu(QWidget* title) {
    digit_menu_ = new QMenu(title);
    for (MenuItem* item : {&form_.Kta9, &form_.Kta8, &form_.Kta7, &form_.Kta6, &form_.Kta5,
                           &form_.Kta4, &form_.Kta3, &form_.Kta2, &form_.Kta1, &form_.Kta0}) {
        digit_menu_->addAction(put_.action(*item, digit_menu_));
    }
    digit_menu_->addSeparator();
    digit_menu_->addAction(put_.action(form_.KtaD, digit_menu_));
    digit_menu_->addAction(put_.action(form_.KtaU, digit_menu_));
    title->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(title, &QWidget::customContextMenuRequested, this,
            [this, title](const QPoint& at) { digit_menu_->popup(title->mapToGlobal(at)); });
}

void MainWindowView::build_pages(QWidget* parent) {
    pages_ = static_cast<QTabWidget*>(put_.make(form_.PageControl1, parent));
    for (Panel* page : form_.PageControl1.pages()) {
        auto* layout = new QGridLayout(binder_->widget(*page));
        layout->setContentsMargins(8, 8, 8, 8);
        layout->setHorizontalSpacing(8);
        layout->setVerticalSpacing(6);
    }
    register_pages();
    for (const auto& page : page_views_)
        page->build(page_layout(page->sheet()));
}

template <class Page, class... Args>
Page& MainWindowView::register_page(Args&&... args) {
    const PageViewContext context{form_, *binder_, put_, pages_, page_width()};
    auto page = std::make_unique<Page>(context, std::forward<Args>(args)...);
    Page& made = *page;
    page_views_.push_back(std::move(page));
    return made;
}

// A page laid out from the model places only what the pages before it left: the
// batch page goes first, as it places the second stream's name.
void MainWindowView::register_pages() {
    register_page<BatchPageView>();
    amount_page_ = &register_page<AmountPage>();
    register_page<MemoPageView>(
        form_.TabSheet3, MemoPageParts{form_.RichEdit1, form_.Bt7_MClear, form_.Button2,
                                       form_.Button40, form_.Button5, form_.Button70, form_.UpDown1,
                                       form_.Label_m, form_.CaptionMemoClearMonthly,
                                       form_.CaptionFontSizeMonthly, &form_.Button120});
    register_page<MemoPageView>(
        form_.TabSheet4,
        MemoPageParts{form_.RichEdit2, form_.Bt7_BClear, form_.Button7, form_.Button41,
                      form_.Button8, form_.Button85, form_.UpDown2, form_.Label_b,
                      form_.CaptionMemoClearBonus, form_.CaptionFontSizeBonus, &form_.Button121});
    register_page<CompositePageView>();
    register_page<DatesPageView>();
    register_page<SettingsPageView>();
    register_page<ExplanationPageView>();
}

QMenu* MainWindowView::amount_menu() const {
    return amount_page_->menu();
}

QGridLayout* MainWindowView::page_layout(Panel& page) const {
    return static_cast<QGridLayout*>(binder_->widget(page)->layout());
}

QSize MainWindowView::natural_size() const {
    auto* scroll = static_cast<QScrollArea*>(centralWidget());
    QWidget* content = scroll->widget();
    // The widest page decides: a page that is not open still needs its room when it opens.
    QSize needed = content->minimumSizeHint();
    for (int i = 0; i < pages_->count(); ++i) {
        // A page whose groups wrap when narrow would like them on one line.
        const QSize page =
            pages_->widget(i)->minimumSizeHint().expandedTo(pages_->widget(i)->sizeHint());
        needed.setWidth(
            std::max(needed.width(), page.width() + (content->width() - pages_->width()) + 16));
    }
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int status = statusBar() != nullptr ? statusBar()->sizeHint().height() : 0;
    return QSize(std::max(form_.width(), needed.width() + bar),
                 std::max(form_.height(), needed.height() + status));
}

// The switch is kept in a file of its own beside the settings file, whose lines it leaves
// alone.
void MainWindowView::build_gesture_switch() {
    QWidget* sheet = binder_->widget(form_.TabSheet5);
    auto* page = static_cast<QGridLayout*>(sheet->layout());
    auto* box = new QCheckBox(QStringLiteral("クリック操作で入力値を変える"), sheet);
    box->setObjectName(QStringLiteral("gesture_switch"));
    box->setToolTip(QStringLiteral(
        "項目名や入力欄のクリック・右クリック・ダブルクリックで入力値を増減・設定します。"
        "外すと、クリックしても値は変わりません"));
    const std::filesystem::path file = form_.app().start_folder() / kViewSettingsFile;
    std::vector<std::string> problems;
    const ViewSettings settings = read_view_settings(file, problems);
    set_gestures_enabled(settings.gestures);
    box->setChecked(settings.gestures);
    if (!problems.empty()) statusBar()->showMessage(to_q(problems.front()));
    page->addWidget(box, page->rowCount(), 0, 1, std::max(1, page->columnCount()));
    connect(box, &QCheckBox::toggled, this, [this, file](bool on) {
        set_gestures_enabled(on);
        try {
            write_view_settings(file, ViewSettings{on});
        } catch (const FileError& e) {
            statusBar()->showMessage(QString::fromUtf8(e.what()));
        }
    });
}

int MainWindowView::least_width() const {
    auto* scroll = static_cast<QScrollArea*>(centralWidget());
    QWidget* content = scroll->widget();
    QWidget* calculation = binder_->widget(form_.TabSheet1);
    int needed = calculation->minimumSizeHint().width() + content->width() - calculation->width();
    // The title row and the basic settings above the pages.
    const QLayout* column = content->layout();
    const QMargins margins = column->contentsMargins();
    for (int i = 0; i < column->count(); ++i) {
        const QWidget* row = column->itemAt(i)->widget();
        if (row == nullptr || row == pages_) continue;
        needed =
            std::max(needed, row->minimumSizeHint().width() + margins.left() + margins.right());
    }
    return needed + scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

int MainWindowView::page_width() const {
    return form_.width() - 60;
}

}  // namespace rebanto::ui

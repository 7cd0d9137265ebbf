// The captions the views lay out beside the controls are labels of the window models:
// every label on screen shows a control of its window (or is made from one), and a
// caption follows its label when the label changes.
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <set>
#include <string>

#include "ui/app_views.h"
#include "ui/binder.h"
#include "ui/page_view.h"
#include "ui/main_window_view.h"
#include "ui_fixture.h"

namespace rebanto::ui {
namespace {

class ViewCaptions : public AppViewTest {
protected:
    TForm1& f() { return app().main; }

    // The control a label's name gives, with the suffix of a caption made from it.
    static const Control* named_control(const Form& form, const QString& name) {
        QString control = name;
        if (control.endsWith(QLatin1String("_caption"))) control.chop(8);
        return form.find(control.toStdString());
    }
};

// ---- No caption of its own in any view ----

TEST_F(ViewCaptions, EveryLabelOfEveryWindowShowsAControlOfItsWindow) {
    flush();
    int checked = 0;
    for (Form* form : app().forms()) {
        QWidget* window = views().window(*form);
        ASSERT_NE(window, nullptr) << form->name();
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            // A window with no controls yet shows its own caption.
            if (label->text().isEmpty() ||
                label->text() == QString::fromStdString(form->caption())) {
                continue;
            }
            const Control* control = named_control(*form, label->objectName());
            EXPECT_NE(control, nullptr) << form->name() << ": a label of the view alone shows \""
                                        << label->text().toStdString() << "\"";
            if (control == nullptr) continue;
            EXPECT_TRUE(label->text().contains(QString::fromStdString(control->caption())))
                << form->name() << "." << control->name();
            ++checked;
        }
    }
    // The captions of the pages, the panels and the dialogs.
    EXPECT_GT(checked, 300);
}

TEST_F(ViewCaptions, EveryBoxTitleOfTheMainWindowIsTheCaptionOfALabelOrAGroup) {
    std::set<std::string> captions;
    for (const Control* control : f().controls())
        captions.insert(control->caption());
    for (const QGroupBox* box : views().window(f())->findChildren<QGroupBox*>()) {
        if (box->title().isEmpty()) continue;
        EXPECT_EQ(captions.count(box->title().toStdString()), 1u) << box->title().toStdString();
    }
}

// ---- The texts the runner sees are those on screen ----

TEST_F(ViewCaptions, TheLayoutCaptionsKeepTheirTexts) {
    // Written out here as the pages have always shown them.
    EXPECT_EQ(f().CaptionSearchTitle.caption(), "逆算検索");
    EXPECT_EQ(f().CaptionPassedMonths.caption(), "ヶ月 (");
    EXPECT_EQ(f().CaptionPrepaymentTitle.caption(), "内入（元金の一部返済）");
    EXPECT_EQ(f().CaptionVariableYears.caption(), "変動ｼﾐｭﾚｰｼｮﾝ年数");
    EXPECT_EQ(f().CaptionLoanDates.caption(), "融資実行日と初回返済日");
    EXPECT_EQ(app().compare.CaptionColumnGroups.caption(), "列組数");
    EXPECT_EQ(app().cur_chart.CaptionElevation.caption(), "仰角");
}

TEST_F(ViewCaptions, ACaptionFollowsItsLabel) {
    QWidget* title = main_widget(f().CaptionSearchTitle);
    ASSERT_NE(title, nullptr);
    f().CaptionSearchTitle.set_caption("検索の逆算");
    flush();
    EXPECT_EQ(static_cast<QLabel*>(title)->text(), QStringLiteral("検索の逆算"));
}

TEST_F(ViewCaptions, ABoxTitleFollowsItsLabel) {
    const auto titled = [&](const QString& text) {
        for (const QGroupBox* box : views().window(f())->findChildren<QGroupBox*>()) {
            if (box->title() == text) return true;
        }
        return false;
    };
    ASSERT_TRUE(titled(QStringLiteral("融資実行日と初回返済日")));
    f().CaptionLoanDates.set_caption("融資日");
    flush();
    EXPECT_TRUE(titled(QStringLiteral("融資日")));
    EXPECT_FALSE(titled(QStringLiteral("融資実行日と初回返済日")));
}

TEST_F(ViewCaptions, AFieldCaptionHidesWithItsFieldEvenWhenItsLabelChanges) {
    QWidget* caption = main_widget(f().CaptionMonthShift);
    ASSERT_NE(caption, nullptr);
    f().Edit59.hide();
    flush();
    EXPECT_TRUE(caption->isHidden());
    f().CaptionMonthShift.set_caption("増減");
    flush();
    EXPECT_TRUE(caption->isHidden());
    f().Edit59.show();
    flush();
    EXPECT_FALSE(caption->isHidden());
}

// ---- One view per page ----

TEST_F(ViewCaptions, EveryPageOfTheMainWindowHasOneViewOfItsOwn) {
    std::map<const Panel*, int> views_of;
    for (const auto& page : views().main().page_views())
        ++views_of[&page->sheet()];
    for (Panel* sheet : f().PageControl1.pages())
        EXPECT_EQ(views_of[sheet], 1) << sheet->name();
    EXPECT_EQ(views().main().page_views().size(), f().PageControl1.pages().size());
}

}  // namespace
}  // namespace rebanto::ui

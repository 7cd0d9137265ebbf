// Controls laid out from the model alone: a label names the field after it, a short label
// after a field is its unit, group boxes hold their own controls, rows wrap, and the
// view's hints name, move, adopt and group what the model leaves bare.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/form.h"
#include "ui/binder.h"
#include "ui/control_flow.h"
#include "ui/placer.h"
#include "ui_fixture.h"

namespace rebanto::ui {
namespace {

struct FlowForm : Form {
    FlowForm() : Form("TFlow", "流れ") {
        for (Control* c : std::initializer_list<Control*>{&rate_name, &rate, &rate_unit, &go, &box,
                                                          &loose, &stop, &menu}) {
            c->set_parent(&page);
        }
        for (Control* c : std::initializer_list<Control*>{&first, &second, &years}) {
            c->set_parent(&box);
        }
    }
    Panel page{*this, "Page", "頁"};
    Label rate_name{*this, "LaRate", "年金利"};
    Edit rate{*this, "EdRate", "2.325"};
    Label rate_unit{*this, "LaUnit", "％"};
    Button go{*this, "BtGo", "計算"};
    Panel box{*this, "Box", "方式"};
    RadioButton first{*this, "Rb1", "固定"};
    RadioButton second{*this, "Rb2", "変動"};
    Edit years{*this, "EdYears", "3"};
    Edit loose{*this, "EdLoose", "x"};
    Button stop{*this, "BtStop", "停止"};
    MenuItem menu{*this, "MnCopy", "写す"};
    Edit orphan{*this, "EdOrphan", "0"};  // the model gives it no container
};

class ControlFlowTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        binder = new Binder(form, &window);
        column = new QVBoxLayout(&window);
    }
    int place(const FlowHints& hints = {}, int width = 860) {
        Placer put(*binder);
        const int placed = place_flow(put, column, form, &form.page, hints, width);
        window.resize(900, 400);
        window.show();
        flush();
        return placed;
    }
    QWidget* widget(const Control& control) const { return binder->widget(control); }
    QPoint at(const QWidget* w) const { return w->mapTo(&window, w->rect().center()); }
    QLabel* label(const QString& text) const {
        for (QLabel* l : window.findChildren<QLabel*>()) {
            if (l->text() == text) return l;
        }
        return nullptr;
    }

    FlowForm form;
    QWidget window;
    Binder* binder = nullptr;
    QVBoxLayout* column = nullptr;
};

TEST_F(ControlFlowTest, EveryControlOfTheContainerGetsOneBoundWidget) {
    EXPECT_EQ(place(), 11);
    for (const Control* control : form.controls()) {
        if (control == &form.page || control == &form.orphan || control == &form.menu) continue;
        EXPECT_NE(widget(*control), nullptr) << control->name();
    }
    EXPECT_EQ(widget(form.orphan), nullptr);
    ASSERT_NE(binder->action(form.menu), nullptr);
    EXPECT_TRUE(window.actions().contains(binder->action(form.menu)));
}

TEST_F(ControlFlowTest, AControlTheViewPlacedAlreadyIsLeftAlone) {
    Placer put(*binder);
    QWidget* own = put.add(column, form.go);
    place();
    EXPECT_EQ(widget(form.go), own);
    EXPECT_EQ(window.findChildren<QPushButton*>(QStringLiteral("BtGo")).size(), 1);
}

TEST_F(ControlFlowTest, ALabelNamesTheFieldAfterItAndAShortOneAfterItIsItsUnit) {
    place();
    const QPoint name = at(widget(form.rate_name));
    const QPoint field = at(widget(form.rate));
    const QPoint unit = at(widget(form.rate_unit));
    EXPECT_NEAR(name.y(), field.y(), 2);
    EXPECT_NEAR(unit.y(), field.y(), 2);
    EXPECT_LT(name.x(), field.x());
    EXPECT_LT(field.x(), unit.x());
}

TEST_F(ControlFlowTest, AGroupBoxHoldsItsControlsAndAFieldWithoutLabelJoinsTheirRow) {
    place();
    auto* box = qobject_cast<QGroupBox*>(widget(form.box));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->title(), QStringLiteral("方式"));
    for (const Control* c :
         std::initializer_list<const Control*>{&form.first, &form.second, &form.years}) {
        EXPECT_TRUE(box->isAncestorOf(widget(*c))) << c->name();
    }
    EXPECT_NEAR(at(widget(form.years)).y(), at(widget(form.second)).y(), 2);
    EXPECT_FALSE(box->isAncestorOf(widget(form.loose)));
}

TEST_F(ControlFlowTest, AHiddenControlIsPlacedHidden) {
    form.stop.hide();
    place();
    ASSERT_NE(widget(form.stop), nullptr);
    EXPECT_FALSE(widget(form.stop)->isVisible());
    form.stop.show();
    flush();
    EXPECT_TRUE(widget(form.stop)->isVisible());
}

TEST_F(ControlFlowTest, HintsNameAdoptMoveAndGroup) {
    FlowHints hints;
    hints.caption(form.loose, QStringLiteral("備考"), QStringLiteral("件"))
        .adopt(form.page, form.orphan, &form.loose)
        .follow(form.stop, form.go)
        .group(form.go, form.stop, QStringLiteral("操作"));
    place(hints);
    QLabel* before = label(QStringLiteral("備考"));
    QLabel* after = label(QStringLiteral("件"));
    ASSERT_NE(before, nullptr);
    ASSERT_NE(after, nullptr);
    EXPECT_LT(at(before).x(), at(widget(form.loose)).x());
    EXPECT_GT(at(after).x(), at(widget(form.loose)).x());
    ASSERT_NE(widget(form.orphan), nullptr);
    EXPECT_GT(at(widget(form.orphan)).y(), at(widget(form.loose)).y());

    QGroupBox* operations = nullptr;
    for (QGroupBox* box : window.findChildren<QGroupBox*>()) {
        if (box->title() == QStringLiteral("操作")) operations = box;
    }
    ASSERT_NE(operations, nullptr);
    EXPECT_TRUE(operations->isAncestorOf(widget(form.go)));
    EXPECT_TRUE(operations->isAncestorOf(widget(form.stop)));
    EXPECT_NEAR(at(widget(form.stop)).y(), at(widget(form.go)).y(), 2);
    EXPECT_GT(at(widget(form.stop)).x(), at(widget(form.go)).x());

    form.loose.hide();
    flush();
    EXPECT_FALSE(before->isVisible());
    EXPECT_FALSE(after->isVisible());
}

TEST_F(ControlFlowTest, AGroupBoxHiddenAtTheStartFloatsOverTheContainerWhenShown) {
    form.box.hide();
    place();
    QWidget* box = widget(form.box);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(box->parentWidget(), &window);
    form.box.show();
    flush();
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->pos(), QPoint(8, 8));
    EXPECT_GE(box->width(), box->sizeHint().width());
}

TEST_F(ControlFlowTest, ARowOfButtonsWrapsAtTheWidth) {
    form.box.set_parent(nullptr);  // the two buttons stand next to each other
    form.loose.set_parent(nullptr);
    place({}, 60);
    EXPECT_GT(at(widget(form.stop)).y(), at(widget(form.go)).y());
}

}  // namespace
}  // namespace rebanto::ui

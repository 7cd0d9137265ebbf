#pragma once
// A small window model with one control of each kind, shown by a view made with the
// Placer, for the binder's tests.
#include <QGroupBox>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QWidget>

#include "model/form.h"
#include "model/grid.h"
#include "ui/binder.h"
#include "ui/placer.h"
#include "ui_fixture.h"

namespace rebanto::ui {

struct TestForm : Form {
    TestForm() : Form("TTest", "テスト") {
        first.set_parent(&group);
        second.set_parent(&group);
    }
    void close() override {
        if (!refuse_close) hide();
    }

    bool refuse_close = false;
    Panel group{*this, "Group", "組"};
    Edit edit{*this, "Edit1", "100"};
    Edit other{*this, "Edit2"};
    Label label{*this, "Label1", "ラベル"};
    Button button{*this, "Button1", "押す"};
    CheckBox box{*this, "Check1", "有"};
    RadioButton first{*this, "RB1", "一"};
    RadioButton second{*this, "RB2", "二"};
    MenuItem item{*this, "Item1", "項目"};
    Memo memo{*this, "Memo1"};
    Label status{*this, "Status"};
};

class BoundFormTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        binder = new Binder(form, &window);
        Placer put(*binder);
        auto* layout = new QVBoxLayout(&window);
        put.add(layout, form.group);
        for (Control* control : std::initializer_list<Control*>{
                 &form.edit, &form.other, &form.label, &form.button, &form.box, &form.memo}) {
            put.add(layout, *control);
        }
        // The radio buttons share a model parent but sit apart on screen.
        put.add(layout, form.first);
        put.add(new QVBoxLayout(widget<QWidget>(form.group)), form.second);
        action = put.action(form.item, &window);
        status_bar = new QStatusBar(&window);
        layout->addWidget(status_bar);
        binder->bind_status_bar(form.status, status_bar);
        binder->bind_window(&window);
        form.set_bounds(50, 50, 400, 500);
        form.show();
        flush();
    }

    template <class W>
    W* widget(const Control& control) const {
        return qobject_cast<W*>(binder->widget(control));
    }

    TestForm form;
    QWidget window;
    Binder* binder = nullptr;
    QStatusBar* status_bar = nullptr;
    QAction* action = nullptr;
};

}  // namespace rebanto::ui

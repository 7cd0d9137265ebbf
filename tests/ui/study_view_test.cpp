// The study window's tax panel on screen: a tax figure that does not read is framed in red
// and named in the window's status bar, like the main window's inputs.
#include <QStatusBar>
#include <QWidget>

#include "ui/app_views.h"
#include "ui/binder.h"
#include "ui/input_marks.h"
#include "ui/study_view.h"
#include "ui_fixture.h"

namespace rebanto::ui {
namespace {

class StudyViewTest : public AppViewTest {
protected:
    TForm10& study() { return app().study_navigator; }
    StudyView& view() { return *dynamic_cast<StudyView*>(views().window(study())); }
};

TEST_F(StudyViewTest, ANegativeIncomeTaxIsFramedAndNamedUntilItReads) {
    study().Button24.click();
    study().EdSyotokuzei.set_text("-5");
    flush();
    view().input_marks().refresh();
    QWidget* field = view().binder().widget(study().EdSyotokuzei);
    ASSERT_NE(field, nullptr);
    EXPECT_TRUE(field->styleSheet().contains(QStringLiteral("#d00000")));
    EXPECT_EQ(view().input_marks().status_text(),
              QStringLiteral("入力エラー：所得税額の「-5」は負の数です。控除額は最高額のままです"));
    EXPECT_TRUE(view().binder().widget(study().EdJuminzei)->styleSheet().isEmpty());

    study().EdSyotokuzei.set_text("150000");
    flush();
    view().input_marks().refresh();
    EXPECT_TRUE(field->styleSheet().isEmpty());
    EXPECT_TRUE(view().input_marks().status_text().isEmpty());
}

}  // namespace
}  // namespace rebanto::ui

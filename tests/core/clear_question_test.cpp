// "メモクリアー" asks before it erases tables and memos that hold work; No keeps them.
#include "core/clear_question.h"

#include "app_fixture.h"

namespace rebanto::testing {
namespace {

class ClearQuestionTest : public AppTest {
protected:
    void commit_one_step() {
        f1.Ed0_moto.set_text("30000000");
        f1.Ed0_wari.set_text("20");
        f1.Button1.click();
        platform.take_log();
    }
    const std::string question = std::string("question ") + kClearAllQuestion;
};

TEST_F(ClearQuestionTest, FreshStartHasNothingToLose) {
    EXPECT_FALSE(clearing_erases_work(f1, app.cur));
}

TEST_F(ClearQuestionTest, NoKeepsTablesAndMemos) {
    commit_one_step();
    ASSERT_TRUE(clearing_erases_work(f1, app.cur));
    const auto memo_lines = f1.RichEdit1.lines().size();
    f1.Bt0_allClear.click();  // the queue is empty: the answer is No
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{question + " -> no"});
    EXPECT_EQ(app.cur.StGr1.row_count(), 3);
    EXPECT_EQ(app.cur.StGr2.row_count(), 3);
    EXPECT_EQ(f1.RichEdit1.lines().size(), memo_lines);
}

TEST_F(ClearQuestionTest, YesErasesBothTablesAndMemos) {
    commit_one_step();
    platform.queue_answer(true);
    f1.Bt0_allClear.click();
    EXPECT_EQ(platform.take_log(), std::vector<std::string>{question + " -> yes"});
    EXPECT_EQ(app.cur.StGr1.row_count(), 2);
    EXPECT_EQ(app.cur.StGr2.row_count(), 2);
    EXPECT_EQ(f1.RichEdit1.lines().size(), 2u);
    EXPECT_EQ(f1.RichEdit2.lines().size(), 2u);
    EXPECT_FALSE(clearing_erases_work(f1, app.cur));
}

TEST_F(ClearQuestionTest, ClearingByTheProgramAsksNothing) {
    commit_one_step();
    f1.Bt0_allClearClick(f1.Bt0_allClear);
    EXPECT_TRUE(platform.take_log().empty());
    EXPECT_EQ(app.cur.StGr1.row_count(), 2);
}

}  // namespace
}  // namespace rebanto::testing

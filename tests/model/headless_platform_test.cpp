// The headless platform: queued answers, the event log, a fixed clock and generator.
#include <gtest/gtest.h>

#include "model/headless_platform.h"

namespace rebanto {
namespace {

TEST(HeadlessQuestions, AnswersComeFromTheQueueAndDefaultToNo) {
    HeadlessPlatform p;
    p.queue_answer(true);
    EXPECT_TRUE(p.ask("記録して終了しますか。"));
    EXPECT_FALSE(p.ask("もう一度？"));
    const auto log = p.take_log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], "question 記録して終了しますか。 -> yes");
    EXPECT_EQ(log[1], "question もう一度？ -> no");
    EXPECT_TRUE(p.take_log().empty()) << "taking the log empties it";
}

TEST(HeadlessLog, BeepsAndMessagesAreRecordedInOrder) {
    HeadlessPlatform p;
    p.beep(Beep::Warning);
    p.message("完了");
    p.error("読めません");
    p.beep(Beep::Information);
    EXPECT_EQ(p.take_log(), (std::vector<std::string>{"beep warning", "info 完了",
                                                      "error 読めません", "beep information"}));
}

TEST(HeadlessDialogs, AnEmptyFileQueueCancels) {
    HeadlessPlatform p;
    EXPECT_FALSE(p.open_file({}).has_value());
    p.queue_file("/tmp/a.mpc");
    EXPECT_EQ(p.save_file({}).value(), "/tmp/a.mpc");
    EXPECT_FALSE(p.save_file({}).has_value());
}

TEST(HeadlessClock, AFixedDateIsReturned) {
    HeadlessPlatform p;
    p.set_today(Date{2026, 12, 8});
    EXPECT_EQ(p.today(), (Date{2026, 12, 8}));
}

TEST(HeadlessRandom, TheSameStartingPointGivesTheSameSequence) {
    HeadlessPlatform a;
    HeadlessPlatform b;
    a.fix_random(42);
    b.fix_random(42);
    for (int i = 0; i < 5; ++i) {
        const double x = a.random();
        EXPECT_EQ(x, b.random());
        EXPECT_GE(x, 0.0);
        EXPECT_LT(x, 1.0);
    }
    for (int i = 0; i < 50; ++i) {
        const int k = a.random_int(3);
        EXPECT_GE(k, 0);
        EXPECT_LT(k, 3);
    }
    EXPECT_EQ(a.random_int(0), 0);
}

TEST(HeadlessPrinting, PrintJobsAreKeptWithTheirTitle) {
    HeadlessPlatform p;
    EXPECT_TRUE(p.print(PrintJob{"返済計算", {"line"}, {}}));
    ASSERT_EQ(p.printed().size(), 1u);
    EXPECT_EQ(p.printed()[0].title, "返済計算");
    EXPECT_EQ(p.take_log().back(), "print 返済計算");
}

}  // namespace
}  // namespace rebanto

namespace rebanto {
namespace {

TEST(HeadlessRandom, AFixedSequenceSurvivesRandomize) {
    HeadlessPlatform a;
    HeadlessPlatform b;
    a.fix_random(7);
    b.fix_random(7);
    a.randomize();  // a table that asks for a fresh start keeps the fixed sequence
    EXPECT_EQ(a.random(), b.random());
}

}  // namespace
}  // namespace rebanto

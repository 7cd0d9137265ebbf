// Files chosen in the program's dialogs that are no plain file: every reader refuses them
// at once with the same message, naming the path, and changes nothing. And the long run
// over every pack says how far it has come.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "forms/app.h"
#include "model/headless_platform.h"
#include "temp_folder.h"

namespace rebanto {
namespace {

// Notes what the status bar says at each repaint, as the screen would show it.
class WatchingPlatform : public HeadlessPlatform {
public:
    void repaint() override {
        HeadlessPlatform::repaint();
        if (status != nullptr) shown.push_back(status->caption());
    }
    const Label* status = nullptr;
    std::vector<std::string> shown;
};

class ReaderKinds : public ::testing::Test {
protected:
    ReaderKinds() : app(platform, AppOptions{folder.path()}) {
        platform.set_today(Date{2026, 12, 8});
        app.start();
        platform.take_log();
    }
    std::string pipe(const std::string& name) {
        const std::string path = folder.file(name);
        EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
        return path;
    }
    std::vector<std::vector<std::string>> monthly() const {
        std::vector<std::vector<std::string>> rows;
        for (int r = 0; r < app.cur.StGr1.row_count(); ++r)
            rows.push_back(app.cur.StGr1.row_cells(r));
        return rows;
    }
    void expect_refused(const std::string& path) {
        EXPECT_EQ(platform.take_log(),
                  std::vector<std::string>{"error " + path +
                                           ": 通常のファイルではないため読み込めません"});
    }
    testing::TempFolder folder;
    WatchingPlatform platform;
    App app;
    TForm1& f1 = app.main;
};

TEST_F(ReaderKinds, APipeChosenAsAPackIsRefusedAndTheTablesStay) {
    f1.Button18.click();
    const auto before = monthly();
    platform.take_log();
    const std::string path = pipe("a.mpc");
    platform.queue_file(path);
    f1.Button87.click();
    expect_refused(path);
    EXPECT_EQ(monthly(), before);
}

TEST_F(ReaderKinds, TheZeroDeviceChosenAsAPackIsRefusedUnread) {
    platform.queue_file("/dev/zero");
    app.cur.Button87.click();
    expect_refused("/dev/zero");
}

TEST_F(ReaderKinds, APipeChosenAsAPackListIsRefusedAndTheSlotsStay) {
    const std::string path = pipe("a.krp");
    platform.queue_file(path);
    f1.Button80.click();
    expect_refused(path);
    EXPECT_EQ(f1.RadioButton101.caption(), "1");
}

TEST_F(ReaderKinds, APipeChosenAsARateListIsRefused) {
    app.rate_list.show();
    platform.take_log();
    const std::string path = pipe("a.ksl");
    platform.queue_file(path);
    app.rate_list.Load.click();
    const auto log = platform.take_log();
    ASSERT_FALSE(log.empty());
    EXPECT_NE(log.back().find("通常のファイルではないため読み込めません"), std::string::npos)
        << log.back();
}

TEST_F(ReaderKinds, TheRunOverEveryPackShowsWhichPackItIsAt) {
    for (int slot : {2, 5}) {
        f1.select_slot(slot);
        f1.Edit67.set_text("住宅");
        f1.Button78.click();
    }
    f1.StatusBar1.set_caption("前の表示");
    platform.status = &f1.StatusBar1;
    f1.Button82.click();
    platform.status = nullptr;
    const std::vector<std::string> steps{"全パック一括計算中　1 / 2　(パック2)",
                                         "全パック一括計算中　2 / 2　(パック5)"};
    std::vector<std::string> progress;
    for (const std::string& caption : platform.shown) {
        if (caption.starts_with("全パック一括計算中") &&
            (progress.empty() || progress.back() != caption)) {
            progress.push_back(caption);
        }
    }
    EXPECT_EQ(progress, steps);
    EXPECT_EQ(f1.StatusBar1.caption(), "前の表示") << "the status bar shows what it showed";
}

}  // namespace
}  // namespace rebanto

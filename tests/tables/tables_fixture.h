#pragma once
// A started application with a start folder of its own, and the typical loan run.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include "forms/app.h"
#include "model/headless_platform.h"

#include "temp_folder.h"

namespace rebanto::testing {

class TablesTest : public ::testing::Test {
protected:
    TablesTest() : app(platform, AppOptions{folder.path()}) {
        platform.set_today(Date{2026, 12, 8});
        app.start();
        platform.take_log();
    }
    void typical_run() {
        f1.Ed0_moto.set_text("30000000");
        f1.Ed0_kin.set_text("2.325");
        f1.Ed0_nen.set_text("35");
        f1.Ed0_wari.set_text("20");
        f1.Button18.click();
    }
    std::string bytes_of(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }

    TempFolder folder;
    HeadlessPlatform platform;
    App app;
    TForm1& f1 = app.main;
    TForCur& cur = app.cur;
};

}  // namespace rebanto::testing

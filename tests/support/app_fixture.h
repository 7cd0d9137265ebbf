#pragma once
// A started application on the headless platform, for scenario tests of the windows.
#include <gtest/gtest.h>

#include "forms/app.h"
#include "model/headless_platform.h"
#include "temp_folder.h"

namespace rebanto::testing {

class AppTest : public ::testing::Test {
protected:
    AppTest() : app(platform, AppOptions{folder.path()}) {
        platform.set_today(Date{2026, 12, 8});
        app.start();
        platform.take_log();
    }
    TempFolder folder;
    HeadlessPlatform platform;
    App app;
    TForm1& f1 = app.main;
};

}  // namespace rebanto::testing

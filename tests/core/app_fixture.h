#pragma once
// A started application on the headless platform, for scenario tests of the windows.
#include <gtest/gtest.h>

#include "forms/app.h"
#include "model/headless_platform.h"

namespace rebanto::testing {

class AppTest : public ::testing::Test {
protected:
    AppTest() : app(platform) {
        platform.set_today(Date{2026, 12, 8});
        app.start();
        platform.take_log();
    }
    HeadlessPlatform platform;
    App app;
    TForm1& f1 = app.main;
};

}  // namespace rebanto::testing

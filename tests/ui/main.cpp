// The Qt tests run offscreen, in one QApplication made before any test.
#include <gtest/gtest.h>
#include <QApplication>

#include "ui/app_look.h"
#include "ui/desktop_shot.h"

int main(int argc, char** argv) {
    // A desktop-sized screen: windows are fitted to the screen they open on.
    if (!rebanto::ui::use_offscreen_screen(1920, 1080)) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    rebanto::ui::apply_app_look(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

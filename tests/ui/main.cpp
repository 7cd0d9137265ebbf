// The Qt tests run offscreen, in one QApplication made before any test.
#include <gtest/gtest.h>
#include <QApplication>

#include "ui/app_look.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    rebanto::ui::apply_app_look(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Windows are pulled onto the screen they open on, and laid out for it at a first start.
// Figures worked out by hand: a frame of 4 pixels with a 28-pixel title bar on top.
#include "model/screen_fit.h"

#include <gtest/gtest.h>

namespace rebanto {
namespace {

const FrameMargins kFrame{4, 28, 4, 4};
const Rect kLaptop{0, 0, 1366, 768};
const Rect kDesktop{0, 0, 1920, 1080};

bool wholly_inside(const Rect& client, const Rect& screen) {
    return client.left - kFrame.left >= screen.left && client.top - kFrame.top >= screen.top &&
           client.right() + kFrame.right <= screen.right() &&
           client.bottom() + kFrame.bottom <= screen.bottom();
}

bool overlap(const Rect& a, const Rect& b) {
    // Frames included.
    return a.left - kFrame.left < b.right() + kFrame.right &&
           b.left - kFrame.left < a.right() + kFrame.right &&
           a.top - kFrame.top < b.bottom() + kFrame.bottom &&
           b.top - kFrame.top < a.bottom() + kFrame.bottom;
}

TEST(FitToScreen, WindowRecordedOnALargerScreenShrinksToTheSmallerOne) {
    // 1900 x 1040 from a 1920 x 1080 desktop: 1366 - 8 = 1358 wide, 768 - 32 = 736 high.
    EXPECT_EQ(fit_to_screen({10, 10, 1900, 1040}, kLaptop, kFrame), (Rect{4, 28, 1358, 736}));
}

TEST(FitToScreen, TitleBarAboveTheScreenComesBackDown) {
    EXPECT_EQ(fit_to_screen({300, -20, 587, 442}, kLaptop, kFrame), (Rect{300, 28, 587, 442}));
    EXPECT_EQ(fit_to_screen({300, 10, 587, 442}, kLaptop, kFrame), (Rect{300, 28, 587, 442}));
}

TEST(FitToScreen, WindowPastTheRightOrBottomEdgeMovesBackInWhole) {
    // 1362 - 587 = 775; 764 - 442 = 322.
    EXPECT_EQ(fit_to_screen({1300, 700, 587, 442}, kLaptop, kFrame), (Rect{775, 322, 587, 442}));
    EXPECT_EQ(fit_to_screen({-500, 459, 587, 200}, kLaptop, kFrame), (Rect{4, 459, 587, 200}));
}

TEST(FitToScreen, WindowAlreadyOnTheScreenStaysAsItIs) {
    EXPECT_EQ(fit_to_screen({538, 459, 587, 442}, kDesktop, kFrame), (Rect{538, 459, 587, 442}));
}

TEST(FitToScreen, SecondScreenBesideTheFirstIsItsOwnRectangle) {
    const Rect right_screen{1920, 0, 1366, 768};
    EXPECT_EQ(fit_to_screen({100, 100, 400, 300}, right_screen, kFrame),
              (Rect{1924, 100, 400, 300}));
}

TEST(FitToScreen, MinimumSizeWinsOverATinyScreenAndKeepsTheTitleBarReachable) {
    const Rect tiny{0, 0, 320, 240};
    EXPECT_EQ(fit_to_screen({50, 50, 400, 300}, tiny, kFrame, 324, 256), (Rect{4, 28, 324, 256}));
}

TEST(FirstStartPlaces, DesktopPutsTheTablesBesideTheMainWindow) {
    const FirstStartPlaces places =
        first_start_places(kDesktop, kFrame, 1000, 700, 640, 560, 900, 640);
    EXPECT_EQ(places.main, (Rect{4, 28, 1000, 700}));
    // 1004 + 4 + 4 = 1012 to the screen's 1916: 904 wide, 1080 - 32 = 1048 high.
    EXPECT_EQ(places.current_tables, (Rect{1012, 28, 904, 1048}));
    EXPECT_FALSE(overlap(places.main, places.current_tables));
    EXPECT_EQ(places.comparison, (Rect{64, 68, 900, 640}));
    for (const Rect& r : {places.main, places.current_tables, places.comparison})
        EXPECT_TRUE(wholly_inside(r, kDesktop));
}

TEST(FirstStartPlaces, LaptopKeepsEveryWindowOnTheScreenAndTheRunButtonsUncovered) {
    const FirstStartPlaces places =
        first_start_places(kLaptop, kFrame, 1000, 700, 640, 560, 900, 640);
    EXPECT_EQ(places.main, (Rect{4, 28, 1000, 700}));
    // No room beside (1362 - 1012 = 350): from 4 + 640 + 4 + 4 = 652 to 1362, 710 wide.
    EXPECT_EQ(places.current_tables, (Rect{652, 28, 710, 736}));
    EXPECT_GE(places.current_tables.left - kFrame.left, places.main.left + 640);
    // 640 high fits below 68: 68 + 640 + 4 = 712.
    EXPECT_EQ(places.comparison, (Rect{64, 68, 900, 640}));
    for (const Rect& r : {places.main, places.current_tables, places.comparison})
        EXPECT_TRUE(wholly_inside(r, kLaptop));
}

TEST(FirstStartPlaces, TablesTakeTheirLeastWidthAtTheRightWhenEvenTheInputsLeaveTooLittle) {
    const FirstStartPlaces places =
        first_start_places(kLaptop, kFrame, 1000, 700, 1000, 560, 900, 640);
    // 1362 - 560 = 802.
    EXPECT_EQ(places.current_tables, (Rect{802, 28, 560, 736}));
    EXPECT_TRUE(wholly_inside(places.current_tables, kLaptop));
}

TEST(FirstStartPlaces, MainWindowTallerThanTheScreenIsCut) {
    const FirstStartPlaces places =
        first_start_places(kLaptop, kFrame, 1200, 900, 640, 560, 900, 900);
    EXPECT_EQ(places.main, (Rect{4, 28, 1200, 736}));
    EXPECT_EQ(places.comparison, (Rect{64, 28, 900, 736}));
}

}  // namespace
}  // namespace rebanto

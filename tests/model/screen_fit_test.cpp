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

// A main window that shows every page at 1000 x 700 and its calculation page whole at 860;
// current tables comfortable at 560, whole at 440; the comparison at 900 x 640.
FirstStartSizes sizes(int main_least_width = 860, int tables_least_width = 440) {
    return {1000, 700, main_least_width, 560, tables_least_width, 900, 640};
}

TEST(FirstStartPlaces, DesktopPutsTheTablesBesideTheMainWindow) {
    const FirstStartPlaces places = first_start_places(kDesktop, kFrame, sizes());
    EXPECT_EQ(places.main, (Rect{4, 28, 1000, 700}));
    // 1004 + 4 + 4 = 1012 to the screen's 1916: 904 wide, 1080 - 32 = 1048 high.
    EXPECT_EQ(places.current_tables, (Rect{1012, 28, 904, 1048}));
    EXPECT_FALSE(overlap(places.main, places.current_tables));
    EXPECT_EQ(places.comparison, (Rect{64, 68, 900, 640}));
    for (const Rect& r : {places.main, places.current_tables, places.comparison})
        EXPECT_TRUE(wholly_inside(r, kDesktop));
}

TEST(FirstStartPlaces, LaptopNarrowsTheMainWindowSoThatTheTablesCoverNothing) {
    const FirstStartPlaces places = first_start_places(kLaptop, kFrame, sizes());
    // Beside 1000 there are 1362 - 1012 = 350: the main window gives up width down to 860,
    // not to the 1362 - 560 - 8 - 4 = 790 the comfortable tables would want.
    EXPECT_EQ(places.main, (Rect{4, 28, 860, 700}));
    // 4 + 860 + 8 = 872 to 1362: 490 wide.
    EXPECT_EQ(places.current_tables, (Rect{872, 28, 490, 736}));
    EXPECT_FALSE(overlap(places.main, places.current_tables));
    // 640 high fits below 68: 68 + 640 + 4 = 712.
    EXPECT_EQ(places.comparison, (Rect{64, 68, 900, 640}));
    for (const Rect& r : {places.main, places.current_tables, places.comparison})
        EXPECT_TRUE(wholly_inside(r, kLaptop));
}

TEST(FirstStartPlaces, AMainWindowThatNeedsLessGivesTheTablesTheirComfortableWidth) {
    const FirstStartPlaces places = first_start_places(kLaptop, kFrame, sizes(700));
    // 1362 - 560 - 8 = 794 is where the main window's frame must end: 790 wide.
    EXPECT_EQ(places.main, (Rect{4, 28, 790, 700}));
    EXPECT_EQ(places.current_tables, (Rect{802, 28, 560, 736}));
    EXPECT_FALSE(overlap(places.main, places.current_tables));
}

TEST(FirstStartPlaces, TablesGoToTheRightEdgeWhenEvenTheLeastWidthsDoNotFit) {
    const FirstStartPlaces places = first_start_places(kLaptop, kFrame, sizes(1000, 440));
    // 1362 - 1012 = 350 is less than 440: the main window keeps its 1000, the tables take
    // 560 at the right, 1362 - 560 = 802.
    EXPECT_EQ(places.main, (Rect{4, 28, 1000, 700}));
    EXPECT_EQ(places.current_tables, (Rect{802, 28, 560, 736}));
    EXPECT_TRUE(wholly_inside(places.current_tables, kLaptop));
}

TEST(FirstStartPlaces, MainWindowTallerThanTheScreenIsCut) {
    FirstStartSizes tall = sizes();
    tall.main_width = 1200;
    tall.main_height = 900;
    tall.comparison_height = 900;
    const FirstStartPlaces places = first_start_places(kLaptop, kFrame, tall);
    EXPECT_EQ(places.main.height, 736);
    EXPECT_EQ(places.comparison, (Rect{64, 28, 900, 736}));
}

}  // namespace
}  // namespace rebanto

// The window system the program asks Qt for: X11 wherever an X display is reachable, unless
// the user chose one.
#include "app/windowsystem.h"

#include <gtest/gtest.h>

TEST(WindowSystemTest, AnXDisplayIsUsedUnlessTheUserChoseAPlatform) {
    // A Wayland session with XWayland: X11 first, Wayland should XWayland not answer.
    EXPECT_EQ(chosenPlatform({"", ":0", "wayland-0"}), "xcb;wayland");
    EXPECT_EQ(chosenPlatform({"", ":1", ""}), "xcb");
    // No X display: Qt's own choice, Wayland on a Wayland session.
    EXPECT_EQ(chosenPlatform({"", "", "wayland-0"}), "");
    // The user's choice wins, in the environment or on the command line.
    EXPECT_EQ(chosenPlatform({"wayland", ":0", "wayland-0"}), "");
    EXPECT_EQ(chosenPlatform({"", ":0", "wayland-0", true}), "");
}

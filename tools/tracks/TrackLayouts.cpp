#include "tools/tracks/TrackLayouts.h"

#include <array>

namespace {

// The catalogue's tracks from the first to the last: longer runs, more bends, then chicanes and
// hairpins, and the scenery closing in. Each loop's way-point path is 16 tenths per cell.
constexpr std::array<TTrackLayout, 13> kLayouts{{
    // The loop behind the menus: on the screen itself, for four cars.
    {"Data\\data1.prd", "R4 D2 L4 U2", 5, 0, true},
    // Track 1: a wide rectangle with one step.
    {"Data\\data4.prd", "R10 D5 L3 D2 L7 U7", 5, 0, false},
    // Track 2: two steps.
    {"Data\\data13.prd", "R11 D3 R3 D5 L7 U3 L7 U5", 5, 1, false},
    // Track 3: short and tight steps.
    {"Data\\data5.prd", "R7 D2 R2 D4 L3 U2 L6 U4", 6, 2, false},
    // Track 4: a zigzag down the right side.
    {"Data\\data3.prd", "R8 D3 L3 D3 R6 D3 L11 U9", 6, 3, false},
    // Track 5: a climb before the long back straight.
    {"Data\\data12.prd", "R7 U4 R6 D8 L4 D3 L9 U7", 7, 4, false},
    // Track 6: a chicane on the start straight and a zigzag.
    {"Data\\data8.prd", "R5 U1 R6 D4 L4 D4 R8 D4 L15 U11", 7, 5, false},
    // Track 7: a bay and a kink.
    {"Data\\data7.prd", "R6 D2 L2 D2 R5 U1 R3 D4 L12 U7", 8, 6, false},
    // Track 8: a deep notch in the top straight.
    {"Data\\data6.prd", "R5 D3 R2 U3 R4 D7 L5 U2 L6 U5", 8, 7, false},
    // Track 9: a hump on top and a notch below.
    {"Data\\data9.prd", "R7 U2 R4 D2 R4 D6 L4 U2 L4 D2 L7 U6", 8, 8, false},
    // Track 10: a notch and a bay on the right.
    {"Data\\data2.prd", "R6 D2 R3 U2 R4 D4 L3 D3 R3 D4 L13 U11", 8, 9, false},
    // Track 11: a snake down the middle and a long climb.
    {"Data\\data11.prd", "R5 D3 L2 D2 R2 D2 R3 U7 R3 D10 L11 U10", 8, 10, false},
    // Track 12: short chicanes, a bay and a hairpin notch.
    {"Data\\data10.prd", "R8 U2 R3 D2 R3 D5 L2 D2 R2 D3 L8 U2 L6 U8", 8, 11, false},
}};

}  // namespace

std::span<const TTrackLayout> TrackLayouts() {
  return kLayouts;
}

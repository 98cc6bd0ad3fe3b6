#include "tools/tracks/TrackLayouts.h"

#include <array>

namespace {

// The catalogue's tracks from the first to the last: both ways round, starting every way, and
// harder as they go, from a long rectangle to hairpins, chicanes and staircases that run as
// diagonals. Each loop's way-point path is 16 tenths per cell.
constexpr std::array<TTrackLayout, 12> kLayouts{{
    // Track 1: a long rectangle with a kink, clockwise from the top.
    {"Data\\data4.prd", "R9 D4 R1 D3 L10 U7", 5, 0},
    // Track 2: anticlockwise up the right, a deep notch in the top.
    {"Data\\data13.prd", "U8 L6 D3 L2 U3 L3 D8 R11", 5, 1},
    // Track 3: short, south down the right, a notch in the bottom.
    {"Data\\data5.prd", "D9 L2 D1 L2 U1 L2 U9 R6", 6, 2},
    // Track 4: west along the top, back up a long staircase diagonal.
    {"Data\\data3.prd", "L12 D10 R8 U1 R1 U1 R1 U1 R1 U1 R1 U6", 6, 3},
    // Track 5: north up the left, a chicane over the top and a bay below.
    {"Data\\data12.prd", "U10 R5 D1 R2 U1 R5 D10 L4 U2 L2 D2 L6", 7, 4},
    // Track 6: an octagon, four staircase diagonals between long straights.
    {"Data\\data8.prd",
     "R9 U1 R1 U1 R1 U1 R1 U1 R1 U6 L1 U1 L1 U1 L1 U1 L1 U1 L9 D1 L1 D1 L1 D1 L1 D1 L1 D6 R1 D1 R1 D1 R1 D1 "
     "R1 D1",
     7, 5},
    // Track 7: a boot, west along the bottom, a chicane on the way up.
    {"Data\\data7.prd", "L10 U4 L1 U2 R1 U6 R3 D5 R7 D7", 8, 6},
    // Track 8: anticlockwise from the top left, a chicane and S-bends.
    {"Data\\data6.prd", "D9 R3 U1 R2 D1 R6 U4 L1 U2 R1 U3 L11", 8, 7},
    // Track 9: a staircase off the top straight, a hairpin bay and a step below.
    {"Data\\data9.prd", "R11 D1 R1 D1 R1 D1 R1 D6 L3 U2 L2 D1 L3 D2 L6 U10", 8, 8},
    // Track 10: a serpentine of five hairpins over the top, one of them deep.
    {"Data\\data2.prd", "U12 L2 D6 L2 U4 L2 D2 L2 U4 L2 D12 R10", 8, 9},
    // Track 11: a deep hairpin up from the bottom, a bump over the top.
    {"Data\\data11.prd", "D13 L4 U6 L2 D6 L4 U13 R4 U1 R2 D1 R4", 8, 10},
    // Track 12: a staircase, a hairpin bay and a chicane, anticlockwise from the top.
    {"Data\\data10.prd", "L10 D1 L1 D1 L1 D1 L1 D6 R3 U2 R2 D6 R3 U1 R2 D1 R3 U13", 8, 11},
}};

}  // namespace

std::span<const TTrackLayout> TrackLayouts() {
  return kLayouts;
}

#include "tools/tracks/TrackLayouts.h"

#include <array>

namespace {

// The catalogue's tracks from the first to the last: both ways round, starting every way, and
// harder as they go, from a long rectangle to hairpins, chicanes and staircases that run as
// diagonals. Each loop's way-point path is 16 tenths per cell.
constexpr std::array<TTrackLayout, 13> kLayouts{{
    // The loop behind the menus: on the screen itself, for four cars.
    {"Data\\data1.prd", "R4 D2 L4 U2", 5, 0, true},
    // Track 1: a long rectangle with a kink, clockwise from the top.
    {"Data\\data4.prd", "R9 D4 R1 D3 L10 U7", 5, 0, false},
    // Track 2: anticlockwise up the right, a deep notch in the top.
    {"Data\\data13.prd", "U8 L4 D3 L3 U3 L3 D8 R10", 5, 1, false},
    // Track 3: short, south down the right, a hairpin bay at the bottom.
    {"Data\\data5.prd", "D8 L2 D2 L2 U2 L2 U8 R6", 6, 2, false},
    // Track 4: west along the top, back up a long staircase diagonal.
    {"Data\\data3.prd", "L12 D10 R8 U1 R1 U1 R1 U1 R1 U1 R1 U6", 6, 3, false},
    // Track 5: north up the left, a chicane over the top and a bay below.
    {"Data\\data12.prd", "U10 R5 D1 R2 U1 R5 D10 L4 U2 L2 D2 L6", 7, 4, false},
    // Track 6: an octagon, four staircase diagonals between long straights.
    {"Data\\data8.prd",
     "R9 U1 R1 U1 R1 U1 R1 U1 R1 U6 L1 U1 L1 U1 L1 U1 L1 U1 L9 D1 L1 D1 L1 D1 L1 D1 L1 D6 R1 D1 R1 D1 R1 D1 "
     "R1 D1",
     7, 5, false},
    // Track 7: a boot, west along the bottom, a chicane on the way up.
    {"Data\\data7.prd", "L10 U4 L1 U2 R1 U5 R4 D5 R6 D6", 8, 6, false},
    // Track 8: anticlockwise from the top left, a chicane and S-bends.
    {"Data\\data6.prd", "D9 R4 U1 R2 D1 R4 U4 L1 U2 R1 U3 L10", 8, 7, false},
    // Track 9: a staircase off the top straight, a hairpin bay and a step below.
    {"Data\\data9.prd", "R11 D1 R1 D1 R1 D1 R1 D5 L4 U2 L2 D2 L3 D2 L5 U10", 8, 8, false},
    // Track 10: a serpentine of five hairpins over the top.
    {"Data\\data2.prd", "U12 L2 D4 L2 U4 L2 D4 L2 U4 L2 D12 R10", 8, 9, false},
    // Track 11: a chicane along the bottom, a zigzag of hairpins up the left.
    {"Data\\data11.prd", "D12 L2 U1 L2 D1 L5 U2 R4 U2 L4 U2 R4 U2 L4 U4 R9", 8, 10, false},
    // Track 12: a staircase, a hairpin bay and a chicane, anticlockwise from the top.
    {"Data\\data10.prd", "L10 D1 L1 D1 L1 D1 L1 D5 R3 U2 R2 D5 R3 U1 R2 D1 R3 U11", 8, 11, false},
}};

}  // namespace

std::span<const TTrackLayout> TrackLayouts() {
  return kLayouts;
}

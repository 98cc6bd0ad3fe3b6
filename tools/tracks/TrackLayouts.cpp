#include "tools/tracks/TrackLayouts.h"

#include <array>

namespace {

// The catalogue's tracks from the first to the last: both ways round, starting every way, and
// harder as they go, each with a shape of its own: diagonals (staircases of single steps), sweepers
// of steps growing longer, hairpins at the end of fast straights, esses and tight pockets. Each
// loop's way-point path is 16 tenths per cell.
constexpr std::array<TTrackLayout, 12> kLayouts{{
    // Track 1: a mound, west along a long bottom straight and diagonals up both sides.
    {"Data\\data4.prd", "L12 U3 R1 U1 R1 U1 R1 U1 R6 D1 R1 D1 R1 D1 R1 D3", 5, 0},
    // Track 2: anticlockwise up the right, diagonals at two corners and a wiggle down the left.
    {"Data\\data13.prd", "U8 L1 U1 L1 U1 L6 D2 L1 D2 R1 D2 L1 D3 R1 D1 R8", 5, 1},
    // Track 3: short, a right-angled triangle, back up along its long diagonal.
    {"Data\\data5.prd", "D8 L3 U1 L1 U1 L1 U1 L1 U1 L1 U4 R7", 6, 2},
    // Track 4: a top straight of sixteen cells into a long hairpin, a diagonal below.
    {"Data\\data3.prd", "L13 D2 R8 D1 R1 D1 R1 D1 R6 U5 L3", 6, 3},
    // Track 5: up a long back straight, esses over the top, a pocket in the bottom.
    {"Data\\data12.prd", "U9 R2 D1 R2 U1 R2 D1 R2 U1 R3 D9 L4 U3 L2 D3 L5", 7, 4},
    // Track 6: an octagon of unequal diagonals.
    {"Data\\data8.prd",
     "R11 D1 R1 D1 R1 D1 R1 D7 L1 D1 L1 D1 L11 U1 L1 U1 L1 U1 L1 U1 L1 U5 R1 U1 R1 U1 R1 U1", 7, 5},
    // Track 7: a boot, west along the sole, a kink up the shaft and a diagonal instep.
    {"Data\\data7.prd", "L11 U1 L1 U6 R1 U3 R3 D5 R1 D1 R1 D1 R6 D3", 8, 6},
    // Track 8: a leaning box, long diagonals down two of its sides.
    {"Data\\data6.prd", "R8 D1 R1 D1 R1 D1 R1 D1 R1 D5 L8 U1 L1 U1 L1 U1 L1 U1 L1 U5", 8, 7},
    // Track 9: a dog-bone, both sides pinched in by a pocket to a narrow waist.
    {"Data\\data9.prd", "R10 D4 L3 D2 R3 D4 L10 U4 R3 U2 L3 U4", 8, 8},
    // Track 10: a long bottom straight, a serpent of hairpins over the top, a diagonal back down.
    {"Data\\data2.prd", "R12 U1 R1 U1 R1 U8 L3 D3 L2 U3 L2 D3 L2 U3 L2 D1 L1 D1 L1 D1 L1 D7", 8, 9},
    // Track 11: a long bottom straight, a ridge of sweepers over the top.
    {"Data\\data11.prd", "L17 U6 R1 U1 R1 U1 R2 U1 R2 U1 R8 D1 R2 D1 R1 D1 R1 D7 L1", 8, 10},
    // Track 12: wide switchbacks up the left, a long top straight, a diagonal down into the start.
    {"Data\\data10.prd", "L9 U3 R4 U3 L4 U3 R12 D6 L1 D1 L1 D1 L1 D1", 8, 11},
}};

}  // namespace

std::span<const TTrackLayout> TrackLayouts() {
  return kLayouts;
}

#pragma once

// The demonstration circuit behind the menus, in screen pixels (the menus never scroll): the main
// menu's picture paints its road, and the demonstration track's way points follow the same centre
// line, a rounded rectangle driven clockwise from the start line on the top straight.
namespace DemoCircuit {
inline constexpr double Left = 100;
inline constexpr double Top = 150;
inline constexpr double Right = 700;
inline constexpr double Bottom = 545;
inline constexpr double Radius = 100;
inline constexpr double RoadWidth = 96;
inline constexpr double StartLineX = 214;  // the chequered line's left edge, 20 px wide
}  // namespace DemoCircuit

#pragma once

// The Windows virtual-key codes the screens react to (the platform turns keys into these).
inline constexpr int VK_BACK = 8;
inline constexpr int VK_RETURN = 13;
inline constexpr int VK_ESCAPE = 27;
inline constexpr int VK_SPACE = 32;
inline constexpr int VK_LEFT = 37;
inline constexpr int VK_RIGHT = 39;
inline constexpr int VK_P = 80;
inline constexpr int VK_T = 84;
inline constexpr int VK_Z = 90;
inline constexpr int VK_F1 = 112;
inline constexpr int VK_F2 = 113;
inline constexpr int VK_F3 = 114;
inline constexpr int VK_F4 = 115;
inline constexpr int VK_F12 = 123;

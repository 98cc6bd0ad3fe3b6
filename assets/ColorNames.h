#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Colours as packages store them: 0x00BBGGRR, or 0xFF000000 plus a system colour index.

// The value of a colour identifier such as "clFuchsia" or "clBtnFace"; none when unknown.
std::optional<uint32_t> IdentToColor(std::string_view name);
// The identifier of a colour value; empty when the value has none.
std::string_view ColorToIdent(uint32_t color);
// The opaque ARGB colour whose texels a colour key makes transparent. System colours take the
// standard desktop scheme, since there is no desktop scheme to ask here.
uint32_t ColorKeyARGB(uint32_t color);

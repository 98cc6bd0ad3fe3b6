#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "assets/PackagePicture.h"

// The value types of a package's component stream.
enum class TValueType : uint8_t {
  vaNull,
  vaList,
  vaInt8,
  vaInt16,
  vaInt32,
  vaExtended,
  vaString,
  vaIdent,
  vaFalse,
  vaTrue,
  vaBinary,
  vaSet,
  vaLString,
  vaNil,
  vaCollection,
  vaSingle,
  vaCurrency,
  vaDate,
  vaWString,
  vaInt64,
  vaUTF8String,
};

// Reads an image package (resource header, "TPF0", the carrier component, whatever class it
// names): each item of its list into the picture `addPicture` makes for it. On a malformed
// package returns false with the reason; the pictures read before the fault, and the one being
// read, stay where they were made.
bool ReadPackagePictures(std::span<const uint8_t> bytes, const std::function<TPackagePicture&()>& addPicture,
                         std::string& error);

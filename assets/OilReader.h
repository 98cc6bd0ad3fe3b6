#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "assets/OmegaImageList.h"

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

// Reads an image package (resource header, "TPF0", the carrier component) into the carrier's
// list, which is emptied first. On a malformed package returns false with the reason; the
// items read before the fault, and the one being read, stay in the list.
bool ReadImagePackage(std::span<const uint8_t> bytes, TImageListCollectionComponent& carrier,
                      std::string& error);

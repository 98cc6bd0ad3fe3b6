#include "assets/OilReader.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "assets/ColorNames.h"
#include "assets/PictureData.h"
#include "platform/Cp1251.h"

namespace {

struct TStreamError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Lists and collections nest; a corrupt package must not nest us off the stack.
constexpr int kMaxDepth = 64;

// The package bytes with a read position; every read is checked against what is left.
class TOilStream {
 public:
  explicit TOilStream(std::span<const uint8_t> bytes) : Data(bytes) {}

  size_t Left() const { return Data.size() - Position; }
  void Seek(size_t position) {
    if (position > Data.size()) throw TStreamError("header runs past the end of the package");
    Position = position;
  }
  uint8_t Peek() const {
    if (Left() == 0) throw TStreamError("package ends too early");
    return Data[Position];
  }
  uint8_t Byte() {
    uint8_t value = Peek();
    ++Position;
    return value;
  }
  std::span<const uint8_t> Bytes(uint64_t count) {
    if (count > Left()) throw TStreamError("a length runs past the end of the package");
    std::span<const uint8_t> bytes = Data.subspan(Position, size_t(count));
    Position += size_t(count);
    return bytes;
  }
  uint64_t Unsigned(int size) {
    std::span<const uint8_t> bytes = Bytes(uint64_t(size));
    uint64_t value = 0;
    for (int i = 0; i < size; ++i) value |= uint64_t(bytes[size_t(i)]) << (8 * i);
    return value;
  }
  // A 32-bit length; negative lengths are corrupt.
  uint64_t Length() {
    auto length = int32_t(uint32_t(Unsigned(4)));
    if (length < 0) throw TStreamError("negative length");
    return uint64_t(length);
  }
  std::string Text(uint64_t count) {
    std::span<const uint8_t> bytes = Bytes(count);
    return {bytes.begin(), bytes.end()};
  }
  std::string ShortString() { return Text(Byte()); }

  TValueType NextValue() const { return TValueType(Peek()); }
  TValueType ReadValue() { return TValueType(Byte()); }
  bool EndOfList() const { return Peek() == 0; }
  void ReadListEnd() {
    if (Byte() != 0) throw TStreamError("list does not end where it should");
  }

 private:
  std::span<const uint8_t> Data;
  size_t Position = 0;
};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6)), out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12)), out += char(0x80 | ((c >> 6) & 0x3F)), out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18)), out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F)), out += char(0x80 | (c & 0x3F));
  }
}

// UTF-16LE to the game's Windows-1251 bytes (characters it lacks are dropped).
std::string WideToCp1251(std::span<const uint8_t> bytes) {
  std::string utf8;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char32_t unit = char32_t(bytes[i]) | char32_t(bytes[i + 1]) << 8;
    if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
      char32_t low = char32_t(bytes[i + 2]) | char32_t(bytes[i + 3]) << 8;
      if (low >= 0xDC00 && low < 0xE000) {
        AppendUtf8(utf8, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    if (unit < 0xD800 || unit >= 0xE000) AppendUtf8(utf8, unit);
  }
  return Utf8ToCp1251(utf8);
}

class TPackageReader {
 public:
  explicit TPackageReader(std::span<const uint8_t> bytes) : In(bytes) {}

  // The pictures are decoded side by side once the package has been read, or up to its fault:
  // the items before it keep their pictures, and a bad picture before it is the fault reported.
  void Read(const std::function<TPackagePicture&()>& addPicture) {
    try {
      ReadHeader();
      if (In.Text(4) != "TPF0") throw TStreamError("no component stream signature");
      ReadComponent(addPicture);
    } catch (const TStreamError&) {
      DecodePictures();
      throw;
    }
    DecodePictures();
  }

 private:
  // A resource header: marker, type 10, the resource name, memory flags and data size.
  void ReadHeader() {
    constexpr size_t kHeaderBytes = 79;
    std::span<const uint8_t> head = In.Bytes(std::min(In.Left(), kHeaderBytes));
    if (head.size() < 3 || head[0] != 0xFF || head[1] != 10 || head[2] != 0)
      throw TStreamError("not a resource header");
    size_t nameLength = 0;
    while (3 + nameLength < head.size() && head[3 + nameLength] != 0) ++nameLength;
    if (3 + nameLength == head.size()) throw TStreamError("resource name without its end");
    In.Seek(nameLength + 10);
  }

  void ReadPrefix() {
    uint8_t prefix = In.Peek();
    if ((prefix & 0xF0) != 0xF0) return;
    In.Byte();
    constexpr uint8_t kChildPos = 2;
    if (prefix & kChildPos) ReadInteger();
  }

  void ReadComponent(const std::function<TPackagePicture&()>& addPicture) {
    ReadPrefix();
    In.ShortString();  // class name: the carrier is filled in place whatever it says
    In.ShortString();  // component name
    while (!In.EndOfList()) ReadCarrierProperty(addPicture);
    In.ReadListEnd();
    if (!In.EndOfList()) throw TStreamError("a package holds no child components");
    In.ReadListEnd();
  }

  void ReadCarrierProperty(const std::function<TPackagePicture&()>& addPicture) {
    std::string name = In.ShortString();
    if (name == "List") {
      if (In.ReadValue() != TValueType::vaCollection) throw TStreamError("List is not a collection");
      ReadCollection(addPicture);
    } else if (name == "Tag" || name == "Left" || name == "Top") {
      SkipValue(0);  // the component's own settings mean nothing to the image list
    } else {
      throw TStreamError("unknown property " + name);
    }
  }

  void ReadCollection(const std::function<TPackagePicture&()>& addPicture) {
    while (!In.EndOfList()) {
      if (IsInteger(In.NextValue())) ReadInteger();  // the item's ordering index
      TPackagePicture& item = addPicture();
      if (In.ReadValue() != TValueType::vaList) throw TStreamError("collection item without its list start");
      while (!In.EndOfList()) ReadItemProperty(item);
      In.ReadListEnd();
    }
    In.ReadListEnd();
  }

  void ReadItemProperty(TPackagePicture& item) {
    std::string name = In.ShortString();
    if (name == "Name") {
      item.Name = ReadString();
    } else if (name == "Filepath") {
      item.Filepath = ReadString();
    } else if (name == "TileHeight") {
      item.TileHeight = ReadInteger();
    } else if (name == "TileWidth") {
      item.TileWidth = ReadInteger();
    } else if (name == "TransparentColor") {
      item.TransparentColor = ReadColor();
    } else if (name == "Transparent") {
      item.Transparent = ReadBoolean();
    } else if (name == "Picture.Data") {
      ReadPicture(item);
    } else {
      throw TStreamError("unknown property " + name);
    }
  }

  static bool IsInteger(TValueType type) {
    return type == TValueType::vaInt8 || type == TValueType::vaInt16 || type == TValueType::vaInt32;
  }

  int32_t ReadInteger() {
    switch (In.ReadValue()) {
      case TValueType::vaInt8:
        return int8_t(In.Unsigned(1));
      case TValueType::vaInt16:
        return int16_t(In.Unsigned(2));
      case TValueType::vaInt32:
        return int32_t(uint32_t(In.Unsigned(4)));
      default:
        throw TStreamError("integer expected");
    }
  }

  std::string ReadString() {
    switch (In.ReadValue()) {
      case TValueType::vaString:
        return In.ShortString();
      case TValueType::vaLString:
        return In.Text(In.Length());
      case TValueType::vaWString:
        return WideToCp1251(In.Bytes(In.Length() * 2));
      case TValueType::vaUTF8String: {
        std::string utf8 = In.Text(In.Length());
        return Utf8ToCp1251(utf8);
      }
      default:
        throw TStreamError("string expected");
    }
  }

  uint32_t ReadColor() {
    if (In.NextValue() != TValueType::vaIdent) return uint32_t(ReadInteger());
    In.ReadValue();
    std::string ident = In.ShortString();
    if (std::optional<uint32_t> color = IdentToColor(ident)) return *color;
    throw TStreamError("unknown colour " + ident);
  }

  bool ReadBoolean() {
    TValueType type = In.ReadValue();
    if (type != TValueType::vaFalse && type != TValueType::vaTrue) throw TStreamError("boolean expected");
    return type == TValueType::vaTrue;
  }

  void DecodePictures() {
    std::string error;
    if (!DecodePictureBlocks(Pictures, error)) throw TStreamError(error);
  }

  void ReadPicture(TPackagePicture& item) {
    if (In.ReadValue() != TValueType::vaBinary) throw TStreamError("picture data is not binary");
    std::span<const uint8_t> block = In.Bytes(In.Length());
    // An item's properties come together: a second picture of the same item replaces its first.
    if (!Pictures.empty() && Pictures.back().Picture == &item.Picture)
      Pictures.back().Block = block;
    else
      Pictures.push_back({block, &item.Picture});
    item.Stored.assign(block.begin(), block.end());
  }

  void SkipValue(int depth) {
    if (depth > kMaxDepth) throw TStreamError("values nest too deeply");
    switch (In.ReadValue()) {
      case TValueType::vaNull:
      case TValueType::vaFalse:
      case TValueType::vaTrue:
      case TValueType::vaNil:
        return;
      case TValueType::vaList:
        while (!In.EndOfList()) SkipValue(depth + 1);
        In.ReadListEnd();
        return;
      case TValueType::vaInt8:
        In.Bytes(1);
        return;
      case TValueType::vaInt16:
        In.Bytes(2);
        return;
      case TValueType::vaInt32:
      case TValueType::vaSingle:
        In.Bytes(4);
        return;
      case TValueType::vaExtended:
        In.Bytes(10);
        return;
      case TValueType::vaString:
      case TValueType::vaIdent:
        In.ShortString();
        return;
      case TValueType::vaBinary:
      case TValueType::vaLString:
      case TValueType::vaUTF8String:
        In.Bytes(In.Length());
        return;
      case TValueType::vaSet:
        while (!In.ShortString().empty()) {
        }
        return;
      case TValueType::vaCollection:
        SkipCollection(depth + 1);
        return;
      case TValueType::vaCurrency:
      case TValueType::vaDate:
      case TValueType::vaInt64:
        In.Bytes(8);
        return;
      case TValueType::vaWString:
        In.Bytes(In.Length() * 2);
        return;
    }
    throw TStreamError("unknown value type");
  }

  void SkipCollection(int depth) {
    while (!In.EndOfList()) {
      if (IsInteger(In.NextValue())) SkipValue(depth);
      if (In.ReadValue() != TValueType::vaList) throw TStreamError("collection item without its list start");
      while (!In.EndOfList()) {
        In.ShortString();
        SkipValue(depth);
      }
      In.ReadListEnd();
    }
    In.ReadListEnd();
  }

  TOilStream In;
  std::vector<TPictureJob> Pictures;  // blocks inside the package's bytes, each with its item's picture
};

}  // namespace

bool ReadPackagePictures(std::span<const uint8_t> bytes, const std::function<TPackagePicture&()>& addPicture,
                         std::string& error) {
  try {
    TPackageReader(bytes).Read(addPicture);
  } catch (const TStreamError& fault) {
    error = fault.what();
    return false;
  }
  error.clear();
  return true;
}

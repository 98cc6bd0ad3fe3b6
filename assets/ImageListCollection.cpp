#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "assets/OilReader.h"
#include "assets/OmegaImageList.h"
#include "platform/GamePath.h"

namespace {

// The caption of the game's plain message dialogs.
constexpr const char* kGameTitle = "Morvel Racing";

}  // namespace

bool TImageListCollection::LoadFromFile(const std::string& fileName) {
  std::ifstream file(NativePath(fileName), std::ios::binary);
  std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  if (!file.is_open() || file.bad()) {
    LoadError = "cannot read " + fileName;
    if (Messages)
      Messages->Show(kGameTitle, ImageListMessage::FileError);
    else
      std::fprintf(stderr, "%s\n", ImageListMessage::FileError);
    return false;
  }
  return LoadFromStream(bytes);
}

bool TImageListCollection::LoadFromStream(std::span<const uint8_t> bytes) {
  TImageListCollectionComponent carrier{this};
  bool loaded;
  if (StreamTransform) {
    std::vector<uint8_t> transformed = StreamTransform(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    loaded = ReadImagePackage(transformed, carrier, LoadError);
  } else {
    loaded = ReadImagePackage(bytes, carrier, LoadError);
  }
  if (loaded) return true;
  std::fprintf(stderr, "Morvel Racing: image package: %s\n", LoadError.c_str());
  if (Messages)
    Messages->Show(ImageListMessage::CorruptCaption, ImageListMessage::Corrupt, true);
  else
    std::fprintf(stderr, "%s\n", ImageListMessage::Corrupt);
  return false;
}

TImageListItem* TImageListCollection::Find(const std::string& name) {
  for (const auto& item : List)
    if (item->Name == name) return item.get();
  if (std::find(Missing.begin(), Missing.end(), name) == Missing.end()) {
    Missing.push_back(name);
    std::fprintf(stderr, "Morvel Racing: no picture named \"%s\"\n", name.c_str());
  }
  return nullptr;
}

TImageListItem& TImageListCollection::Items(int index) const {
  if (index < 0 || index >= Count())
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  return *List[size_t(index)];
}

TImageListItem& TImageListCollection::Add() {
  return *List.emplace_back(std::make_unique<TImageListItem>());
}

void TImageListCollection::Clear() {
  List.clear();
}

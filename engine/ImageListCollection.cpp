#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "assets/OilReader.h"
#include "engine/OmegaImageList.h"
#include "platform/GamePath.h"

namespace {

// The caption of the game's plain message dialogs.
constexpr const char* kGameTitle = "Morvel Racing";

}  // namespace

bool TImageListCollection::LoadFromFile(const std::string& fileName) {
  // Messages name the file as this system does, relative to the game folder.
  const std::string path = NativePath(fileName);
  std::error_code error;
  const bool regular = std::filesystem::is_regular_file(path, error);
  std::ifstream file;
  if (regular) file.open(path, std::ios::binary);
  const int openError = errno;
  std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  if (!file.is_open() || file.bad()) {
    const bool present = std::filesystem::exists(path, error);
    LoadError = path + ": " +
                (!present         ? "the file is missing"
                 : !regular       ? "it is not a file"
                 : file.is_open() ? "the file cannot be read"
                                  : std::strerror(openError));
    Report(kGameTitle, ImageListMessage::FileError, false, true);
    return false;
  }
  if (bytes.empty()) {
    Clear();  // as an empty package read from memory leaves it
    LoadError = path + ": the file is empty";
    Report(ImageListMessage::CorruptCaption, ImageListMessage::Corrupt, true, true);
    return false;
  }
  return Read(bytes, path + ": ");
}

bool TImageListCollection::LoadFromStream(std::span<const uint8_t> bytes) {
  return Read(bytes, "");
}

bool TImageListCollection::Read(std::span<const uint8_t> bytes, const std::string& source) {
  TImageListCollectionComponent carrier{this};
  bool loaded;
  if (StreamTransform) {
    std::vector<uint8_t> transformed = StreamTransform(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    loaded = ReadImagePackage(transformed, carrier, LoadError);
  } else {
    loaded = ReadImagePackage(bytes, carrier, LoadError);
  }
  if (loaded) return true;
  LoadError = source + LoadError;
  Report(ImageListMessage::CorruptCaption, ImageListMessage::Corrupt, true, !source.empty());
  return false;
}

// The game's text, and below it what went wrong where (a package read from memory has no file
// to name, and shows the game's text alone).
void TImageListCollection::Report(const char* caption, const char* text, bool okCancel, bool named) const {
  std::fprintf(stderr, "Morvel Racing: image package: %s\n", LoadError.c_str());
  const std::string shown = named ? std::string(text) + "\n" + LoadError : std::string(text);
  if (Messages)
    Messages->Show(caption, shown, okCancel);
  else
    std::fprintf(stderr, "%s\n", shown.c_str());
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

bool ReadImagePackage(std::span<const uint8_t> bytes, TImageListCollectionComponent& carrier,
                      std::string& error) {
  carrier.List->Clear();
  return ReadPackagePictures(
      bytes, [&]() -> TPackagePicture& { return carrier.List->Add(); }, error);
}

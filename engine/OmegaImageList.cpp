#include "engine/OmegaImageList.h"

#include <filesystem>

namespace {

std::string ProgramFolder() {
  std::error_code error;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path(error).string() : program.parent_path().string();
}

}  // namespace

TOmegaImageList::TOmegaImageList(TMessageBoxes& messages) : GameFolder(ProgramFolder()), Messages(messages) {
  ImageList.Messages = &messages;
}

TOmegaImageList::~TOmegaImageList() {
  SetOmegaScreen(nullptr);
}

void TOmegaImageList::SetOmegaScreen(TOmegaScreen* screen) {
  if (screen == Screen) return;
  if (Screen) {
    ReleaseTextures(true);
    Screen->RemoveClient(*this);
  }
  Screen = screen;
  if (Screen) Screen->AddClient(*this, TClientPass::Textures);
}

void TOmegaImageList::BuildTextures() {
  if (!Screen) return;
  QuadRenderer.Bind(*Screen);
  if (!Screen->Ready()) return;
  for (int i = 0; i < Count(); ++i) Items(i).BuildTexture(*Screen, QuadRenderer, GameFolder, Messages);
}

void TOmegaImageList::ReleaseTextures(bool freeTexture) {
  for (int i = 0; i < Count(); ++i) Items(i).ReleaseTexture(freeTexture);
}

void TOmegaImageList::Doze() {
  for (int i = 0; i < Count(); ++i) Items(i).Doze();
}

void TOmegaImageList::DeviceCreated(TOmegaScreen&) {
  BuildTextures();
}

void TOmegaImageList::DeviceReleasing(TOmegaScreen&) {
  ReleaseTextures(false);
}

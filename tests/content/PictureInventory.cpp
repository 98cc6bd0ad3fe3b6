#include "PictureInventory.h"

namespace {

void AddNumbered(std::vector<TPictureEntry>& specs, const char* package, const std::string& stem, int count,
                 int w, int h, int columns = 1, bool rotates = false) {
  for (int i = 1; i <= count; ++i)
    specs.push_back({package, stem + std::to_string(i), w, h, columns, 1, rotates});
}

// Every theme but the meadow has its own ground, run-off corners, decorations and scenery, each the size
// and grid of the picture it stands in for.
void AddThemeVariants(std::vector<TPictureEntry>& specs) {
  const std::string themed[] = {"grass", "roadroters", "threeflowers", "monoflower", "tree1", "tree2",
                                "tree3", "tree4",      "elka1",        "elka2",      "house", "rock1"};
  std::vector<TPictureEntry> variants;
  for (const char* suffix : {"_autumn", "_sand", "_snow"}) {
    for (const std::string& name : themed) {
      for (const TPictureEntry& entry : specs) {
        if (entry.Package != std::string("data2") || entry.Name != name) continue;
        TPictureEntry variant = entry;
        variant.Name = name + suffix;
        variants.push_back(variant);
      }
    }
  }
  specs.insert(specs.end(), variants.begin(), variants.end());
}

}  // namespace

std::vector<TPictureEntry> PictureInventory() {
  std::vector<TPictureEntry> specs = {
      // Menus: intro.
      {"data1", "mousecursor", 32, 32, 8},
      {"data1", "logo_vek", 220, 220},
      {"data1", "logo", 220, 220},
      {"data1", "name", 800, 130},
      {"data1", "splash_back", 800, 600},
      {"data1", "splash_image", 440, 226},
      {"data1", "splash_square", 100, 16},
      {"data1", "splash_cars", 96, 56, 5},
      // Main menu.
      {"data1", "mainback", 800, 600},
      {"data1", "scr_title", 800, 600},
      {"data1", "dobav", 216, 394},
      {"data1", "b_stgame", 160, 44},
      {"data1", "b_opt", 160, 44},
      {"data1", "b_help", 160, 44},
      {"data1", "b_visit", 160, 44},
      {"data1", "b_halloffame", 160, 44},
      {"data1", "b_exit", 160, 44},
      {"data1", "b_logo", 150, 106},
      {"data1", "logo_vekm", 120, 60},
      {"data1", "light1", 68, 40},
      {"data1", "light2", 60, 35},
      // Name entry and quit dialogs.
      {"data1", "scr_entername", 586, 392},
      {"data1", "e_name", 294, 48},
      {"data1", "b_ok", 120, 44},
      {"data1", "scr_ExitTheGame", 586, 392},
      {"data1", "b_yes", 120, 44},
      {"data1", "b_no", 120, 44},
      // Help and options.
      {"data1", "spec_fon", 800, 600},
      {"data1", "scr_halloffame", 644, 360},
      {"data1", "scr_help", 644, 360},
      {"data1", "scr_help2", 644, 360},
      {"data1", "scr_help3", 644, 360},
      {"data1", "b_back", 130, 44},
      {"data1", "b_prev", 135, 44},
      {"data1", "b_next", 135, 44},
      {"data1", "up_hb", 40, 40, 8},
      {"data1", "down_hb", 40, 40, 8},
      {"data1", "left_hb", 40, 40, 8},
      {"data1", "right_hb", 40, 40, 8},
      {"data1", "p_hb", 40, 40, 8},
      {"data1", "esc_hb", 40, 40, 8},
      {"data1", "ctrl_hb", 64, 40, 8},
      {"data1", "space_hb", 120, 40, 8},
      {"data1", "scr_opt", 736, 270},
      {"data1", "scr_opt2", 736, 68},
      {"data1", "b_apply", 155, 44},
      {"data1", "b_cancel", 155, 44},
      {"data1", "b_on", 100, 52},
      {"data1", "b_off", 100, 52},
      {"data1", "b_easy", 100, 52},
      {"data1", "b_normal", 100, 52},
      {"data1", "b_hard", 100, 52},
      {"data1", "Edit", 210, 40},
      // Track and car selection.
      {"data1", "scr_choose", 800, 600},
      {"data1", "tr_notav", 214, 214},
      {"data1", "scr_choosecar", 800, 600},
      {"data1", "blik", 378, 232},
      {"data1", "bar", 256, 22},
      {"data1", "bc_next", 64, 64},
      {"data1", "bc_prev", 64, 64},
      {"data1", "bc_race", 149, 44},
      {"data1", "bc_trial", 170, 44},
      // Race: ground, road and paint.
      {"data2", "grass", 256, 256},
      {"data2", "roadstr", 160, 160},
      {"data2", "roadstrvert", 160, 160},
      {"data2", "roadroters", 160, 160, 2, 2},
      {"data2", "roaddiag", 352, 168, 1, 5, true},
      {"data2", "inplace", 44, 72, 1, 1, true},
      {"data2", "startline", 160, 32, 1, 1, true},
      {"data2", "fline", 160, 32, 1, 1, true},
      {"data2", "checkline", 160, 160},
      {"data2", "rom", 24, 24, 5, 1, true},
      {"data2", "romhor", 80, 16, 1, 5},
      {"data2", "romver", 16, 80, 5, 1},
      {"data2", "threeflowers", 32, 32, 4, 1, true},
      {"data2", "monoflower", 16, 16, 3, 3, true},
      // Obstacles and walls.
      {"data2", "tree1", 64, 64, 1, 1, true},
      {"data2", "tree2", 80, 80, 1, 1, true},
      {"data2", "tree3", 96, 96, 1, 1, true},
      {"data2", "tree4", 72, 72, 1, 1, true},
      {"data2", "elka1", 64, 64, 1, 1, true},
      {"data2", "elka2", 88, 88, 1, 1, true},
      {"data2", "house", 112, 88, 1, 1, true},
      {"data2", "rock1", 48, 48, 5, 1, true},
      {"data2", "ark", 96, 56, 3, 1, true},
      {"data2", "horwall", 160, 16},
      {"data2", "vertwall", 16, 160},
      // Dashboard, lights and the race's dialogs.
      {"data2", "speeder", 259, 173, 2},
      {"data2", "radar", 259, 173},
      {"data2", "panel", 240, 128},
      {"data2", "gapplate", 210, 32},
      {"data2", "speedarrow", 40, 42, 1, 1, true},
      {"data2", "radararrow", 24, 64, 1, 1, true},
      {"data2", "begarrows", 112, 112, 1, 1, true},
      {"data2", "playermark", 84, 84, 1, 1, true},
      {"data2", "mapplate", 150, 150},
      {"data2", "mapdot", 8, 8},
      // Drawn turned and stretched, yet opaque to its ends: the stretches of a trail join, and a
      // single tile has no neighbour to bleed in.
      {"data2", "tyremark", 16, 8},
      {"data2", "svetophor", 192, 58},
      {"data2", "redlight", 122, 122},
      {"data2", "yellowlight", 122, 122},
      {"data2", "greenlight", 122, 122},
      {"data2", "scr_pause", 540, 104},
      {"data2", "scr_exitgame", 526, 246},
      {"data2", "b_no1", 120, 44},
      {"data2", "b_yes1", 120, 44},
      {"data2", "scr_raceover", 508, 342},
      {"data2", "scr_send", 508, 342},
      {"data2", "newrecord", 124, 16},
      {"data2", "scr_av", 500, 70},
      {"data2", "bro_next", 92, 44},
      {"data2", "checkpoint", 5, 5},
      {"data2", "actcheckpoint", 5, 5, 2},
      {"data2", "boundpoint", 5, 5},
      {"data2", "eyepoint", 7, 7},
  };
  AddNumbered(specs, "data1", "tr_track", 12, 214, 214);
  AddNumbered(specs, "data1", "c_car", 5, 308, 240);
  // Cars, probes, smoke and pointers are drawn in both packages.
  for (const char* package : {"data1", "data2"}) {
    AddNumbered(specs, package, "car", 5, 32, 56, 3, true);
    specs.push_back({package, "groundpoint", 4, 4});
    specs.push_back({package, "dim", 32, 32, 5, 1, true});
    specs.push_back({package, "arrows", 70, 10, 1, 3});
  }
  AddThemeVariants(specs);
  return specs;
}

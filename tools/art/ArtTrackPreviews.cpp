#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "ArtFamilies.h"
#include "ArtPaint.h"
#include "ArtText.h"
#include "race/DiagonalRoads.h"
#include "race/TrackFile.h"

namespace {

constexpr int PreviewSize = 214;
constexpr double Cell = 160;                           // a road piece
constexpr double Inset = 18;                           // room inside the frame
constexpr double NameBand = 30;                        // the track's name under the map
constexpr int HorizontalWall = 10, VerticalWall = 11;  // obstacle kinds

// Catalogue order of the selection screen: tr_track1 shows "Data\data3.prd", tr_track2 "Data\data2.prd",
// and from tr_track3 on the files follow in order.
constexpr int PreviewTrackFile[] = {3, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};

std::vector<TTrackRecord> LoadRecords(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
  if (!stream.good() && !stream.eof()) return {};
  TTrackFileResult result = ParseTrackFile(bytes, file.string());
  if (!result.Ok()) throw std::runtime_error(result.Error);
  return result.Records;
}

bool IsRoad(const TTrackRecord& record) {
  return record.Kind >= TRecordKind::FirstRoad && record.Kind <= TRecordKind::LastRoad;
}

// The centre line of one road piece, in world pixels; a bend on a diagonal runs straight across.
void AddPieceCentreLine(cairo_t* cr, const TTrackRecord& piece, bool diagonal) {
  const double x = piece.X;
  const double y = piece.Y;
  const double half = Cell / 2;
  // Corners: the turn's centre is the piece corner between its two openings.
  struct TTurn {
    int Kind;
    double CornerX, CornerY, From;
  };
  constexpr TTurn turns[] = {{14, Cell, Cell, 180}, {13, 0, Cell, 270}, {12, Cell, 0, 90}, {11, 0, 0, 0}};
  cairo_new_sub_path(cr);
  for (const TTurn& turn : turns) {
    if (piece.Kind != turn.Kind) continue;
    if (diagonal) {
      cairo_move_to(cr, x + turn.CornerX, y + half);
      cairo_line_to(cr, x + half, y + turn.CornerY);
      return;
    }
    cairo_arc(cr, x + turn.CornerX, y + turn.CornerY, half, Radians(turn.From), Radians(turn.From + 90));
    return;
  }
  if (piece.Kind == 2) {
    cairo_move_to(cr, x + half, y);
    cairo_line_to(cr, x + half, y + Cell);
  } else {
    cairo_move_to(cr, x, y + half);
    cairo_line_to(cr, x + Cell, y + half);
  }
}

// A yellow arrow on the road just past the start line, pointing the way the grid faces.
void PaintStartArrow(cairo_t* cr, const std::vector<TTrackRecord>& records, double scale) {
  const auto line = std::find_if(records.begin(), records.end(),
                                 [](const TTrackRecord& r) { return r.Kind == TRecordKind::StartLinePaint; });
  const auto slot = std::find_if(records.begin(), records.end(),
                                 [](const TTrackRecord& r) { return r.Kind == TRecordKind::StartSlot; });
  if (line == records.end() || slot == records.end()) return;
  const double heading = slot->Param;
  const double ahead = 19 / scale;  // from the line to the arrow's middle
  const double x = line->X + ahead * std::cos(Radians(heading)),
               y = line->Y + ahead * std::sin(Radians(heading));
  const double size = 8 / scale;
  Transformed(cr, x, y, heading, 1, [&] {
    const TPath arrow =
        Polygon({size, 0, -size * 0.7, -size * 0.75, -size * 0.35, 0, -size * 0.7, size * 0.75});
    FillPath(cr, arrow, Palette::SunYellow);
    StrokePath(cr, arrow, Palette::Ink, 1.2 / scale);
  });
}

void PaintFrame(cairo_t* cr, TArtColor inside, cairo_surface_t* ground) {
  const TPath frame = RoundedRect(3, 3, PreviewSize - 6, PreviewSize - 6, 14);
  if (ground != nullptr) {
    FillTextured(cr, frame, ground);
  } else {
    FillPath(cr, frame, inside);
  }
  StrokePath(cr, RoundedRect(6, 6, PreviewSize - 12, PreviewSize - 12, 12), Palette::White, 5);
  StrokePath(cr, frame, Palette::Ink, 3);
}

// The colour of a theme's scenery in the previews: the crowns of its trees.
TArtColor SceneryDot(TTrackTheme theme) {
  switch (theme) {
    case TTrackTheme::Autumn:
      return Hex(0xD9602B);
    case TTrackTheme::Desert:
      return Hex(0x4E8A2E);
    case TTrackTheme::Alpine:
      return Hex(0x24584A);
    case TTrackTheme::Meadow:
      break;
  }
  return Palette::FoliageDark;
}

void PaintTrackMap(cairo_t* cr, const std::vector<TTrackRecord>& records, const TArtTextures& textures,
                   TTrackTheme theme) {
  PaintFrame(cr, Palette::Grass, textures.Ground(theme));
  double left = std::numeric_limits<double>::max();
  double top = left;
  double right = std::numeric_limits<double>::lowest();
  double bottom = right;
  for (const TTrackRecord& record : records) {
    if (!IsRoad(record)) continue;
    left = std::min(left, double(record.X));
    top = std::min(top, double(record.Y));
    right = std::max(right, record.X + Cell);
    bottom = std::max(bottom, record.Y + Cell);
  }
  if (left > right) return;
  const double room = PreviewSize - 2 * Inset;
  const double scale = std::min(room / (right - left), (room - NameBand + 8) / (bottom - top));
  cairo_save(cr);
  // Scenery beyond the road's square stays inside the frame.
  RoundedRect(8, 8, PreviewSize - 16, PreviewSize - 16, 11)(cr);
  cairo_clip(cr);
  cairo_translate(cr, PreviewSize / 2.0, (PreviewSize - NameBand + 8) / 2.0);
  cairo_scale(cr, scale, scale);
  cairo_translate(cr, -(left + right) / 2, -(top + bottom) / 2);
  const std::vector<std::size_t> diagonals = FindDiagonalRoads(records, int(Cell)).HiddenBends;
  const TPath road = [&](cairo_t* k) {
    for (std::size_t i = 0; i < records.size(); ++i) {
      const bool diagonal = std::binary_search(diagonals.begin(), diagonals.end(), i);
      if (IsRoad(records[i])) AddPieceCentreLine(k, records[i], diagonal);
    }
  };
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  StrokePath(cr, road, Palette::Ink, 10 / scale + 70);
  StrokePath(cr, road, Palette::White, 6 / scale + 70);
  StrokePath(cr, road, Palette::Asphalt, 70);
  // Scenery as dots beside the road, walls as red bars, and the chequered start.
  for (const TTrackRecord& record : records) {
    if (record.Kind != TRecordKind::Obstacle) continue;
    if (record.Index == HorizontalWall || record.Index == VerticalWall) {
      const double half = record.Index == HorizontalWall ? Cell / 2 : 0;
      StrokePath(cr,
                 Polygon({record.X - half, record.Y - (Cell / 2 - half), record.X + half,
                          record.Y + (Cell / 2 - half)}),
                 Palette::KerbRed, 2.2 / scale);
    } else {
      FillPath(cr, Circle(record.X, record.Y, 1.6 / scale + 14), SceneryDot(theme));
    }
  }
  PaintStartArrow(cr, records, scale);
  for (const TTrackRecord& record : records) {
    if (record.Kind != TRecordKind::StartLinePaint) continue;
    Transformed(cr, record.X, record.Y, record.Param, 1, [&] {
      cairo_rectangle(cr, -Cell / 2, -20, Cell, 40);
      cairo_clip(cr);
      Chequer(cr, -Cell / 2, -20, 8, 2, 20, Hex(0x15151C), Palette::White);
    });
  }
  cairo_restore(cr);
}

// The track's name on a navy band along the bottom of the frame.
void PaintName(cairo_t* cr, const std::string& name) {
  const double top = PreviewSize - 9 - NameBand + 6;
  const TPath band = [=](cairo_t* k) {
    cairo_new_sub_path(k);
    cairo_move_to(k, 9, top);
    cairo_line_to(k, PreviewSize - 9, top);
    cairo_line_to(k, PreviewSize - 9, PreviewSize - 20);
    cairo_arc(k, PreviewSize - 20, PreviewSize - 20, 11, 0, Pi / 2);
    cairo_line_to(k, 20, PreviewSize - 9);
    cairo_arc(k, 20, PreviewSize - 20, 11, Pi / 2, Pi);
    cairo_close_path(k);
  };
  FillPath(cr, band, WithAlpha(Palette::Navy, 0.92));
  StrokePath(cr, Polygon({9, top, PreviewSize - 9.0, top}), Palette::SunYellow, 2);
  DrawText(cr, name, {15, TFace::Heavy, TAlign::Centre, PreviewSize - 30.0}, PreviewSize / 2.0,
           (top + PreviewSize - 9) / 2.0, Palette::White, 2);
}

void PaintLocked(cairo_t* cr) {
  PaintFrame(cr, Hex(0x5B6F8C), nullptr);
  FillRadial(cr, RoundedRect(9, 9, PreviewSize - 18, PreviewSize - 18, 10), 107, 90, 130, Hex(0x7F93B0),
             Hex(0x44556F));
  // A padlock.
  const double cx = 107;
  StrokePath(
      cr,
      [=](cairo_t* k) {
        cairo_arc(k, cx, 86, 24, Pi, 2 * Pi);
        cairo_line_to(k, cx + 24, 100);
        cairo_move_to(k, cx - 24, 100);
        cairo_line_to(k, cx - 24, 86);
      },
      Palette::Ink, 14);
  StrokePath(
      cr,
      [=](cairo_t* k) {
        cairo_arc(k, cx, 86, 24, Pi, 2 * Pi);
        cairo_line_to(k, cx + 24, 100);
        cairo_move_to(k, cx - 24, 100);
        cairo_line_to(k, cx - 24, 86);
      },
      Hex(0xC9CDD3), 8);
  const TPath body = RoundedRect(cx - 38, 96, 76, 58, 10);
  FillVertical(cr, body, 96, Palette::SunYellow, 154, Palette::Orange);
  StrokePath(cr, body, Palette::Ink, 3);
  FillPath(cr, Circle(cx, 118, 7), Palette::Ink);
  FillPath(cr, Polygon({cx - 4, 120, cx + 4, 120, cx + 6, 138, cx - 6, 138}), Palette::Ink);
  DrawText(cr, "LOCKED", {26, TFace::Heavy, TAlign::Centre}, cx, 180, Palette::White, 2.5);
}

}  // namespace

void DrawTrackPreviews(TArtPackage& menus, const TArtTextures& textures,
                       const std::filesystem::path& trackFolder) {
  for (int preview = 0; preview < 12; ++preview) {
    const std::string name = "data" + std::to_string(PreviewTrackFile[preview]) + ".prd";
    const std::filesystem::path file = trackFolder / name;
    const TTrackTheme theme = ThemeOfTrack("Data\\" + name);
    const std::vector<TTrackRecord> records = LoadRecords(file);
    if (records.empty())
      std::fprintf(stderr, "morvel-art: no road in %s; its preview stays empty\n", file.c_str());
    menus.Add("tr_track" + std::to_string(preview + 1), PreviewSize, PreviewSize, [&](cairo_t* cr) {
      PaintTrackMap(cr, records, textures, theme);
      PaintName(cr, std::string(TrackPlaceName("Data\\" + name)));
    });
  }
  menus.Add("tr_notav", PreviewSize, PreviewSize, PaintLocked);
}

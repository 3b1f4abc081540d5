// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/generate.h"

#include <fstream>
#include <stdexcept>
#include <string>

#include "media/pictures.h"
#include "tools/assetgen/art.h"
#include "tools/assetgen/colour.h"
#include "tools/assetgen/sounds.h"

namespace assetgen {

namespace {

using klebony::kPictureTable;
using klebony::Picture;
using klebony::PictureInfo;
using klebony::PictureKind;

// What each picture of the game's table is drawn by.
Image drawing(const PictureInfo& picture) {
  switch (picture.id) {
    case Picture::OrganismSheet:
      return organismSheet();
    case Picture::MarkerSheet:
      return markerSheet();
    case Picture::HeartSheet:
      return heartSheet();
    case Picture::TwinkleSheet:
      return twinkleSheet();
    case Picture::TissueTexture:
      return tissueTexture();
    case Picture::WindowCursor:
      return cursorArrow();
    case Picture::ButtonCursor:
      return cursorOrganisms();
    case Picture::BoardCursor:
      return cursorRing();
    case Picture::OpenIcon:
      return iconOpen();
    case Picture::SaveIcon:
      return iconSave();
    case Picture::ExitIcon:
      return iconExit();
    case Picture::AboutIcon:
      return iconAbout();
    case Picture::HelpIcon:
      return iconHelp();
    case Picture::AppIcon:
      return appIcon(picture.width);
  }
  throw std::logic_error("a picture without a drawing");
}

Image draw(const PictureInfo& picture) {
  Image image = drawing(picture);
  if (image.width != picture.width || image.height != picture.height)
    throw std::logic_error(std::string(picture.file) + " is drawn at another size than its row says");
  return image;
}

}  // namespace

std::vector<AssetFile> allAssets() {
  std::vector<AssetFile> files;
  for (const PictureInfo& p : kPictureTable)
    files.push_back({p.file, encodePng(draw(p), storedWithAlpha(p.kind) ? PngKind::Rgba : PngKind::Rgb)});
  for (const SoundFile& s : allSounds()) files.push_back({s.path, encodeWav(s.pcm)});
  return files;
}

void writeAssets(const std::filesystem::path& dir) {
  for (const AssetFile& f : allAssets()) {
    const std::filesystem::path path = dir / f.path;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(f.bytes.data()), static_cast<std::streamsize>(f.bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
  }
}

namespace {

constexpr int kZoom = 8, kGap = 4;
const Rgba kPaper = rgb(60, 60, 70);

// A sheet's frames side by side, each drawn the game's way over the given backdrop.
Image framesOver(const Image& sheet, int frameW, int frameH, const Image* backdrop, Rgba fill) {
  const int columns = sheet.width / frameW, rows = sheet.height / (2 * frameH);
  Image out(columns * (frameW * kZoom + kGap), rows * (frameH * kZoom + kGap), kPaper);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      Image cell(frameW, frameH, fill);
      if (backdrop)
        for (int y = 0; y < frameH; ++y)
          for (int x = 0; x < frameW; ++x)
            cell.at(x, y) = backdrop->at((x + 31 * c) % backdrop->width, (y + 17 * r) % backdrop->height);
      drawMasked(cell, sheet, c * frameW, r * 2 * frameH, c * frameW, r * 2 * frameH + frameH, frameW, frameH,
                 0, 0);
      blit(out, enlarge(cell, kZoom), c * (frameW * kZoom + kGap), r * (frameH * kZoom + kGap), false);
    }
  return out;
}

Image overChecker(const Image& rgba, int zoom) {
  Image out(rgba.width, rgba.height);
  for (int y = 0; y < rgba.height; ++y)
    for (int x = 0; x < rgba.width; ++x) {
      const Rgba bg = ((x / 4 + y / 4) % 2) ? rgb(200, 200, 200) : rgb(150, 150, 150);
      out.at(x, y) =
          mix(bg, Rgba{rgba.at(x, y).r, rgba.at(x, y).g, rgba.at(x, y).b, 255}, rgba.at(x, y).a / 255.0);
    }
  return enlarge(out, zoom);
}

// Lays pictures out in rows; the page is painted once at the end.
struct Layout {
  struct Placed {
    Image img;
    int x, y;
  };
  std::vector<Placed> placed;
  int x = kGap, y = kGap, rowHeight = 0, width = 0, height = 0;
  void place(Image img) {
    if (x + img.width > 1400 && x > kGap) newRow();
    width = std::max(width, x + img.width + kGap);
    height = std::max(height, y + img.height + kGap);
    rowHeight = std::max(rowHeight, img.height);
    const int w = img.width;
    placed.push_back({std::move(img), x, y});
    x += w + 3 * kGap;
  }
  void newRow() {
    x = kGap;
    y += rowHeight + 3 * kGap;
    rowHeight = 0;
  }
  Image page() const {
    Image out(width, height, kPaper);
    for (const Placed& p : placed) blit(out, p.img, p.x, p.y, false);
    return out;
  }
};

// The start screen as it looks while running: tissue, a hundred organisms, three twinkles.
Image startScreen(const Image& texture) {
  Image screen(192, 203);
  for (int y = 0; y < screen.height; ++y)
    for (int x = 0; x < screen.width; ++x)
      screen.at(x, y) = texture.at(x % texture.width, y % texture.height);
  const Image m = organismSheet(), z = twinkleSheet();
  Noise noise(203);
  for (int i = 0; i < 100; ++i) {
    const int x = noise.below(200), y = noise.below(230), frame = noise.below(6), row = noise.below(6) * 24;
    drawMasked(screen, m, frame * 12, row, frame * 12, row + 12, 12, 12, x, y);
  }
  for (int i = 0; i < 3; ++i) {
    const int frame = 2 + i;
    drawMasked(screen, z, frame * 7, 0, frame * 7, 7, 7, 7, noise.below(180), noise.below(190));
  }
  return screen;
}

}  // namespace

Bytes contactSheet() {
  const Image texture = tissueTexture();
  const Image silver(1, 1, rgb(192, 192, 192));
  Layout l;
  const Image m = organismSheet();
  l.place(framesOver(m, 12, 12, nullptr, kBlack));
  l.place(framesOver(m, 12, 12, &texture, kBlack));
  l.newRow();
  l.place(framesOver(markerSheet(), 12, 12, nullptr, kBlack));
  l.place(framesOver(twinkleSheet(), 7, 7, nullptr, kBlack));
  l.place(framesOver(twinkleSheet(), 7, 7, &texture, kBlack));
  l.newRow();
  l.place(framesOver(markerSheet(), 12, 12, &texture, kBlack));
  l.place(framesOver(heartSheet(), 32, 32, nullptr, rgb(192, 192, 192)));
  l.place(framesOver(heartSheet(), 32, 32, &texture, kBlack));
  l.newRow();
  l.place(enlarge(texture, 2));
  Image tiled(200, 200);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) tiled.at(x, y) = texture.at(x % 100, y % 100);
  l.place(enlarge(tiled, 2));
  l.place(enlarge(startScreen(texture), 2));
  l.newRow();
  // Cursors, then menu icons, then the application's icon at every size, each on a row of its own.
  for (const PictureInfo& p : kPictureTable) {
    if (p.kind == PictureKind::Cursor) l.place(overChecker(draw(p), kZoom / 2));
  }
  l.newRow();
  for (const PictureInfo& p : kPictureTable) {
    if (p.kind == PictureKind::Icon && p.id != Picture::AppIcon) l.place(overChecker(draw(p), kZoom));
  }
  l.newRow();
  for (const PictureInfo& p : kPictureTable) {
    if (p.id == Picture::AppIcon) l.place(overChecker(draw(p), p.width <= 64 ? 4 : 1));
  }
  return encodePng(l.page(), PngKind::Rgb);
}

Bytes boardPreview(bool deuteranopia) {
  const Image m = organismSheet();
  Image board(432, 432, kBlack);
  Noise noise(432);
  // Territories as the game grows them: blobs of one owner amid free cells and darkness.
  int owner[36][36];
  for (auto& row : owner)
    for (int& o : row) o = noise.below(5) == 0 ? -1 : 0;
  const int seeds[5][2] = {{6, 6}, {28, 7}, {17, 18}, {7, 29}, {29, 28}};
  for (int s = 0; s < 5; ++s)
    for (int y = 0; y < 36; ++y)
      for (int x = 0; x < 36; ++x) {
        const int dx = x - seeds[s][0], dy = y - seeds[s][1];
        if (dx * dx + dy * dy < 30 + noise.below(14)) owner[y][x] = s + 1;
      }
  for (int y = 0; y < 36; ++y)
    for (int x = 0; x < 36; ++x)
      if (owner[y][x] >= 0) {
        const int row = owner[y][x] * 24, frame = noise.below(6);
        drawMasked(board, m, frame * 12, row, frame * 12, row + 12, 12, 12, x * 12, y * 12);
      }
  const Image marker = markerSheet();
  drawMasked(board, marker, 12, 0, 12, 12, 12, 12, 17 * 12, 18 * 12);
  return encodePng(deuteranopia ? simulateDeuteranopia(board) : board, PngKind::Rgb);
}

}  // namespace assetgen

// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/png.h"

#include <zlib.h>

#include <cstdlib>
#include <cstring>

namespace assetgen {

namespace {

void put32(Bytes& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::uint32_t get32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

std::uint32_t chunkCrc(const std::uint8_t* typeAndBody, size_t n) {
  return static_cast<std::uint32_t>(crc32_z(crc32_z(0, nullptr, 0), typeAndBody, n));
}

void chunk(Bytes& out, const char* type, const Bytes& body) {
  put32(out, static_cast<std::uint32_t>(body.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), body.begin(), body.end());
  put32(out, chunkCrc(out.data() + start, out.size() - start));
}

int paeth(int a, int b, int c) {
  const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

// What a PNG filter of the given type predicts from left (a), above (b) and upper-left (c).
int predict(int type, int a, int b, int c) {
  switch (type) {
    case 1:
      return a;
    case 2:
      return b;
    case 3:
      return (a + b) / 2;
    case 4:
      return paeth(a, b, c);
    default:
      return 0;
  }
}

// Filters one row with the given type; prior is the unfiltered row above (zeros for the first).
void filterRow(int type, const std::uint8_t* row, const std::uint8_t* prior, int length, int bpp,
               std::uint8_t* out) {
  for (int i = 0; i < length; ++i) {
    const int a = i >= bpp ? row[i - bpp] : 0, b = prior[i], c = i >= bpp ? prior[i - bpp] : 0;
    const int predicted = predict(type, a, b, c);
    out[i] = static_cast<std::uint8_t>(row[i] - predicted);
  }
}

void unfilterRow(int type, std::uint8_t* row, const std::uint8_t* prior, int length, int bpp) {
  for (int i = 0; i < length; ++i) {
    const int a = i >= bpp ? row[i - bpp] : 0, b = prior[i], c = i >= bpp ? prior[i - bpp] : 0;
    const int predicted = predict(type, a, b, c);
    row[i] = static_cast<std::uint8_t>(row[i] + predicted);
  }
}

}  // namespace

Bytes encodePng(const Image& img, PngKind kind) {
  const int bpp = kind == PngKind::Rgba ? 4 : 3;
  const int stride = img.width * bpp;
  Bytes raw;
  raw.reserve(static_cast<size_t>(stride + 1) * img.height);
  std::vector<std::uint8_t> row(stride), prior(stride, 0), filtered(stride), best(stride);
  for (int y = 0; y < img.height; ++y) {
    for (int x = 0; x < img.width; ++x) {
      const Rgba c = img.at(x, y);
      std::uint8_t* p = &row[static_cast<size_t>(x) * bpp];
      p[0] = c.r;
      p[1] = c.g;
      p[2] = c.b;
      if (bpp == 4) p[3] = c.a;
    }
    // The usual heuristic: the filter whose output has the smallest sum of magnitudes.
    long bestCost = -1;
    int bestType = 0;
    for (int type = 0; type < 5; ++type) {
      filterRow(type, row.data(), prior.data(), stride, bpp, filtered.data());
      long cost = 0;
      for (std::uint8_t v : filtered) cost += v < 128 ? v : 256 - v;
      if (bestCost < 0 || cost < bestCost) {
        bestCost = cost;
        bestType = type;
        best = filtered;
      }
    }
    raw.push_back(static_cast<std::uint8_t>(bestType));
    raw.insert(raw.end(), best.begin(), best.end());
    prior = row;
  }

  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  put32(header, static_cast<std::uint32_t>(img.width));
  put32(header, static_cast<std::uint32_t>(img.height));
  header.push_back(8);  // bits per channel
  header.push_back(kind == PngKind::Rgba ? 6 : 2);
  header.push_back(0);  // deflate
  header.push_back(0);  // adaptive filtering
  header.push_back(0);  // not interlaced
  chunk(out, "IHDR", header);
  chunk(out, "IDAT", zlibCompress(raw));
  chunk(out, "IEND", {});
  return out;
}

std::optional<Image> decodePng(const Bytes& file) {
  static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (file.size() < 8 || std::memcmp(file.data(), kSignature, 8) != 0) return std::nullopt;
  size_t pos = 8;
  int width = 0, height = 0, colourType = -1;
  Bytes idat;
  bool ended = false;
  while (pos + 12 <= file.size() && !ended) {
    const std::uint32_t length = get32(&file[pos]);
    if (length > file.size() - pos - 12) return std::nullopt;
    const std::uint8_t* type = &file[pos + 4];
    const std::uint8_t* body = &file[pos + 8];
    if (chunkCrc(type, length + 4) != get32(body + length)) return std::nullopt;
    if (std::memcmp(type, "IHDR", 4) == 0) {
      if (length != 13 || body[8] != 8 || body[10] != 0 || body[11] != 0 || body[12] != 0)
        return std::nullopt;
      width = static_cast<int>(get32(body));
      height = static_cast<int>(get32(body + 4));
      colourType = body[9];
    } else if (std::memcmp(type, "IDAT", 4) == 0) {
      idat.insert(idat.end(), body, body + length);
    } else if (std::memcmp(type, "IEND", 4) == 0) {
      ended = true;
    }
    pos += 12 + length;
  }
  if (!ended || (colourType != 2 && colourType != 6) || width <= 0 || height <= 0 || width > 4096 ||
      height > 4096)
    return std::nullopt;
  const int bpp = colourType == 6 ? 4 : 3;
  const size_t stride = static_cast<size_t>(width) * bpp;
  Bytes raw((stride + 1) * height);
  uLongf rawLength = raw.size();
  if (uncompress(raw.data(), &rawLength, idat.data(), idat.size()) != Z_OK || rawLength != raw.size())
    return std::nullopt;
  Image img(width, height);
  std::vector<std::uint8_t> prior(stride, 0);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = &raw[y * (stride + 1)];
    if (row[0] > 4) return std::nullopt;
    unfilterRow(row[0], row + 1, prior.data(), static_cast<int>(stride), bpp);
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* p = row + 1 + static_cast<size_t>(x) * bpp;
      img.at(x, y) = Rgba{p[0], p[1], p[2], bpp == 4 ? p[3] : std::uint8_t{255}};
    }
    prior.assign(row + 1, row + 1 + stride);
  }
  return img;
}

}  // namespace assetgen

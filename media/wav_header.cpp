// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/wav_header.h"

#include <algorithm>
#include <cstring>
#include <istream>

namespace klebony {

namespace {

std::uint16_t le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t le32(const std::uint8_t* p) { return le16(p) | (std::uint32_t{le16(p + 2)} << 16); }

// The file as far as the header needs it: its size, and bytes at an offset.
class Source {
 public:
  virtual ~Source() = default;
  virtual std::uint64_t size() const = 0;
  // False when fewer than n bytes lie at offset.
  virtual bool read(std::uint64_t offset, std::uint8_t* out, std::size_t n) = 0;
};

class SpanSource : public Source {
 public:
  explicit SpanSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint64_t size() const override { return bytes_.size(); }
  bool read(std::uint64_t offset, std::uint8_t* out, std::size_t n) override {
    if (offset > bytes_.size() || n > bytes_.size() - offset) return false;
    std::memcpy(out, bytes_.data() + offset, n);
    return true;
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

class StreamSource : public Source {
 public:
  explicit StreamSource(std::istream& in) : in_(in) {
    in_.seekg(0, std::ios::end);
    const std::streamoff end = in_.tellg();
    size_ = in_ && end > 0 ? static_cast<std::uint64_t>(end) : 0;
  }
  std::uint64_t size() const override { return size_; }
  bool read(std::uint64_t offset, std::uint8_t* out, std::size_t n) override {
    if (offset > size_ || n > size_ - offset) return false;
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(offset));
    in_.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(n));
    return in_ && in_.gcount() == static_cast<std::streamsize>(n);
  }

 private:
  std::istream& in_;
  std::uint64_t size_ = 0;
};

std::optional<WavHeader> parse(Source& file) {
  std::uint8_t riff[12];
  if (!file.read(0, riff, sizeof riff) || std::memcmp(riff, "RIFF", 4) != 0 ||
      std::memcmp(riff + 8, "WAVE", 4) != 0)
    return std::nullopt;
  WavHeader h;
  h.riffSize = le32(riff + 4);
  bool haveFormat = false;
  // Every chunk moves on by at least its 8-byte head, and reads past the end fail: the loop ends.
  for (std::uint64_t pos = sizeof riff;;) {
    std::uint8_t chunk[8];
    if (!file.read(pos, chunk, sizeof chunk)) return std::nullopt;
    const std::uint32_t size = le32(chunk + 4);
    const std::uint64_t body = pos + sizeof chunk;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      std::uint8_t fmt[16];
      if (size < sizeof fmt || !file.read(body, fmt, sizeof fmt)) return std::nullopt;
      const std::uint16_t tag = le16(fmt);
      if (tag != static_cast<std::uint16_t>(WavFormat::Pcm) &&
          tag != static_cast<std::uint16_t>(WavFormat::Float) &&
          tag != static_cast<std::uint16_t>(WavFormat::Extensible))
        return std::nullopt;
      h.format = static_cast<WavFormat>(tag);
      h.channels = le16(fmt + 2);
      h.sampleRate = le32(fmt + 4);
      h.byteRate = le32(fmt + 8);
      h.blockAlign = le16(fmt + 12);
      h.bitsPerSample = le16(fmt + 14);
      if (h.channels == 0 || h.bitsPerSample == 0 || h.byteRate == 0) return std::nullopt;
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!haveFormat) return std::nullopt;
      h.dataOffset = body;
      h.claimedDataBytes = size;
      h.dataBytes = std::min<std::uint64_t>(size, file.size() - body);
      return h;
    }
    pos = body + size + (size & 1);
  }
}

}  // namespace

std::optional<WavHeader> readWavHeader(std::span<const std::uint8_t> file) {
  SpanSource source(file);
  return parse(source);
}

std::optional<WavHeader> readWavHeader(std::istream& in) {
  StreamSource source(in);
  return parse(source);
}

}  // namespace klebony

#include "wav.h"

#include <cstring>

namespace assetgen {

namespace {

void put16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}
std::uint32_t get16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::uint32_t get32(const std::uint8_t* p) { return get16(p) | (get16(p + 2) << 16); }

}  // namespace

Bytes encodeWav(const Pcm& pcm) {
  const std::uint32_t blockAlign = pcm.channels * pcm.bitsPerSample / 8;
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(pcm.samples.size() * 2);
  Bytes out;
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  put32(out, 36 + dataBytes);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  put32(out, 16);
  put16(out, 1);  // PCM
  put16(out, pcm.channels);
  put32(out, pcm.sampleRate);
  put32(out, pcm.sampleRate * blockAlign);
  put16(out, blockAlign);
  put16(out, pcm.bitsPerSample);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  put32(out, dataBytes);
  for (std::int16_t s : pcm.samples) put16(out, static_cast<std::uint16_t>(s));
  return out;
}

std::optional<Pcm> decodeWav(const Bytes& file) {
  if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 || std::memcmp(&file[8], "WAVE", 4) != 0)
    return std::nullopt;
  if (get32(&file[4]) != file.size() - 8) return std::nullopt;
  Pcm pcm;
  bool haveFormat = false;
  size_t pos = 12;
  while (pos + 8 <= file.size()) {
    const std::uint32_t length = get32(&file[pos + 4]);
    const std::uint8_t* body = &file[pos + 8];
    if (length > file.size() - pos - 8) return std::nullopt;
    if (std::memcmp(&file[pos], "fmt ", 4) == 0) {
      if (length < 16 || get16(body) != 1) return std::nullopt;
      pcm.channels = static_cast<int>(get16(body + 2));
      pcm.sampleRate = static_cast<int>(get32(body + 4));
      pcm.bitsPerSample = static_cast<int>(get16(body + 14));
      haveFormat = true;
    } else if (std::memcmp(&file[pos], "data", 4) == 0) {
      if (!haveFormat || pcm.bitsPerSample != 16) return std::nullopt;
      for (std::uint32_t i = 0; i + 1 < length; i += 2)
        pcm.samples.push_back(static_cast<std::int16_t>(get16(body + i)));
      return pcm;
    }
    pos += 8 + length + (length & 1);
  }
  return std::nullopt;
}

}  // namespace assetgen

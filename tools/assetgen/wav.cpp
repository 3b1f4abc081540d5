// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/wav.h"

#include "media/wav_header.h"

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
  const auto h = klebony::readWavHeader(file);
  // Only files like our own: the RIFF size agrees, plain 16-bit PCM, and every sample is there.
  if (!h || h->riffSize != file.size() - 8 || h->format != klebony::WavFormat::Pcm ||
      h->bitsPerSample != 16 || h->dataBytes != h->claimedDataBytes)
    return std::nullopt;
  Pcm pcm;
  pcm.channels = h->channels;
  pcm.sampleRate = static_cast<int>(h->sampleRate);
  pcm.bitsPerSample = h->bitsPerSample;
  const std::uint8_t* data = file.data() + h->dataOffset;
  for (std::uint64_t i = 0; i + 1 < h->dataBytes; i += 2)
    pcm.samples.push_back(static_cast<std::int16_t>(get16(data + i)));
  return pcm;
}

}  // namespace assetgen

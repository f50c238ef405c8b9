#pragma once
// Blocks of eight 32-bit pixels (0x00RRGGBB, top bytes ignored) compared a
// register at a time: the fast paths of colour reduction. With SSE2, which
// every x86 build here has (32-bit GCC builds are given -msse2 for the files
// that use this), four pixels at a time; elsewhere one by one.
//
// The functions have internal linkage, so that files built with and without
// SSE2 each get their own.

#include <array>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__) || \
    (defined(_MSC_VER) && (defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)))
#define KX_PIXEL_BLOCKS_SSE2 1
#include <emmintrin.h>
#endif

namespace kx {
namespace {

constexpr std::size_t kBlockPixels = 8;

// A few colours (0x00RRGGBB) and their palette indices.
struct RecentColours {
  static constexpr std::size_t kCount = 4;
  static constexpr std::uint32_t kNone = 0xFF000000U;  // no pixel's colour, top byte aside

  std::array<std::uint32_t, kCount> colours{kNone, kNone, kNone, kNone};
  std::array<std::uint32_t, kCount> indices{};
};

// RunLength: how many of the first `count` pixels, in whole blocks, have the
// colour; top bytes do not count.
// IndicesOfRecent: when every pixel of the block has one of the recent
// colours, writes their indices to `out` and returns the last one; else
// writes nothing and returns -1.
#if KX_PIXEL_BLOCKS_SSE2

__m128i LoadRgb(const std::uint32_t* pixels) {
  return _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels)),
                       _mm_set1_epi32(0x00FFFFFF));
}

std::size_t RunLength(const std::uint32_t* pixels, std::size_t count, std::uint32_t rgb) {
  const __m128i colour = _mm_set1_epi32(static_cast<int>(rgb & 0x00FFFFFFU));
  std::size_t length = 0;
  for (; length + kBlockPixels <= count; length += kBlockPixels) {
    const __m128i same = _mm_and_si128(_mm_cmpeq_epi32(LoadRgb(pixels + length), colour),
                                       _mm_cmpeq_epi32(LoadRgb(pixels + length + 4), colour));
    if (_mm_movemask_epi8(same) != 0xFFFF) break;
  }
  return length;
}

int IndicesOfRecent(const std::uint32_t* block, const RecentColours& recent, std::uint8_t* out) {
  const __m128i first = LoadRgb(block);
  const __m128i second = LoadRgb(block + 4);
  __m128i found = _mm_setzero_si128();
  __m128i firstIndices = found;
  __m128i secondIndices = found;
  for (std::size_t k = 0; k < RecentColours::kCount; ++k) {
    const __m128i colour = _mm_set1_epi32(static_cast<int>(recent.colours[k]));
    const __m128i index = _mm_set1_epi32(static_cast<int>(recent.indices[k]));
    const __m128i inFirst = _mm_cmpeq_epi32(first, colour);
    const __m128i inSecond = _mm_cmpeq_epi32(second, colour);
    found = _mm_or_si128(found, _mm_packs_epi32(inFirst, inSecond));
    firstIndices = _mm_or_si128(firstIndices, _mm_and_si128(inFirst, index));
    secondIndices = _mm_or_si128(secondIndices, _mm_and_si128(inSecond, index));
  }
  if (_mm_movemask_epi8(found) != 0xFFFF) return -1;
  const __m128i words = _mm_packs_epi32(firstIndices, secondIndices);
  _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(words, words));
  return _mm_cvtsi128_si32(_mm_shuffle_epi32(secondIndices, 3));
}

#else

std::size_t RunLength(const std::uint32_t* pixels, std::size_t count, std::uint32_t rgb) {
  std::size_t length = 0;
  for (; length + kBlockPixels <= count; length += kBlockPixels) {
    std::uint32_t differ = 0;
    for (std::size_t i = 0; i < kBlockPixels; ++i) differ |= pixels[length + i] ^ rgb;
    if ((differ & 0x00FFFFFFU) != 0) break;
  }
  return length;
}

int IndicesOfRecent(const std::uint32_t* block, const RecentColours& recent, std::uint8_t* out) {
  std::uint8_t indices[kBlockPixels];
  for (std::size_t i = 0; i < kBlockPixels; ++i) {
    std::size_t k = 0;
    while (k < RecentColours::kCount && recent.colours[k] != (block[i] & 0x00FFFFFFU)) ++k;
    if (k == RecentColours::kCount) return -1;
    indices[i] = static_cast<std::uint8_t>(recent.indices[k]);
  }
  for (std::size_t i = 0; i < kBlockPixels; ++i) out[i] = indices[i];
  return indices[kBlockPixels - 1];
}

#endif

}  // namespace
}  // namespace kx

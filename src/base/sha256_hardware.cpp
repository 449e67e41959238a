// SHA-256 blocks with the x86 SHA extensions (SHA-NI), asked of the processor at run time:
// the program runs on processors without them, which use the portable blocks.
#include "base/sha256_blocks.h"

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#define FAVPAGE_SHA256_X86 1
#include <cpuid.h>
#include <immintrin.h>
#endif

namespace favpage::sha256 {

#if defined(FAVPAGE_SHA256_X86)

namespace {

bool Detect() {
  unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
  if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) == 0) return false;
  const bool ssse3 = (ecx & (1u << 9)) != 0;
  const bool sse41 = (ecx & (1u << 19)) != 0;
  if (__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx) == 0) return false;
  const bool sha = (ebx & (1u << 29)) != 0;
  return ssse3 && sse41 && sha;
}

}  // namespace

bool HardwareAvailable() {
  static const bool available = Detect();
  return available;
}

// The state is held as the instructions want it: A B E F in one register, C D G H in the
// other. Each group of four rounds adds four schedule words; the four message registers
// take turns, each one extended with sha256msg1 and sha256msg2 from the three after it.
__attribute__((target("sha,sse4.1,ssse3"))) void CompressHardware(std::uint32_t* state,
                                                                  const unsigned char* blocks,
                                                                  std::size_t count) {
  const __m128i byteOrder = _mm_set_epi64x(0x0c0d0e0f08090a0bULL, 0x0405060700010203ULL);
  __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(state));
  __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(state + 4));
  __m128i swapped = _mm_shuffle_epi32(low, 0xB1);
  high = _mm_shuffle_epi32(high, 0x1B);
  __m128i abef = _mm_alignr_epi8(swapped, high, 8);
  __m128i cdgh = _mm_blend_epi16(high, swapped, 0xF0);

  for (; count > 0; --count, blocks += 64) {
    const __m128i abefBefore = abef;
    const __m128i cdghBefore = cdgh;
    __m128i message[4];
    for (int group = 0; group < 16; ++group) {
      __m128i& current = message[group % 4];
      if (group < 4) {
        current = _mm_shuffle_epi8(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(blocks + 16 * group)), byteOrder);
      }
      __m128i words = _mm_add_epi32(
          current, _mm_loadu_si128(reinterpret_cast<const __m128i*>(kRound.data() + 4 * group)));
      cdgh = _mm_sha256rnds2_epu32(cdgh, abef, words);
      if (group >= 3 && group < 15) {
        __m128i& next = message[(group + 1) % 4];
        next = _mm_add_epi32(next, _mm_alignr_epi8(current, message[(group + 3) % 4], 4));
        next = _mm_sha256msg2_epu32(next, current);
      }
      words = _mm_shuffle_epi32(words, 0x0E);
      abef = _mm_sha256rnds2_epu32(abef, cdgh, words);
      if (group >= 1 && group < 13) {
        __m128i& previous = message[(group + 3) % 4];
        previous = _mm_sha256msg1_epu32(previous, current);
      }
    }
    abef = _mm_add_epi32(abef, abefBefore);
    cdgh = _mm_add_epi32(cdgh, cdghBefore);
  }

  swapped = _mm_shuffle_epi32(abef, 0x1B);
  cdgh = _mm_shuffle_epi32(cdgh, 0xB1);
  low = _mm_blend_epi16(swapped, cdgh, 0xF0);
  high = _mm_alignr_epi8(cdgh, swapped, 8);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(state), low);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(state + 4), high);
}

#else

bool HardwareAvailable() { return false; }

void CompressHardware(std::uint32_t* state, const unsigned char* blocks, std::size_t count) {
  CompressPortable(state, blocks, count);
}

#endif

}  // namespace favpage::sha256

// Shortest round-trip text of doubles from 0.1 to 2^21. Such a value is
// m * 2^-k with a 53-bit m and k from 32 to 56. Written with j digits after
// the point it is the integer nearest x = m * 10^j / 2^k, and that integer
// reads back as the value when it lies within half a unit in the last place
// of x. The fewest j for which it does gives the shortest text; the nearest
// integer is the one std::to_chars writes among equally short ones. x needs
// at most 110 bits.

#include "tools/cvntime/shortest_double.h"

#include <charconv>
#include <cstdint>
#include <cstring>

namespace cvn::tool {

namespace {

std::size_t mGeneral(double value, char* buffer) {
  return static_cast<std::size_t>(std::to_chars(buffer, buffer + kShortestDoubleMax, value).ptr -
                                  buffer);
}

#ifdef __SIZEOF_INT128__
__extension__ typedef unsigned __int128 u128;
#define CVN_HAVE_INT128 1
#else
#define CVN_HAVE_INT128 0
#endif

#if CVN_HAVE_INT128
constexpr std::uint64_t kPow10[18] = {1u,
                                      10u,
                                      100u,
                                      1000u,
                                      10000u,
                                      100000u,
                                      1000000u,
                                      10000000u,
                                      100000000u,
                                      1000000000u,
                                      10000000000u,
                                      100000000000u,
                                      1000000000000u,
                                      10000000000000u,
                                      100000000000000u,
                                      1000000000000000u,
                                      10000000000000000u,
                                      100000000000000000u};

constexpr char kTwoDigits[] =
    "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243444546"
    "4748495051525354555657585960616263646566676869707172737475767778798081828384858687888990919293"
    "949596979899";

// The integer nearest m * 10^j / 2^k into *digits when it reads back as
// m * 2^-k; k in [32, 56], j in [0, 17].
bool mDigitsAt(std::uint64_t m, int k, int j, std::uint64_t* digits) {
  const u128 x = static_cast<u128>(m) * kPow10[j];  // < 2^110
  const auto lo = static_cast<std::uint64_t>(x);
  const auto hi = static_cast<std::uint64_t>(x >> 64);
  std::uint64_t q = (hi << (64 - k)) | (lo >> k);  // < 10^17: fits
  std::uint64_t r = lo & ((std::uint64_t{1} << k) - 1);
  const std::uint64_t half = std::uint64_t{1} << (k - 1);
  if (r > half || (r == half && (q & 1) != 0)) {  // nearest, ties to even
    ++q;
    r = (std::uint64_t{1} << k) - r;
  }
  // |q - x| = r / 2^k against half a unit of the value, 10^j / 2^(k+1).
  // Never equal to it here (2^(k+1), at least 2^33, would divide 10^j), so
  // whether a value on the boundary reads back does not arise.
  if (2 * r < kPow10[j]) {
    *digits = q;
    return true;
  }
  return false;
}

// The eight digits of x < 10^8, leading zeros included: four independent
// pairs from the table.
void mWriteEight(std::uint32_t x, char* out) {
  const std::uint32_t iHigh = x / 10000, iLow = x - iHigh * 10000;
  const std::uint32_t a = iHigh / 100, b = iHigh - a * 100;
  const std::uint32_t c = iLow / 100, d = iLow - c * 100;
  std::memcpy(out, kTwoDigits + 2 * a, 2);
  std::memcpy(out + 2, kTwoDigits + 2 * b, 2);
  std::memcpy(out + 4, kTwoDigits + 2 * c, 2);
  std::memcpy(out + 6, kTwoDigits + 2 * d, 2);
}
#endif

}  // namespace

std::size_t mShortestDoubleTo(double value, char* buffer) {
#if !CVN_HAVE_INT128
  return mGeneral(value, buffer);
#else
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  const auto iExponent = static_cast<int>((bits >> 52) & 0x7FF);
  const std::uint64_t iFraction = bits & ((std::uint64_t{1} << 52) - 1);
  // [0.1, 2^21), not a power of two (whose lower neighbour is nearer).
  if (iExponent < 1019 || iExponent > 1043 || iFraction == 0 ||
      (iExponent == 1019 && (value < 0 ? -value : value) < 0.1)) {
    return mGeneral(value, buffer);
  }
  const std::uint64_t m = iFraction | (std::uint64_t{1} << 52);
  const int k = 1075 - iExponent;  // [32, 56]
  const std::uint64_t iWhole = m >> k;
  int p = 0;  // digits of the whole part (none below 1)
  while (p < 7 && iWhole >= kPow10[p]) ++p;
  // 17 significant digits always read back; most dates with a time need 16
  // or 17, so the search starts at 16 and usually ends after two tries.
  const int iMost = 17 - p;
  int j = iMost - 1;
  std::uint64_t iDigits = 0;
  if (!mDigitsAt(m, k, j, &iDigits)) {
    j = iMost;
    mDigitsAt(m, k, j, &iDigits);
  } else {
    std::uint64_t iFewer = 0;
    while (j > 0 && mDigitsAt(m, k, j - 1, &iFewer)) {
      --j;
      iDigits = iFewer;
    }
  }
  // No fraction (a whole number), or rounded up into the next whole number:
  // the general writer chooses between plain and scientific.
  if (j == 0 || iDigits - iWhole * kPow10[j] >= kPow10[j]) return mGeneral(value, buffer);
  // The digits (fewer than 10^17) as 24 with leading zeros at szText + 8,
  // the whole part then moved one to the left for the point.
  char szText[32];
  const std::uint64_t iTop = iDigits / 10000000000000000u;  // [0, 9]
  const std::uint64_t iRest = iDigits - iTop * 10000000000000000u;
  const std::uint64_t iMiddle = iRest / 100000000u;
  std::memcpy(szText + 8, "0000000", 7);
  szText[15] = static_cast<char>('0' + iTop);
  mWriteEight(static_cast<std::uint32_t>(iMiddle), szText + 16);
  mWriteEight(static_cast<std::uint32_t>(iRest - iMiddle * 100000000u), szText + 24);
  const int iPoint = 32 - j;
  const int iStart = iPoint - (p == 0 ? 1 : p) - 1;  // "0." below 1
  for (int i = iStart; i < iPoint - 1; ++i) szText[i] = szText[i + 1];
  szText[iPoint - 1] = '.';
  char* out = buffer;
  if ((bits >> 63) != 0) *out++ = '-';
  std::memcpy(out, szText + iStart, static_cast<std::size_t>(32 - iStart));
  out += 32 - iStart;
  return static_cast<std::size_t>(out - buffer);
#endif
}

}  // namespace cvn::tool

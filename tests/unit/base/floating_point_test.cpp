// The programs compute on the x87 unit (the 32-bit programs run on processors and systems without
// SSE2), rounding every result to double precision on every thread: the same date-time computed
// twice is the same value, whether it was kept in a register or stored.
#include <gtest/gtest.h>

#include <thread>

#include "base/datetime.h"

namespace {

unsigned short x87ControlWord() {
  unsigned short word = 0;
  __asm__ __volatile__("fnstcw %0" : "=m"(word));
  return word;
}

constexpr unsigned short kPrecisionBits = 0x300, kDoublePrecision = 0x200;

TEST(FloatingPoint, ArithmeticRunsOnTheX87UnitRoundingToDoublePrecisionOnEveryThread) {
#ifdef __SSE2_MATH__
  ADD_FAILURE() << "built for SSE2 arithmetic: the shipped programs compute on the x87 unit";
#endif
  EXPECT_EQ(x87ControlWord() & kPrecisionBits, kDoublePrecision);
  unsigned short other = 0;
  std::thread([&] { other = x87ControlWord(); }).join();
  EXPECT_EQ(other & kPrecisionBits, kDoublePrecision);
  // A sum the extended precision would keep more of than a stored double holds.
  volatile double stored = base::encodeDateTime(9999, 12, 31, 23, 59, 59);
  EXPECT_EQ(base::encodeDateTime(9999, 12, 31, 23, 59, 59), stored);
}

}  // namespace

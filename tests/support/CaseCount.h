#pragma once
// Randomised tests run a share of their cases under the sanitizers, whose unoptimised build is
// about ten times slower: divide a case count by this.

namespace quenk::test {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr int kCaseDivisor = 4;
#else
inline constexpr int kCaseDivisor = 1;
#endif

}  // namespace quenk::test

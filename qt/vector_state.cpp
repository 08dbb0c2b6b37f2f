// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/vector_state.h"

namespace tessaly {

void ReleaseVectorUpperHalves() {
#if defined(__x86_64__) || defined(__i386__)
  // VZEROUPPER is an AVX instruction: undefined without it.
  if (__builtin_cpu_supports("avx")) asm volatile("vzeroupper");
#endif
}

}  // namespace tessaly

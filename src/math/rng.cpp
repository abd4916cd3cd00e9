#include "math/rng.h"

namespace {

// The one shared state. All arithmetic is modulo 2^32 on unsigned words.
struct RngState {
  uint32_t x[128];
  int32_t i = -1;  // index of the word produced last; -1 before the first seeding
  uint32_t w = 0;
  uint32_t weyl = 0;
};

RngState state;

uint32_t mix(uint32_t v) {
  v ^= v << 10;
  v ^= v >> 15;
  v ^= v << 4;
  v ^= v >> 13;
  return v;
}

// One step of the xorshift recurrence (r = 128, s = 95, so the lag is 33).
void step() {
  state.i = (state.i + 1) & 127;
  uint32_t t = state.x[state.i];
  uint32_t u = state.x[(state.i + 33) & 127];
  t ^= t << 17;
  t ^= t >> 12;
  u ^= u << 13;
  u ^= u >> 15;
  state.x[state.i] = t ^ u;
}

void seedFrom(uint32_t seed) {
  state.weyl = 0x61C88647u;
  uint32_t v = seed != 0 ? seed : ~seed;
  for (int k = 0; k < 32; ++k) v = mix(v);
  state.w = v;
  for (int k = 0; k < 128; ++k) {
    v = mix(v);
    state.w += state.weyl;
    state.x[k] = v + state.w;
  }
  state.i = 127;
  for (int k = 0; k < 4 * 128; ++k) step();  // discard; the Weyl counter stays
}

}  // namespace

uint32_t rng_next(uint32_t seed) {
  if (state.i < 0 || seed != 0) seedFrom(seed);
  step();
  state.w += state.weyl;
  return state.x[state.i] + (state.w ^ (state.w >> 16));
}

double rng_next_double(uint32_t seed) {
  // (first >> 11) / 2^21 + second / 2^53, exact in double precision.
  double r = 0.0;
  while (r == 0.0) {
    r = static_cast<double>(rng_next(seed) >> 11);
    seed = 0;
    r += static_cast<double>(rng_next(0)) * (1.0 / 4294967296.0);
  }
  return r * (1.0 / 2097152.0);
}

// The process-wide random number generator of the numerical core: the 32-bit
// xor4096i generator (xorshift recurrence of lag 128 combined with a Weyl sequence).
//
// Every criterion's pair sample is redrawn from its stored seed whenever a model is
// set up, and stored scores are matched to the pairs by position, so this stream must
// be reproduced bit for bit on every platform. There is one shared state: any caller
// that passes a non-zero seed restarts the stream for everyone. Not thread-safe; the
// program calls it from its one thread only.
#pragma once

#include <cstdint>

// A non-zero seed re-seeds the generator (every time it is passed) and returns the
// first number of the new stream; 0 continues the current stream. A first call with 0
// seeds from 0xFFFFFFFF.
uint32_t rng_next(uint32_t seed);

// A double uniformly distributed over (0, 1) with 53 random bits: never 0.0 or 1.0.
// The seed goes to the first integer draw, 0 to the others.
double rng_next_double(uint32_t seed);

// One text of everything the numerical core must reproduce bit for bit in every build:
// the generator stream, the number of pairs over a grid of settings, drawn pairs for
// many seeds and sizes, and the rankings of fixed scored frames. Both builds compare it
// with the same expected file; PV_UPDATE_GOLDEN=1 rewrites that file instead.
#include "FrameFixture.h"
#include "HexFloat.h"
#include "math/alg.h"
#include "math/mcdm_bc3.h"
#include "math/model.h"
#include "math/rng.h"
#include "math/sample_size.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace mathtest;

std::string hex32(uint32_t v) {
  static const char digits[] = "0123456789abcdef";
  std::string s(8, '0');
  for (int k = 7; k >= 0; --k, v >>= 4) s[k] = digits[v & 0xF];
  return s;
}

void writeGenerator(std::string& out) {
  for (uint32_t seed : {1u, 2u, 3u, 0xFFFFFFFFu, 0x3F1309AEu, 0xDEADBEEFu, 12345u, 0x80000000u}) {
    out += "rng " + hex32(seed) + ":";
    out += " " + hex32(rng_next(seed));
    for (int k = 0; k < 11; ++k) out += " " + hex32(rng_next(0));
    out += "\n";
  }
  for (uint32_t seed : {1u, 0x5EEDu}) {
    out += "rng_double " + hex32(seed) + ":";
    out += " " + hexFloat(rng_next_double(seed));
    for (int k = 0; k < 5; ++k) out += " " + hexFloat(rng_next_double(0));
    out += "\n";
  }
}

void writeSampleSizes(std::string& out) {
  const double levels[] = {50.1, 60.0, 75.0, 80.0, 85.0, 90.0, 94.1, 95.0, 97.5, 99.0, 99.9, 99.99, 100.0};
  const double margins[] = {0.0, 0.1, 1.0, 2.5, 5.0, 7.5, 10.0, 15.0, 20.0, 30.0, 50.0};
  std::vector<uint32_t> counts;
  for (uint32_t nch = 2; nch <= 40; ++nch) counts.push_back(nch);
  for (uint32_t nch = 47; nch < 254; nch += 7) counts.push_back(nch);
  counts.push_back(254);
  for (double level : levels)
    for (double margin : margins) {
      out += "npr " + hexFloat(level) + " " + hexFloat(margin) + ":";
      for (uint32_t nch : counts) out += " " + std::to_string(pd_sample_pairs(level, margin, nch, 50.0));
      out += "\n";
    }
}

void writeDraw(std::string& out, uint32_t seed, uint32_t nch, uint32_t npr) {
  std::vector<MCDM_BC3_Pair> pairs(npr);
  pair_data pd{seed, pairs.data(), nullptr};
  rng_next(seed);
  mcdm_bc3_make_random_pairs(&pd, nch, npr);
  out += "draw " + std::to_string(nch) + " " + std::to_string(npr) + " " + hex32(seed) + ":";
  for (const auto& p : pairs) out += " " + std::to_string(p.i) + "-" + std::to_string(p.j);
  out += "\n";
}

void writeDraws(std::string& out) {
  const uint32_t small[][2] = {{2, 1},  {3, 3},   {4, 6},   {5, 10},  {6, 14},   {7, 12},  {7, 20},
                               {9, 33}, {10, 31}, {10, 41}, {10, 45}, {17, 100}, {30, 270}};
  uint32_t seed = 0x3F1309AE;
  for (int s = 0; s < 20; ++s) {
    seed = rng_next(seed);
    for (const auto& size : small) writeDraw(out, seed, size[0], size[1]);
  }
  for (uint32_t bigSeed : {1u, 0xC0FFEEu, 0x3F1309AEu}) {
    writeDraw(out, bigSeed, 50, 600);
    writeDraw(out, bigSeed, 254, 380);
  }
}

// Scores from scale positions: pair (a, b) scored position[b] - position[a], clipped.
void scoreConsistently(model* m, const std::vector<int>& position) {
  for (unsigned cr = 0; cr < m->ncr; ++cr)
    for (unsigned d = 0; d < m->ndm; ++d)
      for (unsigned k = 0; k < m->npr; ++k) {
        const MCDM_BC3_Pair& p = m->pd[cr].pairs[k];
        int s = position[p.j] - position[p.i] + static_cast<int>((cr + d) % 2);
        s = s < -5 ? -5 : (s > 5 ? 5 : s);
        model_set_packed_score(m->pd[cr].scores, d * m->npr + k, static_cast<uint8_t>(8 + s));
      }
}

void writeSolve(std::string& out, const std::string& name, model* m) {
  // The scanning solver is the reference: the indexed one must give the same bits.
  const std::size_t rowBytes = m->nch * sizeof(ranking_row);
  std::vector<ranking_row> before(m->solution.ranking, m->solution.ranking + m->nch);
  const int scanResult = model_run(m, alg_solve_unindexed, keepGoing);
  const uint16_t scanIterations = m->solution.iterations;
  std::vector<ranking_row> scanned(m->solution.ranking, m->solution.ranking + m->nch);
  std::memcpy(m->solution.ranking, before.data(), rowBytes);
  const int result = model_run(m, alg_solve, keepGoing);
  EXPECT_EQ(result, scanResult) << name;
  EXPECT_EQ(m->solution.iterations, scanIterations) << name;
  for (unsigned k = 0; k < m->nch; ++k) {
    EXPECT_EQ(m->solution.ranking[k].row, scanned[k].row) << name << " row " << k;
    EXPECT_EQ(hexFloat(m->solution.ranking[k].pctrank), hexFloat(scanned[k].pctrank)) << name << " row " << k;
  }
  out += "solve " + name + ": npr " + std::to_string(m->npr) + " result " + std::to_string(result) + " iterations " +
         std::to_string(m->solution.iterations) + "\n";
  for (unsigned k = 0; k < m->nch; ++k) {
    const ranking_row& r = m->solution.ranking[k];
    out += "  " + std::to_string(r.row) + " " + hex32(r.ch_id) + " " + hexFloat(r.pctrank) + "\n";
  }
}

void writeSolves(std::string& out) {
  {
    Frame m = setUpFrame(5, 7, 10, 95, 5, 0x3F1309AE, {525, 437, 100, 250, 9999}, {270, 37, 386, 957, 520, 512, 957});
    scoreRandomly(m.get(), 1);
    writeSolve(out, "file-limits-random", m.get());
  }
  {
    Frame m = setUpFrame(5, 7, 10, 100, 0, 0xC0FFEE, {1, 1, 1, 1, 1}, {3, 1, 4, 1, 5, 9, 2});
    scoreConsistently(m.get(), {0, 1, 2, 3, 4, 2, 1, 0, 3, 4});
    writeSolve(out, "file-limits-consistent", m.get());
  }
  {
    Frame m = setUpFrame(2, 2, 10, 90, 10, 77);
    scoreRandomly(m.get(), 2);
    writeSolve(out, "ten-choices-90-10", m.get());
  }
  {
    Frame m = setUpFrame(1, 1, 2, 95, 5, 21);
    model_set_packed_score(m->pd[0].scores, 0, 10);
    writeSolve(out, "two-choices", m.get());
  }
  {
    Frame m = setUpFrame(1, 1, 3, 95, 5, 11);
    scoreAll(m.get(), 8);
    writeSolve(out, "no-preference", m.get());
  }
  {
    Frame m = setUpFrame(3, 2, 30, 90, 10, 0xABCDEF, {1, 2, 3}, {2, 1});
    scoreRandomly(m.get(), 3);
    writeSolve(out, "thirty-choices", m.get());
  }
  {
    Frame m = setUpFrame(1, 1, 254, 95, 5, 12);
    scoreRandomly(m.get(), 4);
    writeSolve(out, "core-limit-choices", m.get());
  }
  {
    // Every pair of every criterion scored alike: the search walks along directions in
    // which the objective is exactly flat, so a change of one unit in the last place of
    // a sum (another order of adding, a fused multiply-add) changes the ranking. This
    // frame holds the order of the arithmetic fixed in every build.
    Frame m = setUpFrame(1, 3, 3, 95, 5, 0x5EED);
    scoreAll(m.get(), 11);
    writeSolve(out, "flat-directions", m.get());
  }
}

std::string goldenText() {
  std::string out;
  writeGenerator(out);
  writeSampleSizes(out);
  writeDraws(out);
  writeSolves(out);
  return out;
}

TEST(Golden, SameBitsInEveryBuild) {
  const std::string path = std::string(PV_TEST_DATA_DIR) + "/math/mathcore_golden.txt";
  const std::string actual = goldenText();
  const char* update = std::getenv("PV_UPDATE_GOLDEN");
  if (update != nullptr && std::strcmp(update, "1") == 0) {
    std::ofstream(path, std::ios::binary) << actual;
    GTEST_SKIP() << "rewrote " << path;
  }
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << "missing " << path;
  const std::string expected((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (actual == expected) return;
  std::istringstream a(actual), e(expected);
  std::string la, le;
  for (int line = 1;; ++line) {
    const bool gotActual = static_cast<bool>(std::getline(a, la));
    const bool gotExpected = static_cast<bool>(std::getline(e, le));
    if (!gotActual && !gotExpected) break;
    if (!gotActual) la = "<end>";
    if (!gotExpected) le = "<end>";
    if (la != le) {
      FAIL() << "line " << line << " differs:\n  got      " << la.substr(0, 300) << "\n  expected "
             << le.substr(0, 300);
    }
  }
  FAIL() << "texts differ";
}

}  // namespace

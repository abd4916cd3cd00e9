#include "math/mcdm_bc3.h"

#include "foundation/Assert.h"
#include "math/rng.h"

#include <cstdlib>
#include <vector>

namespace {

constexpr uint32_t kRemoved = 0xFFFFFFFFu;

// The working list of ordered-pair codes (code = nch * a + b): live entries at the
// front, removed ones marked beyond. Removal moves the last live entry into the hole,
// which fixes the scan order of later cycles.
class CodeList {
 public:
  CodeList(std::vector<uint32_t> codes) : list_(std::move(codes)), rem_(list_.size()) {}

  std::size_t remaining() const { return rem_; }
  uint32_t at(std::size_t k) const { return list_[k]; }

  // Removes a drawn code together with its reverse; both are always present.
  void removeWithReverse(uint32_t code, uint32_t nch) {
    const uint32_t reverse = nch * (code % nch) + code / nch;
    removeFirst(code, rem_);
    removeFirst(reverse, rem_ - 1);
    rem_ -= 2;
  }

 private:
  void removeFirst(uint32_t code, std::size_t live) {
    std::size_t k = 0;
    while (k < live && list_[k] != code) ++k;
    PV_ASSERT(k < live);
    list_[k] = list_[live - 1];
    list_[live - 1] = kRemoved;
  }

  std::vector<uint32_t> list_;
  std::size_t rem_;
};

}  // namespace

int mcdm_bc3_make_random_pairs(pair_data* pd, uint32_t choices, uint32_t npr) {
  PV_ASSERT(choices >= 2);
  PV_ASSERT(pd->pairs != 0);
  const uint32_t nch = choices;
  const uint32_t M = nch * (nch - 1);  // ordered pairs
  // Asked for more pairs than exist, the cycles below would never end.
  if (npr > M / 2) return 0;

  // Every ordered pair, in an order shuffled from the top.
  std::vector<uint32_t> perm(M);
  for (uint32_t k = 0; k < M; ++k) perm[k] = k;
  for (uint32_t m = M; m >= 1; --m) {
    const uint32_t r = rng_next(0) % m;
    const uint32_t t = perm[r];
    perm[r] = perm[m - 1];
    perm[m - 1] = t;
  }
  std::vector<uint32_t> codes(M);
  uint32_t pos = 0;
  for (uint32_t a = 0; a < nch; ++a)
    for (uint32_t b = 0; b < nch; ++b)
      if (b != a) codes[perm[pos++]] = nch * a + b;
  CodeList list(std::move(codes));

  std::vector<uint8_t> avail(nch, 1);
  const uint32_t h = (nch + 1) / 2;  // the window, in pairs
  uint32_t count = 0;
  uint32_t stalls = 0;
  bool drewLastCycle = false;

  auto output = [&](uint32_t code) {
    pd->pairs[count].i = static_cast<uint16_t>(code / nch);
    pd->pairs[count].j = static_cast<uint16_t>(code % nch);
    ++count;
    list.removeWithReverse(code, nch);
  };
  auto release = [&](uint32_t pairNumber) {
    avail[pd->pairs[pairNumber].i] = 1;
    avail[pd->pairs[pairNumber].j] = 1;
  };

  while (count < npr) {
    if (drewLastCycle && 2 * count >= nch) release(count - h);
    bool drew = false;

    // Pass 1: the first pair whose two choices are both available.
    for (std::size_t k = 0; k < list.remaining(); ++k) {
      const uint32_t code = list.at(k);
      const uint32_t a = code / nch, b = code % nch;
      if (avail[a] && avail[b]) {
        avail[a] = avail[b] = 0;
        stalls = 0;
        output(code);
        drew = true;
        break;
      }
    }
    if (!drew) {
      // Pass 2: the first pair with at least one available choice.
      for (std::size_t k = 0; k < list.remaining(); ++k) {
        const uint32_t code = list.at(k);
        const uint32_t a = code / nch, b = code % nch;
        if (avail[a] || avail[b]) {
          stalls = 0;
          avail[a] = avail[b] = 0;
          output(code);
          drew = true;
          break;
        }
      }
      // Pass 3: near the end of the list, random pairs regardless of availability.
      while (list.remaining() > 0 && 3 * list.remaining() <= 4 * static_cast<std::size_t>(nch) && count < npr) {
        const uint32_t r = rng_next(0) % static_cast<uint32_t>(list.remaining());
        output(list.at(r));
        drew = true;
      }
      if (!drew && 2 * count >= nch) {
        stalls += 1;
        release(count - h + 1);
        if (stalls >= 2) {
          release(count - h + 2);
          stalls = 1;
        }
      }
    }
    drewLastCycle = drew;
  }
  return 1;
}

MCDM_BC3_Pair* mcdm_bc3_alloc_pairs(uint32_t num_samples) {
  PV_ASSERT(num_samples != 0 && num_samples <= MAX_NUM_PAIRS);
  MCDM_BC3_Pair* head = static_cast<MCDM_BC3_Pair*>(std::calloc(num_samples, sizeof(MCDM_BC3_Pair)));
  PV_ASSERT(head != NULL);
  return head;
}

void mcdm_bc3_free_pairs(MCDM_BC3_Pair* pairs) { std::free(pairs); }

uint8_t* mcdm_bc3_alloc_scores(uint32_t num_samples) {
  PV_ASSERT(num_samples != 0 && num_samples <= MAX_NUM_PAIRS);
  uint8_t* head = static_cast<uint8_t*>(std::calloc(num_samples, 1));
  PV_ASSERT(head != NULL);
  return head;
}

void mcdm_bc3_free_scores(uint8_t* scores) { std::free(scores); }

csd* mcdm_bc3_alloc_csds(uint32_t num_csds) {
  PV_ASSERT(num_csds != 0 && num_csds <= MAX_CRITERIA);
  csd* head = static_cast<csd*>(std::calloc(num_csds, sizeof(csd)));
  PV_ASSERT(head != NULL);
  return head;
}

void mcdm_bc3_free_csds(csd* csds) { std::free(csds); }

#include "math/ModelCheck.h"

#include "model/ScoreChars.h"
#include "math/sample_size.h"
#include "model/DecisionModel.h"
#include "model/TextForms.h"

#include <cmath>
#include <cstdlib>

namespace PV {
namespace Math {

namespace {

constexpr double PERCENT_AGREE = 50.0;

std::string num(uint64_t n) { return std::to_string(n); }

template <typename Item>
bool uniqueIds(const std::vector<Item>& list) {
  for (std::size_t a = 0; a < list.size(); ++a) {
    for (std::size_t b = a + 1; b < list.size(); ++b) {
      if (list[a].get_uid() == list[b].get_uid()) return false;
    }
  }
  return true;
}

}  // namespace

bool hasUniqueIds(const std::vector<PV::Data::Choice>& list) { return uniqueIds(list); }
bool hasUniqueIds(const std::vector<PV::Data::Criterion>& list) { return uniqueIds(list); }
bool hasUniqueIds(const std::vector<PV::Data::DecisionMaker>& list) { return uniqueIds(list); }

bool isValidConfidence(double cfl, double cfi) {
  // Written as positive tests so that a NaN fails them.
  return cfl > PERCENT_AGREE && cfl <= 100.0 && cfi >= 0.0 && cfi <= 50.0;
}

uint32_t pairsPerCriterion(double cfl, double cfi, uint32_t nch) {
  if (nch < MIN_NUM_CHOICES || !isValidConfidence(cfl, cfi)) return 0;
  return pd_sample_pairs(cfl, cfi, nch, PERCENT_AGREE);
}

bool readBlockSeed(const std::string& block, uint32_t& seed) {
  uint32_t v = 0;
  if (!readBlockField(block, BLOCK_SEED_AT, v)) return false;
  seed = v;
  // A seed of 0 would have the pairs drawn afresh, so the stored scores would
  // attach to other pairs than they were given for.
  return v != 0;
}

bool checkScoreBlocks(const PV::Data::DecisionModel& model, std::string& why) {
  const auto& blocks = model.get_ss();
  if (blocks.empty()) return true;
  const auto ndm = static_cast<uint32_t>(model.get_dms().size());
  const auto ncr = static_cast<uint32_t>(model.get_crs().size());
  const auto nch = static_cast<uint32_t>(model.get_chs().size());
  const auto& params = model.get_params();
  if (blocks.size() != ncr) {
    why = "The model holds " + num(blocks.size()) + " score blocks for " + num(ncr) +
          " criteria; it needs one block per criterion.";
    return false;
  }
  const uint32_t npr = pairsPerCriterion(params.get_cfl(), params.get_cfi(), nch);
  if (ndm == 0 || npr == 0) {
    why = "The model holds score blocks but has no pairs to score.";
    return false;
  }
  const int sil = params.get_sil();
  const uint64_t length = SCORE_BLOCK_HEADER_LEN + static_cast<uint64_t>(ndm) * npr;
  for (std::size_t c = 0; c < blocks.size(); ++c) {
    const std::string& block = blocks[c].get_value();
    const std::string which = "Score block " + num(c + 1);
    if (block.size() != length) {
      why = which + " has " + num(block.size()) + " characters; the model needs " + num(length) + " (" + num(ndm) +
            " decision makers x " + num(npr) + " pairs).";
      return false;
    }
    uint32_t seed = 0;
    if (!readBlockSeed(block, seed)) {
      why = which + " has no valid seed (characters 9 to 16 must be a non-zero hexadecimal number).";
      return false;
    }
    for (std::size_t k = SCORE_BLOCK_HEADER_LEN; k < block.size(); ++k) {
      const char ch = block[k];
      if (!isScoreChar(ch)) {
        why = which + " holds the character '" + std::string(1, ch) + "', which is no score.";
        return false;
      }
      const int kv = kValueOfChar(ch);
      if (kv >= 0 && std::abs(kv - 8) > sil) {
        why = which + " holds a score of strength " + num(static_cast<uint64_t>(std::abs(kv - 8))) +
              " above the scale dimension " + num(static_cast<uint64_t>(sil)) + ".";
        return false;
      }
    }
  }
  return true;
}

bool checkModelData(const PV::Data::DecisionModel& model, std::string& why) {
  const auto& params = model.get_params();
  if (!isValidConfidence(params.get_cfl(), params.get_cfi())) {
    why =
        "The confidence level must lie above 50% and at most 100%, the confidence interval "
        "between 0% and 50%.";
    return false;
  }
  if (model.get_dms().size() > PV_DATA_MAX_DMS) {
    why = "The model has more than " + num(PV_DATA_MAX_DMS) + " decision makers.";
    return false;
  }
  if (model.get_crs().size() > PV_DATA_MAX_CRS) {
    why = "The model has more than " + num(PV_DATA_MAX_CRS) + " criteria.";
    return false;
  }
  if (model.get_chs().size() > PV_DATA_MAX_CHS) {
    why = "The model has more than " + num(PV_DATA_MAX_CHS) + " choices.";
    return false;
  }
  // Scores follow their criteria, decision makers and choices by id.
  if (!hasUniqueIds(model.get_dms()) || !hasUniqueIds(model.get_crs()) || !hasUniqueIds(model.get_chs())) {
    why = "Two entries of one list of the model have the same unique id.";
    return false;
  }
  return checkScoreBlocks(model, why);
}

}  // namespace Math
}  // namespace PV

#include "DemoShapedModel.h"

#include <string>

#include "ReportTestSupport.h"

namespace PV {
namespace Report {
namespace Support {

namespace {
const char* const CHOICE_NOTES[10] = {"Compact hatchback, city use", "Family estate with roof rails",
                                      "Electric saloon, long range", "Small van for deliveries",
                                      "Seven-seat people carrier",   "Pick-up truck, double cab",
                                      "Sports coupe, two doors",     "Hybrid crossover, mid size",
                                      "Minibus for the club",        "Second-hand runabout"};

std::string hex8(uint32_t value) {
  static const char digits[] = "0123456789abcdef";
  std::string text(8, '0');
  for (int i = 7; i >= 0; --i, value >>= 4) text[static_cast<size_t>(i)] = digits[value & 0xF];
  return text;
}

PV::Data::DecisionModel scoredModel(int decisionMakers, const char* name) {
  PV::Data::DecisionModel model;
  model.set_nm(name);
  model.set_filepath(std::string(name) + ".xml.pv");
  model.set_crtime("2010-01-10T14:03:05");
  model.set_note("Multiple Model for experts, 7 criteria, 10 choices, 45 pairs Test");
  PV::Data::ModelParameters params;
  params.set_note("Model Parameters");
  params.set_cfi(0.0);
  params.set_cfl(100.0);
  params.set_sil(5);
  model.set_params(params);
  const uint16_t dmWeights[5] = {525, 437, 300, 250, 100};
  for (int i = 0; i < decisionMakers; ++i) {
    auto dm = makeItem<PV::Data::DecisionMaker>(i + 1, "Decision Maker " + std::to_string(i + 1), "", 1000 + i);
    dm.set_wt(dmWeights[i]);
    model.get_dms().push_back(dm);
  }
  const uint16_t crWeights[7] = {270, 37, 386, 957, 520, 512, 957};
  for (int i = 0; i < 7; ++i) {
    auto cr = makeItem<PV::Data::Criterion>(i + 1, "Criteria " + std::to_string(i + 1), "", 2000 + i);
    cr.set_wt(crWeights[i]);
    model.get_crs().push_back(cr);
  }
  for (int i = 0; i < 10; ++i) {
    model.get_chs().push_back(
        makeItem<PV::Data::Choice>(i + 1, "Choice " + std::to_string(i + 1), CHOICE_NOTES[i], 3000 + i));
  }
  // Score blocks: criterion number, seed, then 45 score characters per decision maker.
  const char scoreChars[] = "3456789ABCD";
  for (uint32_t c = 0; c < 7; ++c) {
    std::string block = hex8(c + 1) + hex8(0x3F1309AEu + 977u * c);
    for (int d = 0; d < decisionMakers; ++d) {
      for (int k = 0; k < 45; ++k) block += scoreChars[(k * 7 + static_cast<int>(c) * 3 + d * 5) % 11];
    }
    PV::Data::Score score;
    score.set_value(block);
    model.get_ss().push_back(score);
  }
  const double ranks[10] = {100.0, 87.25, 74.5, 66.04, 61.0, 48.75, 33.3, 21.5, 9.96, 0.0};
  const uint32_t order[10] = {3, 7, 1, 5, 2, 9, 0, 4, 6, 8};
  for (int i = 0; i < 10; ++i) {
    PV::Data::Solution solution;
    solution.set_ch(3000 + order[i]);
    solution.set_pctrank(ranks[i]);
    model.get_slns().push_back(solution);
  }
  model.get_slns().set_timestamp("2010-01-10T14:03:05");
  model.get_slns().set_flag(false);
  return model;
}
}  // namespace

PV::Data::DecisionModel demoShapedModel() { return scoredModel(2, "2ex 7cr 10ch 45pr"); }

PV::Data::DecisionModel limitModel() { return scoredModel(5, "5ex 7cr 10ch 45pr"); }

}  // namespace Support
}  // namespace Report
}  // namespace PV

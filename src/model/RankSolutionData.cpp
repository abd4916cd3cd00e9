#include "model/RankSolutionData.h"

#include "foundation/Assert.h"

namespace PV {
namespace Data {

void RankSolutionData::build(const SolutionsVec& theSolutions, const DecisionModel::Choices& theChoices) {
  PV_ASSERT(theSolutions.size() > 0);
  numSolutions = static_cast<uint32_t>(theSolutions.size());
  for (const Solution& solution : theSolutions) {
    const uint32_t ch_index = solution.get_ch();
    PV_ASSERT(ch_index != 0);
    std::size_t chi = 0;
    while (chi < theChoices.size() && theChoices[chi].get_uid() != ch_index) ++chi;
    PV_ASSERT(chi < theChoices.size());
    const Choice& choice = theChoices[chi];
    DataType row;
    row.row = choice.get_row();
    row.name = choice.get_nm();
    row.pctRank = solution.get_pctrank();
    row.note = choice.get_note();
    rows.push_back(row);
  }
}

}  // namespace Data
}  // namespace PV

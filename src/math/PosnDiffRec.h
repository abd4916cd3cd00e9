// Which entries of a list were added and which removed by an edit, matched by
// unique id. The math server uses it to tell whether an edit changes the pairs, the
// reconciler to carry scores over to the edited list.
#pragma once

#include <cstdint>
#include <vector>

namespace PV {
namespace Math {

template <typename T>
class PosnDiffRec {
 public:
  // Fills the positions of entries of `former` whose id is not in `updated`
  // (deleted) and of entries of `updated` whose id is not in `former` (added), both
  // ascending. True when the lists differ in length or in the id at some position,
  // so that a mere reordering counts as a change. The lists are short; quadratic
  // matching is fine.
  bool build(const std::vector<T>& former, const std::vector<T>& updated) {
    clear();
    bool changed = former.size() != updated.size();
    for (std::size_t p = 0; !changed && p < former.size(); ++p) {
      changed = former[p].get_uid() != updated[p].get_uid();
    }
    for (std::size_t i = 0; i < former.size(); ++i) {
      if (!contains(updated, former[i].get_uid())) deleted_.push_back(static_cast<int32_t>(i));
    }
    for (std::size_t j = 0; j < updated.size(); ++j) {
      if (!contains(former, updated[j].get_uid())) added_.push_back(static_cast<int32_t>(j));
    }
    return changed;
  }

  const std::vector<int32_t>& getAdded() const { return added_; }
  const std::vector<int32_t>& getDeleted() const { return deleted_; }

  void clear() {
    added_.clear();
    deleted_.clear();
  }

 private:
  static bool contains(const std::vector<T>& list, uint32_t uid) {
    for (const auto& item : list) {
      if (item.get_uid() == uid) return true;
    }
    return false;
  }

  std::vector<int32_t> added_;
  std::vector<int32_t> deleted_;
};

}  // namespace Math
}  // namespace PV

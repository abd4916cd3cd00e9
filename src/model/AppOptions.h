// The one GUI application option that the model editors follow: the direction in
// which their tables move after a cell entry. Kept as one instance.
#pragma once

#include "model/Singleton.h"

#include <cstdint>
#include <functional>

namespace PV {
namespace GUI {

class AppOptions : public PV::Data::Singleton<AppOptions> {
 public:
  uint32_t get_cellInputAdvance() const { return cellInputAdvance_; }

  // Stores the value and hands it to the change handler (the shell's, which has
  // every open model editor apply it to its table at once).
  void set_cellInputAdvance(uint32_t value) {
    cellInputAdvance_ = value;
    if (onChange_) onChange_(value);
  }
  void setChangeHandler(std::function<void(uint32_t)> handler) { onChange_ = std::move(handler); }

 private:
  uint32_t cellInputAdvance_ = 0;
  std::function<void(uint32_t)> onChange_;
};

}  // namespace GUI
}  // namespace PV

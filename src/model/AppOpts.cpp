#include "model/AppOpts.h"

#include "model/LimitCheck.h"

namespace PV {
namespace Data {

void GuiAppOpts::set_cellInputAdvance(const std::string& cellInputAdvance) {
  PV_LIMIT_ASSERT(cellInputAdvance == "leftRightDown" || cellInputAdvance == "left" || cellInputAdvance == "right" ||
                  cellInputAdvance == "down" || cellInputAdvance == "up" || cellInputAdvance == "none");
  cellInputAdvance_ = cellInputAdvance;
}

const std::string& GuiAppOpts::get_cellInputAdvance() const {
  PV_ASSERT(cellInputAdvance_ == "leftRightDown" || cellInputAdvance_ == "left" || cellInputAdvance_ == "right" ||
            cellInputAdvance_ == "down" || cellInputAdvance_ == "up" || cellInputAdvance_ == "none");
  return cellInputAdvance_;
}

void GuiAppOpts::set_decisionMakerIcon(const std::string& decisionMakerIcon) {
  PV_LIMIT_ASSERT(decisionMakerIcon == "dm1" || decisionMakerIcon == "dm2");
  decisionMakerIcon_ = decisionMakerIcon;
}

const std::string& GuiAppOpts::get_decisionMakerIcon() const {
  PV_ASSERT(decisionMakerIcon_ == "dm1" || decisionMakerIcon_ == "dm2");
  return decisionMakerIcon_;
}

void GuiAppOpts::set_exitIcon(const std::string& exitIcon) {
  PV_LIMIT_ASSERT(exitIcon == "exit1" || exitIcon == "exit2" || exitIcon == "none");
  exitIcon_ = exitIcon;
}

const std::string& GuiAppOpts::get_exitIcon() const {
  PV_ASSERT(exitIcon_ == "exit1" || exitIcon_ == "exit2" || exitIcon_ == "none");
  return exitIcon_;
}

void CalcAppOpts::set_solutionWindowOrientation(const std::string& solutionWindowOrientation) {
  PV_LIMIT_ASSERT(solutionWindowOrientation == "landscape" || solutionWindowOrientation == "portrait");
  solutionWindowOrientation_ = solutionWindowOrientation;
}

const std::string& CalcAppOpts::get_solutionWindowOrientation() const {
  PV_ASSERT(solutionWindowOrientation_ == "landscape" || solutionWindowOrientation_ == "portrait");
  return solutionWindowOrientation_;
}

}  // namespace Data
}  // namespace PV

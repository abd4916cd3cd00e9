// The main window's status line, in a band along the frame's bottom: the help text of
// the highlighted menu item, the clock, the key states, and three fields that sum up
// the current model: its state ("SCO" scoreable, "SLV" solved), its name and its
// summary.
#pragma once

#include "math/MathServer.h"

#include <cstddef>
#include <cstdint>
#include <string>

class zMDIAppFrame;
class zMDIMarginFrame;
class zPoint;
class zStatusItemText;
class zStatusLineEZ;
class zStatusOnOffItem;
struct zStatusMessage;

namespace PV {
namespace Data {
class DecisionModel;
}
namespace App {

// The status texts (state, model name, summary) as the status line shows them.
struct StatusTexts {
  std::string state;
  std::string name;
  std::string summary;
};

// The texts of the model and its server; empty without either.
StatusTexts statusTextsOf(const Data::DecisionModel* model, Math::MathServer* server);

// The status summary of a model: "Ch:" choices, "Cr:" criteria, "DM:" decision
// makers, "Conf:" level and interval as whole numbers, "Scale:" and "Pairs:", each
// followed by three blanks.
std::string statusSummary(size_t choices, size_t criteria, size_t dms, double cfl, double cfi, int scale,
                          uint32_t pairs);

class MainStatusLine {
 public:
  // Builds the band and the line in the frame, hidden until show.
  explicit MainStatusLine(zMDIAppFrame* frame);

  void show();
  void setTexts(const StatusTexts& texts);
  const StatusTexts& texts() const { return texts_; }
  // The help texts of the commands, which the line keeps pointing to.
  void setHelpTable(const zStatusMessage* table);
  // Whether the point (in the line's client coordinates) is on the model's summary.
  bool isOnSummary(const zPoint& point) const;
  zStatusLineEZ* line() const { return line_; }

 private:
  StatusTexts texts_;
  zMDIMarginFrame* band_ = nullptr;
  zStatusLineEZ* line_ = nullptr;
  zStatusOnOffItem* stateItem_ = nullptr;
  zStatusItemText* nameItem_ = nullptr;
  zStatusItemText* summaryItem_ = nullptr;
};

}  // namespace App
}  // namespace PV

// The main window's status line: its fields (the state, the model's name, its summary)
// and the help texts of the commands, kept up to date from the current model.
#include "app/program/WMain.h"

#include "app/program/MainWindowSupport.h"
#include "framework/bars/zStatusItems.h"
#include "framework/bars/zStatusLine.h"
#include "framework/draw/zRCFont.h"
#include "framework/frames/zMDIMarginFrame.h"
#include "framework/layout/zGravSizer.h"
#include "framework/layout/zSizer.h"
#include "math/MathServer.h"
#include "xml/SystemText.h"

namespace PV {
namespace App {


std::string statusSummary(size_t choices, size_t criteria, size_t dms, double cfl, double cfi, int scale,
                          uint32_t pairs) {
  const std::string gap = "   ";
  return "Ch:" + std::to_string(choices) + gap + "Cr:" + std::to_string(criteria) + gap + "DM:" + std::to_string(dms) +
         gap + "Conf:" + std::to_string(static_cast<long long>(cfl)) + "," +
         std::to_string(static_cast<long long>(cfi)) + gap + "Scale:" + std::to_string(scale) + gap +
         "Pairs:" + std::to_string(pairs) + gap;
}

void WMain::buildStatusLine() {
  bottomBand_ = new zMDIMarginFrame(this, new zSizer(zPoint(0, 0), zDimension(0, 24), nullptr), 0, "");
  bottomBand_->setEdge(zMDIMarginFrame::bottomEdge);
  statusLine_ = new zStatusLineEZ(bottomBand_, new zGravSizer(gravClient, 0, bottomBand_->sizer()),
                                  zStatusEZClock | zStatusEZNum | zStatusEZCaps | zStatusEZFill | zStatusEZItemHelp, 0,
                                  zRCFont("Arial", zDimension(0, -12)), zStatusLine::frameIsGrandparent);
  stateItem_ = new zStatusOnOffItem(statusLine_, gravRight, 1, "SCO", "SLV");
  // The fields are measured from samples: together they leave the help field room on a
  // screen 800 pixels wide (a longer name or summary is clipped, never pushed off).
  nameItem_ = new zStatusItemText(statusLine_, gravRight, "MMMMMMMMMMMM", 2, zStatusClipped);
  nameItem_->addGap();
  summaryItem_ = new zStatusItemText(statusLine_, gravRight, "Ch:10   Cr:7   DM:2   Conf:100,50   Scale:5   Pairs:999",
                                     3, zStatusClipped);
  summaryItem_->addGap();
  updateCommandHelpTexts();
  statusLine_->addMessageHandler(this, &WMain::onStatusClick, WM_LBUTTONDOWN);
}

int WMain::onStatusClick(zEvent* event) {
  // A click on the model's summary opens its properties.
  if (event->message() == WM_LBUTTONDOWN && summaryItem_ && summaryItem_->rect().contains(event->point())) {
    cmProperties(event);
    return 1;
  }
  return 0;
}

void WMain::showStatusTexts() {
  if (!statusLine_) return;
  stateItem_->setText(status_.state.c_str());
  nameItem_->setText(status_.name.c_str());
  summaryItem_->setText(status_.summary.c_str());
}
void WMain::updateStatusBar() {
  const Data::DecisionModel* model = currentModel();
  auto* server = model ? document().server() : nullptr;
  if (!model || !server) {
    status_ = StatusTexts();
    showStatusTexts();
    updateCommands();
    return;
  }
  bool pairSets = false;
  server->hasAlgorithmOnly(&pairSets);
  const uint32_t pairs = pairSets ? server->getModelState().numpairs_ : 0;
  const auto& params = model->get_params();
  // Every edit of the model ends here: an edit that reconciled the pairs and could
  // not write their log is told now.
  if (!server->getLogError().empty()) batch_->tellLogError();
  status_.name = Utf8ToSystem(model->get_nm());
  status_.summary = statusSummary(model->get_chs().size(), model->get_crs().size(), model->get_dms().size(),
                                  params.get_cfl(), params.get_cfi(), params.get_sil(), pairs);
  status_.state = server->isComplete() ? "SLV" : server->isScoreable() ? "SCO" : "";
  showStatusTexts();
  updateCommands();
}

}  // namespace App
}  // namespace PV

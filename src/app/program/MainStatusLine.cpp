#include "app/program/MainStatusLine.h"

#include "framework/bars/zStatusItems.h"
#include "framework/bars/zStatusLine.h"
#include "framework/draw/zDisplay.h"
#include "framework/draw/zRCFont.h"
#include "framework/frames/zMDIAppFrame.h"
#include "framework/frames/zMDIMarginFrame.h"
#include "framework/layout/zGravSizer.h"
#include "framework/layout/zSizer.h"
#include "model/DecisionModel.h"
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

StatusTexts statusTextsOf(const Data::DecisionModel* model, Math::MathServer* server) {
  StatusTexts texts;
  if (!model || !server) return texts;
  bool pairSets = false;
  server->hasAlgorithmOnly(&pairSets);
  const uint32_t pairs = pairSets ? server->getModelState().numpairs_ : 0;
  const auto& params = model->get_params();
  texts.name = XML::Utf8ToSystem(model->get_nm());
  texts.summary = statusSummary(model->get_chs().size(), model->get_crs().size(), model->get_dms().size(),
                                params.get_cfl(), params.get_cfi(), params.get_sil(), pairs);
  texts.state = server->isComplete() ? "SLV" : server->isScoreable() ? "SCO" : "";
  return texts;
}

MainStatusLine::MainStatusLine(zMDIAppFrame* frame) {
  band_ = new zMDIMarginFrame(frame, new zSizer(zPoint(0, 0), zDimension(0, 24), nullptr), 0, "");
  band_->setEdge(zMDIMarginFrame::bottomEdge);
  line_ = new zStatusLineEZ(band_, new zGravSizer(gravClient, 0, band_->sizer()),
                            zStatusEZClock | zStatusEZNum | zStatusEZCaps | zStatusEZFill | zStatusEZItemHelp, 0,
                            zRCFont("Arial", zDimension(0, -12)), zStatusLine::frameIsGrandparent);
  // The items measure their samples on one device context of the line, taken once.
  zDisplay* measuring = line_->display();
  if (measuring) measuring->lock();
  stateItem_ = new zStatusOnOffItem(line_, gravRight, 1, "SCO", "SLV");
  // The fields are measured from samples: together they leave the help field room on a
  // screen 800 pixels wide (a longer name or summary is clipped, never pushed off).
  nameItem_ = new zStatusItemText(line_, gravRight, "MMMMMMMMMMMM", 2, zStatusClipped);
  nameItem_->addGap();
  summaryItem_ = new zStatusItemText(line_, gravRight, "Ch:10   Cr:7   DM:2   Conf:100,50   Scale:5   Pairs:999", 3,
                                     zStatusClipped);
  summaryItem_->addGap();
  if (measuring) measuring->unlock();
}

void MainStatusLine::show() {
  band_->show(SW_SHOW);
  line_->show(SW_SHOW);
}

void MainStatusLine::setTexts(const StatusTexts& texts) {
  texts_ = texts;
  stateItem_->setText(texts_.state.c_str());
  nameItem_->setText(texts_.name.c_str());
  summaryItem_->setText(texts_.summary.c_str());
}

void MainStatusLine::setHelpTable(const zStatusMessage* table) { line_->setMessageTable(0, table); }

bool MainStatusLine::isOnSummary(const zPoint& point) const { return summaryItem_->rect().contains(point); }

}  // namespace App
}  // namespace PV

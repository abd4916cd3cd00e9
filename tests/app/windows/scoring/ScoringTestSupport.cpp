#include "ScoringTestSupport.h"

#include "FramesTestSupport.h"
#include "GuiTestSupport.h"
#include "app/windows/scoring/DCompareChoices.h"
#include "app/windows/scoring/DPairedPrefScoring.h"
#include "app/windows/scoring/PairedPrefScoringPane.h"
#include "factory/Factory.h"
#include "framework/layout/zSizer.h"
#include "math/MathServer.h"
#include "math/RandomPairSet.h"
#include "model/RankSolutionData.h"
#include "xml/PalvermontineAppOptsFile.h"

#include <algorithm>
#include <filesystem>

ScoringHostFrame::ScoringHostFrame()
    : zMDIAppFrame(nullptr, new zSizer(zPoint(0, 0), zDimension(1000, 720), nullptr), WS_OVERLAPPEDWINDOW,
                   "Scoring host", nullptr, 1000) {
  document_.addListener(this);
}

ScoringHostFrame::~ScoringHostFrame() { document_.removeListener(this); }

bool ScoringHostFrame::solveScoredModel() {
  ++solves;
  PV::Data::RankSolutionData ranking;
  return document_.solve(&ranking) == MODEL_COMPLETED;
}

UnansweredBoxGuard::UnansweredBoxGuard() {
  current_ = this;
  timer_ = SetTimer(nullptr, 0, 250, &UnansweredBoxGuard::tick);
}

UnansweredBoxGuard::~UnansweredBoxGuard() {
  KillTimer(nullptr, timer_);
  current_ = nullptr;
  for (const std::string& box : closed_) ADD_FAILURE() << "a box nobody answered: " << box;
}

void CALLBACK UnansweredBoxGuard::tick(HWND, UINT, UINT_PTR, DWORD) {
  UnansweredBoxGuard* self = current_;
  HWND box = self ? findThreadDialogBox() : nullptr;
  if (!box) return;
  auto it = std::find_if(self->seen_.begin(), self->seen_.end(), [box](const auto& e) { return e.first == box; });
  if (it == self->seen_.end()) {
    self->seen_.emplace_back(box, GetTickCount());
    return;
  }
  if (GetTickCount() - it->second < 5000) return;
  self->closed_.push_back(windowTextOf(box));
  for (int button : {IDCANCEL, IDNO, IDOK}) {
    if (GetDlgItem(box, button)) {
      PostMessageA(box, WM_COMMAND, button, 0);
      break;
    }
  }
}

void ScoringTest::SetUp() {
  ModelDialogTest::SetUp();
  guard_ = new UnansweredBoxGuard();
  PV::XML::PalvermontineAppOptsFile::destroy();
  frame_ = new ScoringHostFrame();
  frame_->show(SW_SHOWNORMAL);
  pump();
}

void ScoringTest::TearDown() {
  cancelScheduled();
  // The MDI children go before their client does.
  if (DPairedPrefScoring* scoring = DPairedPrefScoring::instance()) scoring->discard();
  if (DCompareChoices* selector = DCompareChoices::instance()) SendMessageA(selector->handle(), WM_CLOSE, 0, 0);
  pump();
  delete frame_;
  frame_ = nullptr;
  pump();
  PV::XML::PalvermontineAppOptsFile::destroy();
  delete guard_;
  guard_ = nullptr;
  ModelDialogTest::TearDown();
}

PV::Data::DecisionModel* ScoringTest::makeScoringModel(int ndm, int ncr, int nch, int sil) {
  PV::Data::DecisionModel* model = makeModel(99.0, 1.0, sil, "Scoring");
  auto* ms = server();
  std::vector<PV::Data::DecisionMaker> dms;
  for (int k = 0; k < ndm; ++k) {
    PV::Data::DecisionMaker d;
    d.set_nm("DM" + std::to_string(k + 1));
    d.set_note("note of DM" + std::to_string(k + 1));
    d.set_row(static_cast<uint8_t>(k + 1));
    d.set_uid(101 + k);
    d.set_wt(100);
    dms.push_back(d);
  }
  std::vector<PV::Data::Criterion> crs;
  for (int k = 0; k < ncr; ++k) {
    PV::Data::Criterion c;
    c.set_nm("Cr" + std::to_string(k + 1));
    c.set_row(static_cast<uint8_t>(k + 1));
    c.set_uid(201 + k);
    c.set_wt(static_cast<uint16_t>(10 * (k + 1)));
    crs.push_back(c);
  }
  std::vector<PV::Data::Choice> chs;
  for (int k = 0; k < nch; ++k) {
    PV::Data::Choice c;
    c.set_nm("Ch" + std::to_string(k + 1));
    c.set_row(static_cast<uint8_t>(k + 1));
    c.set_uid(301 + k);
    chs.push_back(c);
  }
  EXPECT_TRUE(ms->setDecisionMakers(dms));
  EXPECT_TRUE(ms->setCriteria(crs));
  EXPECT_TRUE(ms->setChoices(chs));
  ms->update();
  return model;
}

PV::Math::MathServer* ScoringTest::server() { return PV::Data::Factory::instance()->getMathServer(0); }

std::vector<std::string> ScoringTest::scoresOf(uint32_t cr, uint32_t dm) {
  auto* ms = server();
  PV::Math::RandomPairSet* rps = ms->acquireRps(cr, dm);
  std::vector<std::string> chars;
  for (uint32_t i = 0; i < rps->getNumPairs(); ++i) {
    const auto c = PV::Scoring::scoreChars(rps->getScore(i), rps->getSil());
    chars.push_back(std::string() + c.first + c.second);
  }
  ms->releaseRps(rps);
  return chars;
}

std::vector<std::string> ScoringTest::charsOf(const std::vector<int>& scores) {
  std::vector<std::string> chars;
  for (int score : scores) {
    const auto c = PV::Scoring::scoreChars(score, 5);
    chars.push_back(std::string() + c.first + c.second);
  }
  return chars;
}

std::string ScoringTest::outputPath(const std::string& name) {
  const std::string folder = std::string("Z:") + PV_SCORING_TEST_OUT;
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  return folder + "/" + name;
}

void keyDown(PairedPrefScoringPane* pane, WPARAM key) {
  SendMessageA(pane->handle(), WM_KEYDOWN, key, 1);
  pump();
}

void keyUp(PairedPrefScoringPane* pane, WPARAM key, bool alt) {
  SendMessageA(pane->handle(), alt ? WM_SYSKEYUP : WM_KEYUP, key, alt ? (1 << 29) | 0xC0000001 : 0xC0000001);
  pump();
}

void typeChar(PairedPrefScoringPane* pane, char c) {
  SendMessageA(pane->handle(), WM_CHAR, static_cast<unsigned char>(c), 1);
  pump();
}

void doubleClickList(PairedPrefScoringPane* pane, int side) {
  const int id = side == 0 ? 170 : 171;
  SendMessageA(pane->handle(), WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(GetDlgItem(pane->handle(), id)));
  pump();
}

void clickButton(HWND parent, int id) {
  SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(parent, id)));
  pump();
}

COLORREF pixelAt(HWND window, int x, int y) {
  UpdateWindow(window);
  HDC dc = GetDC(window);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

bool anyPixelOf(HWND window, const RECT& area, COLORREF colour) {
  UpdateWindow(window);
  HDC dc = GetDC(window);
  bool found = false;
  for (int y = area.top; y < area.bottom && !found; ++y) {
    for (int x = area.left; x < area.right && !found; ++x) found = GetPixel(dc, x, y) == colour;
  }
  ReleaseDC(window, dc);
  return found;
}

std::string windowTextOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

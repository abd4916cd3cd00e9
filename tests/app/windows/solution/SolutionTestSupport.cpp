#include "SolutionTestSupport.h"

#include "FramesTestSupport.h"
#include "GuiTestSupport.h"
#include "WindowImage.h"
#include "framework/draw/zBitmapDisplay.h"
#include "framework/draw/zRCFont.h"
#include "framework/core/zWinDisplay.h"
#include "framework/grid/zTableDrawAttr.h"

#include <gtest/gtest.h>

#include <filesystem>

PV::Data::RankSolutionData makeRanking(const std::vector<double>& values, const std::vector<std::string>& names,
                                       const std::vector<std::string>& notes) {
  PV::Data::RankSolutionData data;
  data.set_name("test ranking");
  for (size_t i = 0; i < values.size(); ++i) {
    PV::Data::RankSolutionData::DataType row;
    row.row = static_cast<uint16_t>(i + 1);
    row.name = i < names.size() ? names[i] : "Choice " + std::to_string(i + 1);
    row.note = i < notes.size() ? notes[i] : "Note " + std::to_string(i + 1);
    row.pctRank = values[i];
    data.rows.push_back(row);
  }
  data.numSolutions = static_cast<uint32_t>(values.size());
  return data;
}

PV::Data::RankSolutionData limitsRanking() {
  std::vector<std::string> names, notes;
  const double values[10] = {100.0, 97.3, 88.8, 88.8, 71.0, 64.2, 50.5, 33.3, 12.9, 0.0};
  for (int i = 0; i < 10; ++i) {
    std::string name = "Widest possible choice name number " + std::to_string(i + 1);
    name.resize(40, 'W');
    std::string note = "A note at the longest a model file holds, for choice " + std::to_string(i + 1) + ": ";
    while (note.size() < 240) note += "words that run on and on ";
    note.resize(240);
    names.push_back(name);
    notes.push_back(note);
  }
  return makeRanking(std::vector<double>(values, values + 10), names, notes);
}

CellLook cellLook(zTable* table, uint32_t column, uint32_t row) {
  CellLook look;
  zTableModel* model = table->model();
  if (zTableCell* cell = model->cell(zTableCellPos(column, row))) look.text = cell->shownText();
  ziTableEnv env(model);
  env.collect(zTableCellPos(column, row));
  if (auto* colour = static_cast<zTableTextColorAttr*>(env.slot(zTableAttrTextColor)))
    look.colour = colour->color().colorRef();
  look.alignment = env.alignment();
  look.readOnly = env.readOnly();
  return look;
}

int32_t tableTextWidth(zTable* table, const char* text) {
  zWinDisplay d(table);
  d.setDefaultFont(zRCFont(SYSTEM_FONT));
  d.lock();
  const int32_t w = d.textExtent(text).width();
  d.unlock();
  return w;
}

zBitmapDisplay* paintChart(PV::GUI::Chart* chart) {
  RECT client{};
  GetClientRect(chart->handle(), &client);
  ziInfoDisplay screen;
  auto* canvas = new zBitmapDisplaySized(&screen, client.right, client.bottom);
  canvas->setDefaultFont(zRCFont(SYSTEM_FONT));
  chart->pushDisplay(canvas);
  chart->draw(nullptr);
  chart->popDisplay();
  return canvas;
}

COLORREF pixelAt(zBitmapDisplay* canvas, int32_t x, int32_t y) {
  canvas->lock();
  const COLORREF c = GetPixel(canvas->hdc(), x, y);
  canvas->unlock();
  return c;
}

bool anyDark(zBitmapDisplay* canvas, int32_t left, int32_t top, int32_t right, int32_t bottom) {
  canvas->lock();
  bool dark = false;
  for (int32_t y = top; y < bottom && !dark; ++y) {
    for (int32_t x = left; x < right && !dark; ++x) {
      const COLORREF c = GetPixel(canvas->hdc(), x, y);
      dark = c != CLR_INVALID && GetRValue(c) < 96 && GetGValue(c) < 96 && GetBValue(c) < 96;
    }
  }
  canvas->unlock();
  return dark;
}

std::string testFolder(const std::string& name) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::current_path() / "solution-test-files" / name;
  std::error_code ec;
  fs::remove_all(dir, ec);
  fs::create_directories(dir, ec);
  return dir.string();
}

void saveShot(HWND window, const std::string& name) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::current_path() / "solution-shots";
  std::error_code ec;
  fs::create_directories(dir, ec);
  // The picture as a person sees it: what the window system still has to draw (frames,
  // scroll bars) is drawn first.
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  for (int i = 0; i < 30; ++i) {
    pump();
    Sleep(10);
  }
  saveWindowImage(window, (dir / (name + ".bmp")).string().c_str());
}

namespace {
HWND guardedBox = nullptr;
DWORD guardedSince = 0;
}  // namespace

UnansweredBoxGuard::UnansweredBoxGuard() : timer_(SetTimer(nullptr, 0, 250, &UnansweredBoxGuard::tick)) {
  guardedBox = nullptr;
}

UnansweredBoxGuard::~UnansweredBoxGuard() { KillTimer(nullptr, timer_); }

void CALLBACK UnansweredBoxGuard::tick(HWND, UINT, UINT_PTR, DWORD) {
  HWND box = findThreadDialogBox();
  if (box != guardedBox) {
    guardedBox = box;
    guardedSince = GetTickCount();
    return;
  }
  if (!box || GetTickCount() - guardedSince < 6000) return;
  char caption[256] = {};
  GetWindowTextA(box, caption, sizeof caption);
  ADD_FAILURE() << "a box nobody answered: " << caption;
  for (int button : {IDCANCEL, IDNO, IDOK}) {
    if (GetDlgItem(box, button)) {
      PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
      break;
    }
  }
  guardedBox = nullptr;
}

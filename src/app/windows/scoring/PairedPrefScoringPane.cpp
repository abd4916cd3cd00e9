#include "app/windows/scoring/PairedPrefScoringPane.h"

#include "app/shared/BitmapColor.h"
#include "app/windows/scoring/DPairedPrefScoring.h"
#include "app/windows/scoring/res/scoring_ids.h"
#include "framework/bars/zToolTip.h"
#include "framework/controls/zButton.h"
#include "framework/controls/zListBox.h"
#include "framework/core/zResId.h"
#include "framework/draw/zBitmap.h"
#include "framework/frames/ziDialogReader.h"
#include "framework/layout/zSizer.h"
#include "framework/visual/zBitmapButton.h"
#include "framework/visual/zBitmapPane.h"
#include "framework/visual/zCtrl3d.h"
#include "xml/PalvermontineAppOptsFile.h"

#include <algorithm>
#include <cstdlib>

namespace {

using PV::Scoring::ScoringState;

constexpr COLORREF kItemFill = RGB(245, 244, 244);
constexpr COLORREF kItemBack = RGB(244, 244, 244);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr int kRows = 3;

// The connector to the right of each scale button, left to right; the last has none.
constexpr int kConnectors[10] = {1034, 1035, 1036, 1032, 1033, 1040, 1041, 1039, 1038, 1037};
// The arrows of rows 0, 1, 2: list A, then list B.
constexpr int kArrowIds[6] = {IDC_SP_ARROW_A0, IDC_SP_ARROW_A1, IDC_SP_ARROW_A2,
                              IDC_SP_ARROW_B0, IDC_SP_ARROW_B1, IDC_SP_ARROW_B2};
constexpr int kArrowBitmaps[6] = {IDB_SP_ARROW_A0, IDB_SP_ARROW_A1, IDB_SP_ARROW_A2,
                                  IDB_SP_ARROW_B0, IDB_SP_ARROW_B1, IDB_SP_ARROW_B2};

const zStatusMessage kTips[] = {
    {IDC_SP_OK, "Save Preference Scores and Close Dialog"},
    {IDC_SP_UPDATE, "Save Preference Scores And Continue"},
    {IDCANCEL, "Do not save preference scores and Exit the Dialog"},
    {176, "-5 -> 10.486"},
    {177, "-4 -> 6.5535"},
    {178, "-3 -> 4.096"},
    {179, "-2 -> 2.56"},
    {180, "-1 -> 1.6"},
    {181, "0 -> 1.0"},
    {182, "+1 -> 0.625"},
    {183, "+2 -> 0.39063"},
    {184, "+3 -> 0.24414"},
    {185, "+4 -> 0.15259"},
    {186, "+5 -> 0.095369"},
    {IDC_SP_SIDE_A, "Choice A - Left Side Better"},
    {IDC_SP_SIDE_B, "Choice B - Right Side Better"},
    {IDC_SP_RESET, "Reset Scores Above To ? Values"},
    {0, nullptr},
};

// A picture of the resources whose corner colour becomes the background colour, so
// that it stands on the pane as if cut out.
zBitmap* picture(int id, COLORREF background) {
  zBitmap* bitmap = new zBitmap(zResId(id));
  PV::GUI::replaceBitmapColor(bitmap->hbitmap(), background);
  return bitmap;
}

// The drawn button in the place of the template's control of the id, showing the
// six frames of the bitmap; the template's control goes.
constexpr uint32_t kToggle = 0x7220;
zBitmapButton* bitmapButton(zWindow* pane, int id, zBitmap* bitmap, uint32_t kind) {
  RECT r = {};
  if (HWND placeholder = GetDlgItem(pane->handle(), id)) {
    GetWindowRect(placeholder, &r);
    MapWindowPoints(nullptr, pane->handle(), reinterpret_cast<POINT*>(&r), 2);
  }
  delete pane->childById(id);
  return new zBitmapButton(pane,
                           new zSizer(zPoint(r.left, r.top), zDimension(r.right - r.left, r.bottom - r.top), nullptr),
                           WS_CHILD | WS_VISIBLE | kind, "", id, bitmap);
}

HFONT makeFont(HWND window, const char* face, int points) {
  HDC dc = GetDC(window);
  const int height = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
  ReleaseDC(window, dc);
  return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

// A list of one side. The wheel over it moves the pane's current pair, so that both
// lists, the title and the arrows stay on one pair: a list scrolled by itself would
// show other pairs beside the arrows.
class PairList : public zListBoxUnsorted {
 public:
  PairList(zWindow* pane, int32_t id) : zListBoxUnsorted(pane, id), pane_(pane) {}
  LRESULT defProc(zEvent* event) override {
    if (event->message() == WM_MOUSEWHEEL)
      return SendMessageA(pane_->handle(), WM_MOUSEWHEEL, event->wParam(), event->lParam());
    return zListBoxUnsorted::defProc(event);
  }

 private:
  zWindow* pane_;
};

}  // namespace

PairedPrefScoringPane::PairedPrefScoringPane(DPairedPrefScoring* window, int32_t id)
    : zPaneControl(window, zPaneFromId(id)), window_(window) {
  {
    // The scale and navigation buttons are drawn controls of the framework's own type.
    zRegisterVisualCtrlClasses();
    ziDialogReader reader(this, zResId(IDD_SCORING_PANE));
    reader.createControls();
  }
  bindControls();
  const auto& gui = PV::XML::PalvermontineAppOptsFile::instance()->options().get_guiAppOpts();
  setHighlight(gui.get_useFilledBgHighlightChoicePairs(), gui.get_rgbFilledBgHighlightChoicePairs());
  const PV::Data::DecisionModel* model = window->document() ? window->document()->model() : nullptr;
  state_.setScaleDim(model ? model->get_params().get_sil() : 3);
  applyScaleDim();
  showPressed();
  showCurrent(false);
  refreshTexts();
}

PairedPrefScoringPane::~PairedPrefScoringPane() {
  delete toolTips_;
  toolTips_ = nullptr;
  for (HFONT font : {listFont_, labelFont_, smallFont_}) {
    if (font) DeleteObject(font);
  }
}

void PairedPrefScoringPane::bindControls() {
  const COLORREF background = backColorRef();
  listFont_ = makeFont(handle(), "Fixedsys", 10);
  labelFont_ = makeFont(handle(), "Arial", 10);
  smallFont_ = makeFont(handle(), "Arial", 9);

  listA_ = new PairList(this, IDC_SP_LIST_A);
  listB_ = new PairList(this, IDC_SP_LIST_B);
  // One item is the height of a digit in the list's font and a pixel.
  HDC dc = GetDC(handle());
  HGDIOBJ old = SelectObject(dc, listFont_);
  SIZE digit = {};
  GetTextExtentPoint32A(dc, "3", 1, &digit);
  SelectObject(dc, old);
  ReleaseDC(handle(), dc);
  for (zListBoxUnsorted* list : {listA_, listB_}) {
    SendMessageA(list->handle(), WM_SETFONT, reinterpret_cast<WPARAM>(listFont_), FALSE);
    SendMessageA(list->handle(), LB_SETITEMHEIGHT, 0, digit.cy + 1);
    // Exactly three rows show, whatever the font's size.
    RECT box = {}, client = {};
    GetWindowRect(list->handle(), &box);
    GetClientRect(list->handle(), &client);
    const int frame = (box.bottom - box.top) - client.bottom;
    SetWindowPos(list->handle(), nullptr, 0, 0, box.right - box.left, frame + kRows * (digit.cy + 1),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  for (int id : {IDC_SP_DM_LABEL, IDC_SP_DM_NAME, IDC_SP_CR_LABEL, IDC_SP_CR_NAME, IDC_SP_TITLE}) {
    if (HWND h = GetDlgItem(handle(), id)) SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_), FALSE);
  }
  for (int id : {IDC_SP_DM_NOTE, IDC_SP_CR_NOTE, IDC_SP_NOTES_DM, IDC_SP_NOTES_CR, IDC_SP_SCORE_A, IDC_SP_SCORE_B,
                 IDC_SP_SET_A, IDC_SP_SET_B, IDC_SP_SCALE_LABEL, IDC_SP_COMPLETION}) {
    if (HWND h = GetDlgItem(handle(), id)) SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(smallFont_), FALSE);
  }
  for (int id : {IDC_SP_DM_NAME, IDC_SP_CR_NAME, IDC_SP_COMPLETION}) {
    (new zStaticText(this, id))->setTextColor(zColor(0, 0, 255));
  }
  for (int k = 0; k < 11; ++k) {
    scale_[k] = bitmapButton(this, IDC_SP_SCALE_FIRST + k, picture(IDB_SP_SCALE_FIRST + k, background), kToggle);
  }
  for (int k = 0; k < 4; ++k) bitmapButton(this, IDC_SP_FIRST + k, picture(IDB_SP_NAV_FIRST + k, background), 0);
  for (int k = 0; k < 6; ++k) {
    arrows_[k] = new zBitmapPane(this, kArrowIds[k]);
    delete arrows_[k]->setBitmap(picture(kArrowBitmaps[k], background), 1);
  }
  delete (new zBitmapPane(this, IDC_SP_SIDE_A))->setBitmap(picture(IDB_SP_SIDE_A, background), 1);
  delete (new zBitmapPane(this, IDC_SP_SIDE_B))->setBitmap(picture(IDB_SP_SIDE_B, background), 1);

  toolTips_ = new zToolTipCtrl(this);
  toolTips_->setMessageTable(kTips);
  for (const zStatusMessage* tip = kTips; tip->text; ++tip) {
    if (zWindow* tool = childById(tip->id)) toolTips_->addTool(tool);
  }
}

std::string PairedPrefScoringPane::escapeAmpersands(const std::string& text) {
  std::string out;
  for (char c : text) {
    out += c;
    if (c == '&') out += '&';
  }
  return out.size() > 1023 ? out.substr(0, 1023) : out;
}

// Every colour reads on the items' near-white fill and on a light highlight: the hues of
// the strengths are kept dark enough, and a side without a score of its own (the other
// side's choice, or both sides equal) is a dark grey rather than a pale one.
COLORREF PairedPrefScoringPane::scoreColour(int value) {
  switch (value) {
    case -1:
      return RGB(0, 0, 0);
    case 0:
      return RGB(110, 110, 110);
    case 1:
      return RGB(190, 40, 250);
    case 2:
      return RGB(175, 90, 0);
    case 3:
      return RGB(0, 140, 0);
    case 4:
      return RGB(0, 98, 196);
    case 5:
      return RGB(255, 0, 0);
    default:
      return RGB(80, 80, 80);
  }
}

void PairedPrefScoringPane::applyScaleDim() {
  const int dim = state_.scaleDim();
  for (int k = 0; k < 11; ++k) {
    const bool usable = std::abs(k - 5) <= dim;
    EnableWindow(scale_[k]->handle(), usable ? TRUE : FALSE);
    scale_[k]->enableCtrl(usable ? FALSE : TRUE);
  }
  // A connector beside a disabled button shows nothing.
  for (int k = 0; k < 10; ++k) {
    const bool usable = std::abs(k - 5) <= dim && std::abs(k + 1 - 5) <= dim;
    SetDlgItemTextA(handle(), kConnectors[k], usable ? "--" : "");
  }
}

HWND PairedPrefScoringPane::scaleButton(int value) const {
  const int k = value + 5;
  return k >= 0 && k < 11 && scale_[k] ? scale_[k]->handle() : nullptr;
}

void PairedPrefScoringPane::showPressed() {
  for (int k = 0; k < 11; ++k) {
    // Only the button released and the one pressed are drawn again.
    const int want = k - 5 == state_.p() ? 1 : 0;
    if (scale_[k]->check() == want) continue;
    scale_[k]->setCheck(want);
    InvalidateRect(scale_[k]->handle(), nullptr, FALSE);
  }
  pressed_ = state_.p();
}

void PairedPrefScoringPane::loadPairs(const std::vector<PV::Scoring::PairNames>& names,
                                      const std::vector<int>& scores) {
  names_ = names;
  names_.resize(scores.size(), PV::Scoring::PairNames("?", "?"));
  state_.load(scores);
  listA_->resetContent();
  listB_->resetContent();
  // The lists hold a row per pair; what a row shows is drawn from the state.
  for (uint32_t i = 0; i < state_.count(); ++i) {
    const int score = state_.score(i);
    SendMessageA(listA_->handle(), LB_SETITEMDATA,
                 listA_->add(PV::Scoring::sideText(score, state_.scaleDim(), true, names_[i]).c_str()), 0);
    SendMessageA(listB_->handle(), LB_SETITEMDATA,
                 listB_->add(PV::Scoring::sideText(score, state_.scaleDim(), false, names_[i]).c_str()), 1);
  }
  initial_ = state_.scores();
  showPressed();
  showCurrent(true);
  refreshTexts();
}

void PairedPrefScoringPane::setHeader(const std::string& dmName, const std::string& dmNote, const std::string& crName,
                                      const std::string& crNote) {
  SetDlgItemTextA(handle(), IDC_SP_DM_NAME, escapeAmpersands(dmName).c_str());
  SetDlgItemTextA(handle(), IDC_SP_DM_NOTE, escapeAmpersands(dmNote).c_str());
  SetDlgItemTextA(handle(), IDC_SP_CR_NAME, escapeAmpersands(crName).c_str());
  SetDlgItemTextA(handle(), IDC_SP_CR_NOTE, escapeAmpersands(crNote).c_str());
}

void PairedPrefScoringPane::setHighlight(bool on, uint32_t colour) {
  highlight_ = on;
  highlightColour_ = colour;
  CheckDlgButton(handle(), IDC_SP_HIGHLIGHT, on ? BST_CHECKED : BST_UNCHECKED);
  repaintLists();
}

void PairedPrefScoringPane::resetScores(bool ask) {
  if (ask && MessageBoxA(handle(), "Are you sure you want to reset your scores ?", "Palvermontine",
                         MB_YESNO | MB_ICONEXCLAMATION | MB_TASKMODAL) != IDYES) {
    return;
  }
  state_.reset();
  showPressed();
  repaintLists();
  refreshTexts();
  if (ask) scored(true);
}

void PairedPrefScoringPane::replaceScores(const std::vector<int>& scores) {
  if (scores.size() != state_.count()) {
    loadPairs(names_, scores);
    return;
  }
  state_.replace(scores);
  initial_ = state_.scores();
  showPressed();
  showCurrent(true);
  repaintLists();
  refreshTexts();
}

int32_t PairedPrefScoringPane::currentRow() const {
  const int32_t top = static_cast<int32_t>(SendMessageA(listA_->handle(), LB_GETTOPINDEX, 0, 0));
  return std::clamp(static_cast<int32_t>(state_.index()) - std::max(top, 0), 0, kRows - 1);
}

void PairedPrefScoringPane::showCurrent(bool moved) {
  if (state_.empty()) {
    for (zBitmapPane* arrow : arrows_) ShowWindow(arrow->handle(), SW_HIDE);
    return;
  }
  const int32_t index = static_cast<int32_t>(state_.index());
  if (moved) {
    listA_->setSelection(index);
    listB_->setSelection(index);
    // Both lists show the same rows, so that the pair stands in one row of both.
    const LRESULT top = SendMessageA(listA_->handle(), LB_GETTOPINDEX, 0, 0);
    SendMessageA(listB_->handle(), LB_SETTOPINDEX, top, 0);
  }
  // The arrows mark the row the current pair stands in, whatever scrolled the list;
  // only what changed is moved, shown or hidden.
  RECT item = {};
  const int32_t row = currentRow();
  for (int side = 0; side < 2; ++side) {
    zListBoxUnsorted* list = side == 0 ? listA_ : listB_;
    SendMessageA(list->handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    for (int r = 0; r < kRows; ++r) {
      const HWND arrow = arrows_[side * 3 + r]->handle();
      const bool visible = IsWindowVisible(arrow) != FALSE;
      if (r != row) {
        if (visible) ShowWindow(arrow, SW_HIDE);
        continue;
      }
      RECT box = {}, listBox = {};
      GetWindowRect(arrow, &box);
      GetWindowRect(list->handle(), &listBox);
      POINT at = {item.left, item.top};
      ClientToScreen(list->handle(), &at);
      const int h = box.bottom - box.top, w = box.right - box.left;
      POINT want = {listBox.left - w - 3, at.y + ((item.bottom - item.top) - h) / 2};
      if (want.x != box.left || want.y != box.top) {
        ScreenToClient(handle(), &want);
        SetWindowPos(arrow, nullptr, want.x, want.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      if (!visible) ShowWindow(arrow, SW_SHOWNA);
    }
  }
}

void PairedPrefScoringPane::repaintRow(uint32_t index) {
  RECT item = {};
  for (zListBoxUnsorted* list : {listA_, listB_}) {
    if (SendMessageA(list->handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)) != LB_ERR)
      InvalidateRect(list->handle(), &item, FALSE);
  }
}

void PairedPrefScoringPane::repaintLists() {
  if (listA_) InvalidateRect(listA_->handle(), nullptr, TRUE);
  if (listB_) InvalidateRect(listB_->handle(), nullptr, TRUE);
}

void PairedPrefScoringPane::refreshTexts() {
  // A static repaints whenever its text is set: only a changed text is set.
  const auto setText = [this](int id, const std::string& text) {
    char shown[128] = {};
    GetDlgItemTextA(handle(), id, shown, sizeof shown);
    if (text != shown) SetDlgItemTextA(handle(), id, text.c_str());
  };
  setText(IDC_SP_TITLE, state_.titleText());
  setText(IDC_SP_COMPLETION, state_.completionText());
}

// After any input: the pressed button, the rows, the texts and the window's mark of
// unsaved scores follow the state.
void PairedPrefScoringPane::scored(bool changed) {
  if (pressed_ != state_.p()) showPressed();
  if (changed) repaintRow(state_.index());
  refreshTexts();
  window_->setModified(state_.scores() != initial_);
}

bool PairedPrefScoringPane::onKeyDown(WPARAM key) {
  if (key == VK_TAB) {
    tabDown_ = true;
    tabBack_ = GetKeyState(VK_SHIFT) < 0;
    return true;
  }
  if (state_.empty() || busy_ || listA_->selection() != listB_->selection()) return true;
  const uint32_t before = state_.index();
  bool changed = false;
  switch (key) {
    case VK_LEFT:
      changed = state_.keyLeft();
      break;
    case VK_RIGHT:
      changed = state_.keyRight();
      break;
    case VK_DOWN:
      changed = true;
      state_.next();
      break;
    case VK_UP:
      changed = true;
      state_.previous();
      break;
    case VK_HOME:
      changed = true;
      state_.first();
      break;
    case VK_END:
      changed = true;
      state_.last();
      break;
    case VK_PRIOR:
      changed = true;
      state_.pageUp();
      break;
    case VK_NEXT:
      changed = true;
      state_.pageDown();
      break;
    default:
      return true;
  }
  // A move rewrote the pair it left; its row is repainted with the new one.
  if (before != state_.index()) {
    repaintRow(before);
    showCurrent(true);
  }
  scored(changed);
  return true;
}

bool PairedPrefScoringPane::onKeyUp(WPARAM key, bool alt) {
  bool shift = GetKeyState(VK_SHIFT) < 0;
  if (key == VK_TAB && tabDown_) shift = tabBack_;
  if (key == VK_TAB) tabDown_ = false;
  if (alt) {
    switch (key) {
      case 'U':
        window_->updatePressed();
        return true;
      case 'K':
        window_->okPressed();
        return true;
      case 'C':
        window_->cancelPressed();
        return true;
      default:
        return false;
    }
  }
  if (key == VK_ESCAPE) {
    window_->cancelPressed();
    return true;
  }
  if (state_.empty() || busy_) return true;
  if (key == VK_RETURN || key == VK_TAB) {
    const uint32_t before = state_.index();
    if (key == VK_TAB && shift)
      state_.previous();
    else
      state_.next();
    if (before != state_.index()) {
      repaintRow(before);
      showCurrent(true);
    }
    scored(true);
  }
  return true;
}

int PairedPrefScoringPane::onChar(zEvent* event) {
  const WPARAM c = event->wParam();
  if (c >= '0' && c <= '9' && !state_.empty() && !busy_) {
    scored(state_.digit(static_cast<int>(c - '0')));
  }
  return 1;
}

int PairedPrefScoringPane::onSize(zEvent*) {
  InvalidateRect(handle(), nullptr, TRUE);
  return 0;
}

void PairedPrefScoringPane::listClicked(int side) {
  zListBoxUnsorted* list = side == 0 ? listA_ : listB_;
  const int32_t index = list->selection();
  busy_ = true;
  if (index >= 0 && static_cast<uint32_t>(index) != state_.index()) {
    state_.select(static_cast<uint32_t>(index));
    repaintLists();
  }
  // The other list follows, and so do the arrows (the click may have scrolled).
  showCurrent(true);
  busy_ = false;
  scored(true);
  SetFocus(handle());
}

void PairedPrefScoringPane::listDoubleClicked(int side) {
  if (state_.empty()) return;
  scored(state_.doubleClick(side == 0 ? ScoringState::sideA : ScoringState::sideB));
  SetFocus(handle());
}

int PairedPrefScoringPane::onCommand(zEvent* event) {
  const int id = LOWORD(event->wParam());
  const int code = HIWORD(event->wParam());
  if (id == IDC_SP_LIST_A || id == IDC_SP_LIST_B) {
    const int side = id == IDC_SP_LIST_A ? 0 : 1;
    if (code == LBN_SELCHANGE) listClicked(side);
    if (code == LBN_DBLCLK) listDoubleClicked(side);
    // Every key reaches the pane.
    if (code == LBN_SETFOCUS) SetFocus(handle());
    return 1;
  }
  if (code != BN_CLICKED) return 0;
  if (id >= IDC_SP_SCALE_FIRST && id <= IDC_SP_SCALE_LAST) {
    busy_ = true;
    const bool changed = state_.pressScale(id - IDC_SP_SCALE_FIRST - 5);
    busy_ = false;
    showPressed();
    scored(changed);
    SetFocus(handle());
    return 1;
  }
  switch (id) {
    case IDC_SP_FIRST:
    case IDC_SP_PREVIOUS:
    case IDC_SP_NEXT:
    case IDC_SP_LAST: {
      static const WPARAM keys[4] = {VK_HOME, VK_UP, VK_DOWN, VK_END};
      busy_ = false;
      onKeyDown(keys[id - IDC_SP_FIRST]);
      SetFocus(handle());
      return 1;
    }
    case IDC_SP_OK:
      window_->okPressed();
      return 1;
    case IDC_SP_UPDATE:
      window_->updatePressed();
      return 1;
    case IDCANCEL:
      window_->cancelPressed();
      return 1;
    case IDC_SP_RESET:
      resetScores(true);
      return 1;
    case IDC_SP_HIGHLIGHT:
      highlight_ = IsDlgButtonChecked(handle(), IDC_SP_HIGHLIGHT) == BST_CHECKED;
      repaintLists();
      SetFocus(handle());
      return 1;
    default:
      return 0;
  }
}

void PairedPrefScoringPane::drawItem(const DRAWITEMSTRUCT* item) {
  if (item->itemID == static_cast<UINT>(-1) || state_.empty()) return;
  if (!(item->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) return;
  const bool sideA = item->CtlID == IDC_SP_LIST_A;
  if (item->itemID >= state_.count()) return;
  const int score = state_.score(item->itemID);
  const std::string text = PV::Scoring::sideText(score, state_.scaleDim(), sideA, names_[item->itemID]);
  const int value = ScoringState::sideValue(score, sideA ? ScoringState::sideA : ScoringState::sideB);
  HDC dc = item->hDC;
  RECT rect = item->rcItem;
  const bool selected = (item->itemState & ODS_SELECTED) != 0;
  const bool filled = selected && highlight_;
  HBRUSH brush = CreateSolidBrush(filled ? static_cast<COLORREF>(highlightColour_) : kItemFill);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
  SetBkColor(dc, filled ? static_cast<COLORREF>(highlightColour_) : kItemBack);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, scoreColour(value));
  RECT textRect = rect;
  textRect.left += 2;
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_WORD_ELLIPSIS);
  if (selected && !highlight_) DrawFocusRect(dc, &rect);
}

LRESULT PairedPrefScoringPane::defProc(zEvent* event) {
  switch (event->message()) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (event->message() == WM_SYSKEYDOWN && event->wParam() != VK_LEFT && event->wParam() != VK_RIGHT) break;
      onKeyDown(event->wParam());
      return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (onKeyUp(event->wParam(), event->message() == WM_SYSKEYUP || GetKeyState(VK_MENU) < 0)) return 0;
      break;
    case WM_MOUSEWHEEL:
      onKeyDown(GET_WHEEL_DELTA_WPARAM(event->wParam()) < 0 ? VK_DOWN : VK_UP);
      return 0;
    case WM_DRAWITEM:
      drawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(event->lParam()));
      return TRUE;
    case WM_MEASUREITEM:
      return TRUE;
    default:
      break;
  }
  return zPaneControl::defProc(event);
}

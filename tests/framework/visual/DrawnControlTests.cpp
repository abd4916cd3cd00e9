// The drawn 3-D controls on real "VisualCtrl" windows: pixel probes of the faces (fixed
// colours only, never text), button messages, mouse and keyboard clicks, captions of any
// length, mnemonics, the wheel, the control types, and a picture of every control.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "VisualTestSupport.h"
#include "framework/core/zControlType.h"
#include "framework/core/zScrollInfo.h"
#include "framework/core/zWinDisplay.h"
#include "framework/draw/zBitmap.h"
#include "framework/visual/zBitmapButton.h"
#include "framework/visual/zCtrl3d.h"

namespace {

using DrawnControls = FrameworkTest;

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kGrey = 0x808080;
constexpr COLORREF kBlack = 0x000000;

TEST_F(DrawnControls, VisualCtrlIsRegisteredOnceAndDestroyAnswersOne) {
  RecordingFrame frame;
  zPanel3d* a = new zPanel3d(&frame, at(0, 0, 50, 50), WS_CHILD | WS_VISIBLE | 0x4209, "", 1);
  zPanel3d* b = new zPanel3d(&frame, at(60, 0, 50, 50), WS_CHILD | WS_VISIBLE | 0x4209, "", 2);
  char name[32] = {0};
  GetClassNameA(b->handle(), name, sizeof name);
  EXPECT_STREQ(name, "VisualCtrl");
  EXPECT_TRUE(b->hasTypeBit(zTypeCtrlPane));
  EXPECT_EQ(zVisualCtrlProc(a->handle(), WM_DESTROY, 0, 0), 1);
  delete a;
  delete b;
}

TEST_F(DrawnControls, Panel4209DrawsRaisedOuterAndInnerBevelsAndIsTransparentToTheMouse) {
  RecordingFrame frame;
  zPanel3d* panel = new zPanel3d(&frame, at(10, 10, 100, 60), WS_CHILD | WS_VISIBLE | 0x4209, "", 7);
  const HWND h = panel->handle();
  InvalidateRect(h, nullptr, TRUE);
  struct Probe {
    int x, y;
    COLORREF color;
    const char* what;
  } probes[] = {{5, 0, kWhite, "outer top"},    {0, 5, kWhite, "outer left"},  {99, 5, kGrey, "outer right"},
                {5, 59, kGrey, "outer bottom"}, {5, 1, kWhite, "inner top"},   {1, 5, kWhite, "inner left"},
                {98, 5, kGrey, "inner right"},  {5, 58, kGrey, "inner bottom"}};
  for (const Probe& p : probes) EXPECT_EQ(pixel(h, p.x, p.y), p.color) << p.what;
  EXPECT_EQ(SendMessageA(h, WM_NCHITTEST, 0, MAKELPARAM(20, 20)), HTTRANSPARENT);
  // A style change moves the inner bevel: width 1, gap 2 puts it three pixels in.
  SendMessageA(h, BM_SETSTYLE, 0x4209 | 0x1000, TRUE);
  InvalidateRect(h, nullptr, TRUE);
  EXPECT_EQ(pixel(h, 5, 3), kWhite);
  EXPECT_EQ(pixel(h, 96, 5), kGrey);
  delete panel;
}

TEST_F(DrawnControls, TheFaceFollowsTheWindowWhenItIsResized) {
  RecordingFrame frame;
  zPanel3d* panel = new zPanel3d(&frame, at(10, 10, 100, 60), WS_CHILD | WS_VISIBLE | 0x4209, "", 7);
  const HWND h = panel->handle();
  struct Size {
    int w, h;
  } sizes[] = {{160, 90}, {40, 30}, {100, 60}};
  for (const Size& size : sizes) {
    MoveWindow(h, 10, 10, size.w, size.h, TRUE);
    // The compound and the face fill the client area, wherever the window was before.
    EXPECT_EQ(panel->compound()->rect(), zRect(0, 0, size.w, size.h)) << size.w;
    EXPECT_EQ(panel->controlVisual()->rect(), zRect(0, 0, size.w, size.h)) << size.w;
    InvalidateRect(h, nullptr, TRUE);
    EXPECT_EQ(pixel(h, size.w - 1, 5), kGrey) << "outer right at " << size.w;
    EXPECT_EQ(pixel(h, 5, size.h - 1), kGrey) << "outer bottom at " << size.h;
    EXPECT_EQ(pixel(h, size.w - 2, 5), kGrey) << "inner right at " << size.w;
  }
  delete panel;
}

TEST_F(DrawnControls, GroupBoxEtchedFrameHasAGapForItsCaptionOnlyWhenOneIsPlaced) {
  RecordingFrame frame;
  zGroupBox3d* plain = new zGroupBox3d(&frame, at(10, 10, 120, 60), WS_CHILD | WS_VISIBLE, "Caption", 8);
  // A caption of spaces has no glyph pixels to confuse the probes.
  zGroupBox3d* left = new zGroupBox3d(&frame, at(140, 10, 120, 60), WS_CHILD | WS_VISIBLE | 0x0800, "      ", 9);
  // Etched: a dark line on top (y 7) and a white one below it.
  EXPECT_EQ(pixel(plain->handle(), 40, 7), kBlack);
  EXPECT_EQ(pixel(plain->handle(), 40, 8), kWhite);
  EXPECT_EQ(pixel(left->handle(), 3, 7), kBlack);
  EXPECT_NE(pixel(left->handle(), 8, 7), kBlack);  // inside the caption's gap
  EXPECT_EQ(SendMessageA(plain->handle(), WM_NCHITTEST, 0, 0), HTTRANSPARENT);
  delete plain;
  delete left;
}

TEST_F(DrawnControls, CheckBoxLooksAndClickRules) {
  RecordingFrame frame;
  zCheckBox3d* box = new zCheckBox3d(&frame, at(10, 10, 120, 20), WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, "Auto", 11);
  zCheckBox3d* plain = new zCheckBox3d(&frame, at(10, 40, 120, 20), WS_CHILD | WS_VISIBLE | BS_CHECKBOX, "Plain", 12);
  const HWND h = box->handle();
  // The box sits at (0, 4): its centre is white while unchecked and black (the cross) when checked.
  EXPECT_EQ(pixel(h, 0, 5), kGrey);
  EXPECT_EQ(pixel(h, 3, 7), kWhite);
  mouse(h, WM_LBUTTONDOWN, 5, 10, MK_LBUTTON);
  EXPECT_EQ(SendMessageA(h, BM_GETCHECK, 0, 0), 2);  // held down
  mouse(h, WM_LBUTTONUP, 5, 10);
  EXPECT_EQ(SendMessageA(h, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(frame.count(WM_COMMAND, MAKEWPARAM(11, BN_CLICKED)), 1);
  InvalidateRect(h, nullptr, TRUE);
  EXPECT_EQ(pixel(h, 3, 7), kBlack);
  mouse(plain->handle(), WM_LBUTTONDOWN, 5, 10, MK_LBUTTON);
  mouse(plain->handle(), WM_LBUTTONUP, 5, 10);
  EXPECT_EQ(SendMessageA(plain->handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);  // only notifies
  EXPECT_EQ(frame.count(WM_COMMAND, MAKEWPARAM(12, BN_CLICKED)), 1);
  SendMessageA(plain->handle(), BM_SETCHECK, 2, 0);  // any nonzero value checks
  EXPECT_EQ(plain->check(), BST_CHECKED);
  // BM_SETSTATE pressed and back leaves the check and sends nothing.
  SendMessageA(plain->handle(), BM_SETSTATE, 1, 0);
  SendMessageA(plain->handle(), BM_SETSTATE, 0, 0);
  EXPECT_EQ(plain->check(), BST_CHECKED);
  EXPECT_EQ(frame.count(WM_COMMAND, MAKEWPARAM(12, BN_CLICKED)), 1);
  int bound = 0;
  box->bind(&bound);
  box->storeData();
  EXPECT_EQ(bound, 1);
  delete box;
  delete plain;
}

// Disabled: the caption etched (grey over white, no black left) and the mark grey on a
// face-coloured box; enabled again, all back to black on white.
TEST_F(DrawnControls, DisabledControlsShowGreyMarksAndEtchedCaptions) {
  RecordingFrame frame;
  zCheckBox3d* box = new zCheckBox3d(&frame, at(10, 10, 120, 20), WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, "Wide", 31);
  zRadioButton3d* radio =
      new zRadioButton3d(&frame, at(10, 40, 120, 30), WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, "Wide", 32);
  box->setCheck(1);
  radio->setCheck(1);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  struct Probe {
    HWND window;
    int x, y;
    COLORREF enabled, disabled;
    const char* what;
  } probes[] = {
      {box->handle(), 3, 7, kBlack, kGrey, "cross"},         {box->handle(), 2, 6, kWhite, face, "box inside"},
      {radio->handle(), 6, 9 + 6, kBlack, kGrey, "dot"},     {radio->handle(), 3, 9 + 3, kWhite, face, "circle inside"},
      {box->handle(), 0, 5, kGrey, kGrey, "box edge stays"},
  };
  const auto captionColours = [](ziCtrlBase* control, int* black, int* grey) {
    ziVisText3d* t = control->textVisual();
    const zPoint o = t->textOrigin();
    *black = *grey = 0;
    for (int y = o.y(); y < o.y() + t->textHeight(); ++y)
      for (int x = o.x(); x < o.x() + t->textWidth(); ++x) {
        const COLORREF c = pixel(control->handle(), x, y);
        *black += c == kBlack;
        *grey += c == kGrey;
      }
  };
  for (int disabled = 1; disabled >= 0; --disabled) {
    EnableWindow(box->handle(), disabled ? FALSE : TRUE);
    EnableWindow(radio->handle(), disabled ? FALSE : TRUE);
    for (const Probe& p : probes)
      EXPECT_EQ(pixel(p.window, p.x, p.y), disabled ? p.disabled : p.enabled) << p.what << " disabled " << disabled;
    for (ziCtrlBase* control : {static_cast<ziCtrlBase*>(box), static_cast<ziCtrlBase*>(radio)}) {
      int black = 0, grey = 0;
      captionColours(control, &black, &grey);
      if (disabled) {
        EXPECT_EQ(black, 0);
        EXPECT_GT(grey, 10);  // solid strokes, not a faint dither
      } else {
        EXPECT_GT(black, 10);
      }
    }
  }
  delete box;
  delete radio;
}

TEST_F(DrawnControls, AutomaticRadioButtonStaysCheckedAndBoxesMoveWithLeftText) {
  RecordingFrame frame;
  zRadioButton3d* autoRadio =
      new zRadioButton3d(&frame, at(10, 10, 100, 30), WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, "Auto", 21);
  zRadioButton3d* plain =
      new zRadioButton3d(&frame, at(10, 50, 100, 30), WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, "Plain", 22);
  for (int i = 0; i < 2; ++i) {
    mouse(autoRadio->handle(), WM_LBUTTONDOWN, 5, 15, MK_LBUTTON);
    mouse(autoRadio->handle(), WM_LBUTTONUP, 5, 15);
    EXPECT_EQ(autoRadio->check(), BST_CHECKED);
  }
  mouse(plain->handle(), WM_LBUTTONDOWN, 5, 15, MK_LBUTTON);
  mouse(plain->handle(), WM_LBUTTONUP, 5, 15);
  EXPECT_EQ(plain->check(), BST_UNCHECKED);
  // The checked dot is black at the circle's centre; T = 15 - 6 = 9.
  EXPECT_EQ(pixel(autoRadio->handle(), 6, 9 + 6), kBlack);
  zCheckBox3d* right =
      new zCheckBox3d(&frame, at(10, 90, 100, 30), WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | BS_LEFTTEXT, "", 23);
  zRadioButton3d* rightRadio =
      new zRadioButton3d(&frame, at(10, 130, 100, 30), WS_CHILD | WS_VISIBLE | BS_LEFTTEXT, "", 24);
  pixel(right->handle(), 0, 0);
  pixel(rightRadio->handle(), 0, 0);
  EXPECT_EQ(static_cast<ziVisCheckBoxInternal*>(right->controlVisual())->box().left(), 86);
  EXPECT_EQ(static_cast<ziVisRadioBtnInternal*>(rightRadio->controlVisual())->box().left(), 87);
  delete autoRadio;
  delete plain;
  delete right;
  delete rightRadio;
}

TEST_F(DrawnControls, SpaceAndMnemonicClickOnceAndTheKeyHeldFlagNeverDeafensTheButtons) {
  RecordingFrame frame;
  zCheckBox3d* box =
      new zCheckBox3d(&frame, at(10, 10, 160, 20), WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, "Score &Pairs", 31);
  zCheckBox3d* other =
      new zCheckBox3d(&frame, at(10, 40, 160, 20), WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, "Save && Exit", 32);
  const HWND h = box->handle();
  const WPARAM clicked = MAKEWPARAM(31, BN_CLICKED);
  key(h, WM_KEYDOWN, VK_SPACE);
  key(h, WM_KEYDOWN, VK_SPACE);  // auto-repeat: swallowed
  EXPECT_EQ(box->check(), 2);
  key(h, WM_KEYUP, VK_SPACE);
  EXPECT_EQ(frame.count(WM_COMMAND, clicked), 1);
  EXPECT_EQ(box->check(), BST_CHECKED);
  key(h, WM_KEYUP, 'P');
  EXPECT_EQ(frame.count(WM_COMMAND, clicked), 2);
  key(h, WM_KEYUP, 0x70);  // F1 is not 'p'
  EXPECT_EQ(frame.count(WM_COMMAND, clicked), 2);
  key(other->handle(), WM_KEYUP, VK_UP);  // "&&" marks nothing
  EXPECT_EQ(frame.count(WM_COMMAND, MAKEWPARAM(32, BN_CLICKED)), 0);
  // Tab pressed on one button leaves the next one's space working.
  key(h, WM_KEYDOWN, VK_TAB);
  key(other->handle(), WM_KEYDOWN, VK_SPACE);
  EXPECT_EQ(other->check(), 2);
  key(other->handle(), WM_KEYUP, VK_SPACE);
  EXPECT_EQ(frame.count(WM_COMMAND, MAKEWPARAM(32, BN_CLICKED)), 1);
  delete box;
  delete other;
}

TEST_F(DrawnControls, CaptionsOfAnyLengthAreKeptWholeAndGetTextHonoursItsBuffer) {
  RecordingFrame frame;
  zCheckBox3d* box = new zCheckBox3d(&frame, at(10, 10, 300, 20), WS_CHILD | WS_VISIBLE, "Short", 41);
  const HWND h = box->handle();
  char one[1] = {'x'};
  EXPECT_EQ(SendMessageA(h, WM_GETTEXT, 1, reinterpret_cast<LPARAM>(one)), 0);
  EXPECT_EQ(one[0], '\0');
  char big[64];
  EXPECT_EQ(SendMessageA(h, WM_GETTEXT, sizeof big, reinterpret_cast<LPARAM>(big)), 5);
  EXPECT_STREQ(big, "Short");
  const std::string longCaption = "&" + std::string(1200, 'w') + "&&" + std::string(300, 'x');
  SendMessageA(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(longCaption.c_str()));
  EXPECT_EQ(SendMessageA(h, WM_GETTEXTLENGTH, 0, 0), static_cast<LRESULT>(longCaption.size()));
  RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_TRUE(box->textVisual()->mnemonicPresent());
  // A caption without a mark loses the underline of the one before.
  SendMessageA(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("No mark"));
  RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_FALSE(box->textVisual()->mnemonicPresent());
  delete box;
}

TEST_F(DrawnControls, TheWheelScrollsVerticallyByNotches) {
  RecordingFrame frame;
  zPanel3d* panel = new zPanel3d(&frame, at(10, 10, 100, 60), WS_CHILD | WS_VISIBLE | 0x4209, "", 51);
  zScrollInfo* info = new zScrollInfoVert(panel);
  panel->setVertScroll(info);
  info->setRange(0, 100);
  info->setLineStep(10);
  info->setPos(50);
  // The key-state word says MK_SHIFT (4), which a scroll code would read as SB_TOP's cousin.
  SendMessageA(panel->handle(), WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, static_cast<WORD>(-120)), 0);
  EXPECT_EQ(info->pos(), 60);
  SendMessageA(panel->handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 240), 0);
  EXPECT_EQ(info->pos(), 40);
  delete panel;
}

TEST_F(DrawnControls, TemplateClassNamesFindTheirCreatorsIgnoringCase) {
  RecordingFrame frame;
  zRegisterVisualCtrlClasses();
  zRegisterVisualCtrlClasses();  // once only
  struct Case {
    const char* name;
    bool check;
  } cases[] = {
      {"ZCHECKBOX3DCLASS", true}, {"zradiobtn3dclass", true}, {"ZGROUPBOX3DCLASS", false}, {"zPanel3dClass", false}};
  int id = 60;
  for (const Case& c : cases) {
    zControlType* type = zControlType::find(c.name);
    ASSERT_NE(type, nullptr) << c.name;
    zWindow* made = type->creator()(&frame, at(10, 10 + 25 * (id - 60), 100, 20),
                                    WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, "Made", id);
    ASSERT_NE(made, nullptr);
    char name[32] = {0};
    GetClassNameA(made->handle(), name, sizeof name);
    EXPECT_STREQ(name, "VisualCtrl") << c.name;
    EXPECT_EQ(GetDlgCtrlID(made->handle()), id);
    if (c.check) {
      EXPECT_EQ(SendMessageA(made->handle(), BM_GETCHECK, 0, 0), 0);
    }
    delete made;
    ++id;
  }
  EXPECT_EQ(zControlType::find("zNoSuchClass"), nullptr);
}

// Every drawn control in its normal, pressed, checked, disabled and focused states, saved as
// a picture when PV_VISUAL_SHOT names a file (a .bmp of the frame's client area).
TEST_F(DrawnControls, PictureOfEveryControlInEveryState) {
  RecordingFrame frame;
  const uint32_t child = WS_CHILD | WS_VISIBLE;
  new zPanel3d(&frame, at(0, 0, 500, 395), child | 0x4209 | 0x0010, "", 100);  // bevel 2
  new zGroupBox3d(&frame, at(10, 10, 230, 170), child | 0x0800, "Check boxes", 101);
  new zGroupBox3d(&frame, at(260, 10, 230, 170), child | 0x0800 | 0x0200 | 0x0400, "Radio buttons", 102);
  const char* names[] = {"Normal", "Pressed", "Checked", "Disabled", "Focused"};
  zCheckBox3d* boxes[5];
  zRadioButton3d* radios[5];
  for (int i = 0; i < 5; ++i) {
    boxes[i] = new zCheckBox3d(&frame, at(20, 30 + 28 * i, 200, 22), child | BS_AUTOCHECKBOX, names[i], 110 + i);
    radios[i] =
        new zRadioButton3d(&frame, at(270, 30 + 28 * i, 200, 22), child | BS_AUTORADIOBUTTON, names[i], 120 + i);
  }
  new zPanel3d(&frame, at(10, 200, 230, 60), child | 0x0009 | 0x0100, "Sunken panel", 130);
  new zPanel3d(&frame, at(260, 200, 230, 60), child | 0x4209 | 0x0140 | 0x0001, "Embossed caption", 131);
  new zGroupBox3d(&frame, at(10, 270, 480, 80), child | 0x1000, "Centred caption", 132);
  zCheckBox3d* flat =
      new zCheckBox3d(&frame, at(30, 300, 200, 22), child | BS_AUTOCHECKBOX | 0x200 | 0x400, "Flat with a tick", 133);
  zRadioButton3d* flatRadio =
      new zRadioButton3d(&frame, at(270, 300, 200, 22), child | BS_AUTORADIOBUTTON | 0x200, "Flat radio", 134);
  // Bitmap buttons with a drawn arrow: normal, pressed, checked (a toggle), disabled, focused.
  zBitmapButton* bitmaps[5];
  for (int i = 0; i < 5; ++i) {
    zBitmap* b = new zBitmap(96, 16, 32, 1);
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    const HGDIOBJ old = SelectObject(mem, b->hbitmap());
    const COLORREF tints[6] = {0x008000, 0x808080, 0x0000C0, 0x800000, 0x008080, 0xA0A0A0};
    for (int f = 0; f < 6; ++f) {
      RECT r = {f * 16, 0, f * 16 + 16, 16};
      FillRect(mem, &r, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
      HBRUSH brush = CreateSolidBrush(tints[f]);
      const HGDIOBJ oldBrush = SelectObject(mem, brush);
      const POINT arrow[3] = {{f * 16 + 3, 2}, {f * 16 + 13, 8}, {f * 16 + 3, 14}};
      Polygon(mem, arrow, 3);
      SelectObject(mem, oldBrush);
      DeleteObject(brush);
    }
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    const uint32_t style = child | 0x1000 | 0x0020 | (i == 2 ? 0x0200u : 0u);
    bitmaps[i] = new zBitmapButton(&frame, at(20 + 92 * i, 355, 84, 28), style | 0x400 * 0, names[i], 140 + i, b);
  }
  SendMessageA(bitmaps[1]->handle(), BM_SETSTATE, 1, 0);
  bitmaps[2]->setCheck(1);
  EnableWindow(bitmaps[3]->handle(), FALSE);
  flat->setCheck(1);
  flatRadio->setCheck(1);
  for (zWindow* w : {static_cast<zWindow*>(boxes[2]), static_cast<zWindow*>(radios[2]), static_cast<zWindow*>(boxes[3]),
                     static_cast<zWindow*>(radios[3])})
    SendMessageA(w->handle(), BM_SETCHECK, 1, 0);
  EnableWindow(boxes[3]->handle(), FALSE);
  EnableWindow(radios[3]->handle(), FALSE);
  RedrawWindow(frame.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  SendMessageA(boxes[1]->handle(), BM_SETSTATE, 1, 0);
  SendMessageA(radios[1]->handle(), BM_SETSTATE, 1, 0);
  SetFocus(boxes[4]->handle());
  SendMessageA(radios[4]->handle(), WM_SETFOCUS, 0, 0);
  SendMessageA(bitmaps[4]->handle(), WM_SETFOCUS, 0, 0);
  EXPECT_EQ(boxes[1]->check(), 2);
  EXPECT_EQ(boxes[2]->check(), 1);
  EXPECT_EQ(boxes[4]->textVisual()->focus(), 1);
  EXPECT_EQ(boxes[3]->textVisual()->greyed(), 1);
  pump();
  const char* path = std::getenv("PV_VISUAL_SHOT");
  if (!path || !*path) return;
  RECT client;
  GetClientRect(frame.handle(), &client);
  HDC screen = GetDC(frame.handle());
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = client.right;
  info.bmiHeader.biHeight = client.bottom;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, dib);
  BitBlt(mem, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD stride = ((static_cast<DWORD>(client.right) * 3 + 3) & ~3u);
  const DWORD size = stride * static_cast<DWORD>(client.bottom);
  BITMAPFILEHEADER header = {};
  header.bfType = 0x4D42;
  header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  header.bfSize = header.bfOffBits + size;
  FILE* f = std::fopen(path, "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(&header, sizeof header, 1, f);
  std::fwrite(&info.bmiHeader, sizeof(BITMAPINFOHEADER), 1, f);
  std::fwrite(bits, 1, size, f);
  std::fclose(f);
  SelectObject(mem, old);
  DeleteObject(dib);
  DeleteDC(mem);
  ReleaseDC(frame.handle(), screen);
}

}  // namespace

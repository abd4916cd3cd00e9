#define OEMRESOURCE  // the system bitmaps

#include "TestDisplays.h"
#include "framework/draw/zBitmap.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

const uint32_t kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255),
               kBlack = 0, kSlate = RGB(0x33, 0x66, 0x99);

std::string fixture(const char* name) { return std::string(PV_TEST_DATA_DIR) + "/framework/" + name; }

std::vector<uint8_t> bytesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// The six pixels every good fixture holds, row by row from the top.
void expectFixturePicture(zBitmap* bitmap, const char* name) {
  ASSERT_NE(bitmap->handle(), nullptr) << name;
  EXPECT_EQ(bitmap->size(), zDimension(3, 2)) << name;
  zBitmapDisplay d(bitmap);
  const uint32_t expected[2][3] = {{kRed, kGreen, kBlue}, {kWhite, kBlack, kSlate}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(rgb(d.getPixel(x, y)), expected[y][x]) << name << " at " << x << "," << y;
}

TEST(BitmapFile, GoodFixturesLoad) {
  const char* names[] = {"info24.bmp", "info8_nofh.bmp", "core4.bmp", "core8_nofh.bmp", "topdown32.bmp"};
  ziInfoDisplay screen;
  for (const char* name : names) {
    auto* bitmap = new zBitmapFile(&screen, fixture(name).c_str());
    expectFixturePicture(bitmap, name);  // the display deletes the bitmap
    EXPECT_FALSE(screen.isLocked());
  }
}

TEST(BitmapFile, MalformedFilesGiveNoBitmap) {
  struct Case {
    const char* name;
    const char* why;
  } cases[] = {
      {"bad_sizeimage.bmp", "image size larger than the file"},
      {"small_sizeimage.bmp", "image size too small for the bitmap"},
      {"bad_clrused.bmp", "too many colours"},
      {"short_bits.bmp", "short pixel data"},
      {"bad_header.bmp", "unknown bitmap header size"},
  };
  ziInfoDisplay screen;
  for (const Case& c : cases) {
    const std::vector<uint8_t> data = bytesOf(fixture(c.name));
    ASSERT_FALSE(data.empty()) << c.name;
    ziPackedDIB dib;
    EXPECT_EQ(ziParseDIB(data.data(), data.size(), dib), c.why) << c.name;
    EXPECT_TRUE(dib.bytes.empty());
    zBitmapFile bitmap(&screen, fixture(c.name).c_str());
    EXPECT_EQ(bitmap.handle(), nullptr) << c.name;
    EXPECT_EQ(bitmap.size(), zDimension(0, 0));
  }
}

// Every cut of a good file is refused cleanly, never read beyond its end.
TEST(BitmapFile, EveryTruncationIsRefused) {
  for (const char* name : {"info24.bmp", "core4.bmp", "core8_nofh.bmp", "info8_nofh.bmp"}) {
    const std::vector<uint8_t> data = bytesOf(fixture(name));
    ziPackedDIB dib;
    ASSERT_EQ(ziParseDIB(data.data(), data.size(), dib), "") << name;
    for (size_t n = 0; n < data.size(); ++n) {
      std::vector<uint8_t> cut(data.begin(), data.begin() + n);
      EXPECT_NE(ziParseDIB(cut.data(), cut.size(), dib), "") << name << " cut to " << n;
    }
  }
}

// Damaged copies of the fixtures: whatever the parser accepts is self-consistent, so
// that the system never reads beyond the packed block. A fixed generator keeps the
// cases the same from run to run.
TEST(BitmapFile, DamagedFilesAreRefusedOrConsistent) {
  uint32_t state = 12345;
  auto next = [&state] {
    state = state * 1103515245u + 12345u;
    return state >> 8;
  };
  ziInfoDisplay screen;
  screen.lock();
  int accepted = 0;
  for (const char* name : {"info24.bmp", "core4.bmp", "info8_nofh.bmp", "topdown32.bmp"}) {
    const std::vector<uint8_t> data = bytesOf(fixture(name));
    for (int round = 0; round < 500; ++round) {
      std::vector<uint8_t> bad = data;
      const int hits = 1 + next() % 4;
      for (int i = 0; i < hits; ++i) {
        const size_t at = next() % std::min<size_t>(bad.size(), 60);
        bad[at] = static_cast<uint8_t>(next() % 3 == 0 ? 0xFF : next());
      }
      ziPackedDIB dib;
      if (!ziParseDIB(bad.data(), bad.size(), dib).empty()) continue;
      ++accepted;
      const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(dib.bytes.data());
      const uint64_t rows = info->biHeight < 0 ? -static_cast<int64_t>(info->biHeight) : info->biHeight;
      const uint64_t stride = (uint64_t{info->biBitCount} * info->biWidth + 31) / 32 * 4;
      ASSERT_EQ(dib.bytes.size(), dib.bitsOffset + uint64_t{info->biSizeImage});
      if (info->biCompression == BI_RGB || info->biCompression == BI_BITFIELDS) {
        ASSERT_GE(info->biSizeImage, stride * rows);
      }
      HBITMAP made = CreateDIBitmap(screen.hdc(), info, CBM_INIT, dib.bytes.data() + dib.bitsOffset,
                                    reinterpret_cast<const BITMAPINFO*>(info), DIB_RGB_COLORS);
      if (made) DeleteObject(made);
    }
  }
  screen.unlock();
  EXPECT_GT(accepted, 0);
}

TEST(BitmapFile, HeaderRules) {
  std::vector<uint8_t> data = bytesOf(fixture("info24.bmp"));
  ziPackedDIB dib;
  auto parseWith = [&](size_t at, std::vector<uint8_t> bytes) {
    std::vector<uint8_t> copy = data;
    std::memcpy(copy.data() + at, bytes.data(), bytes.size());
    return ziParseDIB(copy.data(), copy.size(), dib);
  };
  EXPECT_EQ(parseWith(14 + 12, {2, 0}), "planes must be 1");
  EXPECT_EQ(parseWith(14 + 14, {7, 0}), "unsupported bit count");
  EXPECT_EQ(parseWith(14 + 4, {0, 0, 0, 0}), "bad width");
  EXPECT_EQ(parseWith(14 + 8, {0, 0, 0, 0}), "bad height");
  EXPECT_EQ(parseWith(14 + 8, {0, 0, 0, 0x80}), "bad height");  // the most negative height
  EXPECT_EQ(parseWith(14 + 16, {4, 0, 0, 0}), "unsupported compression");
  EXPECT_EQ(parseWith(14 + 16, {1, 0, 0, 0}), "RLE8 needs 8 bits per pixel");
  EXPECT_EQ(parseWith(10, {20, 0, 0, 0}), "pixel data overlaps the headers");
  EXPECT_EQ(parseWith(10, {56, 0, 0, 0}), "short pixel data");
  // A larger image size is accepted when the file holds that much.
  data.insert(data.end(), 4, 0);
  EXPECT_EQ(parseWith(14 + 20, {28, 0, 0, 0}), "");
  EXPECT_EQ(parseWith(14 + 20, {29, 0, 0, 0}), "image size larger than the file");
}

// Answers the "Can't open file" box that a missing file brings up.
struct BoxAnswerer {
  DWORD uiThread = GetCurrentThreadId();
  std::atomic<bool> done{false};
  std::atomic<bool> answered{false};
  std::string caption;
  char text[64] = {};
  HANDLE thread = nullptr;

  static BOOL CALLBACK visit(HWND w, LPARAM self) {
    auto* me = reinterpret_cast<BoxAnswerer*>(self);
    char title[512] = {};
    GetWindowTextA(w, title, sizeof title);
    if (me->caption == title) {
      HWND label = FindWindowExA(w, nullptr, "Static", nullptr);
      while (label && GetWindowTextLengthA(label) == 0) label = FindWindowExA(w, label, "Static", nullptr);
      if (label) GetWindowTextA(label, me->text, sizeof me->text);
      PostMessageA(w, WM_COMMAND, IDOK, 0);
      me->answered = true;
      return FALSE;
    }
    return TRUE;
  }
  static DWORD WINAPI run(LPVOID self) {
    auto* me = static_cast<BoxAnswerer*>(self);
    for (int i = 0; i < 400 && !me->done && !me->answered; ++i) {
      EnumThreadWindows(me->uiThread, visit, reinterpret_cast<LPARAM>(me));
      Sleep(25);
    }
    return 0;
  }
  explicit BoxAnswerer(std::string c) : caption(std::move(c)) {
    thread = CreateThread(nullptr, 0, run, this, 0, nullptr);
  }
  ~BoxAnswerer() {
    done = true;
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
  }
};

TEST(BitmapFile, MissingFileIsReportedWithItsName) {
  ziInfoDisplay screen;
  // No '.' in the name: ".bmp" is appended, and the box names the full file.
  const std::string base = fixture("no_such_picture");
  std::string shown = base + ".bmp";
  BoxAnswerer answerer(shown);
  zBitmapFile bitmap(&screen, base.c_str());
  EXPECT_TRUE(answerer.answered) << "no box captioned " << shown;
  EXPECT_STREQ(answerer.text, "Can't open file");
  EXPECT_EQ(bitmap.handle(), nullptr);
  EXPECT_FALSE(screen.isLocked());
}

TEST(Bitmap, BlankAndSystemBitmaps) {
  zBitmap mono(17, 9, 1, 1);
  EXPECT_EQ(mono.size(), zDimension(17, 9));
  zBitmapEmpty empty;
  EXPECT_EQ(empty.handle(), nullptr);
  EXPECT_EQ(empty.size(), zDimension(0, 0));
  zBitmapSystem check(OBM_CHECK);
  EXPECT_NE(check.handle(), nullptr);
}

TEST(BitmapDisplay, CopyDrawAndStretch) {
  std::unique_ptr<zBitmapDisplay> source(newCanvas(4, 4));
  source->setPixel(0, 0, zColor(255, 0, 0));
  source->setPixel(3, 3, zColor(0, 0, 255));

  std::unique_ptr<zBitmapDisplay> target(newCanvas(20, 20));
  source->copyTo(*target, 10, 10, 4, 4);
  EXPECT_EQ(rgb(target->getPixel(10, 10)), kRed);
  EXPECT_EQ(rgb(target->getPixel(13, 13)), kBlue);
  EXPECT_EQ(rgb(target->getPixel(9, 9)), kWhite);

  // Take the bitmap back from the source and draw it, plain and stretched.
  zBitmap* bitmap = source->selectBitmap(nullptr);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(source->bitmap(), nullptr);
  zRect r;
  source->size(r);
  EXPECT_EQ(r, zRect(0, 0, 0, 0));
  source.reset();
  ASSERT_EQ(GetObjectType(bitmap->handle()), static_cast<DWORD>(OBJ_BITMAP))
      << "the display must not delete a bitmap it handed back";

  EXPECT_TRUE(target->drawBitmap(*bitmap, zPoint(0, 0)));
  EXPECT_EQ(rgb(target->getPixel(0, 0)), kRed);
  EXPECT_EQ(rgb(target->getPixel(3, 3)), kBlue);
  EXPECT_TRUE(target->stretchBitmap(*bitmap, zPoint(0, 8), zDimension(8, 8)));
  EXPECT_EQ(rgb(target->getPixel(1, 9)), kRed);  // pixel (0,0) became 2 x 2
  EXPECT_EQ(rgb(target->getPixel(7, 15)), kBlue);
  EXPECT_EQ(rgb(target->getPixel(4, 12)), kWhite);

  zDisplay unlocked;
  EXPECT_FALSE(unlocked.drawBitmap(*bitmap, zPoint(0, 0)));
  EXPECT_FALSE(unlocked.stretchBitmap(*bitmap, zPoint(0, 0), zDimension(1, 1)));
  delete bitmap;
}

TEST(BitmapDisplay, SelectBitmapSwapsOwnership) {
  ziInfoDisplay screen;
  screen.lock();
  auto* first = new zBitmapCompatible(5, 5, &screen);
  auto* second = new zBitmapCompatible(7, 3, &screen);
  screen.unlock();
  zBitmapDisplayBitmap d(&screen, first);
  EXPECT_EQ(d.bitmap(), first);
  EXPECT_EQ(d.selectBitmap(second), first);
  zRect r;
  d.updateRect(r);
  EXPECT_EQ(r, zRect(0, 0, 7, 3));
  d.setPixel(6, 2, zColor(0, 255, 0));
  EXPECT_EQ(rgb(d.getPixel(6, 2)), kGreen);
  delete first;
}

TEST(BitmapDisplay, DestroyingItDeletesItsBitmap) {
  HGDIOBJ handle = nullptr;
  {
    std::unique_ptr<zBitmapDisplay> d(newCanvas(3, 3));
    handle = d->bitmap()->handle();
    ASSERT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_BITMAP));
  }
  EXPECT_EQ(GetObjectType(handle), 0u);
}

TEST(DIB, RoundTripThroughAPackedBitmap) {
  std::unique_ptr<zBitmapDisplay> source(newCanvas(5, 3));
  source->setPixel(0, 0, zColor(255, 0, 0));
  source->setPixel(4, 2, zColor(0x33, 0x66, 0x99));
  HGLOBAL dib = bitmapToDIB(*source->bitmap());
  ASSERT_NE(dib, nullptr);
  {
    auto* info = static_cast<BITMAPINFOHEADER*>(GlobalLock(dib));
    EXPECT_EQ(info->biWidth, 5);
    EXPECT_EQ(info->biHeight, 3);
    EXPECT_EQ(info->biPlanes, 1);
    GlobalUnlock(dib);
  }
  std::unique_ptr<zBitmapDisplay> target(newCanvas(10, 6));
  drawDIB(target->hdc(), 0, 0, 10, 6, dib, 0, 0, 5, 3, SRCCOPY);
  EXPECT_EQ(rgb(target->getPixel(0, 0)), kRed);
  EXPECT_EQ(rgb(target->getPixel(1, 1)), kRed);
  EXPECT_EQ(rgb(target->getPixel(9, 5)), kSlate);
  EXPECT_EQ(rgb(target->getPixel(5, 2)), kWhite);
  GlobalFree(dib);

  // A 1-bit conversion keeps the picture's shape in two colours.
  HGLOBAL mono = bitmapToDIB(*source->bitmap(), BI_RGB, 1);
  ASSERT_NE(mono, nullptr);
  GlobalFree(mono);

  // Without a block the rectangle is filled by the raster operation alone.
  drawDIB(target->hdc(), 0, 0, 2, 2, nullptr, 0, 0, 0, 0, BLACKNESS);
  EXPECT_EQ(rgb(target->getPixel(1, 1)), kBlack);
  zBitmapEmpty none;
  EXPECT_EQ(bitmapToDIB(none), nullptr);
}

}  // namespace

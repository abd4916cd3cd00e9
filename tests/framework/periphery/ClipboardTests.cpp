// Copy and paste through the real OLE clipboard (under Xvfb): text, registered formats,
// bitmaps and metafiles, and text from another source that is not terminated.
#include "framework/periphery/zClipboard.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "PeripheryTestSupport.h"
#include "framework/core/zProgram.h"
#include "framework/draw/zBitmap.h"
#include "framework/draw/zDrawObj.h"
#include "framework/draw/zMetafileDisplay.h"

namespace {

std::string take(char* text) {
  std::unique_ptr<char[]> owned(text);
  return owned ? std::string(owned.get()) : std::string("(null)");
}

class Clipboard : public PeripheryTest {};

TEST_F(Clipboard, TextRoundTripStaysAfterTheAccessorGoes) {
  {
    zClipboard copy(nullptr);
    ASSERT_EQ(copy.setText("Choice A\tChoice B"), S_OK);
    EXPECT_EQ(copy.isTextAvailable(), 1);
    EXPECT_EQ(copy.isBitmapAvailable(), 0);
    EXPECT_EQ(take(copy.getText()), "Choice A\tChoice B");
    ASSERT_EQ(copy.setText("second copy"), S_OK);
    EXPECT_EQ(take(copy.getText()), "second copy");
  }
  // Flushed when the accessor went: the text is still there, for this or any program.
  zClipboard paste(nullptr);
  EXPECT_EQ(paste.isTextAvailable(), 1);
  EXPECT_EQ(take(paste.getText()), "second copy");
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE native = GetClipboardData(CF_TEXT);
  ASSERT_NE(native, nullptr);
  EXPECT_STREQ(static_cast<const char*>(GlobalLock(native)), "second copy");
  GlobalUnlock(native);
  CloseClipboard();

  ASSERT_EQ(paste.empty(), S_OK);
  EXPECT_EQ(paste.isTextAvailable(), 0);
  EXPECT_EQ(paste.getText(), nullptr);
}

TEST_F(Clipboard, ForeignTextWithoutTerminatorIsReadWithinItsBlock) {
  // Another source offers text whose block holds no zero at all.
  zDataObjectImp* foreign = new zDataObjectImp;
  const size_t size = 8;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  ASSERT_NE(block, nullptr);
  std::memset(GlobalLock(block), 'x', size);
  GlobalUnlock(block);
  FORMATETC f = {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium = {};
  medium.tymed = TYMED_HGLOBAL;
  medium.hGlobal = block;
  ASSERT_EQ(foreign->SetData(&f, &medium, TRUE), S_OK);
  // The other source places it through OLE on this thread, which the program starts
  // only at its own first use of the clipboard.
  zStartOle();
  ASSERT_EQ(OleSetClipboard(foreign), S_OK);
  foreign->Release();

  zClipboard paste(nullptr);
  EXPECT_EQ(paste.isTextAvailable(), 1);
  const std::string text = take(paste.getText());
  EXPECT_EQ(text.substr(0, size), std::string(size, 'x'));
  EXPECT_LE(text.size(), GlobalSize(block) ? GlobalSize(block) : 64u);
  EXPECT_EQ(text.find_first_not_of('x'), std::string::npos) << "nothing beyond the block";
  OleSetClipboard(nullptr);
}

TEST_F(Clipboard, RegisteredFormatsRoundTripAndCompareByName) {
  const zClipboardFormat cells("Palvermontine cells");
  EXPECT_EQ(cells.kind(), zClipboardFormat::registeredKind);
  EXPECT_NE(cells.id(), 0u);
  EXPECT_TRUE(cells == "Palvermontine cells");
  EXPECT_FALSE(cells == "Palvermontine cell");
  EXPECT_TRUE(cells == FLCString("Palvermontine cells"));
  EXPECT_TRUE(cells == zClipboardFormat(FLCString("Palvermontine cells")));
  const zClipboardFormat text(CF_TEXT);
  EXPECT_EQ(text.kind(), 1);
  EXPECT_FALSE(text == "Text") << "a predefined format has no name to compare";
  EXPECT_EQ(zClipboardFormat(CF_DIB).kind(), 8);
  EXPECT_EQ(zClipboardFormat(0xC123).kind(), zClipboardFormat::registeredKind);

  zClipboard board(nullptr);
  const uint8_t bytes[] = {1, 2, 0, 3};
  ASSERT_EQ(board.setData(cells, bytes, sizeof bytes), S_OK);
  ASSERT_EQ(board.setText("cells as text"), S_OK);
  EXPECT_EQ(board.isFormatAvailable(cells), 1);
  EXPECT_EQ(board.isFormatAvailable(zClipboardFormat("Palvermontine rows")), 0);
  size_t count = 0;
  std::unique_ptr<uint8_t[]> got(board.getData(cells, &count));
  ASSERT_TRUE(got);
  ASSERT_GE(count, sizeof bytes);
  EXPECT_EQ(std::memcmp(got.get(), bytes, sizeof bytes), 0);
  EXPECT_EQ(take(board.getText()), "cells as text");
  EXPECT_EQ(board.getData(zClipboardFormat("Palvermontine rows"), &count), nullptr);
}

TEST_F(Clipboard, BitmapAndMetafileRoundTrip) {
  zClipboard board(nullptr);
  {
    std::unique_ptr<zBitmapDisplay> canvas(newWhiteCanvas(16, 12));
    canvas->setPixel(3, 4, zColor(0, 0, 255));
    std::unique_ptr<zBitmap> bitmap(canvas->selectBitmap(nullptr));
    ASSERT_EQ(board.setBitmap(*bitmap), S_OK);
  }
  EXPECT_EQ(board.isBitmapAvailable(), 1);
  HBITMAP pasted = board.getBitmap();
  ASSERT_NE(pasted, nullptr);
  BITMAP info;
  ASSERT_EQ(GetObjectA(pasted, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, 16);
  EXPECT_EQ(info.bmHeight, 12);
  DeleteObject(pasted);

  zMetafileDisplay recording(nullptr);
  recording.setBounds(zRect(0, 0, 100, 100));
  recording.lock();
  recording.pushBrush(new zBrush(zColor(0, 128, 0)));
  recording.pushPen(new zPen(zColor(0, 128, 0), PS_SOLID, 1));
  recording.rectangle(50, 50, 100, 100);
  recording.unlock();
  ASSERT_EQ(board.setMetafile(recording), S_OK);
  EXPECT_EQ(board.isMetafileAvailable(), 1);
  EXPECT_EQ(board.isBitmapAvailable(), 1) << "each put keeps the other formats";

  zMetafileDisplay target(nullptr);
  ASSERT_EQ(board.getMetafile(target), 1);
  ASSERT_NE(target.metafile(), nullptr);
  const HMETAFILE first = target.metafile();
  ASSERT_EQ(board.getMetafile(target), 1) << "a second paste replaces the first";
  EXPECT_NE(target.metafile(), first);
  EXPECT_EQ(GetObjectType(first), 0u) << "and the first is deleted, not leaked";
  std::unique_ptr<zBitmapDisplay> canvas(newWhiteCanvas(20, 20));
  target.play(*canvas, 0, 0, 20, 20);
  canvas->mapMode(MM_TEXT);
  canvas->setOrigin(0, 0);
  canvas->viewportOrigin(0, 0);
  EXPECT_EQ(pixelAt(*canvas, 15, 15), RGB(0, 128, 0));
  EXPECT_EQ(pixelAt(*canvas, 4, 4), RGB(255, 255, 255));

  ASSERT_EQ(board.empty(), S_OK);
  EXPECT_EQ(board.isMetafileAvailable(), 0);
  zMetafileDisplay none(nullptr);
  EXPECT_EQ(board.getMetafile(none), 0);
  EXPECT_EQ(none.metafile(), nullptr);
  EXPECT_EQ(board.getBitmap(), nullptr);
}

}  // namespace

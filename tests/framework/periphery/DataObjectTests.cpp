// The data object's COM answers and entries, and the format enumerator.
#include "framework/periphery/zDataObject.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "PeripheryTestSupport.h"
#include "framework/draw/zDrawObj.h"
#include "framework/draw/zMetafileDisplay.h"

namespace {

FORMATETC format(CLIPFORMAT cf, DWORD tymed, DWORD aspect = DVASPECT_CONTENT) {
  FORMATETC f;
  f.cfFormat = cf;
  f.ptd = nullptr;
  f.dwAspect = aspect;
  f.lindex = -1;
  f.tymed = tymed;
  return f;
}

std::string textOf(const STGMEDIUM& medium) {
  const char* p = static_cast<const char*>(GlobalLock(medium.hGlobal));
  std::string s = p ? p : "";
  GlobalUnlock(medium.hGlobal);
  return s;
}

// Records a red square over the top-left quarter of a 100 x 100 frame.
void recordQuarter(zMetafileDisplay& m) {
  m.setBounds(zRect(0, 0, 100, 100));
  m.lock();
  m.pushBrush(new zBrush(zColor(255, 0, 0)));
  m.pushPen(new zPen(zColor(255, 0, 0), PS_SOLID, 1));
  m.rectangle(0, 0, 50, 50);
  m.unlock();
}

class DataObject : public PeripheryTest {};

TEST_F(DataObject, AnswersForPresentAndAbsentFormats) {
  zDataObject object;
  IDataObject* data = object.dataObject();
  ASSERT_EQ(object.putText("first"), S_OK);
  ASSERT_EQ(object.putText("second"), S_OK);
  EXPECT_EQ(object.imp()->entryCount(), 1u) << "putting text again replaces the entry";

  const UINT registered = RegisterClipboardFormatA("Palvermontine test cells");
  struct Case {
    const char* what;
    FORMATETC f;
    HRESULT query;
    HRESULT get;
  };
  const Case cases[] = {
      {"text", format(CF_TEXT, TYMED_HGLOBAL), S_OK, S_OK},
      {"text in any medium", format(CF_TEXT, TYMED_HGLOBAL | TYMED_GDI), S_OK, S_OK},
      {"text as a thumbnail", format(CF_TEXT, TYMED_HGLOBAL, DVASPECT_THUMBNAIL), DV_E_FORMATETC, DV_E_FORMATETC},
      {"text in a stream", format(CF_TEXT, TYMED_ISTREAM), DV_E_TYMED, DV_E_FORMATETC},
      {"absent bitmap", format(CF_BITMAP, TYMED_GDI), DV_E_FORMATETC, DV_E_FORMATETC},
      {"absent metafile", format(CF_METAFILEPICT, TYMED_MFPICT), DV_E_FORMATETC, DV_E_FORMATETC},
      {"absent registered format", format(static_cast<CLIPFORMAT>(registered), TYMED_HGLOBAL), DV_E_FORMATETC,
       DV_E_FORMATETC},
  };
  for (const Case& c : cases) {
    FORMATETC f = c.f;
    EXPECT_EQ(data->QueryGetData(&f), c.query) << c.what;
    STGMEDIUM medium = {};
    const HRESULT got = data->GetData(&f, &medium);
    EXPECT_EQ(got, c.get) << c.what;
    if (got == S_OK) {
      EXPECT_EQ(medium.tymed, static_cast<DWORD>(TYMED_HGLOBAL));
      EXPECT_EQ(textOf(medium), "second") << c.what;
      ReleaseStgMedium(&medium);
    }
  }
  // An absent format must not read as present to a caller that tests with SUCCEEDED.
  FORMATETC absent = format(CF_BITMAP, TYMED_GDI);
  EXPECT_FALSE(SUCCEEDED(data->QueryGetData(&absent)));

  FORMATETC text = format(CF_TEXT, TYMED_HGLOBAL);
  STGMEDIUM medium = {};
  EXPECT_EQ(data->GetDataHere(&text, &medium), E_NOTIMPL);
  FORMATETC canonical;
  EXPECT_EQ(data->GetCanonicalFormatEtc(&text, nullptr), E_INVALIDARG);
  EXPECT_EQ(data->GetCanonicalFormatEtc(&text, &canonical), DATA_S_SAMEFORMATETC);
  DWORD connection = 0;
  EXPECT_EQ(data->DAdvise(&text, 0, nullptr, &connection), E_FAIL);
  EXPECT_EQ(data->DUnadvise(0), E_FAIL);
  EXPECT_EQ(data->EnumDAdvise(nullptr), E_FAIL);

  IUnknown* unknown = nullptr;
  ASSERT_EQ(data->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
  EXPECT_EQ(unknown->Release(), 1u);
  void* other = reinterpret_cast<void*>(1);
  EXPECT_EQ(data->QueryInterface(IID_IDropTarget, &other), E_NOINTERFACE);
  EXPECT_EQ(other, nullptr);

  object.empty();
  EXPECT_EQ(object.imp()->entryCount(), 0u);
  EXPECT_EQ(data->QueryGetData(&text), DV_E_FORMATETC);
  EXPECT_EQ(object.getText(), nullptr);
}

TEST_F(DataObject, EnumeratorGivesTheFormatsInEntryOrder) {
  zDataObject object;
  const CLIPFORMAT cells = static_cast<CLIPFORMAT>(RegisterClipboardFormatA("PV cells"));
  zBitmap bitmap(8, 8, 1, 1);
  ASSERT_EQ(object.putText("t"), S_OK);
  ASSERT_EQ(object.putData("abc", 3, cells), S_OK);
  ASSERT_EQ(object.putBitmap(bitmap.hbitmap()), S_OK);

  IEnumFORMATETC* e = nullptr;
  ASSERT_EQ(object.dataObject()->EnumFormatEtc(DATADIR_GET, &e), S_OK);
  FORMATETC got[5];
  ULONG fetched = 99;
  EXPECT_EQ(e->Next(5, got, &fetched), S_FALSE) << "fewer than asked";
  ASSERT_EQ(fetched, 3u);
  EXPECT_EQ(got[0].cfFormat, CF_TEXT);
  EXPECT_EQ(got[0].tymed, static_cast<DWORD>(TYMED_HGLOBAL));
  EXPECT_EQ(got[1].cfFormat, cells);
  EXPECT_EQ(got[1].tymed, static_cast<DWORD>(TYMED_HGLOBAL));
  EXPECT_EQ(got[2].cfFormat, CF_BITMAP);
  EXPECT_EQ(got[2].tymed, static_cast<DWORD>(TYMED_GDI));
  for (ULONG i = 0; i < fetched; ++i) {
    EXPECT_EQ(got[i].dwAspect, static_cast<DWORD>(DVASPECT_CONTENT));
    EXPECT_EQ(got[i].lindex, -1);
    EXPECT_EQ(got[i].ptd, nullptr);
  }
  EXPECT_EQ(e->Next(1, got, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 0u);

  EXPECT_EQ(e->Reset(), S_OK);
  EXPECT_EQ(e->Next(2, got, nullptr), E_POINTER) << "no count to say how many came";
  EXPECT_EQ(e->Next(1, got, nullptr), S_OK);
  EXPECT_EQ(got[0].cfFormat, CF_TEXT);
  EXPECT_EQ(e->Skip(5), S_FALSE);
  EXPECT_EQ(e->Skip(1), S_OK);

  IEnumFORMATETC* clone = nullptr;
  ASSERT_EQ(e->Clone(&clone), S_OK);
  EXPECT_EQ(clone->Next(3, got, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 1u);
  EXPECT_EQ(got[0].cfFormat, CF_BITMAP) << "the clone starts where the original stood";
  EXPECT_EQ(clone->Release(), 0u);
  EXPECT_EQ(e->Next(1, got, &fetched), S_OK);
  EXPECT_EQ(got[0].cfFormat, CF_BITMAP);
  EXPECT_EQ(e->Release(), 0u);

  size_t count = 0;
  std::unique_ptr<uint8_t[]> bytes(object.getData(cells, &count));
  ASSERT_TRUE(bytes);
  EXPECT_EQ(count, 4u) << "the bytes and a zero after them";
  EXPECT_EQ(std::memcmp(bytes.get(), "abc", 4), 0);
  HBITMAP copy = object.getBitmap();
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, bitmap.hbitmap());
  DeleteObject(copy);
}

TEST_F(DataObject, SetDataKeepsACopyAndTakesOverAReleasedMedium) {
  zDataObject object;
  const CLIPFORMAT cells = static_cast<CLIPFORMAT>(RegisterClipboardFormatA("PV cells"));
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
  std::memcpy(GlobalLock(block), "wxyz", 4);
  GlobalUnlock(block);
  FORMATETC f = format(cells, TYMED_HGLOBAL);
  STGMEDIUM medium = {};
  medium.tymed = TYMED_HGLOBAL;
  medium.hGlobal = block;
  EXPECT_EQ(object.dataObject()->SetData(&f, &medium, FALSE), S_OK);
  // Without release the caller keeps its block; the object has its own.
  EXPECT_EQ(GlobalSize(block), 4u);
  EXPECT_EQ(object.dataObject()->SetData(&f, &medium, TRUE), S_OK);
  EXPECT_EQ(object.imp()->entryCount(), 1u);
  size_t count = 0;
  std::unique_ptr<uint8_t[]> bytes(object.getData(cells, &count));
  ASSERT_TRUE(bytes);
  ASSERT_EQ(count, 4u);
  EXPECT_EQ(std::memcmp(bytes.get(), "wxyz", 4), 0);

  FORMATETC thumbnail = format(cells, TYMED_HGLOBAL, DVASPECT_THUMBNAIL);
  EXPECT_EQ(object.dataObject()->SetData(&thumbnail, &medium, FALSE), DV_E_FORMATETC);
  STGMEDIUM gdi = {};
  gdi.tymed = TYMED_GDI;
  EXPECT_EQ(object.dataObject()->SetData(&f, &gdi, FALSE), DV_E_TYMED);
}

TEST_F(DataObject, LastReleaseCallsTheCallbackOnce) {
  int calls = 0;
  zDataObjectImp* imp = new zDataObjectImp;
  imp->setReleaseCallback([](void* data) { ++*static_cast<int*>(data); }, &calls);
  EXPECT_EQ(imp->AddRef(), 2u);
  EXPECT_EQ(imp->Release(), 1u);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(imp->Release(), 0u);
  EXPECT_EQ(calls, 1);
}

TEST_F(DataObject, MetafileEntryOutlivesTheDisplayThatRecordedIt) {
  zDataObject object;
  {
    zMetafileDisplay recording(nullptr);
    EXPECT_EQ(object.putMetafile(recording), E_INVALIDARG) << "nothing recorded yet";
    recordQuarter(recording);
    ASSERT_EQ(object.putMetafile(recording), S_OK);
  }
  EXPECT_TRUE(object.hasMetafile());
  FORMATETC f = format(CF_METAFILEPICT, TYMED_MFPICT);
  STGMEDIUM medium = {};
  ASSERT_EQ(object.dataObject()->GetData(&f, &medium), S_OK);
  const METAFILEPICT* pict = static_cast<const METAFILEPICT*>(GlobalLock(medium.hMetaFilePict));
  ASSERT_NE(pict, nullptr);
  EXPECT_EQ(pict->mm, MM_ANISOTROPIC);
  EXPECT_EQ(pict->xExt, 100);
  EXPECT_EQ(pict->yExt, 100);
  EXPECT_NE(pict->hMF, nullptr);
  GlobalUnlock(medium.hMetaFilePict);
  ReleaseStgMedium(&medium);

  zMetafileDisplay pasted(nullptr);
  ASSERT_EQ(object.getMetafile(pasted), S_OK);
  ASSERT_NE(pasted.metafile(), nullptr);
  std::unique_ptr<zBitmapDisplay> target(newWhiteCanvas(40, 40));
  pasted.play(*target, 0, 0, 40, 40);
  target->mapMode(MM_TEXT);
  target->setOrigin(0, 0);
  target->viewportOrigin(0, 0);
  EXPECT_EQ(pixelAt(*target, 5, 5), RGB(255, 0, 0));
  EXPECT_EQ(pixelAt(*target, 30, 30), RGB(255, 255, 255));
}

}  // namespace

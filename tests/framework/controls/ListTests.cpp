// List and combo boxes: the horizontal extent, selected texts, bindings, the edit text.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ControlTestSupport.h"
#include "foundation/PointerLists.h"
#include "framework/controls/zListBox.h"
#include "framework/core/zResources.h"
#include "framework/layout/zSizer.h"
#include "test_resources.h"

namespace {

using Lists = FrameworkTest;

int32_t averageCharWidth(HWND control) {
  const HDC dc = GetDC(control);
  const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
  const HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
  TEXTMETRICA tm;
  GetTextMetricsA(dc, &tm);
  if (old) SelectObject(dc, old);
  ReleaseDC(control, dc);
  return tm.tmAveCharWidth;
}

int32_t extentOf(zListBoxBase* list) {
  return static_cast<int32_t>(SendMessageA(list->handle(), LB_GETHORIZONTALEXTENT, 0, 0));
}

TEST_F(Lists, TheHorizontalExtentFollowsTheWidestItem) {
  LoggingFrame frame;
  zListBoxUnsorted* list = new zListBoxUnsorted(&frame, at(0, 0, 120, 100), WS_BORDER | WS_HSCROLL, nullptr, 1);
  const int32_t ave = averageCharWidth(list->handle());
  const int32_t bar = GetSystemMetrics(SM_CXVSCROLL);
  list->add("12345");
  EXPECT_EQ(extentOf(list), 5 * ave + bar);
  list->add("1234567890");
  EXPECT_EQ(extentOf(list), 10 * ave + bar);
  list->insert("12", 0);
  EXPECT_EQ(extentOf(list), 10 * ave + bar);
  // Removing the widest shrinks to the widest left (plain widths).
  EXPECT_EQ(list->remove(2), 2);
  EXPECT_EQ(extentOf(list), 5 * ave);
  list->remove(0);
  list->remove(0);
  EXPECT_EQ(extentOf(list), 0);
  EXPECT_EQ(list->remove(0), LB_ERR);
  const char* const items[] = {"abc", "abcdefgh", "a", nullptr};
  EXPECT_EQ(list->addStrings(items), 0);
  EXPECT_EQ(list->count(), 3);
  EXPECT_EQ(extentOf(list), 8 * ave);
  list->resetContent();
  EXPECT_EQ(list->count(), 0);
  EXPECT_EQ(extentOf(list), 0);
  // Without WS_HSCROLL the extent is never set.
  zListBox* plain = new zListBox(&frame, at(130, 0, 120, 100), 0, nullptr, 2);
  plain->add("a rather long item of text");
  EXPECT_EQ(extentOf(plain), 0);
  EXPECT_EQ(plain->widestItem(), 0);
}

template <class Box>
std::string itemsOf(Box* box) {
  std::string out;
  for (int32_t i = 0; i < box->count(); ++i) out += std::string(box->itemText(i)) + ";";
  return out;
}

TEST_F(Lists, BulkFillsFromEveryKindOfStringContainer) {
  LoggingFrame frame;
  FLCString one("one"), two("two");
  FLTPtrSlist<FLCString> slist;
  slist.append(&one);
  slist.append(&two);
  FLTPtrDlist<FLCString> dlist;
  dlist.insert(&two);
  dlist.insert(&one);
  zSlist strings;
  strings.append(&two);
  strings.append(&one);
  zString text1("t1"), text2("t2");
  zSlist texts;
  texts.append(&text1);
  texts.append(&text2);
  zResStrBlock block(zResId(kFillBlock));
  block.nextString();  // a fill starts from the first string wherever the block stood
  const char* const array[] = {"a", "b", nullptr};
  struct Case {
    const char* what;
    std::function<int(zListBoxBase*)> list;
    std::function<int(zComboBoxBase*)> combo;
    const char* expected;
  };
  const Case cases[] = {
      {"array", [&](zListBoxBase* l) { return l->addStrings(array); },
       [&](zComboBoxBase* c) { return c->addStringArray(array); }, "a;b;"},
      {"foundation singly linked", [&](zListBoxBase* l) { return l->addStrings(slist); },
       [&](zComboBoxBase* c) { return c->addStrings(slist); }, "one;two;"},
      {"foundation doubly linked", [&](zListBoxBase* l) { return l->addStrings(dlist); },
       [&](zComboBoxBase* c) { return c->addStrings(dlist); }, "two;one;"},
      {"framework strings", [&](zListBoxBase* l) { return l->addStrings(strings); },
       [&](zComboBoxBase* c) { return c->addStrings(strings); }, "two;one;"},
      {"framework text objects", [&](zListBoxBase* l) { return l->addTextObjects(texts); },
       [&](zComboBoxBase* c) { return c->addTextObjects(texts); }, "t1;t2;"},
      {"resource block", [&](zListBoxBase* l) { return l->addStrings(block); },
       [&](zComboBoxBase* c) { return c->addStrings(block); }, "red;green;"},
  };
  zListBoxUnsorted* list = new zListBoxUnsorted(&frame, at(0, 0, 120, 100), WS_BORDER, nullptr, 1);
  zComboBoxBase* combo = new zComboBoxBase(&frame, at(130, 0, 120, 100), CBS_DROPDOWNLIST, nullptr, 2);
  combo->create();
  for (const Case& c : cases) {
    list->resetContent();
    combo->resetContent();
    EXPECT_EQ(c.list(list), 0) << c.what;
    EXPECT_EQ(c.combo(combo), 0) << c.what;
    EXPECT_EQ(itemsOf(list), c.expected) << c.what;
    EXPECT_EQ(itemsOf(combo), c.expected) << c.what;
  }
  EXPECT_STREQ(block.nextString(), "red") << "the block is left rewound";
  // Text objects serve wherever a string is taken.
  list->resetContent();
  list->addTextObjects(texts);
  EXPECT_EQ(list->selectString(zString("t2")), 1);
  EXPECT_EQ(list->add(zString("t3")), 2);
  frame.setTextString(zString("filled"));
  char caption[16] = "";
  GetWindowTextA(frame.handle(), caption, sizeof caption);
  EXPECT_STREQ(caption, "filled");
}

TEST_F(Lists, SelectedTextWithoutAnItemLeavesTheStringAlone) {
  LoggingFrame frame;
  zListBox* list = new zListBox(&frame, at(0, 0, 120, 100), 0, nullptr, 1);
  list->add("beta");
  list->add("alpha");  // sorted: alpha, beta
  FLCString text = "unchanged";
  EXPECT_EQ(list->selection(), -1);
  EXPECT_EQ(list->selectedText(&text), 0);
  EXPECT_STREQ(text, "unchanged");
  EXPECT_EQ(list->selectedText(&text, 7), 0);  // an index without item
  EXPECT_STREQ(text, "unchanged");
  EXPECT_EQ(list->selectedText(&text, 1), 1);
  EXPECT_STREQ(text, "beta");
  EXPECT_STREQ(list->itemText(0), "alpha");
  EXPECT_STREQ(list->itemText(5), "");
  list->setSelection(0);
  EXPECT_EQ(list->selectedText(&text), 1);
  EXPECT_STREQ(text, "alpha");
}

TEST_F(Lists, ListBindingAndValidation) {
  LoggingFrame frame;
  zListBox* list = new zListBox(&frame, at(0, 0, 120, 100), 0, nullptr, 1);
  const char* const items[] = {"one", "three", "two", nullptr};
  list->addStrings(items);
  EXPECT_EQ(list->validate(), 1);  // unbound
  EXPECT_EQ(list->storeData(), 0);
  int32_t index = 2;
  list->bindIndex(&index);
  EXPECT_EQ(list->loadData(), 1);
  EXPECT_EQ(list->selection(), 2);
  list->clearSelection();
  list->setSelection(-1);
  EXPECT_EQ(list->validate(), 0);
  list->bindIndex(&index, zBindEmptyValid);
  EXPECT_EQ(list->validate(), 1);
  FLCString name = "three";
  list->bindString(&name);
  EXPECT_EQ(list->loadData(), 1);
  EXPECT_EQ(list->selection(), 1);
  list->setSelection(0);
  EXPECT_EQ(list->storeData(), 1);
  EXPECT_STREQ(name, "one");
}

TEST_F(Lists, ComboEditTextAndStringBindingByKind) {
  LoggingFrame frame;
  zComboBoxFull* dropDown = new zComboBoxFull(&frame, at(0, 0, 150, 100), 0, nullptr, 1);
  zComboBoxStatic* dropList = new zComboBoxStatic(&frame, at(0, 30, 150, 100), 0, nullptr, 2);
  EXPECT_FALSE(frame.style() & WS_CLIPCHILDREN);  // the lists drop over siblings
  const char* const items[] = {"apple", "banana", "cherry", nullptr};
  dropDown->addStrings(items);
  dropList->addStrings(items);
  EXPECT_EQ(dropDown->count(), 3);
  // The edit text is cut to 199 characters.
  const std::string longText(250, 'x');
  SetWindowTextA(dropDown->handle(), longText.c_str());
  FLCString edit;
  dropDown->editText(&edit);
  EXPECT_EQ(edit.length(), 199u);
  // A drop-down combo box stores what is typed, a drop-down list the selected item.
  FLCString typed;
  dropDown->bindString(&typed);
  SetWindowTextA(dropDown->handle(), "durian");
  EXPECT_EQ(dropDown->storeData(), 1);
  EXPECT_STREQ(typed, "durian");
  FLCString chosen = "banana";
  dropList->bindString(&chosen);
  EXPECT_EQ(dropList->loadData(), 1);
  EXPECT_EQ(dropList->selection(), 1);
  dropList->setSelection(2);
  EXPECT_EQ(dropList->storeData(), 1);
  EXPECT_STREQ(chosen, "cherry");
  // Validation: a drop-down list needs a selection; the other kinds need text.
  dropList->setSelection(-1);
  EXPECT_EQ(dropList->validate(), 0);
  SetWindowTextA(dropDown->handle(), "");
  EXPECT_EQ(dropDown->validate(), 0);
  FLCString text = "kept";
  EXPECT_EQ(dropList->selectedText(&text), 0);
  EXPECT_STREQ(text, "kept");
  EXPECT_EQ(dropList->selectedText(&text, 0), 1);
  EXPECT_STREQ(text, "apple");
  zComboBox* unbound = new zComboBox(&frame, at(0, 60, 150, 100), 0, nullptr, 3);
  EXPECT_EQ(unbound->validate(), 1);
}

struct SelChanges {
  int count = 0;
  int changed(zEvent*) {
    ++count;
    return 1;
  }
};

TEST_F(Lists, SelectionChangeNotificationsReachTheirHandlers) {
  LoggingFrame frame;
  zListBox* list = new zListBox(&frame, at(0, 0, 120, 100), 0, nullptr, 1);
  SelChanges changes;
  const zEventHandler handler(&changes, &SelChanges::changed);
  list->setSelChangeNotify(handler);
  SendMessageA(frame.handle(), WM_COMMAND, MAKEWPARAM(1, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list->handle()));
  SendMessageA(frame.handle(), WM_COMMAND, MAKEWPARAM(1, LBN_DBLCLK), reinterpret_cast<LPARAM>(list->handle()));
  EXPECT_EQ(changes.count, 1);
  EXPECT_TRUE(list->removeSelChangeNotify(handler));
  SendMessageA(frame.handle(), WM_COMMAND, MAKEWPARAM(1, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list->handle()));
  EXPECT_EQ(changes.count, 1);
}

TEST_F(Lists, TemplateListsTakenOverWithBindings) {
  LoggingFrame frame;
  DialogHost dialog(&frame, kTakeoverDialog);
  ASSERT_TRUE(IsWindow(dialog.handle()));
  int32_t index = 1;
  zListBoxUnsorted* list = new zListBoxUnsorted(&dialog, kListId, &index);
  FLCString chosen = "two";
  zComboBoxStatic* combo = new zComboBoxStatic(&dialog, kComboId, &chosen, zBindEmptyValid);
  ASSERT_FALSE(list->isEmpty());
  ASSERT_FALSE(combo->isEmpty());
  const char* const items[] = {"one", "two", "three", nullptr};
  list->addStrings(items);
  combo->addStrings(items);
  EXPECT_EQ(list->loadData(), 1);
  EXPECT_EQ(list->selection(), 1);
  EXPECT_EQ(combo->loadData(), 1);
  EXPECT_EQ(combo->selection(), 1);
  list->setSelection(2);
  combo->setSelection(2);
  EXPECT_EQ(list->storeData(), 1);
  EXPECT_EQ(combo->storeData(), 1);
  EXPECT_EQ(index, 2);
  EXPECT_STREQ(chosen, "three");
  combo->setSelection(-1);
  EXPECT_EQ(combo->validate(), 1);  // an empty selection is allowed by the flags
}

}  // namespace

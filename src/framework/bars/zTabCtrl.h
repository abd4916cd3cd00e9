// A notebook tab strip that the framework draws itself (a pane control, not the system's
// tab control): an ordered list of captioned tabs with numeric ids, one of them selected,
// changed with the left mouse button or the Left and Right arrow keys, each change reported
// to the parent as control notification code 1. Folder tabs stand along the top edge; with
// tab style 0x04 sheet tabs hang from the bottom edge. The rest of the control is the page
// area framed with a 3-D edge; pages are ordinary child windows laid out inside it.
//
// The control owns the tabs in its list: it deletes them when it goes, and removeTab(id)
// deletes the tab it removes, while removeTab(tab) hands the tab back to the caller.
// Arrow keys with no selection select the first tab.
#pragma once

#include <cstdint>
#include <vector>

#include "foundation/FLCString.h"
#include "foundation/Geometry.h"
#include "framework/frames/zPane.h"

class zTabCtrl;
class zGravSizer;
class zResStrBlock;

constexpr uint32_t zTabSheets = 0x04;  // tab style: sheet tabs along the bottom
constexpr uint16_t zTabChanged = 1;    // notification code of a new selection

class zTab {
 public:
  zTab(zTabCtrl* owner, int32_t id, const FLCString& caption);
  zTab(zTabCtrl* owner, int32_t id);
  virtual ~zTab() = default;
  zTab(const zTab&) = delete;
  zTab& operator=(const zTab&) = delete;

  // Size from the caption ("Empty" is measured for an empty one).
  virtual void measure();
  virtual void drawShape(HDC dc);
  virtual void drawText(HDC dc);
  void draw();

  void setText(const char* text);
  void setText(const FLCString& text) { setText(static_cast<const char*>(text)); }
  int32_t id() const { return id_; }
  zRect rect() const {
    return zRect(position_.x(), position_.y(), position_.x() + size_.width(), position_.y() + size_.height());
  }
  int isSelected() const { return selected_; }
  void setSelected(int on) { selected_ = on ? 1 : 0; }
  void setDirty(int on = 1) { dirty_ = on ? 1 : 0; }
  int isDirty() const { return dirty_; }
  const FLCString& text() const { return text_; }
  const zPoint& position() const { return position_; }
  void setPosition(const zPoint& p) { position_ = p; }
  const zDimension& size() const { return size_; }
  zTabCtrl* owner() const { return owner_; }

 private:
  void drawFolder(HDC dc);
  void drawSheet(HDC dc);

  zPoint position_;
  zDimension size_;
  zTabCtrl* owner_;
  FLCString text_;
  int32_t id_;
  int32_t selected_;
  int32_t dirty_;
};

class zTabCtrl : public zPaneControl {
 public:
  zTabCtrl(zWindow* parent, zSizer* sizer, uint32_t style, const char* className, int32_t id);
  ~zTabCtrl() override;
  // The tab control that a dialog template made with the identifier; null when none.
  static zTabCtrl* fromDialog(zWindow* parent, int32_t id);

  LRESULT defProc(zEvent* event) override;
  int onSize(zEvent* event) override;
  int onMouseButtonDown(zEvent* event) override;
  int storeData() override;
  int loadData() override;
  int draw(zEvent* event) override;
  void displayChanged() override;
  // After a change of selection; old id -1 for the first selection.
  virtual void tabSelected(int32_t newId, int32_t oldId);
  // Before a change of selection (old id 0 when there was none); 0 vetoes it.
  virtual int canChangeTab(int32_t newId, int32_t oldId);

  void addTabs(const char* const* captions, const int32_t* ids, uint32_t count);
  // Strings "id caption"; strings without a blank are skipped.
  void addTabs(zResStrBlock& block);
  // The control takes the tab and places it after the last one.
  void appendTab(zTab* tab);
  void removeTab(int32_t id);
  // Takes the tab out of the list; the caller owns it again.
  void removeTab(zTab* tab);
  void setTabText(int32_t id, const char* text);
  void setTabText(int32_t id, const FLCString& text) { setTabText(id, static_cast<const char*>(text)); }
  void selectTab(int32_t id);
  void selectTab(zTab* tab);
  void setMargins(int32_t left, int32_t top, int32_t right, int32_t bottom);
  void bindId(int32_t* variable);
  void bindTab(zTab** variable);
  template <class T, class C>
  void onTabChange(T* object, int (C::*member)(zEvent*)) {
    addCtrlNotify(zEventHandler(object, member), zTabChanged);
  }
  template <class T, class C>
  void removeTabChange(T* object, int (C::*member)(zEvent*)) {
    removeCtrlNotify(zEventHandler(object, member), zTabChanged);
  }
  int tabsFit() const;
  zTab* lastVisibleTab() const;

  zTab* currentTab() const { return current_; }
  int32_t tabCount() const { return static_cast<int32_t>(tabs_.size()); }
  zTab* tabAt(int32_t index) const { return index >= 0 && index < tabCount() ? tabs_[index] : nullptr; }
  zTab* findTab(int32_t id) const;
  const zRect& stripRect() const { return strip_; }
  uint32_t tabStyle() const { return tabStyle_; }
  bool sheets() const { return (tabStyle_ & zTabSheets) != 0; }
  int32_t slant() const { return slant_; }
  void setSlant(int32_t n) { slant_ = n; }
  // The page area: the client area less the strip.
  zRect pageRect() const;

 private:
  void layoutStrip();
  void layoutTabs();
  void placeAfterLast(zTab* tab);
  int onKeyDown(zEvent* event);
  int indexOf(const zTab* tab) const;
  void drawFolderStrip(HDC dc, const zRect& update, const zRect& client);
  void drawSheetStrip(HDC dc, const zRect& update, const zRect& client);
  void drawTabs(const zRect& update, bool backward);

  zGravSizer* margins_[4];
  zGravSizer* stripSizer_;
  std::vector<zTab*> tabs_;
  zTab* current_;
  zRect strip_;
  uint32_t tabStyle_;
  int32_t slant_;
  int32_t leftInset_;
  void* bound_;
  int32_t bindMode_;
};

zWindow* zCreateTabCtrl(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id);

// A drawn tree view: a pane control showing a hierarchy of zTreeItem rows (one row per
// visible item), with optional images from an image strip, expand buttons, one selected
// item, keyboard navigation, scroll bars and notifications to its owner. Each
// event passes first through the virtual notify (nonzero stops the control's own action);
// selections and double clicks also reach the parent as WM_COMMAND codes 0 and 5.
//
// Items belong to the control once inserted; deleting an item deletes its children and
// takes it out of the tree. A
// selection inside a removed or deleted subtree is cleared, so the control never holds a
// freed item. Hit tests and the preferred width take each row's level and button column
// into account, so nested expand buttons are hit where they are drawn.
#pragma once

#include <cstdint>
#include <vector>

#include "foundation/FLCString.h"
#include "foundation/Geometry.h"
#include "framework/bars/zPaneCtrlArith.h"
#include "framework/frames/zPane.h"

class zImageStrip;
class zTreeCtrl;

// Events of zTreeCtrl::notify.
enum zTreeEvent : int32_t {
  zTreeSelected = 0,  // also with a null item when the selection is cleared
  zTreeUnselected = 1,
  zTreeButtonClick = 2,
  zTreeImageClick = 3,
  zTreeTextClick = 4,  // also a keyboard move
  zTreeDoubleClick = 5,
  zTreeExpand = 6,  // nonzero vetoes every expansion
  zTreeCollapse = 7,
  zTreeKeyToggle = 8,
  zTreeDeleting = 10,
};

// Insertion modes relative to an item.
enum zTreeInsert : int32_t { zTreeBefore = 0, zTreeAfter = 1, zTreeFirstChild = 2, zTreeLastChild = 3 };

// Style bits (low byte of the window style).
constexpr uint32_t zTreeReserveColumns = 0x01;
constexpr uint32_t zTreeSecondImageSelected = 0x02;
constexpr uint32_t zTreeSingleClickActivates = 0x04;

class zTreeItem {
 public:
  zTreeItem();
  explicit zTreeItem(const char* text, int32_t data = 0, int32_t image = -1, int32_t secondImage = -1);
  virtual ~zTreeItem();
  zTreeItem(const zTreeItem&) = delete;
  zTreeItem& operator=(const zTreeItem&) = delete;

  virtual void draw(zTreeCtrl* control, HDC dc, int32_t x, int32_t y);

  int expanded() const { return expanded_; }
  int selected() const { return selected_; }
  const FLCString& text() const { return text_; }
  void setText(const char* text);
  void setText(const FLCString& text) { setText(static_cast<const char*>(text)); }
  void setImages(int32_t image, int32_t secondImage);
  int32_t image() const { return image_; }
  int32_t secondImage() const { return second_; }
  int32_t data() const { return data_; }
  void setData(int32_t data) { data_ = data; }
  int32_t level() const { return level_; }
  zTreeItem* parent() const { return parent_; }
  zTreeCtrl* control() const { return control_; }
  const std::vector<zTreeItem*>& children() const { return children_; }
  bool hasChildren() const { return !children_.empty(); }
  // What x (contents coordinates) hits on this item's row.
  zTreeHit hitTest(int32_t x, const zTreeCtrl* control) const;
  bool isInside(const zTreeItem* ancestor) const;

 private:
  friend class zTreeCtrl;
  void setLevels(int32_t level);
  void setControl(zTreeCtrl* control);

  std::vector<zTreeItem*> children_;
  FLCString text_;
  int32_t level_;
  int32_t expanded_;
  int32_t selected_;
  int32_t second_;
  int32_t image_;
  int32_t data_;
  zTreeItem* parent_;
  zTreeCtrl* control_;
};

class zTreeCtrl : public zPaneControl {
 public:
  zTreeCtrl(zWindow* parent, zSizer* sizer, uint32_t style, int32_t id);
  ~zTreeCtrl() override;
  // The tree control that a dialog template made with the identifier; null when none.
  static zTreeCtrl* fromDialog(zWindow* parent, int32_t id);
  using zPaneControl::setFont;

  zTreeItem* insertItem(zTreeItem* relative, zTreeItem* item, int32_t mode);
  // position 1-based among the parent's children (null: the roots); past the end: last.
  zTreeItem* insertItemAt(zTreeItem* parent, zTreeItem* item, int32_t position);
  // Unlinks the item (the caller owns it again).
  void removeItem(zTreeItem* item);
  void deleteChildren(zTreeItem* item);
  void clear();

  zTreeItem* findItem(int32_t position, bool depthFirst, zTreeItem* parent = nullptr) const;
  zTreeItem* findText(const char* text, bool depthFirst, zTreeItem* parent = nullptr) const;
  void select(zTreeItem* item);
  zTreeItem* selection() const { return selection_; }
  void expand(zTreeItem* item);
  void collapse(zTreeItem* item);
  void toggle(zTreeItem* item);
  // 2 after scrolling, 1 when already visible, 0 when the item is in no visible row.
  int ensureVisible(zTreeItem* item);
  zTreeItem* itemAtRow(int32_t row) const;
  int32_t rowOf(const zTreeItem* item) const;
  int32_t visibleCount() const;
  int32_t count() const;
  void sortChildren(zTreeItem* parent, bool recursive);
  void setIndent(int32_t pixels);
  int32_t indent() const { return indent_; }
  void setButtons(int on);
  int buttons() const { return buttons_; }
  // Takes the strip; the previous one goes back to the caller.
  zImageStrip* setImages(zImageStrip* strip);
  zImageStrip* images() const { return strip_; }
  int32_t rowHeight() const { return rowHeight_; }
  int32_t topRow() const { return topRow_; }
  // Pixels of the rows scrolled out of view to the left.
  int32_t leftOffset() const { return left_; }
  uint32_t treeStyle() const { return treeStyle_; }
  void bind(zTreeItem** variable) { bound_ = variable; }
  // Handlers of WM_COMMAND codes 0 (selection) and 5 (double click) on the parent.
  template <class T, class C>
  void addSelectHandler(T* object, int (C::*member)(zEvent*)) {
    addCtrlNotify(zEventHandler(object, member), zTreeSelected);
  }
  template <class T, class C>
  void addActivateHandler(T* object, int (C::*member)(zEvent*)) {
    addCtrlNotify(zEventHandler(object, member), zTreeDoubleClick);
  }
  template <class T, class C>
  void removeSelectHandler(T* object, int (C::*member)(zEvent*)) {
    removeCtrlNotify(zEventHandler(object, member), zTreeSelected);
  }
  template <class T, class C>
  void removeActivateHandler(T* object, int (C::*member)(zEvent*)) {
    removeCtrlNotify(zEventHandler(object, member), zTreeDoubleClick);
  }

  // Before the control acts on an event; nonzero stops the control's own action.
  virtual int notify(zTreeItem* item, int32_t event);

  int onMouseButtonDown(zEvent* event) override;
  int onFocus(zEvent* event) override;
  int onScroll(zEvent* event) override;
  int preferredSize(zDimension* size) override;
  int storeData() override;
  int loadData() override;
  int draw(zEvent* event) override;
  void displayChanged() override;
  void setFont(const zRCFont& font, int redraw = 0) override;

  // Called by items whose text changed.
  void itemChanged(zTreeItem* item);
  void itemDeleted(zTreeItem* item);
  zTreeRowShape rowShape(const zTreeItem* item) const;

 private:
  void act(zTreeItem* item, int32_t event);
  void doToggle(zTreeItem* item);
  void invalidateRow(zTreeItem* item);
  void invalidateFrom(zTreeItem* item);
  void updateScrollBar();
  void scrollTo(int32_t top);
  void scrollAcross(int32_t left);
  int32_t visibleRows() const;
  int onKeyDown(zEvent* event);
  void visible(std::vector<zTreeItem*>& out) const;
  std::vector<zTreeItem*>& listOf(zTreeItem* parent) { return parent ? parent->children_ : roots_; }
  const std::vector<zTreeItem*>& listOf(zTreeItem* parent) const { return parent ? parent->children_ : roots_; }

  uint32_t lastClick_;
  int32_t widest_;
  std::vector<zTreeItem*> roots_;
  zImageStrip* strip_;
  zTreeItem* selection_;
  zTreeItem** bound_;
  int32_t rowHeight_;
  int32_t indent_;
  int32_t buttons_;
  int32_t painted_;
  uint32_t treeStyle_;
  int32_t focused_;
  int32_t topRow_;
  int32_t left_;
  bool indentFromFont_;
};

zWindow* zCreateTreeCtrl(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id);

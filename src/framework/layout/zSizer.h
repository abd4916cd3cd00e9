// The layout rectangle of a window, and the layout engine that places child rectangles in
// it. Every framework window owns one zSizer: where the window sits in its parent's client
// area, how a parent layout docks it (its gravity), and the child sizers that its layout
// arranges in the window's client area. Sizers without a window are pure layout boxes.
//
// The engine is window-free: a sizer reaches the window it drives only through the small
// zSizerWindow interface, which the framework's zWindow implements, so the arithmetic is
// built and tested natively as well. Nothing here reports errors: null children are
// ignored, a window that is not live is neither measured nor moved.
#pragma once

#include <cstdint>

#include "foundation/Geometry.h"
#include "foundation/PointerLists.h"

class zSizer;

// What a sizer needs of the window whose geometry it drives.
class zSizerWindow {
 public:
  virtual ~zSizerWindow() = default;
  // Whether the native window exists.
  virtual bool sizerWindowLive() const = 0;
  virtual zDimension sizerClientSize() const = 0;
  // Move the window to the rectangle (parent client coordinates).
  virtual void sizerMoveSize(int32_t x, int32_t y, int32_t width, int32_t height) = 0;
  // A combo box's height is its drop-down height and never stretches.
  virtual bool sizerIsComboBox() const { return false; }
  // The sizer of the window's parent window, for a sizer that has no parent sizer.
  virtual zSizer* sizerOfParentWindow() const { return nullptr; }
  // The window's sizer was replaced: a window that owns from now owns to.
  virtual void sizerReplaced(zSizer* from, zSizer* to) {
    (void)from;
    (void)to;
  }
};

// Gravity: how a parent's normal layout docks a child.
enum zGravity : int32_t {
  gravLeft = 0,
  gravRight = 1,
  gravTop = 2,
  gravBottom = 3,
  gravCenter = 4,
  gravClient = 5,
  gravNone = 6,
};

// An unset coordinate or extent; CreateWindowEx takes it as CW_USEDEFAULT.
constexpr int32_t sizerUnset = INT32_MIN;

// Kind numbers answered by zSizer::asKind.
enum zSizerKind : int32_t {
  zKindSizer = 1,
  zKindLeaf = 2,
  zKindFiller = 3,
  zKindFixed = 4,
  zKindGrav = 5,
  zKindPercent = 6,
  zKindGrowToFit = 7,
  zKindLayoutSizer = 8,
  zKindSizeWithParent = 9,
  zKindExpand = 10,
  zKindSlot = 100,
  zKindSlotCombo = 101,
};

// What a sizer reports to its parent's layout.
struct zSizeInfo {
  zSizeInfo() { reset(); }
  void reset();
  void setAll(const zDimension& size) { minSize = prefSize = maxSize = size; }
  // Each coordinate of each size becomes the larger of its own and the other's.
  void growTo(const zSizeInfo& other);
  // Origin, the three sizes and the gravity.
  void assign(const zSizeInfo& other);

  zPoint origin;
  zDimension minSize;
  zDimension prefSize;
  zDimension maxSize;
  int32_t gravity;
  int32_t spare;
  zSizer* owner;
};

// The child sizers of a sizer, in the order layouts visit them; the list owns no sizer.
class zSizerDlist : public zPlist {
 public:
  zSizerDlist() = default;
  ~zSizerDlist() override;
  void append(zSizer* sizer) { zPlist::append(sizer); }
  void prepend(zSizer* sizer) { zPlist::prepend(sizer); }
};

class zSizerDlistIter : public zPListIter {
 public:
  explicit zSizerDlistIter(zSizerDlist* list) : zPListIter(list) {}
  zSizer* next() { return static_cast<zSizer*>(zPListIter::next()); }
};

// Places the children of a sizer inside a rectangle and measures them.
class zLayout {
 public:
  virtual ~zLayout() = default;
  // Place the children inside the rectangle; a layout may write the area it used back
  // into the rectangle.
  virtual void arrange(zRect& rect, zSizerDlist* children, int32_t count) = 0;
  // Fill the owning sizer's record (already reset) from the children.
  virtual void measure(zSizeInfo& info, zSizerDlist* children, int32_t count) = 0;
};

// Docks children against the edges of the free area by their gravity. One instance is
// shared by every sizer that has no layout of its own.
class zNormalLayout : public zLayout {
 public:
  void arrange(zRect& rect, zSizerDlist* children, int32_t count) override;
  void measure(zSizeInfo& info, zSizerDlist* children, int32_t count) override;
  static zNormalLayout* shared();
};

class zSizer {
 public:
  static constexpr int32_t unset = sizerUnset;

  // Origin and extent unset.
  explicit zSizer(zSizer* parent = nullptr);
  zSizer(const zPoint& origin, const zDimension& extent, zSizer* parent);
  zSizer(int32_t x, int32_t y, int32_t cx, int32_t cy, zSizer* parent);
  zSizer(const zRect& rect, zSizer* parent);
  zSizer(const zSizer&) = delete;
  zSizer& operator=(const zSizer&) = delete;
  // Children are left alive without a parent; the sizer leaves its own parent.
  virtual ~zSizer();

  // ---- virtual operations
  // The parent window was sized; packedSize holds its client width in the low and its
  // height in the high 16 bits.
  virtual void parentSized(zSizerWindow* window, uint32_t packedSize);
  // Recompute and re-place without moving the sizer's own window.
  virtual void update(const zRect* rect = nullptr);
  virtual void querySize(zSizeInfo& info);
  // Take the rectangle, arrange the children in it, move the window unless noMove.
  virtual void place(const zRect& rect, int noMove);
  virtual zSizer* asKind(int32_t kind);

  // ---- plain operations
  void addChild(zSizer* child);
  void addChildFirst(zSizer* child);
  void removeChild(zSizer* child);
  void detach();
  void setOrigin(const zPoint& origin) { origin_ = origin; }
  zDimension setExtent(const zDimension& extent) {
    extent_ = extent;
    return extent_;
  }
  zPoint origin() const { return origin_; }
  zDimension extent() const { return extent_; }
  zSizer* parent() const { return parent_; }
  void setParent(zSizer* parent) { parent_ = parent; }
  zRect rect() const;
  void setWindow(zSizerWindow* window);
  void setWindowFlag(uint32_t flag) { hasWindow_ = flag; }
  zSizerWindow* window() const { return window_; }
  uint32_t hasWindow() const { return hasWindow_; }
  int32_t width() const { return extent_.width(); }
  int32_t height() const { return extent_.height(); }
  int32_t gravity() const { return gravity_; }
  void setGravity(int32_t gravity) { gravity_ = gravity; }
  zSizerDlist* children() const { return children_; }
  uint32_t childCount() const { return childCount_; }
  zLayout* layout() const { return layout_; }
  void setLayout(zLayout* layout) { layout_ = layout; }
  zLayout* replaceLayout(zLayout* layout);
  // Puts the other sizer in this one's place (parent, children, window) and deletes this
  // sizer.
  void replaceWith(zSizer* other);

 protected:
  // The own layout, or the shared normal layout.
  zLayout* effectiveLayout() const;
  bool windowLive() const { return hasWindow_ && window_ && window_->sizerWindowLive(); }

  zPoint origin_;
  zDimension extent_;
  zSizer* parent_;
  int32_t gravity_;
  zLayout* layout_;
  zSizerDlist* children_;
  zSizerWindow* window_;
  uint32_t hasWindow_;
  uint32_t childCount_;
};

// Makes its window cover the parent's client area.
class zSizeWithParent : public zSizer {
 public:
  zSizeWithParent();
  void parentSized(zSizerWindow* window, uint32_t packedSize) override;
  void querySize(zSizeInfo& info) override;
  zSizer* asKind(int32_t kind) override;
};

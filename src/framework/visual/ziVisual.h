// Visuals: light-weight, window-less elements that take a rectangle of a host window and
// draw themselves on the host's display (a caption, a frame, a button face). They form a
// tree: a compound holds child visuals, draws them in order and routes mouse and character
// events down to them; the root is a shell compound owned by the host window. Nothing here
// positions anything: each visual's rectangle is read from its own sizer at every use.
// Nothing reports errors: an empty tree draws nothing and answers 0 to every event.
#pragma once

#include <cstdint>

#include "foundation/Geometry.h"
#include "foundation/PointerLists.h"
#include "framework/core/zEvH.h"

class zDisplay;
class zSizer;
class zWindow;
class ziAspect;
class ziCompound;

// Visual pointers; removing an item never deletes the visual.
class ziVisualDList : public zDblList {};
using ziVisualDListIter = zDListIter;
// The aspects of one visual in the order of attachment; the aspects are shared, not owned.
class ziAspectDList : public zDblList {};
using ziAspectDListIter = zDListIter;

class ziVisual : public zEvH {
 public:
  // Interactive: the visual, or one below it, takes mouse and key events.
  static constexpr uint32_t interactiveBit = 1;

  // Does not enter the visual into the parent's children: the creator calls addChild.
  ziVisual(ziCompound* parent, zSizer* sizer);
  ziVisual(const ziVisual&) = delete;
  ziVisual& operator=(const ziVisual&) = delete;
  // Deletes the sizer and the aspect list, leaves the parent's child and interactive lists.
  ~ziVisual() override;

  virtual int intersects(const zRect& r);
  virtual int contains(const zPoint& p);
  virtual int needsDraw(const zRect& r) { return intersects(r); }
  virtual int acceptsMouse(const zPoint& p) { return contains(p); }
  virtual int onMouseUp(zEvent*) { return 0; }
  virtual int onMouseDown(zEvent*) { return 0; }
  virtual int onMouseMove(zEvent*) { return 0; }
  virtual int onChar(zEvent*) { return 0; }
  virtual void applyAspects();
  // A null clip draws the whole visual.
  virtual void draw(const zRect* clip);
  virtual void sizeChanged() {}
  virtual void setVisible(int visible) { visible_ = visible; }

  zSizer* sizer() const { return sizer_; }
  zSizer* setSizer(zSizer* sizer) { return sizer_ = sizer; }
  ziCompound* parent() const { return parent_; }
  void setParent(ziCompound* parent) { parent_ = parent; }
  int isVisible() const { return visible_; }
  uint32_t flags() const { return flags_; }
  // The rectangle from the sizer: origin, and origin plus extent; empty without a sizer.
  zRect rect() const;
  // The display found through the parent's display reference (the shell's own for a root).
  virtual zDisplay* display() const;
  zWindow* hostWindow() const;
  void captureMouse();
  void releaseMouse();
  void setFlags(uint32_t bits);
  void clearFlags(uint32_t bits);
  // Attaches the shared instance of an aspect equal to a (a itself stays the caller's).
  void addAspect(ziAspect* a);
  // Replaces the aspect of a's kind with a, which the visual's list then holds; without
  // one of that kind a is appended. An aspect handed in and not kept is deleted.
  void setAspect(ziAspect* a);
  ziAspectDList* aspects() const { return aspects_; }

 protected:
  zSizer* sizer_;
  ziCompound* parent_;
  ziAspectDList* aspects_;
  int32_t visible_;
  uint32_t flags_;
};

class ziCompound : public ziVisual {
 public:
  // With a parent: its host window and display reference.
  ziCompound(ziCompound* parent, zSizer* sizer);
  // Deletes the children (each first loses its parent, so none calls back in).
  ~ziCompound() override;

  int intersects(const zRect& r) override;
  int contains(const zPoint& p) override;
  int onMouseUp(zEvent* e) override;
  int onMouseDown(zEvent* e) override;
  int onMouseMove(zEvent* e) override;
  int onChar(zEvent* e) override;
  void draw(const zRect* clip) override;
  void sizeChanged() override;
  void setVisible(int visible) override;
  zDisplay* display() const override;

  ziVisual* addChild(ziVisual* child);
  ziVisual* insertChild(ziVisual* child);
  ziVisual* lastChild() const;
  void removeChild(ziVisual* child);
  ziVisualDList* children() const { return children_; }
  zWindow* host() const;
  void childFlagged(ziVisual* child, uint32_t bits);
  int childUnflagged(ziVisual* child);
  uint32_t interactiveCount() const { return interactiveCount_; }
  ziVisual* mouseTarget() const { return mouseTarget_; }
  void setMouseTarget(ziVisual* target) { mouseTarget_ = target; }
  void setClaimsAll(int claims) { claimsAll_ = claims; }

 protected:
  ziVisualDList* children_;
  ziVisualDList interactive_;
  uint32_t interactiveCount_;
  int32_t claimsAll_;
  ziVisual* mouseTarget_;
  zDisplay** displayRef_;
  zWindow* host_;
};

// The root of a host window's tree: no parent; the host's sizer, borrowed (the host sets
// it to null before deleting the shell); the display reference given by the host.
class ziShellCompound : public ziCompound {
 public:
  ziShellCompound(zWindow* host, zDisplay** displayRef);
  ~ziShellCompound() override;
};

// The face of a drawn control: a control visual (frame, bevel or button face) and a text
// visual (the caption), both owned and deleted with the compound.
class ziControlCompound : public ziCompound {
 public:
  ziControlCompound(ziCompound* parent, zSizer* sizer);
  ~ziControlCompound() override;
  virtual ziVisual* textVisual() const { return text_; }
  ziVisual* controlVisual() const { return control_; }
  void setControlVisual(ziVisual* v) { control_ = v; }
  void setTextVisual(ziVisual* v) { text_ = v; }

 private:
  ziVisual* control_;
  ziVisual* text_;
};

// The status line: a strip docked along the bottom of a frame (or of a band inside one),
// without child windows, whose fields are status items, visuals with a sunken one-pixel
// frame that draw their own text. Items dock against the left or right end in the order of
// creation with a 4-pixel gap after each; one may fill what is left. The line also shows
// help for the menu command under the highlight: it hooks WM_MENUSELECT of its frame's menu
// and writes the help text across the whole line (line mode, the items hidden) or into one
// text item (item mode), putting the item's own text back when the menu closes. Help comes
// from a message table, else from the string table at command id + a base number.
//
// Nothing reports errors: a frame without a menu leaves the help unhooked; item-mode help
// with no item (an unknown id) shows nothing. The line never deletes a font it was given.
#pragma once

#include <cstdint>
#include <functional>

#include "foundation/FLCString.h"
#include "foundation/PointerLists.h"
#include "framework/bars/zStatusMessageTable.h"
#include "framework/draw/zRCFont.h"
#include "framework/visual/ziVisualPane.h"

class zGravSizer;
class zStatusItem;
class zStatusItemText;
class zStatusLine;
class ziVisPanelInternal;
class zResStrBlock;
class zFont;
class zMenu;

// Four gravity sizers kept as inner borders of a sizer (top and bottom hold a height, left
// and right a width); owned and deleted with the manager.
class ziBorderManager {
 public:
  explicit ziBorderManager(zSizer* owner);
  ziBorderManager(zSizer* owner, int32_t top, int32_t right, int32_t bottom, int32_t left);
  ziBorderManager(const ziBorderManager&) = delete;
  ziBorderManager& operator=(const ziBorderManager&) = delete;
  ~ziBorderManager();
  void setTop(int32_t h);
  void setBottom(int32_t h);
  void setLeft(int32_t w);
  void setRight(int32_t w);
  int32_t top() const;
  int32_t bottom() const;
  int32_t left() const;
  int32_t right() const;
  zPoint origin() const { return zPoint(left(), top()); }
  void setHorizontal(int32_t w) {
    setRight(w);
    setLeft(w);
  }
  void setVertical(int32_t h) {
    setTop(h);
    setBottom(h);
  }
  void set(const zPoint& p) {
    setHorizontal(p.x());
    setVertical(p.y());
  }
  // Lays the owner's children out again.
  void relayout();

 private:
  zGravSizer* top_;
  zGravSizer* bottom_;
  zGravSizer* left_;
  zGravSizer* right_;
  zSizer* owner_;
};

// The items of a line in creation order; the list does not own them.
class zStatusItemDList : public zPlist {
 public:
  void append(zStatusItem* item) { zPlist::append(item); }
};
class zStatusItemDListIter : public zPListIter {
 public:
  explicit zStatusItemDListIter(zStatusItemDList* list) : zPListIter(list) {}
  zStatusItem* next() { return static_cast<zStatusItem*>(zPListIter::next()); }
};

// Class-type bits of the status items (zEvH::setTypeBit).
constexpr unsigned zTypeStatusItem = 74;
constexpr unsigned zTypeStatusItemText = 75;

// Style bits of an item.
constexpr uint32_t zStatusRight = 0x2;      // right-aligned text
constexpr uint32_t zStatusCentered = 0x4;   // centred text (wins over right)
constexpr uint32_t zStatusClipped = 0x400;  // the text is clipped to the item
constexpr uint32_t zStatusNoGap = 0x800;    // the gap is added later (addGap)

class zStatusLine : public ziVisualPane {
 public:
  // Which window's menu the line hooks: its parent, or its parent's parent (a line that
  // lives in a band or pane of the frame).
  enum FrameIs : int32_t { frameIsParent = 0, frameIsGrandparent = 1 };
  enum HelpMode : int32_t { helpNone = 0, helpLine = 1, helpItemMode = 2 };

  // The sizer is the caller's (for the main window a zGravSizer of gravBottom, extent 0);
  // an empty font means "Helv" of 10 points.
  zStatusLine(zWindow* parent, zSizer* sizer, uint32_t flags, uint32_t paneStyle, const zRCFont& font,
              FrameIs frame = frameIsParent);
  // A null font means the default; the font stays the caller's.
  zStatusLine(zWindow* parent, zSizer* sizer, uint32_t flags, uint32_t paneStyle, zFont* font,
              FrameIs frame = frameIsParent);
  ~zStatusLine() override;

  LRESULT defProc(zEvent* event) override;
  int draw(zEvent* event = nullptr) override;
  // Hooks the frame's menu when help is set up but the frame had no menu until now.
  void show(int cmd) override;
  // The same for a program that gave its frame another menu.
  void rehook();
  // The WM_MENUSELECT handler hooked on the frame's menu; answers 0.
  virtual int showHelp(zEvent* event);

  zRCFont lineFont() const { return font_; }
  void setFont(const zRCFont& font, int redraw = 0) override;
  // The object stays the caller's: the line never deletes it.
  void setFont(zFont* font, int redraw = 0) override;
  zFont* lineFontObject() const { return fontObject_; }
  // Bottom margin m.cy, top m.cy + 2, left and right m.cx; the height follows.
  void setMargins(const zDimension& m);
  zPoint borderOrigin() const;
  zRect innerRect() const;
  int32_t lineHeight() const { return height_; }
  int32_t textHeight() const { return textHeight_; }
  ziBorderManager* borders() const { return borders_; }

  void addItem(zStatusItem* item) { items_.append(item); }
  void removeItem(zStatusItem* item) { items_.remove(item); }
  zStatusItem* findItem(int32_t id);
  zStatusItem* detachItem(int32_t id);
  void deleteItem(int32_t id);
  void setItemText(int32_t id, const char* text);
  zStatusItemDList& items() { return items_; }

  void helpInLine();
  void helpInLine(const zResId& base);
  void helpInLine(const zStatusMessage* table);
  void helpInLine(zResStrBlock* block);
  void helpInItem(int32_t id);
  void helpInItem(zStatusItemText* item);
  void setMessageTable(int32_t id, const zStatusMessage* table);
  zStatusItemText* setMessageBlock(int32_t id, zResStrBlock* block);
  zStatusItemText* setHelpResource(int32_t id, const zResId& base);
  void helpOff();

  int32_t helpMode() const { return helpMode_; }
  zStatusItemText* helpItem() const { return helpItem_; }
  int isHooked() const { return hooked_; }
  int menuHelpActive() const { return menuHelpActive_; }
  int lineHelpShown() const { return lineHelpShown_; }
  const FLCString& lineHelpText() const { return lineHelpText_; }
  const zStatusMessageTable& messageTable() const { return table_; }
  uint32_t styleFlags() const { return styleFlags_; }
  ziControlCompound* panelCompound() const { return panelCompound_; }
  COLORREF background() const { return GetSysColor(COLOR_BTNFACE); }
  // The window whose menu is hooked (parent or grandparent); null when there is none.
  zWindow* frame() const;

  // Item-mode help writes through this: the item's own text is not saved meanwhile.
  void showItemHelp(const char* text);
  // Keeps the text an item gets while it shows help, to put back when the menu closes.
  void setSavedItemText(const char* text) { savedItemText_ = text ? text : ""; }
  // An item being deleted leaves the list and stops being the help item.
  void itemGone(zStatusItem* item);

 private:
  void construct(uint32_t flags, const zRCFont& font);
  void computeHeight();
  void hook();
  void unhook();
  void showText(const char* text);
  void invalidateHelpArea();
  zRect helpArea() const;

  int32_t frameIsGrandparent_;
  int32_t hooked_;
  zMenu* hookedMenu_;  // the frame's menu the handler is registered on, or null
  uint32_t styleFlags_;
  zStatusMessageTable table_;
  FLCString lineHelpText_;
  FLCString savedItemText_;
  int32_t lineHelpShown_;
  int32_t menuHelpActive_;
  uint32_t helpBase_;
  HMODULE helpModule_;
  zStatusItemText* helpItem_;
  int32_t helpMode_;
  zRCFont font_;
  zFont* fontObject_;
  ziBorderManager* borders_;
  zStatusItemDList items_;
  int32_t topMargin_, bottomMargin_, rightMargin_, leftMargin_;
  int32_t bevel_;
  int32_t height_;
  int32_t textHeight_;
  ziControlCompound* panelCompound_;
};

// A field of the status line: a visual in the line's tree with a sunken panel for its frame.
class zStatusItem : public ziVisual {
 public:
  // Adds itself to the line's tree and item list; unless style has zStatusNoGap, adds the
  // gap after its sizer.
  zStatusItem(zStatusLine* line, zSizer* sizer, int32_t id, uint32_t style);
  ~zStatusItem() override;
  void draw(const zRect* clip) override;
  virtual void eraseText();
  // A new 4-pixel gap of the item's own gravity (left or right) after every sizer so far.
  void addGap();
  zRect innerRect() const;
  int32_t id() const { return id_; }
  uint32_t style() const { return style_; }
  const FLCString& text() const { return text_; }
  zRect textRect() const { return textRect_; }
  zStatusLine* statusLine() const { return line_; }
  ziVisPanelInternal* panel() const { return panel_; }

 protected:
  void drawFrame();
  // Runs content, clipped to the inner rectangle where the item's style asks for it. Called
  // while drawing, with the display locked.
  void drawClipped(const std::function<void()>& content);
  // Draws a string with the line's font and colours; gives its extent.
  zDimension measure(const char* text);

  ziVisPanelInternal* panel_;
  uint32_t style_;
  int32_t id_;
  zRect textRect_;
  zGravSizer* gapSizer_;
  FLCString text_;
  zStatusLine* line_;
};

class zStatusItemText : public zStatusItem {
 public:
  zStatusItemText(zStatusLine* line, zSizer* sizer, int32_t id, uint32_t style);
  // Width from the sample text (0 with gravClient); the caller adds the gap.
  zStatusItemText(zStatusLine* line, int32_t gravity, const char* sampleText, int32_t id, uint32_t style);
  void draw(const zRect* clip) override;
  virtual void drawText();
  // Null means "". An unchanged text causes no repaint.
  virtual void setText(const char* text);
  // Stores the text without repainting (the clock and the key fields set theirs as they draw).
  void storeText(const char* text) { text_ = text ? text : ""; }
};

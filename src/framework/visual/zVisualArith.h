// Window-free decisions of the drawn controls: hit tests of visuals, caption mnemonics,
// the key-held flag of the control buttons, the press-drag-release machine of a visual
// button, BM_GETCHECK of a look state, and the frame a bitmap button shows. The window
// classes call these, so both builds test the same rules.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/Geometry.h"

// A rectangle of a visual: left/top from the sizer's origin, right/bottom = origin + extent.
// Both edges count, so a visual of width w answers for w + 1 columns.
bool ziRectContains(const zRect& r, const zPoint& p);
// A non-empty overlap; rectangles that only share an edge do not overlap.
bool ziRectsOverlap(const zRect& a, const zRect& b);

// The caption without its marks: "&&" is one literal '&', a single '&' is dropped and marks
// the character after it. Every scan starts afresh, so a caption without a mark never keeps
// an underline of an earlier one. Returns whether a mark was found; the index is that of
// the marked character in the shown text (the last mark wins), -1 without one.
struct ziMnemonic {
  std::string shown;
  bool present = false;
  int32_t index = -1;
};
ziMnemonic ziScanMnemonic(const char* caption);
// The upper-case character a key-up must carry to click a control with this caption; 0
// when the caption has none ("&&" is no mark, nor a '&' that ends the caption).
char ziMnemonicKey(const char* caption);
// Whether the virtual key of a key-up is the caption's mnemonic: letters compare without
// case (a virtual key is the upper-case letter); keys outside the printable range never match.
bool ziMnemonicMatches(const char* caption, uint32_t virtualKey);

// The flag that swallows auto-repeated key-downs of control buttons. Only a key that can
// click (space or the focused control's mnemonic) sets it; any key-up and the loss of focus
// clear it, so a Tab or Enter never leaves every control button deaf to the keyboard.
class ziKeyHeldFlag {
 public:
  // Whether the key-down is to be passed on (true) or swallowed as a repeat (false).
  bool keyDown(uint32_t virtualKey, const char* caption);
  void keyUp() { held_ = false; }
  void focusLost() { held_ = false; }
  bool held() const { return held_; }

 private:
  bool held_ = false;
};

// Look states of visual buttons.
enum ziButtonState : int32_t {
  ziStateDown = 0,         // down, checked
  ziStateUp = 1,           // up, unchecked; the state at construction
  ziStatePressed = 2,      // pressed while up
  ziStatePressedDown = 3,  // pressed while down
  ziStateSpecial = 4,
};

// The mouse behaviour of a visual button: press, drag out and in, release. Each call
// answers the state to show; release() also says whether it was a click.
class ziButtonTracker {
 public:
  // A left press on the button: remembers the state and shows it pressed.
  int32_t press(int32_t state);
  // The pointer moved, inside the button or not, with the left button held or not.
  int32_t move(int32_t state, bool inside, bool leftHeld);
  // The release; click is set when it happened on the button (state 2 or 3).
  int32_t release(int32_t state, bool toggles, bool latched, bool* click);
  bool pressed() const { return pressed_; }
  bool held() const { return held_; }
  int32_t savedState() const { return saved_; }

 private:
  bool pressed_ = false;
  bool held_ = false;
  int32_t saved_ = ziStateUp;
};

// BM_GETCHECK of a control button from its look state.
int32_t ziCheckFromState(int32_t state);

// Bitmap buttons: the image index each look shows and the frame of a six-frame bitmap
// for an index. imageSet is style & 0x30; toggle is style bit 0x200.
struct ziBitmapLook {
  int32_t state;
  int32_t imageIndex;
};
ziBitmapLook ziBitmapGoUp();
ziBitmapLook ziBitmapGoDown(uint32_t imageSet, bool toggle);
ziBitmapLook ziBitmapPress(uint32_t imageSet, bool toggle, int32_t stateBefore);
// Index 0 frame 4 (5 disabled), 1 frame 0 (1 disabled), 2 frame 3, 3 frame 2.
int32_t ziBitmapFrame(int32_t imageIndex, bool disabled);

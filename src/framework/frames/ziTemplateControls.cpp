// The controls that dialog templates make for the predefined classes: the typed control of
// the class (and, for buttons, of the button kind), made with exactly the item's style.
#include "framework/controls/zButton.h"
#include "framework/controls/zControl.h"
#include "framework/controls/zEdit.h"
#include "framework/controls/zListBox.h"
#include "framework/controls/zScrollBar.h"
#include "framework/frames/ziDialogReader.h"
#include "framework/layout/zSizer.h"

namespace {

// Buttons by the kind in the low four bits of the style. The kinds that no typed button
// stands for (three-state boxes, group boxes, user and owner-drawn buttons) get the plain
// button, which creates no window of its own.
zControl* makeButton(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id) {
  switch (style & 0xFu) {
    case BS_PUSHBUTTON:
      return new zPushButton(parent, sizer, style, title, id);
    case BS_DEFPUSHBUTTON:
      return new zDefPushButton(parent, sizer, style, title, id);
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
      return new zCheckBox(parent, sizer, style, title, id);
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return new zRadioButton(parent, sizer, style, title, id);
    default: {
      zButton* button = new zButton(parent, sizer, style, title, id);
      button->create();
      return button;
    }
  }
}

}  // namespace

zWindow* ziCreateTemplateControl(uint16_t atom, zWindow* parent, zSizer* sizer, uint32_t style, const char* title,
                                 int32_t id) {
  if (atom < 0x80 || atom > 0x85) {
    delete sizer;
    return nullptr;
  }
  zControl* control = nullptr;
  {
    const zTemplateStyle keep(style);
    switch (atom) {
      case 0x80:
        control = makeButton(parent, sizer, style, title, id);
        break;
      case 0x81:
        control = new zEditBase(parent, sizer, style, title, id);
        control->create();
        break;
      case 0x82:
        control = new zStaticText(parent, sizer, style, title, id);
        break;
      case 0x83:
        control = new zListBoxBase(parent, sizer, style, title, id);
        control->create();
        break;
      case 0x84:
        control = new zScrollBarBase(parent, sizer, style, title, id);
        control->create();
        break;
      default:
        control = new zComboBoxBase(parent, sizer, style, title, id);
        control->create();
        break;
    }
  }
  control->show(1);
  return control;
}

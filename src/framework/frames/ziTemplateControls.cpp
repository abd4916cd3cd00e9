// The controls that dialog templates make for the predefined classes. Until the controls
// library provides the typed controls, each is a plain framework control of the Windows
// class, which serves the dialogs' navigation, default buttons and data exchange.
#include "framework/controls/zControl.h"
#include "framework/layout/zSizer.h"
#include "framework/frames/ziDialogReader.h"

zWindow* ziCreateTemplateControl(uint16_t atom, zWindow* parent, zSizer* sizer, uint32_t style, const char* title,
                                 int32_t id) {
  static const char* const classes[] = {"button", "edit", "static", "listbox", "scrollbar", "combobox"};
  if (atom < 0x80 || atom > 0x85) {
    delete sizer;
    return nullptr;
  }
  zControl* control = new zControl(parent, sizer, style, title, id, classes[atom - 0x80]);
  control->create();
  control->show(1);
  return control;
}

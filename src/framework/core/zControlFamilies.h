// How the control families (the framework's controls, frames, drawn controls, bars and
// grids) make their control types known to the program, without core naming any of
// them: the list lives with the framework's assembly (zControlFamilies.cpp at the top
// of the framework), and the application object walks it at its start.
#pragma once

#include <cstdint>

class zWindow;
class zSizer;

// A control type a dialog template may name, with the creator that makes it from the
// template item's values; the application object registers these and removes them
// again when it goes.
struct ziControlFamilyType {
  const char* className;
  zWindow* (*create)(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id);
};
extern const ziControlFamilyType ziProgramControlTypes[];
extern const uint32_t ziProgramControlTypeCount;

// The families' own registrations of what stays for the whole process (window classes,
// the drawn controls', pane controls' and grids' types, the system's conventions for
// formatted input); each is safe to call again.
void ziRegisterControlFamilies();
// What the families hold for the application object (the controls' background brush)
// goes with it.
void ziReleaseControlFamilies();

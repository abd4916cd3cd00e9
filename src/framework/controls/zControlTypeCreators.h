// The creators of the six control types that the application object registers. Each
// allocates the framework control of its name from the five values of a dialog-template
// control. The pane control and the bitmap pane are built; until the other control
// classes join the framework, their creators make nothing (null): the dialog reader then
// treats the control as not created.
#pragma once

#include <cstdint>

class zWindow;
class zSizer;

zWindow* zCreateTextPane(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id);
zWindow* zCreatePaneControl(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id);
zWindow* zCreateBitmapPane(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id);
zWindow* zCreateTabCtrl(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id);
zWindow* zCreateSpinCtrl(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id);
zWindow* zCreateScaleCtrl(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id);

// The creators of the six control types that the application object registers. Each
// allocates the framework control of its name from the five values of a dialog-template
// control. The pane control's and the bitmap pane's creators are here; the text pane, tabs,
// spin and trackbar creators live with their classes in bars/.
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

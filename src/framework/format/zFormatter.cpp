#include "framework/format/zFormatter.h"

int zFormatter::unformat(FLCString&) { return 1; }
int zFormatter::firstDataPos(const FLCString&) { return 0; }
int zFormatter::takeNegative() { return 0; }

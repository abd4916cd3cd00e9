// Mathematics that reaches across into the XML files.
#include "xml/Reader.h"
#include "math/Local.h"

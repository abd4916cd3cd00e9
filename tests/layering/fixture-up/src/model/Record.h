// A record that reaches up into the report.
#pragma once
#include "report/Summary.h"

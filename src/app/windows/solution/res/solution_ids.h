// Resource ids of the solution window.
#pragma once

#define IDI_SOLUTION 292

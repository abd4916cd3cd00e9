// Identifiers of the grid tests' resources.
#pragma once

#define kGridTemplate 700
#define kGridId 301

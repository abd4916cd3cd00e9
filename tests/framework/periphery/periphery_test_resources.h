// Resource ids of the periphery test program.
#pragma once

#define IDD_PRINT_PROGRESS 300

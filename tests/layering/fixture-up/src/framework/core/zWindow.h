// The framework may include the report.
#include "report/Summary.h"

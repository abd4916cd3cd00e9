// Resource numbers of the bars suite.
#pragma once

#define kHelpStringBase 1000
#define kHelpBlock 300

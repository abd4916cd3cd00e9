// Resource identifiers of the pane-controls suite.
#pragma once
#define kPaneDialog 500
#define kPaneDlgStatic 501
#define kPaneDlgValueSet 502
#define kPaneDlgTree 503
#define kPaneDlgTabs 504
#define kPaneDlgSpin 505
#define kPaneDlgScale 506
#define kPaneDlgUnknown 507

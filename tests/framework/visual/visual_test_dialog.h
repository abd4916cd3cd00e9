// Resource identifiers of the drawn-controls suite.
#pragma once
#define kVisualDialog 400
#define kDialogPanel 401
#define kDialogCheck 402

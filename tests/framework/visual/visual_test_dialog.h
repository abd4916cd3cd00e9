// Resource identifiers of the drawn-controls suite.
#pragma once
#define kVisualDialog 400
#define kDialogPanel 401
#define kDialogCheck 402
#define kControlTypesDialog 410
#define kTypesCheck 411
#define kTypesRadio 412
#define kTypesGroup 413
#define kTypesBitmapButton 414
#define kTypesPanel 415
#define kTypesPicture 416
#define kTypesUnknown 417
#define kTypesBare 418

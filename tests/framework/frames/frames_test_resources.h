// Resource numbers of the framework frames tests.
#pragma once

#define kFormTemplate 100
#define kPlainTemplate 101
#define kExtendedTemplate 102
#define kMDIFormTemplate 103
#define kRequiredTemplate 104
#define kTypedTemplate 105
#define kMenuTemplate 106
#define kMenuTemplateMenu 107
#define kMissingTemplate 199

#define kEditId 110
#define kComboId 111
#define kListId 112
#define kSecondDefaultId 113
#define kPaneId 114
#define kDefaultId 115
#define kFlatDefaultId 116
#define kFirstRequiredId 120
#define kSecondRequiredId 121
#define kCheckId 130
#define kAutoCheckId 131
#define kRadioId 132
#define kAutoRadioId 133
#define kGroupId 134
#define kStateId 135
#define kScrollId 136
#define kDropId 137
#define kLabelId 138
#define kPushId 139
#define kPlaceholderId 140

#define kGreetingString 300
#define kMissingString 399
#define kChoicesBlock 310
#define kOpenBlock 311

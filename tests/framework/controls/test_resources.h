// Identifiers of the controls suite's resources.
#pragma once

#define kTakeoverDialog 300
#define kCheckId 101
#define kEditId 102
#define kListId 103
#define kComboId 104
#define kRadioFirst 110
#define kRadioSecond 111
#define kRadioThird 112
#define kPushId 120
#define kScrollId 130
#define kTestMenu 400
#define kMenuFirst 401
#define kMenuSecond 402
#define kTestData 500
#define kFillBlock 510

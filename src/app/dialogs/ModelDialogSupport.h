// What the three model dialogs share: the fixed choices of their parameter lists, the
// parameter texts and their checks, the check of a text before the model takes it,
// and the tool tips of their controls.
//
// The lists show fixed choices; a stored value that is none of them (an older or
// hand-edited file) is added to its list, so that the dialog shows the value the
// model or the options hold and OK keeps it. Texts typed on screen are in the
// screen's code page and become UTF-8 for the model, whose limits count UTF-8 bytes:
// a text that the model would refuse is refused here with a message, never passed on.
#pragma once

#include <cstdint>
#include <string>

#include "app/dialogs/res/dialogs_ids.h"
#include "app/shared/ControlTips.h"
#include "foundation/FLCString.h"
#include "framework/bars/zStatusMessageTable.h"

class zComboBoxStatic;
class zWindow;

namespace PV {
namespace Dialogs {

// The dialogs' control identifiers (their three templates share them).
enum : int32_t {
  kNameEdit = IDC_NAME_EDIT,
  kNotesEdit = IDC_NOTES_EDIT,
  kModeStandard = IDC_MODE_STANDARD,
  kModeCollaborator = IDC_MODE_COLLABORATOR,
  kModeModerator = IDC_MODE_MODERATOR,
  kLevelList = IDC_LEVEL_LIST,
  kIntervalList = IDC_INTERVAL_LIST,
  kScaleList = IDC_SCALE_LIST,
  kNotesLabel = IDC_NOTES_LABEL,
  kNotesMark = IDC_NOTES_MARK,
};

extern const char* const kLevelChoices[];
extern const char* const kIntervalChoices[];
extern const char* const kScaleChoices[];

// The list emptied and filled with the choices (null-ended).
void fillChoices(zComboBoxStatic* list, const char* const* choices);
// Selects the entry that is the text; a text that is none is added first.
void selectOrAdd(zComboBoxStatic* list, const char* text);
// Fills a list from a data resource of zero-ended strings ended by an empty one, the
// first entry selected; nothing when the resource is missing.
void fillFromResource(zComboBoxStatic* list, uint32_t resourceId);

// A value with one decimal, "95.0"; locale-free.
FLCString oneDecimal(double value);
// The scale dimension's one digit.
FLCString scaleDigit(int value);

struct ParameterValues {
  double level = 0.0;
  double interval = 0.0;
  int8_t scale = 0;
};
// The three list texts as numbers: the level above 0 and at most 100, the interval 0
// to 25, the scale one digit 1 to 5. False, with the reason in *message, otherwise.
bool parseParameters(const FLCString& level, const FLCString& interval, const FLCString& scale, ParameterValues* values,
                     std::string* message);

// The typed text in UTF-8 when the model can hold it: at most maxBytes bytes, no
// control characters but tab and line ends. False, with the reason naming what (the
// "model name"), otherwise. shownFrom, when given, is the UTF-8 text the field was
// filled from: a field left as it was filled gives that text back whole, so that the
// letters the screen's code page lacks (shown there as '?') are not lost to a store
// that changed nothing.
bool modelTextFromScreen(const FLCString& typed, size_t maxBytes, const char* what, std::string* utf8,
                         std::string* message, const std::string* shownFrom = nullptr);

// A refusal shown over the dialog; the field gets the focus.
void refuse(zWindow* dialog, zWindow* field, const std::string& message);

// The tool tips over the dialog's controls, as the model windows show theirs.
using PV::attachToolTips;

}  // namespace Dialogs
}  // namespace PV

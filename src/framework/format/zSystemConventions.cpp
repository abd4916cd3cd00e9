#include "framework/format/zSystemConventions.h"

#include <windows.h>

#include <cstdint>

#include "framework/format/zIntlContext.h"
#include "framework/format/zPictStrEl.h"

namespace {

bool systemIsAlpha(char c) { return IsCharAlphaA(c) != 0; }
bool systemIsAlphaNumeric(char c) { return IsCharAlphaNumericA(c) != 0; }
bool systemIsLower(char c) { return IsCharLowerA(c) != 0; }
// CharUpperA and CharLowerA take one character in the low word of the pointer.
char systemToUpper(char c) {
  return static_cast<char>(reinterpret_cast<uintptr_t>(
      CharUpperA(reinterpret_cast<LPSTR>(static_cast<uintptr_t>(static_cast<unsigned char>(c))))));
}
char systemToLower(char c) {
  return static_cast<char>(reinterpret_cast<uintptr_t>(
      CharLowerA(reinterpret_cast<LPSTR>(static_cast<uintptr_t>(static_cast<unsigned char>(c))))));
}

void readProfile(zIntlContext& context) {
  char dec[2], thou[2], cur[10], digits[2], placement[2], neg[3];
  GetProfileStringA("intl", "sDecimal", ".", dec, sizeof dec);
  GetProfileStringA("intl", "sThousand", ",", thou, sizeof thou);
  GetProfileStringA("intl", "sCurrency", "$", cur, sizeof cur);
  GetProfileStringA("intl", "iCurrDigits", "2", digits, sizeof digits);
  GetProfileStringA("intl", "iCurrency", "0", placement, sizeof placement);
  GetProfileStringA("intl", "iNegCurr", "0", neg, sizeof neg);
  zIntlSettings s;
  s.sDecimal = dec;
  s.sThousand = thou;
  s.sCurrency = cur;
  s.iCurrDigits = digits;
  s.iCurrency = placement;
  s.iNegCurr = neg;
  context.apply(s);
}

}  // namespace

void zUseSystemConventions() {
  zUseCharClasses({&systemIsAlpha, &systemIsAlphaNumeric, &systemIsLower, &systemToUpper, &systemToLower});
  zIntlContext::readUserSettingsWith(&readProfile);
}

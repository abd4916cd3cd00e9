#include "framework/format/zIntlContext.h"

#include <cstring>
#include <string>

namespace {
// Copies at most size - 1 characters and always terminates.
void copyField(char* field, size_t size, const char* text) {
  if (!text) text = "";
  size_t n = std::strlen(text);
  if (n > size - 1) n = size - 1;
  std::memcpy(field, text, n);
  field[n] = 0;
}

void setChar(char* field, char c) {
  field[0] = c;
  field[1] = 0;
}
}  // namespace

zIntlContext::zIntlContext(const zIntlSettings& settings) { apply(settings); }

namespace {
zIntlContext::UserSettings userSettings = nullptr;
}  // namespace

zIntlContext::zIntlContext() {
  if (userSettings)
    userSettings(*this);
  else
    apply(zIntlSettings());
}

void zIntlContext::readUserSettingsWith(UserSettings read) { userSettings = read; }

void zIntlContext::apply(const zIntlSettings& s) {
  copyField(decimal_, sizeof decimal_, s.sDecimal);
  copyField(currencyDecimal_, sizeof currencyDecimal_, s.sDecimal);
  copyField(thousands_, sizeof thousands_, s.sThousand);
  if (!thousands_[0]) setChar(thousands_, ',');
  copyField(currencyThousands_, sizeof currencyThousands_, thousands_);
  // An empty decimal separator would make every number text ambiguous.
  if (!decimal_[0]) setChar(decimal_, '.');
  if (!currencyDecimal_[0]) setChar(currencyDecimal_, '.');
  copyField(currency1_, sizeof currency1_, s.sCurrency);
  copyField(currency2_, sizeof currency2_, s.sCurrency);
  currencyDigits_ = currencyDigits2_ = (s.iCurrDigits && s.iCurrDigits[0]) ? s.iCurrDigits[0] : '2';
  const char placement = (s.iCurrency && s.iCurrency[0]) ? s.iCurrency[0] : '0';
  posCurrencyBefore_ = (placement == '0' || placement == '2') ? '1' : '0';
  posCurrencySpace_ = (placement == '2' || placement == '3') ? '1' : '0';
  posSignForm_ = '1';
  positiveSign_[0] = 0;
  copyField(negativeSign_, sizeof negativeSign_, "-");

  const char* n = s.iNegCurr ? s.iNegCurr : "";
  negCurrencyBefore_ = '1';
  negCurrencySpace_ = '0';
  negSignForm_ = 0;
  if (n[0] < '0' || n[0] > '9') return;
  struct Row {
    char form;
    bool before;
    bool space;
  };
  static const Row rows[] = {
      {'0', true, false},  {'1', true, false},  {'4', true, false},  {'2', true, false}, {'0', false, false},
      {'1', false, false}, {'3', false, false}, {'2', false, false}, {'1', false, true}, {'1', true, true},
  };
  Row row = rows[n[0] - '0'];
  if (n[0] == '1' && n[1] == '0') row = Row{'2', false, true};
  negSignForm_ = row.form;
  negCurrencyBefore_ = row.before ? '1' : '0';
  negCurrencySpace_ = row.space ? '1' : '0';
}

zIntlContext* zIntlContext::shared() {
  // Lives for the process: formatters hold it without owning it.
  static zIntlContext* context = new zIntlContext();
  return context;
}

void zIntlContext::setCurrency(const char* symbol) {
  copyField(currency1_, sizeof currency1_, symbol);
  copyField(currency2_, sizeof currency2_, symbol);
}
void zIntlContext::setNegativeSign(const char* sign) { copyField(negativeSign_, sizeof negativeSign_, sign); }
void zIntlContext::setPositiveSign(const char* sign) { copyField(positiveSign_, sizeof positiveSign_, sign); }
void zIntlContext::setDecimal(char c) { setChar(decimal_, c); }
void zIntlContext::setCurrencyDecimal(char c) { setChar(currencyDecimal_, c); }
void zIntlContext::setThousands(char c) { setChar(thousands_, c); }
void zIntlContext::setCurrencyThousands(char c) { setChar(currencyThousands_, c); }
void zIntlContext::setPosCurrencyBefore(int before) { posCurrencyBefore_ = before ? '1' : '0'; }
void zIntlContext::setNegCurrencyBefore(int before) { negCurrencyBefore_ = before ? '1' : '0'; }
void zIntlContext::setPosCurrencySpace(int space) { posCurrencySpace_ = space ? '1' : '0'; }
void zIntlContext::setNegCurrencySpace(int space) { negCurrencySpace_ = space ? '1' : '0'; }
void zIntlContext::setPosSignForm(char form) { posSignForm_ = form; }
void zIntlContext::setNegSignForm(char form) { negSignForm_ = form; }

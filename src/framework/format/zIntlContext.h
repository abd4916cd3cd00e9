// The number and currency conventions of the user's system: decimal and thousands
// separators, currency symbol and placement, sign strings and sign forms. The program
// reads them once from the "intl" section of the system profile; tests build them from
// given settings, so that formatting is a pure function of the settings and never depends
// on the machine it runs on.
//
// Sign forms: '0' the number in parentheses; '1' sign string before everything; '2' after
// everything; '3' between the number and a trailing currency symbol; '4' between a
// leading currency symbol and the number.
#pragma once

#include <cstdint>

// The profile values the conventions come from, as the profile gives them.
struct zIntlSettings {
  const char* sDecimal = ".";
  const char* sThousand = ",";
  const char* sCurrency = "$";
  const char* iCurrDigits = "2";
  const char* iCurrency = "0";
  const char* iNegCurr = "0";
};

class zIntlContext {
 public:
  // The user's settings, as the reader the framework installs gives them (the system
  // profile under Windows); the defaults while none is installed.
  zIntlContext();
  explicit zIntlContext(const zIntlSettings& settings);

  // Applies the user's settings to a context being made.
  using UserSettings = void (*)(zIntlContext& context);
  static void readUserSettingsWith(UserSettings read);
  // Takes the settings, as the constructor from settings does.
  void apply(const zIntlSettings& settings);
  zIntlContext(const zIntlContext&) = delete;
  zIntlContext& operator=(const zIntlContext&) = delete;

  // Strings longer than a field holds (9 characters) are cut.
  void setCurrency(const char* symbol);
  void setNegativeSign(const char* sign);
  void setPositiveSign(const char* sign);
  void setDecimal(char c);
  void setCurrencyDecimal(char c);
  void setThousands(char c);
  void setCurrencyThousands(char c);
  void setPosCurrencyBefore(int before);
  void setNegCurrencyBefore(int before);
  void setPosCurrencySpace(int space);
  void setNegCurrencySpace(int space);
  void setPosSignForm(char form);
  void setNegSignForm(char form);

  char decimal() const { return decimal_[0]; }
  char thousands() const { return thousands_[0]; }
  const char* currency() const { return currency2_; }
  char currencyDecimal() const { return currencyDecimal_[0]; }
  char currencyThousands() const { return currencyThousands_[0]; }
  const char* positiveSign() const { return positiveSign_; }
  const char* negativeSign() const { return negativeSign_; }
  char currencyDigits() const { return currencyDigits_; }
  bool posCurrencyBefore() const { return posCurrencyBefore_ == '1'; }
  bool posCurrencySpace() const { return posCurrencySpace_ == '1'; }
  bool negCurrencyBefore() const { return negCurrencyBefore_ == '1'; }
  bool negCurrencySpace() const { return negCurrencySpace_ == '1'; }
  char posSignForm() const { return posSignForm_; }
  // 0 when the settings gave none.
  char negSignForm() const { return negSignForm_; }

  // The process's shared context, made on first use from the user's settings.
  static zIntlContext* shared();

 private:
  char decimal_[2];
  char thousands_[2];
  char currency1_[10];
  char currency2_[10];
  char currencyDecimal_[2];
  char currencyThousands_[2];
  char positiveSign_[10];
  char negativeSign_[10];
  char currencyDigits_;
  char currencyDigits2_;
  char posCurrencyBefore_;
  char posCurrencySpace_;
  char negCurrencyBefore_;
  char negCurrencySpace_;
  char posSignForm_;
  char negSignForm_;
};

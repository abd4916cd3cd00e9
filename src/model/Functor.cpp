#include "model/Functor.h"

#include "foundation/Assert.h"
#include "model/DecisionModel.h"
#include "model/TextForms.h"

namespace PV {
namespace Data {

namespace {

// Enough of the text to recognise it in a message, without flooding it.
std::string quoteForMessage(const std::string& text) {
  constexpr std::size_t kMaxShown = 40;
  std::string shown;
  for (std::size_t i = 0; i < text.size() && i < kMaxShown; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    shown += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
  }
  if (text.size() > kMaxShown) shown += "...";
  return "\"" + shown + "\"";
}

}  // namespace

void Functor::setValue(void* obj, const std::string& s) {
  PV_ASSERT(obj != 0);
  PV_ASSERT(!isEmpty_);
  fromString(obj, s);
}

void Functor::setValue(Palvermontine* obj, const std::string& s) { setValue(served(obj), s); }
void Functor::setValue(DecisionModel* obj, const std::string& s) { setValue(served(obj), s); }
void Functor::setValue(Item* obj, const std::string& s) { setValue(served(obj), s); }
void Functor::setValue(WtItem* obj, const std::string& s) { setValue(served(obj), s); }
void Functor::setValue(DecisionMaker* obj, const std::string& s) { setValue(served(obj), s); }
void Functor::setValue(Criterion* obj, const std::string& s) { setValue(served(obj), s); }
void Functor::setValue(Choice* obj, const std::string& s) { setValue(served(obj), s); }
void Functor::setValue(ModelParameters* obj, const std::string& s) { setValue(served(obj), s); }
void Functor::setValue(Moderator* obj, const std::string& s) { setValue(served(obj), s); }
void Functor::setValue(ScaleFunctionValue* obj, const std::string& s) { setValue(served(obj), s); }
void Functor::setValue(Score* obj, const std::string& s) { setValue(served(obj), s); }
void Functor::setValue(Nod* obj, const std::string& s) { setValue(served(obj), s); }
void Functor::setValue(Nudge* obj, const std::string& s) { setValue(served(obj), s); }
void Functor::setValue(Wink* obj, const std::string& s) { setValue(served(obj), s); }
void Functor::setValue(Solution* obj, const std::string& s) { setValue(served(obj), s); }

std::string Functor::getValue(const void* obj) const {
  PV_ASSERT(obj != 0);
  PV_ASSERT(!isEmpty_);
  std::string text;
  toString(obj, text);
  return text;
}

std::string Functor::getValue(const Palvermontine* obj) const { return getValue(servedConst(obj)); }
std::string Functor::getValue(const DecisionModel* obj) const { return getValue(servedConst(obj)); }
std::string Functor::getValue(const Item* obj) const { return getValue(servedConst(obj)); }
std::string Functor::getValue(const WtItem* obj) const { return getValue(servedConst(obj)); }
std::string Functor::getValue(const DecisionMaker* obj) const { return getValue(servedConst(obj)); }
std::string Functor::getValue(const Criterion* obj) const { return getValue(servedConst(obj)); }
std::string Functor::getValue(const Choice* obj) const { return getValue(servedConst(obj)); }
std::string Functor::getValue(const ModelParameters* obj) const { return getValue(servedConst(obj)); }
std::string Functor::getValue(const Moderator* obj) const { return getValue(servedConst(obj)); }
std::string Functor::getValue(const ScaleFunctionValue* obj) const { return getValue(servedConst(obj)); }
std::string Functor::getValue(const Score* obj) const { return getValue(servedConst(obj)); }
std::string Functor::getValue(const Nod* obj) const { return getValue(servedConst(obj)); }
std::string Functor::getValue(const Nudge* obj) const { return getValue(servedConst(obj)); }
std::string Functor::getValue(const Wink* obj) const { return getValue(servedConst(obj)); }
std::string Functor::getValue(const Solution* obj) const { return getValue(servedConst(obj)); }

bool Functor::setValueChecked(void* obj, const std::string& s, const std::string& field, std::string& error) {
  PV_ASSERT(obj != 0);
  PV_ASSERT(!isEmpty_);
  std::string reason;
  if (fromStringChecked(obj, s, reason)) {
    error.clear();
    return true;
  }
  error = "invalid value " + quoteForMessage(s) + " for \"" + field + "\": " + reason;
  return false;
}

bool Functor::setValueChecked(Palvermontine* obj, const std::string& s, const std::string& field, std::string& error) {
  return setValueChecked(served(obj), s, field, error);
}
bool Functor::setValueChecked(DecisionModel* obj, const std::string& s, const std::string& field, std::string& error) {
  return setValueChecked(served(obj), s, field, error);
}
bool Functor::setValueChecked(ModelParameters* obj, const std::string& s, const std::string& field,
                              std::string& error) {
  return setValueChecked(served(obj), s, field, error);
}
bool Functor::setValueChecked(Moderator* obj, const std::string& s, const std::string& field, std::string& error) {
  return setValueChecked(served(obj), s, field, error);
}
bool Functor::setValueChecked(ScaleFunctionValue* obj, const std::string& s, const std::string& field,
                              std::string& error) {
  return setValueChecked(served(obj), s, field, error);
}
bool Functor::setValueChecked(Score* obj, const std::string& s, const std::string& field, std::string& error) {
  return setValueChecked(served(obj), s, field, error);
}
bool Functor::setValueChecked(Nod* obj, const std::string& s, const std::string& field, std::string& error) {
  return setValueChecked(served(obj), s, field, error);
}
bool Functor::setValueChecked(Nudge* obj, const std::string& s, const std::string& field, std::string& error) {
  return setValueChecked(served(obj), s, field, error);
}
bool Functor::setValueChecked(Wink* obj, const std::string& s, const std::string& field, std::string& error) {
  return setValueChecked(served(obj), s, field, error);
}
bool Functor::setValueChecked(Solution* obj, const std::string& s, const std::string& field, std::string& error) {
  return setValueChecked(served(obj), s, field, error);
}
bool Functor::setValueChecked(Item* obj, const std::string& s, const std::string& field, std::string& error) {
  return setValueChecked(served(obj), s, field, error);
}
bool Functor::setValueChecked(WtItem* obj, const std::string& s, const std::string& field, std::string& error) {
  return setValueChecked(served(obj), s, field, error);
}
bool Functor::setValueChecked(DecisionMaker* obj, const std::string& s, const std::string& field, std::string& error) {
  return setValueChecked(served(obj), s, field, error);
}
bool Functor::setValueChecked(Criterion* obj, const std::string& s, const std::string& field, std::string& error) {
  return setValueChecked(served(obj), s, field, error);
}
bool Functor::setValueChecked(Choice* obj, const std::string& s, const std::string& field, std::string& error) {
  return setValueChecked(served(obj), s, field, error);
}

void* Functor::served(Palvermontine* obj) const {
  PV_ASSERT(type_ == PALVERMONTINE);
  return obj;
}
void* Functor::served(DecisionModel* obj) const {
  PV_ASSERT(type_ == DECISIONMODEL);
  return obj;
}
void* Functor::served(Item* obj) const {
  PV_ASSERT(type_ == ITEM);
  return obj;
}
void* Functor::served(WtItem* obj) const {
  PV_ASSERT(type_ == WTITEM);
  return obj;
}
void* Functor::served(DecisionMaker* obj) const {
  PV_ASSERT(type_ == DECISIONMAKER || type_ == ITEM || type_ == WTITEM);
  if (type_ == ITEM) return static_cast<Item*>(obj);
  if (type_ == WTITEM) return static_cast<WtItem*>(obj);
  return obj;
}
void* Functor::served(Criterion* obj) const {
  PV_ASSERT(type_ == CRITERION || type_ == ITEM || type_ == WTITEM);
  if (type_ == ITEM) return static_cast<Item*>(obj);
  if (type_ == WTITEM) return static_cast<WtItem*>(obj);
  return obj;
}
void* Functor::served(Choice* obj) const {
  PV_ASSERT(type_ == CHOICE || type_ == ITEM);
  if (type_ == ITEM) return static_cast<Item*>(obj);
  return obj;
}
void* Functor::served(ModelParameters* obj) const {
  PV_ASSERT(type_ == MODELPARAMETERS);
  return obj;
}
void* Functor::served(Moderator* obj) const {
  PV_ASSERT(type_ == MODERATOR);
  return obj;
}
void* Functor::served(ScaleFunctionValue* obj) const {
  PV_ASSERT(type_ == SCALEFUNCTIONVALUE);
  return obj;
}
void* Functor::served(Score* obj) const {
  PV_ASSERT(type_ == SCORE);
  return obj;
}
void* Functor::served(Nod* obj) const {
  PV_ASSERT(type_ == NOD);
  return obj;
}
void* Functor::served(Nudge* obj) const {
  PV_ASSERT(type_ == NUDGE);
  return obj;
}
void* Functor::served(Wink* obj) const {
  PV_ASSERT(type_ == WINK);
  return obj;
}
void* Functor::served(Solution* obj) const {
  PV_ASSERT(type_ == SOLUTION);
  return obj;
}

void Functor::stringToUShort(const std::string& s, uint16_t& n) const {
  PV_ASSERT(!s.empty());
  // Every spelling of a number is read as that number: "00", "0007" and " 7 " too.
  // Text with no number in front is a caller's error; input goes through the
  // checked form, which refuses it.
  std::string reason;
  if (TextForms::parseUShort(s, n, reason)) return;
  n = static_cast<uint16_t>(TextForms::readDecimal32(s) & 0xFFFFu);
  PV_ASSERT(n != 0);
}

void Functor::ushortToString(std::string& s, uint16_t n) const { s = std::to_string(n); }

void Functor::stringToULong(const std::string& s, uint32_t& n, Mode m) const {
  PV_ASSERT(!s.empty());
  if (s == "0") {
    n = 0;
    return;
  }
  const Mode effective = (m != CHARACTER) ? m : mode_;
  n = 0;
  if (effective == DECIMAL) {
    std::string reason;
    uint32_t value = 0;
    // Zero written with more digits ("00") is zero, not a failed reading.
    if (TextForms::parseDecimal32(s, value, reason)) {
      n = value;
      return;
    }
    n = TextForms::readDecimal32(s);
  } else if (effective == HEXADECIMAL) {
    n = TextForms::readHex32(s);
  }
  PV_ASSERT(n != 0);
}

void Functor::ulongToString(std::string& s, uint32_t n, Mode m) const {
  s = (m == HEXADECIMAL) ? TextForms::formatHex32(n, false, 1) : TextForms::formatDecimal32(n);
}

void Functor::stringToDouble(const std::string& s, double& d) const {
  PV_ASSERT(!s.empty());
  d = TextForms::readDouble(s);
}

void Functor::doubleToString(std::string& s, double d, Mode m) const {
  PV_ASSERT(m != Functor::PRECISION_2);
  PV_ASSERT(m == Functor::PRECISION_1);
  s = TextForms::formatDouble1(d);
}

void Functor::idToHexString(std::string& s, const uint32_t* id, Mode m) const {
  const bool upper = (m != LOWER_HEX);
  s = ulongToHexString(id[0], upper, 8) + ulongToHexString(id[1], upper, 8);
}

void Functor::hexStringToId(const std::string& s, uint32_t* id) const {
  // Always 16 characters in every build (two 32-bit words), whatever the width of
  // the platform's long.
  PV_ASSERT(s.length() == (2 * 2 * sizeof(uint32_t)));
  for (int word = 0; word < 2; ++word) {
    uint32_t value = 0;
    for (std::size_t i = 0; i < 8; ++i) {
      const int digit = TextForms::hexDigitValue(s[word * 8 + i]);
      if (digit < 0) break;  // a half ends at its first non-digit
      value = (value << 4) | static_cast<uint32_t>(digit);
    }
    id[word] = value;
  }
}

std::string Functor::ulongToHexString(uint32_t n, bool upper, unsigned length) {
  PV_ASSERT(length <= 8);
  return TextForms::formatHex32(n, upper, length == 0 ? 8 : length);
}

}  // namespace Data
}  // namespace PV

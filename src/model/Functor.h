// The field accessor: one object binds one field (or one element without a value)
// of one model or options class to its text form. The element tables of the XML
// files hold one for each element and attribute that maps to a record or a field;
// reading a file sets each field from its text, writing asks each field for its text.
//
// Contract forms (setValue, getValue) treat text that cannot be converted as a
// programming error. Input from files goes through setValueChecked instead, which
// refuses such text, and any value outside its record's limits, with an error that
// names the field, and leaves the record unchanged.
#pragma once

#include "foundation/Assert.h"

#include <cstdint>
#include <string>

namespace PV {
namespace Data {

class Palvermontine;
class DecisionModel;
class Item;
class WtItem;
class DecisionMaker;
class Criterion;
class Choice;
class ModelParameters;
class Moderator;
class ScaleFunctionValue;
class Score;
class Nod;
class Nudge;
class Wink;
class Solution;

class Functor {
 public:
  // One code per class that has accessors.
  enum Type : uint32_t {
    PALVERMONTINE = 0,
    DECISIONMODEL = 1,
    ITEM = 2,
    WTITEM = 3,
    DECISIONMAKER = 4,
    CRITERION = 5,
    CHOICE = 6,
    MODELPARAMETERS = 7,
    MODERATOR = 8,
    SCORE = 9,
    SOLUTION = 10,
    SCALEFUNCTIONVALUE = 11,
    NOD = 12,
    NUDGE = 13,
    WINK = 14,
    DECISIONMAKERS = 15,
    CHOICES = 16,
    CRITERIA = 17,
    SCORES = 18,
    SOLUTIONSVEC = 19,
    PALVERMONTINEMDLOPTS = 20,
    PARMMDLOPTS = 21,
    PALVERMONTINEAPPOPTS = 22,
    IDAPPOPTS = 23,
    DEFAULTVALUESAPPOPTS = 24,
    GUIAPPOPTS = 25,
    CALCAPPOPTS = 26,
    RPTAPPOPTS = 27
  };

  // An accessor holds CHARACTER, DECIMAL or HEXADECIMAL; the others are arguments
  // of the converters.
  enum Mode : uint32_t {
    CHARACTER = 0,
    DECIMAL = 1,
    HEXADECIMAL = 2,
    UPPER_HEX = 3,
    LOWER_HEX = 4,
    PRECISION_1 = 5,
    PRECISION_2 = 6
  };

  virtual ~Functor() = default;

  // Parses the text and stores it into the object's field (contract form).
  virtual void fromString(void* obj, const std::string& s) = 0;
  // Replaces the text with the text form of the object's field.
  virtual void toString(const void* obj, std::string& s) const = 0;
  // Checked form: true when the text converted and the record took it; otherwise
  // false with the reason, and the record unchanged.
  virtual bool fromStringChecked(void* obj, const std::string& s, std::string& reason) = 0;

  void setMode(Mode mode) { mode_ = mode; }
  Mode mode() const { return mode_; }
  void setEmpty() { isEmpty_ = 1; }
  bool isEmpty() const { return isEmpty_ != 0; }
  uint32_t type() const { return type_; }

  // Sets a field from its text (contract form). The generic form takes the served
  // record itself; the typed forms also take a record of a class derived from the
  // served one (an accessor of Item serves a Choice).
  void setValue(void* obj, const std::string& s);
  void setValue(Palvermontine* obj, const std::string& s);
  void setValue(DecisionModel* obj, const std::string& s);
  void setValue(Item* obj, const std::string& s);
  void setValue(WtItem* obj, const std::string& s);
  void setValue(DecisionMaker* obj, const std::string& s);
  void setValue(Criterion* obj, const std::string& s);
  void setValue(Choice* obj, const std::string& s);
  void setValue(ModelParameters* obj, const std::string& s);
  void setValue(Moderator* obj, const std::string& s);
  void setValue(ScaleFunctionValue* obj, const std::string& s);
  void setValue(Score* obj, const std::string& s);
  void setValue(Nod* obj, const std::string& s);
  void setValue(Nudge* obj, const std::string& s);
  void setValue(Wink* obj, const std::string& s);
  void setValue(Solution* obj, const std::string& s);

  // The text of a field.
  std::string getValue(const void* obj) const;
  // The same, assigned to the given text.
  template <class R>
  void getValue(const R* obj, std::string& s) const {
    PV_ASSERT(obj != 0);
    s = getValue(obj);
  }
  std::string getValue(const Palvermontine* obj) const;
  std::string getValue(const DecisionModel* obj) const;
  std::string getValue(const Item* obj) const;
  std::string getValue(const WtItem* obj) const;
  std::string getValue(const DecisionMaker* obj) const;
  std::string getValue(const Criterion* obj) const;
  std::string getValue(const Choice* obj) const;
  std::string getValue(const ModelParameters* obj) const;
  std::string getValue(const Moderator* obj) const;
  std::string getValue(const ScaleFunctionValue* obj) const;
  std::string getValue(const Score* obj) const;
  std::string getValue(const Nod* obj) const;
  std::string getValue(const Nudge* obj) const;
  std::string getValue(const Wink* obj) const;
  std::string getValue(const Solution* obj) const;

  // Sets a field from text read from a file. Returns true when stored; otherwise
  // false and an error naming the field (e.g. the attribute or element name) and
  // the text, and the record is unchanged. The accessor's own contracts (a null
  // object, an element-only accessor, a record of another class) still assert.
  bool setValueChecked(void* obj, const std::string& s, const std::string& field, std::string& error);
  bool setValueChecked(Palvermontine* obj, const std::string& s, const std::string& field, std::string& error);
  bool setValueChecked(DecisionModel* obj, const std::string& s, const std::string& field, std::string& error);
  bool setValueChecked(ModelParameters* obj, const std::string& s, const std::string& field, std::string& error);
  bool setValueChecked(Moderator* obj, const std::string& s, const std::string& field, std::string& error);
  bool setValueChecked(ScaleFunctionValue* obj, const std::string& s, const std::string& field, std::string& error);
  bool setValueChecked(Score* obj, const std::string& s, const std::string& field, std::string& error);
  bool setValueChecked(Nod* obj, const std::string& s, const std::string& field, std::string& error);
  bool setValueChecked(Nudge* obj, const std::string& s, const std::string& field, std::string& error);
  bool setValueChecked(Wink* obj, const std::string& s, const std::string& field, std::string& error);
  bool setValueChecked(Solution* obj, const std::string& s, const std::string& field, std::string& error);
  bool setValueChecked(Item* obj, const std::string& s, const std::string& field, std::string& error);
  bool setValueChecked(WtItem* obj, const std::string& s, const std::string& field, std::string& error);
  bool setValueChecked(DecisionMaker* obj, const std::string& s, const std::string& field, std::string& error);
  bool setValueChecked(Criterion* obj, const std::string& s, const std::string& field, std::string& error);
  bool setValueChecked(Choice* obj, const std::string& s, const std::string& field, std::string& error);

  // Value converters. Those that produce text replace the whole of the given text.
  void stringToUShort(const std::string& s, uint16_t& n) const;
  void ushortToString(std::string& s, uint16_t n) const;
  // A mode of CHARACTER (0) means the accessor's own mode.
  void stringToULong(const std::string& s, uint32_t& n, Mode m = CHARACTER) const;
  void ulongToString(std::string& s, uint32_t n, Mode m) const;
  void stringToDouble(const std::string& s, double& d) const;
  void doubleToString(std::string& s, double d, Mode m) const;
  // A 64-bit id is two 32-bit words, word 0 first: 16 hexadecimal digits.
  void idToHexString(std::string& s, const uint32_t* id, Mode m) const;
  void hexStringToId(const std::string& s, uint32_t* id) const;
  // Zero-padded hexadecimal digits of one word; a length of 0 means 8.
  static std::string ulongToHexString(uint32_t n, bool upper, unsigned length);

 protected:
  explicit Functor(Type type) : type_(type) { reset(); }
  void reset() {
    isEmpty_ = 0;
    mode_ = CHARACTER;
  }

 private:
  // The part of a derived record that the accessor serves (asserting the type code).
  void* served(Palvermontine* obj) const;
  void* served(DecisionModel* obj) const;
  void* served(Item* obj) const;
  void* served(WtItem* obj) const;
  void* served(DecisionMaker* obj) const;
  void* served(Criterion* obj) const;
  void* served(Choice* obj) const;
  void* served(ModelParameters* obj) const;
  void* served(Moderator* obj) const;
  void* served(ScaleFunctionValue* obj) const;
  void* served(Score* obj) const;
  void* served(Nod* obj) const;
  void* served(Nudge* obj) const;
  void* served(Wink* obj) const;
  void* served(Solution* obj) const;
  template <class R>
  const void* servedConst(const R* obj) const {
    return served(const_cast<R*>(obj));
  }

  uint32_t type_;
  uint8_t isEmpty_;
  Mode mode_;
};

}  // namespace Data
}  // namespace PV

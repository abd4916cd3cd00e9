// The typed field accessor of a model or options class T: holds the setter and the
// getter of one field of T (one of nine value kinds) and converts between the
// field and its text. An accessor built without a pair serves an element that has
// no value of its own and only carries its type code.
//
//   new Transform<Item>(&Item::set_nm, &Item::get_nm);
//   new Transform<WtItem>(&WtItem::set_wt, &WtItem::get_wt, Functor::DECIMAL);
//   new Transform<DecisionModel::Choices>();   // element only
#pragma once

#include "foundation/Assert.h"
#include "model/AppOpts.h"
#include "model/DecisionModel.h"
#include "model/Functor.h"
#include "model/LimitCheck.h"
#include "model/MdlOpts.h"
#include "model/TextForms.h"

#include <cstdint>
#include <string>
#include <type_traits>

namespace PV {
namespace Data {

// The type code of each class that has accessors. Any other class has none, and
// using it with an accessor does not compile.
template <class T>
struct FunctorTypeOf;

#define PV_DATA_FUNCTOR_TYPE(Class, Code)                 \
  template <>                                             \
  struct FunctorTypeOf<Class> {                           \
    static constexpr Functor::Type value = Functor::Code; \
  }
PV_DATA_FUNCTOR_TYPE(Palvermontine, PALVERMONTINE);
PV_DATA_FUNCTOR_TYPE(DecisionModel, DECISIONMODEL);
PV_DATA_FUNCTOR_TYPE(Item, ITEM);
PV_DATA_FUNCTOR_TYPE(WtItem, WTITEM);
PV_DATA_FUNCTOR_TYPE(DecisionMaker, DECISIONMAKER);
PV_DATA_FUNCTOR_TYPE(Criterion, CRITERION);
PV_DATA_FUNCTOR_TYPE(Choice, CHOICE);
PV_DATA_FUNCTOR_TYPE(ModelParameters, MODELPARAMETERS);
PV_DATA_FUNCTOR_TYPE(Moderator, MODERATOR);
PV_DATA_FUNCTOR_TYPE(Score, SCORE);
PV_DATA_FUNCTOR_TYPE(Solution, SOLUTION);
PV_DATA_FUNCTOR_TYPE(ScaleFunctionValue, SCALEFUNCTIONVALUE);
PV_DATA_FUNCTOR_TYPE(Nod, NOD);
PV_DATA_FUNCTOR_TYPE(Nudge, NUDGE);
PV_DATA_FUNCTOR_TYPE(Wink, WINK);
PV_DATA_FUNCTOR_TYPE(DecisionModel::DecisionMakers, DECISIONMAKERS);
PV_DATA_FUNCTOR_TYPE(DecisionModel::Choices, CHOICES);
PV_DATA_FUNCTOR_TYPE(DecisionModel::Criteria, CRITERIA);
PV_DATA_FUNCTOR_TYPE(DecisionModel::Scores, SCORES);
PV_DATA_FUNCTOR_TYPE(SolutionsVec, SOLUTIONSVEC);
PV_DATA_FUNCTOR_TYPE(PalvermontineMdlOpts, PALVERMONTINEMDLOPTS);
PV_DATA_FUNCTOR_TYPE(ParmMdlOpts, PARMMDLOPTS);
PV_DATA_FUNCTOR_TYPE(PalvermontineAppOpts, PALVERMONTINEAPPOPTS);
PV_DATA_FUNCTOR_TYPE(IdAppOpts, IDAPPOPTS);
PV_DATA_FUNCTOR_TYPE(DefaultValuesAppOpts, DEFAULTVALUESAPPOPTS);
PV_DATA_FUNCTOR_TYPE(GuiAppOpts, GUIAPPOPTS);
PV_DATA_FUNCTOR_TYPE(CalcAppOpts, CALCAPPOPTS);
PV_DATA_FUNCTOR_TYPE(RptAppOpts, RPTAPPOPTS);
#undef PV_DATA_FUNCTOR_TYPE

// Whether an accessor may be applied to an object of the static class T: its own
// class, and the item classes for the accessors of Item and WtItem.
template <class T>
bool isA(const T* /*obj*/, const Functor* f) {
  PV_ASSERT(f != 0);
  const uint32_t code = f->type();
  if (code == static_cast<uint32_t>(FunctorTypeOf<T>::value)) return true;
  if (code == Functor::ITEM) return std::is_base_of<Item, T>::value;
  if (code == Functor::WTITEM) return std::is_base_of<WtItem, T>::value;
  return false;
}

template <class T>
class Transform : public Functor {
 public:
  using UShortSetter = void (T::*)(uint16_t);
  using UShortGetter = uint16_t (T::*)() const;
  using ULongSetter = void (T::*)(uint32_t);
  using ULongGetter = uint32_t (T::*)() const;
  using DoubleSetter = void (T::*)(double);
  using DoubleGetter = double (T::*)() const;
  using CStrSetter = void (T::*)(const char*);
  using CStrGetter = const char* (T::*)() const;
  using UCharSetter = void (T::*)(uint8_t);
  using UCharGetter = uint8_t (T::*)() const;
  using BoolSetter = void (T::*)(bool);
  using BoolGetter = bool (T::*)() const;
  using CharSetter = void (T::*)(int8_t);
  using CharGetter = int8_t (T::*)() const;
  using IdSetter = void (T::*)(const uint32_t*);
  using IdGetter = const uint32_t* (T::*)() const;
  using StrSetter = void (T::*)(const std::string&);
  using StrGetter = const std::string& (T::*)() const;

  // Element only: no field, only the type code.
  Transform() : Functor(FunctorTypeOf<T>::value) { setEmpty(); }

  Transform(UShortSetter s, UShortGetter g, Mode m) : Transform(m) {
    ushortsf_ = s;
    ushortgf_ = g;
  }
  Transform(ULongSetter s, ULongGetter g, Mode m) : Transform(m) {
    ulongsf_ = s;
    ulonggf_ = g;
  }
  Transform(UCharSetter s, UCharGetter g, Mode m) : Transform(m) {
    ucharsf_ = s;
    uchargf_ = g;
  }
  Transform(CharSetter s, CharGetter g, Mode m) : Transform(m) {
    charsf_ = s;
    chargf_ = g;
  }
  Transform(DoubleSetter s, DoubleGetter g) : Functor(FunctorTypeOf<T>::value) {
    dblsf_ = s;
    dblgf_ = g;
  }
  Transform(CStrSetter s, CStrGetter g) : Functor(FunctorTypeOf<T>::value) {
    cstrsf_ = s;
    cstrgf_ = g;
  }
  Transform(BoolSetter s, BoolGetter g) : Functor(FunctorTypeOf<T>::value) {
    boolsf_ = s;
    boolgf_ = g;
  }
  Transform(IdSetter s, IdGetter g) : Functor(FunctorTypeOf<T>::value) {
    ulongptrsf_ = s;
    ulongptrgf_ = g;
  }
  Transform(StrSetter s, StrGetter g) : Functor(FunctorTypeOf<T>::value) {
    strsf_ = s;
    strgf_ = g;
  }

  void clearPairs() {
    ushortsf_ = nullptr;
    ushortgf_ = nullptr;
    ulongsf_ = nullptr;
    ulonggf_ = nullptr;
    dblsf_ = nullptr;
    dblgf_ = nullptr;
    cstrsf_ = nullptr;
    cstrgf_ = nullptr;
    ucharsf_ = nullptr;
    uchargf_ = nullptr;
    boolsf_ = nullptr;
    boolgf_ = nullptr;
    charsf_ = nullptr;
    chargf_ = nullptr;
    ulongptrsf_ = nullptr;
    ulongptrgf_ = nullptr;
    strsf_ = nullptr;
    strgf_ = nullptr;
  }

  void toString(const void* obj, std::string& s) const override;
  void fromString(void* obj, const std::string& s) override;
  bool fromStringChecked(void* obj, const std::string& s, std::string& reason) override;

 private:
  explicit Transform(Mode m) : Functor(FunctorTypeOf<T>::value) { setMode(m); }

  static bool isPrintable(int c) { return c >= 0x20 && c <= 0x7E; }
  static bool isDigitChar(int c) { return c >= '0' && c <= '9'; }

  UShortSetter ushortsf_ = nullptr;
  UShortGetter ushortgf_ = nullptr;
  ULongSetter ulongsf_ = nullptr;
  ULongGetter ulonggf_ = nullptr;
  DoubleSetter dblsf_ = nullptr;
  DoubleGetter dblgf_ = nullptr;
  CStrSetter cstrsf_ = nullptr;
  CStrGetter cstrgf_ = nullptr;
  UCharSetter ucharsf_ = nullptr;
  UCharGetter uchargf_ = nullptr;
  BoolSetter boolsf_ = nullptr;
  BoolGetter boolgf_ = nullptr;
  CharSetter charsf_ = nullptr;
  CharGetter chargf_ = nullptr;
  IdSetter ulongptrsf_ = nullptr;
  IdGetter ulongptrgf_ = nullptr;
  StrSetter strsf_ = nullptr;
  StrGetter strgf_ = nullptr;
};

template <class T>
void Transform<T>::toString(const void* obj, std::string& s) const {
  PV_ASSERT(obj != 0);
  const T* object = static_cast<const T*>(obj);
  if (ushortgf_) {
    PV_ASSERT(ushortsf_ != 0);
    const int n = (object->*ushortgf_)();
    PV_ASSERT(0 <= n && n <= 9999);
    ushortToString(s, static_cast<uint16_t>(n));
  } else if (ulonggf_) {
    PV_ASSERT(ulongsf_ != 0);
    ulongToString(s, (object->*ulonggf_)(), mode() == HEXADECIMAL ? HEXADECIMAL : DECIMAL);
  } else if (dblgf_) {
    PV_ASSERT(dblsf_ != 0);
    doubleToString(s, (object->*dblgf_)(), PRECISION_1);
  } else if (cstrgf_) {
    PV_ASSERT(cstrsf_);
    const char* text = (object->*cstrgf_)();
    s = text ? text : "";
  } else if (strgf_) {
    PV_ASSERT(strsf_ != 0);
    s = (object->*strgf_)();
  } else if (boolgf_) {
    PV_ASSERT(boolsf_);
    s = (object->*boolgf_)() ? "true" : "false";
  } else if (uchargf_) {
    PV_ASSERT(ucharsf_);
    const int c = (object->*uchargf_)();
    if (mode() == CHARACTER) {
      PV_ASSERT(isPrintable(c));
      s.assign(1, static_cast<char>(c));
    } else if (mode() == DECIMAL) {
      PV_ASSERT(0 <= c && c <= 9);
      s.assign(1, static_cast<char>('0' + c));
    } else {
      s = TextForms::formatHex32(static_cast<uint32_t>(c), false, 1);
    }
  } else if (chargf_) {
    PV_ASSERT(charsf_);
    const int value = (object->*chargf_)();
    if (mode() == CHARACTER) {
      PV_ASSERT(isPrintable(value));
      s.assign(1, static_cast<char>(value));
    } else if (mode() == DECIMAL) {
      const int c = value + '0';
      PV_ASSERT(isDigitChar(c));
      s.assign(1, static_cast<char>(c));
    } else {
      // One digit, so that the one-character reading takes it back.
      PV_ASSERT(0 <= value && value <= 15);
      s = TextForms::formatHex32(static_cast<uint32_t>(value), false, 1);
    }
  } else if (ulongptrgf_) {
    PV_ASSERT(ulongptrsf_ != 0);
    const uint32_t* u = (object->*ulongptrgf_)();
    PV_ASSERT(u != 0);
    idToHexString(s, u, UPPER_HEX);
  } else {
    PV_ASSERT(!"No get member function pair was set");
  }
}

template <class T>
void Transform<T>::fromString(void* obj, const std::string& s) {
  PV_ASSERT(obj != 0);
  T* object = static_cast<T*>(obj);
  if (ushortsf_) {
    PV_ASSERT(ushortgf_);
    uint16_t n = 0;
    stringToUShort(s, n);
    PV_ASSERT(n <= 9999);
    (object->*ushortsf_)(n);
  } else if (ulongsf_) {
    PV_ASSERT(ulonggf_);
    uint32_t n = 0;
    stringToULong(s, n, mode());
    (object->*ulongsf_)(n);
  } else if (dblsf_) {
    PV_ASSERT(dblgf_);
    double d = 0.0;
    stringToDouble(s, d);
    (object->*dblsf_)(d);
  } else if (cstrsf_) {
    PV_ASSERT(cstrgf_);
    PV_ASSERT(!s.empty());
    (object->*cstrsf_)(s.c_str());
  } else if (ucharsf_) {
    PV_ASSERT(uchargf_);
    PV_ASSERT(!s.empty() && s.length() == 1);
    if (mode() == CHARACTER) {
      (object->*ucharsf_)(static_cast<uint8_t>(s[0]));
    } else if (mode() == DECIMAL) {
      (object->*ucharsf_)(static_cast<uint8_t>(s[0] - '0'));
    } else {
      PV_ASSERT(s.length() >= 1);
      const int err = TextForms::hexDigitValue(s[0]) < 0;
      PV_ASSERT(!err);
      (object->*ucharsf_)(static_cast<uint8_t>(TextForms::hexDigitValue(s[0])));
    }
  } else if (charsf_) {
    PV_ASSERT(chargf_);
    PV_ASSERT(!s.empty() && s.length() == 1);
    if (mode() == CHARACTER) {
      (object->*charsf_)(static_cast<int8_t>(s[0]));
    } else if (mode() == DECIMAL) {
      (object->*charsf_)(static_cast<int8_t>(s[0] - '0'));
    } else {
      PV_ASSERT(s.length() >= 1);
      const int err = TextForms::hexDigitValue(s[0]) < 0;
      PV_ASSERT(!err);
      (object->*charsf_)(static_cast<int8_t>(TextForms::hexDigitValue(s[0])));
    }
  } else if (strsf_) {
    PV_ASSERT(strgf_);
    PV_ASSERT(!s.empty());
    (object->*strsf_)(s);
  } else if (boolsf_) {
    PV_ASSERT(boolgf_);
    PV_ASSERT(s == "false" || s == "true");
    (object->*boolsf_)(s == "true");
  } else if (ulongptrsf_) {
    PV_ASSERT(ulongptrgf_);
    uint32_t id[2] = {0, 0};
    hexStringToId(s, id);
    (object->*ulongptrsf_)(id);
  } else {
    PV_ASSERT(!"No set member function pair was set");
  }
}

template <class T>
bool Transform<T>::fromStringChecked(void* obj, const std::string& s, std::string& reason) {
  PV_ASSERT(obj != 0);
  T* object = static_cast<T*>(obj);
  // The record's setter checks its limits; inside the scope a failed check comes
  // back as a LimitError before anything is stored.
  CheckedScope scope;
  try {
    if (ushortsf_) {
      uint16_t n = 0;
      if (!TextForms::parseUShort(s, n, reason)) return false;
      if (n > 9999) {
        reason = "above 9999";
        return false;
      }
      (object->*ushortsf_)(n);
    } else if (ulongsf_) {
      PV_ASSERT(mode() == DECIMAL || mode() == HEXADECIMAL);
      uint32_t n = 0;
      const bool ok =
          (mode() == DECIMAL) ? TextForms::parseDecimal32(s, n, reason) : TextForms::parseHex32(s, n, reason);
      if (!ok) return false;
      if (n == 0 && s != "0") {
        reason = "zero is written \"0\"";
        return false;
      }
      (object->*ulongsf_)(n);
    } else if (dblsf_) {
      double d = 0.0;
      if (!TextForms::parseDouble(s, d, reason)) return false;
      // Files keep one decimal: the record holds what its own file will give back
      // (the confidence settings decide the number of pairs).
      (object->*dblsf_)(TextForms::roundedToOneDecimal(d));
    } else if (cstrsf_) {
      if (s.empty()) {
        reason = "empty text";
        return false;
      }
      (object->*cstrsf_)(s.c_str());
    } else if (ucharsf_ || charsf_) {
      if (s.length() != 1) {
        reason = "not one character";
        return false;
      }
      const char c = s[0];
      int value = 0;
      if (mode() == CHARACTER) {
        if (!isPrintable(static_cast<unsigned char>(c))) {
          reason = "not a printable character";
          return false;
        }
        value = static_cast<unsigned char>(c);
      } else if (mode() == DECIMAL) {
        if (!isDigitChar(c)) {
          reason = "not a decimal digit";
          return false;
        }
        value = c - '0';
      } else {
        value = TextForms::hexDigitValue(c);
        if (value < 0) {
          reason = "not a hexadecimal digit";
          return false;
        }
      }
      if (ucharsf_) {
        (object->*ucharsf_)(static_cast<uint8_t>(value));
      } else {
        (object->*charsf_)(static_cast<int8_t>(value));
      }
    } else if (strsf_) {
      if (s.empty()) {
        reason = "empty text";
        return false;
      }
      (object->*strsf_)(s);
    } else if (boolsf_) {
      bool b = false;
      if (!TextForms::parseBool(s, b, reason)) return false;
      (object->*boolsf_)(b);
    } else if (ulongptrsf_) {
      uint32_t id[2] = {0, 0};
      if (!TextForms::parseId(s, id, reason)) return false;
      (object->*ulongptrsf_)(id);
    } else {
      PV_ASSERT(!"No set member function pair was set");
    }
  } catch (const LimitError& e) {
    reason = "outside its limits (" + e.expression() + ")";
    return false;
  }
  return true;
}

}  // namespace Data
}  // namespace PV

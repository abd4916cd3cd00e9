// The records a decision model holds beside its three lists: the parameters, the
// score blocks, the scale-function values, the ranking, the moderator and the three
// lists of one-text records. Value types like the list items: setters check their
// limits before storing, checking getters test the stored value again.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace PV {
namespace Data {

class ModelParameters {
 public:
  void set_note(const std::string& note);
  const std::string& get_note() const { return note_; }

  // A word stored with the model (attribute "crc"); set to 1 before every save.
  void set_crc(uint32_t crc) { crc_ = crc; }
  uint32_t get_crc() const { return crc_; }

  // Dimension of the preference scale: a pair is scored with a strength of 1 to sil.
  void set_sil(int8_t sil);
  int8_t get_sil() const;

  // Confidence level in percent, above 0 and at most 100.
  void set_cfl(double cfl);
  double get_cfl() const;

  // Confidence interval in percent, 0 to 50.
  void set_cfi(double cfi);
  double get_cfi() const;

  // Two further settings that only the demonstration model sets; neither is stored
  // in the model file nor read by the mathematics.
  void set_tqbww(double tqbww);
  double get_tqbww() const;
  void set_dbt(double dbt);
  double get_dbt() const;

  // Compares the stored fields (note, crc, sil, cfl, cfi), so that an edit of the
  // parameters alone counts as a change of the model. tqbww and dbt are not stored
  // with the model and take no part.
  bool operator==(const ModelParameters& rhs) const;
  bool operator!=(const ModelParameters& rhs) const { return !(*this == rhs); }

 private:
  std::string note_;
  uint32_t crc_ = 0;
  int8_t sil_ = 0;
  double cfl_ = 0.0;
  double cfi_ = 0.0;
  double tqbww_ = 0.0;
  double dbt_ = 0.0;
};

// The score block of one criterion: 8 hexadecimal digits of the criterion number,
// 8 of its seed, then one score character per pair for each decision maker.
class Score {
 public:
  void set_value(const std::string& value);
  const std::string& get_value() const { return value_; }

  bool operator==(const Score& rhs) const { return value_ == rhs.value_; }
  bool operator!=(const Score& rhs) const { return !(*this == rhs); }

 private:
  std::string value_;
};

// Three kinds of one-text records that a model holds, copies and compares.
class Nudge {
 public:
  void set_value(const std::string& value) { value_ = value; }
  const std::string& get_value() const { return value_; }
  bool operator==(const Nudge& rhs) const { return value_ == rhs.value_; }
  bool operator!=(const Nudge& rhs) const { return !(*this == rhs); }

 private:
  std::string value_;
};

class Nod {
 public:
  void set_value(const std::string& value) { value_ = value; }
  const std::string& get_value() const { return value_; }
  bool operator==(const Nod& rhs) const { return value_ == rhs.value_; }
  bool operator!=(const Nod& rhs) const { return !(*this == rhs); }

 private:
  std::string value_;
};

class Wink {
 public:
  void set_value(const std::string& value) { value_ = value; }
  const std::string& get_value() const { return value_; }
  bool operator==(const Wink& rhs) const { return value_ == rhs.value_; }
  bool operator!=(const Wink& rhs) const { return !(*this == rhs); }

 private:
  std::string value_;
};

class ScaleFunctionValue {
 public:
  void set_y(double y) { y_ = y; }
  double get_y() const { return y_; }
  bool operator==(const ScaleFunctionValue& rhs) const { return y_ == rhs.y_; }
  bool operator!=(const ScaleFunctionValue& rhs) const { return !(*this == rhs); }

 private:
  double y_ = 0.0;
};

// One ranked choice.
class Solution {
 public:
  void set_note(const std::string& note);
  const std::string& get_note() const { return note_; }

  // The choice ranked (its unique id).
  void set_ch(uint32_t ch);
  uint32_t get_ch() const;

  // Percentage rank, 0 to 100.
  void set_pctrank(double pctrank);
  double get_pctrank() const;

  // Ranks compare at one decimal, as they are written: 33.34 equals 33.26 (33.3).
  bool operator==(const Solution& rhs) const;
  bool operator!=(const Solution& rhs) const { return !(*this == rhs); }

 private:
  std::string note_;
  uint32_t ch_ = 0;
  double pctrank_ = 0.0;
};

// True when two percentage ranks give the same text at one decimal.
bool equalAtOneDecimal(double a, double b);

// The ranking of the choices, in ranking order, with its note, the time it was
// computed and the out-of-date flag (attribute "dirty" in the model file).
class SolutionsVec : public std::vector<Solution> {
 public:
  SolutionsVec() = default;
  SolutionsVec(const SolutionsVec&) = default;
  // Copies the note, time and flag, then the ranking, and checks that the copy
  // equals its source entry by entry.
  SolutionsVec& operator=(const SolutionsVec& rhs);

  void set_note(const std::string& note);
  const std::string& get_note() const { return note_; }

  void set_timestamp(const std::string& timestamp);
  const std::string& get_timestamp() const { return timestamp_; }

  void set_flag(bool flag) { flag_ = flag; }
  bool get_flag() const { return flag_; }

  bool operator==(const SolutionsVec& rhs) const;
  bool operator!=(const SolutionsVec& rhs) const { return !(*this == rhs); }

 private:
  std::string note_;
  std::string timestamp_;
  bool flag_ = false;
};

class Moderator {
 public:
  void set_note(const std::string& note);
  const std::string& get_note() const { return note_; }
  void set_nm(const std::string& nm);
  const std::string& get_nm() const { return nm_; }
  void set_email(const std::string& email);
  const std::string& get_email() const { return email_; }

  bool operator==(const Moderator& rhs) const;
  bool operator!=(const Moderator& rhs) const { return !(*this == rhs); }

 private:
  std::string note_;
  std::string nm_;
  std::string email_;
};

}  // namespace Data
}  // namespace PV

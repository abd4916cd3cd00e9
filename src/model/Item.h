// The entries of a decision model's three lists: choices, criteria and decision
// makers. Plain value types, copied member by member and compared field by field;
// setters check their limits before they store (never truncating), and the checking
// getters test the stored value again.
#pragma once

#include <cstdint>
#include <string>

namespace PV {
namespace Data {

class Item {
 public:
  Item() = default;

  void set_note(const std::string& note);
  const std::string& get_note() const { return note_; }

  void set_active(bool active) { active_ = active; }
  bool get_active() const { return active_; }

  void set_nm(const std::string& nm);
  const std::string& get_nm() const { return nm_; }

  // Row number of the item in its list, from 1.
  void set_row(uint8_t row);
  uint8_t get_row() const;

  // Unique id; the mathematics and the reconciler match items by it.
  void set_uid(uint32_t uid);
  uint32_t get_uid() const;

  bool operator==(const Item& rhs) const;
  bool operator!=(const Item& rhs) const { return !(*this == rhs); }

 private:
  std::string note_;
  bool active_ = true;
  std::string nm_;
  uint8_t row_ = 0;
  uint32_t uid_ = 0;
};

class WtItem : public Item {
 public:
  // Weight, 0 to 9999; the mathematics scales a list's weights to a sum of 100.
  void set_wt(uint16_t wt);
  uint16_t get_wt() const;

  bool operator==(const WtItem& rhs) const;
  bool operator!=(const WtItem& rhs) const { return !(*this == rhs); }

 private:
  uint16_t wt_ = 0;
};

class Criterion : public WtItem {
 public:
  // The criterion is commensurable.
  void set_meas(bool meas) { meas_ = meas; }
  bool get_meas() const { return meas_; }

  bool operator==(const Criterion& rhs) const;
  bool operator!=(const Criterion& rhs) const { return !(*this == rhs); }

 private:
  bool meas_ = true;
};

class DecisionMaker : public WtItem {
 public:
  void set_email(const std::string& email);
  const std::string& get_email() const { return email_; }

  bool operator==(const DecisionMaker& rhs) const;
  bool operator!=(const DecisionMaker& rhs) const { return !(*this == rhs); }

 private:
  std::string email_;
};

class Choice : public Item {
 public:
  bool operator==(const Choice& rhs) const { return Item::operator==(rhs); }
  bool operator!=(const Choice& rhs) const { return !(*this == rhs); }
};

}  // namespace Data
}  // namespace PV

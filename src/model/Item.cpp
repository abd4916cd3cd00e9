#include "model/Item.h"

#include "model/LimitCheck.h"
#include "model/Limits.h"

namespace PV {
namespace Data {

void Item::set_note(const std::string& note) {
  PV_LIMIT_ASSERT(note.length() <= PV_DATA_NOTES_MAX_BYTES);
  PV_TEXT_ASSERT(note);
  note_ = note;
}

void Item::set_nm(const std::string& nm) {
  PV_LIMIT_ASSERT(nm.length() <= PV_DATA_NM_MAX_BYTES);
  PV_TEXT_ASSERT(nm);
  nm_ = nm;
}

void Item::set_row(uint8_t row) {
  PV_LIMIT_ASSERT(row > 0);
  row_ = row;
}

uint8_t Item::get_row() const {
  PV_ASSERT(row_ > 0);
  return row_;
}

void Item::set_uid(uint32_t uid) {
  PV_LIMIT_ASSERT(uid > 0);
  uid_ = uid;
}

uint32_t Item::get_uid() const {
  PV_ASSERT(uid_ > 0);
  return uid_;
}

bool Item::operator==(const Item& rhs) const {
  return note_ == rhs.note_ && active_ == rhs.active_ && nm_ == rhs.nm_ && row_ == rhs.row_ && uid_ == rhs.uid_;
}

void WtItem::set_wt(uint16_t wt) {
  PV_LIMIT_ASSERT(wt <= 9999);
  wt_ = wt;
}

uint16_t WtItem::get_wt() const {
  PV_ASSERT(wt_ <= 9999);
  return wt_;
}

bool WtItem::operator==(const WtItem& rhs) const { return wt_ == rhs.wt_ && Item::operator==(rhs); }

bool Criterion::operator==(const Criterion& rhs) const { return meas_ == rhs.meas_ && WtItem::operator==(rhs); }

void DecisionMaker::set_email(const std::string& email) {
  PV_LIMIT_ASSERT(email.length() <= PV_DATA_EMAIL_ADDR_MAX_BYTES);
  PV_TEXT_ASSERT(email);
  email_ = email;
}

bool DecisionMaker::operator==(const DecisionMaker& rhs) const {
  return email_ == rhs.email_ && WtItem::operator==(rhs);
}

}  // namespace Data
}  // namespace PV

#include "model/ModelRecords.h"

#include "model/LimitCheck.h"
#include "model/Limits.h"
#include "model/TextForms.h"

namespace PV {
namespace Data {

void ModelParameters::set_note(const std::string& note) {
  PV_LIMIT_ASSERT(note.length() <= PV_DATA_NOTES_MAX_BYTES);
  PV_TEXT_ASSERT(note);
  note_ = note;
}

void ModelParameters::set_sil(int8_t sil) {
  PV_LIMIT_ASSERT(sil >= 1 && sil <= 5);
  sil_ = sil;
}

int8_t ModelParameters::get_sil() const {
  PV_ASSERT(sil_ >= 1 && sil_ <= 5);
  return sil_;
}

void ModelParameters::set_cfl(double cfl) {
  PV_LIMIT_ASSERT(cfl > 0.0 && cfl <= 100.0);
  cfl_ = cfl;
}

double ModelParameters::get_cfl() const {
  PV_ASSERT(cfl_ > 0.0 && cfl_ <= 100.0);
  return cfl_;
}

void ModelParameters::set_cfi(double cfi) {
  PV_LIMIT_ASSERT(cfi >= 0.0 && cfi <= 50.0);
  cfi_ = cfi;
}

double ModelParameters::get_cfi() const {
  PV_ASSERT(cfi_ >= 0.0 && cfi_ <= 50.0);
  return cfi_;
}

void ModelParameters::set_tqbww(double tqbww) {
  PV_LIMIT_ASSERT(tqbww >= 0.0 && tqbww <= 11.0);
  tqbww_ = tqbww;
}

double ModelParameters::get_tqbww() const {
  PV_ASSERT(tqbww_ >= 0.0 && tqbww_ <= 11.0);
  return tqbww_;
}

void ModelParameters::set_dbt(double dbt) {
  PV_LIMIT_ASSERT(dbt >= 0.0 && dbt <= 20.0);
  dbt_ = dbt;
}

double ModelParameters::get_dbt() const {
  PV_ASSERT(dbt_ >= 0.0 && dbt_ <= 20.0);
  return dbt_;
}

bool ModelParameters::operator==(const ModelParameters& rhs) const {
  return note_ == rhs.note_ && crc_ == rhs.crc_ && sil_ == rhs.sil_ && cfl_ == rhs.cfl_ && cfi_ == rhs.cfi_;
}

void Score::set_value(const std::string& value) {
  PV_LIMIT_ASSERT(value.length() <= PV_DATA_SCORE_MAX_BYTES);
  value_ = value;
}

void Solution::set_note(const std::string& note) {
  PV_LIMIT_ASSERT(note.length() <= PV_DATA_NOTES_MAX_BYTES);
  PV_TEXT_ASSERT(note);
  note_ = note;
}

void Solution::set_ch(uint32_t ch) {
  PV_LIMIT_ASSERT(ch > 0);
  ch_ = ch;
}

uint32_t Solution::get_ch() const {
  PV_ASSERT(ch_ > 0);
  return ch_;
}

void Solution::set_pctrank(double pctrank) {
  PV_LIMIT_ASSERT(pctrank >= 0.0 && pctrank <= 100.0);
  pctrank_ = pctrank;
}

double Solution::get_pctrank() const {
  PV_ASSERT(pctrank_ >= 0.0 && pctrank_ <= 100.0);
  return pctrank_;
}

bool equalAtOneDecimal(double a, double b) {
  // Both ranks are written with one decimal and read back; the values read back
  // compare exactly (so -0.0 and 0.0 are equal, as are 50.04 and 49.96).
  return TextForms::readDouble(TextForms::formatDouble1(a)) == TextForms::readDouble(TextForms::formatDouble1(b));
}

bool Solution::operator==(const Solution& rhs) const {
  return note_ == rhs.note_ && ch_ == rhs.ch_ && equalAtOneDecimal(pctrank_, rhs.pctrank_);
}

void SolutionsVec::set_note(const std::string& note) {
  PV_LIMIT_ASSERT(note.length() <= PV_DATA_NOTES_MAX_BYTES);
  PV_TEXT_ASSERT(note);
  note_ = note;
}

void SolutionsVec::set_timestamp(const std::string& timestamp) {
  PV_LIMIT_ASSERT(timestamp.length() <= PV_DATA_TIMESTAMP_MAX_BYTES);
  PV_TEXT_ASSERT(timestamp);
  timestamp_ = timestamp;
}

SolutionsVec& SolutionsVec::operator=(const SolutionsVec& rhs) {
  if (this == &rhs) return *this;
  note_ = rhs.note_;
  timestamp_ = rhs.timestamp_;
  flag_ = rhs.flag_;
  if (empty() && rhs.empty()) return *this;
  std::vector<Solution>::operator=(rhs);
  PV_ASSERT(size() == rhs.size());
  for (std::size_t k = 0; k < size(); ++k) PV_ASSERT((*this)[k] == rhs[k] && "This can't be -- just assigned it");
  return *this;
}

bool SolutionsVec::operator==(const SolutionsVec& rhs) const {
  const std::vector<Solution>& lhsRows = *this;
  const std::vector<Solution>& rhsRows = rhs;
  return note_ == rhs.note_ && timestamp_ == rhs.timestamp_ && flag_ == rhs.flag_ && lhsRows == rhsRows;
}

void Moderator::set_note(const std::string& note) {
  PV_LIMIT_ASSERT(note.length() <= PV_DATA_NOTES_MAX_BYTES);
  PV_TEXT_ASSERT(note);
  note_ = note;
}

void Moderator::set_nm(const std::string& nm) {
  PV_LIMIT_ASSERT(nm.length() <= PV_DATA_NM_MAX_BYTES);
  PV_TEXT_ASSERT(nm);
  nm_ = nm;
}

void Moderator::set_email(const std::string& email) {
  PV_LIMIT_ASSERT(email.length() <= PV_DATA_EMAIL_ADDR_MAX_BYTES);
  PV_TEXT_ASSERT(email);
  email_ = email;
}

bool Moderator::operator==(const Moderator& rhs) const {
  return note_ == rhs.note_ && nm_ == rhs.nm_ && email_ == rhs.email_;
}

}  // namespace Data
}  // namespace PV

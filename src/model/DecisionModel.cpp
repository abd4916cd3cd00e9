#include "model/DecisionModel.h"

#include "model/LimitCheck.h"
#include "model/Limits.h"

namespace PV {
namespace Data {

void DecisionModel::set_note(const std::string& note) {
  PV_LIMIT_ASSERT(note.length() <= PV_DATA_NOTES_MAX_BYTES);
  PV_TEXT_ASSERT(note);
  note_ = note;
}

void DecisionModel::set_id(const uint32_t* id) {
  PV_ASSERT(id != nullptr);
  id_[0] = id[0];
  id_[1] = id[1];
}

void DecisionModel::set_nm(const std::string& nm) {
  PV_LIMIT_ASSERT(nm.length() <= PV_DATA_NM_MAX_BYTES);
  PV_TEXT_ASSERT(nm);
  nm_ = nm;
}

void DecisionModel::set_mode(const std::string& mode) {
  PV_LIMIT_ASSERT(mode.compare("std") == 0 || mode.compare("collaborator") == 0 || mode.compare("moderator") == 0);
  mode_ = mode;
}

const std::string& DecisionModel::get_mode() const {
  PV_ASSERT(mode_.compare("std") == 0 || mode_.compare("collaborator") == 0 || mode_.compare("moderator") == 0);
  return mode_;
}

void DecisionModel::set_crtime(const std::string& crtime) {
  PV_LIMIT_ASSERT(crtime.length() <= PV_DATA_TIMESTAMP_MAX_BYTES);
  PV_TEXT_ASSERT(crtime);
  crtime_ = crtime;
}

void DecisionModel::set_modtime(const std::string& modtime) {
  PV_LIMIT_ASSERT(modtime.length() <= PV_DATA_TIMESTAMP_MAX_BYTES);
  PV_TEXT_ASSERT(modtime);
  modtime_ = modtime;
}

void DecisionModel::set_dataver(uint32_t dataver) {
  PV_LIMIT_ASSERT(dataver > 0);
  dataver_ = dataver;
}

uint32_t DecisionModel::get_dataver() const {
  PV_ASSERT(dataver_ > 0);
  return dataver_;
}

bool DecisionModel::operator==(const DecisionModel& rhs) const {
  // The file path takes no part: a model written to another file is unchanged.
  return id_[0] == rhs.id_[0] && id_[1] == rhs.id_[1] && nm_ == rhs.nm_ && mode_ == rhs.mode_ &&
         crtime_ == rhs.crtime_ && modtime_ == rhs.modtime_ && dataver_ == rhs.dataver_ && note_ == rhs.note_ &&
         params_ == rhs.params_ && dms_ == rhs.dms_ && crs_ == rhs.crs_ && chs_ == rhs.chs_ && ss_ == rhs.ss_ &&
         sfvs_ == rhs.sfvs_ && slns_ == rhs.slns_ && moderator_ == rhs.moderator_ && ne_ == rhs.ne_ && nd_ == rhs.nd_ &&
         wk_ == rhs.wk_;
}

void Palvermontine::set_appver(double appver) {
  PV_LIMIT_ASSERT(appver > 0.0 && appver <= 20.0);
  appver_ = appver;
}

double Palvermontine::get_appver() const {
  PV_ASSERT(appver_ > 0.0 && appver_ <= 20.0);
  return appver_;
}

bool Palvermontine::operator==(const Palvermontine& rhs) const {
  return appver_ == rhs.appver_ && model_ == rhs.model_;
}

}  // namespace Data
}  // namespace PV

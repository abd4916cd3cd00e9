// One decision model in memory, and the root record of a model file.
#pragma once

#include "model/Item.h"
#include "model/ModelRecords.h"

#include <cstdint>
#include <string>
#include <vector>

namespace PV {
namespace Data {

class DecisionModel {
 public:
  using DecisionMakers = std::vector<DecisionMaker>;
  using Criteria = std::vector<Criterion>;
  using Choices = std::vector<Choice>;
  using Scores = std::vector<Score>;
  using ScaleFunctionValues = std::vector<ScaleFunctionValue>;
  using Solutions = SolutionsVec;
  using Nudges = std::vector<Nudge>;
  using Nods = std::vector<Nod>;
  using Winks = std::vector<Wink>;

  // Getters give references: the lists, the score blocks and the ranking are
  // changed in place by the editors and the mathematics. Texts with a limit are
  // given read-only and change through their checking setters.
  void set_note(const std::string& note);
  const std::string& get_note() const { return note_; }

  void set_params(const ModelParameters& params) { params_ = params; }
  ModelParameters& get_params() { return params_; }
  const ModelParameters& get_params() const { return params_; }

  void set_dms(const DecisionMakers& dms) { dms_ = dms; }
  DecisionMakers& get_dms() { return dms_; }
  const DecisionMakers& get_dms() const { return dms_; }

  void set_crs(const Criteria& crs) { crs_ = crs; }
  Criteria& get_crs() { return crs_; }
  const Criteria& get_crs() const { return crs_; }

  void set_chs(const Choices& chs) { chs_ = chs; }
  Choices& get_chs() { return chs_; }
  const Choices& get_chs() const { return chs_; }

  void set_ss(const Scores& ss) { ss_ = ss; }
  Scores& get_ss() { return ss_; }
  const Scores& get_ss() const { return ss_; }

  void set_sfvs(const ScaleFunctionValues& sfvs) { sfvs_ = sfvs; }
  ScaleFunctionValues& get_sfvs() { return sfvs_; }
  const ScaleFunctionValues& get_sfvs() const { return sfvs_; }

  void set_slns(const Solutions& slns) { slns_ = slns; }
  Solutions& get_slns() { return slns_; }
  const Solutions& get_slns() const { return slns_; }

  void set_moderator(const Moderator& moderator) { moderator_ = moderator; }
  Moderator& get_moderator() { return moderator_; }
  const Moderator& get_moderator() const { return moderator_; }

  void set_ne(const Nudges& ne) { ne_ = ne; }
  Nudges& get_ne() { return ne_; }
  const Nudges& get_ne() const { return ne_; }

  void set_nd(const Nods& nd) { nd_ = nd; }
  Nods& get_nd() { return nd_; }
  const Nods& get_nd() const { return nd_; }

  void set_wk(const Winks& wk) { wk_ = wk; }
  Winks& get_wk() { return wk_; }
  const Winks& get_wk() const { return wk_; }

  // The model id: two 32-bit words, word 0 first (its text is 16 hexadecimal
  // digits in that order). set_id copies the two words the pointer gives.
  void set_id(const uint32_t* id);
  const uint32_t* get_id() const { return id_; }

  void set_nm(const std::string& nm);
  const std::string& get_nm() const { return nm_; }

  // "std", "collaborator" or "moderator", exactly.
  void set_mode(const std::string& mode);
  const std::string& get_mode() const;

  // The file the model was last read from or written to; takes no part in equality.
  void set_filepath(const std::string& filepath) { filepath_ = filepath; }
  const std::string& get_filepath() const { return filepath_; }

  void set_crtime(const std::string& crtime);
  const std::string& get_crtime() const { return crtime_; }

  void set_modtime(const std::string& modtime);
  const std::string& get_modtime() const { return modtime_; }

  void set_dataver(uint32_t dataver);
  uint32_t get_dataver() const;

  bool operator==(const DecisionModel& rhs) const;
  bool operator!=(const DecisionModel& rhs) const { return !(*this == rhs); }

 private:
  std::string note_;
  ModelParameters params_;
  DecisionMakers dms_;
  Criteria crs_;
  Choices chs_;
  Scores ss_;
  ScaleFunctionValues sfvs_;
  Solutions slns_;
  Moderator moderator_;
  Nudges ne_;
  Nods nd_;
  Winks wk_;
  uint32_t id_[2] = {0, 0};
  std::string nm_;
  std::string mode_ = "std";
  std::string filepath_;
  std::string crtime_;
  std::string modtime_;
  uint32_t dataver_ = 0;
};

// The root of a model file: the model and the version of the program that wrote it.
class Palvermontine {
 public:
  DecisionModel& get_model() { return model_; }
  const DecisionModel& get_model() const { return model_; }

  void set_appver(double appver);
  double get_appver() const;

  bool operator==(const Palvermontine& rhs) const;
  bool operator!=(const Palvermontine& rhs) const { return !(*this == rhs); }

 private:
  DecisionModel model_;
  double appver_ = 0.0;
};

}  // namespace Data
}  // namespace PV

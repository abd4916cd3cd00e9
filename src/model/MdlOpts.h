// The default parameters for new decision models, with the owner and mode, the
// times and the version of the options. Plain value classes; ranges and the mode
// are checked by the setters and again by the getters (a freshly constructed record
// holds cfl, sil and appver outside their ranges until the options file fills it).
#pragma once

#include "model/OptionsStamp.h"

#include <cstdint>
#include <string>

namespace PV {
namespace Data {

class ParmMdlOpts {
 public:
  void set_note(const std::string& v) { note_ = v; }
  const std::string& get_note() const { return note_; }
  void set_owner(const std::string& v) { owner_ = v; }
  const std::string& get_owner() const { return owner_; }

  // "std", "collaborator" or "moderator", exactly.
  void set_mode(const std::string& mode);
  const std::string& get_mode() const;

  // The ranges of a decision model's parameters.
  void set_cfl(double cfl);
  double get_cfl() const;
  void set_cfi(double cfi);
  double get_cfi() const;
  void set_sil(uint8_t sil);
  uint8_t get_sil() const;

 private:
  std::string note_;
  std::string owner_;
  std::string mode_ = "std";
  double cfl_ = 0.0;
  double cfi_ = 0.0;
  uint8_t sil_ = 0;
};

// The times and the version come with the stamp.
class PalvermontineMdlOpts : public OptionsStamp {
 public:
  ParmMdlOpts& get_parmMdlOpts() { return parmMdlOpts_; }
  const ParmMdlOpts& get_parmMdlOpts() const { return parmMdlOpts_; }
  void set_parmMdlOpts(const ParmMdlOpts& v) { parmMdlOpts_ = v; }

 private:
  ParmMdlOpts parmMdlOpts_;
};

}  // namespace Data
}  // namespace PV

// What each options record says about itself: the version of its options format and
// when it was made and last changed (local time texts, "%Y-%m-%dT%H:%M:%S"). The
// application options and the model options both start with it.
#pragma once

#include <string>

namespace PV {
namespace Data {

class OptionsStamp {
 public:
  void set_crtime(const std::string& v) { crtime_ = v; }
  const std::string& get_crtime() const { return crtime_; }
  void set_modtime(const std::string& v) { modtime_ = v; }
  const std::string& get_modtime() const { return modtime_; }

  // Above 0.0, at most 20.0 (a fresh record holds 0.0 until its file fills it).
  void set_appver(double appver);
  double get_appver() const;

 private:
  std::string crtime_;
  std::string modtime_;
  double appver_ = 0.0;
};

}  // namespace Data
}  // namespace PV

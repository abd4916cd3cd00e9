#include "model/MdlOpts.h"

#include "model/LimitCheck.h"

namespace PV {
namespace Data {

void ParmMdlOpts::set_mode(const std::string& mode) {
  PV_LIMIT_ASSERT(mode == "std" || mode == "collaborator" || mode == "moderator");
  mode_ = mode;
}

const std::string& ParmMdlOpts::get_mode() const {
  PV_ASSERT(mode_ == "std" || mode_ == "collaborator" || mode_ == "moderator");
  return mode_;
}

void ParmMdlOpts::set_cfl(double cfl) {
  PV_LIMIT_ASSERT(cfl > 0.0 && cfl <= 100.0);
  cfl_ = cfl;
}

double ParmMdlOpts::get_cfl() const {
  PV_ASSERT(cfl_ > 0.0 && cfl_ <= 100.0);
  return cfl_;
}

void ParmMdlOpts::set_cfi(double cfi) {
  PV_LIMIT_ASSERT(cfi >= 0.0 && cfi <= 50.0);
  cfi_ = cfi;
}

double ParmMdlOpts::get_cfi() const {
  PV_ASSERT(cfi_ >= 0.0 && cfi_ <= 50.0);
  return cfi_;
}

void ParmMdlOpts::set_sil(uint8_t sil) {
  PV_LIMIT_ASSERT(sil > 0 && sil <= 5);
  sil_ = sil;
}

uint8_t ParmMdlOpts::get_sil() const {
  PV_ASSERT(sil_ > 0 && sil_ <= 5);
  return sil_;
}

}  // namespace Data
}  // namespace PV

#include "model/OptionsStamp.h"

#include "model/LimitCheck.h"

namespace PV {
namespace Data {

void OptionsStamp::set_appver(double appver) {
  PV_LIMIT_ASSERT(appver > 0.0 && appver <= 20.0);
  appver_ = appver;
}

double OptionsStamp::get_appver() const {
  PV_ASSERT(appver_ > 0.0 && appver_ <= 20.0);
  return appver_;
}

}  // namespace Data
}  // namespace PV

#include "model/AboutInfo.h"

#include "model/SystemInfo.h"

namespace PV {
namespace Util {

PalvermontineAboutInfo::PalvermontineAboutInfo()
    : notImplemented_("Not Implemented"),
      description_(
          "Multi-criteria decision modelling: paired preferences, weighted criteria, "
          "weighted decision makers, group ranking"),
      webAddress_("https://palvermontine.example"),
      buildTime_("01:54:57"),
      buildDate_("Jan 10 2010"),
      company_("Palvermontine"),
      companyLine_("Palvermontine decision software"),
      rights_("All rights reserved."),
      publisher_("Published by Palvermontine"),
      support_("support@palvermontine.example"),
      version_("4.1"),
      contact_("Contact: support@palvermontine.example") {
  userName_ = logonUserName();
  if (userName_.empty()) userName_ = "Not Defined";
  const WindowsOSVersion os;
  osName_ = os.name();
  osVersion_ = os.versionNumbers() + " " + os.servicePack();
  buildYear_ = buildDate_.substr(buildDate_.size() - 4);
}

}  // namespace Util
}  // namespace PV

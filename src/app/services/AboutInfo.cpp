#include "app/services/AboutInfo.h"

#include "app/services/SystemInfo.h"

namespace PV {
namespace Util {

namespace {

// The compiler's date of this build, "Dec 11 2026"; the compiler pads a day below 10
// with a blank, written here as a 0 so that the text keeps its form ("Jan 05 2026").
std::string compileDate() {
  std::string date = __DATE__;
  if (date.size() > 4 && date[4] == ' ') date[4] = '0';
  return date;
}

}  // namespace

PalvermontineAboutInfo::PalvermontineAboutInfo()
    : notImplemented_("Not Implemented"),
      description_(
          "Multi-criteria decision modelling: paired preferences, weighted criteria, "
          "weighted decision makers, group ranking"),
      webAddress_("https://palvermontine.example"),
      buildTime_(__TIME__),
      buildDate_(compileDate()),
      company_("Palvermontine"),
      companyLine_("Palvermontine decision software"),
      rights_("All rights reserved."),
      publisher_("Published by Palvermontine"),
      support_("support@palvermontine.example"),
      version_("4.1"),
      contact_("Contact: support@palvermontine.example") {
  const WindowsOSVersion os;
  osName_ = os.name();
  osVersion_ = os.versionNumbers() + " " + os.servicePack();
  buildYear_ = buildDate_.substr(buildDate_.size() - 4);
}

const std::string& PalvermontineAboutInfo::get_userName() const {
  if (!userNameKnown_) {
    userName_ = logonUserName();
    if (userName_.empty()) userName_ = "Not Defined";
    userNameKnown_ = true;
  }
  return userName_;
}

PV::Report::AboutTexts aboutTextsFrom(const PV::Util::PalvermontineAboutInfo& aboutInfo) {
  PV::Report::AboutTexts texts;
  texts.userName = aboutInfo.get_userName();
  texts.version = aboutInfo.get_version();
  texts.buildDate = aboutInfo.get_buildDate();
  texts.buildTime = aboutInfo.get_buildTime();
  texts.osName = aboutInfo.get_osName();
  texts.osVersion = aboutInfo.get_osVersion();
  texts.description = aboutInfo.get_description();
  texts.webAddress = aboutInfo.get_webAddress();
  texts.publisher = aboutInfo.get_publisher();
  texts.copyright = aboutInfo.get_copyright();
  return texts;
}

}  // namespace Util
}  // namespace PV

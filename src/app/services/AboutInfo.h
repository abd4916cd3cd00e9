// The program's identity (version, build, operating system) and the user's name,
// shown by the about box and the report and kept as one instance.
#pragma once

#include "model/Singleton.h"
#include "report/ReportInputs.h"

#include <string>

namespace PV {
namespace Util {

class PalvermontineAboutInfo : public PV::Data::Singleton<PalvermontineAboutInfo> {
 public:
  PalvermontineAboutInfo();

  const std::string& get_notImplemented() const { return notImplemented_; }
  const std::string& get_description() const { return description_; }
  // The logged-on account's name, or "Not Defined", found when first asked for (the
  // system's answer comes from a library that a batch run otherwise never loads); the
  // application-options file replaces it with the options' owner.
  const std::string& get_userName() const;
  void set_userName(const std::string& userName) {
    userName_ = userName;
    userNameKnown_ = true;
  }
  const std::string& get_webAddress() const { return webAddress_; }
  // When the program was built: the compiler's time ("hh:mm:ss") and date ("Dec 11 2026").
  const std::string& get_buildTime() const { return buildTime_; }
  const std::string& get_buildDate() const { return buildDate_; }
  const std::string& get_osName() const { return osName_; }
  // The version numbers, a blank and the service-pack text.
  const std::string& get_osVersion() const { return osVersion_; }
  const std::string& get_company() const { return company_; }
  const std::string& get_companyLine() const { return companyLine_; }
  const std::string& get_rights() const { return rights_; }
  // The copyright text the report prints: the rights line.
  const std::string& get_copyright() const { return rights_; }
  const std::string& get_publisher() const { return publisher_; }
  const std::string& get_support() const { return support_; }
  const std::string& get_version() const { return version_; }
  const std::string& get_contact() const { return contact_; }
  const std::string& get_buildYear() const { return buildYear_; }

 private:
  std::string notImplemented_;
  std::string description_;
  mutable std::string userName_;
  mutable bool userNameKnown_ = false;
  std::string webAddress_;
  std::string buildTime_;
  std::string buildDate_;
  std::string osName_;
  std::string osVersion_;
  std::string company_;
  std::string companyLine_;
  std::string rights_;
  std::string publisher_;
  std::string support_;
  std::string version_;
  std::string contact_;
  std::string buildYear_;
};

// The about texts the report prints, from the program's about information.
PV::Report::AboutTexts aboutTextsFrom(const PalvermontineAboutInfo& aboutInfo);

}  // namespace Util
}  // namespace PV

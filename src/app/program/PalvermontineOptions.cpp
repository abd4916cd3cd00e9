#include "app/program/PalvermontineOptions.h"

#include <vector>

namespace PV {
namespace Util {

namespace {
std::vector<OptionsSpec> programOptions() {
  static const struct {
    const char* name;
    OptionsSpec::Type type;
  } table[] = {
      {"-pdf_suppress_scores", OptionsSpec::UNARY},
      {"-pdf_append_timestamp", OptionsSpec::UNARY},
      {"-tc_portrait", OptionsSpec::UNARY},
      {"-tc_landscape", OptionsSpec::UNARY},
      {"-console", OptionsSpec::UNARY},
      {"-gui", OptionsSpec::UNARY},
      {"-solve", OptionsSpec::UNARY},
      {"-launch_pdf", OptionsSpec::UNARY},
      {"-restore", OptionsSpec::UNARY},
      {"-no_restore", OptionsSpec::UNARY},
      {"-help", OptionsSpec::UNARY},
      {"-pdf_mfn", OptionsSpec::UNARY},
      {"-tbdm1", OptionsSpec::UNARY},
      {"-tbdm2", OptionsSpec::UNARY},
      {"-tbnoexit", OptionsSpec::UNARY},
      {"-tbexitb", OptionsSpec::UNARY},
      {"-tbexitp", OptionsSpec::UNARY},
      {"-mkdm", OptionsSpec::UNARY},
      {"-path", OptionsSpec::UNARY},
      {"-input", OptionsSpec::BINARY},
      {"-output", OptionsSpec::BINARY},
      {"-pdf", OptionsSpec::BINARY},
      {"-testapp", OptionsSpec::UNARY},
      {"-fullscreen", OptionsSpec::UNARY},
  };
  std::vector<OptionsSpec> specs;
  for (const auto& row : table) {
    OptionsSpec spec;
    spec.type = row.type;
    spec.name = row.name;
    specs.push_back(spec);
  }
  return specs;
}
}  // namespace

PalvermontineOptions::PalvermontineOptions(const char* commandLine)
    : Options(programOptions(), commandLine), guiDefault_(1) {}

PalvermontineOptions::PalvermontineOptions(int argc, const char* const* argv)
    : Options(programOptions(), argc, argv), guiDefault_(0) {}

int32_t PalvermontineOptions::isGuiMode() {
  if (isPresent("-gui")) {
    guiDefault_ = 1;
  } else if (isPresent("-console")) {
    guiDefault_ = 0;
  }
  return guiDefault_;
}

bool PalvermontineOptions::binary(const char* name, std::string& s) const {
  if (!isPresent(name)) return false;
  s = argument(name);
  return true;
}

bool PalvermontineOptions::getFileName(std::string& s) const {
  if (leadingFileName().empty()) return false;
  s = leadingFileName();
  return true;
}

bool PalvermontineOptions::getHelpText(std::string& s) const {
  if (!isHelp()) return false;
  s = usageText();
  return true;
}

const char* PalvermontineOptions::usageText() {
  return "Usage: Append Unary arguments since always follows filename or other arguments -> "
         "[-input inputfile.xpv]|[-output outputfile.xpv]|[-pdf file.pdf]|[-solve|-console|-gui|"
         "-help|-path|-tbdm1|-tddm2|-tbexitp|-tbexitb|-tbnoexit|-tc_portrait|-tc_landscape|"
         "-pdf_suppress_scores|-pdf_append_timestamp][-mkdm]";
}

}  // namespace Util
}  // namespace PV

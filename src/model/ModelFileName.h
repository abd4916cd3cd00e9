// The model file's name: what names a model file (the program's Open, Save As, the
// default model of the options, a dropped file, the batch run's input), the filter
// of the Open and Save forms, and a name given without the extension. One rule, so
// that no name is accepted in one place and refused in another.
#pragma once

#include <string>

namespace PV {
namespace Data {

// The model file's extension, in the letter case the program writes it.
inline constexpr char kModelExtension[] = ".xpv";

// The Open and Save forms' filter: a description and its pattern, then the end.
inline constexpr const char* kModelFileFilter[] = {"Palvermontine XML Model Files (*.xpv)", "*.xpv", nullptr};

// True when the name's last part (after the last '/' or '\') ends in the model
// extension, in any letter case, with a name before it: "plan.xpv" and "PLAN.XPV" do,
// "plan.xpv.bak", "plan.xpvx" and ".xpv" do not.
bool isModelFileName(const std::string& path);

// The name as it stands when it is a model file's name, else with the extension added
// (as Save As adds it to a name typed without one).
std::string withModelExtension(const std::string& name);

// The name without the model extension at its end (unchanged without one): the stem
// from which a file of another kind beside the model is named.
std::string withoutModelExtension(const std::string& name);

}  // namespace Data
}  // namespace PV

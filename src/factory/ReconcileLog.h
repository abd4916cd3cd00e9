// The reconcile log: the account the reconciler gives of each reconcile of a model,
// appended to a plain-text file named after the model in the current folder (line
// feeds as the report has them, the file opened in binary mode). A log that cannot
// be written never stops an edit: the caller gets the reason as text.
#pragma once

#include <string>

namespace PV {
namespace Data {

// The log file of a model: its name with ".log", made safe as a file name in the
// current folder (no folder parts, no characters a file name cannot hold, no device
// names).
std::string reconcileLogFileName(const std::string& modelName);

// Appends a report to the model's log; "" when it was written in full, else "The
// reconcile report <file> could not be opened" or "... written", with the system's
// reason.
std::string appendReconcileLog(const std::string& modelName, const std::string& report);

}  // namespace Data
}  // namespace PV

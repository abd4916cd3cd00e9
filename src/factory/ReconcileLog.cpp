#include "factory/ReconcileLog.h"

#include "foundation/FileNames.h"
#include "model/FileUtils.h"

#include <cerrno>
#include <cstring>
#include <cstdio>

namespace PV {
namespace Data {

namespace {

std::string failure(const std::string& file, const char* what, int err) {
  const char* reason = err != 0 ? std::strerror(err) : nullptr;
  return "The reconcile report " + file + " could not be " + what +
         (reason && *reason ? std::string(": ") + reason : std::string());
}

}  // namespace

std::string reconcileLogFileName(const std::string& modelName) { return PV::Util::safeFileName(modelName, ".log"); }

std::string appendReconcileLog(const std::string& modelName, const std::string& report) {
  const std::string file = reconcileLogFileName(modelName);
  // A log this append creates and cannot fill is removed again: an empty or partial
  // file would look like a log that holds the reconcile.
  const bool existed = Files::exists(file);
  errno = 0;
  std::FILE* out = Files::open(file, "ab");
  if (!out) return failure(file, "opened", errno);
  errno = 0;
  bool ok = std::fwrite(report.data(), 1, report.size(), out) == report.size();
  int why = ok ? 0 : errno;
  errno = 0;
  if (std::fflush(out) != 0 && ok) {
    ok = false;
    why = errno;
  }
  errno = 0;
  if (std::fclose(out) != 0 && ok) {
    ok = false;
    why = errno;
  }
  if (ok) return std::string();
  if (!existed) Files::remove(file);
  return failure(file, "written", why);
}

}  // namespace Data
}  // namespace PV

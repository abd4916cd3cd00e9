#include "factory/ReconcileLog.h"

#include "model/FileUtils.h"

#include <cerrno>
#include <cstring>
#include <fstream>

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
  errno = 0;
  std::ofstream out(file, std::ios::out | std::ios::app | std::ios::binary);
  if (!out.is_open()) return failure(file, "opened", errno);
  errno = 0;
  out.write(report.data(), static_cast<std::streamsize>(report.size()));
  out.flush();
  if (!out) return failure(file, "written", errno);
  errno = 0;
  out.close();
  if (out.fail()) return failure(file, "written", errno);
  return std::string();
}

}  // namespace Data
}  // namespace PV

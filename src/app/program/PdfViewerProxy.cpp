#include "app/program/PdfViewerProxy.h"

#include "app/dialogs/GuiUtils.h"
#include "foundation/FileNames.h"

#include <shellapi.h>

#include <cstdio>

namespace PV {
namespace Util {

namespace {
constexpr const char* kAcrobatDocClass = "AcroExch.Document";
}

bool readRegistryString(HKEY root, const char* subkey, const char* valueName, std::string& text) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  char buffer[MAX_PATH + 1] = {};
  DWORD size = MAX_PATH;
  DWORD type = 0;
  const LONG rc = RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
  buffer[size < MAX_PATH ? size : MAX_PATH] = '\0';
  // An empty value names no program: the same as no value.
  if (buffer[0] == '\0') return false;
  text = buffer;
  return true;
}

PdfReaderCommandOptions::PdfReaderCommandOptions() {
  if (readRegistryString(HKEY_CLASSES_ROOT, ".pdf", nullptr, assocPdfReader_)) {
    defaultReaderExists_ = true;
    acrobatIsDefault_ = assocPdfReader_ == kAcrobatDocClass;
  }
  if (readRegistryString(HKEY_CLASSES_ROOT, "Software\\Adobe\\Acrobat\\Exe", nullptr, acrobatExe_)) {
    acrobatReaderExists_ = true;
    acrobatExePath_ = commandPathFolder(acrobatExe_);
    if (acrobatIsDefault_ || !defaultReaderExists_) useAcrobatReader_ = true;
  }
  if (!defaultReaderExists_ && !acrobatReaderExists_) {
    fail("Neither a default .pdf Reader or Acrobat Reader is installed");
  }
}

void PdfReaderCommandOptions::fail(const std::string& text) {
  error_ = true;
  errorMessage_ = text;
}

bool PdfReaderCommandOptions::getError(std::string& text) const {
  text = errorMessage_;
  return error_;
}

int PdfReaderCommandOptions::launch(ViewerCommand command, const std::string& file) {
  // A proxy that failed keeps its first error: printing or opening after a failed
  // probe would only fail again with a less useful text.
  if (error_) return 0;
  if (file.empty()) {
    fail("Internal Error: pdf Filename is empty");
    return 0;
  }
  std::FILE* f = Files::open(file, "rb");
  if (!f) {
    fail("pdf File: " + Files::nativeSeparators(file) + " does not exist, check directory");
    return 0;
  }
  std::fclose(f);
  lastCall_ = viewerShellCall(command, file, useAcrobatReader_, acrobatExe_);
  const std::string target = useAcrobatReader_ ? lastCall_.target : "\"" + lastCall_.target + "\"";
  // A viewer that is registered but shows nothing is a failure as much as none.
  const std::string why = GUI::showThroughShell(lastCall_.verb, target, lastCall_.parameters, lastCall_.directory);
  if (!why.empty()) {
    fail(why);
    return 0;
  }
  return 1;
}

int PdfViewerProxy::run(const std::string& file) {
  switch (mode_) {
    case 0:
      return 1;
    case 1:
      return open(file);
    case 2:
      return print(file);
    case 3:
      return printHidden(file);
    default:
      return 0;
  }
}

}  // namespace Util
}  // namespace PV

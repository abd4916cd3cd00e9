#include "framework/periphery/zMail.h"

#include <cstring>
#include <string>
#include <vector>

#include "framework/core/zProgram.h"

zMail::zMail() : zMail("mapi32.dll") {}

zMail::zMail(const char* libraryName) : library_(nullptr), logonFlags_(MAPI_LOGON_UI), available_(0), entries_{} {
  load(libraryName);
}

zMail::zMail(const EntryPoints& entries)
    : library_(nullptr), logonFlags_(MAPI_LOGON_UI), available_(0), entries_(entries) {
  available_ = entries_.logon && entries_.sendMail ? 1 : 0;
}

zMail::~zMail() {
  if (library_) FreeLibrary(library_);
}

void zMail::load(const char* libraryName) {
  library_ = libraryName ? LoadLibraryA(libraryName) : nullptr;
  if (!library_) return;
  entries_.logon = reinterpret_cast<LPMAPILOGON>(reinterpret_cast<void*>(GetProcAddress(library_, "MAPILogon")));
  entries_.sendMail =
      reinterpret_cast<LPMAPISENDMAIL>(reinterpret_cast<void*>(GetProcAddress(library_, "MAPISendMail")));
  entries_.logoff = reinterpret_cast<LPMAPILOGOFF>(reinterpret_cast<void*>(GetProcAddress(library_, "MAPILogoff")));
  available_ = entries_.logon && entries_.sendMail ? 1 : 0;
}

uint32_t zMail::send(const char* noteText, const char* attachmentPath) {
  return sendTo(noteText, attachmentPath, nullptr, 0);
}

uint32_t zMail::sendTo(const char* noteText, const char* attachmentPath, const char* const* addresses, uint32_t count) {
  if (!available_) return notSupported;

  LHANDLE session = 0;
  ULONG result = entries_.logon(0, nullptr, nullptr, logonFlags_, 0, &session);
  if (result != SUCCESS_SUCCESS) {
    logonFlags_ = MAPI_LOGON_UI | MAPI_NEW_SESSION;
    session = 0;
    result = entries_.logon(0, nullptr, nullptr, logonFlags_, 0, &session);
  }
  if (result != SUCCESS_SUCCESS) return logonFailure;

  // MAPI takes non-const strings; it reads them only.
  std::string note = noteText ? noteText : "";
  std::string path = attachmentPath ? attachmentPath : "";

  MapiFileDesc file;
  std::memset(&file, 0, sizeof file);
  file.nPosition = static_cast<ULONG>(-1);
  file.lpszPathName = &path[0];

  std::vector<std::string> names;
  std::vector<std::string> mailAddresses;
  names.reserve(count);
  mailAddresses.reserve(count);
  for (uint32_t i = 0; addresses && i < count; ++i) {
    const std::string address = addresses[i] ? addresses[i] : "";
    names.push_back(address);
    mailAddresses.push_back(address.find(':') == std::string::npos ? "SMTP:" + address : address);
  }
  std::vector<MapiRecipDesc> recipients(names.size());
  for (size_t i = 0; i < recipients.size(); ++i) {
    std::memset(&recipients[i], 0, sizeof recipients[i]);
    recipients[i].ulRecipClass = MAPI_TO;
    recipients[i].lpszName = &names[i][0];
    recipients[i].lpszAddress = &mailAddresses[i][0];
  }

  MapiMessage message;
  std::memset(&message, 0, sizeof message);
  message.lpszNoteText = &note[0];
  if (!path.empty()) {
    message.nFileCount = 1;
    message.lpFiles = &file;
  }
  if (!recipients.empty()) {
    message.nRecipCount = static_cast<ULONG>(recipients.size());
    message.lpRecips = recipients.data();
  }

  // The session that the logon opened carries the message and is closed after it, so
  // that sending does not leave a session open each time.
  result = entries_.sendMail(session, 0, &message, MAPI_DIALOG, 0);
  if (entries_.logoff) entries_.logoff(session, 0, 0, 0);
  return result;
}

// The application object's mail, made at its first use: the application object itself
// names no mail service.
zMail& zProgram::mail() {
  if (!mail_) {
    mail_ = new zMail;
    releaseMail_ = [](zMail* mail) { delete mail; };
  }
  return *mail_;
}

uint32_t zProgram::mailSend(const char* noteText, const char* attachmentPath) {
  return mail().send(noteText, attachmentPath);
}

uint32_t zProgram::mailSendTo(const char* noteText, const char* attachmentPath, const char* const* addresses,
                              uint32_t count) {
  return mail().sendTo(noteText, attachmentPath, addresses, count);
}

uint32_t zProgram::mailAvailable() { return mail().isAvailable(); }

// Sending a message through the system's simple MAPI. The mail library is loaded at run
// time, so the program runs where none is installed: sending is then unavailable.
//
// Failure: sending answers a MAPI result, and 0 (SUCCESS_SUCCESS) only when the mail
// library said it sent. Unavailable mail answers notSupported and a logon that failed
// twice answers logonFailure, so nothing that was not sent reads as sent. Sending opens
// the mail program's own dialog, in which the user completes and sends the message.
#pragma once

#include <cstdint>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <mapi.h>

class zMail {
 public:
  // MAPI results that sending gives without the mail library's send.
  static constexpr uint32_t logonFailure = MAPI_E_LOGON_FAILURE;  // 3
  static constexpr uint32_t notSupported = MAPI_E_NOT_SUPPORTED;  // 26

  // The entry points that sending calls; logoff may be null.
  struct EntryPoints {
    LPMAPILOGON logon;
    LPMAPISENDMAIL sendMail;
    LPMAPILOGOFF logoff;
  };

  // Loads the system's mail library ("mapi32.dll"); mail is available when it and both
  // MAPILogon and MAPISendMail are found.
  zMail();
  // Loads the named library instead (a name that cannot be loaded leaves mail unavailable).
  explicit zMail(const char* libraryName);
  // Sends through the given entry points, with no library: for callers that bring their
  // own mail service. Available when logon and sendMail are both set.
  explicit zMail(const EntryPoints& entries);
  zMail(const zMail&) = delete;
  zMail& operator=(const zMail&) = delete;
  ~zMail();

  uint32_t isAvailable() const { return available_; }
  // The logon flags of the next send: MAPI_LOGON_UI at first; MAPI_LOGON_UI |
  // MAPI_NEW_SESSION once a logon has failed.
  uint32_t logonFlags() const { return logonFlags_; }

  // Logs on (once more with a new session when the first logon fails) and hands the
  // message, with the file at attachmentPath attached when the path is not empty, to the
  // mail program's dialog. Returns MAPISendMail's result, logonFailure or notSupported.
  uint32_t send(const char* noteText, const char* attachmentPath);
  // The same, addressed to each of the count addresses (as "SMTP:" addresses unless the
  // address names its own type, as in "FAX:...").
  uint32_t sendTo(const char* noteText, const char* attachmentPath, const char* const* addresses = nullptr,
                  uint32_t count = 0);

 private:
  void load(const char* libraryName);

  HMODULE library_;
  uint32_t logonFlags_;
  uint32_t available_;
  EntryPoints entries_;
};

// Sending mail through the system's mail service. This is the least the application object
// needs: a service that reports itself unavailable and refuses to send. The MAPI client
// replaces the bodies.
#pragma once

#include <cstdint>

class zMail {
 public:
  // MAPI's "not supported" result: what sending answers while mail is unavailable.
  static constexpr uint32_t notSupported = 26;

  zMail() : available_(0) {}
  zMail(const zMail&) = delete;
  zMail& operator=(const zMail&) = delete;
  ~zMail() = default;

  uint32_t isAvailable() const { return available_; }
  // Never reports success without sending: unavailable mail answers notSupported.
  uint32_t send(const char* noteText, const char* attachmentPath);
  uint32_t sendTo(const char* noteText, const char* attachmentPath);

 private:
  uint32_t available_;
};

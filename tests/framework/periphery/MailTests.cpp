// Mail: the unavailable path with the mail library disabled for this process, and what
// sending does with a mail service's answers, through entry points of the test's own (no
// case sends mail).
#include "framework/periphery/zMail.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PeripheryTestSupport.h"

namespace {

struct FakeMapi {
  std::vector<ULONG> logonFlags;
  ULONG logonResults[2] = {SUCCESS_SUCCESS, SUCCESS_SUCCESS};
  ULONG sendResult = SUCCESS_SUCCESS;
  int sends = 0;
  int logoffs = 0;
  LHANDLE sendSession = 0;
  LHANDLE logoffSession = 0;
  ULONG sendFlags = 0;
  std::string note;
  std::vector<std::string> files;
  std::vector<std::string> recipients;
};
FakeMapi fake;

ULONG WINAPI fakeLogon(ULONG_PTR, LPSTR, LPSTR, FLAGS flags, ULONG, LPLHANDLE session) {
  const size_t n = fake.logonFlags.size();
  fake.logonFlags.push_back(flags);
  const ULONG result = fake.logonResults[n < 2 ? n : 1];
  *session = result == SUCCESS_SUCCESS ? 40 + n : 0;
  return result;
}

ULONG WINAPI fakeSendMail(LHANDLE session, ULONG_PTR, lpMapiMessage message, FLAGS flags, ULONG) {
  ++fake.sends;
  fake.sendSession = session;
  fake.sendFlags = flags;
  fake.note = message->lpszNoteText ? message->lpszNoteText : "";
  for (ULONG i = 0; i < message->nFileCount; ++i) fake.files.push_back(message->lpFiles[i].lpszPathName);
  for (ULONG i = 0; i < message->nRecipCount; ++i)
    fake.recipients.push_back(std::string(message->lpRecips[i].lpszAddress) + "|" +
                              std::to_string(message->lpRecips[i].ulRecipClass));
  return fake.sendResult;
}

ULONG WINAPI fakeLogoff(LHANDLE session, ULONG_PTR, FLAGS, ULONG) {
  ++fake.logoffs;
  fake.logoffSession = session;
  return SUCCESS_SUCCESS;
}

zMail::EntryPoints fakeEntries() { return {&fakeLogon, &fakeSendMail, &fakeLogoff}; }

class Mail : public PeripheryTest {
 protected:
  void SetUp() override {
    PeripheryTest::SetUp();
    fake = FakeMapi();
  }
};

TEST_F(Mail, DisabledLibraryMakesMailUnavailableAndSendingRefuses) {
  // The test run disables mapi32 for this process (WINEDLLOVERRIDES), as a machine
  // without a mail library would be.
  ASSERT_EQ(GetModuleHandleA("mapi32.dll"), nullptr);
  zMail system;
  EXPECT_EQ(system.isAvailable(), 0u);
  EXPECT_EQ(system.send("note", "C:\\report.pdf"), zMail::notSupported);
  const char* to[] = {"a@example.org"};
  EXPECT_EQ(system.sendTo("note", "", to, 1), zMail::notSupported);
  EXPECT_NE(zMail::notSupported, static_cast<uint32_t>(SUCCESS_SUCCESS));

  zMail missing("pv-no-such-mail-library.dll");
  EXPECT_EQ(missing.isAvailable(), 0u);
  EXPECT_EQ(missing.send("note", nullptr), zMail::notSupported);

  // The application object's mail is the system's, and so unavailable too.
  EXPECT_EQ(app_->mailAvailable(), 0u);
  EXPECT_NE(app_->mailSend("note", nullptr), static_cast<uint32_t>(SUCCESS_SUCCESS));

  // A service without its send entry is no service.
  zMail halfOnly(zMail::EntryPoints{&fakeLogon, nullptr, nullptr});
  EXPECT_EQ(halfOnly.isAvailable(), 0u);
  EXPECT_EQ(halfOnly.send("note", nullptr), zMail::notSupported);
  EXPECT_TRUE(fake.logonFlags.empty());
}

TEST_F(Mail, FailedLogonIsReportedAndNothingIsSent) {
  fake.logonResults[0] = MAPI_E_LOGON_FAILURE;
  fake.logonResults[1] = MAPI_E_USER_ABORT;
  zMail mail(fakeEntries());
  ASSERT_EQ(mail.isAvailable(), 1u);
  EXPECT_EQ(mail.logonFlags(), static_cast<uint32_t>(MAPI_LOGON_UI));
  EXPECT_EQ(mail.send("note", "C:\\report.pdf"), zMail::logonFailure);
  EXPECT_EQ(fake.sends, 0);
  ASSERT_EQ(fake.logonFlags.size(), 2u);
  EXPECT_EQ(fake.logonFlags[0], static_cast<ULONG>(MAPI_LOGON_UI));
  EXPECT_EQ(fake.logonFlags[1], static_cast<ULONG>(MAPI_LOGON_UI | MAPI_NEW_SESSION));
  EXPECT_EQ(mail.logonFlags(), static_cast<uint32_t>(MAPI_LOGON_UI | MAPI_NEW_SESSION));
}

TEST_F(Mail, SendHandsTheMessageToTheMailDialogAndPassesItsAnswerOn) {
  struct Case {
    const char* path;
    ULONG logonFirst;
    ULONG sendResult;
    size_t files;
    LHANDLE session;
  };
  const Case cases[] = {
      {"C:\\reports\\model.pdf", SUCCESS_SUCCESS, SUCCESS_SUCCESS, 1, 40},
      {"", SUCCESS_SUCCESS, MAPI_E_USER_ABORT, 0, 40},   // the user closed the dialog
      {nullptr, MAPI_E_FAILURE, MAPI_E_FAILURE, 0, 41},  // second logon, new session
  };
  for (const Case& c : cases) {
    fake = FakeMapi();
    fake.logonResults[0] = c.logonFirst;
    fake.sendResult = c.sendResult;
    zMail mail(fakeEntries());
    EXPECT_EQ(mail.send("See the report.", c.path), c.sendResult) << (c.path ? c.path : "null");
    EXPECT_EQ(fake.sends, 1);
    EXPECT_EQ(fake.sendFlags, static_cast<ULONG>(MAPI_DIALOG));
    EXPECT_EQ(fake.note, "See the report.");
    ASSERT_EQ(fake.files.size(), c.files);
    if (c.files) {
      EXPECT_EQ(fake.files[0], c.path);
    }
    // The message goes in the session that the logon opened, which is closed after it.
    EXPECT_EQ(fake.sendSession, c.session);
    EXPECT_EQ(fake.logoffs, 1);
    EXPECT_EQ(fake.logoffSession, c.session);
  }
}

TEST_F(Mail, SendToAddressesEachRecipient) {
  zMail mail(fakeEntries());
  const char* to[] = {"ann@example.org", "FAX:+41 1 234"};
  EXPECT_EQ(mail.sendTo("note", "", to, 2), static_cast<uint32_t>(SUCCESS_SUCCESS));
  ASSERT_EQ(fake.recipients.size(), 2u);
  EXPECT_EQ(fake.recipients[0], "SMTP:ann@example.org|1");
  EXPECT_EQ(fake.recipients[1], "FAX:+41 1 234|1");
}

}  // namespace

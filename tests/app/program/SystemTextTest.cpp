#include "app/program/SystemText.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

namespace PV {
namespace App {
namespace {

// "é" typed on screen is two UTF-8 bytes in the model and "é" again on screen.
TEST(SystemText, AccentRoundTripsThroughUtf8) {
  const std::string utf8 = "Caf\xc3\xa9";
#ifdef _WIN32
  if (GetACP() != 1252) GTEST_SKIP() << "code page " << GetACP();
  const std::string screen = "Caf\xe9";
#else
  const std::string screen = utf8;
#endif
  EXPECT_EQ(SystemToUtf8(screen), utf8);
  EXPECT_EQ(Utf8ToSystem(utf8), screen);
  EXPECT_EQ(SystemToUtf8("plain"), "plain");
  EXPECT_EQ(Utf8ToSystem(""), "");
#ifdef _WIN32
  // A character the code page lacks is marked, not dropped with the rest of the text.
  EXPECT_EQ(Utf8ToSystem("a\xe2\x82\xac\xe4\xb8\xad"
                         "b")
                .back(),
            'b');
#endif
}

}  // namespace
}  // namespace App
}  // namespace PV

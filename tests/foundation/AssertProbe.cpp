// A program whose only job is to fail an assertion. Built as a GUI-subsystem program
// on Windows: the failure must end it with the message on standard error, without a
// message box waiting for a click.
#include "foundation/Assert.h"

int main(int argc, char**) {
  PV_ASSERT(argc == 0);
  return 0;
}

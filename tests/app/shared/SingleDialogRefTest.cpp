#include "app/shared/SingleDialogRef.h"

#include <gtest/gtest.h>

#include <memory>

namespace PV {
namespace GUI {
namespace {

struct Editor : SingleDialogRef<Editor> {
  void* handle() const { return nullptr; }
};

TEST(SingleDialogRef, OneInstanceFromConstructionToDestruction) {
  EXPECT_EQ(SingleDialogRef<Editor>::open(), nullptr);  // none open: nothing happens
  EXPECT_EQ(SingleDialogRef<Editor>::count(), 0);
  auto editor = std::make_unique<Editor>();
  EXPECT_EQ(SingleDialogRef<Editor>::instance(), editor.get());
  EXPECT_EQ(SingleDialogRef<Editor>::open(), editor.get());
  EXPECT_EQ(SingleDialogRef<Editor>::count(), 1);
  editor.reset();
  EXPECT_EQ(SingleDialogRef<Editor>::instance(), nullptr);  // the next command makes a new one
  EXPECT_EQ(SingleDialogRef<Editor>::count(), 0);
}

}  // namespace
}  // namespace GUI
}  // namespace PV

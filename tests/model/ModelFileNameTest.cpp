// The model file's name: one rule for every place that takes one.
#include "model/ModelFileName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ModelFileName, OnlyANameEndingInTheExtensionAfterAStemIsAModelFile) {
  struct Case {
    const char* name;
    bool model;
  } cases[] = {
      {"plan.xpv", true},
      {"PLAN.XPV", true},
      {"C:\\My Models\\plan.Xpv", true},
      {"a/b.c/plan.xpv", true},
      {"x.xpv", true},
      {"plan.xpv.bak", false},
      {"plan.xpvx", false},
      {"plan.xp", false},
      {"plan", false},
      {".xpv", false},
      {"C:\\models\\.xpv", false},
      {"dir.xpv/", false},
      {"", false},
      {"xpv", false},
      {"plan.pdf", false},
  };
  for (const Case& c : cases) EXPECT_EQ(PV::Data::isModelFileName(c.name), c.model) << '"' << c.name << '"';
}

TEST(ModelFileName, ANameGainsOrLosesTheExtensionOnce) {
  struct Case {
    const char* name;
    const char* with;
    const char* without;
  } cases[] = {
      {"plan", "plan.xpv", "plan"},
      {"plan.xpv", "plan.xpv", "plan"},
      {"Plan.XPV", "Plan.XPV", "Plan"},
      {"plan.xpv.bak", "plan.xpv.bak.xpv", "plan.xpv.bak"},
      {"C:\\m\\plan.xpv", "C:\\m\\plan.xpv", "C:\\m\\plan"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PV::Data::withModelExtension(c.name), c.with) << c.name;
    EXPECT_EQ(PV::Data::withoutModelExtension(c.name), c.without) << c.name;
  }
  // The filter offers the files the rule takes.
  EXPECT_EQ(std::string(PV::Data::kModelFileFilter[1]), std::string("*") + PV::Data::kModelExtension);
  EXPECT_EQ(PV::Data::kModelFileFilter[2], nullptr);
}

}  // namespace

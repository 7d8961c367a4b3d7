// Access to the drawings written by Jw_cad that sit beside the checkout.
#pragma once

#include <filesystem>
#include <optional>

namespace sw::test {

// ../shared/fixtures/jww, or nullopt when the folder is absent.
std::optional<std::filesystem::path> FixtureDir();

}  // namespace sw::test

// Skips the current test with a message when the fixtures are absent.
#define SW_REQUIRE_FIXTURES(dirVar)                                              \
  auto dirVar##Opt = ::sw::test::FixtureDir();                                   \
  if (!dirVar##Opt) GTEST_SKIP() << "no fixtures folder at " SW_SHARED_DIR;      \
  const std::filesystem::path dirVar = *dirVar##Opt

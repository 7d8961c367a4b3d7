// The streamed JSON of the layout command is the same text as the whole
// document printed at once: nested containers, empty ones, keys that need
// escaping, whole and fractional numbers.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "cli/JsonOutput.h"

namespace sw::cli {
namespace {

std::string Captured(const std::function<void(std::FILE*)>& write) {
  std::FILE* f = std::tmpfile();
  write(f);
  std::fflush(f);
  std::rewind(f);
  std::string text;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) text.append(buf, n);
  std::fclose(f);
  return text;
}

TEST(JsonStream, WritesWhatPrintJsonWrites) {
  Json whole;
  whole["name \"quoted\""] = "図面";
  whole["empty"] = Json::array();
  whole["nested"] = Json::array();
  whole["nested"].push_back(Json{{"a", 1.0}, {"b", 2.5}, {"c", Json::array({true, false})}});
  whole["nested"].push_back(Json::object());
  whole["last"] = -3;

  const std::string streamed = Captured([](std::FILE* f) {
    JsonStream out(f);
    out.BeginObject();
    out.Put("name \"quoted\"", "図面");
    out.BeginArray("empty");
    out.End();
    out.BeginArray("nested");
    out.BeginObject();
    out.Put("a", 1.0);
    out.Put("b", 2.5);
    out.Put("c", Json::array({true, false}));
    out.End();
    out.BeginObject();
    out.End();
    out.End();
    out.Put("last", -3);
    out.End();
  });
  const std::string printed = Captured([&](std::FILE* f) { PrintJson(whole, f); });
  EXPECT_EQ(streamed, printed);
}

}  // namespace
}  // namespace sw::cli

#include "core/Result.h"

namespace sw {

std::string Describe(const Error& e) {
  if (e.offset < 0) return e.message;
  return "byte " + std::to_string(e.offset) + ": " + e.message;
}

}  // namespace sw

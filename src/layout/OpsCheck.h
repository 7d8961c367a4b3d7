// Index checks shared by the document operations.
#pragma once

#include <cstdint>
#include <string>

#include "core/Result.h"

namespace sw {

// Ok when `index` lies in first..last, else "<what> <index> is not
// <first>..<last>".
inline Status CheckIndex(const char* what, std::int32_t index, std::int32_t first, std::int32_t last) {
  if (index >= first && index <= last) return Status::Ok();
  if (first > last) return MakeError(std::string("there is no ") + what + " " + std::to_string(index));
  return MakeError(std::string(what) + " " + std::to_string(index) + " is not " + std::to_string(first) + ".." +
                   std::to_string(last));
}

}  // namespace sw

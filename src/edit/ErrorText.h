// The detail line under a Japanese message box: an error of the readers and
// writers (whose own text is English, as the command-line tool prints it)
// said in Japanese, with its byte offset.
#pragma once

#include <string>

#include "core/Result.h"

namespace sw {

// "N バイト目: " and the Japanese form of the error's text; an error this
// table does not know keeps its English text after a Japanese lead, so that
// nothing of what went wrong is lost.
std::string DescribeJa(const Error& e);

}  // namespace sw

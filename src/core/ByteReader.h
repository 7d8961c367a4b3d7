// Little-endian reader over an in-memory buffer.
//
// Every read checks the bounds. A read past the end does not advance, returns
// zero (or an empty value) and records the first error with the byte offset
// where the failed read began; later reads then fail too. Callers check
// failed() at the points where they need to stop.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "core/Result.h"

namespace sw {

static_assert(std::endian::native == std::endian::little,
              "the readers and writers copy doubles in host order");

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

  std::size_t offset() const { return pos_; }
  std::size_t size() const { return data_.size(); }
  std::size_t remaining() const { return data_.size() - pos_; }
  bool atEnd() const { return pos_ >= data_.size(); }
  bool failed() const { return failed_; }
  const Error& error() const { return error_; }

  // Records an error at `offset` (the current offset by default) unless one
  // is already recorded; all further reads fail.
  void fail(std::string message) { failAt(pos_, std::move(message)); }
  void failAt(std::size_t offset, std::string message);

  std::uint8_t u8() {
    std::uint8_t v = 0;
    raw(&v, 1);
    return v;
  }
  std::uint16_t u16() {
    std::uint8_t b[2] = {0, 0};
    raw(b, 2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
  }
  std::uint32_t u32() {
    std::uint8_t b[4] = {0, 0, 0, 0};
    raw(b, 4);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
  }
  std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
  double f64() {
    double v = 0.0;
    raw(&v, sizeof v);
    return v;
  }

  // Copies n bytes into `out` (emptied first); false when fewer are left.
  bool bytes(std::size_t n, std::string& out);
  // The next n bytes where they lie (valid as long as the data is), moving on
  // past them; empty when fewer are left.
  std::string_view take(std::size_t n);
  // True when the next n bytes equal `expected`; the bytes are consumed
  // either way (when there are n bytes).
  bool tag(std::string_view expected);
  // Moves on by n bytes.
  bool skip(std::size_t n);

 private:
  // Copies n bytes to dst (left as is on failure).
  bool raw(void* dst, std::size_t n) {
    if (failed_ || n > data_.size() - pos_) {
      endOfData(n);
      return false;
    }
    std::memcpy(dst, data_.data() + pos_, n);
    pos_ += n;
    return true;
  }
  void endOfData(std::size_t wanted);

  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
  bool failed_ = false;
  Error error_;
};

}  // namespace sw

// Little-endian writer into a growing byte buffer.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace sw {

class ByteWriter {
 public:
  void u8(std::uint8_t v) { buf_.push_back(v); }
  void u16(std::uint16_t v) {
    buf_.push_back(static_cast<std::uint8_t>(v));
    buf_.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  void u32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) buf_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
  void f64(double v) {
    std::uint8_t b[8];
    std::memcpy(b, &v, 8);
    buf_.insert(buf_.end(), b, b + 8);
  }
  // The bytes of `s` as they are, without length or terminator.
  void bytes(std::string_view s) { buf_.insert(buf_.end(), s.begin(), s.end()); }
  void zeros(std::size_t n) { buf_.insert(buf_.end(), n, 0); }

  std::size_t size() const { return buf_.size(); }
  const std::vector<std::uint8_t>& data() const { return buf_; }
  std::vector<std::uint8_t>& data() { return buf_; }
  std::vector<std::uint8_t> take() { return std::move(buf_); }

 private:
  std::vector<std::uint8_t> buf_;
};

}  // namespace sw

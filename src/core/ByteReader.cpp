#include "core/ByteReader.h"

namespace sw {

void ByteReader::failAt(std::size_t offset, std::string message) {
  if (failed_) return;
  failed_ = true;
  error_ = MakeError(std::move(message), static_cast<std::int64_t>(offset));
}

void ByteReader::endOfData(std::size_t wanted) {
  if (failed_) return;
  fail("unexpected end of data: " + std::to_string(wanted) + " bytes needed, " +
       std::to_string(remaining()) + " left");
}

bool ByteReader::bytes(std::size_t n, std::string& out) {
  out.clear();
  if (failed_ || n > remaining()) {
    endOfData(n);
    return false;
  }
  out.assign(reinterpret_cast<const char*>(data_.data() + pos_), n);
  pos_ += n;
  return true;
}

std::string_view ByteReader::take(std::size_t n) {
  if (failed_ || n > remaining()) {
    endOfData(n);
    return {};
  }
  std::string_view v(reinterpret_cast<const char*>(data_.data() + pos_), n);
  pos_ += n;
  return v;
}

bool ByteReader::tag(std::string_view expected) {
  if (failed_ || expected.size() > remaining()) {
    endOfData(expected.size());
    return false;
  }
  bool same = std::memcmp(data_.data() + pos_, expected.data(), expected.size()) == 0;
  pos_ += expected.size();
  return same;
}

bool ByteReader::skip(std::size_t n) {
  if (failed_ || n > remaining()) {
    endOfData(n);
    return false;
  }
  pos_ += n;
  return true;
}

}  // namespace sw

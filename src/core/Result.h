// Result and error types shared by every reader and writer.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace sw {

// What went wrong, and where: `offset` is the byte offset in the input the
// error refers to, or -1 when no offset applies (a missing file, say).
struct Error {
  std::string message;
  std::int64_t offset = -1;
};

inline Error MakeError(std::string message, std::int64_t offset = -1) {
  return Error{std::move(message), offset};
}

// "message" or "byte N: message".
std::string Describe(const Error& e);

// A value or an error.
template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : v_(std::move(value)) {}        // NOLINT(google-explicit-constructor)
  Result(Error error) : v_(std::move(error)) {}    // NOLINT(google-explicit-constructor)

  bool ok() const { return v_.index() == 0; }
  explicit operator bool() const { return ok(); }
  T& value() & { return std::get<0>(v_); }
  const T& value() const& { return std::get<0>(v_); }
  T&& value() && { return std::get<0>(std::move(v_)); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  const Error& error() const { return std::get<1>(v_); }

 private:
  std::variant<T, Error> v_;
};

// Success or an error, for operations that produce no value.
class [[nodiscard]] Status {
 public:
  Status() = default;
  Status(Error error) : failed_(true), error_(std::move(error)) {}  // NOLINT(google-explicit-constructor)
  static Status Ok() { return Status(); }

  bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  const Error& error() const { return error_; }

 private:
  bool failed_ = false;
  Error error_;
};

}  // namespace sw

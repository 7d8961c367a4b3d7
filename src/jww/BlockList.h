// The block store: block definitions and the member entities of all of them.
#pragma once

#include <cstdint>
#include <memory>
#include <type_traits>
#include <span>
#include <unordered_map>
#include <variant>
#include <vector>

#include "jww/Records.h"

namespace sw {

// A record held on the heap, as a value: copies copy the record. Texts and
// dimensions are several times larger than the other kinds; boxed, they do
// not set the size of every member.
template <class T>
class Boxed {
 public:
  Boxed(const T& v) : p_(std::make_unique<T>(v)) {}        // NOLINT(google-explicit-constructor)
  Boxed(T&& v) : p_(std::make_unique<T>(std::move(v))) {}  // NOLINT(google-explicit-constructor)
  Boxed(const Boxed& o) : p_(std::make_unique<T>(*o)) {}
  Boxed(Boxed&&) noexcept = default;
  Boxed& operator=(const Boxed& o) {
    if (this != &o) p_ = std::make_unique<T>(*o);
    return *this;
  }
  Boxed& operator=(Boxed&&) noexcept = default;
  const T& operator*() const { return *p_; }
  const T* operator->() const { return p_.get(); }
  bool operator==(const Boxed& o) const { return **this == *o; }

 private:
  std::unique_ptr<T> p_;  // null only once moved from
};

// A member record; the alternative's index is its JWWKind. Read one with
// MemberAs<R>, which sees through the boxes.
using JWWMember = std::variant<CDataSen, CDataEnko, CDataTen, Boxed<CDataMoji>, Boxed<CDataSunpou>,
                               CDataSolid, CDataBlock>;

// How a record of kind R is held in a JWWMember.
template <class R>
struct MemberStorage {
  using type = R;
};
template <>
struct MemberStorage<CDataMoji> {
  using type = Boxed<CDataMoji>;
};
template <>
struct MemberStorage<CDataSunpou> {
  using type = Boxed<CDataSunpou>;
};

// The member's record when it is of kind R, else null.
template <class R>
const R* MemberAs(const JWWMember& m) {
  const auto* held = std::get_if<typename MemberStorage<R>::type>(&m);
  if constexpr (std::is_same_v<typename MemberStorage<R>::type, R>) {
    return held;
  } else {
    return held ? &**held : nullptr;
  }
}

// Definitions in file order, and one flat list of the members of all of them
// with a kind byte each. The members of definition k are the memberCount
// entries that follow those of definitions 0..k-1.
class TJWWBlockList {
 public:
  void clear();

  void addDefinition(const CDataList& d);
  void addLine(const CDataSen& r) { addMember(r); }
  void addArc(const CDataEnko& r) { addMember(r); }
  void addPoint(const CDataTen& r) { addMember(r); }
  void addText(const CDataMoji& r) { addMember(r); }
  void addDimension(const CDataSunpou& r) { addMember(r); }
  void addSolid(const CDataSolid& r) { addMember(r); }
  void addInsert(const CDataBlock& r) { addMember(r); }
  void addMember(JWWMember m);

  // Copies out the last definition whose number is `number`; false, and `out`
  // untouched, when none has it or number is negative.
  bool getDefinition(std::int32_t number, CDataList& out) const;
  // The same definition in place, or null.
  const CDataList* definition(std::int32_t number) const;

  // Member j of the first definition numbered `number`. A number no
  // definition carries, a negative number, or j outside 0..memberCount-1
  // (or past the stored members) is a missing member: memberKind gives -1
  // and member gives nullptr.
  int memberKind(std::int32_t number, std::int32_t j) const;
  // The members of the first definition numbered `number` that are stored:
  // member j of the span is member(number, j). Empty for a missing number.
  std::span<const JWWMember> membersOf(std::int32_t number) const;
  const JWWMember* member(std::int32_t number, std::int32_t j) const;

  // Copy member j of block `number` into `out` only when it has the getter's
  // kind; otherwise `out` is left unchanged and the result is false.
  bool getLine(std::int32_t number, std::int32_t j, CDataSen& out) const { return get(number, j, out); }
  bool getArc(std::int32_t number, std::int32_t j, CDataEnko& out) const { return get(number, j, out); }
  bool getPoint(std::int32_t number, std::int32_t j, CDataTen& out) const { return get(number, j, out); }
  bool getText(std::int32_t number, std::int32_t j, CDataMoji& out) const { return get(number, j, out); }
  bool getDimension(std::int32_t number, std::int32_t j, CDataSunpou& out) const { return get(number, j, out); }
  bool getSolid(std::int32_t number, std::int32_t j, CDataSolid& out) const { return get(number, j, out); }
  bool getInsert(std::int32_t number, std::int32_t j, CDataBlock& out) const { return get(number, j, out); }

  const std::vector<CDataList>& definitions() const { return definitions_; }
  const std::vector<JWWMember>& members() const { return members_; }
  const std::vector<std::uint8_t>& kinds() const { return kinds_; }

  bool operator==(const TJWWBlockList& o) const {
    return definitions_ == o.definitions_ && members_ == o.members_;
  }

 private:
  template <class R>
  bool get(std::int32_t number, std::int32_t j, R& out) const {
    const JWWMember* m = member(number, j);
    const R* r = m ? MemberAs<R>(*m) : nullptr;
    if (!r) return false;
    out = *r;
    return true;
  }
  // Index of the first definition numbered `number`, or -1.
  std::ptrdiff_t firstDefinition(std::int32_t number) const;

  std::vector<CDataList> definitions_;
  std::vector<std::size_t> firstMember_;  // per definition: index of its member 0
  std::vector<JWWMember> members_;
  std::vector<std::uint8_t> kinds_;
  // Number -> indexes of its first and last definition, kept by
  // addDefinition, so that a lookup costs the same however many there are.
  struct Numbered {
    std::size_t first, last;
  };
  std::unordered_map<std::int32_t, Numbered> byNumber_;
};

}  // namespace sw

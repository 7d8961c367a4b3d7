#include "jww/BlockList.h"

#include <algorithm>

namespace sw {

void TJWWBlockList::clear() {
  definitions_.clear();
  firstMember_.clear();
  members_.clear();
  kinds_.clear();
  byNumber_.clear();
}

void TJWWBlockList::addDefinition(const CDataList& d) {
  std::size_t start = 0;
  if (!definitions_.empty()) {
    const CDataList& prev = definitions_.back();
    start = firstMember_.back() + static_cast<std::size_t>(prev.memberCount > 0 ? prev.memberCount : 0);
  }
  definitions_.push_back(d);
  firstMember_.push_back(start);
  if (d.number >= 0) {
    const std::size_t k = definitions_.size() - 1;
    byNumber_.try_emplace(d.number, Numbered{k, k}).first->second.last = k;
  }
}

void TJWWBlockList::addMember(JWWMember m) {
  kinds_.push_back(static_cast<std::uint8_t>(m.index()));
  members_.push_back(std::move(m));
}

const CDataList* TJWWBlockList::definition(std::int32_t number) const {
  const auto it = byNumber_.find(number);
  return it == byNumber_.end() ? nullptr : &definitions_[it->second.last];
}

bool TJWWBlockList::getDefinition(std::int32_t number, CDataList& out) const {
  const CDataList* d = definition(number);
  if (!d) return false;
  out = *d;
  return true;
}

std::ptrdiff_t TJWWBlockList::firstDefinition(std::int32_t number) const {
  const auto it = byNumber_.find(number);
  return it == byNumber_.end() ? -1 : static_cast<std::ptrdiff_t>(it->second.first);
}

const JWWMember* TJWWBlockList::member(std::int32_t number, std::int32_t j) const {
  std::ptrdiff_t k = firstDefinition(number);
  if (k < 0 || j < 0 || j >= definitions_[static_cast<std::size_t>(k)].memberCount) return nullptr;
  std::size_t index = firstMember_[static_cast<std::size_t>(k)] + static_cast<std::size_t>(j);
  return index < members_.size() ? &members_[index] : nullptr;
}

std::span<const JWWMember> TJWWBlockList::membersOf(std::int32_t number) const {
  const std::ptrdiff_t k = firstDefinition(number);
  if (k < 0) return {};
  const std::size_t first = firstMember_[static_cast<std::size_t>(k)];
  const std::int32_t count = definitions_[static_cast<std::size_t>(k)].memberCount;
  if (count <= 0 || first >= members_.size()) return {};
  const std::size_t n = std::min(static_cast<std::size_t>(count), members_.size() - first);
  return std::span<const JWWMember>(members_).subspan(first, n);
}

int TJWWBlockList::memberKind(std::int32_t number, std::int32_t j) const {
  const JWWMember* m = member(number, j);
  return m ? static_cast<int>(m->index()) : -1;
}

}  // namespace sw

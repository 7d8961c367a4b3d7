// The recent-files list of the file menu: the last eight layouts and
// drawings opened, loaded or saved under a new name, newest first, kept in
// the program's own registry as values "File1".."File8" under kRecentKey: a
// string (CP932) for a path that CP932 can spell, else its UTF-8 bytes as
// binary, so that no path is stored wrong.
#pragma once

#include <string>
#include <vector>

#include "core/Result.h"

namespace sw {

class Registry;

inline constexpr const char* kRecentKey = "Software\\Brackenfold\\Sheetwright\\Recent File List";
inline constexpr std::size_t kRecentMax = 8;
inline constexpr const char* kMsgRecentMissing = "ファイルが見つかりません。一覧から削除しました。";

// `path` moves to the front (an equal path is not listed twice); the list
// keeps kRecentMax entries.
void AddRecentFile(std::vector<std::string>& list, const std::string& path);
// Removes `path` from the list.
void RemoveRecentFile(std::vector<std::string>& list, const std::string& path);

// The list as stored; empty without a registry or values. Values that are
// empty or not strings are passed over.
std::vector<std::string> LoadRecentFiles(const Registry* own);
// Stores the list (absent entries cleared) and flushes the registry.
Status StoreRecentFiles(Registry* own, const std::vector<std::string>& list);

// The menu text of entry `index` (0-based): "&1 " and the path, its middle
// left out beyond `maxChars` characters so that the file name shows.
std::string RecentMenuText(std::size_t index, const std::string& path, std::size_t maxChars = 60);

}  // namespace sw

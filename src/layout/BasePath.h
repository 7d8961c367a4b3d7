// The base drawing's path: held as CP932 bytes in the document, stored in a
// layout file relative to the layout file's folder, and turned into a native
// path to open the drawing. All path arithmetic is lexical (no file system
// access besides the current folder for a relative layout path and the
// drive links of a Wine prefix).
//
// A stored path is read with both '\' and '/' as separators on every
// platform: layouts written on Windows (and Jw_cad users' folders) use '\'.
// A '\' that is the second byte of a two-byte CP932 character is part of
// that character, not a separator. Relative paths are written with '\', so
// that the Windows program reads our files.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/Result.h"

namespace sw {

// Where the drive letters of a Windows path lead on a system without drives:
// the links of a Wine prefix. With the folder `winePrefix`/dosdevices
// present, a letter leads where its link "c:", "z:", ... there leads, and a
// letter without a link leads nowhere. Without it (no prefix known, or one
// that was never created) only Z: is known, as the root folder, which is
// Wine's own default. Unused on Windows, where drives are the system's.
struct DriveMap {
  std::filesystem::path winePrefix;
  bool operator==(const DriveMap&) const = default;
};

// The folder the drive `letter` ('A'..'Z', either case) leads to, absolute
// with links followed; nothing for an unknown or unmapped letter.
std::optional<std::filesystem::path> DriveFolder(char letter, const DriveMap& drives);

// The native path of a CP932 path text, for opening the file.
std::filesystem::path NativePathFromCp932(std::string_view cp932);

// The CP932 text of a native path; fails when the path has characters that
// CP932 cannot hold (the text would not lead back to the file).
Result<std::string> Cp932FromNativePath(const std::filesystem::path& path);

// True when `cp932` is a Windows path that names a drive or a network share
// ("C:\jw\a.jww", "\\server\share\a.jww") on a system that has neither: what
// ResolveBasePath leaves of a path whose drive leads nowhere here. Always
// false on Windows.
bool IsForeignDrivePath(std::string_view cp932);

// The base path as a layout file at `layoutFile` stores it: relative to the
// layout file's folder (lexically, with "..", as needed) and written with
// '\' between the names. Kept as it is, only its separators made '\', when it
// is relative already; kept unchanged when it has no relative form (another
// drive on Windows) or is a foreign drive path; empty stays empty. Fails
// when a name on the relative path contains a '\' of its own (a Linux file
// or folder may): the stored path would name another file.
Result<std::string> StoredBasePath(std::string_view baseFile, const std::filesystem::path& layoutFile);

// The stored base path resolved into an absolute, lexically normal path:
// a relative one against the layout file's folder; an absolute one only
// normalised; a Windows drive path through `drives` (outside Windows), its
// ".." never climbing above the drive's folder. A drive path whose drive
// leads nowhere, and a network share, are kept as stored (see
// IsForeignDrivePath). Empty stays empty.
std::string ResolveBasePath(std::string_view stored, const std::filesystem::path& layoutFile,
                            const DriveMap& drives = {});

}  // namespace sw

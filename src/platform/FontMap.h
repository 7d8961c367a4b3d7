// Installed font families standing in for the faces that drawings name.
// Drawings made on Windows name the Japanese system faces ("ＭＳ ゴシック",
// "ＭＳ 明朝", "ＭＳ Ｐゴシック", "ＭＳ Ｐ明朝" and their ASCII names); here they
// map to the IPA fonts of the same design.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

namespace sw {

// A face name (UTF-8) reduced for comparison: without a leading "@" (the
// vertical variant of a face), full-width ASCII made half-width, spaces
// removed, lower case.
QString NormalisedFaceName(const QString& face);

// The IPA family of a Windows Japanese face name (UTF-8), or an empty
// string when the name is not one of them.
QString IpaFamilyFor(const QString& face);

// The family to draw a face name (CP932 bytes) with: the face itself when it
// is installed; else its IPA stand-in; else, for any other name, the IPA
// gothic (the IPA mincho when the name says mincho).
QString StandInFamily(const std::string& cp932Face);

// The family list for a font: the stand-in first, then families with
// Japanese glyphs for the characters the first one lacks.
QStringList FontFamilies(const std::string& cp932Face);

}  // namespace sw

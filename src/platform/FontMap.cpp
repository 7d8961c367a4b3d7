#include "platform/FontMap.h"

#include <QFontDatabase>

#include "core/Cp932.h"

namespace sw {
namespace {

const QString kGothic = QStringLiteral("IPAGothic");
const QString kMincho = QStringLiteral("IPAMincho");
const QString kPGothic = QStringLiteral("IPAPGothic");
const QString kPMincho = QStringLiteral("IPAPMincho");

QString StripVertical(const QString& face) {
  return face.startsWith(QLatin1Char('@')) || face.startsWith(QChar(0xFF20)) ? face.mid(1) : face;
}

bool SaysMincho(const QString& normalised) {
  return normalised.contains(QString::fromUtf8("明朝")) || normalised.contains(QLatin1String("mincho"));
}

}  // namespace

QString NormalisedFaceName(const QString& face) {
  QString out;
  const QString f = StripVertical(face);
  out.reserve(f.size());
  for (QChar c : f) {
    const char16_t u = c.unicode();
    if (u == 0x0020 || u == 0x3000) continue;
    if (u >= 0xFF01 && u <= 0xFF5E) c = QChar(static_cast<char16_t>(u - 0xFF01 + 0x21));
    out.append(c.toLower());
  }
  return out;
}

QString IpaFamilyFor(const QString& face) {
  struct Entry {
    const char* name;  // normalised, UTF-8
    const QString* family;
  };
  static const Entry kTable[] = {
      {"msゴシック", &kGothic},   {"msgothic", &kGothic},   {"ipaゴシック", &kGothic},
      {"ipagothic", &kGothic},    {"ms明朝", &kMincho},     {"msmincho", &kMincho},
      {"ipa明朝", &kMincho},      {"ipamincho", &kMincho},  {"mspゴシック", &kPGothic},
      {"mspgothic", &kPGothic},   {"msuigothic", &kPGothic}, {"ipapゴシック", &kPGothic},
      {"ipapgothic", &kPGothic},  {"msp明朝", &kPMincho},   {"mspmincho", &kPMincho},
      {"ipap明朝", &kPMincho},    {"ipapmincho", &kPMincho},
  };
  const QString n = NormalisedFaceName(face);
  for (const Entry& e : kTable) {
    if (n == QString::fromUtf8(e.name)) return *e.family;
  }
  return {};
}

QString StandInFamily(const std::string& cp932Face) {
  const QString face = StripVertical(QString::fromUtf8(Cp932ToUtf8(cp932Face)).trimmed());
  if (!face.isEmpty() && QFontDatabase::hasFamily(face)) return face;
  const QString ipa = IpaFamilyFor(face);
  if (!ipa.isEmpty()) return ipa;
  return SaysMincho(NormalisedFaceName(face)) ? kMincho : kGothic;
}

QStringList FontFamilies(const std::string& cp932Face) {
  const QString first = StandInFamily(cp932Face);
  QStringList families{first};
  const QString japanese = SaysMincho(NormalisedFaceName(first)) ? kMincho : kGothic;
  if (japanese != first) families.append(japanese);
  if (first != kGothic && japanese != kGothic) families.append(kGothic);
  families.append(QStringLiteral("Noto Sans CJK JP"));
  families.append(QStringLiteral("Droid Sans Fallback"));
  return families;
}

}  // namespace sw

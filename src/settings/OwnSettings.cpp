// The program's own settings changed in the dialog, and the OK path.
#include "settings/JwcadSettings.h"
#include "settings/SettingsConvert.h"

namespace sw {
namespace {

void ShowColour(std::array<std::string, 4>& fields, std::uint32_t colour) {
  std::array<std::string, 3> f = ColorFields(colour);
  for (std::size_t i = 0; i < 3; ++i) fields[i + 1] = f[i];
}

}  // namespace

void SetLayoutColor(JwcadSettings& s, std::uint32_t colour) {
  s.LayoutColor = {colour, Origin::Dialog};
  ShowColour(s.dialog.EdtLcl, colour);
}

void SetTransformColor(JwcadSettings& s, std::uint32_t colour) {
  s.TransformColor = {colour, Origin::Dialog};
  ShowColour(s.dialog.EdtTcl, colour);
}

void SetMouseWheel(JwcadSettings& s, int item) {
  if (item != 0 && item != 1) return;
  s.MouseWheel = {item, Origin::Dialog};
  s.dialog.rgpWheel = item;
}

Status ApplyOwnSettings(JwcadSettings& s, Registry& own) {
  const auto& d = s.dialog;
  std::optional<std::uint32_t> lay = ColorFromFields(d.EdtLcl[1], d.EdtLcl[2], d.EdtLcl[3]);
  std::optional<std::uint32_t> trans = ColorFromFields(d.EdtTcl[1], d.EdtTcl[2], d.EdtTcl[3]);
  if (!lay || !trans) return MakeError(kConversionError);
  s.LayoutColor = {*lay, Origin::Dialog};
  s.TransformColor = {*trans, Origin::Dialog};
  s.MouseWheel = {d.rgpWheel, Origin::Dialog};

  if (Status st = own.setValue(kOwnColorKey, "Lay", RegValue::String(ColorToString(*lay))); !st) return st;
  if (Status st = own.setValue(kOwnColorKey, "Trans", RegValue::String(ColorToString(*trans))); !st)
    return st;
  if (Status st = own.setValue(kOwnSettingKey, "MouseWheel",
                               RegValue::Dword(static_cast<std::uint32_t>(d.rgpWheel)));
      !st)
    return st;
  return own.flush();
}

}  // namespace sw

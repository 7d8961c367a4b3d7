// TPagesDlg "各種設定": created once at start-up, when it imports Jw_cad's
// settings and the program's own into the style tables; shown without being
// modal from "基本設定(&S)...". Jw_cad's values are shown read-only; the
// layout and transform colours and the wheel direction are the program's own
// and are written under its keys on OK.
#pragma once

#include <QDialog>

#include <map>

#include "settings/JwcadSettings.h"
#include "settings/Registry.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace sw {

class TForm1;

class TPagesDlg : public QDialog {
  Q_OBJECT

 public:
  // `jwcad` and `own` may be null (not available); `own` is written on OK.
  TPagesDlg(TForm1& form, const Registry* jwcad, Registry* own);

  const JwcadSettings& settings() const { return settings_; }
  // The values the import could not convert, as a message for the user
  // (the conversion error, then one line per value); empty when none.
  std::string importProblems() const;
  // The field of a component name ("EdtLc11", "EdtLcl1", …), or null.
  QLineEdit* field(const QString& name) const;

  void spdLayColClick();
  void spdModColClick();
  void rgpWheelClick(int item);
  void OKBtnClick();
  void CancelBtnClick();
  void reject() override;

 private:
  QWidget* buildColourPage();
  QWidget* buildLinePage();
  QWidget* buildGeneralPage();
  QLineEdit* addField(const QString& name, const std::string& text, bool own);
  void showOwnColours();
  void applyOwnToStyles();

  TForm1& form_;
  Registry* own_;
  JwcadSettings settings_;
  std::map<QString, QLineEdit*> fields_;
  QButtonGroup* rgpWheel_ = nullptr;
};

}  // namespace sw

// TPagesDlg "各種設定": created once at start-up with the settings imported
// into the style tables; shown without being modal from "基本設定(&S)...".
// Jw_cad's values are shown read-only; the layout and transform colours and
// the wheel direction are the program's own, reported to the window as they
// change and written under its keys on OK.
#pragma once

#include <QDialog>

#include <functional>
#include <map>
#include <string>

#include "settings/JwcadSettings.h"
#include "settings/Registry.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace sw {

class TPagesDlg : public QDialog {
  Q_OBJECT

 public:
  // `settings` as imported at start-up; `own` may be null (not available)
  // and is written on OK; `inform` shows an error (UTF-8) in a box.
  TPagesDlg(QWidget* parent, JwcadSettings settings, Registry* own,
            std::function<void(const std::string&)> inform);

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

 signals:
  // The program's own settings changed (colours, wheel direction).
  void ownSettingsChanged(const sw::JwcadSettings& settings);

 private:
  QWidget* buildColourPage();
  QWidget* buildLinePage();
  QWidget* buildGeneralPage();
  QLineEdit* addField(const QString& name, const std::string& text, bool own);
  void showOwnColours();
  void applyOwnToStyles();

  Registry* own_;
  std::function<void(const std::string&)> inform_;
  JwcadSettings settings_;
  std::map<QString, QLineEdit*> fields_;
  QButtonGroup* rgpWheel_ = nullptr;
};

}  // namespace sw

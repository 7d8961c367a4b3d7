#include "app/SettingsDialog.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

#include "core/Cp932.h"
#include "edit/ErrorText.h"
#include "render/Styles.h"
#include "settings/SettingsConvert.h"

namespace sw {

namespace {

QLabel* Caption(const char* text, QWidget* parent) {
  auto* l = new QLabel(QString::fromUtf8(text), parent);
  l->setAlignment(Qt::AlignCenter);
  return l;
}

QString Fullwidth(int n) {
  static const char* digits[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
  return QString::fromUtf8(digits[n % 10]);
}

}  // namespace

TPagesDlg::TPagesDlg(QWidget* parent, JwcadSettings settings, Registry* own,
                     std::function<void(const std::string&)> inform)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      own_(own),
      inform_(std::move(inform)),
      settings_(std::move(settings)) {
  setObjectName("PagesDlg");
  setWindowTitle("各種設定");
  setModal(false);

  auto* pages = new QTabWidget(this);
  pages->setObjectName("PageControl1");
  pages->addTab(buildColourPage(), "色･画面");
  pages->addTab(buildLinePage(), "線種");
  pages->addTab(buildGeneralPage(), "一般");
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKBtn");
  ok->setDefault(true);
  auto* cancel = new QPushButton("キャンセル", this);
  cancel->setObjectName("CancelBtn");
  connect(ok, &QPushButton::clicked, this, &TPagesDlg::OKBtnClick);
  connect(cancel, &QPushButton::clicked, this, &TPagesDlg::CancelBtnClick);
  auto* v = new QVBoxLayout(this);
  v->addWidget(pages);
  auto* h = new QHBoxLayout;
  h->addStretch(1);
  h->addWidget(ok);
  h->addWidget(cancel);
  v->addLayout(h);

}

std::string TPagesDlg::importProblems() const {
  if (!settings_.conversionFailed()) return {};
  std::string text = kConversionError;
  for (const SettingsError& e : settings_.errors)
    text += "\n" + e.source + ": " + e.key + "\\" + e.name + " = \"" + Cp932ToUtf8(e.text) + "\"";
  return text;
}

QLineEdit* TPagesDlg::addField(const QString& name, const std::string& text, bool own) {
  auto* e = new QLineEdit(QString::fromStdString(Cp932ToUtf8(text)));
  e->setObjectName(name);
  e->setEnabled(own);
  e->setFixedWidth(38);
  e->setAlignment(Qt::AlignRight);
  fields_[name] = e;
  return e;
}

QLineEdit* TPagesDlg::field(const QString& name) const {
  auto it = fields_.find(name);
  return it == fields_.end() ? nullptr : it->second;
}

QWidget* TPagesDlg::buildColourPage() {
  const SettingsDialogFields& d = settings_.dialog;
  auto* page = new QWidget;
  page->setObjectName("TabSheet1");
  auto* g = new QGridLayout(page);
  g->setHorizontalSpacing(4);
  g->setVerticalSpacing(2);
  auto* label15 = new QLabel(QString::fromStdString(d.Label15), page);
  label15->setObjectName("Label15");
  g->addWidget(label15, 0, 0, 1, 10);
  const char* heads[] = {"", "赤", "緑", "青", "線幅", "印刷 赤", "緑", "青", "印刷線幅", "点半径"};
  for (int c = 1; c <= 9; ++c) g->addWidget(Caption(heads[c], page), 1, c);
  g->addWidget(Caption("画面", page), 1, 0);
  for (int pen = 1; pen <= 9; ++pen) {
    const int row = 1 + pen;
    g->addWidget(new QLabel(pen == 9 ? QString("補助線色") : QString("線色%1").arg(pen), page), row, 0);
    const int last = pen == 9 ? 4 : 9;
    for (int c = 1; c <= last; ++c)
      g->addWidget(addField(QString("EdtLc%1%2").arg(pen).arg(c),
                            d.EdtLc[static_cast<std::size_t>(pen)][static_cast<std::size_t>(c)], false),
                   row, c);
  }
  auto rgbRow = [&](int row, const char* label, const char* name, const auto& texts, int firstColumn,
                    bool own) {
    if (label) g->addWidget(new QLabel(QString::fromUtf8(label), page), row, 0);
    for (int i = 1; i <= 3; ++i)
      g->addWidget(addField(QString("%1%2").arg(name).arg(i + firstColumn - 1),
                            texts[static_cast<std::size_t>(i + firstColumn - 1)], own),
                   row, i + firstColumn - 1);
  };
  rgbRow(11, "グレー", "EdtLcg", d.EdtLcg, 1, false);
  rgbRow(11, nullptr, "EdtLcg", d.EdtLcg, 5, false);
  rgbRow(12, "背景色", "EdtCbg", d.EdtCbg, 1, false);
  rgbRow(13, "ズーム枠色", "EdtLcz", d.EdtLcz, 1, false);
  rgbRow(14, "ﾚｲｱｳﾄ色", "EdtLcl", d.EdtLcl, 1, true);
  rgbRow(15, "変形点色", "EdtTcl", d.EdtTcl, 1, true);
  auto* lay = new QPushButton("色...", page);
  lay->setObjectName("spdLayCol");
  auto* mod = new QPushButton("色...", page);
  mod->setObjectName("spdModCol");
  g->addWidget(lay, 14, 4, 1, 2);
  g->addWidget(mod, 15, 4, 1, 2);
  connect(lay, &QPushButton::clicked, this, &TPagesDlg::spdLayColClick);
  connect(mod, &QPushButton::clicked, this, &TPagesDlg::spdModColClick);
  g->setRowStretch(16, 1);
  g->setColumnStretch(10, 1);
  return page;
}

QWidget* TPagesDlg::buildLinePage() {
  const SettingsDialogFields& d = settings_.dialog;
  auto* page = new QWidget;
  page->setObjectName("TabSheet2");
  auto* outer = new QHBoxLayout(page);
  auto* lines = new QWidget(page);
  auto* g = new QGridLayout(lines);
  g->setVerticalSpacing(2);
  auto* label29 = new QLabel(QString::fromStdString(d.Label29), lines);
  label29->setObjectName("Label29");
  g->addWidget(label29, 0, 0, 1, 6);
  const QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  auto pattern = [&](int n) {
    QLineEdit* e = addField(QString("EdtLtype%1").arg(n), d.EdtLtype[static_cast<std::size_t>(n)], false);
    e->setFixedWidth(QFontMetrics(mono).horizontalAdvance(QString(33, 'M')) + 8);
    e->setFont(mono);
    e->setAlignment(Qt::AlignLeft);
    return e;
  };
  g->addWidget(new QLabel("半角32文字(｢-」orｽﾍﾟｰｽ)で読み込み表示", lines), 1, 1);
  g->addWidget(Caption("単位", lines), 1, 2);
  g->addWidget(Caption("ピッチ", lines), 1, 3);
  g->addWidget(Caption("印刷ピッチ", lines), 1, 4);
  for (int n = 1; n <= 9; ++n) {
    const int row = 1 + n;
    const auto k = static_cast<std::size_t>(n);
    g->addWidget(new QLabel(QString("線種%1").arg(n), lines), row, 0);
    g->addWidget(pattern(n), row, 1);
    g->addWidget(addField(QString("EdtLUnit%1").arg(n), d.EdtLUnit[k], false), row, 2);
    g->addWidget(addField(QString("EdtLPit%1").arg(n), d.EdtLPit[k], false), row, 3);
    g->addWidget(addField(QString("EdtPrPit%1").arg(n), d.EdtPrPit[k], false), row, 4);
  }
  g->addWidget(new QLabel("半角32文字(｢~」or｢_」)で読み込み表示", lines), 11, 1);
  g->addWidget(Caption("幅", lines), 11, 2);
  g->addWidget(Caption("ピッチ", lines), 11, 3);
  g->addWidget(Caption("印刷ピッチ", lines), 11, 4);
  g->addWidget(Caption("印刷ﾗﾝﾀﾞﾑ", lines), 11, 5);
  for (int n = 11; n <= 15; ++n) {
    const int row = 1 + n;
    const auto k = static_cast<std::size_t>(n);
    g->addWidget(new QLabel("ﾗﾝﾀﾞﾑ線" + Fullwidth(n - 10), lines), row, 0);
    g->addWidget(pattern(n), row, 1);
    g->addWidget(addField(QString("EdtLUnit%1").arg(n), d.EdtLUnit[k], false), row, 2);
    g->addWidget(addField(QString("EdtLPit%1").arg(n), d.EdtLPit[k], false), row, 3);
    g->addWidget(addField(QString("EdtPrPit%1").arg(n), d.EdtPrPit[k], false), row, 4);
    g->addWidget(addField(QString("EdtPrUnit%1").arg(n), d.EdtPrUnit[k], false), row, 5);
  }
  g->setRowStretch(17, 1);
  outer->addWidget(lines);

  auto* texts = new QGroupBox("文字", page);
  texts->setObjectName("GroupBoxMoji");
  auto* t = new QGridLayout(texts);
  t->setVerticalSpacing(2);
  t->addWidget(Caption("横", texts), 0, 1);
  t->addWidget(Caption("縦", texts), 0, 2);
  t->addWidget(Caption("間隔", texts), 0, 3);
  t->addWidget(Caption("色No", texts), 0, 4);
  for (int k = 0; k <= 10; ++k) {
    const auto i = static_cast<std::size_t>(k);
    t->addWidget(new QLabel(QString("文字種%1").arg(k), texts), k + 1, 0);
    t->addWidget(addField(QString("EdtMoX%1").arg(k), d.EdtMoX[i], false), k + 1, 1);
    t->addWidget(addField(QString("EdtMoY%1").arg(k), d.EdtMoY[i], false), k + 1, 2);
    t->addWidget(addField(QString("EdtMoD%1").arg(k), d.EdtMoD[i], false), k + 1, 3);
    t->addWidget(addField(QString("EdtMoC%1").arg(k), d.EdtMoC[i], false), k + 1, 4);
  }
  t->setRowStretch(12, 1);
  outer->addWidget(texts, 0, Qt::AlignTop);
  outer->addStretch(1);
  return page;
}

QWidget* TPagesDlg::buildGeneralPage() {
  auto* page = new QWidget;
  page->setObjectName("TabSheet3");
  auto* v = new QVBoxLayout(page);
  auto* box = new QGroupBox("マウスホイール", page);
  box->setObjectName("rgpWheel");
  auto* bv = new QVBoxLayout(box);
  rgpWheel_ = new QButtonGroup(this);
  for (int i = 0; i < 2; ++i) {
    auto* r = new QRadioButton(i == 0 ? "＋" : "－", box);
    r->setObjectName(QString("rgpWheel%1").arg(i));
    rgpWheel_->addButton(r, i);
    bv->addWidget(r);
  }
  rgpWheel_->button(settings_.dialog.rgpWheel == 1 ? 1 : 0)->setChecked(true);
  connect(rgpWheel_, &QButtonGroup::idClicked, this, &TPagesDlg::rgpWheelClick);
  v->addWidget(box);
  v->addStretch(1);
  return page;
}

void TPagesDlg::showOwnColours() {
  for (int i = 1; i <= 3; ++i) {
    field(QString("EdtLcl%1").arg(i))->setText(QString::fromStdString(settings_.dialog.EdtLcl[static_cast<std::size_t>(i)]));
    field(QString("EdtTcl%1").arg(i))->setText(QString::fromStdString(settings_.dialog.EdtTcl[static_cast<std::size_t>(i)]));
  }
}

void TPagesDlg::applyOwnToStyles() { emit ownSettingsChanged(settings_); }

namespace {
// 0x00BBGGRR to QColor and back.
QColor Qc(std::uint32_t c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }
std::uint32_t Bgr(const QColor& q) {
  return static_cast<std::uint32_t>(q.red()) | (static_cast<std::uint32_t>(q.green()) << 8) |
         (static_cast<std::uint32_t>(q.blue()) << 16);
}
}  // namespace

void TPagesDlg::spdLayColClick() {
  const QColor c = QColorDialog::getColor(Qc(settings_.LayoutColor.value), this, "ﾚｲｱｳﾄ色");
  if (!c.isValid()) return;
  SetLayoutColor(settings_, Bgr(c));
  showOwnColours();
  applyOwnToStyles();
}

void TPagesDlg::spdModColClick() {
  const QColor c = QColorDialog::getColor(Qc(settings_.TransformColor.value), this, "変形点色");
  if (!c.isValid()) return;
  SetTransformColor(settings_, Bgr(c));
  showOwnColours();
  applyOwnToStyles();
}

void TPagesDlg::rgpWheelClick(int item) {
  SetMouseWheel(settings_, item);
  emit ownSettingsChanged(settings_);
}

void TPagesDlg::OKBtnClick() {
  for (int i = 1; i <= 3; ++i) {
    settings_.dialog.EdtLcl[static_cast<std::size_t>(i)] = field(QString("EdtLcl%1").arg(i))->text().toStdString();
    settings_.dialog.EdtTcl[static_cast<std::size_t>(i)] = field(QString("EdtTcl%1").arg(i))->text().toStdString();
  }
  Status s;
  if (own_) {
    s = ApplyOwnSettings(settings_, *own_);
  } else {
    const auto& d = settings_.dialog;
    std::optional<std::uint32_t> lay = ColorFromFields(d.EdtLcl[1], d.EdtLcl[2], d.EdtLcl[3]);
    std::optional<std::uint32_t> trans = ColorFromFields(d.EdtTcl[1], d.EdtTcl[2], d.EdtTcl[3]);
    if (!lay || !trans) {
      s = MakeError(kConversionError);
    } else {
      settings_.LayoutColor = {*lay, Origin::Dialog};
      settings_.TransformColor = {*trans, Origin::Dialog};
    }
  }
  if (!s && s.error().message == kConversionError) {
    inform_(kConversionError);
    return;
  }
  if (!s)
    inform_("設定を保存できませんでした。\n" + own_->source() + "\n" + DescribeJa(s.error()));
  applyOwnToStyles();
  hide();
}

void TPagesDlg::CancelBtnClick() {
  showOwnColours();
  hide();
}

void TPagesDlg::reject() { CancelBtnClick(); }

}  // namespace sw

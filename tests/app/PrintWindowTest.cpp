// Printing from the window as a user does: "印刷", Qt's print dialog
// answered with "print to a PDF file", a scale from the list, the print
// button; the page read back and measured. And a print that cannot reach
// its device.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QPrinter>
#include <QTest>
#include <QToolButton>

#include "app/AppTestSupport.h"
#include "app/QtPrompts.h"
#include "edit/Commands.h"
#include "edit/CommandsPrintScale.h"
#include "support/MeasuredLayout.h"
#include "support/PdfPages.h"

namespace sw {
namespace {

// The scripted answers, except that the printer is chosen in Qt's own
// print dialog on the window's printer.
struct DialogPrinterPrompts : test::ScriptedPrompts {
  QtPrompts real;
  explicit DialogPrinterPrompts(TForm1& form) : real(&form, &form.printer()) {}
  std::optional<PrinterPage> printSetup(int paperIndex) override { return real.printSetup(paperIndex); }
};

struct PrintFixture {
  test::AppScratch scratch;
  test::TestApp app{scratch};
  DialogPrinterPrompts prompts{app.form()};
  PrintFixture() {
    app.form().setPrompts(&prompts);
    app.form().openFile(test::WriteMeasuredLayout(scratch.file("")).string());
    QApplication::processEvents();
  }
  const Workspace& ws() const { return app.ws(); }
  // "印刷" with the dialog answered OK, printing to `pdf`.
  void preview(const std::string& pdf) {
    app.form().printer().setOutputFormat(QPrinter::PdfFormat);
    app.form().printer().setOutputFileName(QString::fromStdString(pdf));
    test::WhenModal([](QWidget* w) {
      EXPECT_EQ(w->objectName(), "PrinterSetupDialog1");
      if (auto* d = qobject_cast<QDialog*>(w)) d->accept();
    });
    app.form().runCommand(Cmd::FilePrint1);
  }
  void chooseScale(int item) {
    auto* list = app.form().findChild<QComboBox*>("ComboBox1");
    list->setCurrentIndex(item);
    emit list->activated(item);
  }
  void print() { QTest::mouseClick(app.form().findChild<QToolButton*>("tbsPrint"), Qt::LeftButton); }
};

// The 100 mm line printed at 100 % and at 50 % (the list's items 2 and 4)
// onto a landscape A4 page, measured at 10 pixels per mm.
TEST(PrintWindow, TheDialogsPdfPrinterGetsTheSheetAtTheChosenScale) {
  if (!test::HavePdftoppm()) GTEST_SKIP() << "pdftoppm is not installed";
  PrintFixture f;
  ASSERT_EQ(f.ws().document.PaperIndex, 4);
  struct Case {
    int item;
    int length;  // pixels at 254 dpi
  };
  for (const Case c : {Case{2, 1000}, Case{4, 500}}) {
    const std::string pdf = f.scratch.file("out" + std::to_string(c.item) + ".pdf");
    f.preview(pdf);
    ASSERT_TRUE(f.ws().print.PrintPreview);
    EXPECT_EQ(f.app.form().printer().pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(f.app.form().printer().pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_GT(f.ws().print.PrinterPaperMm.width, f.ws().print.PrinterPaperMm.height);
    f.chooseScale(c.item);
    const ViewState before = f.ws().view;
    f.print();
    EXPECT_TRUE(f.ws().view == before) << "the view is the screen's again";
    EXPECT_EQ(f.app.form().printer().docName().toStdString(), f.ws().tool.LayoutFileName);
    const QImage page = test::FirstPage(pdf, 254);
    ASSERT_FALSE(page.isNull()) << c.item;
    EXPECT_GT(page.width(), page.height());
    const auto [first, last] = test::InkRun(page, page.height() / 2);
    EXPECT_NEAR(last - first, c.length, 3) << c.item;
    EXPECT_NEAR((first + last) / 2, page.width() / 2, 3) << "the paper centre on the page centre";
    EXPECT_TRUE(f.prompts.messages.empty());
    if (f.ws().print.PrintPreview)
      QTest::mouseClick(f.app.form().findChild<QToolButton*>("ToolButton7"), Qt::LeftButton);
  }
}

// A printer that cannot be written to: the user is told why, and the
// screen keeps its view.
TEST(PrintWindow, AFailedPrintSaysSoAndKeepsTheView) {
  PrintFixture f;
  f.preview(f.scratch.file("missing-folder/out.pdf"));
  ASSERT_TRUE(f.ws().print.PrintPreview);
  const ViewState before = f.ws().view;
  f.print();
  ASSERT_EQ(f.prompts.messages.size(), 1u);
  EXPECT_EQ(f.prompts.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(f.prompts.messages[0].text.rfind(std::string(kMsgPrintFailed) + "\n", 0), 0u);
  EXPECT_GT(f.prompts.messages[0].text.size(), std::string(kMsgPrintFailed).size() + 1) << "with the reason";
  EXPECT_TRUE(f.ws().view == before);
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(f.scratch.file("missing-folder/out.pdf"))));
}

}  // namespace
}  // namespace sw

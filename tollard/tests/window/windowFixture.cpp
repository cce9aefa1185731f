#include "windowFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "reportMemo.h"

namespace tollard::test {

shell::Answer FakeBoxes::confirmationBox(const std::string& question, const std::string& caption) {
  questions.push_back({question, caption});
  if (answers.empty()) return shell::Answer::Cancel;
  const shell::Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<QString> FakeDialogs::chooseSaveFile(const SaveDialogRequest& request) {
  saveRequests.push_back(request);
  return savePath;
}

bool FakeDialogs::choosePrinter(QPrinter& printer) {
  ++printDialogs;
  if (!confirmPrint) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdfPath);
  return true;
}

void FakeDialogs::setUpPrinter(QPrinter& printer) {
  ++setUpDialogs;
  if (setUp) setUp(printer);
}

void SizingWindowTest::SetUp() {
  ASSERT_TRUE(dir.isValid());
  previousDir = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  form = std::make_unique<TForm1>(TForm1::Services{&boxes, &reporter, &dialogs});
}

void SizingWindowTest::TearDown() {
  form.reset();
  QDir::setCurrent(previousDir);
}

void SizingWindowTest::type(const char* boxName, const QString& text) {
  QTest::keyClicks(control<QLineEdit>(boxName), text);
}

void SizingWindowTest::typeRodType(const QString& text) {
  QTest::keyClicks(control<QComboBox>("RodTypeComboBox")->lineEdit(), text);
}

void SizingWindowTest::clickSolve() { QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton); }

void SizingWindowTest::solve(const QString& volume, const QString& addition, const QString& ratio,
                       const QString& rodType) {
  for (const char* name : {"forgingVolumeTextBox", "materialAdditionTextBox", "requestedRatioTextBox"}) {
    control<QLineEdit>(name)->clear();
  }
  control<QComboBox>("RodTypeComboBox")->lineEdit()->clear();
  type("forgingVolumeTextBox", volume);
  type("materialAdditionTextBox", addition);
  type("requestedRatioTextBox", ratio);
  typeRodType(rodType);
  clickSolve();
}

QStringList SizingWindowTest::memoLines() { return reportLines(*control<QPlainTextEdit>("Memo1")); }

void SizingWindowTest::setMemoLines(const QStringList& lines) {
  auto* memo = control<QPlainTextEdit>("Memo1");
  memo->clear();
  for (const QString& line : lines) appendReportLine(*memo, line);
}

void SizingWindowTest::activate() {
  form->show();
  QApplication::setActiveWindow(form.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
}

QStringList workedExampleLines() {
  return {" ",
          "----------INPUT PARAMETERS----------",
          "Forging Volume: 50000 [mm^3]",
          "Material Addition: 3 [%]",
          "Requested Length Ratio: 2 [-]",
          "Rod Type: EN 10060",
          " ",
          "-----------ROD PARAMETERS-----------",
          "Rod Diameter: 35 [mm]",
          "Rod Length: 53.5 [mm]",
          "Length Ratio: 1.529 [-]",
          "Status: OK"};
}

bool looksLikeClockText(const QString& line) {
  static const QRegularExpression clock(QStringLiteral(R"(^\S+ .+, .*\d.*$)"));
  return clock.match(line).hasMatch();
}

std::string readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  return file.readAll().toStdString();
}

void writeFile(const QString& path, const std::string& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

}  // namespace tollard::test

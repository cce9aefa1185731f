#include "windowTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <stdexcept>

namespace vennick::testing {

void RecordingBoxes::errorBox(const std::string& message) {
  // A window that shows box after box without the user (an endless loop of focus events) is
  // stopped here, so that the test fails instead of hanging.
  if (errors.size() >= kMostBoxes) throw std::runtime_error("More than " + std::to_string(kMostBoxes) + " Error boxes");
  errors.push_back(message);
  QWidget* focus = QApplication::focusWidget();
  focusAtError.push_back(focus != nullptr ? focus->objectName() : QString());
}

shell::Answer RecordingBoxes::confirmationBox(const std::string& question, const std::string&) {
  questions.push_back(question);
  return answer;
}

void WindowTest::SetUp() {
  ASSERT_TRUE(temporary.isValid());
  previousDirectory = QDir::currentPath();
  QDir::setCurrent(temporary.path());
  openWindow();
}

void WindowTest::TearDown() {
  window.reset();
  QDir::setCurrent(previousDirectory);
}

void WindowTest::openWindow() {
  window.reset();
  window = std::make_unique<TForm1>(WindowServices{&boxes, &boxes, &volumes, [this] { return separator; }});
  window->show();
  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

QString WindowTest::focusName() const {
  QWidget* focus = QApplication::focusWidget();
  return focus != nullptr ? focus->objectName() : QString();
}

void WindowTest::typeInto(const QString& name, const QString& text) {
  QWidget* control = find(name);
  ASSERT_NE(control, nullptr) << name.toStdString();
  control->setFocus(Qt::MouseFocusReason);
  QTest::keyClicks(control, text);
}

void WindowTest::touch(const QString& relativePath, const QByteArray& bytes) const {
  QFile file(QDir(temporary.path()).filePath(relativePath));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << relativePath.toStdString();
  file.write(bytes);
}

}  // namespace vennick::testing

#pragma once
// A press window in a temporary current directory, shown offscreen and active, with recording
// fakes for the boxes, the failure report and the drives.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "folderBrowser/volumes.h"
#include "messageBoxes.h"
#include "qtMessageBoxes.h"
#include "vennickMain.h"

// Texts in failure messages as text, not as bytes.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace vennick::testing {

class RecordingBoxes : public shell::MessageBoxes, public shell::qt::FailureReporter {
 public:
  void errorBox(const std::string& message) override;
  shell::Answer confirmationBox(const std::string& question, const std::string& caption) override;
  void report(const std::string& failureText) override { reports.push_back(failureText); }

  std::vector<std::string> errors;
  std::vector<std::string> questions;
  std::vector<std::string> reports;
  // The objectName of the focused control at the moment each Error box was shown.
  std::vector<QString> focusAtError;
  shell::Answer answer = shell::Answer::Yes;
  static constexpr std::size_t kMostBoxes = 20;
};

class FakeVolumes : public VolumeSource {
 public:
  QList<Volume> volumes() const override { return list; }
  QList<Volume> list{{kRootVolume, QStringLiteral("system")}};
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Builds and shows the window (SetUp calls it; a test that changes the fakes first calls it again).
  void openWindow();
  QString focusName() const;
  template <typename T = QWidget>
  T* find(const QString& name) const {
    return window->findChild<T*>(name);
  }
  // Types text into a control as keys, after giving it the focus by a click.
  void typeInto(const QString& name, const QString& text);
  // Writes a file into the temporary current directory.
  void touch(const QString& relativePath, const QByteArray& bytes = QByteArray()) const;

  QTemporaryDir temporary;
  QString previousDirectory;
  RecordingBoxes boxes;
  FakeVolumes volumes;
  char separator = '.';
  std::unique_ptr<TForm1> window;
};

}  // namespace vennick::testing

// A press window for the tests of the sampling run: control texts in a map, the Report lines
// in vennick::ReportLines, and every Error box and focus change recorded in order.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "reportLines.h"
#include "samplingRun.h"

namespace vennick::testing {

class FakePressWindow : public PressWindow {
 public:
  std::map<std::string, std::string> texts;
  std::string folder;
  Quantity quantity = Quantity::Velocity;
  int places = 4;
  int count = 1;
  char separator = '.';
  std::vector<std::string> events;  // "error: <message>" and "focus: <control>"
  ReportLines report;

  std::string controlText(const std::string& name) override {
    const auto found = texts.find(name);
    if (found == texts.end()) {
      ADD_FAILURE() << "the run asked for a control that does not exist: " << name;
      return {};
    }
    return found->second;
  }
  std::string outputFolder() override { return folder; }
  Quantity checkedQuantity() override { return quantity; }
  int precision() override { return places; }
  int operationCount() override { return count; }
  char decimalSeparator() override { return separator; }
  void errorBox(const std::string& message) override { events.push_back("error: " + message); }
  void focusControl(const std::string& name) override { events.push_back("focus: " + name); }
  void clearReportLines() override { report.clear(); }
  void addReportLine(std::string line) override { report.add(line); }
  void saveReportLines(const std::string& path) override { report.save(path); }
};

}  // namespace vennick::testing

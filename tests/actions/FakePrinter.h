#pragma once
// An in-memory printer and error reporter for the print-out's tests.

#include <set>
#include <string>
#include <vector>

#include "actions/PrintError.h"
#include "actions/PrintErrorReporter.h"
#include "actions/PrinterBackend.h"

namespace kx::test {

struct PaintCall {
  float x = 0;
  float y = 0;
  double width = 0;
  double height = 0;
};

struct PrintCall {
  float x = 0;
  float y = 0;
  std::string text;
};

class FakePrinter final : public PrinterBackend {
 public:
  // Each text byte is this wide in twips.
  static constexpr double kCharWidth = 100.0;

  std::vector<std::string> InstalledPrinters() override {
    Call("InstalledPrinters");
    return installed;
  }
  std::string CurrentPrinter() override {
    return current < installed.size() ? installed[current] : "";
  }
  void SetCurrentPrinter(std::size_t index) override {
    Call("SetCurrentPrinter");
    current = index;
    selections.push_back(index);
  }
  void SetQuality(std::int16_t quality) override {
    Call("SetQuality");
    if (refusedQualities.count(quality)) throw PrintError::RefusedSetting("PrintQuality");
    qualities.push_back(quality);
  }
  void SetOrientation(Orientation value) override {
    Call("SetOrientation");
    orientations.push_back(value);
  }
  double PageWidth() override {
    Call("PageWidth");
    return width;
  }
  double PageHeight() override {
    Call("PageHeight");
    return height;
  }
  void DrawPicture(const PrintPicture&, float x, float y, double w, double h) override {
    Call("DrawPicture");
    paints.push_back({x, y, w, h});
    jobOpen = true;
  }
  void SetFontSize(double points) override {
    Call("SetFontSize");
    fontSizes.push_back(points);
  }
  double TextWidth(const std::string& text) override {
    Call("TextWidth");
    return kCharWidth * static_cast<double>(text.size());
  }
  void DrawTextAt(float x, float y, const std::string& text) override {
    Call("DrawTextAt");
    prints.push_back({x, y, text});
  }
  void EndJob() override {
    Call("EndJob");
    if (jobOpen) ++sentJobs;
    jobOpen = false;
  }
  void AbortJob() override {
    if (jobOpen) ++abortedJobs;
    jobOpen = false;
  }

  // Throws a printer error at the `failOnCall`-th call (from 1) of `failOn`.
  std::string failOn;
  int failOnCall = 1;
  bool failWithBadAlloc = false;

  std::vector<std::string> installed{"PDF"};
  std::size_t current = 0;
  double width = 16000;
  double height = 11000;
  std::set<std::int16_t> refusedQualities;

  std::vector<std::size_t> selections;
  std::vector<std::int16_t> qualities;
  std::vector<Orientation> orientations;
  std::vector<PaintCall> paints;
  std::vector<double> fontSizes;
  std::vector<PrintCall> prints;
  bool jobOpen = false;
  int sentJobs = 0;
  int abortedJobs = 0;

 private:
  void Call(const std::string& name) {
    if (name != failOn || ++calls_ != failOnCall) return;
    if (failWithBadAlloc) throw std::bad_alloc();
    throw PrintError::PrinterCall(name);
  }

  int calls_ = 0;
};

class FakeReporter final : public PrintErrorReporter {
 public:
  void ReportPrintError(const std::string& record) override { records.push_back(record); }
  std::vector<std::string> records;
};

}  // namespace kx::test

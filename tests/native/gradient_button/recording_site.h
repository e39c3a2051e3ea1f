// A drawing surface that records what the gradient button asks of it.
#pragma once

#include <optional>
#include <vector>

#include "command.h"

struct PictureCopy {
  StatePicture Picture;
  TwipsRect Destination;
  TwipsRect Source;
};

class RecordingSite : public CommandSite {
 public:
  SurfaceSize SurfaceSizeNow{1755, 420, 117, 28};
  int Clears = 0;
  int Shows = 0;
  std::vector<std::pair<TriVertex, TriVertex>> Gradients;
  std::vector<PictureCopy> Copies;
  std::vector<double> CaptionTops;
  bool TimerEnabled = false;
  int TimerInterval = 0;

  SurfaceSize Size() const override { return SurfaceSizeNow; }
  void Clear() override { ++Clears; }
  void FillGradient(const TriVertex& top, const TriVertex& bottom) override {
    Gradients.emplace_back(top, bottom);
  }
  void CopyPicture(StatePicture picture, const TwipsRect& destination,
                   const TwipsRect& source) override {
    Copies.push_back({picture, destination, source});
  }
  void PlaceCaption(const CaptionLabel& label) override { CaptionTops.push_back(label.Top); }
  void ShowFace() override { ++Shows; }
  void ApplyMouseTimer(bool enabled, int interval) override {
    TimerEnabled = enabled;
    TimerInterval = interval;
  }

  // The number of repaints of the face since the last Forget.
  int Repaints() const { return Clears; }
  // The picture of the last repaint, if any.
  std::optional<StatePicture> LastPicture() const {
    if (Copies.empty()) return std::nullopt;
    return Copies.back().Picture;
  }
  // Whether the last gradient had lavender at the top.
  bool LastGradientReversed() const { return Gradients.back().first.Red == 0xC600; }
  void Forget() {
    Clears = Shows = 0;
    Gradients.clear();
    Copies.clear();
    CaptionTops.clear();
  }
};

// A button on a recording site, enabled and with its first-run defaults done.
struct CommandOnSite {
  RecordingSite Site;
  Command Control;
  int Clicks = 0;
  std::vector<std::string> Changes;

  CommandOnSite() {
    Control.Site = &Site;
    Control.Click = [this] { ++Clicks; };
    Control.PropertyChanged = [this](const std::string& name) { Changes.push_back(name); };
    Control.Enabled = BoolTrue;
    Control.FirstRun = 1;
  }
};

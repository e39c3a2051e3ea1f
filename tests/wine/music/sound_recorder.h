// Records what the system plays, through the ordinary wave-in calls: the
// test rig makes the monitor of its silent output the default input.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

class SoundRecorder {
 public:
  static constexpr int Rate = 44100;
  SoundRecorder();
  ~SoundRecorder();
  bool recording() const { return device_ != nullptr; }
  // Seconds recorded so far.
  double Now() const;
  // Stretches of sound louder than silence, in seconds since the start;
  // breaks shorter than `bridge` seconds are joined.
  std::vector<std::pair<double, double>> LoudStretches(double bridge = 0.25) const;
  void Stop();

 private:
  void Collect();
  HWAVEIN device_ = nullptr;
  std::vector<std::vector<short>> buffers_;
  std::vector<WAVEHDR> headers_;
  mutable std::mutex mutex_;
  std::vector<short> samples_;  // stereo frames, interleaved
  std::atomic<bool> running_{false};
  std::thread collector_;
};

#include "sound_recorder.h"

#include <cmath>

namespace {

const int BufferFrames = SoundRecorder::Rate / 20;  // 50 ms
const int BufferCount = 16;

}  // namespace

SoundRecorder::SoundRecorder() {
  WAVEFORMATEX format = {};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 2;
  format.nSamplesPerSec = Rate;
  format.wBitsPerSample = 16;
  format.nBlockAlign = 4;
  format.nAvgBytesPerSec = Rate * 4;
  if (waveInOpen(&device_, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
    device_ = nullptr;
    return;
  }
  buffers_.assign(BufferCount, std::vector<short>(BufferFrames * 2));
  headers_.resize(BufferCount);
  for (int i = 0; i < BufferCount; ++i) {
    headers_[i] = {};
    headers_[i].lpData = reinterpret_cast<LPSTR>(buffers_[i].data());
    headers_[i].dwBufferLength = BufferFrames * 4;
    waveInPrepareHeader(device_, &headers_[i], sizeof(WAVEHDR));
    waveInAddBuffer(device_, &headers_[i], sizeof(WAVEHDR));
  }
  running_ = true;
  waveInStart(device_);
  collector_ = std::thread([this] { Collect(); });
}

SoundRecorder::~SoundRecorder() { Stop(); }

void SoundRecorder::Collect() {
  int next = 0;
  while (running_) {
    WAVEHDR& header = headers_[next];
    if (!(header.dwFlags & WHDR_DONE)) {
      Sleep(5);
      continue;
    }
    {
      std::lock_guard<std::mutex> lock(mutex_);
      const short* data = reinterpret_cast<const short*>(header.lpData);
      samples_.insert(samples_.end(), data, data + header.dwBytesRecorded / 2);
    }
    header.dwFlags &= ~WHDR_DONE;
    waveInAddBuffer(device_, &header, sizeof(WAVEHDR));
    next = (next + 1) % BufferCount;
  }
}

void SoundRecorder::Stop() {
  if (device_ == nullptr) return;
  running_ = false;
  collector_.join();
  waveInReset(device_);
  for (WAVEHDR& header : headers_) waveInUnprepareHeader(device_, &header, sizeof(WAVEHDR));
  waveInClose(device_);
  device_ = nullptr;
}

double SoundRecorder::Now() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return static_cast<double>(samples_.size() / 2) / Rate;
}

std::vector<std::pair<double, double>> SoundRecorder::LoudStretches(double bridge) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const size_t window = Rate / 100;  // 10 ms
  std::vector<std::pair<double, double>> stretches;
  for (size_t frame = 0; frame + window <= samples_.size() / 2; frame += window) {
    double energy = 0;
    for (size_t i = frame * 2; i < (frame + window) * 2; ++i) energy += double(samples_[i]) * samples_[i];
    const bool loud = std::sqrt(energy / (window * 2)) > 300.0;
    if (!loud) continue;
    const double start = double(frame) / Rate, end = double(frame + window) / Rate;
    if (!stretches.empty() && start - stretches.back().second < bridge) {
      stretches.back().second = end;
    } else {
      stretches.emplace_back(start, end);
    }
  }
  return stretches;
}

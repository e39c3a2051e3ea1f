#include "wave_grid.h"

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

// Steps are rounded to 32-bit floats once; the products that use them are
// formed in double precision and rounded only when stored.
const float StepX = static_cast<float>(16.0 / (GridSize - 1));
const float StepY = static_cast<float>(12.0 / (GridSize - 1));
const float TextureStep = static_cast<float>(1.0 / (GridSize - 1));

}  // namespace

void SetUpGrid(WaveGrid& grid) {
  const auto count = static_cast<std::size_t>(GridSize) * GridSize;
  grid.GridX.assign(count, 0.0f);
  grid.GridY.assign(count, 0.0f);
  grid.GridZ.assign(count, 0.0f);
  for (int row = 0; row < GridSize; ++row) {
    for (int column = 0; column < GridSize; ++column) {
      const int i = GridIndex(row, column);
      grid.GridX[i] = static_cast<float>(column * static_cast<double>(StepX) - 8.0);
      grid.GridY[i] = static_cast<float>(row * static_cast<double>(StepY) - 6.0);
    }
  }
}

void FreeGrid(WaveGrid& grid) {
  grid.GridX = {};
  grid.GridY = {};
  grid.GridZ = {};
}

void ComputeHeights(WaveGrid& grid, const WaveAnimation& animation) {
  for (int row = 0; row < GridSize; ++row) {
    for (int column = 0; column < GridSize; ++column) {
      const double degrees = (5.0 * column + animation.WavePhase) + 5.0 * row;
      grid.GridZ[GridIndex(row, column)] =
          static_cast<float>(animation.WaveAmplitude * std::sin(degrees * Pi / 180.0));
    }
  }
}

void AdvanceAnimation(WaveAnimation& animation) {
  animation.SpinAngle = static_cast<float>(animation.SpinAngle + 0.2);
  animation.WavePhase = static_cast<float>(animation.WavePhase + 2.0);
  if (animation.WavePhase >= 20.0f && !(animation.WaveAmplitude >= 1.0f)) {
    animation.WaveAmplitude = static_cast<float>(animation.WaveAmplitude + 0.01);
  }
}

Normal3f ComputeFaceNormal(float x1, float y1, float z1, float x2, float y2, float z2,
                           float x3, float y3, float z3) {
  const float ux = x2 - x1, uy = y2 - y1, uz = z2 - z1;
  const float vx = x3 - x1, vy = y3 - y1, vz = z3 - z1;
  return {vy * uz - vz * uy, vz * ux - vx * uz, vx * uy - vy * ux};
}

float TextureCoordinate(int index) {
  return static_cast<float>(index * static_cast<double>(TextureStep));
}

// The waving grid: vertex positions, wave heights, face normals and the
// animation values that advance once per frame. Plain arithmetic, no OpenGL.
#pragma once

#include <vector>

constexpr int GridSize = 60;

struct WaveGrid {
  std::vector<float> GridX;
  std::vector<float> GridY;
  std::vector<float> GridZ;
};

struct WaveAnimation {
  float SpinAngle = 0.0f;      // degrees, +0.2 per frame, never wrapped
  float WavePhase = 0.0f;      // degrees, +2.0 per frame, never wrapped
  float WaveAmplitude = 0.0f;  // grows by 0.01 per frame once the phase reaches 20
};

struct Normal3f {
  float x, y, z;
};

// Index of vertex (row, column) in each of the three arrays.
constexpr int GridIndex(int row, int column) { return row * GridSize + column; }

// Allocates the arrays and lays the flat 16 by 12 sheet centred on the origin.
void SetUpGrid(WaveGrid& grid);

// Releases the arrays.
void FreeGrid(WaveGrid& grid);

// Recomputes every height from the current phase and amplitude.
void ComputeHeights(WaveGrid& grid, const WaveAnimation& animation);

// Advances the animation by one frame.
void AdvanceAnimation(WaveAnimation& animation);

// (corner3 - corner1) cross (corner2 - corner1), not normalised.
Normal3f ComputeFaceNormal(float x1, float y1, float z1, float x2, float y2, float z2,
                           float x3, float y3, float z3);

// Texture coordinate of grid line `index` (0 at one edge, 1 at the other).
float TextureCoordinate(int index);

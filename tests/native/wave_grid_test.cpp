#include "wave_grid.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Draws `frames` frames' worth of animation and returns the values the
// next frame is drawn with.
WaveAnimation AnimationForFrame(int frame) {
  WaveAnimation animation;
  for (int k = 1; k < frame; ++k) AdvanceAnimation(animation);
  return animation;
}

TEST(WaveGrid, SheetSpansSixteenByTwelveWithRoundedSteps) {
  WaveGrid grid;
  SetUpGrid(grid);
  ASSERT_EQ(grid.GridX.size(), 3600u);
  EXPECT_EQ(grid.GridX[GridIndex(0, 0)], -8.0f);
  EXPECT_EQ(grid.GridY[GridIndex(0, 0)], -6.0f);
  EXPECT_EQ(grid.GridX[GridIndex(0, 59)], 8.0f);
  EXPECT_EQ(grid.GridY[GridIndex(59, 0)], 5.9999995f);
  EXPECT_NE(grid.GridY[GridIndex(59, 0)], 6.0f);
  // Rows run along y, columns along x.
  EXPECT_EQ(grid.GridX[GridIndex(17, 1)], grid.GridX[GridIndex(0, 1)]);
  EXPECT_EQ(grid.GridY[GridIndex(1, 42)], grid.GridY[GridIndex(1, 0)]);
  EXPECT_NEAR(grid.GridX[GridIndex(0, 1)] - grid.GridX[GridIndex(0, 0)], 0.27118644f, 1e-6f);
  EXPECT_NEAR(grid.GridY[GridIndex(1, 0)] - grid.GridY[GridIndex(0, 0)], 0.20338982f, 1e-6f);
  for (float z : grid.GridZ) ASSERT_EQ(z, 0.0f);

  FreeGrid(grid);
  EXPECT_TRUE(grid.GridX.empty() && grid.GridY.empty() && grid.GridZ.empty());
}

TEST(WaveAnimation, FlatForTenFramesThenGrowsUntilFrame110) {
  for (int frame = 1; frame <= 10; ++frame) {
    EXPECT_EQ(AnimationForFrame(frame).WaveAmplitude, 0.0f) << "frame " << frame;
  }
  EXPECT_EQ(AnimationForFrame(11).WaveAmplitude, 0.01f);
  EXPECT_EQ(AnimationForFrame(110).WaveAmplitude, 0.99999934f);
  for (int frame : {111, 112, 500, 5000}) {
    EXPECT_EQ(AnimationForFrame(frame).WaveAmplitude, 1.0099994f) << "frame " << frame;
  }
}

TEST(WaveAnimation, PhaseAndSpinAdvanceByFixedSteps) {
  const WaveAnimation frame1 = AnimationForFrame(1);
  EXPECT_EQ(frame1.WavePhase, 0.0f);
  EXPECT_EQ(frame1.SpinAngle, 0.0f);
  const WaveAnimation frame51 = AnimationForFrame(51);
  EXPECT_EQ(frame51.WavePhase, 100.0f);
  EXPECT_NEAR(frame51.SpinAngle, 10.0f, 1e-4f);
  // Never wrapped.
  EXPECT_EQ(AnimationForFrame(1001).WavePhase, 2000.0f);
  EXPECT_NEAR(AnimationForFrame(2001).SpinAngle, 400.0f, 0.01f);
}

TEST(WaveGrid, HeightsFollowTheDiagonalSine) {
  WaveGrid grid;
  SetUpGrid(grid);
  WaveAnimation animation;
  animation.WavePhase = 36.0f;
  animation.WaveAmplitude = 1.0099994f;
  ComputeHeights(grid, animation);

  struct Case { int row, column; };
  for (const Case& v : {Case{0, 0}, Case{0, 59}, Case{59, 0}, Case{30, 12}, Case{59, 59}}) {
    const double degrees = (5.0 * v.column + 36.0) + 5.0 * v.row;
    const float expected =
        static_cast<float>(1.0099994f * std::sin(degrees * 3.14159265358979323846 / 180.0));
    EXPECT_EQ(grid.GridZ[GridIndex(v.row, v.column)], expected) << v.row << "," << v.column;
  }
  // Phase 36 at (0, 18): 126 degrees; at (9, 9) the same, so the crests run diagonally.
  EXPECT_EQ(grid.GridZ[GridIndex(0, 18)], grid.GridZ[GridIndex(9, 9)]);
  // Zero amplitude keeps the sheet flat whatever the phase.
  animation.WaveAmplitude = 0.0f;
  ComputeHeights(grid, animation);
  for (float z : grid.GridZ) ASSERT_EQ(z, 0.0f);
}

TEST(FaceNormal, FlatSheetFacesTheViewer) {
  WaveGrid grid;
  SetUpGrid(grid);
  const int a = GridIndex(3, 4), b = GridIndex(4, 4), c = GridIndex(4, 5);
  const Normal3f n = ComputeFaceNormal(grid.GridX[a], grid.GridY[a], grid.GridZ[a], grid.GridX[b],
                                       grid.GridY[b], grid.GridZ[b], grid.GridX[c], grid.GridY[c],
                                       grid.GridZ[c]);
  EXPECT_EQ(n.x, 0.0f);
  EXPECT_EQ(n.y, 0.0f);
  EXPECT_NEAR(n.z, 0.27118644f * 0.20338982f, 1e-6f);
  EXPECT_GT(n.z, 0.0f);
}

TEST(FaceNormal, IsThirdMinusFirstCrossSecondMinusFirst) {
  // u = (1, 0, 0), v = (0, 1, 0): v x u = (0, 0, -1).
  const Normal3f n = ComputeFaceNormal(1, 1, 1, 2, 1, 1, 1, 2, 1);
  EXPECT_EQ(n.x, 0.0f);
  EXPECT_EQ(n.y, 0.0f);
  EXPECT_EQ(n.z, -1.0f);
  // Not normalised.
  const Normal3f m = ComputeFaceNormal(0, 0, 0, 0, 0, 3, 2, 0, 0);
  EXPECT_EQ(m.y, -6.0f);
}

TEST(TextureCoordinate, RunsFromZeroToOneOverTheGrid) {
  EXPECT_EQ(TextureCoordinate(0), 0.0f);
  EXPECT_EQ(TextureCoordinate(1), 0.016949153f);
  EXPECT_FLOAT_EQ(TextureCoordinate(59), 1.0f);
}

}  // namespace

#include "scene.h"

#include <GL/glu.h>

#include "effect_state.h"

namespace {

const GLfloat LightAmbient[] = {1.0f, 1.0f, 1.0f, 1.0f};
const GLfloat LightDiffuse[] = {1.0f, 1.0f, 1.0f, 0.0f};
const GLfloat LightPosition[] = {0.0f, 0.0f, -5.0f, 1.0f};

void SetUpFixedState() {
  glShadeModel(GL_SMOOTH);
  glClearColor(0.0f, 0.5f, 0.5f, 1.0f);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  glClearDepth(1.0);
  glDepthFunc(GL_LEQUAL);
  glFrontFace(GL_CW);
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_DEPTH_TEST);
}

void SetUpLighting() {
  glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, 1.0f);
  glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
  glLightfv(GL_LIGHT1, GL_AMBIENT, LightAmbient);
  glLightfv(GL_LIGHT1, GL_DIFFUSE, LightDiffuse);
  glEnable(GL_LIGHT1);
  glEnable(GL_NORMALIZE);
  glEnable(GL_LIGHTING);
  glEnable(GL_COLOR_MATERIAL);
}

void SendVertex(const WaveGrid& grid, int row, int column) {
  const int i = GridIndex(row, column);
  glTexCoord2f(TextureCoordinate(column), TextureCoordinate(row));
  glVertex3f(grid.GridX[i], grid.GridY[i], grid.GridZ[i]);
}

// Corners A (r, c), B (r+1, c), C (r+1, c+1), D (r, c+1): clockwise seen from the front.
void SendQuad(const WaveGrid& grid, int row, int column) {
  const int a = GridIndex(row, column);
  const int b = GridIndex(row + 1, column);
  const int c = GridIndex(row + 1, column + 1);
  const Normal3f normal =
      ComputeFaceNormal(grid.GridX[a], grid.GridY[a], grid.GridZ[a], grid.GridX[b], grid.GridY[b],
                        grid.GridZ[b], grid.GridX[c], grid.GridY[c], grid.GridZ[c]);
  glNormal3f(normal.x, normal.y, normal.z);
  SendVertex(grid, row, column);
  SendVertex(grid, row + 1, column);
  SendVertex(grid, row + 1, column + 1);
  SendVertex(grid, row, column + 1);
}

}  // namespace

void SetUpScene() {
  SetUpFixedState();
  SetUpLighting();
  SetUpGrid(Effect.grid);
}

void SetProjection(int width, int height) {
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45.0, static_cast<GLdouble>(width) / static_cast<GLdouble>(height), 0.1, 1000.0);
  glMatrixMode(GL_MODELVIEW);
}

void RenderFrame() {
  WaveGrid& grid = Effect.grid;
  WaveAnimation& animation = Effect.animation;

  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  glLightfv(GL_LIGHT1, GL_POSITION, LightPosition);
  glTranslatef(0.0f, 0.0f, -14.5f);
  glRotatef(animation.SpinAngle, 0.0f, 1.0f, 0.0f);
  glRotatef(animation.SpinAngle, 1.0f, 0.0f, 0.0f);

  ComputeHeights(grid, animation);
  glBegin(GL_QUADS);
  for (int row = 0; row < GridSize - 1; ++row) {
    for (int column = 0; column < GridSize - 1; ++column) SendQuad(grid, row, column);
  }
  glEnd();

  AdvanceAnimation(animation);
  SwapBuffers(Effect.deviceContext);
}

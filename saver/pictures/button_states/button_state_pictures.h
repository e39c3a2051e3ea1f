// The six state pictures of the gradient button, embedded as 24-bit bitmap
// files (64 x 25 pixels, rows bottom-up, 4854 bytes each).
#pragma once

constexpr unsigned StatePictureFileSize = 4854;

extern const unsigned char NormalPicture[StatePictureFileSize];
extern const unsigned char HighLightPicture[StatePictureFileSize];
extern const unsigned char SelectedPicture[StatePictureFileSize];
extern const unsigned char HighLightSelectPicture[StatePictureFileSize];  // the same pixels as HighLight
extern const unsigned char PressedPicture[StatePictureFileSize];
extern const unsigned char DisablePicture[StatePictureFileSize];

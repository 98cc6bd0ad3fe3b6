#pragma once

// Where the back buffer lands inside a window or screen of another size: scaled with its
// aspect kept and centred, with black bars filling the rest.
struct TLetterbox {
  double Scale = 1;
  int X = 0, Y = 0;  // top-left of the picture in the output
  int Width = 0, Height = 0;
};

TLetterbox ComputeLetterbox(int outputWidth, int outputHeight, int bufferWidth, int bufferHeight);

// A pixel of the output back to the back-buffer pixel under it (may lie outside the buffer
// when the pointer is over a bar).
void OutputToBuffer(const TLetterbox& box, int outputX, int outputY, int& bufferX, int& bufferY);

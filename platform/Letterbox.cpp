#include "platform/Letterbox.h"

#include <algorithm>
#include <cmath>

TLetterbox ComputeLetterbox(int outputWidth, int outputHeight, int bufferWidth, int bufferHeight) {
  TLetterbox box;
  if (outputWidth <= 0 || outputHeight <= 0 || bufferWidth <= 0 || bufferHeight <= 0) return box;
  box.Scale = std::min(double(outputWidth) / bufferWidth, double(outputHeight) / bufferHeight);
  box.Width = int(std::lround(bufferWidth * box.Scale));
  box.Height = int(std::lround(bufferHeight * box.Scale));
  box.X = (outputWidth - box.Width) / 2;
  box.Y = (outputHeight - box.Height) / 2;
  return box;
}

void OutputToBuffer(const TLetterbox& box, int outputX, int outputY, int& bufferX, int& bufferY) {
  // Map pixel centres, so that every output pixel falls into the buffer pixel it shows.
  bufferX = int(std::floor((outputX - box.X + 0.5) / box.Scale));
  bufferY = int(std::floor((outputY - box.Y + 0.5) / box.Scale));
}

#pragma once

#include <algorithm>

// One frame of a slide-in: the position moves by step towards its final place and stops there.
inline int SlideStep(int position, int finalPosition, int step) {
  return position < finalPosition ? std::min(position + step, finalPosition)
                                  : std::max(position - step, finalPosition);
}

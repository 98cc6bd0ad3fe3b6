#include "platform/RecordingRenderDevice.h"

TTextureHandle TRecordingRenderDevice::CreateTexture(int width, int height, const uint32_t* argb) {
  TTextureHandle handle = ++LastTexture;
  Textures[handle] = {width, height, std::vector<uint32_t>(argb, argb + size_t(width) * size_t(height))};
  return handle;
}

void TRecordingRenderDevice::SetBlendFactors(TBlendFactor source, TBlendFactor destination) {
  Source = source;
  Destination = destination;
  ++BlendChanges;
}

void TRecordingRenderDevice::DrawQuad(const TQuad& quad) {
  if (RecordDraws) Draws.push_back({quad, CurrentTexture, Source, Destination});
}

bool TRecordingRenderDevice::Reset() {
  ++Resets;
  Textures.clear();
  NextStatus = TDeviceStatus::Ready;
  return true;
}

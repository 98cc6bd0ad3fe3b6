#include "assets/SoundVoice.h"

#include "assets/OmegaSound3D.h"

TSoundVoice::TSoundVoice(TOmegaSound3D& sound) : Sound(sound), Bus(sound.Mixer->AddBus(false)) {}

TSoundVoice::~TSoundVoice() {
  Sound.Mixer->StopVoices(this);
}

void TSoundVoice::Loop(TSoundListItem& sound, double gain, double rate, double pan) {
  if (LoopSound == &sound && Sound.Mixer->IsVoicePlaying(Current)) {
    Sound.Mixer->SteerVoice(Current, gain, rate, pan);
    return;
  }
  Current = Start(sound, TSoundMixer::kForever, gain, rate, pan);
  LoopSound = &sound;
}

void TSoundVoice::PlayOnce(TSoundListItem& sound, double gain, double pan) {
  Current = Start(sound, 1, gain, 1.0, pan);
  LoopSound = nullptr;
}

uint64_t TSoundVoice::Start(TSoundListItem& sound, int plays, double gain, double rate, double pan) {
  if (!sound.Loaded()) sound.Load();
  Silence();
  return Sound.Mixer->StartSteeredVoice(this, sound.Wave.get(), Bus, plays, gain, rate, pan);
}

void TSoundVoice::Silence() {
  if (Current != 0) Sound.Mixer->FadeOutVoice(Current);
  LoopSound = nullptr;
}

bool TSoundVoice::Playing() const {
  return Current != 0 && Sound.Mixer->IsVoicePlaying(Current);
}

#include "shell/MenuBackdrop.h"

#include "engine/OmegaFont.h"
#include "engine/OmegaSprite.h"
#include "race/IndicatorsMenu.h"
#include "race/IndicatorsTicker.h"
#include "race/RaceSetup.h"
#include "race/RaceWorld.h"
#include "shell/GameState.h"

TTickerFacts TMenuBackdrop::Facts() const {
  const TGameState& state = Kit.GameState();
  const TCatalogue& catalogue = state.Catalogue;
  return {state.PlayerName,        state.TotalScore,          catalogue.TargetScore,
          catalogue.CarsAvailable, catalogue.TracksAvailable, catalogue.UnlockStage};
}

void TMenuBackdrop::Create() {
  TRaceContext& context = Kit.World().Context;
  TOmegaSprite& sprites = Kit.Sprites();
  MenuLights[0] = &sprites.Create<TLight>(context, 0, 4, 728);
  MenuLights[1] = &sprites.Create<TLight>(context, 1, 565, -8);
  MenuLights[2] = &sprites.Create<TLight>(context, 1, 565, 748);
  const std::string error = PrepareDemoRace(context, Kit.GameState().Catalogue.CarsAvailable);
  if (!error.empty()) Kit.ShowMessage(error);
  TickerSprite = &sprites.Create<TRunningString>(Facts(), Kit.TickerFont());
}

void TMenuBackdrop::RebuildTicker() {
  if (!TickerSprite) return;
  const TGameState& state = Kit.GameState();
  const TCatalogue& catalogue = state.Catalogue;
  TickerSprite->SetText(TickerLoop(
      "Hello, " + state.PlayerName + "!         Your score is  " + std::to_string(state.TotalScore) +
      "           Target score is:  " + std::to_string(catalogue.TargetScore) +
      "            Cars avaible: " + std::to_string(catalogue.CarsAvailable) +
      "           Tracks avaible: " + std::to_string(catalogue.TracksAvailable)));
}

void TMenuBackdrop::KillRace() {
  TOmegaSprite& sprites = Kit.Sprites();
  for (int i = 0; i < sprites.Count(); ++i)
    if (const std::string& name = sprites.Items(i)->Name(); name == "enemy" || name == "player")
      sprites.Items(i)->Kill();
  TRaceState& race = Kit.World().Race;
  race.Player = nullptr;
  race.OpponentCount = 0;
  race.Opponents.fill(nullptr);
  for (TLight*& light : MenuLights) {
    if (light) light->Kill();
    light = nullptr;
  }
  sprites.RemoveDead();
}

void TMenuBackdrop::DrawLights() const {
  for (TLight* light : MenuLights)
    if (light) light->DoDraw();
}

void TMenuBackdrop::DrawTicker() {
  if (TickerSprite) Kit.TickerFont().TextOut(30, 16, TickerSprite->VisibleText());
}

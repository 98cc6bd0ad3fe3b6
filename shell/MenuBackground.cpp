// What runs behind every menu: the demonstration race, the three lights and the greeting ticker.
#include "race/IndicatorsMenu.h"
#include "race/IndicatorsTicker.h"
#include "race/RaceSetup.h"
#include "shell/Form1.h"

TTickerFacts TForm1::TickerFacts() const {
  const TCatalogue& catalogue = State.Catalogue;
  return {State.PlayerName,        State.TotalScore,          catalogue.TargetScore,
          catalogue.CarsAvailable, catalogue.TracksAvailable, catalogue.UnlockStage};
}

void TForm1::CreateMenuBackground() {
  MenuLights[0] = &OmegaSprite1.Create<TLight>(RaceContext, 0, 4, 728);
  MenuLights[1] = &OmegaSprite1.Create<TLight>(RaceContext, 1, 565, -8);
  MenuLights[2] = &OmegaSprite1.Create<TLight>(RaceContext, 1, 565, 748);
  const std::string error = PrepareDemoRace(RaceContext, State.Catalogue.CarsAvailable);
  if (!error.empty()) ShowMessage(error);
  Ticker = &OmegaSprite1.Create<TRunningString>(TickerFacts(), OmegaFont2);
}

// The greeting after the name entry; a ticker made anew writes its own (slightly different)
// text.
void TForm1::RebuildTicker() {
  if (!Ticker) return;
  const TCatalogue& catalogue = State.Catalogue;
  Ticker->SetText(TickerLoop("Hello, " + State.PlayerName + "!         Your score is  " +
                             std::to_string(State.TotalScore) +
                             "           Target score is:  " + std::to_string(catalogue.TargetScore) +
                             "            Cars avaible: " + std::to_string(catalogue.CarsAvailable) +
                             "           Tracks avaible: " + std::to_string(catalogue.TracksAvailable)));
}

// The demonstration race's cars go, its invisible player's car too, and the lights.
void TForm1::KillMenuRace() {
  for (int i = 0; i < OmegaSprite1.Count(); ++i)
    if (const std::string& name = OmegaSprite1.Items(i)->Name(); name == "enemy" || name == "player")
      OmegaSprite1.Items(i)->Kill();
  Race.Player = nullptr;
  Race.OpponentCount = 0;
  Race.Opponents.fill(nullptr);
  for (TLight*& light : MenuLights) {
    if (light) light->Kill();
    light = nullptr;
  }
  OmegaSprite1.RemoveDead();
}

void TForm1::DrawMenuLights() {
  for (TLight* light : MenuLights)
    if (light) light->DoDraw();
}

void TForm1::DrawTicker() {
  if (Ticker) OmegaFont2.TextOut(30, 16, Ticker->VisibleText());
}

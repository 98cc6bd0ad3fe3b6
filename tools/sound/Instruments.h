#pragma once

// The music's instruments: sampled waveforms made here, tuned so that C-4 plays them at pitch.

#include "tools/xm/XmWriter.h"

TXmInstrument MakeBass();   // a round, plucked saw bass
TXmInstrument MakeLead();   // a bright square lead with delayed vibrato
TXmInstrument MakePad();    // a soft, slowly swelling chorus of detuned saws
TXmInstrument MakeBell();   // a short glassy pluck for arpeggios
TXmInstrument MakeKick();   // bass drum: a falling sine thump
TXmInstrument MakeSnare();  // snare: a tone with a burst of noise
TXmInstrument MakeHiHat();  // closed hi-hat: a tick of bright noise

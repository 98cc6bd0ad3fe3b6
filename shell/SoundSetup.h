#pragma once

class TOmegaSound3D;

// The game's sound as the form was designed: one stereo path, six effects and the three
// music modules, all files relative to the game folder.
void ConfigureSound3D(TOmegaSound3D& sound);

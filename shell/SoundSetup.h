#pragma once

class TOmegaSound3D;

// The game's sound as the form was designed: one stereo path, six effects and the three
// music modules, and besides them the race's engines, tyres, knock and lap chime; all files
// relative to the game folder.
void ConfigureSound3D(TOmegaSound3D& sound);

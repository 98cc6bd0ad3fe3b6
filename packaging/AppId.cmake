# The game's name on the desktop: the desktop entry, the icon and the software-centre entry
# all carry it.
set(MORVEL_APP_ID io.github.morvelracing.MorvelRacing)

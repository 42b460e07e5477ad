# The saved theme is run three times, as stored, with two clears between.
--- given color_data.txt noeol
color 5b
--- stdin
--- stdout


Cosa vuoi fare?

Path: 
--- platform whole
title Tavrik Terminal
color 5b
cls
color 5b
cls
color 5b
--- exit 0

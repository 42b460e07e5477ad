# '3' solves two equations typed on two lines or on one line.
--- stdin
3
2x+3y=5
1x-1y=0
3
2x+3y=5 1x-1y=0
3
1x+2y=5
3x+4y=6
--- stdout


Cosa vuoi fare?

Path: 
Inserisci le due equazioni separate da un invio:

x = 1
y = 1


Cosa vuoi fare?

Path: 
Inserisci le due equazioni separate da un invio:

x = 1
y = 1


Cosa vuoi fare?

Path: 
Inserisci le due equazioni separate da un invio:

x = -4
y = 4.5


Cosa vuoi fare?

Path: 
--- platform
--- exit 0

# '1' with one coefficient zero: that variable is free and takes one half.
--- stdin
1
0x+2y=4
1
2x+0y=5
1
0x-2y=4
--- stdout


Cosa vuoi fare?

Path: 
Inserisci l'equazione di primo grado in forma generica (ax+by=c): x = 0.5 y = 2


Cosa vuoi fare?

Path: 
Inserisci l'equazione di primo grado in forma generica (ax+by=c): x = 2.5 y = 0.5


Cosa vuoi fare?

Path: 
Inserisci l'equazione di primo grado in forma generica (ax+by=c): x = 0.5 y = -2


Cosa vuoi fare?

Path: 
--- platform
--- exit 0

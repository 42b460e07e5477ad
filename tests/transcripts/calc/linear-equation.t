# '1' prints the solution whose y is one half.
--- stdin
1
2x+3y=5
1
2x - 3y = 5
--- stdout


Cosa vuoi fare?

Path: 
Inserisci l'equazione di primo grado in forma generica (ax+by=c): x = 1.75 y = 0.5


Cosa vuoi fare?

Path: 
Inserisci l'equazione di primo grado in forma generica (ax+by=c): x = 3.25 y = 0.5


Cosa vuoi fare?

Path: 
--- platform
--- exit 0

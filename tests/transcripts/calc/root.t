# 'r' prints the root as a float after its own label.
--- stdin
r
27
3
r
2
2
--- stdout


Cosa vuoi fare?

Path: 
Inserisci il numero: Inserisci l'esponente per la radice: La radice 3-esima di 27 e': 3


Cosa vuoi fare?

Path: 
Inserisci il numero: Inserisci l'esponente per la radice: La radice 2-esima di 2 e': 1.41421


Cosa vuoi fare?

Path: 
--- platform
--- exit 0

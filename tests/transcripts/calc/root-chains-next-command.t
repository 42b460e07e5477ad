# "3 z" as the index: the root uses 3, the blank is discarded and "z"
# starts the sine at once.
--- stdin
r
8
3 z
30
--- stdout


Cosa vuoi fare?

Path: 
Inserisci il numero: Inserisci l'esponente per la radice: La radice 3-esima di 8 e': 2


Cosa vuoi fare?

Path: 
Inserisci valore:Risultato: 0.5

Cosa vuoi fare?

Path: 
--- platform
--- expect function_history.txt
r
z
--- exit 0

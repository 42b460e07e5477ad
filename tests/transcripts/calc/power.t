# 'p': 2^10 is 1024, and any base to the power 0 is 1 (0^0 too).
--- stdin
p
2
10
p
2
0
p
0
0
p
-3
3
--- stdout


Cosa vuoi fare?

Path: 
Inserisci il numero: Inserisci l'esponente: Risultato: 1024

Cosa vuoi fare?

Path: 
Inserisci il numero: Inserisci l'esponente: Risultato: 1

Cosa vuoi fare?

Path: 
Inserisci il numero: Inserisci l'esponente: Risultato: 1

Cosa vuoi fare?

Path: 
Inserisci il numero: Inserisci l'esponente: Risultato: -27

Cosa vuoi fare?

Path: 
--- platform
--- exit 0

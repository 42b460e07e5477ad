# 'p' with a negative exponent prints the power as a double.
--- stdin
p
2
-3
p
0
-1
--- stdout


Cosa vuoi fare?

Path: 
Inserisci il numero: Inserisci l'esponente: Risultato: 0.125

Cosa vuoi fare?

Path: 
Inserisci il numero: Inserisci l'esponente: Risultato: inf

Cosa vuoi fare?

Path: 
--- platform
--- exit 0

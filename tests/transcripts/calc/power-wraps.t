# 'p' multiplies in 32-bit int: 2^31 wraps to INT_MIN and 2^32 to 0.
--- stdin
p
2
31
p
2
32
--- stdout


Cosa vuoi fare?

Path: 
Inserisci il numero: Inserisci l'esponente: Risultato: -2147483648

Cosa vuoi fare?

Path: 
Inserisci il numero: Inserisci l'esponente: Risultato: 0

Cosa vuoi fare?

Path: 
--- platform
--- exit 0

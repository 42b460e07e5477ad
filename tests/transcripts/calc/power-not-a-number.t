# 'p': a non-number exponent is asked for again.
--- stdin
p
3
due
2
--- stdout


Cosa vuoi fare?

Path: 
Inserisci il numero: Inserisci l'esponente: 
Errore riprova
Inserisci l'esponente: Risultato: 9

Cosa vuoi fare?

Path: 
--- platform
--- exit 0

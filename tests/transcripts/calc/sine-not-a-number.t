# A non-number angle is refused and asked for again.
--- stdin
z
trenta
30
--- stdout


Cosa vuoi fare?

Path: 
Inserisci valore:
Errore riprova
Inserisci valore:Risultato: 0.5

Cosa vuoi fare?

Path: 
--- platform
--- exit 0

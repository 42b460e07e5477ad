# 't' takes degrees: tan 45 is 1, tan 180 prints 0, tan -45 is -1.
--- stdin
t
45
t
180
t
-45
--- stdout


Cosa vuoi fare?

Path: 
Inserisci valore:Risultato: 1

Cosa vuoi fare?

Path: 
Inserisci valore:Risultato: 0

Cosa vuoi fare?

Path: 
Inserisci valore:Risultato: -1

Cosa vuoi fare?

Path: 
--- platform
--- exit 0

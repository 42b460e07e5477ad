# 'u' takes degrees: cos 60 is 0.5, cos 90 prints 0 and cos 180 is -1.
--- stdin
u
60
u
90
u
180
--- stdout


Cosa vuoi fare?

Path: 
Inserisci valore:Risultato: 0.5

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

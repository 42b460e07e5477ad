# 'z' takes degrees: sin 30 is 0.5, sin 90 is 1, and sin 180 and -180 print 0.
--- stdin
z
30
z
90
z
180
z
-180
--- stdout


Cosa vuoi fare?

Path: 
Inserisci valore:Risultato: 0.5

Cosa vuoi fare?

Path: 
Inserisci valore:Risultato: 1

Cosa vuoi fare?

Path: 
Inserisci valore:Risultato: 0

Cosa vuoi fare?

Path: 
Inserisci valore:Risultato: 0

Cosa vuoi fare?

Path: 
--- platform
--- exit 0

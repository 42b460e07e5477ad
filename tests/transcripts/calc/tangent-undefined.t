# 't' at 90 + k*180 degrees prints a message instead of a result.
--- stdin
t
90
t
-270
--- stdout


Cosa vuoi fare?

Path: 
Inserisci valore:Errore: tangente non definita per questo angolo.


Cosa vuoi fare?

Path: 
Inserisci valore:Errore: tangente non definita per questo angolo.


Cosa vuoi fare?

Path: 
--- platform
--- exit 0

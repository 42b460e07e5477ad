# '1': a line that is not "ax+by=c" with integers, or has text after it,
# gets one message.
--- stdin
1
x+y=2
1
2x+3y=5 e basta
1

--- stdout


Cosa vuoi fare?

Path: 
Inserisci l'equazione di primo grado in forma generica (ax+by=c): Errore: equazione non valida (forma ax+by=c).


Cosa vuoi fare?

Path: 
Inserisci l'equazione di primo grado in forma generica (ax+by=c): Errore: equazione non valida (forma ax+by=c).


Cosa vuoi fare?

Path: 
Inserisci l'equazione di primo grado in forma generica (ax+by=c): Errore: equazione non valida (forma ax+by=c).


Cosa vuoi fare?

Path: 
--- platform
--- exit 0

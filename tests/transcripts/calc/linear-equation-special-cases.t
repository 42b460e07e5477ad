# '1': both coefficients zero are judged before the operator; an operator
# other than + and - gets a message.
--- stdin
1
0x+0y=0
1
0x+0y=4
1
0x*0y=0
1
2x*3y=5
--- stdout


Cosa vuoi fare?

Path: 
Inserisci l'equazione di primo grado in forma generica (ax+by=c): L'equazione è indeterminata.


Cosa vuoi fare?

Path: 
Inserisci l'equazione di primo grado in forma generica (ax+by=c): L'equazione non ha soluzioni.


Cosa vuoi fare?

Path: 
Inserisci l'equazione di primo grado in forma generica (ax+by=c): L'equazione è indeterminata.


Cosa vuoi fare?

Path: 
Inserisci l'equazione di primo grado in forma generica (ax+by=c): Errore: operatore non valido


Cosa vuoi fare?

Path: 
--- platform
--- exit 0

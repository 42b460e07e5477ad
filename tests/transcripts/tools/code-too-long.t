# A length beyond 100,000,000 characters is more than the program will hold:
# the memory message stands in place of the result, for codes and passwords.
--- stdin
g
2147483647
v
100000001
--- stdout


Cosa vuoi fare?

Path: 
Inserisci la lunghezza del codice: 
Elaborando...

Errore: memoria insufficiente.


Cosa vuoi fare?

Path: 
Inserire la lunghezza della password: 
Elaborando...

Errore: memoria insufficiente.


Cosa vuoi fare?

Path: 
--- platform
--- exit 0

# A length of 0 or below gives an empty code after the whole animation.
--- stdin
g
0
g
-5
--- stdout


Cosa vuoi fare?

Path: 
Inserisci la lunghezza del codice: 
Elaborando...

Codice generato: 


Cosa vuoi fare?

Path: 
Inserisci la lunghezza del codice: 
Elaborando...

Codice generato: 


Cosa vuoi fare?

Path: 
--- platform
--- exit 0

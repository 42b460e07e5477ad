# Two codes in the same second: the longer one begins with the whole
# shorter one.
--- stdin
g
5
g
12
--- stdout


Cosa vuoi fare?

Path: 
Inserisci la lunghezza del codice: 
Elaborando...

Codice generato: OiSmb


Cosa vuoi fare?

Path: 
Inserisci la lunghezza del codice: 
Elaborando...

Codice generato: OiSmbIR6g6a0


Cosa vuoi fare?

Path: 
--- platform
--- exit 0

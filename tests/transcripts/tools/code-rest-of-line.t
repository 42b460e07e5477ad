# After the length only the blank is discarded: the rest of the line, "xx",
# is read as the next command line and refused.
--- stdin
g
4 xx
--- stdout


Cosa vuoi fare?

Path: 
Inserisci la lunghezza del codice: 
Elaborando...

Codice generato: OiSm


Cosa vuoi fare?

Path: 

Funzione non valida.Riprova



Cosa vuoi fare?

Path: 
--- expect function_history.txt
g
xx
--- platform
--- exit 0

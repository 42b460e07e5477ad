# Entries of earlier runs come first; a last line without line end counts,
# and an empty command line shows as an empty line.
--- given function_history.txt noeol
old1
old2
--- stdin

@
v
--- stdout


Cosa vuoi fare?

Path: 

Funzione non valida.Riprova



Cosa vuoi fare?

Path: 
Vuoi vedere(v) o cancellare(c) la cronologia?
Path: 
Cronologia delle funzioni: 

old1
old2

@


Cosa vuoi fare?

Path: 
--- platform
--- expect function_history.txt
old1
old2

@
--- exit 0

# Input ends while the formula is awaited: a line break and exit status 0.
--- stdin
o
--- stdout


Cosa vuoi fare?

Path: 
Inserisci la formula chimica: 

Path: 
--- exit 0

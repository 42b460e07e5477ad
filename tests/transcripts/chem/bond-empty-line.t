# '4' with an empty first line: nothing is skipped, so the empty text is the
# first symbol and is not found.
--- stdin
4

Cl
--- stdout


Cosa vuoi fare?

Path: 
Inserisci l'elemento chimico (la sigla che trovi sulla tavola periodica): 

Path: 
Path: 
Elemento non trovato


Cosa vuoi fare?

Path: 
--- exit 0

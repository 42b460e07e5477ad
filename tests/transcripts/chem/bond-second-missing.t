# '4' with O then Fe: the first symbol is found, the second is not; the
# message ends in a blank.
--- stdin
4
O
Fe
--- stdout


Cosa vuoi fare?

Path: 
Inserisci l'elemento chimico (la sigla che trovi sulla tavola periodica): 

Path: 
Path: 
Errore: uno o piu' elementi non trovati 


Cosa vuoi fare?

Path: 
--- exit 0

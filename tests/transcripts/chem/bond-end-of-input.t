# Input ends after the first symbol: a line break and exit status 0.
--- stdin
4
H
--- stdout


Cosa vuoi fare?

Path: 
Inserisci l'elemento chimico (la sigla che trovi sulla tavola periodica): 

Path: 
Path: 
--- exit 0

# '4' with Na and Cl: ionic bond.
--- stdin
4
Na
Cl
--- stdout


Cosa vuoi fare?

Path: 
Inserisci l'elemento chimico (la sigla che trovi sulla tavola periodica): 

Path: 
Path: 
Il covalente: Ionico


Cosa vuoi fare?

Path: 
--- exit 0

# '4' with N and O: the difference is just below 0.4 in double arithmetic.
--- stdin
4
N
O
--- stdout


Cosa vuoi fare?

Path: 
Inserisci l'elemento chimico (la sigla che trovi sulla tavola periodica): 

Path: 
Path: 
Il covalente: Puro


Cosa vuoi fare?

Path: 
--- exit 0

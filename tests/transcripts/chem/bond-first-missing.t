# '4' with Fe first: iron has no electronegativity here, and this message wins
# although the second symbol is unknown too.
--- stdin
4
Fe
Xx
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

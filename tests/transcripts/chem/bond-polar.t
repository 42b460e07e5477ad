# '4' with H and Cl: one question, an empty line, two prompts answered by
# whole lines, and the class.
--- stdin
4
H
Cl
--- stdout


Cosa vuoi fare?

Path: 
Inserisci l'elemento chimico (la sigla che trovi sulla tavola periodica): 

Path: 
Path: 
Il covalente: Polarizzato


Cosa vuoi fare?

Path: 
--- platform
--- expect function_history.txt
4
--- exit 0

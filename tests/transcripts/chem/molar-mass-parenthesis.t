# 'o' with Ca(OH)2: calcium is read, the parenthesis is refused by name and
# the partial total is not shown.
--- stdin
o
Ca(OH)2
--- stdout


Cosa vuoi fare?

Path: 
Inserisci la formula chimica: 

Path: 
Errore: l'atomo ( non e' supportato


Cosa vuoi fare?

Path: 
--- exit 0

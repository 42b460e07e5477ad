# 'o' with a count above 2147483647: the count is refused with the symbol's
# name and no result line; the command ends as after an unknown atom.
--- stdin
o
NaCl2147483648
--- stdout


Cosa vuoi fare?

Path: 
Inserisci la formula chimica: 

Path: 
Errore: indice troppo grande per l'atomo Cl


Cosa vuoi fare?

Path: 
--- exit 0

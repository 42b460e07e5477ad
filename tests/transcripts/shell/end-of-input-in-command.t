# End of input inside a command's own question ends the program with
# a line break and status 0.
--- stdin
i
1
--- stdout


Cosa vuoi fare?

Path: 
Impostazioni


Comandi:

Tema=1

Info=2


Path: 
Vuoi cambiare tema(1) o resettarlo(0)?
Path: 
--- platform
--- exit 0
